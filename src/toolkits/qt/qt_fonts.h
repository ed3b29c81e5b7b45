#pragma once

#include <QFont>
#include <QString>

#include "ui/layout.h"

namespace quorvel::ui::qt {

// The family the layout names, or the installed family that stands in for it when it
// is not installed (Liberation Sans for Arial on most Linux desktops). Qt would find
// the same stand-in for every font of a missing family, but only after a failed look-up
// and a fontconfig sort for each style and script; a font made with the stand-in's name
// goes straight to it. The first call for a family loads its engine at `pixelSize`, so
// the caller passes a size it shows anyway.
QString InstalledFamily(const QString& family, int pixelSize);

// A font of the layout: its family as installed, its size in pixels.
QFont LayoutFont(const QString& family, int pixelSize, bool bold = false, bool italic = false);

// The font of a control that shows `text`: the layout's, unless its family cannot
// write the text at all (the Tahoma that Wine ships has no Greek letters, where that of
// Windows has). Then the text is shown in the main window's family at the same size
// and style, one of the engines the window loads anyway; Qt would keep the family's
// engine for nothing, sort fontconfig's fallbacks and load one more face for the
// letter.
QFont ControlFont(const FontSpec& spec, const QString& text);

}  // namespace quorvel::ui::qt
