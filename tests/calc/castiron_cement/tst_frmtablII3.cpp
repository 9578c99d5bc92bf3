#include "calc/castiron_cement/frmtablII3.h"
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
const QString diameterZero = QStringLiteral("диаметр не может равняться нулю!\r введите значение диаметра в мм");

std::unique_ptr<frmtablII3> openScreen()
{
    auto screen = std::make_unique<frmtablII3>(calc::table(3));
    screen->show();
    return screen;
}

// Chooses a nominal size as a user would, switching the class first when needed.
void chooseSize(QWidget* w, const QString& size)
{
    click(w, size.toInt() > 300 ? "Option4" : "Option3");
    choose(w, "Combo1", size);
}

void findWith(QWidget* w, const QString& size, const QString& flow)
{
    chooseSize(w, size);
    pasteInto(w, "Text1", flow);
    click(w, "Command2");
}

const QString recommend125 =
    QStringLiteral("При расходе 10л/сек =36м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 125мм");

}  // namespace

class TestFrmtablII3 : public QObject {
    Q_OBJECT
private slots:
    void opensInLoadState();
    void results_data();
    void results();
    void advice_data();
    void advice();
    void typedDiameterMatchesNoSize();
    void typedDecimalSizeIsReadBackWhole();
    void classChangeKeepsChosenSize();
    void uncheckingOtherDiameterReloads();
    void failedFindKeepsResults_data();
    void failedFindKeepsResults();
    void sectionHeadLoss();
    void clearButtons();
};

void TestFrmtablII3::opensInLoadState()
{
    auto w = openScreen();
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

void TestFrmtablII3::results_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<bool>("newPipes");
    QTest::addColumn<bool>("cubicMetres");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<QString>("thousandI");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("diameterTip");
    QTest::addColumn<QString>("flowTip");

    QTest::newRow("100 non-new, first formula")
        << "100" << false << false << "10" << "1,224" << "31,162" << "потери давления на 1м   305,59 Па/м" << "102"
        << "условный проход d=100мм; внутренний диаметр dв=103мм; расчетный внутренний диаметр dр=102мм"
        << "Расход 10л/сек= 36м куб/ч";
    QTest::newRow("same flow in m3/h")
        << "100" << false << true << "36" << "1,224" << "31,162" << "потери давления на 1м   305,59 Па/м" << "102"
        << "условный проход d=100мм; внутренний диаметр dв=103мм; расчетный внутренний диаметр dр=102мм"
        << "Расход 10л/сек= 36м куб/ч";
    QTest::newRow("100 new") << "100" << true << false << "5" << "0,6" << "7,699" << "потери давления на 1м   75,5 Па/м"
                             << "103" << "условный проход d=100мм; внутренний диаметр dв=103мм; трубы новые"
                             << "Расход 5л/сек= 18м куб/ч";
    QTest::newRow("50 non-new, second formula")
        << "50" << false << false << "1" << "0,478" << "13,413" << "потери давления на 1м   131,54 Па/м" << "51.6"
        << "условный проход d=50мм; внутренний диаметр dв=52,6мм; расчетный внутренний диаметр dр=51,6мм"
        << "Расход 1л/сек= 3,6м куб/ч";
    QTest::newRow("250 keeps the written zero")
        << "250" << false << false << "50" << "0,995" << "6,5" << "потери давления на 1м   63,74 Па/м" << "253"
        << "условный проход d=250мм; внутренний диаметр dв=254,0мм; расчетный внутренний диаметр dр=253,0мм"
        << "Расход 50л/сек= 180м куб/ч";
    QTest::newRow("300 non-new") << "300" << false << false << "80" << "1,099" << "6,159"
                                 << "потери давления на 1м   60,4 Па/м" << "304.4"
                                 << "условный проход d=300мм; внутренний диаметр равен расчетному dв=dp=304,4мм"
                                 << "Расход 80л/сек= 288м куб/ч";
    QTest::newRow("300 new") << "300" << true << false << "80" << "1,099" << "5,656"
                             << "потери давления на 1м   55,47 Па/м" << "304.4"
                             << "условный проход d=300мм; внутренний диаметр dв=304,4мм; трубы новые"
                             << "Расход 80л/сек= 288м куб/ч";
}

