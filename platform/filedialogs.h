#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

// The file name the user chose, or an empty string when the dialog was cancelled.
// The dialog opens in the folder last chosen in this session (the documents folder at first).
// A name typed without an extension gets `defaultSuffix` ("csv") before the dialog asks
// whether to replace a file of that name.
QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter,
                     const QString& defaultSuffix);
QString openFileName(QWidget* parent, const QString& caption, const QString& filter);

// The folder the dialogs open in; a window that remembers it between runs sets it.
QString lastChosenFolder();
void setLastChosenFolder(const QString& folder);

// What a window asked the dialog for; suggestedName is empty for an open dialog.
struct FileDialogRequest {
    enum Kind { Save, Open };
    Kind kind = Save;
    QString caption;
    QString suggestedName;
    QString filter;
    QString defaultSuffix = {};
};

// Tests answer the dialog instead of showing it; the answer is completed with the default
// suffix as the dialog completes a typed name. An empty function restores the dialog.
using FileDialogReplacement = std::function<QString(const FileDialogRequest& request)>;
void setFileDialogReplacement(FileDialogReplacement replacement);

}  // namespace platform
