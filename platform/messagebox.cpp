#include "platform/messagebox.h"

#include <QDir>
#include <QMessageBox>

namespace platform {
namespace {
InputErrorSink& sink()
{
    static InputErrorSink instance;
    return instance;
}

FileErrorSink& fileSink()
{
    static FileErrorSink instance;
    return instance;
}
}  // namespace

void setInputErrorSink(InputErrorSink newSink) { sink() = std::move(newSink); }

void showInputError(QWidget* parent, const QString& text)
{
    if (sink()) {
        sink()(text);
        return;
    }
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ошибка ввода"), shown, QMessageBox::Ok, parent);
    box.exec();
}

void setFileErrorSink(FileErrorSink newSink) { fileSink() = std::move(newSink); }

namespace {
void showFileBox(QWidget* parent, const QString& title, const QString& text)
{
    if (fileSink()) {
        fileSink()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.exec();
}
}  // namespace

void showFileError(QWidget* parent, const QString& path, const QString& reason)
{
    showFileBox(parent, QStringLiteral("ошибка записи файла"),
                QStringLiteral("Не удалось записать файл\n%1\n\n%2").arg(QDir::toNativeSeparators(path), reason));
}

void showFileReadError(QWidget* parent, const QString& path, const QString& reason)
{
    showFileBox(parent, QStringLiteral("ошибка чтения файла"),
                QStringLiteral("Не удалось открыть файл\n%1\n\n%2").arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace platform
