#include "select/frmpodbor.h"

#include "calc/common/valueparse.h"
#include "calc/common/numbertext.h"
#include "platform/progress.h"
#include "select/sizetable.h"
#include "widgets/escapecloses.h"

#include <QHeaderView>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

namespace selection {

void showSizeSelection(const Request& request, QWidget* calculator)
{
    static QPointer<frmpodbor> window;
    static QMetaObject::Connection calculatorClosed;
    const bool opening = !window;
    if (opening)
        window = new frmpodbor;
    QObject::disconnect(calculatorClosed);
    if (calculator)
        calculatorClosed = QObject::connect(calculator, &QObject::destroyed, window.data(), &QWidget::close);
    window->setRequest(request);
    window->show();
    if (opening)
        window->fitToScreen();
    window->raise();
    window->activateWindow();
}

}  // namespace selection

namespace {

void prepareTable(QTableView* view, TextTableModel* model)
{
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() * 3 / 2);
    // Columns are fitted once per new table, judged by its first rows: a handbook page can hold
    // two thousand rows.
    view->horizontalHeader()->setResizeContentsPrecision(100);
}

}  // namespace

frmpodbor::frmpodbor(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    widgets::closeOnEscape(this);
    for (auto* label : {ui.conditionsLabel, ui.adviceLabel, ui.tableMessage}) {
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    sizesModel.setTextColumns({selection::SizeColumnName, selection::JudgementColumn});
    prepareTable(ui.sizesTable, &sizesModel);
    prepareTable(ui.handbookTable, &handbookModel);
    ui.sizesTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The list of sizes to show needs the width of its longest size; the page takes the rest.
    ui.shownSizes->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000,0 × 00,00")) * 2);

    // Keys that come in a burst (a paste, a held key) recompute the sizes once, when the events
    // are handled: every key would measure and repaint every size of the catalog.
    sizesRefresh.setSingleShot(true);
    sizesRefresh.setInterval(0);
    connect(&sizesRefresh, &QTimer::timeout, this, &frmpodbor::showSizes);
    connect(ui.flowInput, &QLineEdit::textChanged, &sizesRefresh, qOverload<>(&QTimer::start));
    connect(ui.unitLitres, &QRadioButton::toggled, this, &frmpodbor::showSizes);
    connect(ui.buildTableButton, &QPushButton::clicked, this, &frmpodbor::buildHandbook);
    for (auto* input : {ui.tableFrom, ui.tableTo, ui.tableStep})
        connect(input, &NumericInput::enterPressed, this, &frmpodbor::buildHandbook);
    ui.outputBar->setDocumentProvider([this] {
        showPendingSizes();
        return document();
    });
    ui.outputBar->setViewProvider([this] {
        showPendingSizes();
        return ui.modes->currentWidget() == ui.flowTab ? ui.sizesTable : ui.handbookTable;
    });
    connect(ui.allSizesButton, &QPushButton::clicked, this, [this] { setAllSizesShown(true); });
    connect(ui.noSizesButton, &QPushButton::clicked, this, [this] { setAllSizesShown(false); });
}

// Wide enough for the sizes table and some eighteen rows, within the screen.
void frmpodbor::fitToScreen()
{
    const QTableView* table = ui.sizesTable;
    const QRect free = screen()->availableGeometry();
    const int tableWidth = table->horizontalHeader()->length() + table->verticalScrollBar()->sizeHint().width()
                           + 2 * table->frameWidth();
    const int wanted = width() - table->width() + tableWidth;
    const int tall = height() - table->height() + 18 * table->verticalHeader()->defaultSectionSize();
    resize(std::min(free.width(), std::max(width(), wanted)), std::min(free.height() * 9 / 10, std::max(height(), tall)));
}

void frmpodbor::setRequest(const selection::Request& newRequest)
{
    request = newRequest;
    setWindowTitle(QStringLiteral("Подбор диаметра — ") + request.record.title.trimmed());
    ui.conditionsLabel->setText(selection::conditionsText(request.record, request.query));
    {
        // One refresh for the new flow and unit, not one for each.
        const QSignalBlocker flowBlocker(ui.flowInput);
        const QSignalBlocker unitBlocker(ui.unitLitres);
        ui.flowInput->setText(request.flowText);
        (request.query.flow.unit == calc::FlowUnit::LitresPerSecond ? ui.unitLitres : ui.unitCubic)->setChecked(true);
    }
    fillShownSizes();
    handbookModel.setTable({}, {});
    ui.tableMessage->clear();
    fittedTextLengths.clear();
    showSizes();
}

calc::SizeQuery frmpodbor::currentQuery() const
{
    calc::SizeQuery query = request.query;
    query.flow = {calc::parseValue(ui.flowInput->text()),
                  ui.unitLitres->isChecked() ? calc::FlowUnit::LitresPerSecond : calc::FlowUnit::CubicMetresPerHour};
    return query;
}

void frmpodbor::showPendingSizes()
{
    if (sizesRefresh.isActive())
        showSizes();
}

void frmpodbor::showSizes()
{
    sizesRefresh.stop();
    const bool flowGiven = !ui.flowInput->text().trimmed().isEmpty();
    const selection::SizeTable table = selection::sizeTable(request.record, currentQuery(), flowGiven);
    QList<QStringList> rows;
    for (const selection::SizeRow& row : table.rows)
        rows << row.cells;
    QSet<int> bold;
    if (table.recommendedRow >= 0)
        bold << table.recommendedRow;
    sizesModel.setTable(selection::sizeTableHeader(), rows, bold);
    fitSizeColumns(rows);
    ui.adviceLabel->setText(table.advice);
    if (table.recommendedRow >= 0) {
        ui.sizesTable->selectRow(table.recommendedRow);
        ui.sizesTable->scrollTo(sizesModel.index(table.recommendedRow, 0));
    }
}

// Fitting measures every cell of a catalog; the columns are fitted again only when the longest text
// of one of them changed its length: the figures have a fixed number of decimals in digits of
// one width, the judgements are few words.
void frmpodbor::fitSizeColumns(const QList<QStringList>& rows)
{
    QList<qsizetype> longest(sizesModel.columnCount(), 0);
    for (const QStringList& row : rows)
        for (qsizetype column = 0; column < std::min(row.size(), longest.size()); ++column)
            longest[column] = std::max(longest[column], row.at(column).size());
    if (longest == fittedTextLengths)
        return;
    fittedTextLengths = longest;
    ui.sizesTable->resizeColumnsToContents();
}

void frmpodbor::fillShownSizes()
{
    ui.shownSizes->clear();
    for (const calc::CatalogSize& size : request.record.sizes(request.query.chosen)) {
        auto* item = new QListWidgetItem(selection::shownDesignation(size.designation), ui.shownSizes);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
}

void frmpodbor::setAllSizesShown(bool shown)
{
    for (int k = 0; k < ui.shownSizes->count(); ++k)
        ui.shownSizes->item(k)->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
}

void frmpodbor::buildHandbook()
{
    const QList<calc::CatalogSize> sizes = request.record.sizes(request.query.chosen);
    QList<calc::CatalogSize> shown;
    for (int k = 0; k < ui.shownSizes->count() && k < sizes.size(); ++k)
        if (ui.shownSizes->item(k)->checkState() == Qt::Checked)
            shown << sizes.at(k);
    const selection::FlowRange range{calc::parseValue(ui.tableFrom->text()), calc::parseValue(ui.tableTo->text()),
                                     calc::parseValue(ui.tableStep->text())};
    // The bar goes on while the columns are fitted: a page of many sizes has over a thousand.
    platform::WorkProgress progress(this, QStringLiteral("Расчет таблицы…"));
    const qint64 columns = 1 + 2 * qint64(shown.size());
    const selection::HandbookTable table = selection::handbookTable(
        request.record, currentQuery(), shown, range,
        [&progress, columns](qint64 done, qint64 total) { return progress.advance(done, total + columns); });
    ui.tableMessage->setText(table.error);
    if (table.error.isEmpty()) {
        handbookModel.setTable(table.header, table.rows);
        const qint64 rows = table.rows.size();
        for (int column = 0; column < handbookModel.columnCount(); ++column) {
            ui.handbookTable->resizeColumnToContents(column);
            if (!progress.advance(rows + column, rows + columns))
                break;
        }
    }
}

// The table of the tab shown, with the conditions it was computed for.
report::Document frmpodbor::document() const
{
    report::Document shown;
    shown.title = windowTitle();
    shown.conditions << ui.conditionsLabel->text();
    const bool litres = ui.unitLitres->isChecked();
    const bool sizesShown = ui.modes->currentWidget() == ui.flowTab;
    const TextTableModel& model = sizesShown ? sizesModel : handbookModel;
    if (sizesShown) {
        const QString flow = calc::numberText(calc::parseValue(ui.flowInput->text()));
        if (!ui.flowInput->text().trimmed().isEmpty())
            shown.conditions << QStringLiteral("расход %1 %2").arg(flow, litres ? QStringLiteral("л/сек") : QStringLiteral("м куб/ч"));
        if (!ui.adviceLabel->text().isEmpty())
            shown.conditions << ui.adviceLabel->text().split(u'\n');
    }
    // A handbook page keeps v and 1000i of a size together when it is cut into parts.
    report::Table table{model.header(), model.rows(), model.boldRows(), sizesShown ? 1 : 2};
    // A size is named by its designation, which may read as a number: "26,8".
    if (sizesShown)
        table.labelColumns = {selection::SizeColumnName};
    shown.tables << table;
    return shown;
}
