#pragma once

#include "report/document.h"

#include <QList>
#include <QString>
#include <optional>

// A spreadsheet as the program writes it: sheets of cells, each a text, a number or a formula
// with the value the program computed for it. Texts are never formulas.
namespace report::workbook {

struct Cell {
    enum class Kind { Empty, Text, Number, Formula };
    Kind kind = Kind::Empty;
    QString text;       // a text, or a formula in the spreadsheet's own English notation, no "="
    double value = 0;   // a number, or what the program computed for the formula
    int decimals = -1;  // shown decimals; -1 for as many as the number has
    bool bold = false;
    QString comment = {};
    std::optional<QString> textResult = {};  // what a formula giving a text gives
    bool wrapped = false;  // a long caption kept narrow, on as many lines as it takes
};

Cell text(const QString& text, bool bold = false);
// A caption beside figures, which would otherwise widen its column for every row.
Cell caption(const QString& text);
Cell number(double value, int decimals = -1);
Cell formula(const QString& expression, double value, int decimals);
// A formula whose result is a text: a name it looks up, or a wording that follows a figure.
Cell textFormula(const QString& expression, const QString& result);

struct Sheet {
    QString name;
    QList<QList<Cell>> rows;
    // Puts the cell at (row, column), adding rows and cells as needed.
    void set(int row, int column, const Cell& cell);
};

// "A1" for row 0 and column 0.
QString cellName(int row, int column);

// The document as one sheet: the title, the conditions one a line, each table with its header
// row and its rows, and the paragraphs. A cell that reads as a number in the locale's notation
// is that number with the decimals it shows; a label column stays text.
Sheet documentSheet(const Document& document, const QString& name);

}  // namespace report::workbook
