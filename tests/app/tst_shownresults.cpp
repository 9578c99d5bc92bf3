#include "app/calculators.h"
#include "calc/common/flowarithmetic.h"
#include "calc/registry/tables.h"
#include "calc/screen/showncalculation.h"
#include "tests/common/uitest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <memory>

using namespace uitest;

namespace {

// The sizes of the first list of the conditions a calculator opens with.
QList<calc::CatalogSize> openingSizes(const calc::TableRecord& record)
{
    calc::ConditionChoices initial;
    for (const calc::TableCondition& condition : record.conditions)
        initial << condition.initial;
    return record.sizes(initial);
}

// The labels showing a text in the disabled text colour of the palette.
int greyedFigures(const QWidget* window)
{
    int greyed = 0;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QColor disabled = QApplication::palette(label).color(QPalette::Disabled, label->foregroundRole());
        if (!label->text().isEmpty() && label->isVisibleTo(window)
            && label->palette().color(QPalette::Active, label->foregroundRole()) == disabled)
            ++greyed;
    }
    return greyed;
}

// A size chosen as the user chooses it: the outer diameter, then the wall where there is one.
void chooseSize(QWidget* window, const calc::CatalogSize& size)
{
    const QStringList parts = size.designation.split(QStringLiteral(" × "));
    choose(window, "Combo1", parts.first());
    if (parts.size() == 2)
        choose(window, "Combo2", parts.last());
}

}  // namespace

