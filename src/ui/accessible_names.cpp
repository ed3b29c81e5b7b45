#include "ui/accessible_names.h"

#include <array>

#include "ui/shortcuts.h"

namespace quorvel::ui {
namespace {

// Names say what a control is or does, in words a screen reader speaks well: "Kehrwert"
// rather than the glyph 1/x, "Speicher M1" rather than "-> M1". Where a hint already
// says it, the name follows the hint; the hint itself becomes the description.
constexpr auto kNames = std::to_array<AccessibleName>({
    {"B_Fertig", u"Fertig"},
    {"CB_Zeigerdiagramm", u"Zeigerdiagramm anzeigen"},
    {"CB_Hilfe", u"Hilfetexte anzeigen"},

    {"Z1_E_Real", u"Realteil von Z1"},
    {"Z1_E_Imaginaer", u"Imaginärteil von Z1"},
    {"Z1_E_ABS", u"Betrag von Z1"},
    {"Z1_E_Phi_Rad", u"Winkel von Z1 im Bogenmaß"},
    {"Z1_E_Phi_Deg", u"Winkel von Z1 in Grad"},
    {"Z1_RB_Phi_Rad", u"Winkel von Z1 im Bogenmaß eingeben (RAD)"},
    {"Z1_RB_Phi_Deg", u"Winkel von Z1 in Grad eingeben (DEG)"},
    {"SB_Z1_Reziproke", u"Kehrwert von Z1"},
    {"SB_Z1_SQR", u"Quadrat von Z1"},
    {"SB_Z1_Power", u"Zehnerpotenz von Z1"},
    {"SB_Z1_konj", u"Konjugiert komplexer Wert von Z1"},
    {"SB_Z1_BSQR", u"Betragsquadrat von Z1"},
    {"SB_Z1_SQRT", u"Quadratwurzel von Z1"},
    {"SB_Z1_LOG", u"Zehnerlogarithmus von Z1"},
    {"Z1_CB_X", u"Blindwiderstandsrechner für Z1 anzeigen"},
    {"Z1_E_XL_XC", u"Induktivität oder Kapazität für Z1"},
    {"Z1_XL", u"Induktivität in Blindwiderstand von Z1 umrechnen (XL)"},
    {"Z1_XC", u"Kapazität in Blindwiderstand von Z1 umrechnen (XC)"},
    {"Z1_E_F", u"Frequenz für Z1"},
    {"Z1_B_CLR", u"Blindwiderstandsrechner von Z1 löschen"},
    {"B_Z1_M1", u"Z1 in Speicher M1 ablegen"},
    {"B_Z1_M2", u"Z1 in Speicher M2 ablegen"},
    {"B_Z1_M3", u"Z1 in Speicher M3 ablegen"},
    {"B_M1_Z1", u"Speicher M1 in Z1 übernehmen"},
    {"B_M2_Z1", u"Speicher M2 in Z1 übernehmen"},
    {"B_M3_Z1", u"Speicher M3 in Z1 übernehmen"},

    {"Z2_E_Real", u"Realteil von Z2"},
    {"Z2_E_Imaginaer", u"Imaginärteil von Z2"},
    {"Z2_E_ABS", u"Betrag von Z2"},
    {"Z2_E_Phi_Rad", u"Winkel von Z2 im Bogenmaß"},
    {"Z2_E_Phi_Deg", u"Winkel von Z2 in Grad"},
    {"Z2_RB_Phi_Rad", u"Winkel von Z2 im Bogenmaß eingeben (RAD)"},
    {"Z2_RB_Phi_Deg", u"Winkel von Z2 in Grad eingeben (DEG)"},
    {"SB_Z2_Reziproke", u"Kehrwert von Z2"},
    {"SB_Z2_SQR", u"Quadrat von Z2"},
    {"SB_Z2_Power", u"Zehnerpotenz von Z2"},
    {"SB_Z2_konjugiert", u"Konjugiert komplexer Wert von Z2"},
    {"SB_Z2_BSQR", u"Betragsquadrat von Z2"},
    {"SB_Z2_SQRT", u"Quadratwurzel von Z2"},
    {"SB_Z2_LOG", u"Zehnerlogarithmus von Z2"},
    {"Z2_CB_X", u"Blindwiderstandsrechner für Z2 anzeigen"},
    {"Z2_E_XL_XC", u"Induktivität oder Kapazität für Z2"},
    {"Z2_XL", u"Induktivität in Blindwiderstand von Z2 umrechnen (XL)"},
    {"Z2_XC", u"Kapazität in Blindwiderstand von Z2 umrechnen (XC)"},
    {"Z2_E_F", u"Frequenz für Z2"},
    {"Z2_B_CLR", u"Blindwiderstandsrechner von Z2 löschen"},
    {"B_Z2_M1", u"Z2 in Speicher M1 ablegen"},
    {"B_Z2_M2", u"Z2 in Speicher M2 ablegen"},
    {"B_Z2_M3", u"Z2 in Speicher M3 ablegen"},
    {"B_M1_Z2", u"Speicher M1 in Z2 übernehmen"},
    {"B_M2_Z2", u"Speicher M2 in Z2 übernehmen"},
    {"B_M3_Z2", u"Speicher M3 in Z2 übernehmen"},

    // The fields of Z3 show results; a screen reader adds that they are read-only.
    {"Z3_E_Real", u"Realteil von Z3"},
    {"Z3_E_Imaginaer", u"Imaginärteil von Z3"},
    {"Z3_E_ABS", u"Betrag von Z3"},
    {"Z3_E_Phi_Rad", u"Winkel von Z3 im Bogenmaß"},
    {"Z3_E_Phi_Deg", u"Winkel von Z3 in Grad"},
    {"Z3_RB_Phi_Rad", u"Winkel von Z3 im Bogenmaß zeigen (RAD)"},
    {"Z3_RB_Phi_Deg", u"Winkel von Z3 in Grad zeigen (DEG)"},
    {"SB_Z3_Reziproke", u"Kehrwert von Z3"},
    {"SB_Z3_SQR", u"Quadrat von Z3"},
    {"SB_Z3_Power", u"Zehnerpotenz von Z3"},
    {"SB_Z3_konjungiert", u"Konjugiert komplexer Wert von Z3"},
    {"SB_Z3_BSQR", u"Betragsquadrat von Z3"},
    {"SB_Z3_SQRT", u"Quadratwurzel von Z3"},
    {"SB_Z3_LOG", u"Zehnerlogarithmus von Z3"},
    {"Z3_CB_BE", u"Bauteilwerte von Z3 anzeigen (L oder C)"},
    {"Z3_E_L", u"Induktivität von Z3"},
    {"Z3_E_C", u"Kapazität von Z3"},
    {"Z3_E_F", u"Frequenz für Z3"},
    {"B_Z3_M4", u"Z3 in Speicher M4 ablegen"},
    {"B_Z3_M5", u"Z3 in Speicher M5 ablegen"},
    {"B_Z3_M6", u"Z3 in Speicher M6 ablegen"},
    {"B_M4_Z1", u"Speicher M4 in Z1 übernehmen"},
    {"B_M5_Z1", u"Speicher M5 in Z1 übernehmen"},
    {"B_M6_Z1", u"Speicher M6 in Z1 übernehmen"},
    {"B_M4_Z2", u"Speicher M4 in Z2 übernehmen"},
    {"B_M5_Z2", u"Speicher M5 in Z2 übernehmen"},
    {"B_M6_Z2", u"Speicher M6 in Z2 übernehmen"},
    {"B_Ergebnis_in_Z1", u"Z3 in Z1 übernehmen"},
    {"B_Ergebnis_in_Z2", u"Z3 in Z2 übernehmen"},

    {"B_CLR_ALL", u"Alle Eingaben löschen"},
    {"B_CLR_Z1", u"Eingaben von Z1 löschen"},
    {"B_CLR_Z2", u"Eingaben von Z2 löschen"},

    {"SB_Addition", u"Addition Z1 + Z2"},
    {"SB_Subtraktion", u"Subtraktion Z1 - Z2"},
    {"SB_Multiplikation", u"Multiplikation Z1 mal Z2"},
    {"SB_Division", u"Division Z1 durch Z2"},
    {"SB_Z1parallelZ2", u"Parallelschaltung von Z1 und Z2"},
    {"SB_Z1addZ2", u"Reihenschaltung von Z1 und Z2"},
    {"SB_Z1parZ2ser", u"Z1 parallel in Z3 seriell umrechnen"},
    {"SB_Z1serZ2par", u"Z1 seriell in Z3 parallel umrechnen"},
    {"B_Konstanten", u"Konstanten"},

    {"BB_Pi_Z1", u"Kreiszahl in Z1 einsetzen"},
    {"BB_Euler_Z1", u"Eulersche Zahl in Z1 einsetzen"},
    {"BB_elektFeldkonst_Z1", u"Elektrische Feldkonstante in Z1 einsetzen"},
    {"BB_magFeldkonst_Z1", u"Magnetische Feldkonstante in Z1 einsetzen"},
    {"BB_Elementarlad_Z1", u"Elementarladung in Z1 einsetzen"},
    {"BB_Lichchtgeschw", u"Lichtgeschwindigkeit in Z1 einsetzen"},
    {"BB_Pi_Z2", u"Kreiszahl in Z2 einsetzen"},
    {"BB_Euler_Z2", u"Eulersche Zahl in Z2 einsetzen"},
    {"BB_elektFeldkonst_Z2", u"Elektrische Feldkonstante in Z2 einsetzen"},
    {"BB_magFeldkonst_Z2", u"Magnetische Feldkonstante in Z2 einsetzen"},
    {"BB_Elementarlad_Z2", u"Elementarladung in Z2 einsetzen"},
    {"BB_Lichchtgeschw_Z2", u"Lichtgeschwindigkeit in Z2 einsetzen"},
    {"Button1", u"Schließen"},
});

}  // namespace

std::span<const AccessibleName> AccessibleNames() { return kNames; }

std::u16string_view AccessibleNameOf(std::string_view control) {
    for (const AccessibleName& entry : kNames) {
        if (entry.control == control) return entry.name;
    }
    return {};
}

bool TakesUserInput(const ControlSpec& row) {
    switch (row.kind) {
        case ControlKind::Edit:
        case ControlKind::Button:
        case ControlKind::SpeedButton:
        case ControlKind::BitBtn:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: return true;
        default: return false;
    }
}

std::u16string AccessibleDescriptionOf(const ControlSpec& row) {
    std::u16string text(row.hint);
    const std::string_view chord = ShortcutOf(row.name);
    if (chord.empty()) return text;
    if (!text.empty()) text += u" \u2013 ";
    return text + u"Tastenk\u00fcrzel: " + ChordLabel(chord);
}

}  // namespace quorvel::ui
