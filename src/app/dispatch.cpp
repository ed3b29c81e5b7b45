#include "app/dispatch.h"

#include <exception>
#include <new>

#include "numbers/calc_error.h"
#include "ui/text.h"

namespace quorvel::app {

std::u16string DefaultErrorText(std::u16string_view message) {
    std::u16string text(message);
    if (!text.empty() && text.back() > u'.') text += u'.';
    return text;
}

std::u16string ApplicationTitle(std::string_view programPath) {
    // Windows gives a program started from Explorer or the start menu its path with
    // backslashes.
    const std::size_t slash = programPath.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? programPath : programPath.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    return ui::FromUtf8(name);
}

void RunGuarded(ui::UiMessages& messages, std::u16string_view title, const std::function<void()>& handler) noexcept {
    std::u16string message;
    try {
        handler();
        return;
    } catch (const CalcError& e) {
        message = e.Message();
    } catch (const std::bad_alloc&) {
        message = u"Zu wenig Arbeitsspeicher";
    } catch (const std::exception& e) {
        message = ui::FromUtf8(e.what());
    } catch (...) {
        message = u"Unbekannter Fehler";
    }
    // Showing the box can itself fail only for lack of memory; then there is nothing
    // left to tell the user with, and the event loop goes on.
    try {
        messages.ShowError(title, DefaultErrorText(message));
    } catch (...) {  // NOLINT(bugprone-empty-catch)
    }
}

}  // namespace quorvel::app
