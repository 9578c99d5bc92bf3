#include "calc/registry/tables.h"

#include "calc/building/buildingrecords.h"
#include "calc/castiron_cement/castironrecords.h"
#include "calc/plastic_glass/plasticrecords.h"
#include "calc/steel/steelrecords.h"

#include <QtGlobal>

namespace calc {

const QList<TableRecord>& tables()
{
    static const QList<TableRecord> all{
        steel::waterGasRecord(),  steel::electricWeldedRecord(), castIronRecord(),
        asbestosCementRecord(),   polyethyleneRecord(),          reinforcedConcreteRecord(),
        glassFibreRecord(),       glassRecord(),                 building::copperRecord(),
        building::pexRecord(),    building::pexAlPexRecord()};
    return all;
}

const TableRecord& table(int number)
{
    Q_ASSERT(number >= 1 && number <= tableCount);
    return tables().at(number - 1);
}

}  // namespace calc
