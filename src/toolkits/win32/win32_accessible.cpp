#include "toolkits/win32/win32_accessible.h"

// After <windows.h>, which they need.
#include <ole2.h>
#include <oleacc.h>

#include <atomic>
#include <climits>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "ui/accessible_names.h"
#include "ui/shortcuts.h"

namespace quorvel::ui::win32 {

namespace {

// Window properties: the object a window has handed out (one reference held by the
// property), the mark on the main window that the controls have been named, and the
// route each windowed control's name takes.
constexpr wchar_t kObjectProp[] = L"QuorvelAccessible";
constexpr wchar_t kNamedProp[] = L"QuorvelAccessibleNamed";
constexpr wchar_t kAnnotatedProp[] = L"QuorvelAnnotated";
constexpr wchar_t kOwnNameProp[] = L"QuorvelOwnName";

// The annotation service's GUIDs, as <oleacc.h> gives them. Defined here rather than
// taken from libuuid, whose one object also defines __uuidof(IAccessible), which liboleacc
// defines as well: a program that links both could not be linked.
constexpr GUID kAccPropServicesClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kAccPropServicesInterface = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kPropName = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kPropDescription = {0x4d48dfe4, 0xbd3f, 0x491f, {0xa6, 0x48, 0x49, 0x2d, 0x6f, 0x20, 0xc5, 0x88}};
constexpr GUID kPropShortcut = {0x7d9bceee, 0x7d1e, 0x4979, {0x93, 0x82, 0x51, 0x80, 0xf4, 0x17, 0x2c, 0x34}};

// What a screen reader says a button's default action is, in the program's language.
constexpr std::u16string_view kPress = u"Dr\u00fccken";

// The message a container posts itself to carry out a speed button's default action
// (wParam: the row), registered so that it collides with no other message.
UINT DefaultActionMessage() {
    static const UINT message = RegisterWindowMessageW(L"QuorvelAccessibleDefaultAction");
    return message;
}

// COM for the objects and annotations: single-threaded, on the toolkit's thread, once.
// Never uninitialised: a client may release an object after the toolkit is gone, and
// the thread ends with the program.
void EnsureCom() {
    thread_local bool done = false;
    if (done) return;
    done = true;
    // S_FALSE (already initialised) and RPC_E_CHANGED_MODE (initialised otherwise by
    // the host) both leave COM usable on this thread.
    (void)CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
}

template <class F>
HRESULT Safely(F&& work) noexcept {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT Text(std::u16string_view text, BSTR* out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    const std::wstring w = W(text);
    *out = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT Number(LONG value, VARIANT* out) {
    if (out == nullptr) return E_POINTER;
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

bool ChildIdOf(const VARIANT& v, LONG& id) {
    if (v.vt == VT_I4) {
        id = v.lVal;
        return true;
    }
    if (v.vt == VT_EMPTY) {
        id = CHILDID_SELF;
        return true;
    }
    return false;
}

// The shortcut of a control as a German keyboard labels it; empty when it has none.
std::u16string ShortcutLabel(const ControlSpec& spec) {
    const std::string_view chord = ShortcutOf(spec.name);
    return chord.empty() ? std::u16string() : ChordLabel(chord);
}

Win32Node* NodeOfWindow(HWND hwnd) {
    Win32Toolkit* kit = KitOfWindow(hwnd);
    const int row = RowOfWindow(hwnd);
    return kit != nullptr && row >= 0 ? &kit->Node(row) : nullptr;
}

// An IAccessible that passes every call on to the system's object for the same window
// (CreateStdAccessibleObject) until the window is gone; the two kinds below answer
// some calls themselves.
class Forwarding : public IAccessible {
public:
    explicit Forwarding(HWND hwnd) : hwnd_(hwnd) {
        if (FAILED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&inner_)))) {
            inner_ = nullptr;
        }
    }
    virtual ~Forwarding() {
        if (inner_ != nullptr) inner_->Release();
    }
    Forwarding(const Forwarding&) = delete;
    Forwarding& operator=(const Forwarding&) = delete;

    // The window is being destroyed: every later call fails, remote clients are cut off.
    void Disconnect() {
        if (disconnected_) return;
        disconnected_ = true;
        if (inner_ != nullptr) {
            inner_->Release();
            inner_ = nullptr;
        }
        CoDisconnectObject(static_cast<IAccessible*>(this), 0);
    }
    [[nodiscard]] bool Ready() const { return !disconnected_ && inner_ != nullptr && IsWindow(hwnd_) != FALSE; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IDispatch)) || IsEqualIID(iid, __uuidof(IAccessible))) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: clients of IAccessible call its methods directly; there is no type
    // library to dispatch by name.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info != nullptr) *info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }

