#include "tests/common/uitest.h"

#include "app/calculators.h"
#include "platform/desktop.h"
#include "platform/documents.h"
#include "platform/messagebox.h"
#include "platform/palette.h"
#include "platform/savequestion.h"
#include "platform/progress.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QKeyEvent>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>

namespace uitest {
namespace {
QStringList messages;
QStringList fileErrors;
QList<QUrl> documents;

struct ModalAnswer {
    std::function<bool(QWidget*)> matches;
    std::function<void(QWidget*)> answer;
};
// Answers registered and not yet given, oldest first, and the windows they were given to.
QList<ModalAnswer> pendingAnswers;
QList<QPointer<QWidget>> answeredWindows;
bool answerPollScheduled = false;

constexpr int answerPollMs = 10;
// How often the watchdog looks, and how long a window answered on purpose may stay up, in its
// looks: a sanitizer build on a loaded machine is many times slower than a release build.
constexpr int watchdogMs = 1000;
constexpr int answeredWindowLooks = 120;

bool answered(const QWidget* modal)
{
    return std::any_of(answeredWindows.cbegin(), answeredWindows.cend(),
                       [modal](const QPointer<QWidget>& window) { return window == modal; });
}

void pollForAnswer();

void schedulePoll()
{
    if (answerPollScheduled || pendingAnswers.isEmpty())
        return;
    answerPollScheduled = true;
    // A new single shot each time: an answer that opens the next window waits in that window's
    // own event loop, where a timer still inside its handler would not fire again.
    QTimer::singleShot(answerPollMs, qApp, pollForAnswer);
}

void pollForAnswer()
{
    answerPollScheduled = false;
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || answered(modal) || pendingAnswers.isEmpty() || !pendingAnswers.first().matches(modal)) {
        schedulePoll();
        return;
    }
    const ModalAnswer next = pendingAnswers.takeFirst();
    answeredWindows.append(modal);
    schedulePoll();
    next.answer(modal);
}

void watchModalWindows()
{
    static QPointer<QWidget> lastAnswered;
    static int looks = 0;
    QWidget* modal = QApplication::activeModalWidget();
    answeredWindows.removeAll(nullptr);
    if (!modal)
        return;
    if (!pendingAnswers.isEmpty() && pendingAnswers.first().matches(modal))
        return;
    if (answered(modal)) {
        looks = modal == lastAnswered ? looks + 1 : 1;
        lastAnswered = modal;
        if (looks < answeredWindowLooks)
            return;
    }
    modal->close();
    qFatal("unexpected modal window: %s", qPrintable(modal->windowTitle()));
}
}  // namespace

void answerModalWidget(const std::function<bool(QWidget*)>& matches, const std::function<void(QWidget*)>& answer)
{
    pendingAnswers.append({matches, answer});
    schedulePoll();
}

void initialise()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // What windows remember between runs goes to the test folders, never the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    platform::setUpDesktop();
    app::setCalculatorOpeners();
    platform::setInputErrorSink([](const QString& text) { messages << text; });
    platform::setFileErrorSink([](const QString& text) { fileErrors << text; });
    platform::setDocumentOpener([](const QUrl& url) { documents << url; });
    // A long work goes on to its end without showing its bar, which would be a modal window.
    platform::setProgressReplacement([](const QString&, qint64, qint64) { return true; });
    auto* watchdog = new QTimer(qApp);
    QObject::connect(watchdog, &QTimer::timeout, qApp, watchModalWindows);
    watchdog->start(watchdogMs);
}

QStringList takeMessages() { return std::exchange(messages, {}); }

QStringList takeFileErrors() { return std::exchange(fileErrors, {}); }

QList<QUrl> takeOpenedDocuments() { return std::exchange(documents, {}); }

void typeInto(QWidget* window, const char* name, const QString& text)
{
    QPointer<QLineEdit> input = child<QLineEdit>(window, name);
    for (QChar c : text) {
        if (c == u'\r') {
            QTest::keyClick(input, Qt::Key_Return);
            continue;
        }
        // ASCII codes of digits, capitals and punctuation are their Qt key codes.
        const QChar upper = c.toUpper();
        const int key = upper.unicode() < 0x7f ? upper.unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(input, &press);
        QApplication::sendEvent(input, &release);
        if (!input)
            return;
    }
}

void pasteInto(QWidget* window, const char* name, const QString& text)
{
    auto* input = child<QLineEdit>(window, name);
    input->clear();
    QGuiApplication::clipboard()->setText(text);
    input->paste();
}

void click(QWidget* window, const char* name)
{
    auto* button = child<QAbstractButton>(window, name);
    if (!button->isEnabled() || !button->isVisible())
        qFatal("%s cannot be clicked", name);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void choose(QWidget* window, const char* name, const QString& item)
{
    auto* list = child<QComboBox>(window, name);
    const int index = list->findText(item);
    if (index < 0)
        qFatal("%s has no item %s", name, qPrintable(item));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

QWidget* shownWindow(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            return window;
    return nullptr;
}

void closeAllWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void closeAllWindowsDiscardingChanges()
{
    platform::setSaveQuestionReplacement([](const QString&) { return platform::SaveAnswer::Discard; });
    closeAllWindows();
    platform::setSaveQuestionReplacement({});
}

void takeStep(QWidget* window, const QString& step)
{
    const QString action = step.section(u' ', 0, 0);
    const QByteArray name = step.section(u' ', 1, 1).toLatin1();
    const QString argument = step.section(u' ', 2);
    if (action == QLatin1StringView("type"))
        typeInto(window, name.constData(), argument);
    else if (action == QLatin1StringView("paste"))
        pasteInto(window, name.constData(), argument);
    else if (action == QLatin1StringView("choose") && argument.startsWith(u'#'))
        choose(window, name.constData(), child<QComboBox>(window, name.constData())->itemText(argument.mid(1).toInt()));
    else if (action == QLatin1StringView("choose"))
        choose(window, name.constData(), argument);
    else if (action == QLatin1StringView("click"))
        click(window, name.constData());
    else
        qFatal("unknown step %s", qPrintable(step));
}

QString text(const QWidget* window, const char* name)
{
    QWidget* control = child<QWidget>(window, name);
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* input = qobject_cast<QLineEdit*>(control))
        return input->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->currentText();
    qFatal("%s has no text", name);
}

QString toolTip(const QWidget* window, const char* name) { return child<QWidget>(window, name)->toolTip(); }

QColor captionColour(const QWidget* window, const char* name)
{
    return platform::captionColour(child<QWidget>(window, name));
}

QStringList items(const QWidget* window, const char* name)
{
    auto* list = child<QComboBox>(window, name);
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->itemText(i);
    return result;
}

bool isNetworkColumn(const QString& header)
{
    static const QStringList network{"Начало", "Конец", "N у конца", "U у конца", "z, м", "Hсв, м", "U",
                                     "Q у конца, Вт", "ΔP у конца, Па", "Невязка, %", "Дросселировать, Па"};
    return network.contains(header);
}

}  // namespace uitest
