#include "report/outputs.h"

#include "platform/filedialogs.h"
#include "platform/messagebox.h"
#include "platform/printpreview.h"
#include "report/pagepainter.h"
#include "report/renderings.h"

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

// The chosen file name, with the extension added when the user typed none; empty on cancel.
QString chosenPath(QWidget* parent, const Document& document, const QString& caption, const QString& filter,
                   const QString& extension)
{
    QString path = platform::saveFileName(parent, caption, suggestedName(document, extension), filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + extension;
    return path;
}

QByteArray pdf(const Document& document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writePdf(document, buffer);
    return buffer.data();
}
}  // namespace

bool writeFile(QWidget* parent, const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        // A short write (a full disk, a size limit) is no error to QSaveFile: the next attempt
        // fails and gives the reason.
        qint64 written = 0;
        while (written < bytes.size()) {
            const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
            if (count <= 0)
                break;
            written += count;
        }
        if (written == bytes.size() && file.commit())
            return true;
    }
    // The file that was there stays: an uncommitted QSaveFile removes its temporary file.
    platform::showFileError(parent, path, file.errorString());
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
    return !path.isEmpty() && writeFile(parent, path, pdf(document));
}

void print(QWidget* parent, const Document& document)
{
    platform::showPrintPreview(parent, orientation(document),
                               [&document](QPrinter* printer) { paintPages(document, *printer); });
}

}  // namespace report
