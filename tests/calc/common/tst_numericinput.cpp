#include "widgets/numericinput.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
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

    // Text that arrives in one key or from an input method goes through the same filter,
    // and a blank in it runs no shortcut.
    void textOfSeveralCharacters_data()
    {
        QTest::addColumn<bool>("inputMethod");
        QTest::addColumn<bool>("wholeCounts");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        for (bool inputMethod : {false, true}) {
            const char* way = inputMethod ? "input method: " : "one key: ";
            QTest::newRow(QByteArray(way).append("comma becomes point").constData())
                << inputMethod << false << "1,5" << "1.5";
            QTest::newRow(QByteArray(way).append("letters and markup dropped").constData())
                << inputMethod << false << "5<b>x</b>" << "5/";
            QTest::newRow(QByteArray(way).append("count drops separators").constData())
                << inputMethod << true << "1,2.3" << "123";
            QTest::newRow(QByteArray(way).append("blank kept, no shortcut").constData())
                << inputMethod << false << "2 3" << "2 3";
            QTest::newRow(QByteArray(way).append("Ё kept").constData()) << inputMethod << false << "7Ёa" << "7Ё";
        }
    }
    void textOfSeveralCharacters()
    {
        QFETCH(bool, inputMethod);
        QFETCH(bool, wholeCounts);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QWidget window;
        auto* input = new NumericInput(&window);
        input->setKeyList(wholeCounts ? calc::KeyList::B : calc::KeyList::A);
        QSignalSpy blanks(input, &NumericInput::blankTyped);
        if (inputMethod) {
            QInputMethodEvent event;
            event.setCommitString(text);
            QApplication::sendEvent(input, &event);
        } else {
            QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
            QApplication::sendEvent(input, &event);
        }
        QCOMPARE(input->text(), shown);
        QCOMPARE(blanks.count(), 0);
    }

    void pasteIsNotFiltered()
    {
        QWidget window;
        auto* input = new NumericInput(&window);
        QApplication::clipboard()->setText(QStringLiteral("1,5abc"));
        input->paste();
        QCOMPARE(input->text(), QStringLiteral("1,5abc"));
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
