#pragma once

#include "calc/common/tablerecord.h"
#include "calc/screen/calculatorscreen.h"
#include "calc/screen/showncalculation.h"
#include "calc/steel/steelpanel.h"
#include "calc/steel/watergascatalog.h"
#include "ui_frmtablII1.h"

#include <QWidget>

// Table II-1: water-gas steel pipes, ГОСТ 3262-75.
class frmtablII1 : public QWidget, public calc::CalculatorScreen {
    Q_OBJECT
public:
    explicit frmtablII1(const calc::TableRecord& record, QWidget* parent = nullptr);

    calc::CalculationRequest request() const override;
    bool apply(const calc::CalculationRequest& request) override;

private:
    void load();
    void chooseOuterDiameter();
    void chooseWall();
    void toggleOtherDiameter();
    void calculate();

    Ui::frmtablII1 ui;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    calc::steel::SteelPanel<Ui::frmtablII1> steel;
};
