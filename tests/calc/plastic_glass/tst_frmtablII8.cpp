#include "calc/plastic_glass/frmtablII8.h"
#include "calc/registry/tables.h"
#include "platform/palette.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <memory>

using namespace uitest;

namespace {
// The input error texts, as the user reads them.
const QString flowZeroMessage = "расход не должен равняться нулю!\r введите значение расхода";
const QString diameterZeroMessage = "диаметр не может равняться нулю!\r введите значение диаметра в мм";
const QColor black = platform::paletteColour(platform::Black);
const QColor grey = platform::paletteColour(platform::Grey);
}  // namespace

class tst_frmtablII8 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void load();
    void find_data();
    void find();
    void choosingSizeEmptiesFlow();
    void mainClearKeepsFlowTooltipAndDiameter();
    void otherDiameterKeepsResults();
    void findWithTypedDiameter();

private:
    void checkColours(const QColor& catalogRows, const QColor& typedRow);
    std::unique_ptr<frmtablII8> window;
    QWidget* w() { return window.get(); }
};

void tst_frmtablII8::init()
{
    window = std::make_unique<frmtablII8>(calc::table(8));
    window->show();
    takeMessages();
}

void tst_frmtablII8::cleanup() { window.reset(); }

void tst_frmtablII8::checkColours(const QColor& catalogRows, const QColor& typedRow)
{
    QCOMPARE(captionColour(w(), "Label7"), catalogRows);
    QCOMPARE(captionColour(w(), "Label8"), catalogRows);
    QCOMPARE(captionColour(w(), "Label9"), typedRow);
    QCOMPARE(captionColour(w(), "Label11"), typedRow);
}

void tst_frmtablII8::load()
{
    QCOMPARE(w()->windowTitle(), QString("для стеклянных труб ГОСТ 8894-86"));
    QCOMPARE(items(w(), "Combo1"), QStringList({"45", "67", "93", "122", "169", "221"}));
    QCOMPARE(child<QComboBox>(w(), "Combo1")->currentIndex(), -1);
    QVERIFY(child<QRadioButton>(w(), "Option1")->isChecked());
    QVERIFY(!child<QWidget>(w(), "Text2")->isEnabled());
    QCOMPARE(text(w(), "Label6"), QString());
    QCOMPARE(text(w(), "Label17"), QString("ГОСТ 8894-86"));
    checkColours(black, grey);
}

void tst_frmtablII8::find_data()
{
    QTest::addColumn<QString>("outer");
    QTest::addColumn<QString>("inner");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<QString>("thousandI");
    QTest::addColumn<QString>("pressureTip");
    QTest::newRow("93 mm, 3 l/s") << "93" << "81" << "3" << "0,582" << "6,217" << "потери давления на 1м   60,97 Па/м";
    QTest::newRow("45 mm, 1 l/s") << "45" << "37" << "1" << "0,93" << "37,297" << "потери давления на 1м   365,76 Па/м";
    QTest::newRow("169 mm, 20 l/s") << "169" << "150" << "20" << "1,132" << "9,498"
                                    << "потери давления на 1м   93,14 Па/м";
    QTest::newRow("221 mm, 50 l/s") << "221" << "198" << "50" << "1,624" << "12,822"
                                    << "потери давления на 1м   125,74 Па/м";
}

void tst_frmtablII8::find()
{
    QFETCH(QString, outer);
    QFETCH(QString, inner);
    QFETCH(QString, flow);
    QFETCH(QString, velocity);
    QFETCH(QString, thousandI);
    QFETCH(QString, pressureTip);
    choose(w(), "Combo1", outer);
    QCOMPARE(text(w(), "Text2"), inner);
    QCOMPARE(text(w(), "Label3"), outer);
    typeInto(w(), "Text1", flow + "\r");
    QCOMPARE(takeMessages(), QStringList());
    QCOMPARE(text(w(), "Label6"), QString("d="));
    QCOMPARE(text(w(), "Label1"), velocity);
    QCOMPARE(text(w(), "Label2"), thousandI);
    QCOMPARE(toolTip(w(), "Label2"), pressureTip);
    QCOMPARE(text(w(), "Label15"), QString());
}

