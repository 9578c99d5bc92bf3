#include "calc/building/frmtablII9.h"
#include "calc/building/buildingrecords.h"
#include "tests/calc/building/documentlink.h"
#include "tests/common/uitest.h"


#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

using namespace uitest;

namespace {
const QColor black(0, 0, 0);
const QColor grey(128, 128, 128);
const QColor red(255, 0, 0);
const QString diameterMessage = QStringLiteral("диаметр не может равняться нулю!\rВведите значение диаметра в мм");
const QString wallMessage =
    QStringLiteral("Диаметр выбрали,\rа как на счет толщины стенки?\rВыберите пожалуйста толщину стенки, мм");
const QString flowMessage = QStringLiteral("расход не должен равняться нулю!\r введите значение расхода");
const QString lengthMessage = QStringLiteral("Длина участка не может равняться нулю\r введите значение длины участка в м");
const QString hotWaterMessage = QStringLiteral(
    "Вы не ввели температуру!\rДля систем горячего водоснабжения\rрекомендуется t=60°С\rВведите значение температуры, в °С");
const QString heatingMessage = QStringLiteral("Вы не ввели температуру\rтеплоносителя\rВведите значение температуры, в °С");
const QString viscosityMessage =
    QStringLiteral("Вы не ввели значение коэффициента\rкинематической вязкости теплоностеля");
const QString densityMessage = QStringLiteral("Вы не ввели значение \rплотности теплоностеля!");
const QString notComputable = QStringLiteral("расчет невозможен!\r проверьте введенные значения");
}  // namespace

class FrmtablII9Test : public QObject {
    Q_OBJECT
private:
    QPointer<frmtablII9> w;

    bool enabled(const char* name) const { return child<QWidget>(w, name)->isEnabled(); }
    bool visible(const char* name) const { return child<QWidget>(w, name)->isVisible(); }
    bool ticked(const char* name) const { return child<QCheckBox>(w, name)->isChecked(); }

    // "другой", a typed inner diameter, a flow in л/сек and a length.
    void typeSection(const QString& diameter, const QString& flow, const QString& length)
    {
        click(w, "Check13");
        typeInto(w, "Text2", diameter);
        typeInto(w, "Text1", flow);
        typeInto(w, "Text16", length);
    }
    void tickFitting(const char* box, const char* count, const QString& n)
    {
        click(w, box);
        child<QLineEdit>(w, count)->clear();
        typeInto(w, count, n);
    }

private slots:
    void init()
    {
        w = new frmtablII9(calc::building::copperRecord());
        w->show();
        takeMessages();
    }
    void cleanup() { delete w; }

