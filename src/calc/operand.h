#pragma once

// An operand, Z1 or Z2, with every control of its panel that the logic works on: the
// five value fields, the reactance calculator and the memory group. The behaviour is
// written here once; what differs between Z1 and Z2 comes from its row of kOperands.
//
// Who calls: TForm1's handlers, one line each, on the UI thread. The operand calls
// back into its TForm1 for what the whole window shares (trimming, the diagram, the
// formula label, the message box, Timer1, the blanking of Z3).

#include <array>

#include "calc/functions.h"
#include "calc/operand_table.h"
#include "calc/registers.h"
#include "calc/value_fields.h"

namespace quorvel::calc {

class TForm1;

class Operand {
public:
    Operand(TForm1& form, ui::Toolkit& kit, ComplexValue& value, ProgramMemory& memory, const OperandRow& row);

    Operand(const Operand&) = delete;
    Operand& operator=(const Operand&) = delete;

    [[nodiscard]] const ValueFields& Fields() const { return fields_; }
    // 1 for Z1, 2 for Z2.
    [[nodiscard]] int Group() const { return row_.group; }

    // Rectangular entry: the change handling of the two rectangular fields, Enter in
    // either of them, and the click that empties an imaginary "0".
    void RealChanged();
    void ImaginaryChanged();
    void RealKey(char16_t key);
    void ImaginaryKey(char16_t key);
    void ImaginaryClicked();

    // Polar entry: Enter in the magnitude or either angle field.
    void MagnitudeKey(char16_t key);
    void DegreesKey(char16_t key);
    void RadiansKey(char16_t key);

    // The three displays of the value.
    void ShowCoordinates();
    void ShowPolar();
    void ShowResult();

    // A function applied to the value, then the display, the blanking of Z3's fields
    // and the diagram.
    void Apply(Function f);

    // The memory group: slot 0 to 2.
    void Store(int slot);
    void Recall(int slot);
    void StoreHint(int slot);
    void RecallHint(int slot);
    [[nodiscard]] RegisterRef Register(int slot) const;

    // The reactance calculator.
    void ReactanceCheckClicked();
    void Inductance();
    void Capacitance();
    void ClearReactance();
    // The window colour back on the two fields a reactance button may mark red.
    void RestoreReactanceColours();

    // Clearing, in the steps the clear buttons interleave: "0" into the five fields,
    // the value set to zero, the degree field emptied.
    void WriteZeros();
    void ZeroValue();
    void EmptyDegrees();

    // The five texts of Z3's fields copied into this operand's fields, unless Z3's
    // rectangular fields are both empty.
    void TakeOver(const ValueFields& z3);

    // A pasted value: the two part texts written into the rectangular fields, whose
    // change handling sets the parts, then the Enter handling as if the user had typed
    // them and pressed Enter (trimming, the polar form, the diagram).
    void Paste(std::u16string_view real, std::u16string_view imaginary);

    // Trims the operand's seven entry fields: the five value fields, then the
    // reactance calculator's two.
    void TrimFields();

private:
    // Enter in a rectangular field; `message` is that field's.
    void EnterRectangular(std::u16string_view message);
    struct PolarInput {
        double magnitude;
        double angle;
    };
    // Reads magnitude and angle for a polar Enter; on a failure shows `message`,
    // undoes the three polar fields and gives nothing.
    bool ReadPolar(ui::UiControl& angle, std::u16string_view message, PolarInput& in);
    void FinishPolar(double magnitude, double angle);
    // The reactance buttons' common steps; the sign of `capacitive` picks the formula.
    void Reactance(bool capacitive);
    // A field the reactance calculator cannot use: marked red, the target emptied.
    void Reject(ui::UiControl& field);

    TForm1& form_;
    ComplexValue& value_;
    const OperandRow& row_;
    ValueFields fields_;
    ui::UiControl& reactanceCheck_;
    ui::UiControl& reactancePanel_;
    ui::UiControl& inductanceOrCapacitance_;
    ui::UiControl& frequency_;
    std::array<ui::UiControl*, 3> storeButtons_{};
    std::array<ui::UiControl*, 3> recallButtons_{};
    std::array<ComplexValue*, 3> registers_{};
};

}  // namespace quorvel::calc
