#pragma once

#include "calc/castiron_cement/castiron.h"
#include "calc/castiron_cement/nominalsizescreen.h"
#include "calc/common/tablerecord.h"
#include "calc/screen/calculatorscreen.h"
#include "calc/screen/showncalculation.h"
#include "ui_frmtablII3.h"
#include "widgets/diameterswitch.h"

#include <QWidget>

// Table II-3: cast-iron pipes, ГОСТ 9583-75 and ГОСТ 21053-75.
class frmtablII3 : public QWidget, public calc::CalculatorScreen {
    Q_OBJECT
public:
    explicit frmtablII3(const calc::TableRecord& record, QWidget* parent = nullptr);

    calc::CalculationRequest request() const override;
    bool apply(const calc::CalculationRequest& request) override;

private:
    void load();
    void chooseClass();
    void toggleOtherDiameter();
    void clearAll();
    void clearSection();
    calc::castiron::Condition condition() const;
    calc::SizeQuery sizeQuery() const;
    bool setConditions(const calc::ConditionChoices& chosen);

    Ui::frmtablII3 ui;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    widgets::DiameterSwitch diameterSwitch;
    calc::nominalsize::FindPanel* nominal;
};
