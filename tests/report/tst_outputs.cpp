#include "platform/filedialogs.h"
#include "platform/printpreview.h"
#include "platform/progress.h"
#include "report/outputbar.h"
#include "report/pagepainter.h"
#include "report/renderings.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <csignal>
#include <sys/resource.h>

namespace {
// A window as the program's windows build it: a table view above the output bar.
struct OutputWindow {
    QWidget window;
    QStandardItemModel model{3, 3};
    QTableView* view = new QTableView;
    report::OutputBar* bar = new report::OutputBar;
    report::Document document;

    OutputWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(view);
        layout->addWidget(bar);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                model.setItem(row, column, new QStandardItem(QStringLiteral("%1%2").arg(QChar(u'a' + column)).arg(row)));
        view->setModel(&model);
        bar->setDocumentProvider([this] { return document; });
        bar->setViewProvider([this] { return view; });
        window.show();
    }
};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects of a PDF file; the page tree itself is "/Type /Pages".
int pdfPageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-z])"));
    return int(QString::fromLatin1(pdf).count(page));
}

report::Document rowsDocument(int rowCount)
{
    report::Document document{QStringLiteral("Подбор диаметра"), {QStringLiteral("Сталь"), QStringLiteral("Q = 1,5 л/с")}, {}, {}};
    report::Table table{{QStringLiteral("Q, л/с"), QStringLiteral("v, м/с"), QStringLiteral("1000i")}, {}, {}};
    for (int r = 0; r < rowCount; ++r)
        table.rows << QStringList{QString::number(r + 1), QStringLiteral("0,5"), QStringLiteral("12,345")};
    document.tables << table;
    return document;
}

QStringList entries(const QString& folder) { return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries); }
}  // namespace

class OutputsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        platform::setFileDialogReplacement({});
        platform::setPrintPreviewReplacement({});
        QCOMPARE(uitest::takeFileErrors(), QStringList());
    }

    void buttons()
    {
        OutputWindow shown;
        QCOMPARE(uitest::text(&shown.window, "copyButton"), QString("Копировать"));
        QCOMPARE(uitest::text(&shown.window, "csvButton"), QString("Сохранить CSV\u2026"));
        QCOMPARE(uitest::text(&shown.window, "printButton"), QString("Печать\u2026"));
        QCOMPARE(uitest::text(&shown.window, "pdfButton"), QString("Сохранить PDF\u2026"));
        QCOMPARE(uitest::text(&shown.window, "saveXlsxButton"), QString("Сохранить в Excel\u2026"));
        QCOMPARE(uitest::child<QCheckBox>(&shown.window, "gostFrameBox")->text(), QString("В рамке по ГОСТ Р 21.101"));
        QVERIFY(uitest::child<QPushButton>(&shown.window, "csvButton")->isVisible());
        QVERIFY(uitest::child<QPushButton>(&shown.window, "saveXlsxButton")->isVisible());
        shown.bar->setCsvVisible(false);
        QVERIFY(!uitest::child<QPushButton>(&shown.window, "csvButton")->isVisible());
        QVERIFY(!uitest::child<QPushButton>(&shown.window, "saveXlsxButton")->isVisible());
    }

    void csvWrittenAndReadBack()
    {
        QTemporaryDir folder;
        OutputWindow shown;
        shown.document = {QStringLiteral("Подбор: сталь"), {QStringLiteral("Q = 1,5 л/с")}, {}, {}};
        platform::FileDialogRequest asked;
        platform::setFileDialogReplacement([&](const platform::FileDialogRequest& request) {
            asked = request;
            return folder.filePath(QStringLiteral("подбор"));
        });
        // The document is the one of the moment of the click, not of the bar's setup.
        shown.document.tables << report::Table{{"Размер", "v, м/с", "Оценка"},
                                               {{"21,3 × 2,8", "1,234", "скорость; больше 3 м/с"},
                                                {"26,8", "0,5", "он сказал \"да\"\nи ушёл"}},
                                               {1}};
        uitest::click(&shown.window, "csvButton");
        QCOMPARE(asked.kind, platform::FileDialogRequest::Save);
        QCOMPARE(asked.caption, QString("Сохранить CSV"));
        QCOMPARE(asked.suggestedName, QString("Подбор_ сталь.csv"));
        QCOMPARE(asked.filter, QString("Таблица CSV (*.csv)"));
        QCOMPARE(entries(folder.path()), QStringList{"подбор.csv"});
        QCOMPARE(contents(folder.filePath("подбор.csv")),
                 QByteArray("\xEF\xBB\xBF"
                            "Размер;v, м/с;Оценка\r\n"
                            "21,3 × 2,8;1,234;\"скорость; больше 3 м/с\"\r\n"
                            "26,8;0,5;\"он сказал \"\"да\"\"\nи ушёл\"\r\n"));
    }

    void cancelWritesNothing()
    {
        QTemporaryDir folder;
        OutputWindow shown;
        shown.document = rowsDocument(3);
        int asked = 0;
        platform::setFileDialogReplacement([&](const platform::FileDialogRequest&) {
            ++asked;
            return QString();
        });
        uitest::click(&shown.window, "csvButton");
        uitest::click(&shown.window, "pdfButton");
        QCOMPARE(asked, 2);
        QCOMPARE(entries(folder.path()), QStringList());
    }

    void htmlIsEscaped()
    {
        const report::Table table{{"<b>", "a & b"}, {{"1,5", "<i>x</i>"}, {"2,5", "&amp;"}}, {1}};
        QCOMPARE(report::htmlTable(table),
                 QString("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
                         "<tr><th>&lt;b&gt;</th><th>a &amp; b</th></tr>\n"
                         "<tr><td>1,5</td><td>&lt;i&gt;x&lt;/i&gt;</td></tr>\n"
                         "<tr><td><b>2,5</b></td><td><b>&amp;amp;</b></td></tr>\n"
                         "</table>\n"));
    }

    void copyOfTheSelection()
    {
        OutputWindow shown;
        shown.document.tables << report::Table{{"H1", "H2"}, {{"1,5", "x"}}, {}};
        QItemSelectionModel* selection = shown.view->selectionModel();
        selection->select(QItemSelection(shown.model.index(0, 1), shown.model.index(1, 2)), QItemSelectionModel::Select);
        uitest::click(&shown.window, "copyButton");
        QCOMPARE(QApplication::clipboard()->text(), QString("b0\tc0\nb1\tc1\n"));
        QVERIFY(QApplication::clipboard()->mimeData()->html().contains(
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n"
            "<tr><td>b0</td><td>c0</td></tr>\n<tr><td>b1</td><td>c1</td></tr>\n</table>\n"));

        // Two apart cells: their bounding rectangle, the cells between them empty; by Ctrl+C.
        selection->clearSelection();
        selection->select(shown.model.index(0, 0), QItemSelectionModel::Select);
        selection->select(shown.model.index(2, 1), QItemSelectionModel::Select);
        QApplication::clipboard()->clear();
        shown.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        shown.view->setFocus();
        QTest::keyClick(shown.view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("a0\t\n\t\n\tb2\n"));
    }

    void copyOfTheWholeTable()
    {
        OutputWindow shown;
        shown.document = {"Подбор", {"Сталь"}, {report::Table{{"H1", "H2"}, {{"1,5", "x"}, {"2,5", "y"}}, {}}}, {}};
        uitest::click(&shown.window, "copyButton");
        QCOMPARE(QApplication::clipboard()->text(), QString("H1\tH2\n1,5\tx\n2,5\ty\n"));
        QVERIFY(QApplication::clipboard()->mimeData()->html().contains("<tr><th>H1</th><th>H2</th></tr>\n"));

        shown.document = {"Запись расчёта", {"Сталь", "Q = 1,5 л/с"}, {}, {"v = 4·Q/(π·d²) = 0,5 м/с"}};
        uitest::click(&shown.window, "copyButton");
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("Запись расчёта\n\nСталь\nQ = 1,5 л/с\n\nv = 4·Q/(π·d²) = 0,5 м/с\n"));
        QVERIFY(QApplication::clipboard()->mimeData()->html().contains("<p>v = 4·Q/(π·d²) = 0,5 м/с</p>"));
    }

    void pageBreaks_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        // A4, 15 mm margins: 740,85 pt above the 16 pt foot. The title takes 21 pt on every
        // page, the two conditions 28,5 pt on the first, the header and each row 15,75 pt:
        // 42 rows fit on the first page, 44 on each next one.
        QTest::newRow("one row") << 1 << 1;
        QTest::newRow("first page full") << 42 << 1;
        QTest::newRow("one row over") << 43 << 2;
        QTest::newRow("second page full") << 86 << 2;
        QTest::newRow("third page begun") << 87 << 3;
        QTest::newRow("150 rows") << 150 << 4;
    }

    void pageBreaks()
    {
        QFETCH(int, rows);
        QFETCH(int, pages);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QCOMPARE(report::writePdf(rowsDocument(rows), pdf), pages);
        QCOMPARE(pdfPageCount(pdf.data()), pages);
    }

    void pdfAndPrintThroughTheBar()
    {
        QTemporaryDir folder;
        OutputWindow shown;
        shown.document = rowsDocument(150);
        platform::setFileDialogReplacement([&](const platform::FileDialogRequest& request) {
            [&] { QCOMPARE(request.filter, QString("Документ PDF (*.pdf)")); }();
            return folder.filePath("таблица");
        });
        uitest::click(&shown.window, "pdfButton");
        const QByteArray written = contents(folder.filePath("таблица.pdf"));
        QVERIFY(written.startsWith("%PDF-"));
        QCOMPARE(pdfPageCount(written), 4);

        QPageLayout::Orientation asked = QPageLayout::Landscape;
        platform::setPrintPreviewReplacement([&](QPageLayout::Orientation orientation, const platform::PagePainter& paint) {
            asked = orientation;
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(folder.filePath("printed.pdf"));
            printer.setPageLayout(platform::documentPageLayout());
            paint(&printer);
        });
        uitest::click(&shown.window, "printButton");
        QCOMPARE(asked, QPageLayout::Portrait);
        QCOMPARE(pdfPageCount(contents(folder.filePath("printed.pdf"))), 4);
    }

    // The choice of the frame is remembered; the PDF and the printout then carry the title block.
    void framedThroughTheBar()
    {
        QTemporaryDir folder;
        QSettings().remove("output/gostFrame");
        {
            OutputWindow shown;
            QVERIFY(!uitest::child<QCheckBox>(&shown.window, "gostFrameBox")->isChecked());
            uitest::child<QCheckBox>(&shown.window, "gostFrameBox")->click();
        }
        OutputWindow shown;
        auto* box = uitest::child<QCheckBox>(&shown.window, "gostFrameBox");
        QVERIFY(box->isChecked());
        shown.document = rowsDocument(150);
        shown.document.stamp.designation = "123-ВК";
        platform::setFileDialogReplacement([&](const platform::FileDialogRequest&) { return folder.filePath("таблица.pdf"); });
        uitest::click(&shown.window, "pdfButton");
        platform::setPrintPreviewReplacement([&](QPageLayout::Orientation, const platform::PagePainter& paint) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(folder.filePath("printed.pdf"));
            printer.setPageLayout(platform::documentPageLayout());
            paint(&printer);
        });
        uitest::click(&shown.window, "printButton");
        box->click();
        for (const QString& name : QStringList{"таблица.pdf", "printed.pdf"}) {
            QProcess text;
            text.start("pdftotext", {"-f", "1", "-l", "1", folder.filePath(name), "-"});
            QVERIFY(text.waitForFinished());
            const QString page = QString::fromUtf8(text.readAllStandardOutput());
            QVERIFY2(page.contains("Разраб.") && page.contains("123-ВК") && page.contains("Листов"), qPrintable(name));
        }
    }

    void xlsxThroughTheBar()
    {
        QTemporaryDir folder;
        OutputWindow shown;
        shown.document = rowsDocument(3);
        platform::FileDialogRequest asked;
        platform::setFileDialogReplacement([&](const platform::FileDialogRequest& request) {
            asked = request;
            return folder.filePath("подбор.xlsx");
        });
        uitest::click(&shown.window, "saveXlsxButton");
        QCOMPARE(asked.caption, QString("Сохранить в Excel"));
        QCOMPARE(asked.suggestedName, QString("Подбор диаметра.xlsx"));
        QCOMPARE(asked.filter, QString("Книга Excel (*.xlsx)"));
        QCOMPARE(asked.defaultSuffix, QString("xlsx"));
        QVERIFY(contents(folder.filePath("подбор.xlsx")).startsWith("PK\x03\x04"));
    }

    // 41 columns of "12,345" need some 1 500 pt, more than the 510 pt inside a portrait page;
    // 8 of them need some 300 pt.
    void wideTableTurnsThePage()
    {
        report::Table wide{{}, {QStringList(41, QStringLiteral("12,345"))}, {}};
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QCOMPARE(report::writePdf({"Таблица", {}, {wide}, {}}, pdf), 1);
        QVERIFY(pdf.data().contains("/MediaBox [0 0 842.000000 595.000000]"));

        wide.rows.first().resize(8);
        QBuffer narrow;
        narrow.open(QIODevice::WriteOnly);
        report::writePdf({"Таблица", {}, {wide}, {}}, narrow);
        QVERIFY(narrow.data().contains("/MediaBox [0 0 595.000000 842.000000]"));
    }

    // Widths in points; column 0 goes with every part.
    void columnRanges_data()
    {
        using Ranges = QList<report::ColumnRange>;
        QTest::addColumn<QList<double>>("widths");
        QTest::addColumn<double>("room");
        QTest::addColumn<int>("together");
        QTest::addColumn<Ranges>("ranges");
        QTest::newRow("fits whole") << QList<double>{10, 30, 30, 30, 30} << 200.0 << 2 << Ranges{{1, 5}};
        QTest::newRow("pairs kept together") << QList<double>{10, 30, 30, 30, 30} << 100.0 << 2 << Ranges{{1, 3}, {3, 5}};
        QTest::newRow("single columns") << QList<double>{10, 30, 30, 30, 30} << 75.0 << 1 << Ranges{{1, 3}, {3, 5}};
        QTest::newRow("a pair cut short at the end") << QList<double>{10, 30, 30, 30} << 90.0 << 2 << Ranges{{1, 3}, {3, 4}};
        QTest::newRow("a column wider than the room") << QList<double>{10, 200, 5} << 50.0 << 1 << Ranges{{1, 2}, {2, 3}};
    }
    void columnRanges()
    {
        QFETCH(QList<double>, widths);
        QFETCH(double, room);
        QFETCH(int, together);
        QFETCH(QList<report::ColumnRange>, ranges);
        QCOMPARE(report::columnRanges(widths, room, together), ranges);
    }

    // Every write that fails, short files (under the buffer of the file) among them, names the
    // file and the reason in words, and leaves the file that was there byte for byte and nothing
    // beside it.
    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("name");  // the folder "папка.pdf" is there
        QTest::addColumn<qint64>("sizeLimit");  // of a file, bytes; 0 for none
        QTest::addColumn<QString>("reason");
        const QString tooLarge = QStringLiteral("файл больше, чем разрешено в системе");
        QTest::newRow("short CSV") << "csvButton" << 3 << "таблица.csv" << qint64(64) << tooLarge;
        QTest::newRow("long CSV") << "csvButton" << 2000 << "таблица.csv" << qint64(4096) << tooLarge;
        QTest::newRow("short PDF") << "pdfButton" << 1 << "таблица.pdf" << qint64(4096) << tooLarge;
        QTest::newRow("missing folder") << "csvButton" << 3 << "нет/таблица.csv" << qint64(0)
                                        << QStringLiteral("нет такого файла или папки");
        QTest::newRow("a folder") << "pdfButton" << 3 << "папка.pdf" << qint64(0) << QStringLiteral("это папка, а не файл");
        QTest::newRow("Excel into a folder") << "saveXlsxButton" << 3 << "папка.pdf" << qint64(0)
                                             << QStringLiteral("это папка, а не файл");
        QTest::newRow("Excel, no room") << "saveXlsxButton" << 3 << "нет/таблица.xlsx" << qint64(0)
                                        << QStringLiteral("нет такого файла или папки");
    }
    void failedWriteKeepsTheOldFile()
    {
        QFETCH(QString, button);
        QFETCH(int, rows);
        QFETCH(QString, name);
        QFETCH(qint64, sizeLimit);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("папка.pdf"));
        const QString path = folder.filePath(name);
        QFile old(path);
        if (old.open(QIODevice::WriteOnly))
            old.write("old;table\r\n");
        old.close();
        const QStringList present = entries(folder.path());
        OutputWindow shown;
        shown.document = rowsDocument(rows);
        platform::setFileDialogReplacement([&](const platform::FileDialogRequest&) { return path; });

        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        if (sizeLimit > 0)
            small.rlim_cur = rlim_t(sizeLimit);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        uitest::click(&shown.window, button.toLatin1().constData());
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(uitest::takeFileErrors(), QStringList{"Не удалось записать файл\n" + path + "\n\n" + reason});
        if (QFileInfo(path).isFile())
            QCOMPARE(contents(path), QByteArray("old;table\r\n"));
        QCOMPARE(entries(folder.path()), present);
    }

    // A cell of text that a spreadsheet would take for a formula, and a name that it would take
    // for a number or a date, are written so that it shows the text; numbers stay numbers.
    void csvCells_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("label");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("formula") << "=1+1" << false << QByteArray("'=1+1");
        QTest::newRow("link") << "=HYPERLINK(\"http://x\";\"1\")" << true
                              << QByteArray("\"'=HYPERLINK(\"\"http://x\"\";\"\"1\"\")\"");
        QTest::newRow("plus") << "+7 (495) 1" << false << QByteArray("'+7 (495) 1");
        QTest::newRow("minus") << "-A1" << false << QByteArray("'-A1");
        QTest::newRow("at") << "@SUM(A1)" << false << QByteArray("'@SUM(A1)");
        QTest::newRow("tab") << "\t=1" << false << QByteArray("'\t=1");
        QTest::newRow("carriage return") << "\r=1" << false << QByteArray("\"'\r=1\"");
        QTest::newRow("negative number") << "-0,5" << false << QByteArray("-0,5");
        QTest::newRow("signed number") << "+12" << false << QByteArray("+12");
        QTest::newRow("number") << "1,10" << false << QByteArray("1,10");
        QTest::newRow("name like a number") << "1,10" << true << QByteArray("'1,10");
        QTest::newRow("name with a leading zero") << "01" << true << QByteArray("'01");
        QTest::newRow("name like a date") << "2.3.4" << true << QByteArray("'2.3.4");
        QTest::newRow("name of a span") << "1-2" << true << QByteArray("'1-2");
        QTest::newRow("name like a negative number") << "-5" << true << QByteArray("'-5");
        QTest::newRow("name a whole number") << "12" << true << QByteArray("12");
        QTest::newRow("name zero") << "0" << true << QByteArray("0");
        QTest::newRow("name of 15 digits") << "123456789012345" << true << QByteArray("123456789012345");
        QTest::newRow("name of 16 digits") << "1234567890123456" << true << QByteArray("'1234567890123456");
        QTest::newRow("name in words") << "Участок 1" << true << QByteArray("Участок 1");
        QTest::newRow("dash of no figure") << "—" << false << QByteArray("—");
    }
    void csvCells()
    {
        QFETCH(QString, cell);
        QFETCH(bool, label);
        QFETCH(QByteArray, written);
        report::Table table{{"№"}, {{cell}}, {}};
        if (label)
            table.labelColumns = {0};
        QCOMPARE(report::csv({"Участки", {}, {table}, {}}), QByteArray("\xEF\xBB\xBF№\r\n") + written + "\r\n");
    }

    void shortenedCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("short") << "1-2" << "1-2";
        QTest::newRow("six lines") << "1\n2\n3\n4\n5\n6" << "1\n2\n3\n4\n5\n6";
        QTest::newRow("200 lines") << QString("7\n").repeated(200) << "7\n7\n7\n7\n7\n7\u2026";
        QTest::newRow("100 characters") << QString(100, u'ж') << QString(100, u'ж');
        QTest::newRow("a megabyte") << QString(1 << 20, u'ж') << QString(99, u'ж') + "\u2026";
        QTest::newRow("a long sixth line") << "1\n2\n3\n4\n5\n" + QString(150, u'x') + "\n7"
                                           << "1\n2\n3\n4\n5\n" + QString(99, u'x') + "\u2026";
    }
    void shortenedCells()
    {
        QFETCH(QString, text);
        QTEST(report::shortenedCell(text), "shown");
    }

    // Rows of 200 lines each stay within a page; before the cut each took a page of its own and
    // ran through its foot.
    void tallCellsKeepToThePage()
    {
        report::Document document = rowsDocument(3);
        for (QStringList& row : document.tables.first().rows)
            row.first() = QString("1\n").repeated(200);
        document.tables.first().rows.first()[1] = QString(1 << 20, u'ж');
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QCOMPARE(report::writePdf(document, pdf), 1);
        QVERIFY(pdf.data().contains("/MediaBox [0 0 842.000000 595.000000]"));
    }

    // A PDF whose writing the user stops leaves no file and shows no error.
    void cancelledPdf()
    {
        QTemporaryDir folder;
        OutputWindow shown;
        shown.document = rowsDocument(500);
        platform::setFileDialogReplacement([&](const platform::FileDialogRequest&) { return folder.filePath("таблица"); });
        QStringList labels;
        qint64 lastDone = -1;
        qint64 lastTotal = 0;
        platform::setProgressReplacement([&](const QString& label, qint64 done, qint64 total) {
            labels << label;
            lastDone = done;
            lastTotal = total;
            return done < 2100;
        });
        uitest::click(&shown.window, "pdfButton");
        platform::setProgressReplacement([](const QString&, qint64, qint64) { return true; });
        labels.removeDuplicates();
        QCOMPARE(labels, QStringList{"Запись PDF…"});
        // Twice the 1 500 cells: laid out once to count the pages, then painted; stopped at the
        // 200th row painted.
        QCOMPARE(lastTotal, qint64(3000));
        QCOMPARE(lastDone, qint64(2100));
        QCOMPARE(entries(folder.path()), QStringList());
    }
};

UITEST_MAIN(OutputsTest)
#include "tst_outputs.moc"
