#include <gtest/gtest.h>

#include "toolkits/win32/win32_adapters.h"
// After <windows.h>, which they need.
#include <ole2.h>
#include <oleacc.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "event_log.h"
#include "toolkits/registry.h"
#include "ui/accessible_names.h"
#include "ui/shortcuts.h"

// Both windows of the Win32 toolkit as a screen reader sees them through MSAA, in the
// same process: the tree from each window's client object down, the speed buttons as
// the children of their containers, their default action, and the value-change event
// of a written result field.

namespace quorvel::test {
namespace {

using ui::EventKind;
using ui::win32::Win32Toolkit;

int gArgc = 1;
char gProgram[] = "accessible_test";
char* gArgv[] = {gProgram, nullptr};

// Holds one reference of a COM object.
template <class T>
struct Releaser {
    void operator()(T* p) const {
        if (p != nullptr) p->Release();
    }
};
template <class T>
using Ref = std::unique_ptr<T, Releaser<T>>;

VARIANT Id(LONG id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::u16string Take(BSTR s) {
    std::u16string text = s != nullptr ? std::u16string(reinterpret_cast<const char16_t*>(s), SysStringLen(s)) : std::u16string();
    SysFreeString(s);
    return text;
}

std::u16string Name(IAccessible& a, LONG id) {
    BSTR s = nullptr;
    return a.get_accName(Id(id), &s) >= 0 ? Take(s) : u"<failed>";
}
std::u16string Description(IAccessible& a, LONG id) {
    BSTR s = nullptr;
    return a.get_accDescription(Id(id), &s) >= 0 ? Take(s) : u"<failed>";
}
LONG Role(IAccessible& a, LONG id) {
    VARIANT v;
    VariantInit(&v);
    return SUCCEEDED(a.get_accRole(Id(id), &v)) && v.vt == VT_I4 ? v.lVal : -1;
}
LONG State(IAccessible& a, LONG id) {
    VARIANT v;
    VariantInit(&v);
    return SUCCEEDED(a.get_accState(Id(id), &v)) && v.vt == VT_I4 ? v.lVal : -1;
}
RECT Location(IAccessible& a, LONG id) {
    LONG x = 0, y = 0, w = 0, h = 0;
    if (FAILED(a.accLocation(&x, &y, &w, &h, Id(id)))) return RECT{-1, -1, -1, -1};
    return RECT{x, y, x + w, y + h};
}

Ref<IAccessible> ClientOf(HWND hwnd) {
    IAccessible* a = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible), reinterpret_cast<void**>(&a)))) {
        return nullptr;
    }
    return Ref<IAccessible>(a);
}

bool Interactive(LONG role) {
    return role == ROLE_SYSTEM_PUSHBUTTON || role == ROLE_SYSTEM_TEXT || role == ROLE_SYSTEM_CHECKBUTTON ||
           role == ROLE_SYSTEM_RADIOBUTTON;
}

// One element of the tree: an object (id CHILDID_SELF) or a simple child of one.
struct Element {
    std::u16string name;
    std::u16string description;
    LONG role;
    HWND hwnd;  // the object's window; for a simple child, its parent's
    LONG id;
};

// Walks the tree below `a` as a screen reader does: the children AccessibleChildren
// gives, a child window's object through that window's client object.
void Walk(IAccessible& a, std::vector<Element>& out, int depth = 0) {
    ASSERT_LT(depth, 12) << "the tree has a cycle";
    HWND hwnd = nullptr;
    WindowFromAccessibleObject(&a, &hwnd);
    out.push_back({Name(a, CHILDID_SELF), Description(a, CHILDID_SELF), Role(a, CHILDID_SELF), hwnd, CHILDID_SELF});
    LONG count = 0;
    ASSERT_HRESULT_SUCCEEDED(a.get_accChildCount(&count));
    if (count <= 0) return;
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG got = 0;
    ASSERT_HRESULT_SUCCEEDED(AccessibleChildren(&a, 0, count, children.data(), &got));
    for (LONG i = 0; i < got; ++i) {
        VARIANT& v = children[static_cast<std::size_t>(i)];
        if (v.vt == VT_I4) {
            out.push_back({Name(a, v.lVal), Description(a, v.lVal), Role(a, v.lVal), hwnd, v.lVal});
        } else if (v.vt == VT_DISPATCH && v.pdispVal != nullptr) {
            // A child window's object. Windows gives its window object (with the client
            // object among its children); Wine's window object answers neither role nor
            // children, so the walk goes on at the client object of the same window.
            IAccessible* child = nullptr;
            ASSERT_HRESULT_SUCCEEDED(v.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&child)));
            Ref<IAccessible> held(child);
            HWND window = nullptr;
            ASSERT_HRESULT_SUCCEEDED(WindowFromAccessibleObject(child, &window));
            ASSERT_NE(window, hwnd) << "a child object of the parent's own window";
            Ref<IAccessible> client = ClientOf(window);
            ASSERT_TRUE(client);
            Walk(*client, out, depth + 1);
        }
        VariantClear(&v);
    }
}

