#include "app/application.h"

#include <stdexcept>
#include <string>

#include "app/dispatch.h"

namespace quorvel::app {

namespace {

std::function<void(char16_t)> ResolveForm1(calc::TForm1& form, std::string_view name) {
    for (const calc::TForm1::Handler& h : calc::TForm1::Handlers()) {
        if (h.name != name) continue;
        if (h.plain != nullptr) return [&form, m = h.plain](char16_t) { (form.*m)(); };
        return [&form, m = h.key](char16_t key) { (form.*m)(key); };
    }
    return {};
}

std::function<void(char16_t)> ResolveForm2(TForm2& form, std::string_view name) {
    for (const TForm2::Handler& h : TForm2::Handlers()) {
        if (h.name == name) return [&form, m = h.plain](char16_t) { (form.*m)(); };
    }
    return {};
}

}  // namespace

Application::Application(ui::Toolkit& toolkit, std::u16string title)
    : toolkit_(toolkit),
      title_(std::move(title)),
      form1_(std::make_unique<calc::TForm1>(toolkit, memory_)),
      form2_(std::make_unique<TForm2>(toolkit)) {
    const auto rows = ui::Layout();
    routes_.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool inForm2 = ui::WindowOf(rows[i]) == ui::kConstantsWindow;
        for (std::size_t b = 0; b < rows[i].events.size(); ++b) {
            const ui::Binding& binding = rows[i].events[b];
            if (binding.event == ui::EventKind::None) continue;
            auto run = inForm2 ? ResolveForm2(*form2_, binding.handler) : ResolveForm1(*form1_, binding.handler);
            if (!run) {
                throw std::logic_error("no handler " + std::string(binding.handler) + " for " + std::string(rows[i].name));
            }
            routes_[i][b] = Route{binding.event, std::move(run)};
        }
    }
}

Application::~Application() = default;

void Application::Start() {
    toolkit_.Connect(*this);
    toolkit_.ShowMainWindow();
}

void Application::Raise(int row, ui::EventKind event, char16_t key) noexcept {
    if (row < 0 || static_cast<std::size_t>(row) >= routes_.size()) return;
    for (const Route& route : routes_[static_cast<std::size_t>(row)]) {
        if (route.event == event && route.run) {
            RunGuarded(toolkit_.Messages(), title_, [&] { route.run(key); });
            return;
        }
    }
}

void Application::Guard(const std::function<void()>& work) noexcept { RunGuarded(toolkit_.Messages(), title_, work); }

namespace {

bool InMainWindow(int row) {
    return row >= 0 && static_cast<std::size_t>(row) < ui::Layout().size() && ui::WindowOf(ui::Layout()[static_cast<std::size_t>(row)]) == ui::kMainWindow;
}

}  // namespace

ui::FieldMenu Application::FieldMenuOf(int row) noexcept {
    ui::FieldMenu menu;
    // Reading a component value's text may fail; the menu then offers what it can.
    if (InMainWindow(row)) RunGuarded(toolkit_.Messages(), title_, [&] { menu = form1_->FieldMenuOf(row); });
    return menu;
}

int Application::FieldChordCommand(int row, const ui::KeyChord& chord) noexcept {
    return InMainWindow(row) ? form1_->FieldChordCommand(row, chord) : -1;
}

void Application::FieldCommand(int row, int command) noexcept {
    if (InMainWindow(row)) RunGuarded(toolkit_.Messages(), title_, [&] { form1_->FieldCommand(row, command); });
}

}  // namespace quorvel::app
