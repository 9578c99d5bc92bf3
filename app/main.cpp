#include "app/calculators.h"
#include "app/form1.h"
#include "platform/desktop.h"
#include "platform/startup.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace {
void describeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Таблицы Тальвера: гидравлический расчет напорных водопроводных труб"));
    parser.addHelpOption();
    parser.addVersionOption();
}

// Answers --help and --version and ends the program; so does anything it does not take.
void processCommandLine(QCommandLineParser& parser, const QStringList& arguments)
{
    parser.process(arguments);
    const QStringList extra = parser.positionalArguments();
    if (!extra.isEmpty()) {
        std::fprintf(stderr, "%s: unexpected argument '%s'\n",
                     qPrintable(QCoreApplication::applicationName()), qPrintable(extra.first()));
        std::exit(EXIT_FAILURE);
    }
}
}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("talvertable"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALVERTABLE_VERSION));
    if (argc > 1) {
        // QApplication needs a display, --help and --version do not: they are answered first.
        // Qt's own options (-platform, -style, ...) are unknown here and left to QApplication.
        QCoreApplication commandLine(argc, argv);
        QCommandLineParser parser;
        describeCommandLine(parser);
        if (parser.parse(QCoreApplication::arguments()))
            processCommandLine(parser, QCoreApplication::arguments());
    }
    QApplication app(argc, argv);
    platform::prepareApplication();
    QGuiApplication::setDesktopFileName(QStringLiteral(TALVERTABLE_APP_ID));
    QCommandLineParser parser;
    describeCommandLine(parser);
    processCommandLine(parser, QCoreApplication::arguments());
    platform::setUpDesktop();
    app::setCalculatorOpeners();
    auto* menu = new Form1;
    menu->show();
    return app.exec();
}
