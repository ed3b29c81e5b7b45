#include <gtest/gtest.h>

#include <iterator>
#include <string_view>
#include <vector>

#include "toolkits/headless/headless_toolkit.h"

// The headless box recorder the calculator's tests read: a count, the latest box, and
// a fresh count on request.

namespace quorvel::test {
namespace {

struct BoxCase {
    std::u16string_view title;
    std::u16string_view text;
};

TEST(MessageBoxes, CountedWithTheLatestKeptAndEachOneObserved) {
    const BoxCase shown[] = {
        {u"Fehler", u"Die eingegebene Zahl ist ungültig."},
        {u"quorvel", u"Division durch Null."},
        {u"Fehler", u"Die eingegebene Frequenz muß größer als 0 Hz sein"},
    };
    ui::headless::HeadlessMessages messages;
    std::vector<ui::BoxSeen> seen;
    messages.observer = [&](const ui::BoxSeen& b) { seen.push_back(b); };
    EXPECT_EQ(messages.Count(), 0U);
    EXPECT_FALSE(messages.Last().has_value());
    for (std::size_t i = 0; i < std::size(shown); ++i) {
        SCOPED_TRACE(i);
        messages.ShowError(shown[i].title, shown[i].text);
        EXPECT_EQ(messages.Count(), i + 1);
        ASSERT_TRUE(messages.Last().has_value());
        EXPECT_EQ(messages.Last()->title, shown[i].title);
        EXPECT_EQ(messages.Last()->text, shown[i].text);
        ASSERT_EQ(seen.size(), i + 1);
        EXPECT_EQ(seen[i].text, shown[i].text);
        EXPECT_EQ(seen[i].icon, "error");
    }
    messages.Forget();
    EXPECT_EQ(messages.Count(), 0U);
    EXPECT_FALSE(messages.Last().has_value());
}

}  // namespace
}  // namespace quorvel::test
