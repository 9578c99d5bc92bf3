#include "calc/registry/tables.h"
#include "report/outputs.h"
#include "report/pagepainter.h"
#include "report/sectionnetwork.h"
#include "report/sectionsheet.h"
#include "report/xlsxfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace calc;
using report::Section;
using report::TableKind;
namespace network = calc::network;

namespace {

const TableRecord* record(int number) { return number >= 1 && number <= tableCount ? &table(number) : nullptr; }

// A section of the table at about the velocity asked, of the middle size of its catalog for the
// choices asked (an index past a list takes its last item).
struct SectionPlan {
    int table;
    QList<int> choices;
    double velocity;
    double length;
    QList<double> fittings = {};
    std::optional<HeatLoad> load = {};
};

CalculationRequest requestOf(const SectionPlan& plan)
{
    const TableRecord& shown = table(plan.table);
    ConditionChoices chosen;
    for (int p = 0; p < shown.conditions.size(); ++p) {
        const qsizetype items = shown.conditions.at(p).choices(chosen).size();
        chosen << (items == 0 ? -1 : int(std::min<qsizetype>(plan.choices.value(p), items - 1)));
    }
    const QList<CatalogSize> sizes = shown.sizes(chosen);
    const CatalogSize size = sizes.value(sizes.size() / 2);
    const double d = size.calculationDiameterMm / 1000;
    const double litres = std::max(0.001, std::round(plan.velocity * M_PI * d * d / 4 * 1e6) / 1000);
    CalculationRequest request{plan.table, {chosen, {litres, FlowUnit::LitresPerSecond}}, size.designation,
                               size.calculationDiameterMm, plan.length, {}};
    request.localLosses.counted = plan.table <= 2;
    request.localLosses.fittingCounts = plan.fittings;
    request.load = plan.load;
    return request;
}

QList<Section> sectionsOf(const QList<SectionPlan>& plans)
{
    QList<Section> sections;
    for (const SectionPlan& plan : plans) {
        const report::SectionCalculation calculated =
            report::calculateSection(record, QString::number(sections.size() + 1), requestOf(plan));
        if (!calculated.failed)
            sections << calculated.section;
    }
    return sections;
}

// Every table's formula, both branches where a table has two.
QList<SectionPlan> waterPlans()
{
    const QList<double> fittings{2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    return {{1, {0, 0, 0, 0}, 0.8, 12.5},  {1, {0, 0, 0, 0}, 2.5, 7},   {1, {1, 1, 3, 1}, 1, 10},  {2, {0, 0, 0, 2}, 1.1, 20},
            {3, {0, 0}, 0.9, 40},          {3, {0, 0}, 1.6, 40},        {3, {1, 1}, 1, 40},        {4, {1, 1}, 1, 100},
            {5, {3, 4}, 1.2, 55.5},        {6, {}, 1, 200},             {7, {}, 1, 60},            {8, {}, 1, 15},
            {9, {0}, 0.9, 6, fittings},    {9, {1, 3}, 0.7, 8, fittings}, {9, {2, 3}, 0.6, 9, fittings}, {10, {1, 0}, 1, 5, fittings},
            {11, {1, 2}, 0.8, 7, fittings}};
}

QList<SectionPlan> heatingPlans()
{
    const QList<double> fittings{2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    return {{9, {3, 2, 0}, 0.5, 10, fittings, HeatLoad{1500, 20, 4.187}},
            {10, {1, 2, 2, 0}, 0.4, 6.5, fittings},
            {11, {2, 4, 0}, 0.6, 12, fittings}};
}

// A section of a network: its request calculated by its table, its ends ("ввод>А") and what sits
// at its end; a flow typed stands over the network's.
Section networkSection(const QString& number, const CalculationRequest& request, const QString& ends, bool flowTyped = false)
{
    Section section = report::calculateSection(record, number, request).section;
    section.start = ends.section('>', 0, 0);
    section.end = ends.section('>', 1);
    section.flowTyped = flowTyped;
    return section;
}

// Polyethylene PE80 SDR11 of II-5 (h = 1000i/1000·l): 40, 32, 25 and 20 mm, 32,6, 26, 20,4 and 16
// mm inside.
CalculationRequest polyethylene(const QString& size, double diameter, double length, double litres = 0.1,
                                FlowUnit unit = FlowUnit::LitresPerSecond)
{
    return {5, {{2, 6}, {litres, unit}}, size, diameter, length, {}};
}

// A branch to two flats and a flat beside it, fed by a pipe of a typed 0,5 л/с; the second flat's
// flow is typed too (its fixtures are still summed above it), the first one's is in м³/ч, the
// third has one fixture (q = q0).
QList<Section> waterNetwork()
{
    QList<Section> rows{networkSection("1", polyethylene("40", 32.6, 10, 0.5), "ввод>А", true),
                        networkSection("2", polyethylene("32", 26, 6), "А>Б"),
                        networkSection("3", polyethylene("25", 20.4, 3, 0.36, FlowUnit::CubicMetresPerHour), "Б>=кв1"),
                        networkSection("4", polyethylene("25", 20.4, 4, 0.25), "Б>кв2", true),
                        networkSection("5", polyethylene("20", 16, 2, 0.2), "А>кв3")};
    for (int flat = 2; flat <= 4; ++flat) {
        rows[flat].fixturesAtEnd = flat == 4 ? network::FixturesAtEnd{1, 1} : network::FixturesAtEnd{4, 3};
        rows[flat].endHeight = flat == 4 ? 1 : 2;
        rows[flat].endHead = flat == 4 ? 2 : 3;
    }
    return rows;
}

// Copper of II-9 to five radiators of 1,5 кВт and 2000 Па, three of them along the riser.
QList<Section> heatingNetwork()
{
    const auto copper = [](const QString& size, double diameter, double length, const QString& ends) {
        CalculationRequest request{9, {{3, 2, 0}, {0.0183, FlowUnit::LitresPerSecond}}, size, diameter, length,
                                   {false, {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {}}};
        request.load = HeatLoad{1500, 20, 4.19};
        Section section = networkSection(ends.section('>', 1), request, ends);
        section.unitAtEnd = network::UnitAtEnd{1500, 2000};
        return section;
    };
    return {copper("15 × 1.0", 13, 5, "ИТП>Ст"), copper("15 × 1.0", 13, 5, "Ст>пр1"), copper("12 × 1.0", 10, 5, "пр1>пр2"),
            copper("12 × 1.0", 10, 5, "пр2>пр3"), copper("12 × 1.0", 10, 2, "ИТП>пр5")};
}

// The workbook's first sheet as LibreOffice Calc computes it on opening, cells by row: its
// formulas computed again (the workbook's own values are not trusted) and each number as its
// format shows it.
QList<QStringList> recomputed(const QByteArray& xlsx)
{
    QTemporaryDir folder;
    QFile book(folder.filePath("book.xlsx"));
    if (!book.open(QIODevice::WriteOnly) || book.write(xlsx) != xlsx.size())
        return {};
    book.close();
    QDir().mkpath(folder.filePath("profile/user"));
    QFile settings(folder.filePath("profile/user/registrymodifications.xcu"));
    if (!settings.open(QIODevice::WriteOnly))
        return {};
    settings.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
)");
    settings.close();
    QProcess office;
    office.start(QStandardPaths::findExecutable("libreoffice"),
                 {"-env:UserInstallation=" + QUrl::fromLocalFile(folder.filePath("profile")).toString(), "--headless",
                  "--convert-to", "csv:Text - txt - csv (StarCalc):59,34,76,1", "--outdir", folder.path(), book.fileName()});
    if (!office.waitForFinished(240000))
        return {};
    QFile csv(folder.filePath("book.csv"));
    if (!csv.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts)) {
        QStringList cells;
        QString cell;
        bool quoted = false;
        const QString unended = QString(line).remove('\r');
        for (const QChar c : unended) {
            if (c == '"')
                quoted = !quoted;
            else if (c == ';' && !quoted)
                cells << std::exchange(cell, QString());
            else
                cell += c;
        }
        rows << (cells << cell);
    }
    return rows;
}

std::optional<double> numberOf(const QString& text)
{
    bool ok = false;
    const double value = QString(text).replace(',', '.').toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// The workbook's number is the window's to the digits the window shows.
bool sameShown(const QString& shown, const QString& computed)
{
    const std::optional<double> number = numberOf(shown);
    const std::optional<double> value = numberOf(computed);
    const qsizetype separator = shown.indexOf(',');
    const int decimals = separator < 0 ? 0 : int(shown.size() - separator - 1);
    return number && value && std::abs(*value - *number) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
}

// The row of the recomputed sheet that shows the window's row: texts alike, numbers alike to the
// window's digits.
void compareRow(const QStringList& window, const QStringList& sheet, const QString& where)
{
    for (qsizetype c = 0; c < window.size(); ++c) {
        const QString shown = window.at(c);
        const QString computed = sheet.value(c);
        const QString place = QStringLiteral("%1, column %2: window «%3», workbook «%4»").arg(where).arg(c).arg(shown, computed);
        QVERIFY2(numberOf(shown) && c >= 2 ? sameShown(shown, computed) : computed == shown, qPrintable(place));
    }
}

// Each line the window shows after the table against its row of the sheet: the row's caption
// begins as the line does, its texts are the names the line gives in «», and its numbers are the
// line's last figures; a row of a caption alone is the line itself.
void compareResults(const QStringList& lines, const QList<QStringList>& rows, int first)
{
    static const QRegularExpression name("«([^»]*)»");
    static const QRegularExpression figure("\\d+(?:,\\d+)?");
    for (int k = 0; k < lines.size(); ++k) {
        const QString& line = lines.at(k);
        const QStringList row = rows.value(first + k);
        const QString place = QStringLiteral("«%1» against «%2»").arg(line, row.join(" | "));
        QStringList texts, numbers, names, figures;
        for (const QString& cell : row.mid(1))
            if (!cell.isEmpty())
                (numberOf(cell) ? numbers : texts) << cell;
        if (texts.isEmpty() && numbers.isEmpty()) {
            QVERIFY2(row.value(0) == line, qPrintable(place));
            continue;
        }
        QVERIFY2(row.value(0).section(' ', 0, 0) == line.section(' ', 0, 0), qPrintable(place));
        for (const QRegularExpressionMatch& m : name.globalMatch(line))
            names << m.captured(1);
        QVERIFY2(texts == names, qPrintable(place));
        for (const QRegularExpressionMatch& m : figure.globalMatch(QString(line).remove(name)))
            figures << m.captured(0);
        QVERIFY2(figures.size() >= numbers.size(), qPrintable(place));
        figures = figures.mid(figures.size() - numbers.size());
        for (qsizetype n = 0; n < numbers.size(); ++n)
            QVERIFY2(sameShown(figures.at(n), numbers.at(n)), qPrintable(place));
    }
}

const report::TitleBlock titleBlock{"=2+2 Жилой дом", "В1", "Иванов И. И.", QDate(2026, 12, 10), "123-ВК.РР"};
constexpr int firstSectionRow = 8;

}  // namespace

class tst_documentfiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // A table's cell that reads as a number in the window's notation is that number with the
    // decimals it shows; anything else, a label column and a text like a formula are texts.
    void documentSheetCells_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        const int text = int(report::workbook::Cell::Kind::Text), number = int(report::workbook::Cell::Kind::Number);
        QTest::newRow("decimal comma") << "1,234" << 1 << number << 1.234 << 3;
        QTest::newRow("whole") << "806" << 1 << number << 806.0 << 0;
        QTest::newRow("minus sign") << "−0,5" << 1 << number << -0.5 << 1;
        QTest::newRow("size name") << "26,8" << 0 << text << 0.0 << -1;
        QTest::newRow("formula-like") << "=1+1" << 1 << text << 0.0 << -1;
        QTest::newRow("exponent") << "4,778·10⁴" << 1 << text << 0.0 << -1;
        QTest::newRow("advice") << "рекомендуется 32 × 3,2" << 1 << text << 0.0 << -1;
    }
    void documentSheetCells()
    {
        QFETCH(QString, shown);
        QFETCH(int, column);
        QFETCH(int, kind);
        QFETCH(double, value);
        QFETCH(int, decimals);
        report::Document document;
        document.title = "Подбор";
        document.conditions = {"расход 1 л/сек"};
        report::Table table{{"Размер", "v, м/с"}, {{"x", "y"}}, {}};
        table.rows[0][column] = shown;
        table.labelColumns = {0};
        document.tables = {table};
        const report::workbook::Sheet sheet = report::workbook::documentSheet(document, "Таблица");
        QCOMPARE(sheet.rows.at(0).at(0).text, QString("Подбор"));
        QCOMPARE(sheet.rows.at(3).at(0).text, QString("Размер"));
        const report::workbook::Cell& cell = sheet.rows.at(4).at(column);
        QCOMPARE(int(cell.kind), kind);
        if (kind == int(report::workbook::Cell::Kind::Text))
            QCOMPARE(cell.text, shown);
        QCOMPARE(cell.value, value);
        QCOMPARE(cell.decimals, decimals);
    }

