#include "calc/steel/frmtablII2.h"

#include "calc/common/numbertext.h"
#include "calc/screen/screenwidgets.h"
#include "widgets/screenfit.h"

using namespace calc;
using namespace calc::steel;

frmtablII2::frmtablII2(const TableRecord& record, QWidget* parent) : QWidget(parent), steel(this, ui, record)
{
    ui.setupUi(this);
    widgets::fitToScreen(this);
    shown = prepareCalculatorWindow(this, record, {ui.Command5, {ui.Label11}, widgets::LinkStyle::DarkBlueWithTooltip,
                             ui.selectSizeButton, ui.reportButton, ui.addSectionButton, ui.fixturesButton, ui.Text1, [this] { return steel.sizeQuery(); }});
    steel.connectControls({[this] { chooseOuterDiameter(); }, [this] { chooseWall(); }, [this] { toggleOtherDiameter(); },
                           [this] { calculate(); }},
                          shown);

    // The size selection and the help button come last, after the section frame.
    ui.Frame3->placeInTabOrder(ui.Command1, ui.selectSizeButton);
    chainToolButtons(ui.selectSizeButton, ui.reportButton, ui.addSectionButton, ui.Command5);

    load();
    ui.Combo1->setFocus();
}

CalculationRequest frmtablII2::request() const { return steel.request(); }

bool frmtablII2::apply(const CalculationRequest& request) { return steel.apply(request); }

void frmtablII2::load() { steel.load(); }

// The diameter display is not touched: it shows calculation diameters only.
void frmtablII2::chooseOuterDiameter() { steel.chooseOuterDiameter(); }

void frmtablII2::chooseWall() { ui.Label3->setText(numberText(steel.chooseWall().bore)); }

void frmtablII2::toggleOtherDiameter()
{
    steel.enterTypedDiameterMode();
    if (!ui.Check1->isChecked()) {
        steel.returnToCatalog();
        steel.fillOuterDiameters();
    }
    ui.Label4->setText(QStringLiteral("dp="));
    ui.Label3->clear();
    // Unlike II-1, every click of the box empties the flow and the results.
    steel.clearAll();
}

// Unlike II-1, this screen keeps the "k=" text after a length error and only hides it.
void frmtablII2::calculate() { steel.calculate(); }
