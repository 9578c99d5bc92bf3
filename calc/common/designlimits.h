#pragma once

#include "calc/common/tablerecord.h"

#include <QList>
#include <QString>
#include <optional>

// The limits an engineer designs a pipe to, and the size they choose: the smallest of a catalog
// that keeps within them. The size selection and a network's sections choose alike.
namespace calc {

struct DesignLimits {
    double velocity = 0;                 // v, м/с
    std::optional<double> pressureLoss;  // R, Па/м; heating only
};

// Water supply designs to 1,5 м/с (noise, СП 30.13330.2020 8.26); heating to 1 м/с and 150 Па/м.
DesignLimits defaultLimits(bool heating);

// Whether the record's choices make a heating system.
bool heatingChosen(const TableRecord& record, const ConditionChoices& chosen);

// A limit as typed: a number above zero, with a comma or a point; none for anything else.
std::optional<double> typedLimit(const QString& text);

// What a size's figures pass, compared as the window shows them: v and R to 0,001 м/с and Па/м.
struct LimitExcess {
    bool velocity = false;
    bool pressureLoss = false;
};
LimitExcess excessOf(const CalculationOutcome& outcome, const DesignLimits& limits);

struct LimitChoice {
    // The position among the sizes of the smallest calculation diameter that meets every limit;
    // -1 where none does.
    int chosen = -1;
    // The position of the largest computed size and its figures, which tell how far the catalog
    // falls short where none meets the limits; -1 where no size could be computed.
    int largest = -1;
    double largestVelocity = 0;  // м/с
    double largestLoss = 0;      // Па/м: R for heating, the loss of a metre of pipe otherwise
};

// The outcomes are those of the sizes, in their order.
LimitChoice chooseWithinLimits(const QList<CatalogSize>& sizes, const QList<CalculationOutcome>& outcomes,
                               const DesignLimits& limits);
// Every catalog size of the section's conditions computed with its flow and carrier, its own size
// and length aside.
LimitChoice chooseWithinLimits(const TableRecord& record, const CalculationRequest& section,
                               const DesignLimits& limits);

// The section's request for one catalog size, without a length: what a find of that size takes.
CalculationRequest sizeRequest(const CalculationRequest& section, const CatalogSize& size);

// "v ≤ 1,5 м/с", or "v ≤ 1 м/с и R ≤ 150 Па/м".
QString limitsText(const DesignLimits& limits);

// The loss of a metre of pipe in Па/м as the window shows it: R for heating, ρ·g·i otherwise.
std::optional<double> lossPerMetre(const CalculationOutcome& outcome);

}  // namespace calc
