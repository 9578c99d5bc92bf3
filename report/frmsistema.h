#pragma once

#include "report/sectionnetwork.h"
#include "report/sections.h"
#include "ui_frmsistema.h"

#include <QWidget>
#include <optional>

// The figures of a system set once for its sections table: q0, q_hr,u, the velocity limit and the
// heads of formula (14) for water supply; Δt, the pump's reserve and the pipes a section stands for
// in heating. "Применить" hands them over whole, once every one is sound.
class frmsistema : public QWidget {
    Q_OBJECT
public:
    // The water of the table's system gives q0 of a fixture chosen from table А.1.
    frmsistema(report::TableKind kind, const report::NetworkSettings& settings, calc::FixtureWater water,
               QWidget* parent = nullptr);

    // The figures as typed, or the refusal naming the field.
    std::optional<report::NetworkSettings> typed(QString& refusal) const;

signals:
    void applied(const report::NetworkSettings& settings);

private:
    void apply();

    Ui::frmsistema ui;
    report::TableKind kind;
    report::NetworkSettings settings;
};