void TestFrmtablII3::results()
{
    QFETCH(QString, size);
    QFETCH(bool, newPipes);
    QFETCH(bool, cubicMetres);
    QFETCH(QString, flow);

    auto w = openScreen();
    chooseSize(w.get(), size);
    click(w.get(), newPipes ? "Option2" : "Option1");
    click(w.get(), cubicMetres ? "Option6" : "Option5");
    typeInto(w.get(), "Text1", flow + "\r");

    QTEST(text(w.get(), "Label3"), "velocity");
    QTEST(text(w.get(), "Label4"), "thousandI");
    QTEST(toolTip(w.get(), "Label4"), "pressure");
    QTEST(text(w.get(), "Text2"), "diameter");
    QTEST(toolTip(w.get(), "Text2"), "diameterTip");
    QTEST(toolTip(w.get(), "Text1"), "flowTip");
    QCOMPARE(text(w.get(), "Label11"), QStringLiteral("d="));
    QCOMPARE(text(w.get(), "Label5"), size);
    QVERIFY(takeMessages().isEmpty());
}

void TestFrmtablII3::advice_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("advice");
    QTest::addColumn<QColor>("colour");

    // Each row follows a green advice for 125 mm at 10 l/s.
    QTest::newRow("band of 125, another size") << "100" << "10" << recommend125 << red;
    QTest::newRow("band of 125, its size")
        << "125" << "10"
        << "Применение трубы с условным проходом 125мм при расходе 10л/сек =36м куб/ч экономически обосновано." << green;
    QTest::newRow("lower bound belongs to the band")
        << "80" << "2.4"
        << "Применение трубы с условным проходом 80мм при расходе 2,4л/сек =8,64м куб/ч экономически обосновано." << green;
    QTest::newRow("lower bound, 50 chosen")
        << "50" << "2.4"
        << "При расходе 2,4л/сек =8,64м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 80мм" << red;
    QTest::newRow("just below a bound: band of 50") << "80" << "2.39" << "" << green;
    QTest::newRow("band of 50, its size") << "50" << "1" << "" << green;
    QTest::newRow("band of 50, another size") << "100" << "1" << "" << green;
    QTest::newRow("below every band") << "100" << "0.3" << "" << green;
    QTest::newRow("shared bound opens the upper band")
        << "80" << "5.9"
        << "При расходе 5,9л/сек =21,24м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 100мм" << red;
    QTest::newRow("300 is class ЛА")
        << "100" << "80"
        << "При расходе 80л/сек =288м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 300мм" << red;
    QTest::newRow("350 is class А")
        << "100" << "120"
        << "При расходе 120л/сек =432м куб/ч рекомендуется использовать трубу класса А, с условным проходом 350мм" << red;
    QTest::newRow("class А size in its band")
        << "600" << "400"
        << "Применение трубы с условным проходом 600мм при расходе 400л/сек =1440м куб/ч экономически обосновано." << green;
    QTest::newRow("last band") << "1200" << "3399"
                               << "Применение трубы с условным проходом 1200мм при расходе 3399л/сек =12236,4м куб/ч "
                                  "экономически обосновано."
                               << green;
    QTest::newRow("upper bound of the last band") << "1200" << "3400" << "" << green;
    QTest::newRow("above every band") << "1200" << "4000" << "" << green;
}

void TestFrmtablII3::advice()
{
    QFETCH(QString, size);
    QFETCH(QString, flow);

    auto w = openScreen();
    findWith(w.get(), "125", "10");
    QCOMPARE(captionColour(w.get(), "Label7"), green);
    findWith(w.get(), size, flow);
    QTEST(text(w.get(), "Label7"), "advice");
    QTEST(captionColour(w.get(), "Label7"), "colour");
    QVERIFY(takeMessages().isEmpty());
}

