#include <algorithm>

#include "toolkits/win32/win32_adapters.h"
#include "ui/key_chord.h"
#include "ui/typed_characters.h"

// What the program's edits add to the system's EDIT: the key handler sees each typed
// character first; the edit takes only the characters the typing rule lets in; Enter
// is a key for the handler, never typed; undo is the program's single step back, on
// Ctrl+Z and in a German context menu of its own; and it reports where a run of
// user edits ends.

namespace quorvel::ui::win32 {

namespace {

enum MenuCommand : UINT { kUndo = 1, kCut, kCopy, kPaste, kDelete, kSelectAll, kFirstExtra = 100 };

bool ControlChord() { return GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0; }

EditKey EditKeyOf(WPARAM vk) {
    switch (vk) {
        case VK_HOME: return EditKey::Home;
        case VK_END: return EditKey::End;
        case VK_LEFT: return EditKey::Left;
        case VK_RIGHT: return EditKey::Right;
        case VK_UP: return EditKey::Up;
        case VK_DOWN: return EditKey::Down;
        default: return EditKey::Other;
    }
}

std::pair<DWORD, DWORD> Selection(HWND hwnd) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// Runs the EDIT's own handling of a user action that may change the text.
LRESULT AsUserEdit(Win32Node& node, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const bool before = node.userEditing;
    node.userEditing = true;
    const LRESULT r = node.CallSystem(hwnd, msg, wp, lp);
    node.userEditing = before;
    return r;
}

void ShowMenu(Win32Node& node, HWND hwnd, LPARAM lp) {
    const bool readOnly = node.Spec().Has(kReadOnly);
    const auto [start, end] = Selection(hwnd);
    const bool selected = start != end;
    const bool any = GetWindowTextLengthW(hwnd) > 0;
    const bool clip = IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
    HMENU menu = CreatePopupMenu();
    auto add = [&](UINT id, const wchar_t* text, bool on) { AppendMenuW(menu, MF_STRING | (on ? 0U : MF_GRAYED), id, text); };
    add(kUndo, L"&R\u00fcckg\u00e4ngig\tStrg+Z", !readOnly && node.CanUndo());
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(kCut, L"&Ausschneiden\tStrg+X", !readOnly && selected);
    add(kCopy, L"&Kopieren\tStrg+C", selected);
    add(kPaste, L"&Einf\u00fcgen\tStrg+V", !readOnly && clip);
    add(kDelete, L"&L\u00f6schen", !readOnly && selected);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(kSelectAll, L"Alles &markieren\tStrg+A", any);
    // The program's own entries below the edit's.
    const FieldMenu extra = node.Kit().Core().FieldMenuOf(node.Row());
    if (!extra.empty()) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (std::size_t i = 0; i < extra.size(); ++i) {
        const std::wstring text = W(extra[i].text);
        add(kFirstExtra + static_cast<UINT>(i), text.c_str(), extra[i].enabled);
    }
    POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    if (lp == -1) {  // from the keyboard: at the edit's corner
        pt = {0, 0};
        ClientToScreen(hwnd, &pt);
    }
    node.EndRun();
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, pt.x, pt.y, 0, hwnd, nullptr));
    DestroyMenu(menu);
    switch (chosen) {
        case kUndo: node.Kit().Core().Guard([&] { node.Undo(); }); break;
        case kCut: SendMessageW(hwnd, WM_CUT, 0, 0); break;
        case kCopy: SendMessageW(hwnd, WM_COPY, 0, 0); break;
        case kPaste: SendMessageW(hwnd, WM_PASTE, 0, 0); break;
        case kDelete: SendMessageW(hwnd, WM_CLEAR, 0, 0); break;
        case kSelectAll:
            SendMessageW(hwnd, EM_SETSEL, 0, -1);
            node.EndRun();
            break;
        default:
            // The program's command runs once the menu has closed, as a command of the
            // program's, not as an edit of the user's.
            if (chosen >= kFirstExtra && chosen - kFirstExtra < extra.size()) node.Kit().Core().FieldCommand(node.Row(), extra[chosen - kFirstExtra].command);
            break;
    }
}

// One typed character (a code unit; a surrogate pair arrives as two): the key handler
// sees it, then the edit takes it if the typing rule lets it in.
LRESULT TypedCharacter(Win32Node& node, Win32Toolkit& kit, HWND hwnd, WPARAM wp, LPARAM lp) {
    const auto c = static_cast<char16_t>(wp);
    if (c >= 0xD800 && c <= 0xDBFF) {
        node.pendingHigh = c;
        return 0;
    }
    const char16_t high = node.pendingHigh;
    node.pendingHigh = 0;
    const bool pair = high != 0 && IsSurrogatePair(high, c);
    if (pair) kit.Core().Raise(node.Row(), EventKind::KeyPress, high);
    kit.Core().Raise(node.Row(), EventKind::KeyPress, c);
    if (node.Spec().Has(kReadOnly) || c == kEnterKey) return 0;
    if (c == 8) {
        // Backspace takes a character beyond the Basic Multilingual Plane whole.
        const auto [start, end] = Selection(hwnd);
        if (start == end && start >= 2) {
            const std::u16string text = node.GetText();
            if (IsSurrogatePair(text[start - 2], text[start - 1])) SendMessageW(hwnd, EM_SETSEL, start - 2, start);
        }
        if (start == end && start == 0) return 0;
        return AsUserEdit(node, hwnd, WM_CHAR, wp, lp);
    }
    if (!pair && !EditTakesCharacter(c)) return 0;
    if (pair) {
        const wchar_t both[3] = {static_cast<wchar_t>(high), static_cast<wchar_t>(c), 0};
        const bool before = node.userEditing;
        node.userEditing = true;
        SendMessageW(hwnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(both));
        node.userEditing = before;
        return 0;
    }
    return AsUserEdit(node, hwnd, WM_CHAR, wp, lp);
}

}  // namespace

