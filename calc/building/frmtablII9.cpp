#include "calc/building/frmtablII9.h"

#include "calc/building/buildingpanel.h"
#include "calc/building/buildingrecords.h"
#include "calc/building/coppercatalog.h"
#include "calc/building/copperprocedure.h"
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
    prepareCalculatorWindow(this, calc::building::copperRecord(), {ui.Command3, {ui.Label21}, widgets::LinkStyle::DarkBlueWithTooltip});
    ui.panel->setMaterial(Material::Copper);
    ui.Label7->hide();
    ui.Label8->hide();
    emptyOnBlank(ui.Text2);

    onSelected(ui.Option1, this, &frmtablII9::chooseColdWater);
    onSelected(ui.Option2, this, &frmtablII9::chooseHotWater);
    onSelected(ui.Option3, this, &frmtablII9::chooseHotWater);
    onSelected(ui.Option4, this, &frmtablII9::chooseHeating);
    auto& panel = ui.panel->ui;
    connect(panel.Combo3, &QComboBox::activated, this, &frmtablII9::chooseTemperature);
    connect(ui.Check13, &QCheckBox::clicked, this, &frmtablII9::toggleOtherDiameter);
    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII9::chooseOuterDiameter);
    connect(ui.Combo2, &QComboBox::activated, this, &frmtablII9::chooseWall);
    connect(panel.Command1, &QPushButton::clicked, this, &frmtablII9::calculate);
    connect(panel.Command2, &QPushButton::clicked, this, &frmtablII9::clearAll);
    // The sum of the last calculation stays on screen after a reset.
    connect(panel.Command4, &QPushButton::clicked, ui.panel, &BuildingPanel::resetFittings);

    fitButtonsToCaptions(this);
    load();
}

void frmtablII9::load()
{
    auto& panel = ui.panel->ui;
    ui.Option1->setChecked(true);
    panel.Option5->setChecked(true);
    panel.Option7->setChecked(true);
    panel.Frame4->setEnabled(false);
    panel.Frame5->setEnabled(false);
    ui.Text2->setEnabled(false);
    ui.panel->disableCounts();
    ui.panel->hideLocalResistanceSum();
    for (auto* caption : {ui.Label5_0, ui.Label5_1})
        platform::setCaptionColour(caption, platform::Black);
    platform::setCaptionColour(ui.Label15, platform::Grey);
    fillList(ui.Combo1, copper::outerDiameters());
    fillList(panel.Combo3, temperatures(Material::Copper, SystemKind::Heating));
    for (QWidget* control : std::initializer_list<QWidget*>{panel.Text3, panel.Text18, panel.Option7, panel.Option8})
        control->setEnabled(false);
    ui.panel->setCarrierCaptions(platform::Grey);
    ui.panel->setTemperatureCaptions(platform::Grey);
    panel.Label2->setToolTip(QString());
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
    auto& panel = ui.panel->ui;
    panel.Combo3->clear();
    for (QWidget* control :
         std::initializer_list<QWidget*>{panel.Frame4, panel.Frame5, panel.Text3, panel.Option7, panel.Option8})
        control->setEnabled(false);
    ui.panel->setCarrierCaptions(platform::Grey);
    ui.panel->setTemperatureCaptions(platform::Grey);
}

void frmtablII9::chooseHotWater()
{
    auto& panel = ui.panel->ui;
    panel.Frame4->setEnabled(true);
    panel.Combo3->show();
    fillList(panel.Combo3, temperatures(Material::Copper, kind()));
    panel.Combo3->setToolTip(hotWaterTemperatureHint);
    panel.Option7->setEnabled(false);
    panel.Option8->setEnabled(false);
    ui.panel->setCarrierCaptions(platform::Grey);
    ui.panel->setTemperatureCaptions(platform::Black);
}

void frmtablII9::chooseHeating()
{
    auto& panel = ui.panel->ui;
    panel.Frame4->setEnabled(true);
    panel.Frame5->setEnabled(true);
    panel.Combo3->show();
    fillList(panel.Combo3, temperatures(Material::Copper, SystemKind::Heating));
    const double t = parseValue(panel.Label12->text());
    const double density = heatingWaterDensity(t);
    if (panel.Option7->isChecked() && density != 0)
        panel.Text3->setText(storedNumberText(density));
    panel.Option7->setEnabled(true);
    panel.Option8->setEnabled(true);
    ui.panel->setCarrierCaptions(platform::Black);
    ui.panel->setTemperatureCaptions(platform::Black);
}

void frmtablII9::chooseTemperature()
{
    auto& panel = ui.panel->ui;
    ui.panel->takeTemperature();
    if (ui.Option2->isChecked())
        panel.Combo3->setToolTip(hotWaterTemperatureHint);
    if (ui.Option4->isChecked() && panel.Option7->isChecked()) {
        const double t = parseValue(panel.Label12->text());
        panel.Text3->setText(storedNumberText(heatingWaterDensity(t)));
        panel.Text18->setText(storedNumberText(waterViscosityE6(Material::Copper, t)));
    }
    panel.Text3->setEnabled(false);
}

void frmtablII9::toggleOtherDiameter()
{
    ui.Text2->setEnabled(true);
    ui.Text2->clear();
    for (auto* list : {ui.Combo1, ui.Combo2}) {
        list->clear();
        list->setEnabled(false);
    }
    for (auto* caption : {ui.Label5_0, ui.Label5_1})
        platform::setCaptionColour(caption, platform::Grey);
    platform::setCaptionColour(ui.Label15, platform::Black);
    if (ui.Check13->isChecked())
        return;
    for (auto* caption : {ui.Label5_0, ui.Label5_1})
        platform::setCaptionColour(caption, platform::Black);
    platform::setCaptionColour(ui.Label15, platform::Grey);
    ui.Text2->clear();
    ui.Text2->setEnabled(false);
    ui.Combo1->setEnabled(true);
    ui.Combo2->setEnabled(true);
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
    auto& panel = ui.panel->ui;
    for (auto* result : {panel.Label1, panel.Label2, panel.Label3, panel.Label4})
        result->clear();
    panel.Label11->hide();
    panel.Label10->clear();
    panel.Label10->hide();
    panel.Label12->clear();
    for (auto* input : {panel.Text1, panel.Text3, panel.Text18, panel.Text16})
        input->clear();
    panel.Label3->setToolTip(QString());
    panel.Label1->setToolTip(QString());
}

void frmtablII9::calculate()
{
    runCopperProcedure(*ui.panel, {kind(), ui.Text2->text(), ui.Label8->text(), ui.Check13->isChecked()});
}
