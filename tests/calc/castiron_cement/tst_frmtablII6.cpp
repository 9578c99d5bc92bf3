#include "calc/castiron_cement/frmtablII6.h"
#include "calc/registry/tables.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <memory>

using namespace uitest;

namespace {
// The input error texts, as the user reads them.
const QString flowZeroMessage = "расход не должен равняться нулю!\r введите значение расхода";
const QString diameterZeroMessage = "диаметр не может равняться нулю!\r введите значение диаметра в мм";
const QString notComputableMessage = "расчет невозможен!\r проверьте введенные значения";

const QColor green(0, 128, 0);
const QColor red(255, 0, 0);

const QString recommend700 =
    QStringLiteral("При расходе 500л/сек =1800м куб/ч, рекомендуется использовать трубу с условным проходом 700мм");
const QString highVelocity =
    QStringLiteral(" Большая скорость! Рекомендуется использовать трубу с условным проходом более 1600мм");
const QString typedDiameterTip = QStringLiteral("расчетный внутренний диаметр");

std::unique_ptr<frmtablII6> openScreen()
{
    auto screen = std::make_unique<frmtablII6>(calc::table(6));
    screen->show();
    return screen;
}

void findWith(QWidget* w, const QString& size, const QString& flow)
{
    choose(w, "Combo1", size);
    pasteInto(w, "Text1", flow);
    click(w, "Command2");
}

}  // namespace

class TestFrmtablII6 : public QObject {
    Q_OBJECT
private slots:
    void opensInLoadState();
    void results_data();
    void results();
    void advice_data();
    void advice();
    void typedDiameter();
    void otherDiameterKeepsTheInput();
    void failedFindKeepsResults_data();
    void failedFindKeepsResults();
    void sectionAfterFailedFind();
    void mainClear();
};

void TestFrmtablII6::opensInLoadState()
{
    auto w = openScreen();
    QCOMPARE(text(w.get(), "Command2"), QStringLiteral("Найти  значения"));
    QCOMPARE(items(w.get(), "Combo1"),
             QStringList({"500", "600", "700", "800", "900", "1000", "1200", "1400", "1600"}));
    QCOMPARE(text(w.get(), "Combo1"), QString());
    QVERIFY(child<QRadioButton>(w.get(), "Option1")->isChecked());
    QVERIFY(!child<QWidget>(w.get(), "Text2")->isEnabled());
    QCOMPARE(text(w.get(), "Label6"), QString());
}

void TestFrmtablII6::results_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<QString>("thousandI");
    QTest::addColumn<QString>("pressure");

    QTest::newRow("600 at 500 l/s") << "600" << "500" << "1,768" << "5,67" << "потери давления на 1м   55,6 Па/м";
    QTest::newRow("500 at 200 l/s") << "500" << "200" << "1,019" << "2,521" << "потери давления на 1м   24,72 Па/м";
    QTest::newRow("1600 at 3000 l/s") << "1600" << "3000" << "1,492" << "1,284" << "потери давления на 1м   12,59 Па/м";
}

void TestFrmtablII6::results()
{
    QFETCH(QString, size);
    QFETCH(QString, flow);

    auto w = openScreen();
    choose(w.get(), "Combo1", size);
    QCOMPARE(text(w.get(), "Label3"), size);
    QCOMPARE(text(w.get(), "Text2"), size);
    typeInto(w.get(), "Text1", flow + "\r");
    QTEST(text(w.get(), "Label1"), "velocity");
    QTEST(text(w.get(), "Label2"), "thousandI");
    QTEST(toolTip(w.get(), "Label2"), "pressure");
    QCOMPARE(text(w.get(), "Label6"), QStringLiteral("d="));
    QCOMPARE(text(w.get(), "Label3"), size);
    QCOMPARE(text(w.get(), "Text2"), size);
    QCOMPARE(toolTip(w.get(), "Label3"), QString());
    QVERIFY(takeMessages().isEmpty());
}

