#include "calc/castiron_cement/castironrecords.h"
#include "calc/castiron_cement/frmtablII6.h"
#include "calc/plastic_glass/frmtablII7.h"
#include "calc/plastic_glass/frmtablII8.h"
#include "calc/plastic_glass/plasticrecords.h"
#include "platform/palette.h"
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
const QColor black = platform::paletteColour(platform::Black);
const QColor grey = platform::paletteColour(platform::Grey);

const QString recommend700 =
    QStringLiteral("При расходе 500л/сек =1800м куб/ч, рекомендуется использовать трубу с условным проходом 700мм");
const QString highVelocity =
    QStringLiteral(" Большая скорость! Рекомендуется использовать трубу с условным проходом более 1600мм");
const QString typedDiameterTip = QStringLiteral("расчетный внутренний диаметр");

std::unique_ptr<QWidget> openScreen(int table)
{
    std::unique_ptr<QWidget> screen;
    if (table == 6)
        screen = std::make_unique<frmtablII6>(calc::reinforcedConcreteRecord());
    else if (table == 7)
        screen = std::make_unique<frmtablII7>(calc::glassFibreRecord());
    else
        screen = std::make_unique<frmtablII8>(calc::glassRecord());
    screen->show();
    takeMessages();
    return screen;
}

void findWith(QWidget* w, const QString& size, const QString& flow)
{
    choose(w, "Combo1", size);
    pasteInto(w, "Text1", flow);
    click(w, "Command2");
}

void checkGlassColours(QWidget* w, const QColor& catalogRows, const QColor& typedRow)
{
    QCOMPARE(captionColour(w, "Label7"), catalogRows);
    QCOMPARE(captionColour(w, "Label8"), catalogRows);
    QCOMPARE(captionColour(w, "Label9"), typedRow);
    QCOMPARE(captionColour(w, "Label11"), typedRow);
}

// The results a failed find leaves as they were.
QStringList keptResults(QWidget* w)
{
    return {text(w, "Label1"), text(w, "Label2"), toolTip(w, "Label2"), text(w, "Label7"), toolTip(w, "Text1"),
            toolTip(w, "Label10")};
}

}  // namespace

// The reinforced-concrete (II-6), glass-fibre (II-7) and glass (II-8) screens, whose find reads
// the diameter input as it stands and which name their controls alike.
class TestSimpleFindScreens : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(takeMessages().isEmpty()); }

    void opensInLoadState_data();
    void opensInLoadState();
    void results_data();
    void results();
    void typedDiameter_data();
    void typedDiameter();
    void failedFindKeepsResults_data();
    void failedFindKeepsResults();
    void section_data();
    void section();
    void mainClear_data();
    void mainClear();
    void otherDiameterKeepsTheInput_data();
    void otherDiameterKeepsTheInput();

    void concreteAdvice_data();
    void concreteAdvice();
    void concreteTypedDiameterCountsAsItsSize();
    void glassFibreBlankInFlowClears();
    void glassChoosingSizeEmptiesFlow();
    void glassOtherDiameterKeepsResults();
};

void TestSimpleFindScreens::opensInLoadState_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QStringList>("sizes");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("findCaption");

    QTest::newRow("II-6") << 6 << QStringList{"500", "600", "700", "800", "900", "1000", "1200", "1400", "1600"} << ""
                          << "Найти  значения";
    QTest::newRow("II-7") << 7
                          << QStringList{"50", "60", "80", "90", "110", "150", "175", "200", "215", "265", "300", "315", "400"}
                          << "d=" << "Найти значения";
    QTest::newRow("II-8") << 8 << QStringList{"45", "67", "93", "122", "169", "221"} << "" << "Найти значения";
}

void TestSimpleFindScreens::opensInLoadState()
{
    QFETCH(int, table);
    auto w = openScreen(table);
    QTEST(items(w.get(), "Combo1"), "sizes");
    QCOMPARE(child<QComboBox>(w.get(), "Combo1")->currentIndex(), -1);
    QVERIFY(child<QRadioButton>(w.get(), "Option1")->isChecked());
    QVERIFY(!child<QCheckBox>(w.get(), "Check1")->isChecked());
    QVERIFY(!child<QWidget>(w.get(), "Text2")->isEnabled());
    QTEST(text(w.get(), "Label6"), "prefix");
    QTEST(text(w.get(), "Command2"), "findCaption");
    if (table == 7) {
        // Both diameter rows keep black captions.
        QCOMPARE(captionColour(w.get(), "Label11_0"), black);
        QCOMPARE(captionColour(w.get(), "Label11_1"), black);
    }
    if (table == 8)
        checkGlassColours(w.get(), black, grey);
}

