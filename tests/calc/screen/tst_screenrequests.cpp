#include "calc/castiron_cement/castironrecords.h"
#include "calc/castiron_cement/frmtablII3.h"
#include "calc/castiron_cement/frmtablII4.h"
#include "calc/castiron_cement/frmtablII6.h"
#include "calc/plastic_glass/frmtablII5.h"
#include "calc/plastic_glass/frmtablII7.h"
#include "calc/plastic_glass/frmtablII8.h"
#include "calc/plastic_glass/plasticrecords.h"
#include "calc/steel/frmtablII1.h"
#include "calc/steel/frmtablII2.h"
#include "calc/steel/steelrecords.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <cmath>
#include <memory>

using namespace uitest;

namespace {

calc::TableRecord recordOf(int table)
{
    switch (table) {
    case 1: return calc::steel::waterGasRecord();
    case 2: return calc::steel::electricWeldedRecord();
    case 3: return calc::castIronRecord();
    case 4: return calc::asbestosCementRecord();
    case 5: return calc::polyethyleneRecord();
    case 6: return calc::reinforcedConcreteRecord();
    case 7: return calc::glassFibreRecord();
    default: return calc::glassRecord();
    }
}

std::unique_ptr<QWidget> openScreen(const calc::TableRecord& record)
{
    switch (record.number) {
    case 1: return std::make_unique<frmtablII1>(record);
    case 2: return std::make_unique<frmtablII2>(record);
    case 3: return std::make_unique<frmtablII3>(record);
    case 4: return std::make_unique<frmtablII4>(record);
    case 5: return std::make_unique<frmtablII5>(record);
    case 6: return std::make_unique<frmtablII6>(record);
    case 7: return std::make_unique<frmtablII7>(record);
    default: return std::make_unique<frmtablII8>(record);
    }
}

// The number a result label shows, the last one of a result line: "H = i·L= 0,26 м" shows 0.26.
double shownNumber(const QWidget* screen, const char* label)
{
    const QString shown = text(screen, label).section(QStringLiteral("= "), -1).section(u' ', 0, 0);
    return QString(shown).replace(u',', u'.').toDouble();
}

}  // namespace

// Every classic calculator takes a request as a row of the sections table keeps it, gives it back
// from its controls and shows what its table calculates of it.
class TestScreenRequests : public QObject {
    Q_OBJECT
private slots:
    void appliedRequestIsShown_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QString>("size");      // empty for a typed diameter
        QTest::addColumn<double>("diameter");   // the typed one; a catalog size has the record's
        QTest::addColumn<double>("flow");
        QTest::addColumn<bool>("cubicMetres");
        QTest::addColumn<double>("length");     // 0 for a find alone
        QTest::addColumn<bool>("localLosses");
        QTest::addColumn<QByteArrayList>("labels");  // v, 1000i
        QTest::addColumn<bool>("typedBefore");  // the screen left with a typed diameter, its catalog options disabled

