#include "platform/filedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {
namespace {
FileDialogReplacement& replacement()
{
    static FileDialogReplacement instance;
    return instance;
}

QString& lastFolder()
{
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
}

QString remembered(const QString& chosen)
{
    if (!chosen.isEmpty())
        lastFolder() = QFileInfo(chosen).absolutePath();
    return chosen;
}
}  // namespace

void setFileDialogReplacement(FileDialogReplacement newReplacement) { replacement() = std::move(newReplacement); }

QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter)
{
    if (replacement())
        return replacement()({FileDialogRequest::Save, caption, suggestedName, filter});
    return remembered(
        QFileDialog::getSaveFileName(parent, caption, QDir(lastFolder()).filePath(suggestedName), filter));
}

QString openFileName(QWidget* parent, const QString& caption, const QString& filter)
{
    if (replacement())
        return replacement()({FileDialogRequest::Open, caption, QString(), filter});
    return remembered(QFileDialog::getOpenFileName(parent, caption, lastFolder(), filter));
}

}  // namespace platform
