#pragma once

class QWidget;

namespace widgets {

// Escape closes the window as its close box does, once no control of it has taken the key for
// itself (an open list, a cell being edited).
void closeOnEscape(QWidget* window);

}  // namespace widgets
