#include "calc/plastic_glass/frmtablII8.h"

#include "calc/common/numbertext.h"
#include "calc/plastic_glass/glasscatalogs.h"
#include "calc/screen/screenwidgets.h"
#include "widgets/screenfit.h"

using namespace calc;
using namespace calc::plastic_glass;

frmtablII8::frmtablII8(const TableRecord& record, QWidget* parent) : QWidget(parent), record(record)
{
    ui.setupUi(this);
    widgets::fitToScreen(this);
    shown = prepareCalculatorWindow(this, record, {ui.Command5, {ui.Label17}, widgets::LinkStyle::DarkBlueWithTooltip,
                             ui.selectSizeButton, ui.reportButton, ui.addSectionButton, ui.fixturesButton, ui.Text1,
                             [this] { return sizeQuery(); }});
    panel = new SimpleFindPanel({this, shown, ui.Text1, ui.Option1, ui.Option2, ui.Text2, ui.Check1, ui.Label6, ui.Label3,
                                 ui.Label1, ui.Label2, ui.Text3, ui.Label10},
                                record,
                                {[this] { return sizeQuery(); }, [this] { return chosenSize(ui.Check1, ui.Combo1); },
                                 [](const ConditionChoices&) { return true; }, {ui.Combo1, [this] { chooseOuterDiameter(); }}});
    otherDiameter.diameter = ui.Text2;
    otherDiameter.lists = {ui.Combo1};
    otherDiameter.catalogCaptions = {ui.Label7, ui.Label8};
    otherDiameter.typedCaptions = {ui.Label9, ui.Label11};

    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII8::chooseOuterDiameter);
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII8::toggleOtherDiameter);
    connectClassicButtons(this, {ui.Command2, ui.Command1, ui.Command3, ui.Command4, ui.Text1, ui.Text3, shown},
                          {[this] { panel->find(); }, [this] { clearAll(); }, [this] { panel->calculate(); },
                           [this] { panel->clearSection(); }});

    load();
    ui.Combo1->setFocus();
}

CalculationRequest frmtablII8::request() const { return panel->request(); }

bool frmtablII8::apply(const CalculationRequest& request) { return panel->apply(request); }

// No condition changes the sizes.
SizeQuery frmtablII8::sizeQuery() const
{
    return {{}, typedFlow(ui.Text1, ui.Option1)};
}

void frmtablII8::load()
{
    otherDiameter.returnToCatalog();
    ui.Check1->setChecked(false);
    ui.Option1->setChecked(true);
    fillList(ui.Combo1, glass::outerDiameters());
}

void frmtablII8::chooseOuterDiameter()
{
    // A new pipe asks for its flow again.
    clearAll();
    ui.Text2->clear();
    ui.Label3->setText(ui.Combo1->currentText());
    const auto size = sizeNamed(record.sizes({}), ui.Combo1->currentText());
    ui.Text2->setText(storedNumberText(size ? size->calculationDiameterMm : 0.0));
}

void frmtablII8::toggleOtherDiameter()
{
    // The results of an earlier find stay in both modes.
    otherDiameter.enterTypedDiameterMode();
    if (!ui.Check1->isChecked()) {
        otherDiameter.returnToCatalog();
        fillList(ui.Combo1, glass::outerDiameters());
    }
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
