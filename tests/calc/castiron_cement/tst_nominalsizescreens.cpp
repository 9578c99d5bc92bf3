#include "calc/castiron_cement/castironrecords.h"
#include "calc/castiron_cement/frmtablII3.h"
#include "calc/castiron_cement/frmtablII4.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <memory>

using namespace uitest;

namespace {

const QColor green(0, 128, 0);
const QColor red(255, 0, 0);
const QColor grey(128, 128, 128);
const QColor black(0, 0, 0);
const QColor darkBlue(0, 0, 192);

const QString flowZero = QStringLiteral("расход не должен равняться нулю!\r введите значение расхода");
const QString notComputable = QStringLiteral("расчет невозможен!\r проверьте введенные значения");
const QString diameterZero = QStringLiteral("диаметр не может равняться нулю!\r введите значение диаметра в мм");
const QString noSizeChosen = QStringLiteral(
    "диаметр не может равняться нулю!\r введите значение диаметра в мм\r(кликни по значению в выпадающем списке)");

const QString recommend125 =
    QStringLiteral("При расходе 10л/сек =36м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 125мм");
const QString justified200 =
    QStringLiteral("Применение трубы с условным проходом 200мм при расходе 30л/сек =108м куб/ч экономически обосновано");

std::unique_ptr<QWidget> openCastIron()
{
    auto screen = std::make_unique<frmtablII3>(calc::castIronRecord());
    screen->show();
    return screen;
}

std::unique_ptr<QWidget> openAsbestosCement()
{
    auto screen = std::make_unique<frmtablII4>(calc::asbestosCementRecord());
    screen->show();
    return screen;
}

std::unique_ptr<QWidget> openScreen(int table) { return table == 3 ? openCastIron() : openAsbestosCement(); }

bool selected(QWidget* w, const char* option) { return child<QRadioButton>(w, option)->isChecked(); }

// Chooses a nominal size as a user would, on the cast-iron screen switching the class first when
// needed.
void chooseSize(QWidget* w, const QString& size)
{
    if (w->objectName() == QLatin1String("frmtablII3"))
        click(w, size.toInt() > 300 ? "Option4" : "Option3");
    choose(w, "Combo1", size);
}

void findWith(QWidget* w, const QString& size, const QString& flow)
{
    chooseSize(w, size);
    pasteInto(w, "Text1", flow);
    click(w, "Command2");
}

// The labels of the results, which the two screens name differently.
struct ResultLabels {
    const char* velocity;
    const char* thousandI;
    const char* sizeCaption;
    const char* size;
};

ResultLabels labels(int table)
{
    return table == 3 ? ResultLabels{"Label3", "Label4", "Label11", "Label5"} : ResultLabels{"Label1", "Label2", "Label4", "Label3"};
}

// A find each screen's failures start from, and what it shows: v, 1000i, its tooltip, the size,
// the advice and the flow tooltip.
struct Example {
    QStringList steps;
    QStringList shown;
};

Example workedExample(int table)
{
    if (table == 3)
        return {{"choose Combo1 100", "paste Text1 10", "click Command2"},
                {"1,224", "31,162", "потери давления на 1м   305,59 Па/м", "100", recommend125, "Расход 10л/сек= 36м куб/ч"}};
    return {{"click Option5", "choose Combo1 200", "paste Text1 30", "click Command2"},
            {"1,069", "6,141", "потери давления на 1м   60,22 Па/м", "200", justified200, "Расход 30л/сек= 108м куб/ч"}};
}

QStringList shownResults(QWidget* w, int table)
{
    const ResultLabels names = labels(table);
    return {text(w, names.velocity), text(w, names.thousandI), toolTip(w, names.thousandI), text(w, names.size),
            text(w, "Label7"), toolTip(w, "Text1")};
}

}  // namespace

// The cast-iron (II-3) and asbestos-cement (II-4) screens, whose find reads the nominal size they keep.
class TestNominalSizeScreens : public QObject {
    Q_OBJECT
private slots:
    void castIronOpensInLoadState();
    void asbestosCementOpensInLoadState();
    void results_data();
    void results();
    void advice_data();
    void advice();
    void typedDecimalSizeIsReadBackWhole_data();
    void typedDecimalSizeIsReadBackWhole();
    void failedFindKeepsResults_data();
    void failedFindKeepsResults();

    void typedDiameterMatchesNoSize();
    void classChangeKeepsChosenSize();
    void uncheckingOtherDiameterReloads();
    void castIronSectionAfterFailedFind();
    void castIronClearButtons();

