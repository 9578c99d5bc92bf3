#include "calc/building/polymerscreen.h"

#include "calc/building/buildingpanel.h"
#include "calc/building/buildingscreen.h"

#include <QComboBox>
#include <QLabel>

namespace calc::building {

PolymerScreen::PolymerScreen(BuildingPanel* panel, QRadioButton* coldWater, QRadioButton* hotWater,
                             QRadioButton* heating, QComboBox* outerDiameters, QLabel* outerDiameterField,
                             std::function<void(const QString&)> showDiameter)
    : QObject(panel), panel(panel), coldWater(coldWater), hotWater(hotWater), heating(heating),
      outerDiameters(outerDiameters), outerDiameterField(outerDiameterField), showDiameter(std::move(showDiameter))
{
    outerDiameterField->hide();
    connect(outerDiameters, &QComboBox::activated, this, &PolymerScreen::chooseOuterDiameter);
    onSelected(coldWater, this, &PolymerScreen::chooseColdWater);
    onSelected(hotWater, this, &PolymerScreen::chooseHotWater);
    onSelected(heating, this, &PolymerScreen::chooseHeating);
    // A click on "вода" when it is already selected empties the carrier's inputs as well.
    connect(panel, &BuildingPanel::waterChosen, this, &PolymerScreen::chooseWater);
    connect(panel, &BuildingPanel::temperatureChosen, panel, &BuildingPanel::takeTemperature);
    connect(panel, &BuildingPanel::clearClicked, this, &PolymerScreen::clearAll);
    connect(panel, &BuildingPanel::resetClicked, this, &PolymerScreen::reset);
}

void PolymerScreen::load()
{
    coldWater->setChecked(true);
    panel->selectLitresPerSecond();
    panel->selectWater();
    panel->setCarrierOptionsEnabled(false);
    panel->setTemperatureListEnabled(false);
    panel->setTemperaturePanelEnabled(false);
    panel->setCarrierPanelEnabled(false);
    panel->setHeatingChosen(false);
    panel->setCarrierCaptions(platform::Grey);
    panel->setTemperatureCaptions(platform::Grey);
    panel->disableCounts();
    panel->hideLocalResistanceSum();
    panel->fillTemperatures(temperatures(panel->material(), SystemKind::Heating));
    panel->disableCarrierInputs();
}

SystemKind PolymerScreen::kind() const
{
    if (hotWater->isChecked())
        return SystemKind::HotWater;
    if (heating->isChecked())
        return SystemKind::Heating;
    return SystemKind::ColdWater;
}

void PolymerScreen::chooseColdWater()
{
    panel->clearTemperatures();
    panel->setTemperatureListEnabled(false);
    panel->setTemperaturePanelEnabled(false);
    panel->setCarrierPanelEnabled(false);
    panel->setHeatingChosen(false);
    panel->disableCarrierInputs();
    panel->setTemperatureCaptions(platform::Grey);
    panel->setCarrierCaptions(platform::Grey);
    selectWaterOnly();
    clearResults();
}

void PolymerScreen::chooseHotWater()
{
    panel->setTemperatureListEnabled(true);
    panel->fillTemperatures(temperatures(panel->material(), SystemKind::HotWater));
    panel->setTemperaturePanelEnabled(true);
    panel->setCarrierPanelEnabled(false);
    panel->setHeatingChosen(false);
    panel->setTemperatureCaptions(platform::Black);
    panel->takeTemperature();
    panel->disableCarrierInputs();
    panel->setCarrierCaptions(platform::Grey);
    selectWaterOnly();
    clearResults();
}

void PolymerScreen::chooseHeating()
{
    panel->setTemperatureListEnabled(true);
    panel->fillTemperatures(temperatures(panel->material(), SystemKind::Heating));
    panel->setTemperaturePanelEnabled(true);
    panel->setTemperatureCaptions(platform::Black);
    panel->takeTemperature();
    panel->setCarrierPanelEnabled(true);
    panel->setHeatingChosen(true);
    panel->setCarrierCaptions(platform::Black);
    panel->setCarrierOptionsEnabled(true);
    if (panel->waterSelected())
        chooseWater();
    clearResults();
}

// Hot and cold water take water as it is: "вода" is selected (running its click when it was
// not) and the carrier cannot be changed.
void PolymerScreen::selectWaterOnly()
{
    panel->selectWater();
    panel->setCarrierOptionsEnabled(false);
}

void PolymerScreen::chooseWater()
{
    panel->disableCarrierInputs();
    panel->emptyCarrierInputs();
}

void PolymerScreen::clearResults()
{
    panel->clearResultCaptions();
    panel->clearResultTooltips(
        {BuildingPanel::Result::Slope, BuildingPanel::Result::Advice, BuildingPanel::Result::Loss});
    panel->hideLocalResistanceSum();
}

void PolymerScreen::clearAll()
{
    clearResults();
    panel->clearInputs();
    panel->clearFlowTooltip();
}

void PolymerScreen::reset()
{
    panel->hideLocalResistanceSum();
    panel->resetFittings();
}

void PolymerScreen::chooseOuterDiameter()
{
    outerDiameterField->setText(outerDiameters->currentText());
    showDiameter(outerDiameters->currentText());
}

QString PolymerScreen::chosenSize() const
{
    return outerDiameters->currentIndex() < 0 ? QString() : outerDiameters->currentText();
}

bool PolymerScreen::chooseSize(const QString& designation)
{
    if (!chooseItem(outerDiameters, designation))
        return false;
    chooseOuterDiameter();
    return true;
}

}  // namespace calc::building
