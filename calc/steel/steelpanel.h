#pragma once

#include "calc/steel/steelhydraulics.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class NumericInput;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace calc::steel {

// The controls that both steel screens have under the same names.
struct SteelControls {
    QWidget* window;
    QLabel* Label7_0;
    QLabel* Label7_1;
    QLabel* Label7_3;
    QLabel* Label7_4;
    QComboBox* Combo1;
    QComboBox* Combo2;
    QLabel* Label12_0;
    QLabel* Label12_1;
    QCheckBox* Check1;
    NumericInput* Text1;
    QRadioButton* Option1;
    NumericInput* Text2;
    QRadioButton* Option3;
    QRadioButton* Option5;
    QRadioButton* Option6;
    QLabel* Label21_0;
    QLabel* Label21_1;
    QComboBox* Combo3;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label10;
    QLabel* Label24;
    QLabel* Label26;
    QCheckBox* Check2;
    QComboBox* Combo4;
    NumericInput* Text3;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
};

template <class Ui>
SteelControls steelControls(QWidget* window, Ui& ui)
{
    return {window,      ui.Label7_0,  ui.Label7_1, ui.Label7_3,  ui.Label7_4, ui.Combo1,  ui.Combo2,
            ui.Label12_0, ui.Label12_1, ui.Check1,   ui.Text1,     ui.Option1,  ui.Text2,   ui.Option3,
            ui.Option5,   ui.Option6,   ui.Label21_0, ui.Label21_1, ui.Combo3,   ui.Label1,  ui.Label2,
            ui.Label3,    ui.Label10,   ui.Label24,  ui.Label26,   ui.Check2,   ui.Combo4,  ui.Text3,
            ui.Command1,  ui.Command2,  ui.Command3, ui.Command4};
}

// The find procedure, the water and system choice, the clear buttons and the section head loss
// with local losses that the water-gas and the electric-welded steel screens share. Each screen
// wires its own catalog, other-diameter box and calculate button and adds its own steps.
class SteelPanel : public QObject {
public:
    // The calculate button and Enter in the section length run the screen's own calculate,
    // which adds its steps around calculate() below.
    SteelPanel(const SteelControls& controls, std::function<void()> calculateOnScreen);

    // State fields kept as text, read back through the value parse.
    QString Label27;  // other-diameter flag
    QString Label19;  // chosen outer diameter
    QString Label20;  // chosen wall
    QString Label16;  // 1000i of the last find
    QString Label22;  // hot-water temperature
    QString Label23;  // ν·10^6

    // Initial state of the shared controls, the first list filled with these outer diameters.
    void load(const QStringList& outerDiameters);

    void find();
    // Main clear: the flow, the results and the section.
    void clearAll();

    // Wall chosen from the list: stores it and writes the calculation diameter into the
    // diameter input; returns that diameter (mm).
    double chooseWall();

    // The other-diameter box: the typed-diameter state that every click passes through, and the
    // way back to the catalog when the box is unticked.
    void enterTypedDiameterMode();
    void returnToCatalog(const QStringList& outerDiameters);

    enum class SectionOutcome { LengthError, NotComputable, WithLocalLosses, WithoutLocalLosses };
    SectionOutcome calculate();

    void clearSection();

    // Unticks the local-loss box as a click would, and hides it.
    void hideLocalLosses();
    void showLocalLosses();

    PipeCondition condition() const;

private:
    void chooseColdWater();
    void chooseHotWater();
    void chooseTemperature();
    void chooseSystemType();
    void toggleLocalLosses();
    SystemKind systemKind() const;

    SteelControls ui;
};

}  // namespace calc::steel
