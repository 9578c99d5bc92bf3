#include "calc/building/buildingrecords.h"
#include "calc/building/fittingdrawing.h"
#include "calc/building/frmtablII10.h"
#include "calc/building/frmtablII11.h"
#include "calc/building/frmtablII9.h"
#include "calc/carrier/carrierreference.h"
#include "calc/carrier/heatload.h"
#include "calc/common/namedrequest.h"
#include "calc/fixtures/fixtureflow.h"
#include "calc/fixtures/fixturekinds.h"
#include "tests/calc/building/documentlink.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <tuple>

using namespace uitest;

namespace {
const QString diameterMessage = QStringLiteral("диаметр не может равняться нулю!\rВведите значение диаметра в мм");
const QString wallMessage =
    QStringLiteral("Диаметр выбрали,\rа как на счет толщины стенки?\rВыберите пожалуйста толщину стенки, мм");
const QString flowMessage = QStringLiteral("расход не должен равняться нулю!\r введите значение расхода");
const QString lengthMessage = QStringLiteral("Длина участка не может равняться нулю\r введите значение длины участка в м");
const QString hotWaterMessage = QStringLiteral(
    "Вы не ввели температуру!\rДля систем горячего водоснабжения\rрекомендуется t=60°С\rВведите значение температуры, в °С");
const QString copperHeatingMessage = QStringLiteral("Вы не ввели температуру\rтеплоносителя\rВведите значение температуры, в °С");
const QString copperViscosityMessage =
    QStringLiteral("Вы не ввели значение коэффициента\rкинематической вязкости теплоностеля");
const QString copperDensityMessage = QStringLiteral("Вы не ввели значение \rплотности теплоностеля!");
const QString heatingMessage =
    QStringLiteral("Вы не ввели температуру\rтеплоносителя!\rВведите значение температуры, в °С");
const QString viscosityMessage = QStringLiteral(
    "Вы не ввели коэффициент кинематической\rвязкости теплоносителя!\rВведите значение пожалуйста\rэто значение");
const QString densityMessage =
    QStringLiteral("Вы не ввели плотность\rтеплоносителя!\rВведите значение плотности, в кг/м.куб.");
const QString notComputable = QStringLiteral("расчет невозможен!\r проверьте введенные значения");
const QString tooFast = QStringLiteral("Большая скорость! Рекомендуется увеличить диаметр");
const QString flowTooltip = QStringLiteral("tip Text1=Расход 0,2л/сек= 0,72м куб/ч");

calc::TableRecord record(int table)
{
    return table == 9 ? calc::building::copperRecord() : table == 10 ? calc::building::pexRecord()
                                                                      : calc::building::pexAlPexRecord();
}

QWidget* screen(int table)
{
    if (table == 9)
        return new frmtablII9(record(table));
    if (table == 10)
        return new frmtablII10(record(table));
    return new frmtablII11(record(table));
}

// "другой" ticked, a typed inner diameter, a flow in л/сек and a length.
QStringList typedSection(const QString& diameter, const QString& flow, const QString& length)
{
    return {"click Check13", "type Text2 " + diameter, "type Text1 " + flow, "type Text16 " + length};
}

// One line of what a screen shows: "Label2=i= 0,254" (its text), "tip Label2=…", "items Combo3=50|60",
// "count Combo1=20", "index Combo1=-1", "colour Label3=#ff0000", "title=…", or a state: "enabled",
// "disabled", "visible", "hidden", "checked", "unchecked" and "finite" (no nan or inf) before a name.
void expectShown(const QWidget* w, const QString& expected)
{
    const QString key = expected.section(u'=', 0, 0);
    const QString value = expected.section(u'=', 1);
    const QString kind = key.section(u' ', 0, 0);
    const QByteArray name = key.section(u' ', -1).toLatin1();
    if (key == QLatin1String("title"))
        QCOMPARE(w->windowTitle(), value);
    else if (kind == QLatin1String("finite"))
        QVERIFY2(!text(w, name).contains(QRegularExpression("nan|inf", QRegularExpression::CaseInsensitiveOption)),
                 qPrintable(expected));
    else if (!expected.contains(u'=')) {
        const QWidget* control = child<QWidget>(w, name.constData());
        const auto* box = qobject_cast<const QAbstractButton*>(control);
        const QMap<QString, bool> states{{"enabled", control->isEnabled()},   {"disabled", !control->isEnabled()},
                                         {"visible", control->isVisible()},   {"hidden", !control->isVisible()},
                                         {"checked", box && box->isChecked()}, {"unchecked", box && !box->isChecked()}};
        QVERIFY2(states.value(kind), qPrintable(expected));
    } else if (!key.contains(u' '))
        QCOMPARE(text(w, name), value);
    else if (kind == QLatin1String("tip"))
        QCOMPARE(toolTip(w, name), value);
    else if (kind == QLatin1String("items"))
        QCOMPARE(items(w, name).join(u'|'), value);
    else if (kind == QLatin1String("count"))
        QCOMPARE(QString::number(items(w, name).size()), value);
    else if (kind == QLatin1String("index"))
        QCOMPARE(QString::number(child<QComboBox>(w, name)->currentIndex()), value);
    else
        QCOMPARE(captionColour(w, name).name(), value);
}

// The first number of a result, as shown with the decimal comma.
double shownNumber(const QString& result)
{
    return QRegularExpression("-?\\d+(,\\d+)?").match(result).captured().replace(u',', u'.').toDouble();
}

// Every field of a request, so that two compare field by field; a choice in a list the choices
// before it leave empty is none.
QVariantList fields(const calc::CalculationRequest& r)
{
    const calc::SizeQuery& c = r.conditions;
    QVariantList all{r.table, QVariant::fromValue(calc::shownChoices(record(r.table), c.chosen)), c.flow.value, int(c.flow.unit), c.carrierViscosityE6,
                     c.carrierDensity, c.temperature.value_or(-1), r.size, r.diameterMm, r.length.value_or(-1),
                     QVariant::fromValue(r.localLosses.fittingCounts), r.localLosses.otherResistance.value_or(-1)};
    if (r.carrier)
        all << int(r.carrier->kind) << r.carrier->concentration << r.carrier->temperature << r.carrier->heatCapacity;
    if (r.load)
        all << r.load->heat << r.load->temperatureDrop << r.load->heatCapacity;
    if (const auto& f = r.fixtures)
        all << f->fixtures << f->fixtureFlow << f->probability.value_or(-1) << f->consumers << f->hourNorm << f->fixtureKind
            << int(f->water);
    return all << r.carrier.has_value() << r.load.has_value() << r.fixtures.has_value();
}

calc::CalculationRequest section(int table, const calc::ConditionChoices& chosen, const QString& size, double diameter,
                                 double flow, double length, const QList<double>& fittings)
{
    calc::CalculationRequest r{.table = table, .size = size, .diameterMm = diameter, .length = length};
    r.conditions.chosen = chosen;
    r.conditions.flow.value = flow;
    r.localLosses.fittingCounts = fittings;
    while (r.localLosses.fittingCounts.size() < 12)
        r.localLosses.fittingCounts << 0;
    return r;
}
}  // namespace