// What SetWinEventHook reported, on this thread's message loop.
struct WinEvent {
    DWORD event;
    HWND hwnd;
    LONG object;
    LONG child;
};
std::vector<WinEvent> gEvents;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    gEvents.push_back({event, hwnd, object, child});
}

class Accessible : public testing::Test {
protected:
    void SetUp() override {
        const toolkits::SessionMaker* maker = toolkits::FindSession("win32");
        ASSERT_NE(maker, nullptr);
        session_ = maker->make(gArgc, gArgv);
        kit_ = dynamic_cast<Win32Toolkit*>(&session_->Kit());
        ASSERT_NE(kit_, nullptr);
        log_ = std::make_unique<EventLog>(kit_);
        kit_->ShowMainWindow();
        Settle();
    }
    void TearDown() override {
        session_.reset();
        log_.reset();
    }

    void Settle() { session_->Settle(); }
    void EndSession() { session_.reset(); }
    Win32Toolkit& Kit() { return *kit_; }
    ui::win32::Win32Node& Node(std::string_view name) { return kit_->Node(ui::IndexOf(name)); }
    EventLog& Log() { return *log_; }

    // The container's object and the child id of the speed button `name` in it.
    std::pair<Ref<IAccessible>, LONG> SpeedButton(std::string_view name) {
        Ref<IAccessible> container = ClientOf(Node(name).Host());
        if (!container) return {nullptr, 0};
        LONG count = 0;
        container->get_accChildCount(&count);
        const std::u16string_view want = ui::AccessibleNameOf(name);
        for (LONG id = 1; id <= count; ++id) {
            if (Name(*container, id) == want) return {std::move(container), id};
        }
        return {std::move(container), 0};
    }

