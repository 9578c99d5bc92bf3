#pragma once

#include <QPageLayout>
#include <functional>

class QPrinter;
class QWidget;

namespace platform {

// Portrait A4 with 15 mm margins: the pages of the preview and of the program's PDF files.
QPageLayout documentPageLayout();

// Paints every page of a document on the printer it is given.
using PagePainter = std::function<void(QPrinter* printer)>;

// A print preview of documentPageLayout() pages in the orientation given (the user may turn
// them); its print button opens the print dialog.
void showPrintPreview(QWidget* parent, QPageLayout::Orientation orientation, const PagePainter& paint);

// Tests take the painter instead of showing the modal preview. An empty function restores it.
using PrintPreviewReplacement = std::function<void(QPageLayout::Orientation orientation, const PagePainter& paint)>;
void setPrintPreviewReplacement(PrintPreviewReplacement replacement);

}  // namespace platform
