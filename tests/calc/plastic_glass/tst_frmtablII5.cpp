#include "calc/plastic_glass/frmtablII5.h"
#include "calc/plastic_glass/plasticrecords.h"
#include "calc/screen/showncalculation.h"
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
const QColor black = platform::paletteColour(platform::Black);
const QColor green = platform::paletteColour(platform::Green);
const QColor grey = platform::paletteColour(platform::Grey);
const QColor red = platform::paletteColour(platform::LightRed);
const QString fast = "Большая скорость! Рекомендуется применить трубу большего диаметра";
}  // namespace

class tst_frmtablII5 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void load();
    void materialSelection_data();
    void materialSelection();
    void innerDiameterOfChosenSize_data();
    void innerDiameterOfChosenSize();
    void workedExample();
    void justifiedAdviceAndItsColour();
    void velocityWarning();
    void seriesChangeKeepsOldPipe();
    void materialChangeEmptiesDiameter();
    void typedDiameter_data();
    void typedDiameter();
    void leavingTypedModeReturnsToPE32();
    void mainClearKeepsSection();
    void calculateBeforeAnyFind();
    void notComputable_data();
    void notComputable();
    void sectionNotComputable();
    void tabOrder_data();
    void tabOrder();

private:
    QRadioButton* option(const char* name) { return child<QRadioButton>(w(), name); }
    QStringList enabledSeries();
    std::unique_ptr<frmtablII5> window;
    QWidget* w() { return window.get(); }
};

void tst_frmtablII5::init()
{
    window = std::make_unique<frmtablII5>(calc::polyethyleneRecord());
    window->show();
    takeMessages();
}

void tst_frmtablII5::cleanup() { window.reset(); }

QStringList tst_frmtablII5::enabledSeries()
{
    QStringList names;
    for (int k = 5; k <= 13; ++k) {
        const QByteArray name = "Option" + QByteArray::number(k);
        if (option(name.constData())->isEnabled())
            names << name;
    }
    return names;
}

void tst_frmtablII5::load()
{
    QCOMPARE(w()->windowTitle(), QString(" для пластмассовых труб (ГОСТ 18599-2001)"));
    QStringList captions;
    for (int k = 1; k <= 15; ++k)
        captions << text(w(), ("Option" + QByteArray::number(k)).constData());
    QCOMPARE(captions, QStringList({"ПЭ32 (MRS3,2)", "ПЭ63 (MRS6,3)", "ПЭ80 (MRS8,0)", "ПЭ100 (MRS10,0)",
                                    "SDR41  (S20)", "SDR26  (S12,5)", "SDR21 (S10)", "SDR17,6  (S8,3)", "SDR17 (S8)",
                                    "SDR13,6 (S6,3) ", "SDR11 (S5)", "SDR9 (S4)", "SDR6 (S2,5)", "л/сек",
                                    "м куб/ч"}));
    QCOMPARE(text(w(), "Command2"), QString("Найти   значения"));
    QVERIFY(option("Option1")->isChecked());
    QVERIFY(option("Option7")->isChecked());
    QVERIFY(option("Option14")->isChecked());
    QCOMPARE(enabledSeries(), QStringList({"Option7", "Option10", "Option12", "Option13"}));
    QCOMPARE(items(w(), "Combo1"), QStringList({"32", "40", "50", "63", "75", "90", "110", "125", "140", "160"}));
    QCOMPARE(child<QComboBox>(w(), "Combo1")->currentIndex(), -1);
    QVERIFY(!child<QCheckBox>(w(), "Check1")->isChecked());
    QVERIFY(!child<QWidget>(w(), "Text2")->isEnabled());
    QCOMPARE(captionColour(w(), "Label5"), grey);
    QCOMPARE(captionColour(w(), "Label2"), black);
    QCOMPARE(text(w(), "Label8"), QString());
}

