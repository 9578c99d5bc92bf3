#include "app/form1.h"
#include "platform/savequestion.h"
#include "tests/common/everywindow.h"
#include "tests/common/uitest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

using namespace uitest;

namespace {

// Gives the focus to a control of an active window.
void focus(QWidget* window, const char* name)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    child<QWidget>(window, name)->setFocus(Qt::TabFocusReason);
}

// The controls that Tab visits from this one until it comes back to it (at most 60 steps).
QStringList tabWalk(QWidget* window, const char* first)
{
    focus(window, first);
    QStringList visited;
    QWidget* start = QApplication::focusWidget();
    for (int step = 0; step < 60 && QApplication::focusWidget(); ++step) {
        QWidget* now = QApplication::focusWidget();
        if (step > 0 && now == start)
            break;
        visited << now->objectName();
        QTest::keyClick(now, Qt::Key_Tab);
    }
    return visited;
}

// Enabled, shown controls that take the focus by Tab; an option that is not chosen is reached
// from the chosen one of its group with the arrow keys.
QStringList tabStops(QWidget* window)
{
    QStringList stops;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || !control->isEnabled() || !(control->focusPolicy() & Qt::TabFocus)
            || control->focusProxy())
            continue;
        if (auto* option = qobject_cast<QRadioButton*>(control); option && !option->isChecked())
            continue;
        stops << control->objectName();
    }
    return stops;
}

QWidget* sectionsTableWithOneSection()
{
    platform::setSaveQuestionReplacement([](const QString&) { return platform::SaveAnswer::Discard; });
    QWidget* sections = openWindow(QStringLiteral("frmuchastki"));
    platform::setSaveQuestionReplacement({});
    return sections;
}

}  // namespace