    // IAccessible, passed on.
    STDMETHODIMP get_accParent(IDispatch** out) override { return Ready() ? inner_->get_accParent(out) : Gone(); }
    STDMETHODIMP get_accChildCount(LONG* out) override { return Ready() ? inner_->get_accChildCount(out) : Gone(); }
    STDMETHODIMP get_accChild(VARIANT id, IDispatch** out) override { return Ready() ? inner_->get_accChild(id, out) : Gone(); }
    STDMETHODIMP get_accName(VARIANT id, BSTR* out) override { return Ready() ? inner_->get_accName(id, out) : Gone(); }
    STDMETHODIMP get_accValue(VARIANT id, BSTR* out) override { return Ready() ? inner_->get_accValue(id, out) : Gone(); }
    STDMETHODIMP get_accDescription(VARIANT id, BSTR* out) override {
        return Ready() ? inner_->get_accDescription(id, out) : Gone();
    }
    STDMETHODIMP get_accRole(VARIANT id, VARIANT* out) override { return Ready() ? inner_->get_accRole(id, out) : Gone(); }
    STDMETHODIMP get_accState(VARIANT id, VARIANT* out) override { return Ready() ? inner_->get_accState(id, out) : Gone(); }
    STDMETHODIMP get_accHelp(VARIANT id, BSTR* out) override { return Ready() ? inner_->get_accHelp(id, out) : Gone(); }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override {
        return Ready() ? inner_->get_accHelpTopic(file, id, topic) : Gone();
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT id, BSTR* out) override {
        return Ready() ? inner_->get_accKeyboardShortcut(id, out) : Gone();
    }
    STDMETHODIMP get_accFocus(VARIANT* out) override { return Ready() ? inner_->get_accFocus(out) : Gone(); }
    STDMETHODIMP get_accSelection(VARIANT* out) override { return Ready() ? inner_->get_accSelection(out) : Gone(); }
    STDMETHODIMP get_accDefaultAction(VARIANT id, BSTR* out) override {
        return Ready() ? inner_->get_accDefaultAction(id, out) : Gone();
    }
    STDMETHODIMP accSelect(LONG flags, VARIANT id) override { return Ready() ? inner_->accSelect(flags, id) : Gone(); }
    STDMETHODIMP accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT id) override {
        return Ready() ? inner_->accLocation(x, y, w, h, id) : Gone();
    }
    STDMETHODIMP accNavigate(LONG dir, VARIANT start, VARIANT* out) override {
        return Ready() ? inner_->accNavigate(dir, start, out) : Gone();
    }
    STDMETHODIMP accHitTest(LONG x, LONG y, VARIANT* out) override { return Ready() ? inner_->accHitTest(x, y, out) : Gone(); }
    STDMETHODIMP accDoDefaultAction(VARIANT id) override { return Ready() ? inner_->accDoDefaultAction(id) : Gone(); }
    STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP put_accValue(VARIANT id, BSTR value) override { return Ready() ? inner_->put_accValue(id, value) : Gone(); }

protected:
    static HRESULT Gone() { return RPC_E_DISCONNECTED; }

    HWND hwnd_;
    IAccessible* inner_ = nullptr;

private:
    std::atomic<ULONG> refs_{1};
    bool disconnected_ = false;
};

