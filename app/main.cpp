#include "app/form1.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Fusion draws the button backgrounds that the screens colour.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    auto* menu = new Form1;
    menu->show();
    return app.exec();
}
