#pragma once

// One toolkit with its user driver, as the scenario runner and the tests use it: the
// runner picks a session and stays free of the toolkits' own types. Each toolkit
// declares its maker in its own folder.

#include <string>

#include "ui/canvas_record.h"
#include "ui/toolkit.h"
#include "ui/user_driver.h"

namespace quorvel::ui {

class Session {
public:
    virtual ~Session() = default;
    [[nodiscard]] virtual Toolkit& Kit() = 0;
    [[nodiscard]] virtual UserDriver& Driver() = 0;
    [[nodiscard]] virtual RecordingCanvas& Recording() = 0;
    // Lets queued work of the toolkit run (after start, after each action).
    virtual void Settle() = 0;
    // Saves the main window as PNG; false where the toolkit has no pixels.
    virtual bool Screenshot(const std::string& path) = 0;
};

}  // namespace quorvel::ui