Q_DECLARE_METATYPE(calc::CalculationRequest)

// The copper (9), PEX (10) and PEX-AL-PEX (11) screens share their panel and its tables; the
// polymer two also their procedure.
class BuildingScreensTest : public QObject {
    Q_OBJECT
private:
    QPointer<QWidget> w;

    void open(int table)
    {
        delete w;
        w = screen(table);
        w->show();
        takeMessages();
    }

private slots:
    void cleanup() { delete w; }

    // Steps as a user takes them ("click Option4", "type Text1 0,2", "choose Combo3 70", "paste
    // Text4 2"), each line of what the screen shows checked where it stands, and the messages
    // shown since the last "messages" line ("messages" alone: none).
    void screenShows_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QStringList>("script");
        const QStringList polymerLoad{"checked Option1", "checked Option5", "checked Option7", "disabled Option7",
                                      "disabled Option8", "disabled Combo3", "disabled Frame4", "disabled Frame5",
                                      "disabled Text2", "disabled Text3", "disabled Text18", "disabled Text4",
                                      "disabled Text15", "disabled Text17", "colour Label14_1=#808080",
                                      "colour Label13_1=#808080", "colour Label7=#000000", "colour Label8=#808080",
                                      "hidden Label10", "hidden Label11", "items Combo3=50|60|70|80|90", "index Combo1=-1",
                                      "tip Label5=", "colour Label5=#0000ff"};
        QTest::newRow("II-9 load")
            << 9
            << QStringList{"title=для медных труб СП40-108-2004", "checked Option1", "checked Option5", "checked Option7",
                           "disabled Frame4", "disabled Frame5", "disabled Text2", "disabled Text4", "disabled Text15",
                           "disabled Text17", "Text4=1", "hidden Label10", "hidden Label11", "colour Label15=#808080",
                           "colour Label5_0=#000000", "colour Label14_3=#808080", "colour Label13_0=#808080",
                           "colour Label10=#004000", "count Combo1=20", "index Combo1=-1", "items Combo3=50|60|70|80|90",
                           "Check12=калач", "Check7=крестовина  на ответвление",
                           "tip Label21=Кликни для просмотра этого нормативного документа "};
        QTest::newRow("II-10 load")
            << 10
            << polymerLoad + QStringList{"title=для труб из сшитого полиэтилена (PEX) СП 41-109-2005", "checked Option4",
                                         "items Combo1=16|20|25|32|40|50|63|75|90|110", "Check12=калач",
                                         "Label14_5=·10⁻⁶ м²/с", "Option2= горячего водоснабжения"};
        QTest::newRow("II-11 load")
            << 11
            << polymerLoad + QStringList{"title=для металлопластиковых труб (PEX-AL-PEX)", "items Combo1=16|20|26|32|40|50",
                                         "Check12=соединение с обжимной гайкой", "Label14_5=x10⁻⁶ м²/с",
                                         "Option2=Горячего водоснабжения", "tip Label15="};

