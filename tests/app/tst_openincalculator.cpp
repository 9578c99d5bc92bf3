#include "app/form1.h"
#include "app/calculators.h"
#include "calc/registry/tables.h"
#include "calc/screen/calculatorscreen.h"
#include "calc/screen/showncalculation.h"
#include "platform/savequestion.h"
#include "tests/common/uitest.h"

#include <QItemSelectionModel>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>

using namespace uitest;

namespace {

QTableView* sectionsTable(const QWidget* sections) { return child<QTableView>(sections, "sectionsTable"); }

QStringList rowCells(const QWidget* sections, int row)
{
    const QAbstractItemModel* model = sectionsTable(sections)->model();
    QStringList cells;
    for (int column = 1; column < model->columnCount(); ++column)
        if (!uitest::isNetworkColumn(model->headerData(column, Qt::Horizontal).toString()))
            cells << model->index(row, column).data().toString();
    return cells;
}

// The row's cell under the header.
QString cellOf(const QWidget* sections, int row, const QString& header)
{
    const QAbstractItemModel* model = sectionsTable(sections)->model();
    for (int column = 0; column < model->columnCount(); ++column)
        if (model->headerData(column, Qt::Horizontal).toString() == header)
            return model->index(row, column).data().toString();
    return QStringLiteral("no column ") + header;
}

// What a calculator shows of a calculation: each caption and its tooltip.
QStringList shownFigures(const QWidget* calculator, const QStringList& captions)
{
    QStringList shown;
    for (const QString& caption : captions) {
        const QByteArray name = caption.toLatin1();
        shown << text(calculator, name.constData()) << toolTip(calculator, name.constData());
    }
    return shown;
}

// A step on the calculator, or on a tool window it opened: "@frmnagruzka type loadInput 5000".
void takeStepOn(QWidget* calculator, const QString& step)
{
    if (!step.startsWith(u'@'))
        return takeStep(calculator, step);
    QWidget* tool = shownWindow(step.section(u' ', 0, 0).mid(1));
    QVERIFY2(tool, qPrintable(step));
    takeStep(tool, step.section(u' ', 1));
}

// The request the calculator hands to the table on "В таблицу участков".
calc::CalculationRequest handedOver(QWidget* calculator)
{
    QSignalSpy handed(child<calc::ShownCalculation>(calculator, "shownCalculation"),
                      &calc::ShownCalculation::sectionRequested);
    click(calculator, "addSectionButton");
    if (handed.size() != 1)
        return {};
    return handed.first().first().value<calc::CalculationRequest>();
}

void compareRequests(const calc::CalculationRequest& opened, const calc::CalculationRequest& original)
{
    QCOMPARE(opened.table, original.table);
    QCOMPARE(opened.conditions.chosen, original.conditions.chosen);
    QCOMPARE(opened.conditions.flow.value, original.conditions.flow.value);
    QCOMPARE(opened.conditions.flow.unit, original.conditions.flow.unit);
    QCOMPARE(opened.size, original.size);
    QCOMPARE(opened.diameterMm, original.diameterMm);
    QCOMPARE(opened.length, original.length);
    QCOMPARE(opened.localLosses.counted, original.localLosses.counted);
    QCOMPARE(opened.localLosses.fittingCounts, original.localLosses.fittingCounts);
    QCOMPARE(opened.localLosses.otherResistance, original.localLosses.otherResistance);
    QCOMPARE(opened.conditions.carrierDensity, original.conditions.carrierDensity);
    QCOMPARE(opened.conditions.carrierViscosityE6, original.conditions.carrierViscosityE6);
    QCOMPARE(opened.carrier.has_value(), original.carrier.has_value());
    if (original.carrier) {
        QCOMPARE(opened.carrier->kind, original.carrier->kind);
        QCOMPARE(opened.carrier->concentration, original.carrier->concentration);
        QCOMPARE(opened.carrier->temperature, original.carrier->temperature);
    }
    QCOMPARE(opened.fixtures.has_value(), original.fixtures.has_value());
    if (original.fixtures) {
        QCOMPARE(opened.fixtures->fixtures, original.fixtures->fixtures);
        QCOMPARE(opened.fixtures->fixtureFlow, original.fixtures->fixtureFlow);
        QCOMPARE(opened.fixtures->probability, original.fixtures->probability);
        QCOMPARE(opened.fixtures->consumers, original.fixtures->consumers);
        QCOMPARE(opened.fixtures->hourNorm, original.fixtures->hourNorm);
        QCOMPARE(opened.fixtures->fixtureKind, original.fixtures->fixtureKind);
        QCOMPARE(opened.fixtures->water, original.fixtures->water);
    }
    QCOMPARE(opened.load.has_value(), original.load.has_value());
    if (original.load) {
        QCOMPARE(opened.load->heat, original.load->heat);
        QCOMPARE(opened.load->temperatureDrop, original.load->temperatureDrop);
    }
}

// The row without its running sum, which counts the rows above it.
QStringList withoutRunningSum(QStringList cells)
{
    // Σ(R·l+Z) of heating and Σh of water both stand 13th after №.
    cells.removeAt(12);
    return cells;
}

void selectRows(QWidget* sections, const QList<int>& rows)
{
    QTableView* table = sectionsTable(sections);
    table->clearSelection();
    for (int row : rows)
        table->selectionModel()->select(table->model()->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace

Q_DECLARE_METATYPE(calc::CalculationRequest)

// A row of the sections table taken back to its calculator.
class OpenInCalculatorTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        platform::setSaveQuestionReplacement([](const QString&) { return platform::SaveAnswer::Discard; });
        menu = new Form1;
        menu->show();
    }
    void cleanup()
    {
        if (menu)
            menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        takeMessages();
    }

    void rowShownAgain_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("captions");  // v, 1000i or R, then the section's result
        QTest::addColumn<QStringList>("row");       // without №; empty where only compared with the screen
        // The row's cells that the calculator shows among its captions (v, 1000i or R, h or R·l+Z).
        QTest::addColumn<QList<int>>("shownCells");
        const QList<int> water{7, 8, 11};
        const QList<int> heating{5, 6, 11};
        const QList<int> buildingWater{7, 11, 13};  // these screens show i per metre, not 1000i
        const QStringList classic{"Label1", "Label2", "Label10"};
        const QStringList castIron{"Label3", "Label4", "Label10"};
        const QStringList building{"Label1", "Label2", "Label4", "Label10", "Label11"};

        QTest::newRow("II-1 with local losses")
            << 1
            << QStringList{"type Text1 0.3", "choose Combo1 21.3", "choose Combo2 2.8", "click Check2",
                           "type Text3 10", "click Command3"}
            << classic
            << QStringList{"стальные водогазопроводные 21,3 × 2,8", "", "", "", "", "0,3", "14,7", "1,768", "806,866", "10", "0,3",
                           "10,489", "10,489", "102864,42"}
            << water;
        QTest::newRow("II-2 new, hot water, m³/h")
            << 2
            << QStringList{"click Option4", "click Option6", "choose Combo3 #1", "choose Combo1 #6", "choose Combo2 #1",
                           "click Option2", "type Text1 3", "type Text3 25", "click Command3"}
            << classic << QStringList{} << water;
        QTest::newRow("II-2 hot water, flow from fixtures of table А.1")
            << 2
            << QStringList{"click Option6", "choose Combo3 #1", "choose Combo1 #6", "choose Combo2 #1", "click fixturesButton",
                           "@frmpribory paste fixturesInput 4",
                           "@frmpribory choose fixtureKindList 12 Душ в групповой установке со смесителем",
                           "@frmpribory paste probabilityInput 0.3", "@frmpribory click applyButton",
                           "@frmpribory click closeButton", "type Text3 25", "click Command3"}
            << classic << QStringList{} << water;
        QTest::newRow("II-3 flow from the fixtures, m³/h")
            << 3
            << QStringList{"click Option2", "choose Combo1 #0", "click fixturesButton", "@frmpribory paste fixturesInput 400",
                           "@frmpribory paste fixtureFlowInput 0.3", "@frmpribory click computedProbabilityOption",
                           "@frmpribory paste consumersInput 600", "@frmpribory paste hourNormInput 5.6",
                           "@frmpribory click applyButton", "@frmpribory click closeButton", "click Option6",
                           "click fixturesButton", "@frmpribory click applyButton", "@frmpribory click closeButton",
                           "type Text3 70", "click Command3"}
            << castIron << QStringList{} << water;
        QTest::newRow("II-3 class A, new")
            << 3
            << QStringList{"click Option4", "click Option2", "choose Combo1 #3", "type Text1 20", "type Text3 50",
                           "click Command3"}
            << castIron << QStringList{} << water;
        QTest::newRow("II-4 type 2, ВТ9")
            << 4
            << QStringList{"click Option2", "click Option5", "choose Combo1 #2", "type Text1 30", "type Text3 40",
                           "click Command3"}
            << classic << QStringList{} << water;
        QTest::newRow("II-5 catalog")
            << 5 << QStringList{"click Option4", "choose Combo1 110", "type Text1 5", "type Text3 100", "click Command3"}
            << castIron
            << QStringList{"полиэтиленовые ПЭ100 (MRS10,0) SDR17 (S8) 110", "", "", "", "", "5", "96,8", "0,679", "6,042", "100", "",
                           "0,604", "0,604", "5925,51"}
            << water;
        QTest::newRow("II-5 typed diameter")
            << 5
            << QStringList{"click Option3", "click Check1", "type Text2 87.5", "type Text1 4.2", "type Text3 60",
                           "click Command3"}
            << castIron << QStringList{} << water;
        QTest::newRow("II-6 m³/h")
            << 6 << QStringList{"click Option2", "choose Combo1 #4", "type Text1 50", "type Text3 30", "click Command3"}
            << classic << QStringList{} << water;
        QTest::newRow("II-7 typed diameter")
            << 7 << QStringList{"click Check1", "type Text2 150", "type Text1 20", "type Text3 15", "click Command3"}
            << classic << QStringList{} << water;
        QTest::newRow("II-8 catalog")
            << 8 << QStringList{"choose Combo1 #3", "type Text1 2", "type Text3 12", "click Command3"} << classic
            << QStringList{} << water;
        QTest::newRow("II-9 heating, carrier and load from their windows, fittings")
            << 9
            << QStringList{"click Option4", "choose Combo3 70", "click carrierButton",
                           "@frmteplonositel click carrierEthylene", "@frmteplonositel type concentrationInput 30",
                           "@frmteplonositel paste temperatureInput 70", "@frmteplonositel click applyButton",
                           "@frmteplonositel click closeButton", "choose Combo1 #3", "choose Combo2 #0",
                           "click loadButton", "@frmnagruzka type loadInput 5000", "@frmnagruzka type deltaInput 20",
                           "@frmnagruzka click applyButton", "@frmnagruzka click closeButton", "type Text16 10",
                           "click Check1", "paste Text4 2", "click Check3", "click Check14", "type Text17 1.5",
                           "click Command1"}
            << building << QStringList{} << heating;
        QTest::newRow("II-10 hot water, fittings")
            << 10
            << QStringList{"click Option9", "click Option2", "choose Combo3 #1", "choose Combo1 #2", "type Text1 0.25",
                           "type Text16 8", "click Check2", "paste Text5 3", "click Command1"}
            << building << QStringList{} << buildingWater;
        QTest::newRow("II-11 cold water, flow from the fixtures with P typed")
            << 11
            << QStringList{"choose Combo1 #1", "click fixturesButton", "@frmpribory paste fixturesInput 8",
                           "@frmpribory paste fixtureFlowInput 0.2", "@frmpribory click typedProbabilityOption",
                           "@frmpribory paste probabilityInput 0.015", "@frmpribory click applyButton",
                           "@frmpribory click closeButton", "type Text16 6", "click Check1", "click Command1"}
            << building << QStringList{} << buildingWater;
        QTest::newRow("II-11 heating, another carrier typed, typed diameter")
            << 11
            << QStringList{"click Option3", "choose Combo3 #0", "click Option8", "type Text3 1050", "type Text18 2.5",
                           "click Check13", "type Text2 16", "type Text1 0.1", "type Text16 5", "click Command1"}
            << building << QStringList{} << heating;
    }
    // The calculator opened from a row shows the row's figures as the user's own calculation did,
    // and hands over the same request again.
    void rowShownAgain()
    {
        QFETCH(int, table);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, row);
        QFETCH(QList<int>, shownCells);
        const QByteArray windowName = "frmtablII" + QByteArray::number(table);

