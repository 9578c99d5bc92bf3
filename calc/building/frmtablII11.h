#pragma once

#include "calc/screen/showncalculation.h"
#include "ui_frmtablII11.h"
#include "widgets/diameterswitch.h"

#include <QWidget>

namespace calc::building {
class PolymerScreen;
}

// Table II-11: metal-polymer PEX-AL-PEX pipes, СП 41-102-98 and СП 40-102-2000.
class frmtablII11 : public QWidget {
    Q_OBJECT
public:
    explicit frmtablII11(QWidget* parent = nullptr);

private:
    void load();
    void toggleOtherDiameter();
    void chooseOuterDiameter();

    calc::SizeQuery sizeQuery() const;

    Ui::frmtablII11 ui;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    calc::building::PolymerScreen* polymer;
    widgets::DiameterSwitch diameterSwitch;
};
