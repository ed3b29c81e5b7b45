#pragma once

// The constants window: six constants, each for Z1 and for Z2. A button writes the
// constant's text into the real-part field of its operand, exactly as typing would,
// so the field's change handling takes the number over.

#include <span>
#include <string_view>

#include "ui/toolkit.h"

namespace quorvel::app {

class TForm2 {
public:
    // Binds the controls of both windows it uses; the toolkit must have built the
    // whole layout.
    explicit TForm2(ui::Toolkit& toolkit);

    TForm2(const TForm2&) = delete;
    TForm2& operator=(const TForm2&) = delete;

    void FormShow();
    void Button1Click();
    void BB_Pi_Z1Click();
    void BB_Euler_Z1Click();
    void BB_elektFeldkonst_Z1Click();
    void BB_magFeldkonst_Z1Click();
    void BB_Elementarlad_Z1Click();
    void BB_LichchtgeschwClick();
    void BB_Pi_Z2Click();
    void BB_Euler_Z2Click();
    void BB_elektFeldkonst_Z2Click();
    void BB_magFeldkonst_Z2Click();
    void BB_Elementarlad_Z2Click();
    void BB_Lichchtgeschw_Z2Click();

    struct Handler {
        std::string_view name;
        void (TForm2::*plain)();
    };
    static std::span<const Handler> Handlers();

    // The texts of the constants, in the notation the entry fields read.
    static constexpr std::u16string_view kPi = u"3,141592654";
    static constexpr std::u16string_view kEuler = u"2,718281828";
    static constexpr std::u16string_view kElectricConstant = u"8,854187817E-12";
    static constexpr std::u16string_view kMagneticConstant = u"12,56637061E-7";
    static constexpr std::u16string_view kElementaryCharge = u"1,60217662018E-19";
    static constexpr std::u16string_view kSpeedOfLight = u"2,99792458E8";

private:
    ui::UiWindow& form1_;
    ui::UiWindow& form2_;
    ui::UiControl& z1Real_;
    ui::UiControl& z2Real_;
};

}  // namespace quorvel::app
