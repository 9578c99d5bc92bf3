#pragma once

#include <QColor>
#include <QString>

class ClickableLabel;

namespace widgets {

inline const QColor documentLinkDarkBlue(0, 0, 192);
inline const QColor documentLinkBlue(0, 0, 255);

// Designation of a standard that opens its document (a file of the document folder) when clicked.
enum class LinkStyle { DarkBlueWithTooltip, BlueWithoutTooltip };
void makeDocumentLink(ClickableLabel* label, const QString& documentFile, LinkStyle style);

}  // namespace widgets
