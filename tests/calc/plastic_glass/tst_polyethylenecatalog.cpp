#include "calc/common/numbertext.h"
#include "calc/plastic_glass/polyethylenecatalog.h"

#include <QTest>

using namespace calc::plastic_glass::polyethylene;

Q_DECLARE_METATYPE(Material)
Q_DECLARE_METATYPE(Series)

class tst_polyethylenecatalog : public QObject {
    Q_OBJECT
private slots:
    void captions();
    void seriesOfMaterials_data();
    void seriesOfMaterials();
    void fullSizeLists_data();
    void fullSizeLists();
    void everySizeList_data();
    void everySizeList();
    void innerDiameters_data();
    void innerDiameters();
};

void tst_polyethylenecatalog::captions()
{
    QStringList materialCaptions;
    for (Material m : materials)
        materialCaptions << caption(m);
    QCOMPARE(materialCaptions,
             QStringList({"ПЭ32 (MRS3,2)", "ПЭ63 (MRS6,3)", "ПЭ80 (MRS8,0)", "ПЭ100 (MRS10,0)"}));
    QStringList seriesCaptions;
    for (Series s : allSeries)
        seriesCaptions << caption(s);
    QCOMPARE(seriesCaptions, QStringList({"SDR41  (S20)", "SDR26  (S12,5)", "SDR21 (S10)", "SDR17,6  (S8,3)",
                                          "SDR17 (S8)", "SDR13,6 (S6,3) ", "SDR11 (S5)", "SDR9 (S4)",
                                          "SDR6 (S2,5)"}));
}

void tst_polyethylenecatalog::seriesOfMaterials_data()
{
    QTest::addColumn<Material>("material");
    QTest::addColumn<QList<Series>>("enabled");
    QTest::addColumn<Series>("selected");
    QTest::newRow("ПЭ32") << Material::PE32
                          << QList<Series>{Series::SDR21, Series::SDR13_6, Series::SDR9, Series::SDR6} << Series::SDR21;
    QTest::newRow("ПЭ63") << Material::PE63
                          << QList<Series>{Series::SDR41, Series::SDR26, Series::SDR17_6, Series::SDR11}
                          << Series::SDR41;
    QTest::newRow("ПЭ80") << Material::PE80
                          << QList<Series>{Series::SDR26, Series::SDR21, Series::SDR17_6, Series::SDR17,
                                           Series::SDR13_6, Series::SDR11, Series::SDR9}
                          << Series::SDR26;
    QTest::newRow("ПЭ100") << Material::PE100 << QList<Series>{Series::SDR17, Series::SDR13_6, Series::SDR11}
                           << Series::SDR17;
}

void tst_polyethylenecatalog::seriesOfMaterials()
{
    QFETCH(Material, material);
    QFETCH(QList<Series>, enabled);
    QFETCH(Series, selected);
    QCOMPARE(enabledSeries(material), enabled);
    QCOMPARE(defaultSeries(material), selected);
}

void tst_polyethylenecatalog::fullSizeLists_data()
{
    QTest::addColumn<Material>("material");
    QTest::addColumn<Series>("series");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ПЭ32 SDR21") << Material::PE32 << Series::SDR21
                                << QStringList{"32", "40", "50", "63", "75", "90", "110", "125", "140", "160"};
    QTest::newRow("ПЭ32 SDR6") << Material::PE32 << Series::SDR6
                               << QStringList{"10", "12", "16", "20", "25", "32", "40", "50", "63", "75", "90",
                                              "110", "125"};
    QTest::newRow("ПЭ63 SDR41") << Material::PE63 << Series::SDR41
                                << QStringList{"63",  "75",  "90",  "110", "125", "140", "160", "180",
                                               "200", "250", "280", "315", "355", "400", "450", "500",
                                               "560", "630", "710", "800", "900", "1000", "1200"};
    QTest::newRow("ПЭ80 SDR17,6") << Material::PE80 << Series::SDR17_6
                                  << QStringList{"63",  "75",  "90",  "110", "125", "140", "160", "180",
                                                 "200", "250", "280", "315", "355", "400", "450", "500",
                                                 "560", "630", "710", "800", "900", "1000"};
    QTest::newRow("ПЭ100 SDR11") << Material::PE100 << Series::SDR11
                                 << QStringList{"32",  "40",  "50",  "63",  "75",  "90",  "110",
                                                "125", "140", "160", "180", "200", "250", "280",
                                                "315", "355", "400", "450", "500", "560", "630"};
    QTest::newRow("ПЭ32 offers no SDR41") << Material::PE32 << Series::SDR41 << QStringList{};
    QTest::newRow("ПЭ100 offers no SDR26") << Material::PE100 << Series::SDR26 << QStringList{};
}

void tst_polyethylenecatalog::fullSizeLists()
{
    QFETCH(Material, material);
    QFETCH(Series, series);
    QFETCH(QStringList, expected);
    QCOMPARE(sizes(material, series), expected);
}

