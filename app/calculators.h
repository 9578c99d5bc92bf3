#pragma once

#include "calc/common/tablerecord.h"

#include <span>

class QWidget;

namespace app {

using CreateCalculator = QWidget* (*)(const calc::TableRecord& record);
using CreateWindow = QWidget* (*)();

// One table as the program shows it: the caption of its main menu button, its calculator and its
// formula help window, which two tables may share. The main menu, the help buttons and the lists
// of windows follow these.
struct TableWindows {
    int number;               // of its record in calc::tables()
    const char* menuCaption;  // UTF-8
    CreateCalculator calculator;
    CreateWindow formulaHelp;

    const calc::TableRecord& record() const;
    QWidget* createCalculator() const { return calculator(record()); }
};

// Every table of calc::tables(), in the same order.
std::span<const TableWindows> tableWindows();

// Hands the calculators the windows of the layers above them; once, before a calculator opens.
void setCalculatorOpeners();

// Shows the formula help window of table `number`; nothing for another number.
void showFormulaHelpOf(int number);

}  // namespace app

// Creates the calculator of table `number` (1 to calc::tableCount) as a new top-level window;
// nullptr for another number.
QWidget* createCalculator(int number);

// The program reference and the about window of the main menu.
QWidget* createReference();
QWidget* createAbout();
