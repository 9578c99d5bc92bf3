#include "calc/registry/tables.h"

#include <QtGlobal>

namespace calc {

const QList<TableRecord>& tables()
{
    static const QList<TableRecord> all = [] {
        QList<TableRecord> records;
        for (TableRecord (*record)() : recordOfTable)
            records.append(record());
        return records;
    }();
    return all;
}

const TableRecord& table(int number)
{
    Q_ASSERT(number >= 1 && number <= tableCount);
    return tables().at(number - 1);
}

}  // namespace calc
