#include "app/calculators.h"
#include "calc/common/valueparse.h"
#include "calc/registry/tables.h"
#include "tests/common/uitest.h"

#include <QComboBox>
#include <QLineEdit>
#include <memory>

using namespace uitest;

// Each table's record against its calculator: the same title, the same sizes in the first list
// for the conditions the calculator opens with, and for every size the same calculation
// diameter as the calculator puts into its diameter input.
class TableRecordsTest : public QObject {
    Q_OBJECT
private slots:
    void recordMatchesCalculator_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("diameterFromFind");
        for (int number = 1; number <= calc::tableCount; ++number)
            QTest::newRow(qPrintable(QString("II-%1").arg(number))) << number << (number == 3 || number == 4);
    }
    void recordMatchesCalculator()
    {
        QFETCH(int, number);
        QFETCH(bool, diameterFromFind);
        const calc::TableRecord& record = calc::table(number);
        std::unique_ptr<QWidget> window(createCalculator(number));
        window->show();
        QCOMPARE(window->windowTitle(), record.title);

        calc::ConditionChoices initial;
        for (const calc::TableCondition& condition : record.conditions)
            initial << condition.initial;
        const QList<calc::CatalogSize> sizes = record.sizes(initial);
        QVERIFY(!sizes.isEmpty());
        QStringList firstLevel;
        for (const calc::CatalogSize& size : sizes) {
            const QString outer = size.designation.section(QStringLiteral(" × "), 0, 0);
            if (!firstLevel.contains(outer))
                firstLevel << outer;
        }
        QCOMPARE(items(window.get(), "Combo1"), firstLevel);

        if (diameterFromFind)
            typeInto(window.get(), "Text1", "1");
        for (const calc::CatalogSize& size : sizes) {
            const QStringList parts = size.designation.split(QStringLiteral(" × "));
            choose(window.get(), "Combo1", parts.first());
            if (parts.size() == 2)
                choose(window.get(), "Combo2", parts.last());
            if (diameterFromFind)
                click(window.get(), "Command2");
            QVERIFY2(qAbs(calc::parseValue(text(window.get(), "Text2")) - size.calculationDiameterMm) < 1e-9,
                     qPrintable(size.designation + ": " + text(window.get(), "Text2")));
        }
        QCOMPARE(takeMessages(), QStringList());
    }
};

UITEST_MAIN(TableRecordsTest)
#include "tst_tablerecords.moc"
