#include "calc/common/flowarithmetic.h"
#include "calc/plastic_glass/polyethyleneadvice.h"

#include <QLocale>
#include <QTest>

using namespace calc::plastic_glass;
using calc::FlowUnit;

Q_DECLARE_METATYPE(calc::FlowUnit)

class tst_polyethyleneadvice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void advice_data();
    void advice();
};

void tst_polyethyleneadvice::advice_data()
{
    QTest::addColumn<double>("typed");
    QTest::addColumn<FlowUnit>("unit");
    QTest::addColumn<double>("velocity");
    QTest::addColumn<double>("compared");
    QTest::addColumn<QString>("text");  // "-": not written
    QTest::addColumn<int>("colour");    // -1: not written

    const FlowUnit lps = FlowUnit::LitresPerSecond;
    const FlowUnit perHour = FlowUnit::CubicMetresPerHour;
    const QString fast = "Большая скорость! Рекомендуется применить трубу большего диаметра";
    QTest::newRow("5 l/s, 110 mm chosen") << 5.0 << lps << 0.679 << 110.0
                                          << "При расходе 5л/сек =18м куб/ч рекомендуется использовать трубу диаметром 90мм"
                                          << 12;
    // 4,68 м куб/ч is exactly 1,3 l/s; 1,3 typed in l/s reads a hair above it.
    QTest::newRow("lower bound of the first band")
        << 4.68 << perHour << 0.5 << 63.0 << "Применение трубы диаметром 63мм при расходе 1,3л/сек =4,68м куб/ч   экономически обосновано"
        << 2;
    QTest::newRow("upper bound of the first band")
        << 2.1 << lps << 0.7 << 63.0 << "Применение трубы диаметром 63мм при расходе 2,1л/сек =7,56м куб/ч   экономически обосновано"
        << 2;
    QTest::newRow("upper bound of 63, 75 chosen")
        << 2.1 << lps << 0.5 << 75.0 << "При расходе 2,1л/сек =7,56м куб/ч рекомендуется использовать трубу диаметром 63мм" << 12;
    QTest::newRow("just above 2,1")
        << 2.11 << lps << 0.5 << 75.0 << "Применение трубы диаметром 75мм при расходе 2,11л/сек =7,596м куб/ч экономически обосновано"
        << 2;
    QTest::newRow("shared bound 3,2 stays in 75")
        << 3.2 << lps << 0.8 << 90.0 << "При расходе 3,2л/сек =11,52м куб/ч рекомендуется использовать трубу диаметром 75мм" << 12;
    QTest::newRow("upper bound of the last band")
        << 800.0 << lps << 2.6 << 630.0 << "Применение трубы диаметром 630мм при расходе 800л/сек =2880м куб/ч экономически обосновано"
        << 2;
    QTest::newRow("a pipe no list offers")
        << 30.0 << lps << 1.0 << 200.0 << "При расходе 30л/сек =108м куб/ч рекомендуется использовать трубу диаметром 225мм" << 12;
    QTest::newRow("typed 225")
        << 30.0 << lps << 1.0 << 225.0 << "Применение трубы диаметром 225мм при расходе 30л/сек =108м куб/ч экономически обосновано"
        << 2;
    QTest::newRow("typed 60")
        << 1.5 << lps << 0.5 << 60.0 << "При расходе 1,5л/сек =5,4м куб/ч рекомендуется использовать трубу диаметром 63мм" << 12;
    QTest::newRow("no diameter shown")
        << 5.0 << lps << 0.7 << 0.0 << "При расходе 5л/сек =18м куб/ч рекомендуется использовать трубу диаметром 90мм" << 12;
    QTest::newRow("fast flow in a band")
        << 5.0 << lps << 10.0 << 110.0 << "При расходе 5л/сек =18м куб/ч рекомендуется использовать трубу диаметром 90мм" << 12;
    QTest::newRow("just below the first band") << 1.29 << lps << 1.0 << 63.0 << "" << -1;
    QTest::newRow("just above the last band") << 800.5 << lps << 3.0 << 630.0 << "" << -1;
    QTest::newRow("above the bands at 4 m/s") << 900.0 << lps << 4.0 << 630.0 << "" << -1;
    QTest::newRow("above the bands, fast") << 900.0 << lps << 4.01 << 630.0 << fast << 12;
    QTest::newRow("below the bands, fast") << 0.5 << lps << 17.684 << 10.0 << fast << 12;
}

void tst_polyethyleneadvice::advice()
{
    QFETCH(double, typed);
    QFETCH(FlowUnit, unit);
    QFETCH(double, velocity);
    QFETCH(double, compared);
    QFETCH(QString, text);
    QFETCH(int, colour);
    const auto writes = polyethylene::economicAdvice(calc::flowCubicMetresPerSecond(typed, unit), velocity, compared);
    QCOMPARE(writes.text.value_or(QStringLiteral("-")), text);
    QCOMPARE(writes.colour.value_or(-1), colour);
}

QTEST_APPLESS_MAIN(tst_polyethyleneadvice)
#include "tst_polyethyleneadvice.moc"
