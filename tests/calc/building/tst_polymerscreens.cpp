#include "calc/building/frmtablII10.h"
#include "calc/building/buildingrecords.h"
#include "calc/building/fittingdrawing.h"
#include "calc/building/frmtablII11.h"
#include "tests/calc/building/documentlink.h"
#include "tests/common/uitest.h"


#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

using namespace uitest;

namespace {
const QColor black(0, 0, 0);
const QColor grey(128, 128, 128);
const QColor red(255, 0, 0);
const QString diameterMessage = QStringLiteral("диаметр не может равняться нулю!\rВведите значение диаметра в мм");
const QString flowMessage = QStringLiteral("расход не должен равняться нулю!\r введите значение расхода");
const QString lengthMessage = QStringLiteral("Длина участка не может равняться нулю\r введите значение длины участка в м");
const QString hotWaterMessage = QStringLiteral(
    "Вы не ввели температуру!\rДля систем горячего водоснабжения\rрекомендуется t=60°С\rВведите значение температуры, в °С");
const QString heatingMessage =
    QStringLiteral("Вы не ввели температуру\rтеплоносителя!\rВведите значение температуры, в °С");
const QString viscosityMessage = QStringLiteral(
    "Вы не ввели коэффициент кинематической\rвязкости теплоносителя!\rВведите значение пожалуйста\rэто значение");
const QString densityMessage =
    QStringLiteral("Вы не ввели плотность\rтеплоносителя!\rВведите значение плотности, в кг/м.куб.");
const QString notComputable = QStringLiteral("расчет невозможен!\r проверьте введенные значения");
}  // namespace

// The PEX (10) and the PEX-AL-PEX (11) screens run the same procedure on the same panel.
class PolymerScreensTest : public QObject {
    Q_OBJECT
private:
    QPointer<QWidget> w;

    void open(int table)
    {
        delete w;
        w = table == 10 ? static_cast<QWidget*>(new frmtablII10(calc::building::pexRecord()))
                        : new frmtablII11(calc::building::pexAlPexRecord());
        w->show();
        takeMessages();
    }
    bool enabled(const char* name) const { return child<QWidget>(w, name)->isEnabled(); }
    bool visible(const char* name) const { return child<QWidget>(w, name)->isVisible(); }
    bool selected(const char* name) const { return child<QRadioButton>(w, name)->isChecked(); }
    void section(const QString& diameter, const QString& flow, const QString& length)
    {
        click(w, "Check13");
        typeInto(w, "Text2", diameter);
        typeInto(w, "Text1", flow);
        typeInto(w, "Text16", length);
    }
    static void addScreens()
    {
        QTest::addColumn<int>("table");
        QTest::newRow("PEX") << 10;
        QTest::newRow("PEX-AL-PEX") << 11;
    }

private slots:
    void cleanup() { delete w; }

