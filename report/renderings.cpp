#include "report/renderings.h"

#include <QRegularExpression>

namespace report {
namespace {
constexpr qsizetype shownLines = 6;
constexpr qsizetype shownLineLength = 100;
const QString ellipsis = QStringLiteral("\u2026");

bool isNumber(const QString& cell)
{
    static const QRegularExpression number(QStringLiteral("^[-+]?\\d+([,.]\\d+)?([eE][-+]?\\d+)?$"));
    return number.match(cell).hasMatch();
}

// A whole number a spreadsheet shows as it is written: no leading zero, no sign, and few enough
// digits to be kept exactly.
bool isPlainWholeNumber(const QString& cell)
{
    static const QRegularExpression whole(QStringLiteral("^(0|[1-9]\\d{0,14})$"));
    return whole.match(cell).hasMatch();
}

// What a spreadsheet reads as something other than the text: a formula, or in a column of
// names anything beginning like a number or a date but a plain whole number ("1,10", "01",
// "2.3.4" and "1-2" are changed, "12" is not).
bool takenForOtherThanText(const QString& cell, bool label)
{
    if (cell.isEmpty())
        return false;
    const QChar first = cell.front();
    if (label && (first.isDigit() || first == u'.' || first == u',' || first == u'-' || first == u'+'))
        return !isPlainWholeNumber(cell);
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return formulaStarts.contains(first) && !isNumber(cell);
}
QString joined(const QStringList& cells) { return cells.join(QLatin1Char('\t')) + QLatin1Char('\n'); }

QString escaped(const QString& text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return html;
}

QString htmlPage(const QString& body)
{
    return QLatin1String("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>\n") + body +
           QLatin1String("</body></html>\n");
}

QString htmlTables(const QList<Table>& tables)
{
    QString body;
    for (const Table& table : tables)
        body += htmlTable(table);
    return body;
}

QString htmlParagraphs(const QStringList& lines, const char* tag = "p")
{
    QString body;
    for (const QString& line : lines)
        body += QStringLiteral("<%1>%2</%1>\n").arg(QLatin1String(tag), escaped(line));
    return body;
}

QByteArray csvCell(const QString& shown, bool label)
{
    const QString cell = takenForOtherThanText(shown, label) ? u'\'' + shown : shown;
    const bool quoted = cell.contains(QLatin1Char(';')) || cell.contains(QLatin1Char('"')) ||
                        cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r'));
    if (!quoted)
        return cell.toUtf8();
    QString inner = cell;
    inner.replace(QLatin1String("\""), QLatin1String("\"\""));
    return '"' + inner.toUtf8() + '"';
}

QByteArray csvRow(const QStringList& cells, const QSet<int>& labelColumns = {})
{
    QByteArray row;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            row += ';';
        row += csvCell(cells[i], labelColumns.contains(int(i)));
    }
    return row + "\r\n";
}
}  // namespace

QString tabSeparated(const Table& table)
{
    QString text;
    if (!table.header.isEmpty())
        text += joined(table.header);
    for (const QStringList& row : table.rows)
        text += joined(row);
    return text;
}

QString tabSeparated(const QList<Table>& tables)
{
    QStringList parts;
    for (const Table& table : tables)
        parts << tabSeparated(table);
    return parts.join(QLatin1Char('\n'));
}

QStringList headingLines(const Document& document)
{
    QStringList lines;
    if (!document.title.isEmpty())
        lines << document.title;
    return lines + document.conditions;
}

QString plainText(const Document& document)
{
    QStringList parts;
    const auto add = [&parts](const QStringList& lines) {
        if (!lines.isEmpty())
            parts << lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    };
    add(document.title.isEmpty() ? QStringList() : QStringList{document.title});
    add(document.conditions);
    add(document.paragraphs);
    return parts.join(QLatin1Char('\n'));
}

QString htmlTable(const Table& table)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
    if (!table.header.isEmpty()) {
        html += QLatin1String("<tr>");
        for (const QString& cell : table.header)
            html += QLatin1String("<th>") + escaped(cell) + QLatin1String("</th>");
        html += QLatin1String("</tr>\n");
    }
    for (int r = 0; r < table.rows.size(); ++r) {
        const bool bold = table.emphasisedRows.contains(r);
        html += QLatin1String("<tr>");
        for (const QString& cell : table.rows[r])
            html += bold ? QLatin1String("<td><b>") + escaped(cell) + QLatin1String("</b></td>")
                         : QLatin1String("<td>") + escaped(cell) + QLatin1String("</td>");
        html += QLatin1String("</tr>\n");
    }
    return html + QLatin1String("</table>\n");
}

QString html(const Document& document)
{
    QString body;
    if (!document.title.isEmpty())
        body += htmlParagraphs({document.title}, "h3");
    body += htmlParagraphs(document.conditions) + htmlTables(document.tables) + htmlParagraphs(document.paragraphs);
    return htmlPage(body);
}

QString html(const QList<Table>& tables) { return htmlPage(htmlTables(tables)); }

QByteArray csv(const Document& document)
{
    QByteArray bytes("\xEF\xBB\xBF");
    if (document.headedTables) {
        for (const QString& line : headingLines(document))
            bytes += csvRow({line});
        bytes += "\r\n";
    }
    for (qsizetype t = 0; t < document.tables.size(); ++t) {
        const Table& table = document.tables[t];
        if (t > 0)
            bytes += "\r\n";
        if (!table.header.isEmpty())
            bytes += csvRow(table.header);
        for (const QStringList& row : table.rows)
            bytes += csvRow(row, table.labelColumns);
    }
    // The results the tables lead to follow them, one a line.
    if (!document.tables.isEmpty() && !document.paragraphs.isEmpty()) {
        bytes += "\r\n";
        for (const QString& line : document.paragraphs)
            bytes += csvRow({line});
    }
    return bytes;
}

QString shortenedCell(const QString& text)
{
    if (text.size() <= shownLineLength && !text.contains(u'\n'))
        return text;
    QStringList lines = text.split(u'\n');
    const bool tooTall = lines.size() > shownLines;
    if (tooTall)
        lines.resize(shownLines);
    for (QString& line : lines)
        if (line.size() > shownLineLength)
            line = line.left(shownLineLength - 1) + ellipsis;
    if (tooTall && !lines.last().endsWith(ellipsis))
        lines.last() += ellipsis;
    return lines.join(u'\n');
}

}  // namespace report