    void catalogChoice_data();
    void catalogChoice();
    void typeOptionsOfferTheirSizes();
    void hiddenVT15StaysChosen();
    void pipeWithoutRowUsesItsSize();
    void classOptionClearsResults();
    void asbestosCementTypedDiameter();
    void asbestosCementSectionAndClearButtons();
    void tabOrder_data();
    void tabOrder();
};

void TestNominalSizeScreens::castIronOpensInLoadState()
{
    auto w = openCastIron();
    QCOMPARE(items(w.get(), "Combo1"), QStringList({"50", "80", "100", "125", "150", "200", "250", "300"}));
    QCOMPARE(text(w.get(), "Combo1"), QString());
    QVERIFY(child<QRadioButton>(w.get(), "Option1")->isChecked());
    QVERIFY(child<QRadioButton>(w.get(), "Option3")->isChecked());
    QVERIFY(child<QRadioButton>(w.get(), "Option5")->isChecked());
    QVERIFY(!child<QWidget>(w.get(), "Text2")->isEnabled());
    QCOMPARE(captionColour(w.get(), "Label14"), black);
    QCOMPARE(captionColour(w.get(), "Label12"), grey);
    QCOMPARE(captionColour(w.get(), "Label13"), grey);
    QCOMPARE(toolTip(w.get(), "Text1"), QString());

    click(w.get(), "Option4");
    QCOMPARE(items(w.get(), "Combo1"),
             QStringList({"350", "400", "450", "500", "600", "700", "800", "900", "1000", "1200"}));

    QVERIFY(takeMessages().isEmpty());
}

void TestNominalSizeScreens::asbestosCementOpensInLoadState()
{
    auto w = openAsbestosCement();
    QVERIFY(selected(w.get(), "Option1"));
    QVERIFY(selected(w.get(), "Option4"));
    QVERIFY(selected(w.get(), "Option8"));
    QVERIFY(child<QWidget>(w.get(), "Option7")->isHidden());
    QCOMPARE(items(w.get(), "Combo1"), QStringList({"100", "150", "200", "250", "300", "350", "400", "500"}));
    QCOMPARE(text(w.get(), "Combo1"), QString());
    QVERIFY(!child<QWidget>(w.get(), "Text2")->isEnabled());
    QCOMPARE(text(w.get(), "Label4"), QStringLiteral("d="));
    QCOMPARE(captionColour(w.get(), "Label9"), darkBlue);
    QCOMPARE(captionColour(w.get(), "Label13"), black);
}

void TestNominalSizeScreens::results_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<QString>("thousandI");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("diameterTip");
    QTest::addColumn<QString>("flowTip");
    QTest::addColumn<QString>("size");

    QTest::newRow("II-3 100 non-new, first formula")
        << 3 << QStringList{"choose Combo1 100", "type Text1 10\r"} << "1,224" << "31,162"
        << "потери давления на 1м   305,59 Па/м" << "102"
        << "условный проход d=100мм; внутренний диаметр dв=103мм; расчетный внутренний диаметр dр=102мм"
        << "Расход 10л/сек= 36м куб/ч" << "100";
    QTest::newRow("II-3 same flow in m3/h")
        << 3 << QStringList{"choose Combo1 100", "click Option6", "type Text1 36\r"} << "1,224" << "31,162"
        << "потери давления на 1м   305,59 Па/м" << "102"
        << "условный проход d=100мм; внутренний диаметр dв=103мм; расчетный внутренний диаметр dр=102мм"
        << "Расход 10л/сек= 36м куб/ч" << "100";
    QTest::newRow("II-3 100 new") << 3 << QStringList{"choose Combo1 100", "click Option2", "type Text1 5\r"} << "0,6"
                                  << "7,699" << "потери давления на 1м   75,5 Па/м" << "103"
                                  << "условный проход d=100мм; внутренний диаметр dв=103мм; трубы новые"
                                  << "Расход 5л/сек= 18м куб/ч" << "100";
    QTest::newRow("II-3 50 non-new, second formula")
        << 3 << QStringList{"choose Combo1 50", "type Text1 1\r"} << "0,478" << "13,413"
        << "потери давления на 1м   131,54 Па/м" << "51.6"
        << "условный проход d=50мм; внутренний диаметр dв=52,6мм; расчетный внутренний диаметр dр=51,6мм"
        << "Расход 1л/сек= 3,6м куб/ч" << "50";
    QTest::newRow("II-3 250 keeps the written zero")
        << 3 << QStringList{"choose Combo1 250", "type Text1 50\r"} << "0,995" << "6,5"
        << "потери давления на 1м   63,74 Па/м" << "253"
        << "условный проход d=250мм; внутренний диаметр dв=254,0мм; расчетный внутренний диаметр dр=253,0мм"
        << "Расход 50л/сек= 180м куб/ч" << "250";
    QTest::newRow("II-3 300 non-new") << 3 << QStringList{"choose Combo1 300", "type Text1 80\r"} << "1,099" << "6,159"
                                      << "потери давления на 1м   60,4 Па/м" << "304.4"
                                      << "условный проход d=300мм; внутренний диаметр равен расчетному dв=dp=304,4мм"
                                      << "Расход 80л/сек= 288м куб/ч" << "300";
    QTest::newRow("II-3 300 new") << 3 << QStringList{"choose Combo1 300", "click Option2", "type Text1 80\r"} << "1,099"
                                  << "5,656" << "потери давления на 1м   55,47 Па/м" << "304.4"
                                  << "условный проход d=300мм; внутренний диаметр dв=304,4мм; трубы новые"
                                  << "Расход 80л/сек= 288м куб/ч" << "300";
    QTest::newRow("II-4 ВТ9 type 1 200") << 4 << QStringList{"click Option5", "choose Combo1 200", "type Text1 30\r"}
                                         << "1,069" << "6,141" << "потери давления на 1м   60,22 Па/м" << "189"
                                         << "условный проход d=200мм; труба ВТ9 тип1; внутренний диаметр dв=189мм"
                                         << "Расход 30л/сек= 108м куб/ч" << "200";
}

