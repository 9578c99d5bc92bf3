#pragma once

#include "calc/building/buildinghydraulics.h"
#include "calc/common/tablerecord.h"

#include <QObject>
#include <functional>

class QLineEdit;
class QRadioButton;

namespace calc {
class ShownCalculation;
}

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
    // The screen's record, where a calculation is shown, and the request of the screen's
    // conditions and size.
    void publishTo(TableRecord record, ShownCalculation* shown, std::function<CalculationRequest()> request);
    // The system's position among the options, as the records count it.
    int systemPosition() const;
    SystemKind kind() const;

private:
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
    TableRecord record;
    ShownCalculation* shown = nullptr;
    std::function<CalculationRequest()> request;
};

}  // namespace calc::building
