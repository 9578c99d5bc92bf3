#pragma once

#include <QString>
#include <initializer_list>

namespace calc {

enum class FlowUnit { LitresPerSecond, CubicMetresPerHour };

inline constexpr double gravity = 9.80665;  // m/s², head to pressure: 1 m = 1000·g Pa

double pi();

// Q in m³/s from the typed flow.
double flowCubicMetresPerSecond(double typedFlow, FlowUnit unit);

// Mean velocity v = 4Q/(πd²), d in m.
double meanVelocity(double flow, double diameterMetres);

// "Расход 2,5л/сек= 9м куб/ч"
QString flowTooltip(double flow);

// Whether a flow (m³/s) and its figures in the flow tooltip can be shown as numbers: the m³/h
// figure overflows first.
bool flowIsShowable(double flow);

// Tooltip of the 1000i value: "потери давления на 1м   98,07 Па/м"
QString slopePressureTooltip(double thousandI);

// Velocity and 1000i as the value labels show them.
QString velocityText(double velocity);
QString thousandIText(double thousandI);

// The section head loss of the simple classic screens: h = L·1000i/1000.
struct SectionHeadLoss {
    double headLoss;   // m
    double pressure;   // Pa
    QString text;      // "h = i · L = 0,05 м"
    QString tooltip;   // "потери давления  490,33 Па"
};
SectionHeadLoss simpleSectionHeadLoss(double length, double thousandI);
// The tooltip of a section head loss from its pressure, Pa: "потери давления  490,33 Па"
QString headLossPressureTooltip(double pressure);

// True when every value can be shown as a number.
bool allFinite(std::initializer_list<double> values);

}  // namespace calc
