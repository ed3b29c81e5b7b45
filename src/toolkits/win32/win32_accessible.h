#pragma once

// The controls as screen readers see them through MSAA (and UI Automation, which reads
// MSAA and its annotations for Win32 windows): every control with its German name and
// description from ui/accessible_names, the windowless speed buttons as accessible
// children of the container that draws them, and a value-change event when the
// program writes a read-only result field.
//
// How the names get there:
// - Windowed controls (EDIT, BUTTON) keep the system's own accessible object, which
//   knows their role, state and value. Their name and description are annotations of
//   that object (IAccPropServices::SetHwndPropStr), which the system's MSAA proxies
//   and UI Automation's Win32 proxies both read. Where the system has no annotation
//   service (Wine's is a stub), such a control answers WM_GETOBJECT itself with the
//   system's object wrapped, the name, description and shortcut taken from the table.
// - A container (form, panel, group box) answers WM_GETOBJECT for its client area
//   with an object of its own: the system's object for the container itself, its
//   child windows as children, and each speed button it draws as a simple child (a
//   child id) with name, description, role, state, location, hit test, navigation and
//   default action. Containers without speed buttons do the same, so that the tree of
//   children is one and the same everywhere (Wine's own object lists no children).
//
// Nothing is done before a client asks: the first WM_GETOBJECT to any window of the
// program names all its windowed controls, so that a start without a screen reader
// pays for none of it.
//
// Lifetime: an object handed out holds only its window's handle and looks the window's
// toolkit up on every call. When the window is destroyed the object is disconnected;
// every later call returns RPC_E_DISCONNECTED. No C++ exception leaves a COM method.
//
// All of it runs on the toolkit's thread, which has COM initialised single-threaded
// (done here on first use) and runs its messages: calls from another process arrive
// as messages, and a default action is carried out from a posted message, never
// inside the caller's call, so a screen reader waits for no box the click may show.

#include "toolkits/win32/win32_adapters.h"

namespace quorvel::ui::win32 {

// A container's messages for screen readers: WM_GETOBJECT for its client area, the
// posted default action of a speed button, the window's end. ContainerProc calls it
// first for every message; true means handled, with `result` to return. Re-entrant:
// a client in this process may call the object while a message is being handled.
bool ContainerAccessibility(Win32Node& node, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

// The same for a windowed control, called first by its subclass procedure.
bool ControlAccessibility(Win32Node& node, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

// The program has written a read-only result field `hwnd`: its value changed.
// Called by Win32Node::SetText after the text is in the window.
void AnnounceValueChange(HWND hwnd);

}  // namespace quorvel::ui::win32
