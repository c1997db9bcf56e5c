#include "wizard/controls/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace wizard
{

namespace
{

// A drive or filter selector as assistive technologies see it: named by its
// accessible name (on some desktops the name would otherwise be the entry it
// shows), its value the entry it shows, its child the list it pops up, in
// which the entry shown is the selected one.
class SelectorInterface : public QAccessibleWidget
{
public:
    explicit SelectorInterface(QComboBox* selector)
        : QAccessibleWidget(selector, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return selector()->currentText();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(selector()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child->object() == selector()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (selector()->view()->isVisible())
            selector()->hidePopup();
        else
            selector()->showPopup();
    }

private:
    QComboBox* selector() const { return static_cast<QComboBox*>(object()); }
};

// A status label: a notification, named by the text it shows.
class StatusInterface : public QAccessibleWidget
{
public:
    explicit StatusInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<QLabel*>(object());
        if (kind == QAccessible::Name && label->accessibleName().isEmpty())
            return label->text();
        return QAccessibleWidget::text(kind);
    }
};

// A decorative label: never showing and nameless, so nothing reads it.
class DecorationInterface : public QAccessibleWidget
{
public:
    explicit DecorationInterface(QWidget* label) : QAccessibleWidget(label, QAccessible::Separator)
    {
    }

    QString text(QAccessible::Text) const override { return QString(); }
    QAccessible::State state() const override
    {
        QAccessible::State hidden = QAccessibleWidget::state();
        hidden.invisible = true;
        return hidden;
    }
};

QAccessibleInterface* formInterface(const QString& className, QObject* object)
{
    static const QStringList windowClasses = {
        QStringLiteral("TfrmRomweaver"), QStringLiteral("TfrmNewOption"),
        QStringLiteral("TfrmAbout"), QStringLiteral("TfrmAddSpriteNumber")};
    static const QStringList selectorClasses = {QStringLiteral("wizard::DriveComboBox"),
                                                QStringLiteral("wizard::FilterComboBox")};
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    // A window's accessible name is its caption (its window title).
    if (widget->isWindow() && windowClasses.contains(className))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (auto* selector = qobject_cast<QComboBox*>(widget);
        selector && selectorClasses.contains(className))
        return new SelectorInterface(selector);
    // Matched by class name alone: Qt's own interface for QLabel comes first
    // for anything that is asked as a QLabel.
    if (className == QLatin1String("wizard::StatusLabel"))
        return new StatusInterface(static_cast<QLabel*>(widget));
    if (className == QLatin1String("wizard::DecorativeLabel"))
        return new DecorationInterface(widget);
    return nullptr;
}

} // namespace

void installAccessibleForms()
{
    QAccessible::installFactory(&formInterface); // a second install is ignored
}

} // namespace wizard
