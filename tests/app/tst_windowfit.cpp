#include "tests/common/everywindow.h"
#include "tests/common/uitest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

// Every window, opened as a user opens it, at the font and on the screen this test runs with
// (ctest runs it on a 1920×1080 screen at the default font and at 1.5 times it, and on a
// 1366×768 laptop less its 40 px panel at the default font, at 1.25 scaling and at 1.5 times the
// font): no caption is cut, no two controls overlap; on the large screen at the default font the
// window with its title bar fits a 1240×640 area, on the laptop it fits the screen with its
// buttons in view, and only at the large font may its content scroll.
class WindowFitTest : public QObject {
    Q_OBJECT

    static constexpr int titleBarHeight = 32;
    // Screens lower than this are the laptop's, less its panel.
    static constexpr int laptopHeight = 800;

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

    // What a window that must fit the screen with its title bar shows of itself: its size, its
    // scroll bars (at the default font and at 1.25 scaling it needs none) and its buttons, which
    // stay in view when its content scrolls.
    static QStringList offScreen(const QWidget* window, const QRect& screen, bool largeFont)
    {
        QStringList found;
        if (window->width() > screen.width() || window->height() + titleBarHeight > screen.height())
            found << QStringLiteral("%1×%2 px with its title bar on %3×%4")
                         .arg(window->width())
                         .arg(window->height() + titleBarHeight)
                         .arg(screen.width())
                         .arg(screen.height());
        for (const QScrollArea* area : window->findChildren<QScrollArea*>())
            if (!largeFont && area->isVisibleTo(window)
                && (area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible()))
                found << QStringLiteral("%1 scrolls").arg(area->objectName());
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->isVisibleTo(window) && button->visibleRegion().boundingRect() != button->rect())
                found << QStringLiteral("%1 out of view").arg(button->objectName());
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
        const bool largeFont = !qEnvironmentVariableIsEmpty("QT_FONT_DPI");
        const QRect screen = window->screen()->availableGeometry();
        if (screen.height() < laptopHeight)
            found << offScreen(window, screen, largeFont);
        else if (!largeFont && (window->width() > 1240 || window->height() + titleBarHeight > 640))
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
        uitest::closeAllWindowsDiscardingChanges();
        uitest::takeMessages();
    }

    void everyWindow_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : uitest::everyWindow())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyWindow()
    {
        QFETCH(QString, name);
        check(uitest::openWindow(name));
    }

    // The buttons of the building screens are shown wherever the screen is scrolled.
    void buildingScreenButtons_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"frmtablII9", "frmtablII10", "frmtablII11"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void buildingScreenButtons()
    {
        QFETCH(QString, name);
        QWidget* window = uitest::openWindow(name);
        QVERIFY(window);
        for (const char* button : {"Command4", "Command1", "Command2", "selectSizeButton", "reportButton",
                                   "addSectionButton", "Command3"}) {
            const QWidget* shown = uitest::child<QPushButton>(window, button);
            QVERIFY2(shown->isVisible(), button);
            QCOMPARE(shown->visibleRegion().boundingRect(), shown->rect());
        }
    }

    // The size selection of the largest catalog on its tab of the handbook page.
    void handbookPage()
    {
        QWidget* shown = uitest::openWindow(QStringLiteral("frmpodbor"));
        QVERIFY(shown);
        uitest::child<QTabWidget>(shown, "modes")->setCurrentIndex(1);
        check(shown);
    }
};

UITEST_MAIN(WindowFitTest)
#include "tst_windowfit.moc"
