#include "runner.h"

#include <istream>
#include <ostream>

#include "diagram/phasor_geometry.h"
#include "ui/key_chord.h"
#include "ui/shortcuts.h"
#include "ui/tab_order.h"
#include "ui/text.h"

namespace quorvel::replay {

namespace {

using ui::Quote;

std::string Bool(bool b) { return b ? "true" : "false"; }

std::string Value(const ComplexValue& v) {
    std::string text = "(";
    text += FormatNumber(v.Real());
    text += ", ";
    text += FormatNumber(v.Imaginary());
    text += ')';
    return text;
}

void Expect(const std::vector<Word>& words, std::size_t count, const char* usage) {
    if (words.size() != count) throw ScriptError(std::string("usage: ") + usage);
}

}  // namespace

Runner::Runner(ui::Session& session, app::Application& app, std::ostream& out)
    : session_(session), app_(app), out_(out) {
    session_.Driver().ObserveBoxes([this](const ui::BoxSeen& box) {
        out_ << "box " << Quote(box.title) << ' ' << Quote(box.text) << ' ' << box.icon << '\n';
    });
}

int Runner::Run(std::istream& script, std::ostream& err) {
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        ++number;
        try {
            const auto words = SplitLine(line);
            if (!words) continue;
            if (!Execute(*words)) break;
        } catch (const ScriptError& e) {
            out_.flush();
            err << number << ": " << e.what() << '\n';
            return 2;
        }
        out_.flush();
    }
    out_.flush();
    return 0;
}

int Runner::Row(const Word& w) const {
    const int row = w.quoted ? -1 : ui::IndexOf(w.raw);
    if (row < 0) throw ScriptError("unknown control: " + w.raw);
    return row;
}

int Runner::EditRow(const Word& w) const {
    const int row = Row(w);
    if (ui::Layout()[static_cast<std::size_t>(row)].kind != ui::ControlKind::Edit) throw ScriptError("not an edit: " + w.raw);
    return row;
}

