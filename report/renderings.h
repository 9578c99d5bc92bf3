#pragma once

#include "report/document.h"

#include <QByteArray>
#include <QString>

namespace report {


// Tab-separated lines ending in a line feed: the header (when there is one), then the rows.
QString tabSeparated(const Table& table);
// Several tables, each as above, one empty line between them.
QString tabSeparated(const QList<Table>& tables);

// The title and the conditions, one a line: what the files of a headed table begin with.
QStringList headingLines(const Document& document);

// The title, the conditions and the paragraphs, one a line; an empty line between the parts.
QString plainText(const Document& document);

// One <table> element; emphasised rows in bold. Every text is escaped.
QString htmlTable(const Table& table);
// A whole HTML page: title, conditions, tables and paragraphs.
QString html(const Document& document);
// A whole HTML page of the tables only.
QString html(const QList<Table>& tables);

// The tables as CSV bytes for a spreadsheet: UTF-8 with a byte order mark, ";" between cells,
// CRLF after each row, a header row per table and an empty line between tables; the paragraphs
// after the tables, an empty line before them, one a row. A cell that a
// spreadsheet would take for a formula (a text beginning with "=", "+", "-", "@", a tab or a
// carriage return), and a cell of a label column that it would take for a number or a date, is
// written with a leading apostrophe, so that it stays the text it is.
QByteArray csv(const Document& document);

// A cell's text as paper and the screen show it: at most 6 lines of at most 100 characters, a
// cut line or a cut text ending in "…". The files and the clipboard keep the whole text.
QString shortenedCell(const QString& text);

}  // namespace report
