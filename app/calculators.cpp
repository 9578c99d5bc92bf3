#include "app/calculators.h"

#include "calc/castiron_cement/frmtablII3.h"
#include "calc/plastic_glass/frmtablII7.h"
#include "calc/plastic_glass/frmtablII8.h"
#include "calc/steel/frmtablII1.h"
#include "calc/steel/frmtablII2.h"
#include "help/helpwindows.h"

QWidget* createCalculator(int number)
{
    switch (number) {
    case 1:
        return new frmtablII1;
    case 2:
        return new frmtablII2;
    case 3:
        return new frmtablII3;
    case 7:
        return new frmtablII7;
    case 8:
        return new frmtablII8;
    default:
        return nullptr;
    }
}

QWidget* createReference() { return help::createFrmspravka(); }

QWidget* createAbout() { return help::createFrminfo(); }
