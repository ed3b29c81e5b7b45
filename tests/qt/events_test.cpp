#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>

#include "event_log.h"
#include "toolkits/qt/qt_driver.h"
#include "toolkits/qt/qt_toolkit.h"

// What only the real widgets have: Qt's own tool-tip requests, a disabled widget's
// refusal of a real click, repaints, the clipboard and a running timer. The contract
// every toolkit keeps is tested in tests/toolkits.

namespace quorvel::test {
namespace {

using ui::EventKind;

using Sink = EventLog;

class QtEvents : public ::testing::Test {
protected:
    QtEvents() {
        kit.Connect(sink);
        kit.ShowMainWindow();
        ui::qt::QtDriver::Settle();
    }
    ~QtEvents() override { ui::qt::QtDriver::Settle(); }
    QWidget* W(std::string_view name) { return kit.Widget(ui::IndexOf(name)); }

    ui::qt::QtToolkit kit{ui::qt::QtOptions{true}};
    ui::qt::QtDriver driver{kit};
    Sink sink;
};

// Whether a real tool-tip request on the widget shows a tip now.
bool TipShows(QWidget* w) {
    QHelpEvent help(QEvent::ToolTip, w->rect().center(), w->mapToGlobal(w->rect().center()));
    QApplication::sendEvent(w, &help);
    const bool shown = QToolTip::isVisible();
    QToolTip::hideText();
    return shown;
}

TEST_F(QtEvents, ToolTipsFollowTheWindowExceptInTheMemoryGroups) {
    kit.Control(ui::IndexOf("B_Z2_M1")).SetHint(u"M1: 0");
    EXPECT_FALSE(TipShows(W("Z1_E_Real")));
    EXPECT_FALSE(TipShows(W("B_Fertig")));
    EXPECT_TRUE(TipShows(W("B_Z2_M1")));
    EXPECT_TRUE(TipShows(W("GroupBox6")));
    kit.Window(ui::IndexOf("Form1")).SetShowHint(true);
    EXPECT_TRUE(TipShows(W("Z1_E_Real")));
    EXPECT_TRUE(TipShows(W("B_Fertig")));
}

TEST_F(QtEvents, DisabledCheckBoxIgnoresClicks) {
    QTest::mouseClick(W("Z3_CB_BE"), Qt::LeftButton);
    EXPECT_EQ(sink.Count("Z3_CB_BE", EventKind::Click), 0);
    EXPECT_FALSE(kit.Control(ui::IndexOf("Z3_CB_BE")).GetChecked());
}

TEST_F(QtEvents, RepaintingTheBoxShowsItsPictureWithoutAPaintEvent) {
    // Qt repaints a widget whenever it is uncovered; the picture is kept in the box's
    // image, and only the box's appearing asks the calculator for a new one.
    ASSERT_EQ(sink.Count("PB_Gauss", EventKind::Paint), 1);
    W("PB_Gauss")->repaint();
    W("Form1")->update();
    ui::qt::QtDriver::Settle();
    EXPECT_EQ(sink.Count("PB_Gauss", EventKind::Paint), 1);
}

TEST_F(QtEvents, PastingAMebibyteArrivesWhole) {
    QString big(1 << 20, QLatin1Char('3'));
    QApplication::clipboard()->setText(big);
    const int row = ui::IndexOf("Z2_E_ABS");
    driver.Erase(row);
    QTest::keyClick(W("Z2_E_ABS"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(kit.Control(row).GetText().size(), static_cast<std::size_t>(1 << 20));
    driver.UndoKey(row);
    EXPECT_EQ(kit.Control(row).GetText(), u"0") << "erasing and pasting were one run of edits";
}

TEST_F(QtEvents, EnablingTheRunningTimerKeepsItsPeriod) {
    ui::qt::QtToolkit live{ui::qt::QtOptions{false}};
    Sink ticks;
    live.Connect(ticks);
    QElapsedTimer clock;
    clock.start();
    live.Timer().SetEnabled(true);
    QTest::qWait(400);
    live.Timer().SetEnabled(true);
    // A restarted period would put the first tick at about 1400 ms.
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.Count("Timer1", EventKind::Timer) > 0; }, 3000));
    ASSERT_EQ(ticks.Count("Timer1", EventKind::Timer), 1);
    EXPECT_LT(clock.elapsed(), 1300);
}

}  // namespace
}  // namespace quorvel::test
