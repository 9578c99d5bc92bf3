#pragma once

#include "calc/common/namedrequest.h"
#include "report/sectionnetwork.h"
#include "report/sections.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The sections file (.talver): JSON holding a format version and, per section, its number and
// what the user set; never results, so that opening it shows the program's own figures.
namespace report {

// Version 1 kept the conditions by their positions in the lists; version 2 names them; version 3
// adds the network: the sections' ends and the system's figures.
inline constexpr int sectionsFormatVersion = 3;
// What opening reads at most.
inline constexpr qint64 sectionsFileBytesLimit = 16 * 1024 * 1024;
inline constexpr int sectionsLimit = 10000;

// Each section by what the user set, every choice by its name: the conditions by their captions
// and items, the size by its designation or the typed diameter, the fittings by their names.
// The table's kind and title block go with them.
QByteArray sectionsFile(const QList<Section>& sections, const RecordLookup& records,
                        std::optional<TableKind> kind = std::nullopt, const TitleBlock& title = {},
                        const NetworkSettings& network = {});

// A request checked as opening checks it before it is calculated: its record's lists and ranges,
// the reference carrier's figures, the flow of its fixtures.
calc::CheckedRequest requestChecked(const calc::TableRecord& record, const calc::CalculationRequest& request);
// What is wrong with the heat load of a calculated section: its flow is not the load's.
QString loadFault(const Section& section);
// What opening would refuse of a calculated section, in a few Russian words; empty when none. A
// table keeps no section that its file could not give back.
QString storedFault(const calc::TableRecord& record, const Section& section);

// The sections of a file of either version, each checked against its table's record and
// calculated again; or, when the file cannot be taken whole, what is wrong with it in a sentence
// for the user, naming the section.
struct SectionsRead {
    QList<Section> sections;
    QString error;  // empty when every section was read and calculated
    // As saved; a file of no kind takes its first section's.
    std::optional<TableKind> kind = {};
    TitleBlock title = {};
    NetworkSettings network = {};
};
SectionsRead readSectionsFile(const QByteArray& bytes, const RecordLookup& records);

}  // namespace report
