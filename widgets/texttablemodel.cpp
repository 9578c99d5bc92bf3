#include "widgets/texttablemodel.h"

#include <QFont>

void TextTableModel::setTable(const QStringList& header, const QList<QStringList>& rows, const QSet<int>& boldRows)
{
    beginResetModel();
    headerTexts = header;
    rowTexts = rows;
    bold = boldRows;
    endResetModel();
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
