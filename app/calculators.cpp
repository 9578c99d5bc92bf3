#include "app/calculators.h"

#include "calc/steel/frmtablII1.h"
#include "help/helpwindows.h"

QWidget* createCalculator(int number)
{
    switch (number) {
    case 1:
        return new frmtablII1;
    default:
        return nullptr;
    }
}

QWidget* createReference() { return help::createFrmspravka(); }

QWidget* createAbout() { return help::createFrminfo(); }