// A windowed control where the system cannot annotate it: the system's object with the
// table's name, description and shortcut, and the role and state of the control's kind.
class NamedControl final : public Forwarding {
public:
    using Forwarding::Forwarding;

    // Edits and buttons have no children (Wine's object does not say so).
    STDMETHODIMP get_accChildCount(LONG* out) override {
        if (out == nullptr) return E_POINTER;
        if (!Ready()) return Gone();
        *out = 0;
        return S_OK;
    }

    STDMETHODIMP get_accName(VARIANT id, BSTR* out) override {
        return Own(id, out, [&](const Win32Node& n) { return Text(AccessibleNameOf(n.Spec().name), out); }, &IAccessible::get_accName);
    }
    STDMETHODIMP get_accDescription(VARIANT id, BSTR* out) override {
        return Own(id, out, [&](const Win32Node& n) { return Text(AccessibleDescriptionOf(n.Spec()), out); },
                   &IAccessible::get_accDescription);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT id, BSTR* out) override {
        return Own(id, out, [&](const Win32Node& n) { return Text(ShortcutLabel(n.Spec()), out); },
                   &IAccessible::get_accKeyboardShortcut);
    }
    STDMETHODIMP get_accRole(VARIANT id, VARIANT* out) override {
        return Own(id, out, [&](const Win32Node& n) { return Number(RoleOf(n.Spec().kind), out); }, &IAccessible::get_accRole);
    }
    STDMETHODIMP get_accState(VARIANT id, VARIANT* out) override {
        return Own(id, out, [&](const Win32Node& n) {
            VARIANT base;
            VariantInit(&base);
            VARIANT self;
            VariantInit(&self);
            self.vt = VT_I4;
            self.lVal = CHILDID_SELF;
            const LONG system = SUCCEEDED(inner_->get_accState(self, &base)) && base.vt == VT_I4 ? base.lVal : 0;
            return Number(system | StateOf(n), out);
        }, &IAccessible::get_accState);
    }

private:
    static LONG RoleOf(ControlKind kind) {
        switch (kind) {
            case ControlKind::Edit: return ROLE_SYSTEM_TEXT;
            case ControlKind::CheckBox: return ROLE_SYSTEM_CHECKBUTTON;
            case ControlKind::RadioButton: return ROLE_SYSTEM_RADIOBUTTON;
            default: return ROLE_SYSTEM_PUSHBUTTON;
        }
    }
    LONG StateOf(const Win32Node& n) const {
        LONG s = 0;
        if (IsWindowVisible(hwnd_) == FALSE) s |= STATE_SYSTEM_INVISIBLE;
        if (IsWindowEnabled(hwnd_) == FALSE) s |= STATE_SYSTEM_UNAVAILABLE;
        if (n.Spec().Has(kReadOnly)) s |= STATE_SYSTEM_READONLY;
        if (n.GetChecked()) s |= STATE_SYSTEM_CHECKED;
        if ((GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_TABSTOP) != 0 || n.Spec().kind == ControlKind::Edit) s |= STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == hwnd_) s |= STATE_SYSTEM_FOCUSED;
        return s;
    }

    // The control's own answer for CHILDID_SELF; the system's for any other id.
    template <class Out, class F, class M>
    HRESULT Own(const VARIANT& id, Out* out, F&& answer, M passOn) {
        return Safely([&]() -> HRESULT {
            if (!Ready()) return Gone();
            LONG child = 0;
            if (!ChildIdOf(id, child)) return E_INVALIDARG;
            const Win32Node* node = NodeOfWindow(hwnd_);
            if (child != CHILDID_SELF || node == nullptr) return (inner_->*passOn)(id, out);
            return answer(*node);
        });
    }
};

// A container window (a form, panel or group box). Child ids 1..n are the rows it holds that a
// client can reach, in layout order: its child windows (full objects of their own)
// and its speed buttons (simple children). CHILDID_SELF is the container's client area,
// answered by the system's object.
class ContainerObject final : public Forwarding {
public:
    using Forwarding::Forwarding;

