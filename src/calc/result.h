#pragma once

// The result Z3 with every control of its panel that the logic works on: the five
// read-only value fields, the component values and the memory group, whose recall
// buttons write into either operand.
//
// Who calls: TForm1's handlers, one line each, on the UI thread.

#include <array>

#include "calc/functions.h"
#include "calc/operand.h"

namespace quorvel::calc {

class Result {
public:
    Result(TForm1& form, ui::Toolkit& kit, ComplexValue& value, double& frequency, ProgramMemory& memory);

    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;

    [[nodiscard]] const ValueFields& Fields() const { return fields_; }

    // The display after a function on Z3, and the one after a two-operand operation.
    void ShowAfterFunction();
    void ShowAfterOperation();

    // A function applied to Z3, then the display, the component values and the diagram.
    void Apply(Function f);

    // The component values of Z3's shown imaginary part at the frequency field's
    // frequency.
    void ComponentValues();
    // The shown text of the inductance or of the capacitance.
    [[nodiscard]] std::u16string ComponentText(bool inductance) const { return (inductance ? inductance_ : capacitance_).GetText(); }
    void ComponentCheckClicked();
    void FrequencyKey(char16_t key);
    void FrequencyChanged();
    // The window colour back on the frequency field, which the check box may mark red.
    void RestoreFrequencyColour();
    // Blank " " in the rectangular fields and the magnitude, nothing in the rest.
    void Blank();
    // The blanking of "CLR ALL": " " in all five value fields, nothing in the
    // component values; the degree field is emptied later, with the operands'.
    void BlankAll();
    void EmptyDegrees();
    // Trims the frequency field, the one entry field of Z3.
    void TrimFrequency();

    // The memory group: slot 0 to 2.
    void Store(int slot);
    void StoreHint(int slot);
    void RecallInto(int slot, Operand& target);
    void RecallHint(int slot, const Operand& target);

private:
    RegisterRef Register(int slot) const;

    TForm1& form_;
    ComplexValue& value_;
    double& frequencyValue_;
    ValueFields fields_;
    ui::UiControl& componentCheck_;
    ui::UiControl& componentPanel_;
    ui::UiControl& inductance_;
    ui::UiControl& capacitance_;
    ui::UiControl& frequency_;
    ui::UiControl& inductanceUnit_;
    ui::UiControl& capacitanceUnit_;
    std::array<ui::UiControl*, 3> storeButtons_{};
    std::array<ComplexValue*, 3> registers_{};
    // The recall buttons into Z1 and into Z2, by slot.
    std::array<std::array<ui::UiControl*, 3>, 2> recallButtons_{};
};

}  // namespace quorvel::calc
