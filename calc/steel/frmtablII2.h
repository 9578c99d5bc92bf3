#pragma once

#include "calc/common/tablerecord.h"
#include "calc/screen/calculatorscreen.h"
#include "calc/screen/showncalculation.h"
#include "calc/steel/steelpanel.h"
#include "ui_frmtablII2.h"

#include <QWidget>

// Table II-2: electric-welded steel pipes, ГОСТ 10704-91.
class frmtablII2 : public QWidget, public calc::CalculatorScreen {
    Q_OBJECT
public:
    explicit frmtablII2(const calc::TableRecord& record, QWidget* parent = nullptr);

    calc::CalculationRequest request() const override;
    bool apply(const calc::CalculationRequest& request) override;

private:
    void load();
    void chooseOuterDiameter();
    void chooseWall();
    void toggleOtherDiameter();
    void calculate();

    Ui::frmtablII2 ui;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    calc::steel::SteelPanel<Ui::frmtablII2> steel;
};
