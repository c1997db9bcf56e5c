#include "wizard/controls/ButtonEnterKey.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace wizard
{

namespace
{

class ButtonEnterKey : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = static_cast<QAbstractButton*>(watched);
        // A held key repeats: one press, as a click is one.
        if (key->isAutoRepeat() || !button->isEnabled())
            return true;
        // A button that only opens its menu opens it, as Space does.
        auto* menuButton = qobject_cast<QToolButton*>(button);
        if (menuButton && menuButton->menu() &&
            menuButton->popupMode() == QToolButton::InstantPopup)
            menuButton->showMenu();
        else
            button->click();
        return true;
    }
};

} // namespace

void pressFocusedButtonOnEnter(QWidget* window)
{
    auto* filter = new ButtonEnterKey(window);
    // The filter sees a button's keys only while it has the focus.
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button))
            button->installEventFilter(filter);
    }
}

} // namespace wizard