void TestSimpleFindScreens::results_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("diameter");  // what choosing the size writes into the diameter input
    QTest::addColumn<bool>("cubicMetres");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("flowTip");
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<QString>("thousandI");
    QTest::addColumn<QString>("pressureTip");
    QTest::addColumn<QString>("emptyLabel");  // the wide label under the results, which stays empty

    QTest::newRow("II-6 600 mm, 500 l/s") << 6 << "600" << "600" << false << "500" << "Расход 500л/сек= 1800м куб/ч"
                                          << "1,768" << "5,67" << "потери давления на 1м   55,6 Па/м" << "";
    QTest::newRow("II-6 500 mm, 200 l/s") << 6 << "500" << "500" << false << "200" << "Расход 200л/сек= 720м куб/ч"
                                          << "1,019" << "2,521" << "потери давления на 1м   24,72 Па/м" << "";
    QTest::newRow("II-6 1600 mm, 3000 l/s") << 6 << "1600" << "1600" << false << "3000" << "Расход 3000л/сек= 10800м куб/ч"
                                            << "1,492" << "1,284" << "потери давления на 1м   12,59 Па/м" << "";
    QTest::newRow("II-7 200 mm, 20 l/s") << 7 << "200" << "200" << false << "20" << "Расход 20л/сек= 72м куб/ч" << "0,637"
                                         << "2,403" << "потери давления на 1м   23,56 Па/м" << "Label7";
    QTest::newRow("II-7 200 mm, 72 m3/h") << 7 << "200" << "200" << true << "72" << "Расход 20л/сек= 72м куб/ч" << "0,637"
                                          << "2,403" << "потери давления на 1м   23,56 Па/м" << "Label7";
    // Twice the flow: 1000i grows by 2^1.774.
    QTest::newRow("II-7 200 mm, 40 l/s") << 7 << "200" << "200" << false << "40" << "Расход 40л/сек= 144м куб/ч" << "1,273"
                                         << "8,217" << "потери давления на 1м   80,58 Па/м" << "Label7";
    QTest::newRow("II-7 50 mm, 1,5 l/s") << 7 << "50" << "50" << false << "1,5" << "Расход 1,5л/сек= 5,4м куб/ч" << "0,764"
                                         << "18,166" << "потери давления на 1м   178,15 Па/м" << "Label7";
    QTest::newRow("II-8 93 mm, 3 l/s") << 8 << "93" << "81" << false << "3" << "Расход 3л/сек= 10,8м куб/ч" << "0,582"
                                       << "6,217" << "потери давления на 1м   60,97 Па/м" << "Label15";
    QTest::newRow("II-8 45 mm, 1 l/s") << 8 << "45" << "37" << false << "1" << "Расход 1л/сек= 3,6м куб/ч" << "0,93"
                                       << "37,297" << "потери давления на 1м   365,76 Па/м" << "Label15";
    QTest::newRow("II-8 169 mm, 20 l/s") << 8 << "169" << "150" << false << "20" << "Расход 20л/сек= 72м куб/ч" << "1,132"
                                         << "9,498" << "потери давления на 1м   93,14 Па/м" << "Label15";
    QTest::newRow("II-8 221 mm, 50 l/s") << 8 << "221" << "198" << false << "50" << "Расход 50л/сек= 180м куб/ч" << "1,624"
                                         << "12,822" << "потери давления на 1м   125,74 Па/м" << "Label15";
}

