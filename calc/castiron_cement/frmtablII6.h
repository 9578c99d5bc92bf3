#pragma once

#include "ui_frmtablII6.h"

#include <QWidget>

// Table II-6: reinforced-concrete pipes, ГОСТ 12586.0-83.
class frmtablII6 : public QWidget {
    Q_OBJECT
public:
    explicit frmtablII6(QWidget* parent = nullptr);

private:
    void load();
    void chooseSize();
    void toggleOtherDiameter();
    void find();
    void giveAdvice(double flow, double velocity, double size);
    void calculate();
    void clearAll();
    void clearSection();

    Ui::frmtablII6 ui;
    QString Label16;  // 1000i of the last find
};
