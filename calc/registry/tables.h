#pragma once

#include "calc/building/buildingrecords.h"
#include "calc/castiron_cement/castironrecords.h"
#include "calc/common/tablerecord.h"
#include "calc/plastic_glass/plasticrecords.h"
#include "calc/steel/steelrecords.h"

#include <QList>
#include <iterator>

namespace calc {

// The record of each table, in the order of the tables' numbers and of the main menu's buttons.
// A table is one line here and one of its windows in app/calculators.cpp.
inline constexpr TableRecord (*const recordOfTable[])() = {
    steel::waterGasRecord, steel::electricWeldedRecord, castIronRecord,          asbestosCementRecord,
    polyethyleneRecord,    reinforcedConcreteRecord,    glassFibreRecord,        glassRecord,
    building::copperRecord, building::pexRecord,        building::pexAlPexRecord};

inline constexpr int tableCount = int(std::size(recordOfTable));

// The tables II-1 … II-11, each record made once.
const QList<TableRecord>& tables();

// The table of this number, 1 to tableCount.
const TableRecord& table(int number);

}  // namespace calc
