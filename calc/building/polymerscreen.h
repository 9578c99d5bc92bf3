#pragma once

#include "calc/building/buildinghydraulics.h"

#include <QObject>
#include <functional>

class QComboBox;
class QLabel;
class QRadioButton;

namespace calc::building {

class BuildingPanel;

// What the PEX and the PEX-AL-PEX screens do alike: their three system options, the heat
// carrier, the temperature, "Очистить", "Сброс" and the list of outer diameters that names the
// pipe. Each screen adds what fills the list.
class PolymerScreen : public QObject {
public:
    // `showDiameter` writes the calculation diameter of the size of this name.
    PolymerScreen(BuildingPanel* panel, QRadioButton* coldWater, QRadioButton* hotWater, QRadioButton* heating,
                  QComboBox* outerDiameters, QLabel* outerDiameterField,
                  std::function<void(const QString&)> showDiameter);

    // The load steps both screens share.
    void load();
    SystemKind kind() const;
    QString chosenSize() const;
    bool chooseSize(const QString& designation);

private:
    void chooseColdWater();
    void chooseHotWater();
    void chooseHeating();
    void selectWaterOnly();
    void chooseWater();
    void clearResults();
    void clearAll();
    void reset();
    void chooseOuterDiameter();

    BuildingPanel* panel;
    QRadioButton* coldWater;
    QRadioButton* hotWater;
    QRadioButton* heating;
    QComboBox* outerDiameters;
    QLabel* outerDiameterField;  // the state field of the last outer diameter chosen
    std::function<void(const QString&)> showDiameter;
};

}  // namespace calc::building