        QTest::newRow("II-9 15 × 1.0") << 9 << QStringList{"choose Combo1 15", "choose Combo2 1.0", "Text2=13", "Label7=15", "Label8=1.0"};
        QTest::newRow("II-9 66.7 × 1.2") << 9 << QStringList{"choose Combo1 66.7", "choose Combo2 1.2", "Text2=64.3"};
        QTest::newRow("II-9 76.1 × 2.0") << 9 << QStringList{"choose Combo1 76.1", "choose Combo2 2.0", "Text2=72.1"};
        QTest::newRow("II-9 267 × 3.0") << 9 << QStringList{"choose Combo1 267", "choose Combo2 3.0", "Text2=261"};
        QTest::newRow("II-10 SDR 13,6 16") << 10 << QStringList{"choose Combo1 16", "Text2=13.15", "Label17=16"};
        QTest::newRow("II-10 SDR 6 110") << 10 << QStringList{"click Option12", "choose Combo1 110", "Text2=71.8"};
        QTest::newRow("II-10 SDR 11 12") << 10 << QStringList{"click Option9", "choose Combo1 12", "Text2=9.15"};
        QTest::newRow("II-10 SDR 7,4 15") << 10 << QStringList{"click Option11", "choose Combo1 15", "Text2=10.65"};
        QTest::newRow("II-11 40") << 11 << QStringList{"choose Combo1 40", "Text2=33", "Label17=40"};
        QTest::newRow("II-11 26") << 11 << QStringList{"choose Combo1 26", "Text2=20"};

        QTest::newRow("II-9 a new outer diameter asks for the wall")
            << 9
            << QStringList{"choose Combo1 15", "choose Combo2 1.0", "choose Combo1 22", "items Combo2=0.9|1.0|1.2|1.5",
                           "Label8=", "Text2=13", "type Text1 0.2", "type Text16 10", "click Command1",
                           "messages " + wallMessage, "Label1="};
        QTest::newRow("II-10 a new series asks for the diameter")
            << 10
            << QStringList{"choose Combo1 16", "click Option10", "Text2=", "count Combo1=13", "index Combo1=-1",
                           "type Text1 0.2", "type Text16 10", "click Command1", "messages " + diameterMessage};

        // The checks in their order, and what each leaves shown.
        QTest::newRow("II-9 empty diameter before empty flow")
            << 9 << QStringList{"click Check13", "click Command1", "messages " + diameterMessage, "Label1=", "tip Text1="};
        QTest::newRow("II-9 no wall before empty flow")
            << 9 << QStringList{"choose Combo1 15", "choose Combo2 1.0", "choose Combo1 22", "click Command1",
                                "messages " + wallMessage, "Label1=", "tip Text1="};
        QTest::newRow("II-9 zero flow")
            << 9 << typedSection("13", "0", "10") + QStringList{"click Command1", "messages " + flowMessage, "tip Text1="};
        QTest::newRow("II-9 empty length")
            << 9 << typedSection("13", "0.2", "") + QStringList{"click Command1", "messages " + lengthMessage, "tip Text1="};
        QTest::newRow("II-9 negative length")
            << 9 << typedSection("13", "0.2", "-5") + QStringList{"click Command1", "messages " + lengthMessage};
        QTest::newRow("II-9 hot-water kinds ask for t after the flow tooltip")
            << 9 << QStringList{"click Option3"} + typedSection("13", "0.2", "10")
                        + QStringList{"click Command1", "messages " + hotWaterMessage, "Label1=", flowTooltip};
        QTest::newRow("II-10 diameter before flow")
            << 10 << QStringList{"click Check13", "click Command1", "messages " + diameterMessage, "Label1=", "tip Text1="};
        QTest::newRow("II-11 flow")
            << 11 << typedSection("16", "", "") + QStringList{"click Command1", "messages " + flowMessage, "tip Text1="};
        QTest::newRow("II-10 length")
            << 10 << typedSection("16", "0.2", "0") + QStringList{"click Command1", "messages " + lengthMessage, "Label1="};
        QTest::newRow("II-11 hot water without t after the velocity")
            << 11 << QStringList{"click Option2"} + typedSection("16", "0.2", "10")
                         + QStringList{"click Command1", "messages " + hotWaterMessage, "Label1=v= 0,995 м/сек", flowTooltip,
                                       "hidden Label10"};
        QTest::newRow("II-10 viscosity before heating t")
            << 10 << QStringList{"click Option3", "click Option8"} + typedSection("16", "0.2", "10")
                         + QStringList{"click Command1", "messages " + viscosityMessage, "Label1=v= 0,995 м/сек", "hidden Label10"};
        QTest::newRow("II-11 heating t after viscosity")
            << 11 << QStringList{"click Option3", "click Option8", "type Text18 0.5"} + typedSection("16", "0.2", "10")
                         + QStringList{"click Command1", "messages " + heatingMessage, "Label1=v= 0,995 м/сек", "hidden Label10"};
        QTest::newRow("II-10 density last, after Σξ and ν")
            << 10 << QStringList{"click Option3", "click Option8", "type Text18 0.5", "choose Combo3 60"}
                         + typedSection("16", "0.2", "10")
                         + QStringList{"click Command1", "messages " + densityMessage, "visible Label10", "Text18=0.5"};

