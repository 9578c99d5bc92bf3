#include "calc/registry/tables.h"

#include <QTest>

using namespace calc;

Q_DECLARE_METATYPE(calc::ConditionChoices)

// The eleven tables as the program knows them apart from their screens: numbers, titles,
// documents, short names, decimals of the section's pressure and their catalogs for given conditions.
class TablesTest : public QObject {
    Q_OBJECT
private slots:
    void records_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("shortName");
        QTest::addColumn<int>("pressureDecimals");
        QTest::newRow("II-1") << 1 << "трубы стальные (газовые) d=6...150мм  (ГОСТ3262-75)" << "ГОСТ 3262-75" << "g3262.doc"
                              << "стальные водогазопроводные" << 2;
        QTest::newRow("II-2") << 2 << "трубы стальные ГОСТ 10704-91" << "ГОСТ 10704-91" << "g10704.doc"
                              << "стальные электросварные" << 2;
        QTest::newRow("II-3") << 3 << "для чугунных труб d=50...1200мм (ГОСТ 9583-75 и ГОСТ 21053-75)" << "ГОСТ 9583-75"
                              << "g9583.doc"
                              << "чугунные" << 2;
        QTest::newRow("II-4") << 4 << "для асбестоцементных труб ВТ6, ВТ9, ВТ12, ВТ15 (ГОСТ 539-80)" << "ГОСТ 539-80"
                              << "g539.doc"
                              << "асбестоцементные" << 2;
        QTest::newRow("II-5") << 5 << " для пластмассовых труб (ГОСТ 18599-2001)" << "ГОСТ 18599-2001" << "g18599.doc"
                              << "полиэтиленовые" << 2;
        QTest::newRow("II-6") << 6 << "для  железебетонных труб  ГОСТ 12586.0-83" << "ГОСТ 12586.0-83" << "g12586.doc"
                              << "железобетонные" << 2;
        QTest::newRow("II-7") << 7 << "для  стеклопластиковых труб СП 40-104-2001" << "СП 40-104-2001"
                              << "sp40_104_2001.doc"
                              << "стеклопластиковые" << 2;
        QTest::newRow("II-8") << 8 << "для стеклянных труб ГОСТ 8894-86" << "ГОСТ 8894-86" << "g8894.doc"
                              << "стеклянные" << 2;
        QTest::newRow("II-9") << 9 << "для медных труб СП40-108-2004" << "СП 40-108-2004" << "sp40_108_2004.doc"
                              << "медные" << 3;
        QTest::newRow("II-10") << 10 << "для труб из сшитого полиэтилена (PEX) СП 41-109-2005" << "СП 41-109-2005"
                               << "sp41_109_2005.doc"
                              << "PEX" << 3;
        QTest::newRow("II-11") << 11 << "для металлопластиковых труб (PEX-AL-PEX)" << "CП40-102-2000"
                               << "sp40_102_2000.doc"
                              << "PEX-AL-PEX" << 3;
    }
    void records()
    {
        QFETCH(int, number);
        QCOMPARE(tables().size(), 11);
        const TableRecord& record = table(number);
        QCOMPARE(record.number, number);
        QTEST(record.title, "title");
        QTEST(record.documents.first().designation, "designation");
        QTEST(record.documents.first().file, "document");
        QTEST(record.shortName, "shortName");
        QTEST(record.pressureDecimals, "pressureDecimals");
    }

    // The sizes of a catalog for the conditions a calculator opens with, or for those named.
    void catalogs_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<ConditionChoices>("chosen");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<double>("firstDiameter");
        QTest::addColumn<QString>("last");
        QTest::addColumn<double>("lastDiameter");
        QTest::newRow("II-1 non-new") << 1 << ConditionChoices{0, 0} << 47 << "10.2 × 1.8" << 5.6 << "165 × 5.5" << 153.0;
        QTest::newRow("II-1 new") << 1 << ConditionChoices{1, 0} << 47 << "10.2 × 1.8" << 6.6 << "165 × 5.5" << 154.0;
        QTest::newRow("II-2 new") << 2 << ConditionChoices{1, 0} << -1 << "10 × 1" << 8.0 << "1420 × 20" << 1380.0;
        QTest::newRow("II-3 ЛА non-new") << 3 << ConditionChoices{0, 0} << 8 << "50" << 51.6 << "300" << 304.4;
        QTest::newRow("II-3 А new") << 3 << ConditionChoices{1, 1} << -1 << "350" << 352.4 << "1200" << 1199.2;
        QTest::newRow("II-4 ВТ6 type 1") << 4 << ConditionChoices{0, 0} << 8 << "100" << 104.0 << "500" << 473.0;
        QTest::newRow("II-4 ВТ9 type 1") << 4 << ConditionChoices{0, 1} << 8 << "100" << 100.0 << "500" << 456.0;
        // ВТ15 type 3 has no catalog pipe: the nominal size is taken.
        QTest::newRow("II-4 ВТ15 type 3") << 4 << ConditionChoices{2, 3} << 2 << "200" << 200.0 << "300" << 300.0;
        QTest::newRow("II-5 ПЭ32 SDR21") << 5 << ConditionChoices{0, 2} << -1 << "32" << 28.0 << "160" << 144.6;
        QTest::newRow("II-6") << 6 << ConditionChoices{} << 9 << "500" << 500.0 << "1600" << 1600.0;
        QTest::newRow("II-7") << 7 << ConditionChoices{} << 13 << "50" << 50.0 << "400" << 400.0;
        QTest::newRow("II-8") << 8 << ConditionChoices{} << -1 << "45" << 37.0 << "" << 0.0;
        QTest::newRow("II-9") << 9 << ConditionChoices{0} << 46 << "6 × 0.6" << 4.8 << "267 × 3.0" << 261.0;
        QTest::newRow("II-10 SDR 13,6") << 10 << ConditionChoices{0} << 10 << "16" << 13.15 << "110" << 93.2;
        QTest::newRow("II-10 SDR 6") << 10 << ConditionChoices{4} << 14 << "12" << 7.75 << "110" << 71.8;
        QTest::newRow("II-11") << 11 << ConditionChoices{0} << 6 << "16" << 12.0 << "50" << 42.0;
    }
    void catalogs()
    {
        QFETCH(int, number);
        QFETCH(ConditionChoices, chosen);
        QFETCH(int, count);
        QFETCH(QString, last);
        const QList<CatalogSize> sizes = table(number).sizes(chosen);
        QVERIFY(!sizes.isEmpty());
        if (count >= 0)
            QCOMPARE(sizes.size(), count);
        QTEST(sizes.first().designation, "first");
        QFETCH(double, firstDiameter);
        QCOMPARE(sizes.first().calculationDiameterMm, firstDiameter);
        if (!last.isEmpty()) {
            QCOMPARE(sizes.last().designation, last);
            QFETCH(double, lastDiameter);
            QCOMPARE(sizes.last().calculationDiameterMm, lastDiameter);
        }
    }

    // A catalog that needs a choice gives no sizes without it.
    void missingChoiceGivesNoSizes()
    {
        QVERIFY(table(1).sizes({}).isEmpty());
        QVERIFY(table(3).sizes({0}).isEmpty());
        QVERIFY(table(5).sizes({0, -1}).isEmpty());
        // ПЭ32 is not made in SDR41.
        QVERIFY(table(5).sizes({0, 0}).isEmpty());
    }

    // Items offered for a condition follow the choices before it.
    void conditionChoices()
    {
        QCOMPARE(table(1).conditions.size(), 4);
        QCOMPARE(table(1).conditions[2].choices({0, 0}), QStringList());
        QCOMPARE(table(1).conditions[2].choices({0, 1}).first(), QStringLiteral("40"));
        QCOMPARE(table(4).conditions[1].choices({0}),
                 (QStringList{QStringLiteral("ВТ6"), QStringLiteral("ВТ9"), QStringLiteral("ВТ12")}));
        QCOMPARE(table(4).conditions[1].choices({1}).size(), 4);
        QCOMPARE(table(10).conditions[2].choices({0, 1}).first(), QStringLiteral("40"));
        QCOMPARE(table(9).conditions[1].choices({1}).first(), QStringLiteral("50"));
        QCOMPARE(table(9).conditions[2].choices({3}), (QStringList{QStringLiteral("вода"), QStringLiteral("другой")}));
        QCOMPARE(table(9).conditions[2].choices({0}), QStringList());
    }
};

QTEST_GUILESS_MAIN(TablesTest)
#include "tst_tables.moc"