    STDMETHODIMP get_accChildCount(LONG* out) override {
        return Safely([&]() -> HRESULT {
            if (out == nullptr) return E_POINTER;
            if (!Ready()) return Gone();
            *out = static_cast<LONG>(Children().size());
            return S_OK;
        });
    }

    STDMETHODIMP get_accChild(VARIANT id, IDispatch** out) override {
        return Safely([&]() -> HRESULT {
            if (out == nullptr) return E_POINTER;
            *out = nullptr;
            if (!Ready()) return Gone();
            const Win32Node* n = Child(id);
            if (n == nullptr) return E_INVALIDARG;
            // A speed button is a simple child: the parent answers for it.
            if (n->Hwnd() == nullptr) return S_FALSE;
            return AccessibleObjectFromWindow(n->Hwnd(), static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch), reinterpret_cast<void**>(out));
        });
    }

    STDMETHODIMP get_accName(VARIANT id, BSTR* out) override {
        return Speed(id, out, [&](const Win32Node& n) { return Text(AccessibleNameOf(n.Spec().name), out); }, &IAccessible::get_accName);
    }
    STDMETHODIMP get_accDescription(VARIANT id, BSTR* out) override {
        return Speed(id, out, [&](const Win32Node& n) { return Text(AccessibleDescriptionOf(n.Spec()), out); },
                     &IAccessible::get_accDescription);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT id, BSTR* out) override {
        return Speed(id, out, [&](const Win32Node& n) { return Text(ShortcutLabel(n.Spec()), out); },
                     &IAccessible::get_accKeyboardShortcut);
    }
    STDMETHODIMP get_accDefaultAction(VARIANT id, BSTR* out) override {
        return Speed(id, out, [&](const Win32Node&) { return Text(kPress, out); },
                     &IAccessible::get_accDefaultAction);
    }
    STDMETHODIMP get_accValue(VARIANT id, BSTR* out) override {
        return Speed(id, out, [&](const Win32Node&) {
            *out = nullptr;
            return DISP_E_MEMBERNOTFOUND;
        }, &IAccessible::get_accValue);
    }
    STDMETHODIMP get_accHelp(VARIANT id, BSTR* out) override {
        return Speed(id, out, [&](const Win32Node&) {
            *out = nullptr;
            return DISP_E_MEMBERNOTFOUND;
        }, &IAccessible::get_accHelp);
    }
    STDMETHODIMP get_accRole(VARIANT id, VARIANT* out) override {
        return Speed(id, out, [&](const Win32Node&) { return Number(ROLE_SYSTEM_PUSHBUTTON, out); }, &IAccessible::get_accRole);
    }
    STDMETHODIMP get_accState(VARIANT id, VARIANT* out) override {
        return Speed(id, out, [&](const Win32Node& n) {
            Win32Toolkit& kit = n.Kit();
            LONG s = 0;
            if (!Showing(kit, n.Row())) s |= STATE_SYSTEM_INVISIBLE;
            if (!EnabledWithContainers(kit, n.Row())) s |= STATE_SYSTEM_UNAVAILABLE;
            if (n.Pressed()) s |= STATE_SYSTEM_PRESSED;
            if (n.Hovered()) s |= STATE_SYSTEM_HOTTRACKED;
            return Number(s, out);
        }, &IAccessible::get_accState);
    }

    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override {
        return Safely([&]() -> HRESULT {
            if (!Ready()) return Gone();
            const Win32Node* n = Child(id);
            if (n == nullptr || n->Hwnd() != nullptr) return inner_->get_accHelpTopic(file, id, topic);
            if (file != nullptr) *file = nullptr;
            if (topic != nullptr) *topic = -1;
            return DISP_E_MEMBERNOTFOUND;
        });
    }

    STDMETHODIMP accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT id) override {
        return Safely([&]() -> HRESULT {
            if (x == nullptr || y == nullptr || w == nullptr || h == nullptr) return E_POINTER;
            if (!Ready()) return Gone();
            LONG child = 0;
            if (!ChildIdOf(id, child)) return E_INVALIDARG;
            if (child == CHILDID_SELF) return inner_->accLocation(x, y, w, h, id);
            const Win32Node* n = Child(id);
            if (n == nullptr) return E_INVALIDARG;
            const RECT r = ScreenRect(*n);
            *x = r.left;
            *y = r.top;
            *w = r.right - r.left;
            *h = r.bottom - r.top;
            return S_OK;
        });
    }

    STDMETHODIMP accHitTest(LONG x, LONG y, VARIANT* out) override {
        return Safely([&]() -> HRESULT {
            if (out == nullptr) return E_POINTER;
            VariantInit(out);
            if (!Ready()) return Gone();
            POINT pt{x, y};
            ScreenToClient(hwnd_, &pt);
            RECT client;
            GetClientRect(hwnd_, &client);
            if (PtInRect(&client, pt) == FALSE) return S_FALSE;  // VT_EMPTY: not here
            const std::vector<int> rows = Children();
            // A child window lies above what the container draws, as it does for the mouse.
            HWND over = ChildWindowFromPointEx(hwnd_, pt, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
            Win32Toolkit* kit = KitOfWindow(hwnd_);
            int row = -1;
            if (over != nullptr && over != hwnd_) {
                row = RowOfWindow(over);
            } else if (kit != nullptr) {
                row = HitTest(*kit, hwnd_, pt.x, pt.y);
                if (row >= 0 && kit->Node(row).Spec().kind != ControlKind::SpeedButton) row = -1;
            }
            for (std::size_t i = 0; i < rows.size(); ++i) {
                if (rows[i] == row) return Entry(static_cast<LONG>(i + 1), out);
            }
            return Number(CHILDID_SELF, out);
        });
    }

    STDMETHODIMP accNavigate(LONG dir, VARIANT start, VARIANT* out) override {
        return Safely([&]() -> HRESULT {
            if (out == nullptr) return E_POINTER;
            VariantInit(out);
            if (!Ready()) return Gone();
            LONG from = 0;
            if (!ChildIdOf(start, from)) return E_INVALIDARG;
            const auto count = static_cast<LONG>(Children().size());
            if (from == CHILDID_SELF) {
                if (dir == NAVDIR_FIRSTCHILD) return count > 0 ? Entry(1, out) : S_FALSE;
                if (dir == NAVDIR_LASTCHILD) return count > 0 ? Entry(count, out) : S_FALSE;
                return inner_->accNavigate(dir, start, out);  // among the container's siblings
            }
            if (from < 1 || from > count) return E_INVALIDARG;
            switch (dir) {
                case NAVDIR_NEXT: return from < count ? Entry(from + 1, out) : S_FALSE;
                case NAVDIR_PREVIOUS: return from > 1 ? Entry(from - 1, out) : S_FALSE;
                case NAVDIR_UP:
                case NAVDIR_DOWN:
                case NAVDIR_LEFT:
                case NAVDIR_RIGHT: {
                    const LONG to = Nearest(from, dir);
                    return to > 0 ? Entry(to, out) : S_FALSE;
                }
                default: return E_INVALIDARG;  // first and last child of a simple child, or unknown
            }
        });
    }

    STDMETHODIMP accSelect(LONG flags, VARIANT id) override {
        return Safely([&]() -> HRESULT {
            if (!Ready()) return Gone();
            const Win32Node* n = Child(id);
            if (n == nullptr || n->Hwnd() != nullptr) return inner_->accSelect(flags, id);
            return DISP_E_MEMBERNOTFOUND;  // a speed button never takes the focus
        });
    }

    // The click is posted, not made: the caller must not wait for what the click does
    // (a box, a long calculation), and the toolkit's handlers run from its own loop.
    STDMETHODIMP accDoDefaultAction(VARIANT id) override {
        return Safely([&]() -> HRESULT {
            if (!Ready()) return Gone();
            LONG child = 0;
            if (!ChildIdOf(id, child)) return E_INVALIDARG;
            if (child == CHILDID_SELF) return inner_->accDoDefaultAction(id);
            const Win32Node* n = Child(id);
            if (n == nullptr) return E_INVALIDARG;
            if (n->Hwnd() != nullptr) return ForwardToWindow(*n, [&](IAccessible& a) { return a.accDoDefaultAction(Self()); });
            if (!Showing(n->Kit(), n->Row()) || !EnabledWithContainers(n->Kit(), n->Row())) return E_FAIL;
            return PostMessageW(hwnd_, DefaultActionMessage(), static_cast<WPARAM>(n->Row()), 0) != FALSE ? S_OK : E_FAIL;
        });
    }

private:
    static VARIANT Self() {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_I4;
        v.lVal = CHILDID_SELF;
        return v;
    }

    // The rows of the children, by child id - 1.
    [[nodiscard]] std::vector<int> Children() const {
        std::vector<int> rows;
        Win32Toolkit* kit = KitOfWindow(hwnd_);
        if (kit == nullptr) return rows;
        for (int row = 0; row < static_cast<int>(Layout().size()); ++row) {
            const Win32Node& n = kit->Node(row);
            if (n.Host() == hwnd_ && (n.Hwnd() != nullptr || n.Spec().kind == ControlKind::SpeedButton)) rows.push_back(row);
        }
        return rows;
    }

    [[nodiscard]] const Win32Node* Child(const VARIANT& id) const {
        LONG child = 0;
        if (!ChildIdOf(id, child) || child < 1) return nullptr;
        const std::vector<int> rows = Children();
        if (child > static_cast<LONG>(rows.size())) return nullptr;
        Win32Toolkit* kit = KitOfWindow(hwnd_);
        return kit != nullptr ? &kit->Node(rows[static_cast<std::size_t>(child - 1)]) : nullptr;
    }

    [[nodiscard]] RECT ScreenRect(const Win32Node& n) const {
        RECT r;
        if (n.Hwnd() != nullptr) {
            GetWindowRect(n.Hwnd(), &r);
            return r;
        }
        r = n.DeviceRect();
        MapWindowPoints(hwnd_, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    // A child as a navigation or hit-test result: a child window as its object, a
    // speed button by its id.
    HRESULT Entry(LONG id, VARIANT* out) const {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_I4;
        v.lVal = id;
        const Win32Node* n = Child(v);
        if (n == nullptr) return S_FALSE;
        if (n->Hwnd() == nullptr) return Number(id, out);
        IDispatch* object = nullptr;
        const HRESULT hr = AccessibleObjectFromWindow(n->Hwnd(), static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                                      reinterpret_cast<void**>(&object));
        if (FAILED(hr)) return hr;
        out->vt = VT_DISPATCH;
        out->pdispVal = object;
        return S_OK;
    }

    // The visible child whose centre lies nearest in the direction `dir` from the
    // centre of child `from`; 0 when there is none.
    [[nodiscard]] LONG Nearest(LONG from, LONG dir) const {
        const std::vector<int> rows = Children();
        Win32Toolkit* kit = KitOfWindow(hwnd_);
        if (kit == nullptr) return 0;
        auto centre = [&](std::size_t i) {
            const RECT r = ScreenRect(kit->Node(rows[i]));
            return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        };
        const POINT a = centre(static_cast<std::size_t>(from - 1));
        LONG best = 0;
        long long bestDistance = LLONG_MAX;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (static_cast<LONG>(i + 1) == from || !Showing(*kit, rows[i])) continue;
            const POINT b = centre(i);
            const long long dx = b.x - a.x;
            const long long dy = b.y - a.y;
            const bool ahead = (dir == NAVDIR_RIGHT && dx > 0) || (dir == NAVDIR_LEFT && dx < 0) ||
                               (dir == NAVDIR_DOWN && dy > 0) || (dir == NAVDIR_UP && dy < 0);
            if (!ahead) continue;
            const long long distance = dx * dx + dy * dy;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = static_cast<LONG>(i + 1);
            }
        }
        return best;
    }

    template <class F>
    static HRESULT ForwardToWindow(const Win32Node& n, F&& call) {
        IAccessible* object = nullptr;
        HRESULT hr = AccessibleObjectFromWindow(n.Hwnd(), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&object));
        if (FAILED(hr)) return hr;
        hr = call(*object);
        object->Release();
        return hr;
    }

    // A speed button's answer from `answer`; for a child window its own object's answer
    // for itself, for the container the system's.
    template <class Out, class F, class M>
    HRESULT Speed(const VARIANT& id, Out* out, F&& answer, M passOn) {
        return Safely([&]() -> HRESULT {
            if (out == nullptr) return E_POINTER;
            if (!Ready()) return Gone();
            LONG child = 0;
            if (!ChildIdOf(id, child)) return E_INVALIDARG;
            if (child == CHILDID_SELF) return (inner_->*passOn)(id, out);
            const Win32Node* n = Child(id);
            if (n == nullptr) return E_INVALIDARG;
            if (n->Hwnd() != nullptr) return ForwardToWindow(*n, [&](IAccessible& a) { return (a.*passOn)(Self(), out); });
            return answer(*n);
        });
    }
};

