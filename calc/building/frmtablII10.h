#pragma once

#include "calc/screen/showncalculation.h"
#include "ui_frmtablII10.h"
#include "widgets/diameterswitch.h"

#include <QWidget>

namespace calc::building {
class PolymerScreen;
}

// Table II-10: cross-linked polyethylene (PEX) pipes, СП 41-109-2005.
class frmtablII10 : public QWidget {
    Q_OBJECT
public:
    explicit frmtablII10(QWidget* parent = nullptr);

private:
    void load();
    void chooseSeries();
    void toggleOtherDiameter();
    void chooseOuterDiameter();

    calc::SizeQuery sizeQuery() const;

    Ui::frmtablII10 ui;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    calc::building::PolymerScreen* polymer;
    widgets::DiameterSwitch diameterSwitch;
};
