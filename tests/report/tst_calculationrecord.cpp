#include "calc/common/calculationdescription.h"
#include "calc/registry/tables.h"
#include "platform/filedialogs.h"
#include "report/frmotchet.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <QClipboard>
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
        QCOMPARE(calc::description::recordLines(calc::table(2), request, results),
                 QStringList({"Таблица II-2: трубы стальные ГОСТ 10704-91",
                              "Нормативный документ: ГОСТ 10704-91",
                              "Труба: диаметр задан вручную",
                              "dp = 50 мм",
                              "Трубы новые",
                              "Система горячего водоснабжения, t = 60 °C",
                              "ν = 0,47·10⁻⁶ м²/с",
                              "Q = 3 м куб/ч = 0,83333333 л/сек = 0,0008333 м³/с",
                              "v = 4·Q/(π·d²) = 4·0,0008333/(π·0,05²) = 0,424 м/с",
                              "λ = 0,312/dp^0,226 · (1,9·10⁻⁶ + ν/v)^0,226 = 0,312/0,05^0,226 · (1,9·10⁻⁶ + "
                              "0,47·10⁻⁶/0,4244)^0,226 = 0,03469",
                              "i = λ · 1/dp · v²/2g = 0,03469 · 1/0,05 · 0,4244²/19,62 = 0,00637",
                              "1000i = 1000·0,00637 = 6,37",
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
        for (const QString& line : calc::description::recordLines(calc::table(9), request, outcome))
            if (line.startsWith(QStringLiteral("Теплоноситель")) || line.contains(QStringLiteral(" Вт, ")))
                written << line;
        QCOMPARE(written, lines);
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
        QCOMPARE(text->toPlainText().trimmed().split('\n', Qt::SkipEmptyParts),
                 QStringList({"Таблица II-7: для стеклопластиковых труб СП 40-104-2001",
                              "Нормативный документ: СП 40-104-2001", "Труба: внутренний диаметр <b>100</b> мм",
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
