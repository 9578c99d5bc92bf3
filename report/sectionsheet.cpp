#include "report/sectionsheet.h"

#include "calc/common/tablerecord.h"
#include "calc/fixtures/fixtureflow.h"
#include "report/networksheet.h"

#include <algorithm>
#include <cmath>

namespace report {

namespace {

using namespace workbook;

const QString computedValue =
    QStringLiteral("Формула таблицы не записывается формулой ячейки: здесь значение, рассчитанное программой.");

// α is read from a table by N and P or by NP: the cell holds what the program read, as the
// fixtures window would for the row's figures.
QString alphaComment(calc::fixtures::AlphaSource source)
{
    return QStringLiteral("α по %1 из %2: значение, прочитанное программой; при других N и P его нужно прочесть в таблице заново.")
        .arg(source == calc::fixtures::AlphaSource::TableB1 ? QStringLiteral("N и P") : QStringLiteral("NP"),
             calc::fixtures::alphaSourceText(source));
}

// The inputs a row's formulas name: the cells of v, ν and ρ and d in metres.
struct RowInputs {
    QString v;
    QString d;  // "(H9/1000)"
    QString nu;
    QString rho;
};

// λ of the building tables' heating and polymer sections, by its Re, Re кв, b and A.
QString frictionLambda(const RowInputs& x, const QString& roughness)
{
    const QString re = QStringLiteral("(%1*%2/%3)").arg(x.v, x.d, x.nu);
    const QString b = QStringLiteral("MIN(2,1+LOG10(%1)/LOG10(500*%2/%3))").arg(re, x.d, roughness);
    const QString lgA = QStringLiteral("LOG10(3.7*%1/%2)").arg(x.d, roughness);
    return QStringLiteral("(0.5*(%1/2+1.312*(2-%1)*%2/(LOG10(%3)-1))/%2)^2").arg(b, lgA, re);
}

// The slope i of a water section, or R of a heating one, as its table's record writes it.
std::optional<QString> slopeFormula(const Section& section, const RowInputs& x)
{
    const calc::ConditionChoices& chosen = section.request.conditions.chosen;
    const QString& v = x.v;
    const QString& d = x.d;
    switch (section.request.table) {
    case 1:
    case 2: {
        const QString lambda = calc::choiceAt(chosen, 0) == 1
                                   ? QStringLiteral("0.312/%1^0.226*(0.0000019+%2/%3)^0.226").arg(d, x.nu, v)
                                   : QStringLiteral("IF(%3/%2>=920000,0.021/%1^0.3,1/%1^0.3*(0.0000015+%2/%3)^0.3)").arg(d, x.nu, v);
        return QStringLiteral("%1/%2*%3^2/19.62").arg(lambda, d, v);
    }
    case 3:
        if (calc::choiceAt(chosen, 1) == 1)
            return QStringLiteral("0.0144/%1^0.284*(1+2.36/%2)^0.284/%1*%2^2/19.62").arg(d, v);
        return QStringLiteral("IF(%2>=1.2,0.00107*%2^2/%1^1.3,0.000912*%2^2/%1^1.3*(1+0.867/%2)^0.3)").arg(d, v);
    case 4:
        return QStringLiteral("0.000561*%2^2/%1^1.19*(1+3.51/%2)^0.19").arg(d, v);
    case 5:
        return QStringLiteral("0.000685*%2^1.774/%1^1.226").arg(d, v);
    case 6:
        return QStringLiteral("0.000802*%2^2/%1^1.19*(1+3.51/%2)^0.19").arg(d, v);
    case 7:
        return QStringLiteral("0.0146*(%2*%1)^(-0.226)*%2^2/(19.62*%1)").arg(d, v);
    case 8:
        return QStringLiteral("0.000745*%2^1.774/%1^1.226").arg(d, v);
    default:
        break;
    }
    using SystemKind = calc::BuildingSystem;
    if (section.request.table < 9 || section.request.table > 11 || !section.outcome.system)
        return std::nullopt;
    const bool copper = section.request.table == 9;
    const QString roughness = copper ? QStringLiteral("0.00001") : QStringLiteral("0.000001");
    switch (*section.outcome.system) {
    case SystemKind::Heating:
        return QStringLiteral("%1*%2*%3^2/(2*%4)").arg(x.rho, frictionLambda(x, roughness), v, d);
    case SystemKind::HotWaterSupply: {
        const QString lgRe = QStringLiteral("LOG10(%1*%2/%3)").arg(v, d, x.nu);
        const QString lgD = QStringLiteral("LOG10(%1)").arg(d);
        return QStringLiteral("0.051*((%1+6.52*%2)/(115*%2^2)+(0.66*%2+0.1*%1)/(%2*%1))*%3^2/%4").arg(lgRe, lgD, v, d);
    }
    case SystemKind::ColdWater:
    case SystemKind::HotWater:
        break;
    }
    if (copper)
        return QStringLiteral("0.0161*%1^0.25*%2^1.75*%3^(-1.25)").arg(x.nu, v, d);
    return QStringLiteral("%1*%2^2/(2*9.81*%3)").arg(frictionLambda(x, roughness), v, d);
}

// h of a water section from its 1000i, l, k or Σξ and v.
QString headLossFormula(const Section& section, const QString& thousandI, const QString& length, const QString& local,
                        const QString& v)
{
    const int table = section.request.table;
    if (table >= 9)
        return QStringLiteral("%1/1000*%2+%3*%4^2/19.62").arg(thousandI, length, local, v);
    if (table <= 2 && section.request.localLosses.counted)
        return QStringLiteral("%1/1000*%2*(1+%3)").arg(thousandI, length, local);
    return QStringLiteral("%1/1000*%2").arg(thousandI, length);
}

class SheetBuilder {
public:
    SheetBuilder(TableKind kind, int firstRow) : kind(kind), firstRow(firstRow)
    {
        const int count = int(columns(kind).size());
        if (kind == TableKind::Heating) {
            flowColumn = count;
            nuColumn = count + 1;
            rhoColumn = count + 2;
            heatCapacityColumn = count + 3;
        } else {
            flowColumn = columnOf(kind, Field::Flow);
            nuColumn = count;
        }
    }

