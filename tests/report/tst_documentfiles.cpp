#include "calc/registry/tables.h"
#include "report/outputs.h"
#include "report/pagepainter.h"
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

// The row of the recomputed sheet that shows the window's row: texts alike, numbers alike to the
// window's digits.
void compareRow(const QStringList& window, const QStringList& sheet, const QString& where)
{
    for (qsizetype c = 0; c < window.size(); ++c) {
        const QString shown = window.at(c);
        const QString computed = sheet.value(c);
        const std::optional<double> number = numberOf(shown);
        const QString place = QStringLiteral("%1, column %2: window «%3», workbook «%4»").arg(where).arg(c).arg(shown, computed);
        if (!number || c < 2) {
            QVERIFY2(computed == shown, qPrintable(place));
            continue;
        }
        const std::optional<double> value = numberOf(computed);
        QVERIFY2(value, qPrintable(place));
        const qsizetype separator = shown.indexOf(',');
        const int decimals = separator < 0 ? 0 : int(shown.size() - separator - 1);
        QVERIFY2(std::abs(*value - *number) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9), qPrintable(place));
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
        QTest::addColumn<QList<SectionPlan>>("plans");
        QTest::newRow("water supply") << waterPlans();
        QTest::newRow("heating") << heatingPlans();
    }
    // A length changed in the workbook gives the figures of the window with that length.
    void workbookComputesAsTheWindow()
    {
        QFETCH(QList<SectionPlan>, plans);
        if (QStandardPaths::findExecutable("libreoffice").isEmpty())
            QSKIP("LibreOffice is not installed");
        QList<Section> sections = sectionsOf(plans);
        QCOMPARE(sections.size(), plans.size());
        sections.first().number = "=1+1";
        const TableKind kind = report::kindOf(sections.first());
        const int lengthColumn = report::columnOf(kind, report::Field::Length);
        report::workbook::Sheet sheet = report::sectionsSheet(sections, kind, titleBlock);
        for (const Section& section : sections)
            QCOMPARE(report::kindOf(section), kind);

        // The window's own figures, and those of the table with the first length doubled.
        QList<Section> longer = sections;
        CalculationRequest changed = longer.first().request;
        changed.length = *changed.length * 2;
        longer.first() = report::calculateSection(record, "=1+1", changed).section;
        const std::pair<QList<Section>, double> cases[] = {{sections, *sections.first().request.length}, {longer, *changed.length}};
        for (const auto& [shown, length] : cases) {
            sheet.rows[firstSectionRow][lengthColumn].value = length;
            const std::optional<QByteArray> xlsx = report::xlsxBytes({sheet}, "Участки");
            QVERIFY(xlsx);
            const QList<QStringList> rows = recomputed(*xlsx);
            QVERIFY(rows.size() > firstSectionRow + sections.size());
            QCOMPARE(rows.at(1).mid(0, 2), QStringList({"Объект", titleBlock.project}));
            QCOMPARE(rows.at(4).mid(0, 2), QStringList({"Обозначение", titleBlock.designation}));
            const report::Table window = report::sectionsDocument(shown, kind, titleBlock).tables.first();
            QCOMPARE(rows.at(firstSectionRow - 1).mid(0, window.header.size()), window.header);
            for (int r = 0; r < window.rows.size(); ++r)
                compareRow(window.rows.at(r), rows.at(firstSectionRow + r), QStringLiteral("row %1").arg(r));
        }
        const auto loss = [](const Section& section) {
            return section.outcome.figures.headLoss.value_or(section.outcome.figures.pressureDrop.value_or(0));
        };
        QVERIFY(loss(longer.first()) > loss(sections.first()));
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
