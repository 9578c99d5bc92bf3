#include "select/frmpodbor.h"

#include "calc/common/valueparse.h"
#include "calc/common/numbertext.h"
#include "calc/screen/rememberedlimits.h"
#include "platform/progress.h"
#include "widgets/escapecloses.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

namespace selection {

void showSizeSelection(const RequestSource& source, QWidget* calculator)
{
    static QPointer<frmpodbor> window;
    static QMetaObject::Connection calculatorClosed;
    const bool opening = !window;
    if (opening)
        window = new frmpodbor;
    QObject::disconnect(calculatorClosed);
    if (calculator)
        calculatorClosed = QObject::connect(calculator, &QObject::destroyed, window.data(), &QWidget::close);
    window->follow(source, calculator);
    window->show();
    if (opening)
        window->fitToScreen();
    window->raise();
    window->activateWindow();
}

}  // namespace selection

namespace {

// The limits are the engineer's for each system, kept between sessions.

bool sameCarrier(const std::optional<calc::ReferenceCarrier>& a, const std::optional<calc::ReferenceCarrier>& b)
{
    if (!a || !b)
        return a.has_value() == b.has_value();
    return a->kind == b->kind && a->concentration == b->concentration && a->temperature == b->temperature
           && a->heatCapacity == b->heatCapacity;
}

// The same table, conditions and carrier: the sizes and their figures at a flow are the same.
bool sameConditions(const selection::Request& a, const selection::Request& b)
{
    const calc::SizeQuery& x = a.section.conditions;
    const calc::SizeQuery& y = b.section.conditions;
    return a.record.number == b.record.number && x.chosen == y.chosen && x.carrierViscosityE6 == y.carrierViscosityE6
           && x.carrierDensity == y.carrierDensity && x.temperature == y.temperature
           && sameCarrier(a.section.carrier, b.section.carrier);
}

QHash<TextTableModel::Cell, QString> cellMarks(const QList<selection::MarkedCell>& marks)
{
    QHash<TextTableModel::Cell, QString> cells;
    for (const selection::MarkedCell& mark : marks)
        cells.insert({mark.row, mark.column}, mark.limit);
    return cells;
}

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
    // A limit is a few digits.
    for (auto* limit : {ui.velocityLimitInput, ui.pressureLossLimitInput})
        limit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000,000")) * 2);

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
    for (auto* limit : {ui.velocityLimitInput, ui.pressureLossLimitInput})
        connect(limit, &QLineEdit::textChanged, this, &frmpodbor::limitsEdited);
    ui.limitsMessage->hide();

    // A change on the calculator is taken once its own handlers have run, and once for a burst.
    calculatorRefresh.setSingleShot(true);
    calculatorRefresh.setInterval(0);
    connect(&calculatorRefresh, &QTimer::timeout, this, &frmpodbor::takeCalculatorRequest);
}

void frmpodbor::follow(const selection::RequestSource& newSource, QWidget* calculator)
{
    source = newSource;
    delete calculatorWatch;
    calculatorWatch = new QObject(this);
    if (calculator) {
        // The request reads the calculator's controls: none once it is gone.
        connect(calculator, &QObject::destroyed, calculatorWatch, [this] {
            source = {};
            calculatorRefresh.stop();
        });
        const auto refresh = [this] { calculatorRefresh.start(); };
        for (auto* input : calculator->findChildren<QLineEdit*>())
            connect(input, &QLineEdit::textChanged, calculatorWatch, refresh);
        // A list or option chosen again can change a screen's state without changing itself.
        for (auto* list : calculator->findChildren<QComboBox*>()) {
            connect(list, &QComboBox::currentIndexChanged, calculatorWatch, refresh);
            connect(list, &QComboBox::activated, calculatorWatch, refresh);
        }
        for (auto* button : calculator->findChildren<QAbstractButton*>()) {
            connect(button, &QAbstractButton::toggled, calculatorWatch, refresh);
            connect(button, &QAbstractButton::clicked, calculatorWatch, refresh);
        }
    }
    setRequest(source(), true);
}