    // The speed button's place on the screen, as drawn.
    RECT ScreenRect(std::string_view name) {
        RECT r = Node(name).DeviceRect();
        MapWindowPoints(Node(name).Host(), HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

private:
    std::unique_ptr<ui::Session> session_;
    Win32Toolkit* kit_ = nullptr;
    std::unique_ptr<EventLog> log_;
};

std::vector<std::string_view> SpeedButtons() {
    std::vector<std::string_view> names;
    for (const ui::ControlSpec& row : ui::Layout()) {
        if (row.kind == ui::ControlKind::SpeedButton) names.push_back(row.name);
    }
    return names;
}

TEST_F(Accessible, EveryControlIsInItsWindowsTreeWithItsNameAndDescriptionUniqueInTheWindow) {
    for (const ui::ControlSpec& window : ui::Layout()) {
        if (window.kind != ui::ControlKind::Form) continue;
        SCOPED_TRACE(window.name);
        Ref<IAccessible> root = ClientOf(Node(window.name).Hwnd());
        ASSERT_TRUE(root);
        std::vector<Element> tree;
        Walk(*root, tree);
        std::map<std::u16string, int> seen;
        for (const Element& e : tree) {
            if (!Interactive(e.role)) continue;
            EXPECT_FALSE(e.name.empty()) << "a control without a name, role " << e.role;
            EXPECT_EQ(++seen[e.name], 1) << "the name stands twice in the window";
        }
        int controls = 0;
        for (const ui::ControlSpec& row : ui::Layout()) {
            if (ui::WindowOf(row) != window.name || !ui::TakesUserInput(row)) continue;
            SCOPED_TRACE(row.name);
            ++controls;
            const std::u16string_view name = ui::AccessibleNameOf(row.name);
            ASSERT_FALSE(name.empty()) << "the table has no name for it";
            const Element* found = nullptr;
            for (const Element& e : tree) {
                if (e.name == name && Interactive(e.role)) found = &e;
            }
            ASSERT_NE(found, nullptr) << "not in the tree as a control";
            EXPECT_EQ(found->description, ui::AccessibleDescriptionOf(row));
            const ui::win32::Win32Node& n = Node(row.name);
            if (n.Hwnd() != nullptr) {
                EXPECT_EQ(found->hwnd, n.Hwnd()) << "the name belongs to another window";
                EXPECT_EQ(found->id, CHILDID_SELF);
            } else {
                EXPECT_EQ(found->hwnd, n.Host()) << "a speed button is a child of the container that draws it";
                EXPECT_GT(found->id, 0);
            }
            const LONG role = row.kind == ui::ControlKind::Edit          ? ROLE_SYSTEM_TEXT
                              : row.kind == ui::ControlKind::CheckBox    ? ROLE_SYSTEM_CHECKBUTTON
                              : row.kind == ui::ControlKind::RadioButton ? ROLE_SYSTEM_RADIOBUTTON
                                                                         : ROLE_SYSTEM_PUSHBUTTON;
            EXPECT_EQ(found->role, role);
        }
        EXPECT_GT(controls, 10);
    }
}

TEST_F(Accessible, TheDescriptionAndTheShortcutNameTheKeys) {
    const auto [panel, id] = SpeedButton("SB_Addition");
    ASSERT_GT(id, 0);
    EXPECT_EQ(Description(*panel, id), ui::AccessibleDescriptionOf(*ui::FindControl("SB_Addition")));
    EXPECT_TRUE(Description(*panel, id).ends_with(u" \u2013 Tastenk\u00fcrzel: Strg++"));
    BSTR keys = nullptr;
    ASSERT_EQ(panel->get_accKeyboardShortcut(Id(id), &keys), S_OK);
    EXPECT_EQ(Take(keys), u"Strg++");
    // A windowed button's shortcut too.
    const std::string_view button = ui::Shortcuts()[0].control;
    for (const ui::Shortcut& s : ui::Shortcuts()) {
        if (Node(s.control).Hwnd() == nullptr) continue;
        SCOPED_TRACE(s.control);
        Ref<IAccessible> own = ClientOf(Node(s.control).Hwnd());
        ASSERT_TRUE(own);
        EXPECT_EQ(Description(*own, CHILDID_SELF), ui::AccessibleDescriptionOf(*ui::FindControl(s.control)));
        keys = nullptr;
        ASSERT_EQ(own->get_accKeyboardShortcut(Id(CHILDID_SELF), &keys), S_OK);
        EXPECT_EQ(Take(keys), ui::ChordLabel(s.chord));
    }
    EXPECT_FALSE(button.empty());
}

TEST_F(Accessible, SpeedButtonsHaveRoleLocationHitTestAndNoObjectOfTheirOwn) {
    for (const std::string_view name : SpeedButtons()) {
        SCOPED_TRACE(name);
        const auto [container, id] = SpeedButton(name);
        ASSERT_TRUE(container);
        ASSERT_GT(id, 0) << "not a child of its container";
        EXPECT_EQ(Role(*container, id), ROLE_SYSTEM_PUSHBUTTON);
        IDispatch* object = reinterpret_cast<IDispatch*>(1);
        EXPECT_EQ(container->get_accChild(Id(id), &object), S_FALSE) << "a simple child";
        EXPECT_EQ(object, nullptr);
        const RECT at = Location(*container, id);
        const RECT drawn = ScreenRect(name);
        EXPECT_TRUE(EqualRect(&at, &drawn) != FALSE) << at.left << "," << at.top << " " << at.right << "," << at.bottom;
        const RECT whole = Location(*container, CHILDID_SELF);
        RECT both;
        IntersectRect(&both, &at, &whole);
        EXPECT_TRUE(EqualRect(&both, &at) != FALSE) << "inside the container";
        VARIANT hit;
        VariantInit(&hit);
        ASSERT_EQ(container->accHitTest((at.left + at.right) / 2, (at.top + at.bottom) / 2, &hit), S_OK);
        ASSERT_EQ(hit.vt, VT_I4);
        EXPECT_EQ(hit.lVal, id);
        BSTR action = nullptr;
        ASSERT_EQ(container->get_accDefaultAction(Id(id), &action), S_OK);
        EXPECT_EQ(Take(action), u"Dr\u00fccken");
        EXPECT_EQ(State(*container, id) & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE), 0);
    }
}

TEST_F(Accessible, NavigationVisitsTheChildrenInTheOrderAccessibleChildrenGives) {
    Ref<IAccessible> panel = ClientOf(Node("SB_Z1_SQR").Host());
    ASSERT_TRUE(panel);
    LONG count = 0;
    ASSERT_EQ(panel->get_accChildCount(&count), S_OK);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG got = 0;
    ASSERT_HRESULT_SUCCEEDED(AccessibleChildren(panel.get(), 0, count, children.data(), &got));
    ASSERT_EQ(got, count);
    // The same child as a navigation result: the same id, or an object of the same window.
    auto same = [](const VARIANT& a, const VARIANT& b) {
        if (a.vt != b.vt) return false;
        if (a.vt == VT_I4) return a.lVal == b.lVal;
        HWND x = nullptr;
        HWND y = nullptr;
        IAccessible* ax = nullptr;
        IAccessible* ay = nullptr;
        a.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&ax));
        b.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&ay));
        WindowFromAccessibleObject(ax, &x);
        WindowFromAccessibleObject(ay, &y);
        ax->Release();
        ay->Release();
        return x != nullptr && x == y;
    };
    VARIANT at;
    VariantInit(&at);
    ASSERT_EQ(panel->accNavigate(NAVDIR_FIRSTCHILD, Id(CHILDID_SELF), &at), S_OK);
    int speed = 0;
    for (LONG i = 0; i < count; ++i) {
        ASSERT_TRUE(same(at, children[static_cast<std::size_t>(i)])) << "child " << i + 1;
        speed += at.vt == VT_I4 ? 1 : 0;
        VariantClear(&at);
        const HRESULT next = panel->accNavigate(NAVDIR_NEXT, Id(i + 1), &at);
        EXPECT_EQ(next, i + 1 < count ? S_OK : S_FALSE);
    }
    EXPECT_EQ(at.vt, VT_EMPTY) << "nothing after the last";
    EXPECT_EQ(speed, 7) << "the seven functions of Z1";
    VARIANT last;
    VariantInit(&last);
    ASSERT_EQ(panel->accNavigate(NAVDIR_LASTCHILD, Id(CHILDID_SELF), &last), S_OK);
    EXPECT_TRUE(same(last, children.back()));
    VariantClear(&last);
    for (VARIANT& v : children) VariantClear(&v);
    // Spatially: right of the square lies the absolute square.
    const auto [p, square] = SpeedButton("SB_Z1_SQR");
    VARIANT right;
    VariantInit(&right);
    ASSERT_EQ(p->accNavigate(NAVDIR_RIGHT, Id(square), &right), S_OK);
    ASSERT_EQ(right.vt, VT_I4);
    EXPECT_EQ(Name(*p, right.lVal), ui::AccessibleNameOf("SB_Z1_BSQR"));
}

