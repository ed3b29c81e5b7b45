#include "toolkits/qt/qt_desktop.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QWidget>

#include "ui/accessible_names.h"

// The icon's resource lives in a static library, where nothing would pull it in
// unless its registration is called; the macro must stand outside any namespace.
static void RegisterIconResource() {
    static const bool done = [] {
        Q_INIT_RESOURCE(quorvel_icon);
        return true;
    }();
    (void)done;
}

namespace quorvel::ui::qt {

namespace {

QString Q(std::u16string_view s) { return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

QString ApplicationId() { return QStringLiteral(QUORVEL_APP_ID); }

QString WindowClass() { return QStringLiteral(QUORVEL_WM_CLASS); }

void NameProgram() {
    // X11 takes the window class from the application name and Wayland the app id from
    // the desktop file name; with both fixed, the dock finds the menu entry and its
    // icon whatever name the program was started under.
    QCoreApplication::setApplicationName(WindowClass());
    QGuiApplication::setDesktopFileName(ApplicationId());
}

QIcon ProgramIcon() {
    RegisterIconResource();
    QIcon icon;
    for (const QSize& size : ProgramIconSizes()) {
        // Qt's built-in PNG reader alone: QIcon::addFile's reader would first ask every
        // image-format plugin whether it reads the file, loading each (the SVG one with
        // Qt's SVG module).
        QImageReader reader(QStringLiteral(":/quorvel/icon/%1.png").arg(size.width()), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

QList<QSize> ProgramIconSizes() {
    QList<QSize> sizes;
    for (const int side : {QUORVEL_ICON_SIZES}) sizes.append(QSize(side, side));
    return sizes;
}

void ApplyAccessibleText(QWidget& widget, const ControlSpec& row) {
    const std::u16string_view name = AccessibleNameOf(row.name);
    if (!name.empty()) widget.setAccessibleName(Q(name));
    if (!row.hint.empty()) widget.setAccessibleDescription(Q(row.hint));
}

}  // namespace quorvel::ui::qt