    void workbookComputesAsTheWindow_data()
    {
        QTest::addColumn<QList<Section>>("sections");
        QTest::addColumn<report::NetworkSettings>("settings");
        QTest::addColumn<int>("changed");
        QTest::addColumn<double>("length");
        QTest::addColumn<QStringList>("handWorked");
        const QList<Section> water = sectionsOf(waterPlans());
        const QList<Section> heating = sectionsOf(heatingPlans());
        QCOMPARE(water.size(), waterPlans().size());
        QCOMPARE(heating.size(), heatingPlans().size());
        QTest::newRow("water supply") << water << report::NetworkSettings{} << 0 << 2 * *water.first().request.length << QStringList();
        QTest::newRow("heating") << heating << report::NetworkSettings{} << 0 << 2 * *heating.first().request.length << QStringList();
        // The third flat's pipe of 16 mm at q = q0 = 0,2 л/с made 40 m long: v = 4·0,0002/(π·0,016²)
        // = 0,99472 м/с, i = 0,000685·v^1,774/0,016^1,226 = 0,107984, h = 40·i = 4,319 м; Σh = 0,184
        // (the first pipe, 32,6 mm at 0,5 л/с: v = 0,59902 м/с, i = 0,0183516, 10 m) + 4,319 = 4,503 м;
        // the flat becomes the dictating end: H_тр = 1 + 4,503 + 2 + 2,5 + 0 + 1 = 11,003 м, 1,003 м
        // above the 10 м at the connection.
        report::NetworkSettings settings;
        settings.water = {0.2, 5.6, 1.5, 2.5, 0, 1, 10};
        QTest::newRow("water-supply network") << waterNetwork() << settings << 4 << 40.0
                                              << QStringList{"4,319", "4,503", "11,003", "1,003"};
        settings.heating = {20, 0.1, true};
        QTest::newRow("heating network") << heatingNetwork() << settings << 2 << 25.0 << QStringList();
    }
    // A length changed in the workbook gives the figures of the window with that length, the
    // sums down a network's paths and its results under the table.
    void workbookComputesAsTheWindow()
    {
        QFETCH(QList<Section>, sections);
        QFETCH(report::NetworkSettings, settings);
        QFETCH(int, changed);
        QFETCH(double, length);
        QFETCH(QStringList, handWorked);
        if (QStandardPaths::findExecutable("libreoffice").isEmpty())
            QSKIP("LibreOffice is not installed");
        sections.first().number = "=1+1";
        const TableKind kind = report::kindOf(sections.first());
        for (const Section& section : sections)
            QCOMPARE(report::kindOf(section), kind);
        const int lengthColumn = report::columnOf(kind, report::Field::Length);
        const auto computed = [&](const QList<Section>& rows) { return report::computedTable(rows, kind, settings, record); };
        report::workbook::Sheet sheet = report::sectionsSheet(computed(sections), kind, titleBlock);

        // The window's own figures, and those of the table with the length changed.
        QList<Section> longer = sections;
        Section& edited = longer[changed];
        edited.request.length = length;
        edited.outcome = report::calculateSection(record, edited.number, edited.request).section.outcome;
        const int results = firstSectionRow + int(sections.size()) + 2;
        QList<QStringList> rows;
        for (const QList<Section>& table : {sections, longer}) {
            const report::ComputedTable window = computed(table);
            sheet.rows[firstSectionRow + changed][lengthColumn].value = *table.at(changed).request.length;
            const std::optional<QByteArray> xlsx = report::xlsxBytes({sheet}, "Участки");
            QVERIFY(xlsx);
            rows = recomputed(*xlsx);
            QVERIFY(rows.size() > firstSectionRow + sections.size());
            QCOMPARE(rows.at(1).mid(0, 2), QStringList({"Объект", titleBlock.project}));
            QCOMPARE(rows.at(4).mid(0, 2), QStringList({"Обозначение", titleBlock.designation}));
            const report::Document document = report::hasEnds(table) ? report::networkDocument(window, kind, titleBlock)
                                                                     : report::sectionsDocument(window.shown, kind, titleBlock);
            const report::Table& shown = document.tables.first();
            QCOMPARE(rows.at(firstSectionRow - 1).mid(0, shown.header.size()), shown.header);
            for (int r = 0; r < shown.rows.size(); ++r)
                compareRow(shown.rows.at(r), rows.at(firstSectionRow + r), QStringLiteral("row %1").arg(r));
            compareResults(window.results(), rows, results);
        }
        if (!handWorked.isEmpty()) {
            const QStringList& row = rows.at(firstSectionRow + changed);
            const QStringList computed{row.value(report::columnOf(kind, report::Field::HeadLoss)),
                                       row.value(report::columnOf(kind, report::Field::RunningHeadLoss)),
                                       rows.at(results + 1).value(7), rows.at(results + 2).value(1)};
            for (int k = 0; k < handWorked.size(); ++k)
                QVERIFY2(sameShown(handWorked.at(k), computed.at(k)), qPrintable(computed.join(" | ")));
        }
        const auto loss = [](const Section& section) {
            return section.outcome.figures.headLoss.value_or(section.outcome.figures.pressureDrop.value_or(0));
        };
        QVERIFY(loss(longer.at(changed)) > loss(sections.at(changed)));
    }

