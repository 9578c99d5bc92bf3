#include "calc/building/frmtablII10.h"

#include "calc/building/buildingpanel.h"
#include "calc/building/polymerscreen.h"
#include "calc/screen/screenwidgets.h"
#include "platform/palette.h"

using namespace calc;
using namespace calc::building;

frmtablII10::frmtablII10(const TableRecord& record, QWidget* parent) : BuildingScreen(record, parent)
{
    ui.setupUi(this);
    // The series options from top to bottom, in the order of the record's series.
    bind({ui.panel,
          {{ui.Option4, ui.Option9, ui.Option10, ui.Option11, ui.Option12}, {ui.Option1, ui.Option2, ui.Option3}},
          ui.Check13, ui.Text2, ui.Command3, {ui.Label5}, widgets::LinkStyle::BlueWithoutTooltip, ui.selectSizeButton,
          ui.reportButton, ui.addSectionButton});
    ui.panel->setMaterial(Material::Pex);
    polymer = new PolymerScreen(ui.panel, ui.Option1, ui.Option2, ui.Option3, ui.Combo1, ui.Label17,
                                [this](const QString& size) { showCatalogDiameter(size); });
    emptyOnBlank(ui.Text2);
    diameterSwitch.diameter = ui.Text2;
    diameterSwitch.lists = {ui.Combo1};
    diameterSwitch.catalogCaptions = {ui.Label7};
    diameterSwitch.typedCaptions = {ui.Label8};
    diameterSwitch.catalogOnly = {ui.Frame9, ui.Option4, ui.Option9, ui.Option10, ui.Option11, ui.Option12};

    for (auto* series : {ui.Option4, ui.Option9, ui.Option10, ui.Option11, ui.Option12})
        onSelected(series, this, &frmtablII10::chooseSeries);

    load();
    arrangeBuildingScreen(this, ui, ui.Option3);
}

void frmtablII10::load()
{
    polymer->load();
    ui.Option4->setChecked(true);
    ui.Text2->setEnabled(false);
    chooseSeries();
    platform::setCaptionColour(ui.Label7, platform::Black);
    platform::setCaptionColour(ui.Label8, platform::Grey);
}

SystemKind frmtablII10::kind() const { return polymer->kind(); }

void frmtablII10::chooseSeries()
{
    ui.Text2->clear();
    fillList(ui.Combo1, catalogDesignations());
}

void frmtablII10::toggleOtherDiameter()
{
    diameterSwitch.enterTypedDiameterMode();
    if (ui.Check13->isChecked())
        return;
    diameterSwitch.returnToCatalog();
    // SDR 13,6 comes back with its list, whichever series was chosen before.
    ui.Option4->setChecked(true);
    chooseSeries();
}

QString frmtablII10::chosenSize() const { return polymer->chosenSize(); }

bool frmtablII10::chooseSize(const QString& designation) { return polymer->chooseSize(designation); }
