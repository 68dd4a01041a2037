// The plainest Qt Widgets program with one window of the converter's size: the yardstick that
// bench/gui_startup.sh holds the converter's start-up and memory against. Given a text, it shows
// it in the window; without one the window stays empty and the program never loads a font.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Minimal Qt window");
    window.resize(495, 314);
    if (argc > 1)
        (new QLabel(QString::fromLocal8Bit(argv[1]), &window))->move(20, 20);
    window.show();
    return QApplication::exec();
}
