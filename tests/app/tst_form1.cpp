#include "app/form1.h"
#include "platform/palette.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace uitest;

class Form1Test : public QObject {
    Q_OBJECT

    QPointer<Form1> menu;

    // The visible top-level windows other than the menu.
    static QStringList openWindows()
    {
        QStringList names;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->objectName() != "Form1")
                names << window->objectName();
        names.sort();
        return names;
    }

    QWidget* window(const char* name) const
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->objectName() == QLatin1String(name))
                return top;
        return nullptr;
    }

private slots:
    void init()
    {
        menu = new Form1;
        menu->show();
    }
    void cleanup()
    {
        if (menu)
            menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!menu);
        QVERIFY(openWindows().isEmpty());
        QVERIFY(takeMessages().isEmpty());
    }

    void captions_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::newRow("1") << "Command1" << "трубы стальные (газовые)  ГОСТ3262-75";
        QTest::newRow("2") << "Command2" << "трубы стальные  ГОСТ 10704-91";
        QTest::newRow("3") << "Command3" << "трубы  чугунные ГОСТ 9583-75 ГОСТ 21053-75";
        QTest::newRow("4") << "Command4" << "трубы асбесто- цементные   ГОСТ 593-80";
        QTest::newRow("5") << "Command5" << "трубы пластмассовые ГОСТ18599-2001";
        QTest::newRow("6") << "Command6" << "трубы железобетонные ГОСТ 12586.0-83";
        QTest::newRow("7") << "Command7" << "трубы  стекло- пластиковые   СП 40-104-2001";
        QTest::newRow("8") << "Command8" << "трубы стеклянные ГОСТ 8894-86";
        QTest::newRow("9") << "Command9" << "трубы медные  СП 40-108-2004";
        QTest::newRow("10") << "Command10" << "трубы из \"сшитого\" (PEX) полиэтелена ";
        QTest::newRow("11") << "Command11" << "трубы металло- полимерные (PEX-AL-PEX) ";
        QTest::newRow("12") << "Command12" << "";
        QTest::newRow("13") << "Command13" << "";
    }
    void captions()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QCOMPARE(text(menu, button.toLatin1()), caption);
    }

    // The material buttons from top to bottom, then the picture buttons from left to right.
    void tabPassesTheButtonsInOrder()
    {
        QStringList expected;
        for (int number = 1; number <= 11; ++number)
            expected << QStringLiteral("Command%1").arg(number);
        expected << "Command12" << "Command13" << "sectionsButton";
        QStringList order;
        for (QWidget* widget = menu->nextInFocusChain(); widget != menu; widget = widget->nextInFocusChain())
            if (widget->focusPolicy() & Qt::TabFocus)
                order << widget->objectName();
        QCOMPARE(order, expected);
    }

    void startsWithTheMenuOnly()
    {
        QCOMPARE(menu->windowTitle(), QString("Таблицы Тальвера       "));
        QVERIFY(openWindows().isEmpty());
        QVERIFY(menu->findChild<QWidget*>("Picture1"));
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    }

    void openingMarksTheButton()
    {
        const QColor face = QApplication::palette().color(QPalette::Button);
        click(menu, "Command1");
        QCOMPARE(openWindows(), QStringList{"frmtablII1"});
        QCOMPARE(platform::buttonBackground(child<QWidget>(menu, "Command1")), QColor(255, 255, 192));
        QCOMPARE(platform::buttonBackground(child<QWidget>(menu, "Command2")), face);
        click(menu, "Command2");
        QCOMPARE(openWindows(), QStringList{"frmtablII2"});
        QCOMPARE(platform::buttonBackground(child<QWidget>(menu, "Command1")), face);
        QCOMPARE(platform::buttonBackground(child<QWidget>(menu, "Command2")), QColor(255, 255, 192));
    }

    void switchingStartsAfresh()
    {
        click(menu, "Command1");
        typeInto(window("frmtablII1"), "Text1", "5");
        click(menu, "Command2");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        click(menu, "Command1");
        QCOMPARE(openWindows(), QStringList{"frmtablII1"});
        QCOMPARE(text(window("frmtablII1"), "Text1"), QString());
    }

    void sameButtonKeepsInputs()
    {
        click(menu, "Command1");
        QWidget* first = window("frmtablII1");
        typeInto(first, "Text1", "5");
        click(menu, "Command1");
        QCOMPARE(window("frmtablII1"), first);
        QCOMPARE(text(first, "Text1"), QString("5"));
        QCOMPARE(openWindows(), QStringList{"frmtablII1"});
    }

    void calculatorClosedByTheUser()
    {
        click(menu, "Command1");
        window("frmtablII1")->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        click(menu, "Command2");
        QCOMPARE(openWindows(), QStringList{"frmtablII2"});
    }

    void closingTheMenuClosesTheCalculator()
    {
        click(menu, "Command2");
        QPointer<QWidget> calculator = window("frmtablII2");
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!calculator);
    }
};

UITEST_MAIN(Form1Test)
#include "tst_form1.moc"
