#include "calc/building/frmtablII9.h"

#include "calc/building/buildingpanel.h"
#include "calc/building/coppercatalog.h"
#include "calc/common/valueparse.h"
#include "calc/screen/screenwidgets.h"
#include "platform/palette.h"

using namespace calc;
using namespace calc::building;

namespace {
const QString hotWaterTemperatureHint = QStringLiteral("для систем ГВС рекомендуется t=60°C");
}  // namespace

frmtablII9::frmtablII9(const TableRecord& record, QWidget* parent) : BuildingScreen(record, parent)
{
    ui.setupUi(this);
    bind({ui.panel, {{ui.Option1, ui.Option2, ui.Option3, ui.Option4}}, ui.Check13, ui.Text2, ui.Command3, {ui.Label21},
          widgets::LinkStyle::DarkBlueWithTooltip, ui.selectSizeButton, ui.reportButton, ui.addSectionButton});
    ui.panel->setMaterial(Material::Copper);
    ui.Label7->hide();
    ui.Label8->hide();
    emptyOnBlank(ui.Text2);
    diameterSwitch.diameter = ui.Text2;
    diameterSwitch.lists = {ui.Combo1, ui.Combo2};
    diameterSwitch.catalogCaptions = {ui.Label5_0, ui.Label5_1};
    diameterSwitch.typedCaptions = {ui.Label15};

    onSelected(ui.Option1, this, &frmtablII9::chooseColdWater);
    onSelected(ui.Option2, this, &frmtablII9::chooseHotWater);
    onSelected(ui.Option3, this, &frmtablII9::chooseHotWater);
    onSelected(ui.Option4, this, &frmtablII9::chooseHeating);
    connect(ui.panel, &BuildingPanel::temperatureChosen, this, &frmtablII9::chooseTemperature);
    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII9::chooseOuterDiameter);
    connect(ui.Combo2, &QComboBox::activated, this, &frmtablII9::chooseWall);
    connect(ui.panel, &BuildingPanel::clearClicked, this, &frmtablII9::clearAll);
    // The sum of the last calculation stays on screen after a reset.
    connect(ui.panel, &BuildingPanel::resetClicked, ui.panel, &BuildingPanel::resetFittings);

    load();
    arrangeBuildingScreen(this, ui, ui.Option4);
}

void frmtablII9::load()
{
    auto* panel = ui.panel;
    ui.Option1->setChecked(true);
    panel->selectLitresPerSecond();
    panel->selectWater();
    panel->setTemperaturePanelEnabled(false);
    panel->setCarrierPanelEnabled(false);
    panel->setHeatingChosen(false);
    ui.Text2->setEnabled(false);
    panel->disableCounts();
    panel->hideLocalResistanceSum();
    for (auto* caption : {ui.Label5_0, ui.Label5_1})
        platform::setCaptionColour(caption, platform::Black);
    platform::setCaptionColour(ui.Label15, platform::Grey);
    fillList(ui.Combo1, copper::outerDiameters());
    panel->fillTemperatures(temperatures(Material::Copper, SystemKind::Heating));
    panel->disableCarrierInputs();
    panel->setCarrierOptionsEnabled(false);
    panel->setCarrierCaptions(platform::Grey);
    panel->setTemperatureCaptions(platform::Grey);
    panel->clearResultTooltips({BuildingPanel::Result::Slope});
    outerDiameter.clear();
    wall.clear();
    ui.Label7->clear();
    ui.Label8->clear();
}

SystemKind frmtablII9::kind() const
{
    if (ui.Option2->isChecked())
        return SystemKind::HotWater;
    if (ui.Option3->isChecked())
        return SystemKind::HotWaterSupply;
    if (ui.Option4->isChecked())
        return SystemKind::Heating;
    return SystemKind::ColdWater;
}

