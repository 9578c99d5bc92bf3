#include "calc/castiron_cement/frmtablII6.h"

#include "calc/castiron_cement/reinforcedconcrete.h"
#include "calc/screen/screenwidgets.h"
#include "widgets/screenfit.h"

using namespace calc;

frmtablII6::frmtablII6(const TableRecord& record, QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    widgets::fitToScreen(this);
    shown = prepareCalculatorWindow(this, record, {ui.Command5, {ui.Label12}, widgets::LinkStyle::DarkBlueWithTooltip,
                             ui.selectSizeButton, ui.reportButton, ui.addSectionButton, ui.fixturesButton, ui.Text1,
                             [this] { return sizeQuery(); }});
    // A typed diameter equal to a nominal size counts as that size in the advice.
    panel = new SimpleFindPanel({this, shown, ui.Text1, ui.Option1, ui.Option2, ui.Text2, ui.Check1, ui.Label6, ui.Label3,
                                 ui.Label1, ui.Label2, ui.Text3, ui.Label10, ui.Label7},
                                record,
                                {[this] { return sizeQuery(); }, [this] { return chosenSize(ui.Check1, ui.Combo1); },
                                 [](const ConditionChoices&) { return true; }, {ui.Combo1, [this] { chooseSize(); }}});
    // A size is its own calculation diameter, so a typed one and the list stay in both modes;
    // no captions change colour.
    otherDiameter.diameter = ui.Text2;
    otherDiameter.lists = {ui.Combo1};
    otherDiameter.keepsTypedValue = true;

    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII6::chooseSize);
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII6::toggleOtherDiameter);
    connectClassicButtons(this, {ui.Command2, ui.Command1, ui.Command3, ui.Command4, ui.Text1, ui.Text3, shown},
                          {[this] { panel->find(); }, [this] { clearAll(); }, [this] { panel->calculate(); },
                           [this] { panel->clearSection(); }});

    load();
}

CalculationRequest frmtablII6::request() const { return panel->request(); }

bool frmtablII6::apply(const CalculationRequest& request) { return panel->apply(request); }

// No condition changes the sizes.
SizeQuery frmtablII6::sizeQuery() const
{
    return {{}, typedFlow(ui.Text1, ui.Option1)};
}

void frmtablII6::load()
{
    ui.Combo1->clear();
    ui.Option1->setChecked(true);
    ui.Text2->setEnabled(false);
    fillList(ui.Combo1, reinforcedconcrete::sizes());
}

void frmtablII6::chooseSize()
{
    ui.Label3->setText(ui.Combo1->currentText());
    ui.Text2->setText(ui.Combo1->currentText());
}

void frmtablII6::toggleOtherDiameter()
{
    clearAll();
    otherDiameter.enterTypedDiameterMode();
    if (!ui.Check1->isChecked())
        otherDiameter.returnToCatalog();
    fillList(ui.Combo1, reinforcedconcrete::sizes());
}

void frmtablII6::clearAll()
{
    ui.Text1->clear();
    panel->clearSection();
    for (auto* label : {ui.Label1, ui.Label2, ui.Label3, ui.Label6, ui.Label7})
        label->clear();
    ui.Label2->setToolTip(QString());
}
