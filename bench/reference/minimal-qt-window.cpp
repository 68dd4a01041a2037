// The plainest Qt Widgets program with one window of the converter's size: the yardstick that
// bench/gui_startup.sh holds the converter's start-up and memory against.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Minimal Qt window");
    window.resize(495, 314);
    window.show();
    return QApplication::exec();
}
