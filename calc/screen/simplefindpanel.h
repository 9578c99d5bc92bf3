#pragma once

#include "calc/simple/simplecalculation.h"

#include <QObject>
#include <QString>

class NumericInput;
class QCheckBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace calc {

// The controls of the find and of the section of the screens whose find reads the diameter
// input as it stands (II-5 to II-8); each screen names its own labels.
struct PanelControls {
    QWidget* window;
    NumericInput* flow;             // Text1
    QRadioButton* litresPerSecond;  // "л/сек"
    NumericInput* diameter;         // Text2, mm
    QCheckBox* otherDiameter;       // Check1
    QLabel* diameterPrefix;         // "d=" or "dp="
    QLabel* diameterShown;
    QLabel* velocity;
    QLabel* thousandI;
    NumericInput* length;           // Text3
    QLabel* headLoss;               // Label10
};

// Reads these screens' inputs into their calculation and shows what it gives.
class SimpleFindPanel : public QObject {
public:
    SimpleFindPanel(const PanelControls& controls, const simple::Material& material, const QString& initialSlopeText);

    QString Label16;  // 1000i of the last successful find, unrounded

    // The flow and the diameter input as they stand; each screen that advises names its compared size.
    simple::Input input() const;
    // Empties the section caption, calculates and shows v and 1000i, or the input error that
    // stopped it after what the find shows before that check.
    simple::Result find(const simple::Input& input);

    // The section head loss from the 1000i of the last successful find.
    simple::Result showSectionHeadLoss();
    void clearSection();

private:
    void showDiameter();

    PanelControls ui;
    simple::Material material;
};

}  // namespace calc