        QTest::newRow("II-9 cold water worked example")
            << 9 << typedSection("13", "0,2", "10")
                        + QStringList{"click Check1", "paste Text4 2", "click Check3", "click Command1", "messages",
                                      flowTooltip, "Label1=Скорость v=1,507 м/с", "tip Label1=скорость", "Label2=i= 0,254",
                                      "tip Label2=удельные потери давления R= 2488,838 Па/м",
                                      "Label4=Потери напора на участке H=2,827 м",
                                      "tip Label4=Потери давления на участке 27725,442 Па", "Label10=2,5",
                                      "visible Label10", "visible Label11", "Text18=1.3", "Label3="};
        const QStringList polymerExample{"click Command1", "messages", flowTooltip, "Label1=v= 1,473 м/сек", "tip Label1=",
                                         "Label2=i=0,232", "tip Label2=удельные потери давления R= 2276,403 Па/м",
                                         "Label4=Потери напора на участке 2,321 м",
                                         "tip Label4=Потери давления на участке 22764,027 Па", "Label10=0",
                                         "visible Label11", "Text18=1.3", "Label3="};
        QTest::newRow("II-10 cold water worked example") << 10 << typedSection("13.15", "0,2", "10") + polymerExample;
        QTest::newRow("II-11 cold water worked example") << 11 << typedSection("13.15", "0,2", "10") + polymerExample;

        QTest::newRow("II-9 Σξ with другие")
            << 9 << typedSection("13", "0.2", "10")
                        + QStringList{"click Check1", "paste Text4 2", "click Check3", "click Check14", "type Text17 0,3",
                                      "click Command1", "Label10=2,8"};
        QTest::newRow("II-10 two U-bends")
            << 10 << typedSection("13.15", "0.2", "10")
                         + QStringList{"click Check12", "paste Text15 2", "click Command1", "Label10=1,4"};
        QTest::newRow("II-11 two compression-nut joints")
            << 11 << typedSection("13.15", "0.2", "10")
                         + QStringList{"click Check12", "paste Text15 2", "click Command1", "Label10=3"};

        const QStringList circulationList{"tip Combo3=для систем ГВС рекомендуется t=60°C", "colour Label13_0=#000000",
                                          "disabled Option7"};
        QTest::newRow("II-9 circulation at 50")
            << 9 << QStringList{"click Option2"} + circulationList + QStringList{"choose Combo3 50"}
                        + typedSection("13", "0.2", "10")
                        + QStringList{"click Command1", "messages", "Label2=i= 0,205", "Text18=0.55"};
        QTest::newRow("II-9 supply at 90")
            << 9 << QStringList{"click Option3"} + circulationList + QStringList{"choose Combo3 90"}
                        + typedSection("13", "0.2", "10")
                        + QStringList{"click Command1", "messages", "Label2=i=0,604", "Text18=0.36"};
        const QStringList hotWaterList{"click Option2", "items Combo3=40|50|60|70|80|90", "enabled Frame4",
                                       "disabled Frame5", "colour Label13_0=#000000"};
        QTest::newRow("II-10 hot water at 40")
            << 10 << hotWaterList + QStringList{"choose Combo3 40"} + typedSection("13.15", "0.2", "10")
                         + QStringList{"click Command1", "messages", "Text18=0.66", "Label2=i=0,198"};
        QTest::newRow("II-11 hot water at 90")
            << 11 << hotWaterList + QStringList{"choose Combo3 90"} + typedSection("13.15", "0.2", "10")
                         + QStringList{"click Command1", "messages", "Text18=0.32"};

        // The supply formula turns negative for large bores: 153 mm at 1 m/s and 90 °C.
        QTest::newRow("II-9 a supply slope that is not positive is refused")
            << 9 << QStringList{"click Option3", "choose Combo3 90"} + typedSection("13", "0.2", "10")
                        + QStringList{"click Command1", "messages", "Label2=i=0,604",
                                      "Label4=Потери напора на участке H=6,045 м", "paste Text2 153", "paste Text1 18.385",
                                      "click Command1", "messages " + notComputable, "Label2=i=0,604",
                                      "Label4=Потери напора на участке H=6,045 м"};