// A change of system keeps the chosen temperature and the results.
void frmtablII9::chooseColdWater()
{
    auto* panel = ui.panel;
    panel->clearTemperatures();
    panel->setTemperaturePanelEnabled(false);
    panel->setCarrierPanelEnabled(false);
    panel->setHeatingChosen(false);
    panel->disableDensityInput();
    panel->setCarrierOptionsEnabled(false);
    panel->setCarrierCaptions(platform::Grey);
    panel->setTemperatureCaptions(platform::Grey);
}

void frmtablII9::chooseHotWater()
{
    auto* panel = ui.panel;
    panel->setTemperaturePanelEnabled(true);
    panel->setHeatingChosen(false);
    panel->fillTemperatures(temperatures(Material::Copper, kind()));
    panel->setTemperatureListTooltip(hotWaterTemperatureHint);
    panel->setCarrierOptionsEnabled(false);
    panel->setCarrierCaptions(platform::Grey);
    panel->setTemperatureCaptions(platform::Black);
}

void frmtablII9::chooseHeating()
{
    auto* panel = ui.panel;
    panel->setTemperaturePanelEnabled(true);
    panel->setCarrierPanelEnabled(true);
    panel->setHeatingChosen(true);
    panel->fillTemperatures(temperatures(Material::Copper, SystemKind::Heating));
    const double density = heatingWaterDensity(panel->temperature());
    if (panel->waterSelected() && density != 0)
        panel->showCarrierDensity(density);
    panel->setCarrierOptionsEnabled(true);
    panel->setCarrierCaptions(platform::Black);
    panel->setTemperatureCaptions(platform::Black);
}

void frmtablII9::chooseTemperature()
{
    auto* panel = ui.panel;
    panel->takeTemperature();
    if (ui.Option2->isChecked())
        panel->setTemperatureListTooltip(hotWaterTemperatureHint);
    if (ui.Option4->isChecked() && panel->waterSelected()) {
        const double t = panel->temperature();
        panel->showCarrierDensity(heatingWaterDensity(t));
        panel->showCarrierViscosity(waterViscosityE6(Material::Copper, t));
    }
    panel->disableDensityInput();
}

void frmtablII9::toggleOtherDiameter()
{
    diameterSwitch.enterTypedDiameterMode();
    if (ui.Check13->isChecked())
        return;
    diameterSwitch.returnToCatalog();
    fillList(ui.Combo1, copper::outerDiameters());
}

void frmtablII9::chooseOuterDiameter()
{
    outerDiameter = ui.Combo1->currentText();
    ui.Label7->setText(outerDiameter);
    fillList(ui.Combo2, copper::walls(parseValue(outerDiameter)));
    wall.clear();
    ui.Label8->clear();
}

void frmtablII9::chooseWall()
{
    wall = ui.Combo2->currentText();
    ui.Label8->setText(wall);
    showCatalogDiameter(chosenSize());
}

// The pipe is named by the outer diameter and wall the inner diameter was worked out from; the
// wall is missing while none is chosen.
QString frmtablII9::chosenSize() const { return copper::designation(outerDiameter, wall); }

bool frmtablII9::chooseSize(const QString& designation)
{
    for (int item = 0; item < ui.Combo1->count(); ++item) {
        const QString outer = ui.Combo1->itemText(item);
        for (const QString& itsWall : copper::walls(parseValue(outer))) {
            if (copper::designation(outer, itsWall) != designation)
                continue;
            ui.Combo1->setCurrentIndex(item);
            chooseOuterDiameter();
            chooseItem(ui.Combo2, itsWall);
            chooseWall();
            return true;
        }
    }
    return false;
}

// Unlike the polymer screens, the temperature is forgotten while the list still shows it.
void frmtablII9::clearAll()
{
    auto* panel = ui.panel;
    panel->clearResultCaptions();
    panel->clearLocalResistanceSum();
    panel->forgetTemperature();
    panel->clearInputs();
    panel->clearResultTooltips({BuildingPanel::Result::Advice, BuildingPanel::Result::Velocity});
}
