#include "calc/carrier/carrierreference.h"
#include "calc/carrier/glycolproperties.h"
#include "calc/carrier/heatload.h"
#include "calc/carrier/waterproperties.h"

#include <QLocale>
#include <QTest>
#include <cmath>

using namespace calc::carrier;

Q_DECLARE_METATYPE(calc::carrier::Fluid)

namespace {
bool near(double value, double expected, double share) { return std::abs(value / expected - 1) <= share; }
}  // namespace

class HeatCarrierTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // The handbook "Физические свойства воды на линии насыщения"; the program's data is IAPWS.
    // ρ agrees within 0,1 %; the handbook's ν is up to 1 % above IAPWS to 100 °С (0,8 % at 60 °С)
    // and 2,5 % above it at 150 °С (older viscosity data).
    void waterAgainstHandbook_data()
    {
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("density");
        QTest::addColumn<double>("viscosityE6");
        QTest::addColumn<double>("viscosityShare");
        QTest::newRow("0 °С") << 0.0 << 999.9 << 1.789 << 0.01;
        QTest::newRow("10 °С") << 10.0 << 999.7 << 1.306 << 0.01;
        QTest::newRow("20 °С") << 20.0 << 998.2 << 1.006 << 0.01;
        QTest::newRow("60 °С") << 60.0 << 983.1 << 0.478 << 0.01;
        QTest::newRow("80 °С") << 80.0 << 971.8 << 0.365 << 0.01;
        QTest::newRow("100 °С") << 100.0 << 958.4 << 0.295 << 0.01;
        QTest::newRow("150 °С") << 150.0 << 917.0 << 0.203 << 0.025;
    }
    void waterAgainstHandbook()
    {
        QFETCH(double, t);
        QFETCH(double, density);
        QFETCH(double, viscosityE6);
        QFETCH(double, viscosityShare);
        const Properties water = waterAt(t);
        QVERIFY2(near(water.density, density, 0.001), qPrintable(QString::number(water.density)));
        QVERIFY2(near(water.viscosityE6, viscosityE6, viscosityShare), qPrintable(QString::number(water.viscosityE6)));
    }

    // Between two rows of 1 °С the table is read linearly: 80,5 °С lies halfway between
    // 971,79 and 971,16 kg/m³, 0,3643 and 0,3601 mm²/s.
    void waterBetweenRows()
    {
        const Properties water = waterAt(80.5);
        QCOMPARE(water.density, (971.79 + 971.16) / 2);
        QCOMPARE(water.viscosityE6, (0.3643 + 0.3601) / 2);
    }

    // Rows of glycol-check.csv, the fit evaluated independently of the program:
    // fluid; mass %; t; freezing point; ρ; cp, J/(kg·K); ν, mm²/s.
    void glycolsAgainstCheck_data()
    {
        QTest::addColumn<Fluid>("fluid");
        QTest::addColumn<double>("concentration");
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("freezing");
        QTest::addColumn<double>("density");
        QTest::addColumn<double>("heatCapacity");
        QTest::addColumn<double>("viscosityE6");
        const Fluid e = Fluid::EthyleneGlycol;
        const Fluid p = Fluid::PropyleneGlycol;
        QTest::newRow("ethylene;20;0") << e << 20.0 << 0.0 << -7.95 << 1029.06 << 3860.8 << 3.0878;
        QTest::newRow("ethylene;20;20") << e << 20.0 << 20.0 << -7.95 << 1024.10 << 3896.2 << 1.6233;
        QTest::newRow("ethylene;20;60") << e << 20.0 << 60.0 << -7.95 << 1006.21 << 3969.3 << 0.6926;
        QTest::newRow("ethylene;20;100") << e << 20.0 << 100.0 << -7.95 << 979.32 << 4037.9 << 0.4256;
        QTest::newRow("ethylene;40;-20") << e << 40.0 << -20.0 << -23.81 << 1066.67 << 3344.3 << 14.0631;
        QTest::newRow("ethylene;40;10") << e << 40.0 << 10.0 << -23.81 << 1056.39 << 3477.3 << 3.7359;
        QTest::newRow("ethylene;40;50") << e << 40.0 << 50.0 << -23.81 << 1035.43 << 3634.7 << 1.2673;
        QTest::newRow("ethylene;40;90") << e << 40.0 << 90.0 << -23.81 << 1008.06 << 3762.7 << 0.6684;
        QTest::newRow("ethylene;60;-40") << e << 60.0 << -40.0 << -51.20 << 1102.07 << 2684.4 << 140.8331;
        QTest::newRow("ethylene;60;0") << e << 60.0 << 0.0 << -51.20 << 1087.85 << 2966.9 << 9.9916;
        QTest::newRow("ethylene;60;40") << e << 60.0 << 40.0 << -51.20 << 1064.62 << 3217.8 << 2.5600;
        QTest::newRow("ethylene;60;80") << e << 60.0 << 80.0 << -51.20 << 1036.01 << 3410.3 << 1.1861;
        QTest::newRow("propylene;20;0") << p << 20.0 << 0.0 << -7.17 << 1020.08 << 3935.9 << 4.2275;
        QTest::newRow("propylene;20;20") << p << 20.0 << 20.0 << -7.17 << 1014.78 << 3976.8 << 2.0005;
        QTest::newRow("propylene;20;60") << p << 20.0 << 60.0 << -7.17 << 995.59 << 4061.2 << 0.7812;
        QTest::newRow("propylene;20;100") << p << 20.0 << 100.0 << -7.17 << 969.86 << 4138.9 << 0.4335;
        QTest::newRow("propylene;40;-20") << p << 40.0 << -20.0 << -20.57 << 1049.69 << 3575.4 << 43.7724;
        QTest::newRow("propylene;40;10") << p << 40.0 << 10.0 << -20.57 << 1037.62 << 3674.3 << 6.6838;
        QTest::newRow("propylene;40;50") << p << 40.0 << 50.0 << -20.57 << 1013.34 << 3802.5 << 1.6015;
        QTest::newRow("propylene;40;90") << p << 40.0 << 90.0 << -20.57 << 984.13 << 3926.4 << 0.7517;
        QTest::newRow("propylene;60;-40") << p << 60.0 << -40.0 << -50.00 << 1074.61 << 3069.7 << 1028.8467;
        QTest::newRow("propylene;60;0") << p << 60.0 << 0.0 << -50.00 << 1055.98 << 3249.8 << 27.6263;
        QTest::newRow("propylene;60;40") << p << 60.0 << 40.0 << -50.00 << 1028.44 << 3430.8 << 3.9560;
        QTest::newRow("propylene;60;80") << p << 60.0 << 80.0 << -50.00 << 996.74 << 3609.8 << 1.4054;
    }
    // What the reference shows, rounded as shown: ρ to 0,1 %, ν to 0,5 %, c to 0,1 %.
    void glycolsAgainstCheck()
    {
        QFETCH(Fluid, fluid);
        QFETCH(double, concentration);
        QFETCH(double, t);
        QFETCH(double, freezing);
        QFETCH(double, density);
        QFETCH(double, heatCapacity);
        QFETCH(double, viscosityE6);
        const Glycol glycol = fluid == Fluid::EthyleneGlycol ? Glycol::Ethylene : Glycol::Propylene;
        QVERIFY(std::abs(freezingPoint(glycol, concentration) - freezing) < 0.01);
        const ReferenceAnswer answer = lookUp({fluid, QString::number(concentration), QString::number(t)});
        QVERIFY(answer.reading);
        const Properties& shown = answer.reading->shown;
        QVERIFY2(near(shown.density, density, 0.001), qPrintable(QString::number(shown.density)));
        QVERIFY2(near(shown.viscosityE6, viscosityE6, 0.005), qPrintable(QString::number(shown.viscosityE6)));
        QVERIFY2(near(shown.heatCapacity, heatCapacity / 1000, 0.001), qPrintable(QString::number(shown.heatCapacity)));
    }

    // Figures shown and handed to a screen: ρ to 0,1, ν·10⁶ to 4 significant digits, c to 0,001.
    void shownRounding()
    {
        const ReferenceAnswer water = lookUp({Fluid::Water, QString(), QStringLiteral("80")});
        QVERIFY(water.reading);
        QCOMPARE(water.reading->shown.density, 971.8);
        QCOMPARE(water.reading->shown.viscosityE6, 0.3643);
        QCOMPARE(water.reading->shown.heatCapacity, 4.197);
        QCOMPARE(carrierName(*water.reading), QStringLiteral("вода, 80 °С"));
        const ReferenceAnswer glycol = lookUp({Fluid::EthyleneGlycol, QStringLiteral("40"), QStringLiteral("-20")});
        QVERIFY(glycol.reading);
        QCOMPARE(glycol.reading->shown.viscosityE6, 14.06);
        QCOMPARE(carrierName(*glycol.reading), QStringLiteral("раствор этиленгликоля 40 % (по массе), -20 °С"));
    }

    void freezingGuard_data()
    {
        QTest::addColumn<Fluid>("fluid");
        QTest::addColumn<QString>("concentration");
        QTest::addColumn<QString>("t");
        QTest::addColumn<bool>("results");
        QTest::addColumn<bool>("nearFreezing");
        QTest::addColumn<QString>("message");
        const QString frozen40 =
            QStringLiteral("Раствор замерзает при -23,8 °С: выберите температуру выше или большую массовую долю");
        const QString near40 = QStringLiteral("Осторожно: до точки замерзания -23,8 °С меньше 2 К, данные здесь ненадёжны");
        QTest::newRow("below") << Fluid::EthyleneGlycol << "40" << "-30" << false << false << frozen40;
        QTest::newRow("just below") << Fluid::EthyleneGlycol << "40" << "-23.9" << false << false << frozen40;
        QTest::newRow("just above") << Fluid::EthyleneGlycol << "40" << "-23.7" << true << true << near40;
        QTest::newRow("1,9 K above") << Fluid::EthyleneGlycol << "40" << "-21,9" << true << true << near40;
        QTest::newRow("2,1 K above") << Fluid::EthyleneGlycol << "40" << "-21.7" << true << false << QString();
        QTest::newRow("propylene 40 % at -20") << Fluid::PropyleneGlycol << "40" << "-20" << true << true
                                                << QStringLiteral("Осторожно: до точки замерзания -20,6 °С меньше 2 К, "
                                                                  "данные здесь ненадёжны");
        QTest::newRow("propylene 10 % at -5")
            << Fluid::PropyleneGlycol << "10" << "-5" << false << false
            << QStringLiteral("Раствор замерзает при -2,9 °С: выберите температуру выше или большую массовую долю");
    }
    void freezingGuard()
    {
        QFETCH(Fluid, fluid);
        QFETCH(QString, concentration);
        QFETCH(QString, t);
        QFETCH(bool, results);
        QFETCH(bool, nearFreezing);
        QFETCH(QString, message);
        const ReferenceAnswer answer = lookUp({fluid, concentration, t});
        QCOMPARE(answer.reading.has_value(), results);
        QCOMPARE(answer.nearFreezing, nearFreezing);
        QCOMPARE(answer.message, message);
        QVERIFY(answer.freezing);
    }

    void badInput_data()
    {
        QTest::addColumn<Fluid>("fluid");
        QTest::addColumn<QString>("concentration");
        QTest::addColumn<QString>("t");
        QTest::addColumn<QString>("message");
        const Fluid e = Fluid::EthyleneGlycol;
        const QString range = QStringLiteral("Массовая доля должна быть от 10 до 60 %");
        QTest::newRow("no concentration") << e << "" << "20" << QStringLiteral("Введите массовую долю гликоля, %");
        QTest::newRow("blank concentration") << e << "  " << "20" << QStringLiteral("Введите массовую долю гликоля, %");
        QTest::newRow("letter in concentration") << e << "4o" << "20" << QStringLiteral("Массовая доля: «4o» не число");
        QTest::newRow("two points") << e << "40.5.1" << "20" << QStringLiteral("Массовая доля: «40.5.1» не число");
        QTest::newRow("9,9 %") << e << "9,9" << "20" << range;
        QTest::newRow("61 %") << e << "61" << "20" << range;
        QTest::newRow("concentration first") << e << "70" << "" << range;
        QTest::newRow("no temperature") << e << "40" << "" << QStringLiteral("Введите температуру, °С");
        QTest::newRow("glycol at 101") << e << "40" << "101"
                                       << QStringLiteral("Температура раствора должна быть не выше 100 °С");
        QTest::newRow("water at -1") << Fluid::Water << "" << "-1"
                                     << QStringLiteral("Температура воды должна быть от 0 до 150 °С");
        QTest::newRow("water at 150,5") << Fluid::Water << "" << "150,5"
                                        << QStringLiteral("Температура воды должна быть от 0 до 150 °С");
        QTest::newRow("exponent") << Fluid::Water << "" << "1e2" << QStringLiteral("Температура воды: «1e2» не число");
    }
    void badInput()
    {
        QFETCH(Fluid, fluid);
        QFETCH(QString, concentration);
        QFETCH(QString, t);
        QFETCH(QString, message);
        const ReferenceAnswer answer = lookUp({fluid, concentration, t});
        QVERIFY(!answer.reading);
        QCOMPARE(answer.message, message);
    }

    // G = 3,6·Q/(c·Δt); q = G/(3,6·ρ).
    void flowFromLoad_data()
    {
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("drop");
        QTest::addColumn<QString>("typedHeatCapacity");
        QTest::addColumn<double>("heatCapacity");
        QTest::addColumn<double>("density");
        QTest::addColumn<double>("massFlow");
        QTest::addColumn<double>("litresPerSecond");
        QTest::addColumn<double>("cubicMetresPerHour");
        // Water at 80 °С: c = 4,197, ρ = 971,8.
        QTest::newRow("10 kW, 20 K, water at 80") << "10000" << "20" << "" << 4.197 << 971.8 << 428.9 << 0.1226 << 0.4413;
        // Ethylene glycol 40 % at 50 °С: c = 3,635, ρ = 1035,4.
        QTest::newRow("10 kW, 20 K, ethylene 40 % at 50")
            << "10000" << "20" << "" << 3.635 << 1035.4 << 495.2 << 0.1328 << 0.4783;
        QTest::newRow("c typed with a comma") << "10000" << "20" << "4,197" << 0.0 << 971.8 << 428.9 << 0.1226 << 0.4413;
    }
    void flowFromLoad()
    {
        QFETCH(QString, load);
        QFETCH(QString, drop);
        QFETCH(QString, typedHeatCapacity);
        QFETCH(double, heatCapacity);
        QFETCH(double, density);
        QFETCH(double, massFlow);
        QFETCH(double, litresPerSecond);
        QFETCH(double, cubicMetresPerHour);
        LoadInput input{load, drop, typedHeatCapacity, std::nullopt, density};
        if (heatCapacity > 0)
            input.carrierHeatCapacity = heatCapacity;
        const LoadAnswer answer = calc::carrier::flowFromLoad(input);
        QCOMPARE(answer.message, QString());
        QCOMPARE(*answer.massFlow, massFlow);
        QCOMPARE(*answer.litresPerSecond, litresPerSecond);
        QCOMPARE(*answer.cubicMetresPerHour, cubicMetresPerHour);
    }

    void loadBadInput_data()
    {
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("drop");
        QTest::addColumn<QString>("typedHeatCapacity");
        QTest::addColumn<bool>("heatCapacityOnScreen");
        QTest::addColumn<QString>("message");
        QTest::newRow("no load") << "" << "20" << "" << true << QStringLiteral("Введите тепловую нагрузку Q, Вт");
        QTest::newRow("load 0") << "0" << "20" << "" << true
                                << QStringLiteral("Тепловая нагрузка Q должна быть от 1 до 1000000000 Вт");
        QTest::newRow("letters in Δt") << "10000" << "2о" << "" << true
                                       << QStringLiteral("Разность температур Δt: «2о» не число");
        QTest::newRow("Δt 0") << "10000" << "0" << "" << true
                              << QStringLiteral("Разность температур Δt должна быть от 0,1 до 150 °С");
        QTest::newRow("no c on screen nor typed") << "10000" << "20" << "" << false
                                                  << QStringLiteral("Введите теплоёмкость теплоносителя c, кДж/(кг·К)");
        QTest::newRow("c 4197") << "10000" << "20" << "4197" << false
                                << QStringLiteral("Теплоёмкость c должна быть от 1 до 5 кДж/(кг·К)");
    }
    void loadBadInput()
    {
        QFETCH(QString, load);
        QFETCH(QString, drop);
        QFETCH(QString, typedHeatCapacity);
        QFETCH(bool, heatCapacityOnScreen);
        QFETCH(QString, message);
        LoadInput input{load, drop, typedHeatCapacity, std::nullopt, 971.8};
        if (heatCapacityOnScreen)
            input.carrierHeatCapacity = 4.197;
        const LoadAnswer answer = calc::carrier::flowFromLoad(input);
        QCOMPARE(answer.message, message);
        QVERIFY(!answer.massFlow);
        QVERIFY(!answer.litresPerSecond);
    }

    // Without ρ the mass flow is shown and the volume flow is not.
    void loadWithoutDensity()
    {
        const LoadAnswer answer = calc::carrier::flowFromLoad({"10000", "20", "4.197", std::nullopt, std::nullopt});
        QCOMPARE(*answer.massFlow, 428.9);
        QVERIFY(!answer.litresPerSecond);
        QVERIFY(answer.message.startsWith(QStringLiteral("Плотность теплоносителя не задана")));
    }
};

QTEST_GUILESS_MAIN(HeatCarrierTest)
#include "tst_heatcarrier.moc"