TEST_F(Accessible, TheStateFollowsEnabledAndVisible) {
    const auto [panel, id] = SpeedButton("SB_Division");
    ASSERT_GT(id, 0);
    Kit().Control(ui::IndexOf("SB_Division")).SetEnabled(false);
    EXPECT_NE(State(*panel, id) & STATE_SYSTEM_UNAVAILABLE, 0);
    Kit().Control(ui::IndexOf("SB_Division")).SetEnabled(true);
    EXPECT_EQ(State(*panel, id) & STATE_SYSTEM_UNAVAILABLE, 0);
    // Disabled with its container.
    Kit().Control(ui::IndexOf("Panel4")).SetEnabled(false);
    EXPECT_NE(State(*panel, id) & STATE_SYSTEM_UNAVAILABLE, 0);
    Kit().Control(ui::IndexOf("Panel4")).SetEnabled(true);
    const RECT at = Location(*panel, id);
    Kit().Control(ui::IndexOf("SB_Division")).SetVisible(false);
    EXPECT_NE(State(*panel, id) & STATE_SYSTEM_INVISIBLE, 0);
    VARIANT hit;
    VariantInit(&hit);
    ASSERT_EQ(panel->accHitTest((at.left + at.right) / 2, (at.top + at.bottom) / 2, &hit), S_OK);
    EXPECT_TRUE(hit.vt != VT_I4 || hit.lVal != id) << "a hidden button is not hit";
    VariantClear(&hit);
    Kit().Control(ui::IndexOf("SB_Division")).SetVisible(true);
    EXPECT_EQ(State(*panel, id) & STATE_SYSTEM_INVISIBLE, 0);
}

