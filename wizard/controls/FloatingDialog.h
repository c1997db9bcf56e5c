#pragma once

#include <QPoint>
#include <QWidget>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace wizard
{

// The options page's small borderless dialogs. They do not block the main
// window. Shown, each takes its group box's size plus 8 pixels all round; the
// first showing centres it on the main window, later ones put it back there.
// Their documented size is their smallest; they grow wider by the grip in
// their corner.
class FloatingDialog : public QWidget
{
    Q_OBJECT

public:
    FloatingDialog(QWidget* mainWindow);

    void FormShow();
    virtual void btnAddClick() = 0;
    void btnCancelClick();

protected:
    // Lays out the frame around the group box and wires Add (also Enter in
    // the field) and Cancel (also Escape).
    void setUpFrame(QGroupBox* group, QLineEdit* field, QPushButton* add, QPushButton* cancel);
    // Shows the dialog with the field's kept text selected, so typing replaces it.
    void showForInput();
    // Brings the dialog back to the front with the keyboard in its field.
    void returnFocusToField();
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void growWider(QPushButton* add, QPushButton* cancel);

    QWidget* m_mainWindow;
    QGroupBox* m_group = nullptr;
    QLineEdit* m_field = nullptr;
    bool m_placed = false;
    QPoint m_place;
};

} // namespace wizard
