#pragma once

// The program as the desktop sees it: the names by which the window system and the
// desktop's menu entry find it, its icon, and what a screen reader announces for
// each control.

#include <QIcon>
#include <QList>
#include <QSize>

#include "ui/layout.h"

class QWidget;

namespace quorvel::ui::qt {

// The application id (the desktop file's name without ".desktop") and the class the
// windows carry, which the desktop entry names as StartupWMClass.
[[nodiscard]] QString ApplicationId();
[[nodiscard]] QString WindowClass();

// Gives the application these names; call before the first window is shown, since
// the window system reads them when a window is created.
void NameProgram();

// The program's icon: the design as the hicolor theme's bitmaps, one for each size
// below; a size between them is scaled from the next larger one. Each bitmap is
// read when it is asked for.
[[nodiscard]] QIcon ProgramIcon();

// Gives the window the icon when its first frame has been painted, so that the
// window system's reading of every size does not delay that frame.
void SetIconAfterFirstPaint(QWidget& window, const QIcon& icon);

// The sizes the icon offers to a window system that wants pixmaps: those of the
// hicolor theme up to 64 pixels, which the program holds.
[[nodiscard]] QList<QSize> ProgramIconSizes();

// Sets the control's accessible name from the table and its hint as the accessible
// description.
void ApplyAccessibleText(QWidget& widget, const ControlSpec& row);

}  // namespace quorvel::ui::qt
