#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/common/tablerecord.h"
#include "calc/network/networkinput.h"
#include "report/document.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The sections of a system's hydraulic calculation: what the user set for each, what the
// program's own calculation gives for it, and the table's texts.
namespace report {

// The record of a table by its number; null for a number no record has.
using RecordLookup = std::function<const calc::TableRecord*(int number)>;

struct Section {
    QString number;  // as the user names it: "1", "1-2"
    calc::CalculationRequest request;
    calc::CalculationOutcome outcome;
    QString pipes;   // the material in a few words and the size
    int pressureDecimals = 2;  // of the pressure, as the table's screen shows it
    // Its place in a network and what sits at its end node; a row of a list has no ends.
    QString start = {};
    QString end = {};
    bool flowTyped = false;  // the flow stands over the network's
    std::optional<calc::network::FixturesAtEnd> fixturesAtEnd = {};
    std::optional<double> endHeight = {};
    std::optional<double> endHead = {};
    std::optional<calc::network::UnitAtEnd> unitAtEnd = {};
    // What the network gives the row of a heating table against its main ring; never saved.
    std::optional<double> imbalance = {};
    std::optional<double> throttle = {};
};

// One system per table: water supply (cold, hot, circulation, fire-fighting) or heating.
enum class TableKind { WaterSupply, Heating };

TableKind kindOf(const Section& section);
// "Водоснабжение", "Отопление".
QString kindName(TableKind kind);
// The name a file keeps: "водоснабжение", "отопление"; and back, none for another text.
QString kindFileName(TableKind kind);
std::optional<TableKind> kindOfFileName(const QString& name);

// What a column shows; the columns of a kind are a list of these, so that a column is added in
// one place.
enum class Field {
    Number, Start, End, FixturesAtEnd, ConsumersAtEnd, EndHeight, EndHead, UnitHeat, UnitLoss, Imbalance, Throttle,
    Consumers, Pipes, Fixtures, Probability, FixturesProduct, Alpha, Flow, Heat, TemperatureDrop, MassFlow, Diameter, Velocity, ThousandI, SpecificLoss, Length, FrictionLoss,
    LocalLosses, ResistanceSum, LocalLoss, SectionLoss, RunningSectionLoss, HeadLoss, RunningHeadLoss, Pressure,
};

struct Column {
    Field field;
    QString header;
};

// Water supply: №, the ends and what sits at the end, трубы, N, U, P, NP, α, q, d, v, 1000i, l, k or Σξ, h, Σh,
// ΔP; heating: №, the ends and the unit at the end, Q, Δt, G, трубы, d, v, R, l, R·l, Σξ, Z, R·l+Z,
// Σ(R·l+Z), the imbalance and the pressure to throttle.
const QList<Column>& columns(TableKind kind);
QStringList header(TableKind kind);
int columnOf(TableKind kind, Field field);  // -1 where the kind has no such column
// The ends of a section and what sits at its end node: the network's own inputs.
bool isEndField(Field field);

// The figure a column adds down the table: h of water, R·l+Z of heating, as the row shows it.
std::optional<double> summedFigure(const Section& section);

// The section's texts in the columns of the kind, the numbers rounded as its calculator shows
// them; `runningSum` is the running sum down to this row.
QStringList sectionCells(const Section& section, TableKind kind, double runningSum);
// The text of one column; the running-sum column is the caller's.
QString cellText(const Section& section, Field field);

// The totals of a kind: Σh and ΣΔP of water, Σ(R·l+Z) of heating.
struct Totals {
    double headLoss = 0;
    double pressure = 0;
    double sectionLoss = 0;
};
Totals totalsOf(const QList<Section>& sections);
// "Итого: Σh = 1,2 м, ΣΔP = 345,67 Па" or "Итого: Σ(R·l+Z) = 345,67 Па".
QString totalsText(TableKind kind, const Totals& totals);
// The totals as the last row of the table, under their columns.
QStringList totalsRow(TableKind kind, const Totals& totals);

// Who and what the table is for, printed at its head.
struct TitleBlock {
    QString project;  // "Объект"
    QString system;   // "Система"
    QString author;   // "Выполнил"
    QDate date;       // "Дата"
    QString designation = {};  // "Обозначение" of the framed sheets
    bool operator==(const TitleBlock&) const = default;
};

// The request run again by its table's calculation, or the check that stopped it; a table
// without a record stops as not computable.
struct SectionCalculation {
    std::optional<calc::Check> failed;
    Section section;
};
SectionCalculation calculateSection(const RecordLookup& records, const QString& number,
                                    const calc::CalculationRequest& request);

// The whole table with its title block and its totals row as a document for the outputs.
Document sectionsDocument(const QList<Section>& sections, std::optional<TableKind> kind, const TitleBlock& title);

}  // namespace report
