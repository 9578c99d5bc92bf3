#pragma once

#include "calc/screen/showncalculation.h"
#include "calc/building/buildinghydraulics.h"
#include "ui_frmtablII9.h"
#include "widgets/diameterswitch.h"

#include <QWidget>

// Table II-9: copper pipes, СП 40-108-2004.
class frmtablII9 : public QWidget {
    Q_OBJECT
public:
    explicit frmtablII9(QWidget* parent = nullptr);

private:
    void load();
    calc::building::SystemKind kind() const;
    void chooseColdWater();
    void chooseHotWater();
    void chooseHeating();
    void chooseTemperature();
    void toggleOtherDiameter();
    void chooseOuterDiameter();
    void chooseWall();
    void clearAll();
    void calculate();

    calc::SizeQuery sizeQuery() const;

    Ui::frmtablII9 ui;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    widgets::DiameterSwitch diameterSwitch;
};