        const QByteArrayList classic{"Label1", "Label2"};
        const QByteArrayList shifted{"Label3", "Label4"};
        QTest::newRow("II-1 local losses") << 1 << QList<int>{0, 0, -1, 0} << "21.3 × 2.8" << 0.0 << 0.3 << false << 10.0 << true << classic << false;
        QTest::newRow("II-1 new, hot water, find") << 1 << QList<int>{1, 1, 2, 1} << "26.8 × 2.5" << 0.0 << 2.0 << true << 0.0 << false << classic << false;
        QTest::newRow("II-1 typed, fire-fighting") << 1 << QList<int>{0, 0, -1, 3} << "" << 20.0 << 0.5 << false << 12.0 << false << classic << false;
        QTest::newRow("II-2 new, hot water") << 2 << QList<int>{1, 1, 0, 2} << "57 × 3.5" << 0.0 << 3.0 << true << 25.0 << true << classic << false;
        QTest::newRow("II-2 typed with every digit") << 2 << QList<int>{0, 0, -1, 0} << "" << 12.3456789012345449 << 0.31 << false << 7.5 << false << classic << false;
        QTest::newRow("II-3 class А, new") << 3 << QList<int>{1, 1} << "600" << 0.0 << 400.0 << false << 50.0 << false << shifted << false;
        QTest::newRow("II-3 class А after a typed diameter") << 3 << QList<int>{1, 0} << "500" << 0.0 << 150.0 << false << 0.0 << false << shifted << true;
        QTest::newRow("II-3 typed") << 3 << QList<int>{0, 1} << "" << 100.0 << 25.2 << true << 0.0 << false << shifted << false;
        QTest::newRow("II-4 type 2, ВТ9") << 4 << QList<int>{1, 1} << "250" << 0.0 << 30.0 << false << 40.0 << false << classic << false;
        QTest::newRow("II-4 ВТ15 of type 3, no row") << 4 << QList<int>{2, 3} << "200" << 0.0 << 30.0 << false << 0.0 << false << classic << false;
        QTest::newRow("II-4 typed") << 4 << QList<int>{0, 0} << "" << 150.5 << 20.0 << false << 30.0 << false << classic << false;
        QTest::newRow("II-5 ПЭ100 SDR17") << 5 << QList<int>{3, 4} << "110" << 0.0 << 5.0 << false << 100.0 << false << shifted << false;
        QTest::newRow("II-5 ПЭ63 SDR26 after a typed diameter") << 5 << QList<int>{1, 1} << "250" << 0.0 << 40.0 << false << 20.0 << false << shifted << true;
        QTest::newRow("II-5 typed") << 5 << QList<int>{2, -1} << "" << 87.5 << 4.2 << true << 60.0 << false << shifted << false;
        QTest::newRow("II-6 catalog") << 6 << QList<int>{} << "800" << 0.0 << 700.0 << false << 10.0 << false << classic << false;
        QTest::newRow("II-6 typed, m³/h") << 6 << QList<int>{} << "" << 750.0 << 1800.0 << true << 0.0 << false << classic << false;
        QTest::newRow("II-7 catalog") << 7 << QList<int>{} << "215" << 0.0 << 20.0 << false << 15.0 << false << classic << false;
        QTest::newRow("II-7 typed") << 7 << QList<int>{} << "" << 150.0 << 20.0 << false << 0.0 << false << classic << false;
        QTest::newRow("II-8 catalog") << 8 << QList<int>{} << "93" << 0.0 << 2.0 << false << 12.0 << false << classic << false;
        QTest::newRow("II-8 typed") << 8 << QList<int>{} << "" << 80.0 << 3.0 << false << 5.0 << false << classic << false;
    }
    void appliedRequestIsShown()
    {
        QFETCH(int, table);
        QFETCH(QList<int>, chosen);
        QFETCH(QString, size);
        QFETCH(double, diameter);
        QFETCH(double, flow);
        QFETCH(bool, cubicMetres);
        QFETCH(double, length);
        QFETCH(bool, localLosses);
        QFETCH(QByteArrayList, labels);
        QFETCH(bool, typedBefore);
        const calc::TableRecord record = recordOf(table);
        calc::CalculationRequest request{.table = table, .size = size, .diameterMm = diameter};
        request.conditions.chosen = chosen;
        request.conditions.flow = {flow, cubicMetres ? calc::FlowUnit::CubicMetresPerHour : calc::FlowUnit::LitresPerSecond};
        if (!size.isEmpty())
            request.diameterMm = calc::sizeNamed(record.sizes(chosen), size).value().calculationDiameterMm;
        if (length > 0)
            request.length = length;
        request.localLosses.counted = localLosses;

        std::unique_ptr<QWidget> window = openScreen(record);
        window->show();
        if (typedBefore)
            click(window.get(), "Check1");
        auto* screen = dynamic_cast<calc::CalculatorScreen*>(window.get());
        QVERIFY(screen && screen->apply(request));
        QCOMPARE(takeMessages(), QStringList());

        const calc::CalculationRequest back = screen->request();
        QCOMPARE(back.table, table);
        QCOMPARE(back.conditions.chosen, chosen);
        QCOMPARE(back.size, size);
        // Every digit: QCOMPARE of doubles would let the last ones go.
        QVERIFY(back.diameterMm == request.diameterMm);
        QVERIFY(back.conditions.flow.value == flow);
        QCOMPARE(back.conditions.flow.unit, request.conditions.flow.unit);
        QVERIFY(back.length == request.length);
        QCOMPARE(back.localLosses.counted, localLosses);

        // Shown to 3 decimals, as the record's calculation gives them.
        const calc::CalculationOutcome outcome = record.calculate(request);
        QVERIFY(!outcome.failed);
        QVERIFY(std::abs(shownNumber(window.get(), labels[0]) - *outcome.figures.velocity) <= 5e-4 + 1e-12);
        QVERIFY(std::abs(shownNumber(window.get(), labels[1]) - *outcome.figures.thousandI) <= 5e-4 + 1e-12);
        if (request.length)
            QVERIFY(std::abs(shownNumber(window.get(), "Label10") - *outcome.figures.headLoss) <= 5e-4 + 1e-12);
    }

    // A section whose own find stops shows the head loss the table calculates of its request with
    // the last find that went through.
    void sectionAfterFailedFind_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QString>("size");
        QTest::newRow("II-1") << 1 << QList<int>{0, 1, 3, 1} << "33.5 × 3.2";
        QTest::newRow("II-3") << 3 << QList<int>{0, 0} << "150";
        QTest::newRow("II-5") << 5 << QList<int>{2, 3} << "160";
        QTest::newRow("II-7") << 7 << QList<int>{} << "90";
    }
    void sectionAfterFailedFind()
    {
        QFETCH(int, table);
        QFETCH(QList<int>, chosen);
        QFETCH(QString, size);
        const calc::TableRecord record = recordOf(table);
        calc::CalculationRequest found{.table = table, .size = size};
        found.conditions = {chosen, {1.5, calc::FlowUnit::LitresPerSecond}};
        found.diameterMm = calc::sizeNamed(record.sizes(chosen), size).value().calculationDiameterMm;
        std::unique_ptr<QWidget> window = openScreen(record);
        window->show();
        QVERIFY(dynamic_cast<calc::CalculatorScreen*>(window.get())->apply(found));
        pasteInto(window.get(), "Text1", "");
        pasteInto(window.get(), "Text3", "35");
        click(window.get(), "Command3");
        QCOMPARE(takeMessages(), QStringList{QStringLiteral("расход не должен равняться нулю!\r введите значение расхода")});

        calc::CalculationRequest section = found;
        section.conditions.flow.value = 0;
        section.length = 35;
        section.lastFound = std::make_shared<const calc::CalculationRequest>(found);
        const calc::CalculationOutcome outcome = record.calculate(section);
        QCOMPARE(outcome.failed, calc::Check::FlowZero);
        QVERIFY(*outcome.figures.headLoss > 0);
        QVERIFY(std::abs(shownNumber(window.get(), "Label10") - *outcome.figures.headLoss) <= 5e-4 + 1e-12);
    }

    // A choice the screen does not offer is refused.
    void requestNotTaken_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QString>("size");
        QTest::newRow("II-1 no such wall") << 1 << QList<int>{0, 0, -1, 0} << "21.3 × 9";
        QTest::newRow("II-2 no such system type") << 2 << QList<int>{0, 1, 0, 3} << "57 × 3.5";
        QTest::newRow("II-4 no such class") << 4 << QList<int>{0, 4} << "200";
        QTest::newRow("II-5 a series ПЭ32 does not offer") << 5 << QList<int>{0, 0} << "32";
        QTest::newRow("II-7 no such size") << 7 << QList<int>{} << "70";
        QTest::newRow("II-8 a request of another table") << 6 << QList<int>{} << "800";
    }
    void requestNotTaken()
    {
        QFETCH(int, table);
        QFETCH(QList<int>, chosen);
        QFETCH(QString, size);
        std::unique_ptr<QWidget> window = openScreen(recordOf(table == 6 ? 8 : table));
        calc::CalculationRequest request{.table = table, .size = size, .diameterMm = 10, .length = 5};
        request.conditions.chosen = chosen;
        request.conditions.flow.value = 1;
        QVERIFY(!dynamic_cast<calc::CalculatorScreen*>(window.get())->apply(request));
        QCOMPARE(takeMessages(), QStringList());
    }
};

UITEST_MAIN(TestScreenRequests)
#include "tst_screenrequests.moc"
