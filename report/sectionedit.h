#pragma once

#include "report/sections.h"

#include <QString>
#include <optional>

// Changing a figure of a section in its row: the length, the flow or the heat load, the local
// losses; the section is calculated again by its table's calculation.
namespace report {

bool isEditable(const Section& section, Field field);

// The value the editor of a cell starts with, written as the calculators keep numbers (".").
QString editText(const Section& section, Field field);

// The section with the typed value (read by the calculators' value parse) and calculated again;
// or, when it does not compute, the message its calculator gives, and no section.
struct SectionEdit {
    std::optional<Section> section;
    QString refusal;
};
SectionEdit editedSection(const RecordLookup& records, const Section& section, Field field, const QString& typed);

}  // namespace report
