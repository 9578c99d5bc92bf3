#include "calc/steel/frmtablII1.h"

#include "calc/common/numbertext.h"
#include "calc/common/screenwidgets.h"
#include "calc/common/valueparse.h"
#include "calc/steel/watergascatalog.h"
#include "platform/palette.h"

using namespace calc;
using namespace calc::steel;

frmtablII1::frmtablII1(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    prepareCalculatorWindow(this);
    steel = new SteelPanel(steelControls(this, ui));
    colourClassicButtons(ui.Command2, ui.Command3, ui.Command1, ui.Command4);
    setupHelpButton(ui.Command5, 1);
    makeDocumentLink(ui.Label11, QStringLiteral("c:\\Program Files\\TalverTable\\gost\\g3262.doc"),
                     LinkStyle::DarkBlueWithTooltip);

    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII1::chooseOuterDiameter);
    connect(ui.Combo2, &QComboBox::activated, this, &frmtablII1::chooseWall);
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII1::toggleOtherDiameter);
    // A new pipe condition asks for the wall (or the typed diameter) again.
    connect(ui.Option3, &QRadioButton::toggled, ui.Text2, &QLineEdit::clear);
    connect(ui.Command2, &QPushButton::clicked, steel, &SteelPanel::find);
    connect(ui.Command1, &QPushButton::clicked, steel, &SteelPanel::clearAll);
    connect(ui.Command3, &QPushButton::clicked, this, &frmtablII1::calculate);
    connect(ui.Command4, &QPushButton::clicked, steel, &SteelPanel::clearSection);
    connect(ui.Text1, &NumericInput::enterPressed, steel, &SteelPanel::find);
    connect(ui.Text1, &NumericInput::blankTyped, steel, &SteelPanel::clearAll);
    connect(ui.Text3, &NumericInput::enterPressed, this, &frmtablII1::calculate);

    load();
}

void frmtablII1::load()
{
    for (auto* caption : {ui.Label7_0, ui.Label7_1, ui.Label7_3, ui.Label7_4})
        platform::setCaptionColour(caption, platform::Black);
    for (auto* caption : {ui.Label12_0, ui.Label12_1})
        platform::setCaptionColour(caption, platform::Grey);
    ui.Label13_0->hide();
    ui.Label13_1->hide();
    ui.Check1->setChecked(false);
    ui.Text2->setEnabled(false);
    ui.Option1->setChecked(true);
    ui.Option3->setChecked(true);
    ui.Option5->setChecked(true);
    fillList(ui.Combo1, watergas::outerDiameters());
    ui.Combo2->clear();
    ui.Combo3->clear();
    ui.Combo3->hide();
    ui.Label21_0->hide();
    ui.Label21_1->hide();
    ui.Combo4->hide();
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
