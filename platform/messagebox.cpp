#include "platform/messagebox.h"

#include <QMessageBox>

namespace platform {
namespace {
InputErrorSink& sink()
{
    static InputErrorSink instance;
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

}  // namespace platform
