#include "app/calculators.h"
#include "platform/documents.h"
#include "platform/palette.h"
#include "tests/common/uitest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

using namespace uitest;

// What the cast-iron, asbestos-cement and reinforced-concrete screens share: how the main menu
// opens them, their titles, button colours, help buttons and document links.
class tst_classicscreens : public QObject {
    Q_OBJECT
private slots:
    void screen_data();
    void screen();
};

void tst_classicscreens::screen_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QString>("document");
    QTest::newRow("II-3") << 3 << "для чугунных труб d=50...1200мм (ГОСТ 9583-75 и ГОСТ 21053-75)" << "Label1"
                          << "ГОСТ 9583-75" << "c:\\Program Files\\TalverTable\\gost\\g9583.doc";
    QTest::newRow("II-4") << 4 << "для асбестоцементных труб ВТ6, ВТ9, ВТ12, ВТ15 (ГОСТ 539-80)" << "Label9"
                          << "ГОСТ 539-80" << "c:\\Program Files\\TalverTable\\gost\\g539.doc";
    QTest::newRow("II-6") << 6 << "для  железебетонных труб  ГОСТ 12586.0-83" << "Label12" << "ГОСТ 12586.0-83"
                          << "c:\\Program Files\\TalverTable\\gost\\g12586.doc";
}

void tst_classicscreens::screen()
{
    QFETCH(int, number);
    QFETCH(QString, link);
    QFETCH(QString, document);
    std::unique_ptr<QWidget> window(createCalculator(number));
    QVERIFY(window);
    window->show();
    QCOMPARE(window->objectName(), QString("frmtablII%1").arg(number));
    QTEST(window->windowTitle(), "title");
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));

    for (const char* name : {"Command2", "Command3"})
        QCOMPARE(platform::buttonBackground(child<QWidget>(window.get(), name)), QColor(192, 255, 192));
    for (const char* name : {"Command1", "Command4"})
        QCOMPARE(platform::buttonBackground(child<QWidget>(window.get(), name)), QColor(255, 192, 192));

    auto* help = child<QAbstractButton>(window.get(), "Command5");
    QVERIFY(!help->icon().isNull());
    QCOMPARE(help->text(), QString());
    click(window.get(), "Command5");
    QWidget* helpWindow = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QString("frmhelp%1").arg(number) && top->isVisible())
            helpWindow = top;
    QVERIFY(helpWindow);
    helpWindow->close();

    auto* label = child<QLabel>(window.get(), link.toLatin1().constData());
    QTEST(label->text(), "designation");
    QCOMPARE(label->toolTip(), QString("Кликни для просмотра этого нормативного документа "));
    QCOMPARE(captionColour(window.get(), link.toLatin1().constData()), QColor(0, 0, 192));

    // A missing document opens nothing; a present one is handed to the desktop.
    const QString path = platform::localDocumentPath(document);
    QFile::remove(path);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(takeOpenedDocuments(), QList<QUrl>());
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(takeOpenedDocuments(), QList<QUrl>{QUrl::fromLocalFile(path)});
    QFile::remove(path);
    QCOMPARE(takeMessages(), QStringList());
}

UITEST_MAIN(tst_classicscreens)
#include "tst_classicscreens.moc"
