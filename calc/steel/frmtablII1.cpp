#include "calc/steel/frmtablII1.h"

#include "calc/common/numbertext.h"
#include "calc/registry/tables.h"
#include "calc/screen/screenwidgets.h"
#include "calc/common/valueparse.h"
#include "calc/steel/watergascatalog.h"

using namespace calc;
using namespace calc::steel;

frmtablII1::frmtablII1(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    prepareCalculatorWindow(this, table(1), {ui.Command5, {ui.Label11}, widgets::LinkStyle::DarkBlueWithTooltip});
    steel = new SteelPanel(steelControls(this, ui), [this] { calculate(); });

    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII1::chooseOuterDiameter);
    connect(ui.Combo2, &QComboBox::activated, this, &frmtablII1::chooseWall);
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII1::toggleOtherDiameter);

    load();
}

void frmtablII1::load()
{
    steel->load(watergas::outerDiameters());
    ui.Label13_0->hide();
    ui.Label13_1->hide();
}

void frmtablII1::chooseOuterDiameter()
{
    steel->Label19 = ui.Combo1->currentText();
    ui.Label18->clear();
    steel->Label20.clear();
    ui.Label13_0->show();
    ui.Label13_1->show();
    ui.Text2->clear();

    const double outer = parseValue(steel->Label19);
    if (outer > 80)
        steel->hideLocalLosses();
    if (outer < 80)
        steel->showLocalLosses();

    fillList(ui.Combo2, watergas::walls(outer));
    const double nominal = watergas::nominalSize(outer);
    ui.Label17->setText(numberText(nominal));
    ui.Label4->setText(QStringLiteral("d="));
    ui.Label3->setText(numberText(nominal));
    steel->Label19 = storedNumberText(outer);
}

void frmtablII1::chooseWall()
{
    steel->chooseWall();
    ui.Label18->setText(watergas::series(parseValue(ui.Label17->text()), parseValue(steel->Label20)));
}

void frmtablII1::toggleOtherDiameter()
{
    steel->enterTypedDiameterMode();
    ui.Label13_0->hide();
    ui.Label13_1->hide();
    ui.Label17->clear();
    ui.Label18->clear();
    if (!ui.Check1->isChecked())
        steel->returnToCatalog(watergas::outerDiameters());
    ui.Label4->setText(QStringLiteral("dp="));
    ui.Label3->clear();
}

void frmtablII1::calculate()
{
    const auto outcome = steel->calculate();
    if (outcome == SteelPanel::SectionOutcome::LengthError || outcome == SteelPanel::SectionOutcome::WithoutLocalLosses)
        ui.Label24->clear();
}
