#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include "app/application.h"
#include "ui/qt/qt_driver.h"
#include "ui/qt/qt_toolkit.h"

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

}  // namespace
}  // namespace quorvel::test
