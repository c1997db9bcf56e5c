// The references of the start-up benchmark: the least a Qt Widgets program
// does to map a window of the main window's size; with --label the window
// also shows one line of text, so the font system starts as in any window
// that shows text.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(700, 300);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0)
        (new QLabel(QStringLiteral("Total NES roms selected: 0"), &window))->move(16, 16);
    window.show();
    return application.exec();
}
