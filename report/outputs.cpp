#include "report/outputs.h"

#include "platform/fileerrors.h"
#include "platform/filedialogs.h"
#include "platform/messagebox.h"
#include "platform/printpreview.h"
#include "platform/progress.h"
#include "report/pagepainter.h"
#include "report/renderings.h"
#include "report/xlsxfile.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTableView>
#include <cerrno>
#include <optional>

namespace report {
namespace {
void putOnClipboard(const QString& text, const QString& html)
{
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data);
}

QString suggestedName(const Document& document, const QString& extension)
{
    static const QRegularExpression unfit(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    QString name = document.title.simplified();
    name.replace(unfit, QStringLiteral("_"));
    return (name.isEmpty() ? QStringLiteral("таблица") : name) + QLatin1Char('.') + extension;
}

// The chosen file name, the extension added by the dialog when the user typed none; empty on
// cancel.
QString chosenPath(QWidget* parent, const Document& document, const QString& caption, const QString& filter,
                   const QString& extension)
{
    return platform::saveFileName(parent, caption, suggestedName(document, extension), filter, extension);
}

// The system's error number of a failed step, or EIO where the step set none.
int failure() { return errno != 0 ? errno : EIO; }

// Writes the file whole; the system's error number when it could not, and then the file that was
// there stays: an uncommitted QSaveFile removes its temporary file.
std::optional<int> saveWhole(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    // QSaveFile names these in English only.
    if (target.isDir())
        return EISDIR;
    if (target.exists() && !target.isWritable())
        return EACCES;
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failure();
    // A short write (a full disk, a size limit) is no error to QSaveFile: the next attempt fails
    // and sets the reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return failure();
        written += count;
    }
    // Qt 6.4's commit() ignores a failed write of what its buffer still holds: a file under the
    // buffer's size would be committed empty or cut. Every byte is flushed and checked first.
    errno = 0;
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return failure();
    errno = 0;
    if (!file.commit())
        return failure();
    return std::nullopt;
}

// The PDF's bytes, or nothing when the user stopped the work.
std::optional<QByteArray> pdf(QWidget* parent, const Document& document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    platform::WorkProgress progress(parent, QStringLiteral("Запись PDF…"));
    if (writePdf(document, buffer, progress.callback()) == 0)
        return std::nullopt;
    return buffer.data();
}
}  // namespace

bool writeFile(QWidget* parent, const QString& path, const QByteArray& bytes)
{
    const std::optional<int> error = saveWhole(path, bytes);
    if (!error)
        return true;
    platform::showFileError(parent, path, platform::fileErrorReason(*error));
    return false;
}

Table selectedCells(const QTableView& view)
{
    const QItemSelectionModel* selection = view.selectionModel();
    const QModelIndexList indexes = selection ? selection->selectedIndexes() : QModelIndexList();
    if (indexes.isEmpty())
        return {};
    int top = indexes.first().row(), bottom = top;
    int left = indexes.first().column(), right = left;
    for (const QModelIndex& index : indexes) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    const QAbstractItemModel* model = view.model();
    Table table;
    for (int row = top; row <= bottom; ++row) {
        if (view.isRowHidden(row))
            continue;
        QStringList cells;
        for (int column = left; column <= right; ++column) {
            if (view.isColumnHidden(column))
                continue;
            const QModelIndex index = model->index(row, column);
            cells << (selection->isSelected(index) ? index.data(Qt::DisplayRole).toString() : QString());
        }
        table.rows << cells;
    }
    return table;
}

void copyTables(const QList<Table>& tables) { putOnClipboard(tabSeparated(tables), html(tables)); }

void copyDocument(const Document& document)
{
    if (document.tables.isEmpty())
        putOnClipboard(plainText(document), html(document));
    else if (document.headedTables)
        putOnClipboard(headingLines(document).join(QLatin1Char('\n')) + QStringLiteral("\n\n") + tabSeparated(document.tables),
                       html(document));
    else
        copyTables(document.tables);
}

bool saveCsv(QWidget* parent, const Document& document)
{
    const QString path = chosenPath(parent, document, QStringLiteral("Сохранить CSV"),
                                    QStringLiteral("Таблица CSV (*.csv)"), QStringLiteral("csv"));
    return !path.isEmpty() && writeFile(parent, path, csv(document));
}

bool savePdf(QWidget* parent, const Document& document)
{
    const QString path = chosenPath(parent, document, QStringLiteral("Сохранить PDF"),
                                    QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    const std::optional<QByteArray> bytes = pdf(parent, document);
    return bytes && writeFile(parent, path, *bytes);
}

bool saveXlsx(QWidget* parent, const Document& document, const QList<workbook::Sheet>& sheets)
{
    const QString path = chosenPath(parent, document, QStringLiteral("Сохранить в Excel"),
                                    QStringLiteral("Книга Excel (*.xlsx)"), QStringLiteral("xlsx"));
    if (path.isEmpty())
        return false;
    const std::optional<QByteArray> bytes = xlsxBytes(sheets, document.title);
    if (!bytes) {
        platform::showFileError(parent, path, QStringLiteral("не удалось составить книгу Excel во временной папке"));
        return false;
    }
    return writeFile(parent, path, *bytes);
}

void print(QWidget* parent, const Document& document)
{
    QPageLayout::Orientation turned = QPageLayout::Portrait;
    {
        platform::WorkProgress measuring(parent, QStringLiteral("Подготовка страниц…"));
        turned = orientation(document, measuring.callback());
    }
    platform::showPrintPreview(parent, turned, [parent, &document](QPrinter* printer) {
        // Stopped, the pages end where the painting stopped: QPrinter::abort() in the preview
        // brings Qt 6.4 down.
        platform::WorkProgress progress(parent, QStringLiteral("Подготовка страниц…"));
        paintPages(document, *printer, progress.callback());
    });
}

}  // namespace report