void tst_frmtablII8::choosingSizeEmptiesFlow()
{
    choose(w(), "Combo1", "93");
    typeInto(w(), "Text1", "3");
    typeInto(w(), "Text3", "25\r");
    QCOMPARE(text(w(), "Label10"), QString("h = i · L = 0,155 м"));
    QCOMPARE(toolTip(w(), "Label10"), QString("потери давления  1524,17 Па"));

    choose(w(), "Combo1", "122");
    for (const char* name : {"Text1", "Text3", "Label1", "Label2", "Label10", "Label6"})
        QVERIFY2(text(w(), name).isEmpty(), name);
    QCOMPARE(toolTip(w(), "Label10"), QString());
    QCOMPARE(text(w(), "Label3"), QString("122"));
    QCOMPARE(text(w(), "Text2"), QString("108"));
    click(w(), "Command2");
    QCOMPARE(takeMessages(), QStringList{flowZeroMessage});
}

void tst_frmtablII8::mainClearKeepsFlowTooltipAndDiameter()
{
    choose(w(), "Combo1", "93");
    typeInto(w(), "Text1", "3\r");
    typeInto(w(), "Text1", " ");
    QCOMPARE(text(w(), "Text1"), QString(" "));
    for (const char* name : {"Label1", "Label2", "Label3", "Label6"})
        QVERIFY2(text(w(), name).isEmpty(), name);
    QCOMPARE(toolTip(w(), "Label2"), QString());
    QCOMPARE(toolTip(w(), "Text1"), QString("Расход 3л/сек= 10,8м куб/ч"));
    QCOMPARE(text(w(), "Text2"), QString("81"));
    QCOMPARE(text(w(), "Combo1"), QString("93"));
}

void tst_frmtablII8::otherDiameterKeepsResults()
{
    choose(w(), "Combo1", "93");
    typeInto(w(), "Text1", "3\r");
    click(w(), "Check1");
    checkColours(grey, black);
    QCOMPARE(text(w(), "Text2"), QString());
    QVERIFY(child<QWidget>(w(), "Text2")->isEnabled());
    QCOMPARE(items(w(), "Combo1"), QStringList());
    QVERIFY(!child<QWidget>(w(), "Combo1")->isEnabled());
    QCOMPARE(text(w(), "Label1"), QString("0,582"));
    QCOMPARE(text(w(), "Text1"), QString("3"));

    pasteInto(w(), "Text2", "80");
    click(w(), "Check1");
    checkColours(black, grey);
    QCOMPARE(text(w(), "Text2"), QString());
    QVERIFY(!child<QWidget>(w(), "Text2")->isEnabled());
    QCOMPARE(items(w(), "Combo1").size(), 6);
    QCOMPARE(child<QComboBox>(w(), "Combo1")->currentIndex(), -1);
    QCOMPARE(text(w(), "Label1"), QString("0,582"));
    QCOMPARE(text(w(), "Label3"), QString("93"));
}

void tst_frmtablII8::findWithTypedDiameter()
{
    click(w(), "Check1");
    typeInto(w(), "Text2", "80");
    typeInto(w(), "Text1", "3\r");
    QCOMPARE(takeMessages(), QStringList());
    QCOMPARE(text(w(), "Label6"), QString("dp="));
    QCOMPARE(text(w(), "Label3"), QString("80"));
    QCOMPARE(toolTip(w(), "Label3"), QString("расчетный внутренний диаметр"));
    QCOMPARE(text(w(), "Label1"), QString("0,597"));
    QCOMPARE(text(w(), "Label2"), QString("6,597"));

    pasteInto(w(), "Text2", "");
    typeInto(w(), "Text1", "\r");
    QCOMPARE(takeMessages(), QStringList{diameterZeroMessage});
    QCOMPARE(text(w(), "Label3"), QString());
    QCOMPARE(text(w(), "Label2"), QString("6,597"));
}

UITEST_MAIN(tst_frmtablII8)
#include "tst_frmtablII8.moc"
