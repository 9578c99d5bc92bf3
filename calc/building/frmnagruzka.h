#pragma once

#include "calc/common/calculationrequest.h"
#include "ui_frmnagruzka.h"

#include <QString>
#include <QWidget>
#include <optional>

// What a heating screen knows of its carrier for the heat balance.
struct ScreenCarrier {
    QString name;  // "вода, 80 °С"; empty when the screen names none
    std::optional<double> heatCapacity;  // кДж/(кг·К)
    std::optional<double> density;       // кг/м³
};

// The flow from a heat load: G = 3,6·Q/(c·Δt) and the volume flow with the screen's ρ;
// "Применить" hands the flow to the screen that opened it.
class frmnagruzka : public QWidget {
    Q_OBJECT
public:
    explicit frmnagruzka(QWidget* parent = nullptr);

    void setCarrier(const ScreenCarrier& carrier);

signals:
    void applied(const calc::HeatLoad& load, double litresPerSecond, double cubicMetresPerHour);

private:
    void recompute();
    void apply();

    Ui::frmnagruzka ui;
    ScreenCarrier carrier;
    std::optional<calc::HeatLoad> load;
    std::optional<double> litresPerSecond;
    std::optional<double> cubicMetresPerHour;
};
