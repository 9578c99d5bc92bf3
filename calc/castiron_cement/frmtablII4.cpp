#include "calc/castiron_cement/frmtablII4.h"

#include "calc/common/numbertext.h"
#include "calc/screen/classicrequest.h"
#include "calc/screen/screenwidgets.h"
#include "platform/palette.h"
#include "widgets/documentlink.h"
#include "widgets/screenfit.h"

using namespace calc;
using namespace calc::asbestoscement;

namespace {

const QString noSizeChosen = QStringLiteral(
    "диаметр не может равняться нулю!\r введите значение диаметра в мм\r(кликни по значению в выпадающем списке)");

}  // namespace

frmtablII4::frmtablII4(const TableRecord& record, QWidget* parent) : QWidget(parent), record(record)
{
    ui.setupUi(this);
    widgets::fitToScreen(this);
    shown = prepareCalculatorWindow(this, record, {ui.Command5, {ui.Label9}, widgets::LinkStyle::DarkBlueWithTooltip,
                             ui.selectSizeButton, ui.reportButton, ui.addSectionButton, ui.fixturesButton, ui.Text1, [this] { return sizeQuery(); }});
    diameterSwitch = {.diameter = ui.Text2, .lists = {ui.Combo1}, .catalogCaptions = {ui.Label13}, .typedCaptions = {},
                      .catalogOnly = {ui.Option1, ui.Option2, ui.Option3, ui.Option4, ui.Option5, ui.Option6,
                                      ui.Option7, ui.Frame1, ui.Frame2}};
    nominal = new nominalsize::FindPanel({.window = this, .sizeCaption = ui.Label4, .size = ui.Label3, .sizeList = ui.Combo1,
                                          .diameter = ui.Text2, .otherDiameter = ui.Check1, .flow = ui.Text1,
                                          .litresPerSecond = ui.Option8, .cubicMetresPerHour = ui.Option9,
                                          .velocity = ui.Label1, .thousandI = ui.Label2, .advice = ui.Label7,
                                          .length = ui.Text3, .headLoss = ui.Label10, .shown = shown},
                                         record, noSizeChosen, [this] { return sizeQuery(); });

    const auto onSelected = [this](QRadioButton* option, void (frmtablII4::*action)()) {
        connect(option, &QRadioButton::toggled, this, [this, action](bool on) {
            if (on)
                (this->*action)();
        });
    };
    onSelected(ui.Option1, &frmtablII4::chooseType1);
    onSelected(ui.Option2, &frmtablII4::chooseType2);
    onSelected(ui.Option3, &frmtablII4::chooseType3);
    for (auto* option : {ui.Option4, ui.Option5, ui.Option6, ui.Option7})
        onSelected(option, &frmtablII4::clearAll);
    connect(ui.Combo1, &QComboBox::activated, this, &frmtablII4::chooseSize);
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII4::toggleOtherDiameter);
    connectClassicButtons(this, {ui.Command2, ui.Command1, ui.Command3, ui.Command4, ui.Text1, ui.Text3, shown},
                          {[this] { nominal->calculate(false); }, [this] { clearAll(); }, [this] { nominal->calculate(true); },
                           [this] { clearSection(); }});

    load();
    // The class and type options come before the list in the Tab order, but the size is what a
    // user picks first.
    ui.Combo1->setFocus();
}

CalculationRequest frmtablII4::request() const { return nominal->request(); }

bool frmtablII4::apply(const CalculationRequest& request)
{
    return nominal->apply(request, [this](const ConditionChoices& chosen) { return setConditions(chosen); },
                          [this] { chooseSize(); });
}

// Type, then class.
bool frmtablII4::setConditions(const ConditionChoices& chosen)
{
    return classic::selectOption({ui.Option1, ui.Option2, ui.Option3}, choiceAt(chosen, 0))
           && classic::selectOption({ui.Option4, ui.Option5, ui.Option6, ui.Option7}, choiceAt(chosen, 1));
}

bool frmtablII4::anyClassChosen() const
{
    return ui.Option4->isChecked() || ui.Option5->isChecked() || ui.Option6->isChecked() || ui.Option7->isChecked();
}

PressureClass frmtablII4::pressureClass() const
{
    if (ui.Option5->isChecked())
        return PressureClass::VT9;
    if (ui.Option6->isChecked())
        return PressureClass::VT12;
    if (ui.Option7->isChecked())
        return PressureClass::VT15;
    return PressureClass::VT6;
}

// Type, then class; no class while none of its options is chosen.
SizeQuery frmtablII4::sizeQuery() const
{
    SizeQuery query;
    query.chosen = {sizeType() - 1, anyClassChosen() ? int(pressureClass()) : -1};
    query.flow = typedFlow(ui.Text1, ui.Option8);
    return query;
}

int frmtablII4::sizeType() const
{
    if (ui.Option2->isChecked())
        return 2;
    if (ui.Option3->isChecked())
        return 3;
    return 1;
}

void frmtablII4::load()
{
    ui.Text2->setEnabled(false);
    ui.Option1->setChecked(true);
    ui.Option4->setChecked(true);
    ui.Option8->setChecked(true);
    if (ui.Option1->isChecked())
        ui.Option7->hide();
    fillList(ui.Combo1, sizes(1));
}

// ВТ15 has no type 1 pipes; hidden, it stays chosen if it was, and the list is kept.
void frmtablII4::chooseType1()
{
    clearAll();
    if (ui.Option1->isChecked())
        ui.Option7->hide();
    if (ui.Option4->isChecked() || ui.Option5->isChecked() || ui.Option6->isChecked())
        fillList(ui.Combo1, sizes(1));
}

void frmtablII4::chooseType2()
{
    clearAll();
    if (ui.Option2->isChecked())
        ui.Option7->show();
    if (anyClassChosen())
        fillList(ui.Combo1, sizes(2));
}

void frmtablII4::chooseType3()
{
    clearAll();
    if (ui.Option3->isChecked())
        ui.Option7->show();
    if (anyClassChosen())
        fillList(ui.Combo1, sizes(3));
}

// A size without a catalog row of this class and type shows 0 and leaves the tooltip.
void frmtablII4::chooseSize()
{
    nominal->chooseSize(ui.Combo1->currentText());
    const auto size = sizeNamed(record.sizes(sizeQuery().chosen), ui.Combo1->currentText());
    const bool catalogRow = size && !size->description.isEmpty();
    if (catalogRow)
        ui.Frame3->setToolTip(size->description);
    ui.Text2->setText(storedNumberText(catalogRow ? size->calculationDiameterMm : 0.0));
}

// The document link greys with the catalog but comes back in its link colour, not in black.
void frmtablII4::toggleOtherDiameter()
{
    diameterSwitch.enterTypedDiameterMode();
    platform::setCaptionColour(ui.Label9, platform::Grey);
    if (ui.Check1->isChecked())
        return;

    diameterSwitch.returnToCatalog();
    platform::setCaptionColour(ui.Label9, widgets::documentLinkDarkBlue);
    // Selected from code, the class and type options run their clicks, which clear the results.
    ui.Option4->setChecked(true);
    load();
}

void frmtablII4::clearAll()
{
    ui.Label1->clear();
    ui.Label2->clear();
    nominal->clearSize();
    ui.Label7->clear();
    ui.Label2->setToolTip(QString());
    ui.Frame3->setToolTip(QString());
    ui.Text1->clear();
    ui.Text2->clear();
}

void frmtablII4::clearSection()
{
    ui.Label10->clear();
    ui.Label10->setToolTip(QString());
    ui.Text3->clear();
}