constexpr MSAAPROPID kAnnotations[] = {kPropName, kPropDescription, kPropShortcut};

HRESULT Annotate(IAccPropServices& services, HWND hwnd, const MSAAPROPID& prop, std::u16string_view text) {
    if (text.empty()) return S_OK;
    std::wstring w = W(text);
    return services.SetHwndPropStr(hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, prop, w.data());
}

// Whether the system's object for `hwnd` now reads the name it was given: a stub of
// the service may report success and do nothing.
bool AnnotationTook(HWND hwnd, std::u16string_view name) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible), reinterpret_cast<void**>(&object)))) {
        return false;
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR got = nullptr;
    const bool took = object->get_accName(self, &got) == S_OK && got != nullptr && W(name) == std::wstring(got, SysStringLen(got));
    SysFreeString(got);
    object->Release();
    return took;
}

// Names every windowed control of the toolkit, once: by annotation where the system
// has the service and it takes, otherwise by marking the control to answer itself.
void NameWindowedControls(Win32Toolkit& kit) {
    HWND main = kit.Node(kit.Core().MainRow()).Hwnd();
    if (main == nullptr || GetPropW(main, kNamedProp) != nullptr) return;
    SetPropW(main, kNamedProp, reinterpret_cast<HANDLE>(1));
    EnsureCom();
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, kAccPropServicesInterface,
                                reinterpret_cast<void**>(&services)))) {
        services = nullptr;
    }
    bool checked = false;
    for (int row = 0; row < static_cast<int>(Layout().size()); ++row) {
        const Win32Node& n = kit.Node(row);
        const std::u16string_view name = AccessibleNameOf(n.Spec().name);
        if (n.Hwnd() == nullptr || !TakesUserInput(n.Spec()) || name.empty()) continue;
        if (services != nullptr) {
            const bool set = SUCCEEDED(Annotate(*services, n.Hwnd(), kPropName, name)) &&
                             SUCCEEDED(Annotate(*services, n.Hwnd(), kPropDescription, AccessibleDescriptionOf(n.Spec()))) &&
                             SUCCEEDED(Annotate(*services, n.Hwnd(), kPropShortcut, ShortcutLabel(n.Spec())));
            if (set) SetPropW(n.Hwnd(), kAnnotatedProp, reinterpret_cast<HANDLE>(1));
            // Checked on a control whose caption is not its name, which the system's
            // object would read without any annotation.
            if (set && !checked && n.GetText() != name) {
                checked = true;
                if (!AnnotationTook(n.Hwnd(), name)) {
                    services->ClearHwndProps(n.Hwnd(), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kAnnotations, 3);
                    RemovePropW(n.Hwnd(), kAnnotatedProp);
                    services->Release();
                    services = nullptr;
                }
            }
            if (set && services != nullptr) continue;
            if (services != nullptr) {
                services->Release();
                services = nullptr;
            }
        }
        SetPropW(n.Hwnd(), kOwnNameProp, reinterpret_cast<HANDLE>(1));
    }
    if (services != nullptr) services->Release();
}

