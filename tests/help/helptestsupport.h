#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace helptest {

// The top-level windows of this name that are open.
QList<QWidget*> openWindows(const QString& name);
// The one open window of this name; fails the test when there is none or more.
QWidget* theWindow(const QString& name);
void closeAllWindows();

// Clicks a point of a window as a user would: on whatever lies there.
void clickAt(QWidget* window, QPoint point);
void clickOn(QWidget* control);
// Whether a window was closed (and destroyed) by what happened to it.
bool closed(const QPointer<QWidget>& window);

// The captions of a window's texts, top to bottom; document links left out.
QStringList captions(const QWidget* window);
// The document links of a window, in the order they were placed.
QList<QWidget*> links(const QWidget* window);
QWidget* link(const QWidget* window, const QString& caption);

// Where the document of this file name is looked for.
QString documentPath(const QString& fileName);
// Makes sure the document is not there.
void removeDocument(const QString& fileName);

// Creates a document in the document folder for the lifetime of this object.
class PresentDocument {
public:
    explicit PresentDocument(const QString& fileName);
    ~PresentDocument();
    QString path() const { return filePath; }

private:
    QString filePath;
};

}  // namespace helptest
