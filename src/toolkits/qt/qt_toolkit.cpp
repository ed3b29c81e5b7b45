#include "toolkits/qt/qt_toolkit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIconEngine>
#include <QLabel>
#include <QLibraryInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyleOption>
#include <QToolTip>
#include <QTranslator>
#include <QWindow>
#include <qdrawutil.h>
#include <algorithm>
#include <cstdio>

#include "toolkits/qt/qt_adapters.h"
#include "toolkits/qt/qt_desktop.h"
#include "toolkits/qt/qt_fonts.h"
#include "toolkits/qt/qt_keys.h"
#include "toolkits/qt/qt_pixels.h"
#include "toolkits/qt/qt_text.h"
#include "ui/glyph_strokes.h"
#include "ui/shortcuts.h"
#include "ui/tab_order.h"

namespace quorvel::ui::qt {

void FitLabel(QLabel* label, const ControlSpec& spec) {
    const Rect r = FittedLabel(spec, QFontMetrics(label->font()).horizontalAdvance(label->text()));
    label->setGeometry(r.x, r.y, r.w, r.h);
}

namespace {

QFont MakeFont(const FontSpec& spec) { return LayoutFont(Q(spec.family), spec.pixelSize, spec.bold, spec.italic); }

Qt::Alignment ToAlignment(Align a) {
    switch (a) {
        case Align::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
        case Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
        case Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// The glyph of a constant button as an icon, painted at whatever size is asked for.
class GlyphIconEngine final : public QIconEngine {
public:
    explicit GlyphIconEngine(Glyph glyph) : glyph_(glyph) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State /*state*/) override {
        PaintGlyph(*painter, rect, glyph_, mode == QIcon::Disabled ? QColor(128, 128, 128) : QColor(0, 0, 0));
    }
    [[nodiscard]] QIconEngine* clone() const override { return new GlyphIconEngine(glyph_); }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

private:
    Glyph glyph_;
};

// Check boxes and radio buttons with the indicator and gap of the layout's design, so
// "DEG" and "RAD" fit their 40 x 12 pixels.
class CompactIndicatorStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        switch (metric) {
            case PM_ExclusiveIndicatorWidth:
            case PM_ExclusiveIndicatorHeight: return 11;
            case PM_IndicatorWidth:
            case PM_IndicatorHeight: return 13;
            case PM_RadioButtonLabelSpacing:
            case PM_CheckBoxLabelSpacing: return 4;
            default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
    // The focus frame around the caption stays inside the button: at 12 pixels high
    // the style's own frame would lose its top and bottom lines.
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override {
        const QRect r = QProxyStyle::subElementRect(element, option, widget);
        if (element == SE_RadioButtonFocusRect || element == SE_CheckBoxFocusRect) return r & option->rect;
        return r;
    }
};

QStyle* CompactStyle() {
    static QPointer<QStyle> style;
    if (style.isNull()) style = new CompactIndicatorStyle;
    return style;
}

// Fusion draws a group box's frame from a PNG among its resources, and reads it
// through a reader that asks every image-format plugin (gif, ico, jpeg with libjpeg,
// svg with Qt SVG) whether it reads PNG, loading each. The frame is drawn here the way
// Fusion draws it, from the same image's pixels built into the program, so that no
// decoder is loaded for it. Another base style draws its own frame.
class GroupFrameStyle final : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameGroupBox || baseStyle()->name() != QLatin1String("fusion")) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        if (frame_.isNull()) frame_ = QPixmap::fromImage(RawPixels(QStringLiteral(":/quorvel/fusion_groupbox.argb")));
        // Fusion's margins: the frame starts below the title, or 3 pixels down without one.
        constexpr int kTopMargin = 3;
        int top = kTopMargin;
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        if (box == nullptr || box->isCheckable() || !box->title().isEmpty()) {
            top += std::max(proxy()->pixelMetric(PM_ExclusiveIndicatorHeight, option, widget), option->fontMetrics.height());
        }
        qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), frame_);
    }

private:
    mutable QPixmap frame_;  // read at the first frame drawn
};

QStyle* GroupStyle() {
    static QPointer<QStyle> style;
    if (style.isNull()) style = new GroupFrameStyle;
    return style;
}

void ApplyPalette(QWidget* w, QPalette::ColorRole role, Color color) {
    if (color == kParentColor) return;
    QPalette pal = w->palette();
    pal.setColor(role, ToQColor(color));
    w->setPalette(pal);
}

}  // namespace

void InstallGermanTranslation() {
    static bool done = false;
    if (done) return;
    done = true;
    // Qt's own German texts (the edit menu, standard buttons), from Debian's
    // translation package; without it Qt's English stays.
    auto* translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

void RegisterBundledFonts() {
    static bool done = false;
    if (done) return;
    done = true;
    for (const char* path : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFile::exists(QString::fromLatin1(path))) QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    }
}

