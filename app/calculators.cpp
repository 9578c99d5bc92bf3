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
#include "calc/registry/tables.h"
#include "calc/screen/calculatoropeners.h"
#include "calc/steel/frmtablII1.h"
#include "calc/steel/frmtablII2.h"
#include "help/formulahelp.h"
#include "help/helpwindows.h"
#include "report/frmotchet.h"
#include "select/frmpodbor.h"

#include <iterator>

namespace app {

namespace {

// A calculator given its table's record.
template <class Calculator>
QWidget* create(const calc::TableRecord& record)
{
    return new Calculator(record);
}

using namespace help;

// One line per table; the steel window of formulas serves II-1 and II-2.
constexpr TableWindows windows[] = {
    {1, "трубы стальные (газовые)  ГОСТ3262-75", create<frmtablII1>, createFrmhelp1},
    {2, "трубы стальные  ГОСТ 10704-91", create<frmtablII2>, createFrmhelp1},
    {3, "трубы  чугунные ГОСТ 9583-75 ГОСТ 21053-75", create<frmtablII3>, createFrmhelp3},
    {4, "трубы асбесто- цементные   ГОСТ 593-80", create<frmtablII4>, createFrmhelp4},
    {5, "трубы пластмассовые ГОСТ18599-2001", create<frmtablII5>, createFrmhelp5},
    {6, "трубы железобетонные ГОСТ 12586.0-83", create<frmtablII6>, createFrmhelp6},
    {7, "трубы  стекло- пластиковые   СП 40-104-2001", create<frmtablII7>, createFrmhelp7},
    {8, "трубы стеклянные ГОСТ 8894-86", create<frmtablII8>, createFrmhelp8},
    {9, "трубы медные  СП 40-108-2004", create<frmtablII9>, createFrmhelp9},
    {10, "трубы из \"сшитого\" (PEX) полиэтелена ", create<frmtablII10>, createFrmhelp10},
    {11, "трубы металло- полимерные (PEX-AL-PEX) ", create<frmtablII11>, createFrmhelp11}};

static_assert(std::size(windows) == calc::tableCount, "one line per record of calc/registry/tables.h");
static_assert(
    [] {
        for (int k = 0; k < calc::tableCount; ++k)
            if (windows[k].number != k + 1)
                return false;
        return true;
    }(),
    "the lines in the order of the records");

}  // namespace

const calc::TableRecord& TableWindows::record() const { return calc::table(number); }

std::span<const TableWindows> tableWindows() { return windows; }

void setCalculatorOpeners()
{
    calc::setCalculatorOpeners({[](const calc::TableRecord& record) { showFormulaHelpOf(record.number); },
                                selection::showSizeSelection, report::showCalculationRecord});
}

void showFormulaHelpOf(int number)
{
    if (number >= 1 && number <= calc::tableCount)
        help::showFormulaHelp(windows[number - 1].formulaHelp);
}

}  // namespace app

QWidget* createCalculator(int number)
{
    return number >= 1 && number <= calc::tableCount ? app::tableWindows()[number - 1].createCalculator() : nullptr;
}

QWidget* createReference() { return help::createFrmspravka(); }

QWidget* createAbout() { return help::createFrminfo(); }
