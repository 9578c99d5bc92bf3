#include "app/calculators.h"

#include "calc/building/frmtablII10.h"
#include "calc/building/frmtablII11.h"
#include "calc/building/frmtablII9.h"
#include "calc/castiron_cement/frmtablII3.h"
#include "calc/castiron_cement/frmtablII4.h"
#include "calc/castiron_cement/frmtablII6.h"
#include "calc/plastic_glass/frmtablII5.h"
#include "calc/plastic_glass/frmtablII7.h"
#include "calc/plastic_glass/frmtablII8.h"
#include "calc/steel/frmtablII1.h"
#include "calc/steel/frmtablII2.h"
#include "calc/registry/tables.h"
#include "help/helpwindows.h"

#include <array>

namespace {

// A calculator given its table's record.
template <class Calculator, int number>
QWidget* createOfTable()
{
    return new Calculator(calc::table(number));
}

}  // namespace

QWidget* createCalculator(int number)
{
    using Create = QWidget* (*)();
    // The windows of the tables of calc::tables(), in the same order.
    static constexpr std::array<Create, calc::tableCount> windows = {
        createOfTable<frmtablII1, 1>, createOfTable<frmtablII2, 2>, createOfTable<frmtablII3, 3>, createOfTable<frmtablII4, 4>,
        createOfTable<frmtablII5, 5>, createOfTable<frmtablII6, 6>, createOfTable<frmtablII7, 7>, createOfTable<frmtablII8, 8>,
        createOfTable<frmtablII9, 9>, createOfTable<frmtablII10, 10>, createOfTable<frmtablII11, 11>};
    return number >= 1 && number <= calc::tableCount ? windows[number - 1]() : nullptr;
}

QWidget* createReference() { return help::createFrmspravka(); }

QWidget* createAbout() { return help::createFrminfo(); }
