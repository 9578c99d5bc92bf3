#include "calc/common/flowarithmetic.h"
#include "calc/common/keyfilter.h"
#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"
#include "calc/common/valueparse.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <cmath>

using namespace calc;

class ArithmeticTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blank") << " " << 0.0;
        QTest::newRow("integer") << "25" << 25.0;
        QTest::newRow("decimal point") << "0.3" << 0.3;
        QTest::newRow("comma ends the number") << "1,5" << 1.0;
        QTest::newRow("unit after the number") << "12.5мм" << 12.5;
        QTest::newRow("second point") << "1.2.3" << 1.2;
        QTest::newRow("blanks inside") << " 1 2 . 5 " << 12.5;
        QTest::newRow("tab and line feed") << "\t3\n4" << 34.0;
        QTest::newRow("leading blank then digits") << " 17" << 17.0;
        QTest::newRow("minus") << "-2.5" << -2.5;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("comma first") << ",5" << 0.0;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("exponent E") << "1.5E3" << 1500.0;
        QTest::newRow("exponent d") << "2d-2" << 0.02;
        QTest::newRow("exponent without digits") << "3e" << 3.0;
        QTest::newRow("exponent sign without digits") << "3e-" << 3.0;
        QTest::newRow("letters only") << "abc" << 0.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("minus zero") << "-0" << 0.0;
        QTest::newRow("capital Ш stops the number") << "4Ш5" << 4.0;
        QTest::newRow("flag design text") << "Label19" << 0.0;
        QTest::newRow("largest double") << "1e308" << 1e308;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(parseValue(text), value);
    }

    void parseOverflowIsInfinite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("huge exponent") << "1e999";
        QTest::newRow("400 digits") << QString(400, u'9');
        QTest::newRow("401 digits and a small exponent") << QString("1") + QString(400, u'0') + "e-5";
        QTest::newRow("tiny fraction with a huge exponent") << QString("0.") + QString(10, u'0') + "1e400";
        QTest::newRow("exponent beyond any integer") << QString("1e") + QString(30, u'9');
    }
    void parseOverflowIsInfinite()
    {
        QFETCH(QString, text);
        QVERIFY(std::isinf(parseValue(text)));
        QVERIFY(parseValue(text) > 0);
    }

    void tinyNumberIsNotNegative() { QVERIFY(parseValue("1e-320") >= 0.0); }

    void parseUnderflowIsZero_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("323 zeros after the point") << QString("0.") + QString(323, u'0') + "1";
        QTest::newRow("negative huge exponent") << "-5e-999";
        QTest::newRow("many digits and a huge negative exponent") << QString(400, u'9') + "e-800";
        QTest::newRow("exponent beyond any integer") << QString("1e-") + QString(30, u'9');
    }
    void parseUnderflowIsZero()
    {
        QFETCH(QString, text);
        QCOMPARE(parseValue(text), 0.0);
    }

    void rounding_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("rounded");
        QTest::newRow("2.5 to even") << 2.5 << 0 << 2.0;
        QTest::newRow("3.5 to even") << 3.5 << 0 << 4.0;
        QTest::newRow("-2.5 to even") << -2.5 << 0 << -2.0;
        QTest::newRow("0.125 to even") << 0.125 << 2 << 0.12;
        QTest::newRow("0.375 to even") << 0.375 << 2 << 0.38;
        QTest::newRow("1.20004 three") << 1.20004 << 3 << 1.2;
        QTest::newRow("98.0665 two") << 98.0665 << 2 << 98.07;
        QTest::newRow("eight decimals") << 0.123456789 << 8 << 0.12345679;
        QTest::newRow("scale too small to hold") << 5.0 << -400 << 5.0;
        QTest::newRow("scale too large to hold") << 0.125 << 400 << 0.125;
    }
    void rounding()
    {
        QFETCH(double, x);
        QFETCH(int, decimals);
        QFETCH(double, rounded);
        QCOMPARE(roundHalfEven(x, decimals), rounded);
    }

    void numberTexts_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("whole") << 15.0 << "15" << "15";
        QTest::newRow("decimal comma") << 14.7 << "14,7" << "14.7";
        QTest::newRow("sum with binary noise") << (21.3 - 2 * 2.8 - 1) << "14,7" << "14.7";
        QTest::newRow("no group separator") << 2549.73 << "2549,73" << "2549.73";
        QTest::newRow("large") << 1234567.5 << "1234567,5" << "1234567.5";
        QTest::newRow("negative") << -0.05 << "-0,05" << "-0.05";
        QTest::newRow("negative zero") << -0.0 << "0" << "0";
        QTest::newRow("fifteen digits") << (1.0 / 3.0) << "0,333333333333333" << "0.333333333333333";
        QTest::newRow("infinity shows nothing") << HUGE_VAL << "" << "";
        QTest::newRow("minus infinity shows nothing") << -HUGE_VAL << "" << "";
        QTest::newRow("NaN shows nothing") << std::nan("") << "" << "";
    }
    void numberTexts()
    {
        QFETCH(double, value);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        QCOMPARE(numberText(value), shown);
        QCOMPARE(storedNumberText(value), stored);
    }

    void flowTooltips_data()
    {
        QTest::addColumn<double>("typed");
        QTest::addColumn<bool>("litres");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("2.5 l/s") << 2.5 << true << "Расход 2,5л/сек= 9м куб/ч";
        QTest::newRow("1 l/s") << 1.0 << true << "Расход 1л/сек= 3,6м куб/ч";
        QTest::newRow("3.6 m3/h") << 3.6 << false << "Расход 1л/сек= 3,6м куб/ч";
        QTest::newRow("0.3 l/s") << 0.3 << true << "Расход 0,3л/сек= 1,08м куб/ч";
        QTest::newRow("36 m3/h") << 36.0 << false << "Расход 10л/сек= 36м куб/ч";
        QTest::newRow("1 m3/h") << 1.0 << false << "Расход 0,27777778л/сек= 1м куб/ч";
    }
    void flowTooltips()
    {
        QFETCH(double, typed);
        QFETCH(bool, litres);
        QFETCH(QString, tooltip);
        const double q = flowCubicMetresPerSecond(typed, litres ? FlowUnit::LitresPerSecond : FlowUnit::CubicMetresPerHour);
        QCOMPARE(flowTooltip(q), tooltip);
    }

    void flowShowable_data()
    {
        QTest::addColumn<double>("flow");
        QTest::addColumn<bool>("showable");
        QTest::newRow("ordinary") << 0.001 << true;
        QTest::newRow("m3/h figure just fits") << 4.9e304 << true;
        QTest::newRow("m3/h figure overflows") << 5e304 << false;
        QTest::newRow("infinite") << qInf() << false;
    }
    void flowShowable()
    {
        QFETCH(double, flow);
        QFETCH(bool, showable);
        QCOMPARE(flowIsShowable(flow), showable);
    }

    void velocityOfOneLitreInTenCentimetres()
    {
        QCOMPARE(velocityText(meanVelocity(0.001, 0.1)), QString("0,127"));
        QCOMPARE(meanVelocity(0.001, 0.1), 0.12732395447351627);
    }

    void slopeTooltip() { QCOMPARE(slopePressureTooltip(10), QString("потери давления на 1м   98,07 Па/м")); }

    void simpleSection_data()
    {
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("thousandI");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("10 m at 5") << 10.0 << 5.0 << "h = i · L = 0,05 м" << "потери давления  490,33 Па";
        QTest::newRow("no length") << 0.0 << 5.0 << "h = i · L = 0 м" << "потери давления  0 Па";
        QTest::newRow("negative length") << -10.0 << 5.0 << "h = i · L = -0,05 м" << "потери давления  -490,33 Па";
        QTest::newRow("no earlier find") << 25.0 << 0.0 << "h = i · L = 0 м" << "потери давления  0 Па";
    }
    void simpleSection()
    {
        QFETCH(double, length);
        QFETCH(double, thousandI);
        QFETCH(QString, text);
        QFETCH(QString, tooltip);
        const SectionHeadLoss loss = simpleSectionHeadLoss(length, thousandI);
        QCOMPARE(loss.text, text);
        QCOMPARE(loss.tooltip, tooltip);
    }

    void forbiddenLists()
    {
        QCOMPARE(forbiddenCharacters(KeyList::A).size(), 135);
        QCOMPARE(forbiddenCharacters(KeyList::B).size(), 137);
        QVERIFY(forbiddenCharacters(KeyList::B).startsWith(".,"));
    }

    void typedCharacters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("onA");
        QTest::addColumn<QString>("onB");
        QTest::newRow("digit") << "7" << "7" << "7";
        QTest::newRow("point") << "." << "." << "";
        QTest::newRow("comma") << "," << "." << "";
        QTest::newRow("minus") << "-" << "-" << "-";
        QTest::newRow("latin letter") << "e" << "" << "";
        QTest::newRow("latin capital") << "E" << "" << "";
        QTest::newRow("cyrillic") << "ж" << "" << "";
        QTest::newRow("capital Ш passes") << "Ш" << "Ш" << "Ш";
        QTest::newRow("Ё passes") << "Ё" << "Ё" << "Ё";
        QTest::newRow("ё passes") << "ё" << "ё" << "ё";
        QTest::newRow("blank") << " " << " " << " ";
        QTest::newRow("slash") << "/" << "/" << "/";
        QTest::newRow("brace") << "{" << "{" << "{";
        QTest::newRow("bracket") << "[" << "" << "";
        QTest::newRow("plus") << "+" << "" << "";
    }
    void typedCharacters()
    {
        QFETCH(QString, typed);
        QFETCH(QString, onA);
        QFETCH(QString, onB);
        const QChar a = filterTypedCharacter(typed.at(0), KeyList::A);
        const QChar b = filterTypedCharacter(typed.at(0), KeyList::B);
        QCOMPARE(a.isNull() ? QString() : QString(a), onA);
        QCOMPARE(b.isNull() ? QString() : QString(b), onB);
    }
};

UITEST_MAIN(ArithmeticTest)
#include "tst_arithmetic.moc"
