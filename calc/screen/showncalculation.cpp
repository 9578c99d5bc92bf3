#include "calc/screen/showncalculation.h"

#include <QAbstractButton>

namespace calc {

ShownCalculation::ShownCalculation(QAbstractButton* reportButton, QAbstractButton* addSectionButton, QObject* parent)
    : QObject(parent), reportButton(reportButton), addSectionButton(addSectionButton)
{
    setObjectName(QStringLiteral("shownCalculation"));
    connect(addSectionButton, &QAbstractButton::clicked, this, [this] {
        if (shownInput && shownInput->length)
            emit sectionRequested(*shownInput);
    });
    enableButtons();
}

void ShownCalculation::show(const CalculationRequest& input, const CalculationResults& output)
{
    shownInput = input;
    shownOutput = output;
    enableButtons();
    emit changed();
}

void ShownCalculation::showSection(double length, const Figures& section, const QString& headLossText)
{
    if (!shownInput)
        return;
    shownInput->length = length;
    shownOutput.figures.headLoss = section.headLoss;
    shownOutput.figures.headLossPressure = section.headLossPressure;
    shownOutput.headLossText = headLossText;
    enableButtons();
    emit changed();
}

void ShownCalculation::forget()
{
    if (!shownInput)
        return;
    shownInput.reset();
    shownOutput = {};
    enableButtons();
    emit changed();
}

void ShownCalculation::forgetSection()
{
    if (!shownInput || !shownInput->length)
        return;
    shownInput->length.reset();
    shownInput->localLosses = {};
    for (auto figure : {&Figures::localShare, &Figures::resistanceSum, &Figures::headLoss, &Figures::headLossPressure,
                         &Figures::localPressureLoss, &Figures::pressureDrop})
        (shownOutput.figures.*figure).reset();
    shownOutput.headLossText.clear();
    enableButtons();
    emit changed();
}

void ShownCalculation::enableButtons()
{
    reportButton->setEnabled(shownInput.has_value());
    addSectionButton->setEnabled(shownInput && shownInput->length);
}

}  // namespace calc
