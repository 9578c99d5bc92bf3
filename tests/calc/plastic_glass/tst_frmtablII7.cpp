#include "calc/plastic_glass/frmtablII7.h"
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
const QString notComputableMessage = "расчет невозможен!\r проверьте введенные значения";
}  // namespace

class tst_frmtablII7 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void load();
    void findInnerDiameter_data();
    void findInnerDiameter();
    void sectionHeadLoss();
    void findErrorsKeepEarlierResults_data();
    void findErrorsKeepEarlierResults();
    void calculateAfterFailedFind();
    void mainClearKeepsFlowTooltipAndDiameter();
    void blankInFlowClears();
    void otherDiameter();
    void notComputableDiameter();

private:
    std::unique_ptr<frmtablII7> window;
    QWidget* w() { return window.get(); }
};

void tst_frmtablII7::init()
{
    window = std::make_unique<frmtablII7>(calc::table(7));
    window->show();
    takeMessages();
}

void tst_frmtablII7::cleanup() { window.reset(); }

void tst_frmtablII7::load()
{
    QCOMPARE(w()->windowTitle(), QString("для  стеклопластиковых труб СП 40-104-2001"));
    QCOMPARE(items(w(), "Combo1"), QStringList({"50", "60", "80", "90", "110", "150", "175", "200", "215", "265",
                                                "300", "315", "400"}));
    QCOMPARE(child<QComboBox>(w(), "Combo1")->currentIndex(), -1);
    QVERIFY(child<QRadioButton>(w(), "Option1")->isChecked());
    QVERIFY(!child<QCheckBox>(w(), "Check1")->isChecked());
    QVERIFY(!child<QWidget>(w(), "Text2")->isEnabled());
    QCOMPARE(text(w(), "Label6"), QString("d="));
    // Both diameter rows keep black captions.
    QCOMPARE(captionColour(w(), "Label11_0"), platform::paletteColour(platform::Black));
    QCOMPARE(captionColour(w(), "Label11_1"), platform::paletteColour(platform::Black));
    QCOMPARE(text(w(), "Command2"), QString("Найти значения"));
}

void tst_frmtablII7::findInnerDiameter_data()
{
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<bool>("cubicMetres");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("flowTip");
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<QString>("thousandI");
    QTest::addColumn<QString>("pressureTip");
    QTest::newRow("200 mm, 20 l/s") << "200" << false << "20" << "Расход 20л/сек= 72м куб/ч" << "0,637" << "2,403"
                                    << "потери давления на 1м   23,56 Па/м";
    QTest::newRow("200 mm, 72 m3/h") << "200" << true << "72" << "Расход 20л/сек= 72м куб/ч" << "0,637"
                                     << "2,403" << "потери давления на 1м   23,56 Па/м";
    // Twice the flow: 1000i grows by 2^1.774.
    QTest::newRow("200 mm, 40 l/s") << "200" << false << "40" << "Расход 40л/сек= 144м куб/ч" << "1,273"
                                    << "8,217" << "потери давления на 1м   80,58 Па/м";
    QTest::newRow("50 mm, 1,5 l/s") << "50" << false << "1,5" << "Расход 1,5л/сек= 5,4м куб/ч" << "0,764"
                                    << "18,166" << "потери давления на 1м   178,15 Па/м";
}

void tst_frmtablII7::findInnerDiameter()
{
    QFETCH(QString, diameter);
    QFETCH(bool, cubicMetres);
    QFETCH(QString, flow);
    QFETCH(QString, flowTip);
    QFETCH(QString, velocity);
    QFETCH(QString, thousandI);
    QFETCH(QString, pressureTip);
    choose(w(), "Combo1", diameter);
    QCOMPARE(text(w(), "Text2"), diameter);
    QCOMPARE(text(w(), "Label3"), diameter);
    if (cubicMetres)
        click(w(), "Option2");
    typeInto(w(), "Text1", flow + "\r");
    QCOMPARE(takeMessages(), QStringList());
    QCOMPARE(toolTip(w(), "Text1"), flowTip);
    QCOMPARE(text(w(), "Label1"), velocity);
    QCOMPARE(text(w(), "Label2"), thousandI);
    QCOMPARE(toolTip(w(), "Label2"), pressureTip);
    QCOMPARE(text(w(), "Label6"), QString("d="));
    QCOMPARE(text(w(), "Label7"), QString());
}