    void loadState_data() { addScreens(); }
    void loadState()
    {
        QFETCH(int, table);
        open(table);
        for (const char* option : {"Option1", "Option5", "Option7"})
            QVERIFY(selected(option));
        for (const char* control : {"Option7", "Option8", "Combo3", "Frame4", "Frame5", "Text2", "Text3", "Text18",
                                    "Text4", "Text15", "Text17"})
            QVERIFY2(!enabled(control), control);
        QCOMPARE(captionColour(w, "Label14_1"), grey);
        QCOMPARE(captionColour(w, "Label13_1"), grey);
        QCOMPARE(captionColour(w, "Label7"), black);
        QCOMPARE(captionColour(w, "Label8"), grey);
        QVERIFY(!visible("Label10"));
        QVERIFY(!visible("Label11"));
        QCOMPARE(items(w, "Combo3"), QStringList({"50", "60", "70", "80", "90"}));
        QCOMPARE(child<QComboBox>(w, "Combo1")->currentIndex(), -1);
        QCOMPARE(toolTip(w, "Label5"), QString());
        QCOMPARE(captionColour(w, "Label5"), QColor(0, 0, 255));
        for (int row = 1; row <= 12; ++row) {
            const QString name = QStringLiteral("fittingDrawing_%1").arg(row);
            const QString drawing = w->findChild<FittingDrawing*>(name)->resource();
            QVERIFY2(QFile::exists(drawing), qPrintable(name));
        }
        QCOMPARE(w->findChild<FittingDrawing*>(QStringLiteral("fittingDrawing_12"))->resource(),
                 table == 10 ? QStringLiteral(":/building/fittings/u-bend.svg")
                             : QStringLiteral(":/building/fittings/compression-nut.svg"));
        if (table == 10) {
            QCOMPARE(w->windowTitle(), QStringLiteral("для труб из сшитого полиэтилена (PEX) СП 41-109-2005"));
            QVERIFY(selected("Option4"));
            QCOMPARE(items(w, "Combo1"), QStringList({"16", "20", "25", "32", "40", "50", "63", "75", "90", "110"}));
            QCOMPARE(text(w, "Check12"), QStringLiteral("калач"));
            QCOMPARE(text(w, "Label14_5"), QStringLiteral("·10⁻⁶ м²/с"));
            QCOMPARE(text(w, "Option2"), QStringLiteral(" горячего водоснабжения"));
        } else {
            QCOMPARE(w->windowTitle(), QStringLiteral("для металлопластиковых труб (PEX-AL-PEX)"));
            QCOMPARE(items(w, "Combo1"), QStringList({"16", "20", "26", "32", "40", "50"}));
            QCOMPARE(text(w, "Check12"), QStringLiteral("соединение с обжимной гайкой"));
            QCOMPARE(text(w, "Label14_5"), QStringLiteral("x10⁻⁶ м²/с"));
            QCOMPARE(text(w, "Option2"), QStringLiteral("Горячего водоснабжения"));
        }
    }

