#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

// The file name the user chose, or an empty string when the dialog was cancelled.
// The dialog opens in the folder last chosen in this session (the documents folder at first).
QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter);
QString openFileName(QWidget* parent, const QString& caption, const QString& filter);

// What a window asked the dialog for; suggestedName is empty for an open dialog.
struct FileDialogRequest {
    enum Kind { Save, Open };
    Kind kind = Save;
    QString caption;
    QString suggestedName;
    QString filter;
};

// Tests answer the dialog instead of showing it. An empty function restores the dialog.
using FileDialogReplacement = std::function<QString(const FileDialogRequest& request)>;
void setFileDialogReplacement(FileDialogReplacement replacement);

}  // namespace platform
