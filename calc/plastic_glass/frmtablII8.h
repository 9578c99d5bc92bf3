#pragma once

#include "calc/screen/showncalculation.h"
#include "calc/screen/simplefindpanel.h"
#include "widgets/diameterswitch.h"
#include "ui_frmtablII8.h"

#include <QWidget>

// Table II-8: glass pipes, ГОСТ 8894-86.
class frmtablII8 : public QWidget {
    Q_OBJECT
public:
    explicit frmtablII8(QWidget* parent = nullptr);

private:
    void load();
    void chooseOuterDiameter();
    void toggleOtherDiameter();
    void clearAll();

    calc::SizeQuery sizeQuery() const;

    Ui::frmtablII8 ui;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    calc::SimpleFindPanel* panel;
    widgets::DiameterSwitch otherDiameter;
};
