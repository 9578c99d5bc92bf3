#include "calc/building/frmnagruzka.h"

#include "calc/carrier/heatload.h"
#include "calc/common/numbertext.h"
#include "widgets/toolwindow.h"

using namespace calc::carrier;
using calc::numberText;

frmnagruzka::frmnagruzka(QWidget* parent) : QWidget(parent, Qt::Window)
{
    ui.setupUi(this);
    widgets::prepareToolWindow(this, ui.messageLabel);
    for (auto* input : {ui.loadInput, ui.deltaInput, ui.heatCapacityInput})
        connect(input, &QLineEdit::textChanged, this, &frmnagruzka::recompute);
    connect(ui.applyButton, &QPushButton::clicked, this, &frmnagruzka::apply);
    connect(ui.closeButton, &QPushButton::clicked, this, &QWidget::close);
    setCarrier({});
}

void frmnagruzka::setCarrier(const ScreenCarrier& screenCarrier)
{
    carrier = screenCarrier;
    const bool known = carrier.heatCapacity.has_value();
    ui.heatCapacityInput->setEnabled(!known);
    if (known)
        ui.heatCapacityInput->setText(calc::storedNumberText(*carrier.heatCapacity));
    QString text = carrier.name.isEmpty() ? QStringLiteral("Теплоноситель экрана: другой") : QStringLiteral("Теплоноситель экрана: ") + carrier.name;
    if (known)
        text += QStringLiteral(", c = ") + numberText(*carrier.heatCapacity) + QStringLiteral(" кДж/(кг·К)");
    if (carrier.density)
        text += QStringLiteral(", ρ = ") + numberText(*carrier.density) + QStringLiteral(" кг/м³");
    if (!known)
        text += QStringLiteral("; его теплоёмкость c введите сами");
    ui.carrierLabel->setText(text);
    recompute();
}

void frmnagruzka::recompute()
{
    const LoadAnswer answer = flowFromLoad({ui.loadInput->text(), ui.deltaInput->text(), ui.heatCapacityInput->text(),
                                            carrier.heatCapacity, carrier.density});
    load = answer.load;
    litresPerSecond = answer.litresPerSecond;
    cubicMetresPerHour = answer.cubicMetresPerHour;
    ui.massFlowLabel->setText(answer.massFlow ? numberText(*answer.massFlow) : QString());
    ui.volumeFlowLabel->setText(litresPerSecond ? numberText(*litresPerSecond) + QStringLiteral(" л/сек = ")
                                                      + numberText(*cubicMetresPerHour) + QStringLiteral(" м куб/ч")
                                                : QString());
    ui.messageLabel->setText(answer.message);
    ui.applyButton->setEnabled(litresPerSecond.has_value());
}

void frmnagruzka::apply()
{
    if (load && litresPerSecond)
        emit applied(*load, *litresPerSecond, *cubicMetresPerHour);
}
