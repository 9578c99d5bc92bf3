#include "app/form1.h"
#include "platform/savequestion.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>

using namespace uitest;

namespace {

QList<QWidget*> shownWindows(const QString& name)
{
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            found << window;
    return found;
}

QStringList rowCells(const QWidget* sections, int row)
{
    const QAbstractItemModel* model = child<QTableView>(sections, "sectionsTable")->model();
    QStringList cells;
    for (int column = 0; column < model->columnCount(); ++column)
        if (!uitest::isNetworkColumn(model->headerData(column, Qt::Horizontal).toString()))
            cells << model->index(row, column).data().toString();
    return cells;
}

// Where a classic calculator shows v, 1000i, and how its section line begins.
struct ClassicCaptions {
    const char* velocity;
    const char* thousandI;
    QString headLossLead;
};

// A row's v, 1000i, h and ΔP are the captions of the classic calculator that gave it.
void compareWithClassic(const QStringList& row, const QWidget* calculator, const ClassicCaptions& captions)
{
    QCOMPARE(row.at(8), text(calculator, captions.velocity));
    QCOMPARE(row.at(9), text(calculator, captions.thousandI));
    QCOMPARE(captions.headLossLead + row.at(12) + " м", text(calculator, "Label10"));
    QCOMPARE("потери давления  " + row.at(14) + " Па", toolTip(calculator, "Label10"));
}

int rowCount(const QWidget* sections) { return child<QTableView>(sections, "sectionsTable")->model()->rowCount(); }

}  // namespace

// Sections handed over by the calculators of the main menu, and the sections table as a window
// of the menu.
class SectionsFromMenuTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        answers.clear();
        platform::setSaveQuestionReplacement([this](const QString&) {
            return answers.isEmpty() ? platform::SaveAnswer::Discard : answers.takeFirst();
        });
        menu = new Form1;
        menu->show();
    }
    void cleanup()
    {
        answers.clear();
        if (menu)
            menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        takeMessages();
    }

    // Each row shows what its calculator showed.
    void sectionsFromCalculators()
    {
        click(menu, "Command1");
        QWidget* steel = shownWindow("frmtablII1");
        typeInto(steel, "Text1", "0.3");
        choose(steel, "Combo1", "21.3");
        choose(steel, "Combo2", "2.8");
        click(steel, "Check2");
        typeInto(steel, "Text3", "10");
        click(steel, "Command3");
        click(steel, "addSectionButton");
        QWidget* sections = shownWindow("frmuchastki");
        QVERIFY(sections);
        QCOMPARE(rowCells(sections, 0), (QStringList{"1", "стальные водогазопроводные 21,3 × 2,8", "", "", "", "", "0,3", "14,7", "1,768",
                                                     "806,866", "10", "0,3", "10,489", "10,489", "102864,42"}));
        compareWithClassic(rowCells(sections, 0), steel, {"Label1", "Label2", "H = i·L·(1+k)= "});

        click(menu, "Command5");
        QWidget* polyethylene = shownWindow("frmtablII5");
        click(polyethylene, "Option4");
        choose(polyethylene, "Combo1", "110");
        typeInto(polyethylene, "Text1", "5\r");
        typeInto(polyethylene, "Text3", "100\r");
        click(polyethylene, "addSectionButton");
        QCOMPARE(shownWindows("frmuchastki"), QList<QWidget*>{sections});
        QCOMPARE(rowCells(sections, 1), (QStringList{"2", "полиэтиленовые ПЭ100 (MRS10,0) SDR17 (S8) 110", "", "", "", "", "5", "96,8",
                                                     "0,679", "6,042", "100", "", "0,604", "11,093", "5925,51"}));
        compareWithClassic(rowCells(sections, 1), polyethylene, {"Label3", "Label4", "h = i · L = "});

        click(menu, "Command9");
        QWidget* copper = shownWindow("frmtablII9");
        click(copper, "Option4");
        choose(copper, "Combo3", "70");
        click(copper, "Check13");
        typeInto(copper, "Text2", "13");
        typeInto(copper, "Text1", "0.2");
        typeInto(copper, "Text16", "10");
        click(copper, "Check1");
        child<QLineEdit>(copper, "Text4")->clear();
        typeInto(copper, "Text4", "2");
        click(copper, "Check3");
        click(copper, "Command1");
        QCOMPARE(text(sections, "totalsLabel"), QString("Итого: Σh = 11,093 м, ΣΔP = 108789,93 Па"));
        // Heating goes into a table of its own, the water table let go.
        QStringList asked;
        platform::setStartNewReplacement([&asked](const QString& question) {
            asked << question;
            return true;
        });
        click(copper, "addSectionButton");
        platform::setStartNewReplacement({});
        QCOMPARE(asked.size(), 1);
        QCOMPARE(rowCount(sections), 1);
        QCOMPARE(rowCells(sections, 0), (QStringList{"1", "", "", "", "медные dp = 13", "13", "1,507", "2118,078", "10",
                                                     "21180,776", "2,5", "2781,268", "23962,045", "23962,045"}));
        QCOMPARE("Скорость v=" + rowCells(sections, 0).at(6) + " м/с", text(copper, "Label1"));
        QCOMPARE("Падение давления в системе отопления = " + rowCells(sections, 0).at(12) + " Па",
                 text(copper, "Label4"));
        QCOMPARE(text(sections, "totalsLabel"), QString("Итого: Σ(R·l+Z) = 23962,045 Па"));
        QCOMPARE(takeMessages(), QStringList());
    }

    void oneSectionsWindowOfTheMenu()
    {
        click(menu, "sectionsButton");
        click(menu, "sectionsButton");
        QCOMPARE(shownWindows("frmuchastki").size(), 1);
        QVERIFY(shownWindow("frmuchastki")->windowTitle().startsWith("Гидравлический расчет участков"));
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!menu);
        QCOMPARE(shownWindows("frmuchastki").size(), 0);
    }

    // Cancelling the question about unsaved sections keeps the menu and the table open.
    void closingTheMenuAsksFirst()
    {
        click(menu, "Command7");
        QWidget* glassFibre = shownWindow("frmtablII7");
        typeInto(glassFibre, "Text1", "50");
        choose(glassFibre, "Combo1", child<QComboBox>(glassFibre, "Combo1")->itemText(2));
        typeInto(glassFibre, "Text3", "20");
        click(glassFibre, "Command3");
        click(glassFibre, "addSectionButton");
        QCOMPARE(rowCount(shownWindow("frmuchastki")), 1);
        answers = {platform::SaveAnswer::Cancel};
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(menu && menu->isVisible());
        QVERIFY(shownWindow("frmuchastki"));
        QVERIFY(shownWindow("frmtablII7"));
        answers = {platform::SaveAnswer::Discard};
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!menu);
        QVERIFY(!shownWindow("frmuchastki"));
    }

private:
    QPointer<Form1> menu;
    QList<platform::SaveAnswer> answers;
};

UITEST_MAIN(SectionsFromMenuTest)
#include "tst_sections.moc"
