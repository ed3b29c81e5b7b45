#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "app/dispatch.h"
#include "app/form2.h"
#include "calc/form1.h"
#include "numbers/calc_error.h"
#include "toolkits/headless/headless_toolkit.h"

namespace quorvel::test {
namespace {

struct TextCase {
    std::u16string_view message;
    std::u16string_view shown;
};

TEST(DefaultErrorBox, FullStopOnlyAfterCharactersAboveIt) {
    const TextCase cases[] = {
        {u"Division durch Null", u"Division durch Null."},
        {u"'x' ist kein gültiger Gleitkommawert", u"'x' ist kein gültiger Gleitkommawert."},
        {u"Schon zu Ende.", u"Schon zu Ende."},
        {u"Blank am Ende ", u"Blank am Ende "},
        {u"Klammer (a)", u"Klammer (a)"},
        {u"Strich -", u"Strich -"},
        {u"Komma ,", u"Komma ,"},
        {u"Schrägstrich /", u"Schrägstrich /."},
        {u"Ziffer 0", u"Ziffer 0."},
        {u"", u""},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(std::string(c.message.begin(), c.message.end()));
        EXPECT_EQ(app::DefaultErrorText(c.message), c.shown);
    }
}

TEST(DefaultErrorBox, TitleIsTheProgramNameUpToItsFirstDot) {
    EXPECT_EQ(app::ApplicationTitle("/usr/local/bin/quorvel"), u"quorvel");
    EXPECT_EQ(app::ApplicationTitle("quorvel.exe"), u"quorvel");
    EXPECT_EQ(app::ApplicationTitle("./build/my.calc.bin"), u"my");
    EXPECT_EQ(app::ApplicationTitle("/opt/v1.2/quorvel"), u"quorvel") << "dots of directories do not count";
    EXPECT_EQ(app::ApplicationTitle("C:\\Program Files\\Quorvel 2.0\\quorvel.exe"), u"quorvel") << "as Windows starts it";
}

TEST(Dispatch, EveryKindOfFailureEndsInTheBoxAndNowhereElse) {
    ui::headless::HeadlessMessages box;
    const std::function<void()> failures[] = {
        [] { throw CalcError(u"Division durch Null"); },
        [] { throw std::runtime_error("kaputt"); },
        [] { throw 42; },
    };
    const std::u16string_view expected[] = {u"Division durch Null.", u"kaputt.", u"Unbekannter Fehler."};
    for (std::size_t i = 0; i < std::size(failures); ++i) {
        EXPECT_NO_THROW(app::RunGuarded(box, u"quorvel", failures[i]));
        ASSERT_EQ(box.Count(), i + 1);
        EXPECT_EQ(box.Last()->title, u"quorvel");
        EXPECT_EQ(box.Last()->text, expected[i]);
    }
    bool ran = false;
    app::RunGuarded(box, u"quorvel", [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(box.Count(), std::size(failures)) << "a handler that succeeds shows nothing";
}

// The layout binds events by name; a name no window has would leave a control dead.
TEST(Bindings, EveryEventOfTheLayoutFindsItsHandler) {
    std::set<std::string_view> form1;
    for (const calc::TForm1::Handler& h : calc::TForm1::Handlers()) {
        EXPECT_TRUE(form1.insert(h.name).second) << "listed twice: " << h.name;
        EXPECT_NE(h.plain == nullptr, h.key == nullptr) << h.name;
    }
    std::set<std::string_view> form2;
    for (const app::TForm2::Handler& h : app::TForm2::Handlers()) form2.insert(h.name);
    int bound = 0;
    for (const ui::ControlSpec& row : ui::Layout()) {
        const auto& names = ui::WindowOf(row) == ui::kConstantsWindow ? form2 : form1;
        for (const ui::Binding& b : row.events) {
            if (b.event == ui::EventKind::None) continue;
            ++bound;
            EXPECT_TRUE(names.count(b.handler) == 1) << row.name << " binds the unknown " << b.handler;
            // Key handlers take the character; every other event none.
            if (ui::WindowOf(row) == ui::kMainWindow && names.count(b.handler) == 1) {
                for (const calc::TForm1::Handler& h : calc::TForm1::Handlers()) {
                    if (h.name == b.handler) {
                        EXPECT_EQ(h.key != nullptr, b.event == ui::EventKind::KeyPress) << b.handler;
                    }
                }
            }
        }
    }
    EXPECT_EQ(bound, 132) << "every bound event of both windows was checked";
}

}  // namespace
}  // namespace quorvel::test
