#include "app/calculators.h"
#include "calc/common/calculationdescription.h"
#include "calc/common/flowarithmetic.h"
#include "calc/registry/tables.h"
#include "calc/screen/showncalculation.h"
#include "report/frmotchet.h"
#include "report/sections.h"
#include "select/sizetable.h"
#include "tests/common/uitest.h"

#include <QAbstractButton>
#include <QDate>
#include <QApplication>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <memory>

using namespace uitest;

namespace {

frmotchet* recordWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* record = qobject_cast<frmotchet*>(window); record && record->isVisible())
            return record;
    return nullptr;
}

std::unique_ptr<QWidget> calculatorAfter(int number, const QStringList& steps)
{
    std::unique_ptr<QWidget> calculator(createCalculator(number));
    calculator->show();
    for (const QString& step : steps)
        takeStep(calculator.get(), step);
    return calculator;
}

// The label a calculator shows v in: II-3 and II-5 keep theirs third.
const char* velocityLabel(int number) { return number == 3 || number == 5 ? "Label3" : "Label1"; }

// Each figure the screen holds, as the table's calculation of the same request gives it.
void compareHeldFigures(const calc::Figures& screen, const calc::Figures& outcome)
{
    for (auto figure : {&calc::Figures::flow, &calc::Figures::velocity, &calc::Figures::thousandI,
                        &calc::Figures::slopePressure, &calc::Figures::specificLoss, &calc::Figures::headLoss,
                        &calc::Figures::headLossPressure, &calc::Figures::pressureDrop})
        if (screen.*figure)
            QCOMPARE(outcome.*figure, screen.*figure);
}

}  // namespace

