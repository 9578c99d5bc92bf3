#include "app/form1.h"
#include "calc/screen/showncalculation.h"
#include "platform/savequestion.h"
#include "tests/common/uitest.h"

#include <QItemSelectionModel>
#include <QPointer>
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
        cells << model->index(row, column).data().toString();
    return cells;
}

// What a classic calculator shows of a calculation: v, 1000i, the section line and its ΔP.
QStringList shownFigures(const QWidget* calculator, const char* velocity, const char* thousandI)
{
    return {text(calculator, velocity), text(calculator, thousandI), text(calculator, "Label10"),
            toolTip(calculator, "Label10")};
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
        QTest::addColumn<QString>("velocity");
        QTest::addColumn<QString>("thousandI");
        QTest::addColumn<QStringList>("row");  // without №; empty where only compared with the screen

        QTest::newRow("II-1 with local losses")
            << 1
            << QStringList{"type Text1 0.3", "choose Combo1 21.3", "choose Combo2 2.8", "click Check2",
                           "type Text3 10", "click Command3"}
            << "Label1" << "Label2"
            << QStringList{"стальные водогазопроводные 21,3 × 2,8", "0,3", "14,7", "1,768", "806,866", "10", "0,3",
                           "10,489", "10,489", "102864,42"};
        QTest::newRow("II-2 new, hot water, m³/h")
            << 2
            << QStringList{"click Option4", "click Option6", "choose Combo3 #1", "choose Combo1 #6", "choose Combo2 #1",
                           "click Option2", "type Text1 3", "type Text3 25", "click Command3"}
            << "Label1" << "Label2" << QStringList{};
        QTest::newRow("II-3 class A, new")
            << 3
            << QStringList{"click Option4", "click Option2", "choose Combo1 #3", "type Text1 20", "type Text3 50",
                           "click Command3"}
            << "Label3" << "Label4" << QStringList{};
        QTest::newRow("II-4 type 2, ВТ9")
            << 4
            << QStringList{"click Option2", "click Option5", "choose Combo1 #2", "type Text1 30", "type Text3 40",
                           "click Command3"}
            << "Label1" << "Label2" << QStringList{};
        QTest::newRow("II-5 catalog")
            << 5 << QStringList{"click Option4", "choose Combo1 110", "type Text1 5", "type Text3 100", "click Command3"}
            << "Label3" << "Label4"
            << QStringList{"полиэтиленовые ПЭ100 (MRS10,0) SDR17 (S8) 110", "5", "96,8", "0,679", "6,042", "100", "",
                           "0,604", "0,604", "5925,51"};
        QTest::newRow("II-5 typed diameter")
            << 5
            << QStringList{"click Option3", "click Check1", "type Text2 87.5", "type Text1 4.2", "type Text3 60",
                           "click Command3"}
            << "Label3" << "Label4" << QStringList{};
        QTest::newRow("II-6 m³/h")
            << 6 << QStringList{"click Option2", "choose Combo1 #4", "type Text1 50", "type Text3 30", "click Command3"}
            << "Label1" << "Label2" << QStringList{};
        QTest::newRow("II-7 typed diameter")
            << 7 << QStringList{"click Check1", "type Text2 150", "type Text1 20", "type Text3 15", "click Command3"}
            << "Label1" << "Label2" << QStringList{};
        QTest::newRow("II-8 catalog")
            << 8 << QStringList{"choose Combo1 #3", "type Text1 2", "type Text3 12", "click Command3"} << "Label1"
            << "Label2" << QStringList{};
    }
    // The calculator opened from a row shows the row's figures as the user's own calculation did,
    // and hands over the same request again.
    void rowShownAgain()
    {
        QFETCH(int, table);
        QFETCH(QStringList, steps);
        QFETCH(QString, velocity);
        QFETCH(QString, thousandI);
        QFETCH(QStringList, row);
        const QByteArray velocityName = velocity.toLatin1();
        const QByteArray thousandIName = thousandI.toLatin1();
        const QByteArray windowName = "frmtablII" + QByteArray::number(table);

        click(menu, QByteArray("Command" + QByteArray::number(table)).constData());
        QPointer<QWidget> calculator = shownWindow(windowName);
        for (const QString& step : steps)
            takeStep(calculator, step);
        const QStringList shown = shownFigures(calculator, velocityName, thousandIName);
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
        QCOMPARE(shownFigures(opened, velocityName, thousandIName), shown);
        QCOMPARE(shown.at(0), cells.at(3));
        QCOMPARE(shown.at(1), cells.at(4));
        QVERIFY2(shown.at(2).endsWith(" " + cells.at(7) + " м"), qPrintable(shown.at(2)));
        QCOMPARE(shown.at(3), "потери давления  " + cells.at(9) + " Па");

        compareRequests(handedOver(opened), original);
        QCOMPARE(rowCells(sections, 1).mid(0, 7), cells.mid(0, 7));
        QCOMPARE(takeMessages(), QStringList());
    }

    // One row, of a table whose calculator takes a request: the button is enabled only so.
    void buttonFollowsSelection()
    {
        click(menu, "Command7");
        QWidget* glassFibre = shownWindow("frmtablII7");
        for (const QString& step : QStringList{"choose Combo1 #2", "type Text1 50", "type Text3 20", "click Command3"})
            takeStep(glassFibre, step);
        click(glassFibre, "addSectionButton");
        click(glassFibre, "addSectionButton");
        QWidget* sections = shownWindow("frmuchastki");
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

private:
    QPointer<Form1> menu;
};

UITEST_MAIN(OpenInCalculatorTest)
#include "tst_openincalculator.moc"
