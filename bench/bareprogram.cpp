// A Qt Widgets program with one empty window, to compare the start-up of the calculator with.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return app.exec();
}