// Takes the annotations off the controls of a top-level window that is going away:
// the system keeps them apart from the window.
void ClearAnnotations(HWND top) {
    std::vector<HWND> annotated;
    EnumChildWindows(
        top,
        [](HWND child, LPARAM lp) -> BOOL {
            if (RemovePropW(child, kAnnotatedProp) != nullptr) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&annotated));
    if (annotated.empty()) return;
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, kAccPropServicesInterface,
                                reinterpret_cast<void**>(&services)))) {
        return;
    }
    for (HWND child : annotated) {
        services->ClearHwndProps(child, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kAnnotations, 3);
    }
    services->Release();
}

// The window's object, made on the first request and kept until the window ends.
template <class Object>
bool HandOut(HWND hwnd, WPARAM wp, LRESULT& result) {
    auto* object = static_cast<Forwarding*>(GetPropW(hwnd, kObjectProp));
    if (object == nullptr) {
        object = new (std::nothrow) Object(hwnd);
        if (object == nullptr) return false;
        if (!object->Ready()) {
            object->Release();
            return false;
        }
        SetPropW(hwnd, kObjectProp, object);
    }
    const LRESULT r = LresultFromObject(__uuidof(IAccessible), wp, static_cast<IAccessible*>(object));
    if (r < 0) return false;  // a failure code: let the system answer
    result = r;
    return true;
}

