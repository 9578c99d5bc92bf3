#include "platform/messagebox.h"
#include "platform/palette.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <functional>

namespace {
struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
};

// What the modal box that show() opens holds; the box is closed by its OK button.
ShownBox shownBox(const std::function<void()>& show)
{
    ShownBox shown;
    uitest::answerModal<QMessageBox>([&](QMessageBox* box) {
        shown = {box->windowTitle(), box->text(), box->icon(), box->buttons().size()};
        box->accept();
    });
    show();
    return shown;
}
}  // namespace

// Runs without the test sink: the real box is shown and inspected.
class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void inputErrorBox()
    {
        const ShownBox shown = shownBox([] {
            platform::showInputError(nullptr, "расход не должен равняться нулю!\r введите значение расхода");
        });
        QCOMPARE(shown.title, QString("ошибка ввода"));
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(shown.buttons, 1);
        QCOMPARE(shown.text, QString("расход не должен равняться нулю!\n введите значение расхода"));
    }

    void fileErrorBox()
    {
        const ShownBox shown = shownBox([] {
            platform::showFileError(nullptr, "/home/u/нет/таблица.csv", "No such file or directory");
        });
        QCOMPARE(shown.title, QString("ошибка записи файла"));
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(shown.buttons, 1);
        QCOMPARE(shown.text, QString("Не удалось записать файл\n/home/u/нет/таблица.csv\n\nNo such file or directory"));
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
