#pragma once

#include <QString>

namespace platform {

// The path of a standard's document in the installed program's document folder, as the program
// names it on Windows: "c:\Program Files\TalverTable\gost\" and the file's name.
QString standardDocumentPath(const QString& fileName);

}  // namespace platform
