#pragma once

#include "report/sectionnetwork.h"
#include "report/sections.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <optional>

// The network's part of the sections file: the table's "network" and, per section, its ends and
// what sits at its end node. A section of a network whose flow follows the network keeps none.
namespace report {

// Adds a section's ends and its end node's figures; drops its "flow" where the network gives it.
void addNetworkFields(QJsonObject& object, const Section& section, bool inNetwork);
// The table's "network" of its kind.
QJsonObject networkObject(TableKind kind, const NetworkSettings& settings);

// Whether a section's object leaves its flow to the network: both ends and no "flow".
bool flowFollowsNetwork(const QJsonObject& object);
// The section's ends and end node's figures, each checked; the fault names the field.
QString readNetworkFields(const QJsonObject& object, Section& section);
// The table's "network", each figure checked; the fault names the field. Nothing where absent.
QString readNetworkSettings(const QJsonValue& value, NetworkSettings& settings);
// The kind whose figures a "network" holds; none where the file has none.
std::optional<TableKind> networkKind(const QJsonValue& value);

}  // namespace report
