#include "platform/savequestion.h"

#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {
SaveQuestionReplacement& replacement()
{
    static SaveQuestionReplacement instance;
    return instance;
}
StartNewReplacement& startNewReplacement()
{
    static StartNewReplacement instance;
    return instance;
}
}  // namespace

void setSaveQuestionReplacement(SaveQuestionReplacement newReplacement) { replacement() = std::move(newReplacement); }

SaveAnswer askToSave(QWidget* parent, const QString& question)
{
    if (replacement())
        return replacement()(question);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Таблица участков"), question, QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QStringLiteral("Сохранить"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Не сохранять"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save)
        return SaveAnswer::Save;
    if (box.clickedButton() == discard)
        return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
}

void setStartNewReplacement(StartNewReplacement replacement) { startNewReplacement() = std::move(replacement); }

bool askToStartNew(QWidget* parent, const QString& question)
{
    if (startNewReplacement())
        return startNewReplacement()(question);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Таблица участков"), question, QMessageBox::NoButton, parent);
    QPushButton* startNew = box.addButton(QStringLiteral("Новая таблица"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(startNew);
    box.exec();
    return box.clickedButton() == startNew;
}

}  // namespace platform
