#pragma once

#include <QColor>

class QWidget;

namespace platform {

// Caption colours switched at run time are indices of the 16-colour palette.
enum PaletteIndex { Black = 0, Green = 2, Grey = 8, LightRed = 12 };

QColor paletteColour(int index);

// Text colour of a caption (the widget's foreground role).
void setCaptionColour(QWidget* widget, const QColor& colour);
inline void setCaptionColour(QWidget* widget, PaletteIndex index) { setCaptionColour(widget, paletteColour(index)); }
QColor captionColour(const QWidget* widget);

// Background of a button (the widget's background role), as the Fusion style draws it.
void setButtonBackground(QWidget* button, const QColor& colour);
void resetButtonBackground(QWidget* button);
QColor buttonBackground(const QWidget* button);

}  // namespace platform