void TestFrmtablII6::advice_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("advice");
    QTest::addColumn<QColor>("colour");

    const QString below = QStringLiteral("рекомендуется использовать трубу с условным проходом меньше 500мм");
    const QString ending = QStringLiteral(" экономически обосновано.  ");
    // Each row follows the red recommendation of 700 mm for 600 mm at 500 l/s.
    QTest::newRow("below the range") << "600" << "20" << "При расходе 20л/сек =72м куб/ч, " + below << red;
    QTest::newRow("lower bound of the range") << "600" << "35" << "При расходе 35л/сек =126м куб/ч, " + below << red;
    QTest::newRow("band of 500, its size") << "500" << "200" << "" << green;
    QTest::newRow("band of 500, its size, upper bound") << "500" << "364" << "" << green;
    QTest::newRow("band of 500, another size")
        << "600" << "200"
        << "При расходе 200л/сек =720м куб/ч, рекомендуется использовать трубу с условным проходом 500мм" << red;
    QTest::newRow("band of 600, just above its bound")
        << "600" << "365" << "Применение трубы с условным проходом 600мм при расходе 365л/сек =1314м куб/ч" + ending << green;
    QTest::newRow("band of 700, another size") << "600" << "500" << recommend700 << red;
    QTest::newRow("band of 1400, upper bound")
        << "1400" << "2697" << "Применение трубы с условным проходом 1400мм при расходе 2697л/сек =9709,2м куб/ч" + ending
        << green;
    QTest::newRow("band of 1600, another size")
        << "1400" << "3000"
        << "При расходе 3000л/сек =10800м куб/ч, рекомендуется использовать трубу с условным проходом 1600мм" << red;
    QTest::newRow("band of 1600, its size")
        << "1600" << "3000" << "Применение трубы с условным проходом 1600мм при расходе 3000л/сек =10800м куб/ч" + ending
        << green;
    QTest::newRow("open band up to 5 m/s")
        << "1600" << "10000" << "Применение трубы с условным проходом 1600мм при расходе 10000л/сек =36000м куб/ч" + ending
        << green;
    QTest::newRow("open band above 5 m/s") << "1600" << "12000" << highVelocity << red;
    QTest::newRow("open band, small pipe above 5 m/s") << "500" << "3000" << highVelocity << red;
    QTest::newRow("high velocity inside the bands")
        << "500" << "2000"
        << "При расходе 2000л/сек =7200м куб/ч, рекомендуется использовать трубу с условным проходом 1400мм" << red;
}

void TestFrmtablII6::advice()
{
    QFETCH(QString, size);
    QFETCH(QString, flow);

    auto w = openScreen();
    findWith(w.get(), "600", "500");
    QCOMPARE(text(w.get(), "Label7"), recommend700);
    QCOMPARE(captionColour(w.get(), "Label7"), red);
    findWith(w.get(), size, flow);
    QTEST(text(w.get(), "Label7"), "advice");
    QTEST(captionColour(w.get(), "Label7"), "colour");
    QVERIFY(takeMessages().isEmpty());
}

void TestFrmtablII6::typedDiameter()
{
    auto w = openScreen();
    click(w.get(), "Check1");
    QVERIFY(child<QWidget>(w.get(), "Text2")->isEnabled());
    QVERIFY(!child<QWidget>(w.get(), "Combo1")->isEnabled());
    typeInto(w.get(), "Text2", "750");
    typeInto(w.get(), "Text1", "500\r");
    QCOMPARE(text(w.get(), "Label6"), QStringLiteral("dp="));
    QCOMPARE(text(w.get(), "Label3"), QStringLiteral("750"));
    QCOMPARE(toolTip(w.get(), "Label3"), typedDiameterTip);
    QCOMPARE(toolTip(w.get(), "Label6"), typedDiameterTip);
    QCOMPARE(text(w.get(), "Label1"), QStringLiteral("1,132"));
    QCOMPARE(text(w.get(), "Label2"), QStringLiteral("1,892"));
    QCOMPARE(text(w.get(), "Label7"), recommend700);

    pasteInto(w.get(), "Text2", "800");
    pasteInto(w.get(), "Text1", "700");
    click(w.get(), "Command2");
    QCOMPARE(text(w.get(), "Label7"),
             QStringLiteral("Применение трубы с условным проходом 800мм при расходе 700л/сек =2520м куб/ч экономически обосновано.  "));
    QCOMPARE(captionColour(w.get(), "Label7"), green);
}

void TestFrmtablII6::otherDiameterKeepsTheInput()
{
    auto w = openScreen();
    choose(w.get(), "Combo1", "800");
    typeInto(w.get(), "Text1", "500\r");
    typeInto(w.get(), "Text3", "10\r");
    click(w.get(), "Check1");
    QCOMPARE(text(w.get(), "Text2"), QStringLiteral("800"));
    QVERIFY(child<QWidget>(w.get(), "Text2")->isEnabled());
    for (const char* name : {"Text1", "Text3", "Label1", "Label2", "Label3", "Label6", "Label7", "Label10"})
        QCOMPARE(text(w.get(), name), QString());
    QCOMPARE(items(w.get(), "Combo1").size(), 9);

    pasteInto(w.get(), "Text2", "750");
    click(w.get(), "Check1");
    QVERIFY(!child<QWidget>(w.get(), "Text2")->isEnabled());
    QVERIFY(child<QWidget>(w.get(), "Combo1")->isEnabled());
    QCOMPARE(text(w.get(), "Combo1"), QString());
    QCOMPARE(text(w.get(), "Text2"), QStringLiteral("750"));
    typeInto(w.get(), "Text1", "500\r");
    QCOMPARE(text(w.get(), "Label1"), QStringLiteral("1,132"));
    QCOMPARE(text(w.get(), "Label6"), QStringLiteral("d="));
    QCOMPARE(text(w.get(), "Label3"), QString());
}

