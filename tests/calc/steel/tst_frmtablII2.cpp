#include "calc/steel/frmtablII2.h"
#include "calc/steel/steelrecords.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>

using namespace uitest;

// The input error boxes of the steel screens, as the user reads them.
namespace {
const QString noDiameterChosen = QString("Вы не выбрали диаметр!\r введите значение диаметра в мм");
const QString noWallChosen = QString("Диаметр выбран!\rА как насчет толщины стенки?\rвведите значение толщины стенки, мм");
const QString sectionLengthZero = QString("Длина участка не может равняться нулю!\r введите значение длины участка в м");
}  // namespace

class FrmtablII2Test : public QObject {
    Q_OBJECT

    QPointer<frmtablII2> w;

private slots:
    void init()
    {
        w = new frmtablII2(calc::steel::electricWeldedRecord());
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
        QCOMPARE(w->windowTitle(), QString("трубы стальные ГОСТ 10704-91"));
        QCOMPARE(items(w, "Combo1").size(), 70);
        QCOMPARE(child<QComboBox>(w, "Combo1")->currentIndex(), -1);
        QCOMPARE(text(w, "Label4"), QString("dp="));
        QCOMPARE(text(w, "Label11"), QString("ГОСТ 10704-91"));
        QVERIFY(!w->findChild<QWidget*>("Label13_0"));
        QVERIFY(!w->findChild<QWidget*>("Label17"));
        QVERIFY(!w->findChild<QWidget*>("Label18"));
        QCOMPARE(child<QGroupBox>(w, "Frame3")->title(), QString("Потери напора на участке, м"));
        QVERIFY(child<QWidget>(w, "Frame3")->y() > child<QWidget>(w, "Command2")->geometry().bottom());
        QCOMPARE(child<QWidget>(w, "Frame3")->width(), child<QWidget>(w, "Frame1")->width());
        QCOMPARE(child<QWidget>(w, "Text3")->parentWidget(), child<QWidget>(w, "Frame3"));
    }

    void wallGivesCalculationDiameter_data()
    {
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QString>("wall");
        QTest::addColumn<bool>("newPipes");
        QTest::addColumn<QString>("bore");
        QTest::addColumn<QString>("shown");
        QTest::newRow("57 x 3.5 non-new") << "57" << "3.5" << false << "49" << "49";
        QTest::newRow("57 x 3.5 new") << "57" << "3.5" << true << "50" << "50";
        QTest::newRow("10.2 x 1.2 new") << "10.2" << "1.2" << true << "7.8" << "7,8";
        QTest::newRow("1420 x 17.5 non-new") << "1420" << "17.5" << false << "1384" << "1384";
        QTest::newRow("33.7 x 2.2 non-new") << "33.7" << "2.2" << false << "28.3" << "28,3";
    }
    void wallGivesCalculationDiameter()
    {
        QFETCH(QString, outer);
        QFETCH(QString, wall);
        QFETCH(bool, newPipes);
        QFETCH(QString, bore);
        QFETCH(QString, shown);
        if (newPipes)
            click(w, "Option4");
        choose(w, "Combo1", outer);
        QCOMPARE(text(w, "Label3"), QString());
        choose(w, "Combo2", wall);
        QCOMPARE(text(w, "Text2"), bore);
        QCOMPARE(text(w, "Label4"), QString("dp="));
        QCOMPARE(text(w, "Label3"), shown);
    }

    void wallLists_data()
    {
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QStringList>("walls");
        QTest::newRow("95") << "95" << QStringList({"2", "2.5", "3.2", "5"});
        QTest::newRow("180") << "180" << QStringList({"4", "5"});
        QTest::newRow("88") << "88" << QStringList({"1.6", "1.8", "2", "2.2", "2.5", "2.8"});
    }
    void wallLists()
    {
        QFETCH(QString, outer);
        QFETCH(QStringList, walls);
        choose(w, "Combo1", outer);
        QCOMPARE(items(w, "Combo2"), walls);
        QCOMPARE(child<QComboBox>(w, "Combo2")->currentIndex(), -1);
    }

    void localLossBoxFollowsOuterDiameter()
    {
        click(w, "Check2");
        choose(w, "Combo1", "88");
        QVERIFY(!child<QCheckBox>(w, "Check2")->isChecked());
        QVERIFY(!child<QWidget>(w, "Check2")->isVisible());
        choose(w, "Combo1", "76");
        QVERIFY(child<QWidget>(w, "Check2")->isVisible());
    }

    void noPipeChosen()
    {
        typeInto(w, "Text1", "1\r");
        QCOMPARE(takeMessages(), QStringList{noDiameterChosen});
        choose(w, "Combo1", "57");
        typeInto(w, "Text1", "\r");
        QCOMPARE(takeMessages(), QStringList{noWallChosen});
    }

    void otherDiameterEmptiesFlowAndResults()
    {
        choose(w, "Combo1", "57");
        choose(w, "Combo2", "3.5");
        typeInto(w, "Text1", "2\r");
        typeInto(w, "Text3", "10\r");
        QVERIFY(takeMessages().isEmpty());
        QCOMPARE(text(w, "Label1"), QString("1,061"));
        click(w, "Check1");
        for (const char* name : {"Text1", "Text2", "Text3", "Label1", "Label2", "Label3", "Label10"})
            QVERIFY2(text(w, name).isEmpty(), name);
        QVERIFY(toolTip(w, "Text1").isEmpty());
        typeInto(w, "Text2", "49");
        typeInto(w, "Text1", "2\r");
        QCOMPARE(text(w, "Label3"), QString("49"));
        QCOMPARE(text(w, "Label1"), QString("1,061"));
        click(w, "Check1");
        QCOMPARE(items(w, "Combo1").size(), 70);
        QVERIFY(text(w, "Label1").isEmpty());
    }

    void coefficientStaysAfterLengthError()
    {
        choose(w, "Combo1", "57");
        choose(w, "Combo2", "3.5");
        typeInto(w, "Text1", "2");
        click(w, "Check2");
        click(w, "Command3");
        QCOMPARE(takeMessages(), QStringList{sectionLengthZero});
        QCOMPARE(text(w, "Label24"), QString("k=0,3"));
        click(w, "Check2");
        typeInto(w, "Text3", "10\r");
        QCOMPARE(text(w, "Label24"), QString("k=0,3"));
        QVERIFY(!child<QWidget>(w, "Label24")->isVisible());
        QCOMPARE(text(w, "Label10"), QString("H = i·L= 0,619 м"));
    }
};

UITEST_MAIN(FrmtablII2Test)
#include "tst_frmtablII2.moc"
