#include "platform/palette.h"
#include "tests/common/everywindow.h"
#include "tests/common/uitest.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <cmath>

namespace {

// What a desktop's dark colour scheme hands to every program before it sets anything itself.
QPalette darkDesktopPalette()
{
    QPalette dark;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(49, 54, 59)}, {QPalette::Base, QColor(35, 38, 41)},
                                {QPalette::Button, QColor(49, 54, 59)}, {QPalette::WindowText, QColor(252, 252, 252)},
                                {QPalette::Text, QColor(252, 252, 252)}, {QPalette::ButtonText, QColor(252, 252, 252)},
                                {QPalette::Light, QColor(64, 70, 76)}, {QPalette::Dark, QColor(20, 22, 24)}})
        dark.setColor(role, colour);
    return dark;
}

// Relative luminance and contrast ratio as WCAG 2 defines them.
double luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor& first, const QColor& second)
{
    const double a = luminance(first) + 0.05;
    const double b = luminance(second) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

// The colour a control's caption is drawn on: its own for a push button and an input, else that
// of the nearest ancestor that fills its background.
QColor groundOf(const QWidget* control)
{
    if (qobject_cast<const QPushButton*>(control) || qobject_cast<const QComboBox*>(control))
        return control->palette().color(QPalette::Button);
    if (qobject_cast<const QLineEdit*>(control))
        return control->palette().color(QPalette::Base);
    for (const QWidget* under = control; under; under = under->parentWidget())
        if (under->isWindow() || (under->autoFillBackground() && under->backgroundRole() != QPalette::NoRole))
            return under->palette().color(under->backgroundRole());
    return control->palette().color(QPalette::Window);
}

QColor inkOf(const QWidget* control)
{
    if (qobject_cast<const QLineEdit*>(control))
        return control->palette().color(QPalette::Text);
    if (qobject_cast<const QComboBox*>(control))
        return control->palette().color(QPalette::ButtonText);
    return platform::captionColour(control);
}

QString captionOf(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(control))
        return box->title();
    if (auto* input = qobject_cast<const QLineEdit*>(control))
        return input->text();
    if (auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentText();
    return {};
}

// The controls a user works: inputs, lists, options, check boxes and buttons; not the parts
// that a compound control is made of.
bool isUserControl(const QWidget* control)
{
    if (!qobject_cast<const QAbstractButton*>(control) && !qobject_cast<const QLineEdit*>(control)
        && !qobject_cast<const QComboBox*>(control) && !qobject_cast<const QAbstractItemView*>(control))
        return false;
    for (const QWidget* up = control->parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QTabBar*>(up)
            || qobject_cast<const QAbstractItemView*>(up))
            return false;
    return true;
}

}  // namespace

// Every window on a desktop with a dark colour scheme, as a screen reader reads it: the
// program's own light palette keeps every caption readable, and every control has a name of its
// own. ctest runs it at the default font, at 1.25 scaling and at fonts 1.5 times as large.
class DesktopTest : public QObject {
    Q_OBJECT

    static void addEveryWindow()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : uitest::everyWindow())
            QTest::newRow(qPrintable(name)) << name;
    }

private slots:
    void cleanup()
    {
        uitest::closeAllWindowsDiscardingChanges();
        uitest::takeMessages();
    }

    void captionsKeepTheirContrast_data() { addEveryWindow(); }
    void captionsKeepTheirContrast()
    {
        QFETCH(QString, name);
        QWidget* window = uitest::openWindow(name);
        QVERIFY(window);
        // The screens' warning red, advice green and inactive grey are the colours they are.
        const QList<QColor> described = {platform::paletteColour(platform::LightRed),
                                         platform::paletteColour(platform::Green),
                                         platform::paletteColour(platform::Grey)};
        const QColor plainButton = QApplication::palette().color(QPalette::Button);
        QStringList faint;
        int checked = 0;
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(window) || !control->isEnabled() || captionOf(control).trimmed().isEmpty())
                continue;
            const QColor ink = inkOf(control);
            const QColor ground = groundOf(control);
            const bool colouredButton = qobject_cast<const QPushButton*>(control) && ground != plainButton;
            const double least = colouredButton || described.contains(ink) ? 3.0 : 4.5;
            const double ratio = contrast(ink, ground);
            ++checked;
            if (ratio < least)
                faint << QStringLiteral("%1 \"%2\" %3 on %4: %5")
                             .arg(control->objectName(), captionOf(control), ink.name(), ground.name())
                             .arg(ratio, 0, 'f', 2);
        }
        QVERIFY(checked > 0);
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral("; "))));
    }

    void everyControlHasItsOwnName_data() { addEveryWindow(); }
    void everyControlHasItsOwnName()
    {
        QFETCH(QString, name);
        QWidget* window = uitest::openWindow(name);
        QVERIFY(window);
        QStringList unnamed;
        QHash<QString, QString> owners;  // name read → control
        QStringList repeated;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(window) || !isUserControl(control))
                continue;
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
            const QString read = reader ? reader->text(QAccessible::Name).trimmed() : QString();
            if (read.isEmpty())
                unnamed << control->objectName();
            else if (owners.contains(read))
                repeated << QStringLiteral("%1 and %2 \"%3\"").arg(owners.value(read), control->objectName(), read);
            else
                owners.insert(read, control->objectName());
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("no name: ") + unnamed.join(u' ')));
        QVERIFY2(repeated.isEmpty(), qPrintable(QStringLiteral("same name: ") + repeated.join(QStringLiteral("; "))));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setPalette(darkDesktopPalette());
    uitest::initialise();
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
