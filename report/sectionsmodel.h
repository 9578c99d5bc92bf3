#pragma once

#include "report/sectionnetwork.h"
#include "report/sectionedit.h"
#include "report/sections.h"

#include <QAbstractTableModel>
#include <QList>
#include <QUndoStack>
#include <optional>

namespace report {

// The rows of the sections table in the columns of its kind, with the running sum down the
// table, or along the paths of the network its ends make. Every change the user makes (an edited
// cell, a row added, removed or moved, the system's figures, the sizes) goes through its history,
// so that it can be undone and redone.
class SectionsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SectionsModel(RecordLookup records, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The number is taken as typed; another figure is calculated again, and a value that does
    // not compute is refused with its calculator's message, the cell keeping its value.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // As the user set them; the network's flows and figures are in computed().
    const QList<Section>& sections() const { return rows; }
    const ComputedTable& computed() const { return table; }
    const NetworkSettings& settings() const { return system; }
    // None until the first section sets it.
    std::optional<TableKind> kind() const { return tableKind; }
    // The kind the columns show: water supply for a table of no kind yet.
    TableKind shownKind() const { return tableKind.value_or(TableKind::WaterSupply); }
    Field fieldOf(int column) const;
    // The designations of the catalog of the row's pipes, in list order.
    QStringList sizesOf(int row) const;
    Totals totals() const { return sums; }

    QUndoStack& history() { return changes; }
    const QUndoStack& history() const { return changes; }

    // Another table: these sections of this kind, with no history.
    void reset(const QList<Section>& sections, std::optional<TableKind> kind, const NetworkSettings& settings = {});
    // Each a step of the history. A section of another kind than the table's is not added.
    bool append(const Section& section);
    void remove(QList<int> rows);
    // Swaps the row with its neighbour above (-1) or below (+1); false at an end.
    bool move(int row, int step);
    // The row takes the section in its place, as one step; false for a row that is not there or
    // a section of another kind than the table's.
    bool replace(int row, const Section& section);
    void setSettings(const NetworkSettings& settings);
    // Each row of `sizes` takes its catalog size (its designation) and is calculated again, all
    // in one step; nothing changes and the refusal naming the section is given back where one
    // does not compute.
    QString replaceSizes(const QList<std::pair<int, QString>>& sizes);

    // The number a new row takes: one above the largest whole number of a row, so that it is
    // none of theirs.
    QString nextNumber() const;

signals:
    // An edited value was refused: the calculator's message.
    void refused(const QString& message);
    // Rows or their figures changed: the totals follow.
    void changed();

private:
    void insertRow(int row, const Section& section);
    void removeRowAt(int row);
    void moveRow(int row, int target);
    void replaceRow(int row, const Section& section);
    void replaceAll(const QList<Section>& sections, const NetworkSettings& settings);
    // The row edited as the table shows it, with what the network gives put back to the row's own.
    SectionEdit edited(int row, Field field, const QString& typed) const;
    // The row as its cells show it: with the network's flow in a network.
    const Section& editedRow(int row) const;
    void setKind(std::optional<TableKind> kind);
    // The running sums from this row down and the totals, quietly; recount also tells the views.
    void sumDown(int from);
    void recount(int from);

    RecordLookup records;
    QList<Section> rows;
    QList<QStringList> texts;  // the cells of each row but the running sum
    ComputedTable table;
    NetworkSettings system;
    Totals sums;
    std::optional<TableKind> tableKind;
    QUndoStack changes;
};

}  // namespace report
