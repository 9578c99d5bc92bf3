#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace platform {

// Asks the desktop to open a standard's document. The path is the Windows one of the
// installed program; elsewhere the file of the same name is looked for in
// <directory of the executable>/../share/talvertable/gost/. A missing file does nothing.
void openDocument(const QString& windowsPath);

// Where openDocument looks for the file on this system.
QString localDocumentPath(const QString& windowsPath);

// Tests record the URLs instead of starting a viewer. An empty function restores the desktop.
using DocumentOpener = std::function<void(const QUrl& url)>;
void setDocumentOpener(DocumentOpener opener);

}  // namespace platform
