#pragma once

#include "report/document.h"
#include "report/progress.h"

#include <QPageLayout>

class QIODevice;
class QPagedPaintDevice;

namespace report {

// Paints the document on the pages of the device: the title on every page, the conditions on
// the first, each table with its header row repeated on every page it spans, the paragraphs,
// and "стр. N из M" at the foot of each page. A table wider than the page is drawn in a smaller
// font so that every column fits, down to a size still easily read; a wider one goes on in parts
// of its columns. A cell shows at most what shortenedCell() leaves of it. Returns the number of
// pages, or 0 when the progress stopped the work: the pages painted until then are unfinished.
int paintPages(const Document& document, QPagedPaintDevice& device, const Progress& progress = {});

// Columns [first, end) of a part of a table; every part also shows column 0.
struct ColumnRange {
    int first;
    int end;
    bool operator==(const ColumnRange&) const = default;
};

// The parts of a table whose columns are this wide: each as many whole groups of `together`
// columns after column 0 as fit in `room` with column 0, and at least one group.
QList<ColumnRange> columnRanges(const QList<double>& widths, double room, int together);

// Portrait when every table fits the width of a portrait page in the body font, else landscape.
// Measuring a large table, it tells the progress that the work goes on.
QPageLayout::Orientation orientation(const Document& document, const Progress& progress = {});

// The same pages as a PDF file of platform::documentPageLayout() pages in the document's
// orientation. Returns the page count, or 0 when the progress stopped the work and what was
// written is unfinished.
int writePdf(const Document& document, QIODevice& output, const Progress& progress = {});

}  // namespace report
