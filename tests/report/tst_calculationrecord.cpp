#include "calc/registry/tables.h"
#include "platform/filedialogs.h"
#include "report/calculationrecord.h"
#include "report/frmotchet.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <algorithm>

using calc::CalculationRequest;
using calc::CalculationOutcome;

namespace {
frmotchet* recordWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* record = qobject_cast<frmotchet*>(window))
            return record;
    return nullptr;
}
}  // namespace

// Records of calculations the calculators reach only with many steps: every line written out.
class CalculationRecordTest : public QObject {
    Q_OBJECT
private slots:
    void typedDiameterHotWaterNewSteel()
    {
        CalculationRequest request;
        request.table = 2;
        request.conditions.chosen = {1, 1, 4, 0};
        request.conditions.flow = {3, calc::FlowUnit::CubicMetresPerHour};
        request.diameterMm = 50;
        CalculationOutcome results;
        calc::Figures& figures = results.figures;
        figures.flow = 3.0 / 3600;
        figures.diameterMm = 50;
        figures.viscosity = 0.47e-6;
        figures.velocity = 0.4244131815783876;
        figures.lambda = 0.0346943659941942;
        figures.slope = 0.0063704142770456065;
        figures.thousandI = 6.3704142770456065;
        figures.slopePressure = 62.4725;
        QCOMPARE(report::recordLines(calc::table(2), request, results),
                 QStringList({"Таблица II-2: трубы стальные ГОСТ 10704-91",
                              "Трубы: ГОСТ 10704-91",
                              "Формулы: [1] Таблицы для гидравлического расчета водопроводных труб. Справочное пособие.",
                              "Труба: диаметр задан вручную",
                              "dp = 50 мм",
                              "Трубы новые",
                              "Система горячего водоснабжения, t = 60 °C",
                              "ν = 0,47·10⁻⁶ м²/с",
                              "Q = 3 м куб/ч = 0,83333333 л/сек = 0,00083333 м³/с",
                              "dp = 50 мм = 0,05 м",
                              "v = 4·Q/(π·d²) = 4·0,00083333/(π·0,05²) = 0,42441 м/с",
                              "λ = 0,312/dp^0,226 · (1,9·10⁻⁶ + ν/v)^0,226 = 0,312/0,05^0,226 · (1,9·10⁻⁶ + "
                              "0,47·10⁻⁶/0,42441)^0,226 = 0,034694",
                              "i = λ · 1/dp · v²/2g = 0,034694 · 1/0,05 · 0,42441²/19,62 = 0,00637",
                              "1000i = 1000·0,00637 = 6,37 м/км",
                              "потери давления на 1 м: 1000·g·i = 1000·9,80665·0,00637 = 62,47 Па/м"}));
    }