void TestNominalSizeScreens::results()
{
    QFETCH(int, table);
    QFETCH(QStringList, steps);
    const ResultLabels names = labels(table);

    auto w = openScreen(table);
    for (const QString& step : steps)
        takeStep(w.get(), step);
    QTEST(text(w.get(), names.velocity), "velocity");
    QTEST(text(w.get(), names.thousandI), "thousandI");
    QTEST(toolTip(w.get(), names.thousandI), "pressure");
    QTEST(text(w.get(), "Text2"), "diameter");
    QTEST(toolTip(w.get(), "Text2"), "diameterTip");
    QTEST(toolTip(w.get(), "Text1"), "flowTip");
    QCOMPARE(text(w.get(), names.sizeCaption), QStringLiteral("d="));
    QTEST(text(w.get(), names.size), "size");
    QVERIFY(takeMessages().isEmpty());
}

void TestNominalSizeScreens::advice_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("advice");
    QTest::addColumn<QColor>("colour");

    // Each row follows a green advice: for 125 mm at 10 l/s on II-3, for 200 mm at 30 l/s on II-4.
    QTest::newRow("II-3 band of 125, another size") << 3 << "100" << "10" << recommend125 << red;
    QTest::newRow("II-3 band of 125, its size")
        << 3 << "125" << "10"
        << "Применение трубы с условным проходом 125мм при расходе 10л/сек =36м куб/ч экономически обосновано." << green;
    QTest::newRow("II-3 lower bound belongs to the band")
        << 3 << "80" << "2.4"
        << "Применение трубы с условным проходом 80мм при расходе 2,4л/сек =8,64м куб/ч экономически обосновано." << green;
    QTest::newRow("II-3 lower bound, 50 chosen")
        << 3 << "50" << "2.4"
        << "При расходе 2,4л/сек =8,64м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 80мм" << red;
    QTest::newRow("II-3 just below a bound: band of 50") << 3 << "80" << "2.39" << "" << green;
    QTest::newRow("II-3 band of 50, its size") << 3 << "50" << "1" << "" << green;
    QTest::newRow("II-3 band of 50, another size") << 3 << "100" << "1" << "" << green;
    QTest::newRow("II-3 below every band") << 3 << "100" << "0.3" << "" << green;
    QTest::newRow("II-3 shared bound opens the upper band")
        << 3 << "80" << "5.9"
        << "При расходе 5,9л/сек =21,24м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 100мм" << red;
    QTest::newRow("II-3 300 is class ЛА")
        << 3 << "100" << "80"
        << "При расходе 80л/сек =288м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 300мм" << red;
    QTest::newRow("II-3 350 is class А")
        << 3 << "100" << "120"
        << "При расходе 120л/сек =432м куб/ч рекомендуется использовать трубу класса А, с условным проходом 350мм" << red;
    QTest::newRow("II-3 class А size in its band")
        << 3 << "600" << "400"
        << "Применение трубы с условным проходом 600мм при расходе 400л/сек =1440м куб/ч экономически обосновано." << green;
    QTest::newRow("II-3 last band") << 3 << "1200" << "3399"
                                    << "Применение трубы с условным проходом 1200мм при расходе 3399л/сек =12236,4м куб/ч "
                                       "экономически обосновано."
                                    << green;
    QTest::newRow("II-3 upper bound of the last band") << 3 << "1200" << "3400" << "" << green;
    QTest::newRow("II-3 above every band") << 3 << "1200" << "4000" << "" << green;

    const QString below = QStringLiteral("рекомендуется использовать трубу с условным проходом менее 100мм");
    QTest::newRow("II-4 below the range") << 4 << "200" << "4.99" << "При расходе 4,99л/сек =17,964м куб/ч " + below << red;
    QTest::newRow("II-4 lower bound of the range") << 4 << "200" << "5" << "При расходе 5л/сек =18м куб/ч " + below << red;
    QTest::newRow("II-4 band of 100, its size, just above") << 4 << "100" << "5.01" << " " << green;
    QTest::newRow("II-4 band of 100, its size, upper bound") << 4 << "100" << "10.2" << " " << green;
    QTest::newRow("II-4 band of 100, another size")
        << 4 << "150" << "10.2"
        << "При расходе 10,2л/сек =36,72м куб/ч рекомендуется использовать трубу с условным проходом 100мм" << red;
    QTest::newRow("II-4 just above a bound")
        << 4 << "150" << "10.21"
        << "Применение трубы с условным проходом 150мм при расходе 10,21л/сек =36,756м куб/ч экономически обосновано" << green;
    QTest::newRow("II-4 band of 100 recommends a larger size")
        << 4 << "100" << "30"
        << "При расходе 30л/сек =108м куб/ч рекомендуется использовать трубу с условным проходом 200мм" << red;
    QTest::newRow("II-4 last band, upper bound")
        << 4 << "500" << "689"
        << "Применение трубы с условным проходом 500мм при расходе 689л/сек =2480,4м куб/ч экономически обосновано" << green;
    QTest::newRow("II-4 above the range, whatever the size")
        << 4 << "500" << "700"
        << "Большая скорость! При расходе 700л/сек =2520м куб/ч  рекомендуется использовать трубу с диаметром более 500мм"
        << red;
}

