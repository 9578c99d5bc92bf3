#pragma once

#include "report/sections.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The sections file (.talver): JSON holding a format version and, per section, its number and
// what the user set; never results, so that opening it shows the program's own figures.
namespace report {

inline constexpr int sectionsFormatVersion = 1;

QByteArray sectionsFile(const QList<Section>& sections);

// The sections of a file, each calculated again; or, when the file cannot be taken whole, what
// is wrong with it in a sentence for the user.
struct SectionsRead {
    QList<Section> sections;
    QString error;  // empty when every section was read and calculated
};
SectionsRead readSectionsFile(const QByteArray& bytes, const RecordLookup& records);

}  // namespace report
