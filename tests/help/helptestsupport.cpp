#include "tests/help/helptestsupport.h"

#include "widgets/clickablelabel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QWindow>

namespace helptest {

QList<QWidget*> openWindows(const QString& name)
{
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            found << window;
    return found;
}

QWidget* theWindow(const QString& name)
{
    const QList<QWidget*> found = openWindows(name);
    if (found.size() != 1)
        qFatal("%lld windows %s open", qlonglong(found.size()), qPrintable(name));
    return found.first();
}

void closeAllWindows()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void clickAt(QWidget* window, QPoint point)
{
    // Through the window system, which finds the control under the pointer as for a real click.
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
}

void clickOn(QWidget* control) { clickAt(control->window(), control->mapTo(control->window(), control->rect().center())); }

bool closed(const QPointer<QWidget>& window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
}

QStringList captions(const QWidget* window)
{
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (!qobject_cast<const ClickableLabel*>(label))
            texts << label->text();
    return texts;
}

QList<QWidget*> links(const QWidget* window)
{
    QList<QWidget*> found;
    for (ClickableLabel* link : window->findChildren<ClickableLabel*>())
        found << link;
    return found;
}

QWidget* link(const QWidget* window, const QString& caption)
{
    for (ClickableLabel* link : window->findChildren<ClickableLabel*>())
        if (link->text() == caption)
            return link;
    qFatal("no link %s", qPrintable(caption));
}

QString documentPath(const QString& fileName)
{
    return QDir::cleanPath(QApplication::applicationDirPath() + "/../share/talvertable/gost/" + fileName);
}

void removeDocument(const QString& fileName) { QFile::remove(documentPath(fileName)); }

PresentDocument::PresentDocument(const QString& fileName) : filePath(documentPath(fileName))
{
    QDir().mkpath(QFileInfo(filePath).path());
    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(filePath));
}

PresentDocument::~PresentDocument() { QFile::remove(filePath); }

}  // namespace helptest