void TestNominalSizeScreens::advice()
{
    QFETCH(int, table);
    QFETCH(QString, size);
    QFETCH(QString, flow);

    auto w = openScreen(table);
    if (table == 3)
        findWith(w.get(), "125", "10");
    else
        findWith(w.get(), "200", "30");
    QCOMPARE(captionColour(w.get(), "Label7"), green);
    findWith(w.get(), size, flow);
    QTEST(text(w.get(), "Label7"), "advice");
    QTEST(captionColour(w.get(), "Label7"), "colour");
    QVERIFY(takeMessages().isEmpty());
}

void TestNominalSizeScreens::typedDecimalSizeIsReadBackWhole_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<QString>("thousandI");

    QTest::newRow("II-3") << 3 << "51,6" << "2" << "51.6" << "0,956" << "47,742";
    QTest::newRow("II-4") << 4 << "200,5" << "30" << "200.5" << "0,95" << "4,599";
}

// A size value kept from a typed diameter is found again with its decimals once the box is unticked.
void TestNominalSizeScreens::typedDecimalSizeIsReadBackWhole()
{
    QFETCH(int, table);
    QFETCH(QString, typed);
    QFETCH(QString, flow);
    const ResultLabels names = labels(table);

    auto w = openScreen(table);
    click(w.get(), "Check1");
    typeInto(w.get(), "Text2", typed);
    typeInto(w.get(), "Text1", flow + "\r");
    QCOMPARE(text(w.get(), names.size), typed);
    QTEST(text(w.get(), names.velocity), "velocity");

    click(w.get(), "Check1");
    pasteInto(w.get(), "Text1", flow);
    click(w.get(), "Command2");
    QCOMPARE(text(w.get(), names.sizeCaption), QStringLiteral("d="));
    QCOMPARE(text(w.get(), names.size), typed);
    QTEST(text(w.get(), "Text2"), "diameter");
    QTEST(text(w.get(), names.velocity), "velocity");
    QTEST(text(w.get(), names.thousandI), "thousandI");
    QVERIFY(takeMessages().isEmpty());
}