void TestSimpleFindScreens::results()
{
    QFETCH(int, table);
    QFETCH(QString, size);
    QFETCH(bool, cubicMetres);
    QFETCH(QString, flow);
    QFETCH(QString, emptyLabel);

    auto w = openScreen(table);
    choose(w.get(), "Combo1", size);
    QTEST(text(w.get(), "Text2"), "diameter");
    QCOMPARE(text(w.get(), "Label3"), size);
    if (cubicMetres)
        click(w.get(), "Option2");
    typeInto(w.get(), "Text1", flow + "\r");
    QCOMPARE(takeMessages(), QStringList());
    QTEST(toolTip(w.get(), "Text1"), "flowTip");
    QTEST(text(w.get(), "Label1"), "velocity");
    QTEST(text(w.get(), "Label2"), "thousandI");
    QTEST(toolTip(w.get(), "Label2"), "pressureTip");
    QCOMPARE(text(w.get(), "Label6"), QString("d="));
    QCOMPARE(text(w.get(), "Label3"), size);
    QCOMPARE(toolTip(w.get(), "Label3"), QString());
    QTEST(text(w.get(), "Text2"), "diameter");
    if (!emptyLabel.isEmpty())
        QCOMPARE(text(w.get(), qPrintable(emptyLabel)), QString());
}

void TestSimpleFindScreens::typedDiameter_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<QString>("thousandI");

    QTest::newRow("II-6") << 6 << "750" << "500" << "1,132" << "1,892";
    QTest::newRow("II-7") << 7 << "197.6" << "20" << "0,652" << "2,545";
    QTest::newRow("II-8") << 8 << "80" << "3" << "0,597" << "6,597";
}

// The typed diameter is shown as typed, named a calculation diameter.
void TestSimpleFindScreens::typedDiameter()
{
    QFETCH(int, table);
    QFETCH(QString, typed);
    QFETCH(QString, flow);

    auto w = openScreen(table);
    click(w.get(), "Check1");
    QVERIFY(child<QWidget>(w.get(), "Text2")->isEnabled());
    QVERIFY(!child<QWidget>(w.get(), "Combo1")->isEnabled());
    typeInto(w.get(), "Text2", typed);
    typeInto(w.get(), "Text1", flow + "\r");
    QCOMPARE(takeMessages(), QStringList());
    QCOMPARE(text(w.get(), "Label6"), QString("dp="));
    QCOMPARE(text(w.get(), "Label3"), typed);
    QCOMPARE(toolTip(w.get(), "Label3"), typedDiameterTip);
    QCOMPARE(toolTip(w.get(), "Label6"), typedDiameterTip);
    QTEST(text(w.get(), "Label1"), "velocity");
    QTEST(text(w.get(), "Label2"), "thousandI");
}

void TestSimpleFindScreens::failedFindKeepsResults_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("sizeShown");

    QTest::newRow("II-6 empty flow") << 6 << true << "" << "600" << flowZeroMessage << "dp=" << "600";
    QTest::newRow("II-6 flow too large to compute") << 6 << true << "1e400" << "600" << notComputableMessage << "dp=" << "600";
    QTest::newRow("II-6 zero diameter") << 6 << true << "500" << "0" << diameterZeroMessage << "dp=" << "0";
    QTest::newRow("II-6 diameter too large to compute")
        << 6 << true << "500" << "1e300" << notComputableMessage << "dp=" << "1e300";
    QTest::newRow("II-7 empty flow") << 7 << false << "" << "" << flowZeroMessage << "d=" << "200";
    QTest::newRow("II-7 zero flow") << 7 << false << "0" << "" << flowZeroMessage << "d=" << "200";
    QTest::newRow("II-7 typed zero diameter") << 7 << true << "3" << "0" << diameterZeroMessage << "dp=" << "0";
    QTest::newRow("II-7 typed empty diameter") << 7 << true << "3" << "" << diameterZeroMessage << "dp=" << "";
    QTest::newRow("II-7 typed negative diameter") << 7 << true << "3" << "-5" << diameterZeroMessage << "dp=" << "-5";
    // So wide a pipe leaves no velocity to raise to a negative power.
    QTest::newRow("II-7 typed diameter too large to compute")
        << 7 << true << "3" << "1e200" << notComputableMessage << "dp=" << "1e200";
    QTest::newRow("II-8 typed empty diameter") << 8 << true << "3" << "" << diameterZeroMessage << "dp=" << "";
}