        click(menu, QByteArray("Command" + QByteArray::number(table)).constData());
        QPointer<QWidget> calculator = shownWindow(windowName);
        for (const QString& step : steps)
            takeStepOn(calculator, step);
        QCOMPARE(takeMessages(), QStringList());
        const QStringList shown = shownFigures(calculator, captions);
        const calc::CalculationRequest original = handedOver(calculator);
        QCOMPARE(original.table, table);
        QWidget* sections = shownWindow("frmuchastki");
        const QStringList cells = rowCells(sections, 0);
        if (!row.isEmpty())
            QCOMPARE(cells, row);

        // Another calculator closes this one: the row has to be set on a fresh window.
        click(menu, table == 7 ? "Command8" : "Command7");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!calculator);
        selectRows(sections, {0});
        click(sections, "openInCalculatorButton");
        QWidget* opened = shownWindow(windowName);
        QVERIFY(opened);
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(shownFigures(opened, captions), shown);
        for (int cell : shownCells)
            QVERIFY2(shown.contains(cells.at(cell), Qt::CaseSensitive)
                         || shown.join(u'|').contains(QRegularExpression("[ =]" + QRegularExpression::escape(cells.at(cell)) + "( |$|\\|)")),
                     qPrintable(cells.at(cell) + " not in " + shown.join(u'|')));

        compareRequests(handedOver(opened), original);
        QCOMPARE(withoutRunningSum(rowCells(sections, 1)), withoutRunningSum(cells));
        QCOMPARE(takeMessages(), QStringList());

        // Changed on the calculator, the section takes the opened row's place as one step.
        const bool building = table >= 9;
        child<QLineEdit>(opened, building ? "Text16" : "Text3")->setText("7.5");
        QVERIFY(!child<QWidget>(opened, "replaceSectionButton")->isEnabled());
        click(opened, building ? "Command1" : "Command3");
        QCOMPARE(text(opened, "replaceSectionButton"), QString("Заменить участок №1"));
        click(opened, "replaceSectionButton");
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(sectionsTable(sections)->model()->rowCount(), 2);
        const QStringList replaced = rowCells(sections, 0);
        QCOMPARE(cellOf(sections, 0, "№"), QString("1"));
        QCOMPARE(cellOf(sections, 0, "l, м"), QString("7,5"));
        QVERIFY(replaced != cells);
        click(sections, "undoButton");
        QCOMPARE(rowCells(sections, 0), cells);
    }

    // The calculator still open with another row of its table on it: nothing of that row stays.
    void secondRowOnTheSameWindow()
    {
        click(menu, "Command1");
        QWidget* steel = shownWindow("frmtablII1");
        const QStringList captions{"Label1", "Label2", "Label3", "Label10", "Label24"};
        for (const QString& step : QStringList{"click Option4", "click Option6", "choose Combo3 #2", "click Option2",
                                               "type Text1 2", "choose Combo1 26.8", "choose Combo2 #1", "click Check2",
                                               "type Text3 30", "click Command3"})
            takeStep(steel, step);
        const QStringList first = shownFigures(steel, captions);
        const calc::CalculationRequest firstRequest = handedOver(steel);
        click(steel, "Command1");
        for (const QString& step : QStringList{"click Option3", "click Option5", "click Option1", "type Text1 0.5",
                                               "click Check1", "type Text2 20", "click Check2", "type Text3 12",
                                               "click Command3"})
            takeStep(steel, step);
        const QStringList second = shownFigures(steel, captions);
        const calc::CalculationRequest secondRequest = handedOver(steel);
        QWidget* sections = shownWindow("frmuchastki");
        QCOMPARE(takeMessages(), QStringList());

        selectRows(sections, {0});
        click(sections, "openInCalculatorButton");
        QCOMPARE(shownWindow("frmtablII1"), steel);
        QCOMPARE(shownFigures(steel, captions), first);
        compareRequests(handedOver(steel), firstRequest);
        selectRows(sections, {1});
        click(sections, "openInCalculatorButton");
        QCOMPARE(shownFigures(steel, captions), second);
        compareRequests(handedOver(steel), secondRequest);
        selectRows(sections, {0});
        click(sections, "openInCalculatorButton");
        QCOMPARE(shownFigures(steel, captions), first);
        QCOMPARE(takeMessages(), QStringList());
    }

    // One row, of a table whose calculator takes a request: the button is enabled only so.
    void buttonFollowsSelection()
    {
        QWidget* glassFibre = nullptr;
        QWidget* sections = twoGlassFibreRows(glassFibre);
        const auto enabled = [sections] { return child<QWidget>(sections, "openInCalculatorButton")->isEnabled(); };
        QVERIFY(enabled());  // the added row is selected
        selectRows(sections, {});
        QVERIFY(!enabled());
        selectRows(sections, {0, 1});
        QVERIFY(!enabled());
        selectRows(sections, {1});
        QVERIFY(enabled());
        QCOMPARE(text(sections, "openInCalculatorButton"), QString("Открыть в калькуляторе"));
    }

    // A row removed after it was opened is not brought back by the calculator.
    void replacedRowGone()
    {
        QWidget* glassFibre = nullptr;
        QWidget* sections = twoGlassFibreRows(glassFibre);
        selectRows(sections, {0});
        click(sections, "openInCalculatorButton");
        QCOMPARE(text(glassFibre, "replaceSectionButton"), QString("Заменить участок №1"));
        selectRows(sections, {0});
        click(sections, "removeButton");
        const QStringList left = rowCells(sections, 0);
        click(glassFibre, "replaceSectionButton");
        QCOMPARE(takeMessages(), QStringList{"Участок не заменён:\rего строки больше нет в таблице участков"});
        QCOMPARE(sectionsTable(sections)->model()->rowCount(), 1);
        QCOMPARE(rowCells(sections, 0), left);
    }

private:
    // The sections table with the same glass-fibre section twice, handed over by its calculator.
    QWidget* twoGlassFibreRows(QWidget*& glassFibre)
    {
        click(menu, "Command7");
        glassFibre = shownWindow("frmtablII7");
        for (const QString& step : QStringList{"choose Combo1 #2", "type Text1 50", "type Text3 20", "click Command3"})
            takeStep(glassFibre, step);
        click(glassFibre, "addSectionButton");
        click(glassFibre, "addSectionButton");
        return shownWindow("frmuchastki");
    }

    QPointer<Form1> menu;
};

UITEST_MAIN(OpenInCalculatorTest)
#include "tst_openincalculator.moc"