void TestNominalSizeScreens::failedFindKeepsResults_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<bool>("typedDiameter");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("sizeCaption");

    QTest::newRow("II-3 empty flow") << 3 << "" << false << "" << flowZero << "d=";
    QTest::newRow("II-3 zero flow") << 3 << "0" << false << "" << flowZero << "d=";
    QTest::newRow("II-3 flow too large to compute") << 3 << "1e400" << false << "" << notComputable << "d=";
    QTest::newRow("II-3 empty typed diameter") << 3 << "10" << true << "" << diameterZero << "dp=";
    QTest::newRow("II-3 typed diameter too large") << 3 << "10" << true << "1e300" << notComputable << "dp=";
    QTest::newRow("II-4 empty flow") << 4 << "" << false << "" << flowZero << "d=";
    QTest::newRow("II-4 flow too large to compute") << 4 << "1e400" << false << "" << notComputable << "d=";
    QTest::newRow("II-4 zero typed diameter") << 4 << "30" << true << "0" << noSizeChosen << "dp=";
    QTest::newRow("II-4 typed diameter too large") << 4 << "30" << true << "1e300" << notComputable << "dp=";
}

void TestNominalSizeScreens::failedFindKeepsResults()
{
    QFETCH(int, table);
    QFETCH(QString, flow);
    QFETCH(bool, typedDiameter);
    QFETCH(QString, diameter);
    QFETCH(QString, message);

    auto w = openScreen(table);
    const Example example = workedExample(table);
    for (const QString& step : example.steps)
        takeStep(w.get(), step);
    QCOMPARE(shownResults(w.get(), table), example.shown);
    if (typedDiameter) {
        click(w.get(), "Check1");
        pasteInto(w.get(), "Text2", diameter);
    }
    pasteInto(w.get(), "Text1", flow);
    click(w.get(), "Command2");
    QCOMPARE(takeMessages(), QStringList({message}));
    QTEST(text(w.get(), labels(table).sizeCaption), "sizeCaption");
    QCOMPARE(shownResults(w.get(), table), example.shown);
}

void TestNominalSizeScreens::typedDiameterMatchesNoSize()
{
    auto w = openCastIron();
    click(w.get(), "Check1");
    QVERIFY(child<QWidget>(w.get(), "Text2")->isEnabled());
    QVERIFY(!child<QWidget>(w.get(), "Combo1")->isEnabled());
    QVERIFY(!child<QWidget>(w.get(), "Option3")->isEnabled());
    QCOMPARE(captionColour(w.get(), "Label14"), grey);
    QCOMPARE(captionColour(w.get(), "Label12"), black);
    QCOMPARE(captionColour(w.get(), "Label13"), black);

    typeInto(w.get(), "Text2", "100");
    click(w.get(), "Option2");
    typeInto(w.get(), "Text1", "7\r");
    QCOMPARE(text(w.get(), "Text2"), QStringLiteral("100"));
    QCOMPARE(text(w.get(), "Label11"), QStringLiteral("dp="));
    QCOMPARE(text(w.get(), "Label5"), QStringLiteral("100"));
    QCOMPARE(text(w.get(), "Label3"), QStringLiteral("0,891"));
    QCOMPARE(text(w.get(), "Label4"), QStringLiteral("16,192"));
    QCOMPARE(toolTip(w.get(), "Text2"), QString());
    QCOMPARE(text(w.get(), "Label7"),
             QStringLiteral("При расходе 7л/сек =25,2м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 100мм"));
    QCOMPARE(captionColour(w.get(), "Label7"), red);
}

void TestNominalSizeScreens::classChangeKeepsChosenSize()
{
    auto w = openCastIron();
    choose(w.get(), "Combo1", "100");
    click(w.get(), "Option4");
    QCOMPARE(text(w.get(), "Combo1"), QString());
    QCOMPARE(items(w.get(), "Combo1").first(), QStringLiteral("350"));
    typeInto(w.get(), "Text1", "10\r");
    QCOMPARE(text(w.get(), "Label5"), QStringLiteral("100"));
    QCOMPARE(text(w.get(), "Text2"), QStringLiteral("102"));
    QCOMPARE(text(w.get(), "Label3"), QStringLiteral("1,224"));
}

void TestNominalSizeScreens::uncheckingOtherDiameterReloads()
{
    auto w = openCastIron();
    click(w.get(), "Option6");
    click(w.get(), "Option2");
    click(w.get(), "Option4");
    click(w.get(), "Check1");
    typeInto(w.get(), "Text2", "100");
    click(w.get(), "Check1");
    QVERIFY(child<QRadioButton>(w.get(), "Option5")->isChecked());
    QVERIFY(child<QRadioButton>(w.get(), "Option1")->isChecked());
    QVERIFY(child<QRadioButton>(w.get(), "Option3")->isChecked());
    QVERIFY(child<QWidget>(w.get(), "Option4")->isEnabled());
    QCOMPARE(items(w.get(), "Combo1").size(), 8);
    QCOMPARE(text(w.get(), "Combo1"), QString());
    QCOMPARE(text(w.get(), "Text2"), QString());
    QVERIFY(!child<QWidget>(w.get(), "Text2")->isEnabled());
    QCOMPARE(captionColour(w.get(), "Label14"), black);
    QCOMPARE(captionColour(w.get(), "Label12"), grey);
}

