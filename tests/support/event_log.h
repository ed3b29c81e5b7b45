#pragma once

// An event sink for toolkit tests: records every event the toolkit raises, with the
// control's text at that moment where a toolkit is given, runs adapter work as the
// application does (a failure there fails the test), and lets a test act on an event.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit.h"

namespace quorvel::test {

class EventLog final : public ui::EventSink {
public:
    struct Seen {
        int row;
        ui::EventKind event;
        char16_t key;
        std::u16string textThen;  // the control's text when the event arrived
    };

    // With a toolkit, each event records its control's text and the log connects
    // itself; without one, the test connects it.
    explicit EventLog(ui::Toolkit* kit = nullptr) : kit_(kit) {
        if (kit_ != nullptr) kit_->Connect(*this);
    }

    void Guard(const std::function<void()>& work) noexcept override {
        try {
            work();
        } catch (...) {
            ADD_FAILURE() << "adapter work failed";
        }
    }

    void Raise(int row, ui::EventKind event, char16_t key) noexcept override {
        seen.push_back({row, event, key, kit_ != nullptr ? kit_->Control(row).GetText() : std::u16string()});
        if (onEvent) onEvent(row, event);
    }

    [[nodiscard]] int Count(int row, ui::EventKind event) const {
        int n = 0;
        for (const Seen& s : seen) n += s.row == row && s.event == event ? 1 : 0;
        return n;
    }
    [[nodiscard]] int Count(std::string_view name, ui::EventKind event) const { return Count(ui::IndexOf(name), event); }

    // The names of the controls that raised `event`, in order.
    [[nodiscard]] std::vector<std::string> Names(ui::EventKind event) const {
        std::vector<std::string> names;
        for (const Seen& s : seen) {
            if (s.event == event) names.emplace_back(ui::Layout()[static_cast<std::size_t>(s.row)].name);
        }
        return names;
    }

    std::vector<Seen> seen;
    std::function<void(int, ui::EventKind)> onEvent;

private:
    ui::Toolkit* kit_;
};

}  // namespace quorvel::test
