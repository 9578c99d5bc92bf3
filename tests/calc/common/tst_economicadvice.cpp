#include "calc/screen/advicelabel.h"
#include "calc/common/economicadvice.h"
#include "platform/palette.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <QLabel>
#include <limits>

using namespace calc;

Q_DECLARE_METATYPE(calc::BoundRule)

namespace {

constexpr double open = std::numeric_limits<double>::infinity();
const EconomicBand table[] = {{50, 0.45, 2.4}, {80, 2.4, 5.9}, {100, 5.9, 9.4}, {1600, 9.4, open}};

const AdviceWording wording{
    .leadIn = [](int size) { return QStringLiteral("Применение трубы с условным проходом %1мм при расходе ").arg(size); },
    .justifiedEnding = [](int) { return QStringLiteral("экономически обосновано."); },
    .separator = QStringLiteral("м куб/ч "),
    .recommendation = [](int size) { return QStringLiteral("рекомендуется использовать трубу с условным проходом %1мм").arg(size); },
};

QString sizesInBand(const EconomicAdvice& advice)
{
    QStringList sizes;
    for (const EconomicBand& band : table)
        if (advice.inBand(band.size))
            sizes << QString::number(band.size);
    return sizes.join(u' ');
}

}  // namespace

class TestEconomicAdvice : public QObject {
    Q_OBJECT
private slots:
    void bandFlags_data();
    void bandFlags();
    void sizeRules_data();
    void sizeRules();
    void laterWritesWin();
    void labelKeepsWhatIsNotWritten();
};

void TestEconomicAdvice::bandFlags_data()
{
    QTest::addColumn<BoundRule>("rule");
    QTest::addColumn<double>("litres");
    QTest::addColumn<QString>("inBand");

    const auto lowerIn = BoundRule::LowerIncluded;
    const auto upperIn = BoundRule::UpperIncluded;
    const auto firstClosed = BoundRule::UpperIncludedFirstClosed;
    QTest::newRow("lower rule, below the table") << lowerIn << 0.44 << "";
    QTest::newRow("lower rule, first lower bound") << lowerIn << 0.45 << "50";
    QTest::newRow("lower rule, shared bound goes up") << lowerIn << 2.4 << "80";
    QTest::newRow("lower rule, just below a bound") << lowerIn << 2.39 << "50";
    QTest::newRow("upper rule, first lower bound") << upperIn << 0.45 << "";
    QTest::newRow("upper rule, shared bound goes down") << upperIn << 2.4 << "50";
    QTest::newRow("upper rule, just above a bound") << upperIn << 2.41 << "80";
    QTest::newRow("upper rule, open top band") << upperIn << 1e9 << "1600";
    QTest::newRow("upper rule, lower bound of the open band") << upperIn << 9.4 << "100";
    QTest::newRow("first closed, first lower bound") << firstClosed << 0.45 << "50";
    QTest::newRow("first closed, first upper bound") << firstClosed << 2.4 << "50";
    QTest::newRow("first closed, second lower bound") << firstClosed << 5.9 << "80";
}

void TestEconomicAdvice::bandFlags()
{
    QFETCH(BoundRule, rule);
    QFETCH(double, litres);
    QFETCH(QString, inBand);

    const EconomicAdvice advice(litres / 1000.0, table, rule);
    QCOMPARE(sizesInBand(advice), inBand);
    QCOMPARE(advice.inAnyBand(), !inBand.isEmpty());
}

