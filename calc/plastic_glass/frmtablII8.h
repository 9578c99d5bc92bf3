#pragma once

#include "calc/common/tablerecord.h"
#include "calc/screen/calculatorscreen.h"
#include "calc/screen/showncalculation.h"
#include "calc/screen/simplefindpanel.h"
#include "widgets/diameterswitch.h"
#include "ui_frmtablII8.h"

#include <QWidget>

// Table II-8: glass pipes, ГОСТ 8894-86.
class frmtablII8 : public QWidget, public calc::CalculatorScreen {
    Q_OBJECT
public:
    explicit frmtablII8(const calc::TableRecord& record, QWidget* parent = nullptr);

    calc::CalculationRequest request() const override;
    bool apply(const calc::CalculationRequest& request) override;

private:
    void load();
    void chooseOuterDiameter();
    void toggleOtherDiameter();
    void clearAll();

    calc::SizeQuery sizeQuery() const;

    Ui::frmtablII8 ui;
    calc::TableRecord record;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    calc::SimpleFindPanel* panel;
    widgets::DiameterSwitch otherDiameter;
};
