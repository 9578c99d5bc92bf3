#include "calc/plastic_glass/frmtablII7.h"

#include "calc/common/screenwidgets.h"
#include "calc/plastic_glass/glasscatalogs.h"
#include "calc/plastic_glass/plasticglasshydraulics.h"
#include "platform/palette.h"

using namespace calc;
using namespace calc::plastic_glass;

frmtablII7::frmtablII7(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    prepareCalculatorWindow(this);
    panel = new PlasticGlassPanel({this, ui.Text1, ui.Option1, ui.Text2, ui.Check1, ui.Label6, ui.Label3, ui.Label1,
                                   ui.Label2, ui.Text3, ui.Label10},
                                  glassFibreSlope, QString());

    for (auto* button : {ui.Command2, ui.Command3})
        platform::setButtonBackground(button, classicRunColour);
    for (auto* button : {ui.Command1, ui.Command4})
        platform::setButtonBackground(button, classicClearColour);
    setupHelpButton(ui.Command5, 7);
    makeDocumentLink(ui.Label8, QStringLiteral("c:\\Program Files\\TalverTable\\gost\\sp40_104_2001.doc"),
                     LinkStyle::DarkBlueWithTooltip);

    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII7::chooseDiameter);
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII7::toggleOtherDiameter);
    connect(ui.Command2, &QPushButton::clicked, this, &frmtablII7::find);
    connect(ui.Command1, &QPushButton::clicked, this, &frmtablII7::clearAll);
    connect(ui.Command3, &QPushButton::clicked, this, &frmtablII7::calculate);
    connect(ui.Command4, &QPushButton::clicked, panel, &PlasticGlassPanel::clearSection);
    connect(ui.Text1, &NumericInput::enterPressed, this, &frmtablII7::find);
    connect(ui.Text1, &NumericInput::blankTyped, this, &frmtablII7::clearAll);
    connect(ui.Text3, &NumericInput::enterPressed, this, &frmtablII7::calculate);
    connect(ui.Text3, &NumericInput::blankTyped, panel, &PlasticGlassPanel::clearSection);

    load();
}

void frmtablII7::load()
{
    ui.Combo1->clear();
    ui.Option1->setChecked(true);
    ui.Text2->setEnabled(false);
    fillList(ui.Combo1, glassfibre::innerDiameters());
    ui.Check1->setChecked(false);
}

void frmtablII7::chooseDiameter()
{
    // The list holds inner diameters: the item itself is the calculation diameter.
    ui.Label3->setText(ui.Combo1->currentText());
    ui.Text2->setText(ui.Combo1->currentText());
}

void frmtablII7::toggleOtherDiameter()
{
    clearAll();
    ui.Text2->setEnabled(true);
    ui.Combo1->setEnabled(false);
    if (!ui.Check1->isChecked()) {
        ui.Text2->setEnabled(false);
        ui.Combo1->setEnabled(true);
    }
    fillList(ui.Combo1, glassfibre::innerDiameters());
}

void frmtablII7::find() { panel->find(); }

void frmtablII7::calculate()
{
    find();
    panel->showSectionHeadLoss();
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
