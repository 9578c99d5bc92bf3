#include "app/calculators.h"
#include "platform/documents.h"
#include "platform/palette.h"
#include "tests/common/uitest.h"
#include "widgets/clickablelabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

using namespace uitest;

namespace {

// A calculator that has found the values of 1 л/сек in a diameter pasted past "другой".
std::unique_ptr<QWidget> foundWithTypedDiameter(int number, const QString& diameter)
{
    std::unique_ptr<QWidget> window(createCalculator(number));
    window->show();
    click(window.get(), "Check1");
    pasteInto(window.get(), "Text2", diameter);
    typeInto(window.get(), "Text1", "1");
    click(window.get(), "Command2");
    return window;
}

}  // namespace

// What the classic screens (II-1 to II-8) share: how the main menu opens them, their titles,
// button colours, help buttons and document links.
class tst_classicscreens : public QObject {
    Q_OBJECT
private slots:
    void screen_data();
    void screen();
    void labelsShowTextAsItIs_data();
    void labelsShowTextAsItIs();
    void typedDiameterShownAsTyped_data();
    void typedDiameterShownAsTyped();
    void infiniteTypedDiameterIsRefused_data();
    void infiniteTypedDiameterIsRefused();
    void resultsCanBeCopied_data();
    void resultsCanBeCopied();
};

void tst_classicscreens::screen_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("helpName");
    QTest::newRow("II-1") << 1 << "трубы стальные (газовые) d=6...150мм  (ГОСТ3262-75)" << "Label11"
                          << "ГОСТ 3262-75" << "c:\\Program Files\\TalverTable\\gost\\g3262.doc" << "frmhelp1";
    QTest::newRow("II-2") << 2 << "трубы стальные ГОСТ 10704-91" << "Label11" << "ГОСТ 10704-91"
                          << "c:\\Program Files\\TalverTable\\gost\\g10704.doc" << "frmhelp1";
    QTest::newRow("II-3") << 3 << "для чугунных труб d=50...1200мм (ГОСТ 9583-75 и ГОСТ 21053-75)" << "Label1"
                          << "ГОСТ 9583-75" << "c:\\Program Files\\TalverTable\\gost\\g9583.doc" << "frmhelp3";
    QTest::newRow("II-4") << 4 << "для асбестоцементных труб ВТ6, ВТ9, ВТ12, ВТ15 (ГОСТ 539-80)" << "Label9"
                          << "ГОСТ 539-80" << "c:\\Program Files\\TalverTable\\gost\\g539.doc" << "frmhelp4";
    QTest::newRow("II-6") << 6 << "для  железебетонных труб  ГОСТ 12586.0-83" << "Label12" << "ГОСТ 12586.0-83"
                          << "c:\\Program Files\\TalverTable\\gost\\g12586.doc" << "frmhelp6";
    QTest::newRow("II-5") << 5 << " для пластмассовых труб (ГОСТ 18599-2001)" << "Label17" << "ГОСТ 18599-2001"
                          << "c:\\Program Files\\TalverTable\\gost\\g18599.doc" << "frmhelp5";
    QTest::newRow("II-7") << 7 << "для  стеклопластиковых труб СП 40-104-2001" << "Label8" << "СП 40-104-2001"
                          << "c:\\Program Files\\TalverTable\\gost\\sp40_104_2001.doc" << "frmhelp7";
    QTest::newRow("II-8") << 8 << "для стеклянных труб ГОСТ 8894-86" << "Label17" << "ГОСТ 8894-86"
                          << "c:\\Program Files\\TalverTable\\gost\\g8894.doc" << "frmhelp8";
}

