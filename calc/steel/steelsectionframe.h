#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/screen/classicrequest.h"
#include "calc/steel/steelcalculation.h"
#include "ui_steelsectionframe.h"

#include <QGroupBox>
#include <QList>
#include <functional>
#include <optional>

class NumericInput;
class QAbstractButton;
class QLabel;
namespace calc {
class ShownCalculation;
}

// The section frame of both steel screens: the section length, the local-loss box with the
// system-type list, the "k=" display and the section head loss.
class SteelSectionFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit SteelSectionFrame(QWidget* parent = nullptr);

    // Colours and connects the screen's find and main clear buttons and flow keys together with
    // this frame's calculate and section clear, as every classic screen has them; the section
    // clear keeps the find shown.
    void connectButtons(QAbstractButton* find, QAbstractButton* mainClear, NumericInput* flow, calc::ShownCalculation* shown,
                        std::function<void()> findAction, std::function<void()> mainClearAction);

    // The frame's controls, in reading order, come between these two of the screen.
    void placeInTabOrder(QWidget* before, QWidget* after);

    double length() const;
    // The length where one is typed; none while its input is blank.
    std::optional<double> typedLength() const;
    bool withLocalLosses() const;
    int systemTypePosition() const;

    // What a request sets on the frame: the system-type list, the local-loss box as a click on it
    // sets it and the length input.
    calc::classic::ChoiceList systemTypeList();
    void countLocalLosses(bool counted);
    NumericInput* lengthInput() const;
    // The labels the section's figures are written on.
    QList<QLabel*> figureLabels() const;

    // The system types of a system kind, the first one chosen.
    void showSystemTypes(calc::steel::SystemKind kind);
    // Unticks the local-loss box as a click would, and hides it.
    void hideLocalLosses();
    void showLocalLosses();

    // A find empties the head loss caption; its tooltip stays until the next section.
    void clearHeadLossText();
    // "k=" in any case; the head loss when the section passed its checks.
    void showSection(const calc::CalculationOutcome& outcome);
    void clearShare();
    // The section clear.
    void clear();

signals:
    void calculateRequested();
    // Every section clear: the screen empties what belongs to it outside the frame.
    void cleared();

private:
    void toggleLocalLosses();
    void chooseSystemType();

    Ui::SteelSectionFrame ui;
};
