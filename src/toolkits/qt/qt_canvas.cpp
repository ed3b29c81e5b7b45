#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "toolkits/qt/qt_adapters.h"
#include "toolkits/qt/qt_text.h"

// Drawing follows the conventions of a GDI canvas: no antialiasing, rectangles
// exclusive of their right and bottom edges, text placed by its top-left corner on
// the brush colour. Every operation sets the painter state it draws with, so that one
// painter shared by the operations of a picture draws what a fresh one would, and an
// operation is recorded with all it is drawn with, so that two equal records draw
// the same pixels.

namespace quorvel::ui::qt {

namespace {

// The kinds of drawing operations on the tape.
enum Kind : int { kFill, kFrame, kEllipse, kLine, kPolygon, kText };

QPen MakePen(int color, int width, int style) {
    QPen pen(ToQColor(static_cast<Color>(color)));
    pen.setWidth(width <= 1 ? 0 : width);
    pen.setStyle(static_cast<PenStyle>(style) == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    return pen;
}

// Ellipses up to this size (the diagram's tips and origin dot) are stamped. A dotted
// outline is never stamped: its dots depend on where the box clips it.
constexpr int kStampedSize = 16;
// The margin around a stamped ellipse that its pen may reach.
int StampMargin(int penWidth) { return std::max(penWidth, 1) + 2; }

}  // namespace

QtCanvas::QtCanvas(PaintBoxWidget& box) : box_(&box) {}

QtCanvas::~QtCanvas() {
    if (painter_.isActive()) painter_.end();
}

int QtCanvas::Width() const { return box_->Image().width(); }
int QtCanvas::Height() const { return box_->Image().height(); }

const QtCanvas::SizedFont& QtCanvas::Font(int points) {
    for (const SizedFont& f : fonts_) {
        if (f.points == points) return f;
    }
    QFont font(QStringLiteral("Arial"));
    // Points at the 96 dpi the layout was drawn for, whatever this screen reports.
    font.setPixelSize((points * 96 + 36) / 72);
    fonts_.push_back({points, font, QFontMetrics(font)});
    return fonts_.back();
}

const QImage& QtCanvas::StampOf(const std::array<int, 6>& look) {
    for (const Stamp& s : stamps_) {
        if (s.look == look) return s.image;
    }
    const int margin = StampMargin(look[1]);
    QImage image(look[4] + 2 * margin, look[5] + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setPen(MakePen(look[0], look[1], look[2]));
        p.setBrush(ToQColor(static_cast<Color>(look[3])));
        p.drawEllipse(QRect(margin, margin, look[4] - 1, look[5] - 1));
    }
    stamps_.push_back({look, image});
    return stamps_.back().image;
}

QPainter& QtCanvas::Painter() {
    if (!painter_.isActive()) painter_.begin(&box_->Image());
    return painter_;
}

void QtCanvas::Record(std::initializer_list<int> values) {
    tape_.push_back(*values.begin());
    tape_.push_back(static_cast<int>(values.size()) - 1);
    tape_.insert(tape_.end(), values.begin() + 1, values.end());
}

bool QtCanvas::RepeatsKept(std::size_t start, std::size_t end) const {
    // Everything before `start` repeated the kept operations, so both tapes align.
    return end <= kept_.size() && std::equal(tape_.begin() + static_cast<std::ptrdiff_t>(start),
                                             tape_.begin() + static_cast<std::ptrdiff_t>(end),
                                             kept_.begin() + static_cast<std::ptrdiff_t>(start));
}

bool QtCanvas::Keepable(std::size_t length) const {
    // Only operations that begin by covering the whole box make the same image
    // whatever the box showed before.
    if (length == 0 || tape_[0] != kFill) return false;
    const int* fill = tape_.data() + 2;
    return fill[1] <= 0 && fill[2] <= 0 && fill[1] + fill[3] >= Width() && fill[2] + fill[4] >= Height();
}

void QtCanvas::Keep(std::size_t length) {
    kept_.assign(tape_.begin(), tape_.begin() + static_cast<std::ptrdiff_t>(length));
    keptImage_ = box_->Image().copy();
}

void QtCanvas::LeaveUnchanged(std::size_t start) {
    if (!keptImage_.isNull() && kept_.size() <= start && std::equal(kept_.begin(), kept_.end(), tape_.begin())) {
        // The kept image, and on from it what this picture drew since.
        QImage& image = box_->Image();
        std::copy_n(keptImage_.constBits(), image.sizeInBytes(), image.bits());
        for (std::size_t at = kept_.size(); at < start; at += 2 + static_cast<std::size_t>(tape_[at + 1])) {
            Draw(Painter(), tape_.data() + at);
        }
    } else {
        // This picture parts from the kept operations too: drawn as a repeating one
        // that parts at `start` would be.
        for (std::size_t at = 0; at < start; at += 2 + static_cast<std::size_t>(tape_[at + 1])) {
            Draw(Painter(), tape_.data() + at);
        }
        if (Keepable(start)) Keep(start);
    }
    course_ = Course::Drawing;
}

void QtCanvas::Submit(std::size_t start) {
    if (pictureDepth_ == 0) {
        {
            QPainter p(&box_->Image());
            Draw(p, tape_.data() + start);
        }
        tape_.resize(start);
        box_->update();
        return;
    }
    const std::size_t end = tape_.size();
    switch (course_) {
        case Course::Unchanged:
            if (end <= shown_.size() && std::equal(tape_.begin() + static_cast<std::ptrdiff_t>(start), tape_.end(),
                                                   shown_.begin() + static_cast<std::ptrdiff_t>(start))) {
                return;
            }
            LeaveUnchanged(start);
            break;
        case Course::Repeating:
            if (RepeatsKept(start, end)) {
                if (end == kept_.size()) {
                    // Copied into the box's own pixels, which keep their paint engine.
                    QImage& image = box_->Image();
                    std::copy_n(keptImage_.constBits(), image.sizeInBytes(), image.bits());
                    course_ = Course::Drawing;
                }
                return;
            }
            // The picture parts from the kept one here: what it repeated is drawn now,
            // and that shorter common part is kept for the pictures to come.
            for (std::size_t at = 0; at < start; at += 2 + static_cast<std::size_t>(tape_[at + 1])) {
                Draw(Painter(), tape_.data() + at);
            }
            if (Keepable(start)) Keep(start);
            course_ = Course::Drawing;
            break;
        case Course::Comparing:
            if (!RepeatsKept(start, end)) {
                // Drawn so far is what both pictures share.
                if (Keepable(start)) Keep(start);
                course_ = Course::Drawing;
            }
            break;
        case Course::Drawing: break;
    }
    Draw(Painter(), tape_.data() + start);
}

void QtCanvas::BeginPicture() {
    if (pictureDepth_++ > 0) return;
    tape_.clear();
    if (!shown_.empty() && box_->Image().cacheKey() == shownKey_) {
        course_ = Course::Unchanged;
    } else if (!keptImage_.isNull() && keptImage_.size() == box_->Image().size()) {
        course_ = Course::Repeating;
    } else {
        course_ = kept_.empty() ? Course::Drawing : Course::Comparing;
    }
}

void QtCanvas::EndPicture() {
    if (--pictureDepth_ > 0) return;
    if (course_ == Course::Unchanged) {
        if (tape_.size() == shown_.size()) return;  // the box shows this very picture
        LeaveUnchanged(tape_.size());  // it stopped within the last one
    }
    if (course_ == Course::Repeating) {
        // The picture stopped within the kept operations: it is drawn as far as it came.
        for (std::size_t at = 0; at < tape_.size(); at += 2 + static_cast<std::size_t>(tape_[at + 1])) {
            Draw(Painter(), tape_.data() + at);
        }
    } else if (course_ == Course::Comparing && Keepable(tape_.size())) {
        Keep(tape_.size());  // the whole picture repeated the last one
    } else if (keptImage_.isNull()) {
        kept_ = tape_;  // the next picture is compared with this one
    }
    if (painter_.isActive()) painter_.end();
    if (Keepable(tape_.size())) {
        shown_ = tape_;
        shownKey_ = box_->Image().cacheKey();
    } else {
        shown_.clear();
    }
    box_->update();
}

void QtCanvas::Draw(QPainter& p, const int* op) {
    const int* v = op + 2;
    switch (op[0]) {
        case kFill: p.fillRect(QRect(v[1], v[2], v[3], v[4]), ToQColor(static_cast<Color>(v[0]))); break;
        case kFrame:
            p.setPen(QPen(ToQColor(static_cast<Color>(v[0])), 0));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(v[1], v[2], v[3] - 1, v[4] - 1));
            break;
        case kEllipse: {
            const int width = v[6] - v[4];
            const int height = v[7] - v[5];
            if (static_cast<PenStyle>(v[2]) == PenStyle::Solid && width > 1 && height > 1 && width <= kStampedSize &&
                height <= kStampedSize) {
                const int margin = StampMargin(v[1]);
                p.drawImage(QPoint(v[4] - margin, v[5] - margin), StampOf({v[0], v[1], v[2], v[3], width, height}));
                break;
            }
            p.setPen(MakePen(v[0], v[1], v[2]));
            p.setBrush(ToQColor(static_cast<Color>(v[3])));
            p.drawEllipse(QRect(v[4], v[5], width - 1, height - 1));
            break;
        }
        case kLine:
            p.setPen(MakePen(v[0], v[1], v[2]));
            p.drawLine(v[3], v[4], v[5], v[6]);
            break;
        case kPolygon: {
            QPolygon poly(v[4]);
            for (int i = 0; i < v[4]; ++i) poly.setPoint(i, v[5 + 2 * i], v[6 + 2 * i]);
            p.setPen(MakePen(v[0], v[1], v[2]));
            p.setBrush(ToQColor(static_cast<Color>(v[3])));
            p.drawPolygon(poly);
            break;
        }
        case kText: {
            const SizedFont& f = Font(v[1]);
            QString s(v[5], Qt::Uninitialized);
            for (int i = 0; i < v[5]; ++i) s[i] = QChar(static_cast<char16_t>(v[6 + i]));
            p.setFont(f.font);
            const QRect box(v[3], v[4], f.metrics.horizontalAdvance(s), f.metrics.height());
            p.fillRect(box, ToQColor(static_cast<Color>(v[2])));
            p.setPen(ToQColor(static_cast<Color>(v[0])));
            p.drawText(v[3], v[4] + f.metrics.ascent(), s);
            break;
        }
        default: break;
    }
}

void QtCanvas::FillRect(const Rect& r) {
    const std::size_t start = tape_.size();
    Record({kFill, static_cast<int>(brushColor_), r.x, r.y, r.w, r.h});
    Submit(start);
}

void QtCanvas::FrameRect(const Rect& r) {
    const std::size_t start = tape_.size();
    Record({kFrame, static_cast<int>(brushColor_), r.x, r.y, r.w, r.h});
    Submit(start);
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    const std::size_t start = tape_.size();
    Record({kEllipse, static_cast<int>(penColor_), penWidth_, static_cast<int>(penStyle_), static_cast<int>(brushColor_), x1,
            y1, x2, y2});
    Submit(start);
}

void QtCanvas::LineTo(int x, int y) {
    const std::size_t start = tape_.size();
    Record({kLine, static_cast<int>(penColor_), penWidth_, static_cast<int>(penStyle_), current_.x, current_.y, x, y});
    current_ = {x, y};
    Submit(start);
}

void QtCanvas::Polygon(std::span<const Point> points) {
    const std::size_t start = tape_.size();
    Record({kPolygon, static_cast<int>(penColor_), penWidth_, static_cast<int>(penStyle_), static_cast<int>(brushColor_),
            static_cast<int>(points.size())});
    for (const Point& pt : points) {
        tape_.push_back(pt.x);
        tape_.push_back(pt.y);
    }
    tape_[start + 1] = static_cast<int>(tape_.size() - start - 2);
    Submit(start);
}

void QtCanvas::TextOut(int x, int y, std::u16string_view text) {
    const std::size_t start = tape_.size();
    Record({kText, static_cast<int>(fontColor_), fontPoints_, static_cast<int>(brushColor_), x, y,
            static_cast<int>(text.size())});
    for (const char16_t unit : text) tape_.push_back(unit);
    tape_[start + 1] = static_cast<int>(tape_.size() - start - 2);
    Submit(start);
}

}  // namespace quorvel::ui::qt
