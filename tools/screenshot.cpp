// Saves a picture of a window as a person would see it: talvertable_screenshot FILE.png [N]
// N = 0 (or nothing) for the main menu, 1..11 for a calculator opened from it.
#include "app/calculators.h"
#include "app/form1.h"

#include <QApplication>
#include <QLocale>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    if (argc < 2)
        return 2;
    const int number = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    auto* menu = new Form1;
    menu->show();
    QWidget* shown = menu;
    if (number > 0) {
        menu->findChild<QPushButton*>(QStringLiteral("Command%1").arg(number))->click();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != menu && window->isVisible())
                shown = window;
    }
    QTest::qWait(100);
    return shown->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
