#include "platform/documents.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace platform {
namespace {
DocumentOpener& opener()
{
    static DocumentOpener instance;
    return instance;
}
}  // namespace

void setDocumentOpener(DocumentOpener newOpener) { opener() = std::move(newOpener); }

QString localDocumentPath(const QString& windowsPath)
{
#ifdef Q_OS_WIN
    return windowsPath;
#else
    const QString fileName = windowsPath.section(QLatin1Char('\\'), -1);
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/talvertable/gost"));
    return QDir::cleanPath(folder.absoluteFilePath(fileName));
#endif
}

void openDocument(const QString& windowsPath)
{
    const QString path = localDocumentPath(windowsPath);
    if (!QFileInfo(path).isFile())
        return;
    const QUrl url = QUrl::fromLocalFile(path);
    if (opener())
        opener()(url);
    else
        QDesktopServices::openUrl(url);
}

}  // namespace platform
