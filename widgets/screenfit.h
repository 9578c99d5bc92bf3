#pragma once

#include <QList>

class QScrollArea;
class QSize;
class QWidget;

namespace widgets {

// The part of the screen's free area that a window has below its title bar.
QSize screenRoom(const QWidget* window);

// When first shown, a window larger than the screen's free area closes up the spacings and
// margins of its layouts as far as it needs to fit; elsewhere it keeps them.
void fitToScreen(QWidget* window);

// When first shown, opens a window at the size of its scrolled contents, closing up their spacings
// and margins where the screen's free area is smaller. Where they still do not fit, the window
// takes the free area, the rest is reached by scrolling, and the buttons move into a row under the
// scrolled part, `leftButtons` at its left and `rightButtons` at its right, so that they stay in
// view.
void fitToScreen(QWidget* window, QScrollArea* area, const QList<QWidget*>& leftButtons = {},
                 const QList<QWidget*>& rightButtons = {});

}  // namespace widgets
