#include "calc/castiron_cement/frmtablII4.h"
#include "calc/registry/tables.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <memory>

using namespace uitest;

namespace {

const QColor green(0, 128, 0);
const QColor red(255, 0, 0);
const QColor grey(128, 128, 128);
const QColor black(0, 0, 0);

const QString flowZero = QStringLiteral("расход не должен равняться нулю!\r введите значение расхода");
const QString notComputable = QStringLiteral("расчет невозможен!\r проверьте введенные значения");
const QColor darkBlue(0, 0, 192);

const QString noSizeChosen = QStringLiteral(
    "диаметр не может равняться нулю!\r введите значение диаметра в мм\r(кликни по значению в выпадающем списке)");
const QString justified200 =
    QStringLiteral("Применение трубы с условным проходом 200мм при расходе 30л/сек =108м куб/ч экономически обосновано");

std::unique_ptr<frmtablII4> openScreen()
{
    auto screen = std::make_unique<frmtablII4>(calc::table(4));
    screen->show();
    return screen;
}

bool selected(QWidget* w, const char* option) { return child<QRadioButton>(w, option)->isChecked(); }

void findWith(QWidget* w, const QString& size, const QString& flow)
{
    choose(w, "Combo1", size);
    pasteInto(w, "Text1", flow);
    click(w, "Command2");
}

}  // namespace

class TestFrmtablII4 : public QObject {
    Q_OBJECT
private slots:
    void opensInLoadState();
    void workedExample();
    void catalogChoice_data();
    void catalogChoice();
    void typeOptionsOfferTheirSizes();
    void hiddenVT15StaysChosen();
    void pipeWithoutRowUsesItsSize();
    void classOptionClearsResults();
    void advice_data();
    void advice();
    void typedDiameter();
    void typedDecimalSizeIsReadBackWhole();
    void failedFindKeepsResults_data();
    void failedFindKeepsResults();
    void sectionAndClearButtons();
    void tabOrder_data();
    void tabOrder();
};

