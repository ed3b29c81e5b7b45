#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <functional>
#include <vector>

#include "app/dispatch.h"
#include "numbers/calc_error.h"
#include "event_log.h"
#include "toolkits/qt/qt_driver.h"
#include "toolkits/qt/qt_toolkit.h"

// What the real widgets report, and how: the events the adapter raises from Qt's
// signals and events, the tool-tip switch, the deferred paint and the message box.

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

TEST_F(QtEvents, ReturnInAReadOnlyEditReachesItsKeyHandler) {
    for (const char* name : {"Z3_E_L", "Z3_E_C"}) {
        SCOPED_TRACE(name);
        sink.seen.clear();
        QTest::keyClick(W(name), Qt::Key_Return);
        ASSERT_EQ(sink.Count(name, EventKind::KeyPress), 1);
        EXPECT_EQ(sink.seen.back().key, 13);
    }
}

TEST_F(QtEvents, TypedKeysArriveBeforeTheChange) {
    sink.seen.clear();
    QTest::keyClick(W("Z1_E_Real"), Qt::Key_5);
    ASSERT_GE(sink.seen.size(), 2U);
    EXPECT_EQ(sink.seen[0].event, EventKind::KeyPress);
    EXPECT_EQ(sink.seen[0].key, u'5');
    EXPECT_EQ(sink.seen[1].event, EventKind::Change);
}

TEST_F(QtEvents, RadioButtonClickOnlyWhenItBecomesChecked) {
    driver.Click(ui::IndexOf("Z1_RB_Phi_Rad"));
    EXPECT_EQ(sink.Count("Z1_RB_Phi_Rad", EventKind::Click), 0);
    driver.Click(ui::IndexOf("Z1_RB_Phi_Deg"));
    EXPECT_EQ(sink.Count("Z1_RB_Phi_Deg", EventKind::Click), 1);
    EXPECT_FALSE(kit.Control(ui::IndexOf("Z1_RB_Phi_Rad")).GetChecked());
}

TEST_F(QtEvents, DisabledCheckBoxIgnoresClicks) {
    QTest::mouseClick(W("Z3_CB_BE"), Qt::LeftButton);
    EXPECT_EQ(sink.Count("Z3_CB_BE", EventKind::Click), 0);
    EXPECT_FALSE(kit.Control(ui::IndexOf("Z3_CB_BE")).GetChecked());
}

TEST_F(QtEvents, PaintOnAppearingNotOnUncovering) {
    EXPECT_EQ(sink.Count("PB_Gauss", EventKind::Paint), 1) << "the first show of the window";
    W("PB_Gauss")->repaint();
    W("Form1")->update();
    ui::qt::QtDriver::Settle();
    EXPECT_EQ(sink.Count("PB_Gauss", EventKind::Paint), 1) << "a repaint copies the picture only";
    kit.Control(ui::IndexOf("PB_Gauss")).SetVisible(false);
    kit.Control(ui::IndexOf("PB_Gauss")).SetVisible(true);
    ui::qt::QtDriver::Settle();
    EXPECT_EQ(sink.Count("PB_Gauss", EventKind::Paint), 2);
}

TEST_F(QtEvents, FailureInAHandlerShowsARealErrorBoxAndTheProgramGoesOn) {
    sink.onEvent = [this](int row, EventKind e) {
        if (row == ui::IndexOf("SB_Division") && e == EventKind::Click) {
            app::RunGuarded(kit.Messages(), u"quorvel", [] { throw CalcError(u"Division durch Null"); });
        }
    };
    std::vector<ui::BoxSeen> boxes;
    driver.ObserveBoxes([&](const ui::BoxSeen& b) { boxes.push_back(b); });
    driver.Click(ui::IndexOf("SB_Division"));
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].title, u"quorvel");
    EXPECT_EQ(boxes[0].text, u"Division durch Null.");
    EXPECT_EQ(boxes[0].icon, "error");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the box was answered";
    driver.Type(ui::IndexOf("Z2_E_Real"), u"7");
    EXPECT_EQ(kit.Control(ui::IndexOf("Z2_E_Real")).GetText(), u"7");
}

TEST_F(QtEvents, UndoIsOneStepAndNotQtsHistory) {
    const int row = ui::IndexOf("Z1_E_ABS");
    driver.Type(row, u"12");
    driver.Append(row, u"34");
    driver.UndoKey(row);
    EXPECT_EQ(kit.Control(row).GetText(), u"12");
    driver.UndoKey(row);
    EXPECT_EQ(kit.Control(row).GetText(), u"12") << "Qt's own stack would go back to 0";
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
