#pragma once

#include "calc/fixtures/fixtureflow.h"
#include "calc/network/networkinput.h"
#include "calc/network/networktree.h"

#include <QList>
#include <QString>
#include <optional>

// A water-supply network: the fixtures at the ends summed down the tree, each section's flow by
// the probability method and its head loss by its table, and the head the input needs
// (СП 30.13330.2020, 8.27, formula (14)).
namespace calc::network {

struct WaterSection {
    double fixtures = 0;   // N: at its end and every end downstream
    double consumers = 0;  // U
    fixtures::FixtureFigures figures;  // P, NP, α and q of N and U; not worked out for a typed flow
    bool flowTyped = false;            // the section's own flow stands over the network's
    CalculationRequest request;        // as calculated, with the network's flow and fixtures
    CalculationOutcome outcome;
    std::optional<double> headLoss;    // h, m, as the table shows it (to 0,001 m)
    QString fault;                     // why the section has no h
};

// An end of the network: a node that feeds no section.
struct EndHead {
    int row = 0;            // the section ending there
    QString node;
    double height = 0;      // z, m
    double pathLoss = 0;    // Σh from the input, m
    double freeHead = 0;    // Hсв, m
    double head = 0;        // H = z + Σh + Hсв
};

// Formula (14): H_тр = H_geom + ΣH_il + H_пр + ΣH_вод + H_тепл + H_ввод, m.
struct RequiredHead {
    double geometric = 0;  // H_geom: z of the dictating end
    double pathLoss = 0;   // ΣH_il: Σh on its path
    double freeHead = 0;   // H_пр: Hсв of its fixture
    double meters = 0;     // ΣH_вод
    double heater = 0;     // H_тепл
    double inlet = 0;      // H_ввод
    double total = 0;      // H_тр
};

struct WaterNetwork {
    NetworkShape shape;
    QString fault;                // the first refusal or fault; empty when the network is computed
    QList<WaterSection> sections; // in the order of the rows, once the tree holds
    QList<EndHead> ends;          // in the order of their rows; once every section has its h
    int dictating = -1;           // of `ends`: the largest H, the first of equals
    QList<int> dictatingPath;     // its rows from the input
    std::optional<RequiredHead> required;
};

// The network of the rows: nothing more than its shape while it is a list.
WaterNetwork waterNetwork(const QList<NetworkSection>& sections, const WaterSupplySystem& system,
                          const RecordLookup& records);

// "H_тр = H_geom + ΣH_il + H_пр + ΣH_вод + H_тепл + H_ввод = 14 + 8,752 + 3 + 2,5 + 0 + 0 = 28,252 м"
QString requiredHeadText(const RequiredHead& head);
// "Напора в сети достаточно (запас 1,748 м)" or "Требуется повышение напора на 3,252 м".
QString boosterText(const RequiredHead& head, double guaranteed);

}  // namespace calc::network
