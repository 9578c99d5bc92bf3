#include "app/calculators.h"
#include "calc/registry/tables.h"
#include "calc/screen/calculatoropeners.h"
#include "help/formula.h"
#include "help/formulahelp.h"
#include "platform/palette.h"
#include "tests/common/uitest.h"
#include "tests/help/helptestsupport.h"

#include <QApplication>
#include <QPointer>

using namespace helptest;
using help::formula::FormulaView;

namespace {
QString windowOfTable(int table) { return QStringLiteral("frmhelp%1").arg(table == 2 ? 1 : table); }

// A table's help window as its calculator's help button shows it.
void showHelpOfTable(int table) { calc::calculatorOpeners().formulaHelp(calc::table(table)); }

QWidget* shownHelp(int table)
{
    showHelpOfTable(table);
    return theWindow(windowOfTable(table));
}

QStringList formulas(const QWidget* window)
{
    QStringList written;
    for (const FormulaView* view : window->findChildren<FormulaView*>())
        written << view->accessibleName();
    return written;
}
}  // namespace

class FormulaHelpTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        closeAllWindows();
        QVERIFY(uitest::takeMessages().isEmpty());
        uitest::takeOpenedDocuments();
    }

    void eachTableShowsItsWindow_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("title");
        QTest::newRow("II-1") << 1 << "для стальных труб";
        QTest::newRow("II-2 shares the steel window") << 2 << "для стальных труб";
        QTest::newRow("II-3") << 3 << " чугунные трубы ГОСТ9583-75 и ГОСТ 21053-75";
        QTest::newRow("II-4") << 4 << "асбецементные трубы ГОСТ 539-80";
        QTest::newRow("II-5") << 5 << " пластмассовые трубы ГОСТ 18599-2001";
        QTest::newRow("II-6") << 6 << "трубы железобетонные ГОСТ 12586.0-83";
        QTest::newRow("II-7") << 7 << "трубы стеклопластиковые СП 40-104-2001";
        QTest::newRow("II-8") << 8 << "трубы стеклянные ГОСТ 8894-86";
        QTest::newRow("II-9") << 9 << " медные трубы ";
        QTest::newRow("II-10") << 10 << " PEX трубы";
        QTest::newRow("II-11") << 11 << " металлополимерные трубы (PEX-AL-PEX)";
    }
    void eachTableShowsItsWindow()
    {
        QFETCH(int, table);
        QFETCH(QString, title);
        QWidget* window = shownHelp(table);
        QCOMPARE(window->windowTitle(), title);
        QVERIFY(window->isWindow());
        QVERIFY(!window->parentWidget());
        QVERIFY(!window->isModal());
        for (int other = 1; other <= calc::tableCount; ++other)
            if (windowOfTable(other) != window->objectName())
                QVERIFY2(openWindows(windowOfTable(other)).isEmpty(), qPrintable(windowOfTable(other)));
    }

    void secondRequestKeepsOneWindow_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("II-3 twice") << 3 << 3;
        QTest::newRow("II-11 twice") << 11 << 11;
        QTest::newRow("II-1 then II-2") << 1 << 2;
        QTest::newRow("II-2 then II-1") << 2 << 1;
    }
    void secondRequestKeepsOneWindow()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QPointer<QWidget> window = shownHelp(first);
        showHelpOfTable(second);
        QCOMPARE(openWindows(windowOfTable(first)), QList<QWidget*>{window.data()});
    }

    void closedWindowOpensAgain()
    {
        QPointer<QWidget> window = shownHelp(5);
        window->close();
        QVERIFY(closed(window));
        QVERIFY(shownHelp(5));
    }

    void numbersWithoutTableShowNothing_data()
    {
        QTest::addColumn<int>("table");
        QTest::newRow("0") << 0;
        QTest::newRow("after the last") << calc::tableCount + 1;
        QTest::newRow("-1") << -1;
    }
    void numbersWithoutTableShowNothing()
    {
        QFETCH(int, table);
        const int before = int(QApplication::topLevelWidgets().size());
        app::showFormulaHelpOf(table);
        QCOMPARE(int(QApplication::topLevelWidgets().size()), before);
    }

    void helpButtonOfCalculatorOutlivesIt_data()
    {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("help");
        QTest::newRow("II-1") << 1 << "Command5" << "frmhelp1";
        QTest::newRow("II-2") << 2 << "Command5" << "frmhelp1";
        for (int table = 3; table <= 8; ++table)
            QTest::newRow(qPrintable(QStringLiteral("II-%1").arg(table)))
                << table << "Command5" << QStringLiteral("frmhelp%1").arg(table);
        for (int table = 9; table <= 11; ++table)
            QTest::newRow(qPrintable(QStringLiteral("II-%1").arg(table)))
                << table << "Command3" << QStringLiteral("frmhelp%1").arg(table);
    }
    void helpButtonOfCalculatorOutlivesIt()
    {
        QFETCH(int, calculator);
        QFETCH(QString, button);
        QFETCH(QString, help);
        QPointer<QWidget> screen = createCalculator(calculator);
        QVERIFY(screen);
        screen->show();
        uitest::click(screen, qPrintable(button));
        QWidget* window = theWindow(help);
        QVERIFY(window != screen);
        QVERIFY(screen->isVisible());
        uitest::click(screen, qPrintable(button));
        QCOMPARE(openWindows(help).size(), 1);
        screen->close();
        QVERIFY(closed(screen));
        QCOMPARE(openWindows(help), QList<QWidget*>{window});
    }

    void contentOfEachWindow_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("written");
        const QStringList slopeLegend = {"i - ", "гидравлический уклон", "v -", "скорость движения воды, м/с", "dp -",
                                         "расчетный внутренний диаметр, м"};
        QTest::newRow("frmhelp1")
            << 1
            << QStringList{"Для гидравлического расчета стальных труб используют следующие формулы:",
                           "i -", "гидравлический уклон ",
                           "λ -", "коэффициент сопротивления трения по длине",
                           "v -", "скорость, м/с ",
                           "ν -", "кинематический коэффициент вязкости воды (зависит от температуры) ",
                           "dp -", "расчетный внутренний диаметр , мм", "dp=dн - 2s - 1",
                           "dн -", "наружный диаметр , мм",
                           "s -", "толщина стенки , мм",
                           "1мм -", "коррозия или отложения , мм"}
            << QStringList{"i = λ · 1/dp · v^2/2g",
                           "Для новых стальных труб:   λ = 0,312/dp^0,226 · (1,9·10^−6 + ν/v)^0,226",
                           "Для неновых стальных труб при v/ν ≥ 9,2·10^5      λ = 0,021/dp^0,3",
                           "Для неновых стальных труб при v/ν < 9,2·10^5      λ = 1/dp^0,3 · (1,5·10^−6 + ν/v)^0,3"};
        QTest::newRow("frmhelp3")
            << 3
            << QStringList{"Для гидравлического расчета чугунных труб используют следующие формулы:",
                           "Для неновых чугунных труб при v>1,2 м/сек или v=1,2 м/сек:",
                           "Для неновых чугунных труб при v<1,2 м/сек:",
                           "    Для чугунных труб внутренние диаметры установлены по ГОСТ 9583-75 и ГОСТ 21053-75, "
                           "причем для условных проходов до 300мм включительно принят  класс ЛА, для больших "
                           "диаметров - класс А. Для труб диаметром менее 300мм учтено  уменьшение внутреннего "
                           "диаметра на 1мм за счет коррозии или отложений. Для труб диаметром 300мм и более такое "
                           "уменьшение практического значения не имеет и поэтому не учтено.",
                           "  Использование чугунных труб более тяжелых классов в системах водоснабжения в "
                           "подавляющем большинстве случаев не требуется. Но при необходимости можно рассчитать их. "
                           "Установите флажок \"другой\" диаметр и в окно ввода введите соответствующее значение "
                           "расчетного внутреннего диаметра."}
            << QStringList{"i = λ · 1/dp · v^2/2g",
                           "Для новых чугунных труб:   λ = 0,0144/dp^0,284 · (1 + 2,36/v)^0,284",
                           "i = 0,00107 · v^2/dp^1,3", "i = 0,000912 · v^2/dp^1,3 · (1 + 0,867/v)^0,3"};
        QTest::newRow("frmhelp4")
            << 4
            << QStringList{"Для гидравлического расчета асбестоцементных труб используют формулу:"} + slopeLegend +
                   QStringList{"    Как показал опыт эксплуатации асбетоцементных водопроводных труб, заметного "
                               "возрастания их шероховатости обычно не происходит. Благодаря этому приведенная выше "
                               "формула справедлива для расчета как новых, так и неновых водопроводных труб.",
                               "   Величины внутренних диаметров приняты по ГОСТ 539-80. При расчете нестандартных "
                               "асбестоцементных труб установите флажок \"другой\" диаметр и в окно ввода введите "
                               "соответствующее значение расчетного внутреннего диаметра. "}
            << QStringList{"i = 0,000561 · v^2/dp^1,190 · (1 + 3,51/v)^0,190"};
        QTest::newRow("frmhelp5")
            << 5
            << QStringList{"Для гидравлического расчета пластмассовых труб используют формулу:"} + slopeLegend +
                   QStringList{"  Благодаря высокой коррозионной стойкости пластмассовых труб увеличения их "
                               "сопротивления в процессе экплуатации практически не наблюдается. Поэтому приведенной "
                               "выше формулой можно пользоваться как для расчета новых, так и для неновых "
                               "пластмассовых труб.  ",
                               "   Величины внутренних диаметров приняты по ГОСТ 18599-2001. При расчете пластмассовых "
                               "труб не относящихся к ГОСТ 18559-2001 установите флажок \"не по ГОСТу\"  и в окно "
                               "ввода введите соответствующее значение расчетного внутреннего диаметра. "}
            << QStringList{"i = 0,000685 · v^1,774/dp^1,226"};
        QTest::newRow("frmhelp6")
            << 6
            << QStringList{"Для гидравлического расчета железобетонных труб используют формулу:"} + slopeLegend +
                   QStringList{"φ -",
                               "коэффициент, зависящий от качества внутренней поверхности стенки трубы. Принимаем   ",
                               "φ =1",
                               "  Опыт эксплуатации железобетонных труб показал, что внутренняя поверхность стенок с "
                               "течением времени практически  не изменяется, поэтому по приведенной выше формуле можно "
                               "рассчитывать как новые, так и бывшие в употреблении железобетонные трубы.  ",
                               "   Величины внутренних диаметров приняты по ГОСТ 12586.0-83 При расчете железобетонных "
                               "труб не относящихся к ГОСТ 12586.0-83 установите флажок \"другой\"  и в окно ввода "
                               "введите соответствующее значение расчетного внутреннего диаметра. "}
            << QStringList{"i = 0,000802 · φ · v^2/dp^1,190 · (1 + 3,51/v)^0,190"};
        QTest::newRow("frmhelp7")
            << 7
            << QStringList{"Для гидравлического расчета стеклопластиковых труб используют следующие формулы:"} +
                   slopeLegend +
                   QStringList{"λ -", "коэффициент сопротивления трения по длине", "g -",
                               "ускорение свободного падения",
                               "  Благодаря высокой коррозионной стойкости стеклопластиковых труб увеличения их "
                               "сопротивления в процессе экплуатации практически не наблюдается. Поэтому приведенными "
                               "выше формулами можно пользоваться как для расчета новых, так и для неновых "
                               "стеклопластиковых труб.  ",
                               "   Величины внутренних диаметров приняты по табл.2 и табл.3 СП40-104-2001. При расчете "
                               "стеклопластиковых труб произвольного диаметра установите флажок \"другой\"  и в окно "
                               "ввода введите соответствующее значение расчетного внутреннего диаметра. "}
            << QStringList{"i = λ · v^2/(2g · dp)", "λ = 0,0146 · (v · dp)^—0,226"};
        QTest::newRow("frmhelp8")
            << 8
            << QStringList{"Для гидравлического расчета стеклянных труб используют формулу:"} + slopeLegend +
                   QStringList{"  Стеклянные трубы весьма стойки против коррозии, благодаря чему приведенная выше "
                               "формула справедлива как для новых, так и для неновых стеклянных труб.",
                               "   Величины  диаметров приняты по ГОСТ 8894-86. При расчете стеклянных труб труб не "
                               "относящихся к ГОСТ 8894-86 установите флажок \"другой\"  и в окно ввода введите "
                               "соответствующее значение расчетного внутреннего диаметра. "}
            << QStringList{"i = 0,000745 · v^1,774/dp^1,226"};
        QTest::newRow("frmhelp9")
            << 9
            << QStringList{"   Гидравлический расчет медных трубопроводов производится на основании п.3.4 ",
                           "   Сортамент труб (наружный диаметр, толщина стенки)  принят по табл.3 СП 40-108-2004 ",
                           "   При расчете медных труб произвольного диаметра установите флажок \"другой\" внутренний "
                           "диаметр и введите значение соответствующего расчетного внутреннего диаметра, мм.   "}
            << QStringList{};
        QTest::newRow("frmhelp10")
            << 10
            << QStringList{"  Гидравлический расчет трубопроводов из сшитого полиэтилена (PEX) производится на "
                           "основании п.3.4   СП 41-109-2005   и   п.3.5   СП 40-102-2000 ",
                           "  Сортамент труб из \"сшитого\" полиэтилена (PEX) принят по табл.1 СП 41-109-2005",
                           "   При расчете (PEX) труб произвольного диаметра установите флажок \"другой\" внутренний "
                           "диаметр и введите значение соответствующего расчетного внутреннего диаметра, мм.   "}
            << QStringList{};
        QTest::newRow("frmhelp11")
            << 11
            << QStringList{"   Гидравлический расчет металлополимерных трубопроводов (PEX-AL-PEX)  производится на "
                           "основании п.3.4   СП 41-109-2005   и   п.3.5   СП 40-102-2000 ",
                           "   При расчете металлополимерных труб произвольного диаметра установите флажок \"другой\" "
                           "внутренний диаметр и введите значение соответствующего расчетного внутреннего диаметра, "
                           "мм.   "}
            << QStringList{};
    }
    void contentOfEachWindow()
    {
        QFETCH(int, table);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, written);
        QWidget* window = shownHelp(table);
        QCOMPARE(captions(window), texts);
        QCOMPARE(formulas(window), written);
    }

    void formulasFitTheirWindow()
    {
        for (int table : {1, 3, 4, 5, 6, 7, 8}) {
            QWidget* window = shownHelp(table);
            for (const FormulaView* view : window->findChildren<FormulaView*>()) {
                QVERIFY2(window->rect().contains(QRect(view->mapTo(window, QPoint(0, 0)), view->sizeHint())),
                         qPrintable(view->accessibleName()));
                QCOMPARE(view->size(), view->sizeHint());
            }
        }
    }

    void linksOpenTheirDocuments_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("document");
        QTest::newRow("frmhelp3") << 3 << "ГОСТ 9583-75" << "g9583.doc";
        QTest::newRow("frmhelp4") << 4 << "ГОСТ 539-80" << "g539.doc";
        QTest::newRow("frmhelp5") << 5 << "ГОСТ 18599-2001" << "g18599.doc";
        QTest::newRow("frmhelp6") << 6 << "ГОСТ12586.0-83" << "g12586.doc";
        QTest::newRow("frmhelp7") << 7 << "СП40-104-2001" << "sp40_104_2001.doc";
        QTest::newRow("frmhelp8") << 8 << "ГОСТ 8894-86" << "g8894.doc";
        QTest::newRow("frmhelp9") << 9 << "СП 40-108-2004" << "sp40_108_2004.doc";
        QTest::newRow("frmhelp10 first") << 10 << "СП 41-109-2005" << "sp41_109_2005.doc";
        QTest::newRow("frmhelp10 second") << 10 << "СП 40-102-2000" << "sp40_102_2000.doc";
        QTest::newRow("frmhelp11 first") << 11 << "СП 41-102-98" << "sp41_102_98.doc";
        QTest::newRow("frmhelp11 second") << 11 << "СП 40-102-2000" << "sp40_102_2000.doc";
    }
    void linksOpenTheirDocuments()
    {
        QFETCH(int, table);
        QFETCH(QString, caption);
        QFETCH(QString, document);
        QPointer<QWidget> window = shownHelp(table);
        QWidget* designation = link(window, caption);
        QCOMPARE(platform::captionColour(designation), QColor(0, 0, 255));
        QVERIFY(designation->toolTip().isEmpty());

        removeDocument(document);
        clickOn(designation);
        QVERIFY(uitest::takeOpenedDocuments().isEmpty());  // no document installed: nothing happens
        QVERIFY(!closed(window));

        const PresentDocument present(document);
        clickOn(designation);
        QCOMPARE(uitest::takeOpenedDocuments(), QList<QUrl>{QUrl::fromLocalFile(present.path())});
        QVERIFY(!closed(window));
        QVERIFY(window->isVisible());
    }

    void linksLieOverTheirDesignations_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("frmhelp1") << 1 << QStringList{};
        QTest::newRow("frmhelp3") << 3 << QStringList{"ГОСТ 9583-75"};
        QTest::newRow("frmhelp6") << 6 << QStringList{"ГОСТ12586.0-83"};
        QTest::newRow("frmhelp10") << 10 << QStringList{"СП 41-109-2005", "СП 40-102-2000"};
        QTest::newRow("frmhelp11") << 11 << QStringList{"СП 41-102-98", "СП 40-102-2000"};
    }
    void linksLieOverTheirDesignations()
    {
        QFETCH(int, table);
        QFETCH(QStringList, captions);
        QWidget* window = shownHelp(table);
        const QList<QWidget*> placed = links(window);
        QStringList shown;
        for (QWidget* designation : placed) {
            shown << qobject_cast<QLabel*>(designation)->text();
            // Inside the paragraph that names it, opaque over the black text beneath.
            QVERIFY(designation->parentWidget()->rect().contains(designation->geometry()));
            QVERIFY(designation->autoFillBackground());
        }
        QCOMPARE(shown, captions);
        if (placed.size() == 2) {
            // Both on the first line of the note, the first standard to the left of the second.
            QCOMPARE(placed[0]->y(), placed[1]->y());
            QVERIFY(placed[0]->geometry().right() < placed[1]->x());
        }
    }

    void clickOnTextOrBackgroundCloses_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("caption");  // empty: the window's background
        QTest::newRow("frmhelp1 background") << 1 << "";
        QTest::newRow("frmhelp1 legend v") << 1 << "v -";
        QTest::newRow("frmhelp1 meaning of i") << 1 << "гидравлический уклон ";
        QTest::newRow("frmhelp1 beside dp") << 1 << "dp=dн - 2s - 1";
        QTest::newRow("frmhelp3 intro") << 3 << "Для гидравлического расчета чугунных труб используют следующие формулы:";
        QTest::newRow("frmhelp3 condition") << 3 << "Для неновых чугунных труб при v<1,2 м/сек:";
        QTest::newRow("frmhelp4 background") << 4 << "";
        QTest::newRow("frmhelp5 legend") << 5 << "i - ";
        QTest::newRow("frmhelp6 phi") << 6 << "φ =1";
        QTest::newRow("frmhelp7 lambda") << 7 << "λ -";
        QTest::newRow("frmhelp8 intro") << 8 << "Для гидравлического расчета стеклянных труб используют формулу:";
        QTest::newRow("frmhelp9 background") << 9 << "";
        QTest::newRow("frmhelp10 note") << 10
                                        << "  Сортамент труб из \"сшитого\" полиэтилена (PEX) принят по табл.1 СП "
                                           "41-109-2005";
        QTest::newRow("frmhelp11 background") << 11 << "";
    }
    void clickOnTextOrBackgroundCloses()
    {
        QFETCH(int, table);
        QFETCH(QString, caption);
        QPointer<QWidget> window = shownHelp(table);
        if (caption.isEmpty()) {
            // The top left corner: the right and bottom edges hold scroll bars on a small screen.
            clickAt(window, QPoint(3, 3));
        } else {
            QLabel* target = nullptr;
            for (QLabel* label : window->findChildren<QLabel*>())
                if (label->text() == caption)
                    target = label;
            QVERIFY(target);
            clickOn(target);
        }
        QVERIFY(closed(window));
    }

    void formulasCloseTheirWindow_data()
    {
        QTest::addColumn<int>("table");
        QTest::newRow("frmhelp3") << 3;
        QTest::newRow("frmhelp5") << 5;
        QTest::newRow("frmhelp7") << 7;
    }
    void formulasCloseTheirWindow()
    {
        QFETCH(int, table);
        QPointer<QWidget> window = shownHelp(table);
        QWidget* formula = window->findChildren<FormulaView*>().first();
        clickAt(window, formula->mapTo(window.data(), QPoint(8, formula->height() / 2)));
        QVERIFY(closed(window));
    }

    void steelWindowIgnoresIntroAndSymbols_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("intro") << "Для гидравлического расчета стальных труб используют следующие формулы:";
        QTest::newRow("legend i") << "i -";
        QTest::newRow("legend lambda") << "λ -";
    }
    void steelWindowIgnoresIntroAndSymbols()
    {
        QFETCH(QString, caption);
        QPointer<QWidget> window = shownHelp(1);
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->text() == caption)
                clickOn(label);
        QVERIFY(!closed(window));
    }

    void steelFormulasIgnoreTheirSymbols()
    {
        QPointer<QWidget> window = shownHelp(1);
        const QList<FormulaView*> views = window->findChildren<FormulaView*>();
        QCOMPARE(views.size(), 4);
        // i, λ and the dot between the fractions; then λ of each friction formula.
        const QList<int> inertCounts = {3, 1, 1, 1};
        for (int k = 0; k < views.size(); ++k) {
            const QList<QRectF> areas = views[k]->inertAreas();
            QCOMPARE(areas.size(), inertCounts[k]);
            for (const QRectF& area : areas) {
                clickAt(window, views[k]->mapTo(window.data(), area.center().toPoint()));
                QVERIFY(!closed(window));
            }
        }
        // The symbol i stands first, λ after the equals sign.
        const QList<QRectF> first = views[0]->inertAreas();
        QVERIFY(first[0].right() < first[1].left());
        QVERIFY(first[1].right() < first[2].left());

        // The rest of a formula closes the window: here the fraction v²/2g at the end.
        const QRect all = views[0]->rect();
        clickAt(window, views[0]->mapTo(window.data(), QPoint(all.right() - 8, all.center().y())));
        QVERIFY(closed(window));
    }
};

UITEST_MAIN(FormulaHelpTest)
#include "tst_formulahelp.moc"
