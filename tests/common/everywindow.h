#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace uitest {

// The object names of every window of the program: the main menu, the calculators, the formula
// help windows, the reference and about windows, the size selection, the record and the
// sections table.
QStringList everyWindow();

// Opens the window of this name as a user reaches it, with something in it (the size selection
// of the largest catalog, the record of the longest calculation, the sections table with a
// section), and returns it shown; null when it did not open.
QWidget* openWindow(const QString& name);

}  // namespace uitest