// The size selection, the record and the sections table used with the keyboard alone, and the
// push buttons of every window pressed with Enter. ctest runs it at the default font, at 1.25
// scaling and at fonts 1.5 times as large.
class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeAllWindowsDiscardingChanges();
        takeMessages();
    }

    // Tab goes round every control, in reading order, and leaves the tables.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("order");
        const QStringList outputs{"copyButton", "csvButton", "saveXlsxButton", "printButton", "pdfButton", "gostFrameBox"};
        QTest::newRow("size selection, Для расхода")
            << "frmpodbor" << 0
            << QStringList{"unitLitres", "velocityLimitInput", "qt_tabwidget_tabbar", "flowInput", "sizesTable"} + outputs;
        QTest::newRow("size selection, Таблица")
            << "frmpodbor" << 1
            << QStringList{"unitLitres", "velocityLimitInput", "qt_tabwidget_tabbar", "tableFrom", "tableTo", "tableStep", "buildTableButton",
                           "shownSizes", "allSizesButton", "noSizesButton", "handbookTable"} + outputs;
        QTest::newRow("record") << "frmotchet" << -1
                                << QStringList{"reportText", "copyButton", "printButton", "pdfButton", "gostFrameBox"};
        // Tab leaves the table; the date takes it for its day, month and year in turn.
        QTest::newRow("sections table")
            << "frmuchastki" << -1
            << QStringList{"sectionsTable", "chooseSizesButton", "systemButton", "removeButton", "undoButton", "openInCalculatorButton", "newButton", "openButton", "saveButton", "saveAsButton"} + outputs
                   + QStringList{"projectInput", "systemInput", "authorInput", "dateInput", "dateInput", "dateInput",
                                 "designationInput"};
    }
    void tabOrder()
    {
        QFETCH(QString, window);
        QFETCH(int, tab);
        QFETCH(QStringList, order);
        QWidget* shown = window == QLatin1StringView("frmuchastki") ? sectionsTableWithOneSection() : openWindow(window);
        QVERIFY(shown);
        if (tab >= 0)
            child<QTabWidget>(shown, "modes")->setCurrentIndex(tab);
        const QStringList walked = tabWalk(shown, qPrintable(order.first()));
        QCOMPARE(walked, order);
        QStringList stops = tabStops(shown);
        QStringList reached = walked;
        reached.removeDuplicates();
        stops.sort();
        reached.sort();
        QCOMPARE(reached, stops);
    }

    // Enter and Return press the focused button as a click does.
    void enterPressesButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opened");
        QTest::newRow("menu, Return") << "Form1" << "Command3" << int(Qt::Key_Return) << "frmtablII3";
        QTest::newRow("menu picture, Enter") << "Form1" << "Command13" << int(Qt::Key_Enter) << "frminfo";
        QTest::newRow("calculator") << "frmtablII2" << "selectSizeButton" << int(Qt::Key_Return) << "frmpodbor";
        QTest::newRow("help picture") << "frmtablII7" << "Command5" << int(Qt::Key_Enter) << "frmhelp7";
        QTest::newRow("record button") << "frmuchastki" << "removeButton" << int(Qt::Key_Return) << "";
    }
    void enterPressesButton()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(QString, opened);
        QWidget* shown = window == QLatin1StringView("frmuchastki") ? sectionsTableWithOneSection() : openWindow(window);
        QVERIFY(shown);
        focus(shown, qPrintable(button));
        QCOMPARE(QApplication::focusWidget()->objectName(), button);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        if (opened.isEmpty())
            QCOMPARE(child<QTableView>(shown, "sectionsTable")->model()->rowCount(), 0);
        else
            QVERIFY(shownWindow(opened));
    }

    void deleteRemovesSelectedSection()
    {
        QWidget* sections = sectionsTableWithOneSection();
        QVERIFY(sections);
        auto* table = child<QTableView>(sections, "sectionsTable");
        QCOMPARE(table->model()->rowCount(), 1);
        focus(sections, "sectionsTable");
        table->clearSelection();
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(table->model()->rowCount(), 1);
        table->selectRow(0);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(table->model()->rowCount(), 0);
    }

    // Escape closes the window as its close box does; the sections table asks first about
    // sections not saved.
    void escapeCloses_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QStringList>("questions");
        const QStringList asked{"Сохранить изменения в таблице участков?"};
        QTest::newRow("size selection") << "frmpodbor" << -1 << true << QStringList();
        QTest::newRow("record") << "frmotchet" << -1 << true << QStringList();
        QTest::newRow("sections table, cancelled") << "frmuchastki" << int(platform::SaveAnswer::Cancel) << false << asked;
        QTest::newRow("sections table, not saved") << "frmuchastki" << int(platform::SaveAnswer::Discard) << true << asked;
    }
    void escapeCloses()
    {
        QFETCH(QString, window);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(QStringList, questions);
        QWidget* shown = window == QLatin1StringView("frmuchastki") ? sectionsTableWithOneSection() : openWindow(window);
        QVERIFY(shown);
        QStringList asked;
        platform::setSaveQuestionReplacement([&asked, answer](const QString& question) {
            asked << question;
            return platform::SaveAnswer(answer);
        });
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : shown, Qt::Key_Escape);
        platform::setSaveQuestionReplacement({});
        QCOMPARE(asked, questions);
        QCOMPARE(shownWindow(window) != nullptr, !closes);
    }

    // Opening another material closes the calculator and its size selection; its record stays.
    void sizeSelectionFollowsItsCalculator()
    {
        QWidget* menu = openWindow(QStringLiteral("Form1"));
        click(menu, "Command9");
        QWidget* calculator = shownWindow(QStringLiteral("frmtablII9"));
        QVERIFY(calculator);
        for (const char* step : {"choose Combo1 15", "choose Combo2 1.0", "type Text1 0.2", "type Text16 10",
                                 "click Command1", "click reportButton", "click selectSizeButton"})
            takeStep(calculator, QString::fromUtf8(step));
        QVERIFY(shownWindow(QStringLiteral("frmpodbor")));
        QVERIFY(shownWindow(QStringLiteral("frmotchet")));
        click(menu, "Command5");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!shownWindow(QStringLiteral("frmtablII9")));
        QVERIFY(!shownWindow(QStringLiteral("frmpodbor")));
        QVERIFY(shownWindow(QStringLiteral("frmotchet")));
        // The selection opened again belongs to the calculator now open.
        QWidget* plastic = shownWindow(QStringLiteral("frmtablII5"));
        takeStep(plastic, QStringLiteral("type Text1 5"));
        click(plastic, "selectSizeButton");
        QVERIFY(shownWindow(QStringLiteral("frmpodbor")));
        plastic->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!shownWindow(QStringLiteral("frmpodbor")));
    }
};

UITEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
