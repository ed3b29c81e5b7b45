#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include "ui/qt/qt_adapters.h"
#include "ui/qt/qt_text.h"

// Drawing follows the conventions of a GDI canvas: no antialiasing, rectangles
// exclusive of their right and bottom edges, text placed by its top-left corner on
// the brush colour. Every operation sets the painter state it draws with, so that one
// painter shared by the operations of a picture draws what a fresh one would.

namespace quorvel::ui::qt {

QtCanvas::QtCanvas(PaintBoxWidget& box) : box_(&box) {}

QtCanvas::~QtCanvas() {
    if (painter_.isActive()) painter_.end();
}

int QtCanvas::Width() const { return box_->Image().width(); }
int QtCanvas::Height() const { return box_->Image().height(); }

QPen QtCanvas::Pen() const {
    QPen pen(ToQColor(penColor_));
    pen.setWidth(penWidth_ <= 1 ? 0 : penWidth_);
    pen.setStyle(penStyle_ == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    return pen;
}

const QtCanvas::SizedFont& QtCanvas::Font() {
    for (const SizedFont& f : fonts_) {
        if (f.points == fontPoints_) return f;
    }
    QFont font(QStringLiteral("Arial"));
    // Points at the 96 dpi the layout was drawn for, whatever this screen reports.
    font.setPixelSize((fontPoints_ * 96 + 36) / 72);
    fonts_.push_back({fontPoints_, font, QFontMetrics(font)});
    return fonts_.back();
}

template <class Draw>
void QtCanvas::Paint(Draw&& draw) {
    if (pictureDepth_ > 0) {
        draw(painter_);
        return;
    }
    {
        QPainter p(&box_->Image());
        draw(p);
    }
    box_->update();
}

void QtCanvas::BeginPicture() {
    if (pictureDepth_++ == 0) painter_.begin(&box_->Image());
}

void QtCanvas::EndPicture() {
    if (--pictureDepth_ > 0) return;
    painter_.end();
    box_->update();
}

void QtCanvas::FillRect(const Rect& r) {
    Paint([&](QPainter& p) { p.fillRect(QRect(r.x, r.y, r.w, r.h), ToQColor(brushColor_)); });
}

void QtCanvas::FrameRect(const Rect& r) {
    Paint([&](QPainter& p) {
        p.setPen(QPen(ToQColor(brushColor_), 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(r.x, r.y, r.w - 1, r.h - 1));
    });
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Paint([&](QPainter& p) {
        p.setPen(Pen());
        p.setBrush(ToQColor(brushColor_));
        p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    });
}

void QtCanvas::LineTo(int x, int y) {
    Paint([&](QPainter& p) {
        p.setPen(Pen());
        p.drawLine(current_.x, current_.y, x, y);
    });
    current_ = {x, y};
}

void QtCanvas::Polygon(std::span<const Point> points) {
    QPolygon poly;
    for (const Point& pt : points) poly << QPoint(pt.x, pt.y);
    Paint([&](QPainter& p) {
        p.setPen(Pen());
        p.setBrush(ToQColor(brushColor_));
        p.drawPolygon(poly);
    });
}

void QtCanvas::TextOut(int x, int y, std::u16string_view text) {
    const SizedFont& f = Font();
    const QString s = Q(text);
    Paint([&](QPainter& p) {
        p.setFont(f.font);
        const QRect box(x, y, f.metrics.horizontalAdvance(s), f.metrics.height());
        p.fillRect(box, ToQColor(brushColor_));
        p.setPen(ToQColor(fontColor_));
        p.drawText(x, y + f.metrics.ascent(), s);
    });
}

}  // namespace quorvel::ui::qt
