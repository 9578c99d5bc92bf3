#include "report/pagepainter.h"

#include "platform/printpreview.h"
#include "report/gostframe.h"
#include "report/renderings.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <algorithm>
#include <numeric>

namespace report {
namespace {
// Sizes in points. Heights follow from the font sizes alone, so the page breaks are the same
// wherever the fonts differ a little.
constexpr double bodySize = 9;
constexpr double titleSize = 12;
constexpr double footerSize = 8;
constexpr double lineStep = 1.25;   // line height, per point of font size
constexpr double rowPadding = 0.5;  // above and below a table row's text together
constexpr double cellPadding = 0.4; // left and right of a cell's text, each
constexpr double gap = 6;
// The smallest type a table shrinks to before it is cut into parts of columns.
constexpr double smallestTableSize = 7;

bool isNumber(const QString& cell)
{
    static const QRegularExpression number(QStringLiteral("^[-−+]?\\d+([,.]\\d+)?([eE][-+]?\\d+)?$|^—$"));
    return number.match(cell).hasMatch();
}

int lineCount(const QString& text) { return int(text.count(QLatin1Char('\n'))) + 1; }

QFont fontOfSize(double points, bool bold = false)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A table's font and column widths, fitted to the page width.
struct TableGeometry {
    QFont font;
    QFont bold;
    QList<double> columns;
    double fontSize = bodySize;

    double width() const { return std::accumulate(columns.begin(), columns.end(), 0.0); }
};

// The cells of the tables as paper shows them.
Document onPaper(const Document& document)
{
    Document shown = document;
    for (Table& table : shown.tables) {
        for (QString& cell : table.header)
            cell = shortenedCell(cell);
        for (QStringList& row : table.rows)
            for (QString& cell : row)
                cell = shortenedCell(cell);
    }
    return shown;
}

// The cells laid out and painted so far, of twice the cells of the document: the pages are
// laid out once to count them, then painted.
class Ticker {
public:
    Ticker(const Progress& progress, const Document& document) : progress(progress)
    {
        for (const Table& table : document.tables)
            for (const QStringList& row : table.rows)
                total += row.size();
        total *= 2;
    }

    // False once the progress said to stop.
    bool advance(qint64 cells)
    {
        done = std::min(total, done + cells);
        if (progress && !stopped)
            stopped = !progress(done, total);
        return !stopped;
    }
    bool hasStopped() const { return stopped; }

private:
    const Progress& progress;
    qint64 done = 0;
    qint64 total = 0;
    bool stopped = false;
};

class PageWriter {
public:
    PageWriter(QPagedPaintDevice& device, QPainter* painter, int pageCount, Ticker* ticker = nullptr)
        : device(device), painter(painter), pageCount(pageCount), ticker(ticker)
    {
    }

    int write(const Document& document)
    {
        framed = document.framed;
        stamp = document.stamp;
        stampName = document.title;
        title = document.title;
        startPage();
        if (!document.runningTitle.isEmpty())
            title = document.runningTitle;
        writeLines(document.conditions, fontOfSize(bodySize));
        for (const Table& table : document.tables)
            for (const TablePart& part : columnParts(table))
                if (!writeTable(part.table, part.columns))
                    return 0;
        if (!document.paragraphs.isEmpty()) {
            y += px(gap);
            writeLines(document.paragraphs, fontOfSize(bodySize));
        }
        finishPage();
        return page;
    }

    // Whether every table fits the page width in the body font.
    bool fitsWidth(const Document& document) const
    {
        return std::all_of(document.tables.begin(), document.tables.end(),
                           [this](const Table& table) { return measure(naturalColumns(table)).fontSize >= bodySize; });
    }

private:
    double px(double points) const { return points * device.logicalDpiY() / 72.0; }
    // The room of the content on the first page or on the others: the page less the foot, or
    // the inside of the frame above its title block.
    QRectF room(bool first) const
    {
        if (framed)
            return gostframe::contentRoom(QSizeF(device.width(), device.height()), device.logicalDpiX() / 25.4, first);
        return QRectF(0, 0, device.width(), device.height() - px(2 * footerSize));
    }
    // One width on every page, so that a table keeps its columns.
    double pageWidth() const { return std::min(room(true).width(), room(false).width()); }
    double contentBottom() const { return room(page <= 1).height(); }

    double textHeight(const QString& text, const QFont& font) const
    {
        const QFontMetricsF metrics(font, &device);
        const QRectF bounds = metrics.boundingRect(QRectF(0, 0, pageWidth(), 1e9), Qt::TextWordWrap, text);
        const int lines = std::max(1, qRound(bounds.height() / metrics.lineSpacing()));
        return lines * px(lineStep * font.pointSizeF());
    }

