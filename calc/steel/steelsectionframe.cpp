#include "calc/steel/steelsectionframe.h"

#include "calc/common/valueparse.h"
#include "calc/screen/screenwidgets.h"

using namespace calc;
using namespace calc::steel;

SteelSectionFrame::SteelSectionFrame(QWidget* parent) : QGroupBox(parent)
{
    ui.setupUi(this);
    ui.Combo4->hide();
    connect(ui.Combo4, &QComboBox::activated, this, &SteelSectionFrame::chooseSystemType);
    connect(ui.Check2, &QCheckBox::clicked, this, &SteelSectionFrame::toggleLocalLosses);
}

void SteelSectionFrame::connectButtons(QAbstractButton* find, QAbstractButton* mainClear, NumericInput* flow,
                                       calc::ShownCalculation* shown, std::function<void()> findAction,
                                       std::function<void()> mainClearAction)
{
    connectClassicButtons(this, {find, mainClear, ui.Command3, ui.Command4, flow, ui.Text3, shown},
                          {std::move(findAction), std::move(mainClearAction), [this] { emit calculateRequested(); },
                           [this] { clear(); }});
}

void SteelSectionFrame::placeInTabOrder(QWidget* before, QWidget* after)
{
    QWidget* previous = before;
    for (QWidget* control : std::initializer_list<QWidget*>{ui.Text3, ui.Command3, ui.Command4, ui.Check2, ui.Combo4, after}) {
        setTabOrder(previous, control);
        previous = control;
    }
}

double SteelSectionFrame::length() const { return parseValue(ui.Text3->text()); }

std::optional<double> SteelSectionFrame::typedLength() const { return calc::classic::typedLength(ui.Text3); }

bool SteelSectionFrame::withLocalLosses() const { return ui.Check2->isChecked(); }

int SteelSectionFrame::systemTypePosition() const { return ui.Combo4->currentIndex(); }

calc::classic::ChoiceList SteelSectionFrame::systemTypeList() { return {ui.Combo4, [this] { chooseSystemType(); }}; }

void SteelSectionFrame::countLocalLosses(bool counted)
{
    if (ui.Check2->isChecked() != counted)
        ui.Check2->click();
}

NumericInput* SteelSectionFrame::lengthInput() const { return ui.Text3; }

QList<QLabel*> SteelSectionFrame::figureLabels() const { return {ui.Label10, ui.Label24}; }

void SteelSectionFrame::chooseSystemType() { ui.Label24->clear(); }

void SteelSectionFrame::showSystemTypes(SystemKind kind)
{
    fillList(ui.Combo4, systemTypes(kind));
    ui.Combo4->setCurrentIndex(0);
    ui.Label24->clear();
}

void SteelSectionFrame::hideLocalLosses()
{
    if (ui.Check2->isChecked()) {
        ui.Check2->setChecked(false);
        toggleLocalLosses();
    }
    ui.Check2->hide();
}

void SteelSectionFrame::showLocalLosses() { ui.Check2->show(); }

void SteelSectionFrame::clearHeadLossText() { ui.Label10->clear(); }

void SteelSectionFrame::showSection(const calc::CalculationOutcome& outcome)
{
    ui.Label24->setText(calc::steel::shareText(outcome.figures.localShare));
    if (outcome.sectionFailed)
        return;
    ui.Label24->setVisible(ui.Check2->isChecked());
    ui.Label10->setText(outcome.headLossText);
    ui.Label10->setToolTip(calc::headLossPressureTooltip(*outcome.figures.headLossPressure));
}

void SteelSectionFrame::clearShare() { ui.Label24->clear(); }

void SteelSectionFrame::clear()
{
    ui.Label10->clear();
    ui.Label10->setToolTip(QString());
    ui.Text3->clear();
    ui.Label24->clear();
    // The system type is read from the list itself, so the clear has no stored position to lose.
    emit cleared();
}

void SteelSectionFrame::toggleLocalLosses()
{
    ui.Combo4->setVisible(ui.Check2->isChecked());
    clear();
}
