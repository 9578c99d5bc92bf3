#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/common/recordfigures.h"

#include <QString>
#include <QStringList>
#include <functional>

// The wording that the records of every table share: numbers as the record writes them and the
// lines of the flow, the velocity, 1000i and the simple section.
namespace calc::description {

// A result as the calculator shows it: rounded to its decimals, the locale's separator.
QString shown(double value, int decimals);
// ν·10⁶ written out: "1,3·10⁻⁶".
QString timesMillionth(double valueE6);
// ν as a term of a formula, written as the table or the user gave it: "1,3·10⁻⁶".
Term viscosityTerm(double viscosity);
// A calculation diameter in metres as a term of a formula: "0,0147".
Term metres(double diameterMm);

// The handbook of hydraulic tables the formulas of II-1 … II-8 come from, as the reference names it.
QString handbookSource();
// A standard's designation as a document names it: "СП 40-102-2000" for the caption "CП40-102-2000".
QString documentName(const QString& designation);

// "Труба: 21.3 × 2.8" or "Труба: диаметр задан вручную".
QString pipeLine(const CalculationRequest& request, const QString& catalogSize);
// "ν = 1,3·10⁻⁶ м²/с"
QString viscosityLine(double viscosity);
// "Q = 0,3 л/сек = 1,08 м куб/ч = 0,0003 м³/с", the typed unit first; the figure "Q".
void addFlowLine(RecordLines& record, const CalculationRequest& request, double flow);
// "v = 4·Q/(π·d²) = 4·0,0003/(π·0,0147²) = 1,768 м/с"; the figure "v".
void addVelocityLine(RecordLines& record, double diameterMm, double velocity);
// 1000i and the pressure per metre from the figure "i".
void addThousandILines(RecordLines& record, const Figures& figures);
// The length and h = i·L of the simple section, when the calculation had one.
void addSimpleSectionLines(RecordLines& record, const CalculationRequest& request, const Figures& figures);
// The record of a classic calculator (II-3 to II-8): its pipe lines, the flow, v, the lines of
// its slope formula for d (m) with the figures "v" and "i" set, 1000i, the section h = i·L and
// the advice.
QStringList classicRecord(const CalculationRequest& request, const CalculationOutcome& outcome, const QStringList& pipe,
                          const std::function<void(RecordLines& record, const Term& d)>& slopeLines);
// The velocity warning and the advice as shown, those that are not empty, and the limit a
// velocity above it exceeds.
void addAdvice(RecordLines& record, const CalculationOutcome& outcome);

}  // namespace calc::description
