#include "report/xlsxfile.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <xlsxwriter.h>

#include <algorithm>

namespace report {

namespace {

using workbook::Cell;

// A cell holds at most this many characters; a longer text keeps its beginning.
constexpr qsizetype cellCharacters = 32767;
// A wrapped caption widens its column to at most this many characters.
constexpr qsizetype wrappedCharacters = 24;
// The height of a row of one line, points.
constexpr double rowHeight = 15;

QByteArray cellText(const QString& text)
{
    return (text.size() > cellCharacters ? text.left(cellCharacters - 1) + QStringLiteral("…") : text).toUtf8();
}

class Formats {
public:
    explicit Formats(lxw_workbook* book) : book(book) {}

    lxw_format* of(const Cell& cell)
    {
        const int key = ((cell.decimals + 1) * 2 + (cell.bold ? 1 : 0)) * 2 + (cell.wrapped ? 1 : 0);
        if (lxw_format* known = formats.value(key))
            return known;
        lxw_format* format = workbook_add_format(book);
        if (cell.decimals >= 0) {
            const QByteArray code = cell.decimals == 0 ? QByteArray("0") : "0." + QByteArray(cell.decimals, '0');
            format_set_num_format(format, code.constData());
        }
        if (cell.bold)
            format_set_bold(format);
        if (cell.wrapped)
            format_set_text_wrap(format);
        formats.insert(key, format);
        return format;
    }

private:
    lxw_workbook* book;
    QHash<int, lxw_format*> formats;
};

// A sheet name the format allows: at most 31 characters, none of []:*?/\.
QByteArray sheetName(QString name)
{
    for (QChar& c : name)
        if (QStringLiteral("[]:*?/\\").contains(c))
            c = u'_';
    return name.left(31).toUtf8();
}

bool writeSheet(lxw_workbook* book, Formats& formats, const workbook::Sheet& sheet)
{
    lxw_worksheet* page = workbook_add_worksheet(book, sheetName(sheet.name).constData());
    if (!page)
        return false;
    QList<int> widths;
    for (int r = 0; r < sheet.rows.size(); ++r) {
        const QList<Cell>& cells = sheet.rows.at(r);
        // A spreadsheet need not fit a row to its wrapped text on opening: the row is made as
        // high as the longest caption's lines.
        qsizetype lines = 1;
        for (const Cell& cell : cells)
            if (cell.wrapped)
                lines = std::max(lines, (cell.textResult.value_or(cell.text).size() + wrappedCharacters - 1) / wrappedCharacters);
        if (lines > 1 && worksheet_set_row(page, lxw_row_t(r), rowHeight * double(lines), nullptr) != LXW_NO_ERROR)
            return false;
        for (int c = 0; c < cells.size(); ++c) {
            const Cell& cell = cells.at(c);
            lxw_error error = LXW_NO_ERROR;
            switch (cell.kind) {
            case Cell::Kind::Empty:
                continue;
            case Cell::Kind::Text:
                error = worksheet_write_string(page, lxw_row_t(r), lxw_col_t(c), cellText(cell.text).constData(), formats.of(cell));
                break;
            case Cell::Kind::Number:
                error = worksheet_write_number(page, lxw_row_t(r), lxw_col_t(c), cell.value, formats.of(cell));
                break;
            case Cell::Kind::Formula:
                error = cell.textResult ? worksheet_write_formula_str(page, lxw_row_t(r), lxw_col_t(c), cell.text.toUtf8().constData(),
                                                                      formats.of(cell), cellText(*cell.textResult).constData())
                                        : worksheet_write_formula_num(page, lxw_row_t(r), lxw_col_t(c), cell.text.toUtf8().constData(),
                                                                      formats.of(cell), cell.value);
                break;
            }
            if (error == LXW_NO_ERROR && !cell.comment.isEmpty())
                error = worksheet_write_comment(page, lxw_row_t(r), lxw_col_t(c), cellText(cell.comment).constData());
            if (error != LXW_NO_ERROR)
                return false;
            // The title and the texts of the title block run on over the columns beside them.
            if (cell.kind == Cell::Kind::Text && (cells.size() == 1 || (cells.size() == 2 && c == 1)))
                continue;
            while (widths.size() <= c)
                widths.append(8);
            const int shown = cell.kind != Cell::Kind::Text ? 12
                              : cell.wrapped                ? int(std::min(cell.text.size(), wrappedCharacters))
                                                            : int(cell.text.size());
            widths[c] = std::clamp(shown + 2, widths[c], 60);
        }
    }
    for (int c = 0; c < widths.size(); ++c)
        worksheet_set_column(page, lxw_col_t(c), lxw_col_t(c), widths.at(c), nullptr);
    // Printed, a sheet takes the width of a landscape A4 page, as the program's own pages do.
    constexpr uint8_t a4 = 9;
    worksheet_set_paper(page, a4);
    worksheet_set_landscape(page);
    worksheet_fit_to_pages(page, 1, 0);
    return true;
}

}  // namespace

std::optional<QByteArray> xlsxBytes(const QList<workbook::Sheet>& sheets, const QString& title)
{
    // The library writes to a path: a folder of its own, gone with everything in it afterwards.
    const QTemporaryDir folder;
    if (!folder.isValid())
        return std::nullopt;
    const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("workbook.xlsx")));
    lxw_workbook_options options{};
    const QByteArray temporary = QFile::encodeName(folder.path());
    options.tmpdir = const_cast<char*>(temporary.constData());
    lxw_workbook* book = workbook_new_opt(path.constData(), &options);
    if (!book)
        return std::nullopt;
    const QByteArray titleText = cellText(title);
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(titleText.constData());
    workbook_set_properties(book, &properties);
    Formats formats(book);
    bool written = true;
    for (const workbook::Sheet& sheet : sheets)
        written = written && writeSheet(book, formats, sheet);
    // Closing writes the file and frees the workbook, whatever came before.
    if (workbook_close(book) != LXW_NO_ERROR || !written)
        return std::nullopt;
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

}  // namespace report
