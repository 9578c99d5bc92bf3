#pragma once

#include "calc/common/calculationrequest.h"

#include <QObject>
#include <optional>

class QAbstractButton;

namespace calc {

// The calculation whose results a calculator shows right now: set by a successful find or
// section, forgotten by a clear, an error box or a step that empties the results. The record
// button follows any shown calculation; the sections button a shown section.
// The object is named "shownCalculation" so that the main menu can find it on a calculator.
class ShownCalculation : public QObject {
    Q_OBJECT
public:
    ShownCalculation(QAbstractButton* reportButton, QAbstractButton* addSectionButton, QObject* parent);

    void show(const CalculationRequest& input, const CalculationResults& output);
    // A section computed from the shown find: its length, head-loss figures and result line.
    void showSection(double length, const Figures& section, const QString& headLossText);
    void forget();
    // The section results were emptied; the find's stay shown.
    void forgetSection();

    bool isShown() const { return shownInput.has_value(); }
    const CalculationRequest& input() const { return *shownInput; }
    const CalculationResults& output() const { return shownOutput; }

signals:
    void changed();
    // The sections button was clicked: the shown section goes into the sections table, which the
    // main menu holds.
    void sectionRequested(const calc::CalculationRequest& request);

private:
    void enableButtons();

    QAbstractButton* reportButton;
    QAbstractButton* addSectionButton;
    std::optional<CalculationRequest> shownInput;
    CalculationResults shownOutput;
};

}  // namespace calc
