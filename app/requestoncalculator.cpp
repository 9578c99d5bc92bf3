#include "app/requestoncalculator.h"

#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"

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

bool setConditions(QWidget* window, const ScreenControls& screen, const calc::ConditionChoices& chosen)
{
    for (int k = 0; k < screen.conditions.size(); ++k) {
        const int position = k < chosen.size() ? chosen[k] : -1;
        if (position < 0)
            continue;
        const ConditionControl& shown = screen.conditions[k];
        const bool set = shown.list.isEmpty()
                             ? position < shown.options.size() && choose(window, shown.options[position])
                             : chooseItem(control<QComboBox>(window, shown.list), position);
        if (!set)
            return false;
    }
    return true;
}

bool setSize(QWidget* window, const ScreenControls& screen, const calc::CalculationRequest& request)
{
    const bool typed = request.size.isEmpty();
    if (!tick(window, QStringLiteral("Check1"), typed))
        return false;
    if (typed)
        return type(window, QStringLiteral("Text2"), calc::storedNumberText(request.diameterMm));
    const QStringList parts = request.size.split(sizeSeparator);
    if (parts.size() != screen.sizeLists.size())
        return false;
    for (int k = 0; k < parts.size(); ++k) {
        auto* list = control<QComboBox>(window, screen.sizeLists[k]);
        if (!list || !chooseItem(list, itemPosition(list, parts[k])))
            return false;
    }
    return true;
}

}  // namespace

bool takesRequests(int table) { return controlsOf(table) != nullptr; }

bool putOnCalculator(QWidget* calculator, const calc::CalculationRequest& request)
{
    const ScreenControls* screen = controlsOf(request.table);
    if (!screen || !calculator)
        return false;
    const calc::TypedFlow& flow = request.conditions.flow;
    const bool litres = flow.unit == calc::FlowUnit::LitresPerSecond;
    // The options first: choosing them empties the size and the results they change.
    if (!setConditions(calculator, *screen, request.conditions.chosen) || !setSize(calculator, *screen, request)
        || !choose(calculator, litres ? screen->litresPerSecond : screen->cubicMetresPerHour)
        || !type(calculator, QStringLiteral("Text1"), calc::storedNumberText(flow.value)))
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
