#pragma once

#include "calc/building/buildingscreen.h"
#include "ui_frmtablII10.h"
#include "widgets/diameterswitch.h"

namespace calc::building {
class PolymerScreen;
}

// Table II-10: cross-linked polyethylene (PEX) pipes, СП 41-109-2005.
class frmtablII10 : public calc::building::BuildingScreen {
    Q_OBJECT
public:
    explicit frmtablII10(const calc::TableRecord& record, QWidget* parent = nullptr);

private:
    void load();
    calc::building::SystemKind kind() const override;
    QString chosenSize() const override;
    bool chooseSize(const QString& designation) override;
    void toggleOtherDiameter() override;
    void chooseSeries();

    Ui::frmtablII10 ui;
    calc::building::PolymerScreen* polymer;
    widgets::DiameterSwitch diameterSwitch;
};