void TestFrmtablII4::opensInLoadState()
{
    auto w = openScreen();
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

void TestFrmtablII4::workedExample()
{
    auto w = openScreen();
    click(w.get(), "Option5");
    choose(w.get(), "Combo1", "200");
    QCOMPARE(text(w.get(), "Text2"), QStringLiteral("189"));
    QCOMPARE(toolTip(w.get(), "Frame3"), QStringLiteral("условный проход d=200мм; труба ВТ9 тип1; внутренний диаметр dв=189мм"));
    typeInto(w.get(), "Text1", "30\r");
    QCOMPARE(text(w.get(), "Label1"), QStringLiteral("1,069"));
    QCOMPARE(text(w.get(), "Label2"), QStringLiteral("6,141"));
    QCOMPARE(toolTip(w.get(), "Label2"), QStringLiteral("потери давления на 1м   60,22 Па/м"));
    QCOMPARE(toolTip(w.get(), "Text1"), QStringLiteral("Расход 30л/сек= 108м куб/ч"));
    QCOMPARE(toolTip(w.get(), "Text2"), QStringLiteral("условный проход d=200мм; труба ВТ9 тип1; внутренний диаметр dв=189мм"));
    QCOMPARE(text(w.get(), "Label3"), QStringLiteral("200"));
    QCOMPARE(text(w.get(), "Label4"), QStringLiteral("d="));
    QCOMPARE(text(w.get(), "Label7"), justified200);
    QCOMPARE(captionColour(w.get(), "Label7"), green);
    QVERIFY(takeMessages().isEmpty());
}

void TestFrmtablII4::catalogChoice_data()
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

void TestFrmtablII4::catalogChoice()
{
    QFETCH(QString, pressureClass);
    QFETCH(QString, type);
    QFETCH(QString, size);

    auto w = openScreen();
    click(w.get(), qPrintable(type));
    click(w.get(), qPrintable(pressureClass));
    choose(w.get(), "Combo1", size);
    QCOMPARE(text(w.get(), "Label3"), size);
    QTEST(text(w.get(), "Text2"), "inner");
    QTEST(toolTip(w.get(), "Frame3"), "tip");
}

void TestFrmtablII4::typeOptionsOfferTheirSizes()
{
    auto w = openScreen();
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

void TestFrmtablII4::hiddenVT15StaysChosen()
{
    auto w = openScreen();
    click(w.get(), "Option2");
    click(w.get(), "Option7");
    click(w.get(), "Option1");
    QVERIFY(child<QWidget>(w.get(), "Option7")->isHidden());
    QVERIFY(selected(w.get(), "Option7"));
    QCOMPARE(items(w.get(), "Combo1"), QStringList({"200", "250", "300", "350", "400", "500"}));
}

void TestFrmtablII4::pipeWithoutRowUsesItsSize()
{
    auto w = openScreen();
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

void TestFrmtablII4::classOptionClearsResults()
{
    auto w = openScreen();
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

void TestFrmtablII4::advice_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("advice");
    QTest::addColumn<QColor>("colour");

    const QString below = QStringLiteral("рекомендуется использовать трубу с условным проходом менее 100мм");
    // Each row follows the green advice for 200 mm at 30 l/s.
    QTest::newRow("below the range") << "200" << "4.99" << "При расходе 4,99л/сек =17,964м куб/ч " + below << red;
    QTest::newRow("lower bound of the range") << "200" << "5" << "При расходе 5л/сек =18м куб/ч " + below << red;
    QTest::newRow("band of 100, its size, just above") << "100" << "5.01" << " " << green;
    QTest::newRow("band of 100, its size, upper bound") << "100" << "10.2" << " " << green;
    QTest::newRow("band of 100, another size")
        << "150" << "10.2"
        << "При расходе 10,2л/сек =36,72м куб/ч рекомендуется использовать трубу с условным проходом 100мм" << red;
    QTest::newRow("just above a bound")
        << "150" << "10.21"
        << "Применение трубы с условным проходом 150мм при расходе 10,21л/сек =36,756м куб/ч экономически обосновано" << green;
    QTest::newRow("band of 100 recommends a larger size")
        << "100" << "30"
        << "При расходе 30л/сек =108м куб/ч рекомендуется использовать трубу с условным проходом 200мм" << red;
    QTest::newRow("last band, upper bound")
        << "500" << "689"
        << "Применение трубы с условным проходом 500мм при расходе 689л/сек =2480,4м куб/ч экономически обосновано" << green;
    QTest::newRow("above the range, whatever the size")
        << "500" << "700"
        << "Большая скорость! При расходе 700л/сек =2520м куб/ч  рекомендуется использовать трубу с диаметром более 500мм"
        << red;
}

void TestFrmtablII4::advice()
{
    QFETCH(QString, size);
    QFETCH(QString, flow);

    auto w = openScreen();
    findWith(w.get(), "200", "30");
    QCOMPARE(text(w.get(), "Label7"), justified200);
    QCOMPARE(captionColour(w.get(), "Label7"), green);
    findWith(w.get(), size, flow);
    QTEST(text(w.get(), "Label7"), "advice");
    QTEST(captionColour(w.get(), "Label7"), "colour");
    QVERIFY(takeMessages().isEmpty());
}

void TestFrmtablII4::typedDiameter()
{
    auto w = openScreen();
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

void TestFrmtablII4::typedDecimalSizeIsReadBackWhole()
{
    auto w = openScreen();
    click(w.get(), "Check1");
    typeInto(w.get(), "Text2", "200,5");
    typeInto(w.get(), "Text1", "30\r");
    QCOMPARE(text(w.get(), "Label3"), QStringLiteral("200,5"));
    click(w.get(), "Check1");
    pasteInto(w.get(), "Text1", "30");
    click(w.get(), "Command2");
    QCOMPARE(text(w.get(), "Label4"), QStringLiteral("d="));
    QCOMPARE(text(w.get(), "Label3"), QStringLiteral("200,5"));
    QCOMPARE(text(w.get(), "Text2"), QStringLiteral("200.5"));
    QCOMPARE(text(w.get(), "Label1"), QStringLiteral("0,95"));
    QCOMPARE(text(w.get(), "Label2"), QStringLiteral("4,599"));
    QVERIFY(takeMessages().isEmpty());
}

void TestFrmtablII4::failedFindKeepsResults_data()
{
    QTest::addColumn<QString>("flow");
    QTest::addColumn<bool>("typedDiameter");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("sizeCaption");

    QTest::newRow("empty flow") << "" << false << "" << flowZero << "d=";
    QTest::newRow("flow too large to compute") << "1e400" << false << "" << notComputable << "d=";
    QTest::newRow("zero typed diameter") << "30" << true << "0" << noSizeChosen << "dp=";
    QTest::newRow("typed diameter too large") << "30" << true << "1e300" << notComputable << "dp=";
}

void TestFrmtablII4::failedFindKeepsResults()
{
    QFETCH(QString, flow);
    QFETCH(bool, typedDiameter);
    QFETCH(QString, diameter);
    QFETCH(QString, message);

    auto w = openScreen();
    click(w.get(), "Option5");
    findWith(w.get(), "200", "30");
    if (typedDiameter) {
        click(w.get(), "Check1");
        pasteInto(w.get(), "Text2", diameter);
    }
    pasteInto(w.get(), "Text1", flow);
    click(w.get(), "Command2");
    QCOMPARE(takeMessages(), QStringList({message}));
    QTEST(text(w.get(), "Label4"), "sizeCaption");
    QCOMPARE(text(w.get(), "Label1"), QStringLiteral("1,069"));
    QCOMPARE(text(w.get(), "Label2"), QStringLiteral("6,141"));
    QCOMPARE(text(w.get(), "Label3"), QStringLiteral("200"));
    QCOMPARE(text(w.get(), "Label7"), justified200);
    QCOMPARE(toolTip(w.get(), "Label2"), QStringLiteral("потери давления на 1м   60,22 Па/м"));
}

void TestFrmtablII4::sectionAndClearButtons()
{
    auto w = openScreen();
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

void TestFrmtablII4::tabOrder_data()
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

// From the focus at open, or on the control clicked last, Tab goes round the window back to it.
void TestFrmtablII4::tabOrder()
{
    QFETCH(QStringList, clicked);
    QFETCH(QStringList, visited);
    auto w = openScreen();
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

UITEST_MAIN(TestFrmtablII4)
#include "tst_frmtablII4.moc"
