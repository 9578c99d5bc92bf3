#include "app/calculators.h"
#include "app/form1.h"
#include "calc/registry/tables.h"
#include "help/formulahelp.h"
#include "tests/common/uitest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTabWidget>

// Every window, opened as a user opens it, at the font this test runs with (ctest runs it at
// the default font and at 1.5 times it): no caption is cut, no two controls overlap, and at the
// default font the window with its title bar fits a 1240×640 screen area.
class WindowFitTest : public QObject {
    Q_OBJECT

    static constexpr int titleBarHeight = 32;

    // Captions that ask for more width than they have, and controls placed over a sibling.
    static QStringList faults(const QWidget* window)
    {
        QStringList found;
        const auto controls = window->findChildren<QWidget*>();
        for (const QWidget* control : controls) {
            if (!control->isVisibleTo(window))
                continue;
            QString caption;
            bool wraps = false;
            if (auto* label = qobject_cast<const QLabel*>(control)) {
                caption = label->text();
                wraps = label->wordWrap();
            } else if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
                caption = button->text();
            }
            if (!caption.trimmed().isEmpty() && !wraps && control->sizeHint().width() > control->width())
                found << QStringLiteral("%1 \"%2\" is cut: %3 of %4 px")
                             .arg(control->objectName(), caption)
                             .arg(control->width())
                             .arg(control->sizeHint().width());
        }
        for (const QWidget* control : controls) {
            if (!control->isVisibleTo(window) || !control->findChildren<QWidget*>().isEmpty())
                continue;
            for (const QObject* sibling : control->parent()->children()) {
                auto* other = qobject_cast<const QWidget*>(sibling);
                if (!other || other <= control || !other->isVisibleTo(window) || other->isWindow())
                    continue;
                if (other->findChildren<QWidget*>().isEmpty() && control->geometry().intersects(other->geometry()))
                    found << QStringLiteral("%1 overlaps %2").arg(control->objectName(), other->objectName());
            }
        }
        return found;
    }

    // Shows a window as a user opens it and lists what does not fit.
    static QStringList problems(QWidget* window)
    {
        if (!window)
            return {QStringLiteral("no window")};
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            return {QStringLiteral("not shown")};
        QStringList found = faults(window);
        if (qEnvironmentVariableIsEmpty("QT_FONT_DPI") && (window->width() > 1240 || window->height() + titleBarHeight > 640))
            found << QStringLiteral("%1×%2 px").arg(window->width()).arg(window->height());
        return found;
    }
    void check(QWidget* window)
    {
        const QStringList found = problems(window);
        const QString name = window ? window->objectName() : QString();
        QVERIFY2(found.isEmpty(), qPrintable(name + QStringLiteral(": ") + found.join(QStringLiteral("; "))));
    }

private slots:
    void cleanup()
    {
        uitest::closeAllWindows();
        uitest::takeMessages();
    }

    void mainMenu()
    {
        auto* menu = new Form1;
        check(menu);
    }

    void referenceAndAbout_data()
    {
        QTest::addColumn<int>("window");
        QTest::newRow("frmspravka") << 0;
        QTest::newRow("frminfo") << 1;
    }
    void referenceAndAbout()
    {
        QFETCH(int, window);
        check(window == 0 ? createReference() : createAbout());
    }

    void formulaHelp_data()
    {
        QTest::addColumn<int>("helpWindow");
        for (int number : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11})
            QTest::newRow(qPrintable(QString("frmhelp%1").arg(number))) << number;
    }
    void formulaHelp()
    {
        QFETCH(int, helpWindow);
        help::showFormulaHelp(helpWindow);
        check(uitest::shownWindow(QString("frmhelp%1").arg(helpWindow)));
    }

    void calculators_data()
    {
        QTest::addColumn<int>("number");
        for (int number = 1; number <= calc::tableCount; ++number)
            QTest::newRow(qPrintable(QString("frmtablII%1").arg(number))) << number;
    }
    void calculators()
    {
        QFETCH(int, number);
        check(createCalculator(number));
    }

    // Opened from the largest catalog, on each of its tabs.
    void sizeSelection_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("Для расхода") << 0;
        QTest::newRow("Таблица") << 1;
    }
    void sizeSelection()
    {
        QFETCH(int, tab);
        QWidget* calculator = createCalculator(2);
        calculator->show();
        uitest::typeInto(calculator, "Text1", "2");
        uitest::click(calculator, "selectSizeButton");
        QWidget* shown = uitest::shownWindow(QStringLiteral("frmpodbor"));
        QVERIFY(shown);
        uitest::child<QTabWidget>(shown, "modes")->setCurrentIndex(tab);
        check(shown);
    }

    // The record of a heating section with fittings, the longest record there is, and the
    // sections table of the menu.
    void recordAndSections()
    {
        QWidget* calculator = createCalculator(9);
        calculator->show();
        for (const char* step : {"click Option4", "choose Combo3 #2", "choose Combo1 15", "choose Combo2 1.0",
                                 "type Text1 0.2", "type Text16 10", "click Check1", "click Check3", "click Command1",
                                 "click reportButton"})
            uitest::takeStep(calculator, QString::fromUtf8(step));
        QCOMPARE(uitest::takeMessages(), QStringList());
        check(uitest::shownWindow(QStringLiteral("frmotchet")));
        auto* menu = new Form1;
        menu->show();
        uitest::click(menu, "sectionsButton");
        check(uitest::shownWindow(QStringLiteral("frmuchastki")));
    }
};

UITEST_MAIN(WindowFitTest)
#include "tst_windowfit.moc"
