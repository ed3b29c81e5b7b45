#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "ui/accessible_names.h"
#include "toolkits/qt/qt_desktop.h"
#include "toolkits/qt/qt_pixels.h"
#include "toolkits/qt/qt_toolkit.h"
#include "ui/text.h"

// Both windows as a screen reader and the desktop see them: the accessibility tree
// walked through QAccessible, and the window icon.

namespace quorvel::test {
namespace {

QString Q(std::u16string_view s) { return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())); }

class QtDesktop : public ::testing::Test {
protected:
    ui::qt::QtToolkit kit{ui::qt::QtOptions{true}};
    QWidget* W(std::string_view name) { return kit.Widget(ui::IndexOf(name)); }
    QAccessibleInterface* A(std::string_view name) { return QAccessible::queryAccessibleInterface(W(name)); }
};

// Every node below a window, depth first.
void Collect(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& out, int depth = 0) {
    ASSERT_LT(depth, 32) << "the tree does not end";
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr) continue;
        out.push_back(child);
        Collect(child, out, depth + 1);
    }
}

// What a screen reader lets the user move to or press.
bool FocusableOrClickable(QAccessibleInterface* node) {
    if (node->state().focusable) return true;
    if (QAccessibleActionInterface* actions = node->actionInterface()) {
        const QStringList names = actions->actionNames();
        if (names.contains(QAccessibleActionInterface::pressAction()) ||
            names.contains(QAccessibleActionInterface::toggleAction())) {
            return true;
        }
    }
    switch (node->role()) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::EditableText: return true;
        default: return false;
    }
}

std::string Describe(QAccessibleInterface* node) {
    const QObject* object = node->object();
    return (object != nullptr ? object->objectName().toStdString() : std::string("?")) + " (role " +
           std::to_string(node->role()) + ")";
}

std::vector<QAccessibleInterface*> InteractiveNodes(QAccessibleInterface* window) {
    std::vector<QAccessibleInterface*> all;
    Collect(window, all);
    std::vector<QAccessibleInterface*> interactive;
    for (QAccessibleInterface* node : all) {
        if (FocusableOrClickable(node)) interactive.push_back(node);
    }
    return interactive;
}

TEST_F(QtDesktop, EveryFocusableOrClickableControlHasANameUniqueInItsWindow) {
    for (const std::string_view window : {ui::kMainWindow, ui::kConstantsWindow}) {
        SCOPED_TRACE(std::string(window));
        QAccessibleInterface* root = A(window);
        ASSERT_NE(root, nullptr);
        std::map<QString, std::vector<std::string>> byName;
        for (QAccessibleInterface* node : InteractiveNodes(root)) {
            const QString name = node->text(QAccessible::Name).trimmed();
            EXPECT_FALSE(name.isEmpty()) << Describe(node) << " has no name";
            if (!name.isEmpty()) byName[name].push_back(Describe(node));
        }
        for (const auto& [name, owners] : byName) {
            std::string list;
            for (const std::string& o : owners) list += o + "; ";
            EXPECT_EQ(owners.size(), 1U) << '"' << name.toStdString() << "\" names " << list;
        }
    }
}