namespace {

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // The offscreen platform's notes, and the font engine's note that a font has no
    // shaping tables for a script (the text is drawn all the same).
    if (type == QtWarningMsg && (message.startsWith(QLatin1String("This plugin does not support")) ||
                                 message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")) ||
                                 message.contains(QLatin1String("OpenType support missing")))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

}  // namespace

void InstallQuietMessageHandler() { qInstallMessageHandler(QuietHandler); }

QtToolkit::QtToolkit(QtOptions options) : options_(options) {
    RegisterBundledFonts();
    InstallGermanTranslation();
    router_ = std::make_unique<EventRouter>(*this);
    // Qt lays out an edit's text in the application font while it builds the edit,
    // before the edit takes its own font. With the main window's font as the
    // application font for the build, that costs no font engine of a font no control
    // shows; tool tips and message boxes keep the application font they had.
    const QFont applicationFont = QApplication::font();
    QApplication::setFont(MakeFont(Layout()[static_cast<std::size_t>(IndexOf(kMainWindow))].font).resolve(applicationFont));
    Build();
    QApplication::setFont(applicationFont);
    qApp->installEventFilter(router_.get());
}

QtToolkit::~QtToolkit() {
    qApp->removeEventFilter(router_.get());
    // Top-level windows own their children; delete them before the adapters go.
    for (auto& c : controls_) {
        if (c->Spec().kind == ControlKind::Form) delete c->Widget();
    }
}

void QtToolkit::Build() {
    const auto rows = Layout();
    controls_.resize(rows.size());
    windows_.resize(rows.size());
    const QIcon icon = ProgramIcon();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlSpec& s = rows[i];
        const int row = static_cast<int>(i);
        QWidget* parent = s.parent.empty() ? nullptr : Widget(IndexOf(s.parent));
        QWidget* w = nullptr;
        switch (s.kind) {
            case ControlKind::Form: {
                Qt::WindowFlags flags = Qt::Window;
                if (s.Has(kFixedSize)) {
                    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
                }
                w = new QWidget(nullptr, flags);
                w->setWindowTitle(Q(s.text));
                if (IsMainWindow(s)) {
                    SetIconAfterFirstPaint(*w, icon);
                } else {
                    w->setWindowIcon(icon);
                }
                if (s.Has(kFixedSize)) {
                    w->setFixedSize(s.place.w, s.place.h);
                } else {
                    w->resize(s.place.w, s.place.h);
                }
                w->setAutoFillBackground(true);
                ApplyPalette(w, QPalette::Window, s.color);
                // Qt shows no tips over an inactive window; the memory buttons must show
                // theirs while the constants window has the focus. Which tips show at
                // all is still decided by the event router.
                w->setAttribute(Qt::WA_AlwaysShowToolTips);
                break;
            }
            case ControlKind::Panel: {
                const bool transparent = s.Has(kTransparent);
                w = new PanelWidget(parent, s.bevel, transparent ? kParentColor : InitialColor(s));
                break;
            }
            case ControlKind::GroupBox: {
                auto* g = new QGroupBox(Q(s.text), parent);
                g->setStyle(GroupStyle());
                g->setAutoFillBackground(true);
                ApplyPalette(g, QPalette::Window, InitialColor(s));
                w = g;
                break;
            }
            case ControlKind::Label:
            case ControlKind::StaticText: {
                auto* l = new QLabel(Q(s.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), parent);
                l->setAlignment(s.kind == ControlKind::Label ? (ToAlignment(s.align) & ~Qt::AlignVCenter) | Qt::AlignTop
                                                             : Qt::AlignLeft | Qt::AlignTop);
                if (s.Has(kBorder)) {
                    l->setFrameStyle(QFrame::Box | QFrame::Plain);
                    l->setLineWidth(1);
                }
                w = l;
                break;
            }
            case ControlKind::Shape: w = new ShapeWidget(parent, s.color); break;
            case ControlKind::Edit: {
                auto* e = new LineEdit(parent);
                e->setText(Q(s.text));
                e->setFrame(false);
                e->setAlignment(ToAlignment(s.align));
                e->setReadOnly(s.Has(kReadOnly));
                e->setPlaceholderText(Q(s.placeholder));
                ApplyPalette(e, QPalette::Base, InitialColor(s));
                w = e;
                break;
            }
            case ControlKind::Button: w = new QPushButton(Q(s.text), parent); break;
            case ControlKind::BitBtn: {
                auto* b = new QPushButton(Q(s.text), parent);
                b->setIcon(QIcon(new GlyphIconEngine(s.glyph)));
                const int side = ConstantGlyphSide(s.glyph);
                b->setIconSize(QSize(side, side));
                w = b;
                break;
            }
            case ControlKind::SpeedButton: {
                auto* b = new SpeedButton(parent, s.glyph, s.Has(kFlat));
                b->setText(Q(s.text));
                w = b;
                break;
            }
            case ControlKind::CheckBox: {
                auto* c = new QCheckBox(Q(s.text), parent);
                c->setStyle(CompactStyle());
                c->setChecked(s.Has(kChecked));
                w = c;
                break;
            }
            case ControlKind::RadioButton: {
                auto* r = new QRadioButton(Q(s.text), parent);
                r->setStyle(CompactStyle());
                r->setChecked(s.Has(kChecked));
                // Of a pair only the checked button is a tab stop; the other takes the
                // focus by a click alone. The pair swaps as the check moves.
                r->setFocusPolicy(s.Has(kChecked) ? Qt::StrongFocus : Qt::ClickFocus);
                QObject::connect(r, &QAbstractButton::toggled, r,
                                 [r](bool on) { r->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); });
                w = r;
                break;
            }
            case ControlKind::PaintBox: {
                auto* box = new PaintBoxWidget(parent, s.place.w, s.place.h);
                surface_ = std::make_unique<QtCanvas>(*box);
                canvas_ = std::make_unique<RecordingCanvas>(s.place.w, s.place.h, surface_.get());
                w = box;
                break;
            }
            case ControlKind::Timer:
                timer_ = std::make_unique<QtTimer>(*this, row, options_.manualTimer);
                break;
        }
        if (w != nullptr) {
            w->setProperty("quorvelRow", row);
            w->setObjectName(QString::fromLatin1(s.name.data(), static_cast<qsizetype>(s.name.size())));
            if (s.kind != ControlKind::Form) w->setGeometry(s.place.x, s.place.y, s.place.w, s.place.h);
            w->setFont(ControlFont(s.font, Q(s.text)));
            if (auto* l = qobject_cast<QLabel*>(w); l != nullptr && s.kind == ControlKind::Label) FitLabel(l, s);
            if (!s.hint.empty()) w->setToolTip(Q(s.hint));
            ApplyAccessibleText(*w, s);
            if (s.Has(kHidden)) w->setVisible(false);
            if (s.Has(kDisabled)) w->setEnabled(false);
            switch (s.cursor) {
                case Cursor::Hand: w->setCursor(Qt::PointingHandCursor); break;
                case Cursor::IBeam: w->setCursor(Qt::IBeamCursor); break;
                case Cursor::Arrow: w->setCursor(Qt::ArrowCursor); break;
                case Cursor::Default: break;
            }
            if (auto* b = dynamic_cast<QAbstractButton*>(w)) {
                if (s.kind == ControlKind::RadioButton) {
                    QObject::connect(b, &QAbstractButton::toggled, b, [this, row](bool on) {
                        // A click on the checked button toggles nothing and is no Click.
                        if (on) Raise(row, EventKind::Click);
                    });
                } else {
                    // clicked is the user's press (or a check box's toggle by the user).
                    QObject::connect(b, &QAbstractButton::clicked, b, [this, row] { Raise(row, EventKind::Click); });
                }
            }
        }
        controls_[i] = std::make_unique<QtControl>(*this, row, w);
        if (s.kind == ControlKind::Form) windows_[i] = std::make_unique<QtWindow>(*this, row, w);
    }
    messages_ = std::make_unique<QtMessages>(*this);
    platform_ = std::make_unique<QtPlatform>();
    ApplyTabOrder();
    AddShortcuts();
    AddStayOnTop();
}

