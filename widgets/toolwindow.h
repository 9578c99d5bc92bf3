#pragma once

class QLabel;
class QWidget;

namespace widgets {

// A small window a calculator opens for one of its inputs: it goes when closed, Escape closes it,
// its labels show typed text as text, and its message line is red with room for the longest
// message on two lines, so the window does not jump as the message changes.
void prepareToolWindow(QWidget* window, QLabel* message);

}  // namespace widgets
