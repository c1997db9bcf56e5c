#include "wizard/controls/FloatingDialog.h"

#include "wizard/controls/FormLook.h"
#include "wizard/controls/GrowingForm.h"
#include "wizard/controls/MessageBoxes.h"
#include "wizard/controls/WindowPlacement.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSizeGrip>

namespace wizard
{

FloatingDialog::FloatingDialog(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint), m_mainWindow(mainWindow)
{
    setFont(formFont()); // before the controls exist: they are made with it, not changed to it
    setAttribute(Qt::WA_QuitOnClose, false);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button); // the light 3D face colour
}

void FloatingDialog::setUpFrame(QGroupBox* group, QLineEdit* field, QPushButton* add,
                                QPushButton* cancel)
{
    m_group = group;
    m_field = field;
    applyFormLook(this);
    growWider(add, cancel);
    auto addGuarded = [this] {
        RunGuarded(this, [this] { btnAddClick(); });
        // A message box raised by Add (a question, a refused value, a failed
        // write) hands the keyboard back to the window system when it closes,
        // which gives it to the main window; the dialog, still open, takes it back.
        if (isVisible())
            returnFocusToField();
    };
    connect(add, &QPushButton::clicked, this, addGuarded);
    connect(field, &QLineEdit::returnPressed, this, addGuarded);
    connect(cancel, &QPushButton::clicked, this, &FloatingDialog::btnCancelClick);
}

void FloatingDialog::growWider(QPushButton* add, QPushButton* cancel)
{
    // The documented size is the smallest. Wider, the field and the texts
    // take the room and the buttons stay at the right; the height stays, as
    // one line to type has no use for more.
    setMinimumSize(size());
    setMaximumHeight(height());
    // Without a window frame to pull, a grip in the corner (in the margin
    // around the group box) resizes the dialog.
    auto* grip = new QSizeGrip(this);
    const int margin = m_group->x();
    grip->setGeometry(width() - margin, height() - margin, margin, margin);

    auto* form = new GrowingForm(this);
    form->follow(m_group, {.growX = 1});
    form->follow(grip, {.moveX = 1});
    form->follow(m_field, {.growX = 1});
    form->follow(add, {.moveX = 1});
    form->follow(cancel, {.moveX = 1});
    for (QLabel* label : m_group->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        form->follow(label, {.width = Growth::Width::Room});
    form->relayout();
}

void FloatingDialog::showForInput()
{
    FormShow();
    m_field->selectAll();
    m_field->setFocus();
}

void FloatingDialog::returnFocusToField()
{
    raise();
    activateWindow();
    m_field->setFocus(Qt::OtherFocusReason);
}

void FloatingDialog::FormShow()
{
    resize(m_group->width() + 16, m_group->height() + 16);
    if (!m_placed) {
        centreOn(this, m_mainWindow->frameGeometry());
        m_place = pos();
        m_placed = true;
    }
    move(m_place);
    show();
    raise();
    activateWindow();
}

void FloatingDialog::btnCancelClick()
{
    hide();
}

void FloatingDialog::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // Without a window frame, a thin edge keeps the dialog apart from the window under it.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FloatingDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        btnCancelClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace wizard