void QtToolkit::AddStayOnTop() {
    // The window manager owns the title bar's menu on Linux desktops, so the entry is
    // in the window's own menu, which a right click on its background opens.
    QWidget* window = Widget(core_.MainRow());
    stayOnTop_ = new QAction(Q(kStayOnTopEntry), window);
    stayOnTop_->setCheckable(true);
    window->addAction(stayOnTop_);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(stayOnTop_, &QAction::toggled, window, [window](bool on) {
        // Set on the platform window, which keeps a shown window on the screen; the
        // widget's own flags would hide it and show it anew.
        window->winId();
        window->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, on);
    });
}

void QtToolkit::AddShortcuts() {
    for (const Shortcut& s : Shortcuts()) {
        const std::optional<KeyChord> chord = ParseChord(s.chord);
        const int windowRow = IndexOf(WindowOf(Layout()[static_cast<std::size_t>(IndexOf(s.control))]));
        auto* shortcut = new QShortcut(QKeySequence(QKeyCombination(QtModifiersOf(*chord), QtKeyOf(*chord))), Widget(windowRow));
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, shortcut, [this, windowRow, c = *chord] {
            core_.Guard([&] { RunShortcut(*this, core_, windowRow, c); });
        });
    }
}

void QtToolkit::ApplyTabOrder() {
    const auto rows = Layout();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].kind != ControlKind::Form) continue;
        const std::vector<int> chain = TabChain(rows[i].name);
        for (std::size_t k = 1; k < chain.size(); ++k) QWidget::setTabOrder(Widget(chain[k - 1]), Widget(chain[k]));
    }
    // What takes no focus at all never gets it, not even by a click; the radio buttons
    // decide as their check moves (see Build).
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QWidget* w = Widget(static_cast<int>(i));
        const ControlKind k = rows[i].kind;
        if (w == nullptr || k == ControlKind::Form || k == ControlKind::RadioButton) continue;
        if (!TakesFocus(rows[i])) {
            w->setFocusPolicy(Qt::NoFocus);
        } else if (rows[i].tabIndex < 0) {
            w->setFocusPolicy(Qt::ClickFocus);
        }
    }
}