    void framedPdf_data()
    {
        QTest::addColumn<report::Document>("document");
        QTest::addColumn<QString>("pageSize");
        QTest::addColumn<QStringList>("graphs");
        report::TitleBlock block = titleBlock;
        block.designation = "2026-118-ИОС2.1.ВК.РР, раздел " + QString(200, u'ж');
        QList<SectionPlan> plans;
        for (int s = 0; s < 60; ++s)
            plans << waterPlans().at(s % waterPlans().size());
        const QStringList filled{"Разраб.", "Иванов И. И.", "12.26", "=2+2 Жилой дом", "В1"};
        QTest::newRow("water supply, landscape")
            << report::sectionsDocument(sectionsOf(plans), TableKind::WaterSupply, block) << "842 x 595"
            << filled + QStringList{"Гидравлический расчет участков. Водоснабжение"};
        QTest::newRow("heating, one sheet")
            << report::sectionsDocument(sectionsOf(heatingPlans().mid(0, 1)), TableKind::Heating, block) << "842 x 595"
            << filled + QStringList{"Гидравлический расчет участков. Отопление"};
        report::Document narrow;
        narrow.title = "Подбор диаметра: таблица II-5";
        narrow.tables = {report::Table{{"Труба", "v, м/с"}, {}, {}}};
        for (int r = 0; r < 120; ++r)
            narrow.tables.first().rows << QStringList{QString::number(r), "1,5"};
        narrow.stamp.designation = block.designation;
        QTest::newRow("size selection, portrait") << narrow << "595 x 842" << QStringList{"Подбор диаметра: таблица II-5"};
    }
    // Form 5 on the first sheet, form 6 on the others, the texts cut to their graphs, every word
    // inside the frame.
    void framedPdf()
    {
        QFETCH(report::Document, document);
        QFETCH(QString, pageSize);
        QFETCH(QStringList, graphs);
        document.framed = true;
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        const int pages = report::writePdf(document, pdf);
        QCOMPARE(pages > 1, document.tables.first().rows.size() > 2);
        QTemporaryDir folder;
        QFile file(folder.filePath("framed.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(pdf.data());
        file.close();
        const auto run = [&file](const QString& program, const QStringList& arguments) {
            QProcess process;
            // pdftotext writes to its standard output when told "-".
            process.start(program, arguments + QStringList{file.fileName()} + (program == "pdfinfo" ? QStringList() : QStringList{"-"}));
            process.waitForFinished();
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        QVERIFY(run("pdfinfo", {}).contains("Page size:       " + pageSize + " pts (A4)"));
        const QString first = run("pdftotext", {"-f", "1", "-l", "1"});
        for (const QString& graph : graphs + QStringList{"Изм.", "Кол.уч.", "№ док.", "Подп.", "Дата", "Пров.", "Н.контр.", "Утв.", "Стадия", "Листов"})
            QVERIFY2(first.contains(graph), qPrintable(graph));
        // A graph of the title block read back alone, by its place on the portrait sheet in mm
        // (the landscape sheet has the portrait frame turned a quarter clockwise).
        const bool landscape = pageSize.startsWith("842");
        const auto graph = [&run, landscape](int page, double x, double y, double w, double h) {
            const double mm = 72 / 25.4;
            const QList<double> box = landscape ? QList<double>{297 - y - h, x, h, w} : QList<double>{x, y, w, h};
            QStringList arguments{"-f", QString::number(page), "-l", QString::number(page)};
            for (qsizetype k = 0; k < 4; ++k)
                arguments << QStringList{"-x", "-y", "-W", "-H"}.at(k) << QString::number(qRound(box.at(k) * mm));
            return run("pdftotext", arguments).simplified();
        };
        QVERIFY(graph(1, 85, 252, 120, 15).contains(QRegularExpression("^2026-118-ИОС2.1.ВК.РР, раздел ж+…$")));
        QVERIFY(!first.contains(QString(200, u'ж')));
        QCOMPARE(graph(1, 170, 272, 15, 5), QString("1"));
        QCOMPARE(graph(1, 185, 272, 20, 5), QString::number(pages));
        if (graphs.contains("Иванов И. И."))
            QCOMPARE(graph(1, 40, 267, 20, 5), QString("Иванов И. И."));
        if (pages > 1) {
            const QString second = run("pdftotext", {"-f", "2", "-l", "2"});
            QVERIFY(second.contains("Лист") && second.contains("Изм."));
            QVERIFY(graph(2, 85, 277, 110, 15).contains(QRegularExpression("^2026-118-ИОС2.1.ВК.РР, раздел ж+…$")));
            QCOMPARE(graph(2, 195, 284, 10, 8), QString("2"));
            for (const char* caption : {"Разраб.", "Листов", "Стадия"})
                QVERIFY2(!second.contains(QString::fromUtf8(caption)), caption);
        }
        // Every word of every page lies inside the frame: 20 mm from the binding edge (the top of
        // a landscape sheet), 5 mm from the others.
        const double mm = 72 / 25.4;
        static const QRegularExpression word(
            "<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\"");
        double width = 0, height = 0;
        int words = 0;
        for (const QRegularExpressionMatch& m : word.globalMatch(run("pdftotext", {"-bbox"}))) {
            if (!m.captured(1).isEmpty()) {
                width = m.captured(1).toDouble();
                height = m.captured(2).toDouble();
                continue;
            }
            ++words;
            const bool landscape = width > height;
            QVERIFY(m.captured(3).toDouble() >= (landscape ? 5 : 20) * mm);
            QVERIFY(m.captured(4).toDouble() >= (landscape ? 20 : 5) * mm);
            QVERIFY(m.captured(5).toDouble() <= width - 5 * mm);
            QVERIFY(m.captured(6).toDouble() <= height - 5 * mm);
        }
        QVERIFY(words > 50);
    }
};

QTEST_MAIN(tst_documentfiles)
#include "tst_documentfiles.moc"
