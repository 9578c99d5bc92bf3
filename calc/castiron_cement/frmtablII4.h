#pragma once

#include "calc/screen/showncalculation.h"
#include "calc/castiron_cement/asbestoscement.h"
#include "calc/castiron_cement/nominalsizescreen.h"
#include "calc/common/tablerecord.h"
#include "ui_frmtablII4.h"
#include "widgets/diameterswitch.h"

#include <QWidget>

// Table II-4: asbestos-cement pipes, ГОСТ 539-80.
class frmtablII4 : public QWidget {
    Q_OBJECT
public:
    explicit frmtablII4(QWidget* parent = nullptr);

private:
    void load();
    void chooseType1();
    void chooseType2();
    void chooseType3();
    void chooseSize();
    void toggleOtherDiameter();
    // The find, and with section the section after it.
    void calculate(bool section);
    void clearAll();
    void clearSection();
    bool anyClassChosen() const;
    calc::asbestoscement::PressureClass pressureClass() const;
    int sizeType() const;
    calc::SizeQuery sizeQuery() const;

    Ui::frmtablII4 ui;
    calc::ShownCalculation* shown = nullptr;  // what the results show, for the record and sections buttons
    widgets::DiameterSwitch diameterSwitch;
    calc::nominalsize::FindControls findControls;
    QString Label14;  // 1000i of the last find
};