void tst_frmtablII5::materialSelection_data()
{
    QTest::addColumn<QString>("material");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("count");
    QTest::newRow("ПЭ63") << "Option2" << "Option5" << QStringList{"Option5", "Option6", "Option8", "Option11"} << "63"
                          << 23;
    QTest::newRow("ПЭ80") << "Option3" << "Option6"
                          << QStringList{"Option6", "Option7", "Option8", "Option9", "Option10", "Option11", "Option12"}
                          << "50" << 24;
    QTest::newRow("ПЭ100") << "Option4" << "Option9" << QStringList{"Option9", "Option10", "Option11"} << "50" << 23;
}

void tst_frmtablII5::materialSelection()
{
    QFETCH(QString, material);
    QFETCH(QString, series);
    QFETCH(QStringList, enabled);
    QFETCH(QString, first);
    QFETCH(int, count);
    click(w(), "Option13");
    click(w(), material.toLatin1().constData());
    QVERIFY(option(series.toLatin1().constData())->isChecked());
    QVERIFY(!option("Option13")->isChecked());
    QCOMPARE(enabledSeries(), enabled);
    const QStringList list = items(w(), "Combo1");
    QCOMPARE(list.size(), count);
    QCOMPARE(list.first(), first);
    QCOMPARE(child<QComboBox>(w(), "Combo1")->currentIndex(), -1);

    click(w(), "Option1");
    QVERIFY(option("Option7")->isChecked());
    QCOMPARE(enabledSeries(), QStringList({"Option7", "Option10", "Option12", "Option13"}));
    QCOMPARE(items(w(), "Combo1").size(), 10);
}

void tst_frmtablII5::innerDiameterOfChosenSize_data()
{
    QTest::addColumn<QString>("material");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("inner");
    QTest::newRow("ПЭ100 SDR17 110") << "Option4" << "Option9" << "110" << "96.8";
    QTest::newRow("ПЭ80 SDR13,6 355") << "Option3" << "Option10" << "355" << "302.8";
    QTest::newRow("ПЭ100 SDR13,6 355") << "Option4" << "Option10" << "355" << "302.8";
    QTest::newRow("ПЭ63 SDR41 63") << "Option2" << "Option5" << "63" << "59";
    QTest::newRow("ПЭ32 SDR6 10") << "Option1" << "Option13" << "10" << "6";
    QTest::newRow("ПЭ63 SDR26 1200") << "Option2" << "Option6" << "1200" << "1108.2";
}

void tst_frmtablII5::innerDiameterOfChosenSize()
{
    QFETCH(QString, material);
    QFETCH(QString, series);
    QFETCH(QString, size);
    QFETCH(QString, inner);
    click(w(), material.toLatin1().constData());
    click(w(), series.toLatin1().constData());
    choose(w(), "Combo1", size);
    QCOMPARE(text(w(), "Text2"), inner);
    QCOMPARE(text(w(), "Label1"), size);
    QCOMPARE(text(w(), "Label7"), QString("d="));
    QCOMPARE(toolTip(w(), "Label1"), QString("условный проход"));
    QCOMPARE(toolTip(w(), "Label7"), QString("условный проход"));
}

void tst_frmtablII5::workedExample()
{
    click(w(), "Option4");
    choose(w(), "Combo1", "110");
    typeInto(w(), "Text1", "5\r");
    QCOMPARE(takeMessages(), QStringList());
    QCOMPARE(toolTip(w(), "Text1"), QString("Расход 5л/сек= 18м куб/ч"));
    QCOMPARE(text(w(), "Label3"), QString("0,679"));
    QCOMPARE(text(w(), "Label4"), QString("6,042"));
    QCOMPARE(toolTip(w(), "Label4"), QString("потери давления на 1м   59,26 Па/м"));
    QCOMPARE(text(w(), "Label8"),
             QString("При расходе 5л/сек =18м куб/ч рекомендуется использовать трубу диаметром 90мм"));
    QCOMPARE(captionColour(w(), "Label8"), red);

    typeInto(w(), "Text3", "100\r");
    QCOMPARE(text(w(), "Label10"), QString("h = i · L = 0,604 м"));
    QCOMPARE(toolTip(w(), "Label10"), QString("потери давления  5925,51 Па"));

    // The same flow in м куб/ч gives the same advice.
    click(w(), "Option15");
    pasteInto(w(), "Text1", "18");
    click(w(), "Command2");
    QCOMPARE(text(w(), "Label3"), QString("0,679"));
    QCOMPARE(text(w(), "Label8"),
             QString("При расходе 5л/сек =18м куб/ч рекомендуется использовать трубу диаметром 90мм"));
    QCOMPARE(text(w(), "Label10"), QString());
    QCOMPARE(toolTip(w(), "Label10"), QString("потери давления  5925,51 Па"));
}

