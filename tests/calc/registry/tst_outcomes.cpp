#include "calc/registry/tables.h"
#include "tests/calc/registry/roundedfigure.h"

#include <QLocale>
#include <QTest>

using namespace calc;

Q_DECLARE_METATYPE(calc::CalculationRequest)
Q_DECLARE_METATYPE(calc::FormulaBranch)

namespace {

// The calculation diameter that the list of these conditions gives the size.
double listedDiameter(int number, const ConditionChoices& chosen, const QString& designation)
{
    for (const CatalogSize& size : table(number).sizes(chosen))
        if (size.designation == designation)
            return size.calculationDiameterMm;
    return 0;
}

// A find alone of a listed size, as the size selection asks for it.
CalculationRequest find(int number, const ConditionChoices& chosen, const QString& size, double litres)
{
    return {number, {chosen, {litres, FlowUnit::LitresPerSecond}}, size, listedDiameter(number, chosen, size),
            std::nullopt, {}};
}

CalculationRequest section(int number, const ConditionChoices& chosen, double litres, const QString& size,
                           double diameterMm, double length, const LocalLosses& losses = {})
{
    return {number, {chosen, {litres, FlowUnit::LitresPerSecond}}, size, diameterMm, length, losses};
}

// The choices a calculator opens with, the first item where none is chosen.
ConditionChoices openingChoices(const TableRecord& record)
{
    ConditionChoices opening;
    for (const TableCondition& condition : record.conditions)
        opening << std::max(condition.initial, 0);
    return opening;
}

}  // namespace

