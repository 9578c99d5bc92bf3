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

void ShownCalculation::forget()
{
    if (!shownInput)
        return;
    shownInput.reset();
    shownOutput = {};
    enableButtons();
    emit changed();
}

void ShownCalculation::enableButtons()
{
    reportButton->setEnabled(shownInput.has_value());
    addSectionButton->setEnabled(shownInput && shownInput->length);
}

}  // namespace calc
