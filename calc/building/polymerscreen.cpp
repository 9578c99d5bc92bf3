#include "calc/building/polymerscreen.h"

#include "calc/building/buildingpanel.h"
#include "calc/building/polymerprocedure.h"
#include "calc/screen/screenwidgets.h"

namespace calc::building {

PolymerScreen::PolymerScreen(BuildingPanel* panel, QRadioButton* coldWater, QRadioButton* hotWater,
                             QRadioButton* heating, QLineEdit* innerDiameter)
    : QObject(panel), panel(panel), coldWater(coldWater), hotWater(hotWater), heating(heating),
      innerDiameter(innerDiameter)
{
    auto& ui = panel->ui;
    onSelected(coldWater, this, &PolymerScreen::chooseColdWater);
    onSelected(hotWater, this, &PolymerScreen::chooseHotWater);
    onSelected(heating, this, &PolymerScreen::chooseHeating);
    onSelected(ui.Option7, this, &PolymerScreen::chooseWater);
    // A click on "вода" when it is already selected empties the carrier's inputs as well.
    connect(ui.Option7, &QRadioButton::clicked, this, &PolymerScreen::chooseWater);
    connect(ui.Combo3, &QComboBox::activated, panel, &BuildingPanel::takeTemperature);
    connect(ui.Command1, &QPushButton::clicked, this, &PolymerScreen::calculate);
    connect(ui.Command2, &QPushButton::clicked, this, &PolymerScreen::clearAll);
    connect(ui.Command4, &QPushButton::clicked, this, &PolymerScreen::reset);
}

void PolymerScreen::load()
{
    auto& ui = panel->ui;
    coldWater->setChecked(true);
    ui.Option5->setChecked(true);
    ui.Option7->setChecked(true);
    for (QWidget* control : std::initializer_list<QWidget*>{ui.Option7, ui.Option8, ui.Combo3, ui.Frame4, ui.Frame5})
        control->setEnabled(false);
    panel->setCarrierCaptions(platform::Grey);
    panel->setTemperatureCaptions(platform::Grey);
    panel->disableCounts();
    panel->hideLocalResistanceSum();
    fillList(ui.Combo3, temperatures(panel->material(), SystemKind::Heating));
    ui.Text18->setEnabled(false);
    ui.Text3->setEnabled(false);
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
    auto& ui = panel->ui;
    ui.Combo3->clear();
    ui.Combo3->setEnabled(false);
    for (QWidget* control : std::initializer_list<QWidget*>{ui.Frame4, ui.Frame5, ui.Text3, ui.Text18})
        control->setEnabled(false);
    panel->setTemperatureCaptions(platform::Grey);
    panel->setCarrierCaptions(platform::Grey);
    selectWaterOnly();
    clearResults();
}

void PolymerScreen::chooseHotWater()
{
    auto& ui = panel->ui;
    ui.Combo3->setEnabled(true);
    fillList(ui.Combo3, temperatures(panel->material(), SystemKind::HotWater));
    ui.Frame4->setEnabled(true);
    ui.Frame5->setEnabled(false);
    panel->setTemperatureCaptions(platform::Black);
    panel->takeTemperature();
    ui.Text3->setEnabled(false);
    ui.Text18->setEnabled(false);
    panel->setCarrierCaptions(platform::Grey);
    selectWaterOnly();
    clearResults();
}

void PolymerScreen::chooseHeating()
{
    auto& ui = panel->ui;
    ui.Combo3->setEnabled(true);
    fillList(ui.Combo3, temperatures(panel->material(), SystemKind::Heating));
    ui.Frame4->setEnabled(true);
    panel->setTemperatureCaptions(platform::Black);
    panel->takeTemperature();
    ui.Frame5->setEnabled(true);
    panel->setCarrierCaptions(platform::Black);
    ui.Option7->setEnabled(true);
    ui.Option8->setEnabled(true);
    if (ui.Option7->isChecked()) {
        for (auto* input : {ui.Text3, ui.Text18}) {
            input->setEnabled(false);
            input->clear();
        }
    }
    clearResults();
}

// Hot and cold water take water as it is: "вода" is selected (running its click when it was
// not) and the carrier cannot be changed.
void PolymerScreen::selectWaterOnly()
{
    auto& ui = panel->ui;
    ui.Option7->setChecked(true);
    ui.Option7->setEnabled(false);
    ui.Option8->setEnabled(false);
}

void PolymerScreen::chooseWater()
{
    for (auto* input : {panel->ui.Text3, panel->ui.Text18}) {
        input->setEnabled(false);
        input->clear();
    }
}

void PolymerScreen::clearResults()
{
    auto& ui = panel->ui;
    for (auto* result : {ui.Label1, ui.Label2, ui.Label3, ui.Label4})
        result->clear();
    for (auto* result : {ui.Label2, ui.Label3, ui.Label4})
        result->setToolTip(QString());
    panel->hideLocalResistanceSum();
}

void PolymerScreen::clearAll()
{
    auto& ui = panel->ui;
    clearResults();
    for (auto* input : {ui.Text3, ui.Text18, ui.Text16, ui.Text1})
        input->clear();
    ui.Text1->setToolTip(QString());
}

void PolymerScreen::reset()
{
    panel->hideLocalResistanceSum();
    panel->resetFittings();
}

void PolymerScreen::calculate() { runPolymerProcedure(*panel, kind(), innerDiameter->text()); }

}  // namespace calc::building
