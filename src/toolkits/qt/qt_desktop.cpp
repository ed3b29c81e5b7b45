#include "toolkits/qt/qt_desktop.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>
#include <algorithm>

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

QByteArray IconSource() {
    RegisterIconResource();
    QFile file(QStringLiteral(":/quorvel/icon.svg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Renders the SVG for each request, so the icon is drawn for the exact pixel size a
// screen at 1x, 1.5x or 2x needs instead of being scaled from a fixed bitmap. QIcon
// asks for the size in device pixels, so no scaled variant is needed.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(const QByteArray& source) : source_(source), renderer_(source) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        const int side = std::min(rect.width(), rect.height());
        const QRect square(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side);
        renderer_.render(painter, square);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        if (size.isEmpty()) return pm;
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    [[nodiscard]] QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return ProgramIconSizes();
    }

    [[nodiscard]] bool isNull() override { return !renderer_.isValid(); }
    [[nodiscard]] QString key() const override { return QStringLiteral("quorvel-svg"); }
    [[nodiscard]] QIconEngine* clone() const override { return new SvgIconEngine(source_); }

private:
    QByteArray source_;
    QSvgRenderer renderer_;
};

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

QIcon ProgramIcon() { return QIcon(new SvgIconEngine(IconSource())); }

QList<QSize> ProgramIconSizes() {
    QList<QSize> sizes;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) sizes.append(QSize(side, side));
    return sizes;
}

void ApplyAccessibleText(QWidget& widget, const ControlSpec& row) {
    const std::u16string_view name = AccessibleNameOf(row.name);
    if (!name.empty()) widget.setAccessibleName(Q(name));
    if (const std::u16string description = AccessibleDescriptionOf(row); !description.empty()) widget.setAccessibleDescription(Q(description));
}

}  // namespace quorvel::ui::qt
