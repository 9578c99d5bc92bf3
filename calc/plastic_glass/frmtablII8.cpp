#include "calc/plastic_glass/frmtablII8.h"

#include "calc/common/numbertext.h"
#include "calc/registry/tables.h"
#include "calc/screen/screenwidgets.h"
#include "calc/plastic_glass/glasscatalogs.h"
#include "calc/plastic_glass/plasticglasshydraulics.h"

using namespace calc;
using namespace calc::plastic_glass;

frmtablII8::frmtablII8(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    prepareCalculatorWindow(this, table(8), {ui.Command5, {ui.Label17}, widgets::LinkStyle::DarkBlueWithTooltip});
    panel = new SimpleFindPanel({this, ui.Text1, ui.Option1, ui.Text2, ui.Check1, ui.Label6, ui.Label3, ui.Label1,
                                 ui.Label2, ui.Text3, ui.Label10},
                                glassSlope, QString());

    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII8::chooseOuterDiameter);
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII8::toggleOtherDiameter);
    connectClassicButtons(this, {ui.Command2, ui.Command1, ui.Command3, ui.Command4, ui.Text1, ui.Text3},
                          {[this] { find(); }, [this] { clearAll(); }, [this] { calculate(); },
                           [this] { panel->clearSection(); }});

    load();
}

void frmtablII8::load()
{
    colourCatalogRows(platform::Black, platform::Grey);
    ui.Check1->setChecked(false);
    ui.Text2->setEnabled(false);
    ui.Option1->setChecked(true);
    fillList(ui.Combo1, glass::outerDiameters());
}

void frmtablII8::colourCatalogRows(platform::PaletteIndex catalog, platform::PaletteIndex typed)
{
    for (auto* caption : {ui.Label7, ui.Label8})
        platform::setCaptionColour(caption, catalog);
    for (auto* caption : {ui.Label9, ui.Label11})
        platform::setCaptionColour(caption, typed);
}

void frmtablII8::chooseOuterDiameter()
{
    // A new pipe asks for its flow again.
    clearAll();
    ui.Text2->clear();
    ui.Label3->setText(ui.Combo1->currentText());
    ui.Text2->setText(storedNumberText(glass::innerDiameter(ui.Combo1->currentText())));
}

void frmtablII8::toggleOtherDiameter()
{
    colourCatalogRows(platform::Grey, platform::Black);
    ui.Combo1->clear();
    ui.Text2->setEnabled(true);
    ui.Text2->clear();
    ui.Combo1->setEnabled(false);
    if (!ui.Check1->isChecked()) {
        ui.Text2->setEnabled(false);
        colourCatalogRows(platform::Black, platform::Grey);
        ui.Combo1->setEnabled(true);
        fillList(ui.Combo1, glass::outerDiameters());
    }
}

void frmtablII8::find() { panel->find(); }

void frmtablII8::calculate()
{
    find();
    panel->showSectionHeadLoss();
}

void frmtablII8::clearAll()
{
    ui.Text1->clear();
    ui.Label1->clear();
    ui.Label2->clear();
    ui.Label2->setToolTip(QString());
    panel->clearSection();
    ui.Label3->clear();
    ui.Label6->clear();
}
