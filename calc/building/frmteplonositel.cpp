#include "calc/building/frmteplonositel.h"

#include "calc/common/numbertext.h"
#include "widgets/toolwindow.h"

using namespace calc::carrier;

frmteplonositel::frmteplonositel(QWidget* parent) : QWidget(parent, Qt::Window)
{
    ui.setupUi(this);
    widgets::prepareToolWindow(this, ui.messageLabel);
    for (auto* option : {ui.carrierWater, ui.carrierEthylene, ui.carrierPropylene})
        connect(option, &QRadioButton::toggled, this, &frmteplonositel::recompute);
    connect(ui.concentrationInput, &QLineEdit::textChanged, this, &frmteplonositel::recompute);
    connect(ui.temperatureInput, &QLineEdit::textChanged, this, &frmteplonositel::recompute);
    connect(ui.applyButton, &QPushButton::clicked, this, &frmteplonositel::apply);
    connect(ui.closeButton, &QPushButton::clicked, this, &QWidget::close);
    recompute();
}

void frmteplonositel::setChoice(const CarrierChoice& choice)
{
    QRadioButton* const options[] = {ui.carrierWater, ui.carrierEthylene, ui.carrierPropylene};
    options[static_cast<int>(choice.fluid)]->setChecked(true);
    ui.concentrationInput->setText(choice.concentration);
    ui.temperatureInput->setText(choice.temperature);
    recompute();
}

Fluid frmteplonositel::fluid() const
{
    if (ui.carrierEthylene->isChecked())
        return Fluid::EthyleneGlycol;
    if (ui.carrierPropylene->isChecked())
        return Fluid::PropyleneGlycol;
    return Fluid::Water;
}

void frmteplonositel::recompute()
{
    const Fluid chosen = fluid();
    ui.concentrationInput->setEnabled(chosen != Fluid::Water);
    const ReferenceAnswer answer = lookUp({chosen, ui.concentrationInput->text(), ui.temperatureInput->text()});
    reading = answer.reading;
    ui.densityLabel->setText(reading ? calc::numberText(reading->shown.density) : QString());
    ui.viscosityLabel->setText(reading ? calc::numberText(reading->shown.viscosityE6) : QString());
    ui.heatCapacityLabel->setText(reading ? calc::numberText(reading->shown.heatCapacity) : QString());
    // Water freezes at 0 °С; a solution shows its point once its concentration is valid.
    ui.freezingLabel->setText(chosen == Fluid::Water ? calc::numberText(0)
                              : answer.freezing    ? calc::numberText(*answer.freezing)
                                                   : QString());
    ui.messageLabel->setText(answer.message);
    ui.sourceLabel->setText(QStringLiteral("Источник: ") + carrierSource(chosen));
    ui.applyButton->setEnabled(reading.has_value());
}

void frmteplonositel::apply()
{
    if (reading)
        emit applied(*reading);
}
