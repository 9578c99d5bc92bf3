#include "platform/printpreview.h"

#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace platform {
namespace {
PrintPreviewReplacement& replacement()
{
    static PrintPreviewReplacement instance;
    return instance;
}
}  // namespace

QPageLayout documentPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

void setPrintPreviewReplacement(PrintPreviewReplacement newReplacement)
{
    replacement() = std::move(newReplacement);
}

void showPrintPreview(QWidget* parent, QPageLayout::Orientation orientation, const PagePainter& paint)
{
    if (replacement()) {
        replacement()(orientation, paint);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPageLayout layout = documentPageLayout();
    layout.setOrientation(orientation);
    printer.setPageLayout(layout);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, paint);
    preview.exec();
}

}  // namespace platform
