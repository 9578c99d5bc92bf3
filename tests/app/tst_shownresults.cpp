#include "app/calculators.h"
#include "calc/screen/showncalculation.h"
#include "tests/common/uitest.h"

#include <QAbstractButton>
#include <memory>

using namespace uitest;

// The record and sections buttons of a calculator follow what its results show: a find enables
// the record, a section the sections table too; a section clear, a main clear and an error box
// take back what they empty.
class ShownResultsTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsFollowResults_data()
    {
        QTest::addColumn<int>("number");
        // "type Text1 0.3", "choose Combo1 #9", "click Command2", "expect 10" (record on, sections off)
        QTest::addColumn<QStringList>("script");
        QTest::newRow("II-1") << 1
                              << QStringList{"expect 00",        "type Text1 0.3",   "choose Combo1 #5", "choose Combo2 #0",
                                             "click Command2",   "expect 10",        "type Text3 10",    "click Command3",
                                             "expect 11",        "click Command4",   "expect 10",        "click Command1",
                                             "expect 00"};
        QTest::newRow("II-1 error after a find")
            << 1 << QStringList{"type Text1 0.3", "choose Combo1 #5", "choose Combo2 #0", "click Command2", "expect 10",
                                "choose Combo1 #6", "click Command2", "expect 00"};
        QTest::newRow("II-1 section error")
            << 1 << QStringList{"type Text1 0.3", "choose Combo1 #5", "choose Combo2 #0", "click Command3", "expect 00"};
        QTest::newRow("II-4") << 4
                              << QStringList{"type Text1 10",  "choose Combo1 #3", "click Command2", "expect 10",
                                             "type Text3 100", "click Command3",   "expect 11",      "click Command1",
                                             "expect 00"};
        QTest::newRow("II-7") << 7
                              << QStringList{"type Text1 50", "choose Combo1 #2", "type Text3 20", "click Command3",
                                             "expect 11",     "click Command4",   "expect 10",     "type Text1 x",
                                             "click Command1", "click Command2",  "expect 00"};
        // Results belong to the inputs they were computed from: any change takes both buttons
        // back until the next calculation; a click that changes nothing keeps them.
        QTest::newRow("II-1 inputs changed")
            << 1 << QStringList{"type Text1 0.3",   "choose Combo1 #5", "choose Combo2 #1", "type Text3 10",
                                "click Command3",   "expect 11",        "click Option3",    "click Option1",
                                "expect 11",        "choose Combo2 #0", "expect 00",        "click Command3",
                                "expect 11",        "type Text1 5",     "expect 00",        "click Command3",
                                "expect 11",        "type Text3 5",     "expect 00",        "click Command3",
                                "expect 11",        "click Check2",     "expect 00",        "type Text3 10",
                                "click Command3",   "expect 11",        "click Command4",   "expect 10",
                                "click Option2",    "expect 00"};
        QTest::newRow("II-5 other diameter") << 5 << QStringList{"type Text1 5",  "choose Combo1 #5", "click Command2",
                                                                 "expect 10",     "click Check1",     "expect 00"};
        QTest::newRow("II-9 fitting and carrier")
            << 9 << QStringList{"type Text1 0.5", "choose Combo1 #5", "choose Combo2 #0", "type Text16 10",
                                "click Command1", "expect 11",        "click Check1",     "expect 00",
                                "click Command1", "expect 11",        "type Text4 2",     "expect 00",
                                "click Command1", "expect 11",        "click Option4",    "expect 00"};
        QTest::newRow("II-9") << 9
                              << QStringList{"type Text1 0.5", "choose Combo1 #5", "choose Combo2 #0", "type Text16 10",
                                             "click Command1", "expect 11",        "click Command2",   "expect 00",
                                             "type Text1 0.5", "click Command1",   "expect 00"};
    }
    void buttonsFollowResults()
    {
        QFETCH(int, number);
        QFETCH(QStringList, script);
        std::unique_ptr<QWidget> window(createCalculator(number));
        window->show();
        for (const QString& step : script) {
            if (!step.startsWith(QLatin1StringView("expect "))) {
                takeStep(window.get(), step);
                continue;
            }
            const QString enabled = QStringLiteral("%1%2")
                                        .arg(int(child<QAbstractButton>(window.get(), "reportButton")->isEnabled()))
                                        .arg(int(child<QAbstractButton>(window.get(), "addSectionButton")->isEnabled()));
            QVERIFY2(enabled == step.section(u' ', 1), qPrintable(step + QStringLiteral(": ") + enabled));
        }
        takeMessages();
    }

    // What the sections button hands on is what the user set.
    void sectionRequestHoldsTheInputs()
    {
        std::unique_ptr<QWidget> window(createCalculator(1));
        window->show();
        click(window.get(), "Option4");
        typeInto(window.get(), "Text1", "0.3");
        choose(window.get(), "Combo1", "21.3");
        choose(window.get(), "Combo2", "2.5");
        click(window.get(), "Check2");
        typeInto(window.get(), "Text3", "12.5");
        click(window.get(), "Command3");
        QCOMPARE(takeMessages(), QStringList());
        auto* shown = window->findChild<calc::ShownCalculation*>(QStringLiteral("shownCalculation"));
        QVERIFY(shown);
        QList<calc::CalculationRequest> handed;
        connect(shown, &calc::ShownCalculation::sectionRequested, this,
                [&](const calc::CalculationRequest& request) { handed << request; });
        click(window.get(), "addSectionButton");
        QCOMPARE(handed.size(), 1);
        const calc::CalculationRequest& request = handed.first();
        QCOMPARE(request.table, 1);
        QCOMPARE(request.conditions.chosen, (calc::ConditionChoices{1, 0, -1, 0}));
        QCOMPARE(request.conditions.flow.value, 0.3);
        QCOMPARE(request.size, QStringLiteral("21.3 × 2.5"));
        QCOMPARE(request.diameterMm, 16.3);
        QCOMPARE(request.length, std::optional<double>(12.5));
        QVERIFY(request.localLosses.counted);
        QCOMPARE(shown->output().headLossText, text(window.get(), "Label10"));
    }
};

UITEST_MAIN(ShownResultsTest)
#include "tst_shownresults.moc"
