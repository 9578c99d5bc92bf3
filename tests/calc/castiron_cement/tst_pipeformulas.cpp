#include "calc/castiron_cement/asbestoscement.h"
#include "calc/castiron_cement/castiron.h"
#include "calc/castiron_cement/reinforcedconcrete.h"

#include <QTest>
#include <cmath>

using namespace calc;

class TestPipeFormulas : public QObject {
    Q_OBJECT
private slots:
    void slopes_data();
    void slopes();
    void castIronDiameters_data();
    void castIronDiameters();
    void asbestosCementInnerDiameters_data();
    void asbestosCementInnerDiameters();
};

void TestPipeFormulas::slopes_data()
{
    QTest::addColumn<double>("slope");
    QTest::addColumn<double>("expected");

    const double d = 0.1;
    QTest::newRow("cast iron non-new at 1.2 m/s: first formula")
        << castiron::slope(1.2, d, castiron::Condition::NonNew) << 0.030743001749040495;
    QTest::newRow("cast iron non-new below 1.2 m/s: second formula")
        << castiron::slope(1.19999, d, castiron::Condition::NonNew) << 0.030845961822997557;
    QTest::newRow("cast iron new") << castiron::slope(1.0, d, castiron::Condition::New) << 0.019913327843988186;
    QTest::newRow("asbestos-cement") << asbestoscement::slope(1.0, d) << 0.011567950037393438;
    QTest::newRow("reinforced concrete") << reinforcedconcrete::slope(1.0, d) << 0.016537425900159605;
}

void TestPipeFormulas::slopes()
{
    QFETCH(double, slope);
    QFETCH(double, expected);
    QVERIFY2(std::abs(slope - expected) < 1e-15, qPrintable(QString::number(slope, 'g', 17)));
}

void TestPipeFormulas::castIronDiameters_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("newPipes");
    QTest::addColumn<double>("diameter");  // 0: no catalog row

    QTest::newRow("50 non-new loses 1 mm") << 50.0 << false << 51.6;
    QTest::newRow("50 new") << 50.0 << true << 52.6;
    QTest::newRow("250 non-new") << 250.0 << false << 253.0;
    QTest::newRow("300 non-new keeps its bore") << 300.0 << false << 304.4;
    QTest::newRow("1200 new") << 1200.0 << true << 1199.2;
    QTest::newRow("a typed bore is no size") << 51.6 << false << 0.0;
}

void TestPipeFormulas::castIronDiameters()
{
    QFETCH(double, size);
    QFETCH(bool, newPipes);
    QFETCH(double, diameter);
    const castiron::Pipe* pipe = castiron::findPipe(size);
    if (diameter == 0) {
        QVERIFY(!pipe);
        return;
    }
    QVERIFY(pipe);
    QCOMPARE(castiron::calculationDiameter(*pipe, newPipes ? castiron::Condition::New : castiron::Condition::NonNew),
             diameter);
}

void TestPipeFormulas::asbestosCementInnerDiameters_data()
{
    using asbestoscement::PressureClass;
    QTest::addColumn<double>("size");
    QTest::addColumn<PressureClass>("pressureClass");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("inner");

    QTest::newRow("ВТ6 type 1 100") << 100.0 << PressureClass::VT6 << 1 << 104;
    QTest::newRow("ВТ9 type 3 300") << 300.0 << PressureClass::VT9 << 3 << 279;
    QTest::newRow("ВТ12 type 2 500") << 500.0 << PressureClass::VT12 << 2 << 450;
    QTest::newRow("ВТ15 type 2 200") << 200.0 << PressureClass::VT15 << 2 << 180;
    QTest::newRow("ВТ15 has no type 1") << 200.0 << PressureClass::VT15 << 1 << 0;
    QTest::newRow("ВТ15 has no type 3") << 300.0 << PressureClass::VT15 << 3 << 0;
    QTest::newRow("type 2 starts at 200") << 150.0 << PressureClass::VT6 << 2 << 0;
    QTest::newRow("type 3 has no 250") << 250.0 << PressureClass::VT9 << 3 << 0;
    QTest::newRow("no such size") << 225.0 << PressureClass::VT6 << 1 << 0;
}

void TestPipeFormulas::asbestosCementInnerDiameters()
{
    QFETCH(double, size);
    QFETCH(asbestoscement::PressureClass, pressureClass);
    QFETCH(int, type);
    QTEST(asbestoscement::innerDiameter(size, pressureClass, type), "inner");
}

QTEST_APPLESS_MAIN(TestPipeFormulas)
#include "tst_pipeformulas.moc"