    void loadState()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("для медных труб СП40-108-2004"));
        QVERIFY(child<QAbstractButton>(w, "Option1")->isChecked());
        QVERIFY(child<QAbstractButton>(w, "Option5")->isChecked());
        QVERIFY(child<QAbstractButton>(w, "Option7")->isChecked());
        QVERIFY(!enabled("Frame4"));
        QVERIFY(!enabled("Frame5"));
        QVERIFY(!enabled("Text2"));
        QVERIFY(!enabled("Text4"));
        QVERIFY(!enabled("Text15"));
        QVERIFY(!enabled("Text17"));
        QCOMPARE(text(w, "Text4"), QStringLiteral("1"));
        QVERIFY(!visible("Label10"));
        QVERIFY(!visible("Label11"));
        QCOMPARE(captionColour(w, "Label15"), grey);
        QCOMPARE(captionColour(w, "Label5_0"), black);
        QCOMPARE(captionColour(w, "Label14_3"), grey);
        QCOMPARE(captionColour(w, "Label13_0"), grey);
        QCOMPARE(captionColour(w, "Label10"), QColor(0, 64, 0));
        QCOMPARE(items(w, "Combo1").size(), 20);
        QCOMPARE(child<QComboBox>(w, "Combo1")->currentIndex(), -1);
        QCOMPARE(items(w, "Combo3"), QStringList({"50", "60", "70", "80", "90"}));
        QCOMPARE(text(w, "Check12"), QStringLiteral("калач"));
        QCOMPARE(text(w, "Check7"), QStringLiteral("крестовина  на ответвление"));
        QCOMPARE(toolTip(w, "Label21"), QStringLiteral("Кликни для просмотра этого нормативного документа "));
    }

    void catalog_data()
    {
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QString>("wall");
        QTest::addColumn<QString>("inner");
        QTest::newRow("15 x 1.0") << "15" << "1.0" << "13";
        QTest::newRow("66.7 x 1.2") << "66.7" << "1.2" << "64.3";
        QTest::newRow("76.1 x 2.0") << "76.1" << "2.0" << "72.1";
        QTest::newRow("267 x 3.0") << "267" << "3.0" << "261";
    }
    void catalog()
    {
        QFETCH(QString, outer);
        QFETCH(QString, wall);
        QFETCH(QString, inner);
        choose(w, "Combo1", outer);
        choose(w, "Combo2", wall);
        QCOMPARE(text(w, "Text2"), inner);
        QCOMPARE(text(w, "Label7"), outer);
        QCOMPARE(text(w, "Label8"), wall);
    }

    void newOuterDiameterAsksForTheWall()
    {
        choose(w, "Combo1", "15");
        choose(w, "Combo2", "1.0");
        choose(w, "Combo1", "22");
        QCOMPARE(items(w, "Combo2"), QStringList({"0.9", "1.0", "1.2", "1.5"}));
        QCOMPARE(text(w, "Label8"), QString());
        QCOMPARE(text(w, "Text2"), QStringLiteral("13"));
        typeInto(w, "Text1", "0.2");
        typeInto(w, "Text16", "10");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList{wallMessage});
        QCOMPARE(text(w, "Label1"), QString());
    }

    void checkOrder_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty diameter before empty flow") << true << "" << "" << "" << diameterMessage;
        QTest::newRow("no wall before empty flow") << false << "" << "" << "" << wallMessage;
        QTest::newRow("zero flow") << true << "13" << "0" << "10" << flowMessage;
        QTest::newRow("empty length") << true << "13" << "0.2" << "" << lengthMessage;
        QTest::newRow("negative length") << true << "13" << "0.2" << "-5" << lengthMessage;
        QTest::newRow("hot-water kinds ask for t") << true << "13" << "0.2" << "10" << hotWaterMessage;
    }
    void checkOrder()
    {
        QFETCH(bool, typed);
        QFETCH(QString, diameter);
        QFETCH(QString, flow);
        QFETCH(QString, length);
        QFETCH(QString, message);
        if (message == hotWaterMessage)
            click(w, "Option3");
        if (typed) {
            typeSection(diameter, flow, length);
        } else {
            // A new outer diameter leaves the old inner one and forgets the wall.
            choose(w, "Combo1", "15");
            choose(w, "Combo2", "1.0");
            choose(w, "Combo1", "22");
            typeInto(w, "Text1", flow);
            typeInto(w, "Text16", length);
        }
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList{message});
        QCOMPARE(text(w, "Label1"), QString());
        // Only the temperature check comes after the flow tooltip.
        QCOMPARE(toolTip(w, "Text1").isEmpty(), message != hotWaterMessage);
    }

    void coldWaterWorkedExample()
    {
        typeSection("13", "0,2", "10");
        tickFitting("Check1", "Text4", "2");
        click(w, "Check3");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(toolTip(w, "Text1"), QStringLiteral("Расход 0,2л/сек= 0,72м куб/ч"));
        QCOMPARE(text(w, "Label1"), QStringLiteral("Скорость v=1,507 м/с"));
        QCOMPARE(toolTip(w, "Label1"), QStringLiteral("скорость"));
        QCOMPARE(text(w, "Label2"), QStringLiteral("i= 0,254"));
        QCOMPARE(toolTip(w, "Label2"), QStringLiteral("удельные потери давления R= 2488,838 Па/м"));
        QCOMPARE(text(w, "Label4"), QStringLiteral("Потери напора на участке H=2,827 м"));
        QCOMPARE(toolTip(w, "Label4"), QStringLiteral("Потери давления на участке 27725,442 Па"));
        QCOMPARE(text(w, "Label10"), QStringLiteral("2,5"));
        QVERIFY(visible("Label10"));
        QVERIFY(visible("Label11"));
        QCOMPARE(text(w, "Text18"), QStringLiteral("1.3"));
        QCOMPARE(text(w, "Label3"), QString());
    }

    void otherResistanceIsAdded()
    {
        typeSection("13", "0.2", "10");
        tickFitting("Check1", "Text4", "2");
        click(w, "Check3");
        click(w, "Check14");
        typeInto(w, "Text17", "0,3");
        click(w, "Command1");
        QCOMPARE(text(w, "Label10"), QStringLiteral("2,8"));
    }

    void circulationAndSupply_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("slope");
        QTest::addColumn<QString>("viscosity");
        QTest::newRow("circulation at 50") << "Option2" << "50" << "i= 0,205" << "0.55";
        QTest::newRow("supply at 90") << "Option3" << "90" << "i=0,604" << "0.36";
    }
    void circulationAndSupply()
    {
        QFETCH(QString, option);
        QFETCH(QString, temperature);
        QFETCH(QString, slope);
        QFETCH(QString, viscosity);
        click(w, qPrintable(option));
        QCOMPARE(toolTip(w, "Combo3"), QStringLiteral("для систем ГВС рекомендуется t=60°C"));
        QCOMPARE(captionColour(w, "Label13_0"), black);
        QVERIFY(!enabled("Option7"));
        choose(w, "Combo3", temperature);
        typeSection("13", "0.2", "10");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(text(w, "Label2"), slope);
        QCOMPARE(text(w, "Text18"), viscosity);
    }

    // The supply formula turns negative for large bores: 153 mm (159×3) at 1 m/s and 90 °C.
    void supplySlopeThatIsNotPositiveIsRefused()
    {
        click(w, "Option3");
        choose(w, "Combo3", "90");
        typeSection("13", "0.2", "10");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(text(w, "Label2"), QStringLiteral("i=0,604"));
        const QString headLoss = text(w, "Label4");
        QVERIFY(!headLoss.isEmpty());

        pasteInto(w, "Text2", "153");
        pasteInto(w, "Text1", "18.385");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList{notComputable});
        QCOMPARE(text(w, "Label2"), QStringLiteral("i=0,604"));
        QCOMPARE(text(w, "Label4"), headLoss);
    }

    void heatingWithWater()
    {
        click(w, "Option4");
        QVERIFY(enabled("Frame5"));
        QCOMPARE(captionColour(w, "Label14_0"), black);
        choose(w, "Combo3", "70");
        QCOMPARE(text(w, "Text3"), QStringLiteral("980"));
        QCOMPARE(text(w, "Text18"), QStringLiteral("0.41"));
        QVERIFY(!enabled("Text3"));
        typeSection("13", "0.2", "10");
        tickFitting("Check1", "Text4", "2");
        click(w, "Check3");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList());
        // R takes the table density of water at 70 °C, 980 kg/m³, as the local losses do.
        QCOMPARE(text(w, "Label2"), QStringLiteral("R=2118,078 Па/м"));
        QCOMPARE(toolTip(w, "Label2"), QString());
        QCOMPARE(text(w, "Label4"), QStringLiteral("Падение давления в системе отопления = 23962,045 Па"));
        QCOMPARE(toolTip(w, "Label4"), QString());
        QCOMPARE(text(w, "Text3"), QStringLiteral("980"));
    }

    void temperatureOutlivesAChangeOfSystem()
    {
        click(w, "Option4");
        choose(w, "Combo3", "70");
        click(w, "Option3");
        QCOMPARE(child<QComboBox>(w, "Combo3")->currentIndex(), -1);
        typeSection("13", "0.2", "10");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(text(w, "Text18"), QStringLiteral("0.41"));
    }

    void heatingTakesTheDensityOfTheKeptTemperature()
    {
        click(w, "Option2");
        choose(w, "Combo3", "80");
        QCOMPARE(text(w, "Text3"), QString());
        click(w, "Option4");
        QCOMPARE(text(w, "Text3"), QStringLiteral("970"));
        QCOMPARE(text(w, "Text18"), QString());
        QVERIFY(!enabled("Text3"));
        click(w, "Option1");
        QVERIFY(!enabled("Frame5"));
        QVERIFY(items(w, "Combo3").isEmpty());
        QCOMPARE(text(w, "Label12"), QStringLiteral("80"));
    }

    void heatingWithAnotherCarrier()
    {
        click(w, "Option4");
        click(w, "Option8");
        QVERIFY(enabled("Text3"));
        QVERIFY(enabled("Text18"));
        typeInto(w, "Text18", "0.5");
        typeSection("13", "0.2", "10");
        click(w, "Command1");
        // The temperature is asked for even though the typed carrier does not need it.
        QCOMPARE(takeMessages(), QStringList{heatingMessage});
        QCOMPARE(toolTip(w, "Text1"), QStringLiteral("Расход 0,2л/сек= 0,72м куб/ч"));

        choose(w, "Combo3", "60");
        QVERIFY(!enabled("Text3"));
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList{densityMessage});
        QCOMPARE(text(w, "Label1"), QStringLiteral("Скорость v=1,507 м/с"));
        // R needs the density that is missing: it is not shown.
        QCOMPARE(text(w, "Label2"), QString());
        QCOMPARE(text(w, "Text18"), QStringLiteral("0.5"));
        QCOMPARE(text(w, "Label4"), QString());

        click(w, "Option8");
        QCOMPARE(text(w, "Text18"), QString());
        QVERIFY(enabled("Text3"));
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList{viscosityMessage});

        typeInto(w, "Text18", "0.5");
        typeInto(w, "Text3", "1000");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(text(w, "Label2"), QStringLiteral("R=2231,502 Па/м"));
        QCOMPARE(text(w, "Label4"), QStringLiteral("Падение давления в системе отопления = 22315,015 Па"));

        // A glycol's density weighs on R as on every other pressure loss.
        child<QLineEdit>(w, "Text3")->clear();
        typeInto(w, "Text3", "1050");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(text(w, "Label2"), QStringLiteral("R=2343,077 Па/м"));
        QCOMPARE(text(w, "Label4"), QStringLiteral("Падение давления в системе отопления = 23430,766 Па"));
    }

    void clearForgetsTheTemperature()
    {
        click(w, "Option2");
        choose(w, "Combo3", "60");
        typeSection("13", "0.2", "10");
        click(w, "Command1");
        QVERIFY(!text(w, "Label2").isEmpty());
        click(w, "Command2");
        for (const char* result : {"Label1", "Label2", "Label3", "Label4", "Text1", "Text16", "Text18", "Label12"})
            QCOMPARE(text(w, result), QString());
        QVERIFY(!visible("Label10"));
        QVERIFY(!visible("Label11"));
        QCOMPARE(text(w, "Combo3"), QStringLiteral("60"));
        QCOMPARE(toolTip(w, "Label1"), QString());
        // The tooltips of the slope, of the section and of the flow stay.
        QVERIFY(!toolTip(w, "Label2").isEmpty());
        QVERIFY(!toolTip(w, "Label4").isEmpty());
        QVERIFY(!toolTip(w, "Text1").isEmpty());
        typeInto(w, "Text1", "0.2");
        typeInto(w, "Text16", "10");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList{hotWaterMessage});
    }

    void resetKeepsTheSum()
    {
        typeSection("13", "0.2", "10");
        tickFitting("Check1", "Text4", "2");
        tickFitting("Check12", "Text15", "3");
        click(w, "Check14");
        typeInto(w, "Text17", "4");
        click(w, "Command1");
        click(w, "Command4");
        for (const char* box : {"Check1", "Check12", "Check14"})
            QVERIFY(!ticked(box));
        QCOMPARE(text(w, "Text4"), QStringLiteral("1"));
        QCOMPARE(text(w, "Text15"), QStringLiteral("1"));
        QCOMPARE(text(w, "Text17"), QString());
        QVERIFY(!enabled("Text4"));
        QVERIFY(!enabled("Text15"));
        QVERIFY(!enabled("Text17"));
        QVERIFY(visible("Label10"));
        QCOMPARE(text(w, "Label10"), QStringLiteral("7,1"));
    }

    void fittingBoxEnablesItsCount()
    {
        click(w, "Check5");
        QVERIFY(enabled("Text8"));
        typeInto(w, "Text8", "1,25");
        QCOMPARE(text(w, "Text8"), QStringLiteral("1125"));
        click(w, "Check5");
        QVERIFY(!enabled("Text8"));
        QCOMPARE(text(w, "Text8"), QStringLiteral("1125"));
    }

    void blankEmptiesTheInput()
    {
        typeInto(w, "Text16", "25 3");
        QCOMPARE(text(w, "Text16"), QStringLiteral(" 3"));
        typeInto(w, "Text1", "0,5");
        QCOMPARE(text(w, "Text1"), QStringLiteral("0.5"));
    }

    void otherDiameterBox()
    {
        choose(w, "Combo1", "15");
        choose(w, "Combo2", "1.0");
        click(w, "Check13");
        QVERIFY(enabled("Text2"));
        QCOMPARE(text(w, "Text2"), QString());
        QVERIFY(items(w, "Combo1").isEmpty());
        QVERIFY(!enabled("Combo2"));
        QCOMPARE(captionColour(w, "Label5_1"), grey);
        QCOMPARE(captionColour(w, "Label15"), black);
        click(w, "Check13");
        QVERIFY(!enabled("Text2"));
        QCOMPARE(items(w, "Combo1").size(), 20);
        QCOMPARE(child<QComboBox>(w, "Combo1")->currentIndex(), -1);
        QVERIFY(items(w, "Combo2").isEmpty());
        QCOMPARE(captionColour(w, "Label5_0"), black);
        QCOMPARE(text(w, "Label8"), QStringLiteral("1.0"));
    }

    // A velocity at the limit is acceptable: it clears an earlier warning.
    void velocityAtTheLimit()
    {
        typeSection("13", "2", "10");
        click(w, "Command1");
        QCOMPARE(text(w, "Label3"), QStringLiteral("Большая скорость! Рекомендуется увеличить диаметр"));
        QCOMPARE(captionColour(w, "Label3"), red);
        QCOMPARE(toolTip(w, "Label3"), QStringLiteral("Для систем холодного водоснабжения рекомендуется v до 4 м/с"));
        child<QLineEdit>(w, "Text1")->clear();
        typeInto(w, "Text1", "0.5309291584566751");
        click(w, "Command1");
        QCOMPARE(text(w, "Label1"), QStringLiteral("Скорость v=4 м/с"));
        QCOMPARE(text(w, "Label3"), QString());
        QCOMPARE(captionColour(w, "Label3"), black);
        // The copper screen leaves the tooltip of the advice as it was.
        QCOMPARE(toolTip(w, "Label3"), QStringLiteral("Для систем холодного водоснабжения рекомендуется v до 4 м/с"));
    }

    void undefinedResultsAreRefused_data()
    {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("viscosity");
        QTest::addColumn<QString>("label1");
        QTest::newRow("negative typed viscosity") << "0.2" << "-1" << "Скорость v=1,507 м/с";
        QTest::newRow("flow too large for a number") << "1e999" << "1" << "";
        QTest::newRow("flow too large in cubic metres per hour") << "1e308" << "1" << "";
    }
    void undefinedResultsAreRefused()
    {
        QFETCH(QString, flow);
        QFETCH(QString, viscosity);
        QFETCH(QString, label1);
        click(w, "Option4");
        click(w, "Option8");
        choose(w, "Combo3", "60");
        typeInto(w, "Text18", viscosity);
        typeInto(w, "Text3", "1000");
        typeSection("13", "", "10");
        pasteInto(w, "Text1", flow);
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList{notComputable});
        QCOMPARE(text(w, "Label1"), label1);
        for (const char* field : {"Label1", "Label2", "Label4", "Label10"}) {
            QVERIFY(!text(w, field).contains(QStringLiteral("nan"), Qt::CaseInsensitive));
            QVERIFY(!text(w, field).contains(QStringLiteral("inf"), Qt::CaseInsensitive));
        }
        QVERIFY(!toolTip(w, "Text1").contains(QStringLiteral("inf"), Qt::CaseInsensitive));
    }

    // From the control that has the focus, Tab visits these controls and comes back to it.
    void tabOrder_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("visited");
        QTest::newRow("at load, from the first list")
            << QStringList{}
            << QStringList{"Combo1",  "Combo2",  "Check13", "Option1",  "Text1",    "Option5",  "fixturesButton", "Text16",
                           "Check1",  "Check2",  "Check3",  "Check4",   "Check5",   "Check6",   "Check7",
                           "Check8",  "Check9",  "Check10", "Check11",  "Check12",  "Check14",  "Command4",
                           "Command1", "Command2", "selectSizeButton", "Command3"};
        QTest::newRow("typed diameter, heating with another carrier, fittings ticked")
            << QStringList{"Check13", "Option4", "Option8", "Check2", "Check14"}
            << QStringList{"Check14", "Text17",  "Command4", "Command1", "Command2", "selectSizeButton", "Command3", "Text2",
                           "Check13", "Option4", "Text1",    "Option5",  "loadButton", "Combo3", "Option8", "Text3",
                           "Text18",  "carrierButton", "Text16",  "Check1",   "Check2",   "Text5",    "Check3",   "Check4",
                           "Check5",  "Check6",  "Check7",   "Check8",   "Check9",   "Check10",  "Check11",
                           "Check12"};
    }
    void tabOrder()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, visited);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        for (const QString& name : clicks)
            click(w, qPrintable(name));
        QStringList order;
        const QWidget* start = QApplication::focusWidget();
        QVERIFY(start);
        do {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (QApplication::focusWidget() != start && order.size() <= visited.size());
        QCOMPARE(order, visited);
    }

    void documentLink()
    {
        QCOMPARE(openedByLink(w, "Label21", QStringLiteral("sp40_108_2004.doc")), QStringLiteral("sp40_108_2004.doc"));
    }
};

UITEST_MAIN(FrmtablII9Test)
#include "tst_frmtablII9.moc"