    void catalog_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QString>("inner");
        QTest::newRow("SDR 13,6 16") << 10 << "Option4" << "16" << "13.15";
        QTest::newRow("SDR 6 110") << 10 << "Option12" << "110" << "71.8";
        QTest::newRow("SDR 11 12") << 10 << "Option9" << "12" << "9.15";
        QTest::newRow("SDR 7,4 15") << 10 << "Option11" << "15" << "10.65";
        QTest::newRow("PEX-AL-PEX 40") << 11 << "" << "40" << "33";
        QTest::newRow("PEX-AL-PEX 26") << 11 << "" << "26" << "20";
    }
    void catalog()
    {
        QFETCH(int, table);
        QFETCH(QString, series);
        QFETCH(QString, outer);
        QFETCH(QString, inner);
        open(table);
        if (!series.isEmpty())
            click(w, qPrintable(series));
        choose(w, "Combo1", outer);
        QCOMPARE(text(w, "Text2"), inner);
        QCOMPARE(text(w, "Label17"), outer);
    }

    void newSeriesAsksForTheDiameter()
    {
        open(10);
        choose(w, "Combo1", "16");
        click(w, "Option10");
        QCOMPARE(text(w, "Text2"), QString());
        QCOMPARE(items(w, "Combo1").size(), 13);
        QCOMPARE(child<QComboBox>(w, "Combo1")->currentIndex(), -1);
        typeInto(w, "Text1", "0.2");
        typeInto(w, "Text16", "10");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList{diameterMessage});
    }

    void otherDiameterBox_data() { addScreens(); }
    void otherDiameterBox()
    {
        QFETCH(int, table);
        open(table);
        if (table == 10)
            click(w, "Option11");
        choose(w, "Combo1", "20");
        click(w, "Check13");
        QVERIFY(enabled("Text2"));
        QCOMPARE(text(w, "Text2"), QString());
        QVERIFY(!enabled("Combo1"));
        QVERIFY(items(w, "Combo1").isEmpty());
        QCOMPARE(captionColour(w, "Label7"), grey);
        QCOMPARE(captionColour(w, "Label8"), black);
        if (table == 10)
            QVERIFY(!enabled("Option9"));
        typeInto(w, "Text2", "12");
        click(w, "Check13");
        QVERIFY(!enabled("Text2"));
        QCOMPARE(text(w, "Text2"), QString());
        QCOMPARE(child<QComboBox>(w, "Combo1")->currentIndex(), -1);
        QCOMPARE(captionColour(w, "Label7"), black);
        QCOMPARE(text(w, "Label17"), QStringLiteral("20"));
        if (table == 10) {
            QVERIFY(selected("Option4"));
            QVERIFY(enabled("Frame9"));
            QCOMPARE(items(w, "Combo1").size(), 10);
        } else {
            QCOMPARE(items(w, "Combo1").size(), 6);
        }
    }

    void coldWaterWorkedExample_data() { addScreens(); }
    void coldWaterWorkedExample()
    {
        QFETCH(int, table);
        open(table);
        section("13.15", "0,2", "10");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(toolTip(w, "Text1"), QStringLiteral("Расход 0,2л/сек= 0,72м куб/ч"));
        QCOMPARE(text(w, "Label1"), QStringLiteral("v= 1,473 м/сек"));
        QCOMPARE(toolTip(w, "Label1"), QString());
        QCOMPARE(text(w, "Label2"), QStringLiteral("i=0,232"));
        QCOMPARE(toolTip(w, "Label2"), QStringLiteral("удельные потери давления R= 2276,403 Па/м"));
        QCOMPARE(text(w, "Label4"), QStringLiteral("Потери напора на участке 2,321 м"));
        QCOMPARE(toolTip(w, "Label4"), QStringLiteral("Потери давления на участке 22764,027 Па"));
        QCOMPARE(text(w, "Label10"), QStringLiteral("0"));
        QVERIFY(visible("Label11"));
        QCOMPARE(text(w, "Text18"), QStringLiteral("1.3"));
        QCOMPARE(text(w, "Label3"), QString());
    }

    void rowTwelve_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("sum");
        QTest::newRow("two U-bends") << 10 << "1,4";
        QTest::newRow("two compression-nut joints") << 11 << "3";
    }
    void rowTwelve()
    {
        QFETCH(int, table);
        QFETCH(QString, sum);
        open(table);
        section("13.15", "0.2", "10");
        click(w, "Check12");
        child<QLineEdit>(w, "Text15")->clear();
        typeInto(w, "Text15", "2");
        click(w, "Command1");
        QCOMPARE(text(w, "Label10"), sum);
    }

    void hotWaterTemperatures_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("viscosity");
        QTest::addColumn<QString>("slope");
        QTest::newRow("PEX at 40") << 10 << "40" << "0.66" << "i=0,198";
        QTest::newRow("PEX-AL-PEX at 90") << 11 << "90" << "0.32" << "";
    }
    void hotWaterTemperatures()
    {
        QFETCH(int, table);
        QFETCH(QString, temperature);
        QFETCH(QString, viscosity);
        QFETCH(QString, slope);
        open(table);
        click(w, "Option2");
        QCOMPARE(items(w, "Combo3"), QStringList({"40", "50", "60", "70", "80", "90"}));
        QVERIFY(enabled("Frame4"));
        QVERIFY(!enabled("Frame5"));
        QCOMPARE(captionColour(w, "Label13_0"), black);
        choose(w, "Combo3", temperature);
        section("13.15", "0.2", "10");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(text(w, "Text18"), viscosity);
        if (!slope.isEmpty())
            QCOMPARE(text(w, "Label2"), slope);
    }

    void heatingWithWater_data() { addScreens(); }
    void heatingWithWater()
    {
        QFETCH(int, table);
        open(table);
        click(w, "Option3");
        QVERIFY(enabled("Option8"));
        QCOMPARE(captionColour(w, "Label14_0"), black);
        choose(w, "Combo3", "80");
        section("13.15", "0.2", "10");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(text(w, "Text3"), QStringLiteral("970"));
        QCOMPARE(text(w, "Text18"), QStringLiteral("0.36"));
        // R takes the table density of water at 80 °C, 970 kg/m³.
        QCOMPARE(text(w, "Label2"), QStringLiteral("R= 1662,579 Па/м"));
        QCOMPARE(toolTip(w, "Label2"), QString());
        QCOMPARE(text(w, "Label4"), QStringLiteral("Потери давления на участке 16625,788 Па"));
        QCOMPARE(toolTip(w, "Label4"), QString());
        click(w, "Option7");
        QCOMPARE(text(w, "Text3"), QString());
        QCOMPARE(text(w, "Text18"), QString());
        click(w, "Option8");
        QVERIFY(enabled("Text3"));
        typeInto(w, "Text3", "1000");
        click(w, "Option7");
        QVERIFY(!enabled("Text3"));
        QCOMPARE(text(w, "Text3"), QString());
    }

    void checkOrder_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("viscosity");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("velocityShown");
        QTest::newRow("diameter before flow") << 10 << "Option1" << "" << "" << "" << "" << "" << diameterMessage << false;
        QTest::newRow("flow") << 11 << "Option1" << "16" << "" << "" << "" << "" << flowMessage << false;
        QTest::newRow("length") << 10 << "Option1" << "16" << "0.2" << "0" << "" << "" << lengthMessage << false;
        QTest::newRow("hot water without t") << 11 << "Option2" << "16" << "0.2" << "10" << "" << ""
                                             << hotWaterMessage << true;
        QTest::newRow("viscosity before heating t") << 10 << "Option3" << "16" << "0.2" << "10" << "" << ""
                                                    << viscosityMessage << true;
        QTest::newRow("heating t after viscosity") << 11 << "Option3" << "16" << "0.2" << "10" << "" << "0.5"
                                                   << heatingMessage << true;
        QTest::newRow("density last") << 10 << "Option3" << "16" << "0.2" << "10" << "60" << "0.5"
                                      << densityMessage << true;
    }
    void checkOrder()
    {
        QFETCH(int, table);
        QFETCH(QString, system);
        QFETCH(QString, diameter);
        QFETCH(QString, flow);
        QFETCH(QString, length);
        QFETCH(QString, temperature);
        QFETCH(QString, viscosity);
        QFETCH(QString, message);
        QFETCH(bool, velocityShown);
        open(table);
        click(w, qPrintable(system));
        if (system == QLatin1String("Option3")) {
            click(w, "Option8");
            typeInto(w, "Text18", viscosity);
        }
        if (!temperature.isEmpty())
            choose(w, "Combo3", temperature);
        section(diameter, flow, length);
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList{message});
        QCOMPARE(!text(w, "Label1").isEmpty(), velocityShown);
        QCOMPARE(!toolTip(w, "Text1").isEmpty(), velocityShown);
        // Only the density check comes after Σξ and the normalised viscosity.
        QCOMPARE(visible("Label10"), message == densityMessage);
        if (message == densityMessage)
            QCOMPARE(text(w, "Text18"), QStringLiteral("0.5"));
    }

    void changeOfSystemClearsResultsAndTemperature_data() { addScreens(); }
    void changeOfSystemClearsResultsAndTemperature()
    {
        QFETCH(int, table);
        open(table);
        click(w, "Option2");
        choose(w, "Combo3", "60");
        section("13.15", "3", "10");
        click(w, "Command1");
        QCOMPARE(text(w, "Label3"), QStringLiteral("Большая скорость! Рекомендуется увеличить диаметр"));
        click(w, "Option3");
        for (const char* result : {"Label1", "Label2", "Label3", "Label4", "Label12"})
            QCOMPARE(text(w, result), QString());
        for (const char* result : {"Label2", "Label3", "Label4"})
            QCOMPARE(toolTip(w, result), QString());
        QVERIFY(!visible("Label10"));
        QCOMPARE(child<QComboBox>(w, "Combo3")->currentIndex(), -1);
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList{heatingMessage});
        click(w, "Option8");
        click(w, "Option1");
        QVERIFY(selected("Option7"));
        QVERIFY(!enabled("Option8"));
        QVERIFY(!enabled("Combo3"));
        QVERIFY(items(w, "Combo3").isEmpty());
    }

    void clearKeepsTheTemperature_data() { addScreens(); }
    void clearKeepsTheTemperature()
    {
        QFETCH(int, table);
        open(table);
        click(w, "Option2");
        choose(w, "Combo3", "60");
        section("13.15", "0.2", "10");
        click(w, "Command1");
        click(w, "Command2");
        for (const char* field : {"Label1", "Label2", "Label3", "Label4", "Text1", "Text16", "Text18", "Text3"})
            QCOMPARE(text(w, field), QString());
        for (const char* field : {"Label2", "Label4", "Text1"})
            QCOMPARE(toolTip(w, field), QString());
        QVERIFY(!visible("Label10"));
        QCOMPARE(text(w, "Label12"), QStringLiteral("60"));
        typeInto(w, "Text1", "0.2");
        typeInto(w, "Text16", "10");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(text(w, "Text18"), QStringLiteral("0.47"));
    }

    void resetHidesTheSum()
    {
        open(10);
        section("13.15", "0.2", "10");
        click(w, "Check2");
        click(w, "Check14");
        typeInto(w, "Text17", "2");
        click(w, "Command1");
        QCOMPARE(text(w, "Label10"), QStringLiteral("2,5"));
        click(w, "Command4");
        QVERIFY(!visible("Label10"));
        QVERIFY(!visible("Label11"));
        QVERIFY(!child<QCheckBox>(w, "Check2")->isChecked());
        QVERIFY(!enabled("Text5"));
        QCOMPARE(text(w, "Text17"), QString());
    }

    // A velocity at the limit is acceptable: it clears an earlier warning and its tooltip.
    void velocityAtTheLimit_data() { addScreens(); }
    void velocityAtTheLimit()
    {
        QFETCH(int, table);
        open(table);
        click(w, "Option2");
        choose(w, "Combo3", "60");
        section("13.15", "1", "10");
        click(w, "Command1");
        QCOMPARE(captionColour(w, "Label3"), red);
        QCOMPARE(toolTip(w, "Label3"), QStringLiteral("Для систем ГВС рекомендуется скорость до 3 м/сек"));
        child<QLineEdit>(w, "Text1")->clear();
        typeInto(w, "Text1", "0.4074390417302857");
        click(w, "Command1");
        QCOMPARE(text(w, "Label1"), QStringLiteral("v= 3 м/сек"));
        QCOMPARE(text(w, "Label3"), QString());
        QCOMPARE(captionColour(w, "Label3"), black);
        QCOMPARE(toolTip(w, "Label3"), QString());
    }

    void negativeViscosityIsRefused_data() { addScreens(); }
    void negativeViscosityIsRefused()
    {
        QFETCH(int, table);
        open(table);
        click(w, "Option3");
        click(w, "Option8");
        choose(w, "Combo3", "60");
        typeInto(w, "Text18", "-1");
        typeInto(w, "Text3", "1000");
        section("13.15", "0.2", "10");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList{notComputable});
        QCOMPARE(text(w, "Label1"), QStringLiteral("v= 1,473 м/сек"));
        for (const char* field : {"Label2", "Label4", "Label10"})
            QCOMPARE(text(w, field), QString());
    }

    // 1e308 л/сек is a number, but not in м куб/ч: the flow tooltip would read "inf".
    void flowTooLargeForItsTooltipIsRefused_data() { addScreens(); }
    void flowTooLargeForItsTooltipIsRefused()
    {
        QFETCH(int, table);
        open(table);
        section("13.15", "", "10");
        pasteInto(w, "Text1", "1e308");
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList{notComputable});
        QCOMPARE(toolTip(w, "Text1"), QString());
        QCOMPARE(text(w, "Label1"), QString());
    }

    void documentLinks_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("document");
        QTest::newRow("СП 41-109-2005") << 10 << "Label5" << "sp41_109_2005.doc";
        QTest::newRow("СП 41-102-98") << 11 << "Label5" << "sp41_102_98.doc";
        QTest::newRow("CП40-102-2000") << 11 << "Label15" << "sp40_102_2000.doc";
    }
    void documentLinks()
    {
        QFETCH(int, table);
        QFETCH(QString, link);
        QFETCH(QString, document);
        open(table);
        QCOMPARE(toolTip(w, qPrintable(link)), QString());
        QCOMPARE(openedByLink(w, qPrintable(link), document), document);
    }
};

UITEST_MAIN(PolymerScreensTest)
#include "tst_polymerscreens.moc"
