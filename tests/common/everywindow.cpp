#include "tests/common/everywindow.h"

#include "app/calculators.h"
#include "app/form1.h"
#include "tests/common/uitest.h"

#include <QApplication>

namespace uitest {
namespace {

// A heating section of II-9 with fittings: the longest record there is.
const char* const heatingSection[] = {"click Option4", "choose Combo3 #2", "choose Combo1 15", "choose Combo2 1.0",
                                      "type Text1 0.2",  "type Text16 10",   "click Check1",     "click Check3",
                                      "click Command1"};

QWidget* shownCalculator(int number)
{
    QWidget* calculator = createCalculator(number);
    calculator->show();
    return calculator;
}

QWidget* calculatedHeatingSection(QWidget* calculator)
{
    for (const char* step : heatingSection)
        takeStep(calculator, QString::fromUtf8(step));
    return calculator;
}

}  // namespace

QStringList everyWindow()
{
    QStringList names{QStringLiteral("Form1")};
    QList<app::CreateWindow> helpWindows;
    for (const app::TableWindows& table : app::tableWindows()) {
        names << QStringLiteral("frmtablII%1").arg(table.number);
        // A help window shared by two tables is named after the first.
        if (!helpWindows.contains(table.formulaHelp))
            helpWindows << table.formulaHelp;
    }
    for (const app::TableWindows& table : app::tableWindows())
        if (helpWindows.removeOne(table.formulaHelp))
            names << QStringLiteral("frmhelp%1").arg(table.number);
    names << QStringLiteral("frmspravka") << QStringLiteral("frminfo") << QStringLiteral("frmpodbor")
          << QStringLiteral("frmotchet") << QStringLiteral("frmuchastki") << QStringLiteral("frmteplonositel")
          << QStringLiteral("frmnagruzka") << QStringLiteral("frmpribory");
    return names;
}

QWidget* openWindow(const QString& name)
{
    QWidget* window = nullptr;
    if (name == QLatin1StringView("Form1")) {
        window = new Form1;
    } else if (name.startsWith(QLatin1StringView("frmtablII"))) {
        window = shownCalculator(name.mid(9).toInt());
    } else if (name.startsWith(QLatin1StringView("frmhelp"))) {
        app::showFormulaHelpOf(name.mid(7).toInt());
    } else if (name == QLatin1StringView("frmspravka")) {
        window = createReference();
    } else if (name == QLatin1StringView("frminfo")) {
        window = createAbout();
    } else if (name == QLatin1StringView("frmpodbor")) {
        QWidget* calculator = shownCalculator(2);
        typeInto(calculator, "Text1", QStringLiteral("2"));
        click(calculator, "selectSizeButton");
    } else if (name == QLatin1StringView("frmotchet")) {
        click(calculatedHeatingSection(shownCalculator(9)), "reportButton");
    } else if (name == QLatin1StringView("frmteplonositel") || name == QLatin1StringView("frmnagruzka")) {
        // Both open from a heating screen with heating water at 80 °C chosen.
        QWidget* calculator = shownCalculator(9);
        for (const char* step : {"click Option4", "choose Combo3 80"})
            takeStep(calculator, QString::fromUtf8(step));
        click(calculator, name == QLatin1StringView("frmteplonositel") ? "carrierButton" : "loadButton");
    } else if (name == QLatin1StringView("frmpribory")) {
        click(shownCalculator(5), "fixturesButton");
    } else if (name == QLatin1StringView("frmuchastki")) {
        auto* menu = new Form1;
        menu->show();
        click(menu, "Command9");
        click(calculatedHeatingSection(shownWindow(QStringLiteral("frmtablII9"))), "addSectionButton");
    }
    if (window)
        window->show();
    else
        window = shownWindow(name);
    if (window && !QTest::qWaitForWindowExposed(window))
        return nullptr;
    return window;
}

}  // namespace uitest