void tst_frmtablII5::justifiedAdviceAndItsColour()
{
    click(w(), "Option4");
    choose(w(), "Combo1", "90");
    QCOMPARE(text(w(), "Text2"), QString("79.2"));
    typeInto(w(), "Text1", "4\r");
    QCOMPARE(text(w(), "Label8"),
             QString("Применение трубы диаметром 90мм при расходе 4л/сек =14,4м куб/ч экономически обосновано"));
    QCOMPARE(captionColour(w(), "Label8"), green);

    // Above every band at a low velocity the advice is emptied and keeps its colour.
    click(w(), "Option2");
    click(w(), "Option5");
    choose(w(), "Combo1", "1000");
    pasteInto(w(), "Text1", "900");
    click(w(), "Command2");
    QCOMPARE(text(w(), "Label3"), QString("1,267"));
    QCOMPARE(text(w(), "Label8"), QString());
    QCOMPARE(captionColour(w(), "Label8"), green);
}

void tst_frmtablII5::velocityWarning()
{
    click(w(), "Option13");
    choose(w(), "Combo1", "10");
    typeInto(w(), "Text1", "0.5\r");
    QCOMPARE(text(w(), "Label3"), QString("17,684"));
    QCOMPARE(text(w(), "Label8"), fast);
    QCOMPARE(captionColour(w(), "Label8"), red);
}

void tst_frmtablII5::seriesChangeKeepsOldPipe()
{
    click(w(), "Option4");
    choose(w(), "Combo1", "110");
    click(w(), "Option11");
    QCOMPARE(child<QComboBox>(w(), "Combo1")->currentIndex(), -1);
    QCOMPARE(items(w(), "Combo1").size(), 21);
    QCOMPARE(text(w(), "Text2"), QString("96.8"));
    typeInto(w(), "Text1", "5\r");
    QCOMPARE(takeMessages(), QStringList());
    QCOMPARE(text(w(), "Label1"), QString("110"));
    QCOMPARE(text(w(), "Label4"), QString("6,042"));
}

void tst_frmtablII5::materialChangeEmptiesDiameter()
{
    choose(w(), "Combo1", "63");
    typeInto(w(), "Text1", "1.5\r");
    const QString advice = text(w(), "Label8");
    QCOMPARE(advice, QString("Применение трубы диаметром 63мм при расходе 1,5л/сек =5,4м куб/ч   экономически обосновано"));
    click(w(), "Option3");
    QCOMPARE(text(w(), "Text2"), QString());
    QCOMPARE(text(w(), "Label1"), QString("63"));
    typeInto(w(), "Text1", "\r");
    QCOMPARE(takeMessages(), QStringList{diameterZeroMessage});
    QCOMPARE(text(w(), "Label8"), advice);
    // The material changed after the find: the advice is greyed with the other figures.
    QVERIFY(child<calc::ShownCalculation>(w(), "shownCalculation")->figuresGreyed());
}

void tst_frmtablII5::typedDiameter_data()
{
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<QString>("advice");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("typed 63 is the 63 mm pipe")
        << "63" << "0,481" << "Применение трубы диаметром 63мм при расходе 1,5л/сек =5,4м куб/ч   экономически обосновано"
        << green;
    QTest::newRow("typed 60 is no pipe of the table")
        << "60" << "0,531" << "При расходе 1,5л/сек =5,4м куб/ч рекомендуется использовать трубу диаметром 63мм" << red;
}

