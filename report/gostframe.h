#pragma once

#include "report/document.h"

#include <QRectF>
#include <QSizeF>

class QPainter;

// The frame of the sheets of a text document by ГОСТ Р 21.101-2020 on A4: 20 mm from the left
// edge, 5 mm from the others, with the title block of form 5 (185 × 40 mm) on the first sheet
// and of form 6 (185 × 15 mm) on the others. A landscape sheet has the portrait frame turned a
// quarter clockwise: the binding edge on top, the title block along the short side on the left.
namespace report::gostframe {

// The room for the content inside the frame above the title block, in the units of a page of
// `page` size at `perMm` units per millimetre.
QRectF contentRoom(QSizeF page, double perMm, bool firstSheet);

// The frame and the title block of sheet `sheet` of `sheets`, texts cut with "…" to their
// graphs; the document's name is `name` where the stamp names none.
void paint(QPainter& painter, QSizeF page, double perMm, const Stamp& stamp, const QString& name, int sheet, int sheets);

}  // namespace report::gostframe
