#pragma once

#include <QStyledItemDelegate>

namespace report {

// The editor of a cell of the sections table: the number as text, every figure as a numeric
// input with the calculators' key filter, starting from the value with ".".
class SectionDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

}  // namespace report
