#include "widgets/texttablemodel.h"

#include <QColor>
#include <QFont>

namespace {
// A light red behind black text reads the same on a light and on a dark palette.
const QColor markedBackground(255, 204, 204);
const QColor markedText(0, 0, 0);
}  // namespace

void TextTableModel::setTable(const QStringList& header, const QList<QStringList>& rows, const QSet<int>& boldRows)
{
    beginResetModel();
    headerTexts = header;
    rowTexts = rows;
    bold = boldRows;
    marked.clear();
    endResetModel();
}

void TextTableModel::setMarkedCells(const QHash<Cell, QString>& reasons)
{
    marked = reasons;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole, Qt::ToolTipRole});
}

int TextTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rowTexts.size()); }

int TextTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(headerTexts.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowTexts.size())
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        const QStringList& row = rowTexts.at(index.row());
        return index.column() < row.size() ? row.at(index.column()) : QString();
    }
    case Qt::FontRole:
        if (bold.contains(index.row())) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
    case Qt::ToolTipRole: {
        const auto mark = marked.constFind({index.row(), index.column()});
        if (mark == marked.constEnd())
            return {};
        return role == Qt::ToolTipRole ? QVariant(*mark) : QVariant(role == Qt::BackgroundRole ? markedBackground : markedText);
    }
    case Qt::TextAlignmentRole:
        return textColumnSet.contains(index.column()) ? QVariant() : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < headerTexts.size() ? headerTexts.at(section) : QVariant();
}
