#pragma once

#include "calc/building/buildinghydraulics.h"

#include <QObject>

class QLineEdit;
class QRadioButton;

namespace calc::building {

class BuildingPanel;

// What the PEX and the PEX-AL-PEX screens do alike: their three system options, the heat
// carrier, the temperature, "Очистить", "Сброс" and "Рассчитать". Each screen adds its own
// diameter panel.
class PolymerScreen : public QObject {
public:
    PolymerScreen(BuildingPanel* panel, QRadioButton* coldWater, QRadioButton* hotWater, QRadioButton* heating,
                  QLineEdit* innerDiameter);

    // The load steps both screens share.
    void load();
    // The system's position among the options, as the records count it.
    int systemPosition() const;

private:
    SystemKind kind() const;
    void chooseColdWater();
    void chooseHotWater();
    void chooseHeating();
    void selectWaterOnly();
    void chooseWater();
    void clearResults();
    void clearAll();
    void reset();
    void calculate();

    BuildingPanel* panel;
    QRadioButton* coldWater;
    QRadioButton* hotWater;
    QRadioButton* heating;
    QLineEdit* innerDiameter;
};

}  // namespace calc::building
