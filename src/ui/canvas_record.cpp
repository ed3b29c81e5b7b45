#include "ui/canvas_record.h"

#include <cstdio>

#include "ui/text.h"

namespace quorvel::ui {

RecordingCanvas::RecordingCanvas(int width, int height, UiCanvas* target)
    : width_(width), height_(height), target_(target) {}

void RecordingCanvas::Record(CanvasOp::Kind kind, std::vector<int> args, std::u16string text) {
    ops_.push_back(CanvasOp{kind, std::move(args), std::move(text)});
}

void RecordingCanvas::SetPenWidth(int width) {
    penWidth_ = width;
    Record(CanvasOp::Kind::PenWidth, {width});
    if (target_ != nullptr) target_->SetPenWidth(width);
}

void RecordingCanvas::SetPenColor(Color color) {
    penColor_ = color;
    Record(CanvasOp::Kind::PenColor, {static_cast<int>(color)});
    if (target_ != nullptr) target_->SetPenColor(color);
}

void RecordingCanvas::SetPenStyle(PenStyle style) {
    Record(CanvasOp::Kind::PenStyle, {static_cast<int>(style)});
    if (target_ != nullptr) target_->SetPenStyle(style);
}

void RecordingCanvas::SetBrushColor(Color color) {
    Record(CanvasOp::Kind::BrushColor, {static_cast<int>(color)});
    if (target_ != nullptr) target_->SetBrushColor(color);
}

void RecordingCanvas::SetFontColor(Color color) {
    Record(CanvasOp::Kind::FontColor, {static_cast<int>(color)});
    if (target_ != nullptr) target_->SetFontColor(color);
}

void RecordingCanvas::SetFontSize(int points) {
    Record(CanvasOp::Kind::FontSize, {points});
    if (target_ != nullptr) target_->SetFontSize(points);
}

void RecordingCanvas::FillRect(const Rect& r) {
    // A fill of the whole surface starts a new picture: nothing before it can show.
    if (r.x <= 0 && r.y <= 0 && r.x + r.w >= width_ && r.y + r.h >= height_) {
        ops_.clear();
        startPenWidth_ = penWidth_;
        startPenColor_ = penColor_;
    }
    Record(CanvasOp::Kind::FillRect, {r.x, r.y, r.w, r.h});
    if (target_ != nullptr) target_->FillRect(r);
}

void RecordingCanvas::FrameRect(const Rect& r) {
    Record(CanvasOp::Kind::FrameRect, {r.x, r.y, r.w, r.h});
    if (target_ != nullptr) target_->FrameRect(r);
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Record(CanvasOp::Kind::Ellipse, {x1, y1, x2, y2});
    if (target_ != nullptr) target_->Ellipse(x1, y1, x2, y2);
}

void RecordingCanvas::MoveTo(int x, int y) {
    Record(CanvasOp::Kind::MoveTo, {x, y});
    if (target_ != nullptr) target_->MoveTo(x, y);
}

void RecordingCanvas::LineTo(int x, int y) {
    Record(CanvasOp::Kind::LineTo, {x, y});
    if (target_ != nullptr) target_->LineTo(x, y);
}

void RecordingCanvas::Polygon(std::span<const Point> points) {
    std::vector<int> args;
    args.reserve(points.size() * 2);
    for (const Point& p : points) {
        args.push_back(p.x);
        args.push_back(p.y);
    }
    Record(CanvasOp::Kind::Polygon, std::move(args));
    if (target_ != nullptr) target_->Polygon(points);
}

void RecordingCanvas::TextOut(int x, int y, std::u16string_view text) {
    Record(CanvasOp::Kind::TextOut, {x, y}, std::u16string(text));
    if (target_ != nullptr) target_->TextOut(x, y, text);
}

void RecordingCanvas::BeginPicture() {
    if (target_ != nullptr) target_->BeginPicture();
}

void RecordingCanvas::EndPicture() {
    if (target_ != nullptr) target_->EndPicture();
}

std::vector<DrawnPhasor> RecordingCanvas::Phasors(Point origin) const {
    std::vector<DrawnPhasor> out;
    int width = startPenWidth_;
    Color color = startPenColor_;
    Point current{};
    for (const CanvasOp& op : ops_) {
        switch (op.kind) {
            case CanvasOp::Kind::PenWidth: width = op.args[0]; break;
            case CanvasOp::Kind::PenColor: color = static_cast<Color>(op.args[0]); break;
            case CanvasOp::Kind::MoveTo: current = {op.args[0], op.args[1]}; break;
            case CanvasOp::Kind::LineTo: {
                const Point to{op.args[0], op.args[1]};
                if (width == 2 && current == origin) out.push_back({current, to, color});
                current = to;
                break;
            }
            default: break;
        }
    }
    return out;
}

std::vector<std::string> RecordingCanvas::Describe() const {
    static constexpr const char* kNames[] = {"pen.width", "pen.color", "pen.style", "brush.color", "font.color", "font.size",
                                             "FillRect", "FrameRect", "Ellipse", "MoveTo", "LineTo", "Polygon", "TextOut"};
    std::vector<std::string> lines;
    lines.reserve(ops_.size());
    for (const CanvasOp& op : ops_) {
        std::string line = kNames[static_cast<int>(op.kind)];
        const bool isColor = op.kind == CanvasOp::Kind::PenColor || op.kind == CanvasOp::Kind::BrushColor ||
                             op.kind == CanvasOp::Kind::FontColor;
        for (std::size_t i = 0; i < op.args.size(); ++i) {
            line += i == 0 ? " " : ", ";
            line += isColor ? ColorName(static_cast<Color>(op.args[i])) : std::to_string(op.args[i]);
        }
        if (op.kind == CanvasOp::Kind::TextOut) {
            line += ' ';
            line += Quote(op.text);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace quorvel::ui