    // A copper heating section with "другой" carrier: the carrier as the reference gave it, or
    // as typed; the load the flow was worked out from, G = 3,6·Q/(c·Δt).
    void carrierAndLoadLines_data()
    {
        QTest::addColumn<double>("density");
        QTest::addColumn<double>("viscosityE6");
        QTest::addColumn<std::optional<calc::ReferenceCarrier>>("carrier");
        QTest::addColumn<std::optional<calc::HeatLoad>>("load");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("ethylene glycol 40 % at 50 °С")
            << 1035.4 << 1.267
            << std::optional(calc::ReferenceCarrier{calc::CarrierKind::EthyleneGlycol, 40, 50, 3.635})
            << std::optional<calc::HeatLoad>()
            << QStringList{"Теплоноситель: раствор этиленгликоля 40 % (по массе), 50 °С: ρ = 1035,4 кг/м³, "
                           "ν = 1,267·10⁻⁶ м²/с, c = 3,635 кДж/(кг·К) (Melinder, 2010)"};
        // 3,6·10000/(4,197·20) = 428,878
        QTest::newRow("water at 80 °С, 10 kW at Δt = 20 К")
            << 971.8 << 0.3643 << std::optional(calc::ReferenceCarrier{calc::CarrierKind::Water, 0, 80, 4.197})
            << std::optional(calc::HeatLoad{10000, 20, 4.197})
            << QStringList{"Теплоноситель: вода, 80 °С: ρ = 971,8 кг/м³, ν = 0,3643·10⁻⁶ м²/с, "
                           "c = 4,197 кДж/(кг·К) (IAPWS)",
                           "Q = 10000 Вт, Δt = 20 °С, G = 3,6·Q/(c·Δt) = 428,9 кг/ч"};
        // 3,6·2500,5/(3,5·7,5) = 342,926
        QTest::newRow("typed carrier, c typed in the load window")
            << 1050.0 << 2.5 << std::optional<calc::ReferenceCarrier>() << std::optional(calc::HeatLoad{2500.5, 7.5, 3.5})
            << QStringList{"Теплоноситель: другой", "Q = 2500,5 Вт, Δt = 7,5 °С, G = 3,6·Q/(c·Δt) = 342,9 кг/ч"};
    }
    void carrierAndLoadLines()
    {
        QFETCH(double, density);
        QFETCH(double, viscosityE6);
        QFETCH(std::optional<calc::ReferenceCarrier>, carrier);
        QFETCH(std::optional<calc::HeatLoad>, load);
        QFETCH(QStringList, lines);
        CalculationRequest request;
        request.table = 9;
        request.conditions.chosen = {3, 2, 1};
        request.conditions.flow = {0.1, calc::FlowUnit::LitresPerSecond};
        request.conditions.carrierDensity = density;
        request.conditions.carrierViscosityE6 = viscosityE6;
        request.size = QStringLiteral("15 × 1.0");
        request.diameterMm = 13;
        request.carrier = carrier;
        request.load = load;
        CalculationOutcome outcome;
        outcome.figures.flow = 0.0001;
        QStringList written;
        for (const QString& line : report::recordLines(calc::table(9), request, outcome))
            if (line.startsWith(QStringLiteral("Теплоноситель")) || line.contains(QStringLiteral(" Вт, ")))
                written << line;
        QCOMPARE(written, lines);
    }

