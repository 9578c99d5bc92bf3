#pragma once

#include "calc/castiron_cement/asbestoscement.h"
#include "calc/castiron_cement/nominalsizescreen.h"
#include "calc/common/tablerecord.h"
#include "calc/screen/calculatorscreen.h"
#include "calc/screen/showncalculation.h"
#include "ui_frmtablII4.h"
#include "widgets/diameterswitch.h"

#include <QWidget>

// Table II-4: asbestos-cement pipes, ГОСТ 539-80.
class frmtablII4 : public QWidget, public calc::CalculatorScreen {
    Q_OBJECT
public:
    explicit frmtablII4(const calc::TableRecord& record, QWidget* parent = nullptr);

    calc::CalculationRequest request() const override;
    bool apply(const calc::CalculationRequest& request) override;

private:
    void load();
    void chooseType1();
    void chooseType2();
    void chooseType3();
    void chooseSize();
    void toggleOtherDiameter();
    void clearAll();
    void clearSection();
    bool anyClassChosen() const;
    calc::asbestoscement::PressureClass pressureClass() const;
    int sizeType() const;
    calc::SizeQuery sizeQuery() const;
    bool setConditions(const calc::ConditionChoices& chosen);

    Ui::frmtablII4 ui;
    calc::TableRecord record;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    widgets::DiameterSwitch diameterSwitch;
    calc::nominalsize::FindPanel* nominal;
};
