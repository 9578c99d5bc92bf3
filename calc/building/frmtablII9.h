#pragma once

#include "calc/building/buildingscreen.h"
#include "ui_frmtablII9.h"
#include "widgets/diameterswitch.h"

// Table II-9: copper pipes, СП 40-108-2004.
class frmtablII9 : public calc::building::BuildingScreen {
    Q_OBJECT
public:
    explicit frmtablII9(const calc::TableRecord& record, QWidget* parent = nullptr);

private:
    void load();
    calc::building::SystemKind kind() const override;
    QString chosenSize() const override;
    bool chooseSize(const QString& designation) override;
    void toggleOtherDiameter() override;
    void chooseColdWater();
    void chooseHotWater();
    void chooseHeating();
    void chooseTemperature();
    void chooseOuterDiameter();
    void chooseWall();
    void clearAll();

    Ui::frmtablII9 ui;
    widgets::DiameterSwitch diameterSwitch;
    // The outer diameter and the wall as their lists name them; they outlive a typed diameter,
    // and a new outer diameter forgets the wall.
    QString outerDiameter;
    QString wall;
};
