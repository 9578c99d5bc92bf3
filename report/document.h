#pragma once

#include <QDate>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace report {

// Cells hold the texts exactly as a window shows them; no output reformats them.
struct Table {
    QStringList header;
    QList<QStringList> rows;
    // Row indices shown bold, e.g. the recommended size.
    QSet<int> emphasisedRows;
    // A table too wide for a page goes on in parts of whole groups of this many columns after
    // the first, which every part repeats: 2 keeps v and 1000i of a size together.
    int columnsTogether = 1;
    // Columns of names that may look like numbers or dates ("1,10", "01", "2.3.4"): a
    // spreadsheet is to take them as text.
    QSet<int> labelColumns = {};
};

// The title block of a sheet in the frame of ГОСТ Р 21.101 (forms 5 and 6): texts of any length,
// cut on paper to their graphs.
struct Stamp {
    QString designation;  // "Обозначение"
    QString object;       // "Объект"
    QString name;         // the document's name; the title where empty
    QString author;       // "Разраб."
    QDate date;
};

struct Document {
    QString title;
    QStringList conditions;
    QList<Table> tables;
    // Lines of text after the tables, e.g. formulas with their numbers put in.
    QStringList paragraphs;
    // The title of the pages after the first; the title where empty.
    QString runningTitle = {};
    // The CSV and the clipboard text begin with the title and the conditions, one a line: a
    // title block that belongs to the table.
    bool headedTables = false;
    // Printed and written as PDF on A4 sheets in the frame of ГОСТ Р 21.101 with this title block.
    bool framed = false;
    Stamp stamp = {};
};

}  // namespace report
