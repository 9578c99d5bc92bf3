#pragma once

#include "calc/common/tablerecord.h"
#include "calc/screen/calculatorscreen.h"
#include "calc/screen/showncalculation.h"
#include "calc/screen/simplefindpanel.h"
#include "widgets/diameterswitch.h"
#include "ui_frmtablII6.h"

#include <QWidget>

// Table II-6: reinforced-concrete pipes, ГОСТ 12586.0-83. Its bore is its nominal size, so it
// finds velocity and 1000i the way the glass-fibre and glass screens do.
class frmtablII6 : public QWidget, public calc::CalculatorScreen {
    Q_OBJECT
public:
    explicit frmtablII6(const calc::TableRecord& record, QWidget* parent = nullptr);

    calc::CalculationRequest request() const override;
    bool apply(const calc::CalculationRequest& request) override;

private:
    void load();
    void chooseSize();
    void toggleOtherDiameter();
    void clearAll();

    calc::SizeQuery sizeQuery() const;

    Ui::frmtablII6 ui;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    calc::SimpleFindPanel* panel;
    widgets::DiameterSwitch otherDiameter;
};
