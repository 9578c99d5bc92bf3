#pragma once

#include "calc/building/buildingscreen.h"
#include "ui_frmtablII11.h"
#include "widgets/diameterswitch.h"

namespace calc::building {
class PolymerScreen;
}

// Table II-11: metal-polymer PEX-AL-PEX pipes, СП 41-102-98 and СП 40-102-2000.
class frmtablII11 : public calc::building::BuildingScreen {
    Q_OBJECT
public:
    explicit frmtablII11(const calc::TableRecord& record, QWidget* parent = nullptr);

private:
    void load();
    calc::building::SystemKind kind() const override;
    QString chosenSize() const override;
    bool chooseSize(const QString& designation) override;
    void toggleOtherDiameter() override;

    Ui::frmtablII11 ui;
    calc::building::PolymerScreen* polymer;
    widgets::DiameterSwitch diameterSwitch;
};
