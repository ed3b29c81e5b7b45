// The baseline for the start-up benchmark: the least a Qt Widgets program does to put
// a window of the calculator's size on screen, so that what Quorvel adds can be told
// apart from what Qt itself costs.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(961, 417);
    window.show();
    return QApplication::exec();
}
