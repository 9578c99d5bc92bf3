#include "app/calculators.h"

#include "calc/castiron_cement/frmtablII3.h"
#include "calc/steel/frmtablII1.h"
#include "calc/steel/frmtablII2.h"

QWidget* createCalculator(int number)
{
    switch (number) {
    case 1:
        return new frmtablII1;
    case 2:
        return new frmtablII2;
    case 3:
        return new frmtablII3;
    default:
        return nullptr;
    }
}

QWidget* createReference() { return nullptr; }

QWidget* createAbout() { return nullptr; }