void tst_frmtablII5::typedDiameter()
{
    QFETCH(QString, diameter);
    QFETCH(QString, velocity);
    QFETCH(QString, advice);
    QFETCH(QColor, colour);
    click(w(), "Option3");
    choose(w(), "Combo1", "110");
    typeInto(w(), "Text1", "5\r");
    click(w(), "Check1");
    for (const char* name : {"Label8", "Label1", "Label7", "Text1", "Text2", "Label3", "Label4"})
        QVERIFY2(text(w(), name).isEmpty(), name);
    QCOMPARE(items(w(), "Combo1"), QStringList());
    QVERIFY(!child<QWidget>(w(), "Combo1")->isEnabled());
    QVERIFY(child<QWidget>(w(), "Text2")->isEnabled());
    QVERIFY(!child<QWidget>(w(), "Frame2")->isEnabled());
    QVERIFY(!child<QWidget>(w(), "Frame3")->isEnabled());
    QCOMPARE(enabledSeries(), QStringList());
    QCOMPARE(captionColour(w(), "Label2"), grey);
    QCOMPARE(captionColour(w(), "Label5"), black);

    typeInto(w(), "Text2", diameter);
    typeInto(w(), "Text1", "1.5\r");
    QCOMPARE(takeMessages(), QStringList());
    QCOMPARE(text(w(), "Label7"), QString("dp="));
    QCOMPARE(text(w(), "Label1"), diameter);
    QCOMPARE(toolTip(w(), "Label1"), QString("расчетный внутренний диаметр"));
    QCOMPARE(toolTip(w(), "Label7"), QString("расчетный внутренний диаметр"));
    QCOMPARE(text(w(), "Label3"), velocity);
    QCOMPARE(text(w(), "Label8"), advice);
    QCOMPARE(captionColour(w(), "Label8"), colour);
}

void tst_frmtablII5::leavingTypedModeReturnsToPE32()
{
    click(w(), "Option3");
    click(w(), "Option12");
    click(w(), "Check1");
    typeInto(w(), "Text2", "80");
    typeInto(w(), "Text1", "3\r");
    click(w(), "Check1");
    QVERIFY(option("Option1")->isChecked());
    QVERIFY(option("Option7")->isChecked());
    QVERIFY(child<QWidget>(w(), "Frame2")->isEnabled());
    QVERIFY(child<QWidget>(w(), "Frame3")->isEnabled());
    for (const char* name : {"Option1", "Option2", "Option3", "Option4"})
        QVERIFY2(option(name)->isEnabled(), name);
    QCOMPARE(enabledSeries(), QStringList({"Option7", "Option10", "Option12", "Option13"}));
    QCOMPARE(items(w(), "Combo1").size(), 10);
    QCOMPARE(child<QComboBox>(w(), "Combo1")->currentIndex(), -1);
    QVERIFY(child<QWidget>(w(), "Combo1")->isEnabled());
    QVERIFY(!child<QWidget>(w(), "Text2")->isEnabled());
    for (const char* name : {"Label8", "Label1", "Label7", "Text1", "Text2", "Label3", "Label4"})
        QVERIFY2(text(w(), name).isEmpty(), name);
    QCOMPARE(captionColour(w(), "Label2"), black);
    QCOMPARE(captionColour(w(), "Label5"), grey);
}

void tst_frmtablII5::mainClearKeepsSection()
{
    choose(w(), "Combo1", "110");
    typeInto(w(), "Text1", "5");
    typeInto(w(), "Text3", "100\r");
    const QString section = text(w(), "Label10");
    QCOMPARE(section, QString("h = i · L = 0,532 м"));
    typeInto(w(), "Text1", " ");
    for (const char* name : {"Label8", "Label1", "Label7", "Text2", "Label3", "Label4"})
        QVERIFY2(text(w(), name).isEmpty(), name);
    QCOMPARE(text(w(), "Text1"), QString(" "));
    QCOMPARE(toolTip(w(), "Text1"), QString());
    QCOMPARE(toolTip(w(), "Label4"), QString());
    QCOMPARE(text(w(), "Text3"), QString("100"));
    QCOMPARE(text(w(), "Label10"), section);
    QCOMPARE(text(w(), "Combo1"), QString("110"));
    // The last 1000i still serves the section.
    click(w(), "Command3");
    QCOMPARE(takeMessages(), QStringList{flowZeroMessage});
    QCOMPARE(text(w(), "Label10"), section);

    typeInto(w(), "Text3", " ");
    QCOMPARE(text(w(), "Text3"), QString(" "));
    QCOMPARE(text(w(), "Label10"), QString());
    QCOMPARE(toolTip(w(), "Label10"), QString());
}