// The record and sections buttons of a calculator follow what its results show: a find enables
// the record, a section the sections table too; a section clear, a main clear and an error box
// take back what they empty.
class ShownResultsTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsFollowResults_data()
    {
        QTest::addColumn<int>("number");
        // "type Text1 0.3", "choose Combo1 #9", "click Command2", "expect 10" (record on, sections off);
        // a third digit 1 where figures stand greyed in the palette's disabled text colour
        QTest::addColumn<QStringList>("script");
        QTest::newRow("II-1") << 1
                              << QStringList{"expect 00",        "type Text1 0.3",   "choose Combo1 #5", "choose Combo2 #0",
                                             "click Command2",   "expect 10",        "type Text3 10",    "click Command3",
                                             "expect 11",        "click Command4",   "expect 10",        "click Command1",
                                             "expect 00"};
        QTest::newRow("II-1 error after a find")
            << 1 << QStringList{"type Text1 0.3", "choose Combo1 #5", "choose Combo2 #0", "click Command2", "expect 100",
                                "choose Combo1 #6", "expect 001", "click Command2", "expect 001"};
        QTest::newRow("II-1 section error")
            << 1 << QStringList{"type Text1 0.3", "choose Combo1 #5", "choose Combo2 #0", "click Command3", "expect 00"};
        QTest::newRow("II-4") << 4
                              << QStringList{"type Text1 10",  "choose Combo1 #3", "click Command2", "expect 10",
                                             "type Text3 100", "click Command3",   "expect 11",      "click Command1",
                                             "expect 00"};
        QTest::newRow("II-7") << 7
                              << QStringList{"type Text1 50", "choose Combo1 #2", "type Text3 20", "click Command3",
                                             "expect 11",     "click Command4",   "expect 10",     "type Text1 x",
                                             "click Command1", "click Command2",  "expect 00"};
        // Results belong to the inputs they were computed from: any change takes both buttons
        // back until the next calculation; a click that changes nothing keeps them.
        QTest::newRow("II-1 inputs changed")
            << 1 << QStringList{"type Text1 0.3",   "choose Combo1 #5", "choose Combo2 #1", "type Text3 10",
                                "click Command3",   "expect 110",       "click Option3",    "click Option1",
                                "expect 110",       "choose Combo2 #0", "expect 001",       "click Command3",
                                "expect 110",       "type Text1 5",     "expect 001",       "click Command3",
                                "expect 110",       "type Text3 5",     "expect 001",       "click Command3",
                                "expect 110",       "click Check2",     "expect 001",       "type Text3 10",
                                "click Command3",   "expect 110",       "click Command4",   "expect 100",
                                "click Option2",    "expect 001",       "click Command1",   "expect 001"};
        QTest::newRow("II-5 other diameter") << 5 << QStringList{"type Text1 5",  "choose Combo1 #5", "click Command2",
                                                                 "expect 10",     "click Check1",     "expect 00"};
        QTest::newRow("II-9 fitting and carrier")
            << 9 << QStringList{"type Text1 0.5", "choose Combo1 #5", "choose Combo2 #0", "type Text16 10",
                                "click Command1", "expect 110",       "click Check1",     "expect 001",
                                "click Command1", "expect 110",       "type Text4 2",     "expect 001",
                                "click Command1", "expect 110",       "click Option4",    "expect 001"};
        QTest::newRow("II-9") << 9
                              << QStringList{"type Text1 0.5", "choose Combo1 #5", "choose Combo2 #0", "type Text16 10",
                                             "click Command1", "expect 11",        "click Command2",   "expect 00",
                                             "type Text1 0.5", "click Command1",   "expect 00"};
    }
    void buttonsFollowResults()
    {
        QFETCH(int, number);
        QFETCH(QStringList, script);
        std::unique_ptr<QWidget> window(createCalculator(number));
        window->show();
        for (const QString& step : script) {
            if (!step.startsWith(QLatin1StringView("expect "))) {
                takeStep(window.get(), step);
                continue;
            }
            const QString expected = step.section(u' ', 1);
            QString enabled = QStringLiteral("%1%2")
                                  .arg(int(child<QAbstractButton>(window.get(), "reportButton")->isEnabled()))
                                  .arg(int(child<QAbstractButton>(window.get(), "addSectionButton")->isEnabled()));
            if (expected.size() == 3)
                enabled += QString::number(int(greyedFigures(window.get()) > 0));
            QVERIFY2(enabled == expected, qPrintable(step + QStringLiteral(": ") + enabled));
        }
        takeMessages();
    }

    // What the sections button hands on is what the user set.
    void sectionRequestHoldsTheInputs()
    {
        std::unique_ptr<QWidget> window(createCalculator(1));
        window->show();
        click(window.get(), "Option4");
        typeInto(window.get(), "Text1", "0.3");
        choose(window.get(), "Combo1", "21.3");
        choose(window.get(), "Combo2", "2.5");
        click(window.get(), "Check2");
        typeInto(window.get(), "Text3", "12.5");
        click(window.get(), "Command3");
        QCOMPARE(takeMessages(), QStringList());
        auto* shown = window->findChild<calc::ShownCalculation*>(QStringLiteral("shownCalculation"));
        QVERIFY(shown);
        QList<calc::CalculationRequest> handed;
        connect(shown, &calc::ShownCalculation::sectionRequested, this,
                [&](const calc::CalculationRequest& request) { handed << request; });
        click(window.get(), "addSectionButton");
        QCOMPARE(handed.size(), 1);
        const calc::CalculationRequest& request = handed.first();
        QCOMPARE(request.table, 1);
        QCOMPARE(request.conditions.chosen, (calc::ConditionChoices{1, 0, -1, 0}));
        QCOMPARE(request.conditions.flow.value, 0.3);
        QCOMPARE(request.size, QStringLiteral("21.3 × 2.5"));
        QCOMPARE(request.diameterMm, 16.3);
        QCOMPARE(request.length, std::optional<double>(12.5));
        QVERIFY(request.localLosses.counted);
        QCOMPARE(shown->output().headLossText, text(window.get(), "Label10"));
    }

    // What a calculator shows is its record's outcome of the request it hands on, to the last
    // bit, and a size selection row of the same size (the catalog's calculation diameter) gives
    // the same figures: every size of the first list, as a section.
    void shownFiguresAreTheOutcomeOfTheRequest_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("flow");
        for (int number : {1, 2, 3, 4, 5, 6, 7, 8})
            QTest::newRow(qPrintable(QStringLiteral("II-%1").arg(number))) << number << QStringLiteral("2.7");
    }
    void shownFiguresAreTheOutcomeOfTheRequest()
    {
        QFETCH(int, number);
        QFETCH(QString, flow);
        const calc::TableRecord& record = calc::table(number);
        std::unique_ptr<QWidget> window(createCalculator(number));
        window->show();
        auto* shown = window->findChild<calc::ShownCalculation*>(QStringLiteral("shownCalculation"));
        QVERIFY(shown);
        const QList<calc::CatalogSize> sizes = openingSizes(record);
        QVERIFY(sizes.size() > 5);
        for (const calc::CatalogSize& size : sizes) {
            chooseSize(window.get(), size);
            for (const char* input : {"Text1", "Text3"})
                child<QLineEdit>(window.get(), input)->clear();
            typeInto(window.get(), "Text1", flow);
            typeInto(window.get(), "Text3", "12.5");
            click(window.get(), "Command3");
            QCOMPARE(takeMessages(), QStringList());
            QVERIFY2(shown->isShown() && shown->input().length == 12.5, qPrintable(size.designation));
            const calc::CalculationRequest& request = shown->input();
            QCOMPARE(request.size, size.designation);
            QVERIFY2(request.diameterMm == size.calculationDiameterMm, qPrintable(size.designation));
            const calc::Figures& screen = shown->output().figures;
            const calc::CalculationOutcome again = record.calculate(request);
            QVERIFY(!again.failed);
            QVERIFY2(*again.figures.velocity == *screen.velocity && *again.figures.thousandI == *screen.thousandI
                         && *again.figures.headLoss == *screen.headLoss,
                     qPrintable(size.designation));
            const calc::CalculationOutcome row =
                record.calculate({number, request.conditions, size.designation, size.calculationDiameterMm, std::nullopt, {}});
            QVERIFY2(*row.figures.velocity == *screen.velocity && *row.figures.thousandI == *screen.thousandI,
                     qPrintable(size.designation));
        }
    }

    // The building screens show their record's outcome of the request they hand on, to the last
    // bit, with the temperature, the heat carrier and the fittings as set; a size selection row of
    // the same size gives the same v and i or R.
    void buildingFiguresAreTheOutcomeOfTheRequest_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("flow");
        QTest::newRow("II-9 cold water, fittings and ξ") << 9
            << QStringList{"click Check1", "type Text4 2", "click Check14", "type Text17 1.5"} << "0.3";
        QTest::newRow("II-9 heating, water 70 °C") << 9 << QStringList{"click Option4", "choose Combo3 70"} << "0.3";
        QTest::newRow("II-9 heating, typed carrier, fittings")
            << 9 << QStringList{"click Option4", "choose Combo3 70", "click Option8", "type Text3 1050", "type Text18 3.5",
                                "click Check3", "type Text6 2"} << "0.3";
        QTest::newRow("II-9 hot water at 80 °C kept from heating")
            << 9 << QStringList{"click Option4", "choose Combo3 80", "click Option2"} << "0.3";
        QTest::newRow("II-10 hot water 60 °C, fittings")
            << 10 << QStringList{"click Option2", "choose Combo3 60", "click Check5"} << "0.3";
        QTest::newRow("II-10 heating, typed carrier")
            << 10 << QStringList{"click Option3", "choose Combo3 80", "click Option8", "type Text3 1040", "type Text18 2.2"}
            << "0.3";
        QTest::newRow("II-11 heating, water 90 °C, fittings")
            << 11 << QStringList{"click Option3", "choose Combo3 90", "click Check2", "type Text5 3"} << "0.3";
        QTest::newRow("II-11 cold water") << 11 << QStringList{} << "0.3";
    }
    void buildingFiguresAreTheOutcomeOfTheRequest()
    {
        QFETCH(int, number);
        QFETCH(QStringList, steps);
        QFETCH(QString, flow);
        std::unique_ptr<QWidget> window(createCalculator(number));
        window->show();
        typeInto(window.get(), "Text1", flow);
        typeInto(window.get(), "Text16", "12.5");
        for (const QString& step : steps)
            takeStep(window.get(), step);
        auto* shown = window->findChild<calc::ShownCalculation*>(QStringLiteral("shownCalculation"));
        QVERIFY(shown);
        const calc::TableRecord& record = calc::table(number);
        const QList<calc::CatalogSize> sizes = openingSizes(record);
        QVERIFY(sizes.size() > 5);
        for (const calc::CatalogSize& size : sizes) {
            chooseSize(window.get(), size);
            click(window.get(), "Command1");
            QCOMPARE(takeMessages(), QStringList());
            QVERIFY2(shown->isShown(), qPrintable(size.designation));
            const calc::CalculationRequest& request = shown->input();
            QCOMPARE(request.size, size.designation);
            QVERIFY2(request.diameterMm == size.calculationDiameterMm, qPrintable(size.designation));
            QCOMPARE(request.length, std::optional<double>(12.5));
            const calc::Figures& screen = shown->output().figures;
            const calc::CalculationOutcome again = record.calculate(request);
            QVERIFY(!again.failed);
            QVERIFY2(*again.figures.velocity == *screen.velocity && *again.figures.viscosity == *screen.viscosity
                         && *again.figures.resistanceSum == *screen.resistanceSum
                         && again.figures.slope == screen.slope && again.figures.specificLoss == screen.specificLoss
                         && again.figures.headLoss == screen.headLoss
                         && again.figures.pressureDrop == screen.pressureDrop,
                     qPrintable(size.designation));
            QCOMPARE(shown->output().headLossText, again.headLossText);
            QCOMPARE(text(window.get(), "Label4"), again.headLossText);
            const calc::CalculationOutcome row =
                record.calculate({number, request.conditions, size.designation, size.calculationDiameterMm, std::nullopt, {}});
            QVERIFY2(*row.figures.velocity == *screen.velocity && row.figures.slope == screen.slope
                         && row.figures.specificLoss == screen.specificLoss,
                     qPrintable(size.designation));
        }
    }

    // The typed carrier, the fittings and the kept temperature are handed on as set.
    void buildingRequestHoldsTheInputs()
    {
        std::unique_ptr<QWidget> window(createCalculator(9));
        window->show();
        for (const QString& step : QStringList{"click Option4", "choose Combo3 80", "click Option8", "type Text3 1050",
                                    "type Text18 3.5", "click Check3", "type Text6 2", "click Check14",
                                    "type Text17 0.7", "click Check13", "type Text2 14.25", "type Text1 0.2",
                                    "type Text16 7"})
            takeStep(window.get(), step);
        click(window.get(), "Command1");
        QCOMPARE(takeMessages(), QStringList());
        auto* shown = window->findChild<calc::ShownCalculation*>(QStringLiteral("shownCalculation"));
        QVERIFY(shown && shown->isShown());
        const calc::CalculationRequest& request = shown->input();
        QCOMPARE(request.table, 9);
        QCOMPARE(request.conditions.chosen, (calc::ConditionChoices{3, 3, 1}));
        QCOMPARE(request.conditions.temperature, std::optional<double>(80));
        QCOMPARE(request.conditions.carrierDensity, 1050.0);
        QCOMPARE(request.conditions.carrierViscosityE6, 3.5);
        QCOMPARE(request.size, QString());
        QCOMPARE(request.diameterMm, 14.25);
        QCOMPARE(request.length, std::optional<double>(7));
        // 2 typed after the 1 the count shows.
        QCOMPARE(request.localLosses.fittingCounts, (QList<double>{0, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(request.localLosses.otherResistance, std::optional<double>(0.7));
    }

    // A find that stops does not stop the section: it takes the 1000i of the last successful
    // find, and nothing is shown for the record or the sections table.
    void sectionAfterAFailedFind_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("headLoss");
        QTest::newRow("II-2 typed 100 mm, 1000i = 15,333")
            << 2 << QStringList{"click Check1", "click Option4", "type Text2 100", "type Text1 7.85398163", "click Command2"}
            << QStringLiteral("H = i·L= 0,153 м");
        QTest::newRow("II-3 100 mm, 1000i = 31,162")
            << 3 << QStringList{"choose Combo1 100", "type Text1 10", "click Command2"} << QStringLiteral("h = i · L = 0,312 м");
        QTest::newRow("II-6 600 mm, 1000i = 5,67")
            << 6 << QStringList{"choose Combo1 600", "type Text1 500", "click Command2"} << QStringLiteral("h = i · L = 0,057 м");
    }
    void sectionAfterAFailedFind()
    {
        QFETCH(int, number);
        QFETCH(QStringList, steps);
        QFETCH(QString, headLoss);
        std::unique_ptr<QWidget> window(createCalculator(number));
        window->show();
        for (const QString& step : steps)
            takeStep(window.get(), step);
        QCOMPARE(takeMessages(), QStringList());
        child<QLineEdit>(window.get(), "Text1")->clear();
        typeInto(window.get(), "Text3", "10");
        click(window.get(), "Command3");
        QCOMPARE(takeMessages(), QStringList{QStringLiteral("расход не должен равняться нулю!\r введите значение расхода")});
        QCOMPARE(text(window.get(), "Label10"), headLoss);
        QVERIFY(!child<QAbstractButton>(window.get(), "reportButton")->isEnabled());
        QVERIFY(!child<QAbstractButton>(window.get(), "addSectionButton")->isEnabled());
    }

    // On the nominal-size screens a find with no size chosen stops at the size, named as a
    // nominal size; a size kept from a typed diameter is handed on as that diameter.
    void findOfNoChosenSize_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<QString>("message");
        QTest::newRow("II-3") << 3 << QByteArray("Label11")
                              << QStringLiteral("диаметр не может равняться нулю!\r введите значение диаметра в мм");
        QTest::newRow("II-4") << 4 << QByteArray("Label4")
                              << QStringLiteral("диаметр не может равняться нулю!\r введите значение диаметра в мм\r"
                                                "(кликни по значению в выпадающем списке)");
    }
    void findOfNoChosenSize()
    {
        QFETCH(int, number);
        QFETCH(QByteArray, caption);
        QFETCH(QString, message);
        std::unique_ptr<QWidget> window(createCalculator(number));
        window->show();
        typeInto(window.get(), "Text1", "2");
        click(window.get(), "Command2");
        QCOMPARE(takeMessages(), QStringList{message});
        QCOMPARE(text(window.get(), caption.constData()), QStringLiteral("d="));
        QVERIFY(!child<QAbstractButton>(window.get(), "reportButton")->isEnabled());
    }
    void sizeKeptFromATypedDiameter()
    {
        std::unique_ptr<QWidget> window(createCalculator(3));
        window->show();
        click(window.get(), "Check1");
        typeInto(window.get(), "Text2", "51,6");
        typeInto(window.get(), "Text1", "2\r");
        click(window.get(), "Check1");
        click(window.get(), "Command2");
        QCOMPARE(takeMessages(), QStringList());
        auto* shown = window->findChild<calc::ShownCalculation*>(QStringLiteral("shownCalculation"));
        QVERIFY(shown && shown->isShown());
        QCOMPARE(shown->input().size, QString());
        QCOMPARE(shown->input().diameterMm, 51.6);
        QCOMPARE(calc::velocityText(*calc::table(3).calculate(shown->input()).figures.velocity), QStringLiteral("0,956"));
    }

    // A typed diameter is calculated with every digit typed, on the screen and in the request it
    // hands on: v = 4Q/(πd²) at 3,1 л/сек, to a few units in the last digit, where 15 digits
    // would move it by 5 and more.
    void typedDiameterCalculatesAsTyped_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("velocity");
        QTest::newRow("II-1") << 1 << QStringLiteral("150.000000000000449") << 0.17542411505239913;
        QTest::newRow("II-2") << 2 << QStringLiteral("12.3456789012345449") << 25.89654689046089;
        QTest::newRow("II-3") << 3 << QStringLiteral("10.0000000000000355") << 39.470425886789762;
        QTest::newRow("II-4") << 4 << QStringLiteral("1.00000000000000488") << 3947.0425886789658;
        QTest::newRow("II-5") << 5 << QStringLiteral("12.3456789012345449") << 25.89654689046089;
        QTest::newRow("II-6") << 6 << QStringLiteral("150.000000000000449") << 0.17542411505239913;
        QTest::newRow("II-7") << 7 << QStringLiteral("10.0000000000000355") << 39.470425886789762;
        QTest::newRow("II-8") << 8 << QStringLiteral("1.00000000000000488") << 3947.0425886789658;
    }
    void typedDiameterCalculatesAsTyped()
    {
        QFETCH(int, number);
        QFETCH(QString, typed);
        QFETCH(double, velocity);
        std::unique_ptr<QWidget> window(createCalculator(number));
        window->show();
        click(window.get(), "Check1");
        typeInto(window.get(), "Text2", typed);
        typeInto(window.get(), "Text1", "3.1");
        click(window.get(), "Command2");
        QCOMPARE(takeMessages(), QStringList());
        auto* shown = window->findChild<calc::ShownCalculation*>(QStringLiteral("shownCalculation"));
        QVERIFY(shown && shown->isShown());
        QCOMPARE(shown->input().size, QString());
        const double onScreen = *shown->output().figures.velocity;
        const double again = *calc::table(number).calculate(shown->input()).figures.velocity;
        for (double computed : {onScreen, again})
            QVERIFY2(qAbs(computed / velocity - 1) < 2e-15, qPrintable(QString::number(computed, 'g', 17)));
    }
};

UITEST_MAIN(ShownResultsTest)
#include "tst_shownresults.moc"