void TestNominalSizeScreens::castIronSectionAfterFailedFind()
{
    auto w = openCastIron();
    chooseSize(w.get(), "100");
    typeInto(w.get(), "Text1", "10");
    typeInto(w.get(), "Text3", "10\r");
    QCOMPARE(text(w.get(), "Label10"), QStringLiteral("h = i · L = 0,312 м"));
    QCOMPARE(toolTip(w.get(), "Label10"), QStringLiteral("потери давления  3055,93 Па"));

    // The find fails, the section still uses the slope of the last successful find.
    pasteInto(w.get(), "Text1", "");
    pasteInto(w.get(), "Text3", "20");
    click(w.get(), "Command3");
    QCOMPARE(takeMessages(), QStringList({flowZero}));
    QCOMPARE(text(w.get(), "Label10"), QStringLiteral("h = i · L = 0,623 м"));
    QCOMPARE(toolTip(w.get(), "Label10"), QStringLiteral("потери давления  6111,87 Па"));

    pasteInto(w.get(), "Text3", "1e306");
    click(w.get(), "Command3");
    QCOMPARE(takeMessages(), QStringList({flowZero, notComputable}));
    QCOMPARE(text(w.get(), "Label10"), QStringLiteral("h = i · L = 0,623 м"));

    typeInto(w.get(), "Text3", " ");
    QCOMPARE(text(w.get(), "Label10"), QString());
    QCOMPARE(toolTip(w.get(), "Label10"), QString());
    QCOMPARE(text(w.get(), "Text3"), QStringLiteral(" "));
}

void TestNominalSizeScreens::castIronClearButtons()
{
    auto w = openCastIron();
    findWith(w.get(), "100", "10");
    typeInto(w.get(), "Text3", "10\r");
    click(w.get(), "Command1");
    for (const char* name : {"Label3", "Label4", "Label7", "Text2", "Text1"})
        QCOMPARE(text(w.get(), name), QString());
    QCOMPARE(toolTip(w.get(), "Label4"), QString());
    QCOMPARE(toolTip(w.get(), "Text2"), QString());
    QCOMPARE(toolTip(w.get(), "Text1"), QStringLiteral("введите сюда значение расхода"));
    QCOMPARE(text(w.get(), "Label10"), QStringLiteral("h = i · L = 0,312 м"));
    QCOMPARE(toolTip(w.get(), "Label10"), QString());
    QCOMPARE(text(w.get(), "Label5"), QStringLiteral("100"));
    QCOMPARE(text(w.get(), "Label11"), QStringLiteral("d="));
    QCOMPARE(text(w.get(), "Text3"), QStringLiteral("10"));

    click(w.get(), "Command4");
    QCOMPARE(text(w.get(), "Label10"), QString());
    QCOMPARE(text(w.get(), "Text3"), QString());
}

void TestNominalSizeScreens::catalogChoice_data()
{
    QTest::addColumn<QString>("pressureClass");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("inner");
    QTest::addColumn<QString>("tip");

    QTest::newRow("ВТ12 type 1 250") << "Option6" << "Option1" << "250" << "228"
                                     << "условный проход d=250мм; труба ВТ12 тип1; внутренний диаметр dв=228мм";
    QTest::newRow("ВТ12 type 2 250") << "Option6" << "Option2" << "250" << "234"
                                     << "условный проход d=250мм; труба ВТ12 тип2; внутренний диаметр dв=234мм";
    QTest::newRow("ВТ6 type 1 100") << "Option4" << "Option1" << "100" << "104"
                                    << "условный проход d=100мм; труба ВТ6 тип1; внутренний диаметр dв=104мм";
    QTest::newRow("ВТ15 type 2 500") << "Option7" << "Option2" << "500" << "436"
                                     << "условный проход d=500мм; труба ВТ15 тип2; внутренний диаметр dв=436мм";
    QTest::newRow("ВТ9 type 3 300") << "Option5" << "Option3" << "300" << "279"
                                    << "условный проход d=300мм; труба ВТ9 тип3; внутренний диаметр dв=279мм";
}