void tst_frmtablII7::sectionHeadLoss()
{
    choose(w(), "Combo1", "200");
    typeInto(w(), "Text1", "20");
    typeInto(w(), "Text3", "100\r");
    QCOMPARE(takeMessages(), QStringList());
    QCOMPARE(text(w(), "Label2"), QString("2,403"));
    QCOMPARE(text(w(), "Label10"), QString("h = i · L = 0,24 м"));
    QCOMPARE(toolTip(w(), "Label10"), QString("потери давления  2356,11 Па"));

    click(w(), "Command4");
    QCOMPARE(text(w(), "Text3"), QString());
    QCOMPARE(text(w(), "Label10"), QString());
    QCOMPARE(toolTip(w(), "Label10"), QString());
    QCOMPARE(text(w(), "Label2"), QString("2,403"));
}

void tst_frmtablII7::findErrorsKeepEarlierResults_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("empty flow") << false << "" << "" << flowZeroMessage << "d=";
    QTest::newRow("zero flow") << false << "0" << "" << flowZeroMessage << "d=";
    QTest::newRow("typed zero diameter") << true << "3" << "0" << diameterZeroMessage << "dp=";
    QTest::newRow("typed empty diameter") << true << "3" << "" << diameterZeroMessage << "dp=";
    QTest::newRow("typed negative diameter") << true << "3" << "-5" << diameterZeroMessage << "dp=";
}

void tst_frmtablII7::findErrorsKeepEarlierResults()
{
    QFETCH(bool, typed);
    QFETCH(QString, flow);
    QFETCH(QString, diameter);
    QFETCH(QString, message);
    QFETCH(QString, prefix);
    choose(w(), "Combo1", "200");
    typeInto(w(), "Text1", "20");
    typeInto(w(), "Text3", "100\r");
    if (typed) {
        click(w(), "Check1");  // runs the main clear, so the flow goes too
        QCOMPARE(text(w(), "Label2"), QString());
        pasteInto(w(), "Text2", "80");
        typeInto(w(), "Text1", "3\r");
        QCOMPARE(text(w(), "Label2"), QString("6,589"));
        typeInto(w(), "Text3", "100\r");
        pasteInto(w(), "Text2", diameter);
    }
    const QString velocity = text(w(), "Label1");
    const QString thousandI = text(w(), "Label2");
    const QString headLossTip = toolTip(w(), "Label10");
    QVERIFY(!headLossTip.isEmpty());
    takeMessages();

    pasteInto(w(), "Text1", flow);
    click(w(), "Command2");
    QCOMPARE(takeMessages(), QStringList{message});
    QCOMPARE(text(w(), "Label1"), velocity);
    QCOMPARE(text(w(), "Label2"), thousandI);
    // The section caption is emptied first, its tooltip stays.
    QCOMPARE(text(w(), "Label10"), QString());
    QCOMPARE(toolTip(w(), "Label10"), headLossTip);
    QCOMPARE(text(w(), "Label6"), prefix);
    QCOMPARE(text(w(), "Label3"), typed ? diameter : QString("200"));
}

void tst_frmtablII7::calculateAfterFailedFind()
{
    // No find has succeeded yet: the section reads 1000i as 0.
    typeInto(w(), "Text3", "50\r");
    QCOMPARE(takeMessages(), QStringList{flowZeroMessage});
    QCOMPARE(text(w(), "Label10"), QString("h = i · L = 0 м"));
    QCOMPARE(toolTip(w(), "Label10"), QString("потери давления  0 Па"));

    // A failed find does not stop the section: it uses the 1000i of the last successful find.
    choose(w(), "Combo1", "200");
    typeInto(w(), "Text1", "20\r");
    pasteInto(w(), "Text1", "");
    pasteInto(w(), "Text3", "10");
    click(w(), "Command3");
    QCOMPARE(takeMessages(), QStringList{flowZeroMessage});
    QCOMPARE(text(w(), "Label10"), QString("h = i · L = 0,024 м"));
    QCOMPARE(toolTip(w(), "Label10"), QString("потери давления  235,61 Па"));
}

