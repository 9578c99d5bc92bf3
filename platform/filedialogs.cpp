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

QString lastChosenFolder() { return lastFolder(); }

void setLastChosenFolder(const QString& folder) { lastFolder() = folder; }

void setFileDialogReplacement(FileDialogReplacement newReplacement) { replacement() = std::move(newReplacement); }

QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter,
                     const QString& defaultSuffix)
{
    if (replacement()) {
        const QString answer = replacement()({FileDialogRequest::Save, caption, suggestedName, filter, defaultSuffix});
        return answer.isEmpty() || !QFileInfo(answer).suffix().isEmpty() ? answer : answer + u'.' + defaultSuffix;
    }
    // Qt's own dialog completes the name before it asks about replacing a file; a desktop's
    // dialog may ask about the name as typed and so let a file of the completed name go unasked.
    QFileDialog dialog(parent, caption, QDir(lastFolder()).filePath(suggestedName), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return remembered(dialog.selectedFiles().value(0));
}

QString openFileName(QWidget* parent, const QString& caption, const QString& filter)
{
    if (replacement())
        return replacement()({FileDialogRequest::Open, caption, QString(), filter});
    return remembered(QFileDialog::getOpenFileName(parent, caption, lastFolder(), filter));
}

}  // namespace platform
