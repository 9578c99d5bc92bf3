#include "calc/plastic_glass/frmtablII7.h"

#include "calc/plastic_glass/glasscatalogs.h"
#include "calc/screen/screenwidgets.h"
#include "widgets/screenfit.h"

using namespace calc;
using namespace calc::plastic_glass;

frmtablII7::frmtablII7(const TableRecord& record, QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    widgets::fitToScreen(this);
    shown = prepareCalculatorWindow(this, record, {ui.Command5, {ui.Label8}, widgets::LinkStyle::DarkBlueWithTooltip,
                             ui.selectSizeButton, ui.reportButton, ui.addSectionButton, ui.fixturesButton, ui.Text1,
                             [this] { return sizeQuery(); }});
    panel = new SimpleFindPanel({this, shown, ui.Text1, ui.Option1, ui.Option2, ui.Text2, ui.Check1, ui.Label6, ui.Label3,
                                 ui.Label1, ui.Label2, ui.Text3, ui.Label10},
                                record,
                                {[this] { return sizeQuery(); }, [this] { return chosenSize(ui.Check1, ui.Combo1); },
                                 [](const ConditionChoices&) { return true; }, {ui.Combo1, [this] { chooseDiameter(); }}});
    // The list holds calculation diameters, so a typed one and the list stay in both modes;
    // no captions change colour.
    otherDiameter.diameter = ui.Text2;
    otherDiameter.lists = {ui.Combo1};
    otherDiameter.keepsTypedValue = true;

    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII7::chooseDiameter);
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII7::toggleOtherDiameter);
    connectClassicButtons(this, {ui.Command2, ui.Command1, ui.Command3, ui.Command4, ui.Text1, ui.Text3, shown},
                          {[this] { panel->find(); }, [this] { clearAll(); }, [this] { panel->calculate(); },
                           [this] { panel->clearSection(); }});

    load();
    ui.Combo1->setFocus();
}

CalculationRequest frmtablII7::request() const { return panel->request(); }

bool frmtablII7::apply(const CalculationRequest& request) { return panel->apply(request); }

// No condition changes the sizes.
SizeQuery frmtablII7::sizeQuery() const
{
    return {{}, typedFlow(ui.Text1, ui.Option1)};
}

void frmtablII7::load()
{
    ui.Option1->setChecked(true);
    ui.Text2->setEnabled(false);
    fillList(ui.Combo1, glassfibre::innerDiameters());
    ui.Check1->setChecked(false);
}

void frmtablII7::chooseDiameter()
{
    ui.Label3->setText(ui.Combo1->currentText());
    ui.Text2->setText(ui.Combo1->currentText());
}

void frmtablII7::toggleOtherDiameter()
{
    clearAll();
    otherDiameter.enterTypedDiameterMode();
    if (!ui.Check1->isChecked())
        otherDiameter.returnToCatalog();
    fillList(ui.Combo1, glassfibre::innerDiameters());
}

void frmtablII7::clearAll()
{
    ui.Text1->clear();
    ui.Label1->clear();
    ui.Label2->clear();
    ui.Label2->setToolTip(QString());
    panel->clearSection();
    ui.Label3->clear();
    ui.Label6->clear();
}