    // Under the title, the standard of the pipes and the source of the formulas, as the program
    // reference names them.
    void citedSources_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("cited");
        const QString handbook = "Формулы: [1] Таблицы для гидравлического расчета водопроводных труб. Справочное пособие.";
        QTest::newRow("II-1") << 1 << QStringList{"Трубы: ГОСТ 3262-75", handbook};
        QTest::newRow("II-2") << 2 << QStringList{"Трубы: ГОСТ 10704-91", handbook};
        QTest::newRow("II-3") << 3 << QStringList{"Трубы: ГОСТ 9583-75", handbook};
        QTest::newRow("II-4") << 4 << QStringList{"Трубы: ГОСТ 539-80", handbook};
        QTest::newRow("II-5") << 5 << QStringList{"Трубы: ГОСТ 18599-2001", handbook};
        QTest::newRow("II-6") << 6 << QStringList{"Трубы: ГОСТ 12586.0-83", handbook};
        QTest::newRow("II-7") << 7 << QStringList{"Трубы и формулы: СП 40-104-2001"};
        QTest::newRow("II-8") << 8 << QStringList{"Трубы: ГОСТ 8894-86", handbook};
        QTest::newRow("II-9") << 9 << QStringList{"Трубы и формулы: СП 40-108-2004"};
        QTest::newRow("II-10") << 10 << QStringList{"Трубы и формулы: СП 41-109-2005"};
        // The screen's caption writes "CП40-102-2000" with a Latin C; a document names it in Cyrillic.
        QTest::newRow("II-11") << 11 << QStringList{"Трубы: СП 40-102-2000", "Формулы: СП 41-102-98"};
    }
    void citedSources()
    {
        QFETCH(int, number);
        QFETCH(QStringList, cited);
        CalculationRequest request;
        request.table = number;
        const QStringList lines = report::recordLines(calc::table(number), request, {});
        QCOMPARE(lines.mid(1, cited.size()), cited);
        QVERIFY(!lines.at(cited.size() + 1).startsWith(QStringLiteral("Формулы")));
    }

    // Below Re = 2300 the record says the flow is laminar, names the formula that is out of its
    // range and sets 64/Re beside it; a turbulent flow has no remark.
    void laminarRemark_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<calc::ConditionChoices>("chosen");
        QTest::addColumn<double>("flow");
        QTest::addColumn<double>("viscosityE6");
        QTest::addColumn<QString>("size");
        QTest::addColumn<double>("diameterMm");
        QTest::addColumn<QStringList>("remark");
        const QString remark = "Re < 2300: течение ламинарное, а формула %1 выведена для турбулентного течения и здесь "
                               "вне области своего применения; результаты ниже приведены так, как их показывает экран.";
        // v = 4·0,0002/(π·0,01315²) = 1,472613 м/с; Re = v·0,01315/(10·10⁻⁶) = 1936,486; 64/Re = 0,03305.
        QTest::newRow("PEX heating, typed ν = 10·10⁻⁶, Re = 1936,486")
            << 10 << calc::ConditionChoices{0, 2, 0, 1} << 0.2 << 10.0 << "16" << 13.15
            << QStringList{remark.arg("λ"), "Для сравнения, ламинарное течение: λ = 64/Re = 64/1936,486 = 0,03305"};
        QTest::newRow("PEX heating, typed ν = 1·10⁻⁶, Re = 19365, turbulent")
            << 10 << calc::ConditionChoices{0, 2, 0, 1} << 0.2 << 1.0 << "16" << 13.15 << QStringList{};
        // v = 4·0,00002/(π·0,013²) = 0,150679 м/с; Re = v·0,013/(1,3·10⁻⁶) = 1507; 64/Re = 0,04247.
        QTest::newRow("copper cold water, Re = 1507")
            << 9 << calc::ConditionChoices{0} << 0.02 << 0.0 << "15 × 1.0" << 13.0
            << QStringList{remark.arg("i"), "Для сравнения, ламинарное течение: λ = 64/Re = 64/1507 = 0,04247"};
    }
    void laminarRemark()
    {
        QFETCH(int, number);
        QFETCH(calc::ConditionChoices, chosen);
        QFETCH(double, flow);
        QFETCH(double, viscosityE6);
        QFETCH(QString, size);
        QFETCH(double, diameterMm);
        QFETCH(QStringList, remark);
        CalculationRequest request;
        request.table = number;
        request.conditions.chosen = chosen;
        request.conditions.flow = {flow, calc::FlowUnit::LitresPerSecond};
        request.conditions.carrierDensity = 1100;
        request.conditions.carrierViscosityE6 = viscosityE6;
        request.size = size;
        request.diameterMm = diameterMm;
        request.length = 10;
        const CalculationOutcome outcome = calc::table(number).calculate(request);
        QVERIFY(!outcome.failed);
        const QStringList lines = report::recordLines(calc::table(number), request, outcome);
        QStringList written;
        for (const QString& line : lines)
            if (line.contains(QStringLiteral("ламинар")))
                written << line;
        QCOMPARE(written, remark);
        // The remark stands right after Re, before the formulas it qualifies.
        if (!remark.isEmpty()) {
            const qsizetype at = lines.indexOf(remark.front());
            QVERIFY(lines.at(at - 1).startsWith(QStringLiteral("Re = v·d/ν")));
            QVERIFY(lines.indexOf(QRegularExpression(QStringLiteral("(λ = \\(0,5|i = 0,0161).*"))) > at);
        }
    }

    // A copper cold-water section with only a free resistance, too fast for its 4 m/s: Σξ written
    // once, the limit that the advice stands on.
    void freeResistanceAndVelocityLimit()
    {
        CalculationRequest request;
        request.table = 9;
        request.conditions.chosen = {0};
        request.conditions.flow = {1, calc::FlowUnit::LitresPerSecond};
        request.size = QStringLiteral("15 × 1.0");
        request.diameterMm = 13;
        request.length = 10;
        request.localLosses.fittingCounts = QList<double>(12, 0);
        request.localLosses.otherResistance = 2.2;
        const CalculationOutcome outcome = calc::table(9).calculate(request);
        QVERIFY(!outcome.failed);
        const QStringList lines = report::recordLines(calc::table(9), request, outcome);
        QVERIFY(lines.contains(QStringLiteral("другие: ξ = 2,2")));
        QVERIFY(lines.contains(QStringLiteral("Σξ = 2,2")));
        // v = 4·0,001/(π·0,013²) = 7,534 м/с
        QCOMPARE(lines.mid(lines.size() - 2),
                 QStringList({"Большая скорость! Рекомендуется увеличить диаметр",
                              "Скорость v = 7,534 м/с больше предельной скорости 4 м/с"}));
    }

    // Copper supply pipe 267 × 3,0 at 20 л/сек and 60 °C: the supply formula gives no positive
    // slope; the record ends with v and the reason.
    void copperSupplyStopsAfterVelocity()
    {
        CalculationRequest request;
        request.table = 9;
        request.conditions.chosen = {2, 1};
        request.conditions.flow = {20, calc::FlowUnit::LitresPerSecond};
        request.size = QStringLiteral("267 × 3.0");
        request.diameterMm = 261;
        const CalculationOutcome outcome = calc::table(9).calculate(request);
        QCOMPARE(outcome.failed, std::optional(calc::Check::NotComputable));
        const QStringList lines = report::recordLines(calc::table(9), request, outcome);
        // v = 4·0,02/(π·0,261²) = 0,3738 м/с
        QCOMPARE(lines.mid(lines.size() - 2),
                 QStringList({"v = 0,3738 м/с", "Расчет невозможен: уклон не положителен"}));
    }

    // One window: a second record replaces the first; markup in a typed value stays text; the
    // copy carries plain text and HTML; the PDF is written whole.
    void oneRecordWindow()
    {
        CalculationRequest request;
        request.table = 7;
        request.size = QStringLiteral("<b>100</b>");
        request.diameterMm = 100;
        report::showCalculationRecord(calc::table(7), request);
        frmotchet* window = recordWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Отчёт — для  стеклопластиковых труб СП 40-104-2001"));
        auto* text = uitest::child<QTextBrowser>(window, "reportText");
        QVERIFY(text->isReadOnly());
        const QDateTime before = QDateTime::currentDateTime();
        QStringList lines = text->toPlainText().trimmed().split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 1);
        // Dated to the minute it was made, in the second line.
        const QDateTime dated = QDateTime::fromString(lines.takeAt(1), "'Дата и время расчета: 'dd.MM.yyyy HH:mm");
        QVERIFY(dated.isValid());
        QVERIFY(qAbs(dated.secsTo(before)) < 120);
        QCOMPARE(lines, QStringList({"Таблица II-7: для стеклопластиковых труб СП 40-104-2001",
                                     "Трубы и формулы: СП 40-104-2001", "Труба: внутренний диаметр <b>100</b> мм",
                                     "dp = 100 мм"}));
        QVERIFY(!uitest::child<QPushButton>(window, "csvButton")->isVisibleTo(window));

        uitest::click(window, "copyButton");
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->text().contains("Труба: внутренний диаметр <b>100</b> мм"));
        QVERIFY(copied->html().contains("Труба: внутренний диаметр &lt;b&gt;100&lt;/b&gt; мм"));

        request.size = QStringLiteral("200");
        request.diameterMm = 200;
        report::showCalculationRecord(calc::table(7), request);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* each) { return qobject_cast<frmotchet*>(each) != nullptr; }),
                 1);
        QCOMPARE(recordWindow(), window);
        QVERIFY(text->toPlainText().contains("dp = 200 мм"));
        QVERIFY(!text->toPlainText().contains("<b>"));

        QTemporaryDir folder;
        platform::setFileDialogReplacement([&](const platform::FileDialogRequest&) { return folder.filePath("отчёт"); });
        uitest::click(window, "pdfButton");
        platform::setFileDialogReplacement({});
        QFile pdf(folder.filePath("отчёт.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-z])"));
        QCOMPARE(QString::fromLatin1(bytes).count(page), 1);
        QCOMPARE(uitest::takeFileErrors(), QStringList());
        window->close();
    }
};

UITEST_MAIN(CalculationRecordTest)
#include "tst_calculationrecord.moc"
