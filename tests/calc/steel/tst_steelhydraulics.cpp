#include "calc/steel/electricweldedcatalog.h"
#include "calc/steel/steelhydraulics.h"
#include "calc/steel/watergascatalog.h"
#include "tests/common/uitest.h"

#include <QApplication>

using namespace calc::steel;

class SteelHydraulicsTest : public QObject {
    Q_OBJECT
private slots:
    void frictionAndSlope_data()
    {
        QTest::addColumn<bool>("newPipe");
        QTest::addColumn<double>("v");
        QTest::addColumn<double>("lambda");
        QTest::addColumn<double>("thousandI");
        // d = 0.1 m, cold water ν = 1.3·10^-6 m²/s
        QTest::newRow("non-new below the boundary") << false << 1.0 << 0.04307 << 21.95;
        QTest::newRow("non-new above the boundary") << false << 1.3 << 0.04190 << 36.09;
        QTest::newRow("new") << true << 1.0 << 0.03008 << 15.33;
    }
    void frictionAndSlope()
    {
        QFETCH(bool, newPipe);
        QFETCH(double, v);
        QFETCH(double, lambda);
        QFETCH(double, thousandI);
        const double nu = 1.3e-6;
        const double factor = newPipe ? newFrictionFactor(0.1, v, nu) : nonNewFrictionFactor(0.1, v, nu);
        QVERIFY2(qAbs(factor - lambda) < 0.000005, qPrintable(QString::number(factor)));
        const double slopeE3 = 1000 * slope(v, 0.1, nu, newPipe ? PipeCondition::New : PipeCondition::NonNew);
        QVERIFY2(qAbs(slopeE3 - thousandI) < 0.005, qPrintable(QString::number(slopeE3)));
    }

    void boundaryBelongsToTheRoughRegime()
    {
        // v/ν exactly 9.2·10^5 takes λ = 0.021/d^0.3
        const double nu = 1e-6;
        QCOMPARE(nonNewFrictionFactor(0.1, 0.92, nu), 0.0419005086143465);
        QVERIFY(nonNewFrictionFactor(0.1, 0.9199, nu) > 0.0419005086143465);
    }

    void viscosity_data()
    {
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<double>("nuE6");
        QTest::newRow("40") << "40" << 0.66;
        QTest::newRow("45") << "45" << 0.605;
        QTest::newRow("75") << "75" << 0.385;
        QTest::newRow("95") << "95" << 0.3;
        QTest::newRow("outside the table") << "100" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
    }
    void viscosity()
    {
        QFETCH(QString, temperature);
        QFETCH(double, nuE6);
        QCOMPARE(hotWaterViscosityE6(temperature), nuE6);
    }

    void temperatureList()
    {
        QCOMPARE(hotWaterTemperatures(), QStringList({"40", "45", "50", "55", "60", "65", "70", "75", "80", "85", "90", "95"}));
    }

    void velocityWarnings_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("warning");
        const QString over3 = "Внимание! Скорость больше 3 м/с, рекомендуется увеличить диаметр";
        const QString over10 = "Внимание! Скорость больше 10 м/с, рекомендуется увеличить диаметр";
        QTest::newRow("3 exactly") << 3.0 << 0 << "";
        QTest::newRow("over 3") << 3.01 << 0 << over3;
        QTest::newRow("5 on a drinking supply") << 5.0 << 0 << over3;
        QTest::newRow("5 on fire-fighting") << 5.0 << 3 << "";
        QTest::newRow("10 exactly on fire-fighting keeps the 3 m/s warning") << 10.0 << 3 << over3;
        QTest::newRow("over 10 on fire-fighting") << 10.5 << 3 << over10;
        QTest::newRow("over 10 elsewhere") << 10.5 << 2 << over3;
    }
    void velocityWarnings()
    {
        QFETCH(double, v);
        QFETCH(int, position);
        QFETCH(QString, warning);
        QCOMPARE(velocityWarning(v, position), warning);
    }

    void sections_data()
    {
        QTest::addColumn<bool>("withLocalLosses");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("with local losses") << true << "H = i·L·(1+k)= 0,26 м" << "потери давления  2549,73 Па";
        QTest::newRow("without local losses") << false << "H = i·L= 0,2 м" << "потери давления  1961,33 Па";
    }
    void sections()
    {
        QFETCH(bool, withLocalLosses);
        QFETCH(QString, text);
        QFETCH(QString, tooltip);
        const auto loss = sectionHeadLoss(10, 20, 0.3, withLocalLosses);
        QCOMPARE(loss.text, text);
        QCOMPARE(loss.tooltip, tooltip);
    }

    void localLossShares()
    {
        double k = -1;
        QVERIFY(localLossShare(SystemKind::ColdWater, 0, k));
        QCOMPARE(k, 0.3);
        QVERIFY(localLossShare(SystemKind::ColdWater, 3, k));
        QCOMPARE(k, 0.1);
        QVERIFY(localLossShare(SystemKind::HotWater, 1, k));
        QCOMPARE(k, 0.5);
        QVERIFY(!localLossShare(SystemKind::HotWater, 3, k));
        QVERIFY(!localLossShare(SystemKind::ColdWater, -1, k));
    }

    void waterGasCatalog()
    {
        QCOMPARE(watergas::outerDiameters(),
                 QStringList({"10.2", "13.5", "17.0", "21.3", "26.8", "33.5", "42.3", "48", "60", "75.5", "88.5", "101.3",
                              "114", "140", "165"}));
        QCOMPARE(watergas::walls(21.3), QStringList({"2.35", "2.5", "2.8", "3.2"}));
        QCOMPARE(watergas::walls(17), QStringList({"2", "2.2", "2.8"}));
        QCOMPARE(watergas::nominalSize(165), 150.0);
        QCOMPARE(watergas::nominalSize(20), 0.0);
        QCOMPARE(watergas::series(15, 2.5), QString("трубы легкие"));
        QCOMPARE(watergas::series(150, 5.5), QString("трубы усиленные"));
        QCOMPARE(watergas::series(150, 5), QString());
    }

    void electricWeldedCatalog()
    {
        const QStringList outers = electricwelded::outerDiameters();
        QCOMPARE(outers.size(), 70);
        QCOMPARE(outers.first(), QString("10"));
        QCOMPARE(outers.at(19), QString("33.7"));
        QCOMPARE(outers.last(), QString("1420"));
        QCOMPARE(electricwelded::walls(95), QStringList({"2", "2.5", "3.2", "5"}));
        QCOMPARE(electricwelded::walls(180), QStringList({"4", "5"}));
        QCOMPARE(electricwelded::walls(10.2), QStringList({"1", "1.2"}));
        QCOMPARE(electricwelded::walls(530).size(), 20);
        QCOMPARE(electricwelded::walls(820).last(), QString("30"));
        QCOMPARE(electricwelded::walls(81), QStringList());
    }
};

UITEST_MAIN(SteelHydraulicsTest)
#include "tst_steelhydraulics.moc"
