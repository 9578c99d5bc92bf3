#include "report/frmuchastki.h"

#include "calc/fixtures/fixturekinds.h"
#include "calc/screen/rememberedlimits.h"

#include "platform/fileerrors.h"
#include "platform/filedialogs.h"
#include "platform/messagebox.h"
#include "platform/savequestion.h"
#include "report/frmsistema.h"
#include "report/outputs.h"
#include "report/sectiondelegate.h"
#include "report/sectionfile.h"
#include "report/sectionsheet.h"
#include "widgets/escapecloses.h"
#include "widgets/screenfit.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QPointer>
#include <QSettings>
#include <QShortcut>
#include <QStyle>
#include <cerrno>

namespace {
const QString title = QStringLiteral("Гидравлический расчет участков");
const QString fileFilter = QStringLiteral("Таблица участков (*.talver)");
const QString sizeKey = QStringLiteral("sections/size");
constexpr int widestOpening = 1200;
const QString folderKey = QStringLiteral("sections/folder");
const QString recentKey = QStringLiteral("sections/recent");
constexpr int recentCount = 5;
}  // namespace

frmuchastki::frmuchastki(report::RecordLookup records, report::CalculatorOpener calculators, QWidget* parent)
    : QWidget(parent), records(records), calculators(std::move(calculators)), model(std::move(records), this),
      recentMenu(new QMenu(this))
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    widgets::closeOnEscape(this);
    ui.sectionsTable->setModel(&model);
    ui.sectionsTable->setItemDelegate(new report::SectionDelegate(ui.sectionsTable));
    ui.sectionsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui.sectionsTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ui.sectionsTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                      | QAbstractItemView::AnyKeyPressed);
    ui.sectionsTable->verticalHeader()->setVisible(false);
    ui.sectionsTable->setWordWrap(false);
    ui.totalsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ui.dateInput->setDate(QDate::currentDate());
    // A screen reader reads the date's own input, which the label does not name.
    if (auto* dateText = ui.dateInput->findChild<QLineEdit*>())
        dateText->setAccessibleName(QStringLiteral("Дата"));
    ui.openButton->setPopupMode(QToolButton::MenuButtonPopup);
    ui.openButton->setMenu(recentMenu);
    ui.openButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ui.openButton->setSizePolicy(ui.saveButton->sizePolicy());

    // Widths follow the rows; the buttons, the totals and the title follow every step.
    connect(&model, &report::SectionsModel::changed, this, &frmuchastki::fitColumns);
    connect(&model, &report::SectionsModel::changed, this, &frmuchastki::showState);
    connect(&model, &QAbstractItemModel::modelReset, this, &frmuchastki::fitColumns);
    // The rows a resize or a scroll brings into view were not measured.
    connect(ui.sectionsTable->verticalScrollBar(), &QScrollBar::valueChanged, this, &frmuchastki::widenColumns);
    ui.sectionsTable->viewport()->installEventFilter(this);
    // The box waits until the editor has closed, so that its going does not commit again.
    connect(&model, &report::SectionsModel::refused, this,
            [this](const QString& message) { platform::showInputError(this, message); }, Qt::QueuedConnection);
    connect(&model.history(), &QUndoStack::cleanChanged, this, &frmuchastki::showState);
    connect(&model.history(), &QUndoStack::indexChanged, this, &frmuchastki::showState);
    connect(ui.undoButton, &QPushButton::clicked, &model.history(), &QUndoStack::undo);
    connect(ui.redoButton, &QPushButton::clicked, &model.history(), &QUndoStack::redo);
    // Ctrl+Y beside the desktop's own redo key, once: a key bound twice would do nothing.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys << QKeySequence(Qt::CTRL | Qt::Key_Y);
    auto* redoKey = new QShortcut(this);
    redoKey->setKeys(redoKeys);
    connect(redoKey, &QShortcut::activated, ui.redoButton, &QPushButton::animateClick);
    for (QLineEdit* input : {ui.projectInput, ui.systemInput, ui.authorInput, ui.designationInput})
        connect(input, &QLineEdit::textEdited, this, [this] {
            titleEdited = true;
            showState();
        });
    connect(ui.dateInput, &QDateEdit::dateChanged, this, [this] {
        titleEdited = true;
        showState();
    });
    connect(ui.sectionsTable->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmuchastki::showState);
    connect(ui.removeButton, &QPushButton::clicked, this, &frmuchastki::removeSelected);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, ui.sectionsTable);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &frmuchastki::removeSelected);
    connect(ui.upButton, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(ui.downButton, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(ui.openInCalculatorButton, &QPushButton::clicked, this, &frmuchastki::openInCalculator);
    connect(ui.systemButton, &QPushButton::clicked, this, &frmuchastki::openSystem);
    connect(ui.chooseSizesButton, &QPushButton::clicked, this, &frmuchastki::chooseSizes);
    connect(ui.newButton, &QPushButton::clicked, this, &frmuchastki::newTable);
    connect(ui.saveButton, &QPushButton::clicked, this, &frmuchastki::save);
    connect(ui.saveAsButton, &QPushButton::clicked, this, &frmuchastki::saveAs);
    connect(ui.openButton, &QToolButton::clicked, this, &frmuchastki::open);
    connect(recentMenu, &QMenu::aboutToShow, this, &frmuchastki::fillRecentMenu);
    ui.outputBar->setDocumentProvider(
        [this] { return report::networkDocument(model.computed(), model.kind(), titleBlock()); });
    ui.outputBar->setViewProvider([this] { return ui.sectionsTable; });
    ui.outputBar->setWorkbookProvider([this] { return QList{report::sectionsSheet(model.computed(), model.kind(), titleBlock())}; });

    const QSettings settings;
    const QString folder = settings.value(folderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        platform::setLastChosenFolder(folder);
    const QSize size = settings.value(sizeKey).toSize();
    fitColumns();
    showState();
    // A size kept on a larger screen is cut to this one's free area.
    if (size.isValid())
        resize(size.boundedTo(widgets::screenRoom(this)));
    fillRecentMenu();
}

// The history empties itself as the model goes and says so, when the members declared after
// the model are gone already; the table, a child, outlives the model and would measure it.
frmuchastki::~frmuchastki()
{
    disconnect(&model.history(), nullptr, this, nullptr);
    disconnect(&model, nullptr, this, nullptr);
    disconnect(ui.sectionsTable->verticalScrollBar(), nullptr, this, nullptr);
    ui.sectionsTable->viewport()->removeEventFilter(this);
}

bool frmuchastki::isModified() const { return titleEdited || !model.history().isClean(); }

std::optional<report::Section> frmuchastki::calculatedForRow(const calc::CalculationRequest& handed,
                                                             const QString& number, const QString& action)
{
    // The row keeps what its file gives back: no position on a list the calculator did not show.
    calc::CalculationRequest request = handed;
    if (const calc::TableRecord* record = records(request.table))
        request.conditions.chosen = calc::shownChoices(*record, request.conditions.chosen);
    const report::SectionCalculation calculated = report::calculateSection(records, number, request);
    if (calculated.failed) {
        platform::showInputError(
            this, action + QStringLiteral(":\rпо таблице II-%1 он не рассчитывается").arg(request.table));
        return std::nullopt;
    }
    // A table keeps nothing its file could not give back.
    const QString fault = report::storedFault(*records(request.table), calculated.section);
    if (!fault.isEmpty()) {
        platform::showInputError(this, action + QStringLiteral(":\r") + fault);
        return std::nullopt;
    }
    return calculated.section;
}

bool frmuchastki::addSection(const calc::CalculationRequest& handed)
{
    const std::optional<report::Section> section =
        calculatedForRow(handed, model.nextNumber(), QStringLiteral("Участок не добавлен в таблицу участков"));
    if (!section)
        return false;
    const report::TableKind kind = report::kindOf(*section);
    if (model.kind() && *model.kind() != kind) {
        const QString question = QStringLiteral("Это таблица системы «%1», а участок относится к системе «%2».\n"
                                                "В одной таблице одна система. Начать новую таблицу?")
                                     .arg(report::kindName(*model.kind()), report::kindName(kind));
        if (!platform::askToStartNew(this, question) || !changesSettled())
            return false;
        startTable({}, std::nullopt, {}, {});
        report::Section first = *section;
        first.number = model.nextNumber();
        model.append(first);
    } else {
        model.append(*section);
    }
    selectRow(model.rowCount() - 1);
    return true;
}

bool frmuchastki::replaceSection(const QPersistentModelIndex& row, const calc::CalculationRequest& request)
{
    if (!row.isValid()) {
        platform::showInputError(this, QStringLiteral("Участок не заменён:\rего строки больше нет в таблице участков"));
        return false;
    }
    const report::Section& old = model.sections().at(row.row());
    const QString action = QStringLiteral("Участок №%1 не заменён").arg(old.number);
    std::optional<report::Section> section = calculatedForRow(request, old.number, action);
    if (!section)
        return false;
    if (model.kind() && *model.kind() != report::kindOf(*section)) {
        platform::showInputError(this, action + QStringLiteral(":\rэто таблица системы «%1», а участок относится к системе «%2»")
                                                    .arg(report::kindName(*model.kind()),
                                                         report::kindName(report::kindOf(*section))));
        return false;
    }
    // The row's place in the network stays; so do the fixtures its flow came from, unless the
    // calculator brought others.
    section->start = old.start;
    section->end = old.end;
    section->flowTyped = old.flowTyped;
    section->fixturesAtEnd = old.fixturesAtEnd;
    section->endHeight = old.endHeight;
    section->endHead = old.endHead;
    section->unitAtEnd = old.unitAtEnd;
    if (!section->request.fixtures && section->request.conditions.flow.value == old.request.conditions.flow.value
        && section->request.conditions.flow.unit == old.request.conditions.flow.unit)
        section->request.fixtures = old.request.fixtures;
    model.replace(row.row(), *section);
    selectRow(row.row());
    return true;
}

void frmuchastki::closeEvent(QCloseEvent* event)
{
    if (!changesSettled())
        return event->ignore();
    QSettings().setValue(sizeKey, size());
    event->accept();
}

// Whether the table on screen may give way: nothing unsaved, or saved or let go by the user.
bool frmuchastki::changesSettled()
{
    if (!isModified())
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

QList<int> frmuchastki::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : ui.sectionsTable->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void frmuchastki::selectRow(int row)
{
    if (row >= 0 && row < model.rowCount())
        ui.sectionsTable->selectRow(row);
    showState();
}

void frmuchastki::removeSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    model.remove(rows);
    ui.sectionsTable->clearSelection();
    selectRow(std::min(rows.first(), model.rowCount() - 1));
}

void frmuchastki::moveSelected(int step)
{
    const QList<int> rows = selectedRows();
    if (rows.size() == 1 && model.move(rows.first(), step))
        selectRow(rows.first() + step);
}

// The row's request goes as the row keeps it: the calculator shows what the row was computed from.
void frmuchastki::openInCalculator()
{
    const QList<int> rows = selectedRows();
    if (!opensInCalculator(rows))
        return;
    // The row is followed through moves; a row removed or a table replaced leaves none to replace.
    const QPersistentModelIndex opened(model.index(rows.first(), 0));
    QPointer<frmuchastki> table(this);
    calculators.open(model.sections().at(rows.first()).request,
                     {model.sections().at(rows.first()).number, [table, opened](const calc::CalculationRequest& section) {
                          return table && table->replaceSection(opened, section);
                      }});
}

bool frmuchastki::opensInCalculator(const QList<int>& rows) const
{
    return rows.size() == 1 && calculators.opens && calculators.open
           && calculators.opens(model.sections().at(rows.first()).request.table);
}

bool frmuchastki::save() { return filePath.isEmpty() ? saveAs() : saveTo(filePath); }

bool frmuchastki::saveAs()
{
    const QString suggested = filePath.isEmpty() ? QStringLiteral("участки.talver") : QFileInfo(filePath).fileName();
    const QString path = platform::saveFileName(this, QStringLiteral("Сохранить таблицу участков"), suggested, fileFilter,
                                                QStringLiteral("talver"));
    return !path.isEmpty() && saveTo(path);
}

bool frmuchastki::saveTo(const QString& path)
{
    if (!report::writeFile(this, path, report::sectionsFile(model.sections(), records, model.kind(), titleBlock(), model.settings())))
        return false;
    filePath = path;
    titleEdited = false;
    model.history().setClean();
    remember(path);
    showState();
    return true;
}

void frmuchastki::open()
{
    // Another table replaces this one: its unsaved changes are not to be lost unasked.
    if (!changesSettled())
        return;
    const QString path = platform::openFileName(this, QStringLiteral("Открыть таблицу участков"), fileFilter);
    if (!path.isEmpty())
        openFile(path);
}

void frmuchastki::openFile(const QString& path)
{
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
    startTable(read.sections, read.kind, read.title, path, read.network);
    remember(path);
}

void frmuchastki::newTable()
{
    if (changesSettled())
        startTable({}, std::nullopt, {}, {});
}

void frmuchastki::startTable(const QList<report::Section>& sections, std::optional<report::TableKind> kind,
                             const report::TitleBlock& block, const QString& path, const report::NetworkSettings& network)
{
    model.reset(sections, kind, network);
    ui.projectInput->setText(block.project);
    ui.systemInput->setText(block.system);
    ui.authorInput->setText(block.author);
    ui.designationInput->setText(block.designation);
    ui.dateInput->setDate(block.date.isValid() ? block.date : QDate::currentDate());
    titleEdited = false;
    filePath = path;
    showState();
}

report::TitleBlock frmuchastki::titleBlock() const
{
    return {ui.projectInput->text(), ui.systemInput->text(), ui.authorInput->text(), ui.dateInput->date(),
            ui.designationInput->text()};
}

// The folder and the five latest files are offered again in the next run.
void frmuchastki::remember(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QSettings settings;
    settings.setValue(folderKey, QFileInfo(absolute).absolutePath());
    QStringList recent = settings.value(recentKey).toStringList();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    settings.setValue(recentKey, recent.mid(0, recentCount));
}

void frmuchastki::fillRecentMenu()
{
    recentMenu->clear();
    const QStringList recent = QSettings().value(recentKey).toStringList().mid(0, recentCount);
    for (const QString& path : recent)
        connect(recentMenu->addAction(QDir::toNativeSeparators(path)), &QAction::triggered, this, [this, path] {
            if (changesSettled())
                openFile(path);
        });
    if (recent.isEmpty())
        recentMenu->addAction(QStringLiteral("Недавних файлов нет"))->setEnabled(false);
}

void frmuchastki::fitColumns()
{
    QTableView* table = ui.sectionsTable;
    // Measuring every row of a long table would take longer than a frame: the rows in view give
    // the widths.
    table->horizontalHeader()->setResizeContentsPrecision(0);
    table->resizeColumnsToContents();
    // The window widens with its rows up to most of the screen's width, and opens no wider than
    // the other windows: the network's columns scroll in the table rather than the screen.
    const int widest = std::min(screen()->availableGeometry().width() * 4 / 5, widestOpening);
    const int width = table->horizontalHeader()->length() + 2 * table->frameWidth()
                      + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table);
    table->setMinimumWidth(std::min(width, widest));
}

bool frmuchastki::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.sectionsTable->viewport() && event->type() == QEvent::Resize)
        widenColumns();
    return QWidget::eventFilter(watched, event);
}

