#include "report/sectiondelegate.h"

#include "report/sectionsmodel.h"
#include "widgets/numericinput.h"

namespace report {

QWidget* SectionDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const auto* sections = qobject_cast<const SectionsModel*>(index.model());
    if (sections && sections->fieldOf(index.column()) == Field::Number)
        return new QLineEdit(parent);
    auto* input = new NumericInput(parent);
    input->setKeyList(calc::KeyList::A);
    return input;
}

void SectionDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* input = qobject_cast<QLineEdit*>(editor)) {
        input->setText(index.data(Qt::EditRole).toString());
        input->selectAll();
    }
}

void SectionDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (const auto* input = qobject_cast<QLineEdit*>(editor))
        model->setData(index, input->text(), Qt::EditRole);
}

}  // namespace report
