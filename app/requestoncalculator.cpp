#include "app/requestoncalculator.h"

#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/registry/tables.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace app {
namespace {

// A condition shown as options (one per choice, in the record's order) or as a list.
struct ConditionControl {
    QStringList options;
    QString list;
};

// The names of one classic screen's controls.
struct ScreenControls {
    QList<ConditionControl> conditions;  // in the order of the record's conditions
    QStringList sizeLists;               // the lists that name the size together, " × " between
    QString litresPerSecond;
    QString cubicMetresPerHour;
    bool localLosses = false;            // the steel local-loss box
};

const QString sizeSeparator = QStringLiteral(" × ");

const ScreenControls* controlsOf(int table)
{
    static const ScreenControls steel{{{{QStringLiteral("Option3"), QStringLiteral("Option4")}, {}},
                                       {{QStringLiteral("Option5"), QStringLiteral("Option6")}, {}},
                                       {{}, QStringLiteral("Combo3")},
                                       {{}, QStringLiteral("Combo4")}},
                                      {QStringLiteral("Combo1"), QStringLiteral("Combo2")},
                                      QStringLiteral("Option1"),
                                      QStringLiteral("Option2"),
                                      true};
    static const ScreenControls castIron{{{{QStringLiteral("Option3"), QStringLiteral("Option4")}, {}},
                                          {{QStringLiteral("Option1"), QStringLiteral("Option2")}, {}}},
                                         {QStringLiteral("Combo1")},
                                         QStringLiteral("Option5"),
                                         QStringLiteral("Option6")};
    static const ScreenControls asbestosCement{
        {{{QStringLiteral("Option1"), QStringLiteral("Option2"), QStringLiteral("Option3")}, {}},
         {{QStringLiteral("Option4"), QStringLiteral("Option5"), QStringLiteral("Option6"), QStringLiteral("Option7")}, {}}},
        {QStringLiteral("Combo1")},
        QStringLiteral("Option8"),
        QStringLiteral("Option9")};
    static const ScreenControls polyethylene{
        {{{QStringLiteral("Option1"), QStringLiteral("Option2"), QStringLiteral("Option3"), QStringLiteral("Option4")}, {}},
         {{QStringLiteral("Option5"), QStringLiteral("Option6"), QStringLiteral("Option7"), QStringLiteral("Option8"),
           QStringLiteral("Option9"), QStringLiteral("Option10"), QStringLiteral("Option11"), QStringLiteral("Option12"),
           QStringLiteral("Option13")},
          {}}},
        {QStringLiteral("Combo1")},
        QStringLiteral("Option14"),
        QStringLiteral("Option15")};
    static const ScreenControls plain{{}, {QStringLiteral("Combo1")}, QStringLiteral("Option1"), QStringLiteral("Option2")};
    switch (table) {
    case 1:
    case 2:
        return &steel;
    case 3:
        return &castIron;
    case 4:
        return &asbestosCement;
    case 5:
        return &polyethylene;
    case 6:
    case 7:
    case 8:
        return &plain;
    default:
        return nullptr;
    }
}

template <class Control>
Control* control(QWidget* window, const QString& name)
{
    return window->findChild<Control*>(name);
}

bool click(QWidget* window, const QString& name)
{
    auto* button = control<QAbstractButton>(window, name);
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

// An option is clicked only when it is not chosen yet: a click on a chosen one changes nothing.
bool choose(QWidget* window, const QString& name)
{
    auto* button = control<QAbstractButton>(window, name);
    return button && (button->isChecked() || (click(window, name) && button->isChecked()));
}

// The box clicked until it shows `ticked`.
bool tick(QWidget* window, const QString& name, bool ticked)
{
    auto* box = control<QCheckBox>(window, name);
    return box && (box->isChecked() == ticked || (click(window, name) && box->isChecked() == ticked));
}

// The list item chosen as a click in the open list chooses it.
bool chooseItem(QComboBox* list, int position)
{
    if (!list || position < 0 || position >= list->count())
        return false;
    list->setCurrentIndex(position);
    emit list->activated(position);
    return true;
}

// The item named `name`, or the one of the same number: a file may keep "57" where the list
// shows "57,0".
int itemPosition(const QComboBox* list, const QString& name)
{
    const int exact = list->findText(name);
    if (exact >= 0 || name.isEmpty())
        return exact;
    const double value = calc::parseValue(name);
    for (int k = 0; k < list->count(); ++k)
        if (calc::parseValue(list->itemText(k)) == value)
            return k;
    return -1;
}

// The text replaced as typed keys replace a selection: the input's edit handlers see it. Numbers
// go with ".", as the key filter turns the decimal comma, since the value parse stops at a comma.
bool type(QWidget* window, const QString& name, const QString& text)
{
    auto* input = control<QLineEdit>(window, name);
    if (!input || !input->isEnabled())
        return false;
    input->selectAll();
    input->insert(text);
    return input->text() == text;
}

// A list item is found by the name the record gives the choice: the list may offer fewer items
// than the record, as the temperatures of a system do.
bool setConditions(QWidget* window, const QList<ConditionControl>& conditions, const calc::CalculationRequest& request)
{
    const calc::ConditionChoices& chosen = request.conditions.chosen;
    const calc::TableRecord& record = calc::table(request.table);
    for (int k = 0; k < conditions.size(); ++k) {
        const int position = k < chosen.size() ? chosen[k] : -1;
        if (position < 0)
            continue;
        const ConditionControl& shown = conditions[k];
        if (shown.list.isEmpty()) {
            if (position >= shown.options.size() || !choose(window, shown.options[position]))
                return false;
            continue;
        }
        auto* list = control<QComboBox>(window, shown.list);
        const QStringList items = record.conditions.value(k).choices ? record.conditions[k].choices(chosen.mid(0, k))
                                                                      : QStringList();
        if (!list || position >= items.size() || !chooseItem(list, itemPosition(list, items[position])))
            return false;
    }
    return true;
}

bool setSize(QWidget* window, const QString& otherDiameter, const QStringList& sizeLists,
             const calc::CalculationRequest& request)
{
    const bool typed = request.size.isEmpty();
    if (!tick(window, otherDiameter, typed))
        return false;
    if (typed)
        return type(window, QStringLiteral("Text2"), calc::storedNumberText(request.diameterMm));
    const QStringList parts = request.size.split(sizeSeparator);
    if (parts.size() != sizeLists.size())
        return false;
    for (int k = 0; k < parts.size(); ++k) {
        auto* list = control<QComboBox>(window, sizeLists[k]);
        if (!list || !chooseItem(list, itemPosition(list, parts[k])))
            return false;
    }
    return true;
}

// The building screens: the screen's own series and system options, then the panel's
// temperature list and heat carrier, its tool windows and its fittings.
struct BuildingControls {
    QList<ConditionControl> conditions;  // those before the heat carrier, in the record's order
    QStringList sizeLists;
};

const BuildingControls* buildingControlsOf(int table)
{
    const QString temperatures = QStringLiteral("Combo3");
    static const BuildingControls copper{{{{QStringLiteral("Option1"), QStringLiteral("Option2"), QStringLiteral("Option3"),
                                            QStringLiteral("Option4")},
                                           {}},
                                          {{}, temperatures}},
                                         {QStringLiteral("Combo1"), QStringLiteral("Combo2")}};
    static const BuildingControls pex{{{{QStringLiteral("Option4"), QStringLiteral("Option9"), QStringLiteral("Option10"),
                                         QStringLiteral("Option11"), QStringLiteral("Option12")},
                                        {}},
                                       {{QStringLiteral("Option1"), QStringLiteral("Option2"), QStringLiteral("Option3")}, {}},
                                       {{}, temperatures}},
                                      {QStringLiteral("Combo1")}};
    static const BuildingControls pexAlPex{
        {{{QStringLiteral("Option1"), QStringLiteral("Option2"), QStringLiteral("Option3")}, {}}, {{}, temperatures}},
        {QStringLiteral("Combo1")}};
    switch (table) {
    case 9:
        return &copper;
    case 10:
        return &pex;
    case 11:
        return &pexAlPex;
    default:
        return nullptr;
    }
}

// A tool window of the panel: opened by its button, typed in, applied and closed.
QWidget* openTool(QWidget* calculator, const QString& button, const QString& window)
{
    return click(calculator, button) ? control<QWidget>(calculator, window) : nullptr;
}

bool applyTool(QWidget* tool)
{
    return click(tool, QStringLiteral("applyButton")) && click(tool, QStringLiteral("closeButton"));
}

// The carrier from the reference, as the user applies it there; another typed with ρ and ν;
// or water.
bool setCarrier(QWidget* calculator, const calc::CalculationRequest& request, int position)
{
    if (const auto& carrier = request.carrier) {
        QWidget* reference = openTool(calculator, QStringLiteral("carrierButton"), QStringLiteral("frmteplonositel"));
        const QStringList fluids{QStringLiteral("carrierWater"), QStringLiteral("carrierEthylene"),
                                 QStringLiteral("carrierPropylene")};
        const bool water = carrier->kind == calc::CarrierKind::Water;
        return reference && choose(reference, fluids.at(int(carrier->kind)))
               && (water || type(reference, QStringLiteral("concentrationInput"),
                                 calc::storedNumberText(carrier->concentration)))
               && type(reference, QStringLiteral("temperatureInput"), calc::storedNumberText(carrier->temperature))
               && applyTool(reference);
    }
    if (position == 1)
        return click(calculator, QStringLiteral("Option8"))
               && type(calculator, QStringLiteral("Text3"), calc::storedNumberText(request.conditions.carrierDensity))
               && type(calculator, QStringLiteral("Text18"),
                       calc::storedNumberText(request.conditions.carrierViscosityE6));
    return position != 0 || choose(calculator, QStringLiteral("Option7"));
}

// The flow as the fixtures window or the heat-load window works it out and writes it in the unit
// chosen, or typed.
bool setFlow(QWidget* calculator, const calc::CalculationRequest& request, const QString& litresPerSecond,
             const QString& cubicMetresPerHour)
{
    const calc::TypedFlow& flow = request.conditions.flow;
    if (!choose(calculator, flow.unit == calc::FlowUnit::LitresPerSecond ? litresPerSecond : cubicMetresPerHour))
        return false;
    if (const auto& supply = request.fixtures) {
        QWidget* window = openTool(calculator, QStringLiteral("fixturesButton"), QStringLiteral("frmpribory"));
        const auto& probability = supply->probability;
        auto* waterList = window ? control<QComboBox>(window, QStringLiteral("waterKindList")) : nullptr;
        auto* kindList = window ? control<QComboBox>(window, QStringLiteral("fixtureKindList")) : nullptr;
        // A fixture of table А.1 gives q0 from the column of its water, a typed q0 is typed.
        const bool kindChosen = !supply->fixtureKind.isEmpty();
        return window && type(window, QStringLiteral("fixturesInput"), calc::storedNumberText(supply->fixtures))
               && (kindChosen ? chooseItem(waterList, int(supply->water))
                                    && chooseItem(kindList, kindList->findText(supply->fixtureKind))
                              : chooseItem(kindList, 0)
                                    && type(window, QStringLiteral("fixtureFlowInput"),
                                            calc::storedNumberText(supply->fixtureFlow)))
               && (probability ? choose(window, QStringLiteral("typedProbabilityOption"))
                                     && type(window, QStringLiteral("probabilityInput"), calc::storedNumberText(*probability))
                               : choose(window, QStringLiteral("computedProbabilityOption"))
                                     && type(window, QStringLiteral("consumersInput"), calc::storedNumberText(supply->consumers))
                                     && type(window, QStringLiteral("hourNormInput"), calc::storedNumberText(supply->hourNorm)))
               && applyTool(window);
    }
    const auto& load = request.load;
    if (!load)
        return type(calculator, QStringLiteral("Text1"), calc::storedNumberText(flow.value));
    QWidget* window = openTool(calculator, QStringLiteral("loadButton"), QStringLiteral("frmnagruzka"));
    auto* heatCapacity = window ? control<QLineEdit>(window, QStringLiteral("heatCapacityInput")) : nullptr;
    return heatCapacity && type(window, QStringLiteral("loadInput"), calc::storedNumberText(load->heat))
           && type(window, QStringLiteral("deltaInput"), calc::storedNumberText(load->temperatureDrop))
           && (!heatCapacity->isEnabled()
               || type(window, QStringLiteral("heatCapacityInput"), calc::storedNumberText(load->heatCapacity)))
           && applyTool(window);
}

constexpr int fittingRows = 12;

bool setFittings(QWidget* calculator, const calc::LocalLosses& losses)
{
    for (int row = 0; row < fittingRows; ++row) {
        const double count = losses.fittingCounts.value(row, 0);
        if (!tick(calculator, QStringLiteral("Check%1").arg(row + 1), count > 0)
            || (count > 0 && !type(calculator, QStringLiteral("Text%1").arg(row + 4), calc::storedNumberText(count))))
            return false;
    }
    const auto& other = losses.otherResistance;
    return tick(calculator, QStringLiteral("Check14"), other.has_value())
           && (!other || type(calculator, QStringLiteral("Text17"), calc::storedNumberText(*other)));
}

bool putOnBuildingScreen(QWidget* calculator, const BuildingControls& screen, const calc::CalculationRequest& request)
{
    const int carrier = request.conditions.chosen.value(screen.conditions.size(), -1);
    return setConditions(calculator, screen.conditions, request) && setCarrier(calculator, request, carrier)
           && setSize(calculator, QStringLiteral("Check13"), screen.sizeLists, request)
           && setFlow(calculator, request, QStringLiteral("Option5"), QStringLiteral("Option6"))
           && type(calculator, QStringLiteral("Text16"), calc::storedNumberText(request.length.value_or(0)))
           && setFittings(calculator, request.localLosses) && click(calculator, QStringLiteral("Command1"));
}

}  // namespace

bool takesRequests(int table) { return controlsOf(table) || buildingControlsOf(table); }

bool putOnCalculator(QWidget* calculator, const calc::CalculationRequest& request)
{
    if (!calculator)
        return false;
    if (const BuildingControls* building = buildingControlsOf(request.table))
        return putOnBuildingScreen(calculator, *building, request);
    const ScreenControls* screen = controlsOf(request.table);
    if (!screen)
        return false;
    // The options first: choosing them empties the size and the results they change.
    if (!setConditions(calculator, screen->conditions, request)
        || !setSize(calculator, QStringLiteral("Check1"), screen->sizeLists, request)
        || !setFlow(calculator, request, screen->litresPerSecond, screen->cubicMetresPerHour))
        return false;
    if (!request.length)
        return click(calculator, QStringLiteral("Command2"));
    // The local-loss box empties the length as it is clicked: the length is typed after it.
    if (screen->localLosses && !tick(calculator, QStringLiteral("Check2"), request.localLosses.counted))
        return false;
    return type(calculator, QStringLiteral("Text3"), calc::storedNumberText(*request.length))
           && click(calculator, QStringLiteral("Command3"));
}

}  // namespace app
