#include "platform/palette.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace platform {

QColor paletteColour(int index)
{
    // The classic 16-colour palette, in its documented order.
    static const QColor colours[16] = {
        QColor(0, 0, 0),       QColor(128, 0, 0),   QColor(0, 128, 0),   QColor(128, 128, 0),
        QColor(0, 0, 128),     QColor(128, 0, 128), QColor(0, 128, 128), QColor(192, 192, 192),
        QColor(128, 128, 128), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255),
    };
    return colours[index & 15];
}

void setCaptionColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, widget->foregroundRole(), colour);
    widget->setPalette(palette);
}

QColor captionColour(const QWidget* widget) { return widget->palette().color(widget->foregroundRole()); }

void setButtonBackground(QWidget* button, const QColor& colour)
{
    QPalette palette = button->palette();
    palette.setColor(button->backgroundRole(), colour);
    button->setPalette(palette);
}

void resetButtonBackground(QWidget* button)
{
    setButtonBackground(button, QApplication::palette(button).color(button->backgroundRole()));
}

QColor buttonBackground(const QWidget* button) { return button->palette().color(button->backgroundRole()); }

}  // namespace platform
