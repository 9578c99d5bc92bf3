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

// What the three plastic and glass screens share: how the main menu opens them, their titles,
// button colours, help buttons and document links.
class tst_plasticglassscreens : public QObject {
    Q_OBJECT
private slots:
    void screen_data();
    void screen();
};

void tst_plasticglassscreens::screen_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QString>("document");
    QTest::newRow("II-5") << 5 << " для пластмассовых труб (ГОСТ 18599-2001)" << "Label17" << "ГОСТ 18599-2001"
                          << "c:\\Program Files\\TalverTable\\gost\\g18599.doc";
    QTest::newRow("II-7") << 7 << "для  стеклопластиковых труб СП 40-104-2001" << "Label8" << "СП 40-104-2001"
                          << "c:\\Program Files\\TalverTable\\gost\\sp40_104_2001.doc";
    QTest::newRow("II-8") << 8 << "для стеклянных труб ГОСТ 8894-86" << "Label17" << "ГОСТ 8894-86"
                          << "c:\\Program Files\\TalverTable\\gost\\g8894.doc";
}

void tst_plasticglassscreens::screen()
{
    QFETCH(int, number);
    QFETCH(QString, title);
    QFETCH(QString, link);
    QFETCH(QString, designation);
    QFETCH(QString, document);
    std::unique_ptr<QWidget> window(createCalculator(number));
    QVERIFY(window);
    window->show();
    QCOMPARE(window->objectName(), QString("frmtablII%1").arg(number));
    QCOMPARE(window->windowTitle(), title);
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));

    for (const char* name : {"Command2", "Command3"})
        QCOMPARE(platform::buttonBackground(child<QWidget>(window.get(), name)), QColor(192, 255, 192));
    for (const char* name : {"Command1", "Command4"})
        QCOMPARE(platform::buttonBackground(child<QWidget>(window.get(), name)), QColor(255, 192, 192));
    auto* help = child<QAbstractButton>(window.get(), "Command5");
    QVERIFY(!help->icon().isNull());
    QCOMPARE(help->text(), QString());

    auto* label = child<QLabel>(window.get(), link.toLatin1().constData());
    QCOMPARE(label->text(), designation);
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

UITEST_MAIN(tst_plasticglassscreens)
#include "tst_plasticglassscreens.moc"
