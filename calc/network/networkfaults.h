#pragma once

#include "calc/network/networkinput.h"

#include <QList>
#include <QString>

// The refusals of what a network cannot take, each naming the section and its column (or the
// system's figure); an empty text where the value is sound.
namespace calc::network {

inline constexpr int maxNodeNameLength = 40;

// The columns of the sections table that hold a network's inputs.
inline const QString startColumn = QStringLiteral("Начало");
inline const QString endColumn = QStringLiteral("Конец");
inline const QString fixturesColumn = QStringLiteral("N у конца");
inline const QString consumersColumn = QStringLiteral("U у конца");
inline const QString heightColumn = QStringLiteral("z, м");
inline const QString freeHeadColumn = QStringLiteral("Hсв, м");
inline const QString heatColumn = QStringLiteral("Q у конца, Вт");
inline const QString unitLossColumn = QStringLiteral("ΔP у конца, Па");

// A start or an end node (`column` is startColumn or endColumn): not empty, at most
// maxNodeNameLength characters.
QString nodeNameFault(const QString& section, const QString& column, const QString& name);
// z and Hсв: numbers not below zero.
QString endHeightFault(const QString& section, double height);
QString endHeadFault(const QString& section, double head);
// N a whole number, U a number, neither below zero.
QString fixturesFault(const QString& section, const FixturesAtEnd& fixtures);
// Q above zero, ΔP not below zero.
QString unitFault(const QString& section, const UnitAtEnd& unit);

// The system's figures: q0 and q_hr,u within the fixtures window's ranges, the heads not
// below zero.
QString waterSystemFault(const WaterSupplySystem& system);
// Δt within the load window's range, the reserve from 0 to 100 %, the carrier's c and ρ known.
QString heatingSystemFault(const HeatingSystem& system);

// The first refusal of the rows in their order, then of the system's figures.
QString waterInputFault(const QList<NetworkSection>& sections, const WaterSupplySystem& system);
QString heatingInputFault(const QList<NetworkSection>& sections, const HeatingSystem& system);

}  // namespace calc::network