void TestNominalSizeScreens::catalogChoice()
{
    QFETCH(QString, pressureClass);
    QFETCH(QString, type);
    QFETCH(QString, size);

    auto w = openAsbestosCement();
    click(w.get(), qPrintable(type));
    click(w.get(), qPrintable(pressureClass));
    choose(w.get(), "Combo1", size);
    QCOMPARE(text(w.get(), "Label3"), size);
    QTEST(text(w.get(), "Text2"), "inner");
    QTEST(toolTip(w.get(), "Frame3"), "tip");
}

void TestNominalSizeScreens::typeOptionsOfferTheirSizes()
{
    auto w = openAsbestosCement();
    click(w.get(), "Option3");
    QCOMPARE(items(w.get(), "Combo1"), QStringList({"200", "300"}));
    QVERIFY(!child<QWidget>(w.get(), "Option7")->isHidden());
    click(w.get(), "Option2");
    QCOMPARE(items(w.get(), "Combo1"), QStringList({"200", "250", "300", "350", "400", "500"}));
    QVERIFY(!child<QWidget>(w.get(), "Option7")->isHidden());
    click(w.get(), "Option1");
    QCOMPARE(items(w.get(), "Combo1").size(), 8);
    QVERIFY(child<QWidget>(w.get(), "Option7")->isHidden());
}

void TestNominalSizeScreens::hiddenVT15StaysChosen()
{
    auto w = openAsbestosCement();
    click(w.get(), "Option2");
    click(w.get(), "Option7");
    click(w.get(), "Option1");
    QVERIFY(child<QWidget>(w.get(), "Option7")->isHidden());
    QVERIFY(selected(w.get(), "Option7"));
    QCOMPARE(items(w.get(), "Combo1"), QStringList({"200", "250", "300", "350", "400", "500"}));
}

void TestNominalSizeScreens::pipeWithoutRowUsesItsSize()
{
    auto w = openAsbestosCement();
    click(w.get(), "Option3");
    click(w.get(), "Option7");
    choose(w.get(), "Combo1", "200");
    QCOMPARE(text(w.get(), "Text2"), QStringLiteral("0"));
    QCOMPARE(toolTip(w.get(), "Frame3"), QString());
    typeInto(w.get(), "Text1", "30\r");
    QCOMPARE(text(w.get(), "Text2"), QStringLiteral("200"));
    QCOMPARE(text(w.get(), "Label1"), QStringLiteral("0,955"));
    QCOMPARE(text(w.get(), "Label2"), QStringLiteral("4,655"));
    QCOMPARE(toolTip(w.get(), "Text2"), QString());
}

void TestNominalSizeScreens::classOptionClearsResults()
{
    auto w = openAsbestosCement();
    click(w.get(), "Option5");
    findWith(w.get(), "200", "30");
    click(w.get(), "Option6");
    for (const char* name : {"Text1", "Text2", "Label1", "Label2", "Label3", "Label7"})
        QCOMPARE(text(w.get(), name), QString());
    QCOMPARE(toolTip(w.get(), "Label2"), QString());
    QCOMPARE(toolTip(w.get(), "Frame3"), QString());
    QCOMPARE(toolTip(w.get(), "Text1"), QStringLiteral("Расход 30л/сек= 108м куб/ч"));
    QCOMPARE(items(w.get(), "Combo1").size(), 8);
    QCOMPARE(text(w.get(), "Combo1"), QStringLiteral("200"));
}

void TestNominalSizeScreens::asbestosCementTypedDiameter()
{
    auto w = openAsbestosCement();
    click(w.get(), "Option2");
    click(w.get(), "Option6");
    click(w.get(), "Check1");
    QVERIFY(child<QWidget>(w.get(), "Text2")->isEnabled());
    QVERIFY(!child<QWidget>(w.get(), "Frame1")->isEnabled());
    QVERIFY(!child<QWidget>(w.get(), "Frame2")->isEnabled());
    QVERIFY(items(w.get(), "Combo1").isEmpty());
    QCOMPARE(captionColour(w.get(), "Label9"), grey);
    QCOMPARE(captionColour(w.get(), "Label13"), grey);

    typeInto(w.get(), "Text2", "200");
    typeInto(w.get(), "Text1", "30\r");
    QCOMPARE(text(w.get(), "Label4"), QStringLiteral("dp="));
    QCOMPARE(text(w.get(), "Text2"), QStringLiteral("200"));
    QCOMPARE(text(w.get(), "Label1"), QStringLiteral("0,955"));
    QCOMPARE(text(w.get(), "Label7"), justified200);
    QCOMPARE(captionColour(w.get(), "Label7"), green);

    click(w.get(), "Check1");
    QVERIFY(selected(w.get(), "Option4"));
    QVERIFY(selected(w.get(), "Option1"));
    QVERIFY(selected(w.get(), "Option8"));
    QVERIFY(child<QWidget>(w.get(), "Option7")->isHidden());
    QVERIFY(child<QWidget>(w.get(), "Frame1")->isEnabled());
    QCOMPARE(items(w.get(), "Combo1").size(), 8);
    QCOMPARE(text(w.get(), "Text2"), QString());
    QVERIFY(!child<QWidget>(w.get(), "Text2")->isEnabled());
    QCOMPARE(captionColour(w.get(), "Label9"), darkBlue);
    QCOMPARE(captionColour(w.get(), "Label13"), black);
    // The class and type changed back, which clears the results.
    QCOMPARE(text(w.get(), "Label1"), QString());
}

