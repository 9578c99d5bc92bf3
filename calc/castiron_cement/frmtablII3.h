#pragma once

#include "calc/screen/showncalculation.h"
#include "calc/castiron_cement/castiron.h"
#include "calc/common/tablerecord.h"
#include "calc/castiron_cement/nominalsizescreen.h"
#include "ui_frmtablII3.h"
#include "widgets/diameterswitch.h"

#include <QWidget>

// Table II-3: cast-iron pipes, ГОСТ 9583-75 and ГОСТ 21053-75.
class frmtablII3 : public QWidget {
    Q_OBJECT
public:
    explicit frmtablII3(QWidget* parent = nullptr);

private:
    void load();
    void chooseClass();
    void toggleOtherDiameter();
    // The find, and with section the section after it.
    void calculate(bool section);
    void clearAll();
    void clearSection();
    calc::castiron::Condition condition() const;
    calc::SizeQuery sizeQuery() const;

    Ui::frmtablII3 ui;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    widgets::DiameterSwitch diameterSwitch;
    calc::nominalsize::FindControls findControls;
    QString Label15;  // 1000i of the last find
};
