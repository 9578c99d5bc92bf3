#include "calc/registry/tables.h"
#include "select/sizetable.h"

#include <QLocale>
#include <QTest>

using calc::Check;
using calc::FlowUnit;

Q_DECLARE_METATYPE(calc::SizeQuery)
Q_DECLARE_METATYPE(std::optional<calc::DesignLimits>)

namespace {

// Three sizes listed out of diameter order. v = 100·Q/d (Q in l/s), 1000i = 10·v, Па/м = g·1000i;
// above 3 m/s the size is judged too fast; above 100 l/s a size of 25 mm cannot be computed.
// With a band size, the flow is in the band of 15 mm and the band of that size is recommended.
calc::TableRecord sampleRecord(bool heating = false, std::optional<double> bandSize = std::nullopt)
{
    calc::TableRecord record;
    record.title = QStringLiteral("проба");
    record.conditions = {calc::fixedCondition(QStringLiteral("трубы"), {QStringLiteral("неновые"), QStringLiteral("новые")}, 0)};
    record.sizes = [](const calc::ConditionChoices&) {
        return QList<calc::CatalogSize>{{QStringLiteral("20"), 20}, {QStringLiteral("15"), 15}, {QStringLiteral("25"), 25}};
    };
    record.calculate = [heating, bandSize](const calc::CalculationRequest& request) {
        calc::CalculationOutcome outcome;
        const calc::TypedFlow& flow = request.conditions.flow;
        const double litres = flow.unit == FlowUnit::LitresPerSecond ? flow.value : flow.value / 3.6;
        if (litres <= 0) {
            outcome.failed = Check::FlowZero;
            return outcome;
        }
        if (bandSize)
            outcome.economic = calc::EconomicVerdict{request.diameterMm == 15, bandSize,
                                                     QStringLiteral("При расходе рекомендуется %1").arg(*bandSize)};
        if (litres > 100 && request.diameterMm == 25) {
            outcome.failed = Check::NotComputable;
            return outcome;
        }
        const double v = 100 * litres / request.diameterMm;
        outcome.figures.velocity = v;
        outcome.figures.thousandI = 10 * v;
        if (heating)
            outcome.figures.specificLoss = 7 * v;
        else
            outcome.figures.slopePressure = 10 * v * calc::gravity;
        outcome.velocity = calc::VelocityVerdict{3, v > 3};
        return outcome;
    };
    return record;
}

calc::SizeQuery litres(double flow) { return {{0}, {flow, FlowUnit::LitresPerSecond}}; }

calc::CalculationRequest section(double flow) { return {0, litres(flow)}; }

using Limits = std::optional<calc::DesignLimits>;
const Limits threeMetres = calc::DesignLimits{3, std::nullopt};

}  // namespace

class SizeTableTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void rowsForOneFlow_data()
    {
        QTest::addColumn<bool>("heating");
        QTest::addColumn<bool>("flowGiven");
        QTest::addColumn<double>("flow");
        QTest::addColumn<Limits>("limits");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<int>("recommended");
        QTest::addColumn<QString>("advice");
        QTest::addColumn<QStringList>("marked");  // "row:column limit"
        QTest::newRow("no flow") << false << false << 0.0 << threeMetres
                                 << QList<QStringList>{{"20", "20", "", "", "", ""}, {"15", "15", "", "", "", ""},
                                                       {"25", "25", "", "", "", ""}}
                                 << -1 << QString() << QStringList();
        QTest::newRow("flow of zero") << false << true << 0.0 << threeMetres
                                      << QList<QStringList>{{"20", "20", "", "", "", ""}, {"15", "15", "", "", "", ""},
                                                            {"25", "25", "", "", "", ""}}
                                      << -1 << QStringLiteral("Введите расход больше нуля.") << QStringList();
        // 15 mm is the smallest but too fast: 20 mm, the next by diameter, is recommended.
        QTest::newRow("smallest within the limit")
            << false << true << 0.5 << threeMetres
            << QList<QStringList>{{"20", "20", "2,5", "25", "245,17", "рекомендуется"},
                                  {"15", "15", "3,333", "33,333", "326,89", "скорость больше 3 м/с"},
                                  {"25", "25", "2", "20", "196,13", ""}}
            << 0 << QStringLiteral("Рекомендуется труба 20: наименьший диаметр, при котором v ≤ 3 м/с.")
            << QStringList{"1:2 Больше предела: v не более 3 м/с"};
        QTest::newRow("a limit typed wrong withholds the recommendation")
            << false << true << 0.5 << Limits()
            << QList<QStringList>{{"20", "20", "2,5", "25", "245,17", ""},
                                  {"15", "15", "3,333", "33,333", "326,89", "скорость больше 3 м/с"},
                                  {"25", "25", "2", "20", "196,13", ""}}
            << -1 << QString() << QStringList();
        // 25 mm cannot be computed above 100 l/s: the largest computed size is 20 mm, whose
        // Па/м is 10·505·9,80665 = 49523,58.
        QTest::newRow("not computable, every size too fast")
            << false << true << 101.0 << threeMetres
            << QList<QStringList>{{"20", "20", "505", "5050", "49523,58", "скорость больше 3 м/с"},
                                  {"15", "15", "673,333", "6733,333", "66031,44", "скорость больше 3 м/с"},
                                  {"25", "25", "—", "—", "—", ""}}
            << -1
            << QStringLiteral("Ни одна труба при этих условиях не проходит по ограничениям v ≤ 3 м/с. Наибольшая, 20: "
                              "v = 505 м/с, R = 49523,58 Па/м.")
            << QStringList{"0:2 Больше предела: v не более 3 м/с", "1:2 Больше предела: v не более 3 м/с"};
        // R = 7·v: 15 mm keeps within 3 м/с but not within 12 Па/м.
        QTest::newRow("heating shows R and no 1000i")
            << true << true << 0.3 << Limits(calc::DesignLimits{3, 12.0})
            << QList<QStringList>{{"20", "20", "1,5", "", "10,5", "рекомендуется"},
                                  {"15", "15", "2", "", "14", ""},
                                  {"25", "25", "1,2", "", "8,4", ""}}
            << 0 << QStringLiteral("Рекомендуется труба 20: наименьший диаметр, при котором v ≤ 3 м/с и R ≤ 12 Па/м.")
            << QStringList{"1:4 Больше предела: R не более 12 Па/м"};
    }
    void rowsForOneFlow()
    {
        QFETCH(bool, heating);
        QFETCH(bool, flowGiven);
        QFETCH(double, flow);
        QFETCH(Limits, limits);
        QFETCH(QList<QStringList>, rows);
        QFETCH(int, recommended);
        QFETCH(QString, advice);
        QFETCH(QStringList, marked);
        const selection::SizeTable table = selection::sizeTable(sampleRecord(heating), section(flow), flowGiven, limits);
        QList<QStringList> shown;
        for (const selection::SizeRow& row : table.rows)
            shown << row.cells;
        QCOMPARE(shown, rows);
        QCOMPARE(table.recommendedRow, recommended);
        QCOMPARE(table.advice, advice);
        for (qsizetype k = 0; k < table.rows.size(); ++k)
            QCOMPARE(table.rows.at(k).recommended, k == recommended);
        QStringList marks;
        for (const selection::MarkedCell& cell : table.pastLimits)
            marks << QStringLiteral("%1:%2 %3").arg(cell.row).arg(cell.column).arg(cell.limit);
        QCOMPARE(marks, marked);
    }

    // Where a material has economic bands, the band's size is recommended whatever its velocity,
    // and a size no list holds is named in the advice.
    void economicRecommendation_data()
    {
        QTest::addColumn<double>("bandSize");
        QTest::addColumn<int>("recommended");
        QTest::addColumn<QString>("advice");
        // At 0,5 l/s 20 mm is the smallest within 3 м/с (2,5 м/с), and named beside the band's size.
        const QString withinLimits = QStringLiteral("\nНаименьший диаметр, при котором v ≤ 3 м/с: труба 20.");
        QTest::newRow("listed") << 15.0 << 1 << QStringLiteral("При расходе рекомендуется 15") + withinLimits;
        QTest::newRow("not listed") << 225.0 << -1
                                    << QStringLiteral("При расходе рекомендуется 225\nТрубы 225 мм нет среди размеров при этих условиях.")
                                           + withinLimits;
    }
    void economicRecommendation()
    {
        QFETCH(double, bandSize);
        QFETCH(int, recommended);
        QFETCH(QString, advice);
        const calc::TableRecord record = sampleRecord(false, bandSize);
        const selection::SizeTable table = selection::sizeTable(record, section(0.5), true, threeMetres);
        QCOMPARE(table.recommendedRow, recommended);
        QCOMPARE(table.advice, advice);
        QCOMPARE(table.rows.at(1).cells.at(selection::JudgementColumn),
                 recommended == 1 ? QStringLiteral("рекомендуется, экономичный, скорость больше 3 м/с")
                                  : QStringLiteral("экономичный, скорость больше 3 м/с"));
        QCOMPARE(table.rows.at(0).cells.at(selection::JudgementColumn), QStringLiteral("наименьший при v ≤ 3 м/с"));
    }

    // 0,479 l/s on II-1, non-new pipes, cold drinking water: the calculation diameter of a
    // non-new pipe is its bore less 1 mm, v = 4·Q/(π·dp²) = 1,916·10⁻³/(π·dp²).
    // Within 1,5 м/с dp ≥ √(1,916·10⁻³/(1,5·π)) = 20,164 mm: 26,8 × 2,8, dp = 26,8 − 5,6 − 1 = 20,2,
    // v = 1,916·10⁻³/(π·0,0202²) = 1,495 м/с (26,8 × 3,2 has 19,4 mm, 1,621 м/с).
    // Within 3 м/с dp ≥ 14,258 mm: 21,3 × 2,8, dp = 14,7, v = 2,822 м/с (21,3 × 3,2: 13,9 mm, 3,157 м/с).
    // Within 0,01 м/с no size: the largest bore, 165 × 4, dp = 165 − 8 − 1 = 156,
    // v = 1,916·10⁻³/(π·0,156²) = 0,025 м/с.
    void coldWaterWithinVelocity_data()
    {
        QTest::addColumn<double>("limit");
        QTest::addColumn<QString>("recommended");
        QTest::addColumn<QString>("advice");
        QTest::newRow("1,5 м/с") << 1.5 << "26,8 × 2,8"
                                 << QStringLiteral("Рекомендуется труба 26,8 × 2,8: наименьший диаметр, при котором v ≤ 1,5 м/с.");
        QTest::newRow("3 м/с") << 3.0 << "21,3 × 2,8"
                               << QStringLiteral("Рекомендуется труба 21,3 × 2,8: наименьший диаметр, при котором v ≤ 3 м/с.");
        QTest::newRow("0,01 м/с") << 0.01 << ""
                                  << QStringLiteral("Ни одна труба при этих условиях не проходит по ограничениям v ≤ 0,01 м/с. "
                                                    "Наибольшая, 165 × 4: v = 0,025 м/с, R = ");
    }
    void coldWaterWithinVelocity()
    {
        QFETCH(double, limit);
        QFETCH(QString, recommended);
        QFETCH(QString, advice);
        const calc::TableRecord& record = calc::table(1);
        const calc::CalculationRequest coldWater{1, {{0, 0, -1, 0}, {0.479, FlowUnit::LitresPerSecond}}};
        const selection::SizeTable table = selection::sizeTable(record, coldWater, true, calc::DesignLimits{limit, {}});
        QVERIFY2(table.advice.startsWith(advice), qPrintable(table.advice));
        QCOMPARE(table.recommendedRow < 0 ? QString() : table.rows.at(table.recommendedRow).cells.at(selection::SizeColumnName),
                 recommended);
        const calc::LimitChoice choice = calc::chooseWithinLimits(record, coldWater, {limit, {}});
        QCOMPARE(choice.chosen, table.recommendedRow);
        if (choice.chosen >= 0)
            QCOMPARE(table.rows.at(choice.chosen).cells.at(selection::VelocityColumn), limit == 3 ? "2,822" : "1,495");
        else
            QCOMPARE(record.sizes(coldWater.conditions.chosen).at(choice.largest).designation, QStringLiteral("165 × 4"));
    }

    // A condition the catalog needs and the calculator did not pass: the advice names it.
    void missingChoiceNamed()
    {
        calc::SizeQuery query = litres(2);
        query.chosen = {3, -1};
        const selection::SizeTable table = selection::sizeTable(calc::table(5), {5, query}, true, threeMetres);
        QVERIFY(table.rows.isEmpty());
        QCOMPARE(table.advice, QStringLiteral("Размеров нет: на калькуляторе не выбрано (серия)."));
    }

    // Copper supply pipes at 20 л/сек and 60 °C: in the largest bores the supply formula gives no
    // positive slope; the row keeps v and says why it stops there.
    void copperSupplyStopsAfterVelocity()
    {
        calc::SizeQuery query = litres(20);
        query.chosen = {2, 1};
        const selection::SizeTable table = selection::sizeTable(calc::table(9), {9, query}, true, threeMetres);
        QVERIFY(!table.rows.isEmpty());
        const selection::SizeRow& largest = table.rows.last();
        QCOMPARE(largest.cells.at(selection::SizeColumnName), QStringLiteral("267 × 3,0"));
        // 261 mm bore: v = 4·0,02/(π·0,261²) = 0,374 м/с
        QCOMPARE(largest.cells.mid(selection::VelocityColumn),
                 QStringList({"0,374", "—", "—", "расчет невозможен: уклон не положителен"}));
        QVERIFY(!largest.recommended);
    }

    void handbookRanges_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<double>("step");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("flows");
        QTest::newRow("tenths") << 0.1 << 0.3 << 0.1 << QString() << QStringList{"0,1", "0,2", "0,3"};
        QTest::newRow("one flow") << 2.0 << 2.0 << 5.0 << QString() << QStringList{"2"};
        QTest::newRow("step zero") << 1.0 << 2.0 << 0.0 << QStringLiteral("Шаг расхода должен быть больше нуля.")
                                   << QStringList();
        QTest::newRow("step negative") << 1.0 << 2.0 << -0.5 << QStringLiteral("Шаг расхода должен быть больше нуля.")
                                       << QStringList();
        QTest::newRow("from above to") << 3.0 << 2.0 << 0.5 << QStringLiteral("Начальный расход больше конечного.")
                                       << QStringList();
        QTest::newRow("2001 rows") << 0.0 << 2000.0 << 1.0
                                   << QStringLiteral("Больше 2000 строк: увеличьте шаг или сократите диапазон.")
                                   << QStringList();
        QTest::newRow("hundredths") << 0.01 << 0.03 << 0.01 << QString() << QStringList{"0,01", "0,02", "0,03"};
        QTest::newRow("a step finer than the start")
            << 1.0 << 1.0003 << 0.0001 << QString() << QStringList{"1", "1,0001", "1,0002", "1,0003"};
        QTest::newRow("a start finer than the step") << 0.25 << 2.0 << 1.0 << QString() << QStringList{"0,25", "1,25"};
        QTest::newRow("ten-trillionths")
            << 0.0 << 3e-13 << 1e-13 << QString()
            << QStringList{"0", "0,0000000000001", "0,0000000000002", "0,0000000000003"};
        QTest::newRow("rows that would read the same")
            << 1.0 << 1.000000000000003 << 1e-15 << QStringLiteral("Шаг расхода слишком мал: строки не различить по расходу.")
            << QStringList();
        QTest::newRow("a step too small to count")
            << 0.0 << 1e300 << 1e-300 << QStringLiteral("Больше 2000 строк: увеличьте шаг или сократите диапазон.")
            << QStringList();
    }
    void handbookRanges()
    {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(double, step);
        QFETCH(QString, error);
        QFETCH(QStringList, flows);
        const calc::TableRecord record = sampleRecord();
        const selection::HandbookTable table =
            selection::handbookTable(record, section(0), record.sizes({0}), {from, to, step});
        QCOMPARE(table.error, error);
        QStringList shown;
        for (const QStringList& row : table.rows)
            shown << row.first();
        QCOMPARE(shown, flows);
    }

    // At most 200 000 cells: the flow and two per size of each row; II-2 has 721 sizes.
    void handbookCellLimit_data()
    {
        QTest::addColumn<double>("to");
        QTest::addColumn<QString>("error");
        QTest::newRow("138 rows, 199 134 cells") << 138.0 << QString();
        QTest::newRow("139 rows, 200 577 cells")
            << 139.0 << QStringLiteral("Больше 200\u00a0000 ячеек: увеличьте шаг, сократите диапазон или выберите меньше размеров.");
    }
    void handbookCellLimit()
    {
        QFETCH(double, to);
        QFETCH(QString, error);
        const calc::TableRecord& record = calc::table(2);
        const calc::SizeQuery query{{0, 0, -1, 0}, {0, FlowUnit::LitresPerSecond}};
        const QList<calc::CatalogSize> sizes = record.sizes(query.chosen);
        QCOMPARE(sizes.size(), 721);
        const selection::HandbookTable table = selection::handbookTable(record, {2, query}, sizes, {1, to, 1});
        QCOMPARE(table.error, error);
        QCOMPARE(table.rows.size(), error.isEmpty() ? qsizetype(to) : 0);
    }

    // Stopped at its fifth row, the page is not built; the progress hears of every row before.
    void handbookStopped()
    {
        const calc::TableRecord record = sampleRecord();
        QList<qint64> heard;
        const selection::HandbookTable table =
            selection::handbookTable(record, section(0), record.sizes({0}), {1, 100, 1}, [&](qint64 done, qint64 total) {
                heard << done << total;
                return done < 4;
            });
        QCOMPARE(table.error, QStringLiteral("Построение таблицы остановлено."));
        QCOMPARE(table.rows.size(), 0);
        QCOMPARE(heard, (QList<qint64>{0, 100, 1, 100, 2, 100, 3, 100, 4, 100}));
    }

    void handbookCells()
    {
        const calc::TableRecord record = sampleRecord();
        const QList<calc::CatalogSize> sizes = record.sizes({0});
        const selection::HandbookTable table =
            selection::handbookTable(record, {0, {{0}, {0, FlowUnit::CubicMetresPerHour}}}, {sizes.at(2), sizes.at(1)},
                                     {0, 1.8, 1.8});
        QCOMPARE(table.header, (QStringList{"Q, м куб/ч", "25: v, м/с", "25: 1000i", "15: v, м/с", "15: 1000i"}));
        // No flow gives empty cells; 1,8 м³/ч is 0,5 l/s.
        QCOMPARE(table.rows, (QList<QStringList>{{"0", "", "", "", ""}, {"1,8", "2", "20", "3,333", "33,333"}}));
        // Past 2,5 м/с only the v of 15 mm at 1,8 м³/ч; no R is limited without heating.
        QList<QStringList> marks;
        for (const selection::MarkedCell& cell : selection::handbookMarks(table, {2.5, 1.0}))
            marks << QStringList{QString::number(cell.row), QString::number(cell.column), cell.limit};
        QCOMPARE(marks, (QList<QStringList>{{"1", "3", "Больше предела: v не более 2,5 м/с"}}));
        QCOMPARE(selection::handbookTable(record, section(0), {}, {1, 2, 1}).error,
                 QStringLiteral("Не выбрано ни одного размера."));
    }
};

QTEST_GUILESS_MAIN(SizeTableTest)
#include "tst_sizetable.moc"
