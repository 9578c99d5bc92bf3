// Random use of every calculator opened from the main menu, of the size selection it opens and of
// the sections table its sections go into:
// typing, pasting, clicking, choosing, closing and reopening at random must never crash a window
// nor put "nan" or "inf" into any caption, tooltip, input, list, table cell or message.
//
// TALVERTABLE_RANDOM_START   replays a run: its value is printed when the test starts.
// TALVERTABLE_RANDOM_ACTIONS actions per calculator (20000 by default).
// TALVERTABLE_RANDOM_SECONDS at most this many seconds per calculator (120 by default): a slow build
//                            (the sanitizers) stops a calculator's run early rather than meet the
//                            test function watchdog; the actions done are printed.
// TALVERTABLE_RANDOM_TRACE   when set, prints every action before it is done.
#include "app/form1.h"
#include "calc/registry/tables.h"
#include "platform/filedialogs.h"
#include "platform/printpreview.h"
#include "platform/savequestion.h"
#include "widgets/clickablelabel.h"
#include "tests/common/uitest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {

constexpr int recentActionsKept = 15;

// Set while a test closes its menu: the question about unsaved sections lets them go.
bool closingForGood = false;

quint64 randomStart()
{
    static const quint64 value = [] {
        bool given = false;
        const quint64 fromEnvironment = qEnvironmentVariable("TALVERTABLE_RANDOM_START").toULongLong(&given);
        return given ? fromEnvironment : quint64(QDateTime::currentMSecsSinceEpoch());
    }();
    return value;
}

int actionsPerCalculator()
{
    bool given = false;
    const int count = qEnvironmentVariableIntValue("TALVERTABLE_RANDOM_ACTIONS", &given);
    return given && count > 0 ? count : 20000;
}

int secondsPerCalculator()
{
    bool given = false;
    const int seconds = qEnvironmentVariableIntValue("TALVERTABLE_RANDOM_SECONDS", &given);
    return given && seconds > 0 ? seconds : 120;
}

// Texts that break number parsers and formulas when pasted past the key filter.
QStringList breakingTexts()
{
    QString manyDigits;
    while (manyDigits.size() < 400)
        manyDigits += QStringLiteral("1234567890");
    return {QString(),
            QStringLiteral("0"),
            QStringLiteral("-0"),
            QStringLiteral("1e308"),
            QStringLiteral("-1e308"),
            QStringLiteral("1e-320"),
            QStringLiteral("1e999"),
            manyDigits,
            QStringLiteral("1.2.3"),
            QStringLiteral(",5"),
            QStringLiteral("-1"),
            QStringLiteral("-"),
            QStringLiteral("."),
            QStringLiteral("0.0000001"),
            QStringLiteral("99999999"),
            QStringLiteral("50<b>x</b>"),
            QStringLiteral("50<img src=\"/etc/hostname\">"),
            QStringLiteral("5&amp;0")};
}

// Markup that a label would format or load if it took its text as rich text.
bool looksLikeMarkup(const QString& text) { return text.contains(u'<') || text.contains(u'&'); }

const QString digits = QStringLiteral("0123456789");
const QString marks = QStringLiteral(".,-");
const QString latinLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString cyrillicLetters =
    QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
// A user who types these letters may see "nan" or "inf" in an input through their own doing.
const QString lettersOfNonFiniteWords = QStringLiteral("nafiNAFI");

bool holdsNonFinite(const QString& text)
{
    return text.contains(QLatin1StringView("nan"), Qt::CaseInsensitive) ||
           text.contains(QLatin1StringView("inf"), Qt::CaseInsensitive);
}

template <class T>
QList<T*> usable(const QWidget* window)
{
    QList<T*> found;
    for (T* control : window->findChildren<T*>())
        if (control->isEnabled() && control->isVisible())
            found << control;
    return found;
}

QString calculatorName(int number) { return QStringLiteral("frmtablII%1").arg(number); }

// Every cell of a table's first rows.
QStringList shownCells(const QTableView* table, int rowLimit)
{
    QStringList cells;
    const QAbstractItemModel* model = table->model();
    for (int row = 0; row < std::min(model->rowCount(), rowLimit); ++row)
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
    for (int column = 0; column < model->columnCount(); ++column)
        cells << model->headerData(column, Qt::Horizontal).toString();
    return cells;
}

void deleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// One user working one calculator of the main menu at random.
class RandomUser {
public:
    RandomUser(Form1* menu, int number)
        : menu(menu), number(number), random(randomStart() ^ (quint64(number) * 0x9e3779b97f4a7c15ULL))
    {
    }

    bool open()
    {
        act(QStringLiteral("open from the menu"), [this] { openFromMenu(); });
        return window;
    }

    // Does one random action; returns what went wrong, or nothing.
    QString actOnce()
    {
        // A third of the actions go to the size selection or the record while the calculator has
        // one of them open, a sixth to the sections table while it is open.
        QWidget* selection = uitest::shownWindow(QStringLiteral("frmpodbor"));
        QWidget* sections = uitest::shownWindow(QStringLiteral("frmuchastki"));
        QList<QWidget*> opened;
        for (QWidget* other : {selection, uitest::shownWindow(QStringLiteral("frmotchet"))})
            if (other)
                opened << other;
        const int toward = below(6);
        surface = !opened.isEmpty() && toward < 2 ? opened.at(below(int(opened.size())))
                  : sections && toward == 2       ? sections
                                                  : window.data();
        const int roll = below(100);
        if (surface == selection && roll < 5) {
            switchTab();
            return fault();
        }
        if (surface == sections && roll < 30) {
            if (roll < 10)
                selectSection();
            else if (roll < 15)
                renumberSection();
            else if (roll < 25)
                editSection();
            else
                undoOrRedo();
            return fault();
        }
        if (roll < 34)
            typeSomething();
        else if (roll < 48)
            pasteSomething();
        else if (roll < 80)
            clickSomething();
        else if (roll < 97)
            chooseSomething();
        else if (roll < 99)
            clickLink();
        else
            act(QStringLiteral("close and reopen"), [this] {
                window->close();
                deleteClosedWindows();
                openFromMenu();
            });
        if (!window)
            act(QStringLiteral("reopen the closed window"), [this] { openFromMenu(); });
        if (!window)
            return QStringLiteral("the main menu no longer opens the calculator");
        if (!surface)
            surface = window;
        return fault();
    }

    // Lets the event loop run, as it does between a user's actions, and closes the windows the
    // calculator opened besides itself (help), so that they do not pile up.
    void pause()
    {
        for (QWidget* other : QApplication::topLevelWidgets())
            if (other != menu && other != window && other->isVisible())
                other->close();
        QCoreApplication::processEvents();
        deleteClosedWindows();
    }

    // The last actions, oldest first, to replay a failure by hand.
    QString recentActions() const { return recent.join(QLatin1Char('\n')); }

