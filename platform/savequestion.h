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

// A modal question with the buttons "Новая таблица" and "Отмена": true for a new table.
bool askToStartNew(QWidget* parent, const QString& question);

// Tests answer it instead of showing it. An empty function restores the box.
using StartNewReplacement = std::function<bool(const QString& question)>;
void setStartNewReplacement(StartNewReplacement replacement);

}  // namespace platform
