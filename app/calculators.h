#pragma once

class QWidget;

// Creates the calculator of material button `number` (1..11) as a new top-level window, or
// returns nullptr while that calculator is not part of the program.
QWidget* createCalculator(int number);

// The program reference and the about window of the main menu.
QWidget* createReference();
QWidget* createAbout();
