#include "report/workbook.h"

#include <QLocale>
#include <QRegularExpression>

namespace report::workbook {

Cell text(const QString& text, bool bold)
{
    Cell cell;
    cell.kind = text.isEmpty() ? Cell::Kind::Empty : Cell::Kind::Text;
    cell.text = text;
    cell.bold = bold;
    return cell;
}

Cell caption(const QString& text)
{
    Cell cell = workbook::text(text);
    cell.wrapped = true;
    return cell;
}

Cell number(double value, int decimals)
{
    Cell cell;
    cell.kind = Cell::Kind::Number;
    cell.value = value;
    cell.decimals = decimals;
    return cell;
}

Cell formula(const QString& expression, double value, int decimals)
{
    Cell cell;
    cell.kind = Cell::Kind::Formula;
    cell.text = expression;
    cell.value = value;
    cell.decimals = decimals;
    return cell;
}

Cell textFormula(const QString& expression, const QString& result)
{
    Cell cell = formula(expression, 0, -1);
    cell.textResult = result;
    return cell;
}

void Sheet::set(int row, int column, const Cell& cell)
{
    while (rows.size() <= row)
        rows.append(QList<Cell>());
    QList<Cell>& cells = rows[row];
    while (cells.size() <= column)
        cells.append(Cell());
    cells[column] = cell;
}

QString cellName(int row, int column)
{
    QString letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar(u'A' + (c - 1) % 26));
    return letters + QString::number(row + 1);
}

namespace {
// A table's cell as the window shows it: a number in the locale's notation, or text.
Cell shownCell(const QString& shown, bool label, bool bold)
{
    static const QRegularExpression number(QStringLiteral("^-?\\d+(?:[.,](\\d+))?$"));
    const QString plain = QString(shown).replace(u'−', u'-');
    const QRegularExpressionMatch match = number.match(plain);
    if (label || !match.hasMatch())
        return text(shown, bold);
    bool ok = false;
    const double value = QString(plain).replace(u',', u'.').toDouble(&ok);
    if (!ok)
        return text(shown, bold);
    Cell cell = workbook::number(value, int(match.captured(1).size()));
    cell.bold = bold;
    return cell;
}
}  // namespace

Sheet documentSheet(const Document& document, const QString& name)
{
    Sheet sheet{name, {}};
    int row = 0;
    sheet.set(row++, 0, text(document.title, true));
    for (const QString& line : document.conditions)
        sheet.set(row++, 0, text(line));
    for (const Table& table : document.tables) {
        ++row;
        for (int c = 0; c < table.header.size(); ++c)
            sheet.set(row, c, text(table.header.at(c), true));
        if (!table.header.isEmpty())
            ++row;
        for (int r = 0; r < table.rows.size(); ++r, ++row)
            for (int c = 0; c < table.rows.at(r).size(); ++c)
                sheet.set(row, c, shownCell(table.rows.at(r).at(c), table.labelColumns.contains(c), table.emphasisedRows.contains(r)));
    }
    if (!document.paragraphs.isEmpty())
        ++row;
    for (const QString& line : document.paragraphs)
        sheet.set(row++, 0, text(line));
    return sheet;
}

}  // namespace report::workbook