// The walk reaches the controls of hidden containers too, so every control the table
// names is checked, not only those on show at start.
TEST_F(QtDesktop, TreeHoldsEveryControlThatTakesInputWithItsNameAndHint) {
    std::map<const QObject*, QAccessibleInterface*> reached;
    for (const std::string_view window : {ui::kMainWindow, ui::kConstantsWindow}) {
        for (QAccessibleInterface* node : InteractiveNodes(A(window))) reached[node->object()] = node;
    }
    for (const ui::ControlSpec& row : ui::Layout()) {
        if (!ui::TakesUserInput(row)) continue;
        SCOPED_TRACE(std::string(row.name));
        const auto it = reached.find(W(row.name));
        ASSERT_NE(it, reached.end()) << "not in the accessibility tree as a control";
        EXPECT_EQ(it->second->text(QAccessible::Name), Q(ui::AccessibleNameOf(row.name)));
        EXPECT_EQ(it->second->text(QAccessible::Description), Q(ui::AccessibleDescriptionOf(row)));
    }
    // A button with a shortcut names it after its hint; one without has the hint alone.
    EXPECT_TRUE(reached.at(W("SB_Addition"))->text(QAccessible::Description).endsWith(QStringLiteral(" \u2013 Tastenk\u00fcrzel: Strg++")));
    EXPECT_EQ(reached.at(W("B_CLR_Z1"))->text(QAccessible::Description), QStringLiteral("Eingaben von Z1 l\u00f6schen \u2013 Tastenk\u00fcrzel: Alt+1"));
    EXPECT_EQ(reached.at(W("B_Fertig"))->text(QAccessible::Description), Q(ui::Layout()[static_cast<std::size_t>(ui::IndexOf("B_Fertig"))].hint));
}

struct EditCase {
    const char* control;
    bool readOnly;
};

class AccessibleEdit : public QtDesktop, public ::testing::WithParamInterface<EditCase> {};

TEST_P(AccessibleEdit, AnnouncesItsCurrentTextAndWhetherItIsReadOnly) {
    QAccessibleInterface* edit = A(GetParam().control);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->role(), QAccessible::EditableText);
    EXPECT_EQ(static_cast<bool>(edit->state().readOnly), GetParam().readOnly);
    kit.Control(ui::IndexOf(GetParam().control)).SetText(u"4,7k");
    EXPECT_EQ(edit->text(QAccessible::Value), QStringLiteral("4,7k"));
    kit.Control(ui::IndexOf(GetParam().control)).SetText(u"");
    EXPECT_EQ(edit->text(QAccessible::Value), QString());
}

INSTANTIATE_TEST_SUITE_P(Fields, AccessibleEdit,
                         ::testing::Values(EditCase{"Z1_E_Real", false}, EditCase{"Z2_E_Phi_Deg", false},
                                           EditCase{"Z3_E_F", false}, EditCase{"Z3_E_Real", true},
                                           EditCase{"Z3_E_Phi_Rad", true}, EditCase{"Z3_E_L", true},
                                           EditCase{"Z3_E_C", true}),
                         [](const ::testing::TestParamInfo<EditCase>& info) { return std::string(info.param.control); });

// A memory button shows its register as a hint written on mouse entry; the screen
// reader's description follows it.
TEST_F(QtDesktop, HintWrittenLaterBecomesTheDescription) {
    QAccessibleInterface* button = A("B_Z1_M1");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(QAccessible::Description), QString());
    kit.Control(ui::IndexOf("B_Z1_M1")).SetHint(u"M1.1: 100 j50");
    EXPECT_EQ(button->text(QAccessible::Description), QStringLiteral("M1.1: 100 j50"));
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Z1 in Speicher M1 ablegen"));
}

QImage Device(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); }

// The main window takes the icon once its first frame is painted; the constants
// window has it from the start.
class QtWindowIcon : public QtDesktop {
protected:
    void SetUp() override {
        QWidget* main = W(ui::kMainWindow);
        ASSERT_TRUE(main->windowIcon().isNull()) << "the main window has its icon before its first frame";
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        ASSERT_TRUE(QTest::qWaitFor([main] { return !main->windowIcon().isNull(); }, 3000))
            << "no icon after the first frame";
    }
};

TEST_F(QtWindowIcon, BothWindowsCarryTheProgramIcon) {
    const QIcon main = W(ui::kMainWindow)->windowIcon();
    const QIcon constants = W(ui::kConstantsWindow)->windowIcon();
    ASSERT_FALSE(constants.isNull());
    EXPECT_EQ(Device(main.pixmap(QSize(32, 32), 1.0)), Device(constants.pixmap(QSize(32, 32), 1.0)));
    EXPECT_EQ(main.availableSizes(), ui::qt::ProgramIconSizes());
}