LRESULT EditMessage(Win32Node& node, Win32Toolkit& kit, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    handled = true;
    switch (msg) {
        case WM_CHAR:
            // A Ctrl chord types a control character the edit would act on itself;
            // the chords are handled as keys below.
            if (ControlChord()) return 0;
            return TypedCharacter(node, kit, hwnd, wp, lp);
        case WM_KEYDOWN: {
            if (ControlChord()) {
                // The edit's own chords alone, as on every desktop; the system's edit
                // would take others (Ctrl+Shift+Z as an undo).
                const KeyChord chord{.ctrl = true, .shift = GetKeyState(VK_SHIFT) < 0, .character = static_cast<char16_t>(wp)};
                switch ((wp >= 'A' && wp <= 'Z') || (wp >= '0' && wp <= '9') ? EditCommandOf(chord) : EditCommand::None) {
                    case EditCommand::Undo: kit.Core().Guard([&] { node.Undo(); }); return 0;
                    case EditCommand::SelectAll:
                        SendMessageW(hwnd, EM_SETSEL, 0, -1);
                        node.EndRun();
                        return 0;
                    case EditCommand::Cut: SendMessageW(hwnd, WM_CUT, 0, 0); return 0;
                    case EditCommand::Copy: SendMessageW(hwnd, WM_COPY, 0, 0); return 0;
                    case EditCommand::Paste: SendMessageW(hwnd, WM_PASTE, 0, 0); return 0;
                    case EditCommand::None:
                        if ((wp >= 'A' && wp <= 'Z') || (wp >= '0' && wp <= '9')) return 0;
                        break;
                }
            }
            const std::u16string before = node.GetText();
            const auto sel = Selection(hwnd);
            const LRESULT r = AsUserEdit(node, hwnd, msg, wp, lp);
            const bool moved = Selection(hwnd) != sel;
            if (EndsEditRun(EditKeyOf(wp), node.GetText() != before, moved)) node.EndRun();
            return r;
        }
        case WM_CUT:
        case WM_CLEAR:
            if (node.Spec().Has(kReadOnly)) return 0;
            return AsUserEdit(node, hwnd, msg, wp, lp);
        case WM_PASTE: {
            if (node.Spec().Has(kReadOnly) || OpenClipboard(hwnd) == FALSE) return 0;
            std::wstring text;
            if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
                if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data)); p != nullptr) {
                    text = p;
                    GlobalUnlock(data);
                }
            }
            CloseClipboard();
            // The whole text, line breaks too, as on every other desktop: the system's
            // edit would keep the first line alone, and the same paste would give
            // another number here than there.
            const bool before = node.userEditing;
            node.userEditing = true;
            SendMessageW(hwnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
            node.userEditing = before;
            return 0;
        }
        case WM_UNDO:
        case EM_UNDO: kit.Core().Guard([&] { node.Undo(); }); return TRUE;
        case EM_CANUNDO: return node.CanUndo() ? TRUE : FALSE;
        case WM_CONTEXTMENU: ShowMenu(node, hwnd, lp); return 0;
        case WM_LBUTTONDOWN:
            node.EndRun();
            break;
        case WM_LBUTTONUP: {
            const LRESULT r = node.CallSystem(hwnd, msg, wp, lp);
            RECT client;
            GetClientRect(hwnd, &client);
            const POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
            if (PtInRect(&client, pt) != FALSE) kit.Core().Raise(node.Row(), EventKind::Click);
            return r;
        }
        case WM_SETFOCUS:
            node.EndRun();
            InvalidateRect(hwnd, nullptr, FALSE);  // the focus line
            break;
        case WM_KILLFOCUS: {
            InvalidateRect(hwnd, nullptr, FALSE);
            // The selection goes with the focus; the cursor stays at its end.
            const auto [start, end] = Selection(hwnd);
            SendMessageW(hwnd, EM_SETSEL, std::max(start, end), static_cast<LPARAM>(std::max(start, end)));
            break;
        }
        case WM_PAINT: {
            const LRESULT r = node.CallSystem(hwnd, msg, wp, lp);
            const bool focused = GetFocus() == hwnd;
            HDC dc = GetDC(hwnd);
            RECT client;
            GetClientRect(hwnd, &client);
            if (!node.Spec().placeholder.empty() && GetWindowTextLengthW(hwnd) == 0 && !focused) {
                // The grey text an empty field shows.
                const std::wstring hint = W(node.Spec().placeholder);
                HGDIOBJ old = SelectObject(dc, node.Font());
                SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
                SetBkMode(dc, TRANSPARENT);
                RECT inner = client;
                InflateRect(&inner, -node.Scale(2), 0);
                const UINT align = node.Spec().align == Align::Right ? DT_RIGHT : node.Spec().align == Align::Center ? DT_CENTER : DT_LEFT;
                DrawTextW(dc, hint.c_str(), static_cast<int>(hint.size()), &inner, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
                SelectObject(dc, old);
            }
            if (focused) {
                // The edits are drawn flat, without the frame that would show the focus,
                // and a read-only one has no cursor either: a line in the highlight
                // colour shows it.
                FrameRect(dc, &client, GetSysColorBrush(COLOR_HIGHLIGHT));
            }
            ReleaseDC(hwnd, dc);
            return r;
        }
        default: break;
    }
    handled = false;
    return 0;
}

}  // namespace quorvel::ui::win32
