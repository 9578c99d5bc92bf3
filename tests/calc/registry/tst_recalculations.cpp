#include "calc/registry/tables.h"
#include "tests/calc/registry/roundedfigure.h"

#include <QLocale>
#include <QTest>

using namespace calc;

Q_DECLARE_METATYPE(calc::CalculationRequest)

namespace {

CalculationRequest section(int number, const ConditionChoices& chosen, double litres, const QString& size,
                           double diameterMm, double length, const LocalLosses& losses = {})
{
    return {number, {chosen, {litres, FlowUnit::LitresPerSecond}}, size, diameterMm, length, losses};
}


}  // namespace

// A section run again from what the user set gives what its calculator shows; the expected
// figures are worked out by hand from each table's formulas.
class RecalculationsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void sections_data()
    {
        QTest::addColumn<CalculationRequest>("request");
        QTest::addColumn<double>("velocity");
        QTest::addColumn<double>("thousandI");
        QTest::addColumn<double>("headLoss");
        QTest::addColumn<double>("pressure");  // 1000·g·H to 2 decimals, ΔP of heating to 3
        QTest::addColumn<QString>("text");
        const ConditionChoices coldOrdinary{0, 0, -1, 0};
        LocalLosses withK;
        withK.counted = true;
        QTest::newRow("II-1 with local losses, k = 0.3")
            << section(1, coldOrdinary, 0.3, "21.3 × 2.8", 14.7, 10, withK) << 1.768 << 806.866
            << 10.489 << 102864.42 << "H = i·L·(1+k)= 10,489 м";
        QTest::newRow("II-1 without local losses")
            << section(1, coldOrdinary, 0.3, "21.3 × 2.8", 14.7, 10) << 1.768 << 806.866 << 8.069 << 79126.48
            << "H = i·L= 8,069 м";
        QTest::newRow("II-5 ПЭ100 SDR17 110") << section(5, {3, 4}, 5, "110", 96.8, 100) << 0.679 << 6.042 << 0.604
                                              << 5925.51 << "h = i · L = 0,604 м";
        QTest::newRow("II-5 typed diameter") << section(5, {3, 4}, 5, "", 96.8, 100) << 0.679 << 6.042 << 0.604
                                             << 5925.51 << "h = i · L = 0,604 м";
        // Two elbows and a branch tee: Σξ = 2.5.
        LocalLosses fittings;
        fittings.fittingCounts = {2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("II-9 cold water with fittings")
            << section(9, {0, -1, 0}, 0.2, "15 × 1.0", 13, 10, fittings) << 1.507 << 253.791 << 2.827 << 27725.44
            << "Потери напора на участке H=2,827 м";
        // R = ρ·λ·v²/(2d) with the density of water at 70 °C, 980 kg/m³.
        QTest::newRow("II-9 heating, water 70 °C, with fittings")
            << section(9, {3, 2, 0}, 0.2, "15 × 1.0", 13, 10, fittings) << 1.507 << none << none << 23962.045
            << "Падение давления в системе отопления = 23962,045 Па";
    }
    void sections()
    {
        QFETCH(CalculationRequest, request);
        const Recalculation again = table(request.table).calculate(request);
        QVERIFY(!again.failed);
        const Figures& figures = again.results.figures;
        QFETCH(double, velocity);
        compareFigure(figures.velocity, velocity, 3);
        QFETCH(double, thousandI);
        compareFigure(figures.specificLoss ? std::nullopt : figures.thousandI, thousandI, 3);
        QFETCH(double, headLoss);
        compareFigure(figures.specificLoss ? std::nullopt : figures.headLoss, headLoss, 3);
        QFETCH(double, pressure);
        if (figures.pressureDrop)
            compareFigure(figures.pressureDrop, pressure, 3);
        else
            compareFigure(figures.headLossPressure, pressure, 2);
        QTEST(again.results.headLossText, "text");
    }

    void failures_data()
    {
        QTest::addColumn<CalculationRequest>("request");
        QTest::addColumn<Check>("check");
        QTest::newRow("II-1 no flow") << section(1, {0, 0, -1, 0}, 0, "21.3 × 2.8", 14.7, 10) << Check::FlowZero;
        QTest::newRow("II-1 no length") << section(1, {0, 0, -1, 0}, 0.3, "21.3 × 2.8", 14.7, 0) << Check::LengthZero;
        QTest::newRow("II-2 hot water, no temperature")
            << section(2, {1, 1, -1, 0}, 2, "57 × 3.5", 50, 10) << Check::TemperatureMissing;
        QTest::newRow("II-3 typed diameter 0") << section(3, {0, 0}, 10, "", 0, 10) << Check::DiameterZero;
        QTest::newRow("II-10 no length") << section(10, {0, 0, -1, 0}, 0.2, "16", 13.2, 0) << Check::LengthZero;
    }
    void failures()
    {
        QFETCH(CalculationRequest, request);
        QFETCH(Check, check);
        QCOMPARE(table(request.table).calculate(request).failed, std::optional(check));
    }

    // Every table runs its own calculation again, with its own words for the section.
    void everyTable()
    {
        for (const TableRecord& record : tables()) {
            ConditionChoices opening;
            for (const TableCondition& condition : record.conditions)
                opening << std::max(condition.initial, 0);
            const QList<CatalogSize> sizes = record.sizes(opening);
            QVERIFY2(!sizes.isEmpty(), qPrintable(record.title));
            CalculationRequest metre{record.number, {opening, {1, FlowUnit::LitresPerSecond}},
                                    sizes.first().designation, sizes.first().calculationDiameterMm, 1.0, {}};
            const Recalculation again = record.calculate(metre);
            QVERIFY2(!again.failed, qPrintable(record.title));
            QVERIFY(again.results.figures.velocity);
            QVERIFY(!again.results.headLossText.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(RecalculationsTest)
#include "tst_recalculations.moc"
