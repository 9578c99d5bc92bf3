#pragma once

class QScrollArea;
class QWidget;

namespace widgets {

// Opens a window at the size of its scrolled contents, or as large as the screen's free area
// allows with the rest reached by scrolling.
void fitToScreen(QWidget* window, QScrollArea* area);

}  // namespace widgets