// A find that stops keeps the results of the last one; the section caption is emptied first, its
// tooltip stays.
void TestSimpleFindScreens::failedFindKeepsResults()
{
    QFETCH(int, table);
    QFETCH(bool, typed);
    QFETCH(QString, flow);
    QFETCH(QString, diameter);
    QFETCH(QString, message);

    auto w = openScreen(table);
    const QString size = table == 8 ? "93" : table == 7 ? "200" : "600";
    if (typed) {
        click(w.get(), "Check1");
        pasteInto(w.get(), "Text2", table == 8 ? "81" : size);
    } else {
        choose(w.get(), "Combo1", size);
    }
    typeInto(w.get(), "Text1", table == 6 ? "500" : "3");
    typeInto(w.get(), "Text3", "100\r");
    QCOMPARE(takeMessages(), QStringList());
    const QStringList kept = keptResults(w.get());
    QVERIFY(!kept.first().isEmpty());

    if (typed)
        pasteInto(w.get(), "Text2", diameter);
    pasteInto(w.get(), "Text1", flow);
    click(w.get(), "Command2");
    QCOMPARE(takeMessages(), QStringList{message});
    QCOMPARE(keptResults(w.get()), kept);
    QCOMPARE(text(w.get(), "Label10"), QString());
    QTEST(text(w.get(), "Label6"), "prefix");
    QTEST(text(w.get(), "Label3"), "sizeShown");
}

void TestSimpleFindScreens::section_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("headLoss");
    QTest::addColumn<QString>("pressure");

    QTest::newRow("II-6") << 6 << "600" << "500" << "10" << "h = i · L = 0,057 м" << "потери давления  556,01 Па";
    QTest::newRow("II-7") << 7 << "200" << "20" << "100" << "h = i · L = 0,24 м" << "потери давления  2356,11 Па";
    QTest::newRow("II-8") << 8 << "93" << "3" << "25" << "h = i · L = 0,155 м" << "потери давления  1524,17 Па";
}

// The section after a find, and after a find that stops: it goes on with the 1000i of the last
// find that went through, 0 before any did.
void TestSimpleFindScreens::section()
{
    QFETCH(int, table);
    QFETCH(QString, size);
    QFETCH(QString, flow);
    QFETCH(QString, length);

    auto w = openScreen(table);
    typeInto(w.get(), "Text3", length + "\r");
    QCOMPARE(takeMessages(), QStringList{flowZeroMessage});
    QCOMPARE(text(w.get(), "Label10"), QString("h = i · L = 0 м"));
    QCOMPARE(toolTip(w.get(), "Label10"), QString("потери давления  0 Па"));

    choose(w.get(), "Combo1", size);
    typeInto(w.get(), "Text1", flow);
    pasteInto(w.get(), "Text3", length);
    click(w.get(), "Command3");
    QCOMPARE(takeMessages(), QStringList());
    QTEST(text(w.get(), "Label10"), "headLoss");
    QTEST(toolTip(w.get(), "Label10"), "pressure");

    pasteInto(w.get(), "Text1", "");
    click(w.get(), "Command3");
    QCOMPARE(takeMessages(), QStringList{flowZeroMessage});
    QTEST(text(w.get(), "Label10"), "headLoss");
    QTEST(toolTip(w.get(), "Label10"), "pressure");

    click(w.get(), "Command2");
    QCOMPARE(takeMessages(), QStringList{flowZeroMessage});
    QCOMPARE(text(w.get(), "Label10"), QString());
    QTEST(toolTip(w.get(), "Label10"), "pressure");

    click(w.get(), "Command4");
    QCOMPARE(text(w.get(), "Text3"), QString());
    QCOMPARE(toolTip(w.get(), "Label10"), QString());
    QVERIFY(!text(w.get(), "Label2").isEmpty());
}

void TestSimpleFindScreens::mainClear_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("flowTip");
    QTest::addColumn<QString>("velocity");  // the same flow found again with the diameter kept

    QTest::newRow("II-6 typed diameter") << 6 << QStringList{"click Check1", "type Text2 750"} << "750" << "500"
                                         << "Расход 500л/сек= 1800м куб/ч" << "1,132";
    QTest::newRow("II-7") << 7 << QStringList{"choose Combo1 150"} << "150" << "10" << "Расход 10л/сек= 36м куб/ч" << "0,566";
    QTest::newRow("II-8") << 8 << QStringList{"choose Combo1 93"} << "81" << "3" << "Расход 3л/сек= 10,8м куб/ч" << "0,582";
}