    void header(Sheet& sheet) const
    {
        const QStringList texts = report::header(kind);
        for (int c = 0; c < texts.size(); ++c)
            sheet.set(firstRow - 1, c, text(texts.at(c), true));
        sheet.set(firstRow - 1, nuColumn, text(QStringLiteral("ν, м²/с"), true));
        if (kind == TableKind::Heating) {
            sheet.set(firstRow - 1, flowColumn, text(QStringLiteral("q, л/с"), true));
            sheet.set(firstRow - 1, rhoColumn, text(QStringLiteral("ρ, кг/м³"), true));
            sheet.set(firstRow - 1, heatCapacityColumn, text(QStringLiteral("c, кДж/(кг·К)"), true));
        }
    }

    void add(Sheet& sheet, const Section& section, int index)
    {
        const int row = firstRow + index;
        const calc::Figures& figures = section.outcome.figures;
        const calc::CalculationRequest& request = section.request;
        const auto ref = [row](int column) { return cellName(row, column); };
        const auto at = [this](Field field) { return columnOf(kind, field); };
        const auto shows = [&section](Field field) { return !cellText(section, field).isEmpty(); };
        const auto put = [&](Field field, const Cell& cell) {
            if (at(field) >= 0 && shows(field))
                sheet.set(row, at(field), cell);
        };

        put(Field::Number, text(section.number));
        put(Field::Pipes, text(section.pipes));
        for (const Column& column : columns(kind))
            if (isEndField(column.field)) {
                const QString shown = cellText(section, column.field);
                bool isNumber = false;
                const double value = QString(shown).replace(u',', u'.').toDouble(&isNumber);
                put(column.field, isNumber && column.field != Field::Start && column.field != Field::End ? number(value)
                                                                                                         : text(shown));
            }
        if (request.fixtures) {
            const calc::fixtures::FixtureFigures fixtures = calc::fixtures::fixtureFigures(*request.fixtures);
            put(Field::Fixtures, number(request.fixtures->fixtures));
            if (!request.fixtures->probability)
                put(Field::Consumers, number(request.fixtures->consumers));
            // P and α as computed and read, so that NP and q follow from them as in the window.
            if (fixtures.exactProbability && fixtures.probability)
                put(Field::Probability,
                    number(*fixtures.exactProbability, 4 - 1 - int(std::floor(std::log10(*fixtures.probability)))));
            if (fixtures.np)
                put(Field::FixturesProduct,
                    formula(QStringLiteral("%1*%2").arg(ref(at(Field::Fixtures)), ref(at(Field::Probability))), *fixtures.np, 4));
            if (fixtures.exactAlpha) {
                Cell alpha = number(*fixtures.exactAlpha, 4);
                alpha.comment = alphaComment(fixtures.alphaSource);
                put(Field::Alpha, alpha);
            }
        }
        if (figures.flow)
            sheet.set(row, flowColumn, number(1000 * *figures.flow));
        if (figures.viscosity)
            sheet.set(row, nuColumn, number(*figures.viscosity));
        if (kind == TableKind::Heating) {
            if (figures.density)
                sheet.set(row, rhoColumn, number(*figures.density));
            if (request.load) {
                put(Field::Heat, number(request.load->heat));
                put(Field::TemperatureDrop, number(request.load->temperatureDrop));
                sheet.set(row, heatCapacityColumn, number(request.load->heatCapacity));
                put(Field::MassFlow, formula(QStringLiteral("3.6*%1/(%2*%3)")
                                                 .arg(ref(at(Field::Heat)), ref(heatCapacityColumn), ref(at(Field::TemperatureDrop))),
                                             3.6 * request.load->heat / (request.load->heatCapacity * request.load->temperatureDrop), 1));
            }
        }
        put(Field::Diameter, number(figures.diameterMm.value_or(request.diameterMm)));
        const RowInputs inputs{ref(at(Field::Velocity)), QStringLiteral("(%1/1000)").arg(ref(at(Field::Diameter))),
                               ref(nuColumn), ref(rhoColumn)};
        if (figures.velocity)
            put(Field::Velocity, formula(QStringLiteral("4*(%1/1000)/(PI()*%2^2)").arg(ref(flowColumn), inputs.d), *figures.velocity, 3));
        const std::optional<QString> slope = slopeFormula(section, inputs);
        if (request.length)
            put(Field::Length, number(*request.length));
        if (kind == TableKind::Heating)
            addHeating(sheet, section, row, slope, inputs);
        else
            addWater(sheet, section, row, slope, inputs);
    }

