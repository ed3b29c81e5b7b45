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

}  // namespace

ui::UiControl& Bind(ui::Toolkit& kit, std::string_view name) { return kit.Control(RowOf(name)); }

TForm1::TForm1(ui::Toolkit& toolkit, ProgramMemory& memory)
    : Memory(memory),
      Form1(toolkit.Window(RowOf(ui::kMainWindow))),
      Form2(toolkit.Window(RowOf(ui::kConstantsWindow))),
      Timer1(toolkit.Timer()),
      Canvas(toolkit.Canvas()),
      Z3_L_Rechnung(Bind(toolkit, "Z3_L_Rechnung")),
      PB_Gauss(Bind(toolkit, "PB_Gauss")),
      P_Legende(Bind(toolkit, "P_Legende")),
      CB_Zeigerdiagramm(Bind(toolkit, "CB_Zeigerdiagramm")),
      CB_Hilfe(Bind(toolkit, "CB_Hilfe")),
      SB_Z1parZ2ser(Bind(toolkit, "SB_Z1parZ2ser")),
      SB_Z1serZ2par(Bind(toolkit, "SB_Z1serZ2par")),
      messages_(toolkit.Messages()),
      platform_(toolkit.Platform()),
      op1_(*this, toolkit, Z1, memory, kOperands[0]),
      op2_(*this, toolkit, Z2, memory, kOperands[1]),
      z3_(*this, toolkit, Z3, Z3_F, memory) {}

void TForm1::MessageDlgPosHelp(std::u16string_view text) { messages_.ShowError(u"Fehler", text); }

}  // namespace quorvel::calc