// The record of a typical calculation on each calculator, opened by its record button: every
// line, with the numbers the screen shows and those put into each formula.
class RecordsOfScreensTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeAllWindows();
    }

    void recordOfWorkedExample_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("steps");
        // "Label1=1,224": a control and the text it shows; "Label2~…": its tooltip.
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("record");
        QTest::newRow("II-1 21.3 × 2.8, section with local losses")
            << 1 << QStringList{"choose Combo1 21.3", "choose Combo2 2.8", "type Text1 0.3", "click Command2",
                                "click Check2", "type Text3 25", "click Command3"}
            << QStringList{"Text2=14.7",
                           "Label1=1,768",
                           "Label2=806,866",
                           "Label2~потери давления на 1м   7912,65 Па/м",
                           "Label24=k=0,3",
                           "Label10=H = i·L·(1+k)= 26,223 м",
                           "Label10~потери давления  257161,06 Па"}
            << QStringList{"Таблица II-1: трубы стальные (газовые) d=6...150мм (ГОСТ3262-75)",
                           "Трубы: ГОСТ 3262-75",
                           "Формулы: [1] Таблицы для гидравлического расчета водопроводных труб. Справочное пособие.",
                           "Труба: dн = 21,3 мм, s = 2,8 мм",
                           "dp = dн − 2·s − 1 = 21,3 − 2·2,8 − 1 = 14,7 мм",
                           "Трубы неновые",
                           "Система холодного водоснабжения",
                           "ν = 1,3·10⁻⁶ м²/с",
                           "Q = 0,3 л/сек = 1,08 м куб/ч = 0,0003 м³/с",
                           "dp = 14,7 мм = 0,0147 м",
                           "v = 4·Q/(π·d²) = 4·0,0003/(π·0,0147²) = 1,767652 м/с",
                           "v/ν = 1,767652/(1,3·10⁻⁶) = 1,36·10⁶ м⁻¹ ≥ 9,2·10⁵ м⁻¹: квадратичная область",
                           "λ = 0,021/dp^0,3 = 0,021/0,0147^0,3 = 0,07447733",
                           "i = λ · 1/dp · v²/2g = 0,07447733 · 1/0,0147 · 1,767652²/19,62 = 0,80687",
                           "1000i = 1000·0,80687 = 806,9 м/км",
                           "потери давления на 1 м: 1000·g·i = 1000·9,80665·0,80687 = 7913 Па/м",
                           "Длина участка L = 25 м",
                           "Местные сопротивления, хозяйственно-питьевой водопровод жилых и общественных зданий: k = 0,3 (СП 30.13330.2020, 8.28)",
                           "H = i·L·(1+k) = 0,80687·25·(1+0,3) = 26,223 м",
                           "потери давления 1000·g·H = 1000·9,80665·26,223 = 2,572·10⁵ Па"};
        // 7.85398163 л/сек is v = 1 m/s in 0.1 m: v/ν below the bound, the first non-new λ.
        QTest::newRow("II-1 typed 100 mm, v = 1 m/s")
            << 1 << QStringList{"click Check1", "type Text2 100", "type Text1 7.85398163", "click Command2"}
            << QStringList{"Label1=1",
                           "Label2=21,951",
                           "Label2~потери давления на 1м   215,26 Па/м"}
            << QStringList{"Таблица II-1: трубы стальные (газовые) d=6...150мм (ГОСТ3262-75)",
                           "Трубы: ГОСТ 3262-75",
                           "Формулы: [1] Таблицы для гидравлического расчета водопроводных труб. Справочное пособие.",
                           "Труба: диаметр задан вручную",
                           "dp = 100 мм",
                           "Трубы неновые (dp задан вручную и принят без вычета 1 мм)",
                           "Система холодного водоснабжения",
                           "ν = 1,3·10⁻⁶ м²/с",
                           "Q = 7,85398163 л/сек = 28,27433387 м куб/ч = 0,007854 м³/с",
                           "dp = 100 мм = 0,1 м",
                           "v = 4·Q/(π·d²) = 4·0,007854/(π·0,1²) = 1 м/с",
                           "v/ν = 1/(1,3·10⁻⁶) = 7,692·10⁵ м⁻¹ < 9,2·10⁵ м⁻¹: переходная область",
                           "λ = 1/dp^0,3 · (1,5·10⁻⁶ + ν/v)^0,3 = 1/0,1^0,3 · (1,5·10⁻⁶ + 1,3·10⁻⁶/1)^0,3 = 0,04307",
                           "i = λ · 1/dp · v²/2g = 0,04307 · 1/0,1 · 1²/19,62 = 0,02195",
                           "1000i = 1000·0,02195 = 21,95 м/км",
                           "потери давления на 1 м: 1000·g·i = 1000·9,80665·0,02195 = 215,3 Па/м"};
        QTest::newRow("II-2 typed 100 mm, new, v = 1 m/s, section")
            << 2 << QStringList{"click Check1", "click Option4", "type Text2 100", "type Text1 7.85398163",
                                "click Command2", "type Text3 10", "click Command3"}
            << QStringList{"Label1=1",
                           "Label2=15,333",
                           "Label2~потери давления на 1м   150,36 Па/м",
                           "Label10=H = i·L= 0,153 м",
                           "Label10~потери давления  1503,63 Па"}
            << QStringList{"Таблица II-2: трубы стальные ГОСТ 10704-91",
                           "Трубы: ГОСТ 10704-91",
                           "Формулы: [1] Таблицы для гидравлического расчета водопроводных труб. Справочное пособие.",
                           "Труба: диаметр задан вручную",
                           "dp = 100 мм",
                           "Трубы новые",
                           "Система холодного водоснабжения",
                           "ν = 1,3·10⁻⁶ м²/с",
                           "Q = 7,85398163 л/сек = 28,27433387 м куб/ч = 0,007854 м³/с",
                           "dp = 100 мм = 0,1 м",
                           "v = 4·Q/(π·d²) = 4·0,007854/(π·0,1²) = 1 м/с",
                           "λ = 0,312/dp^0,226 · (1,9·10⁻⁶ + ν/v)^0,226 = 0,312/0,1^0,226 · (1,9·10⁻⁶ + 1,3·10⁻⁶/1)^0,226 = 0,030083",
                           "i = λ · 1/dp · v²/2g = 0,030083 · 1/0,1 · 1²/19,62 = 0,015333",
                           "1000i = 1000·0,015333 = 15,33 м/км",
                           "потери давления на 1 м: 1000·g·i = 1000·9,80665·0,015333 = 150,4 Па/м",
                           "Длина участка L = 10 м",
                           "H = i·L = 0,015333·10 = 0,15333 м",
                           "потери давления 1000·g·H = 1000·9,80665·0,15333 = 1504 Па"};
        // Hot water at 60 °C puts v/ν above the bound: the second non-new λ.
        QTest::newRow("II-2 57 × 3.5, hot water 60 °C")
            << 2 << QStringList{"click Option6", "choose Combo3 60", "choose Combo1 57", "choose Combo2 3.5",
                                "type Text1 3", "click Command2"}
            << QStringList{"Label3=49",
                           "Label1=1,591",
                           "Label2=136,629",
                           "Label2~потери давления на 1м   1339,88 Па/м"}
            << QStringList{"Таблица II-2: трубы стальные ГОСТ 10704-91",
                           "Трубы: ГОСТ 10704-91",
                           "Формулы: [1] Таблицы для гидравлического расчета водопроводных труб. Справочное пособие.",
                           "Труба: dн = 57 мм, s = 3,5 мм",
                           "dp = dн − 2·s − 1 = 57 − 2·3,5 − 1 = 49 мм",
                           "Трубы неновые",
                           "Система горячего водоснабжения, t = 60 °C",
                           "ν = 0,47·10⁻⁶ м²/с",
                           "Q = 3 л/сек = 10,8 м куб/ч = 0,003 м³/с",
                           "dp = 49 мм = 0,049 м",
                           "v = 4·Q/(π·d²) = 4·0,003/(π·0,049²) = 1,5909 м/с",
                           "v/ν = 1,5909/(0,47·10⁻⁶) = 3,385·10⁶ м⁻¹ ≥ 9,2·10⁵ м⁻¹: квадратичная область",
                           "λ = 0,021/dp^0,3 = 0,021/0,049^0,3 = 0,051899",
                           "i = λ · 1/dp · v²/2g = 0,051899 · 1/0,049 · 1,5909²/19,62 = 0,1366",
                           "1000i = 1000·0,1366 = 136,6 м/км",
                           "потери давления на 1 м: 1000·g·i = 1000·9,80665·0,1366 = 1340 Па/м"};
        QTest::newRow("II-3 100 mm, non-new, section")
            << 3 << QStringList{"choose Combo1 100", "type Text1 10", "click Command2", "type Text3 100",
                                "click Command3"}
            << QStringList{"Text2=102",
                           "Label3=1,224",
                           "Label4=31,162",
                           "Label4~потери давления на 1м   305,59 Па/м",
                           "Label7=При расходе 10л/сек =36м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 125мм",
                           "Label10=h = i · L = 3,116 м",
                           "Label10~потери давления  30559,33 Па"}
            << QStringList{"Таблица II-3: для чугунных труб d=50...1200мм (ГОСТ 9583-75 и ГОСТ 21053-75)",
                           "Трубы: ГОСТ 9583-75",
                           "Формулы: [1] Таблицы для гидравлического расчета водопроводных труб. Справочное пособие.",
                           "Труба: условный проход 100 мм, класс ЛА",
                           "dp = dв − 1 = 103 − 1 = 102 мм",
                           "Трубы неновые",
                           "Q = 10 л/сек = 36 м куб/ч = 0,01 м³/с",
                           "dp = 102 мм = 0,102 м",
                           "v = 4·Q/(π·d²) = 4·0,01/(π·0,102²) = 1,2238 м/с",
                           "v ≥ 1,2 м/с: i = 0,00107 · v²/dp^1,3 = 0,00107 · 1,2238²/0,102^1,3 = 0,03116",
                           "1000i = 1000·0,03116 = 31,16 м/км",
                           "потери давления на 1 м: 1000·g·i = 1000·9,80665·0,03116 = 305,6 Па/м",
                           "Длина участка L = 100 м",
                           "h = i·L = 0,03116·100 = 3,116 м",
                           "потери давления 1000·g·h = 1000·9,80665·3,116 = 3,056·10⁴ Па",
                           "При расходе 10л/сек =36м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 125мм"};
        QTest::newRow("II-3 100 mm, new")
            << 3 << QStringList{"click Option2", "choose Combo1 100", "type Text1 5", "click Command2"}
            << QStringList{"Text2=103",
                           "Label3=0,6",
                           "Label4=7,699",
                           "Label4~потери давления на 1м   75,5 Па/м",
                           "Label7=При расходе 5л/сек =18м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 80мм"}
            << QStringList{"Таблица II-3: для чугунных труб d=50...1200мм (ГОСТ 9583-75 и ГОСТ 21053-75)",
                           "Трубы: ГОСТ 9583-75",
                           "Формулы: [1] Таблицы для гидравлического расчета водопроводных труб. Справочное пособие.",
                           "Труба: условный проход 100 мм, класс ЛА",
                           "dp = dв = 103 мм",
                           "Трубы новые",
                           "Q = 5 л/сек = 18 м куб/ч = 0,005 м³/с",
                           "dp = 103 мм = 0,103 м",
                           "v = 4·Q/(π·d²) = 4·0,005/(π·0,103²) = 0,60008 м/с",
                           "λ = 0,0144/dp^0,284 · (1 + 2,36/v)^0,284 = 0,0144/0,103^0,284 · (1 + 2,36/0,60008)^0,284 = 0,043207",
                           "i = λ · 1/dp · v²/2g = 0,043207 · 1/0,103 · 0,60008²/19,62 = 0,007699",
                           "1000i = 1000·0,007699 = 7,699 м/км",
                           "потери давления на 1 м: 1000·g·i = 1000·9,80665·0,007699 = 75,5 Па/м",
                           "При расходе 5л/сек =18м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 80мм"};
        QTest::newRow("II-4 ВТ9, type 1, 200 mm")
            << 4 << QStringList{"click Option5", "choose Combo1 200", "type Text1 30", "click Command2"}
            << QStringList{"Text2=189",
                           "Label1=1,069",
                           "Label2=6,141",
                           "Label2~потери давления на 1м   60,22 Па/м",
                           "Label7=Применение трубы с условным проходом 200мм при расходе 30л/сек =108м куб/ч экономически обосновано"}
            << QStringList{"Таблица II-4: для асбестоцементных труб ВТ6, ВТ9, ВТ12, ВТ15 (ГОСТ 539-80)",
                           "Трубы: ГОСТ 539-80",
                           "Формулы: [1] Таблицы для гидравлического расчета водопроводных труб. Справочное пособие.",
                           "Труба: условный проход d=200мм; труба ВТ9 тип1; внутренний диаметр dв=189мм",
                           "dp = dв = 189 мм",
                           "Q = 30 л/сек = 108 м куб/ч = 0,03 м³/с",
                           "dp = 189 мм = 0,189 м",
                           "v = 4·Q/(π·d²) = 4·0,03/(π·0,189²) = 1,06932 м/с",
                           "i = 0,000561 · v²/dp^1,190 · (1 + 3,51/v)^0,190 = 0,000561 · 1,06932²/0,189^1,190 · (1 + 3,51/1,06932)^0,190 = 0,006141",
                           "1000i = 1000·0,006141 = 6,141 м/км",
                           "потери давления на 1 м: 1000·g·i = 1000·9,80665·0,006141 = 60,22 Па/м",
                           "Применение трубы с условным проходом 200мм при расходе 30л/сек =108м куб/ч экономически обосновано"};
        QTest::newRow("II-5 ПЭ100 SDR17 110 mm, section")
            << 5 << QStringList{"click Option4", "choose Combo1 110", "type Text1 5", "click Command2",
                                "type Text3 100", "click Command3"}
            << QStringList{"Text2=96.8",
                           "Label3=0,679",
                           "Label4=6,042",
                           "Label4~потери давления на 1м   59,26 Па/м",
                           "Label8=При расходе 5л/сек =18м куб/ч рекомендуется использовать трубу диаметром 90мм",
                           "Label10=h = i · L = 0,604 м",
                           "Label10~потери давления  5925,51 Па"}
            << QStringList{"Таблица II-5: для пластмассовых труб (ГОСТ 18599-2001)",
                           "Трубы: ГОСТ 18599-2001",
                           "Формулы: [1] Таблицы для гидравлического расчета водопроводных труб. Справочное пособие.",
                           "Материал: ПЭ100 (MRS10,0)",
                           "Труба: dн = 110 мм, SDR17 (S8), e = 6,6 мм",
                           "dp = dн − 2·e = 110 − 2·6,6 = 96,8 мм",
                           "Q = 5 л/сек = 18 м куб/ч = 0,005 м³/с",
                           "dp = 96,8 мм = 0,0968 м",
                           "v = 4·Q/(π·d²) = 4·0,005/(π·0,0968²) = 0,679406 м/с",
                           "i = 0,000685 · v^1,774/dp^1,226 = 0,000685 · 0,679406^1,774/0,0968^1,226 = 0,00604234",
                           "1000i = 1000·0,00604234 = 6,042 м/км",
                           "потери давления на 1 м: 1000·g·i = 1000·9,80665·0,00604234 = 59,26 Па/м",
                           "Длина участка L = 100 м",
                           "h = i·L = 0,00604234·100 = 0,604234 м",
                           "потери давления 1000·g·h = 1000·9,80665·0,604234 = 5926 Па",
                           "При расходе 5л/сек =18м куб/ч рекомендуется использовать трубу диаметром 90мм"};
        QTest::newRow("II-6 600 mm")
            << 6 << QStringList{"choose Combo1 600", "type Text1 500", "click Command2"}
            << QStringList{"Label1=1,768",
                           "Label2=5,67",
                           "Label2~потери давления на 1м   55,6 Па/м",
                           "Label7=При расходе 500л/сек =1800м куб/ч, рекомендуется использовать трубу с условным проходом 700мм"}
            << QStringList{"Таблица II-6: для железебетонных труб ГОСТ 12586.0-83",
                           "Трубы: ГОСТ 12586.0-83",
                           "Формулы: [1] Таблицы для гидравлического расчета водопроводных труб. Справочное пособие.",
                           "Труба: условный проход 600 мм",
                           "dp = 600 мм",
                           "Q = 500 л/сек = 1800 м куб/ч = 0,5 м³/с",
                           "dp = 600 мм = 0,6 м",
                           "v = 4·Q/(π·d²) = 4·0,5/(π·0,6²) = 1,7684 м/с",
                           "φ = 1 (коэффициент, зависящий от качества внутренней поверхности стенки трубы)",
                           "i = 0,000802 · φ · v²/dp^1,190 · (1 + 3,51/v)^0,190 = 0,000802 · 1 · 1,7684²/0,6^1,190 · (1 + 3,51/1,7684)^0,190 = 0,00567",
                           "1000i = 1000·0,00567 = 5,67 м/км",
                           "потери давления на 1 м: 1000·g·i = 1000·9,80665·0,00567 = 55,6 Па/м",
                           "При расходе 500л/сек =1800м куб/ч, рекомендуется использовать трубу с условным проходом 700мм"};
        QTest::newRow("II-7 200 mm, section")
            << 7 << QStringList{"choose Combo1 200", "type Text1 20", "type Text3 100", "click Command3"}
            << QStringList{"Label1=0,637",
                           "Label2=2,403",
                           "Label2~потери давления на 1м   23,56 Па/м",
                           "Label10=h = i · L = 0,24 м",
                           "Label10~потери давления  2356,11 Па"}
            << QStringList{"Таблица II-7: для стеклопластиковых труб СП 40-104-2001",
                           "Трубы и формулы: СП 40-104-2001",
                           "Труба: внутренний диаметр 200 мм",
                           "dp = 200 мм",
                           "Q = 20 л/сек = 72 м куб/ч = 0,02 м³/с",
                           "dp = 200 мм = 0,2 м",
                           "v = 4·Q/(π·d²) = 4·0,02/(π·0,2²) = 0,63662 м/с",
                           "λ = 0,0146 · (v · dp)^−0,226 = 0,0146 · (0,63662 · 0,2)^−0,226 = 0,023262",
                           "i = λ · v²/(2g · dp) = 0,023262 · 0,63662²/(19,62 · 0,2) = 0,0024026",
                           "1000i = 1000·0,0024026 = 2,403 м/км",
                           "потери давления на 1 м: 1000·g·i = 1000·9,80665·0,0024026 = 23,56 Па/м",
                           "Длина участка L = 100 м",
                           "h = i·L = 0,0024026·100 = 0,24026 м",
                           "потери давления 1000·g·h = 1000·9,80665·0,24026 = 2356 Па"};
        QTest::newRow("II-8 93 mm, section")
            << 8 << QStringList{"choose Combo1 93", "type Text1 3", "type Text3 25", "click Command3"}
            << QStringList{"Text2=81",
                           "Label1=0,582",
                           "Label2=6,217",
                           "Label2~потери давления на 1м   60,97 Па/м",
                           "Label10=h = i · L = 0,155 м",
                           "Label10~потери давления  1524,17 Па"}
            << QStringList{"Таблица II-8: для стеклянных труб ГОСТ 8894-86",
                           "Трубы: ГОСТ 8894-86",
                           "Формулы: [1] Таблицы для гидравлического расчета водопроводных труб. Справочное пособие.",
                           "Труба: dн = 93 мм",
                           "dp = dв = 81 мм",
                           "Q = 3 л/сек = 10,8 м куб/ч = 0,003 м³/с",
                           "dp = 81 мм = 0,081 м",
                           "v = 4·Q/(π·d²) = 4·0,003/(π·0,081²) = 0,5822 м/с",
                           "i = 0,000745 · v^1,774/dp^1,226 = 0,000745 · 0,5822^1,774/0,081^1,226 = 0,006217",
                           "1000i = 1000·0,006217 = 6,217 м/км",
                           "потери давления на 1 м: 1000·g·i = 1000·9,80665·0,006217 = 60,97 Па/м",
                           "Длина участка L = 25 м",
                           "h = i·L = 0,006217·25 = 0,1554 м",
                           "потери давления 1000·g·h = 1000·9,80665·0,1554 = 1524 Па"};
        QTest::newRow("II-9 15 × 1.0, cold water, fittings")
            << 9 << QStringList{"choose Combo1 15", "choose Combo2 1.0", "type Text1 0.2", "type Text16 10",
                                "click Check1", "paste Text4 2", "click Check3", "click Command1"}
            << QStringList{"Text2=13",
                           "Label1=Скорость v=1,507 м/с",
                           "Label2=i= 0,254",
                           "Label2~удельные потери давления R= 2488,838 Па/м",
                           "Label10=2,5",
                           "Label4=Потери напора на участке H=2,827 м",
                           "Label4~Потери давления на участке 27725,442 Па"}
            << QStringList{"Таблица II-9: для медных труб СП40-108-2004",
                           "Трубы и формулы: СП 40-108-2004",
                           "Труба: dн = 15 мм, s = 1 мм",
                           "dp = dн − 2·s = 15 − 2·1 = 13 мм",
                           "Система: холодного водоснабжения",
                           "ν = 1,3·10⁻⁶ м²/с",
                           "Q = 0,2 л/сек = 0,72 м куб/ч = 0,0002 м³/с",
                           "dp = 13 мм = 0,013 м",
                           "v = 4·Q/(π·d²) = 4·0,0002/(π·0,013²) = 1,50679 м/с",
                           "i = 0,0161·ν^0,25·v^1,75·d^−1,25 = 0,0161·(1,3·10⁻⁶)^0,25·1,50679^1,75·0,013^−1,25 = 0,25379",
                           "удельные потери давления R = 1000·g·i = 1000·9,80665·0,25379 = 2489 Па/м",
                           "Длина участка L = 10 м",
                           "отвод 90°: 2 шт., ξ = 0,5",
                           "тройник на ответвление: 1 шт., ξ = 1,5",
                           "Σξ = 2·0,5 + 1·1,5 = 2,5",
                           "H = i·L + Σξ·v²/2g = 0,25379·10 + 2,5·1,50679²/19,62 = 2,8272 м",
                           "потери давления на участке 1000·g·H = 1000·9,80665·2,8272 = 2,773·10⁴ Па"};
        // R takes the carrier's density, 980 kg/m³ at 70 °C, as Z does: R = 2118,078 Па/м and
        // ΔP = 23962,045 Па, where a density of 1000 kg/m³ would give 2161,30 and 24394,31.
        QTest::newRow("II-9 15 × 1.0, heating with water at 70 °C, fittings")
            << 9 << QStringList{"click Option4", "choose Combo3 70", "choose Combo1 15", "choose Combo2 1.0",
                                "type Text1 0.2", "type Text16 10", "click Check1", "paste Text4 2", "click Check3",
                                "click Command1"}
            << QStringList{"Text3=980",
                           "Text18=0.41",
                           "Label1=Скорость v=1,507 м/с",
                           "Label2=R=2118,078 Па/м",
                           "Label10=2,5",
                           "Label4=Падение давления в системе отопления = 23962,045 Па"}
            << QStringList{"Таблица II-9: для медных труб СП40-108-2004",
                           "Трубы и формулы: СП 40-108-2004",
                           "Труба: dн = 15 мм, s = 1 мм",
                           "dp = dн − 2·s = 15 − 2·1 = 13 мм",
                           "Система: отопления",
                           "t = 70 °C",
                           "Теплоноситель: вода",
                           "ν = 0,41·10⁻⁶ м²/с",
                           "ρ = 980 кг/м³",
                           "Q = 0,2 л/сек = 0,72 м куб/ч = 0,0002 м³/с",
                           "dp = 13 мм = 0,013 м",
                           "v = 4·Q/(π·d²) = 4·0,0002/(π·0,013²) = 1,50679 м/с",
                           "Re = v·d/ν = 1,50679·0,013/(0,41·10⁻⁶) = 47776,3",
                           "Эквивалентная шероховатость Δ = 10⁻⁵ м",
                           "Re кв = 500·d/Δ = 500·0,013/10⁻⁵ = 6,5·10⁵",
                           "b = 1 + lg Re/lg Re кв = 1 + lg 47776,3/lg (6,5·10⁵) = 1,80497",
                           "A = 3,7·d/Δ = 3,7·0,013/10⁻⁵ = 4810",
                           "λ = (0,5·(b/2 + 1,312·(2 − b)·lg A/(lg Re − 1))/lg A)² = (0,5·(1,80497/2 + 1,312·(2 − 1,80497)·lg 4810/(lg 47776,3 − 1))/lg 4810)² = 0,02475",
                           "R = ρ·λ·v²/(2·d) = 980·0,02475·1,50679²/(2·0,013) = 2118 Па/м",
                           "Длина участка L = 10 м",
                           "отвод 90°: 2 шт., ξ = 0,5",
                           "тройник на ответвление: 1 шт., ξ = 1,5",
                           "Σξ = 2·0,5 + 1·1,5 = 2,5",
                           "Z = Σξ·v²·ρ/2 = 2,5·1,50679²·980/2 = 2781 Па",
                           "ΔP = R·L + Z = 2118·10 + 2781 = 2,396·10⁴ Па"};
        QTest::newRow("II-10 SDR 13,6 16 mm, cold water")
            << 10 << QStringList{"choose Combo1 16", "type Text1 0.2", "type Text16 10", "click Command1"}
            << QStringList{"Text2=13.15",
                           "Label1=v= 1,473 м/сек",
                           "Label2=i=0,232",
                           "Label2~удельные потери давления R= 2276,403 Па/м",
                           "Label10=0",
                           "Label4=Потери напора на участке 2,321 м",
                           "Label4~Потери давления на участке 22764,027 Па"}
            << QStringList{"Таблица II-10: для труб из сшитого полиэтилена (PEX) СП 41-109-2005",
                           "Трубы и формулы: СП 41-109-2005",
                           "Труба: dн = 16 мм, SDR 13,6, e = 1,3 мм, δe = 0,4 мм, δD = 0,3 мм (табл.1 СП 41-109-2005)",
                           "dp = dв = 0,5·(2·dн + δD − 4·e − 2·δe) = 0,5·(2·16 + 0,3 − 4·1,3 − 2·0,4) = 13,15 мм",
                           "Система: холодного водоснабжения",
                           "ν = 1,3·10⁻⁶ м²/с",
                           "Q = 0,2 л/сек = 0,72 м куб/ч = 0,0002 м³/с",
                           "dp = 13,15 мм = 0,01315 м",
                           "v = 4·Q/(π·d²) = 4·0,0002/(π·0,01315²) = 1,47261 м/с",
                           "Re = v·d/ν = 1,47261·0,01315/(1,3·10⁻⁶) = 14896",
                           "Эквивалентная шероховатость Δ = 10⁻⁶ м",
                           "Re кв = 500·d/Δ = 500·0,01315/10⁻⁶ = 6,575·10⁶",
                           "b = 1 + lg Re/lg Re кв = 1 + lg 14896/lg (6,575·10⁶) = 1,61208",
                           "A = 3,7·d/Δ = 3,7·0,01315/10⁻⁶ = 48655",
                           "λ = (0,5·(b/2 + 1,312·(2 − b)·lg A/(lg Re − 1))/lg A)² = (0,5·(1,61208/2 + 1,312·(2 − 1,61208)·lg 48655/(lg 14896 − 1))/lg 48655)² = 0,027617",
                           "i = λ·v²/(2·9,81·d) = 0,027617·1,47261²/(2·9,81·0,01315) = 0,2321",
                           "удельные потери давления R = 1000·g·i = 1000·9,80665·0,2321 = 2276 Па/м",
                           "Длина участка L = 10 м",
                           "Местных сопротивлений нет: Σξ = 0",
                           "H = i·L + Σξ·v²/2g = 0,2321·10 + 0·1,47261²/19,62 = 2,321 м",
                           "потери давления на участке 1000·g·H = 1000·9,80665·2,321 = 2,276·10⁴ Па"};
        QTest::newRow("II-11 26 mm, two compression-nut joints")
            << 11 << QStringList{"choose Combo1 26", "type Text1 0.2", "type Text16 10", "click Check12",
                                 "paste Text15 2", "click Command1"}
            << QStringList{"Text2=20",
                           "Label1=v= 0,637 м/сек",
                           "Label2=i=0,032",
                           "Label2~удельные потери давления R= 309,82 Па/м",
                           "Label10=3",
                           "Label4=Потери напора на участке 0,378 м",
                           "Label4~Потери давления на участке 3705,923 Па"}
            << QStringList{"Таблица II-11: для металлопластиковых труб (PEX-AL-PEX)",
                           "Трубы: СП 40-102-2000",
                           "Формулы: СП 41-102-98",
                           "Труба: dн = 26 мм, s = 3 мм",
                           "dp = dн − 2·s = 26 − 2·3 = 20 мм",
                           "Система: холодного водоснабжения",
                           "ν = 1,3·10⁻⁶ м²/с",
                           "Q = 0,2 л/сек = 0,72 м куб/ч = 0,0002 м³/с",
                           "dp = 20 мм = 0,02 м",
                           "v = 4·Q/(π·d²) = 4·0,0002/(π·0,02²) = 0,63662 м/с",
                           "Re = v·d/ν = 0,63662·0,02/(1,3·10⁻⁶) = 9794,2",
                           "Эквивалентная шероховатость Δ = 10⁻⁶ м",
                           "Re кв = 500·d/Δ = 500·0,02/10⁻⁶ = 1·10⁷",
                           "b = 1 + lg Re/lg Re кв = 1 + lg 9794,2/lg (1·10⁷) = 1,5701",
                           "A = 3,7·d/Δ = 3,7·0,02/10⁻⁶ = 74000",
                           "λ = (0,5·(b/2 + 1,312·(2 − b)·lg A/(lg Re − 1))/lg A)² = (0,5·(1,5701/2 + 1,312·(2 − 1,5701)·lg 74000/(lg 9794,2 − 1))/lg 74000)² = 0,03059",
                           "i = λ·v²/(2·9,81·d) = 0,03059·0,63662²/(2·9,81·0,02) = 0,03159",
                           "удельные потери давления R = 1000·g·i = 1000·9,80665·0,03159 = 309,8 Па/м",
                           "Длина участка L = 10 м",
                           "соединение с обжимной гайкой: 2 шт., ξ = 1,5",
                           "Σξ = 2·1,5 = 3",
                           "H = i·L + Σξ·v²/2g = 0,03159·10 + 3·0,63662²/19,62 = 0,3779 м",
                           "потери давления на участке 1000·g·H = 1000·9,80665·0,3779 = 3706 Па"};
    }
    void recordOfWorkedExample()
    {
        QFETCH(int, number);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, record);
        const std::unique_ptr<QWidget> calculator = calculatorAfter(number, steps);
        QCOMPARE(takeMessages(), QStringList());
        for (const QString& expected : shown) {
            const qsizetype mark = expected.indexOf(QRegularExpression(QStringLiteral("[=~]")));
            const QByteArray name = expected.left(mark).toLatin1();
            const QString actual = expected.at(mark) == u'=' ? text(calculator.get(), name.constData())
                                                             : toolTip(calculator.get(), name.constData());
            QCOMPARE(actual, expected.mid(mark + 1));
        }
        click(calculator.get(), "reportButton");
        frmotchet* window = recordWindow();
        QVERIFY(window);
        const QTextDocument* shownRecord = child<QTextBrowser>(window, "reportText")->document();
        QStringList written = shownRecord->toPlainText().trimmed().split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(written.size() > 1);
        // The second line dates the record, to the minute it was made.
        static const QRegularExpression dated(QStringLiteral("^Дата и время расчета: (\\d\\d\\.\\d\\d\\.\\d{4}) \\d\\d:\\d\\d$"));
        const QRegularExpressionMatch date = dated.match(written.takeAt(1));
        QVERIFY(date.hasMatch());
        QCOMPARE(date.captured(1), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        if (written != record)
            qInfo("%s", qPrintable(written.join(u'\n')));
        QCOMPARE(written, record);
        // A wrapped line never parts a logarithm from its argument, nor "Re кв".
        const QString raw = shownRecord->toRawText();
        QVERIFY(!raw.contains(QStringLiteral("lg ")) && !raw.contains(QStringLiteral("Re кв")));
    }

    // The screen, the size selection's row, the record and the sections table's row of one
    // request show the same figures.
    void sameFiguresEverywhere_data() { recordOfWorkedExample_data(); }
    void sameFiguresEverywhere()
    {
        QFETCH(int, number);
        QFETCH(QStringList, steps);
        const std::unique_ptr<QWidget> calculator = calculatorAfter(number, steps);
        auto* shown = calculator->findChild<calc::ShownCalculation*>(QStringLiteral("shownCalculation"));
        QVERIFY(shown && shown->isShown());
        const calc::CalculationRequest request = shown->input();
        const calc::CalculationResults& screen = shown->output();
        QVERIFY(screen.figures.velocity);
        const QString velocity = calc::velocityText(*screen.figures.velocity);
        QVERIFY2(text(calculator.get(), velocityLabel(number)).contains(velocity), qPrintable(velocity));

        const calc::TableRecord& record = calc::table(number);
        const calc::CalculationOutcome outcome = record.calculate(request);
        QVERIFY(!outcome.failed);
        compareHeldFigures(screen.figures, outcome.figures);
        QCOMPARE(outcome.headLossText, screen.headLossText);

        const bool heating = screen.figures.specificLoss.has_value();
        if (!request.size.isEmpty()) {
            const selection::SizeTable sizes = selection::sizeTable(record, request, true, std::nullopt);
            const auto row = std::find_if(sizes.rows.begin(), sizes.rows.end(), [&](const selection::SizeRow& each) {
                return each.cells.at(selection::SizeColumnName) == selection::shownDesignation(request.size);
            });
            QVERIFY(row != sizes.rows.end());
            QCOMPARE(row->cells.at(selection::VelocityColumn), velocity);
            QCOMPARE(row->cells.at(selection::ThousandIColumn),
                     heating ? QString() : calc::thousandIText(*screen.figures.thousandI));
        }

        click(calculator.get(), "reportButton");
        frmotchet* window = recordWindow();
        QVERIFY(window);
        // The record writes v with the digits its formulas need; to the screen's three decimals it
        // is the screen's v.
        const QString written = child<QTextBrowser>(window, "reportText")->document()->toPlainText();
        static const QRegularExpression velocityLine(QStringLiteral("\nv = 4·Q/\\(π·d²\\) = [^\n]* = ([0-9,]+) м/с\n"));
        const QRegularExpressionMatch recorded = velocityLine.match(written);
        QVERIFY(recorded.hasMatch());
        QCOMPARE(calc::velocityText(recorded.captured(1).replace(u',', u'.').toDouble()), velocity);

        if (!request.length)
            return;
        const report::SectionCalculation section =
            report::calculateSection([](int table) { return &calc::table(table); }, QStringLiteral("1"), request);
        QVERIFY(!section.failed);
        const report::Section& row = section.section;
        QCOMPARE(report::cellText(row, report::Field::Velocity), velocity);
        if (!heating)
            QCOMPARE(report::cellText(row, report::Field::ThousandI), calc::thousandIText(*screen.figures.thousandI));
        if (screen.figures.pressureDrop)
            QCOMPARE(report::cellText(row, report::Field::SectionLoss), calc::description::shown(*screen.figures.pressureDrop, 3));
        else
            QCOMPARE(report::cellText(row, report::Field::HeadLoss), calc::description::shown(*screen.figures.headLoss, 3));
    }
};

UITEST_MAIN(RecordsOfScreensTest)
#include "tst_recordsofscreens.moc"