// The main clear, also by a blank in the flow: the flow, the results and the section go, the
// diameter and the flow's tooltip stay.
void TestSimpleFindScreens::mainClear()
{
    QFETCH(int, table);
    QFETCH(QStringList, steps);
    QFETCH(QString, flow);

    auto w = openScreen(table);
    for (const QString& step : steps)
        takeStep(w.get(), step);
    typeInto(w.get(), "Text1", flow + "\r");
    typeInto(w.get(), "Text3", "10\r");
    typeInto(w.get(), "Text1", " ");
    QCOMPARE(text(w.get(), "Text1"), QStringLiteral(" "));
    for (const char* name : {"Text3", "Label1", "Label2", "Label3", "Label6", "Label10"})
        QVERIFY2(text(w.get(), name).isEmpty(), name);
    QCOMPARE(toolTip(w.get(), "Label2"), QString());
    QCOMPARE(toolTip(w.get(), "Label10"), QString());
    QTEST(text(w.get(), "Text2"), "diameter");
    QTEST(toolTip(w.get(), "Text1"), "flowTip");
    if (table == 6) {
        QCOMPARE(text(w.get(), "Label7"), QString());
        QCOMPARE(toolTip(w.get(), "Label3"), typedDiameterTip);
        QCOMPARE(toolTip(w.get(), "Label6"), typedDiameterTip);
    }
    typeInto(w.get(), "Text1", flow + "\r");
    QTEST(text(w.get(), "Label1"), "velocity");
}

void TestSimpleFindScreens::otherDiameterKeepsTheInput_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("sizes");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("velocity");

    QTest::newRow("II-6") << 6 << "800" << 9 << "750" << "500" << "1,132";
    QTest::newRow("II-7") << 7 << "200" << 13 << "197.6" << "20" << "0,652";
}

// Ticking the box runs the main clear and leaves the chosen size in the diameter input to edit;
// unticking keeps a typed diameter in the disabled input, which the find takes until a size is chosen.
void TestSimpleFindScreens::otherDiameterKeepsTheInput()
{
    QFETCH(int, table);
    QFETCH(QString, size);
    QFETCH(QString, typed);
    QFETCH(QString, flow);

    auto w = openScreen(table);
    choose(w.get(), "Combo1", size);
    typeInto(w.get(), "Text1", flow + "\r");
    typeInto(w.get(), "Text3", "10\r");
    click(w.get(), "Check1");
    QCOMPARE(text(w.get(), "Text2"), size);
    QVERIFY(child<QWidget>(w.get(), "Text2")->isEnabled());
    for (const char* name : {"Text1", "Text3", "Label1", "Label2", "Label3", "Label6", "Label7", "Label10"})
        QVERIFY2(text(w.get(), name).isEmpty(), name);
    QTEST(int(items(w.get(), "Combo1").size()), "sizes");
    QCOMPARE(child<QComboBox>(w.get(), "Combo1")->currentIndex(), -1);

    pasteInto(w.get(), "Text2", typed);
    click(w.get(), "Check1");
    QVERIFY(!child<QWidget>(w.get(), "Text2")->isEnabled());
    QVERIFY(child<QWidget>(w.get(), "Combo1")->isEnabled());
    QCOMPARE(child<QComboBox>(w.get(), "Combo1")->currentIndex(), -1);
    QCOMPARE(text(w.get(), "Text2"), typed);
    typeInto(w.get(), "Text1", flow + "\r");
    QTEST(text(w.get(), "Label1"), "velocity");
    QCOMPARE(text(w.get(), "Label6"), QString("d="));
    QCOMPARE(text(w.get(), "Label3"), QString());
}

void TestSimpleFindScreens::concreteAdvice_data()
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

void TestSimpleFindScreens::concreteAdvice()
{
    QFETCH(QString, size);
    QFETCH(QString, flow);

    auto w = openScreen(6);
    findWith(w.get(), "600", "500");
    QCOMPARE(text(w.get(), "Label7"), recommend700);
    QCOMPARE(captionColour(w.get(), "Label7"), red);
    findWith(w.get(), size, flow);
    QTEST(text(w.get(), "Label7"), "advice");
    QTEST(captionColour(w.get(), "Label7"), "colour");
    QVERIFY(takeMessages().isEmpty());
}