void TestEconomicAdvice::sizeRules_data()
{
    QTest::addColumn<double>("litres");
    QTest::addColumn<double>("compared");  // 0: no compared size
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("recommendationOnly");
    QTest::addColumn<QString>("text");     // "-": not written
    QTest::addColumn<int>("colour");       // -1: not written

    QTest::newRow("compared size in its band")
        << 3.0 << 80.0 << 0 << 0
        << "Применение трубы с условным проходом 80мм при расходе 3л/сек =10,8м куб/ч экономически обосновано." << 2;
    QTest::newRow("another size")
        << 3.0 << 100.0 << 0 << 0 << "При расходе 3л/сек =10,8м куб/ч рекомендуется использовать трубу с условным проходом 80мм"
        << 12;
    QTest::newRow("a size near the band's size")
        << 3.0 << 80.5 << 0 << 0 << "При расходе 3л/сек =10,8м куб/ч рекомендуется использовать трубу с условным проходом 80мм"
        << 12;
    QTest::newRow("no compared size")
        << 3.0 << 0.0 << 0 << 0 << "При расходе 3л/сек =10,8м куб/ч рекомендуется использовать трубу с условным проходом 80мм"
        << 12;
    QTest::newRow("figures rounded to 8 decimals")
        << 6.123456789 << 100.0 << 0 << 0
        << "Применение трубы с условным проходом 100мм при расходе 6,12345679л/сек =22,04444444м куб/ч экономически обосновано."
        << 2;
    QTest::newRow("open band") << 12000.0 << 1600.0 << 0 << 0
                               << "Применение трубы с условным проходом 1600мм при расходе 12000л/сек =43200м куб/ч "
                                  "экономически обосновано."
                               << 2;
    QTest::newRow("no band") << 0.3 << 50.0 << 0 << 0 << "-" << -1;
    QTest::newRow("band below the sizes with rules") << 1.0 << 100.0 << 80 << 0 << "-" << -1;
    QTest::newRow("first size with rules") << 3.0 << 100.0 << 80 << 0
                                           << "При расходе 3л/сек =10,8м куб/ч рекомендуется использовать трубу с "
                                              "условным проходом 80мм"
                                           << 12;
    QTest::newRow("recommendation-only size compared") << 1.0 << 50.0 << 0 << 50 << "-" << -1;
    QTest::newRow("recommendation-only size, another compared")
        << 1.0 << 80.0 << 0 << 50 << "При расходе 1л/сек =3,6м куб/ч рекомендуется использовать трубу с условным проходом 50мм"
        << 12;
}

void TestEconomicAdvice::sizeRules()
{
    QFETCH(double, litres);
    QFETCH(double, compared);
    QFETCH(int, from);
    QFETCH(int, recommendationOnly);
    QFETCH(QString, text);
    QFETCH(int, colour);

    EconomicAdvice advice(litres / 1000.0, table, BoundRule::LowerIncluded);
    advice.applySizeRules(compared > 0 ? std::optional<double>(compared) : std::nullopt, wording,
                          {.from = from, .recommendationOnly = recommendationOnly});
    QCOMPARE(advice.writes().text.value_or(QStringLiteral("-")), text);
    QCOMPARE(advice.writes().colour.value_or(-1), colour);
}

void TestEconomicAdvice::laterWritesWin()
{
    EconomicAdvice advice(0.01, table, BoundRule::UpperIncluded);
    advice.empty();
    advice.recommend(advice.recommendationText(QStringLiteral("м куб/ч, "), QStringLiteral("рекомендуется что-то")));
    QCOMPARE(*advice.writes().text, QStringLiteral("При расходе 10л/сек =36м куб/ч, рекомендуется что-то"));
    QCOMPARE(*advice.writes().colour, 12);

    advice.justify(QStringLiteral("обосновано"));
    advice.empty();
    QCOMPARE(*advice.writes().text, QString());
    QCOMPARE(*advice.writes().colour, 2);
}

void TestEconomicAdvice::labelKeepsWhatIsNotWritten()
{
    QLabel label;
    label.setText(QStringLiteral("прежний совет"));
    platform::setCaptionColour(&label, platform::Green);

    showAdvice(&label, {.text = std::nullopt, .colour = recommendedColour});
    QCOMPARE(label.text(), QStringLiteral("прежний совет"));
    QCOMPARE(platform::captionColour(&label), QColor(255, 0, 0));

    showAdvice(&label, {.text = QString(), .colour = std::nullopt});
    QCOMPARE(label.text(), QString());
    QCOMPARE(platform::captionColour(&label), QColor(255, 0, 0));
}

UITEST_MAIN(TestEconomicAdvice)
#include "tst_economicadvice.moc"
