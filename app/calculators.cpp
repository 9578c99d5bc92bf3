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
#include "calc/screen/calculatoropeners.h"
#include "help/formulahelp.h"
#include "help/helpwindows.h"
#include "report/frmotchet.h"
#include "select/frmpodbor.h"

#include <array>

namespace {

template <class Calculator>
QWidget* create()
{
    return new Calculator;
}

}  // namespace

QWidget* createCalculator(int number)
{
    using Create = QWidget* (*)();
    // The windows of the tables of calc::tables(), in the same order.
    static constexpr std::array<Create, calc::tableCount> windows = {
        create<frmtablII1>, create<frmtablII2>, create<frmtablII3>,  create<frmtablII4>,
        create<frmtablII5>, create<frmtablII6>, create<frmtablII7>,  create<frmtablII8>,
        create<frmtablII9>, create<frmtablII10>, create<frmtablII11>};
    return number >= 1 && number <= calc::tableCount ? windows[number - 1]() : nullptr;
}

namespace app {

void setCalculatorOpeners()
{
    calc::setCalculatorOpeners({[](const calc::TableRecord& record) { help::showFormulaHelp(record.helpWindow); },
                                selection::showSizeSelection, report::showCalculationRecord});
}

}  // namespace app

QWidget* createReference() { return help::createFrmspravka(); }

QWidget* createAbout() { return help::createFrminfo(); }