void TestFrmtablII3::typedDiameterMatchesNoSize()
{
    auto w = openScreen();
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

void TestFrmtablII3::typedDecimalSizeIsReadBackWhole()
{
    auto w = openScreen();
    click(w.get(), "Check1");
    typeInto(w.get(), "Text2", "51,6");
    typeInto(w.get(), "Text1", "2\r");
    QCOMPARE(text(w.get(), "Label5"), QStringLiteral("51,6"));
    QCOMPARE(text(w.get(), "Label3"), QStringLiteral("0,956"));

    click(w.get(), "Check1");
    click(w.get(), "Command2");
    QCOMPARE(text(w.get(), "Label11"), QStringLiteral("d="));
    QCOMPARE(text(w.get(), "Label5"), QStringLiteral("51,6"));
    QCOMPARE(text(w.get(), "Text2"), QStringLiteral("51.6"));
    QCOMPARE(text(w.get(), "Label3"), QStringLiteral("0,956"));
    QCOMPARE(text(w.get(), "Label4"), QStringLiteral("47,742"));
    QVERIFY(takeMessages().isEmpty());
}

void TestFrmtablII3::classChangeKeepsChosenSize()
{
    auto w = openScreen();
    choose(w.get(), "Combo1", "100");
    click(w.get(), "Option4");
    QCOMPARE(text(w.get(), "Combo1"), QString());
    QCOMPARE(items(w.get(), "Combo1").first(), QStringLiteral("350"));
    typeInto(w.get(), "Text1", "10\r");
    QCOMPARE(text(w.get(), "Label5"), QStringLiteral("100"));
    QCOMPARE(text(w.get(), "Text2"), QStringLiteral("102"));
    QCOMPARE(text(w.get(), "Label3"), QStringLiteral("1,224"));
}

void TestFrmtablII3::uncheckingOtherDiameterReloads()
{
    auto w = openScreen();
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

void TestFrmtablII3::failedFindKeepsResults_data()
{
    QTest::addColumn<QString>("flow");
    QTest::addColumn<bool>("typedDiameter");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("sizeCaption");

    QTest::newRow("empty flow") << "" << false << "" << flowZero << "d=";
    QTest::newRow("zero flow") << "0" << false << "" << flowZero << "d=";
    QTest::newRow("flow too large to compute") << "1e400" << false << "" << notComputable << "d=";
    QTest::newRow("empty typed diameter") << "10" << true << "" << diameterZero << "dp=";
    QTest::newRow("typed diameter too large") << "10" << true << "1e300" << notComputable << "dp=";
}

void TestFrmtablII3::failedFindKeepsResults()
{
    QFETCH(QString, flow);
    QFETCH(bool, typedDiameter);
    QFETCH(QString, diameter);
    QFETCH(QString, message);

    auto w = openScreen();
    findWith(w.get(), "100", "10");
    if (typedDiameter) {
        click(w.get(), "Check1");
        pasteInto(w.get(), "Text2", diameter);
    }
    pasteInto(w.get(), "Text1", flow);
    click(w.get(), "Command2");
    QCOMPARE(takeMessages(), QStringList({message}));
    QTEST(text(w.get(), "Label11"), "sizeCaption");
    QCOMPARE(text(w.get(), "Label3"), QStringLiteral("1,224"));
    QCOMPARE(text(w.get(), "Label4"), QStringLiteral("31,162"));
    QCOMPARE(toolTip(w.get(), "Label4"), QStringLiteral("потери давления на 1м   305,59 Па/м"));
    QCOMPARE(text(w.get(), "Label5"), QStringLiteral("100"));
    QCOMPARE(text(w.get(), "Label7"), recommend125);
    QCOMPARE(toolTip(w.get(), "Text1"), QStringLiteral("Расход 10л/сек= 36м куб/ч"));
}

void TestFrmtablII3::sectionHeadLoss()
{
    auto w = openScreen();
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

void TestFrmtablII3::clearButtons()
{
    auto w = openScreen();
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

UITEST_MAIN(TestFrmtablII3)
#include "tst_frmtablII3.moc"
