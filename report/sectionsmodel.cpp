#include "report/sectionsmodel.h"

#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"
#include "calc/fixtures/fixtureflow.h"
#include "report/renderings.h"
#include "report/sectionedit.h"

#include <QUndoCommand>
#include <algorithm>
#include <functional>
#include <limits>

namespace report {

namespace {

// A step of the history as the two ways of taking it.
class Change : public QUndoCommand {
public:
    Change(const QString& text, std::function<void()> forward, std::function<void()> backward)
        : QUndoCommand(text), forward(std::move(forward)), backward(std::move(backward))
    {
    }
    void redo() override { forward(); }
    void undo() override { backward(); }

private:
    std::function<void()> forward;
    std::function<void()> backward;
};

bool isRunningSum(Field field) { return field == Field::RunningHeadLoss || field == Field::RunningSectionLoss; }

}  // namespace

SectionsModel::SectionsModel(RecordLookup records, QObject* parent)
    : QAbstractTableModel(parent), records(std::move(records)), changes(this)
{
}

int SectionsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows.size()); }

int SectionsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns(shownKind()).size());
}

Field SectionsModel::fieldOf(int column) const { return columns(shownKind()).value(column, {Field::Number, {}}).field; }

QVariant SectionsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size() || index.column() >= columnCount())
        return {};
    const Field field = fieldOf(index.column());
    if (role == Qt::DisplayRole)
        return isRunningSum(field) ? calc::numberText(calc::roundHalfEven(running.at(index.row()), 3))
                                   : shortenedCell(texts.at(index.row()).at(index.column()));
    if (role == Qt::EditRole)
        return editText(rows.at(index.row()), field);
    if (role == Qt::TextAlignmentRole && field != Field::Number && field != Field::Pipes)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && field == Field::Pipes)
        return rows.at(index.row()).outcome.headLossText;
    if (role == Qt::ToolTipRole && field == Field::Alpha && rows.at(index.row()).request.fixtures)
        return calc::fixtures::alphaSourceText(
            calc::fixtures::fixtureFigures(*rows.at(index.row()).request.fixtures).alphaSource);
    return {};
}

QVariant SectionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return header(shownKind()).value(section);
    return section + 1;
}

Qt::ItemFlags SectionsModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags shown = QAbstractTableModel::flags(index);
    if (!index.isValid() || index.row() >= rows.size())
        return shown;
    return isEditable(rows.at(index.row()), fieldOf(index.column())) ? shown | Qt::ItemIsEditable : shown;
}

bool SectionsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rows.size())
        return false;
    const int row = index.row();
    const Field field = fieldOf(index.column());
    const QString typed = value.toString();
    if (typed.trimmed() == editText(rows.at(row), field))
        return false;
    const SectionEdit edit = editedSection(records, rows.at(row), field, typed);
    if (!edit.section) {
        if (!edit.refusal.isEmpty())
            emit refused(edit.refusal);
        return false;
    }
    const Section before = rows.at(row);
    const Section after = *edit.section;
    const QString text = field == Field::Number ? QStringLiteral("Номер участка") : QStringLiteral("Изменение участка");
    changes.push(new Change(text, [this, row, after] { replaceRow(row, after); }, [this, row, before] { replaceRow(row, before); }));
    return true;
}

void SectionsModel::reset(const QList<Section>& sections, std::optional<TableKind> kind)
{
    changes.clear();
    beginResetModel();
    rows = sections;
    tableKind = kind;
    texts.clear();
    for (const Section& section : rows)
        texts << sectionCells(section, shownKind(), 0);
    sumDown(0);
    endResetModel();
    emit changed();
}

bool SectionsModel::append(const Section& section)
{
    const TableKind sectionKind = kindOf(section);
    if (tableKind && *tableKind != sectionKind)
        return false;
    const std::optional<TableKind> before = tableKind;
    const int row = int(rows.size());
    changes.push(new Change(QStringLiteral("Добавление участка"),
                            [this, row, section, sectionKind] {
                                setKind(sectionKind);
                                insertRow(row, section);
                            },
                            [this, row, before] {
                                removeRowAt(row);
                                setKind(before);
                            }));
    return true;
}

void SectionsModel::remove(QList<int> removed)
{
    std::sort(removed.begin(), removed.end());
    removed.erase(std::unique(removed.begin(), removed.end()), removed.end());
    removed.removeIf([this](int row) { return row < 0 || row >= rows.size(); });
    if (removed.isEmpty())
        return;
    QList<Section> taken;
    for (int row : removed)
        taken << rows.at(row);
    changes.push(new Change(QStringLiteral("Удаление участков"),
                            [this, removed] {
                                for (auto row = removed.rbegin(); row != removed.rend(); ++row)
                                    removeRowAt(*row);
                            },
                            [this, removed, taken] {
                                for (qsizetype k = 0; k < removed.size(); ++k)
                                    insertRow(removed.at(k), taken.at(k));
                            }));
}

bool SectionsModel::move(int row, int step)
{
    const int target = row + step;
    if (row < 0 || row >= rows.size() || target < 0 || target >= rows.size() || step == 0)
        return false;
    changes.push(new Change(QStringLiteral("Перемещение участка"), [this, row, target] { moveRow(row, target); },
                            [this, row, target] { moveRow(target, row); }));
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

void SectionsModel::insertRow(int row, const Section& section)
{
    beginInsertRows({}, row, row);
    rows.insert(row, section);
    texts.insert(row, sectionCells(section, shownKind(), 0));
    running.insert(row, 0);
    endInsertRows();
    recount(row);
}

void SectionsModel::removeRowAt(int row)
{
    beginRemoveRows({}, row, row);
    rows.removeAt(row);
    texts.removeAt(row);
    running.removeAt(row);
    endRemoveRows();
    recount(row);
}

void SectionsModel::moveRow(int row, int target)
{
    // Qt names the destination as the row the moved one goes before.
    beginMoveRows({}, row, row, {}, target > row ? target + 1 : target);
    rows.move(row, target);
    texts.move(row, target);
    endMoveRows();
    recount(std::min(row, target));
}

void SectionsModel::replaceRow(int row, const Section& section)
{
    rows[row] = section;
    texts[row] = sectionCells(section, shownKind(), 0);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    recount(row);
}

void SectionsModel::setKind(std::optional<TableKind> kind)
{
    if (kind == tableKind)
        return;
    // The columns change with the kind; the rows are of the new kind or none.
    beginResetModel();
    tableKind = kind;
    for (qsizetype row = 0; row < rows.size(); ++row)
        texts[row] = sectionCells(rows.at(row), shownKind(), 0);
    endResetModel();
}

void SectionsModel::sumDown(int from)
{
    running.resize(rows.size());
    double sum = from > 0 && from <= running.size() ? running.at(from - 1) : 0;
    for (qsizetype row = std::max(from, 0); row < rows.size(); ++row) {
        sum += summedFigure(rows.at(row)).value_or(0);
        running[row] = sum;
    }
    sums = totalsOf(rows);
}

void SectionsModel::recount(int from)
{
    sumDown(from);
    const int column = columnOf(shownKind(), shownKind() == TableKind::Heating ? Field::RunningSectionLoss : Field::RunningHeadLoss);
    if (from < rows.size())
        emit dataChanged(index(std::max(from, 0), column), index(int(rows.size()) - 1, column));
    emit changed();
}

}  // namespace report
