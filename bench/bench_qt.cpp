// Time of whole events on the real widgets (offscreen): one typed character, Enter in
// a rectangular field, a click on "Z1||Z2", a function on Z1, an inductance button,
// and one whole diagram picture beside a bare fill of the same image. Enter and the
// click repeat the same values, so their picture is the one the box shows already. Each timed event includes the processing of the
// repaints it causes.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cstdlib>

#include "app/application.h"
#include "toolkits/qt/qt_driver.h"
#include "toolkits/qt/qt_toolkit.h"
#include "toolkits/qt/widgets.h"

namespace {

using quorvel::ui::IndexOf;

struct Calculator {
    quorvel::ui::qt::QtToolkit kit{quorvel::ui::qt::QtOptions{true}};
    quorvel::app::Application app{kit, u"quorvel"};
    Calculator() {
        app.Start();
        Settle();
        Set("Z1_E_Real", u"100");
        Set("Z1_E_Imaginaer", u"50");
        Set("Z2_E_Real", u"4,7k");
        QTest::keyClick(W("Z1_E_Real"), Qt::Key_Return);
        QTest::keyClick(W("Z2_E_Real"), Qt::Key_Return);
        Settle();
    }
    QWidget* W(const char* name) { return kit.Widget(IndexOf(name)); }
    void Set(const char* name, std::u16string_view text) { kit.Control(IndexOf(name)).SetText(text); }
    static void Settle() { QCoreApplication::processEvents(); }
};

// One keystroke; with the argument 1 including the repaint it schedules, with 0 the
// key and change handling alone.
void TypeCharacter(benchmark::State& state) {
    Calculator c;
    QWidget* edit = c.W("Z1_E_Real");
    edit->setFocus();
    const bool repaint = state.range(0) != 0;
    int typed = 0;
    for (auto _ : state) {
        QTest::keyClick(edit, Qt::Key_5, Qt::NoModifier);
        if (repaint) Calculator::Settle();
        if (++typed == 8) {
            state.PauseTiming();
            c.Set("Z1_E_Real", u"1");
            Calculator::Settle();
            typed = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(TypeCharacter)->Arg(1)->Arg(0);

void EnterInRealField(benchmark::State& state) {
    Calculator c;
    QWidget* edit = c.W("Z1_E_Real");
    for (auto _ : state) {
        QTest::keyClick(edit, Qt::Key_Return);
        Calculator::Settle();
    }
}
BENCHMARK(EnterInRealField);

void ClickParallel(benchmark::State& state) {
    Calculator c;
    QWidget* button = c.W("SB_Z1parallelZ2");
    for (auto _ : state) {
        QTest::mouseClick(button, Qt::LeftButton);
        Calculator::Settle();
    }
}
BENCHMARK(ClickParallel);

// A function on Z1: the display with its change handlings, the blanking of Z3's fields
// and the redraw. Conjugation alternates between two values, so every click writes.
void ClickFunctionOnZ1(benchmark::State& state) {
    Calculator c;
    QWidget* button = c.W("SB_Z1_konj");
    for (auto _ : state) {
        QTest::mouseClick(button, Qt::LeftButton);
        Calculator::Settle();
    }
}
BENCHMARK(ClickFunctionOnZ1);

// An inductance turned into its reactance in Z1's imaginary field.
void ClickInductance(benchmark::State& state) {
    Calculator c;
    QTest::mouseClick(c.W("Z1_CB_X"), Qt::LeftButton);
    c.Set("Z1_E_XL_XC", u"100m");
    c.Set("Z1_E_F", u"50");
    Calculator::Settle();
    QWidget* button = c.W("Z1_XL");
    for (auto _ : state) {
        state.PauseTiming();
        c.Set("Z1_E_Imaginaer", u"0");
        state.ResumeTiming();
        QTest::mouseClick(button, Qt::LeftButton);
        Calculator::Settle();
    }
}
BENCHMARK(ClickInductance);

// Z3's phasor alternates between two angles, so that every picture differs from the
// one the box shows (a repeated picture is not drawn again).
void WholePicture(benchmark::State& state) {
    Calculator c;
    c.Set("Z1_E_Phi_Deg", u"26,565050");
    c.Set("Z2_E_Phi_Deg", u"-45");
    bool other = false;
    for (auto _ : state) {
        state.PauseTiming();
        c.Set("Z3_E_Phi_Deg", other ? u"89" : u"90");
        other = !other;
        state.ResumeTiming();
        c.app.Form1().Zeigerdiagramm_malen();
    }
}
BENCHMARK(WholePicture);

void BareFillOfTheImage(benchmark::State& state) {
    Calculator c;
    auto* box = dynamic_cast<quorvel::ui::qt::PaintBoxWidget*>(c.W("PB_Gauss"));
    for (auto _ : state) {
        QPainter p(&box->Image());
        p.fillRect(box->Image().rect(), Qt::white);
    }
}
BENCHMARK(BareFillOfTheImage);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    quorvel::ui::qt::InstallQuietMessageHandler();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