void TestSimpleFindScreens::concreteTypedDiameterCountsAsItsSize()
{
    auto w = openScreen(6);
    click(w.get(), "Check1");
    typeInto(w.get(), "Text2", "750");
    typeInto(w.get(), "Text1", "500\r");
    QCOMPARE(text(w.get(), "Label7"), recommend700);

    pasteInto(w.get(), "Text2", "800");
    pasteInto(w.get(), "Text1", "700");
    click(w.get(), "Command2");
    QCOMPARE(text(w.get(), "Label7"),
             QStringLiteral("Применение трубы с условным проходом 800мм при расходе 700л/сек =2520м куб/ч экономически обосновано.  "));
    QCOMPARE(captionColour(w.get(), "Label7"), green);
}

void TestSimpleFindScreens::glassFibreBlankInFlowClears()
{
    auto w = openScreen(7);
    choose(w.get(), "Combo1", "200");
    typeInto(w.get(), "Text1", "20\r");
    typeInto(w.get(), "Text1", " ");
    QCOMPARE(text(w.get(), "Text1"), QString(" "));
    QCOMPARE(text(w.get(), "Label1"), QString());
    typeInto(w.get(), "Text1", "20\r");
    QCOMPARE(text(w.get(), "Label1"), QString("0,637"));
    typeInto(w.get(), "Text3", "100 ");
    QCOMPARE(text(w.get(), "Text3"), QString(" "));
    QCOMPARE(text(w.get(), "Label1"), QString("0,637"));
}

void TestSimpleFindScreens::glassChoosingSizeEmptiesFlow()
{
    auto w = openScreen(8);
    choose(w.get(), "Combo1", "93");
    typeInto(w.get(), "Text1", "3");
    typeInto(w.get(), "Text3", "25\r");
    QCOMPARE(text(w.get(), "Label10"), QString("h = i · L = 0,155 м"));
    QCOMPARE(toolTip(w.get(), "Label10"), QString("потери давления  1524,17 Па"));

    choose(w.get(), "Combo1", "122");
    for (const char* name : {"Text1", "Text3", "Label1", "Label2", "Label10", "Label6"})
        QVERIFY2(text(w.get(), name).isEmpty(), name);
    QCOMPARE(toolTip(w.get(), "Label10"), QString());
    QCOMPARE(text(w.get(), "Label3"), QString("122"));
    QCOMPARE(text(w.get(), "Text2"), QString("108"));
    click(w.get(), "Command2");
    QCOMPARE(takeMessages(), QStringList{flowZeroMessage});
}

void TestSimpleFindScreens::glassOtherDiameterKeepsResults()
{
    auto w = openScreen(8);
    choose(w.get(), "Combo1", "93");
    typeInto(w.get(), "Text1", "3\r");
    click(w.get(), "Check1");
    checkGlassColours(w.get(), grey, black);
    QCOMPARE(text(w.get(), "Text2"), QString());
    QVERIFY(child<QWidget>(w.get(), "Text2")->isEnabled());
    QCOMPARE(items(w.get(), "Combo1"), QStringList());
    QVERIFY(!child<QWidget>(w.get(), "Combo1")->isEnabled());
    QCOMPARE(text(w.get(), "Label1"), QString("0,582"));
    QCOMPARE(text(w.get(), "Text1"), QString("3"));

    pasteInto(w.get(), "Text2", "80");
    click(w.get(), "Check1");
    checkGlassColours(w.get(), black, grey);
    QCOMPARE(text(w.get(), "Text2"), QString());
    QVERIFY(!child<QWidget>(w.get(), "Text2")->isEnabled());
    QCOMPARE(items(w.get(), "Combo1").size(), 6);
    QCOMPARE(child<QComboBox>(w.get(), "Combo1")->currentIndex(), -1);
    QCOMPARE(text(w.get(), "Label1"), QString("0,582"));
    QCOMPARE(text(w.get(), "Label3"), QString("93"));
}

UITEST_MAIN(TestSimpleFindScreens)
#include "tst_simplefindscreens.moc"
