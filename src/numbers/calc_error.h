#pragma once

// The one kind of failure the calculator raises: a message for the user. The
// dispatch wrapper catches it at the end of a handler and shows the message in the
// default error box; the Enter handlers catch it to show their own message instead.

#include <exception>
#include <string>
#include <utility>

namespace quorvel {

// Invariants: the message is the user-visible text without the full stop that only
// the default error box appends.
class CalcError : public std::exception {
public:
    explicit CalcError(std::u16string message) : message_(std::move(message)) {}

    [[nodiscard]] const std::u16string& Message() const noexcept { return message_; }
    [[nodiscard]] const char* what() const noexcept override { return "quorvel::CalcError"; }

private:
    std::u16string message_;
};

}  // namespace quorvel
