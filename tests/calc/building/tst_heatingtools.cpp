#include "calc/building/frmtablII10.h"
#include "calc/building/frmtablII11.h"
#include "calc/building/frmtablII9.h"
#include "calc/building/buildingrecords.h"
#include "calc/screen/showncalculation.h"
#include "tests/common/uitest.h"

#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

using namespace uitest;

// The carrier reference and the flow from a heat load, opened from each heating screen.
class HeatingToolsTest : public QObject {
    Q_OBJECT
private:
    QPointer<QWidget> w;

    void open(int table)
    {
        delete w;
        if (table == 9)
            w = new frmtablII9(calc::building::copperRecord());
        else if (table == 10)
            w = new frmtablII10(calc::building::pexRecord());
        else
            w = new frmtablII11(calc::building::pexAlPexRecord());
        w->show();
        takeMessages();
    }
    // Heating at a temperature, a typed inner diameter of 20 mm, 0,3 л/сек, 10 m and one elbow.
    void heatingSection(int table, const QString& temperature)
    {
        click(w, table == 9 ? "Option4" : "Option3");
        choose(w, "Combo3", temperature);
        click(w, "Check13");
        typeInto(w, "Text2", QStringLiteral("20"));
        typeInto(w, "Text1", QStringLiteral("0.3"));
        typeInto(w, "Text16", QStringLiteral("10"));
        click(w, "Check1");
    }
    QWidget* openTool(const char* button, const char* window)
    {
        click(w, button);
        QWidget* tool = shownWindow(QString::fromLatin1(window));
        if (!tool)
            qFatal("%s not shown", window);
        return tool;
    }
    // The reference opened from the screen with ethylene glycol 40 % at 50 °С chosen in it.
    QWidget* ethyleneGlycolChosen()
    {
        QWidget* reference = openTool("carrierButton", "frmteplonositel");
        click(reference, "carrierEthylene");
        typeInto(reference, "concentrationInput", QStringLiteral("40"));
        pasteInto(reference, "temperatureInput", QStringLiteral("50"));
        return reference;
    }
    static void addScreens()
    {
        QTest::addColumn<int>("table");
        QTest::newRow("copper") << 9;
        QTest::newRow("PEX") << 10;
        QTest::newRow("PEX-AL-PEX") << 11;
    }

private slots:
    void cleanup() { closeAllWindows(); }

    void enabledForHeatingOnly_data() { addScreens(); }
    void enabledForHeatingOnly()
    {
        QFETCH(int, table);
        open(table);
        const char* heating = table == 9 ? "Option4" : "Option3";
        QVERIFY(!child<QWidget>(w, "carrierButton")->isEnabled());
        QVERIFY(!child<QWidget>(w, "loadButton")->isEnabled());
        click(w, heating);
        QVERIFY(child<QWidget>(w, "carrierButton")->isEnabled());
        QVERIFY(child<QWidget>(w, "loadButton")->isEnabled());
        QCOMPARE(child<QPushButton>(w, "carrierButton")->text(), QStringLiteral("Справочник…"));
        QCOMPARE(child<QPushButton>(w, "loadButton")->text(), QStringLiteral("Расход по нагрузке…"));
        openTool("carrierButton", "frmteplonositel");
        click(w, "Option2");
        QVERIFY(!child<QWidget>(w, "carrierButton")->isEnabled());
        QVERIFY(!child<QWidget>(w, "loadButton")->isEnabled());
        QTRY_VERIFY(!shownWindow(QStringLiteral("frmteplonositel")));
    }

