#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "calc/form1.h"
#include "numbers/calc_error.h"
#include "numbers/complex_reading.h"
#include "numbers/complex_text.h"
#include "numbers/notation.h"
#include "numbers/standard_values.h"

// What the fields of Z1, Z2 and Z3 offer beyond the layout's handlers: the value on
// the clipboard (copied in three forms, pasted into an operand as if its parts had
// been typed), and the standard component values around a quantity of Z3.

namespace quorvel::calc {

namespace {

enum Command : int { kCopy = 0, kCopyPolar = 1, kCopyTable = 2, kPaste = 3, kFirstStandard = 10 };

// The series the menu offers; each gives the value at or below and the one at or above.
constexpr std::array<ESeries, 3> kMenuSeries{ESeries::E12, ESeries::E24, ESeries::E96};

enum class Quantity { None, Real, Imaginary, Magnitude, Inductance, Capacitance };

// The field of a value: 1, 2 or 3 for Z1, Z2, Z3 (0 for any other control), and the
// quantity of Z3 it shows, for the standard values.
struct FieldOf {
    int value = 0;
    Quantity quantity = Quantity::None;
};

FieldOf Field(int row) {
    const std::string_view name = ui::Layout()[static_cast<std::size_t>(row)].name;
    for (const OperandRow& op : kOperands) {
        for (const std::string_view field : {op.real, op.imaginary, op.magnitude, op.radians, op.degrees}) {
            if (field == name) return {op.group, Quantity::None};
        }
    }
    struct Z3Field {
        std::string_view name;
        int value;  // 0: the component values, which show no value of Z3 itself
        Quantity quantity;
    };
    static constexpr std::array<Z3Field, 7> kZ3{{{"Z3_E_Real", 3, Quantity::Real},
                                                 {"Z3_E_Imaginaer", 3, Quantity::Imaginary},
                                                 {"Z3_E_ABS", 3, Quantity::Magnitude},
                                                 {"Z3_E_Phi_Rad", 3, Quantity::None},
                                                 {"Z3_E_Phi_Deg", 3, Quantity::None},
                                                 {"Z3_E_L", 0, Quantity::Inductance},
                                                 {"Z3_E_C", 0, Quantity::Capacitance}}};
    for (const Z3Field& f : kZ3) {
        if (f.name == name) return {f.value, f.quantity};
    }
    return {};
}

bool IsCopyChord(const ui::KeyChord& c) { return c.ctrl && c.shift && !c.alt && c.key == ui::KeyName::Character && c.character == u'C'; }
bool IsPasteChord(const ui::KeyChord& c) { return c.ctrl && c.shift && !c.alt && c.key == ui::KeyName::Character && c.character == u'V'; }

// "−1,69 %", "+17,97 %", "0 %": the deviation of a standard value from the quantity.
std::u16string Deviation(double standard, double value) {
    const double percent = std::round((standard - value) / value * 10000.0) / 100.0;
    if (percent == 0) return u"0 %";
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(percent), std::chars_format::fixed, 2);
    std::u16string text = percent < 0 ? u"\u2212" : u"+";
    for (const char* p = buf; p != end && ec == std::errc(); ++p) text += *p == '.' ? u',' : static_cast<char16_t>(*p);
    return text + u" %";
}

// "150 mH": a standard value with its prefix and unit.
std::u16string StandardText(double value, std::u16string_view unit) {
    return FormatGeneral(AnzeigeWert(value)) + EinheitVorsatz(value) + std::u16string(unit);
}

}  // namespace

double TForm1::QuantityOf(int row) const {
    switch (Field(row).quantity) {
        case Quantity::Real: return Z3.Real();
        case Quantity::Imaginary: return std::fabs(Z3.Imaginary());
        case Quantity::Magnitude: return Abs(Z3);
        case Quantity::Inductance:
        case Quantity::Capacitance: {
            // The shown text: no standard values while it shows none.
            const std::u16string text = z3_.ComponentText(Field(row).quantity == Quantity::Inductance);
            try {
                return text.empty() ? 0.0 : Zahleneingabe(text);
            } catch (const CalcError&) {
                return 0.0;
            }
        }
        case Quantity::None: break;
    }
    return 0.0;
}

ui::FieldMenu TForm1::FieldMenuOf(int row) {
    const FieldOf field = Field(row);
    ui::FieldMenu menu;
    if (field.value != 0) {
        menu.push_back({u"Wert kopieren\tStrg+Umschalt+C", kCopy});
        menu.push_back({u"Wert kopieren (polar)", kCopyPolar});
        menu.push_back({u"Wert kopieren (Tabelle)", kCopyTable});
    }
    if (field.value == 1 || field.value == 2) {
        const std::optional<std::u16string> clip = platform_.ClipboardText();
        menu.push_back({u"Wert einf\u00fcgen\tStrg+Umschalt+V", kPaste, clip && !clip->empty()});
    }
    if (field.quantity == Quantity::None) return menu;
    const double quantity = QuantityOf(row);
    const std::u16string_view unit = field.quantity == Quantity::Inductance ? u"H" : field.quantity == Quantity::Capacitance ? u"F" : u"\u03a9";
    for (std::size_t s = 0; s < kMenuSeries.size(); ++s) {
        StandardNeighbours n{};
        try {
            n = Normwerte(kMenuSeries[s], quantity);
        } catch (const CalcError&) {
            break;  // no standard values for zero, a negative or non-finite quantity
        }
        const std::u16string series(SeriesName(kMenuSeries[s]));
        const int first = kFirstStandard + static_cast<int>(2 * s);
        menu.push_back({series + u": " + StandardText(n.low, unit) + u" (" + Deviation(n.low, quantity) + u")", first});
        if (n.high != n.low) menu.push_back({series + u": " + StandardText(n.high, unit) + u" (" + Deviation(n.high, quantity) + u")", first + 1});
    }
    return menu;
}

int TForm1::FieldChordCommand(int row, const ui::KeyChord& chord) const {
    const FieldOf field = Field(row);
    if (field.value != 0 && IsCopyChord(chord)) return kCopy;
    if ((field.value == 1 || field.value == 2) && IsPasteChord(chord)) return kPaste;
    return -1;
}

void TForm1::FieldCommand(int row, int command) {
    const FieldOf field = Field(row);
    const ComplexValue& value = field.value == 1 ? Z1 : field.value == 2 ? Z2 : Z3;
    switch (command) {
        case kCopy: platform_.SetClipboardText(RectangularText(value)); return;
        case kCopyPolar: platform_.SetClipboardText(PolarText(value)); return;
        case kCopyTable: platform_.SetClipboardText(TableText(value)); return;
        case kPaste: {
            if (field.value != 1 && field.value != 2) return;
            const std::optional<std::u16string> clip = platform_.ClipboardText();
            const ComplexReading reading = ReadComplex(clip.value_or(u""));
            if (!reading.Ok()) {
                MessageDlgPosHelp(reading.Message());
                return;
            }
            (field.value == 1 ? op1_ : op2_).Paste(reading.RealText(), reading.ImaginaryText());
            return;
        }
        default: break;
    }
    const auto s = static_cast<std::size_t>((command - kFirstStandard) / 2);
    if (command < kFirstStandard || s >= kMenuSeries.size() || field.quantity == Quantity::None) return;
    const StandardNeighbours n = Normwerte(kMenuSeries[s], QuantityOf(row));
    platform_.SetClipboardText(RoundTripText((command - kFirstStandard) % 2 == 0 ? n.low : n.high));
}

}  // namespace quorvel::calc