void Disconnect(HWND hwnd) {
    auto* object = static_cast<Forwarding*>(RemovePropW(hwnd, kObjectProp));
    if (object == nullptr) return;
    object->Disconnect();
    object->Release();
}

bool AsksForClient(LPARAM lp) { return static_cast<LONG>(static_cast<DWORD>(lp)) == OBJID_CLIENT; }

}  // namespace

bool ContainerAccessibility(Win32Node& node, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_GETOBJECT) {
        NameWindowedControls(node.Kit());
        if (!AsksForClient(lp)) return false;
        return HandOut<ContainerObject>(hwnd, wp, result);
    }
    if (msg == DefaultActionMessage()) {
        // Posted by accDoDefaultAction; by now the button may be gone or disabled.
        Win32Toolkit& kit = node.Kit();
        const auto row = static_cast<int>(wp);
        result = 0;
        if (row < 0 || row >= static_cast<int>(Layout().size())) return true;
        const Win32Node& target = kit.Node(row);
        if (target.Host() != hwnd || target.Spec().kind != ControlKind::SpeedButton) return true;
        if (Showing(kit, row) && EnabledWithContainers(kit, row)) kit.Core().Raise(row, EventKind::Click);
        return true;
    }
    if (msg == WM_DESTROY && node.Spec().kind == ControlKind::Form) {
        // Its controls still exist: WM_DESTROY reaches a window before its children.
        ClearAnnotations(hwnd);
    } else if (msg == WM_NCDESTROY) {
        Disconnect(hwnd);
        RemovePropW(hwnd, kNamedProp);
    }
    return false;
}

bool ControlAccessibility(Win32Node& node, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_GETOBJECT) {
        NameWindowedControls(node.Kit());
        if (!AsksForClient(lp) || GetPropW(hwnd, kOwnNameProp) == nullptr) return false;
        return HandOut<NamedControl>(hwnd, wp, result);
    }
    if (msg == WM_NCDESTROY) {
        Disconnect(hwnd);
        RemovePropW(hwnd, kOwnNameProp);
        RemovePropW(hwnd, kAnnotatedProp);
    }
    return false;
}

void AnnounceValueChange(HWND hwnd) { NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hwnd, OBJID_CLIENT, CHILDID_SELF); }

}  // namespace quorvel::ui::win32
