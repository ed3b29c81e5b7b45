#include <QPainter>
#include <cmath>

#include "toolkits/qt/widgets.h"

// The symbols of the speed buttons and the constant buttons, composed of text in an
// outline font and of strokes, all placed relative to the button's face, so they scale
// without blur.

namespace quorvel::ui::qt {

namespace {

// Every symbol's text is laid out in Arial at this one size and scaled by the painter
// to the size the face asks for. A font of its own for each size would cost a font
// engine (a fontconfig match) per size when the buttons first paint; this size is the
// main window's font, whose engine the captions have loaded already.
constexpr int kTextPixels = 13;

struct Ink {
    QPainter& p;
    QRectF r;
    QColor color;

    // Text whose baseline starts at (x, y), both as fractions of the face; `size` is a
    // fraction of the face's height.
    void Text(double x, double y, const QString& text, double size, bool italic = false, bool bold = false) const {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(kTextPixels);
        f.setItalic(italic);
        f.setBold(bold);
        // Outline fonts scale with the device like the strokes do.
        p.setFont(f);
        p.setPen(color);
        const int pixels = std::max(1, static_cast<int>(std::lround(size * r.height())));
        const qreal scale = static_cast<qreal>(pixels) / kTextPixels;
        const QTransform before = p.transform();
        p.translate(r.left() + x * r.width(), r.top() + y * r.height());
        p.scale(scale, scale);
        p.drawText(QPointF(0, 0), text);
        p.setTransform(before);
    }

    void Line(double x1, double y1, double x2, double y2, double width = 1.2) const {
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
    switch (glyph) {
        case Glyph::None: break;
        case Glyph::Reciprocal:
            ink.Text(0.14, 0.55, QStringLiteral("1"), 0.55);
            ink.Line(0.58, 0.12, 0.38, 0.9);
            ink.Text(0.6, 0.95, QStringLiteral("x"), 0.6, true);
            break;
        case Glyph::Square:
            ink.Text(0.22, 0.85, QStringLiteral("x"), 0.75, true);
            ink.Text(0.6, 0.48, QStringLiteral("2"), 0.5);
            break;
        case Glyph::AbsSquare:
            ink.Line(0.12, 0.15, 0.12, 0.9);
            ink.Text(0.2, 0.8, QStringLiteral("x"), 0.7, true);
            ink.Line(0.58, 0.15, 0.58, 0.9);
            ink.Text(0.66, 0.45, QStringLiteral("2"), 0.45);
            break;
        case Glyph::SquareRoot:
            ink.Text(0.06, 0.45, QStringLiteral("2"), 0.4);
            ink.Line(0.14, 0.6, 0.24, 0.52);
            ink.Line(0.24, 0.52, 0.36, 0.9);
            ink.Line(0.36, 0.9, 0.5, 0.1);
            ink.Line(0.5, 0.1, 0.92, 0.1);
            ink.Text(0.55, 0.85, QStringLiteral("x"), 0.65, true);
            break;
        case Glyph::Conjugate:
            ink.Line(0.32, 0.18, 0.68, 0.18);
            ink.Text(0.33, 0.85, QStringLiteral("x"), 0.75, true);
            break;
        case Glyph::PowerOfTen:
            ink.Text(0.08, 0.88, QStringLiteral("10"), 0.65);
            ink.Text(0.66, 0.48, QStringLiteral("x"), 0.5, true);
            break;
        case Glyph::Logarithm:
            ink.Text(0.02, 0.78, QStringLiteral("log"), 0.55);
            ink.Text(0.7, 0.78, QStringLiteral("x"), 0.55, true);
            break;
        case Glyph::Plus:
            ink.Line(0.3, 0.5, 0.7, 0.5, 2.0);
            ink.Line(0.5, 0.25, 0.5, 0.75, 2.0);
            break;
        case Glyph::Minus: ink.Line(0.3, 0.5, 0.7, 0.5, 2.0); break;
        case Glyph::Dot: ink.Dot(0.5, 0.5, std::max(1.5, rect.height() * 0.09)); break;
        case Glyph::Divide:
            ink.Line(0.3, 0.5, 0.7, 0.5, 2.0);
            ink.Dot(0.5, 0.27, std::max(1.2, rect.height() * 0.07));
            ink.Dot(0.5, 0.73, std::max(1.2, rect.height() * 0.07));
            break;
        case Glyph::Pi: ink.Text(0.18, 0.8, QStringLiteral("\u03c0"), 0.85); break;
        case Glyph::EulerItalic: ink.Text(0.22, 0.78, QStringLiteral("e"), 0.9, true); break;
        case Glyph::Epsilon0:
            ink.Text(0.1, 0.72, QStringLiteral("\u03b5"), 0.8);
            ink.Text(0.58, 0.92, QStringLiteral("0"), 0.45);
            break;
        case Glyph::Mu0:
            ink.Text(0.08, 0.72, QStringLiteral("\u00b5"), 0.8);
            ink.Text(0.58, 0.92, QStringLiteral("0"), 0.45);
            break;
        case Glyph::Charge: ink.Text(0.22, 0.78, QStringLiteral("e"), 0.9); break;
        case Glyph::LightSpeed: ink.Text(0.22, 0.78, QStringLiteral("c"), 0.9); break;
    }
    painter.restore();
}

}  // namespace quorvel::ui::qt
