#include "calc/castiron_cement/frmtablII3.h"

#include "calc/common/messages.h"
#include "calc/screen/classicrequest.h"
#include "calc/screen/screenwidgets.h"
#include "widgets/screenfit.h"

using namespace calc;
using namespace calc::castiron;

frmtablII3::frmtablII3(const TableRecord& record, QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    widgets::fitToScreen(this);
    shown = prepareCalculatorWindow(this, record, {ui.Command5, {ui.Label1}, widgets::LinkStyle::DarkBlueWithTooltip,
                             ui.selectSizeButton, ui.reportButton, ui.addSectionButton, ui.fixturesButton, ui.Text1, [this] { return sizeQuery(); }});
    diameterSwitch = {.diameter = ui.Text2, .lists = {ui.Combo1}, .catalogCaptions = {ui.Label14},
                      .typedCaptions = {ui.Label12, ui.Label13}, .catalogOnly = {ui.Option3, ui.Option4}};
    nominal = new nominalsize::FindPanel({.window = this, .sizeCaption = ui.Label11, .size = ui.Label5, .sizeList = ui.Combo1,
                                          .diameter = ui.Text2, .otherDiameter = ui.Check1, .flow = ui.Text1,
                                          .litresPerSecond = ui.Option5, .cubicMetresPerHour = ui.Option6,
                                          .velocity = ui.Label3, .thousandI = ui.Label4, .advice = ui.Label7,
                                          .length = ui.Text3, .headLoss = ui.Label10, .shown = shown},
                                         record, messages::diameterZero, [this] { return sizeQuery(); });

    for (auto* option : {ui.Option3, ui.Option4})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                chooseClass();
        });
    connect(ui.Combo1, &QComboBox::activated, this, [this] { nominal->chooseSize(ui.Combo1->currentText()); });
    connect(ui.Check1, &QCheckBox::clicked, this, &frmtablII3::toggleOtherDiameter);
    connectClassicButtons(this, {ui.Command2, ui.Command1, ui.Command3, ui.Command4, ui.Text1, ui.Text3, shown},
                          {[this] { nominal->calculate(false); }, [this] { clearAll(); }, [this] { nominal->calculate(true); },
                           [this] { clearSection(); }});

    load();
    // The class options come before the list in the Tab order, but the size is what a user picks first.
    ui.Combo1->setFocus();
}

CalculationRequest frmtablII3::request() const { return nominal->request(); }

bool frmtablII3::apply(const CalculationRequest& request)
{
    return nominal->apply(request, [this](const ConditionChoices& chosen) { return setConditions(chosen); },
                          [this] { nominal->chooseSize(ui.Combo1->currentText()); });
}

// Class, then pipe condition.
bool frmtablII3::setConditions(const ConditionChoices& chosen)
{
    return classic::selectOption({ui.Option3, ui.Option4}, choiceAt(chosen, 0))
           && classic::selectOption({ui.Option1, ui.Option2}, choiceAt(chosen, 1));
}

Condition frmtablII3::condition() const { return ui.Option2->isChecked() ? Condition::New : Condition::NonNew; }

// Class, then pipe condition.
SizeQuery frmtablII3::sizeQuery() const
{
    SizeQuery query;
    query.chosen = {ui.Option3->isChecked() ? 0 : 1, condition() == Condition::New ? 1 : 0};
    query.flow = typedFlow(ui.Text1, ui.Option5);
    return query;
}

void frmtablII3::load()
{
    diameterSwitch.returnToCatalog();
    ui.Option1->setChecked(true);
    ui.Option3->setChecked(true);
    ui.Option5->setChecked(true);
    fillList(ui.Combo1, sizes(PipeClass::LA));
}

// The chosen size stays: until another is chosen, the find keeps using it.
void frmtablII3::chooseClass() { fillList(ui.Combo1, sizes(ui.Option3->isChecked() ? PipeClass::LA : PipeClass::A)); }

// Unticked, the whole load runs again: the condition and the flow unit go back to their defaults.
void frmtablII3::toggleOtherDiameter()
{
    diameterSwitch.enterTypedDiameterMode();
    if (!ui.Check1->isChecked())
        load();
}

void frmtablII3::clearAll()
{
    ui.Label3->clear();
    ui.Label4->clear();
    ui.Label7->clear();
    ui.Label4->setToolTip(QString());
    ui.Label10->setToolTip(QString());
    ui.Text2->clear();
    ui.Text2->setToolTip(QString());
    ui.Text1->clear();
    ui.Text1->setToolTip(QStringLiteral("введите сюда значение расхода"));
}

void frmtablII3::clearSection()
{
    ui.Label10->clear();
    ui.Label10->setToolTip(QString());
    ui.Text3->clear();
}
