#pragma once

#include <QtGlobal>
#include <functional>

namespace report {

// Told how much of a long work is done and how much there is in all; returns false to stop it.
using Progress = std::function<bool(qint64 done, qint64 total)>;

}  // namespace report