bool Runner::Execute(const std::vector<Word>& words) {
    const std::string& cmd = words[0].raw;
    if (words[0].quoted) throw ScriptError("a line starts with a command");
    ui::UserDriver& drive = session_.Driver();
    auto userAction = [&](int row, auto&& action) {
        if (!ui::Showing(session_.Kit(), row) || !ui::EnabledWithContainers(session_.Kit(), row)) {
            out_ << "ignored " << ui::Layout()[static_cast<std::size_t>(row)].name << '\n';
            return;
        }
        action();
    };
    if (cmd == "type" || cmd == "append") {
        Expect(words, 3, "type|append NAME TEXT");
        if (!words[2].quoted) throw ScriptError("TEXT must be quoted");
        const int row = EditRow(words[1]);
        userAction(row, [&] { cmd == "type" ? drive.Type(row, words[2].text) : drive.Append(row, words[2].text); });
    } else if (cmd == "enter" || cmd == "erase" || cmd == "undo") {
        Expect(words, 2, "enter|erase|undo NAME");
        const int row = EditRow(words[1]);
        userAction(row, [&] {
            if (cmd == "enter") drive.Enter(row);
            if (cmd == "erase") drive.Erase(row);
            if (cmd == "undo") drive.UndoKey(row);
        });
    } else if (cmd == "backspace") {
        if (words.size() != 2 && words.size() != 3) throw ScriptError("usage: backspace NAME [N]");
        const int row = EditRow(words[1]);
        const int n = words.size() == 3 ? ParseInteger(words[2].raw) : 1;
        if (n < 0) throw ScriptError("count must not be negative");
        userAction(row, [&] { drive.Backspace(row, n); });
    } else if (cmd == "click") {
        Expect(words, 2, "click NAME");
        const int row = Row(words[1]);
        if (ui::Layout()[static_cast<std::size_t>(row)].kind == ui::ControlKind::Form) throw ScriptError("cannot click a window");
        userAction(row, [&] { drive.Click(row); });
    } else if (cmd == "press") {
        Expect(words, 3, "press NAME CHORD");
        const int row = Row(words[1]);
        const std::optional<ui::KeyChord> chord = words[2].quoted ? std::nullopt : ui::ParseChord(words[2].raw);
        if (!chord) throw ScriptError("unknown key chord: " + words[2].raw);
        const ui::ControlSpec& s = ui::Layout()[static_cast<std::size_t>(row)];
        if (!ui::TakesFocus(s)) throw ScriptError("takes no keyboard focus: " + words[1].raw);
        // What an arrow does to an edit's cursor or between buttons differs from desktop
        // to desktop; a script uses arrows on radio buttons alone.
        const bool arrow = chord->key == ui::KeyName::Up || chord->key == ui::KeyName::Down || chord->key == ui::KeyName::Left || chord->key == ui::KeyName::Right;
        if (arrow && (s.kind != ui::ControlKind::RadioButton || !ui::ArrowOf(*chord))) throw ScriptError("plain arrow keys are for radio buttons: " + words[2].raw);
        userAction(row, [&] { drive.Press(row, *chord); });
    } else if (cmd == "shortcuts") {
        Expect(words, 1, "shortcuts");
        for (const ui::Shortcut& s : ui::Shortcuts()) out_ << "shortcut " << s.chord << ' ' << s.control << '\n';
    } else if (cmd == "clipboard") {
        Expect(words, 2, "clipboard TEXT");
        if (!words[1].quoted) throw ScriptError("TEXT must be quoted");
        drive.SetClipboard(words[1].text);
    } else if (cmd == "hover") {
        Expect(words, 2, "hover NAME");
        const int row = Row(words[1]);
        const std::string& name = words[1].raw;
        if (!ui::Showing(session_.Kit(), row)) {
            out_ << "ignored " << name << '\n';
        } else if (auto tip = drive.Hover(row)) {
            out_ << "hint " << name << ' ' << Quote(*tip) << '\n';
        } else {
            out_ << "nohint " << name << '\n';
        }
    } else if (cmd == "tick") {
        Expect(words, 1, "tick");
        if (!drive.Tick()) out_ << "timer stopped\n";
    } else if (cmd == "move") {
        Expect(words, 4, "move NAME X Y");
        const int row = Row(words[1]);
        if (ui::Layout()[static_cast<std::size_t>(row)].kind != ui::ControlKind::Form) throw ScriptError("not a window: " + words[1].raw);
        drive.Move(row, ParseInteger(words[2].raw), ParseInteger(words[3].raw));
    } else if (cmd == "close") {
        Expect(words, 2, "close NAME");
        const int row = Row(words[1]);
        if (ui::Layout()[static_cast<std::size_t>(row)].kind != ui::ControlKind::Form) throw ScriptError("not a window: " + words[1].raw);
        drive.CloseWindow(row);
    } else if (cmd == "print") {
        Expect(words, 2, "print WHAT");
        Print(words[1].raw);
    } else if (cmd == "dump") {
        Expect(words, 1, "dump");
        Dump();
    } else if (cmd == "call") {
        Call(words);
    } else if (cmd == "format") {
        Format(words);
    } else if (cmd == "screenshot") {
        Expect(words, 2, "screenshot FILE");
        const std::string path = words[1].quoted ? ui::ToUtf8(words[1].text) : words[1].raw;
        session_.Screenshot(path);
    } else {
        throw ScriptError("unknown command: " + cmd);
    }
    session_.Settle();
    return !session_.Kit().Closed();
}

