#include "calc/registry/tables.h"
#include "platform/filedialogs.h"
#include "platform/savequestion.h"
#include "report/frmuchastki.h"
#include "report/renderings.h"
#include "report/sectionsheet.h"
#include "report/sectionsmodel.h"
#include "tests/common/uitest.h"

#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

using namespace calc;
using uitest::click;

namespace {

const TableRecord* record(int number) { return number >= 1 && number <= tableCount ? &table(number) : nullptr; }

// II-1, non-new pipes, cold water, drinking-water system (k = 0,3 counted), handed over at 0,3 л/с.
CalculationRequest steelPipe(const QString& size, double diameter, double length)
{
    return {1, {{0, 0, -1, 0}, {0.3, FlowUnit::LitresPerSecond}}, size, diameter, length, {true, {}, {}}};
}

// II-9 copper heating, water at 70 °С, elbows, tees through and to the branch; the flow from 1,5 кВт.
CalculationRequest copperPipe(const QString& size, double diameter, double length, QList<double> fittings)
{
    fittings.resize(12);
    CalculationRequest request{9, {{3, 2, 0}, {0.0183, FlowUnit::LitresPerSecond}}, size, diameter, length, {false, fittings, {}}};
    request.load = HeatLoad{1500, 20, 4.19};
    return request;
}

// A five-storey riser, two flats a floor: the rows as the network test of the pure layer has them,
// the ends typed in the window.
const QStringList riserEnds{"ввод>Ст", "Ст>эт1", "эт1>эт2", "эт2>эт3", "эт3>эт4", "эт4>эт5"};

}  // namespace

class SectionNetworkTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    }
    void init()
    {
        platform::setSaveQuestionReplacement([](const QString&) { return platform::SaveAnswer::Discard; });
        platform::setFileDialogReplacement([this](const platform::FileDialogRequest&) { return chosenPath; });
        window = new frmuchastki(record);
        window->show();
    }
    void cleanup()
    {
        if (window)
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        uitest::takeFileErrors();
        uitest::takeMessages();
    }

    // N and q of each row summed up the riser, the dictating end and formula (14), as worked by
    // hand for the network itself: flat 10, Σh = 8,752 м, H_тр = 28,252 м.
    void riser_data()
    {
        QTest::addColumn<QString>("typedFlow");
        QTest::addColumn<QString>("guaranteed");
        QTest::addColumn<QString>("required");
        QTest::addColumn<QString>("booster");
        QTest::addColumn<QString>("inputFlow");
        QTest::newRow("network flows") << "" << "30" << "H_тр = H_geom + ΣH_il + H_пр + ΣH_вод + H_тепл + H_ввод = 14 + 8,752 + 3 + 2,5 + 0 + 0 = 28,252 м"
                                       << "Напора в сети достаточно (запас 1,748 м)" << "0,479";
        QTest::newRow("booster") << "" << "25" << "H_тр = H_geom + ΣH_il + H_пр + ΣH_вод + H_тепл + H_ввод = 14 + 8,752 + 3 + 2,5 + 0 + 0 = 28,252 м"
                                 << "Требуется повышение напора на 3,252 м" << "0,479";
        QTest::newRow("typed flow in flat 10") << "0.3" << "30"
                                               << "H_тр = H_geom + ΣH_il + H_пр + ΣH_вод + H_тепл + H_ввод = 14 + 10,636 + 3 + 2,5 + 0 + 0 = 30,136 м"
                                               << "Требуется повышение напора на 0,136 м" << "0,479";
        QTest::newRow("no guaranteed head") << "" << "" << "H_тр = H_geom + ΣH_il + H_пр + ΣH_вод + H_тепл + H_ввод = 14 + 8,752 + 3 + 2,5 + 0 + 0 = 28,252 м"
                                            << "" << "0,479";
    }
    void riser()
    {
        QFETCH(QString, typedFlow);
        QFETCH(QString, guaranteed);
        QFETCH(QString, required);
        QFETCH(QString, booster);
        QFETCH(QString, inputFlow);
        buildRiser();
        setSystem({{"fixtureFlowInput", "0.2"}, {"hourNormInput", "5.6"}, {"metersInput", "2.5"}, {"guaranteedInput", guaranteed}});
        if (!typedFlow.isEmpty())
            setCell(15, "q, л/с", typedFlow);
        QCOMPARE(uitest::text(window, "networkFaultLabel"), QString());
        QCOMPARE(uitest::text(window, "requiredHeadLabel"), required);
        QCOMPARE(uitest::text(window, "boosterLabel"), booster);
        QCOMPARE(uitest::child<QLabel>(window, "boosterLabel")->isVisible(), !booster.isEmpty());
        QCOMPARE(uitest::text(window, "dictatingLabel").section(QLatin1Char(':'), 0, 0), QString("Диктующая точка — узел «кв10»"));
        QCOMPARE(cell(0, "N"), QString("40"));
        QCOMPARE(cell(0, "U"), QString("30"));
        QCOMPARE(cell(0, "q, л/с"), inputFlow);
        QCOMPARE(cell(2, "N"), QString("32"));
        QCOMPARE(cell(6, "q, л/с"), QString("0,2227"));
        QCOMPARE(cell(15, "q, л/с"), typedFlow.isEmpty() ? QString("0,2227") : QString("0,3"));
        // The dictating path's rows are marked, and Σh runs along it.
        for (int row = 0; row < 16; ++row)
            QCOMPARE(model()->index(row, 0).data(Qt::BackgroundRole).isValid(), row <= 5 || row == 15);
        QCOMPARE(cell(15, "Σh, м"), typedFlow.isEmpty() ? QString("8,752") : QString("10,636"));
        // In the workbook flat 10's Σh (column U) adds its h (T) to that of the row feeding it,
        // "эт4>эт5" on the sheet's row 14; the results stand under the totals of row 25.
        const report::workbook::Sheet sheet = report::sectionsSheet(model()->computed(), model()->kind(), {});
        QCOMPARE(sheet.rows.at(23).at(20).text, QString("U14+ROUND(T24,3)"));
        QCOMPARE(sheet.rows.at(23).at(20).value, typedFlow.isEmpty() ? 8.752 : 10.636);
        QCOMPARE(sheet.rows.at(26).at(0).text, QString("Диктующая точка — узел"));
        QCOMPARE(sheet.rows.at(26).at(1).textResult, std::optional<QString>("кв10"));
        // The record of the system names every end: flat 10 on the fifth floor, z = 3·5 − 1.
        QVERIFY(networkDocumentOf().paragraphs.contains(
            typedFlow.isEmpty() ? QString("Узел «кв10»: H = z + Σh + Hсв = 14 + 8,752 + 3 = 25,752 м")
                                : QString("Узел «кв10»: H = z + Σh + Hсв = 14 + 10,636 + 3 = 27,636 м")));
    }

    // A table whose ends are no tree names the first fault and computes each row by its own flow.
    void treeFault_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("fault");
        QTest::newRow("two feeds") << 15 << "кв9" << "Участок «16»: узел «кв9» питается двумя участками — «15» и «16»";
        QTest::newRow("start is end") << 1 << "Ст" << "Участок «2»: начало и конец — один и тот же узел «Ст»";
    }
    void treeFault()
    {
        QFETCH(int, row);
        QFETCH(QString, end);
        QFETCH(QString, fault);
        buildRiser();
        setSystem({{"fixtureFlowInput", "0.2"}, {"hourNormInput", "5.6"}});
        setCell(row, "Конец", end);
        QCOMPARE(uitest::text(window, "networkFaultLabel"), fault);
        QVERIFY(uitest::child<QLabel>(window, "networkFaultLabel")->isVisible());
        QVERIFY(!uitest::child<QLabel>(window, "requiredHeadLabel")->isVisible());
        // Each row as a list: the flow the calculator handed over, summed down the table.
        QCOMPARE(cell(0, "q, л/с"), QString("0,3"));
        QCOMPARE(cell(0, "N"), QString());
    }

    // Each kind of change is one step back: an end, the fixtures at it, the system's figures,
    // a typed flow and the sizes of many rows.
    void undoEveryChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("required");
        QTest::newRow("an end") << "end" << "";
        QTest::newRow("fixtures at an end") << "fixtures" << "14 + 8,752 + 3 + 2,5 + 0 + 0 = 28,252 м";
        QTest::newRow("the system") << "system" << "14 + 8,752 + 3 + 2,5 + 0 + 0 = 28,252 м";
        QTest::newRow("a typed flow") << "flow" << "14 + 8,752 + 3 + 2,5 + 0 + 0 = 28,252 м";
        QTest::newRow("sizes") << "sizes" << "14 + 8,752 + 3 + 2,5 + 0 + 0 = 28,252 м";
    }
    void undoEveryChange()
    {
        QFETCH(QString, change);
        QFETCH(QString, required);
        buildRiser();
        setSystem({{"fixtureFlowInput", "0.2"}, {"hourNormInput", "5.6"}, {"metersInput", "2.5"}});
        const QString before = uitest::text(window, "requiredHeadLabel");
        const int steps = model()->history().count();
        if (change == "end")
            setCell(0, "Конец", "");
        else if (change == "fixtures")
            setCell(15, "U у конца", "6");
        else if (change == "system")
            setSystem({{"metersInput", "4"}});
        else if (change == "flow")
            setCell(15, "q, л/с", "0.3");
        else
            click(window, "chooseSizesButton");
        QCOMPARE(model()->history().count(), steps + 1);
        QVERIFY(uitest::text(window, "requiredHeadLabel") != before);
        model()->history().undo();
        QCOMPARE(uitest::text(window, "requiredHeadLabel"), before);
        QVERIFY(before.endsWith(required));
    }

    // The smallest size within the table's velocity: 0,479 л/с in 26,8 × 2,8 at v = 4·0,000479/(π·0,0202²)
    // = 1,495 м/с (21,3 × 3,2 of dp 13,9 gives 3,157); 0,2227 л/с of a flat in 21,3 × 3,2 at 1,468 м/с
    // (17,0 × 2,8 of dp 10,4 gives 2,621). At 3 м/с: 21,3 × 2,8 at 2,822 and 17,0 × 2,8 at 2,621.
    void sizesChosenWithinLimits_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("inputSize");
        QTest::addColumn<QString>("flatSize");
        QTest::addColumn<double>("fastest");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("1,5 м/с") << "" << "26,8 × 2,8" << "21,3 × 3,2" << 1.5 << QStringList();
        QTest::newRow("3 м/с") << "3" << "21,3 × 2,8" << "17,0 × 2,8" << 3.0 << QStringList();
        QTest::newRow("none within") << "0.01" << "33,5 × 3,2" << "21,3 × 2,8" << 2.0
                                     << QStringList{"Ни одна труба не проходит по ограничениям v ≤ 0,01 м/с на участках «1», «2», "
                                                    "«3», «4», «5», «6», «7», «8», «9», «10», «11», «12», «13», «14», «15», "
                                                    "«16»:\rих диаметры не изменены"};
    }
    void sizesChosenWithinLimits()
    {
        QFETCH(QString, limit);
        QFETCH(QString, inputSize);
        QFETCH(QString, flatSize);
        QFETCH(double, fastest);
        QFETCH(QStringList, messages);
        buildRiser();
        setSystem({{"fixtureFlowInput", "0.2"}, {"hourNormInput", "5.6"}});
        if (!limit.isEmpty()) {
            click(window, "systemButton");
            auto* system = window->findChild<QWidget*>("frmsistema");
            QVERIFY(system);
            uitest::pasteInto(system, "velocityLimitInput", limit);
            click(system, "applyButton");
        }
        const int steps = model()->history().count();
        click(window, "chooseSizesButton");
        QCOMPARE(uitest::takeMessages(), messages);
        QCOMPARE(model()->history().count(), steps + (messages.isEmpty() ? 1 : 0));
        QVERIFY2(cell(0, "Трубы").endsWith(inputSize), qPrintable(cell(0, "Трубы")));
        QVERIFY2(cell(15, "Трубы").endsWith(flatSize), qPrintable(cell(15, "Трубы")));
        for (int row = 0; row < 16; ++row)
            QVERIFY2(cell(row, "v, м/с").replace(',', '.').toDouble() <= fastest, qPrintable(cell(row, "v, м/с")));
    }

    // q0 of the system from table А.1: a bath with a mixer gives 0,18 л/с of cold water to the
    // riser of cold water; a flat's P = 5,6·3/(3600·0,18·4) = 0,0064815, NP = 0,025926,
    // α = 0,226 + 0,002·0,926 = 0,22785 (табл. Б.2), q = 5·0,18·α = 0,2051 л/с.
    void systemFixtureFromTable()
    {
        buildRiser();
        click(window, "systemButton");
        auto* system = window->findChild<QWidget*>("frmsistema");
        QVERIFY(system);
        QCOMPARE(uitest::text(system, "waterKindList"), QString("холодная"));
        const QString bath = "6 Ванна со смесителем (в том числе общим для ванн и умывальника)";
        uitest::choose(system, "fixtureKindList", bath);
        QCOMPARE(uitest::text(system, "fixtureFlowInput"), QString("0.18"));
        QCOMPARE(uitest::text(system, "fixtureHourFlowLabel"), QString("q0,hr = 200 л/ч"));
        uitest::typeInto(system, "fixtureFlowInput", "1");
        QCOMPARE(uitest::text(system, "fixtureKindList"), QString("задать q0 вручную"));
        uitest::choose(system, "fixtureKindList", bath);
        uitest::typeInto(system, "hourNormInput", "5.6");
        click(system, "applyButton");
        QCOMPARE(cell(15, "q, л/с"), QString("0,2051"));
    }

    // A refused value names the section and the column, and the row keeps its value.
    void refusals_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("negative height") << "z, м" << "-1" << "Участок «16», графа «z, м»: высота прибора над вводом не может быть отрицательной";
        QTest::newRow("N not whole") << "N у конца" << "2.5"
                                     << "Участок «16», графа «N у конца»: число приборов должно быть целым числом от 0 до 1000000";
        QTest::newRow("node too long") << "Конец" << QString(41, QChar(u'к')) << "Участок «16», графа «Конец»: имя узла длиннее 40 знаков";
    }
    void refusals()
    {
        QFETCH(QString, column);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        buildRiser();
        const QString kept = cell(15, column);
        QVERIFY(!model()->setData(model()->index(15, columnOf(column)), typed, Qt::EditRole));
        QCoreApplication::processEvents();
        QCOMPARE(uitest::takeMessages(), QStringList{message});
        QCOMPARE(cell(15, column), kept);
    }

    // Version 3 keeps the ends, what sits at them and the system by their names; a row whose flow
    // follows the network keeps none, a typed one keeps its own; the file opens as it was saved.
    void fileReadBack()
    {
        QTemporaryDir folder;
        buildRiser();
        setSystem({{"fixtureFlowInput", "0.2"}, {"hourNormInput", "5.6"}, {"metersInput", "2.5"}, {"guaranteedInput", "30"}});
        setCell(15, "q, л/с", "0.3");
        chosenPath = folder.filePath("стояк.talver");
        click(window, "saveButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        QFile file(chosenPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(root.value("version").toInt(), 3);
        QCOMPARE(root.value("network").toObject(),
                 (QJsonObject{{"fixtureFlow", 0.2}, {"hourNorm", 5.6}, {"velocityLimit", 1.5}, {"meters", 2.5}, {"heater", 0},
                              {"inlet", 0}, {"guaranteed", 30}}));
        const QJsonArray sections = root.value("sections").toArray();
        const QJsonObject flat = sections.at(14).toObject();
        QCOMPARE(flat.value("start").toString(), QString("эт5"));
        QCOMPARE(flat.value("end").toString(), QString("кв9"));
        QCOMPARE(flat.value("fixturesAtEnd").toObject(), (QJsonObject{{"count", 4}, {"consumers", 3}}));
        QCOMPARE(flat.value("endHeight").toDouble(), 14.0);
        QCOMPARE(flat.value("endHead").toDouble(), 3.0);
        QVERIFY(!flat.contains("flow"));
        QCOMPARE(sections.at(15).toObject().value("flow").toDouble(), 0.3);

        QPointer<frmuchastki> reopened = new frmuchastki(record);
        reopened->show();
        click(reopened, "openButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        for (const char* label : {"requiredHeadLabel", "dictatingLabel", "boosterLabel"})
            QCOMPARE(uitest::text(reopened, label), uitest::text(window, label));
        QCOMPARE(uitest::text(reopened, "requiredHeadLabel"),
                 QString("H_тр = H_geom + ΣH_il + H_пр + ΣH_вод + H_тепл + H_ввод = 14 + 10,636 + 3 + 2,5 + 0 + 0 = 30,136 м"));
        QVERIFY(!reopened->isModified());
        reopened->close();
    }

    // Files of versions 1 and 2 know no ends: they open as lists.
    void olderFileOpensAsList()
    {
        QTemporaryDir folder;
        chosenPath = folder.filePath("старый.talver");
        QFile file(chosenPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "talvertable-sections", "version": 2, "sections": [{"number": "4", "table": 1,
            "conditions": {"трубы": "неновые", "система": "холодного водоснабжения",
            "тип системы": "хозяйственно-питьевой водопровод жилых и общественных зданий"},
            "flow": 0.3, "flowUnit": "l/s", "size": "21.3 × 2.8", "length": 10, "localLosses": true}]})");
        file.close();
        click(window, "openButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        QCOMPARE(cell(0, "Начало"), QString());
        QCOMPARE(cell(0, "h, м"), QString("10,489"));
        QCOMPARE(uitest::text(window, "networkFaultLabel"), QString());
        QVERIFY(!uitest::child<QLabel>(window, "requiredHeadLabel")->isVisible());
    }

    // The branch of four radiators and a second one from the source, both pipes counted: the
    // main ring through node 4, the pump head, and the first radiator's ring 77,83 % under it.
    void heatingBranch()
    {
        const QString ends[] = {"ИТП>1", "1>2", "2>3", "3>4", "ИТП>5"};
        QVERIFY(window->addSection(copperPipe("15 × 1.0", 13, 5, {1, 1})));
        QVERIFY(window->addSection(copperPipe("15 × 1.0", 13, 5, {1, 1})));
        QVERIFY(window->addSection(copperPipe("12 × 1.0", 10, 5, {1, 1})));
        QVERIFY(window->addSection(copperPipe("12 × 1.0", 10, 5, {1, 1})));
        QVERIFY(window->addSection(copperPipe("12 × 1.0", 10, 2, {2, 0, 1})));
        for (int row = 0; row < 5; ++row) {
            setCell(row, "Начало", ends[row].section('>', 0, 0));
            setCell(row, "Конец", ends[row].section('>', 1));
            setCell(row, "Q у конца, Вт", "1500");
            setCell(row, "ΔP у конца, Па", "2000");
        }
        QCOMPARE(uitest::text(window, "networkFaultLabel"), QString());
        QCOMPARE(uitest::text(window, "mainRingLabel"), QString("Главное циркуляционное кольцо — через прибор узла «4»: ΔP = 12716,794 Па"));
        QCOMPARE(uitest::text(window, "pumpHeadLabel"),
                 QString("ΔP_н = (1 + 0,1)·12716,794 = 13988,473 Па = 13988,473/(977,8·9,80665) = 1,459 м вод. ст."));
        QCOMPARE(uitest::text(window, "carrierLabel"), QString("Теплоноситель: вода, 70 °С, ρ = 977,8 кг/м³, c = 4,19 кДж/(кг·К); Δt = 20 °С"));
        QCOMPARE(cell(0, "Q, Вт"), QString("6000"));
        QCOMPARE(cell(0, "Невязка, %"), QString("77,83"));
        QCOMPARE(cell(0, "Дросселировать, Па"), QString("7021,69"));
        QCOMPARE(cell(3, "Невязка, %"), QString());
        QVERIFY(model()->index(0, columnOf("Невязка, %")).data(Qt::BackgroundRole).isValid());
        QVERIFY(model()->index(3, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(!model()->index(4, 0).data(Qt::BackgroundRole).isValid());
        QCOMPARE(model()->index(4, columnOf("Трубы")).data(Qt::ToolTipRole).toString(),
                 QString("Σξ: 2 × отвод 90°; 1 × тройник на ответвление"));

        // One pipe: 7358,397 Па, and the lines after the totals in the CSV.
        setSystem({{"bothPipesBox", ""}});
        QCOMPARE(uitest::text(window, "mainRingLabel"), QString("Главное циркуляционное кольцо — через прибор узла «4»: ΔP = 7358,397 Па"));
        const QList<QByteArray> lines = report::csv(networkDocumentOf()).split('\n');
        int totals = -1;
        for (int line = 0; line < lines.size(); ++line)
            if (lines.at(line).startsWith("Итого;"))
                totals = line;
        QVERIFY(totals > 0);
        QCOMPARE(lines.at(totals + 1), QByteArray("\r"));
        const QString after = QString::fromUtf8(lines.mid(totals + 2).join('\n'));
        QVERIFY(after.contains("Главное циркуляционное кольцо — через прибор узла «4»: ΔP = 7358,397 Па"));
        // The main ring's pipes and its radiator: 7358,397 − 2000.
        QVERIFY(after.contains("Кольцо через узел «4»: ΔP = Σ(R·l+Z) + ΔP у конца = 5358,397 + 2000 = 7358,397 Па"));
        QVERIFY(after.contains(", Σξ: 2 × отвод 90°; 1 × тройник на ответвление"));
    }

private:
    report::SectionsModel* model() const
    {
        return static_cast<report::SectionsModel*>(uitest::child<QTableView>(window, "sectionsTable")->model());
    }
    int columnOf(const QString& header) const
    {
        for (int column = 0; column < model()->columnCount(); ++column)
            if (model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() == header)
                return column;
        return -1;
    }
    QString cell(int row, const QString& header) const { return model()->index(row, columnOf(header)).data().toString(); }
    void setCell(int row, const QString& header, const QString& typed)
    {
        QVERIFY2(columnOf(header) >= 0, qPrintable(header));
        QVERIFY2(model()->setData(model()->index(row, columnOf(header)), typed, Qt::EditRole), qPrintable(header + " " + typed));
    }
    // Types the figures into the system's window and applies them; a box's name ticks it off.
    void setSystem(const QList<std::pair<const char*, QString>>& figures)
    {
        click(window, "systemButton");
        auto* system = window->findChild<QWidget*>("frmsistema");
        QVERIFY(system);
        for (const auto& [name, text] : figures) {
            if (auto* box = system->findChild<QCheckBox*>(name))
                box->setChecked(!box->isChecked());
            else
                uitest::typeInto(system, name, text);
        }
        click(system, "applyButton");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void buildRiser()
    {
        for (int row = 0; row < 6; ++row)
            QVERIFY(window->addSection(row == 0   ? steelPipe("33.5 × 3.2", 26.1, 15)
                                       : row == 1 ? steelPipe("26.8 × 2.8", 20.2, 2)
                                                  : steelPipe("26.8 × 2.8", 20.2, 3)));
        for (int flat = 1; flat <= 10; ++flat)
            QVERIFY(window->addSection(steelPipe("21.3 × 2.8", 14.7, flat == 10 ? 4 : 3)));
        for (int row = 0; row < 6; ++row) {
            setCell(row, "Начало", riserEnds.at(row).section('>', 0, 0));
            setCell(row, "Конец", riserEnds.at(row).section('>', 1));
        }
        for (int flat = 1; flat <= 10; ++flat) {
            const int floor = (flat + 1) / 2;
            setCell(flat + 5, "Начало", QStringLiteral("эт%1").arg(floor));
            setCell(flat + 5, "Конец", QStringLiteral("кв%1").arg(flat));
            setCell(flat + 5, "N у конца", "4");
            setCell(flat + 5, "U у конца", "3");
            setCell(flat + 5, "z, м", QString::number(3 * floor - 1));
            setCell(flat + 5, "Hсв, м", "3");
        }
    }
    report::Document networkDocumentOf() const;

    QTemporaryDir settingsFolder;
    QPointer<frmuchastki> window;
    QString chosenPath;
};

report::Document SectionNetworkTest::networkDocumentOf() const
{
    return report::networkDocument(model()->computed(), model()->kind(), {});
}

UITEST_MAIN(SectionNetworkTest)
#include "tst_sectionnetwork.moc"