void tst_classicscreens::screen()
{
    QFETCH(int, number);
    QFETCH(QString, link);
    QFETCH(QString, document);
    QFETCH(QString, helpName);
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
        if (top->objectName() == helpName && top->isVisible())
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

void tst_classicscreens::labelsShowTextAsItIs_data()
{
    QTest::addColumn<int>("number");
    for (const app::TableWindows& table : app::tableWindows())
        QTest::newRow(qPrintable(QString("II-%1").arg(table.number))) << table.number;
}

// Every label of a calculator, its results and the labels of a shared panel alike.
void tst_classicscreens::labelsShowTextAsItIs()
{
    QFETCH(int, number);
    std::unique_ptr<QWidget> window(createCalculator(number));
    const auto labels = window->findChildren<QLabel*>();
    QVERIFY(labels.size() > 10);
    for (const QLabel* label : labels)
        QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
}

void tst_classicscreens::typedDiameterShownAsTyped_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("diameter");
    const QStringList markup{"50<b>x</b>", "50<img src=\"/etc/hostname\">", "50&amp;"};
    for (const QString& text : markup) {
        QTest::newRow(qPrintable("II-5 " + text)) << 5 << "Label1" << text;
        QTest::newRow(qPrintable("II-6 " + text)) << 6 << "Label3" << text;
        QTest::newRow(qPrintable("II-7 " + text)) << 7 << "Label3" << text;
        QTest::newRow(qPrintable("II-8 " + text)) << 8 << "Label3" << text;
    }
}

// A pasted diameter is shown as the user pasted it: its markup neither formats nor loads anything.
void tst_classicscreens::typedDiameterShownAsTyped()
{
    QFETCH(int, number);
    QFETCH(QString, shown);
    QFETCH(QString, diameter);
    std::unique_ptr<QWidget> window = foundWithTypedDiameter(number, diameter);
    takeMessages();
    auto* label = child<QLabel>(window.get(), shown.toLatin1().constData());
    QCOMPARE(label->text(), diameter);
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

void tst_classicscreens::infiniteTypedDiameterIsRefused_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<QString>("advice");
    QTest::newRow("II-5") << 5 << "Label3" << "Label8";
    QTest::newRow("II-8") << 8 << "Label1" << "";
}

// An earlier result stays when a diameter too large for a number is typed.
void tst_classicscreens::infiniteTypedDiameterIsRefused()
{
    QFETCH(int, number);
    QFETCH(QString, velocity);
    QFETCH(QString, advice);
    std::unique_ptr<QWidget> window = foundWithTypedDiameter(number, "100");
    QCOMPARE(takeMessages(), QStringList());
    const QByteArray velocityName = velocity.toLatin1();
    QCOMPARE(text(window.get(), velocityName.constData()), QStringLiteral("0,127"));
    const QString adviceBefore = advice.isEmpty() ? QString() : text(window.get(), advice.toLatin1().constData());

    pasteInto(window.get(), "Text2", "1e999");
    click(window.get(), "Command2");
    QCOMPARE(takeMessages(), QStringList{QStringLiteral("расчет невозможен!\r проверьте введенные значения")});
    QCOMPARE(text(window.get(), velocityName.constData()), QStringLiteral("0,127"));
    if (!advice.isEmpty())
        QCOMPARE(text(window.get(), advice.toLatin1().constData()), adviceBefore);
}

void tst_classicscreens::resultsCanBeCopied_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("shown");
    // A typed diameter of 100 mm and 1 л/сек.
    QTest::newRow("II-8 velocity") << 8 << "Label1" << "0,127";
    QTest::newRow("II-6 advice") << 6 << "Label7" << "";
}

// A result is selected with the mouse and copied with Ctrl+C; its text and colour stay.
void tst_classicscreens::resultsCanBeCopied()
{
    QFETCH(int, number);
    QFETCH(QString, result);
    QFETCH(QString, shown);
    std::unique_ptr<QWidget> window = foundWithTypedDiameter(number, "100");
    takeMessages();
    auto* label = child<QLabel>(window.get(), result.toLatin1().constData());
    QVERIFY(label->textInteractionFlags() & Qt::TextSelectableByMouse);
    QVERIFY(!label->text().isEmpty());
    if (!shown.isEmpty())
        QCOMPARE(label->text(), shown);
    const QColor before = captionColour(window.get(), result.toLatin1().constData());
    QApplication::clipboard()->clear();
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(2, label->height() / 2));
    label->setSelection(0, int(label->text().size()));
    QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), label->text());
    QCOMPARE(captionColour(window.get(), result.toLatin1().constData()), before);
    // Document links stay links: a click opens their document, it does not select.
    for (const QLabel* link : window->findChildren<ClickableLabel*>())
        QVERIFY(!(link->textInteractionFlags() & Qt::TextSelectableByMouse));
}

UITEST_MAIN(tst_classicscreens)
#include "tst_classicscreens.moc"