TEST_F(Accessible, TheDefaultActionClicksAsTheMouseDoes) {
    std::vector<std::string> clicked;
    for (const std::string_view name : SpeedButtons()) {
        const auto [container, id] = SpeedButton(name);
        ASSERT_GT(id, 0) << name;
        ASSERT_EQ(container->accDoDefaultAction(Id(id)), S_OK) << name;
        Settle();
        clicked.emplace_back(name);
    }
    EXPECT_EQ(Log().Names(EventKind::Click), clicked);
    // Not when it cannot be clicked.
    const auto [panel, id] = SpeedButton("SB_Multiplikation");
    Kit().Control(ui::IndexOf("SB_Multiplikation")).SetEnabled(false);
    EXPECT_EQ(panel->accDoDefaultAction(Id(id)), E_FAIL);
    Settle();
    // Disabled after the request, before it is carried out.
    Kit().Control(ui::IndexOf("SB_Multiplikation")).SetEnabled(true);
    ASSERT_EQ(panel->accDoDefaultAction(Id(id)), S_OK);
    Kit().Control(ui::IndexOf("SB_Multiplikation")).SetEnabled(false);
    Settle();
    EXPECT_EQ(Log().Count("SB_Multiplikation", EventKind::Click), 1) << "the one click above";
}

TEST_F(Accessible, WritingAResultRaisesAValueChangeOfItsField) {
    gEvents.clear();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, OnWinEvent,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    Settle();
    gEvents.clear();
    int fields = 0;
    for (const ui::ControlSpec& row : ui::Layout()) {
        if (row.kind != ui::ControlKind::Edit || !row.Has(ui::kReadOnly)) continue;
        SCOPED_TRACE(row.name);
        ++fields;
        HWND field = Node(row.name).Hwnd();
        Kit().Control(ui::IndexOf(row.name)).SetText(u"1,25");
        Settle();
        int seen = 0;
        for (const WinEvent& e : gEvents) {
            seen += e.hwnd == field && e.object == OBJID_CLIENT && e.child == CHILDID_SELF ? 1 : 0;
        }
        EXPECT_GE(seen, 1);
        gEvents.clear();
    }
    EXPECT_GE(fields, 7) << "Z3's five fields and its two component values";
    UnhookWinEvent(hook);
}

TEST_F(Accessible, ObjectsOfDestroyedWindowsAnswerDisconnected) {
    auto [panel, id] = SpeedButton("SB_Addition");
    ASSERT_GT(id, 0);
    Ref<IAccessible> field = ClientOf(Node("Z1_E_Real").Hwnd());
    ASSERT_TRUE(field);
    EXPECT_EQ(Name(*field, CHILDID_SELF), u"Realteil von Z1");
    EndSession();
    LONG count = 0;
    const HRESULT after = panel->get_accChildCount(&count);
    EXPECT_TRUE(after == RPC_E_DISCONNECTED || after == CO_E_OBJNOTCONNECTED) << std::hex << after;
    BSTR s = nullptr;
    EXPECT_TRUE(FAILED(panel->get_accName(Id(id), &s)));
    EXPECT_TRUE(FAILED(panel->accDoDefaultAction(Id(id))));
    EXPECT_TRUE(FAILED(field->get_accName(Id(CHILDID_SELF), &s)));
}

}  // namespace
}  // namespace quorvel::test
