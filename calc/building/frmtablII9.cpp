#include "calc/building/frmtablII9.h"

#include "calc/building/buildingpanel.h"
#include "widgets/screenfit.h"
#include "calc/building/buildingrecords.h"
#include "calc/building/coppercatalog.h"
#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/screen/screenwidgets.h"
#include "platform/palette.h"

using namespace calc;
using namespace calc::building;

namespace {
const QString hotWaterTemperatureHint = QStringLiteral("для систем ГВС рекомендуется t=60°C");
}  // namespace

frmtablII9::frmtablII9(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    shown = prepareCalculatorWindow(this, calc::building::copperRecord(), {ui.Command3, {ui.Label21}, widgets::LinkStyle::DarkBlueWithTooltip,
                             ui.selectSizeButton, ui.reportButton, ui.addSectionButton, ui.panel->flowInput(),
                             [this] { return sizeQuery(); }, [this] { return ui.panel->heatingCarrier(kind()); }});
    connect(ui.panel, &BuildingPanel::resultsCleared, shown, &ShownCalculation::forget);
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
    connect(ui.Check13, &QCheckBox::clicked, this, &frmtablII9::toggleOtherDiameter);
    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII9::chooseOuterDiameter);
    connect(ui.Combo2, &QComboBox::activated, this, &frmtablII9::chooseWall);
    connect(ui.panel, &BuildingPanel::calculateClicked, this, &frmtablII9::calculate);
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
    ui.Label7->setText(ui.Combo1->currentText());
    fillList(ui.Combo2, copper::walls(parseValue(ui.Label7->text())));
    ui.Label8->clear();
}

void frmtablII9::chooseWall()
{
    ui.Label8->setText(ui.Combo2->currentText());
    const double inner = parseValue(ui.Label7->text()) - 2 * parseValue(ui.Label8->text());
    ui.Text2->setText(storedNumberText(inner));
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

// The pipe is named by the outer diameter and wall the inner diameter was worked out from.
void frmtablII9::calculate()
{
    const QString size = ui.Label7->text() + QStringLiteral(" × ") + ui.Label8->text();
    ui.panel->calculate(copperRecord(),
                        {.table = 9, .conditions = sizeQuery(), .size = ui.Check13->isChecked() ? QString() : size,
                         .diameterMm = parseValue(ui.Text2->text())},
                        kind(), shown);
}

// System, then the temperature and heat carrier of the panel.
SizeQuery frmtablII9::sizeQuery() const
{
    const int system = ui.Option2->isChecked() ? 1 : ui.Option3->isChecked() ? 2 : ui.Option4->isChecked() ? 3 : 0;
    return ui.panel->sizeQuery(copperRecord(), {system});
}
