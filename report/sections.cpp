#include "report/sections.h"

#include "calc/carrier/heatload.h"
#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"
#include "calc/fixtures/fixtureflow.h"
#include "calc/network/networkfaults.h"

#include <QLocale>

namespace report {

namespace {

using calc::numberText;
using calc::roundHalfEven;

// A catalog size with the decimal comma of the other numbers: "21,3 × 2,8".
QString shownSize(const QString& designation)
{
    QString size = designation;
    return size.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString pipesText(const calc::TableRecord& record, const calc::CalculationRequest& request)
{
    QStringList words{record.shortName};
    const calc::ConditionChoices& chosen = request.conditions.chosen;
    for (int position : record.namingConditions)
        if (position < record.conditions.size())
            words << record.conditions.at(position).choices(chosen.mid(0, position)).value(calc::choiceAt(chosen, position));
    words << (request.size.isEmpty() ? QStringLiteral("dp = ") + numberText(request.diameterMm) : shownSize(request.size));
    words.removeAll(QString());
    return words.join(QLatin1Char(' ')).simplified();
}

QString rounded(const std::optional<double>& value, int decimals)
{
    return value ? numberText(roundHalfEven(*value, decimals)) : QString();
}

std::optional<double> shownHeadLoss(const Section& section)
{
    const calc::Figures& figures = section.outcome.figures;
    if (kindOf(section) == TableKind::Heating || !figures.headLoss)
        return std::nullopt;
    return roundHalfEven(*figures.headLoss, 3);
}

std::optional<double> shownPressure(const Section& section)
{
    const calc::Figures& figures = section.outcome.figures;
    if (kindOf(section) == TableKind::Heating || !figures.headLossPressure)
        return std::nullopt;
    return roundHalfEven(*figures.headLossPressure, section.pressureDecimals);
}

std::optional<double> shownSectionLoss(const Section& section)
{
    const calc::Figures& figures = section.outcome.figures;
    return figures.pressureDrop ? std::optional(roundHalfEven(*figures.pressureDrop, 3)) : std::nullopt;
}

// G as the load window showed it, to 0,1 кг/ч.
std::optional<double> massFlow(const calc::CalculationRequest& request)
{
    const std::optional<calc::HeatLoad>& load = request.load;
    if (!load || load->heatCapacity <= 0 || load->temperatureDrop <= 0)
        return std::nullopt;
    return calc::carrier::shownMassFlow(*load);
}

// N, P, NP and α as the fixtures window shows them; empty where the flow was typed.
QString fixturesText(const calc::CalculationRequest& request, Field field)
{
    if (!request.fixtures)
        return {};
    const calc::fixtures::FixtureFigures figures = calc::fixtures::fixtureFigures(*request.fixtures);
    const auto text = [](const std::optional<double>& value) { return value ? numberText(*value) : QString(); };
    switch (field) {
    case Field::Fixtures:
        return numberText(request.fixtures->fixtures);
    case Field::Probability:
        return text(figures.probability);
    case Field::FixturesProduct:
        return text(figures.np);
    default:
        return text(figures.alpha);
    }
}

// k of a steel section that counts its local losses, Σξ of a building one.
QString localLossesText(const Section& section)
{
    const calc::Figures& figures = section.outcome.figures;
    if (section.request.localLosses.counted && figures.localShare)
        return numberText(*figures.localShare);
    return rounded(figures.resistanceSum, 3);
}

QList<Column> waterColumns()
{
    namespace network = calc::network;
    return {{Field::Number, QStringLiteral("№")},
            {Field::Start, network::startColumn},
            {Field::End, network::endColumn},
            {Field::FixturesAtEnd, network::fixturesColumn},
            {Field::ConsumersAtEnd, network::consumersColumn},
            {Field::EndHeight, network::heightColumn},
            {Field::EndHead, network::freeHeadColumn},
            {Field::Pipes, QStringLiteral("Трубы")},
            {Field::Fixtures, QStringLiteral("N")},
            {Field::Consumers, QStringLiteral("U")},
            {Field::Probability, QStringLiteral("P")},
            {Field::FixturesProduct, QStringLiteral("NP")},
            {Field::Alpha, QStringLiteral("α")},
            {Field::Flow, QStringLiteral("q, л/с")},
            {Field::Diameter, QStringLiteral("d, мм")},
            {Field::Velocity, QStringLiteral("v, м/с")},
            {Field::ThousandI, QStringLiteral("1000i")},
            {Field::Length, QStringLiteral("l, м")},
            {Field::LocalLosses, QStringLiteral("k или Σξ")},
            {Field::HeadLoss, QStringLiteral("h, м")},
            {Field::RunningHeadLoss, QStringLiteral("Σh, м")},
            {Field::Pressure, QStringLiteral("ΔP, Па")}};
}

QList<Column> heatingColumns()
{
    namespace network = calc::network;
    return {{Field::Number, QStringLiteral("№")},
            {Field::Start, network::startColumn},
            {Field::End, network::endColumn},
            {Field::UnitHeat, network::heatColumn},
            {Field::UnitLoss, network::unitLossColumn},
            {Field::Heat, QStringLiteral("Q, Вт")},
            {Field::TemperatureDrop, QStringLiteral("Δt, °С")},
            {Field::MassFlow, QStringLiteral("G, кг/ч")},
            {Field::Pipes, QStringLiteral("Трубы")},
            {Field::Diameter, QStringLiteral("d, мм")},
            {Field::Velocity, QStringLiteral("v, м/с")},
            {Field::SpecificLoss, QStringLiteral("R, Па/м")},
            {Field::Length, QStringLiteral("l, м")},
            {Field::FrictionLoss, QStringLiteral("R·l, Па")},
            {Field::ResistanceSum, QStringLiteral("Σξ")},
            {Field::LocalLoss, QStringLiteral("Z, Па")},
            {Field::SectionLoss, QStringLiteral("R·l+Z, Па")},
            {Field::RunningSectionLoss, QStringLiteral("Σ(R·l+Z), Па")},
            {Field::Imbalance, QStringLiteral("Невязка, %")},
            {Field::Throttle, QStringLiteral("Дросселировать, Па")}};
}

}  // namespace

// Only heating gives R; a section of no length has it without its ΔP.
TableKind kindOf(const Section& section)
{
    const calc::Figures& figures = section.outcome.figures;
    return figures.specificLoss || figures.pressureDrop ? TableKind::Heating : TableKind::WaterSupply;
}

QString kindName(TableKind kind)
{
    return kind == TableKind::Heating ? QStringLiteral("Отопление") : QStringLiteral("Водоснабжение");
}

QString kindFileName(TableKind kind) { return kindName(kind).toLower(); }

std::optional<TableKind> kindOfFileName(const QString& name)
{
    for (TableKind kind : {TableKind::WaterSupply, TableKind::Heating})
        if (name == kindFileName(kind))
            return kind;
    return std::nullopt;
}

const QList<Column>& columns(TableKind kind)
{
    static const QList<Column> water = waterColumns();
    static const QList<Column> heating = heatingColumns();
    return kind == TableKind::Heating ? heating : water;
}

QStringList header(TableKind kind)
{
    QStringList texts;
    for (const Column& column : columns(kind))
        texts << column.header;
    return texts;
}

bool isEndField(Field field)
{
    switch (field) {
    case Field::Start:
    case Field::End:
    case Field::FixturesAtEnd:
    case Field::ConsumersAtEnd:
    case Field::EndHeight:
    case Field::EndHead:
    case Field::UnitHeat:
    case Field::UnitLoss:
        return true;
    default:
        return false;
    }
}

int columnOf(TableKind kind, Field field)
{
    const QList<Column>& all = columns(kind);
    for (qsizetype c = 0; c < all.size(); ++c)
        if (all.at(c).field == field)
            return int(c);
    return -1;
}

std::optional<double> summedFigure(const Section& section)
{
    return kindOf(section) == TableKind::Heating ? shownSectionLoss(section) : shownHeadLoss(section);
}

QString cellText(const Section& section, Field field)
{
    const calc::Figures& figures = section.outcome.figures;
    const calc::CalculationRequest& request = section.request;
    switch (field) {
    case Field::Number:
        return section.number;
    case Field::Pipes:
        return section.pipes;
    case Field::Start:
        return section.start;
    case Field::End:
        return section.end;
    case Field::FixturesAtEnd:
        return section.fixturesAtEnd ? numberText(section.fixturesAtEnd->count) : QString();
    case Field::ConsumersAtEnd:
        return section.fixturesAtEnd ? numberText(section.fixturesAtEnd->consumers) : QString();
    case Field::EndHeight:
        return section.endHeight ? numberText(*section.endHeight) : QString();
    case Field::EndHead:
        return section.endHead ? numberText(*section.endHead) : QString();
    case Field::UnitHeat:
        return section.unitAtEnd ? numberText(section.unitAtEnd->heat) : QString();
    case Field::UnitLoss:
        return section.unitAtEnd ? numberText(section.unitAtEnd->pressureLoss) : QString();
    case Field::Imbalance:
        return rounded(section.imbalance, 2);
    case Field::Throttle:
        return rounded(section.throttle, 3);
    case Field::Consumers:
        return request.fixtures && !request.fixtures->probability ? numberText(request.fixtures->consumers) : QString();
    case Field::Fixtures:
    case Field::Probability:
    case Field::FixturesProduct:
    case Field::Alpha:
        return fixturesText(request, field);
    case Field::Flow:
        return rounded(figures.flow ? std::optional(1000 * *figures.flow) : std::nullopt, 8);
    case Field::Heat:
        return request.load ? numberText(request.load->heat) : QString();
    case Field::TemperatureDrop:
        return request.load ? numberText(request.load->temperatureDrop) : QString();
    case Field::MassFlow:
        return massFlow(request) ? numberText(*massFlow(request)) : QString();
    case Field::Diameter:
        return numberText(figures.diameterMm.value_or(request.diameterMm));
    case Field::Velocity:
        return rounded(figures.velocity, 3);
    case Field::ThousandI:
        return rounded(figures.thousandI, 3);
    case Field::SpecificLoss:
        return rounded(figures.specificLoss, 3);
    case Field::Length:
        return request.length ? numberText(*request.length) : QString();
    case Field::FrictionLoss:
        return figures.specificLoss && request.length ? rounded(*figures.specificLoss * *request.length, 3) : QString();
    case Field::LocalLosses:
        return localLossesText(section);
    case Field::ResistanceSum:
        return rounded(figures.resistanceSum, 3);
    case Field::LocalLoss:
        return rounded(figures.localPressureLoss, 3);
    case Field::SectionLoss:
        return rounded(shownSectionLoss(section), 3);
    case Field::HeadLoss:
        return rounded(shownHeadLoss(section), 3);
    case Field::Pressure:
        return shownPressure(section) ? numberText(*shownPressure(section)) : QString();
    case Field::RunningSectionLoss:
    case Field::RunningHeadLoss:
        break;
    }
    return {};
}

QStringList sectionCells(const Section& section, TableKind kind, double runningSum)
{
    QStringList cells;
    for (const Column& column : columns(kind))
        cells << (column.field == Field::RunningHeadLoss || column.field == Field::RunningSectionLoss
                      ? numberText(roundHalfEven(runningSum, 3))
                      : cellText(section, column.field));
    return cells;
}

Totals totalsOf(const QList<Section>& sections)
{
    Totals totals;
    for (const Section& section : sections) {
        totals.headLoss += shownHeadLoss(section).value_or(0);
        totals.pressure += shownPressure(section).value_or(0);
        totals.sectionLoss += shownSectionLoss(section).value_or(0);
    }
    return totals;
}

// The sums of rounded figures carry no more decimals than the figures.
QString totalsText(TableKind kind, const Totals& totals)
{
    if (kind == TableKind::Heating)
        return QStringLiteral("Итого: Σ(R·l+Z) = ") + numberText(roundHalfEven(totals.sectionLoss, 3)) + QStringLiteral(" Па");
    return QStringLiteral("Итого: Σh = ") + numberText(roundHalfEven(totals.headLoss, 3)) + QStringLiteral(" м, ΣΔP = ")
           + numberText(roundHalfEven(totals.pressure, 3)) + QStringLiteral(" Па");
}

QStringList totalsRow(TableKind kind, const Totals& totals)
{
    QStringList cells(columns(kind).size());
    cells[0] = QStringLiteral("Итого");
    if (kind == TableKind::Heating) {
        cells[columnOf(kind, Field::RunningSectionLoss)] = numberText(roundHalfEven(totals.sectionLoss, 3));
    } else {
        cells[columnOf(kind, Field::RunningHeadLoss)] = numberText(roundHalfEven(totals.headLoss, 3));
        cells[columnOf(kind, Field::Pressure)] = numberText(roundHalfEven(totals.pressure, 3));
    }
    return cells;
}

SectionCalculation calculateSection(const RecordLookup& records, const QString& number,
                                    const calc::CalculationRequest& request)
{
    const calc::TableRecord* record = records ? records(request.table) : nullptr;
    if (!record || !record->calculate)
        return {calc::Check::NotComputable, {}};
    const calc::CalculationOutcome outcome = record->calculate(request);
    return {outcome.failed, {number, request, outcome, pipesText(*record, request), record->pressureDecimals}};
}

Document sectionsDocument(const QList<Section>& sections, std::optional<TableKind> kind, const TitleBlock& title)
{
    const TableKind shown = kind.value_or(TableKind::WaterSupply);
    Table table;
    table.header = header(shown);
    table.labelColumns = {columnOf(shown, Field::Number), columnOf(shown, Field::Start), columnOf(shown, Field::End),
                          columnOf(shown, Field::Pipes)};
    double running = 0;
    for (const Section& section : sections) {
        running += summedFigure(section).value_or(0);
        table.rows << sectionCells(section, shown, running);
    }
    table.emphasisedRows = {int(table.rows.size())};
    table.rows << totalsRow(shown, totalsOf(sections));

    Document document;
    document.title = QStringLiteral("Гидравлический расчет участков");
    if (kind)
        document.title += QStringLiteral(". ") + kindName(*kind);
    const std::pair<QString, QString> lines[] = {{QStringLiteral("Объект: "), title.project},
                                                 {QStringLiteral("Система: "), title.system},
                                                 {QStringLiteral("Выполнил: "), title.author}};
    for (const auto& [caption, text] : lines)
        if (!text.trimmed().isEmpty())
            document.conditions << caption + text.simplified();
    if (title.date.isValid())
        document.conditions << QStringLiteral("Дата: ") + title.date.toString(QStringLiteral("dd.MM.yyyy"));
    // The pages after the first name the object and the system beside the title.
    QStringList named{title.project.simplified(), title.system.simplified()};
    named.removeAll(QString());
    document.runningTitle =
        named.isEmpty() ? document.title : document.title + QStringLiteral(" — ") + named.join(QStringLiteral(", "));
    document.headedTables = true;
    document.tables = {table};
    document.stamp = {title.designation, title.project, title.system, title.author, title.date};
    return document;
}

}  // namespace report