// A column only grows here: one that narrowed as the rows scroll would move the others under the
// reader's eyes.
void frmuchastki::widenColumns()
{
    QTableView* table = ui.sectionsTable;
    // The table's measure of the rows in view, which QTableView keeps protected.
    const QAbstractItemView* view = table;
    for (int column = 0; column < model.columnCount(); ++column) {
        const int wanted = std::max(view->sizeHintForColumn(column), table->horizontalHeader()->sectionSizeHint(column));
        if (wanted > table->columnWidth(column))
            table->setColumnWidth(column, wanted);
    }
}

void frmuchastki::openSystem()
{
    // One window of the table's figures at a time.
    if (auto* open = findChild<frmsistema*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    // A table of one system: its first section says whether q0 is of cold or hot water.
    calc::FixtureWater water = calc::FixtureWater::Cold;
    if (!model.sections().isEmpty()) {
        const calc::CalculationRequest& first = model.sections().first().request;
        if (const calc::TableRecord* record = records ? records(first.table) : nullptr)
            water = calc::fixtures::systemWater(*record, first.conditions.chosen);
    }
    auto* window = new frmsistema(model.shownKind(), model.settings(), water, this);
    connect(window, &frmsistema::applied, &model, &report::SectionsModel::setSettings);
    window->show();
}

// Water supply designs to the table's own velocity, heating to the limits the size selection keeps.
void frmuchastki::chooseSizes()
{
    const bool heating = model.shownKind() == report::TableKind::Heating;
    calc::DesignLimits limits = calc::rememberedLimits(heating);
    if (!heating)
        limits.velocity = model.settings().water.velocityLimit;
    const report::SizesWithinLimits chosen = report::sizesWithinLimits(model.computed(), records, limits);
    const QString refusal = model.replaceSizes(chosen.sizes);
    if (!refusal.isEmpty()) {
        platform::showInputError(this, refusal);
        return;
    }
    if (!chosen.outOfLimits.isEmpty())
        platform::showInputError(this, QStringLiteral("Ни одна труба не проходит по ограничениям %1 на участках «%2»:\r"
                                                      "их диаметры не изменены")
                                           .arg(calc::limitsText(limits), chosen.outOfLimits.join(QStringLiteral("», «"))));
}

void frmuchastki::showResults()
{
    const report::ComputedTable& computed = model.computed();
    const std::pair<QLabel*, QString> lines[] = {
        {ui.networkFaultLabel, computed.fault}, {ui.carrierLabel, computed.carrier},
        {ui.dictatingLabel, computed.dictating}, {ui.requiredHeadLabel, computed.requiredHead},
        {ui.boosterLabel, computed.booster}, {ui.mainRingLabel, computed.mainRing},
        {ui.pumpHeadLabel, computed.pumpHead}};
    for (const auto& [label, text] : lines) {
        label->setText(text);
        label->setVisible(!text.isEmpty());
    }
}

void frmuchastki::showState()
{
    ui.totalsLabel->setText(report::totalsText(model.shownKind(), model.totals()));
    showResults();
    const QList<int> rows = selectedRows();
    ui.removeButton->setEnabled(!rows.isEmpty());
    ui.upButton->setEnabled(rows.size() == 1 && rows.first() > 0);
    ui.downButton->setEnabled(rows.size() == 1 && rows.first() < model.rowCount() - 1);
    ui.openInCalculatorButton->setEnabled(opensInCalculator(rows));
    ui.chooseSizesButton->setEnabled(model.rowCount() > 0);
    ui.undoButton->setEnabled(model.history().canUndo());
    ui.redoButton->setEnabled(model.history().canRedo());
    const QString kind = model.kind() ? QStringLiteral(": ") + report::kindName(*model.kind()) : QString();
    const QString name = filePath.isEmpty() ? QString() : QStringLiteral(" — ") + QFileInfo(filePath).fileName();
    setWindowTitle(title + kind + name + (isModified() ? QStringLiteral(" *") : QString()));
}