void TestFrmtablII6::failedFindKeepsResults_data()
{
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty flow") << "" << "600" << flowZeroMessage;
    QTest::newRow("flow too large to compute") << "1e400" << "600" << notComputableMessage;
    QTest::newRow("zero diameter") << "500" << "0" << diameterZeroMessage;
    QTest::newRow("diameter too large to compute") << "500" << "1e300" << notComputableMessage;
}

void TestFrmtablII6::failedFindKeepsResults()
{
    QFETCH(QString, flow);
    QFETCH(QString, diameter);
    QFETCH(QString, message);

    auto w = openScreen();
    click(w.get(), "Check1");
    typeInto(w.get(), "Text2", "600");
    typeInto(w.get(), "Text1", "500\r");
    pasteInto(w.get(), "Text2", diameter);
    pasteInto(w.get(), "Text1", flow);
    click(w.get(), "Command2");
    QCOMPARE(takeMessages(), QStringList({message}));
    QCOMPARE(text(w.get(), "Label1"), QStringLiteral("1,768"));
    QCOMPARE(text(w.get(), "Label2"), QStringLiteral("5,67"));
    QCOMPARE(toolTip(w.get(), "Label2"), QStringLiteral("потери давления на 1м   55,6 Па/м"));
    QCOMPARE(text(w.get(), "Label7"), recommend700);
    QCOMPARE(toolTip(w.get(), "Text1"), QStringLiteral("Расход 500л/сек= 1800м куб/ч"));
}

void TestFrmtablII6::sectionAfterFailedFind()
{
    auto w = openScreen();
    choose(w.get(), "Combo1", "600");
    typeInto(w.get(), "Text1", "500");
    typeInto(w.get(), "Text3", "10\r");
    QCOMPARE(text(w.get(), "Label10"), QStringLiteral("h = i · L = 0,057 м"));
    QCOMPARE(toolTip(w.get(), "Label10"), QStringLiteral("потери давления  556,01 Па"));

    pasteInto(w.get(), "Text1", "");
    click(w.get(), "Command3");
    QCOMPARE(takeMessages(), QStringList({flowZeroMessage}));
    QCOMPARE(text(w.get(), "Label10"), QStringLiteral("h = i · L = 0,057 м"));

    click(w.get(), "Command2");
    QCOMPARE(takeMessages(), QStringList({flowZeroMessage}));
    QCOMPARE(text(w.get(), "Label10"), QString());
    QCOMPARE(toolTip(w.get(), "Label10"), QStringLiteral("потери давления  556,01 Па"));

    click(w.get(), "Command4");
    QCOMPARE(text(w.get(), "Text3"), QString());
    QCOMPARE(toolTip(w.get(), "Label10"), QString());
}

void TestFrmtablII6::mainClear()
{
    auto w = openScreen();
    click(w.get(), "Check1");
    typeInto(w.get(), "Text2", "750");
    typeInto(w.get(), "Text1", "500\r");
    typeInto(w.get(), "Text3", "10\r");
    typeInto(w.get(), "Text1", " ");
    QCOMPARE(text(w.get(), "Text1"), QStringLiteral(" "));
    for (const char* name : {"Text3", "Label1", "Label2", "Label3", "Label6", "Label7", "Label10"})
        QCOMPARE(text(w.get(), name), QString());
    QCOMPARE(toolTip(w.get(), "Label2"), QString());
    QCOMPARE(toolTip(w.get(), "Label10"), QString());
    QCOMPARE(text(w.get(), "Text2"), QStringLiteral("750"));
    QCOMPARE(toolTip(w.get(), "Text1"), QStringLiteral("Расход 500л/сек= 1800м куб/ч"));
    QCOMPARE(toolTip(w.get(), "Label3"), typedDiameterTip);
    QCOMPARE(toolTip(w.get(), "Label6"), typedDiameterTip);
}

UITEST_MAIN(TestFrmtablII6)
#include "tst_frmtablII6.moc"
