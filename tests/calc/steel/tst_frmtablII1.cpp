#include "calc/steel/frmtablII1.h"
#include "calc/steel/steelrecords.h"
#include "platform/palette.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

using namespace uitest;

// The input error boxes of the steel screens, as the user reads them.
namespace {
const QString flowZero = QString("расход не должен равняться нулю!\r введите значение расхода");
const QString noDiameterChosen = QString("Вы не выбрали диаметр!\r введите значение диаметра в мм");
const QString noWallChosen = QString("Диаметр выбран!\rА как насчет толщины стенки?\rвведите значение толщины стенки, мм");
const QString calculationDiameterZero = QString("диаметр не может равняться нулю!\r введите значение расчетного диаметра в мм");
const QString noTemperature = QString("Вы не ввели температуру!\r Введите значение температуры,°C ");
const QString sectionLengthZero = QString("Длина участка не может равняться нулю!\r введите значение длины участка в м");
const QString notComputable = QString("расчет невозможен!\r проверьте введенные значения");
}  // namespace

class FrmtablII1Test : public QObject {
    Q_OBJECT

    QPointer<frmtablII1> w;

    void choosePipe(const QString& outer, const QString& wall)
    {
        choose(w, "Combo1", outer);
        choose(w, "Combo2", wall);
    }

private slots:
    void init()
    {
        w = new frmtablII1(calc::steel::waterGasRecord());
        w->show();
        takeMessages();
    }
    void cleanup()
    {
        delete w;
        QVERIFY(takeMessages().isEmpty());
    }

