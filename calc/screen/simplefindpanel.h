#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class NumericInput;
class QCheckBox;
class QComboBox;
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

using SlopeFormula = double (*)(double velocity, double diameter);

// Velocity and 1000i of a flow in a pipe of the diameter input, and the simple section head loss.
class SimpleFindPanel : public QObject {
public:
    SimpleFindPanel(const PanelControls& controls, SlopeFormula slope, const QString& initialSlopeText);

    QString Label16;  // 1000i of the last find, unrounded

    struct Found {
        double flow;      // m³/s
        double velocity;  // m/s
    };
    // Shows v and 1000i; nothing when an input error stops it.
    std::optional<Found> find();

    // II-6 and II-7 list calculation diameters: the chosen item is shown and becomes the diameter.
    void chooseListedDiameter(const QComboBox* list);
    // Their other-diameter box: a typed value stays in the diameter input both ways, and the list
    // is refilled either way.
    void switchDiameterSource(QComboBox* list, const QStringList& items);

    // The section head loss from the 1000i of the last successful find.
    void showSectionHeadLoss();
    void clearSection();

private:
    PanelControls ui;
    SlopeFormula slope;
};

}  // namespace calc
