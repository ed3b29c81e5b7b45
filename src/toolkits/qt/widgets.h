#pragma once

// The widget kinds the layout needs beyond Qt's stock ones. They only look and wire:
// every decision stays in the calculator, reached through callbacks the toolkit sets.

#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QWidget>
#include <functional>

#include "ui/colors.h"
#include "ui/field_commands.h"
#include "ui/key_chord.h"
#include "ui/layout.h"

namespace quorvel::ui::qt {

QColor ToQColor(Color color);

// A single-line edit whose keys, clicks, focus and undo are reported to the toolkit.
// Qt's own multi-level undo is bypassed: Ctrl+Z and the menu's undo call `onUndo`.
class LineEdit final : public QLineEdit {
public:
    explicit LineEdit(QWidget* parent);

    std::function<void(char16_t)> onKey;  // a character typed, before the edit sees it
    std::function<void()> onUndo;         // the user asked for undo
    std::function<bool()> canUndo;        // whether that undo has something to take back
    std::function<void()> onRunEnd;       // focus, cursor or selection moved by the user
    std::function<void()> onClick;        // left button released over the edit
    std::function<FieldMenu()> extraMenu;  // the program's entries below the menu's own
    std::function<void(int)> onCommand;    // one of them chosen, after the menu has closed
    std::function<bool(const KeyChord&)> onChord;  // a chord the program takes ahead of the edit

    // True while Qt processes a user action that may edit the text.
    [[nodiscard]] bool UserEditing() const { return userEditing_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool userEditing_ = false;
};

// A panel: its background and, if it has one, a raised one-pixel bevel.
class PanelWidget final : public QWidget {
public:
    PanelWidget(QWidget* parent, Bevel bevel, Color background);
    void SetBackground(Color background);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel bevel_;
    Color background_;
};

// A filled rectangle: separator lines and the legend's line samples.
class ShapeWidget final : public QWidget {
public:
    ShapeWidget(QWidget* parent, Color color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Color color_;
};

// Speed buttons, with a glyph or a caption, flat or raised; they never take focus.
class SpeedButton final : public QAbstractButton {
public:
    SpeedButton(QWidget* parent, Glyph glyph, bool flat);
    [[nodiscard]] QSize sizeHint() const override { return {26, 22}; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Glyph glyph_;
    bool flat_;
    bool hovered_ = false;
};

// The paint box: it keeps its picture in an image of its own, so handlers can draw
// at any time; the paint event only copies the image to the screen.
class PaintBoxWidget final : public QWidget {
public:
    PaintBoxWidget(QWidget* parent, int width, int height);
    [[nodiscard]] QImage& Image() { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

// Draws a glyph into `rect` with the text colour `color`: vector shapes and outline
// text only, so it stays sharp at any screen scale.
void PaintGlyph(QPainter& painter, const QRectF& rect, Glyph glyph, const QColor& color);

}  // namespace quorvel::ui::qt
