#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QEvent>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "app/application.h"
#include "diagram/phasor_diagram.h"
#include "numbers/calc_error.h"
#include "ui/canvas_record.h"
#include "toolkits/qt/qt_adapters.h"
#include "toolkits/qt/qt_driver.h"
#include "toolkits/qt/qt_toolkit.h"

// The picture as the paint box holds it: pixels, not operations.

namespace quorvel::test {
namespace {

class QtDiagram : public ::testing::Test {
protected:
    QtDiagram() {
        driver.ObserveBoxes([this](const ui::BoxSeen& b) { boxes.push_back(b); });
        app.Start();
        ui::qt::QtDriver::Settle();
    }
    ~QtDiagram() override { ui::qt::QtDriver::Settle(); }

    QImage Picture() { return kit.Widget(ui::IndexOf("PB_Gauss"))->grab().toImage(); }
    void Redraw(std::u16string_view d1, std::u16string_view d2, std::u16string_view d3) {
        kit.Control(ui::IndexOf("Z1_E_Phi_Deg")).SetText(d1);
        kit.Control(ui::IndexOf("Z2_E_Phi_Deg")).SetText(d2);
        kit.Control(ui::IndexOf("Z3_E_Phi_Deg")).SetText(d3);
        app.Form1().Zeigerdiagramm_malen();
        ui::qt::QtDriver::Settle();
    }

    ui::qt::QtToolkit kit{ui::qt::QtOptions{true}};
    ui::qt::QtDriver driver{kit};
    app::Application app{kit, u"quorvel"};
    std::vector<ui::BoxSeen> boxes;
};

QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b); }

TEST_F(QtDiagram, BackgroundFrameAxesAndOriginDot) {
    const QImage p = Picture();
    ASSERT_EQ(p.size(), QSize(190, 190));
    EXPECT_EQ(p.pixel(0, 0), Rgb(0, 0, 0)) << "frame";
    EXPECT_EQ(p.pixel(189, 95), Rgb(0, 0, 0)) << "frame";
    EXPECT_EQ(p.pixel(20, 170), Rgb(255, 255, 255)) << "background outside the circle";
    EXPECT_EQ(p.pixel(150, 100), Rgb(0, 0, 0)) << "real axis";
    EXPECT_EQ(p.pixel(90, 160), Rgb(0, 0, 0)) << "imaginary axis";
    EXPECT_EQ(p.pixel(90, 100), Rgb(0, 0, 0)) << "origin dot";
    EXPECT_EQ(p.pixel(180, 100), Rgb(0, 0, 0)) << "arrow head";
}

TEST_F(QtDiagram, PhasorsInTheirColours) {
    Redraw(u"90", u"180", u"-90");
    const QImage p = Picture();
    EXPECT_EQ(p.pixel(90, 60), Rgb(255, 0, 0)) << "Z1 straight up";
    EXPECT_EQ(p.pixel(40, 100), Rgb(0, 128, 0)) << "Z2 to the left";
    EXPECT_EQ(p.pixel(90, 140), Rgb(0, 0, 255)) << "Z3 straight down";
    Redraw(u"0", u"0", u"0");
    EXPECT_EQ(Picture().pixel(130, 100), Rgb(255, 255, 0)) << "three coinciding phasors show one yellow";
    Redraw(u"", u"", u"");
    EXPECT_EQ(Picture().pixel(90, 60), Rgb(0, 0, 0)) << "no phasor: the axis again";
}

TEST_F(QtDiagram, UncoveringRaisesNoSecondBox) {
    kit.Control(ui::IndexOf("Z1_E_Phi_Deg")).SetText(u"4k");
    kit.Control(ui::IndexOf("PB_Gauss")).SetVisible(false);
    kit.Control(ui::IndexOf("PB_Gauss")).SetVisible(true);
    ui::qt::QtDriver::Settle();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].text, u"'4k' ist kein gültiger Gleitkommawert.");
    QWidget* form1 = kit.Widget(ui::IndexOf("Form1"));
    for (int i = 0; i < 3; ++i) {
        form1->repaint();
        kit.Widget(ui::IndexOf("PB_Gauss"))->update();
        ui::qt::QtDriver::Settle();
    }
    EXPECT_EQ(boxes.size(), 1U);
}

