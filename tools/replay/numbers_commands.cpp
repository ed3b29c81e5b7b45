#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "numbers/calc_error.h"
#include "numbers/notation.h"
#include "numbers/standard_values.h"
#include "runner.h"
#include "ui/text.h"

// The `call` and `format` commands answer from the very routines the calculator uses.

namespace quorvel::replay {
namespace {

// `call Normwerte SERIES NUMBER`: the one routine of two arguments, answered with
// both neighbours.
std::string NormwerteLine(const std::vector<Word>& words) {
    if (words.size() != 4 || !words[2].quoted || words[3].quoted) {
        throw ScriptError("usage: call Normwerte \"SERIES\" NUMBER");
    }
    const std::optional<ESeries> series = ParseSeries(words[2].text);
    if (!series) throw ScriptError("unknown series: " + ui::Quote(words[2].text));
    const double number = ParseNumber(words[3].raw);
    std::string answer;
    try {
        const StandardNeighbours found = Normwerte(*series, number);
        answer = " = " + FormatNumber(found.low) + ' ' + FormatNumber(found.high);
    } catch (const CalcError& e) {
        answer = " fails " + ui::Quote(e.Message());
    }
    return "call Normwerte " + ui::Quote(words[2].text) + ' ' + words[3].raw + answer;
}

}  // namespace

void Runner::Call(const std::vector<Word>& words) {
    if (words.size() >= 2 && words[1].raw == "Normwerte") {
        out_ << NormwerteLine(words) << '\n';
        return;
    }
    if (words.size() != 3) throw ScriptError("usage: call FUNCTION ARG");
    const std::string& fn = words[1].raw;
    const Word& arg = words[2];
    const bool textArg = fn == "Zahleneingabe" || fn == "StrToFloat";
    if (!textArg && fn != "Wertberechnung" && fn != "AnzeigeWert" && fn != "EinheitVorsatz") {
        throw ScriptError("unknown function: " + fn);
    }
    if (textArg != arg.quoted) throw ScriptError(textArg ? "TEXT must be quoted" : "argument must not be quoted");
    const std::string echo = textArg ? ui::Quote(arg.text) : arg.raw;
    // Parse before calling, so a malformed argument is a script error, not a result.
    double number = 0;
    int index = 0;
    if (fn == "AnzeigeWert" || fn == "EinheitVorsatz") number = ParseNumber(arg.raw);
    if (fn == "Wertberechnung") index = ParseInteger(arg.raw);
    // The answer is formed whole before it is written: a failure shows no " = ".
    std::string answer;
    try {
        if (fn == "Zahleneingabe") {
            answer = " = " + FormatNumber(Zahleneingabe(arg.text));
        } else if (fn == "StrToFloat") {
            answer = " = " + FormatNumber(StrToDouble(arg.text));
        } else if (fn == "Wertberechnung") {
            answer = " = " + FormatNumber(Wertberechnung(index));
        } else if (fn == "AnzeigeWert") {
            answer = " = " + FormatNumber(AnzeigeWert(number));
        } else {
            answer = " = " + ui::Quote(EinheitVorsatz(number));
        }
    } catch (const CalcError& e) {
        answer = " fails " + ui::Quote(e.Message());
    }
    out_ << "call " << fn << ' ' << echo << answer << '\n';
}

void Runner::Format(const std::vector<Word>& words) {
    if (words.size() != 3 || words[2].quoted) throw ScriptError("usage: format FORM NUMBER");
    const std::string& form = words[1].raw;
    const double x = ParseNumber(words[2].raw);
    std::u16string text;
    if (form == "fixed") {
        text = FormatFixed(x);
    } else if (form == "fixed3") {
        text = FormatFixed3(x);
    } else if (form == "exp2") {
        text = FormatExponent(x, true);
    } else if (form == "exp1") {
        text = FormatExponent(x, false);
    } else if (form == "general") {
        text = FormatGeneral(x);
    } else {
        throw ScriptError("unknown form: " + form);
    }
    out_ << "format " << form << ' ' << words[2].raw << " = " << ui::Quote(text) << '\n';
}

}  // namespace quorvel::replay
