// Saves a picture of a window as a person would see it: talvertable_screenshot FILE.png [WINDOW]
// WINDOW is 0 (or nothing) for the main menu, 1..11 for a calculator opened from it, helpN for the
// formula help window frmhelpN, "reference" or "about" for the menu's picture buttons, "sections"
// for a water-supply table of three sections with its title block, "heatingsections" for a
// heating table of three sections, "record" for the record of a heating section
// of II-9 with two fittings, and selectN:FLOW:TAB for the size selection
// of calculator N with FLOW typed on it, showing tab TAB (1: the handbook page of flows from FLOW
// to ten times FLOW; a fourth part "heating" chooses heating at 80 °С first); carrierN:FLUID:PERCENT:T for the heat-carrier reference of heating screen N
// (FLUID 0 water, 1 ethylene, 2 propylene glycol) and loadN:T:Q:DT for its flow from a heat load
// with water at T °С chosen on the screen. A third argument "dark" opens the windows on a desktop
// with a dark colour scheme.
#include "app/calculators.h"
#include "app/form1.h"
#include "platform/desktop.h"
#include "report/frmuchastki.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QPalette>
#include <QTest>

namespace {

// What a desktop's dark colour scheme hands to every program.
QPalette darkDesktopPalette()
{
    QPalette dark;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(49, 54, 59)}, {QPalette::Base, QColor(35, 38, 41)},
                                {QPalette::Button, QColor(49, 54, 59)}, {QPalette::WindowText, QColor(252, 252, 252)},
                                {QPalette::Text, QColor(252, 252, 252)}, {QPalette::ButtonText, QColor(252, 252, 252)}})
        dark.setColor(role, colour);
    // Disabled text is dimmed, as the desktop's own scheme dims it.
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(110, 113, 115));
    return dark;
}

