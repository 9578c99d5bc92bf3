#include "report/sectiondelegate.h"

#include "report/sectionsmodel.h"
#include "widgets/numericinput.h"

#include <QComboBox>

namespace report {

QWidget* SectionDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const auto* sections = qobject_cast<const SectionsModel*>(index.model());
    const Field field = sections ? sections->fieldOf(index.column()) : Field::Number;
    if (field == Field::Pipes) {
        auto* sizes = new QComboBox(parent);
        sizes->addItems(sections->sizesOf(index.row()));
        sizes->setAccessibleName(QStringLiteral("Размер труб"));
        return sizes;
    }
    if (field == Field::Number || field == Field::Start || field == Field::End)
        return new QLineEdit(parent);
    auto* input = new NumericInput(parent);
    input->setKeyList(calc::KeyList::A);
    return input;
}

void SectionDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* sizes = qobject_cast<QComboBox*>(editor))
        sizes->setCurrentIndex(std::max(0, sizes->findText(index.data(Qt::EditRole).toString())));
    if (auto* input = qobject_cast<QLineEdit*>(editor)) {
        input->setText(index.data(Qt::EditRole).toString());
        input->selectAll();
    }
}

void SectionDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (const auto* input = qobject_cast<QLineEdit*>(editor))
        model->setData(index, input->text(), Qt::EditRole);
    if (const auto* sizes = qobject_cast<QComboBox*>(editor))
        model->setData(index, sizes->currentText(), Qt::EditRole);
}

}  // namespace report
