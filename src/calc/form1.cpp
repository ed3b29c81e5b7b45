#include "calc/form1.h"

#include <stdexcept>
#include <string>

namespace quorvel::calc {

namespace {

int RowOf(std::string_view name) {
    const int row = ui::IndexOf(name);
    if (row < 0) throw std::logic_error("layout has no control " + std::string(name));
    return row;
}

ui::UiControl& Bind(ui::Toolkit& kit, std::string_view name) { return kit.Control(RowOf(name)); }

}  // namespace

#define QUORVEL_BIND_CONTROL(name) , name(Bind(toolkit, #name))  // NOLINT(cppcoreguidelines-macro-usage)

TForm1::TForm1(ui::Toolkit& toolkit, ProgramMemory& memory)
    : Memory(memory),
      Form1(toolkit.Window(RowOf("Form1"))),
      Form2(toolkit.Window(RowOf("Form2"))),
      Timer1(toolkit.Timer()),
      Canvas(toolkit.Canvas())
      // clang-format off
      QUORVEL_FORM1_CONTROLS(QUORVEL_BIND_CONTROL)
      // clang-format on
      ,
      messages_(toolkit.Messages()),
      platform_(toolkit.Platform()) {}

#undef QUORVEL_BIND_CONTROL

void TForm1::MessageDlgPosHelp(std::u16string_view text) { messages_.ShowError(u"Fehler", text); }

}  // namespace quorvel::calc
