#pragma once

#include "calc/common/tablerecord.h"
#include "calc/screen/calculatorscreen.h"
#include "calc/screen/showncalculation.h"
#include "calc/screen/simplefindpanel.h"
#include "widgets/diameterswitch.h"
#include "ui_frmtablII7.h"

#include <QWidget>

// Table II-7: glass-fibre reinforced plastic pipes, СП 40-104-2001.
class frmtablII7 : public QWidget, public calc::CalculatorScreen {
    Q_OBJECT
public:
    explicit frmtablII7(const calc::TableRecord& record, QWidget* parent = nullptr);

    calc::CalculationRequest request() const override;
    bool apply(const calc::CalculationRequest& request) override;

private:
    void load();
    void chooseDiameter();
    void toggleOtherDiameter();
    void clearAll();

    calc::SizeQuery sizeQuery() const;

    Ui::frmtablII7 ui;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    calc::SimpleFindPanel* panel;
    widgets::DiameterSwitch otherDiameter;
};
