#include "calc/building/frmtablII11.h"

#include "calc/building/buildingpanel.h"
#include "widgets/screenfit.h"
#include "calc/building/buildingrecords.h"
#include "calc/building/pexalpexcatalog.h"
#include "calc/building/polymerscreen.h"
#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/screen/screenwidgets.h"
#include "platform/palette.h"

using namespace calc;
using namespace calc::building;

frmtablII11::frmtablII11(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    shown = prepareCalculatorWindow(this, calc::building::pexAlPexRecord(), {ui.Command3, {ui.Label15, ui.Label5}, widgets::LinkStyle::BlueWithoutTooltip,
                             ui.selectSizeButton, ui.reportButton, ui.addSectionButton, ui.panel->flowInput(),
                             [this] { return sizeQuery(); }, [this] { return ui.panel->heatingCarrier(polymer->kind()); }});
    ui.panel->setMaterial(Material::PexAlPex);
    polymer = new PolymerScreen(ui.panel, ui.Option1, ui.Option2, ui.Option3, ui.Text2);
    polymer->publishTo(pexAlPexRecord(), shown, [this] {
        return CalculationRequest{.table = 11, .conditions = sizeQuery(), .size = chosenSize(ui.Check13, ui.Combo1)};
    });
    ui.Label17->hide();
    emptyOnBlank(ui.Text2);
    diameterSwitch.diameter = ui.Text2;
    diameterSwitch.lists = {ui.Combo1};
    diameterSwitch.catalogCaptions = {ui.Label7};
    diameterSwitch.typedCaptions = {ui.Label8};

    connect(ui.Check13, &QCheckBox::clicked, this, &frmtablII11::toggleOtherDiameter);
    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII11::chooseOuterDiameter);

    load();
    arrangeBuildingScreen(this, ui, ui.Option3);
}

void frmtablII11::load()
{
    polymer->load();
    ui.Text2->setEnabled(false);
    fillList(ui.Combo1, pexalpex::outerDiameters());
    platform::setCaptionColour(ui.Label7, platform::Black);
    platform::setCaptionColour(ui.Label8, platform::Grey);
}

void frmtablII11::toggleOtherDiameter()
{
    diameterSwitch.enterTypedDiameterMode();
    if (ui.Check13->isChecked())
        return;
    diameterSwitch.returnToCatalog();
    fillList(ui.Combo1, pexalpex::outerDiameters());
}

void frmtablII11::chooseOuterDiameter()
{
    ui.Label17->setText(ui.Combo1->currentText());
    const double outer = parseValue(ui.Label17->text());
    ui.Text2->setText(storedNumberText(pexalpex::innerDiameter(outer)));
}

// System, then the temperature and heat carrier of the panel.
SizeQuery frmtablII11::sizeQuery() const
{
    return ui.panel->sizeQuery(pexAlPexRecord(), {polymer->systemPosition()});
}
