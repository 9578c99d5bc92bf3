#include "calc/network/networktree.h"

#include <QHash>
#include <algorithm>

namespace calc::network {

namespace {

QString quoted(const QString& text) { return QStringLiteral("«") + text + QStringLiteral("»"); }

QString sectionPrefix(const NetworkSection& section) { return QStringLiteral("Участок ") + quoted(section.number); }

// The first row that ends at a node already fed, or starts where it ends; empty when none.
QString feedFault(const QList<NetworkSection>& sections, QHash<QString, int>& feeding)
{
    for (int row = 0; row < sections.size(); ++row) {
        const NetworkSection& section = sections.at(row);
        const QString start = nodeName(section.start);
        const QString end = nodeName(section.end);
        if (start == end)
            return sectionPrefix(section) + QStringLiteral(": начало и конец — один и тот же узел ") + quoted(end);
        const auto earlier = feeding.constFind(end);
        if (earlier != feeding.cend())
            return sectionPrefix(section) + QStringLiteral(": узел ") + quoted(end)
                   + QStringLiteral(" питается двумя участками — ") + quoted(sections.at(*earlier).number)
                   + QStringLiteral(" и ") + quoted(section.number);
        feeding.insert(end, row);
    }
    return {};
}

// Why a row the input does not reach is cut off: going up its feeders ends either at a node no
// section feeds, another input, or in a loop.
QString unreachedFault(const QList<NetworkSection>& sections, const QList<int>& feeder, int row, const QString& input)
{
    QList<bool> seen(sections.size(), false);
    int above = row;
    while (feeder.at(above) >= 0 && !seen.at(above)) {
        seen[above] = true;
        above = feeder.at(above);
    }
    const NetworkSection& section = sections.at(row);
    const QString cutOff = input.isEmpty() ? sectionPrefix(section) + QStringLiteral(": ")
                                           : sectionPrefix(section) + QStringLiteral(" не связан с вводом ")
                                                 + quoted(input) + QStringLiteral(": ");
    if (feeder.at(above) < 0)
        return cutOff + QStringLiteral("узел ") + quoted(nodeName(sections.at(above).start))
               + QStringLiteral(" в начале его ветви не питается ни одним участком");
    // `above` lies on the loop; the row itself may too.
    bool onLoop = false;
    for (int k = feeder.at(above);; k = feeder.at(k)) {
        onLoop = onLoop || k == row;
        if (k == above)
            break;
    }
    const QString through = QStringLiteral("участки замыкаются в кольцо через узел ");
    if (onLoop)
        return sectionPrefix(section) + QStringLiteral(": ") + through + quoted(nodeName(section.start));
    return cutOff + QStringLiteral("выше него ") + through + quoted(nodeName(sections.at(above).start));
}

}  // namespace

QString nodeName(const QString& typed) { return typed.trimmed(); }

NetworkShape shapeOf(const QList<NetworkSection>& sections)
{
    NetworkShape shape;
    shape.network = !sections.isEmpty() && std::all_of(sections.cbegin(), sections.cend(), [](const NetworkSection& s) {
        return !nodeName(s.start).isEmpty() && !nodeName(s.end).isEmpty();
    });
    if (!shape.network)
        return shape;

    QHash<QString, int> feeding;
    feeding.reserve(sections.size());
    shape.fault = feedFault(sections, feeding);
    if (!shape.fault.isEmpty())
        return shape;

    const int count = int(sections.size());
    Tree& tree = shape.tree;
    tree.feeder.resize(count);
    QHash<QString, QList<int>> leaving;
    leaving.reserve(count);
    for (int row = 0; row < count; ++row) {
        const QString start = nodeName(sections.at(row).start);
        tree.feeder[row] = feeding.value(start, -1);
        leaving[start].append(row);
        if (tree.input.isEmpty() && tree.feeder.at(row) < 0)
            tree.input = start;
    }
    QList<bool> reached(count, false);
    tree.order = leaving.value(tree.input);
    for (qsizetype k = 0; k < tree.order.size(); ++k) {
        const int row = tree.order.at(k);
        reached[row] = true;
        tree.order += leaving.value(nodeName(sections.at(row).end));
    }
    const auto unreached = std::find(reached.cbegin(), reached.cend(), false);
    if (unreached != reached.cend()) {
        shape.fault = unreachedFault(sections, tree.feeder, int(unreached - reached.cbegin()), tree.input);
        shape.tree = {};
        return shape;
    }
    tree.branchEnd.resize(count);
    for (int row = 0; row < count; ++row)
        tree.branchEnd[row] = !leaving.contains(nodeName(sections.at(row).end));
    return shape;
}

QList<int> pathTo(const Tree& tree, int row)
{
    QList<int> path;
    for (int k = row; k >= 0; k = tree.feeder.at(k))
        path.prepend(k);
    return path;
}

}  // namespace calc::network