    void startPage()
    {
        ++page;
        y = 0;
        if (painter) {
            painter->resetTransform();
            painter->translate(room(page == 1).topLeft());
        }
        const QFont font = fontOfSize(titleSize, true);
        const double height = textHeight(title, font);
        if (painter) {
            painter->setFont(font);
            painter->drawText(QRectF(0, 0, pageWidth(), height), Qt::TextWordWrap, title);
        }
        y = height + px(gap);
        pageTop = y;
    }

    void finishPage()
    {
        if (!painter)
            return;
        if (framed) {
            gostframe::paint(*painter, QSizeF(device.width(), device.height()), device.logicalDpiX() / 25.4, stamp, stampName,
                             page, pageCount);
            return;
        }
        painter->setFont(fontOfSize(footerSize));
        const QRectF foot(0, contentBottom(), pageWidth(), device.height() - contentBottom());
        painter->drawText(foot, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("стр. %1 из %2").arg(page).arg(pageCount));
    }

    void nextPage()
    {
        finishPage();
        if (painter)
            device.newPage();
        startPage();
    }

    void writeLines(const QStringList& lines, const QFont& font)
    {
        for (const QString& line : lines) {
            const double height = textHeight(line, font);
            if (y + height > contentBottom() && y > pageTop)
                nextPage();
            if (painter) {
                painter->setFont(font);
                painter->drawText(QRectF(0, y, pageWidth(), height), Qt::TextWordWrap, line);
            }
            y += height;
        }
        if (!lines.isEmpty())
            y += px(gap);
    }

    // Column widths in the body font, padding included.
    QList<double> naturalColumns(const Table& table) const
    {
        qsizetype columnCount = table.header.size();
        for (const QStringList& row : table.rows)
            columnCount = std::max(columnCount, row.size());
        QList<double> columns(columnCount, 0.0);
        const QFontMetricsF plain(fontOfSize(bodySize), &device);
        const QFontMetricsF bold(fontOfSize(bodySize, true), &device);
        const auto widen = [&columns](const QStringList& cells, const QFontMetricsF& metrics) {
            for (qsizetype c = 0; c < cells.size(); ++c) {
                double width = 0;
                for (const QString& line : cells[c].split(QLatin1Char('\n')))
                    width = std::max(width, metrics.horizontalAdvance(line));
                columns[c] = std::max(columns[c], width);
            }
        };
        widen(table.header, bold);
        for (int r = 0; r < table.rows.size(); ++r) {
            widen(table.rows[r], table.emphasisedRows.contains(r) ? bold : plain);
            // Measuring a large table takes long: the progress hears that the work goes on.
            if (ticker)
                ticker->advance(0);
        }
        for (double& column : columns)
            column += 2 * px(cellPadding * bodySize);
        return columns;
    }

    // The table as it goes on the pages: whole, or, where even the smallest type cannot fit it
    // to the page width, in parts of its columns, each with the first column.
    // A part of a table with the widths of its columns in the body font.
    struct TablePart {
        Table table;
        QList<double> columns;
    };

    QList<TablePart> columnParts(const Table& table) const
    {
        const QList<double> columns = naturalColumns(table);
        const double room = pageWidth() * bodySize / smallestTableSize;
        if (columns.size() < 2 || std::accumulate(columns.begin(), columns.end(), 0.0) <= room)
            return {{table, columns}};
        QList<TablePart> parts;
        for (const ColumnRange& range : columnRanges(columns, room, table.columnsTogether)) {
            const auto slice = [range](const QStringList& cells) {
                return QStringList{cells.value(0)} + cells.mid(range.first, range.end - range.first);
            };
            Table part{slice(table.header), {}, table.emphasisedRows, table.columnsTogether};
            for (const QStringList& row : table.rows)
                part.rows << slice(row);
            parts.append({part, QList<double>{columns.first()} + columns.mid(range.first, range.end - range.first)});
        }
        return parts;
    }

    TableGeometry measure(const QList<double>& naturalColumns) const
    {
        TableGeometry geometry;
        geometry.columns = naturalColumns;
        const double scale = std::min(1.0, pageWidth() / std::max(1.0, geometry.width()));
        for (double& column : geometry.columns)
            column *= scale;
        geometry.fontSize = bodySize * scale;
        geometry.font = fontOfSize(geometry.fontSize);
        geometry.bold = fontOfSize(geometry.fontSize, true);
        return geometry;
    }

    double rowHeight(const QStringList& cells, const TableGeometry& geometry) const
    {
        int lines = 1;
        for (const QString& cell : cells)
            lines = std::max(lines, lineCount(cell));
        return px((lines * lineStep + rowPadding) * geometry.fontSize);
    }

