#include "platform/desktop.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

namespace platform {
namespace {

// Outside dialogs a push button ignores Enter; the keyboard user expects it to press the button.
class EnterPressesButtons : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!button || !button->hasFocus() || !button->isEnabled() || key->modifiers() & ~Qt::KeypadModifier
            || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
            return false;
        button->click();
        return true;
    }
};

}  // namespace

void setUpDesktop()
{
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QApplication::setStyle(fusion);
    QApplication::setPalette(fusion->standardPalette());
    static EnterPressesButtons* enter = nullptr;
    if (!enter) {
        enter = new EnterPressesButtons(qApp);
        qApp->installEventFilter(enter);
    }
}

}  // namespace platform
