#pragma once

// The one wrapper every handler runs through. A failure that leaves a handler is
// shown in the default error box and goes no further: no exception ever reaches the
// toolkit's event loop, and the program stays usable.

#include <functional>
#include <string>
#include <string_view>

#include "ui/ui_control.h"

namespace quorvel::app {

// The text of the default error box: the message with a "." appended unless it is
// empty or its last character's code is at most that of ".".
std::u16string DefaultErrorText(std::u16string_view message);

// The application title: the program file's name (without its directory) up to its
// first ".".
std::u16string ApplicationTitle(std::string_view programPath);

// Runs `handler`; on any failure shows the default error box (title `title`, error
// icon, OK) and returns normally. Re-entrant: a handler may cause nested dispatches.
void RunGuarded(ui::UiMessages& messages, std::u16string_view title, const std::function<void()>& handler) noexcept;

}  // namespace quorvel::app
