#include "calc/common/numericinput.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <QSignalSpy>

class NumericInputTest : public QObject {
    Q_OBJECT
private slots:
    void typing_data()
    {
        QTest::addColumn<bool>("wholeCounts");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("comma becomes point") << false << "1,25" << "1.25";
        QTest::newRow("count drops comma") << true << "1,25" << "125";
        QTest::newRow("count drops point") << true << "1.5" << "15";
        QTest::newRow("letters dropped") << false << "2abcЖz5" << "25";
        QTest::newRow("Ш kept") << false << "4Ш" << "4Ш";
        QTest::newRow("minus kept") << false << "-3" << "-3";
    }
    void typing()
    {
        QFETCH(bool, wholeCounts);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QWidget window;
        auto* input = new NumericInput(&window);
        input->setObjectName("input");
        input->setKeyList(wholeCounts ? calc::KeyList::B : calc::KeyList::A);
        uitest::typeInto(&window, "input", typed);
        QCOMPARE(input->text(), shown);
    }

    void blankIsAnnouncedThenInserted()
    {
        QWidget window;
        auto* input = new NumericInput(&window);
        input->setObjectName("input");
        connect(input, &NumericInput::blankTyped, input, &QLineEdit::clear);
        uitest::typeInto(&window, "input", "12 3");
        QCOMPARE(input->text(), QString(" 3"));
    }

    void enterIsAnnounced()
    {
        QWidget window;
        auto* input = new NumericInput(&window);
        input->setObjectName("input");
        QSignalSpy entered(input, &NumericInput::enterPressed);
        uitest::typeInto(&window, "input", "5\r");
        QCOMPARE(entered.count(), 1);
        QCOMPARE(input->text(), QString("5"));
    }
};

UITEST_MAIN(NumericInputTest)
#include "tst_numericinput.moc"
