#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include "ui/qt/qt_adapters.h"
#include "ui/qt/qt_text.h"

// Drawing follows the conventions of a GDI canvas: no antialiasing, rectangles
// exclusive of their right and bottom edges, text placed by its top-left corner on
// the brush colour.

namespace quorvel::ui::qt {

QtCanvas::QtCanvas(PaintBoxWidget& box) : box_(&box) {}

int QtCanvas::Width() const { return box_->Image().width(); }
int QtCanvas::Height() const { return box_->Image().height(); }

QPen QtCanvas::Pen() const {
    QPen pen(ToQColor(penColor_));
    pen.setWidth(penWidth_ <= 1 ? 0 : penWidth_);
    pen.setStyle(penStyle_ == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    return pen;
}

void QtCanvas::FillRect(const Rect& r) {
    {
        QPainter p(&box_->Image());
        p.fillRect(QRect(r.x, r.y, r.w, r.h), ToQColor(brushColor_));
    }
    box_->update();
}

void QtCanvas::FrameRect(const Rect& r) {
    {
        QPainter p(&box_->Image());
        p.setPen(QPen(ToQColor(brushColor_), 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(r.x, r.y, r.w - 1, r.h - 1));
    }
    box_->update();
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    {
        QPainter p(&box_->Image());
        p.setPen(Pen());
        p.setBrush(ToQColor(brushColor_));
        p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    }
    box_->update();
}

void QtCanvas::LineTo(int x, int y) {
    {
        QPainter p(&box_->Image());
        p.setPen(Pen());
        p.drawLine(current_.x, current_.y, x, y);
    }
    current_ = {x, y};
    box_->update();
}

void QtCanvas::Polygon(std::span<const Point> points) {
    QPolygon poly;
    for (const Point& pt : points) poly << QPoint(pt.x, pt.y);
    {
        QPainter p(&box_->Image());
        p.setPen(Pen());
        p.setBrush(ToQColor(brushColor_));
        p.drawPolygon(poly);
    }
    box_->update();
}

void QtCanvas::TextOut(int x, int y, std::u16string_view text) {
    {
        QPainter p(&box_->Image());
        QFont font(QStringLiteral("Arial"));
        // Points at the 96 dpi the layout was drawn for, whatever this screen reports.
        font.setPixelSize((fontPoints_ * 96 + 36) / 72);
        p.setFont(font);
        const QString s = Q(text);
        const QFontMetrics fm(font);
        const QRect box(x, y, fm.horizontalAdvance(s), fm.height());
        p.fillRect(box, ToQColor(brushColor_));
        p.setPen(ToQColor(fontColor_));
        p.drawText(x, y + fm.ascent(), s);
    }
    box_->update();
}

}  // namespace quorvel::ui::qt
