// A Qt Widgets program with one empty window of the main menu's size, to compare the start-up
// of the calculator with. Built with CAPTIONED_BUTTONS it also shows eleven captioned buttons:
// what drawing any text at all (fonts, shaping, glyphs) adds to a start-up.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(520, 620);
#ifdef CAPTIONED_BUTTONS
    for (int i = 0; i < 11; ++i)
        (new QPushButton(QStringLiteral("трубы, таблица II-%1").arg(i + 1), &window))->setGeometry(20, 60 + 48 * i, 330, 40);
#endif
    window.show();
    return app.exec();
}