void tst_polyethylenecatalog::everySizeList_data()
{
    QTest::addColumn<Material>("material");
    QTest::addColumn<Series>("series");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("count");
    QTest::newRow("ПЭ32 SDR21") << Material::PE32 << Series::SDR21 << "32" << "160" << 10;
    QTest::newRow("ПЭ32 SDR13,6") << Material::PE32 << Series::SDR13_6 << "25" << "160" << 11;
    QTest::newRow("ПЭ32 SDR9") << Material::PE32 << Series::SDR9 << "16" << "125" << 11;
    QTest::newRow("ПЭ32 SDR6") << Material::PE32 << Series::SDR6 << "10" << "125" << 13;
    QTest::newRow("ПЭ63 SDR41") << Material::PE63 << Series::SDR41 << "63" << "1200" << 23;
    QTest::newRow("ПЭ63 SDR26") << Material::PE63 << Series::SDR26 << "40" << "1200" << 25;
    QTest::newRow("ПЭ63 SDR17,6") << Material::PE63 << Series::SDR17_6 << "25" << "1000" << 26;
    QTest::newRow("ПЭ63 SDR11") << Material::PE63 << Series::SDR11 << "16" << "630" << 24;
    QTest::newRow("ПЭ80 SDR26") << Material::PE80 << Series::SDR26 << "50" << "1200" << 24;
    QTest::newRow("ПЭ80 SDR21") << Material::PE80 << Series::SDR21 << "40" << "1200" << 25;
    QTest::newRow("ПЭ80 SDR17,6") << Material::PE80 << Series::SDR17_6 << "63" << "1000" << 22;
    QTest::newRow("ПЭ80 SDR17") << Material::PE80 << Series::SDR17 << "32" << "1000" << 25;
    QTest::newRow("ПЭ80 SDR13,6") << Material::PE80 << Series::SDR13_6 << "25" << "800" << 24;
    QTest::newRow("ПЭ80 SDR11") << Material::PE80 << Series::SDR11 << "20" << "630" << 23;
    QTest::newRow("ПЭ80 SDR9") << Material::PE80 << Series::SDR9 << "16" << "500" << 22;
    QTest::newRow("ПЭ100 SDR17") << Material::PE100 << Series::SDR17 << "50" << "1000" << 23;
    QTest::newRow("ПЭ100 SDR13,6") << Material::PE100 << Series::SDR13_6 << "40" << "800" << 22;
    QTest::newRow("ПЭ100 SDR11") << Material::PE100 << Series::SDR11 << "32" << "630" << 21;
}

void tst_polyethylenecatalog::everySizeList()
{
    QFETCH(Material, material);
    QFETCH(Series, series);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, count);
    const QStringList list = sizes(material, series);
    QCOMPARE(list.size(), count);
    QCOMPARE(list.first(), first);
    QCOMPARE(list.last(), last);
    QVERIFY(!list.contains("225"));
    // Every offered pipe has a wall in its series.
    for (const QString& item : list)
        QVERIFY2(innerDiameter(series, item) > 0, qPrintable(item));
}

void tst_polyethylenecatalog::innerDiameters_data()
{
    QTest::addColumn<Series>("series");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("inner");
    QTest::newRow("110 SDR17") << Series::SDR17 << "110" << "96.8";
    QTest::newRow("63 SDR41") << Series::SDR41 << "63" << "59";
    QTest::newRow("355 SDR13,6") << Series::SDR13_6 << "355" << "302.8";
    QTest::newRow("32 SDR21") << Series::SDR21 << "32" << "28";
    QTest::newRow("32 SDR17,6") << Series::SDR17_6 << "32" << "28";
    QTest::newRow("32 SDR17") << Series::SDR17 << "32" << "28";
    QTest::newRow("10 SDR6") << Series::SDR6 << "10" << "6";
    QTest::newRow("125 SDR6") << Series::SDR6 << "125" << "83.4";
    QTest::newRow("20 SDR9") << Series::SDR9 << "20" << "15.4";
    QTest::newRow("400 SDR9") << Series::SDR9 << "400" << "310.6";
    QTest::newRow("75 SDR26") << Series::SDR26 << "75" << "69.2";
    QTest::newRow("1000 SDR26") << Series::SDR26 << "1000" << "923.6";
    QTest::newRow("180 SDR17") << Series::SDR17 << "180" << "158.6";
    QTest::newRow("250 SDR41") << Series::SDR41 << "250" << "237.6";
    QTest::newRow("560 SDR11") << Series::SDR11 << "560" << "458.4";
    QTest::newRow("710 SDR13,6") << Series::SDR13_6 << "710" << "605.6";
    QTest::newRow("900 SDR17,6") << Series::SDR17_6 << "900" << "798";
    QTest::newRow("1200 SDR21") << Series::SDR21 << "1200" << "1085.6";
    QTest::newRow("no 140 in SDR6") << Series::SDR6 << "140" << "0";
    QTest::newRow("no 1200 in SDR17") << Series::SDR17 << "1200" << "0";
    QTest::newRow("no 10 in SDR41") << Series::SDR41 << "10" << "0";
    QTest::newRow("no 225 anywhere") << Series::SDR21 << "225" << "0";
    QTest::newRow("not a number") << Series::SDR11 << "мм" << "0";
}

void tst_polyethylenecatalog::innerDiameters()
{
    QFETCH(Series, series);
    QFETCH(QString, item);
    QFETCH(QString, inner);
    QCOMPARE(calc::storedNumberText(innerDiameter(series, item)), inner);
}

QTEST_APPLESS_MAIN(tst_polyethylenecatalog)
#include "tst_polyethylenecatalog.moc"