    // The action that took longest, to see what makes a run slow.
    QString slowestAction() const { return QStringLiteral("%1 ms: %2").arg(slowestMilliseconds).arg(slowest); }

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); }

    template <class T>
    T* any(const QList<T*>& choices)
    {
        return choices.isEmpty() ? nullptr : choices.at(below(int(choices.size())));
    }

    template <class Action>
    void act(const QString& description, Action action)
    {
        if (qEnvironmentVariableIsSet("TALVERTABLE_RANDOM_TRACE"))
            std::fprintf(stderr, "%s\n", qPrintable(description));
        recent << description;
        if (recent.size() > recentActionsKept)
            recent.removeFirst();
        QElapsedTimer clock;
        clock.start();
        action();
        if (clock.elapsed() > slowestMilliseconds) {
            slowestMilliseconds = clock.elapsed();
            slowest = description;
        }
    }

    void openFromMenu()
    {
        typedByUser.clear();
        auto* button = menu->findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
        QTest::mouseClick(button, Qt::LeftButton);
        window = uitest::shownWindow(calculatorName(number));
        surface = window;
    }

    QChar anyCharacter()
    {
        const int roll = below(100);
        const auto from = [this](const QString& set) { return set.at(below(int(set.size()))); };
        if (roll < 50)
            return from(digits);
        if (roll < 65)
            return from(marks);
        if (roll < 73)
            return from(latinLetters);
        if (roll < 81)
            return from(cyrillicLetters);
        if (roll < 84)
            return QLatin1Char(' ');
        return QLatin1Char('\r');
    }

    // Inputs of the window; a list's own editor has no name and is not one of them.
    QList<QLineEdit*> inputs() const
    {
        QList<QLineEdit*> named;
        for (QLineEdit* input : usable<QLineEdit>(surface))
            if (!input->objectName().isEmpty())
                named << input;
        return named;
    }

    void typeSomething()
    {
        QLineEdit* input = any(inputs());
        if (!input)
            return;
        QString keys;
        for (int length = 1 + below(6); keys.size() < length;)
            keys += anyCharacter();
        const QByteArray name = input->objectName().toLatin1();
        act(QStringLiteral("type \"%1\" into %2").arg(QString(keys).replace(u'\r', QStringLiteral("\\r")), name),
            [&] {
                // Key by key, as long as a user could still type there.
                QPointer<QLineEdit> target(input);
                for (QChar key : keys) {
                    if (!surface || !target || !target->isEnabled() || !target->isVisible())
                        return;
                    uitest::typeInto(surface, name.constData(), QString(key));
                }
                if (target && std::any_of(keys.begin(), keys.end(),
                                          [](QChar key) { return lettersOfNonFiniteWords.contains(key); }))
                    typedByUser.insert(target, target->text());
            });
    }

    void pasteSomething()
    {
        QLineEdit* input = any(inputs());
        if (!input)
            return;
        const QStringList texts = breakingTexts();
        const QString text = texts.at(below(int(texts.size())));
        const bool thenEnter = below(2) == 0;
        const QByteArray name = input->objectName().toLatin1();
        act(QStringLiteral("paste \"%1\" into %2%3").arg(text, name, thenEnter ? QStringLiteral(" and press Enter") : QString()),
            [&] {
                uitest::pasteInto(surface, name.constData(), text);
                if (thenEnter && surface)
                    uitest::typeInto(surface, name.constData(), QStringLiteral("\r"));
            });
    }

    void clickSomething()
    {
        // Push buttons run the calculations; half the clicks go to them so that screens with
        // many check boxes still calculate often.
        QAbstractButton* button = below(2) == 0 ? any(usable<QPushButton>(surface)) : nullptr;
        if (!button)
            button = any(usable<QAbstractButton>(surface));
        if (!button)
            return;
        act(QStringLiteral("click %1").arg(button->objectName()), [&] {
            // Check boxes and options take a click on their box, not anywhere on their width.
            const bool boxed = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
            const QPoint where = boxed ? QPoint(6, button->height() / 2) : button->rect().center();
            QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
        });
    }

    void chooseSomething()
    {
        QList<QComboBox*> lists;
        for (QComboBox* list : usable<QComboBox>(surface))
            if (list->count() > 0)
                lists << list;
        QComboBox* list = any(lists);
        if (!list)
            return;
        const int index = below(list->count());
        act(QStringLiteral("choose \"%1\" in %2").arg(list->itemText(index), list->objectName()), [&] {
            list->setCurrentIndex(index);
            emit list->activated(index);
        });
    }

    void clickLink()
    {
        ClickableLabel* link = any(usable<ClickableLabel>(surface));
        if (!link)
            return;
        act(QStringLiteral("click %1").arg(link->objectName()),
            [&] { QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, link->rect().center()); });
        uitest::takeOpenedDocuments();
    }

    // Rows are selected for the remove and move buttons, and renumbered, as a user does.
    void selectSection()
    {
        auto* table = surface->findChild<QTableView*>(QStringLiteral("sectionsTable"));
        if (!table || table->model()->rowCount() == 0)
            return;
        const int row = below(table->model()->rowCount());
        act(QStringLiteral("select section row %1").arg(row), [&] { table->selectRow(row); });
    }

    void renumberSection()
    {
        auto* table = surface->findChild<QTableView*>(QStringLiteral("sectionsTable"));
        if (!table || table->model()->rowCount() == 0)
            return;
        const int row = below(table->model()->rowCount());
        const QStringList texts = breakingTexts();
        const QString number = texts.at(below(int(texts.size())));
        act(QStringLiteral("number section row %1 \"%2\"").arg(row).arg(number),
            [&] { table->model()->setData(table->model()->index(row, 0), number); });
    }

    // A figure typed or pasted into a cell's editor and taken with Enter.
    void editSection()
    {
        auto* table = surface->findChild<QTableView*>(QStringLiteral("sectionsTable"));
        if (!table || table->model()->rowCount() == 0)
            return;
        const int row = below(table->model()->rowCount());
        QList<QModelIndex> editable;
        for (int column = 0; column < table->model()->columnCount(); ++column)
            if (table->model()->index(row, column).flags() & Qt::ItemIsEditable)
                editable << table->model()->index(row, column);
        if (editable.isEmpty())
            return;
        const QModelIndex index = editable.at(below(int(editable.size())));
        const QStringList texts = breakingTexts() + QStringList{"0.5", "20", "3", "15000", "0"};
        const QString text = texts.at(below(int(texts.size())));
        const bool typed = below(2) == 0;
        act(QStringLiteral("%1 \"%2\" into section cell %3, %4")
                .arg(typed ? QStringLiteral("type") : QStringLiteral("paste"), text)
                .arg(index.row())
                .arg(index.column()),
            [&] {
                table->setCurrentIndex(index);
                table->edit(index);
                auto* editor = table->viewport()->findChild<QLineEdit*>();
                if (!editor)
                    return;
                editor->selectAll();
                if (typed)
                    QTest::keyClicks(editor, text);
                else
                    editor->setText(text);
                QTest::keyClick(editor, Qt::Key_Return);
                QCoreApplication::processEvents();
            });
    }

    void undoOrRedo()
    {
        auto* table = surface->findChild<QTableView*>(QStringLiteral("sectionsTable"));
        if (!table)
            return;
        const bool undo = below(3) != 0;
        act(undo ? QStringLiteral("press Ctrl+Z in the sections table") : QStringLiteral("press Ctrl+Y in the sections table"),
            [&] {
                surface->activateWindow();
                table->setFocus();
                // The shortcut clicks its button a moment later, while the next actions go on.
                QTest::keyClick(table, undo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
            });
    }

    void switchTab()
    {
        auto* tabs = surface->findChild<QTabWidget*>();
        if (!tabs)
            return;
        const int index = below(tabs->count());
        act(QStringLiteral("show tab %1 of %2").arg(index).arg(surface->objectName()), [&] { tabs->setCurrentIndex(index); });
    }

    QString fault()
    {
        for (const QString& message : uitest::takeMessages() + uitest::takeFileErrors())
            if (holdsNonFinite(message))
                return QStringLiteral("message \"%1\"").arg(message);
        if (holdsNonFinite(surface->windowTitle()))
            return QStringLiteral("title \"%1\"").arg(surface->windowTitle());
        for (const QWidget* control : surface->findChildren<QWidget*>()) {
            if (holdsNonFinite(control->toolTip()))
                return QStringLiteral("tooltip of %1 holds \"%2\"").arg(control->objectName(), control->toolTip());
            QStringList shown;
            if (auto* label = qobject_cast<const QLabel*>(control)) {
                if (looksLikeMarkup(label->text()) && label->textFormat() != Qt::PlainText)
                    return QStringLiteral("%1 takes \"%2\" as markup").arg(control->objectName(), label->text());
                shown << label->text();
            }
            else if (auto* input = qobject_cast<const QLineEdit*>(control)) {
                if (typedByUser.value(input) != input->text())
                    shown << input->text();
            } else if (auto* button = qobject_cast<const QAbstractButton*>(control))
                shown << button->text();
            else if (auto* list = qobject_cast<const QComboBox*>(control))
                for (int i = 0; i < list->count(); ++i)
                    shown << list->itemText(i);
            else if (auto* table = qobject_cast<const QTableView*>(control))
                shown << shownCells(table, 100);
            for (const QString& text : shown)
                if (holdsNonFinite(text))
                    return QStringLiteral("%1 holds \"%2\"").arg(control->objectName(), text);
        }
        return {};
    }

    QPointer<Form1> menu;
    const int number;
    std::mt19937_64 random;
    QPointer<QWidget> window;
    QPointer<QWidget> surface;  // the window the next action goes to
    QHash<const QLineEdit*, QString> typedByUser;  // inputs that hold letters the user typed
    QStringList recent;
    qint64 slowestMilliseconds = -1;
    QString slowest;
};

}  // namespace

