#include <gtest/gtest.h>

#include <QLabel>
#include <string>

#include "toolkits/qt/qt_text.h"
#include "toolkits/qt/qt_toolkit.h"
#include "ui/typed_characters.h"

// Texts cross between the core and Qt code unit for code unit: a leading U+FEFF or
// U+FFFE is text like any other, not a byte-order mark. That they come back through
// every control is part of the contract tested in tests/toolkits.

namespace quorvel::test {
namespace {

struct TextCase {
    const char* input;  // names the row
    std::u16string_view text;
};

const TextCase kTexts[] = {
    {"FEFF then 3", u"\uFEFF3"},
    {"FFFE then 12,5", u"\uFFFE12,5"},
    {"FEFF alone", u"\uFEFF"},
    {"FFFE FEFF", u"\uFFFE\uFEFF"},
    {"FEFF inside", u"1\uFEFF2"},
    {"plain 4,7k", u"4,7k"},
};

// The code units a widget holds, read without any decoding.
std::u16string Units(const QString& s) {
    std::u16string out;
    for (const QChar c : s) out.push_back(c.unicode());
    return out;
}

TEST(QtTextConversion, EveryCodeUnitCrossesBothWays) {
    for (const TextCase& c : kTexts) {
        SCOPED_TRACE(c.input);
        const QString q = ui::qt::Q(c.text);
        EXPECT_EQ(Units(q), c.text);
        EXPECT_EQ(ui::qt::U(q), c.text);
    }
}

class QtTexts : public ::testing::Test {
protected:
    QWidget* W(std::string_view name) { return kit.Widget(ui::IndexOf(name)); }

    ui::qt::QtToolkit kit{ui::qt::QtOptions{true}};
};

TEST_F(QtTexts, LabelShowsTheCaptionAsWritten) {
    auto* label = qobject_cast<QLabel*>(W("Z3_L_Rechnung"));
    ASSERT_NE(label, nullptr);
    for (const TextCase& c : kTexts) {
        SCOPED_TRACE(c.input);
        kit.Control(ui::IndexOf("Z3_L_Rechnung")).SetText(c.text);
        EXPECT_EQ(Units(label->text()), c.text);
    }
}

}  // namespace
}  // namespace quorvel::test

namespace quorvel::test {
namespace {

// The headless edit types by a table of its own; it must take exactly what Qt's edit
// takes from one key of one code unit: no control character, no surrogate half, no
// unassigned code point.
TEST(TypedCharacters, TheTableTakesWhatQtsEditTakes) {
    int differences = 0;
    for (char32_t c = 0; c < 0x10000; ++c) {
        const QChar q(static_cast<char16_t>(c));
        const bool qt = q.category() != QChar::Other_Control && q.category() != QChar::Other_Surrogate &&
                        q.category() != QChar::Other_NotAssigned;
        if (ui::EditTakesCharacter(static_cast<char16_t>(c)) != qt && ++differences <= 5) {
            ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(c);
        }
    }
    EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace quorvel::test
