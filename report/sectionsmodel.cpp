#include "report/sectionsmodel.h"

#include "report/renderings.h"

#include <limits>

namespace report {

int SectionsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows.size()); }

int SectionsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : SectionColumnCount; }

QVariant SectionsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return {};
    if (role == Qt::DisplayRole)
        return shortenedCell(sectionCells(rows.at(index.row())).value(index.column()));
    if (role == Qt::EditRole)
        return sectionCells(rows.at(index.row())).value(index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= FlowColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == PipesColumn)
        return rows.at(index.row()).outcome.headLossText;
    return {};
}

QVariant SectionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return sectionHeader().value(section);
    return section + 1;
}

Qt::ItemFlags SectionsModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags shown = QAbstractTableModel::flags(index);
    return index.column() == NumberColumn ? shown | Qt::ItemIsEditable : shown;
}

bool SectionsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || index.column() != NumberColumn || index.row() >= rows.size())
        return false;
    const QString number = value.toString().trimmed();
    if (number == rows[index.row()].number)
        return false;
    rows[index.row()].number = number;
    emit dataChanged(index, index);
    emit edited();
    return true;
}

void SectionsModel::setSections(const QList<Section>& sections)
{
    beginResetModel();
    rows = sections;
    endResetModel();
}

void SectionsModel::append(const Section& section)
{
    beginInsertRows({}, int(rows.size()), int(rows.size()));
    rows.append(section);
    endInsertRows();
    emit edited();
}

void SectionsModel::remove(int row)
{
    if (row < 0 || row >= rows.size())
        return;
    beginRemoveRows({}, row, row);
    rows.removeAt(row);
    endRemoveRows();
    emit edited();
}

bool SectionsModel::move(int row, int step)
{
    const int target = row + step;
    if (row < 0 || row >= rows.size() || target < 0 || target >= rows.size() || step == 0)
        return false;
    // Qt names the destination as the row the moved one goes before.
    beginMoveRows({}, row, row, {}, step > 0 ? target + 1 : target);
    rows.move(row, target);
    endMoveRows();
    emit edited();
    return true;
}

QString SectionsModel::nextNumber() const
{
    qlonglong largest = 0;
    for (const Section& section : rows) {
        bool whole = false;
        const qlonglong number = section.number.toLongLong(&whole);
        if (whole && number > largest && number < std::numeric_limits<qlonglong>::max())
            largest = number;
    }
    return QString::number(largest + 1);
}

}  // namespace report
