#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/common/tablerecord.h"

#include <QString>
#include <QStringList>
#include <functional>

// The wording that the records of every table share: numbers as the record writes them and the
// lines of the flow, the velocity, 1000i and the simple section.
namespace calc::description {

// A result as the calculator shows it: rounded to its decimals, the locale's separator.
QString shown(double value, int decimals);
// An intermediate figure: four significant digits.
QString approx(double value);
// ν·10⁶ written out: "1,3·10⁻⁶".
QString timesMillionth(double valueE6);

// "Труба: 21.3 × 2.8" or "Труба: диаметр задан вручную".
QString pipeLine(const CalculationRequest& request, const QString& catalogSize);
// "ν = 1,3·10⁻⁶ м²/с"
QString viscosityLine(double viscosity);
// "Q = 0,3 л/сек = 1,08 м куб/ч = 0,0003 м³/с", the typed unit first.
QString flowLine(const CalculationRequest& request, double flow);
// "v = 4·Q/(π·d²) = 4·0,0003/(π·0,0147²) = 1,768 м/с"
QString velocityLine(double flow, double diameterMm, double velocity);
// 1000i and the pressure per metre as the classic calculators show them.
QStringList thousandILines(const Figures& figures);
// The length and h = i·L of the simple section, when the calculation had one.
QStringList simpleSectionLines(const CalculationRequest& request, const Figures& figures);
// The record of a classic calculator (II-3 to II-8): its pipe lines, the flow, v, the lines of
// its slope formula for v (m/s), d (m) and i, 1000i, the section h = i·L and the advice.
QStringList classicRecord(const CalculationRequest& request, const CalculationOutcome& outcome, const QStringList& pipe,
                          const std::function<QStringList(double v, double d, double i)>& slopeLines);
// The velocity warning and the advice as shown, those that are not empty.
QStringList shownAdvice(const CalculationOutcome& outcome);

// The whole record: the table, its material and standard, then the table's own description.
QStringList recordLines(const TableRecord& record, const CalculationRequest& request,
                        const CalculationOutcome& outcome);

}  // namespace calc::description
