#pragma once

#include "calc/carrier/carrierreference.h"
#include "ui_frmteplonositel.h"

#include <QWidget>
#include <optional>

// The heat-carrier reference: water or a glycol solution at a temperature, with its ρ, ν, c and
// freezing point; "Применить" hands the carrier to the heating screen that opened it.
class frmteplonositel : public QWidget {
    Q_OBJECT
public:
    explicit frmteplonositel(QWidget* parent = nullptr);

    // What the window shows first: the carrier last applied, or water at the screen's temperature.
    void setChoice(const calc::carrier::CarrierChoice& choice);

signals:
    void applied(const calc::carrier::CarrierReading& reading);

private:
    calc::carrier::Fluid fluid() const;
    void recompute();
    void apply();

    Ui::frmteplonositel ui;
    std::optional<calc::carrier::CarrierReading> reading;
};
