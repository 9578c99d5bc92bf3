#pragma once

#include "calc/building/buildinghydraulics.h"
#include "platform/palette.h"
#include "ui_buildingpanel.h"

#include <QWidget>

class NumericInput;

namespace calc::building {

// Whatever the copper, PEX and PEX-AL-PEX screens share: flow, temperature, heat carrier,
// fittings, section length, results and the buttons that run, clear and reset them. Each
// screen holds one and wires its own system options, diameter panel and procedure to it.
class BuildingPanel : public QWidget {
    Q_OBJECT
public:
    explicit BuildingPanel(QWidget* parent = nullptr);

    // Row 12, its drawing, its ξ and the viscosity unit depend on the pipe.
    void setMaterial(Material material);
    Material material() const { return pipeMaterial; }

    // Count inputs wait for their box to be ticked.
    void disableCounts();

    // Unticks every fitting as a click would, counts back to "1", "другие " emptied.
    void resetFittings();

    // The temperature state field takes the chosen list item.
    void takeTemperature();

    void setTemperatureCaptions(platform::PaletteIndex colour);
    void setCarrierCaptions(platform::PaletteIndex colour);

    double localResistanceSum() const;
    void showLocalResistanceSum(double sum);
    void hideLocalResistanceSum();

    // Light red advice above the system's limit; black and empty up to it.
    void showVelocityAdvice(double v, SystemKind kind);

    Ui::BuildingPanel ui;

private:
    void toggleFitting(int row);
    void chooseOtherCarrier();

    Material pipeMaterial = Material::Copper;
};

// Check boxes and options as wide as their captions, so that only a click on the caption or the
// box ticks them.
void fitButtonsToCaptions(QWidget* window);

// Runs an option's action whenever it becomes selected, by a click or from code.
template <class Receiver>
void onSelected(QRadioButton* option, Receiver* receiver, void (Receiver::*action)())
{
    QObject::connect(option, &QRadioButton::toggled, receiver, [receiver, action](bool on) {
        if (on)
            (receiver->*action)();
    });
}

// A blank typed into a building-services input empties it first.
void emptyOnBlank(NumericInput* input);

}  // namespace calc::building
