#pragma once

#include <QLabel>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <functional>

namespace uitest {

// Set up once per test program: the Russian locale, the program's style and keys, the message
// sinks, the document recorder, progress bars that never show and a watchdog that fails a test
// stuck behind an unexpected modal window.
void initialise();

// Answers a modal window the test opens on purpose: `answer` runs once a modal window of type T
// is the active one, however long the machine takes to show it; the watchdog leaves such a window
// alone. Register the answer before the call that opens the window.
void answerModalWidget(const std::function<bool(QWidget*)>& matches, const std::function<void(QWidget*)>& answer);
template <class T>
void answerModal(const std::function<void(T*)>& answer)
{
    answerModalWidget([](QWidget* modal) { return qobject_cast<T*>(modal) != nullptr; },
                      [answer](QWidget* modal) { answer(qobject_cast<T*>(modal)); });
}

// Input error texts shown since the last call, oldest first; the list is emptied.
QStringList takeMessages();

// Texts of the file error boxes shown since the last call, oldest first; the list is emptied.
QStringList takeFileErrors();

// Documents asked to open since the last call; the list is emptied.
QList<QUrl> takeOpenedDocuments();

// The shown top-level window of this object name, or null.
QWidget* shownWindow(const QString& name);
// Closes every top-level window and lets the closed ones go, as between two tests.
void closeAllWindows();
// The same, letting unsaved work go without asking.
void closeAllWindowsDiscardingChanges();

// A named control of a window; fails the test when it is missing.
template <class T>
T* child(const QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("control %s not found", name);
    return found;
}

// Types text as a user would, key by key, into a named input.
void typeInto(QWidget* window, const char* name, const QString& text);
// Empties an input and pastes text into it (the key filter does not see pasted text).
void pasteInto(QWidget* window, const char* name, const QString& text);
void click(QWidget* window, const char* name);
// Chooses the list item with this text as a user would.
void choose(QWidget* window, const char* name, const QString& item);
// A step as a user takes it: "type Text1 0.3", "paste Text4 2" (in place of what the input
// held), "choose Combo1 21.3" or "choose Combo3 #2" (the item at that position), "click Command2".
void takeStep(QWidget* window, const QString& step);
QString text(const QWidget* window, const char* name);
QString toolTip(const QWidget* window, const char* name);
// Palette colour of a caption's text.
QColor captionColour(const QWidget* window, const char* name);
QStringList items(const QWidget* window, const char* name);

// The columns of the sections table that only a network of sections fills (its ends, what sits at
// them, U and the rings' imbalance): the tests of a list of sections read the others.
bool isNetworkColumn(const QString& header);

}  // namespace uitest

// Runs a Qt Test class after uitest::initialise().
#define UITEST_MAIN(TestClass)                 \
    int main(int argc, char** argv)            \
    {                                          \
        QApplication app(argc, argv);          \
        uitest::initialise();                  \
        TestClass test;                        \
        return QTest::qExec(&test, argc, argv); \
    }