        // R takes the table density of water, as the local losses do.
        QTest::newRow("II-9 heating with water at 70")
            << 9 << QStringList{"click Option4", "enabled Frame5", "colour Label14_0=#000000", "choose Combo3 70",
                                "Text3=980", "Text18=0.41", "disabled Text3"}
                        + typedSection("13", "0.2", "10")
                        + QStringList{"click Check1", "paste Text4 2", "click Check3", "click Command1", "messages",
                                      "Label2=R=2118,078 Па/м", "tip Label2=",
                                      "Label4=Падение давления в системе отопления = 23962,045 Па", "tip Label4=",
                                      "Text3=980"};
        const QStringList polymerHeating = QStringList{"click Option3", "enabled Option8", "colour Label14_0=#000000",
                                                       "choose Combo3 80"}
                                           + typedSection("13.15", "0.2", "10")
                                           + QStringList{"click Command1", "messages", "Text3=970", "Text18=0.36",
                                                         "Label2=R= 1662,579 Па/м", "tip Label2=",
                                                         "Label4=Потери давления на участке 16625,788 Па", "tip Label4="};
        const QStringList waterAgain{"click Option7",  "Text3=",          "Text18=",        "click Option8",
                                     "enabled Text3",  "type Text3 1000", "click Option7", "disabled Text3",
                                     "Text3="};
        QTest::newRow("II-10 heating with water at 80") << 10 << polymerHeating + waterAgain;
        QTest::newRow("II-11 heating with water at 80") << 11 << polymerHeating + waterAgain;

        QTest::newRow("II-9 the temperature outlives a change of system")
            << 9 << QStringList{"click Option4", "choose Combo3 70", "click Option3", "index Combo3=-1"}
                        + typedSection("13", "0.2", "10") + QStringList{"click Command1", "messages", "Text18=0.41"};
        QTest::newRow("II-9 heating takes the density of the kept temperature")
            << 9 << QStringList{"click Option2", "choose Combo3 80", "Text3=", "click Option4", "Text3=970", "Text18=",
                                "disabled Text3", "click Option1", "disabled Frame5", "items Combo3=", "Label12=80"};
        QTest::newRow("II-9 heating with another carrier")
            << 9 << QStringList{"click Option4", "click Option8", "enabled Text3", "enabled Text18", "type Text18 0.5"}
                        + typedSection("13", "0.2", "10")
                        // The temperature is asked for even though the typed carrier does not need it.
                        + QStringList{"click Command1", "messages " + copperHeatingMessage, flowTooltip,
                                      "choose Combo3 60", "disabled Text3", "click Command1",
                                      "messages " + copperDensityMessage, "Label1=Скорость v=1,507 м/с", "Label2=",
                                      "Text18=0.5", "Label4=", "click Option8", "Text18=", "enabled Text3",
                                      "click Command1", "messages " + copperViscosityMessage, "type Text18 0.5",
                                      "type Text3 1000", "click Command1", "messages", "Label2=R=2231,502 Па/м",
                                      "Label4=Падение давления в системе отопления = 22315,015 Па",
                                      // A glycol's density weighs on R as on every other pressure loss.
                                      "paste Text3 1050", "click Command1", "messages", "Label2=R=2343,077 Па/м",
                                      "Label4=Падение давления в системе отопления = 23430,766 Па"};

        QTest::newRow("II-9 a clear forgets the temperature and keeps three tooltips")
            << 9 << QStringList{"click Option2", "choose Combo3 60"} + typedSection("13", "0.2", "10")
                        + QStringList{"click Command1", "click Command2", "Label1=", "Label2=", "Label3=", "Label4=",
                                      "Text1=", "Text16=", "Text18=", "Label12=", "hidden Label10", "hidden Label11",
                                      "Combo3=60", "tip Label1=", "tip Label2=удельные потери давления R= 1929,902 Па/м",
                                      "tip Label4=Потери давления на участке 19299,022 Па", flowTooltip,
                                      "type Text1 0.2", "type Text16 10", "click Command1", "messages " + hotWaterMessage};
        const QStringList polymerClear =
            QStringList{"click Option2", "choose Combo3 60"} + typedSection("13.15", "0.2", "10")
            + QStringList{"click Command1", "click Command2", "Label1=", "Label2=", "Label3=", "Label4=", "Text1=",
                          "Text16=", "Text18=", "Text3=", "tip Label2=", "tip Label4=", "tip Text1=", "hidden Label10",
                          "Label12=60", "type Text1 0.2", "type Text16 10", "click Command1", "messages", "Text18=0.47"};
        QTest::newRow("II-10 a clear keeps the temperature") << 10 << polymerClear;
        QTest::newRow("II-11 a clear keeps the temperature") << 11 << polymerClear;

