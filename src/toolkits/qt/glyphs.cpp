#include <QPainter>
#include <algorithm>
#include <cmath>

#include "toolkits/qt/qt_fonts.h"
#include "toolkits/qt/qt_text.h"
#include "toolkits/qt/widgets.h"
#include "ui/glyph_strokes.h"

// The symbols of the speed buttons and the constant buttons, drawn from the shared
// strokes with a painter, all placed relative to the button's face, so they scale
// without blur.

namespace quorvel::ui::qt {

namespace {

// Every symbol's text is laid out in Arial at this one size and scaled by the painter
// to the size the face asks for. A font of its own for each size would cost a font
// engine (a fontconfig match) per size when the buttons first paint; this size is the
// main window's font, whose engine the captions have loaded already.
constexpr int kTextPixels = 13;

// Small italic letters are the upright ones slanted by the 12 degrees of Arial Italic
// and its stand-ins: the italic face would be one more engine and font file to load
// before the first frame, for the x of the speed buttons alone. Up to this size the two
// differ in their anti-aliasing only; a larger letter (the e of Euler's number on the
// constants window) keeps the italic face's own design.
constexpr double kItalicSlant = 0.21255656167002213;  // tan(12 degrees)
constexpr int kLargestSlantedPixels = 16;

// Draws strokes on the face `r`, in the place each stroke gives in fractions of it.
struct Ink {
    QPainter& p;
    QRectF r;
    QColor color;

    void Text(double x, double y, const QString& text, double size, bool italic) const {
        const int pixels = std::max(1, static_cast<int>(std::lround(size * r.height())));
        const bool slanted = italic && pixels <= kLargestSlantedPixels;
        // Bold set, not left open: the painter would fill an open weight from the
        // face's own font.
        const QFont f = LayoutFont(QStringLiteral("Arial"), kTextPixels, false, italic && !slanted);
        // Outline fonts scale with the device like the strokes do.
        p.setFont(f);
        p.setPen(color);
        const qreal scale = static_cast<qreal>(pixels) / kTextPixels;
        const QTransform before = p.transform();
        p.translate(r.left() + x * r.width(), r.top() + y * r.height());
        p.scale(scale, scale);
        if (slanted) p.shear(-kItalicSlant, 0);
        p.drawText(QPointF(0, 0), text);
        p.setTransform(before);
    }

    void Line(double x1, double y1, double x2, double y2, double width) const {
        QPen pen(color, width);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(QPointF(r.left() + x1 * r.width(), r.top() + y1 * r.height()),
                   QPointF(r.left() + x2 * r.width(), r.top() + y2 * r.height()));
    }

    void Dot(double x, double y, double radius) const {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(QPointF(r.left() + x * r.width(), r.top() + y * r.height()), radius, radius);
    }
};

}  // namespace

void PaintGlyph(QPainter& painter, const QRectF& rect, Glyph glyph, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const Ink ink{painter, rect, color};
    for (const GlyphStroke& s : GlyphStrokes(glyph)) {
        switch (s.kind) {
            case GlyphStroke::Kind::Text: ink.Text(s.x, s.y, Q(s.text), s.size, s.italic); break;
            case GlyphStroke::Kind::Line: ink.Line(s.x, s.y, s.x2, s.y2, s.pixels); break;
            case GlyphStroke::Kind::Dot: ink.Dot(s.x, s.y, std::max(s.pixels, rect.height() * s.size)); break;
        }
    }
    painter.restore();
}

}  // namespace quorvel::ui::qt
