#pragma once

#include <QString>

namespace platform {

// Why a file could not be written or read, in the user's words, from the system's error number
// (errno); the program's messages never show the system's English text.
QString fileErrorReason(int systemError);

}  // namespace platform