        const QStringList polymerChangeOfSystem =
            QStringList{"click Option2", "choose Combo3 60"} + typedSection("13.15", "3", "10")
            + QStringList{"click Command1", "Label3=" + tooFast, "click Option3", "Label1=", "Label2=", "Label3=",
                          "Label4=", "Label12=", "tip Label2=", "tip Label3=", "tip Label4=", "hidden Label10",
                          "index Combo3=-1", "click Command1", "messages " + heatingMessage, "click Option8",
                          "click Option1", "checked Option7", "disabled Option8", "disabled Combo3", "items Combo3="};
        QTest::newRow("II-10 a change of system clears results and t") << 10 << polymerChangeOfSystem;
        QTest::newRow("II-11 a change of system clears results and t") << 11 << polymerChangeOfSystem;

        QTest::newRow("II-9 a reset keeps the sum")
            << 9 << typedSection("13", "0.2", "10")
                        + QStringList{"click Check1", "paste Text4 2", "click Check12", "paste Text15 3", "click Check14",
                                      "type Text17 4", "click Command1", "click Command4", "unchecked Check1",
                                      "unchecked Check12", "unchecked Check14", "Text4=1", "Text15=1", "Text17=",
                                      "disabled Text4", "disabled Text15", "disabled Text17", "visible Label10",
                                      "Label10=7,1"};
        QTest::newRow("II-10 a reset hides the sum")
            << 10 << typedSection("13.15", "0.2", "10")
                         + QStringList{"click Check2", "click Check14", "type Text17 2", "click Command1", "Label10=2,5",
                                       "click Command4", "hidden Label10", "hidden Label11", "unchecked Check2",
                                       "disabled Text5", "Text17="};
        QTest::newRow("II-9 a fitting box enables its count")
            << 9 << QStringList{"click Check5", "enabled Text8", "type Text8 1,25", "Text8=1125", "click Check5",
                                "disabled Text8", "Text8=1125"};
        QTest::newRow("II-9 a blank empties the input")
            << 9 << QStringList{"type Text16 25 3", "Text16= 3", "type Text1 0,5", "Text1=0.5"};

        QTest::newRow("II-9 other diameter box")
            << 9 << QStringList{"choose Combo1 15", "choose Combo2 1.0", "click Check13", "enabled Text2", "Text2=",
                                "count Combo1=0", "disabled Combo2", "colour Label5_1=#808080", "colour Label15=#000000",
                                "click Check13", "disabled Text2", "count Combo1=20", "index Combo1=-1", "count Combo2=0",
                                "colour Label5_0=#000000", "Label8=1.0"};
        const QStringList polymerOtherDiameter{"choose Combo1 20", "click Check13", "enabled Text2", "Text2=",
                                               "disabled Combo1", "count Combo1=0", "colour Label7=#808080",
                                               "colour Label8=#000000", "type Text2 12", "click Check13", "disabled Text2",
                                               "Text2=", "index Combo1=-1", "colour Label7=#000000", "Label17=20"};
        QTest::newRow("II-10 other diameter box brings SDR 13,6 back")
            << 10 << QStringList{"click Option11"} + polymerOtherDiameter
                         + QStringList{"checked Option4", "enabled Frame9", "enabled Option9", "count Combo1=10"};
        QTest::newRow("II-11 other diameter box") << 11 << polymerOtherDiameter + QStringList{"count Combo1=6"};
        QTest::newRow("II-10 other diameter box disables the series")
            << 10 << QStringList{"click Check13", "disabled Frame9", "disabled Option9"};

        // A velocity at the limit is acceptable: it clears an earlier warning; copper keeps its tooltip.
        const QString coldLimit = QStringLiteral("tip Label3=Для систем холодного водоснабжения рекомендуется v до 4 м/с");
        QTest::newRow("II-9 velocity at the limit")
            << 9 << typedSection("13", "2", "10")
                        + QStringList{"click Command1", "Label3=" + tooFast, "colour Label3=#ff0000", coldLimit,
                                      "paste Text1 0.5309291584566751", "click Command1", "Label1=Скорость v=4 м/с",
                                      "Label3=", "colour Label3=#000000", coldLimit};
        const QStringList polymerLimit =
            QStringList{"click Option2", "choose Combo3 60"} + typedSection("13.15", "1", "10")
            + QStringList{"click Command1", "colour Label3=#ff0000",
                          "tip Label3=Для систем ГВС рекомендуется скорость до 3 м/сек", "paste Text1 0.4074390417302857",
                          "click Command1", "Label1=v= 3 м/сек", "Label3=", "colour Label3=#000000", "tip Label3="};
        QTest::newRow("II-10 velocity at the limit") << 10 << polymerLimit;
        QTest::newRow("II-11 velocity at the limit") << 11 << polymerLimit;

