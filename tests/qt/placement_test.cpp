#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "app/application.h"
#include "toolkits/qt/qt_driver.h"
#include "toolkits/qt/qt_toolkit.h"

// Where the constants window opens: its outer corner 100 pixels right of and 150
// below the main window's, the first time as every later time. The offscreen
// platform knows a window's frame before it is shown, so no correction for an
// unknown frame may apply there; the same rule under a real window manager is
// checked from outside by placement_under_window_manager.sh.

namespace quorvel::test {
namespace {

QPoint Corner(QWidget* w) { return w->frameGeometry().topLeft(); }

TEST(ConstantsWindowPlacement, OuterCornerBesideTheMainWindowFromTheFirstShowingOn) {
    ui::qt::QtToolkit kit{ui::qt::QtOptions{true}};
    ui::qt::QtDriver driver{kit};
    app::Application calculator{kit, u"quorvel"};
    calculator.Start();
    QWidget* form1 = kit.Widget(ui::IndexOf("Form1"));
    QWidget* form2 = kit.Widget(ui::IndexOf("Form2"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form1));
    for (const QPoint at : {QPoint(200, 100), QPoint(60, 40)}) {
        form1->move(at);
        QTest::qWait(300);  // the window manager answers the move
        driver.Click(ui::IndexOf("B_Konstanten"));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form2));
        QTest::qWait(300);
        EXPECT_EQ(Corner(form2), Corner(form1) + QPoint(100, 150))
            << "frame inset " << (form2->geometry().x() - Corner(form2).x()) << ", "
            << (form2->geometry().y() - Corner(form2).y());
        driver.Click(ui::IndexOf("Button1"));
        QTest::qWait(100);
    }
}

}  // namespace
}  // namespace quorvel::test
