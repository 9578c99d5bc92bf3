#include "app/calculators.h"
#include "calc/registry/tables.h"
#include "calc/screen/showncalculation.h"
#include "platform/filedialogs.h"
#include "platform/savequestion.h"
#include "report/frmuchastki.h"
#include "tests/common/uitest.h"
#include "widgets/screenfit.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QStandardPaths>
#include <QToolButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

#include <sys/stat.h>

using namespace calc;
using calc::CarrierKind;
using uitest::click;

namespace {

const TableRecord* record(int number) { return number >= 1 && number <= tableCount ? &table(number) : nullptr; }

CalculationRequest section(int number, const ConditionChoices& chosen, double litres, const QString& size,
                           double diameterMm, double length)
{
    return {number, {chosen, {litres, FlowUnit::LitresPerSecond}}, size, diameterMm, length, {}};
}

// Cold water, non-new pipes, local losses counted: k = 0.3.
CalculationRequest steelSection()
{
    CalculationRequest request = section(1, {0, 0, -1, 0}, 0.3, QStringLiteral("21.3 × 2.8"), 14.7, 10);
    request.localLosses.counted = true;
    return request;
}

CalculationRequest polyethyleneSection() { return section(5, {3, 4}, 5, QStringLiteral("110"), 96.8, 100); }

// Copper heating with water at 70 °C, two elbows and a branch tee.
CalculationRequest heatingSection()
{
    CalculationRequest request = section(9, {3, 2, 0}, 0.2, QStringLiteral("15 × 1.0"), 13, 10);
    request.localLosses.fittingCounts = {2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    return request;
}

// Copper heating with ethylene glycol 40 % at 50 °С from the reference, the flow from 10 kW at Δt = 20 К.
CalculationRequest glycolSection()
{
    CalculationRequest request = section(9, {3, 2, 1}, 0.1328, QStringLiteral("15 × 1.0"), 13, 10);
    request.conditions.carrierDensity = 1035.4;
    request.conditions.carrierViscosityE6 = 1.267;
    request.carrier = ReferenceCarrier{CarrierKind::EthyleneGlycol, 40, 50, 3.635};
    request.load = HeatLoad{10000, 20, 3.635};
    return request;
}

QJsonObject savedSection(const QString& path, int position)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value("sections").toArray().at(position).toObject();
}

// Cold water in copper, two elbows and a branch tee: Σξ = 2,5.
CalculationRequest copperWaterSection()
{
    CalculationRequest request = section(9, {0, -1, -1}, 0.2, QStringLiteral("15 × 1.0"), 13, 10);
    request.localLosses.fittingCounts = {2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    return request;
}

// h = 806,866·10/1000·1,3; ΔP = 1000·9,80665·h.
const QStringList steelRow{"1", "стальные водогазопроводные 21,3 × 2,8", "", "", "", "", "0,3", "14,7", "1,768", "806,866", "10",
                           "0,3", "10,489", "10,489", "102864,42"};
const QStringList waterHeader{"№", "Трубы", "N", "P", "NP", "α", "q, л/с", "d, мм", "v, м/с", "1000i", "l, м", "k или Σξ", "h, м", "Σh, м", "ΔP, Па"};
const QStringList heatingHeader{"№", "Q, Вт", "Δt, °С", "G, кг/ч", "Трубы", "d, мм", "v, м/с", "R, Па/м", "l, м", "R·l, Па", "Σξ",
                                "Z, Па", "R·l+Z, Па", "Σ(R·l+Z), Па"};

const QStringList polyethyleneRow{"2", "полиэтиленовые ПЭ100 (MRS10,0) SDR17 (S8) 110", "", "", "", "", "5", "96,8", "0,679", "6,042",
                                  "100", "", "0,604", "11,093", "5925,51"};
// 1000i = 253,791 and h = i·l + Σξ·v²/19,62 = 2,827 м for copper, d = 13 мм, 0,2 л/с.
const QStringList copperWaterRow{"3", "медные 15 × 1,0", "", "", "", "", "0,2", "13", "1,507", "253,791", "10", "2,5", "2,827", "13,92", "27725,442"};
// R·l = 10·R; Z = Σξ·v²·ρ/2 = 2,5·1,50679²·980/2.
const QStringList heatingRow{"1", "", "", "", "медные 15 × 1,0", "13", "1,507", "2118,078", "10", "21180,776", "2,5", "2781,268", "23962,045", "23962,045"};
// G = 3,6·10000/(3,635·20); no fittings.
const QStringList glycolRow{"2", "10000", "20", "495,2", "медные 15 × 1,0", "13", "1,001", "1324,234", "10", "13242,34", "0", "0",
                            "13242,34", "37204,385"};
const QStringList shorterHeatingRow{"3", "", "", "", "медные 15 × 1,0", "13", "1,507", "2118,078", "5", "10590,388", "0", "0",
                                    "10590,388", "47794,773"};

QStringList rowCells(const QTableView* view, int row)
{
    QStringList cells;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        if (!uitest::isNetworkColumn(view->model()->headerData(column, Qt::Horizontal).toString()))
            cells << view->model()->index(row, column).data().toString();
    return cells;
}

// The model's column of a column of a list's cells.
int listColumn(const QAbstractItemModel* model, int column)
{
    for (int shown = 0; shown < model->columnCount(); ++shown)
        if (!uitest::isNetworkColumn(model->headerData(shown, Qt::Horizontal).toString()) && column-- == 0)
            return shown;
    return -1;
}

QList<QStringList> tableCells(const QWidget* window)
{
    const auto* view = uitest::child<QTableView>(window, "sectionsTable");
    QList<QStringList> rows;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        rows << rowCells(view, row);
    return rows;
}

QStringList header(const QWidget* window)
{
    const auto* view = uitest::child<QTableView>(window, "sectionsTable");
    QStringList texts;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        if (!uitest::isNetworkColumn(view->model()->headerData(column, Qt::Horizontal).toString()))
            texts << view->model()->headerData(column, Qt::Horizontal).toString();
    return texts;
}

QStringList column(const QWidget* window, int column)
{
    QStringList cells;
    for (const QStringList& row : tableCells(window))
        cells << row.value(column);
    return cells;
}

QStringList numbers(const QWidget* window) { return column(window, 0); }

// The number a caption of a calculator shows: "R= 2118,078 Па/м" shows 2118,078.
QString shownNumber(const QWidget* calculator, const char* name)
{
    static const QRegularExpression number(QStringLiteral("\\d+(,\\d+)?"));
    QString last;
    for (const QRegularExpressionMatch& match : number.globalMatch(uitest::text(calculator, name)))
        last = match.captured();
    return last;
}

void fillTitleBlock(QWidget* window)
{
    uitest::typeInto(window, "projectInput", "Жилой дом №3");
    uitest::typeInto(window, "systemInput", "В1, стояк Ст.В1-3");
    uitest::typeInto(window, "authorInput", "Иванов И. И.");
    uitest::child<QDateEdit>(window, "dateInput")->setDate(QDate(2026, 12, 1));
}

// Opens the cell's editor as a double-click does, types into it key by key and presses Enter.
void editCell(QTableView* view, int row, int column, const QString& typed)
{
    const QModelIndex index = view->model()->index(row, listColumn(view->model(), column));
    view->setCurrentIndex(index);
    view->edit(index);
    auto* editor = view->viewport()->findChild<QLineEdit*>();
    QVERIFY2(editor, "no editor opened");
    editor->selectAll();
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits and closes its editor as a posted call.
    QCoreApplication::processEvents();
}

QString totals(const QWidget* window) { return uitest::text(window, "totalsLabel"); }

void selectRow(QWidget* window, int row) { uitest::child<QTableView>(window, "sectionsTable")->selectRow(row); }

// A file of one section numbered "4" with these fields.
QByteArray sectionsFileOf(int version, const char* fields)
{
    return QStringLiteral("{\"format\": \"talvertable-sections\", \"version\": %1, \"sections\": [{\"number\": \"4\", %2}]}")
        .arg(version)
        .arg(QString::fromUtf8(fields))
        .toUtf8();
}
QByteArray firstVersion(const char* fields) { return sectionsFileOf(1, fields); }
QByteArray secondVersion(const char* fields) { return sectionsFileOf(2, fields); }

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Ctrl+S or Ctrl+Shift+S, pressed as a user would: in the window that has the focus.
void pressSaveKey(QWidget* window, Qt::KeyboardModifiers modifiers)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : window, Qt::Key_S, modifiers);
    // The shortcut clicks its button a moment later, as a user sees it pressed.
    const auto* button =
        uitest::child<QPushButton>(window, modifiers & Qt::ShiftModifier ? "saveAsButton" : "saveButton");
    QVERIFY(button->isDown());
    QTRY_VERIFY(!button->isDown());
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

CalculationRequest withFittings(CalculationRequest request, const QList<double>& counts, std::optional<double> other = {})
{
    request.localLosses.fittingCounts = counts;
    request.localLosses.otherResistance = other;
    return request;
}

CalculationRequest withCarrier(CalculationRequest request, double density, double viscosityE6)
{
    request.conditions.carrierDensity = density;
    request.conditions.carrierViscosityE6 = viscosityE6;
    return request;
}

CalculationRequest inCubicMetres(CalculationRequest request)
{
    request.conditions.flow.unit = FlowUnit::CubicMetresPerHour;
    return request;
}

// The sections of the files of the program before the conditions had names, as its calculators
// handed them over: every position the screens kept, the carrier of water supply and the
// temperature of cold water among them; a typed diameter has no size.
QList<CalculationRequest> earlierSections(const QString& file)
{
    const QList<double> elbowsAndTee{2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    if (file == "v1-steel.talver") {
        CalculationRequest typedHot = inCubicMetres(section(1, {0, 1, 6, 1}, 1.2, {}, 20, 25));
        CalculationRequest welded = section(2, {1, 0, -1, 3}, 12, "108 × 3.5", 101, 120);
        welded.localLosses.counted = true;
        CalculationRequest typedWelded = section(2, {1, 1, 11, 2}, 0.8, {}, 32.5, 0);
        typedWelded.length.reset();
        return {steelSection(), typedHot, welded, typedWelded};
    }
    if (file == "v1-castiron-cement-concrete.talver")
        return {section(3, {1, 0}, 150, "350", 352.4, 500), inCubicMetres(section(3, {0, 1}, 30, {}, 80, 40)),
                section(4, {1, 2}, 40, "200", 188, 300), section(4, {0, -1}, 10, {}, 150, 100),
                section(6, {}, 400, "500", 500, 1000)};
    if (file == "v1-plastic-glass.talver") {
        CalculationRequest glass = section(8, {}, 1.5, "45", 37, 0);
        glass.length.reset();
        return {polyethyleneSection(), inCubicMetres(section(5, {2, -1}, 9, {}, 50, 60)), section(7, {}, 2, "50", 50, 30),
                glass};
    }
    if (file == "v1-building-water.talver")
        return {withFittings(section(9, {0, -1, 0}, 0.2, "15 × 1.0", 13, 10), elbowsAndTee),
                section(9, {1, 2, 0}, 0.15, "22 × 1.0", 20, 8),
                withFittings(inCubicMetres(section(9, {2, 4, 0}, 1.1, {}, 16, 12)), {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1.5),
                withFittings(section(10, {0, 1, 2, 0}, 0.2, "16", 13.15, 10), {0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
                section(10, {1, 0, 2, 0}, 0.3, "20", 15.95, 15), withFittings(section(11, {1, 3, 0}, 0.25, {}, 20, 6), {}, 2),
                section(11, {0, -1, 0}, 0.4, "26", 20, 20)};
    CalculationRequest typedCopper = withCarrier(section(9, {3, 0, 1}, 0.05, {}, 10, 0), 990, 0.9);
    typedCopper.length.reset();
    return {heatingSection(), withCarrier(section(10, {1, 2, 1, 1}, 0.1, "16", 12.75, 5), 1040, 2.5),
            withFittings(inCubicMetres(section(11, {2, 4, 0}, 0.5, {}, 14, 7)), {}, 3), typedCopper};
}

// The cells in view whose text is wider than their column, with the margins the delegate keeps.
QStringList cutCells(QTableView* view)
{
    QStringList cut;
    const int margin = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const int last = view->rowAt(view->viewport()->height() - 1);
    for (int row = std::max(view->rowAt(0), 0); row <= (last < 0 ? view->model()->rowCount() - 1 : last); ++row)
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            const QString text = view->model()->index(row, column).data().toString();
            if (view->fontMetrics().horizontalAdvance(text) + margin > view->columnWidth(column))
                cut << QStringLiteral("%1:%2 %3").arg(row).arg(column).arg(text);
        }
    return cut;
}

// A window showing the sections as its calculators would add them.
QList<QStringList> addedCells(const QList<CalculationRequest>& requests)
{
    frmuchastki added(record);
    for (const CalculationRequest& request : requests)
        added.addSection(request);
    return tableCells(&added);
}

}  // namespace

class SectionsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The window's remembered size, folder and files go to a folder of the test's own.
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    }
    void init()
    {
        answers.clear();
        questions.clear();
        platform::setSaveQuestionReplacement([this](const QString& question) {
            questions << question;
            return answers.isEmpty() ? platform::SaveAnswer::Cancel : answers.takeFirst();
        });
        // A test that meets the question of a new table keeps the table unless it says otherwise.
        platform::setStartNewReplacement([](const QString&) { return false; });
        chosenPath.clear();
        savesAsked = 0;
        platform::setFileDialogReplacement([this](const platform::FileDialogRequest& request) {
            lastRequest = request;
            savesAsked += request.kind == platform::FileDialogRequest::Save;
            return chosenPath;
        });
        window = new frmuchastki(record);
        window->show();
    }
    void cleanup()
    {
        answers = {platform::SaveAnswer::Discard};
        if (window)
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        uitest::takeFileErrors();
    }

    void waterColumnsAndRunningSums()
    {
        QCOMPARE(window->windowTitle(), QString("Гидравлический расчет участков"));
        QCOMPARE(totals(window), QString("Итого: Σh = 0 м, ΣΔP = 0 Па"));
        QVERIFY(window->addSection(steelSection()));
        QVERIFY(window->addSection(polyethyleneSection()));
        QVERIFY(window->addSection(copperWaterSection()));
        QCOMPARE(header(window), waterHeader);
        // k of the steel row, no local losses for polyethylene, Σξ = 2·0,5 + 1,5 for copper;
        // Σh adds the shown h down the table.
        QCOMPARE(tableCells(window), (QList<QStringList>{steelRow, polyethyleneRow, copperWaterRow}));
        QCOMPARE(totals(window), QString("Итого: Σh = 13,92 м, ΣΔP = 136515,372 Па"));
        QCOMPARE(window->windowTitle(), QString("Гидравлический расчет участков: Водоснабжение *"));
        QVERIFY(window->isModified());
    }

    // Q and G where the flow came from a heat load; R·l, Z and their sum as the calculator adds them.
    void heatingColumnsAndRunningSums()
    {
        QVERIFY(window->addSection(heatingSection()));
        QVERIFY(window->addSection(glycolSection()));
        CalculationRequest shorter = heatingSection();
        shorter.length = 5;
        shorter.localLosses.fittingCounts = QList<double>(12, 0);
        QVERIFY(window->addSection(shorter));
        QCOMPARE(header(window), heatingHeader);
        QCOMPARE(tableCells(window), (QList<QStringList>{heatingRow, glycolRow, shorterHeatingRow}));
        QCOMPARE(totals(window), QString("Итого: Σ(R·l+Z) = 47794,773 Па"));
        QCOMPARE(window->windowTitle(), QString("Гидравлический расчет участков: Отопление *"));
    }

    // The row shows the figures the calculator showed for the section it handed over.
    void rowAgainstItsCalculator()
    {
        QWidget* calculator = createCalculator(9);
        calculator->show();
        for (const char* step : {"click Option4", "choose Combo3 70", "choose Combo1 15", "choose Combo2 1.0",
                                 "type Text1 0.2", "type Text16 10", "click Check1", "click Check3", "click Command1"})
            uitest::takeStep(calculator, QString::fromUtf8(step));
        auto* shown = calculator->findChild<ShownCalculation*>("shownCalculation");
        QVERIFY(shown);
        connect(shown, &ShownCalculation::sectionRequested, window.data(), &frmuchastki::addSection);
        click(calculator, "addSectionButton");
        const QStringList row = tableCells(window).value(0);
        QCOMPARE(row.size(), heatingHeader.size());
        QCOMPARE(row.at(6), shownNumber(calculator, "Label1"));
        QCOMPARE(row.at(7), shownNumber(calculator, "Label2"));
        QCOMPARE(row.at(10), shownNumber(calculator, "Label10"));
        QCOMPARE(row.at(12), shownNumber(calculator, "Label4"));
        calculator->close();
    }

    // A section of the other system is not mixed in: the user keeps this table or starts a new one.
    void mixedAddRefused_data()
    {
        QTest::addColumn<bool>("startNew");
        QTest::addColumn<QList<platform::SaveAnswer>>("saveAnswers");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QString>("title");
        QStringList alone = heatingRow;
        alone[0] = "1";
        QTest::newRow("kept") << false << QList<platform::SaveAnswer>() << QList<QStringList>{steelRow}
                              << "Гидравлический расчет участков: Водоснабжение *";
        QTest::newRow("new table, unsaved kept") << true << QList{platform::SaveAnswer::Cancel} << QList<QStringList>{steelRow}
                                                 << "Гидравлический расчет участков: Водоснабжение *";
        QTest::newRow("new table") << true << QList{platform::SaveAnswer::Discard} << QList<QStringList>{alone}
                                   << "Гидравлический расчет участков: Отопление *";
    }
    void mixedAddRefused()
    {
        QFETCH(bool, startNew);
        QFETCH(QList<platform::SaveAnswer>, saveAnswers);
        QVERIFY(window->addSection(steelSection()));
        uitest::child<QLineEdit>(window, "projectInput")->setText("Дом");
        QStringList asked;
        platform::setStartNewReplacement([&](const QString& question) {
            asked << question;
            return startNew;
        });
        answers = saveAnswers;
        QCOMPARE(window->addSection(heatingSection()), startNew && saveAnswers.value(0) == platform::SaveAnswer::Discard);
        QCOMPARE(asked, QStringList{"Это таблица системы «Водоснабжение», а участок относится к системе «Отопление».\n"
                                    "В одной таблице одна система. Начать новую таблицу?"});
        QCOMPARE(questions.size(), saveAnswers.size());
        QTEST(tableCells(window), "rows");
        QTEST(window->windowTitle(), "title");
        QCOMPARE(uitest::text(window, "projectInput"), QString(saveAnswers.value(0) == platform::SaveAnswer::Discard ? "" : "Дом"));
    }

    // A section its table does not compute is named in a box; the table stays as it was.
    void sectionNotComputedIsNamed()
    {
        QVERIFY(window->addSection(steelSection()));
        CalculationRequest noFlow = polyethyleneSection();
        noFlow.conditions.flow.value = 0;
        QVERIFY(!window->addSection(noFlow));
        QCOMPARE(uitest::takeMessages(),
                 QStringList{"Участок не добавлен в таблицу участков:\rпо таблице II-5 он не рассчитывается"});
        QCOMPARE(tableCells(window), QList<QStringList>{steelRow});
        // A typed diameter the calculator computes but no file could give back.
        QVERIFY(!window->addSection(section(3, {0, 0}, 1, {}, 3e9, 10)));
        QCOMPARE(uitest::takeMessages(), QStringList{"Участок не добавлен в таблицу участков:\rдиаметр 3000000000 мм "
                                                     "вне пределов от 0,1 до 10000 мм"});
        QCOMPARE(tableCells(window), QList<QStringList>{steelRow});
    }

    // A copper row of water supply handed over with the position of the carrier list it does not
    // show is edited like any other.
    void positionOfAnUnshownListEdited()
    {
        window->addSection(withFittings(section(9, {0, -1, 0}, 0.2, "15 × 1.0", 13, 10), {2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        auto* view = uitest::child<QTableView>(window, "sectionsTable");
        editCell(view, 0, 10, "20");
        QCoreApplication::processEvents();
        QCOMPARE(uitest::takeMessages(), QStringList());
        QCOMPARE(rowCells(view, 0).at(10), QString("20"));
    }

    // A typed value is read by the calculators' value parse and the row is calculated again,
    // its running sum and the totals with it.
    void cellEdited_data()
    {
        QTest::addColumn<int>("table");  // 0 water, 1 heating
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("totalsText");
        // h = 806,866·20/1000·1,3: twice the row's.
        QTest::newRow("steel length") << 0 << 0 << 10 << "20"
                                      << QStringList{"1", "стальные водогазопроводные 21,3 × 2,8", "", "", "", "", "0,3", "14,7", "1,768",
                                                     "806,866", "20", "0,3", "20,979", "20,979", "205728,84"}
                                      << "Итого: Σh = 21,583 м, ΣΔP = 211654,35 Па";
        // Quadratic region: λ = 0,021/d^0,3, i = λ/d·v²/19,62.
        QTest::newRow("steel flow") << 0 << 0 << 6 << "0.5"
                                    << QStringList{"1", "стальные водогазопроводные 21,3 × 2,8", "", "", "", "", "0,5", "14,7", "2,946",
                                                   "2241,293", "10", "0,3", "29,137", "29,137", "285734,51"}
                                    << "Итого: Σh = 29,741 м, ΣΔP = 291660,02 Па";
        QTest::newRow("heating length") << 1 << 0 << 8 << "20"
                                        << QStringList{"1", "", "", "", "медные 15 × 1,0", "13", "1,507", "2118,078", "20",
                                                       "42361,552", "2,5", "2781,268", "45142,821", "45142,821"}
                                        << "Итого: Σ(R·l+Z) = 58385,161 Па";
        // Σξ = 4: the fittings' 2,5 and 1,5 of the free row; Z = 4·v²·ρ/2.
        QTest::newRow("heating Σξ") << 1 << 0 << 10 << "4"
                                    << QStringList{"1", "", "", "", "медные 15 × 1,0", "13", "1,507", "2118,078", "10",
                                                   "21180,776", "4", "4450,03", "25630,806", "25630,806"}
                                    << "Итого: Σ(R·l+Z) = 38873,146 Па";
        // G = 3,6·5000/(3,635·20) = 247,6 кг/ч; q = G/(3,6·ρ).
        QTest::newRow("heat load") << 1 << 1 << 1 << "5000"
                                   << QStringList{"2", "5000", "20", "247,6", "медные 15 × 1,0", "13", "0,5", "393,983", "10",
                                                  "3939,829", "0", "0", "3939,829", "27901,874"}
                                   << "Итого: Σ(R·l+Z) = 27901,874 Па";
    }
    void cellEdited()
    {
        QFETCH(int, table);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        if (table == 0) {
            window->addSection(steelSection());
            window->addSection(polyethyleneSection());
        } else {
            window->addSection(heatingSection());
            window->addSection(glycolSection());
        }
        auto* view = uitest::child<QTableView>(window, "sectionsTable");
        editCell(view, row, column, typed);
        QCOMPARE(uitest::takeMessages(), QStringList());
        QTEST(rowCells(view, row), "cells");
        QTEST(totals(window), "totalsText");
    }

    // Δt of a row from a heat load: G = 3,6·10000/(3,635·10) = 990,4 кг/ч, twice the row's at 20;
    // q = G/(3,6·1035,4) = 0,2657 л/сек, v = 4q/(π·0,013²).
    void temperatureDropEdited()
    {
        window->addSection(heatingSection());
        window->addSection(glycolSection());
        auto* view = uitest::child<QTableView>(window, "sectionsTable");
        editCell(view, 1, 2, "10");
        QCOMPARE(uitest::takeMessages(), QStringList());
        const QStringList cells = rowCells(view, 1);
        QCOMPARE(cells.mid(1, 3), (QStringList{"10000", "10", "990,4"}));
        QCOMPARE(cells.at(6), QString("2,002"));
        click(window, "undoButton");
        QCOMPARE(rowCells(view, 1), glycolRow);
    }

    // What does not compute is refused with the calculator's own words; the cell keeps its value.
    void valueRefused_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("steel length 0") << 1 << 10 << "0"
                                        << "Длина участка не может равняться нулю!\r введите значение длины участка в м";
        QTest::newRow("steel flow 0") << 1 << 6 << "0" << "расход не должен равняться нулю!\r введите значение расхода";
        QTest::newRow("steel flow 0.0") << 1 << 6 << "0.0" << "расход не должен равняться нулю!\r введите значение расхода";
        QTest::newRow("copper length 0") << 9 << 10 << "0"
                                         << "Длина участка не может равняться нулю\r введите значение длины участка в м";
        QTest::newRow("too long to compute") << 9 << 10 << QString(400, '9') << "расчет невозможен!\r проверьте введенные значения";
        QTest::newRow("Σξ under the fittings'") << 9 << 11 << "2"
                                                << "Σξ не может быть меньше суммы ξ отмеченных местных сопротивлений: 2,5";
    }
    void valueRefused()
    {
        QFETCH(int, table);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        window->addSection(table == 1 ? steelSection() : copperWaterSection());
        auto* view = uitest::child<QTableView>(window, "sectionsTable");
        const QStringList before = rowCells(view, 0);
        const QString totalsBefore = totals(window);
        editCell(view, 0, column, typed);
        // The box follows once the editor has gone.
        QStringList shown;
        QTRY_VERIFY((shown += uitest::takeMessages(), !shown.isEmpty()));
        QCOMPARE(shown, QStringList{message});
        QCOMPARE(rowCells(view, 0), before);
        QCOMPARE(totals(window), totalsBefore);
        // Nothing was recorded: one undo takes the added row back.
        click(window, "undoButton");
        QCOMPARE(tableCells(window), QList<QStringList>());
    }

    // A section whose flow came from 40 fixtures of 0,3 л/с with P from 100 consumers of
    // 15,6 л/ч: P = 15,6·100/(3600·0,3·40), NP = 1,4444, α = 1,1884, q = 5·0,3·α = 1,7827.
    // With P from U, NP does not depend on N; a typed P of 0,1 for 4 fixtures gives
    // NP = 0,4, α = 0,61, q = 0,915; a P of 0,5 for 40 reads table Б.1, α = 5,83, q = 8,745; one
    // fixture gives its q0 = 0,3. v = 4q/(π·0,0968²).
    void fixturesEdited_data()
    {
        QTest::addColumn<QStringList>("edits");  // column, typed; column, typed…
        QTest::addColumn<QStringList>("cells");  // N, P, NP, α, q, d, v
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("source");  // the tooltip of α
        const QString b2 = QStringLiteral("табл. Б.2 СП 30.13330.2020");
        QTest::newRow("as added") << QStringList() << QStringList{"40", "0,03611", "1,4444", "1,1884", "1,7827", "96,8", "0,242"}
                                  << QStringList() << b2;
        QTest::newRow("N from U") << QStringList{"2", "80"}
                                  << QStringList{"80", "0,01806", "1,4444", "1,1884", "1,7827", "96,8", "0,242"}
                                  << QStringList() << b2;
        QTest::newRow("P typed, then N") << QStringList{"3", "0.1", "2", "4"}
                                         << QStringList{"4", "0,1", "0,4", "0,61", "0,915", "96,8", "0,124"} << QStringList() << b2;
        QTest::newRow("N not whole") << QStringList{"2", "2.5"}
                                     << QStringList{"40", "0,03611", "1,4444", "1,1884", "1,7827", "96,8", "0,242"}
                                     << QStringList{"Число приборов N должно быть целым числом от 1 до 1000000"} << b2;
        QTest::newRow("P of table Б.1") << QStringList{"3", "0.5"}
                                        << QStringList{"40", "0,5", "20", "5,83", "8,745", "96,8", "1,188"} << QStringList()
                                        << QStringLiteral("табл. Б.1 СП 30.13330.2020");
        QTest::newRow("P above table Б.1") << QStringList{"3", "0.9"}
                                           << QStringList{"40", "0,03611", "1,4444", "1,1884", "1,7827", "96,8", "0,242"}
                                           << QStringList{"При N ≤ 200 α берётся по табл. Б.1 СП 30.13330.2020, которая "
                                                          "дана для P от 0,1 до 0,8: P = 0,9 больше 0,8"} << b2;
        QTest::newRow("one fixture") << QStringList{"3", "0.1", "2", "1"}
                                     << QStringList{"1", "0,1", "0,1", "", "0,3", "96,8", "0,041"} << QStringList()
                                     << QStringLiteral("один прибор: q = q0");
        QTest::newRow("q typed over") << QStringList{"6", "0.5"}
                                      << QStringList{"", "", "", "", "0,5", "96,8", "0,068"} << QStringList() << QString();
    }
    void fixturesEdited()
    {
        QFETCH(QStringList, edits);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, messages);
        QFETCH(QString, source);
        CalculationRequest request = polyethyleneSection();
        request.conditions.flow.value = 1.7827;
        request.fixtures = FixtureSupply{40, 0.3, std::nullopt, 100, 15.6};
        window->addSection(request);
        auto* view = uitest::child<QTableView>(window, "sectionsTable");
        QStringList shown;
        for (qsizetype e = 0; e + 1 < edits.size(); e += 2) {
            editCell(view, 0, edits.at(e).toInt(), edits.at(e + 1));
            shown += uitest::takeMessages();
            // The closed editor goes with the next events; only then can the next one open.
            QTRY_VERIFY(!view->viewport()->findChild<QLineEdit*>());
        }
        if (!messages.isEmpty())
            QTRY_VERIFY((shown += uitest::takeMessages(), !shown.isEmpty()));
        QCOMPARE(shown, messages);
        QCOMPARE(rowCells(view, 0).mid(2, 7), cells);
        QCOMPARE(view->model()->index(0, report::columnOf(report::TableKind::WaterSupply, report::Field::Alpha)).data(Qt::ToolTipRole).toString(), source);
    }

    // Every change is a step back and forth; back at the saved state the table is unsaved no more.
    void undoAndRedo_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("keys");  // Ctrl+Z and Ctrl+Y in place of the buttons
        QTest::newRow("edited length") << "length" << false;
        QTest::newRow("edited length, keys") << "length" << true;
        QTest::newRow("added") << "add" << false;
        QTest::newRow("removed") << "remove" << false;
        QTest::newRow("two removed by Delete") << "remove two" << true;
        QTest::newRow("moved") << "move" << false;
        QTest::newRow("renumbered") << "renumber" << true;
    }
    void undoAndRedo()
    {
        QFETCH(QString, change);
        QFETCH(bool, keys);
        QTemporaryDir folder;
        window->addSection(steelSection());
        window->addSection(polyethyleneSection());
        window->addSection(copperWaterSection());
        chosenPath = folder.filePath("участки.talver");
        click(window, "saveButton");
        auto* view = uitest::child<QTableView>(window, "sectionsTable");
        const QList<QStringList> before = tableCells(window);
        const QString totalsBefore = totals(window);
        QVERIFY(!uitest::child<QPushButton>(window, "redoButton")->isEnabled());
        // Keys reach the shortcuts of the active window only.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        if (change == "length") {
            editCell(view, 1, 10, "50");
        } else if (change == "add") {
            window->addSection(steelSection());
        } else if (change == "remove") {
            selectRow(window, 1);
            click(window, "removeButton");
        } else if (change == "remove two") {
            view->clearSelection();
            view->selectionModel()->select(view->model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
            view->selectionModel()->select(view->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
            view->setFocus();
            QTest::keyClick(view, Qt::Key_Delete);
            QCOMPARE(numbers(window), QStringList{"2"});
        } else if (change == "move") {
            selectRow(window, 0);
            click(window, "downButton");
        } else {
            editCell(view, 2, 0, "3-4");
        }
        const QList<QStringList> after = tableCells(window);
        const QString totalsAfter = totals(window);
        QVERIFY(after != before);
        QVERIFY(window->isModified());
        const auto step = [&](const char* button, Qt::Key key) {
            if (!keys)
                return click(window, button);
            view->setFocus();
            QTest::keyClick(view, key, Qt::ControlModifier);
        };
        step("undoButton", Qt::Key_Z);
        // A shortcut clicks its button a moment later, as a user sees it pressed.
        QTRY_COMPARE(tableCells(window), before);
        QCOMPARE(totals(window), totalsBefore);
        QVERIFY(!window->isModified());
        QVERIFY(!window->windowTitle().endsWith(" *"));
        step("redoButton", Qt::Key_Y);
        QTRY_COMPARE(tableCells(window), after);
        QCOMPARE(totals(window), totalsAfter);
        QVERIFY(window->isModified());
        QVERIFY(!uitest::child<QPushButton>(window, "redoButton")->isEnabled());
    }

    // Undoing the first section of a new table leaves a table of no system, open to either.
    void undoneFirstSectionFreesTheKind()
    {
        window->addSection(heatingSection());
        click(window, "undoButton");
        QCOMPARE(window->windowTitle(), QString("Гидравлический расчет участков"));
        QVERIFY(window->addSection(steelSection()));
        QCOMPARE(tableCells(window), QList<QStringList>{steelRow});
        QCOMPARE(uitest::takeMessages(), QStringList());
    }

    void newTable_data()
    {
        QTest::addColumn<platform::SaveAnswer>("answer");
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("unsaved let go") << platform::SaveAnswer::Discard << 0;
        QTest::newRow("cancelled") << platform::SaveAnswer::Cancel << 1;
    }
    void newTable()
    {
        QFETCH(platform::SaveAnswer, answer);
        QFETCH(int, rowsLeft);
        window->addSection(steelSection());
        uitest::child<QDateEdit>(window, "dateInput")->setDate(QDate(2020, 1, 2));
        uitest::typeInto(window, "projectInput", "Школа");
        answers = {answer};
        click(window, "newButton");
        QCOMPARE(questions, QStringList{"Сохранить изменения в таблице участков?"});
        QCOMPARE(tableCells(window).size(), rowsLeft);
        QCOMPARE(uitest::text(window, "projectInput"), QString(rowsLeft ? "Школа" : ""));
        QCOMPARE(uitest::child<QDateEdit>(window, "dateInput")->date(), rowsLeft ? QDate(2020, 1, 2) : QDate::currentDate());
        QCOMPARE(uitest::child<QPushButton>(window, "undoButton")->isEnabled(), bool(rowsLeft));
        QCOMPARE(window->isModified(), bool(rowsLeft));
        QCOMPARE(uitest::child<QPushButton>(window, "newButton")->shortcut(), QKeySequence("Ctrl+N"));
    }

    // The title block goes into the file and comes back; a typed title is a change to save.
    void titleBlockSavedAndReopened()
    {
        QTemporaryDir folder;
        fillTitleBlock(window);
        uitest::typeInto(window, "designationInput", "2026-118-ИОС2.1.ВК.РР");
        QVERIFY(window->isModified());
        window->addSection(steelSection());
        chosenPath = folder.filePath("дом");
        click(window, "saveXlsxButton");
        QVERIFY(uitest::child<QPushButton>(window, "saveXlsxButton")->isVisible());
        QFile workbook(folder.filePath("дом.xlsx"));
        QVERIFY(workbook.open(QIODevice::ReadOnly));
        QVERIFY(workbook.readAll().startsWith("PK\x03\x04"));
        click(window, "saveButton");
        QFile file(folder.filePath("дом.talver"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(root.value("kind").toString(), QString("водоснабжение"));
        QCOMPARE(root.value("title").toObject(),
                 (QJsonObject{{"project", "Жилой дом №3"}, {"system", "В1, стояк Ст.В1-3"}, {"author", "Иванов И. И."},
                              {"date", "2026-12-01"}, {"designation", "2026-118-ИОС2.1.ВК.РР"}}));

        QPointer<frmuchastki> reopened = new frmuchastki(record);
        reopened->show();
        chosenPath = folder.filePath("дом.talver");
        click(reopened, "openButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        QCOMPARE(uitest::text(reopened, "projectInput"), QString("Жилой дом №3"));
        QCOMPARE(uitest::text(reopened, "systemInput"), QString("В1, стояк Ст.В1-3"));
        QCOMPARE(uitest::text(reopened, "authorInput"), QString("Иванов И. И."));
        QCOMPARE(uitest::text(reopened, "designationInput"), QString("2026-118-ИОС2.1.ВК.РР"));
        QCOMPARE(uitest::child<QDateEdit>(reopened, "dateInput")->date(), QDate(2026, 12, 1));
        QVERIFY(!reopened->isModified());
        uitest::typeInto(reopened, "authorInput", "в");
        QVERIFY(reopened->isModified());
        answers = {platform::SaveAnswer::Discard};
        reopened->close();
    }

    // The CSV and the clipboard begin with the title block and end with the totals.
    void titleBlockAndTotalsInCsvAndClipboard()
    {
        QTemporaryDir folder;
        fillTitleBlock(window);
        window->addSection(steelSection());
        window->addSection(polyethyleneSection());
        chosenPath = folder.filePath("дом.csv");
        click(window, "csvButton");
        QFile file(chosenPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray expected =
            "\xEF\xBB\xBF"
            "Гидравлический расчет участков. Водоснабжение\r\nОбъект: Жилой дом №3\r\nСистема: В1, стояк Ст.В1-3\r\n"
            "Выполнил: Иванов И. И.\r\nДата: 01.12.2026\r\n\r\n"
            "№;Трубы;N;P;NP;α;q, л/с;d, мм;v, м/с;1000i;l, м;k или Σξ;h, м;Σh, м;ΔP, Па\r\n"
            "1;стальные водогазопроводные 21,3 × 2,8;;;;;0,3;14,7;1,768;806,866;10;0,3;10,489;10,489;102864,42\r\n"
            "2;полиэтиленовые ПЭ100 (MRS10,0) SDR17 (S8) 110;;;;;5;96,8;0,679;6,042;100;;0,604;11,093;5925,51\r\n"
            "Итого;;;;;;;;;;;;;11,093;108789,93\r\n";
        QCOMPARE(QString::fromUtf8(file.readAll()), QString::fromUtf8(expected));

        uitest::child<QTableView>(window, "sectionsTable")->clearSelection();
        click(window, "copyButton");
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.startsWith("Гидравлический расчет участков. Водоснабжение\nОбъект: Жилой дом №3\n"
                                   "Система: В1, стояк Ст.В1-3\nВыполнил: Иванов И. И.\nДата: 01.12.2026\n\n"
                                   "№\tТрубы\tN\tP\tNP\tα\tq, л/с"),
                 qPrintable(copied));
        QVERIFY2(copied.endsWith("\nИтого\t\t\t\t\t\t\t\t\t\t\t\t\t11,093\t108789,93\n"), qPrintable(copied));
    }

    // On paper: the title block heads the first page, the object and the system the others,
    // and the last page ends with the totals.
    void titleBlockPrinted()
    {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed: scripts/install-deps.sh installs it");
        QTemporaryDir folder;
        fillTitleBlock(window);
        for (int k = 0; k < 70; ++k)
            window->addSection(polyethyleneSection());
        chosenPath = folder.filePath("дом.pdf");
        click(window, "pdfButton");
        QProcess convert;
        convert.start(pdftotext, {"-layout", chosenPath, "-"});
        QVERIFY(convert.waitForFinished(30000));
        const QStringList pages = QString::fromUtf8(convert.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
        const QString first = pages.first().simplified();
        QVERIFY2(first.startsWith("Гидравлический расчет участков. Водоснабжение Объект: Жилой дом №3 "
                                  "Система: В1, стояк Ст.В1-3 Выполнил: Иванов И. И. Дата: 01.12.2026"),
                 qPrintable(first.left(300)));
        QVERIFY2(pages.at(1).simplified().startsWith("Гидравлический расчет участков. Водоснабжение — Жилой дом №3, "
                                                     "В1, стояк Ст.В1-3 №"),
                 qPrintable(pages.at(1).simplified().left(300)));
        QVERIFY(!pages.at(1).contains("Выполнил"));
        const QString last = pages.last().simplified();
        QVERIFY2(last.contains("Итого 42,28 414785,7 стр. " + QString::number(pages.size()) + " из "),
                 qPrintable(last.right(200)));
    }

    // The size of the window, the last folder and the five latest files last from one run to the next.
    void rememberedBetweenRuns()
    {
        QTemporaryDir folder;
        window->addSection(steelSection());
        const QStringList names{"а", "б", "в", "г", "д", "е"};
        for (const QString& name : names) {
            chosenPath = folder.filePath(name + ".talver");
            click(window, "saveAsButton");
        }
        const QSize kept = widgets::screenRoom(window) - QSize(10, 10);
        window->resize(kept);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        platform::setLastChosenFolder(QDir::homePath());
        window = new frmuchastki(record);
        window->show();
        QCOMPARE(window->size(), kept);
        QCOMPARE(platform::lastChosenFolder(), QFileInfo(folder.path()).absoluteFilePath());
        QMenu* menu = uitest::child<QToolButton>(window, "openButton")->menu();
        QVERIFY(menu);
        emit menu->aboutToShow();
        QStringList offered;
        for (const QAction* action : menu->actions())
            offered << action->text();
        QStringList latest;
        for (const char* name : {"е", "д", "г", "в", "б"})
            latest << QDir::toNativeSeparators(QFileInfo(folder.filePath(QString(name) + ".talver")).absoluteFilePath());
        QCOMPARE(offered, latest);
        menu->actions().at(2)->trigger();
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        QCOMPARE(tableCells(window), QList<QStringList>{steelRow});
        QCOMPARE(window->windowTitle(), QString("Гидравлический расчет участков: Водоснабжение — г.talver"));
    }

    // A size kept on a larger screen does not carry the window off this one.
    void rememberedSizeFitsTheScreen()
    {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QSettings().setValue("sections/size", QSize(5000, 4000));
        window = new frmuchastki(record);
        window->show();
        const QSize room = widgets::screenRoom(window);
        QVERIFY2(window->width() <= room.width() && window->height() <= room.height(),
                 qPrintable(QStringLiteral("%1×%2 on %3×%4").arg(window->width()).arg(window->height())
                                .arg(room.width()).arg(room.height())));
    }

    void numberIsEdited()
    {
        window->addSection(steelSection());
        auto* model = uitest::child<QTableView>(window, "sectionsTable")->model();
        QVERIFY(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
        QVERIFY(!(model->flags(model->index(0, listColumn(model, 7))) & Qt::ItemIsEditable));
        QVERIFY(model->setData(model->index(0, 0), "1-2"));
        QCOMPARE(rowCells(uitest::child<QTableView>(window, "sectionsTable"), 0).first(), QString("1-2"));
    }

    void removeAndMove()
    {
        window->addSection(steelSection());
        window->addSection(polyethyleneSection());
        window->addSection(copperWaterSection());
        selectRow(window, 0);
        QVERIFY(!uitest::child<QPushButton>(window, "upButton")->isEnabled());
        click(window, "downButton");
        QCOMPARE(numbers(window), (QStringList{"2", "1", "3"}));
        QCOMPARE(column(window, 13), (QStringList{"0,604", "11,093", "13,92"}));
        click(window, "downButton");
        QCOMPARE(numbers(window), (QStringList{"2", "3", "1"}));
        QVERIFY(!uitest::child<QPushButton>(window, "downButton")->isEnabled());
        click(window, "upButton");
        QCOMPARE(numbers(window), (QStringList{"2", "1", "3"}));
        click(window, "removeButton");
        QCOMPARE(numbers(window), (QStringList{"2", "3"}));
        QCOMPARE(column(window, 13), (QStringList{"0,604", "3,431"}));
        QCOMPARE(totals(window), QString("Итого: Σh = 3,431 м, ΣΔP = 33650,952 Па"));
        click(window, "removeButton");
        click(window, "removeButton");
        QCOMPARE(tableCells(window), QList<QStringList>());
        QVERIFY(!uitest::child<QPushButton>(window, "removeButton")->isEnabled());
        QCOMPARE(totals(window), QString("Итого: Σh = 0 м, ΣΔP = 0 Па"));
    }

    void saveAndReopen()
    {
        QTemporaryDir folder;
        window->addSection(steelSection());
        window->addSection(polyethyleneSection());
        window->addSection(copperWaterSection());
        auto* model = uitest::child<QTableView>(window, "sectionsTable")->model();
        model->setData(model->index(1, 0), "2-3");
        chosenPath = folder.filePath("система");
        click(window, "saveButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        QVERIFY(!window->isModified());
        QCOMPARE(window->windowTitle(), QString("Гидравлический расчет участков: Водоснабжение — система.talver"));

        QFile file(folder.filePath("система.talver"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(root.value("format").toString(), QString("talvertable-sections"));
        QCOMPARE(root.value("version").toInt(), 3);
        // Every choice by its name, never by its position in a list.
        const QJsonArray sections = root.value("sections").toArray();
        const QJsonObject steel = sections.at(0).toObject();
        QCOMPARE(steel.keys(), (QStringList{"conditions", "flow", "flowUnit", "length", "localLosses", "number", "size", "table"}));
        QCOMPARE(steel.value("conditions").toObject(),
                 (QJsonObject{{"трубы", "неновые"},
                              {"система", "холодного водоснабжения"},
                              {"тип системы", "хозяйственно-питьевой водопровод жилых и общественных зданий"}}));
        QCOMPARE(steel.value("size").toString(), QString("21.3 × 2.8"));
        QCOMPARE(sections.at(1).toObject().value("conditions").toObject(),
                 (QJsonObject{{"полиэтилен", "ПЭ100 (MRS10,0)"}, {"серия", "SDR17 (S8)"}}));
        const QJsonObject copper = sections.at(2).toObject();
        QCOMPARE(copper.value("conditions").toObject().value("система").toString(), QString("холодного водоснабжения"));
        QCOMPARE(copper.value("fittings").toObject(), (QJsonObject{{"отвод 90°", 2}, {"тройник на ответвление", 1}}));

        QPointer<frmuchastki> reopened = new frmuchastki(record);
        reopened->show();
        chosenPath = folder.filePath("система.talver");
        click(reopened, "openButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        QStringList renumbered = polyethyleneRow;
        renumbered[0] = "2-3";
        QCOMPARE(tableCells(reopened), (QList<QStringList>{steelRow, renumbered, copperWaterRow}));
        QCOMPARE(totals(reopened), totals(window));
        QVERIFY(!reopened->isModified());
        reopened->close();
    }

    // The carrier and the load are kept by name and come back as they were saved.
    void carrierAndLoadReadBack()
    {
        QTemporaryDir folder;
        window->addSection(heatingSection());
        window->addSection(glycolSection());
        chosenPath = folder.filePath("гликоль");
        click(window, "saveButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        const QJsonObject water = savedSection(folder.filePath("гликоль.talver"), 0);
        QVERIFY(!water.contains("carrier"));
        QVERIFY(!water.contains("load"));
        const QJsonObject glycol = savedSection(folder.filePath("гликоль.talver"), 1);
        QCOMPARE(glycol.value("carrier").toObject(),
                 (QJsonObject{{"density", 1035.4}, {"viscosity", 1.267}, {"kind", "раствор этиленгликоля"},
                              {"concentration", 40}, {"temperature", 50}, {"heatCapacity", 3.635}}));
        QCOMPARE(glycol.value("load").toObject(), (QJsonObject{{"heat", 10000}, {"delta", 20}, {"heatCapacity", 3.635}}));

        QPointer<frmuchastki> reopened = new frmuchastki(record);
        reopened->show();
        chosenPath = folder.filePath("гликоль.talver");
        click(reopened, "openButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        QCOMPARE(tableCells(reopened), tableCells(window));
        // Saved again from what was read, not from what was added.
        QVERIFY(QFile::remove(folder.filePath("гликоль.talver")));
        click(reopened, "saveButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        QCOMPARE(savedSection(folder.filePath("гликоль.talver"), 1), glycol);
        reopened->close();
    }

    void openFailures_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // none: no file at the path
        QTest::addColumn<QString>("reason");
        QTest::newRow("damaged") << QByteArray("{\"format\": \"talvertable-sections\", \"version\": 1, \"sect")
                                 << "Файл поврежден или это не файл таблицы участков: unterminated string (позиция 55).";
        QTest::newRow("not JSON") << QByteArray("%PDF-1.4\n") << "Файл поврежден или это не файл таблицы участков: "
                                                                 "illegal value (позиция 1).";
        QTest::newRow("foreign JSON") << QByteArray("{\"name\": \"x\", \"version\": 1}") << "Это не файл таблицы участков.";
        QTest::newRow("newer version") << QByteArray("{\"format\": \"talvertable-sections\", \"version\": 4, \"sections\": []}")
                                       << "Файл записан более новой версией программы (версия формата 4, эта "
                                          "программа читает версию 3).";
        QTest::newRow("field of a wrong type")
            << QByteArray("{\"format\": \"talvertable-sections\", \"version\": 1, \"sections\": [{\"number\": \"4\", "
                          "\"table\": 5, \"conditions\": [3, 4], \"flow\": \"5\", \"flowUnit\": \"l/s\", "
                          "\"size\": \"110\", \"diameterMm\": 96.8}]}")
            << "Файл поврежден: участок «4», поле «flow».";
        // Hot water with no temperature chosen: a calculator never hands that over.
        QTest::newRow("temperature not chosen")
            << firstVersion(R"j("table": 1, "conditions": [0, 1, -1, 0], "flow": 0.3, "flowUnit": "l/s",
                               "size": "21.3 × 2.8", "diameterMm": 14.7, "length": 10)j")
            << "Файл поврежден: участок «4»: условие «температура воды» не выбрано.";
        // A carrier of its own with no ρ or ν: every field is right, the calculation stops.
        QTest::newRow("no longer computes")
            << firstVersion(R"j("table": 9, "conditions": [3, 2, 1], "flow": 0.2, "flowUnit": "l/s",
                               "size": "15 × 1.0", "diameterMm": 13, "length": 10)j")
            << "По сохраненным данным не рассчитывается участок «4» (таблица II-9).";
        // The hot water of II-10 shows no carrier list: its kept position is no choice, but a
        // position past a list that has items is damage.
        QTest::newRow("temperature past its list")
            << firstVersion(R"j("table": 10, "conditions": [0, 1, 9, 0], "flow": 0.2, "flowUnit": "l/s",
                               "size": "16", "diameterMm": 13.15, "length": 10)j")
            << "Файл поврежден: участок «4»: условие «температура, °С»: нет выбора номер 10.";
        QTest::newRow("typed diameter past any int")
            << secondVersion(R"j("table": 3, "conditions": {"класс": "Класс ЛА", "трубы": "неновые"}, "diameter": 3e9,
                                "flow": 1, "flowUnit": "l/s")j")
            << "Файл поврежден: участок «4»: диаметр 3000000000 мм вне пределов от 0,1 до 10000 мм.";
        QTest::newRow("conditions missing")
            << secondVersion(R"j("table": 3, "conditions": {}, "diameter": 3e9, "flow": 1, "flowUnit": "l/s")j")
            << "Файл поврежден: участок «4»: условие «класс» не выбрано.";
        // Without its system II-9 would be taken for water supply.
        QTest::newRow("system missing")
            << secondVersion(R"j("table": 9, "conditions": {}, "diameter": 13, "flow": 0.2, "flowUnit": "l/s")j")
            << "Файл поврежден: участок «4»: условие «система» не выбрано.";
        QTest::newRow("flow past the range")
            << secondVersion(R"j("table": 9, "conditions": {"система": "холодного водоснабжения"}, "diameter": 13,
                                "flow": 2e6, "flowUnit": "m3/h")j")
            << "Файл поврежден: участок «4»: расход 2000000 м куб/ч вне пределов от 0,000001 до 1000000 м куб/ч.";
        QTest::newRow("length of the least double")
            << secondVersion(R"j("table": 9, "conditions": {"система": "холодного водоснабжения"}, "diameter": 13,
                                "flow": 0.2, "flowUnit": "l/s", "length": 5e-324)j")
            << "Файл поврежден: участок «4»: длина участка 4,941·10⁻³²⁴ м вне пределов от 0,001 до 1000000 м.";
        QTest::newRow("density of 1e308")
            << secondVersion(R"j("table": 9, "conditions": {"система": "системы отопления", "температура, °С": "70",
                                "теплоноситель": "другой"}, "flow": 0.2, "flowUnit": "l/s", "size": "15 × 1.0",
                                "carrier": {"density": 1e308, "viscosity": 0.41})j")
            << "Файл поврежден: участок «4»: плотность теплоносителя 1·10³⁰⁸ кг/м³ вне пределов от 1 до 3000 кг/м³.";
        QTest::newRow("fittings past the range")
            << secondVersion(R"j("table": 9, "conditions": {"система": "холодного водоснабжения"}, "diameter": 13,
                                "flow": 0.2, "flowUnit": "l/s", "fittings": {"отвод 90°": 20000})j")
            << "Файл поврежден: участок «4»: количество «отвод 90°» 20000 вне пределов от 0 до 10000.";
        // IAPWS-95: ρ = 977,76 kg/m³ at 70 °С.
        QTest::newRow("reference water of another density")
            << secondVersion(R"j("table": 9, "conditions": {"система": "системы отопления", "температура, °С": "70",
                                "теплоноситель": "другой"}, "flow": 0.2, "flowUnit": "l/s", "size": "15 × 1.0",
                                "carrier": {"density": 500, "viscosity": 3, "kind": "вода", "temperature": 70,
                                "heatCapacity": 4.19})j")
            << "Файл поврежден: участок «4»: у теплоносителя «вода, 70 °С» плотность ρ = 500 кг/м³, а по справочнику "
               "977,8 кг/м³.";
        // G = 3,6·1000/(4,19·20) = 43 кг/ч; 0,5 л/сек of water at 70 °С is 0,5·3,6·980 = 1764 кг/ч.
        QTest::newRow("load of another flow")
            << secondVersion(R"j("table": 9, "conditions": {"система": "системы отопления", "температура, °С": "70",
                                "теплоноситель": "вода"}, "flow": 0.5, "flowUnit": "l/s", "size": "15 × 1.0",
                                "load": {"heat": 1000, "delta": 20, "heatCapacity": 4.19})j")
            << "Файл поврежден: участок «4»: тепловая нагрузка Q = 1000 Вт при Δt = 20 °С дает G = 43 кг/ч, а "
               "расходу 0,5 л/сек отвечает G = 1764 кг/ч.";
        QTest::newRow("zero flow") << firstVersion(R"j("table": 5, "conditions": [3, 4], "flow": 0, "flowUnit": "l/s",
                                                      "size": "110", "diameterMm": 96.8, "length": 10)j")
                                   << "Файл поврежден: участок «4»: расход 0 не больше нуля.";
        QTest::newRow("size in no catalog")
            << firstVersion(R"j("table": 5, "conditions": [3, 4], "flow": 5, "flowUnit": "l/s", "size": "111", "diameterMm": 96.8)j")
            << "Файл поврежден: участок «4»: размера «111» нет в каталоге таблицы II-5 при этих условиях.";
        QTest::newRow("table number not whole")
            << firstVersion(R"j("table": 1.9, "conditions": [0, 0, -1, 0], "flow": 0.3, "flowUnit": "l/s",
                               "size": "21.3 × 2.8", "diameterMm": 14.7)j")
            << "Файл поврежден: участок «4», нет таблицы «1.9».";
        QTest::newRow("table number too large")
            << firstVersion(R"j("table": 1e10, "conditions": [0, 0, -1, 0], "flow": 0.3, "flowUnit": "l/s",
                               "size": "21.3 × 2.8", "diameterMm": 14.7)j")
            << "Файл поврежден: участок «4», нет таблицы «10000000000».";
        QTest::newRow("choice out of its list")
            << firstVersion(R"j("table": 5, "conditions": [3, 40], "flow": 5, "flowUnit": "l/s", "size": "110", "diameterMm": 96.8)j")
            << "Файл поврежден: участок «4»: условие «серия»: нет выбора номер 41.";
        QTest::newRow("fitting count not whole")
            << firstVersion(R"j("table": 9, "conditions": [3, 2, 0], "flow": 0.2, "flowUnit": "l/s", "size": "15 × 1.0",
                               "diameterMm": 13, "length": 10, "fittingCounts": [1.5])j")
            << "Файл поврежден: участок «4»: количество «отвод 90°» не целое число не меньше нуля: 1,5.";
        QTest::newRow("named condition unknown")
            << secondVersion(R"j("table": 5, "conditions": {"цвет": "синий"}, "flow": 5, "flowUnit": "l/s", "size": "110")j")
            << "Файл поврежден: участок «4»: в таблице II-5 нет условия «цвет».";
        QTest::newRow("named item unknown")
            << secondVersion(R"j("table": 5, "conditions": {"полиэтилен": "ПЭ100 (MRS10,0)", "серия": "SDR99"},
                                "flow": 5, "flowUnit": "l/s", "size": "110")j")
            << "Файл поврежден: участок «4»: условие «серия»: нет выбора «SDR99».";
        QTest::newRow("named fitting unknown")
            << secondVersion(R"j("table": 9, "conditions": {"система": "системы отопления", "температура, °С": "70",
                                "теплоноситель": "вода"}, "flow": 0.2, "flowUnit": "l/s", "size": "15 × 1.0",
                                "length": 10, "fittings": {"колено": 1})j")
            << "Файл поврежден: участок «4»: в таблице II-9 нет местного сопротивления «колено».";
        QTest::newRow("carrier kind unknown")
            << secondVersion(R"j("table": 9, "conditions": {"система": "системы отопления", "температура, °С": "70",
                                "теплоноситель": "другой"}, "flow": 0.2, "flowUnit": "l/s", "size": "15 × 1.0",
                                "carrier": {"density": 900, "viscosity": 30, "kind": "масло", "temperature": 50,
                                "heatCapacity": 2})j")
            << "Файл поврежден: участок «4»: в справочнике нет теплоносителя «масло».";
        QTest::newRow("glycol concentration out of range")
            << secondVersion(R"j("table": 9, "conditions": {"система": "системы отопления", "температура, °С": "70",
                                "теплоноситель": "другой"}, "flow": 0.2, "flowUnit": "l/s", "size": "15 × 1.0",
                                "carrier": {"density": 1035.4, "viscosity": 1.267, "kind": "раствор пропиленгликоля",
                                "concentration": 70, "temperature": 50, "heatCapacity": 3.635})j")
            << "Файл поврежден: участок «4»: теплоноситель: массовая доля должна быть от 10 до 60 %.";
        QTest::newRow("load of no heat")
            << secondVersion(R"j("table": 9, "conditions": {"система": "системы отопления", "температура, °С": "70",
                                "теплоноситель": "вода"}, "flow": 0.2, "flowUnit": "l/s", "size": "15 × 1.0",
                                "load": {"heat": 0, "delta": 20, "heatCapacity": 4.19})j")
            << "Файл поврежден: участок «4»: тепловая нагрузка Q = 0 Вт вне пределов от 1 до 1000000000 Вт.";
        QTest::newRow("typed diameter of zero")
            << secondVersion(R"j("table": 5, "conditions": {"полиэтилен": "ПЭ100 (MRS10,0)"}, "flow": 5, "flowUnit": "l/s",
                                "diameter": 0)j")
            << "Файл поврежден: участок «4»: диаметр 0 мм не больше нуля.";
        // A file of an earlier program could mix the systems; one system per table now.
        QTest::newRow("systems mixed")
            << QByteArray(R"j({"format": "talvertable-sections", "version": 2, "sections": [
                   {"number": "1", "table": 5, "conditions": {"полиэтилен": "ПЭ100 (MRS10,0)", "серия": "SDR17 (S8)"},
                    "flow": 5, "flowUnit": "l/s", "size": "110", "length": 100},
                   {"number": "1-2", "table": 9, "conditions": {"система": "системы отопления", "температура, °С": "70",
                    "теплоноситель": "вода"}, "flow": 0.2, "flowUnit": "l/s", "size": "15 × 1.0", "length": 10}]})j")
            << "В таблице «Водоснабжение» участок «1-2» относится к системе «Отопление»: в одной таблице одна система.";
        // Heating gives R even where it has no length to give ΔP.
        QTest::newRow("heating of no length mixed")
            << QByteArray(R"j({"format": "talvertable-sections", "version": 2, "sections": [
                   {"number": "1", "table": 5, "conditions": {"полиэтилен": "ПЭ100 (MRS10,0)", "серия": "SDR17 (S8)"},
                    "flow": 5, "flowUnit": "l/s", "size": "110", "length": 100},
                   {"number": "2", "table": 9, "conditions": {"система": "системы отопления", "температура, °С": "70",
                    "теплоноситель": "вода"}, "flow": 0.2, "flowUnit": "l/s", "size": "15 × 1.0"}]})j")
            << "В таблице «Водоснабжение» участок «2» относится к системе «Отопление»: в одной таблице одна система.";
        QTest::newRow("kind unknown")
            << QByteArray(R"j({"format": "talvertable-sections", "version": 2, "kind": "канализация", "sections": []})j")
            << "Файл поврежден: поле «kind».";
        QTest::newRow("kind other than the sections'")
            << QByteArray(R"j({"format": "talvertable-sections", "version": 2, "kind": "отопление", "sections": [
                   {"number": "7", "table": 5, "conditions": {"полиэтилен": "ПЭ100 (MRS10,0)", "серия": "SDR17 (S8)"},
                    "flow": 5, "flowUnit": "l/s", "size": "110", "length": 100}]})j")
            << "В таблице «Отопление» участок «7» относится к системе «Водоснабжение»: в одной таблице одна система.";
        QTest::newRow("title block of a number")
            << QByteArray(R"j({"format": "talvertable-sections", "version": 2, "title": {"project": 5}, "sections": []})j")
            << "Файл поврежден: поле «title».";
        QTest::newRow("date no date")
            << QByteArray(R"j({"format": "talvertable-sections", "version": 2, "title": {"date": "31.02.2026"}, "sections": []})j")
            << "Файл поврежден: поле «title».";
        // A flow left to a network that cannot give it: the other section has no ends.
        QTest::newRow("flow left to no network")
            << QByteArray(R"j({"format": "talvertable-sections", "version": 3, "sections": [
                 {"number": "1", "start": "ввод", "end": "А", "table": 9, "conditions": {"система": "холодного водоснабжения"},
                  "diameter": 13, "flowUnit": "l/s", "length": 5},
                 {"number": "2", "table": 9, "conditions": {"система": "холодного водоснабжения"}, "diameter": 13,
                  "flow": 0.2, "flowUnit": "l/s", "length": 5}]})j")
            << "Файл поврежден: участок «1», поле «flow».";
        QTest::newRow("network of the other system")
            << QByteArray(R"j({"format": "talvertable-sections", "version": 3, "network": {"temperatureDrop": 20, "reserve": 0.1,
                 "bothPipes": true}, "sections": [{"number": "1", "table": 9, "conditions": {"система": "холодного водоснабжения"},
                 "diameter": 13, "flow": 0.2, "flowUnit": "l/s", "length": 5}]})j")
            << "Файл поврежден: поле «network».";
        QTest::newRow("unreadable path") << QByteArray() << "нет такого файла или папки";
        QTest::newRow("a folder") << QByteArray("folder") << "это папка, а не файл";
        // What cannot be a sections file is refused before it is read whole.
        QTest::newRow("named pipe") << QByteArray("pipe") << "это не обычный файл, а канал или устройство";
        QTest::newRow("over 16 MiB") << QByteArray(16 * 1024 * 1024 + 1, ' ')
                                     << "Файл больше 16 МиБ: это не файл таблицы участков.";
        QTest::newRow("over 10000 sections")
            << QByteArray(R"j({"format": "talvertable-sections", "version": 2, "sections": [)j") + QByteArray("{},").repeated(10000) + "{}]}"
            << "В файле 10001 участков, больше 10000, которые читает программа.";
    }
    void openFailures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        chosenPath = folder.filePath("участки.talver");
        if (bytes == "folder")
            QVERIFY(QDir(folder.path()).mkdir("участки.talver"));
        else if (bytes == "pipe")
            QCOMPARE(mkfifo(QFile::encodeName(chosenPath).constData(), 0600), 0);
        else if (!bytes.isEmpty())
            writeBytes(chosenPath, bytes);
        window->addSection(steelSection());
        const QString title = window->windowTitle();
        // The unsaved section is let go, but a file that cannot be taken leaves it on screen.
        answers = {platform::SaveAnswer::Discard};
        click(window, "openButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList{"Не удалось открыть файл\n" + chosenPath + "\n\n" + reason});
        QCOMPARE(tableCells(window), QList<QStringList>{steelRow});
        QCOMPARE(window->windowTitle(), title);
        QVERIFY(window->isModified());
    }

    // A file of the program before the conditions had names opens with the same rows; a size
    // kept with a diameter of its own is computed with its catalog's.
    void firstVersionOpens()
    {
        QTemporaryDir folder;
        chosenPath = folder.filePath("до.talver");
        writeBytes(chosenPath, R"j({"format": "talvertable-sections", "version": 1, "sections": [
            {"number": "1", "table": 1, "conditions": [0, 0, -1, 0], "flow": 0.3, "flowUnit": "l/s",
             "size": "21.3 × 2.8", "diameterMm": 14.7, "length": 10, "localLossesCounted": true},
            {"number": "2", "table": 5, "conditions": [3, 4], "flow": 5, "flowUnit": "l/s", "size": "110",
             "diameterMm": 1, "length": 100},
            {"number": "3", "table": 9, "conditions": [0, -1, -1], "flow": 0.2, "flowUnit": "l/s", "size": "15 × 1.0",
             "diameterMm": 13, "length": 10, "fittingCounts": [2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0]}]})j");
        click(window, "openButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        QCOMPARE(tableCells(window), (QList<QStringList>{steelRow, polyethyleneRow, copperWaterRow}));
        QCOMPARE(window->windowTitle(), QString("Гидравлический расчет участков: Водоснабжение — до.talver"));
    }

    // Every kind of file the program wrote before the conditions had names opens with the rows its
    // calculators gave for the same sections; Ctrl+S writes it again in the current format, unasked.
    void earlierFilesOpen_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* file : {"v1-steel.talver", "v1-castiron-cement-concrete.talver", "v1-plastic-glass.talver",
                                 "v1-building-water.talver", "v1-building-heating.talver"})
            QTest::newRow(file) << QString(file);
    }
    void earlierFilesOpen()
    {
        QFETCH(QString, file);
        QTemporaryDir folder;
        chosenPath = folder.filePath(file);
        writeBytes(chosenPath, fileBytes(QStringLiteral(SECTION_FILES_DIR "/") + file));
        click(window, "openButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        const QList<QStringList> opened = tableCells(window);
        QCOMPARE(opened.size(), earlierSections(file).size());
        QCOMPARE(opened, addedCells(earlierSections(file)));
        pressSaveKey(window, Qt::ControlModifier);
        QCOMPARE(savesAsked, 0);
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        QCOMPARE(QJsonDocument::fromJson(fileBytes(chosenPath)).object().value("version").toInt(), 3);
        QPointer<frmuchastki> reopened = new frmuchastki(record);
        reopened->show();
        click(reopened, "openButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        QCOMPARE(tableCells(reopened), opened);
        reopened->close();
    }

    // Hand-worked rows of the earlier files: the steel row of k = 0,3; the hot water of II-10 kept as
    // [0, 1, 2, 0], v = 4·0,0002/(π·0,01315²) = 1,473 м/с.
    void earlierFilesShowTheirFigures()
    {
        QTemporaryDir folder;
        chosenPath = folder.filePath("до.talver");
        writeBytes(chosenPath, fileBytes(SECTION_FILES_DIR "/v1-steel.talver"));
        click(window, "openButton");
        QCOMPARE(tableCells(window).first(), steelRow);
        writeBytes(chosenPath, fileBytes(SECTION_FILES_DIR "/v1-building-water.talver"));
        click(window, "openButton");
        QCOMPARE(tableCells(window).at(3).mid(1, 9),
                 (QStringList{"PEX SDR 13,6 (S6,3) 16", "", "", "", "", "0,2", "13,15", "1,473", "184,301"}));
        QStringList copper = copperWaterRow;
        copper[0] = "1";
        copper[13] = copper[12];
        QCOMPARE(tableCells(window).first(), copper);
    }

    // "Сохранить" writes the file the table came from, "Сохранить как…" always asks; a write past
    // the file size limit fails with the old file kept either way.
    void saveAndSaveAs()
    {
        QTemporaryDir folder;
        chosenPath = folder.filePath("участки.talver");
        window->addSection(steelSection());
        click(window, "saveButton");
        QCOMPARE(savesAsked, 1);
        const QByteArray saved = fileBytes(chosenPath);
        window->addSection(polyethyleneSection());
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit unlimited = limit;
        limit.rlim_cur = 100;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        pressSaveKey(window, Qt::ControlModifier);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(savesAsked, 1);
        QCOMPARE(uitest::takeFileErrors(),
                 QStringList{"Не удалось записать файл\n" + chosenPath + "\n\nфайл больше, чем разрешено в системе"});
        QCOMPARE(fileBytes(chosenPath), saved);
        QVERIFY(window->isModified());

        pressSaveKey(window, Qt::ControlModifier);
        QCOMPARE(savesAsked, 1);
        QVERIFY(!window->isModified());
        QCOMPARE(savedSection(chosenPath, 1).value("size").toString(), QString("110"));

        const QString first = chosenPath;
        chosenPath = folder.filePath("копия.talver");
        pressSaveKey(window, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(savesAsked, 2);
        QCOMPARE(lastRequest.suggestedName, QString("участки.talver"));
        QCOMPARE(window->windowTitle(), QString("Гидравлический расчет участков: Водоснабжение — копия.talver"));
        window->addSection(copperWaterSection());
        click(window, "saveButton");
        QCOMPARE(savesAsked, 2);
        QCOMPARE(savedSection(chosenPath, 2).value("table").toInt(), 9);
        QVERIFY(savedSection(first, 2).isEmpty());
        click(window, "saveAsButton");
        QCOMPARE(savesAsked, 3);
    }

    // Rows a resize or a scroll brings into view widen their columns: no figure is cut.
    void columnsFollowTheRowsInView()
    {
        QTemporaryDir folder;
        chosenPath = folder.filePath("длинная.talver");
        CalculationRequest longer = steelSection();
        longer.length = 1000;
        for (int k = 0; k < 40; ++k)
            window->addSection(k < 10 ? steelSection() : longer);
        click(window, "saveButton");
        QPointer<frmuchastki> opened = new frmuchastki(record);
        opened->show();
        opened->resize(opened->width(), opened->minimumSizeHint().height());
        QCoreApplication::processEvents();
        click(opened, "openButton");
        auto* view = uitest::child<QTableView>(opened, "sectionsTable");
        QVERIFY(view->rowAt(view->viewport()->height() - 1) < 10);
        QCOMPARE(cutCells(view), QStringList());
        opened->resize(opened->width(), 1000);
        QTRY_VERIFY(view->rowAt(view->viewport()->height() - 1) < 0 || view->rowAt(view->viewport()->height() - 1) > 12);
        QCOMPARE(cutCells(view), QStringList());
        view->scrollToBottom();
        QCoreApplication::processEvents();
        QCOMPARE(cutCells(view), QStringList());
        opened->close();
    }

    void failedWriteLosesNothing()
    {
        QTemporaryDir folder;
        window->addSection(steelSection());
        chosenPath = folder.filePath("нет/участки.talver");
        click(window, "saveButton");
        const QStringList errors = uitest::takeFileErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().startsWith("Не удалось записать файл\n" + chosenPath + "\n\n"), qPrintable(errors.first()));
        QVERIFY(errors.first().size() > QString("Не удалось записать файл\n" + chosenPath + "\n\n").size());
        QVERIFY(window->isModified());
        QCOMPARE(tableCells(window), QList<QStringList>{steelRow});
        QVERIFY(!QFile::exists(chosenPath));
    }

    // A file past the size limit of the process, shorter than the buffer of the file: the box
    // names the reason, the old file stays byte for byte and the table stays unsaved.
    void failedShortWriteKeepsTheOldFile()
    {
        QTemporaryDir folder;
        chosenPath = folder.filePath("участки");
        const QString written = folder.filePath("участки.talver");
        writeBytes(written, "{\"old\": true}\n");
        window->addSection(steelSection());
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 100;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        click(window, "saveButton");
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(uitest::takeFileErrors(),
                 QStringList{"Не удалось записать файл\n" + written + "\n\nфайл больше, чем разрешено в системе"});
        QFile file(written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("{\"old\": true}\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"участки.talver"});
        QVERIFY(window->isModified());
        QVERIFY(window->windowTitle().endsWith(" *"));

        // The name typed without its extension is completed as the dialog completes it.
        click(window, "saveButton");
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        QVERIFY(QFile(written).size() > 100);
        QCOMPARE(lastRequest.defaultSuffix, QString("talver"));
        QVERIFY(!window->isModified());
    }

    // A new section takes a number none of the rows has, whatever was removed or renumbered.
    void newNumbersAreUnique()
    {
        auto* view = uitest::child<QTableView>(window, "sectionsTable");
        for (int k = 0; k < 3; ++k)
            window->addSection(steelSection());
        selectRow(window, 0);
        click(window, "removeButton");
        window->addSection(polyethyleneSection());
        QStringList numbers;
        for (const QStringList& row : tableCells(window))
            numbers << row.first();
        QCOMPARE(numbers, (QStringList{"2", "3", "4"}));
        view->model()->setData(view->model()->index(1, 0), "1-2");
        view->model()->setData(view->model()->index(2, 0), "10");
        window->addSection(steelSection());
        QCOMPARE(tableCells(window).last().first(), QString("11"));
    }

    void unsavedChangesQuestion_data()
    {
        QTest::addColumn<platform::SaveAnswer>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("written");
        QTest::newRow("save") << platform::SaveAnswer::Save << true << true;
        QTest::newRow("discard") << platform::SaveAnswer::Discard << true << false;
        QTest::newRow("cancel") << platform::SaveAnswer::Cancel << false << false;
    }
    void unsavedChangesQuestion()
    {
        QFETCH(platform::SaveAnswer, answer);
        QTemporaryDir folder;
        chosenPath = folder.filePath("участки.talver");
        window->addSection(heatingSection());
        answers = {answer};
        window->close();
        QCOMPARE(questions, QStringList{"Сохранить изменения в таблице участков?"});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTEST(window.isNull(), "closed");
        QTEST(QFile::exists(chosenPath), "written");
    }

    // Opening another table asks first too; a cancelled question opens nothing.
    void openingAsksFirst()
    {
        QTemporaryDir folder;
        chosenPath = folder.filePath("участки.talver");
        window->addSection(copperWaterSection());
        click(window, "saveButton");
        window->addSection(steelSection());
        answers = {platform::SaveAnswer::Cancel};
        click(window, "openButton");
        QCOMPARE(questions, QStringList{"Сохранить изменения в таблице участков?"});
        QCOMPARE(tableCells(window).size(), 2);
        QVERIFY(window->isModified());
        answers = {platform::SaveAnswer::Discard};
        click(window, "openButton");
        QCOMPARE(tableCells(window).size(), 1);
        QVERIFY(!window->isModified());
    }

    void noQuestionWithoutChanges()
    {
        QTemporaryDir folder;
        chosenPath = folder.filePath("участки.talver");
        window->addSection(heatingSection());
        click(window, "saveButton");
        window->close();
        QCOMPARE(questions, QStringList());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

private:
    QTemporaryDir settingsFolder;
    QPointer<frmuchastki> window;
    QList<platform::SaveAnswer> answers;
    QStringList questions;
    QString chosenPath;
    platform::FileDialogRequest lastRequest;
    int savesAsked = 0;
};

UITEST_MAIN(SectionsWindowTest)
#include "tst_frmuchastki.moc"
