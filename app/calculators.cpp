#include "app/calculators.h"

#include "calc/building/frmtablII10.h"
#include "calc/building/frmtablII11.h"
#include "calc/building/frmtablII9.h"
#include "calc/steel/frmtablII1.h"

QWidget* createCalculator(int number)
{
    switch (number) {
    case 1:
        return new frmtablII1;
    case 9:
        return new frmtablII9;
    case 10:
        return new frmtablII10;
    case 11:
        return new frmtablII11;
    default:
        return nullptr;
    }
}

QWidget* createReference() { return nullptr; }

QWidget* createAbout() { return nullptr; }