// Each table's one calculation from what the user set; the expected figures are worked out by
// hand from each table's formulas.
class OutcomesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void finds_data()
    {
        QTest::addColumn<CalculationRequest>("request");
        QTest::addColumn<double>("velocity");
        QTest::addColumn<double>("thousandI");
        QTest::addColumn<double>("pascalsPerMetre");  // 1000·g·i, or R on heating
        QTest::addColumn<double>("limit");            // of the velocity warning; none on a table without one
        QTest::addColumn<bool>("exceeded");
        const ConditionChoices coldOrdinary{0, 0, -1, 0};
        const ConditionChoices coldFireFighting{0, 0, -1, 3};
        QTest::newRow("II-1") << find(1, coldOrdinary, "21.3 × 2.8", 0.3) << 1.768 << 806.866 << 7912.65 << 3.0 << false;
        QTest::newRow("II-1 above 3 m/s") << find(1, coldOrdinary, "21.3 × 2.8", 0.6) << 3.535 << 3227.462 << 31650.59
                                          << 3.0 << true;
        QTest::newRow("II-1 fire-fighting at 3.5 m/s")
            << find(1, coldFireFighting, "21.3 × 2.8", 0.6) << 3.535 << 3227.462 << 31650.59 << 10.0 << false;
        QTest::newRow("II-1 fire-fighting above 10 m/s")
            << find(1, coldFireFighting, "21.3 × 2.8", 1.8) << 10.606 << 29047.159 << 284855.32 << 10.0 << true;
        QTest::newRow("II-2 new, hot water 60 °C") << find(2, {1, 1, 4, 0}, "57 × 3.5", 2) << 1.019 << 34.742 << 340.7
                                                   << 3.0 << false;
        QTest::newRow("II-3 ЛА non-new") << find(3, {0, 0}, "100", 10) << 1.224 << 31.162 << 305.59 << none << false;
        QTest::newRow("II-4 ВТ9 type 1") << find(4, {0, 1}, "200", 30) << 1.069 << 6.141 << 60.22 << none << false;
        QTest::newRow("II-5 ПЭ100 SDR17") << find(5, {3, 4}, "110", 5) << 0.679 << 6.042 << 59.26 << 4.0 << false;
        QTest::newRow("II-5 above 4 m/s") << find(5, {0, 8}, "10", 0.5) << 17.684 << 59276.13 << 581300.26 << 4.0
                                          << true;
        QTest::newRow("II-6") << find(6, {}, "600", 500) << 1.768 << 5.67 << 55.6 << 5.0 << false;
        QTest::newRow("II-6 above 5 m/s") << find(6, {}, "1600", 12000) << 5.968 << 17.83 << 174.85 << 5.0 << true;
        CalculationRequest cubicMetres = find(7, {}, "200", 72);
        cubicMetres.conditions.flow.unit = FlowUnit::CubicMetresPerHour;
        QTest::newRow("II-7 in м куб/ч") << cubicMetres << 0.637 << 2.403 << 23.56 << none << false;
        QTest::newRow("II-8") << find(8, {}, "93", 3) << 0.582 << 6.217 << 60.97 << none << false;
        const ConditionChoices copperCold{0, -1, -1};
        QTest::newRow("II-9 cold water") << find(9, copperCold, "15 × 1.0", 0.2) << 1.507 << 253.791 << 2488.84 << 4.0
                                         << false;
        QTest::newRow("II-9 cold water above 4 m/s") << find(9, copperCold, "15 × 1.0", 0.6) << 4.52 << 1735.554
                                                     << 17019.97 << 4.0 << true;
        // R with the density of water at 70 °C, 980 kg/m³.
        QTest::newRow("II-9 heating, water 70 °C") << find(9, {3, 2, 0}, "15 × 1.0", 0.2) << 1.507 << none << 2118.08
                                                   << 2.0 << false;
        CalculationRequest glycol = find(9, {3, 2, 1}, "15 × 1.0", 0.2);
        glycol.conditions.carrierViscosityE6 = 2;
        glycol.conditions.carrierDensity = 1050;
        QTest::newRow("II-9 heating, another carrier") << glycol << 1.507 << none << 3079.14 << 2.0 << false;
        QTest::newRow("II-10 SDR 13,6 cold water") << find(10, {0, 0, -1, -1}, "16", 0.2) << 1.473 << 232.128
                                                   << 2276.4 << 4.0 << false;
        QTest::newRow("II-11 cold water") << find(11, {0, -1, -1}, "16", 0.2) << 1.768 << 359.446 << 3524.97 << 4.0
                                          << false;
        QTest::newRow("II-11 hot water 60 °C above 3 m/s") << find(11, {1, 2, -1}, "16", 0.4) << 3.537 << 1007.59
                                                           << 9881.08 << 3.0 << true;
    }
    void finds()
    {
        QFETCH(CalculationRequest, request);
        QVERIFY(request.diameterMm > 0);
        const CalculationOutcome outcome = table(request.table).calculate(request);
        QVERIFY(!outcome.failed);
        const Figures& figures = outcome.figures;
        QFETCH(double, velocity);
        compareFigure(figures.velocity, velocity, 3);
        QFETCH(double, thousandI);
        compareFigure(figures.specificLoss ? std::nullopt : figures.thousandI, thousandI, 3);
        QFETCH(double, pascalsPerMetre);
        compareFigure(figures.specificLoss ? figures.specificLoss : figures.slopePressure, pascalsPerMetre, 2);
        // A find alone has no section.
        QVERIFY(!figures.headLoss && !figures.pressureDrop);
        QCOMPARE(outcome.headLossText, QString());
        QFETCH(double, limit);
        QCOMPARE(outcome.velocity.has_value(), !std::isnan(limit));
        if (outcome.velocity) {
            QCOMPARE(outcome.velocity->limit, limit);
            QTEST(outcome.velocity->exceeded, "exceeded");
        }
    }

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
        // A typed diameter needs no wall.
        QTest::newRow("II-9 typed 13 mm, cold water with fittings")
            << section(9, {0, -1, 0}, 0.2, "", 13, 10, fittings) << 1.507 << 253.791 << 2.827 << 27725.44
            << "Потери напора на участке H=2,827 м";
    }
    void sections()
    {
        QFETCH(CalculationRequest, request);
        const CalculationOutcome outcome = table(request.table).calculate(request);
        QVERIFY(!outcome.failed);
        const Figures& figures = outcome.figures;
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
        QTEST(outcome.headLossText, "text");
    }

    // The check that stops a calculation, and the figures it keeps from before it.
    void failures_data()
    {
        QTest::addColumn<CalculationRequest>("request");
        QTest::addColumn<Check>("check");
        QTest::addColumn<bool>("velocityKept");
        QTest::addColumn<bool>("verdictKept");  // the find went through before the section stopped
        QTest::newRow("II-1 no flow") << section(1, {0, 0, -1, 0}, 0, "21.3 × 2.8", 14.7, 10) << Check::FlowZero
                                      << false << false;
        QTest::newRow("II-1 no length") << section(1, {0, 0, -1, 0}, 0.3, "21.3 × 2.8", 14.7, 0) << Check::LengthZero
                                        << true << true;
        QTest::newRow("II-2 hot water, no temperature")
            << section(2, {1, 1, -1, 0}, 2, "57 × 3.5", 50, 10) << Check::TemperatureMissing << false << false;
        QTest::newRow("II-3 typed diameter 0") << section(3, {0, 0}, 10, "", 0, 10) << Check::DiameterZero << false << false;
        QTest::newRow("II-5 no flow") << find(5, {3, 4}, "110", 0) << Check::FlowZero << false << false;
        QTest::newRow("II-9 no flow") << find(9, {0, -1, -1}, "15 × 1.0", 0) << Check::FlowZero << false << false;
        // The diameter left from an earlier pipe does not stand for the wall that is not chosen.
        QTest::newRow("II-9 outer diameter without its wall")
            << section(9, {0, -1, -1}, 0.2, "15 × ", 13, 10) << Check::NoWallChosen << false << false;
        QTest::newRow("II-9 hot water, no temperature")
            << section(9, {1, -1, -1}, 0.2, "15 × 1.0", 13, 10) << Check::TemperatureMissing << false << false;
        QTest::newRow("II-10 no length") << section(10, {0, 0, -1, 0}, 0.2, "16", 13.2, 0) << Check::LengthZero
                                         << false << false;
        // Heating with another carrier asks for its ν once v is known.
        QTest::newRow("II-11 heating, no viscosity") << find(11, {2, 2, 1}, "16", 0.2) << Check::ViscosityMissing
                                                     << true << false;
    }
    void failures()
    {
        QFETCH(CalculationRequest, request);
        const CalculationOutcome outcome = table(request.table).calculate(request);
        QFETCH(Check, check);
        QCOMPARE(outcome.failed, std::optional(check));
        QTEST(outcome.figures.velocity.has_value(), "velocityKept");
        QTEST(outcome.velocity.has_value(), "verdictKept");
        QVERIFY(!outcome.economic || !outcome.economic->inBand);
    }

    // What the building screens write back into their carrier inputs and the tooltip of their
    // advice: ν·10⁶ of the system or the typed carrier, ρ of water for heating; a temperature the
    // screen keeps counts before the list position.
    void writtenBack_data()
    {
        QTest::addColumn<CalculationRequest>("request");
        QTest::addColumn<double>("viscosityE6");  // NaN where none is written
        QTest::addColumn<double>("density");
        QTest::addColumn<bool>("tooltipWritten");
        QTest::addColumn<QString>("tooltip");
        const double none = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("II-9 cold water") << find(9, {0, -1, -1}, "15 × 1.0", 0.2) << 1.3 << none << false << QString();
        QTest::newRow("II-9 heating, water 70 °C") << find(9, {3, 2, 0}, "15 × 1.0", 0.2) << 0.41 << 980.0 << false
                                                   << QString();
        CalculationRequest kept = find(9, {3, 0, 0}, "15 × 1.0", 0.2);
        kept.conditions.temperature = 80;
        QTest::newRow("II-9 heating, 80 °C kept over the position of 50") << kept << 0.36 << 970.0 << false << QString();
        CalculationRequest keptOnly = find(9, {2, -1, -1}, "15 × 1.0", 0.6);
        keptOnly.conditions.temperature = 60;
        QTest::newRow("II-9 supply above 3 m/s at 60 °C named by no position")
            << keptOnly << 0.47 << none << true << QStringLiteral("Для систем горячего водоснабжения рекомендуется v до 3 м/с");
        CalculationRequest glycol = find(10, {0, 2, 2, 1}, "16", 0.2);
        glycol.conditions.carrierViscosityE6 = 3.5;
        glycol.conditions.carrierDensity = 1050;
        QTest::newRow("II-10 heating, another carrier") << glycol << 3.5 << none << true << QString();
        QTest::newRow("II-11 hot water 60 °C above 3 m/s") << find(11, {1, 2, -1}, "16", 0.4) << 0.47 << none << true
                                                           << QStringLiteral("Для систем ГВС рекомендуется скорость до 3 м/сек");
    }
    void writtenBack()
    {
        QFETCH(CalculationRequest, request);
        const CalculationOutcome outcome = table(request.table).calculate(request);
        QVERIFY(!outcome.failed);
        QFETCH(double, viscosityE6);
        QFETCH(double, density);
        QCOMPARE(outcome.viscosityE6.has_value(), !std::isnan(viscosityE6));
        if (outcome.viscosityE6)
            QCOMPARE(*outcome.viscosityE6, viscosityE6);
        QCOMPARE(outcome.waterDensity.has_value(), !std::isnan(density));
        if (outcome.waterDensity)
            QCOMPARE(*outcome.waterDensity, density);
        QTEST(outcome.adviceTooltip.has_value(), "tooltipWritten");
        QTEST(outcome.adviceTooltip.value_or(QString()), "tooltip");
    }

    // A typed diameter is calculated with every digit typed: v = 4Q/(πd²) at 3,1 л/сек, to a few
    // units in the last digit, where 15 digits would move it by 5 and more.
    void typedDiameterTakenAsTyped_data()
    {
        QTest::addColumn<CalculationRequest>("request");
        QTest::addColumn<double>("velocity");
        QTest::newRow("II-9") << section(9, {0, -1, -1}, 3.1, "", 150.000000000000449, 10) << 0.17542411505239913;
        QTest::newRow("II-10") << section(10, {0, 0, -1, -1}, 3.1, "", 12.3456789012345449, 10) << 25.89654689046089;
        QTest::newRow("II-11") << section(11, {0, -1, -1}, 3.1, "", 150.000000000000449, 10) << 0.17542411505239913;
    }
    void typedDiameterTakenAsTyped()
    {
        QFETCH(CalculationRequest, request);
        QFETCH(double, velocity);
        const CalculationOutcome outcome = table(request.table).calculate(request);
        QVERIFY(!outcome.failed);
        QVERIFY2(qAbs(*outcome.figures.velocity / velocity - 1) < 2e-15,
                 qPrintable(QString::number(*outcome.figures.velocity, 'g', 17)));
    }

    // The formula each record words: the steel regime of v/ν and the cast-iron one of v.
    void branches_data()
    {
        QTest::addColumn<CalculationRequest>("request");
        QTest::addColumn<FormulaBranch>("branch");
        // v/ν = 1,768/1,3·10⁻⁶ = 1,36·10⁶
        QTest::newRow("II-1 non-new, v/ν ≥ 9,2·10⁵") << find(1, {0, 0, -1, 0}, "21.3 × 2.8", 0.3)
                                                   << FormulaBranch::SteelQuadratic;
        // 7,85398163 л/сек in 100 mm: v = 1 m/s, v/ν = 7,7·10⁵
        QTest::newRow("II-1 non-new, v/ν < 9,2·10⁵")
            << section(1, {0, 0, -1, 0}, 7.85398163, "", 100, 1) << FormulaBranch::SteelTransitional;
        QTest::newRow("II-2 new") << find(2, {1, 1, 4, 0}, "57 × 3.5", 2) << FormulaBranch::Single;
        QTest::newRow("II-3 non-new, v = 1,224") << find(3, {0, 0}, "100", 10) << FormulaBranch::CastIronFast;
        // 5 л/сек in 101 mm: v = 0,624 m/s
        QTest::newRow("II-3 non-new, v = 0,624") << find(3, {0, 0}, "100", 5) << FormulaBranch::CastIronSlow;
        QTest::newRow("II-3 new") << find(3, {0, 1}, "100", 10) << FormulaBranch::Single;
        QTest::newRow("II-5") << find(5, {3, 4}, "110", 5) << FormulaBranch::Single;
        QTest::newRow("II-9") << find(9, {0, -1, -1}, "15 × 1.0", 0.2) << FormulaBranch::Single;
    }
    void branches()
    {
        QFETCH(CalculationRequest, request);
        QTEST(table(request.table).calculate(request).branch, "branch");
    }

    // Whether the flow lies in the band of the size, with each table's own bounds.
    void economic_data()
    {
        QTest::addColumn<CalculationRequest>("request");
        QTest::addColumn<bool>("economic");
        QTest::newRow("II-3 2.4 opens the band of 80") << find(3, {0, 0}, "80", 2.4) << true;
        QTest::newRow("II-3 2.4 closes no band of 50") << find(3, {0, 0}, "50", 2.4) << false;
        QTest::newRow("II-3 1 in the band of 50") << find(3, {0, 0}, "50", 1.0) << true;
        QTest::newRow("II-3 3400 above 1200") << find(3, {1, 1}, "1200", 3400.0) << false;
        QTest::newRow("II-4 10.2 closes the band of 100") << find(4, {0, 0}, "100", 10.2) << true;
        QTest::newRow("II-4 10.2 below the band of 150") << find(4, {0, 0}, "150", 10.2) << false;
        QTest::newRow("II-4 10.21 in the band of 150") << find(4, {0, 0}, "150", 10.21) << true;
        QTest::newRow("II-4 5 below the band of 100") << find(4, {0, 0}, "100", 5.0) << false;
        QTest::newRow("II-5 1.3 opens the band of 63") << find(5, {3, 4}, "63", 1.3) << true;
        QTest::newRow("II-5 2.1 closes the band of 63") << find(5, {3, 4}, "75", 2.1) << false;
        QTest::newRow("II-5 2.11 in the band of 75") << find(5, {3, 4}, "75", 2.11) << true;
        QTest::newRow("II-6 364 closes the band of 500") << find(6, {}, "500", 364.0) << true;
        QTest::newRow("II-6 364 below the band of 600") << find(6, {}, "600", 364.0) << false;
        QTest::newRow("II-6 35 below the band of 500") << find(6, {}, "500", 35.0) << false;
        QTest::newRow("II-6 3000 in the open band of 1600") << find(6, {}, "1600", 3000.0) << true;
    }
    void economic()
    {
        QFETCH(CalculationRequest, request);
        const CalculationOutcome outcome = table(request.table).calculate(request);
        QVERIFY(outcome.economic);
        QTEST(outcome.economic->inBand, "economic");
    }

    // Only the tables with economic bands give an economic verdict.
    void economicTables()
    {
        for (const TableRecord& record : tables()) {
            const ConditionChoices opening = openingChoices(record);
            const CalculationRequest request = find(record.number, opening, record.sizes(opening).first().designation, 10);
            QCOMPARE(record.calculate(request).economic.has_value(), record.number >= 3 && record.number <= 6);
        }
    }

    void recommendations_data()
    {
        QTest::addColumn<CalculationRequest>("request");
        QTest::addColumn<double>("size");  // NaN: none
        QTest::addColumn<QString>("text");
        QTest::newRow("II-3 10") << find(3, {0, 0}, "100", 10) << 125.0
                                 << "При расходе 10л/сек =36м куб/ч рекомендуется использовать трубу класса ЛА, с "
                                    "условным проходом 125мм";
        QTest::newRow("II-3 2.4") << find(3, {0, 0}, "100", 2.4) << 80.0
                                  << "При расходе 2,4л/сек =8,64м куб/ч рекомендуется использовать трубу класса ЛА, с "
                                     "условным проходом 80мм";
        QTest::newRow("II-3 350, class А") << find(3, {0, 0}, "100", 350) << 500.0
                                           << "При расходе 350л/сек =1260м куб/ч рекомендуется использовать трубу "
                                              "класса А, с условным проходом 500мм";
        QTest::newRow("II-3 1, band of 50 without advice") << find(3, {0, 0}, "100", 1) << 50.0 << "";
        QTest::newRow("II-3 0.4 below the bands") << find(3, {0, 0}, "100", 0.4) << none << "";
        QTest::newRow("II-3 3400 above the bands") << find(3, {0, 0}, "100", 3400) << none << "";
        QTest::newRow("II-4 10.2") << find(4, {0, 0}, "100", 10.2) << 100.0
                                   << "При расходе 10,2л/сек =36,72м куб/ч рекомендуется использовать трубу с условным "
                                      "проходом 100мм";
        QTest::newRow("II-4 4.99") << find(4, {0, 0}, "100", 4.99) << none
                                   << "При расходе 4,99л/сек =17,964м куб/ч рекомендуется использовать трубу с условным "
                                      "проходом менее 100мм";
        QTest::newRow("II-4 5") << find(4, {0, 0}, "100", 5) << none
                                << "При расходе 5л/сек =18м куб/ч рекомендуется использовать трубу с условным проходом "
                                   "менее 100мм";
        QTest::newRow("II-4 689") << find(4, {0, 0}, "100", 689) << 500.0
                                  << "При расходе 689л/сек =2480,4м куб/ч рекомендуется использовать трубу с условным "
                                     "проходом 500мм";
        QTest::newRow("II-4 700") << find(4, {0, 0}, "100", 700) << none
                                  << "Большая скорость! При расходе 700л/сек =2520м куб/ч  рекомендуется использовать "
                                     "трубу с диаметром более 500мм";
        QTest::newRow("II-5 1.3") << find(5, {3, 4}, "110", 1.3) << 63.0
                                  << "При расходе 1,3л/сек =4,68м куб/ч рекомендуется использовать трубу диаметром 63мм";
        QTest::newRow("II-5 1.29") << find(5, {3, 4}, "110", 1.29) << none << "";
        QTest::newRow("II-5 2.11") << find(5, {3, 4}, "110", 2.11) << 75.0
                                   << "При расходе 2,11л/сек =7,596м куб/ч рекомендуется использовать трубу диаметром "
                                      "75мм";
        QTest::newRow("II-5 800") << find(5, {3, 4}, "110", 800) << 630.0
                                  << "При расходе 800л/сек =2880м куб/ч рекомендуется использовать трубу диаметром 630мм";
        QTest::newRow("II-5 801") << find(5, {3, 4}, "110", 801) << none << "";
        QTest::newRow("II-6 20") << find(6, {}, "600", 20) << none
                                 << "При расходе 20л/сек =72м куб/ч, рекомендуется использовать трубу с условным "
                                    "проходом меньше 500мм";
        QTest::newRow("II-6 35") << find(6, {}, "600", 35) << none
                                 << "При расходе 35л/сек =126м куб/ч, рекомендуется использовать трубу с условным "
                                    "проходом меньше 500мм";
        QTest::newRow("II-6 364") << find(6, {}, "600", 364) << 500.0
                                  << "При расходе 364л/сек =1310,4м куб/ч, рекомендуется использовать трубу с условным "
                                     "проходом 500мм";
        QTest::newRow("II-6 500") << find(6, {}, "600", 500) << 700.0
                                  << "При расходе 500л/сек =1800м куб/ч, рекомендуется использовать трубу с условным "
                                     "проходом 700мм";
        QTest::newRow("II-6 12000") << find(6, {}, "600", 12000) << 1600.0
                                    << "При расходе 12000л/сек =43200м куб/ч, рекомендуется использовать трубу с "
                                       "условным проходом 1600мм";
    }
    void recommendations()
    {
        QFETCH(CalculationRequest, request);
        QFETCH(double, size);
        const CalculationOutcome outcome = table(request.table).calculate(request);
        QVERIFY(outcome.economic);
        QCOMPARE(outcome.economic->recommendedSize.has_value(), !std::isnan(size));
        if (outcome.economic->recommendedSize)
            QCOMPARE(*outcome.economic->recommendedSize, size);
        QTEST(outcome.economic->noBandAdvice, "text");
    }

    // No flow, no economic verdict.
    void noFlowNoVerdict()
    {
        const CalculationOutcome outcome = table(6).calculate(find(6, {}, "600", 0));
        QCOMPARE(outcome.failed, std::optional(Check::FlowZero));
        QVERIFY(!outcome.economic && !outcome.velocity);
    }

    // ПЭ100 SDR17 is not made in 225 mm: its band names a size no row of the list is.
    void bandOfNoListedSize()
    {
        const ConditionChoices pe100Sdr17{3, 4};
        const TableRecord& record = table(5);
        const QList<CatalogSize> sizes = record.sizes(pe100Sdr17);
        QVERIFY(sizes.size() > 10);
        for (const CatalogSize& size : sizes) {
            QVERIFY(size.designation != QStringLiteral("225"));
            const CalculationOutcome outcome = record.calculate(find(5, pe100Sdr17, size.designation, 30));
            QVERIFY(outcome.economic);
            QCOMPARE(outcome.economic->recommendedSize, std::optional(225.0));
            QVERIFY2(!outcome.economic->inBand, qPrintable(size.designation));
        }
    }

    // Every table calculates a section of its first size, with its own words for the section.
    void everyTable()
    {
        for (const TableRecord& record : tables()) {
            const ConditionChoices opening = openingChoices(record);
            const QList<CatalogSize> sizes = record.sizes(opening);
            QVERIFY2(!sizes.isEmpty(), qPrintable(record.title));
            const CalculationRequest metre{record.number, {opening, {1, FlowUnit::LitresPerSecond}},
                                           sizes.first().designation, sizes.first().calculationDiameterMm, 1.0, {}};
            const CalculationOutcome outcome = record.calculate(metre);
            QVERIFY2(!outcome.failed, qPrintable(record.title));
            QVERIFY(outcome.figures.velocity);
            QVERIFY(!outcome.headLossText.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(OutcomesTest)
#include "tst_outcomes.moc"
