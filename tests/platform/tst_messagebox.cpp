#include "platform/messagebox.h"
#include "platform/palette.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// Runs without the test sink: the real box is shown and inspected.
class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void inputErrorBox()
    {
        QString title, shown;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            shown = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            box->accept();
        });
        platform::showInputError(nullptr, "расход не должен равняться нулю!\r введите значение расхода");
        QCOMPARE(title, QString("ошибка ввода"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, 1);
        QCOMPARE(shown, QString("расход не должен равняться нулю!\n введите значение расхода"));
    }

    void fileErrorBox()
    {
        QString title, shown;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            shown = box->text();
            icon = box->icon();
            box->accept();
        });
        platform::showFileError(nullptr, "/home/u/нет/таблица.csv", "No such file or directory");
        QCOMPARE(title, QString("ошибка записи файла"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(shown, QString("Не удалось записать файл\n/home/u/нет/таблица.csv\n\nNo such file or directory"));
    }

    void sinkReplacesTheBox()
    {
        QStringList recorded;
        platform::setInputErrorSink([&](const QString& text) { recorded << text; });
        platform::showInputError(nullptr, "a\rb");
        platform::setInputErrorSink({});
        QCOMPARE(recorded, QStringList{"a\rb"});
    }

    void paletteIndices()
    {
        QCOMPARE(platform::paletteColour(0), QColor(0, 0, 0));
        QCOMPARE(platform::paletteColour(2), QColor(0, 128, 0));
        QCOMPARE(platform::paletteColour(8), QColor(128, 128, 128));
        QCOMPARE(platform::paletteColour(12), QColor(255, 0, 0));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "tst_messagebox.moc"
