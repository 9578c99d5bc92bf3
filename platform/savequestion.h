#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

enum class SaveAnswer { Save, Discard, Cancel };

// A modal question with the buttons "Сохранить", "Не сохранять" and "Отмена"; closing the box
// is Cancel.
SaveAnswer askToSave(QWidget* parent, const QString& question);

// Tests answer the question instead of showing it. An empty function restores the box.
using SaveQuestionReplacement = std::function<SaveAnswer(const QString& question)>;
void setSaveQuestionReplacement(SaveQuestionReplacement replacement);

}  // namespace platform