    // Ethylene glycol 40 % at 50 °С: ρ = 1035,4 kg/m³, ν·10⁶ = 1,267 m²/s. With d = 20 mm,
    // Q = 0,3 л/сек: v = 0,95493 m/s; by hand Re = 15074, and with Δ = 10⁻⁵ m (copper)
    // λ = 0,029679, R = ρ·λ·v²/(2d) = 700,559 Па/м; with Δ = 10⁻⁶ m λ = 0,027289, R = 644,128 Па/м.
    // ΔP = 10·R + 0,5·v²·0,5·ρ.
    void carrierApplied_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("slope");
        QTest::addColumn<QString>("loss");
        QTest::newRow("copper") << 9 << QStringLiteral("R=700,559 Па/м")
                                << QStringLiteral("Падение давления в системе отопления = 7241,636 Па");
        QTest::newRow("PEX") << 10 << QStringLiteral("R= 644,128 Па/м")
                             << QStringLiteral("Потери давления на участке 6677,326 Па");
        QTest::newRow("PEX-AL-PEX") << 11 << QStringLiteral("R= 644,128 Па/м")
                                    << QStringLiteral("Потери давления на участке 6677,326 Па");
    }
    void carrierApplied()
    {
        QFETCH(int, table);
        QFETCH(QString, slope);
        QFETCH(QString, loss);
        open(table);
        heatingSection(table, QStringLiteral("80"));
        QWidget* reference = openTool("carrierButton", "frmteplonositel");
        QCOMPARE(reference->windowTitle(), QStringLiteral("Теплоноситель"));
        QCOMPARE(text(reference, "temperatureInput"), QStringLiteral("80"));
        QVERIFY(!child<QWidget>(reference, "concentrationInput")->isEnabled());
        click(reference, "carrierEthylene");
        typeInto(reference, "concentrationInput", QStringLiteral("40"));
        pasteInto(reference, "temperatureInput", QStringLiteral("50"));
        QCOMPARE(text(reference, "densityLabel"), QStringLiteral("1035,4"));
        QCOMPARE(text(reference, "viscosityLabel"), QStringLiteral("1,267"));
        QCOMPARE(text(reference, "heatCapacityLabel"), QStringLiteral("3,635"));
        QCOMPARE(text(reference, "freezingLabel"), QStringLiteral("-23,8"));
        click(reference, "applyButton");
        QVERIFY(child<QRadioButton>(w, "Option8")->isChecked());
        QCOMPARE(text(w, "Text3"), QStringLiteral("1035.4"));
        QCOMPARE(text(w, "Text18"), QStringLiteral("1.267"));
        QCOMPARE(child<QComboBox>(w, "Combo3")->currentText(), QStringLiteral("80"));
        click(w, "Command1");
        QCOMPARE(takeMessages(), QStringList());
        QCOMPARE(text(w, "Label2"), slope);
        QCOMPARE(text(w, "Label4"), loss);
    }

    // 10 kW at Δt = 20 K: water at 80 °С (c = 4,197, ρ = 971,8) gives 428,9 кг/ч and 0,1226 л/сек;
    // ethylene glycol 40 % at 50 °С (c = 3,635, ρ = 1035,4) 495,2 кг/ч and 0,1328 л/сек.
    void flowFromLoad_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<bool>("glycol");
        QTest::addColumn<bool>("cubicMetres");
        QTest::addColumn<QString>("massFlow");
        QTest::addColumn<QString>("volumeFlow");
        QTest::addColumn<QString>("written");
        const QString water = QStringLiteral("0,1226 л/сек = 0,4413 м куб/ч");
        QTest::newRow("copper, water") << 9 << false << false << "428,9" << water << "0.1226";
        QTest::newRow("PEX, water, м куб/ч") << 10 << false << true << "428,9" << water << "0.4413";
        QTest::newRow("PEX-AL-PEX, glycol") << 11 << true << false << "495,2"
                                            << QStringLiteral("0,1328 л/сек = 0,4783 м куб/ч") << "0.1328";
    }
    void flowFromLoad()
    {
        QFETCH(int, table);
        QFETCH(bool, glycol);
        QFETCH(bool, cubicMetres);
        QFETCH(QString, massFlow);
        QFETCH(QString, volumeFlow);
        QFETCH(QString, written);
        open(table);
        heatingSection(table, QStringLiteral("80"));
        if (cubicMetres)
            click(w, "Option6");
        if (glycol) {
            click(ethyleneGlycolChosen(), "applyButton");
        }
        QWidget* load = openTool("loadButton", "frmnagruzka");
        QCOMPARE(load->windowTitle(), QStringLiteral("Расход по тепловой нагрузке"));
        QVERIFY(!child<QWidget>(load, "heatCapacityInput")->isEnabled());
        typeInto(load, "loadInput", QStringLiteral("10000"));
        typeInto(load, "deltaInput", QStringLiteral("20"));
        QCOMPARE(text(load, "massFlowLabel"), massFlow);
        QCOMPARE(text(load, "volumeFlowLabel"), volumeFlow);
        click(load, "applyButton");
        QCOMPARE(text(w, "Text1"), written);
    }

    // The request claims the applied carrier and load only while the screen holds what the
    // windows wrote: ethylene glycol 40 % at 50 °С (c = 3,635), 10 kW at Δt = 20 К.
    void requestKeepsWhatStillHolds_data() { addScreens(); }
    void requestKeepsWhatStillHolds()
    {
        QFETCH(int, table);
        open(table);
        heatingSection(table, QStringLiteral("80"));
        click(ethyleneGlycolChosen(), "applyButton");
        QWidget* load = openTool("loadButton", "frmnagruzka");
        typeInto(load, "loadInput", QStringLiteral("10000"));
        typeInto(load, "deltaInput", QStringLiteral("20"));
        click(load, "applyButton");
        const auto* shown = w->findChild<calc::ShownCalculation*>(QStringLiteral("shownCalculation"));
        QVERIFY(shown);

        click(w, "Command1");
        QVERIFY(shown->isShown());
        const std::optional<calc::ReferenceCarrier> carrier = shown->input().carrier;
        QVERIFY(carrier);
        QCOMPARE(carrier->kind, calc::CarrierKind::EthyleneGlycol);
        QCOMPARE(carrier->concentration, 40.0);
        QCOMPARE(carrier->temperature, 50.0);
        QCOMPARE(carrier->heatCapacity, 3.635);
        QCOMPARE(shown->input().conditions.carrierDensity, 1035.4);
        QVERIFY(shown->input().load);
        QCOMPARE(shown->input().load->heat, 10000.0);
        QCOMPARE(shown->input().load->temperatureDrop, 20.0);
        QCOMPARE(shown->input().load->heatCapacity, 3.635);

        pasteInto(w, "Text3", QStringLiteral("1040"));
        click(w, "Command1");
        QVERIFY(shown->isShown());
        QVERIFY(!shown->input().carrier);
        QCOMPARE(shown->input().conditions.carrierDensity, 1040.0);
        QVERIFY(shown->input().load);

        click(w, "Option6");
        click(w, "Command1");
        QVERIFY(shown->isShown());
        QVERIFY(!shown->input().load);
    }

    // A carrier typed by hand has no c: it is typed in the window; ρ comes from the screen.
    void heatCapacityTyped()
    {
        open(10);
        heatingSection(10, QStringLiteral("80"));
        click(w, "Option8");
        typeInto(w, "Text3", QStringLiteral("971.8"));
        typeInto(w, "Text18", QStringLiteral("0.365"));
        QWidget* load = openTool("loadButton", "frmnagruzka");
        QVERIFY(child<QWidget>(load, "heatCapacityInput")->isEnabled());
        typeInto(load, "loadInput", QStringLiteral("10000"));
        typeInto(load, "deltaInput", QStringLiteral("20"));
        QCOMPARE(text(load, "messageLabel"), QStringLiteral("Введите теплоёмкость теплоносителя c, кДж/(кг·К)"));
        QVERIFY(!child<QWidget>(load, "applyButton")->isEnabled());
        typeInto(load, "heatCapacityInput", QStringLiteral("4,197"));
        QCOMPARE(text(load, "volumeFlowLabel"), QStringLiteral("0,1226 л/сек = 0,4413 м куб/ч"));
    }

    // Frozen or bad input leaves the results empty, "Применить" disabled and the screen as it was.
    void badInputChangesNothing_data()
    {
        QTest::addColumn<int>("fluid");
        QTest::addColumn<QString>("concentration");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("message");
        QTest::newRow("frozen") << 1 << "40" << "-30"
                                << QStringLiteral("Раствор замерзает при -23,8 °С: выберите температуру выше или большую "
                                                  "массовую долю");
        QTest::newRow("no temperature") << 2 << "40" << "" << QStringLiteral("Введите температуру, °С");
        QTest::newRow("70 %") << 2 << "70" << "20" << QStringLiteral("Массовая доля должна быть от 10 до 60 %");
        QTest::newRow("water at 160") << 0 << "" << "160"
                                      << QStringLiteral("Температура воды должна быть от 0 до 150 °С");
    }
    void badInputChangesNothing()
    {
        QFETCH(int, fluid);
        QFETCH(QString, concentration);
        QFETCH(QString, temperature);
        QFETCH(QString, message);
        open(9);
        heatingSection(9, QStringLiteral("80"));
        QWidget* reference = openTool("carrierButton", "frmteplonositel");
        const char* options[] = {"carrierWater", "carrierEthylene", "carrierPropylene"};
        click(reference, options[fluid]);
        pasteInto(reference, "concentrationInput", concentration);
        pasteInto(reference, "temperatureInput", temperature);
        QCOMPARE(text(reference, "messageLabel"), message);
        QCOMPARE(text(reference, "densityLabel"), QString());
        QCOMPARE(text(reference, "viscosityLabel"), QString());
        QVERIFY(!child<QWidget>(reference, "applyButton")->isEnabled());
        QCOMPARE(captionColour(reference, "messageLabel"), QColor(255, 0, 0));
        QVERIFY(child<QRadioButton>(w, "Option7")->isChecked());
        QCOMPARE(text(w, "Text3"), QStringLiteral("970"));
        QCOMPARE(text(w, "Text18"), QStringLiteral("0.36"));
        QCOMPARE(takeMessages(), QStringList());
    }

    void escapeCloses()
    {
        open(11);
        heatingSection(11, QStringLiteral("60"));
        QWidget* load = openTool("loadButton", "frmnagruzka");
        QTest::keyClick(load, Qt::Key_Escape);
        QTRY_VERIFY(!shownWindow(QStringLiteral("frmnagruzka")));
        QWidget* reference = openTool("carrierButton", "frmteplonositel");
        QTest::keyClick(reference, Qt::Key_Escape);
        QTRY_VERIFY(!shownWindow(QStringLiteral("frmteplonositel")));
    }
};

UITEST_MAIN(HeatingToolsTest)
#include "tst_heatingtools.moc"