UiControl& QtToolkit::Control(int row) { return *controls_.at(static_cast<std::size_t>(row)); }
UiWindow& QtToolkit::Window(int row) { return *windows_.at(static_cast<std::size_t>(row)); }
UiTimer& QtToolkit::Timer() { return *timer_; }
UiCanvas& QtToolkit::Canvas() { return *canvas_; }
UiMessages& QtToolkit::Messages() { return *messages_; }
UiPlatform& QtToolkit::Platform() { return *platform_; }
RecordingCanvas& QtToolkit::Recording() { return *canvas_; }

QWidget* QtToolkit::Widget(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= controls_.size() || !controls_[static_cast<std::size_t>(row)]) return nullptr;
    return controls_[static_cast<std::size_t>(row)]->Widget();
}

int QtToolkit::RowOf(const QWidget* widget) const {
    const QVariant v = widget != nullptr ? widget->property("quorvelRow") : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

void QtToolkit::Connect(EventSink& sink) { core_.Connect(sink); }

void QtToolkit::ShowMainWindow() { Window(core_.MainRow()).Show(); }

bool QtToolkit::TickTimer() { return core_.Tick(*timer_); }

void QtToolkit::MarkClosed() {
    core_.MarkClosed();
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (windows_[i] && static_cast<int>(i) != core_.MainRow()) windows_[i]->Close();
    }
    QCoreApplication::quit();
}

void QtToolkit::PaintBoxShownOrHidden() {
    if (core_.Appeared(Showing(*this, core_.PaintRow()))) SchedulePaint();
}

void QtToolkit::SchedulePaint() {
    // The picture is drawn outside Qt's paint cycle, so that a message box the drawing
    // may raise never opens inside a paint or show event. A box hidden again before
    // then gets its Paint when it next appears.
    if (paintQueued_) return;
    paintQueued_ = true;
    QMetaObject::invokeMethod(
        qApp,
        [this] {
            paintQueued_ = false;
            if (Showing(*this, core_.PaintRow())) Raise(core_.PaintRow(), EventKind::Paint);
        },
        Qt::QueuedConnection);
}

bool EventRouter::eventFilter(QObject* watched, QEvent* event) {
    // The filter sees every event of the application: the others pass at once, without
    // the property lookup that finds a widget's row.
    const QEvent::Type type = event->type();
    if (type != QEvent::ToolTip && type != QEvent::Enter && type != QEvent::Show && type != QEvent::Hide &&
        type != QEvent::Close) {
        return false;
    }
    auto* w = qobject_cast<QWidget*>(watched);
    const int row = w != nullptr ? kit_->RowOf(w) : -1;
    switch (event->type()) {
        case QEvent::ToolTip:
            if (w != nullptr && !HintShows(*kit_, row)) {
                QToolTip::hideText();
                event->ignore();
                return true;
            }
            return false;
        case QEvent::Enter:
            if (row >= 0) kit_->Raise(row, EventKind::MouseEnter);
            return false;
        case QEvent::Show:
        case QEvent::Hide:
            // A window's own minimising and restoring is spontaneous: the box stays seen.
            if (row < 0 || event->spontaneous()) return false;
            // Qt passes a window's or a container's show and hide on to the box, after
            // the flags that Showing() reads have changed.
            if (row == kit_->PaintRow()) kit_->PaintBoxShownOrHidden();
            if (type == QEvent::Show && Layout()[static_cast<std::size_t>(row)].kind == ControlKind::Form) {
                kit_->Raise(row, EventKind::Show);
            }
            return false;
        case QEvent::Close:
            if (row >= 0 && IsMainWindow(Layout()[static_cast<std::size_t>(row)])) kit_->MarkClosed();
            return false;
        default: return false;
    }
}

}  // namespace quorvel::ui::qt
