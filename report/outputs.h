#pragma once

#include "report/document.h"
#include "report/workbook.h"

#include <QByteArray>

class QTableView;
class QWidget;

namespace report {

// The display texts of the selected cells of the view: their bounding rectangle, without the
// header, skipping hidden rows and columns; cells inside it that are not selected are empty.
// An empty table when nothing is selected.
Table selectedCells(const QTableView& view);

// Puts the table on the clipboard as tab-separated text and as an HTML table.
void copyTables(const QList<Table>& tables);
// The document's tables, or, when it has none, its title, conditions and paragraphs as lines
// of text and HTML paragraphs.
void copyDocument(const Document& document);

// Each asks for a file name (".csv" or ".pdf" is added when the name has no extension) and
// writes the whole file or nothing; a file that cannot be written shows a box naming it.
// Returns whether the file was written; a cancelled dialog writes nothing and shows nothing, and
// so does a PDF whose writing the user stopped at its progress bar.
bool saveCsv(QWidget* parent, const Document& document);
bool savePdf(QWidget* parent, const Document& document);
// The sheets as an Excel workbook (".xlsx"), named after the document.
bool saveXlsx(QWidget* parent, const Document& document, const QList<workbook::Sheet>& sheets);

// The one way the program writes a file: the whole file or nothing. A failure shows a box
// naming the file and the reason in words, and the file that was there stays byte for byte.
bool writeFile(QWidget* parent, const QString& path, const QByteArray& bytes);

// The print preview of the document's pages, from which the user prints; a long document shows
// the progress of its pages and may be stopped.
void print(QWidget* parent, const Document& document);

}  // namespace report
