#include "calc/steel/frmtablII2.h"

#include "calc/common/numbertext.h"
#include "calc/registry/tables.h"
#include "calc/screen/screenwidgets.h"
#include "calc/common/valueparse.h"
#include "calc/steel/electricweldedcatalog.h"

using namespace calc;
using namespace calc::steel;

frmtablII2::frmtablII2(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    prepareCalculatorWindow(this, table(2), {ui.Command5, {ui.Label11}, widgets::LinkStyle::DarkBlueWithTooltip});
    steel = new SteelPanel(steelControls(this, ui), [this] { calculate(); });
    // Until a pipe is chosen the outer diameter and wall fields hold their design texts.
    steel->Label19 = QStringLiteral("Label19");
    steel->Label20 = QStringLiteral("Label20");

    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII2::chooseOuterDiameter);
    connect(ui.Combo2, &QComboBox::activated, this, &frmtablII2::chooseWall);
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII2::toggleOtherDiameter);

    load();
}

void frmtablII2::load() { steel->load(electricwelded::outerDiameters()); }

void frmtablII2::chooseOuterDiameter()
{
    steel->Label19 = ui.Combo1->currentText();
    steel->Label20.clear();
    ui.Text2->clear();
    const double outer = parseValue(steel->Label19);
    fillList(ui.Combo2, electricwelded::walls(outer));
    if (outer > 80)
        steel->hideLocalLosses();
    if (outer < 80)
        steel->showLocalLosses();
    steel->Label19 = storedNumberText(outer);
}

void frmtablII2::chooseWall() { ui.Label3->setText(numberText(steel->chooseWall())); }

void frmtablII2::toggleOtherDiameter()
{
    steel->enterTypedDiameterMode();
    if (!ui.Check1->isChecked())
        steel->returnToCatalog(electricwelded::outerDiameters());
    ui.Label4->setText(QStringLiteral("dp="));
    ui.Label3->clear();
    steel->clearAll();
}

void frmtablII2::calculate()
{
    // Unlike II-1, this screen keeps the "k=" text after a length error and only hides it.
    steel->calculate();
}