// The icon drawn: transparent outside the ring, the red phasor near the centre.
TEST_F(QtWindowIcon, IconShowsTheDesign) {
    const QImage image = Device(W(ui::kMainWindow)->windowIcon().pixmap(QSize(64, 64), 1.0));
    ASSERT_EQ(image.size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(63, 63)), 0);
    const QColor phasor = image.pixelColor(38, 27);
    EXPECT_GT(phasor.red(), 150);
    EXPECT_LT(phasor.green(), 80);
}

struct ScaleCase {
    const char* label;
    int side;
    double scale;
};

class IconScale : public QtWindowIcon, public ::testing::WithParamInterface<ScaleCase> {};

// Sharp means drawn for the screen's pixels: at 1.5x a 32-pixel icon is a 48-pixel
// drawing, the same as the icon drawn at 48 pixels, not 32 pixels scaled up.
TEST_P(IconScale, IsDrawnAtTheDevicePixelSize) {
    const QIcon icon = W(ui::kMainWindow)->windowIcon();
    const int device = static_cast<int>(GetParam().side * GetParam().scale);
    const QPixmap scaled = icon.pixmap(QSize(GetParam().side, GetParam().side), GetParam().scale);
    EXPECT_EQ(scaled.size(), QSize(device, device));
    EXPECT_DOUBLE_EQ(scaled.devicePixelRatio(), GetParam().scale);
    EXPECT_EQ(Device(scaled), Device(icon.pixmap(QSize(device, device), 1.0)));
}

INSTANTIATE_TEST_SUITE_P(Screens, IconScale,
                         ::testing::Values(ScaleCase{"s16x1", 16, 1.0}, ScaleCase{"s16x1_5", 16, 1.5},
                                           ScaleCase{"s16x2", 16, 2.0}, ScaleCase{"s32x1_5", 32, 1.5},
                                           ScaleCase{"s32x2", 32, 2.0}, ScaleCase{"s48x1_5", 48, 1.5}),
                         [](const ::testing::TestParamInfo<ScaleCase>& info) { return std::string(info.param.label); });

// The pictures built in as raw pixels are the pictures they were made from: the icon
// as the hicolor bitmap the desktop installs would show it, and the group box frame
// as Fusion's own.
TEST(RawPixels, GroupBoxFrameIsFusions) {
    const QImage fusion = QImage(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"))
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(fusion.isNull());
    EXPECT_EQ(ui::qt::RawPixels(QStringLiteral(":/quorvel/fusion_groupbox.argb")), fusion);
}

TEST(RawPixels, IconBitmapsHaveTheirSides) {
    for (const int side : {16, 22, 24, 32, 48, 64}) {
        const QImage image = ui::qt::RawPixels(QStringLiteral(":/quorvel/icon/%1.argb").arg(side));
        EXPECT_EQ(image.size(), QSize(side, side)) << side;
        EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied) << side;
    }
}

TEST(RawPixels, MissingPictureIsNull) { EXPECT_TRUE(ui::qt::RawPixels(QStringLiteral(":/quorvel/none.argb")).isNull()); }

TEST_F(QtDesktop, ProgramIsNamedAfterItsDesktopEntryAndWindowClass) {
    const QString name = QCoreApplication::applicationName();
    const QString desktop = QGuiApplication::desktopFileName();
    ui::qt::NameProgram();
    EXPECT_EQ(QCoreApplication::applicationName(), ui::qt::WindowClass());
    EXPECT_EQ(QGuiApplication::desktopFileName(), ui::qt::ApplicationId());
    EXPECT_EQ(ui::qt::ApplicationId(), QStringLiteral("de.quorvel.Quorvel"));
    QCoreApplication::setApplicationName(name);
    QGuiApplication::setDesktopFileName(desktop);
}

}  // namespace
}  // namespace quorvel::test