    void drawRow(const QStringList& cells, const TableGeometry& geometry, double height, bool header, bool bold)
    {
        if (!painter)
            return;
        const double left = px(cellPadding * geometry.fontSize);
        if (header) {
            painter->fillRect(QRectF(0, y, geometry.width(), height), QColor(0xe6, 0xe6, 0xe6));
        }
        painter->setFont(header || bold ? geometry.bold : geometry.font);
        double x = 0;
        for (qsizetype c = 0; c < geometry.columns.size(); ++c) {
            const QString cell = cells.value(c);
            const int alignment = header ? Qt::AlignHCenter : isNumber(cell) ? Qt::AlignRight : Qt::AlignLeft;
            const QRectF box(x + left, y, geometry.columns[c] - 2 * left, height);
            painter->drawText(box, alignment | Qt::AlignVCenter | Qt::TextDontClip, cell);
            x += geometry.columns[c];
        }
        painter->drawLine(QPointF(0, y), QPointF(geometry.width(), y));
    }

    // The frame's bottom and the column lines of the part of a table on this page.
    void closeBlock(const TableGeometry& geometry, double top)
    {
        if (!painter)
            return;
        painter->drawLine(QPointF(0, y), QPointF(geometry.width(), y));
        double x = 0;
        painter->drawLine(QPointF(x, top), QPointF(x, y));
        for (double column : geometry.columns) {
            x += column;
            painter->drawLine(QPointF(x, top), QPointF(x, y));
        }
    }

    // False when the progress stopped the work.
    bool writeTable(const Table& table, const QList<double>& naturalColumns)
    {
        const TableGeometry geometry = measure(naturalColumns);
        const double headerHeight = table.header.isEmpty() ? 0 : rowHeight(table.header, geometry);
        const double firstRowHeight = table.rows.isEmpty() ? 0 : rowHeight(table.rows.first(), geometry);
        if (y + headerHeight + firstRowHeight > contentBottom() && y > pageTop)
            nextPage();
        if (painter)
            painter->setPen(QPen(Qt::black, px(0.5)));
        double top = y;
        const auto drawHeader = [&] {
            top = y;
            if (headerHeight == 0)
                return;
            drawRow(table.header, geometry, headerHeight, true, true);
            y += headerHeight;
        };
        drawHeader();
        for (int r = 0; r < table.rows.size(); ++r) {
            const double height = rowHeight(table.rows[r], geometry);
            if (y + height > contentBottom() && y > top + headerHeight) {
                closeBlock(geometry, top);
                nextPage();
                drawHeader();
            }
            drawRow(table.rows[r], geometry, height, false, table.emphasisedRows.contains(r));
            y += height;
            if (ticker && !ticker->advance(table.rows[r].size()))
                return false;
        }
        closeBlock(geometry, top);
        y += px(gap);
        return true;
    }

    QPagedPaintDevice& device;
    QPainter* painter;
    const int pageCount;
    Ticker* ticker;
    bool framed = false;
    Stamp stamp;
    QString stampName;
    QString title;
    int page = 0;
    double y = 0;
    double pageTop = 0;
};
}  // namespace

QList<ColumnRange> columnRanges(const QList<double>& widths, double room, int together)
{
    const qsizetype group = std::max(1, together);
    QList<ColumnRange> ranges;
    qsizetype first = 1;
    while (first < widths.size()) {
        double width = widths.first();
        qsizetype end = first;
        while (end < widths.size()) {
            const qsizetype groupEnd = std::min(widths.size(), end + group);
            const double added = std::accumulate(widths.begin() + end, widths.begin() + groupEnd, 0.0);
            // A part takes at least one group, however wide.
            if (end > first && width + added > room)
                break;
            width += added;
            end = groupEnd;
        }
        ranges.append({int(first), int(end)});
        first = end;
    }
    return ranges;
}

int paintPages(const Document& document, QPagedPaintDevice& device, const Progress& progress)
{
    // The frame is measured from the sheet's edges.
    if (document.framed) {
        if (auto* printer = dynamic_cast<QPrinter*>(&device))
            printer->setFullPage(true);
        else
            device.setPageMargins(QMarginsF());
    }
    const Document shown = onPaper(document);
    Ticker ticker(progress, shown);
    const int pageCount = PageWriter(device, nullptr, 0, &ticker).write(shown);
    if (ticker.hasStopped())
        return 0;
    QPainter painter(&device);
    PageWriter(device, &painter, pageCount, &ticker).write(shown);
    return ticker.hasStopped() ? 0 : pageCount;
}

QPageLayout::Orientation orientation(const Document& document, const Progress& progress)
{
    QBuffer unused;
    QPdfWriter portrait(&unused);
    portrait.setPageLayout(platform::documentPageLayout());
    const Document shown = onPaper(document);
    Ticker ticker(progress, shown);
    return PageWriter(portrait, nullptr, 0, &ticker).fitsWidth(shown) ? QPageLayout::Portrait : QPageLayout::Landscape;
}

int writePdf(const Document& document, QIODevice& output, const Progress& progress)
{
    QPdfWriter writer(&output);
    QPageLayout layout = platform::documentPageLayout();
    layout.setOrientation(orientation(document, progress));
    if (document.framed)
        layout.setMargins(QMarginsF());
    writer.setPageLayout(layout);
    writer.setResolution(300);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("Таблицы Тальвера"));
    return paintPages(document, writer, progress);
}

}  // namespace report
