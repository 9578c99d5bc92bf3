#pragma once

class QWidget;

namespace widgets {

// Escape closes the window, as it closes a dialog.
void closeOnEscape(QWidget* window);

}  // namespace widgets
