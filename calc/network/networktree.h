#pragma once

#include "calc/network/networkinput.h"

#include <QList>
#include <QString>

namespace calc::network {

// A table of sections as a tree fed from one input. Sections are named by their row.
struct Tree {
    QString input;          // the node that ends no section
    QList<int> feeder;      // per row: the row ending at its start node; -1 at the input
    QList<int> order;       // the rows from the input down, each after its feeder
    QList<bool> branchEnd;  // per row: its end node feeds no section (an end of the network)
};

// What the table's ends make of it.
struct NetworkShape {
    // Every section names both ends: the table is a network, or a fault; otherwise a list.
    bool network = false;
    QString fault;  // the first section that keeps a network from being a tree, and why
    Tree tree;      // a network without a fault
};

// A node name as the network compares it: free text without the blanks around it.
QString nodeName(const QString& typed);

// The shape of the table: a list, a tree from one input (one node that ends no section, every
// other node ends exactly one section, no loop, every section reached from the input), or the
// first fault in the order of the rows.
NetworkShape shapeOf(const QList<NetworkSection>& sections);

// The rows from the input to this one.
QList<int> pathTo(const Tree& tree, int row);

}  // namespace calc::network
