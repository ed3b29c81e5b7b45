#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <functional>
#include <string>
#include <vector>

#include "app/application.h"
#include "toolkits/qt/qt_driver.h"
#include "toolkits/qt/qt_toolkit.h"

// What a user meets in the real window beyond the calculator's own rules: the edit
// menu, the focus chain and its marks, tool tips over an inactive window, long texts.

namespace quorvel::test {
namespace {

class QtWindow : public ::testing::Test {
protected:
    QtWindow() {
        app.Start();
        ui::qt::QtDriver::Settle();
    }
    QWidget* W(std::string_view name) { return kit.Widget(ui::IndexOf(name)); }
    ui::UiControl& C(std::string_view name) { return kit.Control(ui::IndexOf(name)); }

    ui::qt::QtToolkit kit{ui::qt::QtOptions{true}};
    ui::qt::QtDriver driver{kit};
    app::Application app{kit, u"quorvel"};
};

// Opens the edit's context menu as the right mouse button does and hands the open
// menu to `inspect` before it is closed.
void WithContextMenu(QWidget* edit, const std::function<void(QMenu&)>& inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        seen = true;
        inspect(*menu);
        if (menu->isVisible()) menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, edit->rect().center(), edit->mapToGlobal(edit->rect().center()));
    QApplication::sendEvent(edit, &event);
    EXPECT_TRUE(seen);
}

QAction* ActionNamed(QMenu& menu, const QString& german) {
    for (QAction* a : menu.actions()) {
        if (a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')) == german) return a;
    }
    return nullptr;
}

TEST_F(QtWindow, EditMenuIsGermanAndUndoesOneStep) {
    const int row = ui::IndexOf("Z1_E_Real");
    driver.Type(row, u"12");
    driver.Append(row, u"34");
    WithContextMenu(W("Z1_E_Real"), [](QMenu& menu) {
        EXPECT_NE(ActionNamed(menu, QStringLiteral("Alles auswählen")), nullptr) << "Qt's German texts";
        EXPECT_NE(ActionNamed(menu, QStringLiteral("Einfügen")), nullptr);
        EXPECT_EQ(ActionNamed(menu, QStringLiteral("Wiederherstellen")), nullptr) << "one step back, no redo";
        QAction* undo = ActionNamed(menu, QStringLiteral("Rückgängig"));
        ASSERT_NE(undo, nullptr);
        EXPECT_TRUE(undo->isEnabled());
        undo->trigger();
    });
    EXPECT_EQ(C("Z1_E_Real").GetText(), u"12") << "the menu's undo takes back the last run only";
    WithContextMenu(W("Z1_E_Real"), [](QMenu& menu) {
        QAction* undo = ActionNamed(menu, QStringLiteral("Rückgängig"));
        ASSERT_NE(undo, nullptr);
        EXPECT_FALSE(undo->isEnabled()) << "nothing is left to take back";
        undo->trigger();
    });
    EXPECT_EQ(C("Z1_E_Real").GetText(), u"12") << "Qt's own history would go back further";
}

TEST_F(QtWindow, TheEditMenuOffersTheValueCommandsBelowItsOwn) {
    driver.Type(ui::IndexOf("Z1_E_Real"), u"4,7k");
    driver.Enter(ui::IndexOf("Z1_E_Real"));
    WithContextMenu(W("Z1_E_ABS"), [](QMenu& menu) {
        const QList<QAction*> actions = menu.actions();
        QAction* copy = ActionNamed(menu, QStringLiteral("Wert kopieren"));
        ASSERT_NE(copy, nullptr);
        EXPECT_TRUE(actions.at(actions.indexOf(copy) - 1)->isSeparator()) << "below the edit's own entries";
        EXPECT_EQ(copy->text().section(QLatin1Char('\t'), 1), QStringLiteral("Strg+Umschalt+C"));
        EXPECT_NE(ActionNamed(menu, QStringLiteral("Wert kopieren (polar)")), nullptr);
        copy->trigger();
    });
    EXPECT_EQ(driver.Clipboard(), u"4700 + j0") << "Z1 from its magnitude field, run once the menu closed";
    WithContextMenu(W("Z3_E_ABS"), [](QMenu& menu) {
        EXPECT_NE(ActionNamed(menu, QStringLiteral("Wert kopieren")), nullptr);
        EXPECT_EQ(ActionNamed(menu, QStringLiteral("Wert einfügen")), nullptr) << "Z3 takes no paste";
    });
}

// The controls of Panel1 that Tab reaches, in order, starting at Z1_E_Real.
std::vector<std::string> TabStopsOfPanel1(QWidget* start) {
    std::vector<std::string> names;
    QWidget* w = start;
    for (int i = 0; i < 12; ++i) {
        names.push_back(w->objectName().toStdString());
        // The next control Tab would give the focus: visible, enabled, a tab stop.
        do {
            w = w->nextInFocusChain();
        } while (!((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() && w->isEnabled()));
    }
    return names;
}

TEST_F(QtWindow, TheCheckedRadioButtonKeepsItsPlaceInTheTabOrder) {
    const std::vector<std::string> before = TabStopsOfPanel1(W("Z1_E_Real"));
    EXPECT_EQ(before[4], "Z1_RB_Phi_Rad");
    driver.Click(ui::IndexOf("Z1_RB_Phi_Deg"));
    const std::vector<std::string> after = TabStopsOfPanel1(W("Z1_E_Real"));
    // The radian field is hidden now, so the pair comes one place earlier.
    EXPECT_EQ(after[3], "Z1_RB_Phi_Deg") << "the pair stays together in the chain";
    EXPECT_EQ(after[4], "Z1_CB_X");
    for (const std::string& n : after) EXPECT_NE(n, "Z1_RB_Phi_Rad") << "only the checked button is a tab stop";
}

TEST_F(QtWindow, MemoryTipsShowWhileTheConstantsWindowIsActive) {
    driver.Click(ui::IndexOf("B_Konstanten"));
    driver.Click(ui::IndexOf("BB_Pi_Z1"));
    EXPECT_TRUE(W("Form1")->testAttribute(Qt::WA_AlwaysShowToolTips))
        << "Qt shows tips of an inactive window only with this attribute";
    QWidget* button = W("B_Z1_M1");
    QTest::mouseMove(button, button->rect().center());
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000)) << "the tip of a memory button";
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Memory M1.1"));
    QToolTip::hideText();
}

TEST_F(QtWindow, AProgramWriteShowsTheBeginningOfALongText) {
    auto* edit = qobject_cast<QLineEdit*>(W("Z1_E_Real"));
    C("Z1_E_Real").SetText(u"1,60217662018E-19");
    EXPECT_EQ(edit->cursorPosition(), 0) << "the leading 1 stays in view";
    auto* focused = qobject_cast<QLineEdit*>(W("Z2_E_Real"));
    focused->setFocus();
    C("Z2_E_Real").SetText(u"12345678901234567890");
    EXPECT_EQ(focused->cursorPosition(), 20) << "where the user types, the cursor stays at the end";
}

TEST_F(QtWindow, ALongRejectedTextIsShortenedInTheBox) {
    std::vector<ui::BoxSeen> boxes;
    driver.ObserveBoxes([&](const ui::BoxSeen& b) { boxes.push_back(b); });
    C("Z1_E_Real").SetText(std::u16string(1 << 20, u'x'));
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].text, u"'' ist kein gültiger Gleitkommawert.") << "the filtered text is empty";
    C("Z1_E_Real").SetText(u"1" + std::u16string(1 << 20, u'0') + u"e");
    ASSERT_EQ(boxes.size(), 1U) << "a dangling exponent reads 0 without a box";
    C("Z2_E_Real").SetText(u"1e" + std::u16string(1 << 20, u'9'));
    ASSERT_EQ(boxes.size(), 2U);
    // Compared whole rather than printed: a failure must not print a mebibyte.
    EXPECT_TRUE(boxes[1].text == u"'1e" + std::u16string(97, u'9') + u"…' ist kein gültiger Gleitkommawert.")
        << "a box of " << boxes[1].text.size() << " characters";
}

// Every control that takes the focus looks different with it.
TEST_F(QtWindow, FocusIsVisibleOnEveryKindOfControl) {
    ui::UiControl& z3 = C("Z3_E_Real");
    z3.SetText(u"1,000000");
    for (const char* name : {"Z1_E_Real", "Z3_E_Real", "Z3_E_Imaginaer", "Z1_RB_Phi_Rad", "Z3_RB_Phi_Rad", "CB_Hilfe",
                             "B_Konstanten", "B_Z1_M1", "Z1_CB_X"}) {
        SCOPED_TRACE(name);
        QWidget* w = W(name);
        ASSERT_NE(w, nullptr);
        W("B_Fertig")->setFocus(Qt::TabFocusReason);
        ui::qt::QtDriver::Settle();
        const QImage without = w->grab().toImage();
        // As Tab gives the focus: the window then draws the keyboard's focus marks.
        w->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        w->setFocus(Qt::TabFocusReason);
        ui::qt::QtDriver::Settle();
        ASSERT_TRUE(w->hasFocus());
        const QImage with = w->grab().toImage();
        EXPECT_NE(with, without) << "no visible mark of the focus";
    }
}

}  // namespace
}  // namespace quorvel::test
