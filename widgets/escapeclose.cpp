#include "widgets/escapeclose.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace widgets {

namespace {

// Sees the Escape that no control of the window took for itself.
class EscapeClose : public QObject {
public:
    explicit EscapeClose(QWidget* window) : QObject(window), window(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                window->close();
                return true;
            }
        }
        return false;
    }

private:
    QWidget* window;
};

}  // namespace

void closeOnEscape(QWidget* window) { new EscapeClose(window); }

}  // namespace widgets
