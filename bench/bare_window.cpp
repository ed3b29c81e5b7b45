// The baselines for the start-up benchmark: the least a Qt Widgets program does to put
// a window of the calculator's size on screen, so that what Quorvel adds can be told
// apart from what Qt itself costs.
//
//   bare_window             the window with no text at all
//   bare_window --captions  the window with two captions, one in each of the layout's
//                           families (Arial 13 px, the main window's font, and Tahoma
//                           12 px, registered from the file the program uses when that
//                           is installed): what any captioned window pays, fontconfig's
//                           start-up and two font engines included
#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    const bool captions = argc > 1 && std::strcmp(argv[1], "--captions") == 0;
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(961, 417);
    if (captions) {
        const QString tahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
        if (QFile::exists(tahoma)) QFontDatabase::addApplicationFont(tahoma);
        auto* first = new QLabel(QStringLiteral("Zeigerdiagramm"), &window);
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(13);
        first->setFont(arial);
        first->move(8, 8);
        auto* second = new QLabel(QStringLiteral("Hilfetexte anzeigen"), &window);
        QFont tahomaFont(QStringLiteral("Tahoma"));
        tahomaFont.setPixelSize(12);
        second->setFont(tahomaFont);
        second->move(8, 30);
    }
    window.show();
    return QApplication::exec();
}