    void totals(Sheet& sheet, const QList<Section>& sections) const
    {
        const int row = firstRow + int(sections.size());
        sheet.set(row, 0, text(QStringLiteral("Итого"), true));
        const Totals values = totalsOf(sections);
        // The totals stand under the running sums, as in the window.
        const auto sum = [&](int summed, int column, int decimals, double value) {
            Cell cell = sections.isEmpty()
                            ? number(0, 3)
                            : formula(QStringLiteral("SUMPRODUCT(ROUND(%1:%2,%3))")
                                          .arg(cellName(firstRow, summed), cellName(row - 1, summed))
                                          .arg(decimals),
                                      value, 3);
            cell.bold = true;
            sheet.set(row, column, cell);
        };
        if (kind == TableKind::Heating) {
            sum(columnOf(kind, Field::SectionLoss), columnOf(kind, Field::RunningSectionLoss), 3, values.sectionLoss);
            return;
        }
        sum(columnOf(kind, Field::HeadLoss), columnOf(kind, Field::RunningHeadLoss), 3, values.headLoss);
        const int pressure = columnOf(kind, Field::Pressure);
        QStringList terms;
        for (int r = 0; r < sections.size(); ++r)
            terms << QStringLiteral("ROUND(%1,%2)").arg(cellName(firstRow + r, pressure)).arg(sections.at(r).pressureDecimals);
        const bool uniform = std::all_of(sections.begin(), sections.end(), [&sections](const Section& s) {
            return s.pressureDecimals == sections.first().pressureDecimals;
        });
        if (uniform || sections.isEmpty())
            sum(pressure, pressure, sections.isEmpty() ? 3 : sections.first().pressureDecimals, values.pressure);
        else {
            Cell cell = formula(terms.join(u'+'), values.pressure, 3);
            cell.bold = true;
            sheet.set(row, pressure, cell);
        }
    }

private:
    void addWater(Sheet& sheet, const Section& section, int row, const std::optional<QString>& slope, const RowInputs& x)
    {
        const calc::Figures& figures = section.outcome.figures;
        const auto ref = [row](int column) { return cellName(row, column); };
        const auto at = [this](Field field) { return columnOf(kind, field); };
        if (figures.thousandI && !cellText(section, Field::ThousandI).isEmpty())
            sheet.set(row, at(Field::ThousandI), derived(slope ? std::optional(QStringLiteral("1000*") + *slope) : std::nullopt,
                                                         *figures.thousandI, 3));
        const std::optional<double> local = section.request.localLosses.counted ? figures.localShare : figures.resistanceSum;
        if (local)
            sheet.set(row, at(Field::LocalLosses), number(*local));
        if (figures.headLoss && figures.headLossPressure && section.request.length) {
            const QString h = ref(at(Field::HeadLoss));
            sheet.set(row, at(Field::HeadLoss),
                      formula(headLossFormula(section, ref(at(Field::ThousandI)), ref(at(Field::Length)),
                                              ref(at(Field::LocalLosses)), x.v),
                              *figures.headLoss, 3));
            sheet.set(row, at(Field::Pressure),
                      formula(QStringLiteral("1000*9.80665*%1").arg(h), *figures.headLossPressure, section.pressureDecimals));
            running(sheet, row, at(Field::RunningHeadLoss), h, *figures.headLoss);
        } else {
            running(sheet, row, at(Field::RunningHeadLoss), {}, 0);
        }
    }

