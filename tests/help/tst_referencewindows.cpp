#include "app/form1.h"
#include "platform/palette.h"
#include "tests/common/uitest.h"
#include "tests/help/helptestsupport.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>

using namespace helptest;

namespace {
const QString referenceTitle = "Справка о программе \"Таблицы Тальвера\" version 1.0";
}

class ReferenceWindowsTest : public QObject {
    Q_OBJECT

    QPointer<QWidget> menu;

    QWidget* opened(const char* button, const QString& name)
    {
        uitest::click(menu, button);
        return theWindow(name);
    }

private slots:
    void init()
    {
        menu = new Form1;
        menu->show();
    }
    void cleanup()
    {
        closeAllWindows();
        QVERIFY(uitest::takeMessages().isEmpty());
        uitest::takeOpenedDocuments();
    }

    void menuButtonsOpenOneWindowEach_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("reference") << "Command12" << "frmspravka" << referenceTitle;
        QTest::newRow("about") << "Command13" << "frminfo" << "  info";
    }
    void menuButtonsOpenOneWindowEach()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, title);
        QWidget* window = opened(qPrintable(button), name);
        QCOMPARE(window->windowTitle(), title);
        QVERIFY(!window->parentWidget());
        uitest::click(menu, qPrintable(button));
        QCOMPARE(openWindows(name), QList<QWidget*>{window});
        QVERIFY(menu->isVisible());
    }

    void referenceTexts()
    {
        QWidget* window = opened("Command12", "frmspravka");
        const QList<std::pair<const char*, QString>> expected = {
            {"Label1_0", " Для гидравлического расчета стальных, чугунных, асбестоцементных, железобетонных, "
                         "пластмассовых и стеклянных водопроводных труб используются формулы из"},
            {"Label1_1", " Гидравлический расчет стеклопластиковых труб производится согласно нормативного документа "},
            {"Label1_2", " Гидравлический расчет медных труб производится согласно нормативного документа "},
            {"Label1_3", " Гидравлический расчет труб из сшитого полиэтилена (PEX)  производится согласно "
                         "нормативного документа "},
            {"Label1_4", " Гидравлический расчет металлополимерных  производится согласно нормативного документа "},
            {"Label1_5", " Рекомендации по выбору диаметров труб с учетом экономического фактора для стальных, "
                         "чугунных, асбестоцементных, железобетонных, пластмассовых труб даны на основании таблицы "
                         "12 [1] , при экономическом факторе Э=0,75 - для центральных и западных районов европейской "
                         "части СССР. ( значения 1000i и v в таблицах [1] выделены жирным шрифтом) "},
            {"Label1_6", " Рекомендации по выбору диаметров труб с учетом экономического фактора для "
                         "стеклопластиковых труб не даются."},
            {"Label1_8", "Для пластмассовых труб рекомендации по выбору диаметров труб с учетом экономического "
                         "фактора ограничиваются диаметром 630мм, на большие диаметры рекомендации не даются (см. "
                         "табл.12 [1]) "},
            {"Label1_7", " Окна ввода данных и вывода результата, в программе, оснащены всплывающими подсказками, в "
                         "которых содержится дополнительная информация (например, если навести курсор мыши на "
                         "значение потерь напора [в метрах вод.ст.] , в подсказке получите потери давления [ в "
                         "Паскалях] ) ."},
        };
        int previousBottom = -1;
        for (const auto& [name, text] : expected) {
            QCOMPARE(uitest::text(window, name), text);
            // Top to bottom in this order: element 8 stands before element 7.
            QWidget* paragraph = uitest::child<QWidget>(window, name);
            QVERIFY2(paragraph->y() > previousBottom, name);
            previousBottom = paragraph->geometry().bottom();
        }
        QCOMPARE(uitest::toolTip(window, "Label1_7"), QString("Всплывающая подсказка"));
        auto* source = uitest::child<QLabel>(window, "Label2");
        QCOMPARE(source->font().pointSizeF(), 8.25);
        QVERIFY(source->text().contains("Таблицы для гидравлического расчета водопроводных труб"));
        QVERIFY(source->text().contains("Справочное пособие"));
    }

    void referenceLinksOpenDocuments_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("paragraph");
        QTest::addColumn<QString>("document");
        QTest::newRow("glass-fibre") << "Label3" << "СП 40-104-2001" << "Label1_1" << "sp40_104_2001.doc";
        QTest::newRow("copper") << "Label4" << "СП 40-108-2004" << "Label1_2" << "sp40_108_2004.doc";
        QTest::newRow("PEX") << "Label5" << "СП 41-109-2005" << "Label1_3" << "sp41_109_2005.doc";
        QTest::newRow("PEX-AL-PEX") << "Label6" << "СП 41-102-98" << "Label1_4" << "sp41_102_98.doc";
    }
    void referenceLinksOpenDocuments()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, paragraph);
        QFETCH(QString, document);
        QPointer<QWidget> window = opened("Command12", "frmspravka");
        auto* link = uitest::child<QLabel>(window, qPrintable(name));
        QCOMPARE(link->text(), caption);
        QCOMPARE(platform::captionColour(link), QColor(0, 0, 255));
        QCOMPARE(link->font().pointSizeF(), 8.25);
        QCOMPARE(link->toolTip(), QString("кликни для просмотра"));
        QCOMPARE(link->parentWidget()->objectName(), paragraph);
        QVERIFY(link->parentWidget()->rect().contains(link->geometry()));

        removeDocument(document);
        clickOn(link);
        QVERIFY(uitest::takeOpenedDocuments().isEmpty());
        const PresentDocument present(document);
        clickOn(link);
        QCOMPARE(uitest::takeOpenedDocuments(), QList<QUrl>{QUrl::fromLocalFile(present.path())});
        QVERIFY(!closed(window));
    }

    void referenceEntryOfSourceIgnoresClicks()
    {
        QPointer<QWidget> window = opened("Command12", "frmspravka");
        clickOn(uitest::child<QWidget>(window, "Label2"));
        QVERIFY(!closed(window));
    }

    void referenceClosesOnParagraphOrBackground_data()
    {
        QTest::addColumn<QString>("name");  // empty: the background
        for (const char* name : {"", "Label1_0", "Label1_1", "Label1_4", "Label1_7", "Label1_8"})
            QTest::newRow(*name ? name : "background") << QString(name);
    }
    void referenceClosesOnParagraphOrBackground()
    {
        QFETCH(QString, name);
        QPointer<QWidget> window = opened("Command12", "frmspravka");
        if (name.isEmpty())
            clickAt(window, QPoint(window->width() - 3, window->height() - 3));
        else
            clickOn(uitest::child<QWidget>(window, qPrintable(name)));
        QVERIFY(closed(window));
        QVERIFY(menu->isVisible());
    }

    void aboutTexts()
    {
        QWidget* window = opened("Command13", "frminfo");
        QCOMPARE(uitest::text(window, "Label1_0"), QString("Программа \"Таблицы Тальвера\" ver 2.0 "));
        QCOMPARE(uitest::text(window, "Label2"),
                 QString("для гидравлического расчета напорных трубопроводов из различных материалов"));
        for (const char* name : {"Label3_0", "Label3_1", "Label3_2", "Label3_3", "Label1_1", "Label1_2"})
            QVERIFY2(!uitest::text(window, name).isEmpty(), name);
        QVERIFY(uitest::text(window, "Label1_1").contains("Таблицы Тальвера"));
        QVERIFY(uitest::text(window, "Label1_3").contains("2026"));
    }

    void aboutClosesOnAnyClick_data()
    {
        QTest::addColumn<QString>("name");  // empty: the background
        for (const char* name : {"", "Label1_0", "Label2", "Label3_0", "Label3_3", "Label1_3"})
            QTest::newRow(*name ? name : "background") << QString(name);
    }
    void aboutClosesOnAnyClick()
    {
        QFETCH(QString, name);
        QPointer<QWidget> window = opened("Command13", "frminfo");
        if (name.isEmpty())
            clickAt(window, QPoint(2, 2));
        else
            clickOn(uitest::child<QWidget>(window, qPrintable(name)));
        QVERIFY(closed(window));
    }

    // Esc closes the reference, the about window and a calculator's formula help; other keys do not.
    void escapeCloses_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("reference") << "Command12" << "frmspravka";
        QTest::newRow("about") << "Command13" << "frminfo";
        QTest::newRow("formula help") << "" << "frmhelp5";
    }
    void escapeCloses()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        if (button.isEmpty()) {
            uitest::click(menu, "Command5");
            uitest::click(theWindow("frmtablII5"), "Command5");
        } else {
            uitest::click(menu, qPrintable(button));
        }
        QPointer<QWidget> window = theWindow(name);
        QTest::keyClick(window, Qt::Key_Space);
        QTest::keyClick(window, Qt::Key_Escape, Qt::ShiftModifier);
        QVERIFY(window && window->isVisible());
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(closed(window));
    }

    void closingMenuKeepsOnlyHelpWindows()
    {
        uitest::click(menu, "Command1");
        QPointer<QWidget> calculator = theWindow("frmtablII1");
        uitest::click(calculator, "Command5");
        QPointer<QWidget> help = theWindow("frmhelp1");
        QPointer<QWidget> reference = opened("Command12", "frmspravka");
        QPointer<QWidget> about = opened("Command13", "frminfo");

        menu->close();
        QVERIFY(closed(menu));
        QVERIFY(closed(calculator));
        QVERIFY(closed(reference));
        QVERIFY(closed(about));
        QVERIFY(!closed(help));
        QVERIFY(help->isVisible());
    }

    void closingMenuAfterUserClosedReference()
    {
        QPointer<QWidget> reference = opened("Command12", "frmspravka");
        clickAt(reference, QPoint(2, 2));
        QVERIFY(closed(reference));
        menu->close();
        QVERIFY(closed(menu));
        QVERIFY(uitest::takeMessages().isEmpty());
    }
};

UITEST_MAIN(ReferenceWindowsTest)
#include "tst_referencewindows.moc"
