#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStyle>

#include <algorithm>
#include <string>
#include <vector>

#include "toolkits/qt/qt_toolkit.h"
#include "ui/tab_order.h"

// The widgets as the table builds them: place, state, fonts, and captions that fit.

namespace quorvel::test {
namespace {

using ui::ControlKind;

class QtWidgets : public ::testing::Test {
protected:
    ui::qt::QtToolkit kit{ui::qt::QtOptions{true}};
    QWidget* W(std::string_view name) { return kit.Widget(ui::IndexOf(name)); }
};

std::string Name(const ui::ControlSpec& s) { return std::string(s.name); }

// Whether the face Qt takes for a font's text has every printing character of `text`
// itself, with no fallback face.
bool FaceWrites(const QFont& font, const QString& text) {
    const QRawFont face = QRawFont::fromFont(font, QFontDatabase::Latin);
    return std::all_of(text.cbegin(), text.cend(), [&](QChar c) { return c.isSpace() || face.supportsCharacter(c); });
}

TEST_F(QtWidgets, EveryControlSitsAtItsPlace) {
    for (const ui::ControlSpec& s : ui::Layout()) {
        SCOPED_TRACE(Name(s));
        QWidget* w = kit.Widget(ui::IndexOf(s.name));
        if (s.kind == ControlKind::Timer) {
            EXPECT_EQ(w, nullptr);
            continue;
        }
        ASSERT_NE(w, nullptr);
        if (s.kind == ControlKind::Form) {
            EXPECT_EQ(w->size(), QSize(s.place.w, s.place.h));
            EXPECT_TRUE(w->isWindow());
            continue;
        }
        if (s.kind == ControlKind::Label) {
            // Labels fit their caption: they may grow, by a pixel or two where this
            // screen's font is a shade wider, but never move their anchor or shrink.
            EXPECT_GE(w->width(), s.place.w);
            EXPECT_LE(w->width(), s.place.w + 2);
            EXPECT_EQ(w->y(), s.place.y);
            EXPECT_EQ(w->height(), s.place.h);
        } else {
            EXPECT_EQ(w->geometry(), QRect(s.place.x, s.place.y, s.place.w, s.place.h));
        }
        EXPECT_EQ(w->parentWidget(), kit.Widget(ui::IndexOf(s.parent)));
        EXPECT_EQ(w->isHidden(), s.Has(ui::kHidden));
        EXPECT_EQ(w->isEnabled(), !s.Has(ui::kDisabled));
    }
}

TEST_F(QtWidgets, MainWindowCannotBeResizedOrMaximised) {
    QWidget* form1 = W("Form1");
    EXPECT_EQ(form1->minimumSize(), QSize(961, 417));
    EXPECT_EQ(form1->maximumSize(), QSize(961, 417));
    EXPECT_FALSE(form1->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form1->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(form1->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QWidget* form2 = W("Form2");
    EXPECT_NE(form2->minimumSize(), form2->maximumSize()) << "the constants window keeps a normal frame";
}

TEST_F(QtWidgets, FontsResolveToMetricCompatibleFamilies) {
    // Arial and Tahoma are requested by name; the installed metric-compatible fonts
    // must answer, or every caption width of the layout is off.
    for (const ui::ControlSpec& s : ui::Layout()) {
        QWidget* w = kit.Widget(ui::IndexOf(s.name));
        if (w == nullptr || s.kind == ControlKind::Form) continue;
        SCOPED_TRACE(Name(s));
        const QFontInfo info(w->font());
        EXPECT_EQ(info.pixelSize(), s.font.pixelSize);
        EXPECT_EQ(info.bold(), s.font.bold);
        const QString family = info.family();
        // Wine's Tahoma has no Greek: its φ is shown in the main window's Arial.
        if (s.font.family == u"Arial" || !FaceWrites(QFont(QStringLiteral("Tahoma")), w->property("text").toString())) {
            EXPECT_TRUE(family == QLatin1String("Arial") || family == QLatin1String("Liberation Sans")) << family.toStdString();
        } else {
            EXPECT_EQ(family, QLatin1String("Tahoma"));
        }
    }
}

TEST_F(QtWidgets, EveryCaptionIsWrittenInItsOwnFont) {
    // A letter its font lacks would be drawn from a fallback face that fontconfig has
    // to sort out and Qt to load before the first frame.
    for (const ui::ControlSpec& s : ui::Layout()) {
        QWidget* w = kit.Widget(ui::IndexOf(s.name));
        if (w == nullptr || s.kind == ControlKind::Form) continue;
        EXPECT_TRUE(FaceWrites(w->font(), w->property("text").toString()))
            << Name(s) << " in " << w->font().family().toStdString();
    }
}

// The width a caption needs in its control, beyond the text itself.
int Chrome(QWidget* w) {
    if (qobject_cast<QCheckBox*>(w) != nullptr) {
        return w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
               w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
    }
    if (qobject_cast<QRadioButton*>(w) != nullptr) {
        return w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
               w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
    }
    if (auto* b = qobject_cast<QPushButton*>(w); b != nullptr && !b->icon().isNull()) return b->iconSize().width() + 12;
    if (qobject_cast<QAbstractButton*>(w) != nullptr) return 4;
    if (qobject_cast<QGroupBox*>(w) != nullptr) return 12;
    return 0;
}

TEST_F(QtWidgets, NoCaptionIsClipped) {
    for (const ui::ControlSpec& s : ui::Layout()) {
        QWidget* w = kit.Widget(ui::IndexOf(s.name));
        if (w == nullptr || s.kind == ControlKind::Form || s.kind == ControlKind::Edit) continue;
        QString caption = QString::fromStdU16String(kit.Control(ui::IndexOf(s.name)).GetText());
        if (caption.isEmpty()) continue;
        SCOPED_TRACE(Name(s) + " \"" + caption.toStdString() + "\"");
        const QFontMetrics fm(w->font());
        int widest = 0;
        for (const QString& line : caption.split(QStringLiteral("\r\n"))) widest = std::max(widest, fm.horizontalAdvance(line));
        EXPECT_LE(widest + Chrome(w), w->width());
        const int lines = static_cast<int>(caption.count(QStringLiteral("\r\n"))) + 1;
        if (s.kind != ControlKind::GroupBox) {
            EXPECT_LE(fm.height() * lines - fm.descent(), w->height());
        }
    }
}

TEST_F(QtWidgets, ConversionCaptionsFitOnceShown) {
    // The two conversion buttons get longer captions when the window first shows.
    kit.Control(ui::IndexOf("SB_Z1parZ2ser")).SetText(u"Z1 parallel -> Z3 seriell");
    kit.Control(ui::IndexOf("SB_Z1serZ2par")).SetText(u"Z1 seriell -> Z3 parallel");
    for (const char* name : {"SB_Z1parZ2ser", "SB_Z1serZ2par"}) {
        QWidget* w = W(name);
        auto* b = dynamic_cast<QAbstractButton*>(w);
        ASSERT_NE(b, nullptr);
        EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance(b->text()) + 4, w->width()) << name;
    }
}

TEST_F(QtWidgets, EditsAreFlatAlignedAndReadOnlyAsTheLayoutSays) {
    for (const ui::ControlSpec& s : ui::Layout()) {
        if (s.kind != ControlKind::Edit) continue;
        SCOPED_TRACE(Name(s));
        auto* e = qobject_cast<QLineEdit*>(kit.Widget(ui::IndexOf(s.name)));
        ASSERT_NE(e, nullptr);
        EXPECT_FALSE(e->hasFrame());
        EXPECT_EQ(e->isReadOnly(), s.Has(ui::kReadOnly));
        const Qt::Alignment h = e->alignment() & Qt::AlignHorizontal_Mask;
        EXPECT_EQ(h, s.align == ui::Align::Right ? Qt::AlignRight : s.align == ui::Align::Center ? Qt::AlignHCenter : Qt::AlignLeft);
    }
    EXPECT_EQ(qobject_cast<QLineEdit*>(W("Z3_E_ABS"))->placeholderText(), QStringLiteral("0"));
}

TEST_F(QtWidgets, FocusChainOfEachWindowIsItsTabChain) {
    for (const std::string_view window : {ui::kMainWindow, ui::kConstantsWindow}) {
        SCOPED_TRACE(std::string(window));
        std::vector<std::string> expected;
        for (const int row : ui::TabChain(window)) expected.emplace_back(ui::Layout()[static_cast<std::size_t>(row)].name);
        // Qt's chain is a ring through the window, where Tab from the last stop goes on
        // to the first; read from the chain's first stop, without what takes no focus.
        std::vector<std::string> chain;
        QWidget* start = W(window);
        for (QWidget* w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain()) {
            if (w->focusPolicy() != Qt::NoFocus) chain.push_back(w->objectName().toStdString());
        }
        ASSERT_FALSE(expected.empty());
        const auto first = std::find(chain.begin(), chain.end(), expected.front());
        std::rotate(chain.begin(), first, chain.end());
        EXPECT_EQ(chain, expected);
    }
}

TEST_F(QtWidgets, FocusPoliciesFollowTheLayout) {
    for (const ui::ControlSpec& s : ui::Layout()) {
        QWidget* w = kit.Widget(ui::IndexOf(s.name));
        if (w == nullptr || s.kind == ControlKind::Form) continue;
        SCOPED_TRACE(Name(s));
        if (!ui::TakesFocus(s)) {
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << "no focus, not even by a click";
        } else if (s.kind == ControlKind::RadioButton) {
            // Of a pair only the checked button is a tab stop; the other takes a click.
            EXPECT_EQ(w->focusPolicy(), s.Has(ui::kChecked) ? Qt::StrongFocus : Qt::ClickFocus);
        } else {
            EXPECT_EQ(w->focusPolicy(), Qt::StrongFocus);
        }
    }
}

TEST_F(QtWidgets, GlyphsAreDrawn) {
    for (const ui::ControlSpec& s : ui::Layout()) {
        if (s.glyph == ui::Glyph::None || s.kind != ControlKind::SpeedButton) continue;
        SCOPED_TRACE(Name(s));
        const QImage image = kit.Widget(ui::IndexOf(s.name))->grab().toImage();
        int ink = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
        }
        EXPECT_GE(ink, 6) << "a glyph needs dark pixels";
    }
}

TEST_F(QtWidgets, GroupBoxFramesLookAsTheStyleDrawsThem) {
    // The toolkit draws group-box frames itself (so that no image plugin loads); each
    // must come out pixel for pixel as a stock group box of the same title, font,
    // size and colours.
    int boxes = 0;
    for (const ui::ControlSpec& s : ui::Layout()) {
        if (s.kind != ControlKind::GroupBox) continue;
        SCOPED_TRACE(Name(s));
        auto* ours = qobject_cast<QGroupBox*>(kit.Widget(ui::IndexOf(s.name)));
        ASSERT_NE(ours, nullptr);
        QGroupBox stock(ours->title());
        stock.setFont(ours->font());
        stock.setPalette(ours->palette());
        stock.setAutoFillBackground(true);
        stock.resize(ours->size());
        QImage drawn(ours->size(), QImage::Format_RGB32);
        QImage expected(ours->size(), QImage::Format_RGB32);
        // The box alone, without the controls inside it.
        ours->render(&drawn, {}, {}, QWidget::DrawWindowBackground);
        stock.render(&expected, {}, {}, QWidget::DrawWindowBackground);
        EXPECT_TRUE(drawn == expected) << "the frame differs from the stock one";
        ++boxes;
    }
    EXPECT_GE(boxes, 3);
}

TEST_F(QtWidgets, ButtonsSayingTheyAreOpaquePaintEveryPixel) {
    // Qt paints nothing beneath a widget that calls itself opaque; one that left a
    // pixel unpainted would show stale pixels there.
    int opaque = 0;
    for (const ui::ControlSpec& s : ui::Layout()) {
        if (s.kind != ControlKind::SpeedButton) continue;
        SCOPED_TRACE(Name(s));
        QWidget* w = kit.Widget(ui::IndexOf(s.name));
        w->ensurePolished();
        EXPECT_EQ(w->testAttribute(Qt::WA_OpaquePaintEvent), !s.Has(ui::kFlat));
        if (!w->testAttribute(Qt::WA_OpaquePaintEvent)) continue;
        ++opaque;
        QImage image(w->size(), QImage::Format_ARGB32);
        image.fill(Qt::magenta);
        w->render(&image, {}, {}, {});  // the button's own painting alone
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) ASSERT_NE(image.pixel(x, y), QColor(Qt::magenta).rgb()) << x << ", " << y;
        }
    }
    EXPECT_GE(opaque, 4);
}

TEST(QtApplicationFont, ToolTipsAndBoxesKeepTheApplicationFont) {
    // The toolkit builds the windows under the main window's font as the application
    // font; tool tips and message boxes, which have no font of their own, must find
    // the one they had before.
    const QFont before = QApplication::font();
    {
        const ui::qt::QtToolkit kit{ui::qt::QtOptions{true}};
        EXPECT_EQ(QFontInfo(kit.Widget(ui::IndexOf("Z1_E_Real"))->font()).family(), QFontInfo(QFont(QStringLiteral("Arial"))).family());
    }
    EXPECT_TRUE(QApplication::font() == before) << QApplication::font().toString().toStdString();
}

}  // namespace
}  // namespace quorvel::test