void Runner::Print(const std::string& what) {
    calc::TForm1& f = app_.Form1();
    calc::ProgramMemory& m = app_.Memory();
    const std::pair<const char*, const ComplexValue*> values[] = {
        {"Z1", &f.Z1},   {"Z2", &f.Z2},   {"Z3", &f.Z3},   {"_M11", &m.M11}, {"_M12", &m.M12}, {"_M13", &m.M13},
        {"_M21", &m.M21}, {"_M22", &m.M22}, {"_M23", &m.M23}, {"_M31", &m.M31}, {"_M32", &m.M32}, {"_M33", &m.M33}};
    for (const auto& [name, v] : values) {
        if (what == name) {
            out_ << name << " = " << Value(*v) << '\n';
            return;
        }
    }
    if (what == "Z3_F") {
        out_ << "Z3_F = " << FormatNumber(f.Z3_F) << '\n';
        return;
    }
    if (what == "diagram") {
        PrintDiagram();
        return;
    }
    if (what == "clipboard") {
        const std::optional<std::u16string> text = session_.Driver().Clipboard();
        out_ << "clipboard = " << (text ? Quote(*text) : std::string("none")) << '\n';
        return;
    }
    if (what == "canvas") {
        for (const std::string& line : session_.Recording().Describe()) out_ << "canvas " << line << '\n';
        return;
    }
    const std::size_t dot = what.find('.');
    const std::string name = what.substr(0, dot);
    const int row = ui::IndexOf(name);
    if (row < 0) throw ScriptError("unknown control: " + name);
    PrintProperty(row, name, dot == std::string::npos ? "text" : what.substr(dot + 1));
}

void Runner::PrintProperty(int row, const std::string& name, const std::string& prop) {
    ui::UiControl& c = session_.Kit().Control(row);
    const bool window = c.Spec().kind == ui::ControlKind::Form;
    out_ << name << '.' << prop << " = ";
    if (prop == "text") {
        out_ << Quote(c.GetText());
    } else if (prop == "visible") {
        out_ << Bool(window ? session_.Kit().Window(row).IsVisible() : c.GetVisible());
    } else if (prop == "enabled") {
        out_ << Bool(c.GetEnabled());
    } else if (prop == "checked") {
        out_ << Bool(c.GetChecked());
    } else if (prop == "color") {
        out_ << ui::ColorName(window ? session_.Kit().Window(row).GetColor() : c.GetColor());
    } else if (prop == "hint") {
        out_ << Quote(c.GetHint());
    } else if (prop == "bold") {
        out_ << Bool(c.GetBold());
    } else if (prop == "geometry" && !window) {
        const ui::Rect g = c.GetGeometry();
        out_ << g.x << ", " << g.y << ", " << g.w << ", " << g.h;
    } else if (prop == "left" && window) {
        out_ << session_.Kit().Window(row).GetLeft();
    } else if (prop == "top" && window) {
        out_ << session_.Kit().Window(row).GetTop();
    } else {
        out_ << '\n';
        throw ScriptError("no property " + prop + " of " + name);
    }
    out_ << '\n';
}

void Runner::Dump() {
    const auto rows = ui::Layout();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string name(rows[i].name);
        for (const char* prop : {"text", "visible", "enabled", "checked", "color", "hint"}) {
            PrintProperty(static_cast<int>(i), name, prop);
        }
    }
    for (const char* v : {"Z1", "Z2", "Z3", "Z3_F", "_M11", "_M12", "_M13", "_M21", "_M22", "_M23", "_M31", "_M32", "_M33"}) {
        Print(v);
    }
}

void Runner::PrintDiagram() {
    const ui::RecordingCanvas& canvas = session_.Recording();
    const diagram::Geometry g = diagram::GeometryFor(canvas.Width(), canvas.Height());
    const auto phasors = canvas.Phasors({g.Nullpunkt_X, g.Nullpunkt_Y});
    if (phasors.empty()) {
        out_ << "diagram none\n";
        return;
    }
    for (const ui::DrawnPhasor& p : phasors) {
        // Each value has its colour; a phasor covering an earlier one has its own.
        const char* name = p.color == ui::clRed                                ? "Z1"
                           : p.color == ui::clGreen || p.color == ui::clFuchsia ? "Z2"
                           : p.color == ui::clBlue || p.color == ui::clYellow   ? "Z3"
                                                                                : "?";
        out_ << "diagram " << name << " (" << p.to.x << ", " << p.to.y << ") " << ui::ColorName(p.color) << '\n';
    }
}

}  // namespace quorvel::replay