void TestNominalSizeScreens::asbestosCementSectionAndClearButtons()
{
    auto w = openAsbestosCement();
    click(w.get(), "Command2");
    QCOMPARE(takeMessages(), QStringList({flowZero}));
    typeInto(w.get(), "Text1", "30\r");
    QCOMPARE(takeMessages(), QStringList({noSizeChosen}));

    click(w.get(), "Option5");
    choose(w.get(), "Combo1", "200");
    typeInto(w.get(), "Text1", "30");
    typeInto(w.get(), "Text3", "10\r");
    QCOMPARE(text(w.get(), "Label10"), QStringLiteral("h = i · L = 0,061 м"));
    QCOMPARE(toolTip(w.get(), "Label10"), QStringLiteral("потери давления  602,19 Па"));

    typeInto(w.get(), "Text1", " ");
    for (const char* name : {"Label1", "Label2", "Label3", "Label7", "Text2"})
        QCOMPARE(text(w.get(), name), QString());
    QCOMPARE(text(w.get(), "Text1"), QStringLiteral(" "));
    QCOMPARE(toolTip(w.get(), "Label2"), QString());
    QCOMPARE(toolTip(w.get(), "Frame3"), QString());
    QCOMPARE(toolTip(w.get(), "Text1"), QStringLiteral("Расход 30л/сек= 108м куб/ч"));
    QCOMPARE(toolTip(w.get(), "Text2"), QStringLiteral("условный проход d=200мм; труба ВТ9 тип1; внутренний диаметр dв=189мм"));
    QCOMPARE(text(w.get(), "Label10"), QStringLiteral("h = i · L = 0,061 м"));
    QCOMPARE(text(w.get(), "Label4"), QStringLiteral("d="));

    click(w.get(), "Command4");
    QCOMPARE(text(w.get(), "Label10"), QString());
    QCOMPARE(toolTip(w.get(), "Label10"), QString());
    QCOMPARE(text(w.get(), "Text3"), QString());
}

void TestNominalSizeScreens::tabOrder_data()
{
    QTest::addColumn<QStringList>("clicked");
    QTest::addColumn<QStringList>("visited");
    // Tab stops once in each option group, on its selected option.
    QTest::newRow("at open") << QStringList{}
                             << QStringList{"Combo1", "Check1", "Text1", "Option8", "fixturesButton", "Command2", "Command1", "Text3",
                                            "Command3", "Command4", "selectSizeButton", "Command5", "Option4", "Option1", "Combo1"};
    QTest::newRow("ВТ15 of type 2") << QStringList{"Option2", "Option7"}
                                    << QStringList{"Option7", "Option2", "Combo1", "Check1", "Text1", "Option8", "fixturesButton", "Command2",
                                                   "Command1", "Text3", "Command3", "Command4", "selectSizeButton", "Command5", "Option7"};
    QTest::newRow("typed diameter") << QStringList{"Check1"}
                                    << QStringList{"Check1", "Text1", "Option8", "fixturesButton", "Command2", "Command1", "Text3", "Command3",
                                                   "Command4", "selectSizeButton", "Command5", "Text2", "Check1"};
}

void TestNominalSizeScreens::tabOrder()
{
    QFETCH(QStringList, clicked);
    QFETCH(QStringList, visited);
    auto w = openAsbestosCement();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    for (const QString& control : clicked)
        click(w.get(), qPrintable(control));
    QStringList tabbed{QApplication::focusWidget()->objectName()};
    while (tabbed.size() < visited.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        tabbed << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(tabbed, visited);
}

UITEST_MAIN(TestNominalSizeScreens)
#include "tst_nominalsizescreens.moc"
