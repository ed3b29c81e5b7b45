#include "toolkits/qt/widgets.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

#include "toolkits/qt/qt_keys.h"
#include "toolkits/qt/qt_text.h"
#include "ui/key_chord.h"
#include "ui/typed_characters.h"

namespace quorvel::ui::qt {

namespace {

// The cursor and selection keys among Qt's keys, for the rule of an edit run's end.
EditKey EditKeyOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Home: return EditKey::Home;
        case Qt::Key_End: return EditKey::End;
        case Qt::Key_Left: return EditKey::Left;
        case Qt::Key_Right: return EditKey::Right;
        case Qt::Key_Up: return EditKey::Up;
        case Qt::Key_Down: return EditKey::Down;
        default: break;
    }
    return event.matches(QKeySequence::SelectAll) ? EditKey::SelectAll : EditKey::Other;
}

// Whether the edit acts on the key at all: of the chords of a letter, a digit or a
// sign with Ctrl or Alt, only those an edit has on every desktop (EditCommandOf).
bool IsOwnChord(const QKeyEvent& event) {
    const std::optional<KeyChord> chord = ChordOf(event);
    if (!chord || (!chord->ctrl && !chord->alt)) return true;
    return EditCommandOf(*chord) != EditCommand::None;
}

}  // namespace

QColor ToQColor(Color color) {
    const Color rgb = Resolve(color);
    return {static_cast<int>((rgb >> 16U) & 0xFFU), static_cast<int>((rgb >> 8U) & 0xFFU), static_cast<int>(rgb & 0xFFU)};
}

LineEdit::LineEdit(QWidget* parent) : QLineEdit(parent) {
    // A pasted text of any size must arrive whole; the reader copes with it.
    setMaxLength(1 << 30);
}

bool LineEdit::event(QEvent* event) {
    // Qt's edit claims some chords ahead of the window's shortcuts (Ctrl+K on X11); it
    // claims none but its own, so a shortcut works from every field alike.
    if (event->type() == QEvent::ShortcutOverride && !IsOwnChord(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return false;
    }
    return QLineEdit::event(event);
}

void LineEdit::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<KeyChord> chord = ChordOf(*event); chord && onChord && onChord(*chord)) {
        event->accept();  // the program's command; the edit sees no key of it
        return;
    }
    if (event->matches(QKeySequence::Undo)) {
        if (onUndo) onUndo();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Redo)) {
        event->accept();  // one step back is all an edit offers
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!IsOwnChord(*event)) {
        event->ignore();  // e.g. Ctrl+K, which deletes to the line's end on X11 alone
        return;
    }
    const QString text = event->text();
    if (mods == Qt::NoModifier && onKey) {
        for (const QChar c : text) {
            if (c.unicode() != 0x7F) onKey(c.unicode());  // Delete types no character
        }
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A read-only edit would pass Return on to its parent; it ends here in both kinds.
        event->accept();
        return;
    }
    const QString before = QLineEdit::text();
    const int cursor = cursorPosition();
    const int selStart = selectionStart();
    const int selLength = selectedText().size();
    userEditing_ = true;
    QLineEdit::keyPressEvent(event);
    userEditing_ = false;
    const bool moved = cursorPosition() != cursor || selectionStart() != selStart || selectedText().size() != selLength;
    if (EndsEditRun(EditKeyOf(*event), QLineEdit::text() != before, moved) && onRunEnd) onRunEnd();
}

void LineEdit::mousePressEvent(QMouseEvent* event) {
    if (onRunEnd) onRunEnd();
    userEditing_ = true;
    QLineEdit::mousePressEvent(event);
    userEditing_ = false;
}

void LineEdit::mouseReleaseEvent(QMouseEvent* event) {
    userEditing_ = true;  // a middle-button release pastes the selection
    QLineEdit::mouseReleaseEvent(event);
    userEditing_ = false;
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
}

void LineEdit::focusInEvent(QFocusEvent* event) {
    if (onRunEnd) onRunEnd();
    QLineEdit::focusInEvent(event);
}

void LineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // Qt's menu in the language loaded at start, with its undo and redo found by
    // their source texts: Qt names the actions no other way. The undo becomes the
    // single step back of this program; there is nothing to redo.
    const QString undoText = QLineEdit::tr("&Undo");
    const QString redoText = QLineEdit::tr("&Redo");
    for (QAction* action : menu->actions()) {
        const QString text = action->text().section(QLatin1Char('\t'), 0, 0);
        if (text == redoText) {
            menu->removeAction(action);
        } else if (text == undoText) {
            action->disconnect();
            action->setEnabled(canUndo && canUndo());
            connect(action, &QAction::triggered, this, [this] {
                // The text the undo puts back is no edit of the user's.
                const bool editing = userEditing_;
                userEditing_ = false;
                if (onUndo) onUndo();
                userEditing_ = editing;
            });
        }
    }
    // The program's own entries; the one chosen runs once the menu has closed, as a
    // command of the program's, not as an edit of the user's.
    int chosen = -1;
    const FieldMenu extra = extraMenu ? extraMenu() : FieldMenu{};
    if (!extra.empty()) menu->addSeparator();
    for (const FieldMenuEntry& entry : extra) {
        QAction* action = menu->addAction(Q(entry.text));
        action->setEnabled(entry.enabled);
        connect(action, &QAction::triggered, this, [&chosen, command = entry.command] { chosen = command; });
    }
    if (onRunEnd) onRunEnd();
    userEditing_ = true;
    menu->exec(event->globalPos());
    userEditing_ = false;
    delete menu;
    if (chosen >= 0 && onCommand) onCommand(chosen);
}

void LineEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!hasFocus()) return;
    // The edits are drawn flat, without the frame that would show the focus, and a
    // read-only one has no cursor either: a line in the highlight colour shows it.
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void LineEdit::inputMethodEvent(QInputMethodEvent* event) {
    userEditing_ = true;
    QLineEdit::inputMethodEvent(event);
    userEditing_ = false;
}

void LineEdit::dropEvent(QDropEvent* event) {
    userEditing_ = true;
    QLineEdit::dropEvent(event);
    userEditing_ = false;
}

PanelWidget::PanelWidget(QWidget* parent, Bevel bevel, Color background)
    : QWidget(parent), bevel_(bevel), background_(background) {}

void PanelWidget::SetBackground(Color background) {
    background_ = background;
    update();
}

void PanelWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const QRect r = rect();
    if (background_ != kParentColor) p.fillRect(r, ToQColor(background_));
    if (bevel_ == Bevel::Raised) {
        p.setPen(QColor(255, 255, 255));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(160, 160, 160));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    } else if (bevel_ == Bevel::Single) {
        p.setPen(QColor(0, 0, 0));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

ShapeWidget::ShapeWidget(QWidget* parent, Color color) : QWidget(parent), color_(color) {}

void ShapeWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(color_));
}

SpeedButton::SpeedButton(QWidget* parent, Glyph glyph, bool flat) : QAbstractButton(parent), glyph_(glyph), flat_(flat) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

bool SpeedButton::event(QEvent* event) {
    const bool handled = QAbstractButton::event(event);
    // A raised button fills its whole face, so what lies beneath need not be painted
    // when it repaints on every press and release. The style's polish clears the
    // attribute for every button; it is set again after.
    if (event->type() == QEvent::Polish && !flat_) setAttribute(Qt::WA_OpaquePaintEvent);
    return handled;
}

void SpeedButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SpeedButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void SpeedButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter p(this);
    const bool down = isDown();
    const bool showFrame = !flat_ || (hovered_ && isEnabled()) || down;
    const QRect r = rect();
    if (showFrame) {
        const QColor light(255, 255, 255);
        const QColor dark(128, 128, 128);
        if (!flat_) p.fillRect(r, palette().button());
        p.setPen(down ? dark : light);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(down ? light : dark);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    const QColor ink = isEnabled() ? QColor(0, 0, 0) : QColor(128, 128, 128);
    const QRectF inner = QRectF(r).adjusted(2, 2, -2, -2).translated(down ? 1 : 0, down ? 1 : 0);
    if (glyph_ != Glyph::None) {
        PaintGlyph(p, inner, glyph_, ink);
    } else {
        p.setPen(ink);
        p.setFont(font());
        p.drawText(inner, Qt::AlignCenter, text());
    }
}

PaintBoxWidget::PaintBoxWidget(QWidget* parent, int width, int height)
    : QWidget(parent), image_(width, height, QImage::Format_RGB32) {
    image_.fill(ToQColor(clSilver));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBoxWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), image_, event->rect());
}

}  // namespace quorvel::ui::qt