    void loadState()
    {
        QCOMPARE(w->windowTitle(), QString("трубы стальные (газовые) d=6...150мм  (ГОСТ3262-75)"));
        QCOMPARE(w->objectName(), QString("frmtablII1"));
        QVERIFY(w->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(items(w, "Combo1").size(), 15);
        QCOMPARE(child<QComboBox>(w, "Combo1")->currentIndex(), -1);
        QVERIFY(items(w, "Combo2").isEmpty());
        QVERIFY(child<QRadioButton>(w, "Option1")->isChecked());
        QVERIFY(child<QRadioButton>(w, "Option3")->isChecked());
        QVERIFY(child<QRadioButton>(w, "Option5")->isChecked());
        QVERIFY(!child<QLineEdit>(w, "Text2")->isEnabled());
        QVERIFY(!child<QCheckBox>(w, "Check1")->isChecked());
        QVERIFY(child<QCheckBox>(w, "Check2")->isVisible());
        QVERIFY(!child<QCheckBox>(w, "Check2")->isChecked());
        QVERIFY(!child<QWidget>(w, "Combo4")->isVisible());
        QCOMPARE(child<QComboBox>(w, "Combo4")->currentIndex(), 0);
        QCOMPARE(text(w, "Combo4"), QString("хозяйственно-питьевой водопровод жилых и общественных зданий"));
        QVERIFY(!child<QWidget>(w, "Combo3")->isVisible());
        QVERIFY(!child<QWidget>(w, "Label21_0")->isVisible());
        QVERIFY(!child<QWidget>(w, "Label13_0")->isVisible());
        QCOMPARE(captionColour(w, "Label7_0"), QColor(0, 0, 0));
        QCOMPARE(captionColour(w, "Label12_0"), QColor(128, 128, 128));
        QCOMPARE(captionColour(w, "Label26"), QColor(255, 0, 0));
        QCOMPARE(captionColour(w, "Label11"), QColor(0, 0, 192));
        QCOMPARE(toolTip(w, "Label11"), QString("Кликни для просмотра этого нормативного документа "));
        QCOMPARE(platform::buttonBackground(child<QWidget>(w, "Command2")), QColor(192, 255, 192));
        QCOMPARE(platform::buttonBackground(child<QWidget>(w, "Command4")), QColor(255, 192, 192));
        for (const char* name : {"Text1", "Text3", "Label1", "Label2", "Label3", "Label4", "Label10", "Label24", "Label26"})
            QVERIFY2(text(w, name).isEmpty(), name);
    }

    void sectionFrameKeepsItsPlaceAndControls()
    {
        auto* frame = child<QGroupBox>(w, "Frame3");
        QCOMPARE(frame->title(), QString("Потери напора на участке, м"));
        QVERIFY(frame->y() > child<QWidget>(w, "Command2")->geometry().bottom());
        QCOMPARE(frame->width(), child<QWidget>(w, "Frame1")->width());
        QVERIFY(frame->rect().contains(child<QWidget>(w, "Command3")->geometry()));
        QVERIFY(child<QWidget>(w, "Command3")->x() > child<QWidget>(w, "Text3")->geometry().right());
        QCOMPARE(text(w, "Label9"), QString("Длина участка L="));
        QCOMPARE(text(w, "Check2"), QString("учесть потери на местные сопротивления"));
        for (const char* name : {"Label9", "Text3", "Label15", "Command3", "Command4", "Check2", "Label24", "Combo4", "Label10"})
            QVERIFY2(child<QWidget>(w, name)->parentWidget() == frame, name);
    }

    // Tab visits the controls a user can reach in reading order, from the first focus round to it again.
    void tabFollowsReadingOrder_data()
    {
        QTest::addColumn<bool>("typedHotWithLocalLosses");
        QTest::addColumn<QStringList>("visited");
        QTest::newRow("on opening") << false
                                    << QStringList{"Combo1", "Combo2", "Check1", "Option3", "Option4", "Option5", "Option6",
                                                   "Text1", "Option1", "Option2", "fixturesButton", "Command2", "Command1", "Text3",
                                                   "Command3", "Command4", "Check2", "selectSizeButton", "Command5"};
        QTest::newRow("typed diameter, hot water, local losses")
            << true
            << QStringList{"Text2", "Check1", "Option3", "Option4", "Option5", "Option6", "Combo3", "Text1", "Option1",
                           "Option2", "fixturesButton", "Command2", "Command1", "Text3", "Command3", "Command4", "Check2", "Combo4",
                           "selectSizeButton", "Command5"};
    }
    void tabFollowsReadingOrder()
    {
        QFETCH(bool, typedHotWithLocalLosses);
        QFETCH(QStringList, visited);
        if (typedHotWithLocalLosses) {
            click(w, "Check1");
            click(w, "Option6");
            click(w, "Check2");
            child<QWidget>(w, "Text2")->setFocus();
        }
        QStringList tabbed;
        for (qsizetype k = 0; k <= visited.size(); ++k) {
            tabbed << w->focusWidget()->objectName();
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(tabbed, visited + QStringList{visited.first()});
    }

    void catalogGivesCalculationDiameter_data()
    {
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QString>("wall");
        QTest::addColumn<bool>("newPipes");
        QTest::addColumn<QString>("bore");
        QTest::addColumn<QString>("nominal");
        QTest::addColumn<QString>("series");
        QTest::newRow("21.3 x 2.8 non-new") << "21.3" << "2.8" << false << "14.7" << "15" << "трубы обыкновенные";
        QTest::newRow("21.3 x 2.8 new") << "21.3" << "2.8" << true << "15.7" << "15" << "трубы обыкновенные";
        QTest::newRow("10.2 x 1.8 non-new") << "10.2" << "1.8" << false << "5.6" << "6" << "трубы легкие";
        QTest::newRow("17.0 x 2.8 new") << "17.0" << "2.8" << true << "11.4" << "10" << "трубы усиленные";
        QTest::newRow("165 x 5.5 non-new") << "165" << "5.5" << false << "153" << "150" << "трубы усиленные";
    }
    void catalogGivesCalculationDiameter()
    {
        QFETCH(QString, outer);
        QFETCH(QString, wall);
        QFETCH(bool, newPipes);
        QFETCH(QString, bore);
        QFETCH(QString, nominal);
        QFETCH(QString, series);
        if (newPipes)
            click(w, "Option4");
        choose(w, "Combo1", outer);
        QCOMPARE(text(w, "Label17"), nominal);
        QCOMPARE(text(w, "Label4"), QString("d="));
        QCOMPARE(text(w, "Label3"), nominal);
        QVERIFY(child<QWidget>(w, "Label13_0")->isVisible());
        QCOMPARE(child<QComboBox>(w, "Combo2")->currentIndex(), -1);
        choose(w, "Combo2", wall);
        QCOMPARE(text(w, "Text2"), bore);
        QCOMPARE(text(w, "Label18"), series);
    }

    void typicalRequest()
    {
        choosePipe("21.3", "2.8");
        typeInto(w, "Text1", "0,3");
        QCOMPARE(text(w, "Text1"), QString("0.3"));
        typeInto(w, "Text1", "\r");
        QVERIFY(takeMessages().isEmpty());
        QCOMPARE(toolTip(w, "Text1"), QString("Расход 0,3л/сек= 1,08м куб/ч"));
        QCOMPARE(text(w, "Label1"), QString("1,768"));
        QCOMPARE(text(w, "Label2"), QString("806,866"));
        QCOMPARE(toolTip(w, "Label2"), QString("потери давления на 1м   7912,65 Па/м"));
        QCOMPARE(text(w, "Label26"), QString());
        QCOMPARE(text(w, "Label3"), QString("15"));

        typeInto(w, "Text3", "25\r");
        QVERIFY(takeMessages().isEmpty());
        QCOMPARE(text(w, "Label10"), QString("H = i·L= 20,172 м"));
        QCOMPARE(toolTip(w, "Label10"), QString("потери давления  197816,2 Па"));
        QCOMPARE(text(w, "Label24"), QString());

        click(w, "Check2");
        QVERIFY(child<QWidget>(w, "Combo4")->isVisible());
        QCOMPARE(text(w, "Text3"), QString());
        typeInto(w, "Text3", "25\r");
        QCOMPARE(text(w, "Label24"), QString("k=0,3"));
        QVERIFY(child<QWidget>(w, "Label24")->isVisible());
        QCOMPARE(text(w, "Label10"), QString("H = i·L·(1+k)= 26,223 м"));
        QCOMPARE(toolTip(w, "Label10"), QString("потери давления  257161,06 Па"));
    }

    void inputErrorsInOrder_data()
    {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QString>("wall");
        QTest::addColumn<bool>("other");
        QTest::addColumn<bool>("hot");
        QTest::addColumn<QString>("message");
        QTest::newRow("no flow before anything") << "" << "" << "" << false << true << flowZero;
        QTest::newRow("zero flow") << "0" << "21.3" << "2.8" << false << false << flowZero;
        QTest::newRow("no outer diameter") << "1" << "" << "" << false << true << noDiameterChosen;
        QTest::newRow("no wall") << "1" << "21.3" << "" << false << true << noWallChosen;
        QTest::newRow("typed diameter missing") << "1" << "" << "" << true << true << calculationDiameterZero;
        QTest::newRow("hot water without temperature") << "1" << "21.3" << "2.8" << false << true << noTemperature;
    }
    void inputErrorsInOrder()
    {
        QFETCH(QString, flow);
        QFETCH(QString, outer);
        QFETCH(QString, wall);
        QFETCH(bool, other);
        QFETCH(bool, hot);
        QFETCH(QString, message);
        if (hot)
            click(w, "Option6");
        if (other)
            click(w, "Check1");
        if (!outer.isEmpty())
            choose(w, "Combo1", outer);
        if (!wall.isEmpty())
            choose(w, "Combo2", wall);
        typeInto(w, "Text1", flow);
        click(w, "Command2");
        QCOMPARE(takeMessages(), QStringList{message});
        QCOMPARE(text(w, "Label1"), QString());
    }

    void messageTexts()
    {
        using calc::Check;
        QCOMPARE(calc::steel::inputErrorText(Check::NoWallChosen),
                 QString("Диаметр выбран!\rА как насчет толщины стенки?\rвведите значение толщины стенки, мм"));
        QCOMPARE(calc::steel::inputErrorText(Check::TemperatureMissing),
                 QString("Вы не ввели температуру!\r Введите значение температуры,°C "));
    }

    void temperatureErrorKeepsEarlierResultsAndNewTooltip()
    {
        choosePipe("21.3", "2.8");
        typeInto(w, "Text1", "0.3\r");
        click(w, "Option6");
        QVERIFY(child<QWidget>(w, "Combo3")->isVisible());
        QCOMPARE(items(w, "Combo4").size(), 3);
        child<QLineEdit>(w, "Text1")->clear();
        typeInto(w, "Text1", "1\r");
        QCOMPARE(takeMessages(), QStringList{noTemperature});
        QCOMPARE(toolTip(w, "Text1"), QString("Расход 1л/сек= 3,6м куб/ч"));
        QCOMPARE(text(w, "Label1"), QString("1,768"));
    }

    void hotWaterNewPipe()
    {
        click(w, "Option4");
        click(w, "Option6");
        choose(w, "Combo3", "60");
        choosePipe("60", "4.5");
        QCOMPARE(text(w, "Text2"), QString("51"));
        click(w, "Option2");
        typeInto(w, "Text1", "2\r");
        QVERIFY(takeMessages().isEmpty());
        QCOMPARE(toolTip(w, "Text1"), QString("Расход 0,55555556л/сек= 2м куб/ч"));
        QCOMPARE(text(w, "Label1"), QString("0,272"));
    }

    void conditionChangeEmptiesDiameter()
    {
        choosePipe("21.3", "2.8");
        click(w, "Option4");
        QCOMPARE(text(w, "Text2"), QString());
        typeInto(w, "Text1", "1\r");
        QCOMPARE(takeMessages(), QStringList{calculationDiameterZero});
    }

    void largeOuterDiameterHidesLocalLosses()
    {
        click(w, "Check2");
        QVERIFY(child<QWidget>(w, "Combo4")->isVisible());
        choose(w, "Combo1", "88.5");
        QVERIFY(!child<QCheckBox>(w, "Check2")->isChecked());
        QVERIFY(!child<QWidget>(w, "Check2")->isVisible());
        QVERIFY(!child<QWidget>(w, "Combo4")->isVisible());
        choose(w, "Combo1", "75.5");
        QVERIFY(child<QWidget>(w, "Check2")->isVisible());
        QVERIFY(!child<QCheckBox>(w, "Check2")->isChecked());
    }

    void otherDiameterBothWays()
    {
        choosePipe("21.3", "2.8");
        click(w, "Check1");
        QVERIFY(child<QLineEdit>(w, "Text2")->isEnabled());
        QCOMPARE(text(w, "Text2"), QString());
        QVERIFY(!child<QWidget>(w, "Combo1")->isEnabled());
        QVERIFY(items(w, "Combo1").isEmpty());
        QCOMPARE(captionColour(w, "Label7_0"), QColor(128, 128, 128));
        QCOMPARE(captionColour(w, "Label12_1"), QColor(0, 0, 0));
        QVERIFY(!child<QWidget>(w, "Label13_0")->isVisible());
        QCOMPARE(text(w, "Label17"), QString());
        QCOMPARE(text(w, "Label18"), QString());
        QCOMPARE(text(w, "Label4"), QString("dp="));

        typeInto(w, "Text2", "100");
        typeInto(w, "Text1", "10\r");
        QVERIFY(takeMessages().isEmpty());
        QCOMPARE(text(w, "Label4"), QString("dp="));
        QCOMPARE(text(w, "Label3"), QString("100"));
        QCOMPARE(text(w, "Label1"), QString("1,273"));

        click(w, "Check1");
        QVERIFY(!child<QLineEdit>(w, "Text2")->isEnabled());
        QCOMPARE(text(w, "Text2"), QString());
        QCOMPARE(items(w, "Combo1").size(), 15);
        QCOMPARE(child<QComboBox>(w, "Combo1")->currentIndex(), -1);
        QVERIFY(items(w, "Combo2").isEmpty());
        QCOMPARE(captionColour(w, "Label7_0"), QColor(0, 0, 0));
        QCOMPARE(captionColour(w, "Label12_1"), QColor(128, 128, 128));
        QCOMPARE(text(w, "Label3"), QString());
        // The flow and results stay on this screen.
        QCOMPARE(text(w, "Text1"), QString("10"));
        QCOMPARE(text(w, "Label1"), QString("1,273"));
        // The earlier pipe choice is still remembered, so only the diameter is missing.
        typeInto(w, "Text1", "\r");
        QCOMPARE(takeMessages(), QStringList{calculationDiameterZero});
    }

    void mainClearEmptiesResultsKeepsChoices()
    {
        choosePipe("21.3", "2.8");
        click(w, "Check2");
        typeInto(w, "Text1", "5\r");
        typeInto(w, "Text3", "10\r");
        QVERIFY(!text(w, "Label26").isEmpty());
        click(w, "Command1");
        for (const char* name : {"Text1", "Text3", "Label1", "Label2", "Label10", "Label24", "Label26"})
            QVERIFY2(text(w, name).isEmpty(), name);
        for (const char* name : {"Text1", "Label2", "Label10"})
            QVERIFY2(toolTip(w, name).isEmpty(), name);
        QCOMPARE(text(w, "Text2"), QString("14.7"));
        QCOMPARE(text(w, "Combo1"), QString("21.3"));
        QCOMPARE(text(w, "Label3"), QString("15"));
        QVERIFY(child<QCheckBox>(w, "Check2")->isChecked());
    }

    void blankInFlowClearsThenStays()
    {
        choosePipe("21.3", "2.8");
        typeInto(w, "Text1", "1\r");
        typeInto(w, "Text1", " ");
        QCOMPARE(text(w, "Text1"), QString(" "));
        QCOMPARE(text(w, "Label1"), QString());
        QCOMPARE(toolTip(w, "Text1"), QString());
        typeInto(w, "Text1", "2\r");
        QVERIFY(takeMessages().isEmpty());
        QCOMPARE(toolTip(w, "Text1"), QString("Расход 2л/сек= 7,2м куб/ч"));
    }

    void sectionClearEmptiesSectionOnly()
    {
        choosePipe("21.3", "2.8");
        click(w, "Check2");
        typeInto(w, "Text1", "5\r");
        typeInto(w, "Text3", "10\r");
        click(w, "Command4");
        for (const char* name : {"Text3", "Label10", "Label24", "Label26"})
            QVERIFY2(text(w, name).isEmpty(), name);
        QVERIFY(toolTip(w, "Label10").isEmpty());
        QCOMPARE(text(w, "Label1"), QString("29,461"));
        QCOMPARE(text(w, "Text1"), QString("5"));
    }

    void sectionLengthErrorAfterFindErrors()
    {
        click(w, "Check2");
        typeInto(w, "Text3", "\r");
        QCOMPARE(takeMessages(), QStringList({flowZero, sectionLengthZero}));
        QCOMPARE(text(w, "Label24"), QString());
    }

    void sectionWithoutFindShowsZero()
    {
        typeInto(w, "Text3", "10\r");
        QCOMPARE(takeMessages(), QStringList{flowZero});
        QCOMPARE(text(w, "Label10"), QString("H = i·L= 0 м"));
    }

    void negativeLengthIsAnError()
    {
        choosePipe("21.3", "2.8");
        typeInto(w, "Text1", "1");
        typeInto(w, "Text3", "-5\r");
        QCOMPARE(takeMessages(), QStringList{sectionLengthZero});
    }

    // The section clear used to forget the chosen system type while the list still showed it.
    void calculationUsesTheShownSystemType()
    {
        choosePipe("21.3", "2.8");
        click(w, "Check2");
        choose(w, "Combo4", "противопожарный водопровод");
        click(w, "Command4");
        click(w, "Check2");
        click(w, "Check2");
        QCOMPARE(text(w, "Combo4"), QString("противопожарный водопровод"));
        typeInto(w, "Text1", "1.2");
        typeInto(w, "Text3", "10\r");
        QVERIFY(takeMessages().isEmpty());
        QCOMPARE(text(w, "Label24"), QString("k=0,1"));
        // 1.2 l/s in 14.7 mm is about 7 m/s: within the fire-fighting limit.
        QCOMPARE(text(w, "Label1"), QString("7,071"));
        QCOMPARE(text(w, "Label26"), QString());
    }

    void notComputableKeepsEarlierResults_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("pasted");
        QTest::newRow("huge flow") << "Text1" << "1e999";
        QTest::newRow("400 digits of flow") << "Text1" << QString(400, u'9');
        QTest::newRow("flow too large in cubic metres per hour") << "Text1" << "1e308";
        QTest::newRow("huge section length") << "Text3" << "1e308";
    }
    void notComputableKeepsEarlierResults()
    {
        QFETCH(QString, input);
        QFETCH(QString, pasted);
        choosePipe("21.3", "2.8");
        typeInto(w, "Text1", "0.3\r");
        typeInto(w, "Text3", "25\r");
        pasteInto(w, input.toLatin1(), pasted);
        click(w, input == "Text1" ? "Command2" : "Command3");
        QCOMPARE(takeMessages(), QStringList{notComputable});
        QCOMPARE(text(w, "Label1"), QString("1,768"));
        QCOMPARE(text(w, "Label2"), QString("806,866"));
        QCOMPARE(toolTip(w, "Text1"), QString("Расход 0,3л/сек= 1,08м куб/ч"));
        QCOMPARE(toolTip(w, "Label10"), QString("потери давления  197816,2 Па"));
    }
};

UITEST_MAIN(FrmtablII1Test)
#include "tst_frmtablII1.moc"
