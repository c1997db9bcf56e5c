// The reference of the start-up benchmark: the least a Qt Widgets program does
// to map a window of the main window's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(700, 300);
    window.show();
    return application.exec();
}
