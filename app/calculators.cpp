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
    case 4:
        return new frmtablII4;
    case 5:
        return new frmtablII5;
    case 6:
        return new frmtablII6;
    case 7:
        return new frmtablII7;
    case 8:
        return new frmtablII8;
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

QWidget* createReference() { return help::createFrmspravka(); }

QWidget* createAbout() { return help::createFrminfo(); }
