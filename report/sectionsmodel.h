#pragma once

#include "report/sections.h"

#include <QAbstractTableModel>
#include <QList>

namespace report {

// The rows of the sections table; only the number is edited in place.
class SectionsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    const QList<Section>& sections() const { return rows; }
    void setSections(const QList<Section>& sections);
    void append(const Section& section);
    void remove(int row);
    // Swaps the row with its neighbour above (-1) or below (+1); false at an end.
    bool move(int row, int step);

    // The number a new row takes: one above the largest whole number of a row, so that it is
    // none of theirs.
    QString nextNumber() const;

signals:
    // A row was added, removed, moved or renumbered by the user.
    void edited();

private:
    QList<Section> rows;
};

}  // namespace report
