#include "calc/network/heatingnetwork.h"
#include "calc/network/networkfaults.h"
#include "calc/network/waternetwork.h"
#include "calc/registry/tables.h"

#include <QLocale>
#include <QTest>
#include <cmath>

using namespace calc::network;

namespace {

const calc::TableRecord* record(int number)
{
    return number >= 1 && number <= calc::tableCount ? &calc::table(number) : nullptr;
}

NetworkSection section(const QString& number, const QString& start, const QString& end,
                       const calc::CalculationRequest& request = {})
{
    NetworkSection made;
    made.number = number;
    made.start = start;
    made.end = end;
    made.request = request;
    return made;
}

// "1:ввод>Ст 2:Ст>эт1 …": the rows' numbers and ends, a missing end left out.
QList<NetworkSection> ends(const QString& rows)
{
    QList<NetworkSection> sections;
    for (const QString& row : rows.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList nodes = row.section(QLatin1Char(':'), 1).split(QLatin1Char('>'));
        sections.append(section(row.section(QLatin1Char(':'), 0, 0), nodes.value(0), nodes.value(1)));
    }
    return sections;
}

// II-1, non-new pipes, cold water, drinking-water system (k = 0,3 counted).
calc::CalculationRequest steelPipe(const QString& size, double diameter, double length)
{
    return {1, {{0, 0, -1, 0}, {0, calc::FlowUnit::LitresPerSecond}}, size, diameter, length, {true, {}, {}}};
}

// A five-storey riser, two flats a floor (N = 4, U = 3 each): the input and the riser, then each
// flat's branch with its fixture's height z = 3·floor − 1 and Hсв = 3 m; flat 10 lies 1 m
// farther than flat 9.
QList<NetworkSection> riser()
{
    QList<NetworkSection> rows = ends(QStringLiteral("1:ввод>Ст 2:Ст>эт1 3:эт1>эт2 4:эт2>эт3 5:эт3>эт4 6:эт4>эт5"));
    rows[0].request = steelPipe(QStringLiteral("33.5 × 3.2"), 26.1, 15);
    rows[1].request = steelPipe(QStringLiteral("26.8 × 2.8"), 20.2, 2);
    for (int row = 2; row < 6; ++row)
        rows[row].request = steelPipe(QStringLiteral("26.8 × 2.8"), 20.2, 3);
    for (int flat = 1; flat <= 10; ++flat) {
        const int floor = (flat + 1) / 2;
        NetworkSection branch = section(QString::number(flat + 6), QStringLiteral("эт%1").arg(floor),
                                        QStringLiteral("кв%1").arg(flat),
                                        steelPipe(QStringLiteral("21.3 × 2.8"), 14.7, flat == 10 ? 4 : 3));
        branch.fixturesAtEnd = FixturesAtEnd{4, 3};
        branch.endHeight = 3.0 * floor - 1;
        branch.endHead = 3;
        rows.append(branch);
    }
    return rows;
}

const WaterSupplySystem riserSystem{0.2, 5.6, 1.5, 2.5, 0, 0, std::nullopt};

// II-9 copper, heating, water at 70 °С (the mean of 80/60), with elbows, tees through and tees
// to the branch counted.
calc::CalculationRequest copperPipe(const QString& size, double diameter, double length, QList<double> fittings)
{
    fittings.resize(12);
    return {9, {{3, 2, 0}, {0, calc::FlowUnit::LitresPerSecond}}, size, diameter, length, {false, fittings, {}}};
}

// A branch of four 1,5 кВт radiators (ΔP = 2000 Па each) at nodes 1…4, 5 m sections, and a
// second branch from the source to one more radiator at node 5, 2 m away.
QList<NetworkSection> radiators(double thirdUnitLoss)
{
    QList<NetworkSection> rows = ends(QStringLiteral("1:ИТП>1 2:1>2 3:2>3 4:3>4 5:ИТП>5"));
    rows[0].request = copperPipe(QStringLiteral("15 × 1.0"), 13, 5, {1, 1});
    rows[1].request = copperPipe(QStringLiteral("15 × 1.0"), 13, 5, {1, 1});
    rows[2].request = copperPipe(QStringLiteral("12 × 1.0"), 10, 5, {1, 1});
    rows[3].request = copperPipe(QStringLiteral("12 × 1.0"), 10, 5, {1, 1});
    rows[4].request = copperPipe(QStringLiteral("12 × 1.0"), 10, 2, {2, 0, 1});
    for (NetworkSection& row : rows)
        row.unitAtEnd = UnitAtEnd{1500, 2000};
    rows[2].unitAtEnd->pressureLoss = thirdUnitLoss;
    return rows;
}

// Water at 70 °С as the reference gives it: c = 4,19 кДж/(кг·К), ρ = 977,8 кг/м³.
HeatingSystem heating(bool bothPipes) { return {20, 0.1, bothPipes, 4.19, 977.8}; }

}  // namespace

class NetworkTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void shape_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<bool>("network");
        QTest::addColumn<QString>("fault");
        QTest::newRow("an end missing: a list") << "1:ввод>1 2:1" << false << "";
        QTest::newRow("a tree, rows in any order") << "2:1>2 1:ввод>1 3:1>3" << true << "";
        QTest::newRow("two feeds") << "1:ввод>1 2:1>5 3:1>2 7:2>5"
                                   << true << "Участок «7»: узел «5» питается двумя участками — «2» и «7»";
        QTest::newRow("start is end") << "1:ввод>1 4:1>1" << true << "Участок «4»: начало и конец — один и тот же узел «1»";
        QTest::newRow("a loop") << "1:ввод>1 2:3>2 3:2>3"
                                << true << "Участок «2»: участки замыкаются в кольцо через узел «3»";
        QTest::newRow("below a loop") << "1:ввод>1 7:3>4 2:3>2 3:2>3"
                                      << true
                                      << "Участок «7» не связан с вводом «ввод»: выше него участки замыкаются в кольцо "
                                         "через узел «2»";
        QTest::newRow("no input at all") << "1:2>1 2:1>2" << true << "Участок «1»: участки замыкаются в кольцо через узел «2»";
        QTest::newRow("a second input") << "1:ввод>1 2:1>2 6:А>Б 7:Б>В"
                                        << true
                                        << "Участок «6» не связан с вводом «ввод»: узел «А» в начале его ветви не "
                                           "питается ни одним участком";
    }
    void shape()
    {
        QFETCH(QString, rows);
        QFETCH(bool, network);
        QFETCH(QString, fault);
        const NetworkShape shape = shapeOf(ends(rows));
        QCOMPARE(shape.network, network);
        QCOMPARE(shape.fault, fault);
        QCOMPARE(int(shape.tree.order.size()), network && fault.isEmpty() ? 3 : 0);
    }

    // Each refusal names the section and its column, and the network computes nothing.
    void refusals_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("fault");
        QTest::newRow("end node too long") << 16 << "end" << 0.0
                                           << "Участок «16», графа «Конец»: имя узла длиннее 40 знаков";
        QTest::newRow("negative height") << 15 << "z" << -0.5
                                         << "Участок «15», графа «z, м»: высота прибора над вводом не может быть отрицательной";
        QTest::newRow("N not whole") << 9 << "N" << 2.5
                                     << "Участок «9», графа «N у конца»: число приборов должно быть целым числом от 0 до 1000000";
        QTest::newRow("negative Hсв") << 7 << "Hсв" << -1.0
                                      << "Участок «7», графа «Hсв, м»: свободный напор у прибора не может быть отрицательным";
        QTest::newRow("q0 zero") << -1 << "q0" << 0.0 << "Расход прибора q0 должен быть от 0,01 до 10 л/с";
    }
    void refusals()
    {
        QFETCH(int, row);
        QFETCH(QString, field);
        QFETCH(double, value);
        QFETCH(QString, fault);
        QList<NetworkSection> rows = riser();
        WaterSupplySystem system = riserSystem;
        NetworkSection& section = rows[std::max(row - 1, 0)];
        if (field == "end")
            section.end = QString(41, QChar(u'к'));
        else if (field == "z")
            section.endHeight = value;
        else if (field == "N")
            section.fixturesAtEnd->count = value;
        else if (field == "Hсв")
            section.endHead = value;
        else
            system.fixtureFlow = value;
        const WaterNetwork network = waterNetwork(rows, system, record);
        QCOMPARE(network.fault, fault);
        QVERIFY(network.sections.isEmpty());
    }

    void heatingRefusals_data()
    {
        QTest::addColumn<double>("heat");
        QTest::addColumn<double>("unitLoss");
        QTest::addColumn<double>("drop");
        QTest::addColumn<QString>("fault");
        QTest::newRow("unit with no load") << 0.0 << 2000.0 << 20.0 << "Участок «2», графа «Q у конца, Вт»: у прибора нет тепловой нагрузки";
        QTest::newRow("negative ΔP") << 1500.0 << -10.0 << 20.0
                                     << "Участок «2», графа «ΔP у конца, Па»: потери давления в приборе не могут быть отрицательными";
        QTest::newRow("Δt zero") << 1500.0 << 2000.0 << 0.0 << "Разность температур Δt должна быть больше нуля";
    }
    void heatingRefusals()
    {
        QFETCH(double, heat);
        QFETCH(double, unitLoss);
        QFETCH(double, drop);
        QFETCH(QString, fault);
        QList<NetworkSection> rows = radiators(2000);
        rows[1].unitAtEnd = UnitAtEnd{heat, unitLoss};
        HeatingSystem system = heating(true);
        system.temperatureDrop = drop;
        QCOMPARE(heatingNetwork(rows, system, record).fault, fault);
    }

    // N and U summed up the riser; P = 5,6·U/(3600·0,2·N) = 0,0058333 throughout, so NP = N·P and
    // α by table Б.2 between its rows: N = 4, NP = 0,023333, α = 0,222 + 0,002·(1/3) = 0,22267,
    // q = 5·0,2·α = 0,2227 л/с; N = 8: NP = 0,046667, α = 0,26733; N = 16: NP = 0,093333,
    // α = 0,335; N = 24: NP = 0,14, α = 0,389; N = 32: NP = 0,18667, α = 0,43633; N = 40:
    // NP = 0,23333, α = 0,476 + 0,009/3 = 0,479. h = i·l·1,3 with non-new steel's λ (v/ν below
    // 9,2·10⁵ but in section 2): e. g. section 1, dp = 26,1 мм, v = 0,8953 м/с,
    // λ = (1,5·10⁻⁶ + ν/v)^0,3/d^0,3, h = 1,99834 м.
    void riserSections_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("fixtures");
        QTest::addColumn<double>("flow");
        QTest::addColumn<double>("headLoss");
        QTest::newRow("1, input") << 1 << 40.0 << 0.479 << 1.998;
        QTest::newRow("2, riser foot") << 2 << 40.0 << 0.479 << 0.992;
        QTest::newRow("3, floors 2-5") << 3 << 32.0 << 0.4363 << 1.235;
        QTest::newRow("4, floors 3-5") << 4 << 24.0 << 0.389 << 0.982;
        QTest::newRow("5, floors 4-5") << 5 << 16.0 << 0.335 << 0.744;
        QTest::newRow("6, floor 5") << 6 << 8.0 << 0.2673 << 0.489;
        QTest::newRow("7, flat 1") << 7 << 4.0 << 0.2227 << 1.734;
        QTest::newRow("16, flat 10") << 16 << 4.0 << 0.2227 << 2.312;
    }
    void riserSections()
    {
        QFETCH(int, row);
        QFETCH(double, fixtures);
        QFETCH(double, flow);
        QFETCH(double, headLoss);
        const WaterNetwork network = waterNetwork(riser(), riserSystem, record);
        QCOMPARE(network.fault, QString());
        const WaterSection& section = network.sections.at(row - 1);
        QCOMPARE(section.fixtures, fixtures);
        QCOMPARE(section.consumers, fixtures * 3 / 4);
        QCOMPARE(section.request.conditions.flow.value, flow);
        QCOMPARE(section.request.fixtures->fixtures, fixtures);
        QCOMPARE(*section.headLoss, headLoss);
    }

    // H = z + Σh + Hсв of each end: flat 9, 14 + 8,174 + 3 = 25,174 м; flat 10, 1 m farther,
    // 14 + (1,998 + 0,992 + 1,235 + 0,982 + 0,744 + 0,489 + 2,312 = 8,752) + 3 = 25,752 м. With
    // the water meters' 2,5 m H_тр = 28,252 м. A typed 0,3 л/с in flat 10's branch stands over
    // its 0,2227 л/с: h = 4,196 м, Σh = 10,636 м, H_тр = 30,136 м; the riser's flows stay.
    void riserHead_data()
    {
        QTest::addColumn<double>("typedFlow");
        QTest::addColumn<double>("guaranteed");
        QTest::addColumn<double>("pathLoss");
        QTest::addColumn<QString>("required");
        QTest::addColumn<QString>("booster");
        QTest::newRow("network flows, enough head")
            << 0.0 << 30.0 << 8.752 << "H_тр = H_geom + ΣH_il + H_пр + ΣH_вод + H_тепл + H_ввод = 14 + 8,752 + 3 + 2,5 + 0 + 0 = 28,252 м"
            << "Напора в сети достаточно (запас 1,748 м)";
        QTest::newRow("network flows, booster") << 0.0 << 25.0 << 8.752 << "" << "Требуется повышение напора на 3,252 м";
        QTest::newRow("typed flow") << 0.3 << 30.0 << 10.636
                                    << "H_тр = H_geom + ΣH_il + H_пр + ΣH_вод + H_тепл + H_ввод = 14 + 10,636 + 3 + 2,5 + 0 + 0 = 30,136 м"
                                    << "Требуется повышение напора на 0,136 м";
    }
    void riserHead()
    {
        QFETCH(double, typedFlow);
        QFETCH(double, guaranteed);
        QFETCH(double, pathLoss);
        QFETCH(QString, required);
        QFETCH(QString, booster);
        QList<NetworkSection> rows = riser();
        if (typedFlow > 0) {
            rows[15].request.conditions.flow.value = typedFlow;
            rows[15].flowTyped = true;
        }
        const WaterNetwork network = waterNetwork(rows, riserSystem, record);
        QCOMPARE(int(network.ends.size()), 10);
        const EndHead& dictating = network.ends.at(network.dictating);
        QCOMPARE(dictating.node, QStringLiteral("кв10"));
        QCOMPARE(network.ends.at(8).head, 25.174);
        QCOMPARE(dictating.pathLoss, pathLoss);
        QCOMPARE(network.dictatingPath, (QList<int>{0, 1, 2, 3, 4, 5, 15}));
        QCOMPARE(network.sections.at(15).flowTyped, typedFlow > 0);
        QCOMPARE(network.sections.at(15).request.conditions.flow.value, typedFlow > 0 ? typedFlow : 0.2227);
        QCOMPARE(network.sections.at(0).request.conditions.flow.value, 0.479);
        if (!required.isEmpty())
            QCOMPARE(requiredHeadText(*network.required), required);
        QCOMPARE(boosterText(*network.required, guaranteed), booster);
    }

    // Q = 6; 4,5; 3; 1,5 кВт along the branch, G = 3,6·Q/(4,19·20), q = G/(3,6·977,8) to 4
    // digits; R by λ = (0,5·(b/2 + 1,312·(2 − b)·lg A/(lg Re − 1))/lg A)², ν = 0,41·10⁻⁶, Δ = 10⁻⁵,
    // R = ρ·λ·v²/(2d) and Z = Σξ·v²·ρ/2 with ρ = 980: R·l + Z = 1847,552; 1098,636; 1866,390;
    // 545,819 Па, and 274,253 Па for the second branch (2 m, Σξ = 2,5). Rings: Σ(R·l+Z)·(2 or 1)
    // + 2000 Па.
    void rings_data()
    {
        QTest::addColumn<bool>("bothPipes");
        QTest::addColumn<double>("thirdUnitLoss");
        QTest::addColumn<int>("ring");
        QTest::addColumn<double>("loss");
        QTest::addColumn<QString>("branchNode");
        QTest::addColumn<double>("imbalance");
        QTest::addColumn<double>("throttle");
        QTest::addColumn<bool>("overLimit");
        // Both pipes: main ring 2·5358,397 + 2000 = 12716,794; after node 1 it has
        // 2·(1098,636 + 1866,390 + 545,819) + 2000 = 9021,69 against radiator 1's 2000.
        QTest::newRow("both, radiator 1") << true << 2000.0 << 0 << 5695.104 << "1" << 77.8312 << 7021.69 << true;
        QTest::newRow("both, radiator 3") << true << 2000.0 << 2 << 11625.156 << "3" << 35.3094 << 1091.638 << true;
        QTest::newRow("both, second branch at the source") << true << 2000.0 << 4 << 2548.506 << "ИТП" << 79.9595 << 10168.288 << true;
        QTest::newRow("one pipe, radiator 1") << false << 2000.0 << 0 << 3847.552 << "1" << 63.7079 << 3510.845 << true;
        QTest::newRow("one pipe, second branch") << false << 2000.0 << 4 << 2274.253 << "ИТП" << 69.0931 << 5084.144 << true;
        // Radiator 3 with a 2500 Па valve: 2545,819 after node 3 against 2500, 1,7998 %.
        QTest::newRow("one pipe, radiator 3 balanced") << false << 2500.0 << 2 << 7312.578 << "3" << 1.7998 << 45.819 << false;
    }
    void rings()
    {
        QFETCH(bool, bothPipes);
        QFETCH(double, thirdUnitLoss);
        QFETCH(int, ring);
        QFETCH(double, loss);
        QFETCH(QString, branchNode);
        QFETCH(double, imbalance);
        QFETCH(double, throttle);
        QFETCH(bool, overLimit);
        const HeatingNetwork network = heatingNetwork(radiators(thirdUnitLoss), heating(bothPipes), record);
        QCOMPARE(network.fault, QString());
        QCOMPARE(int(network.rings.size()), 5);
        QCOMPARE(network.main, 3);
        const Ring& found = network.rings.at(ring);
        QVERIFY2(std::abs(found.loss - loss) < 1e-6, qPrintable(QString::number(found.loss, 'f', 6)));
        QCOMPARE(found.branchNode, branchNode);
        QVERIFY2(std::abs(*found.imbalance - imbalance) < 1e-4, qPrintable(QString::number(*found.imbalance, 'f', 6)));
        QVERIFY(std::abs(found.throttle - throttle) < 1e-6);
        QCOMPARE(found.overLimit, overLimit);
    }

    // The main ring is radiator 4's; ΔP_н = 1,1·ΔP_ring, in metres ΔP_н/(977,8·9,80665).
    void pumpHead_data()
    {
        QTest::addColumn<bool>("bothPipes");
        QTest::addColumn<QString>("mainRing");
        QTest::addColumn<QString>("pump");
        QTest::newRow("both pipes") << true << "Главное циркуляционное кольцо — через прибор узла «4»: ΔP = 12716,794 Па"
                                    << "ΔP_н = (1 + 0,1)·12716,794 = 13988,473 Па = 13988,473/(977,8·9,80665) = 1,459 м вод. ст.";
        QTest::newRow("one pipe") << false << "Главное циркуляционное кольцо — через прибор узла «4»: ΔP = 7358,397 Па"
                                  << "ΔP_н = (1 + 0,1)·7358,397 = 8094,237 Па = 8094,237/(977,8·9,80665) = 0,844 м вод. ст.";
    }
    void pumpHead()
    {
        QFETCH(bool, bothPipes);
        QFETCH(QString, mainRing);
        QFETCH(QString, pump);
        const HeatingNetwork network = heatingNetwork(radiators(2000), heating(bothPipes), record);
        QCOMPARE(mainRingText(network.rings.at(network.main)), mainRing);
        QCOMPARE(pumpHeadText(*network.pump), pump);
        QCOMPARE(network.mainPath, (QList<int>{0, 1, 2, 3}));
        QCOMPARE(network.sections.at(0).heat, 6000.0);
        QCOMPARE(network.sections.at(2).heat, 3000.0);
    }
};

QTEST_GUILESS_MAIN(NetworkTest)
#include "tst_network.moc"
