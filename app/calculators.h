#pragma once

class QWidget;

// Creates the calculator of table `number` (1 to calc::tableCount) as a new top-level window;
// nullptr for another number.
QWidget* createCalculator(int number);

namespace app {
// Hands the calculators the windows of the layers above them; once, before a calculator opens.
void setCalculatorOpeners();
}  // namespace app

// The program reference and the about window of the main menu.
QWidget* createReference();
QWidget* createAbout();
