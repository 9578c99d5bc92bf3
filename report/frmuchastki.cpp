#include "report/frmuchastki.h"

#include "platform/fileerrors.h"
#include "platform/filedialogs.h"
#include "platform/messagebox.h"
#include "platform/savequestion.h"
#include "report/outputs.h"
#include "report/sectionfile.h"
#include "widgets/escapecloses.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <cerrno>

namespace {
const QString title = QStringLiteral("Гидравлический расчет участков");
const QString fileFilter = QStringLiteral("Таблица участков (*.talver)");
}  // namespace

frmuchastki::frmuchastki(report::RecordLookup records, QWidget* parent)
    : QWidget(parent), records(std::move(records)), model(this)
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    widgets::closeOnEscape(this);
    ui.sectionsTable->setModel(&model);
    ui.sectionsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui.sectionsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.sectionsTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                      | QAbstractItemView::AnyKeyPressed);
    ui.sectionsTable->verticalHeader()->setVisible(false);
    ui.sectionsTable->setWordWrap(false);
    ui.totalsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    connect(&model, &report::SectionsModel::edited, this, [this] { setModified(true); });
    connect(ui.sectionsTable->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmuchastki::showState);
    connect(ui.removeButton, &QPushButton::clicked, this, &frmuchastki::removeSelected);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, ui.sectionsTable);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &frmuchastki::removeSelected);
    connect(ui.upButton, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(ui.downButton, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(ui.saveButton, &QPushButton::clicked, this, &frmuchastki::save);
    connect(ui.openButton, &QPushButton::clicked, this, &frmuchastki::open);
    ui.outputBar->setDocumentProvider([this] { return report::sectionsDocument(model.sections()); });
    ui.outputBar->setViewProvider([this] { return ui.sectionsTable; });
    showState();
}

bool frmuchastki::addSection(const calc::CalculationRequest& request)
{
    const report::SectionCalculation calculated = report::calculateSection(records, model.nextNumber(), request);
    if (calculated.failed) {
        platform::showInputError(
            this, QStringLiteral("Участок не добавлен в таблицу участков:\rпо таблице II-%1 он не рассчитывается").arg(request.table));
        return false;
    }
    model.append(calculated.section);
    selectRow(model.rowCount() - 1);
    return true;
}

void frmuchastki::closeEvent(QCloseEvent* event)
{
    if (!changesSettled())
        return event->ignore();
    event->accept();
}

// Whether the table on screen may give way: nothing unsaved, or saved or let go by the user.
bool frmuchastki::changesSettled()
{
    if (!modified)
        return true;
    switch (platform::askToSave(this, QStringLiteral("Сохранить изменения в таблице участков?"))) {
    case platform::SaveAnswer::Save:
        return save();
    case platform::SaveAnswer::Discard:
        return true;
    case platform::SaveAnswer::Cancel:
        break;
    }
    return false;
}

int frmuchastki::selectedRow() const
{
    const QModelIndexList rows = ui.sectionsTable->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void frmuchastki::selectRow(int row)
{
    if (row >= 0 && row < model.rowCount())
        ui.sectionsTable->selectRow(row);
    showState();
}

void frmuchastki::removeSelected()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    model.remove(row);
    selectRow(std::min(row, model.rowCount() - 1));
}

void frmuchastki::moveSelected(int step)
{
    const int row = selectedRow();
    if (model.move(row, step))
        selectRow(row + step);
}

bool frmuchastki::save()
{
    const QString suggested = filePath.isEmpty() ? QStringLiteral("участки.talver") : QFileInfo(filePath).fileName();
    const QString path = platform::saveFileName(this, QStringLiteral("Сохранить таблицу участков"), suggested, fileFilter,
                                                QStringLiteral("talver"));
    if (path.isEmpty())
        return false;
    if (!report::writeFile(this, path, report::sectionsFile(model.sections(), records)))
        return false;
    filePath = path;
    setModified(false);
    return true;
}

void frmuchastki::open()
{
    // Another table replaces this one: its unsaved changes are not to be lost unasked.
    if (!changesSettled())
        return;
    const QString path = platform::openFileName(this, QStringLiteral("Открыть таблицу участков"), fileFilter);
    if (path.isEmpty())
        return;
    // A pipe or a device would never end, a huge file would take the memory: both are refused
    // before a byte is read.
    const QFileInfo info(path);
    if (info.isDir())
        return platform::showFileReadError(this, path, platform::fileErrorReason(EISDIR));
    if (info.exists() && !info.isFile())
        return platform::showFileReadError(this, path, QStringLiteral("это не обычный файл, а канал или устройство"));
    if (info.size() > report::sectionsFileBytesLimit)
        return platform::showFileReadError(
            this, path, QStringLiteral("Файл больше %1 МиБ: это не файл таблицы участков.").arg(report::sectionsFileBytesLimit >> 20));
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return platform::showFileReadError(this, path, platform::fileErrorReason(errno));
    const report::SectionsRead read = report::readSectionsFile(file.read(report::sectionsFileBytesLimit + 1), records);
    if (!read.error.isEmpty())
        return platform::showFileReadError(this, path, read.error);
    model.setSections(read.sections);
    filePath = path;
    setModified(false);
}

void frmuchastki::setModified(bool changed)
{
    modified = changed;
    showState();
}

void frmuchastki::fitColumns()
{
    QTableView* table = ui.sectionsTable;
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    // The window widens with its rows up to most of the screen's width.
    const int widest = screen()->availableGeometry().width() * 4 / 5;
    const int width = table->horizontalHeader()->length() + 2 * table->frameWidth()
                      + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table);
    table->setMinimumWidth(std::min(width, widest));
}

void frmuchastki::showState()
{
    fitColumns();
    ui.totalsLabel->setText(report::totalsText(model.sections()));
    const int row = selectedRow();
    ui.removeButton->setEnabled(row >= 0);
    ui.upButton->setEnabled(row > 0);
    ui.downButton->setEnabled(row >= 0 && row < model.rowCount() - 1);
    const QString name = filePath.isEmpty() ? QString() : QStringLiteral(" — ") + QFileInfo(filePath).fileName();
    setWindowTitle(title + name + (modified ? QStringLiteral(" *") : QString()));
}
