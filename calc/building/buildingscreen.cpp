#include "calc/building/buildingscreen.h"

#include "calc/building/buildingpanel.h"
#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/screen/fixturestool.h"
#include "calc/screen/screenwidgets.h"
#include "calc/screen/showncalculation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace calc::building {

namespace {

int checkedPosition(const QList<QRadioButton*>& options)
{
    for (qsizetype k = 0; k < options.size(); ++k)
        if (options.at(k)->isChecked())
            return int(k);
    return -1;
}

// An option is clicked only when it is not chosen yet: a click on a chosen one changes nothing.
bool chooseOption(const QList<QRadioButton*>& options, int position)
{
    if (position < 0)
        return true;
    if (position >= options.size())
        return false;
    QRadioButton* option = options.at(position);
    if (!option->isChecked())
        option->click();
    return option->isChecked();
}

}  // namespace

BuildingScreen::BuildingScreen(const TableRecord& record, QWidget* parent) : QWidget(parent), record(record) {}

void BuildingScreen::bind(const Controls& parts)
{
    controls = parts;
    shown = prepareCalculatorWindow(this, record,
                                    {parts.helpButton, parts.documentLinks, parts.linkStyle, parts.selectSizeButton,
                                     parts.reportButton, parts.addSectionButton, parts.panel->fixturesButton(),
                                     parts.panel->flowInput(),
                                     [this] { return sizeQuery(); },
                                     [this] { return controls.panel->heatingCarrier(kind()); }});
    parts.panel->takeFixtures(findChild<FixturesTool*>());
    shown->showFiguresIn(parts.panel->figureLabels());
    connect(parts.panel, &BuildingPanel::resultsCleared, shown, &ShownCalculation::forget);
    connect(parts.panel, &BuildingPanel::calculateClicked, this, &BuildingScreen::calculate);
    connect(parts.otherDiameter, &QCheckBox::clicked, this, [this] { toggleOtherDiameter(); });
}

ConditionChoices BuildingScreen::conditionChoices() const
{
    ConditionChoices chosen;
    for (const QList<QRadioButton*>& options : controls.conditionOptions)
        chosen << checkedPosition(options);
    return chosen;
}

SizeQuery BuildingScreen::sizeQuery() const { return controls.panel->sizeQuery(record, conditionChoices()); }

std::optional<CatalogSize> BuildingScreen::catalogSize(const QString& designation) const
{
    for (const CatalogSize& size : record.sizes(conditionChoices()))
        if (size.designation == designation)
            return size;
    return std::nullopt;
}

QStringList BuildingScreen::catalogDesignations() const
{
    QStringList designations;
    for (const CatalogSize& size : record.sizes(conditionChoices()))
        designations << size.designation;
    return designations;
}

void BuildingScreen::showCatalogDiameter(const QString& designation)
{
    if (const auto size = catalogSize(designation))
        controls.diameter->setText(storedNumberText(size->calculationDiameterMm));
}

CalculationRequest BuildingScreen::request() const
{
    CalculationRequest asked{.table = record.number,
                             .conditions = sizeQuery(),
                             .size = controls.otherDiameter->isChecked() ? QString() : chosenSize(),
                             .diameterMm = parseValue(controls.diameter->text())};
    controls.panel->completeRequest(asked, kind());
    return asked;
}

void BuildingScreen::calculate() { controls.panel->calculate(record, request(), kind(), shown); }

bool BuildingScreen::apply(const CalculationRequest& asked)
{
    if (asked.table != record.number)
        return false;
    if (controls.otherDiameter->isChecked())
        controls.otherDiameter->click();
    const ConditionChoices& chosen = asked.conditions.chosen;
    const int temperature = int(controls.conditionOptions.size());
    for (int condition = 0; condition < temperature; ++condition)
        if (!chooseOption(controls.conditionOptions.at(condition), choiceAt(chosen, condition)))
            return false;
    // The temperature by the name the record gives its position.
    if (const int position = choiceAt(chosen, temperature); position >= 0) {
        const QStringList items = record.conditions.value(temperature).choices(chosen.mid(0, temperature));
        if (position >= items.size() || !controls.panel->chooseTemperature(items.at(position)))
            return false;
    }
    // A carrier chosen where the system takes none (kept from heating) is left as the screen has it.
    const int carrier = temperature + 1;
    const bool carrierOffered = !record.conditions.value(carrier).choices(chosen.mid(0, carrier)).isEmpty();
    return controls.panel->applyCarrierChoice(asked, carrierOffered ? choiceAt(chosen, carrier) : -1)
           && applySize(asked) && controls.panel->applySection(asked);
}

bool BuildingScreen::applySize(const CalculationRequest& asked)
{
    if (!asked.size.isEmpty())
        return chooseSize(asked.size);
    controls.otherDiameter->click();
    controls.diameter->setText(storedNumberText(asked.diameterMm));
    return true;
}

bool chooseItem(QComboBox* list, const QString& item)
{
    const int position = list->findText(item);
    if (position < 0)
        return false;
    list->setCurrentIndex(position);
    return true;
}

}  // namespace calc::building