// The picture a canvas without any history draws for the same degree texts.
QImage FreshPicture(std::u16string_view d1, std::u16string_view d2, std::u16string_view d3) {
    ui::qt::PaintBoxWidget box(nullptr, 190, 190);
    ui::qt::QtCanvas surface(box);
    ui::RecordingCanvas canvas(190, 190, &surface);
    try {
        diagram::DrawPicture(canvas, {{{true, std::u16string(d1)}, {true, std::u16string(d2)}, {true, std::u16string(d3)}}});
    } catch (const CalcError&) {  // NOLINT(bugprone-empty-catch): the picture stops there, as the program's does
    }
    return box.Image().copy();
}

TEST_F(QtDiagram, RepeatedPicturesLookAsIfDrawnAfresh) {
    // The canvas takes what a picture repeats of earlier ones from a kept image; every
    // picture must still come out as a canvas drawing it from nothing would draw it:
    // repeated, changed, alternating, stopped half-way, after drawing outside a picture,
    // and after the box's pixels were written past the canvas.
    struct Step {
        std::u16string_view d1, d2, d3;
        bool clearFirst;
        bool scribbleFirst = false;
    };
    const Step steps[] = {
        {u"90", u"180", u"-90", false}, {u"90", u"180", u"-90", false}, {u"30", u"-45", u"", false},
        {u"90", u"180", u"-90", false}, {u"30", u"-45", u"", true},     {u"0", u"0", u"0", false},
        {u"45", u"4k", u"90", false},   {u"45", u"4k", u"90", false},   {u"", u"", u"", false},
        {u"", u"", u"", true},          {u"-30", u"120", u"7", false},  {u"-30", u"120", u"7", false},
        {u"-30", u"120", u"7", false, true}, {u"45", u"4k", u"90", false}, {u"45", u"4k", u"90", false, true},
    };
    auto* box = dynamic_cast<ui::qt::PaintBoxWidget*>(kit.Widget(ui::IndexOf("PB_Gauss")));
    ASSERT_NE(box, nullptr);
    int step = 0;
    for (const Step& s : steps) {
        SCOPED_TRACE(step++);
        if (s.clearFirst) {
            kit.Canvas().SetBrushColor(ui::clSilver);
            kit.Canvas().FillRect({0, 0, 190, 190});
        }
        if (s.scribbleFirst) box->Image().fill(Qt::gray);
        try {
            Redraw(s.d1, s.d2, s.d3);
        } catch (const CalcError&) {  // NOLINT(bugprone-empty-catch): stopped at "4k", as intended
        }
        EXPECT_TRUE(box->Image() == FreshPicture(s.d1, s.d2, s.d3));
    }
}

// Counts the paint events a widget receives.
class PaintCount final : public QObject {
public:
    explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

TEST_F(QtDiagram, OnlyAPictureThatDiffersFromTheOneShownIsPainted) {
    struct Step {
        const char* label;
        std::u16string_view d3;
        bool painted;
    };
    const Step steps[] = {{"changed", u"90", true}, {"repeated", u"90", false}, {"changed again", u"45", true},
                          {"repeated again", u"45", false}, {"back", u"90", true}};
    QWidget* box = kit.Widget(ui::IndexOf("PB_Gauss"));
    for (const Step& s : steps) {
        PaintCount paints(box);
        Redraw(u"30", u"-60", s.d3);
        EXPECT_EQ(paints.count > 0, s.painted) << s.label;
    }
}

TEST(QtCanvas, PicturesPartingAnywhereFromTheKeptOneLookAsIfDrawnAfresh) {
    // Pictures of any operations, parting from each other at every kind of place: in
    // what the canvas keeps, right after it, at its first operation, and ending inside it.
    using Picture = std::vector<std::function<void(ui::UiCanvas&)>>;
    const auto fill = [](ui::UiCanvas& c) {
        c.SetBrushColor(ui::clWhite);
        c.FillRect({0, 0, 190, 190});
    };
    const auto part = [](ui::UiCanvas& c) {
        c.SetBrushColor(ui::clYellow);
        c.FillRect({20, 30, 100, 50});
    };
    const auto lineA = [](ui::UiCanvas& c) {
        c.SetPenColor(ui::clRed);
        c.SetPenWidth(2);
        c.MoveTo(10, 10);
        c.LineTo(150, 120);
    };
    const auto lineB = [](ui::UiCanvas& c) {
        c.SetPenColor(ui::clBlue);
        c.SetPenWidth(1);
        c.MoveTo(180, 10);
        c.LineTo(5, 170);
    };
    const auto text = [](ui::UiCanvas& c) {
        c.SetFontColor(ui::clBlack);
        c.SetFontSize(8);
        c.TextOut(40, 60, u"Im");
    };
    const auto ring = [](ui::UiCanvas& c) {
        c.SetPenColor(ui::clBlack);
        c.SetPenWidth(1);
        c.SetBrushColor(ui::clWhite);
        c.SetPenStyle(ui::PenStyle::Dot);
        c.Ellipse(30, 30, 160, 160);
        c.SetPenStyle(ui::PenStyle::Solid);
    };
    const std::vector<Picture> pictures = {
        {fill, lineA, text}, {fill, lineA, text}, {fill, lineA, lineB},  {fill, lineA, text, ring},
        {fill, lineA},       {fill},              {part, lineA, text},   {fill, ring, lineA},
        {fill, ring, lineA}, {fill, ring, lineB}, {fill, ring},          {fill, lineA, text},
    };
    ui::qt::PaintBoxWidget box(nullptr, 190, 190);
    ui::qt::QtCanvas kept(box);  // the canvas under test, with the history of every step
    int step = 0;
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(step++);
        ui::qt::PaintBoxWidget freshBox(nullptr, 190, 190);
        ui::qt::QtCanvas fresh(freshBox);
        for (ui::UiCanvas* canvas : {&kept, &fresh}) {
            // Both start from the same state and the same pixels.
            canvas->SetPenStyle(ui::PenStyle::Solid);
            canvas->SetBrushColor(ui::clGray);
            canvas->FillRect({0, 0, 190, 190});
            const ui::PictureScope scope(*canvas);
            for (const auto& draw : picture) draw(*canvas);
        }
        EXPECT_TRUE(box.Image() == freshBox.Image());
    }
}

