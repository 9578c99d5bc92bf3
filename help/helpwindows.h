#pragma once

class QWidget;

namespace help {

// The formula help windows, one per material; the steel one serves tables II-1 and II-2.
QWidget* createFrmhelp1();
QWidget* createFrmhelp3();
QWidget* createFrmhelp4();
QWidget* createFrmhelp5();
QWidget* createFrmhelp6();
QWidget* createFrmhelp7();
QWidget* createFrmhelp8();
QWidget* createFrmhelp9();
QWidget* createFrmhelp10();
QWidget* createFrmhelp11();

// The program reference and the about window of the main menu.
QWidget* createFrmspravka();
QWidget* createFrminfo();

}  // namespace help
