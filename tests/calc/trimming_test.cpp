#include <gtest/gtest.h>

#include <functional>

#include <string>
#include <vector>

#include "calc/form1.h"
#include "event_log.h"
#include "toolkits/headless/headless_toolkit.h"

namespace quorvel::test {
namespace {


constexpr const char* kFields[] = {"Z1_E_Real", "Z1_E_Imaginaer", "Z1_E_ABS", "Z1_E_Phi_Rad", "Z1_E_Phi_Deg",
                                   "Z1_E_XL_XC", "Z1_E_F", "Z2_E_Real", "Z2_E_Imaginaer", "Z2_E_ABS",
                                   "Z2_E_Phi_Rad", "Z2_E_Phi_Deg", "Z2_E_XL_XC", "Z2_E_F", "Z3_E_F"};

struct TrimCase {
    std::u16string_view before;
    std::u16string_view after;
};

TEST(EingabenFormatierungen, TrimsBothEndsOfTheFifteenFieldsInOrder) {
    const TrimCase cases[] = {
        {u" 12 ", u"12"},           {u"\t4,7k\r\n", u"4,7k"}, {u"1 e5", u"1 e5"},
        {u"\u00a0 5 ", u"\u00a0 5"},  // a no-break space is no blank here
        {u"   ", u""},              {u"\x1f" u"3\x01", u"3"},
    };
    for (const TrimCase& c : cases) {
        SCOPED_TRACE(std::string(c.before.begin(), c.before.end()));
        ui::headless::HeadlessToolkit kit;
        calc::ProgramMemory memory;
        calc::TForm1 form(kit, memory);
        for (const char* f : kFields) kit.Control(ui::IndexOf(f)).SetText(c.before);
        kit.Control(ui::IndexOf("Z3_E_Real")).SetText(u" 9 ");
        EventLog log(&kit);
        form.EingabenFormatierungen();
        for (const char* f : kFields) EXPECT_EQ(kit.Control(ui::IndexOf(f)).GetText(), c.after) << f;
        EXPECT_EQ(kit.Control(ui::IndexOf("Z3_E_Real")).GetText(), u" 9 ") << "result fields are not trimmed";
        if (c.before == c.after) {
            EXPECT_TRUE(log.Names(ui::EventKind::Change).empty()) << "an untrimmed text is not written";
        } else {
            EXPECT_EQ(log.Names(ui::EventKind::Change), std::vector<std::string>(std::begin(kFields), std::end(kFields)));
        }
    }
}

}  // namespace
}  // namespace quorvel::test
