#include <gtest/gtest.h>

#include <stdexcept>

#include "app/dispatch.h"
#include "numbers/calc_error.h"
#include "ui/headless/headless_toolkit.h"

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

}  // namespace
}  // namespace quorvel::test
