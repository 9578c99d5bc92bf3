#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

// The only box the calculators ever show: modal, error icon, "ошибка ввода", one OK button.
// Pieces of the text are joined by a carriage return; the box shows each as a line break.
void showInputError(QWidget* parent, const QString& text);

// Tests record the texts instead of showing a box. An empty function restores the box.
using InputErrorSink = std::function<void(const QString& text)>;
void setInputErrorSink(InputErrorSink sink);

// A file that could not be written: a modal box with the error icon naming the file and the
// system's reason.
void showFileError(QWidget* parent, const QString& path, const QString& reason);

// A file that could not be read or holds what cannot be taken: the same box, naming the file and
// what is wrong with it.
void showFileReadError(QWidget* parent, const QString& path, const QString& reason);

// Tests record the box texts instead of showing a box. An empty function restores the box.
using FileErrorSink = std::function<void(const QString& text)>;
void setFileErrorSink(FileErrorSink sink);

}  // namespace platform