// Calculates a heating section of II-9 with two fittings on the open calculator and opens its record.
void openHeatingRecord(QWidget* calculator)
{
    calculator->findChild<QRadioButton*>(QStringLiteral("Option4"))->click();
    auto* carrierTemperature = calculator->findChild<QComboBox*>(QStringLiteral("Combo3"));
    carrierTemperature->setCurrentIndex(2);
    emit carrierTemperature->activated(2);
    for (auto [list, item] : {std::pair{"Combo1", "15"}, {"Combo2", "1.0"}}) {
        auto* choice = calculator->findChild<QComboBox*>(QString::fromLatin1(list));
        choice->setCurrentIndex(choice->findText(QString::fromLatin1(item)));
        emit choice->activated(choice->currentIndex());
    }
    QTest::keyClicks(calculator->findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("0.2"));
    QTest::keyClicks(calculator->findChild<QLineEdit*>(QStringLiteral("Text16")), QStringLiteral("10"));
    for (const char* box : {"Check1", "Check3"})
        calculator->findChild<QCheckBox*>(QString::fromLatin1(box))->click();
    for (const char* button : {"Command1", "reportButton"})
        calculator->findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc > 3 && QByteArray(argv[3]) == "dark")
        QApplication::setPalette(darkDesktopPalette());
    platform::setUpDesktop();
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    app::setCalculatorOpeners();
    if (argc < 2)
        return 2;
    const QString which = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    auto* menu = new Form1;
    menu->show();
    if (which.startsWith(QLatin1String("help")))
        app::showFormulaHelpOf(which.mid(4).toInt());
    else if (which == QLatin1String("reference") || which == QLatin1String("about"))
        menu->findChild<QPushButton*>(which == QLatin1String("reference") ? "Command12" : "Command13")->click();
    else if (which.startsWith(QLatin1String("select"))) {
        const QStringList parts = which.mid(6).split(u':');
        menu->findChild<QPushButton*>(QStringLiteral("Command%1").arg(parts.value(0).toInt()))->click();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != menu && window->isVisible()) {
                if (parts.value(3) == QLatin1String("heating")) {
                    const int table = parts.value(0).toInt();
                    window->findChild<QRadioButton*>(table == 9 ? QStringLiteral("Option4") : QStringLiteral("Option3"))->click();
                    auto* temperatures = window->findChild<QComboBox*>(QStringLiteral("Combo3"));
                    temperatures->setCurrentText(QStringLiteral("80"));
                    emit temperatures->activated(temperatures->currentIndex());
                }
                QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("Text1")), parts.value(1));
                window->findChild<QPushButton*>(QStringLiteral("selectSizeButton"))->click();
            }
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("frmpodbor") && parts.value(2) == QLatin1String("1")) {
                window->findChild<QTabWidget*>()->setCurrentIndex(1);
                const double flow = parts.value(1).toDouble();
                QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("tableFrom")), parts.value(1));
                QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("tableTo")), QString::number(10 * flow));
                QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("tableStep")), parts.value(1));
                window->findChild<QPushButton*>(QStringLiteral("buildTableButton"))->click();
            }
    } else if (which == QLatin1String("sections") || which == QLatin1String("heatingsections")
               || which.startsWith(QLatin1String("row"))) {
        menu->findChild<QPushButton*>(QStringLiteral("sectionsButton"))->click();
        using calc::FlowUnit;
        const calc::LocalLosses fittings{false, {2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {}};
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* sections = qobject_cast<frmuchastki*>(window)) {
                if (which == QLatin1String("heatingsections")) {
                    calc::CalculationRequest glycol{9, {{3, 2, 1}, {0.1328, FlowUnit::LitresPerSecond}, 1.267, 1035.4},
                                                    "15 × 1.0", 13, 10.0, {}};
                    glycol.carrier = calc::ReferenceCarrier{calc::CarrierKind::EthyleneGlycol, 40, 50, 3.635};
                    glycol.load = calc::HeatLoad{10000, 20, 3.635};
                    sections->addSection({9, {{3, 2, 0}, {0.2, FlowUnit::LitresPerSecond}}, "15 × 1.0", 13, 10.0, fittings});
                    sections->addSection(glycol);
                    sections->addSection({9, {{3, 2, 0}, {0.2, FlowUnit::LitresPerSecond}}, "15 × 1.0", 13, 5.0, {}});
                    continue;
                }
                sections->findChild<QLineEdit*>(QStringLiteral("projectInput"))->setText(QStringLiteral("Жилой дом №3"));
                sections->findChild<QLineEdit*>(QStringLiteral("systemInput"))->setText(QStringLiteral("В1, стояк Ст.В1-3"));
                sections->findChild<QLineEdit*>(QStringLiteral("authorInput"))->setText(QStringLiteral("Иванов И. И."));
                sections->addSection({1, {{0, 0, -1, 0}, {0.3, FlowUnit::LitresPerSecond}}, "21.3 × 2.8", 14.7, 10.0, {true, {}, {}}});
                sections->addSection({5, {{3, 4}, {5, FlowUnit::LitresPerSecond}}, "110", 96.8, 100.0, {}});
                sections->addSection({9, {{0, -1, -1}, {0.2, FlowUnit::LitresPerSecond}}, "15 × 1.0", 13, 10.0, fittings});
                if (!which.startsWith(QLatin1String("row")))
                    continue;
                auto* table = sections->findChild<QTableView*>(QStringLiteral("sectionsTable"));
                table->selectRow(1);
                sections->findChild<QPushButton*>(QStringLiteral("openInCalculatorButton"))->click();
                for (QWidget* calculator : QApplication::topLevelWidgets())
                    if (calculator->objectName() == QLatin1String("frmtablII5") && which == QLatin1String("rowchanged"))
                        QTest::keyClicks(calculator->findChild<QLineEdit*>(QStringLiteral("Text3")), QStringLiteral("5"));
            }
    } else if (which == QLatin1String("record")) {
        menu->findChild<QPushButton*>(QStringLiteral("Command9"))->click();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("frmtablII9"))
                openHeatingRecord(window);
    } else if (which.startsWith(QLatin1String("carrier")) || which.startsWith(QLatin1String("load"))) {
        const bool carrier = which.startsWith(QLatin1String("carrier"));
        const QStringList parts = which.mid(carrier ? 7 : 4).split(u':');
        const int table = parts.value(0).toInt();
        menu->findChild<QPushButton*>(QStringLiteral("Command%1").arg(table))->click();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window == menu || !window->isVisible())
                continue;
            window->findChild<QRadioButton*>(table == 9 ? QStringLiteral("Option4") : QStringLiteral("Option3"))->click();
            if (carrier) {
                window->findChild<QPushButton*>(QStringLiteral("carrierButton"))->click();
            } else {
                auto* temperatures = window->findChild<QComboBox*>(QStringLiteral("Combo3"));
                temperatures->setCurrentText(parts.value(1));
                emit temperatures->activated(temperatures->currentIndex());
                window->findChild<QPushButton*>(QStringLiteral("loadButton"))->click();
            }
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("frmteplonositel")) {
                const char* options[] = {"carrierWater", "carrierEthylene", "carrierPropylene"};
                window->findChild<QRadioButton*>(QLatin1String(options[parts.value(1).toInt() % 3]))->click();
                window->findChild<QLineEdit*>(QStringLiteral("concentrationInput"))->setText(parts.value(2));
                window->findChild<QLineEdit*>(QStringLiteral("temperatureInput"))->setText(parts.value(3));
            } else if (window->objectName() == QLatin1String("frmnagruzka")) {
                window->findChild<QLineEdit*>(QStringLiteral("loadInput"))->setText(parts.value(2));
                window->findChild<QLineEdit*>(QStringLiteral("deltaInput"))->setText(parts.value(3));
            }
        }
    } else if (which.startsWith(QLatin1String("fixtures"))) {
        // fixturesT:N:q0:P, or fixturesT:N:q0:U:q_hr,u for P from the consumers; q0 as #K chooses
        // the K-th fixture of the list.
        const QStringList parts = which.mid(8).split(u':');
        menu->findChild<QPushButton*>(QStringLiteral("Command%1").arg(parts.value(0).toInt()))->click();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != menu && window->isVisible())
                window->findChild<QPushButton*>(QStringLiteral("fixturesButton"))->click();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() != QLatin1String("frmpribory"))
                continue;
            window->findChild<QLineEdit*>(QStringLiteral("fixturesInput"))->setText(parts.value(1));
            if (parts.value(2).startsWith(u'#'))
                window->findChild<QComboBox*>(QStringLiteral("fixtureKindList"))->setCurrentIndex(parts.value(2).mid(1).toInt());
            else
                window->findChild<QLineEdit*>(QStringLiteral("fixtureFlowInput"))->setText(parts.value(2));
            if (parts.size() > 4) {
                window->findChild<QRadioButton*>(QStringLiteral("computedProbabilityOption"))->click();
                window->findChild<QLineEdit*>(QStringLiteral("consumersInput"))->setText(parts.value(3));
                window->findChild<QLineEdit*>(QStringLiteral("hourNormInput"))->setText(parts.value(4));
            } else {
                window->findChild<QLineEdit*>(QStringLiteral("probabilityInput"))->setText(parts.value(3));
            }
        }
    } else if (which.toInt() > 0)
        menu->findChild<QPushButton*>(QStringLiteral("Command%1").arg(which.toInt()))->click();
    QWidget* shown = menu;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != menu && window->isVisible()
            && (shown == menu
                || QStringList{"frmpodbor", "frmotchet", "frmteplonositel", "frmnagruzka", "frmpribory"}.contains(window->objectName())))
            shown = window;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("frmtablII5") && which.startsWith(QLatin1String("row")))
            shown = window;
    QTest::qWait(100);
    return shown->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