TEST(QtCanvas, SmallCirclesLookAsQtDrawsThemWherever) {
    // The canvas stamps small solid ellipses from an image of each look: at every place,
    // clipped by the box's edges or not, over any pixels, they must come out as Qt draws
    // them there.
    QImage noise(190, 190, QImage::Format_RGB32);
    std::uint32_t seed = 1;
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x) {
            seed = seed * 1664525U + 1013904223U;
            noise.setPixel(x, y, seed | 0xFF000000U);
        }
    }
    struct Look {
        int penWidth;
        int radius;
        ui::Color pen;
        ui::Color brush;
        ui::PenStyle style = ui::PenStyle::Solid;
    };
    const Look looks[] = {{2, 2, ui::clRed, ui::clWhite},
                          {2, 3, ui::clBlack, ui::clBlack},
                          {1, 2, ui::clBlue, ui::clYellow},
                          {3, 5, ui::clGreen, ui::clWhite},
                          {1, 6, ui::clBlack, ui::clWhite, ui::PenStyle::Dot}};
    std::vector<int> places;
    for (int p = -6; p <= 6; ++p) places.push_back(p);
    for (int p = 88; p <= 96; ++p) places.push_back(p);
    for (int p = 184; p <= 195; ++p) places.push_back(p);
    ui::qt::PaintBoxWidget box(nullptr, 190, 190);
    ui::qt::QtCanvas canvas(box);
    for (const Look& look : looks) {
        canvas.SetPenWidth(look.penWidth);
        canvas.SetPenColor(look.pen);
        canvas.SetBrushColor(look.brush);
        canvas.SetPenStyle(look.style);
        for (const int y : places) {
            for (const int x : places) {
                box.Image() = noise;
                canvas.Ellipse(x - look.radius, y - look.radius, x + look.radius, y + look.radius);
                QImage expected = noise.copy();
                {
                    QPainter p(&expected);
                    QPen pen(ui::qt::ToQColor(look.pen));
                    pen.setWidth(look.penWidth <= 1 ? 0 : look.penWidth);
                    pen.setStyle(look.style == ui::PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
                    p.setPen(pen);
                    p.setBrush(ui::qt::ToQColor(look.brush));
                    p.drawEllipse(QRect(x - look.radius, y - look.radius, 2 * look.radius - 1, 2 * look.radius - 1));
                }
                ASSERT_TRUE(box.Image() == expected)
                    << "pen " << look.penWidth << ", radius " << look.radius << " at " << x << ", " << y;
            }
        }
    }
}

}  // namespace
}  // namespace quorvel::test