        // A polymer screen stops before Σξ, copper after it.
        const QStringList finite{"finite Label1", "finite Label2", "finite Label4", "finite Label10", "Label2=", "Label4="};
        for (const auto& [table, name, viscosity, flow, velocity, tooltip] :
             {std::tuple{9, "negative typed viscosity", "-1", "0.2", "Скорость v=1,507 м/с", flowTooltip},
              {9, "flow too large for a number", "1", "1e999", "", QString("tip Text1=")},
              {9, "flow too large in cubic metres per hour", "1", "1e308", "", QString("tip Text1=")},
              {10, "negative typed viscosity", "-1", "0.2", "v= 1,473 м/сек", QString("Label10=")},
              {11, "negative typed viscosity", "-1", "0.2", "v= 1,473 м/сек", QString("Label10=")}})
            QTest::addRow("II-%d %s is refused", table, name)
                << table << QStringList{"click " + QString(table == 9 ? "Option4" : "Option3"), "click Option8",
                                        "choose Combo3 60", "type Text18 " + QString(viscosity), "type Text3 1000"}
                                + typedSection(table == 9 ? "13" : "13.15", "", "10")
                                + QStringList{"paste Text1 " + QString(flow), "click Command1", "messages " + notComputable,
                                              "Label1=" + QString(velocity), tooltip}
                                + finite;
        // 1e308 л/сек is a number, but not in м куб/ч: the flow tooltip would read "inf".
        QTest::newRow("II-10 a flow too large for its tooltip is refused")
            << 10 << typedSection("13.15", "", "10")
                         + QStringList{"paste Text1 1e308", "click Command1", "messages " + notComputable, "tip Text1=",
                                       "Label1="};
    }
    void screenShows()
    {
        QFETCH(int, table);
        QFETCH(QStringList, script);
        open(table);
        for (const QString& step : script) {
            const QString action = step.section(u' ', 0, 0);
            if (QStringList{"click", "type", "paste", "choose"}.contains(action))
                takeStep(w, step);
            else if (action == QLatin1String("messages"))
                QCOMPARE(takeMessages(), step == action ? QStringList() : QStringList{step.mid(action.size() + 1)});
            else
                expectShown(w, step);
            if (QTest::currentTestFailed())
                return qWarning("at: %s", qPrintable(step));
        }
        QCOMPARE(takeMessages(), QStringList());
    }

    // A request set on a screen, fresh or holding another, is the screen's request again, and the
    // figures it shows are its calculation's to the digits shown, greyed once an input changes.
    void requestBothWays_data()
    {
        QTest::addColumn<calc::CalculationRequest>("before");
        QTest::addColumn<calc::CalculationRequest>("request");
        const auto glycol = *calc::carrier::lookUp({calc::CarrierKind::EthyleneGlycol, "30", "70"}).reading;
        const auto load = calc::carrier::flowFromLoad({"5000", "20", "", glycol.shown.heatCapacity, glycol.shown.density});
        calc::CalculationRequest heating = section(9, {3, 2, 1}, "28 × 1.0", 26, *load.litresPerSecond, 10, {2, 0, 1});
        heating.localLosses.otherResistance = 1.5;
        heating.conditions.temperature = 70;
        heating.conditions.carrierDensity = glycol.shown.density;
        heating.conditions.carrierViscosityE6 = glycol.shown.viscosityE6;
        heating.carrier = calc::ReferenceCarrier{calc::CarrierKind::EthyleneGlycol, 30, 70, glycol.shown.heatCapacity};
        heating.load = load.load;

        const calc::FixtureSupply showers{4, 0.14, 0.3, 0, 0, "12 Душ в групповой установке со смесителем",
                                          calc::FixtureWater::Hot};
        calc::CalculationRequest circulation = section(9, {1, 1, 0}, "15 × 1.0", 13,
                                                       *calc::fixtures::fixtureFigures(showers).litresPerSecond, 12, {0, 1});
        circulation.conditions.temperature = 60;
        circulation.fixtures = showers;

        calc::CalculationRequest hotWater = section(10, {1, 1, 1, 0}, "20", 15.95, 0.9, 8, {0, 3});
        hotWater.conditions.flow.unit = calc::FlowUnit::CubicMetresPerHour;
        hotWater.conditions.temperature = 50;
        calc::CalculationRequest typedPex = section(10, {0, 0, -1, 0}, "", 12.5, 0.3, 4, {});
        typedPex.localLosses.otherResistance = 0.4;

        const calc::FixtureSupply typedFixtures{8, 0.2, 0.015, 0, 0, "", calc::FixtureWater::Cold};
        calc::CalculationRequest coldWater = section(11, {0, -1, 0}, "20", 16,
                                                     *calc::fixtures::fixtureFigures(typedFixtures).litresPerSecond, 6, {1});
        coldWater.fixtures = typedFixtures;
        calc::CalculationRequest otherCarrier = section(11, {2, 0, 1}, "", 16, 0.1, 5, {});
        otherCarrier.conditions.temperature = 50;
        otherCarrier.conditions.carrierDensity = 1050;
        otherCarrier.conditions.carrierViscosityE6 = 2.5;

        QTest::newRow("II-9 heating, glycol from the reference, flow from a heat load") << calc::CalculationRequest{} << heating;
        QTest::newRow("II-9 circulation, flow from showers of table А.1") << calc::CalculationRequest{} << circulation;
        QTest::newRow("II-9 circulation over heating") << heating << circulation;
        QTest::newRow("II-9 heating over circulation") << circulation << heating;
        QTest::newRow("II-10 hot water, SDR 11, m³/h") << calc::CalculationRequest{} << hotWater;
        QTest::newRow("II-10 SDR 11 over a typed diameter") << typedPex << hotWater;
        QTest::newRow("II-10 typed diameter over SDR 11") << hotWater << typedPex;
        QTest::newRow("II-11 cold water, flow from fixtures with P typed") << calc::CalculationRequest{} << coldWater;
        QTest::newRow("II-11 heating, another carrier typed") << calc::CalculationRequest{} << otherCarrier;
    }
    void requestBothWays()
    {
        QFETCH(calc::CalculationRequest, before);
        QFETCH(calc::CalculationRequest, request);
        open(request.table);
        auto* bound = dynamic_cast<calc::CalculatorScreen*>(w.data());
        QVERIFY(!before.table || bound->apply(before));
        QVERIFY(bound->apply(request));
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(fields(bound->request()), fields(request));
        const calc::CalculationOutcome outcome = record(request.table).calculate(request);
        const calc::Figures& f = outcome.figures;
        QVERIFY(!outcome.failed);
        for (const auto& [label, figure] :
             {std::pair{"Label1", *f.velocity}, {"Label2", f.specificLoss.value_or(f.slope.value_or(0))},
              {"Label4", f.pressureDrop.value_or(f.headLoss.value_or(0))}, {"Label10", *f.resistanceSum}})
            QVERIFY2(qAbs(shownNumber(text(w, label)) - figure) <= 0.0005, qPrintable(text(w, label)));
        pasteInto(w, "Text16", "1");
        const QColor greyed = QApplication::palette(child<QLabel>(w, "Label4")).color(QPalette::Disabled, QPalette::WindowText);
        QCOMPARE(captionColour(w, "Label4"), greyed);
    }

    void requestNotTaken_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<calc::CalculationRequest>("request");
        calc::CalculationRequest carrierOnColdWater = section(11, {0, -1, 0}, "20", 16, 1, 5, {});
        carrierOnColdWater.carrier = calc::ReferenceCarrier{};
        QTest::newRow("no such temperature") << 9 << section(9, {3, 40, 0}, "12 × 0.6", 10.8, 1, 5, {});
        QTest::newRow("no such system") << 11 << section(11, {3, -1, 0}, "20", 16, 1, 5, {});
        QTest::newRow("no such size in the series") << 10 << section(10, {0, 0, -1, 0}, "12", 9.15, 1, 5, {});
        QTest::newRow("a carrier from the reference on cold water") << 11 << carrierOnColdWater;
        QTest::newRow("another table's request") << 10 << section(11, {0, -1, 0}, "20", 16, 1, 5, {});
    }
    void requestNotTaken()
    {
        QFETCH(int, table);
        QFETCH(calc::CalculationRequest, request);
        open(table);
        QVERIFY(!dynamic_cast<calc::CalculatorScreen*>(w.data())->apply(request));
        QCOMPARE(takeMessages(), QStringList());
    }

    void fittingDrawings_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("rowTwelve");
        QTest::newRow("II-9") << 9 << ":/building/fittings/u-bend.svg";
        QTest::newRow("II-10") << 10 << ":/building/fittings/u-bend.svg";
        QTest::newRow("II-11") << 11 << ":/building/fittings/compression-nut.svg";
    }
    void fittingDrawings()
    {
        QFETCH(int, table);
        QFETCH(QString, rowTwelve);
        open(table);
        for (int row = 1; row <= 12; ++row) {
            const QString name = QStringLiteral("fittingDrawing_%1").arg(row);
            QVERIFY2(QFile::exists(w->findChild<FittingDrawing*>(name)->resource()), qPrintable(name));
        }
        QCOMPARE(w->findChild<FittingDrawing*>(QStringLiteral("fittingDrawing_12"))->resource(), rowTwelve);
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
        open(9);
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

    void documentLinks_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("document");
        QTest::newRow("СП 40-108-2004") << 9 << "Label21" << "sp40_108_2004.doc";
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
        QCOMPARE(openedByLink(w, qPrintable(link), document), document);
    }
};

UITEST_MAIN(BuildingScreensTest)
#include "tst_buildingscreens.moc"
