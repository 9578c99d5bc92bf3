#include "calc/building/frmtablII11.h"

#include "calc/building/buildingpanel.h"
#include "calc/building/polymerscreen.h"
#include "calc/screen/screenwidgets.h"
#include "platform/palette.h"

using namespace calc;
using namespace calc::building;

frmtablII11::frmtablII11(const TableRecord& record, QWidget* parent) : BuildingScreen(record, parent)
{
    ui.setupUi(this);
    bind({ui.panel, {{ui.Option1, ui.Option2, ui.Option3}}, ui.Check13, ui.Text2, ui.Command3, {ui.Label15, ui.Label5},
          widgets::LinkStyle::BlueWithoutTooltip, ui.selectSizeButton, ui.reportButton, ui.addSectionButton});
    ui.panel->setMaterial(Material::PexAlPex);
    polymer = new PolymerScreen(ui.panel, ui.Option1, ui.Option2, ui.Option3, ui.Combo1, ui.Label17,
                                [this](const QString& size) { showCatalogDiameter(size); });
    emptyOnBlank(ui.Text2);
    diameterSwitch.diameter = ui.Text2;
    diameterSwitch.lists = {ui.Combo1};
    diameterSwitch.catalogCaptions = {ui.Label7};
    diameterSwitch.typedCaptions = {ui.Label8};


    load();
    arrangeBuildingScreen(this, ui, ui.Option3);
}

void frmtablII11::load()
{
    polymer->load();
    ui.Text2->setEnabled(false);
    fillList(ui.Combo1, catalogDesignations());
    platform::setCaptionColour(ui.Label7, platform::Black);
    platform::setCaptionColour(ui.Label8, platform::Grey);
}

SystemKind frmtablII11::kind() const { return polymer->kind(); }

void frmtablII11::toggleOtherDiameter()
{
    diameterSwitch.enterTypedDiameterMode();
    if (ui.Check13->isChecked())
        return;
    diameterSwitch.returnToCatalog();
    fillList(ui.Combo1, catalogDesignations());
}

QString frmtablII11::chosenSize() const { return polymer->chosenSize(); }

bool frmtablII11::chooseSize(const QString& designation) { return polymer->chooseSize(designation); }
