#include "platform/filedialogs.h"
#include "platform/startup.h"
#include "tests/common/uitest.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <csignal>

// The program's start: Qt's own texts in Russian, and no end by a file size limit.
class FileDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::prepareApplication(); }

    void fileSizeSignalIgnored()
    {
        struct sigaction action {};
        QCOMPARE(sigaction(SIGXFSZ, nullptr, &action), 0);
        QVERIFY(action.sa_handler == SIG_IGN);
    }

    // A name typed without its extension is completed before the dialog asks, in Russian,
    // whether to replace the file of the completed name.
    void overwriteQuestionOfTheCompletedName()
    {
        QTemporaryDir folder;
        QFile old(folder.filePath("участки.talver"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        QString question;
        QString yes;
        QString typed;
        uitest::answerModal<QFileDialog>([&](QFileDialog* dialog) {
            dialog->setDirectory(folder.path());
            // Its folder is read by a thread; a name typed before it is there would meet the
            // completer's list of the folder's files.
            auto* files = dialog->findChild<QFileSystemModel*>();
            QVERIFY(files);
            QVERIFY(QTest::qWaitFor([&] { return files->rowCount(files->index(folder.path())) == 1; }, 60000));
            uitest::answerModal<QMessageBox>([&](QMessageBox* box) {
                question = box->text();
                yes = box->button(QMessageBox::Yes)->text();
                box->button(QMessageBox::Yes)->click();
            });
            auto* name = uitest::child<QLineEdit>(dialog, "fileNameEdit");
            name->setText("участки");
            typed = name->text();
            QTest::keyClick(name, Qt::Key_Return);
        });
        const QString chosen = platform::saveFileName(nullptr, "Сохранить таблицу участков", "таблица.talver",
                                                      "Таблица участков (*.talver)", "talver");
        QCOMPARE(typed, QString("участки"));
        QCOMPARE(question, QString("участки.talver уже существует.\nЗаменить его?"));
        QCOMPARE(yes, QString("&Да"));
        QCOMPARE(chosen, folder.filePath("участки.talver"));
    }

    void contextMenuInRussian()
    {
        QLineEdit input;
        std::unique_ptr<QMenu> menu(input.createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                texts << action->text().section(u'\t', 0, 0);
        QCOMPARE(texts, (QStringList{"&Отменить действие", "&Повторить действие", "&Вырезать", "&Копировать",
                                     "В&ставить", "Удалить", "Выделить всё"}));
    }
};

UITEST_MAIN(FileDialogsTest)
#include "tst_filedialogs.moc"
