#pragma once

#include "report/workbook.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace report {

// The workbook's XLSX bytes, each sheet's numbers in formats that show as many decimals as the
// window does, in the decimal notation of the spreadsheet's locale. None when the library could
// not write it.
std::optional<QByteArray> xlsxBytes(const QList<workbook::Sheet>& sheets, const QString& title);

}  // namespace report
