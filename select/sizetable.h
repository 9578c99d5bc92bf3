#pragma once

#include "calc/common/tablerecord.h"
#include "report/progress.h"

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

struct SizeTable {
    QList<SizeRow> rows;
    QString advice;  // the recommendation above the table
    int recommendedRow = -1;
};

QStringList sizeTableHeader();

// `flowGiven` is false while the flow input is empty: the number cells stay empty.
SizeTable sizeTable(const calc::TableRecord& record, const calc::SizeQuery& query, bool flowGiven);

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
};

// One row per flow: the flow, then v and 1000i (for heating R) of each size in `sizes`. The flow
// shows as many decimals as the start and the step need, and each row is computed at the flow
// it shows. The progress hears of each row; stopped, the page is not built.
HandbookTable handbookTable(const calc::TableRecord& record, const calc::SizeQuery& conditions,
                            const QList<calc::CatalogSize>& sizes, const FlowRange& range,
                            const report::Progress& progress = {});

// A catalog designation with the locale's decimal separator: "21,3 × 2,8".
QString shownDesignation(const QString& designation);

// The chosen conditions in words: "трубы: неновые; система: холодного водоснабжения".
QString conditionsText(const calc::TableRecord& record, const calc::SizeQuery& query);

}  // namespace selection
