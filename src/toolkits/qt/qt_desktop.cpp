#include "toolkits/qt/qt_desktop.h"

#include <QEvent>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "toolkits/qt/qt_pixels.h"
#include "ui/accessible_names.h"

namespace quorvel::ui::qt {

namespace {

QString Q(std::u16string_view s) { return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())); }

// The sides of the bitmaps built into the program: those of the hicolor theme up to
// the largest a window offers its window system.
constexpr int kBitmapSides[] = {QUORVEL_ICON_SIZES};

// The hicolor bitmaps, each read when a size is asked for and kept by no one: a
// window system reads every size once when the icon is set, and a bitmap kept for
// later would only add to the program's memory.
class BitmapIconEngine final : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        if (size.isEmpty()) return {};
        // The bitmap of that size, or the next larger one scaled down (the largest
        // scaled up past it).
        const int side = std::min(size.width(), size.height());
        const int* source = std::find_if(std::begin(kBitmapSides), std::end(kBitmapSides),
                                         [side](int bitmap) { return bitmap >= side; });
        if (source == std::end(kBitmapSides)) --source;
        QImage image = RawPixels(QStringLiteral(":/quorvel/icon/%1.argb").arg(*source));
        if (image.size() != QSize(side, side)) {
            image = image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        return QPixmap::fromImage(std::move(image));
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const int side = std::min(rect.width(), rect.height());
        const QRect square(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side);
        painter->drawPixmap(square, pixmap(square.size(), mode, state));
    }

    [[nodiscard]] QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return ProgramIconSizes();
    }

    [[nodiscard]] QString key() const override { return QStringLiteral("quorvel-bitmaps"); }
    [[nodiscard]] QIconEngine* clone() const override { return new BitmapIconEngine; }
};

// Gives a window its icon once its first frame is painted. The window system reads
// an icon's every size when it is set, which would otherwise come before that frame.
class IconAfterFirstPaint final : public QObject {
public:
    IconAfterFirstPaint(QWidget& window, QIcon icon) : QObject(&window), window_(window), icon_(std::move(icon)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            window_.removeEventFilter(this);
            // Queued: the painted frame goes to the screen when the paint returns.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    window_.setWindowIcon(icon_);
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget& window_;
    QIcon icon_;
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

QIcon ProgramIcon() { return QIcon(new BitmapIconEngine); }

void SetIconAfterFirstPaint(QWidget& window, const QIcon& icon) { new IconAfterFirstPaint(window, icon); }

QList<QSize> ProgramIconSizes() {
    QList<QSize> sizes;
    for (const int side : kBitmapSides) sizes.append(QSize(side, side));
    return sizes;
}

void ApplyAccessibleText(QWidget& widget, const ControlSpec& row) {
    const std::u16string_view name = AccessibleNameOf(row.name);
    if (!name.empty()) widget.setAccessibleName(Q(name));
    if (const std::u16string description = AccessibleDescriptionOf(row); !description.empty()) widget.setAccessibleDescription(Q(description));
}

}  // namespace quorvel::ui::qt
