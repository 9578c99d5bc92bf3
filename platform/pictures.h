#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

namespace platform {

// A compiled-in SVG picture drawn once at the size it is shown, without the icon plugin, which
// would otherwise be loaded at start-up for the menu's two picture buttons.
QIcon svgIcon(const QString& resource, QSize size);

}  // namespace platform
