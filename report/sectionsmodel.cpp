#include "report/sectionsmodel.h"

#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"
#include "calc/fixtures/fixtureflow.h"
#include "report/renderings.h"
#include "report/sectionedit.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>
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

// A mark over the base of the palette in use, so that its text stays readable under a dark one too.
QColor mark(QPalette::ColorRole role, int percent)
{
    const QPalette palette = QGuiApplication::palette();
    const QColor base = palette.color(QPalette::Base);
    const QColor over = role == QPalette::NoRole ? QColor(Qt::red) : palette.color(role);
    const auto mixed = [percent](int a, int b) { return (a * (100 - percent) + b * percent) / 100; };
    return QColor(mixed(base.red(), over.red()), mixed(base.green(), over.green()), mixed(base.blue(), over.blue()));
}

// The network's own figures, which a row of a network does not set.
bool followsNetwork(Field field)
{
    return field == Field::Fixtures || field == Field::Probability || field == Field::Heat || field == Field::TemperatureDrop;
}

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

QStringList SectionsModel::sizesOf(int row) const
{
    QStringList designations;
    const calc::TableRecord* record = row >= 0 && row < rows.size() && records ? records(rows.at(row).request.table) : nullptr;
    if (record && record->sizes)
        for (const calc::CatalogSize& size : record->sizes(rows.at(row).request.conditions.chosen))
            designations << size.designation;
    return designations;
}

QVariant SectionsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size() || index.column() >= columnCount())
        return {};
    const Field field = fieldOf(index.column());
    const int row = index.row();
    const bool text = field == Field::Number || field == Field::Pipes || field == Field::Start || field == Field::End;
    switch (role) {
    case Qt::DisplayRole:
        return isRunningSum(field) ? calc::numberText(calc::roundHalfEven(table.running.value(row), 3))
                                   : shortenedCell(texts.at(row).at(index.column()));
    case Qt::EditRole:
        return editText(editedRow(row), field);
    case Qt::TextAlignmentRole:
        return text ? QVariant() : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::ToolTipRole:
        if (field == Field::Pipes && shownKind() == TableKind::Heating && !table.fittings.value(row).isEmpty())
            return QStringLiteral("Σξ: ") + table.fittings.at(row);
        if (field == Field::Pipes)
            return table.shown.at(row).outcome.headLossText;
        if (field == Field::Flow && table.network && rows.at(row).flowTyped)
            return QStringLiteral("Расход задан для участка и стоит вместо расхода сети");
        if (field == Field::Alpha && table.shown.at(row).request.fixtures)
            return calc::fixtures::alphaSourceText(
                calc::fixtures::fixtureFigures(*table.shown.at(row).request.fixtures).alphaSource);
        return {};
    case Qt::FontRole:
        if (field == Field::Flow && table.network && rows.at(row).flowTyped) {
            QFont font;
            font.setItalic(true);
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::BackgroundRole:
        if (field == Field::Imbalance && table.overLimit.contains(row))
            return mark(QPalette::NoRole, 30);
        if (table.marked.contains(row))
            return mark(QPalette::Highlight, 30);
        return {};
    default:
        return {};
    }
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
    const Field field = fieldOf(index.column());
    if (table.network && followsNetwork(field))
        return shown;
    return isEditable(rows.at(index.row()), field) ? shown | Qt::ItemIsEditable : shown;
}

bool SectionsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rows.size())
        return false;
    const int row = index.row();
    const Field field = fieldOf(index.column());
    const QString typed = value.toString();
    if (typed.trimmed() == editText(editedRow(row), field) || (table.network && followsNetwork(field)))
        return false;
    const SectionEdit edit = edited(row, field, typed);
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

const Section& SectionsModel::editedRow(int row) const { return table.network ? table.shown.at(row) : rows.at(row); }

SectionEdit SectionsModel::edited(int row, Field field, const QString& typed) const
{
    const Section& own = rows.at(row);
    if (!table.network || field == Field::Flow)
        return editedSection(records, own, field, typed);
    // The row is checked with the flow the network gives it, and keeps its own.
    Section shown = table.shown.at(row);
    shown.imbalance.reset();
    shown.throttle.reset();
    SectionEdit edit = editedSection(records, shown, field, typed);
    if (edit.section && !own.flowTyped) {
        edit.section->request.conditions.flow = own.request.conditions.flow;
        edit.section->request.fixtures = own.request.fixtures;
        edit.section->request.load = own.request.load;
        edit.section->outcome = own.outcome;
    }
    return edit;
}

void SectionsModel::reset(const QList<Section>& sections, std::optional<TableKind> kind, const NetworkSettings& settings)
{
    changes.clear();
    beginResetModel();
    rows = sections;
    tableKind = kind;
    system = settings;
    sumDown(0);
    endResetModel();
    emit changed();
}

void SectionsModel::setSettings(const NetworkSettings& settings)
{
    if (settings == system)
        return;
    const NetworkSettings before = system;
    changes.push(new Change(QStringLiteral("Параметры системы"), [this, settings] { replaceAll(rows, settings); },
                            [this, before] { replaceAll(rows, before); }));
}

QString SectionsModel::replaceSizes(const QList<std::pair<int, QString>>& sizes)
{
    QList<Section> after = rows;
    for (const auto& [row, size] : sizes) {
        if (row < 0 || row >= rows.size())
            continue;
        const SectionEdit edit = edited(row, Field::Pipes, size);
        if (!edit.section)
            return edit.refusal;
        after[row] = *edit.section;
    }
    if (after.size() == rows.size() && std::equal(after.cbegin(), after.cend(), rows.cbegin(), [](const Section& a, const Section& b) {
            return a.request.size == b.request.size;
        }))
        return {};
    const QList<Section> before = rows;
    changes.push(new Change(QStringLiteral("Подбор диаметров"), [this, after] { replaceAll(after, system); },
                            [this, before] { replaceAll(before, system); }));
    return {};
}

void SectionsModel::replaceAll(const QList<Section>& sections, const NetworkSettings& settings)
{
    rows = sections;
    system = settings;
    recount(0);
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

bool SectionsModel::replace(int row, const Section& section)
{
    if (row < 0 || row >= rows.size() || (tableKind && *tableKind != kindOf(section)))
        return false;
    const Section before = rows.at(row);
    changes.push(new Change(QStringLiteral("Замена участка"), [this, row, section] { replaceRow(row, section); },
                            [this, row, before] { replaceRow(row, before); }));
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
    endInsertRows();
    recount(row);
}

void SectionsModel::removeRowAt(int row)
{
    beginRemoveRows({}, row, row);
    rows.removeAt(row);
    texts.removeAt(row);
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
    recount(row);
}

void SectionsModel::setKind(std::optional<TableKind> kind)
{
    if (kind == tableKind)
        return;
    // The columns change with the kind; the rows are of the new kind or none.
    beginResetModel();
    tableKind = kind;
    sumDown(0);
    endResetModel();
}

// A change at one row may change every row of a network: the whole table is computed again.
void SectionsModel::sumDown(int)
{
    table = computedTable(rows, tableKind, system, records);
    texts.clear();
    for (const Section& section : table.shown)
        texts << sectionCells(section, shownKind(), 0);
    sums = totalsOf(table.shown);
}

void SectionsModel::recount(int from)
{
    sumDown(from);
    if (!rows.isEmpty())
        emit dataChanged(index(0, 0), index(int(rows.size()) - 1, columnCount() - 1));
    emit changed();
}

}  // namespace report