    void addHeating(Sheet& sheet, const Section& section, int row, const std::optional<QString>& slope, const RowInputs& x)
    {
        const calc::Figures& figures = section.outcome.figures;
        const auto ref = [row](int column) { return cellName(row, column); };
        const auto at = [this](Field field) { return columnOf(kind, field); };
        if (figures.specificLoss)
            sheet.set(row, at(Field::SpecificLoss), derived(slope, *figures.specificLoss, 3));
        if (figures.resistanceSum)
            sheet.set(row, at(Field::ResistanceSum), number(*figures.resistanceSum));
        if (!figures.specificLoss || !figures.localPressureLoss || !figures.pressureDrop || !section.request.length) {
            running(sheet, row, at(Field::RunningSectionLoss), {}, 0);
            return;
        }
        const double length = *section.request.length;
        sheet.set(row, at(Field::FrictionLoss),
                  formula(QStringLiteral("%1*%2").arg(ref(at(Field::SpecificLoss)), ref(at(Field::Length))),
                          *figures.specificLoss * length, 3));
        sheet.set(row, at(Field::LocalLoss),
                  formula(QStringLiteral("%1*%2^2*%3/2").arg(ref(at(Field::ResistanceSum)), x.v, x.rho), *figures.localPressureLoss, 3));
        const QString loss = ref(at(Field::SectionLoss));
        sheet.set(row, at(Field::SectionLoss),
                  formula(QStringLiteral("%1+%2").arg(ref(at(Field::FrictionLoss)), ref(at(Field::LocalLoss))), *figures.pressureDrop, 3));
        running(sheet, row, at(Field::RunningSectionLoss), loss, *figures.pressureDrop);
    }

    static Cell derived(const std::optional<QString>& expression, double value, int decimals)
    {
        if (expression)
            return formula(*expression, value, decimals);
        Cell cell = number(value, decimals);
        cell.comment = computedValue;
        return cell;
    }