void tst_frmtablII5::calculateBeforeAnyFind()
{
    typeInto(w(), "Text3", "100\r");
    QCOMPARE(takeMessages(), QStringList{flowZeroMessage});
    QCOMPARE(text(w(), "Label10"), QString("h = i · L = 0 м"));
    QCOMPARE(toolTip(w(), "Label10"), QString("потери давления  0 Па"));
}

void tst_frmtablII5::notComputable_data()
{
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("diameter");
    QTest::newRow("vanishing diameter") << "5" << "1e-200";
    QTest::newRow("enormous flow") << "1e306" << "96.8";
    QTest::newRow("flow beyond a double") << "1e400" << "96.8";
}

void tst_frmtablII5::notComputable()
{
    QFETCH(QString, flow);
    QFETCH(QString, diameter);
    click(w(), "Check1");
    typeInto(w(), "Text2", "96.8");
    typeInto(w(), "Text1", "5\r");
    typeInto(w(), "Text3", "100\r");
    QCOMPARE(text(w(), "Label4"), QString("6,042"));
    takeMessages();

    pasteInto(w(), "Text2", diameter);
    pasteInto(w(), "Text1", flow);
    click(w(), "Command3");
    QCOMPARE(takeMessages(), QStringList{notComputableMessage});
    QCOMPARE(text(w(), "Label3"), QString("0,679"));
    QCOMPARE(text(w(), "Label4"), QString("6,042"));
    QCOMPARE(toolTip(w(), "Label4"), QString("потери давления на 1м   59,26 Па/м"));
    QCOMPARE(text(w(), "Label8"),
             QString("При расходе 5л/сек =18м куб/ч рекомендуется использовать трубу диаметром 90мм"));
    QCOMPARE(text(w(), "Label10"), QString("h = i · L = 0,604 м"));
}

void tst_frmtablII5::sectionNotComputable()
{
    choose(w(), "Combo1", "110");
    typeInto(w(), "Text1", "5");
    typeInto(w(), "Text3", "100\r");
    pasteInto(w(), "Text3", "1e307");
    click(w(), "Command3");
    QCOMPARE(takeMessages(), QStringList{notComputableMessage});
    // The find ran first and emptied the caption; the last tooltip stays.
    QCOMPARE(text(w(), "Label10"), QString());
    QCOMPARE(toolTip(w(), "Label10"), QString("потери давления  5221,22 Па"));
}

void tst_frmtablII5::tabOrder_data()
{
    QTest::addColumn<bool>("typedDiameter");
    QTest::addColumn<QStringList>("visited");
    // Tab visits the checked option of a group and skips disabled controls; the chain closes
    // where it started.
    QTest::newRow("catalog, from the first focus")
        << false
        << QStringList{"Combo1",   "Check1",   "Text1",    "Option14", "fixturesButton", "Command2", "Command1", "Text3",
                       "Command3", "Command4", "selectSizeButton", "Command5", "Option1",  "Option7",  "Combo1"};
    QTest::newRow("typed diameter, from the box")
        << true
        << QStringList{"Check1",   "Text1",    "Option14", "fixturesButton", "Command2", "Command1", "Text3",
                       "Command3", "Command4", "selectSizeButton", "Command5", "Text2",    "Check1"};
}

void tst_frmtablII5::tabOrder()
{
    QFETCH(bool, typedDiameter);
    QFETCH(QStringList, visited);
    w()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w()));
    if (typedDiameter)
        click(w(), "Check1");
    QStringList names;
    for (qsizetype k = 0; k < visited.size(); ++k) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        names << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(names, visited);
}

UITEST_MAIN(tst_frmtablII5)
#include "tst_frmtablII5.moc"
