#include "calc/registry/tables.h"
#include "report/sectionfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTest>

using namespace report;

namespace {

const calc::TableRecord* record(int number)
{
    return number >= 1 && number <= calc::tableCount ? &calc::table(number) : nullptr;
}

// A polyethylene section of 110 mm, 100 m long, at a flow in the given unit.
Section polyethyleneSection(double flow, calc::FlowUnit unit, std::optional<calc::FixtureSupply> fixtures)
{
    calc::CalculationRequest request{5, {{3, 4}, {flow, unit}}, QStringLiteral("110"), 96.8, 100.0, {}};
    request.fixtures = fixtures;
    return calculateSection(record, QStringLiteral("1"), request).section;
}

calc::FixtureSupply fromConsumers() { return {40, 0.3, std::nullopt, 100, 15.6}; }
calc::FixtureSupply typedProbability() { return {4, 0.3, 0.1, 0, 0}; }
const QString shower = QStringLiteral("12 Душ в групповой установке со смесителем");
calc::FixtureSupply hotShowers() { return {4, 0.14, 0.1, 0, 0, shower, calc::FixtureWater::Hot}; }

QJsonObject savedSection(const QByteArray& bytes, int position)
{
    return QJsonDocument::fromJson(bytes).object().value("sections").toArray().at(position).toObject();
}

QByteArray withSection(const QJsonObject& section)
{
    return QJsonDocument(QJsonObject{{"format", "talvertable-sections"}, {"version", 2}, {"sections", QJsonArray{section}}})
        .toJson();
}

}  // namespace

class FixturesFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // N and q0 with P, or with the U and q_hr,u it was computed from, by name; a typed flow has none.
    void keptByName()
    {
        const QList<Section> sections{polyethyleneSection(1.7827, calc::FlowUnit::LitresPerSecond, fromConsumers()),
                                      polyethyleneSection(3.294, calc::FlowUnit::CubicMetresPerHour, typedProbability()),
                                      polyethyleneSection(2, calc::FlowUnit::LitresPerSecond, std::nullopt),
                                      polyethyleneSection(0.427, calc::FlowUnit::LitresPerSecond, hotShowers())};
        const QByteArray bytes = sectionsFile(sections, record);
        QCOMPARE(savedSection(bytes, 0).value("fixtures").toObject(),
                 (QJsonObject{{"count", 40}, {"fixtureFlow", 0.3}, {"consumers", 100}, {"hourNorm", 15.6}}));
        QCOMPARE(savedSection(bytes, 1).value("fixtures").toObject(),
                 (QJsonObject{{"count", 4}, {"fixtureFlow", 0.3}, {"probability", 0.1}}));
        QVERIFY(!savedSection(bytes, 2).contains("fixtures"));
        QCOMPARE(savedSection(bytes, 3).value("fixtures").toObject(),
                 (QJsonObject{{"count", 4}, {"fixtureFlow", 0.14}, {"probability", 0.1}, {"fixture", shower},
                              {"water", "горячая"}}));

        const SectionsRead read = readSectionsFile(bytes, record);
        QCOMPARE(read.error, QString());
        QCOMPARE(read.sections.size(), 4);
        const std::optional<calc::FixtureSupply> consumers = read.sections.at(0).request.fixtures;
        QVERIFY(consumers);
        QCOMPARE(consumers->fixtures, 40.0);
        QCOMPARE(consumers->fixtureFlow, 0.3);
        QVERIFY(!consumers->probability);
        QCOMPARE(consumers->consumers, 100.0);
        QCOMPARE(consumers->hourNorm, 15.6);
        const std::optional<calc::FixtureSupply> typed = read.sections.at(1).request.fixtures;
        QVERIFY(typed);
        QCOMPARE(typed->fixtures, 4.0);
        QCOMPARE(typed->probability, std::optional(0.1));
        QVERIFY(!read.sections.at(2).request.fixtures);
        QCOMPARE(typed->fixtureKind, QString());
        const std::optional<calc::FixtureSupply> showers = read.sections.at(3).request.fixtures;
        QVERIFY(showers);
        QCOMPARE(showers->fixtureKind, shower);
        QCOMPARE(showers->water, calc::FixtureWater::Hot);
    }

    // Fixtures that the window would refuse, or that give another flow than the section's, are
    // named and nothing is opened.
    void refused_data()
    {
        QTest::addColumn<QJsonObject>("fixtures");
        QTest::addColumn<double>("flow");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("error");
        const QString prefix = QStringLiteral("Файл поврежден: участок «1»: ");
        QTest::newRow("flow other than q") << QJsonObject{{"count", 40}, {"fixtureFlow", 0.3}, {"consumers", 100}, {"hourNorm", 15.6}}
                                           << 2.0 << "l/s" << prefix + "расход 2 л/сек не равен расходу по приборам q = 1,7827 л/сек.";
        QTest::newRow("q in the other unit") << QJsonObject{{"count", 4}, {"fixtureFlow", 0.3}, {"probability", 0.1}}
                                             << 0.915 << "m3/h"
                                             << prefix + "расход 0,915 м куб/ч не равен расходу по приборам q = 3,294 м куб/ч.";
        QTest::newRow("P above 1") << QJsonObject{{"count", 4}, {"fixtureFlow", 0.3}, {"probability", 1.5}} << 0.915 << "l/s"
                                   << prefix + "расход по приборам: вероятность P должна быть больше 0 и не больше 1.";
        QTest::newRow("P above table Б.1") << QJsonObject{{"count", 10}, {"fixtureFlow", 0.3}, {"probability", 0.85}} << 1.0
                                           << "l/s"
                                           << prefix + "расход по приборам: при N ≤ 200 α берётся по табл. Б.1 "
                                                       "СП 30.13330.2020, которая дана для P от 0,1 до 0,8: P = 0,85 больше 0,8.";
        const QString bath = QStringLiteral("6 Ванна со смесителем (в том числе общим для ванн и умывальника)");
        QTest::newRow("q0 not the fixture's")
            << QJsonObject{{"count", 4}, {"fixtureFlow", 0.3}, {"probability", 0.1}, {"fixture", bath}, {"water", "холодная"}}
            << 0.915 << "l/s"
            << prefix + "расход по приборам: расход прибора q0 = 0,3 л/с не равен расходу прибора «" + bath
                   + "» по табл. А.1 q0 = 0,18 л/с.";
        QTest::newRow("no such fixture")
            << QJsonObject{{"count", 4}, {"fixtureFlow", 0.3}, {"probability", 0.1}, {"fixture", "99 Фонтан"}, {"water", "общая"}}
            << 0.915 << "l/s" << prefix + "расход по приборам: прибора «99 Фонтан» нет в табл. А.1 СП 30.13330.2020.";
        QTest::newRow("no hot water at a cistern WC")
            << QJsonObject{{"count", 4}, {"fixtureFlow", 0.3}, {"probability", 0.1}, {"fixture", "16 Унитаз со смывным бачком"},
                           {"water", "горячая"}}
            << 0.915 << "l/s"
            << prefix + "расход по приборам: у прибора «16 Унитаз со смывным бачком» нет расхода воды «горячая».";
        QTest::newRow("water not in the list")
            << QJsonObject{{"count", 4}, {"fixtureFlow", 0.18}, {"probability", 0.1}, {"fixture", bath}, {"water", "тёплая"}}
            << 0.549 << "l/s"
            << prefix + "вода расхода по приборам «тёплая» не из списка: холодная, горячая, общая.";
        QTest::newRow("fixture without water")
            << QJsonObject{{"count", 4}, {"fixtureFlow", 0.18}, {"probability", 0.1}, {"fixture", bath}} << 0.549 << "l/s"
            << prefix + "у расхода по приборам с прибором нет поля «water».";
        QTest::newRow("water without fixture")
            << QJsonObject{{"count", 4}, {"fixtureFlow", 0.3}, {"probability", 0.1}, {"water", "холодная"}} << 0.915 << "l/s"
            << prefix + "у расхода по приборам вода «холодная» без прибора.";
        QTest::newRow("fixture as a number")
            << QJsonObject{{"count", 4}, {"fixtureFlow", 0.3}, {"probability", 0.1}, {"fixture", 6}, {"water", "холодная"}}
            << 0.915 << "l/s" << "Файл поврежден: участок «1», поле «fixtures».";
        QTest::newRow("unknown field") << QJsonObject{{"count", 4}, {"fixtureFlow", 0.3}, {"probability", 0.1}, {"colour", 1}}
                                       << 0.915 << "l/s" << prefix + "у расхода по приборам нет поля «colour».";
        QTest::newRow("count as text") << QJsonObject{{"count", "4"}, {"fixtureFlow", 0.3}, {"probability", 0.1}} << 0.915
                                       << "l/s" << "Файл поврежден: участок «1», поле «fixtures».";
    }
    void refused()
    {
        QFETCH(QJsonObject, fixtures);
        QFETCH(double, flow);
        QFETCH(QString, unit);
        QFETCH(QString, error);
        QJsonObject section = savedSection(
            sectionsFile({polyethyleneSection(0.915, calc::FlowUnit::LitresPerSecond, typedProbability())}, record), 0);
        section.insert("fixtures", fixtures);
        section.insert("flow", flow);
        section.insert("flowUnit", unit);
        const SectionsRead read = readSectionsFile(withSection(section), record);
        QCOMPARE(read.error, error);
        QVERIFY(read.sections.isEmpty());
    }
};

QTEST_GUILESS_MAIN(FixturesFileTest)
#include "tst_fixturesfile.moc"