// The flow typed here stays until the calculator's flow changes; new conditions are taken at once.
void frmpodbor::takeCalculatorRequest()
{
    if (!source)
        return;
    const selection::Request taken = source();
    const bool newFlow = taken.flowText != request.flowText
                         || taken.section.conditions.flow.unit != request.section.conditions.flow.unit;
    if (sameConditions(taken, request) && !newFlow)
        return;
    setRequest(taken, newFlow);
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

void frmpodbor::setRequest(const selection::Request& newRequest, bool takeFlow)
{
    const bool newConditions = !sameConditions(newRequest, request);
    request = newRequest;
    setWindowTitle(QStringLiteral("Подбор диаметра — ") + request.record.title.trimmed());
    ui.conditionsLabel->setText(selection::conditionsText(request.record, request.section));
    if (takeFlow) {
        // One refresh for the new flow and unit, not one for each.
        const QSignalBlocker flowBlocker(ui.flowInput);
        const QSignalBlocker unitBlocker(ui.unitLitres);
        ui.flowInput->setText(request.flowText);
        (request.section.conditions.flow.unit == calc::FlowUnit::LitresPerSecond ? ui.unitLitres : ui.unitCubic)->setChecked(true);
    }
    showLimitsOf(calc::heatingChosen(request.record, request.section.conditions.chosen));
    if (newConditions) {
        // A page of other conditions would show figures these conditions do not give.
        fillShownSizes();
        handbookPage = {};
        handbookModel.setTable({}, {});
        ui.tableMessage->clear();
        fittedTextLengths.clear();
    }
    showSizes();
}

// The inputs hold the limits of the system chosen; another system brings its own.
void frmpodbor::showLimitsOf(bool heating)
{
    ui.pressureLossLimitCaption->setVisible(heating);
    ui.pressureLossLimitInput->setVisible(heating);
    if (limitsOfHeating == heating)
        return;
    limitsOfHeating = heating;
    const calc::DesignLimits limits = calc::rememberedLimits(heating);
    const QSignalBlocker velocityBlocker(ui.velocityLimitInput);
    const QSignalBlocker lossBlocker(ui.pressureLossLimitInput);
    ui.velocityLimitInput->setText(calc::numberText(limits.velocity));
    ui.pressureLossLimitInput->setText(limits.pressureLoss ? calc::numberText(*limits.pressureLoss) : QString());
    ui.limitsMessage->clear();
    ui.limitsMessage->hide();
}

std::optional<calc::DesignLimits> frmpodbor::typedLimits() const
{
    const std::optional<double> velocity = calc::typedLimit(ui.velocityLimitInput->text());
    if (!velocity)
        return std::nullopt;
    if (!limitsOfHeating.value_or(false))
        return calc::DesignLimits{*velocity, std::nullopt};
    const std::optional<double> loss = calc::typedLimit(ui.pressureLossLimitInput->text());
    if (!loss)
        return std::nullopt;
    return calc::DesignLimits{*velocity, *loss};
}

// A wrong limit is named and withholds the recommendation; the right ones are remembered.
void frmpodbor::limitsEdited()
{
    const bool heating = limitsOfHeating.value_or(false);
    const std::optional<double> velocity = calc::typedLimit(ui.velocityLimitInput->text());
    const std::optional<double> loss = calc::typedLimit(ui.pressureLossLimitInput->text());
    if (velocity)
        calc::rememberVelocityLimit(heating, *velocity);
    if (heating && loss)
        calc::rememberPressureLossLimit(*loss);
    QStringList wrong;
    if (!velocity)
        wrong << QStringLiteral("«v не более, м/с»");
    if (heating && !loss)
        wrong << QStringLiteral("«R не более, Па/м»");
    ui.limitsMessage->setText(
        wrong.isEmpty() ? QString()
                        : QStringLiteral("Ограничение %1 должно быть числом больше нуля: рекомендации по ограничениям нет, "
                                         "пока оно не исправлено.")
                              .arg(wrong.join(QStringLiteral(" и "))));
    ui.limitsMessage->setVisible(!wrong.isEmpty());
    sizesRefresh.start();
    markHandbook();
}

void frmpodbor::markHandbook()
{
    const std::optional<calc::DesignLimits> limits = typedLimits();
    handbookModel.setMarkedCells(limits ? cellMarks(selection::handbookMarks(handbookPage, *limits))
                                        : QHash<TextTableModel::Cell, QString>());
}

calc::CalculationRequest frmpodbor::currentSection() const
{
    calc::CalculationRequest section = request.section;
    section.conditions.flow = {calc::parseValue(ui.flowInput->text()),
                               ui.unitLitres->isChecked() ? calc::FlowUnit::LitresPerSecond : calc::FlowUnit::CubicMetresPerHour};
    return section;
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
    const selection::SizeTable table = selection::sizeTable(request.record, currentSection(), flowGiven, typedLimits());
    QList<QStringList> rows;
    for (const selection::SizeRow& row : table.rows)
        rows << row.cells;
    QSet<int> bold;
    if (table.recommendedRow >= 0)
        bold << table.recommendedRow;
    sizesModel.setTable(selection::sizeTableHeader(), rows, bold);
    sizesModel.setMarkedCells(cellMarks(table.pastLimits));
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
    for (const calc::CatalogSize& size : request.record.sizes(request.section.conditions.chosen)) {
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
    const QList<calc::CatalogSize> sizes = request.record.sizes(request.section.conditions.chosen);
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
        request.record, currentSection(), shown, range,
        [&progress, columns](qint64 done, qint64 total) { return progress.advance(done, total + columns); });
    ui.tableMessage->setText(table.error);
    if (table.error.isEmpty()) {
        handbookPage = table;
        handbookModel.setTable(table.header, table.rows);
        markHandbook();
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
    if (const std::optional<calc::DesignLimits> limits = typedLimits())
        shown.conditions << QStringLiteral("ограничения: ") + calc::limitsText(*limits);
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