class RandomUse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Without a display windows cannot be raised nor take size hints; that is no fault.
        static const QtMessageHandler shown = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.startsWith(QLatin1StringView("This plugin does not support ")))
                    shown(type, context, message);
            });
        // Files go into a temporary folder only: a name there, one in a folder that does not
        // exist, or a cancelled dialog, in turn; printing goes into a PDF file there.
        static QTemporaryDir folder;
        // A handbook page of thousands of rows across hundreds of sizes makes thousands of pages:
        // a user may wait for them, a test of random use need not.
        static const auto tooManyPages = [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                for (const QTableView* table : window->findChildren<QTableView*>())
                    if (table->isVisible() && table->model()->rowCount() * table->model()->columnCount() > 20000)
                        return true;
            return false;
        };
        platform::setFileDialogReplacement([](const platform::FileDialogRequest& request) {
            static int asked = 0;
            if (request.filter.contains(QLatin1StringView("pdf")) && tooManyPages())
                return QString();
            // The sections table opens what it saved, with the extension it added.
            const QString extension =
                request.kind == platform::FileDialogRequest::Open ? QStringLiteral(".talver") : QString();
            switch (++asked % 3) {
            case 0:
                return QString();
            case 1:
                return folder.filePath(QStringLiteral("written") + extension);
            default:
                return folder.filePath(QStringLiteral("missing/written") + extension);
            }
        });
        // A section of the other system starts a new table every other time.
        platform::setStartNewReplacement([](const QString&) {
            static int asked = 0;
            return ++asked % 2 == 0;
        });
        platform::setSaveQuestionReplacement([](const QString&) {
            if (closingForGood)
                return platform::SaveAnswer::Discard;
            static int asked = 0;
            const platform::SaveAnswer answers[] = {platform::SaveAnswer::Save, platform::SaveAnswer::Discard,
                                                    platform::SaveAnswer::Cancel};
            return answers[++asked % 3];
        });
        platform::setPrintPreviewReplacement([](QPageLayout::Orientation, const platform::PagePainter& paint) {
            if (tooManyPages())
                return;
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
            paint(&printer);
        });
        qInfo("random start value %llu (TALVERTABLE_RANDOM_START=%llu replays this run), %d actions per calculator",
              randomStart(), randomStart(), actionsPerCalculator());
    }

    void calculatorSurvivesRandomUse_data()
    {
        QTest::addColumn<int>("number");
        for (int number = 1; number <= calc::tableCount; ++number)
            QTest::newRow(qPrintable(QStringLiteral("II-%1").arg(number))) << number;
    }

    void calculatorSurvivesRandomUse()
    {
        QFETCH(int, number);
        QPointer<Form1> menu = new Form1;
        menu->show();
        const auto closeMenu = qScopeGuard([&] {
            // Unsaved sections are let go, so that the menu closes.
            closingForGood = true;
            if (menu)
                menu->close();
            closingForGood = false;
            deleteClosedWindows();
        });
        RandomUser user(menu, number);
        if (!user.open())
            QFAIL("the main menu does not open this calculator");
        const int actions = actionsPerCalculator();
        const qint64 budget = secondsPerCalculator() * qint64(1000);
        QElapsedTimer clock;
        clock.start();
        int action = 1;
        for (; action <= actions && clock.elapsed() < budget; ++action) {
            const QString fault = user.actOnce();
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("action %1 of random start value %2: %3\nlast actions:\n%4")
                                     .arg(action)
                                     .arg(randomStart())
                                     .arg(fault, user.recentActions())));
            if (action % 256 == 0)
                user.pause();
        }
        qInfo("%d of %d actions in %.1f s; the slowest took %s", action - 1, actions, double(clock.elapsed()) / 1000,
              qPrintable(user.slowestAction()));
    }
};

UITEST_MAIN(RandomUse)
#include "tst_random_use.moc"
