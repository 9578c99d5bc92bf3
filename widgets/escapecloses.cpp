#include "widgets/escapecloses.h"

#include <QKeyEvent>
#include <QWidget>

namespace widgets {
namespace {

class EscapeCloses : public QObject {
public:
    explicit EscapeCloses(QWidget* window) : QObject(window), window(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier)
            return false;
        window->close();
        return true;
    }

private:
    QWidget* window;
};

}  // namespace

void closeOnEscape(QWidget* window) { new EscapeCloses(window); }

}  // namespace widgets
