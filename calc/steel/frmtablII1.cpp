#include "calc/steel/frmtablII1.h"

#include "calc/common/numbertext.h"
#include "calc/screen/screenwidgets.h"
#include "calc/steel/watergascatalog.h"
#include "widgets/screenfit.h"

using namespace calc;
using namespace calc::steel;

frmtablII1::frmtablII1(const TableRecord& record, QWidget* parent) : QWidget(parent), steel(this, ui, record)
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

CalculationRequest frmtablII1::request() const { return steel.request(); }

bool frmtablII1::apply(const CalculationRequest& request) { return steel.apply(request); }

void frmtablII1::load()
{
    steel.load();
    ui.Label13_0->hide();
    ui.Label13_1->hide();
}

void frmtablII1::chooseOuterDiameter()
{
    const double outer = steel.chooseOuterDiameter();
    ui.Label18->clear();
    ui.Label13_0->show();
    ui.Label13_1->show();
    const double nominal = watergas::nominalSize(outer);
    ui.Label17->setText(numberText(nominal));
    ui.Label4->setText(QStringLiteral("d="));
    ui.Label3->setText(numberText(nominal));
}

void frmtablII1::chooseWall()
{
    const auto chosen = steel.chooseWall();
    ui.Label18->setText(watergas::series(watergas::nominalSize(chosen.outer), chosen.wall));
}

void frmtablII1::toggleOtherDiameter()
{
    steel.enterTypedDiameterMode();
    ui.Label13_0->hide();
    ui.Label13_1->hide();
    ui.Label17->clear();
    ui.Label18->clear();
    if (!ui.Check1->isChecked()) {
        steel.returnToCatalog();
        steel.fillOuterDiameters();
    }
    ui.Label4->setText(QStringLiteral("dp="));
    ui.Label3->clear();
}

void frmtablII1::calculate()
{
    const CalculationOutcome outcome = steel.calculate();
    // Unlike II-2, this screen empties the "k=" text after a length error and when it is hidden.
    if (outcome.sectionFailed == Check::LengthZero || (!outcome.sectionFailed && !ui.Frame3->withLocalLosses()))
        ui.Frame3->clearShare();
}