void tst_frmtablII7::mainClearKeepsFlowTooltipAndDiameter()
{
    choose(w(), "Combo1", "150");
    typeInto(w(), "Text1", "10\r");
    typeInto(w(), "Text3", "20\r");
    click(w(), "Command1");
    for (const char* name : {"Text1", "Label1", "Label2", "Text3", "Label10", "Label3", "Label6"})
        QVERIFY2(text(w(), name).isEmpty(), name);
    QCOMPARE(toolTip(w(), "Label2"), QString());
    QCOMPARE(toolTip(w(), "Label10"), QString());
    QCOMPARE(toolTip(w(), "Text1"), QString("Расход 10л/сек= 36м куб/ч"));
    QCOMPARE(text(w(), "Text2"), QString("150"));
    QCOMPARE(text(w(), "Combo1"), QString("150"));
    // The diameter stays, so a new flow computes straight away.
    typeInto(w(), "Text1", "10\r");
    QCOMPARE(takeMessages(), QStringList());
    QCOMPARE(text(w(), "Label1"), QString("0,566"));
}

void tst_frmtablII7::blankInFlowClears()
{
    choose(w(), "Combo1", "200");
    typeInto(w(), "Text1", "20\r");
    typeInto(w(), "Text1", " ");
    QCOMPARE(text(w(), "Text1"), QString(" "));
    QCOMPARE(text(w(), "Label1"), QString());
    typeInto(w(), "Text1", "20\r");
    QCOMPARE(text(w(), "Label1"), QString("0,637"));
    typeInto(w(), "Text3", "100 ");
    QCOMPARE(text(w(), "Text3"), QString(" "));
    QCOMPARE(text(w(), "Label1"), QString("0,637"));
}

void tst_frmtablII7::otherDiameter()
{
    choose(w(), "Combo1", "200");
    typeInto(w(), "Text1", "20\r");
    click(w(), "Check1");
    // The main clear runs; the chosen diameter stays, now editable.
    QCOMPARE(text(w(), "Label1"), QString());
    QCOMPARE(text(w(), "Text1"), QString());
    QCOMPARE(text(w(), "Text2"), QString("200"));
    QVERIFY(child<QWidget>(w(), "Text2")->isEnabled());
    QVERIFY(!child<QWidget>(w(), "Combo1")->isEnabled());
    QCOMPARE(items(w(), "Combo1").size(), 13);
    QCOMPARE(child<QComboBox>(w(), "Combo1")->currentIndex(), -1);
    QCOMPARE(captionColour(w(), "Label11_1"), platform::paletteColour(platform::Black));

    pasteInto(w(), "Text2", "197.6");
    typeInto(w(), "Text1", "20\r");
    QCOMPARE(text(w(), "Label6"), QString("dp="));
    QCOMPARE(text(w(), "Label3"), QString("197.6"));
    QCOMPARE(toolTip(w(), "Label3"), QString("расчетный внутренний диаметр"));
    QCOMPARE(toolTip(w(), "Label6"), QString("расчетный внутренний диаметр"));
    QCOMPARE(text(w(), "Label1"), QString("0,652"));

    click(w(), "Check1");
    QCOMPARE(text(w(), "Label1"), QString());
    QCOMPARE(text(w(), "Text2"), QString("197.6"));
    QVERIFY(!child<QWidget>(w(), "Text2")->isEnabled());
    QVERIFY(child<QWidget>(w(), "Combo1")->isEnabled());
    QCOMPARE(child<QComboBox>(w(), "Combo1")->currentIndex(), -1);
    // Until a size is chosen the typed value is still the calculation diameter.
    typeInto(w(), "Text1", "20\r");
    QCOMPARE(text(w(), "Label6"), QString("d="));
    QCOMPARE(text(w(), "Label1"), QString("0,652"));
}

void tst_frmtablII7::notComputableDiameter()
{
    click(w(), "Check1");
    pasteInto(w(), "Text2", "200");
    typeInto(w(), "Text1", "20\r");
    // So wide a pipe leaves no velocity to raise to a negative power.
    pasteInto(w(), "Text2", "1e200");
    click(w(), "Command2");
    QCOMPARE(takeMessages(), QStringList{notComputableMessage});
    QCOMPARE(text(w(), "Label1"), QString("0,637"));
    QCOMPARE(text(w(), "Label2"), QString("2,403"));
    QCOMPARE(toolTip(w(), "Label2"), QString("потери давления на 1м   23,56 Па/м"));
}

UITEST_MAIN(tst_frmtablII7)
#include "tst_frmtablII7.moc"
