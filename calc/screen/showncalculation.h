#pragma once

#include "calc/common/calculationrequest.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <optional>

class QAbstractButton;
class QLabel;
class QWidget;

namespace calc {

// The calculation whose results a calculator shows right now: set by a successful find or
// section, forgotten by a clear, an error box, a step that empties the results or a change of
// any input the results were computed from (the captions stay). The record button follows any
// shown calculation; the sections button a shown section.
// The object is named "shownCalculation" so that tests can find it on a calculator.
class ShownCalculation : public QObject {
    Q_OBJECT
public:
    ShownCalculation(QAbstractButton* reportButton, QAbstractButton* addSectionButton, QObject* parent);

    // The inputs, lists, options and boxes of the calculator window: once one of them holds
    // another value than when the results were shown, the results are forgotten.
    void watchInputs(const QWidget* window);
    // The labels the figures are written on: greyed in the palette's disabled text colour once an
    // input changes after a calculation, until the next one shows; their texts stay.
    void showFiguresIn(const QList<QLabel*>& figures);
    bool figuresGreyed() const { return greyed; }
    // The calculator shows a row of the sections table: beside "В таблицу участков" a button
    // "Заменить участок №…" hands the shown section to `replace` instead, as the sections button
    // does, for as long as the window is open or until another row is set on it.
    void offerReplacement(const QString& number, std::function<bool(const CalculationRequest&)> replace);
    // The fixtures the shown flow was worked out from, asked for whenever results are shown.
    void takeFixturesFrom(std::function<std::optional<FixtureSupply>()> fixtures);

    void show(const CalculationRequest& input, const CalculationResults& output);
    // A section computed from the shown find: its length, head-loss figures and result line.
    void showSection(double length, const Figures& section, const QString& headLossText);
    void forget();
    // The section results were emptied; the find's stay shown.
    void forgetSection();
    // The screen's own section clear: the inputs it empties are no change of the user's, and the
    // find stays shown.
    void clearSection(const std::function<void()>& clear);

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
    QStringList inputValues() const;
    void forgetWhenInputsChanged();
    void setFiguresGreyed(bool grey);

    QAbstractButton* reportButton;
    QAbstractButton* addSectionButton;
    QAbstractButton* replaceSectionButton = nullptr;
    std::function<bool(const CalculationRequest&)> replaceRow;
    std::optional<CalculationRequest> shownInput;
    CalculationResults shownOutput;
    QList<QPointer<QWidget>> inputs;
    QStringList shownInputValues;  // what the inputs held when the results were shown
    bool screenClearing = false;
    std::function<std::optional<FixtureSupply>()> appliedFixtures;
    struct FigureLabel {
        QPointer<QLabel> label;
        QColor colour;  // its own text colour, given back when it belongs to the inputs again
    };
    QList<FigureLabel> figures;
    bool greyed = false;
};

}  // namespace calc
