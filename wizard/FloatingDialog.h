#pragma once

#include <QPoint>
#include <QWidget>

class QGroupBox;

// The options page's small borderless dialogs. They do not block the main
// window. Shown, each takes its group box's size plus 8 pixels all round; the
// first showing centres it on the main window, later ones put it back there.
class FloatingDialog : public QWidget
{
    Q_OBJECT

public:
    FloatingDialog(QWidget* mainWindow);

    void FormShow();
    void btnCancelClick();

protected:
    void setUpFrame(QGroupBox* group);
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_mainWindow;
    QGroupBox* m_group = nullptr;
    bool m_placed = false;
    QPoint m_place;
};
