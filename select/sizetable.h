#pragma once

#include "calc/common/tablerecord.h"
#include "report/progress.h"
#include "calc/common/designlimits.h"

#include <QList>
#include <QString>
#include <QStringList>

// Every catalog size of a table measured at one flow, and the handbook page of a range of flows:
// the rows as the size-selection window shows them, numbers rounded as the calculator shows them.
namespace selection {

enum SizeColumn { SizeColumnName, DiameterColumn, VelocityColumn, ThousandIColumn, PressureColumn, JudgementColumn };

struct SizeRow {
    QStringList cells;  // in the order of SizeColumn
    bool recommended = false;
};

// A figure past a design limit, and the limit in words.
struct MarkedCell {
    int row = 0;
    int column = 0;
    QString limit;
};

struct SizeTable {
    QList<SizeRow> rows;
    QString advice;  // the recommendation above the table
    int recommendedRow = -1;
    QList<MarkedCell> pastLimits;
};

QStringList sizeTableHeader();

// Every catalog size of the section's conditions at its flow and carrier. `flowGiven` is false
// while the flow input is empty: the number cells stay empty. Without limits (a limit typed
// wrong) no size is recommended by them; a table's economic size still is.
SizeTable sizeTable(const calc::TableRecord& record, const calc::CalculationRequest& section, bool flowGiven,
                    const std::optional<calc::DesignLimits>& limits);

// Flows from `from` to `to` with `step`, in the query's unit.
struct FlowRange {
    double from = 0;
    double to = 0;
    double step = 0;
};

inline constexpr int handbookRowLimit = 2000;
// The flow column and two columns per size, of every row: what a page may hold and still be
// built in a second and written as PDF in seconds.
inline constexpr int handbookCellLimit = 200000;

struct HandbookTable {
    QString error;  // why nothing was computed; empty on success
    QStringList header;
    QList<QStringList> rows;
    bool heating = false;  // the second figure of a size is R, not 1000i
    // v and the second figure of each size as shown, NaN where none is: what limits mark.
    QList<QList<double>> figures;
};

// One row per flow: the flow, then v and 1000i (for heating R) of each size in `sizes`. The flow
// shows as many decimals as the start and the step need, and each row is computed at the flow
// it shows. The progress hears of each row; stopped, the page is not built.
HandbookTable handbookTable(const calc::TableRecord& record, const calc::CalculationRequest& section,
                            const QList<calc::CatalogSize>& sizes, const FlowRange& range,
                            const report::Progress& progress = {});

// The cells of a page past the limits: v, and R of heating.
QList<MarkedCell> handbookMarks(const HandbookTable& table, const calc::DesignLimits& limits);

// A catalog designation with the locale's decimal separator: "21,3 × 2,8".
QString shownDesignation(const QString& designation);

// The chosen conditions and carrier in words: "трубы: неновые; система: холодного водоснабжения".
QString conditionsText(const calc::TableRecord& record, const calc::CalculationRequest& section);

}  // namespace selection
