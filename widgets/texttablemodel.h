#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

// A read-only table of texts as a window shows them, some rows in bold, some cells marked with
// a tooltip saying why.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // A new table has no marked cells.
    void setTable(const QStringList& header, const QList<QStringList>& rows, const QSet<int>& boldRows = {});
    using Cell = std::pair<int, int>;  // row, column
    void setMarkedCells(const QHash<Cell, QString>& reasons);
    const QHash<Cell, QString>& markedCells() const { return marked; }

    const QStringList& header() const { return headerTexts; }
    const QList<QStringList>& rows() const { return rowTexts; }
    const QSet<int>& boldRows() const { return bold; }
    // Columns of words, aligned left; numbers align right.
    void setTextColumns(const QSet<int>& columns) { textColumnSet = columns; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList headerTexts;
    QList<QStringList> rowTexts;
    QSet<int> bold;
    QHash<Cell, QString> marked;
    QSet<int> textColumnSet{0};
};