    // The running sum adds each figure as the window shows it, rounded: to the row above in a
    // list, to the row that feeds it in a network.
    void running(Sheet& sheet, int row, int column, const QString& figure, double value)
    {
        const int index = row - firstRow;
        const int previous = network ? feeders.value(index, -1) : index - 1;
        QString expression = previous >= 0 ? cellName(firstRow + previous, column) : QString();
        if (!figure.isEmpty())
            expression += (expression.isEmpty() ? QString() : QStringLiteral("+")) + QStringLiteral("ROUND(%1,3)").arg(figure);
        runningValue += std::round(value * 1000) / 1000;
        const double shown = network ? pathSums.value(index) : runningValue;
        sheet.set(row, column, formula(expression.isEmpty() ? QStringLiteral("0") : expression, shown, 3));
    }

public:
    // The rows of a network: each row's feeder (-1 at the input) and the sums along the paths.
    void setNetwork(const QList<int>& rowFeeders, const QList<double>& sums)
    {
        network = true;
        feeders = rowFeeders;
        pathSums = sums;
    }

    SheetLayout layout() const
    {
        const bool heating = kind == TableKind::Heating;
        return {kind, firstRow, flowColumn, heating ? heatCapacityColumn : -1, (heating ? heatCapacityColumn : nuColumn) + 1};
    }

private:

    TableKind kind;
    int firstRow;
    int flowColumn = 0;
    int nuColumn = 0;
    int rhoColumn = 0;
    int heatCapacityColumn = 0;
    double runningValue = 0;
    bool network = false;
    QList<int> feeders;
    QList<double> pathSums;
};

}  // namespace

namespace {

workbook::Sheet sheetOf(const QList<Section>& sections, std::optional<TableKind> kind, const TitleBlock& title,
                        const ComputedTable* network)
{
    const TableKind shown = kind.value_or(TableKind::WaterSupply);
    Sheet sheet{QStringLiteral("Участки"), {}};
    sheet.set(0, 0, text(sectionsDocument({}, kind, title).title, true));
    const std::pair<QString, QString> block[] = {{QStringLiteral("Объект"), title.project},
                                                 {QStringLiteral("Система"), title.system},
                                                 {QStringLiteral("Выполнил"), title.author},
                                                 {QStringLiteral("Обозначение"), title.designation},
                                                 {QStringLiteral("Дата"), title.date.isValid() ? title.date.toString(QStringLiteral("dd.MM.yyyy")) : QString()}};
    int row = 1;
    for (const auto& [caption, value] : block) {
        sheet.set(row, 0, text(caption, true));
        sheet.set(row++, 1, text(value));
    }
    SheetBuilder builder(shown, row + 2);
    const calc::network::Tree* tree = !network         ? nullptr
                                      : network->water   ? &network->water->shape.tree
                                      : network->heating ? &network->heating->shape.tree
                                                         : nullptr;
    if (tree)
        builder.setNetwork(tree->feeder, network->running);
    builder.header(sheet);
    for (int index = 0; index < sections.size(); ++index)
        builder.add(sheet, sections.at(index), index);
    builder.totals(sheet, sections);
    // The network's results under the totals: worked out in cells, or as the program words them
    // where the rows are no network.
    const int results = row + 2 + int(sections.size()) + 2;
    if (tree) {
        writeNetwork(sheet, builder.layout(), *network, results);
    } else if (network) {
        int line = results;
        for (const QString& result : network->results())
            sheet.set(line++, 0, text(result));
    }
    return sheet;
}

}  // namespace

workbook::Sheet sectionsSheet(const QList<Section>& sections, std::optional<TableKind> kind, const TitleBlock& title)
{
    return sheetOf(sections, kind, title, nullptr);
}

workbook::Sheet sectionsSheet(const ComputedTable& table, std::optional<TableKind> kind, const TitleBlock& title)
{
    return sheetOf(table.shown, kind, title, &table);
}

}  // namespace report
