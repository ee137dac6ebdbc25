// SPDX-License-Identifier: LGPL-2.1-or-later
#include "entryrules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Feeds keys to one box's rule as a user types them ('<' is backspace) and describes
// what happened: the counter after each key, "->x" where the focus moved on, and "x"
// where the key was discarded.
std::string typeInto(EntryRules& rules, PhonePart box, const std::string& keys)
{
    std::string trace, exchangeText;
    for (const char key : keys) {
        const std::int16_t code = key == '<' ? EntryRules::backspace : key;
        const KeyReaction reaction = box == PhonePart::Area ? rules.areaKey(code)
                                     : box == PhonePart::Line ? rules.lineKey(code)
                                                              : rules.exchangeKey(code, QString::fromStdString(exchangeText));
        trace += std::to_string(box == PhonePart::Area ? rules.areacount()
                                : box == PhonePart::Line ? rules.linecount()
                                                         : rules.exchcount());
        if (reaction.emptyBox)
            exchangeText.clear();
        else if (!reaction.discard && key == '<' && !exchangeText.empty())
            exchangeText.pop_back();
        else if (!reaction.discard && key != '<')
            exchangeText += key;
        if (reaction.focus && *reaction.focus != box)
            trace += *reaction.focus == PhonePart::Exchange ? "->exch" : *reaction.focus == PhonePart::Line ? "->line" : "->done";
        trace += reaction.discard ? "x " : " ";
    }
    return trace;
}

}  // namespace

TEST(EntryRules, CountersFollowKeyPressesAndHandTheFocusOn)
{
    const struct {
        PhonePart box;
        const char* keys;
        const char* trace;
    } rows[] = {
        {PhonePart::Area, "312", "2 3 1->exch "},
        {PhonePart::Area, "31<12", "2 3 2 3 1->exch "},
        {PhonePart::Area, "<5", "0 2 "},
        {PhonePart::Area, "<<", "0 0 "},
        {PhonePart::Area, "312456", "2 3 1->exch 2 3 1->exch "},
        {PhonePart::Area, "3a", "2 2x "},
        {PhonePart::Exchange, "447", "2 3 1->line "},
        {PhonePart::Exchange, "556", "2 3 1->line "},
        {PhonePart::Exchange, "555123", "2 3 1x 2 3 1->line "},
        {PhonePart::Exchange, "4\r", "2 2x "},
        {PhonePart::Line, "1234", "2 3 4 1->done "},
        {PhonePart::Line, "12<<34", "2 3 2 1 2 3 "},
        {PhonePart::Line, " ", "1x "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.keys);
        EntryRules rules;
        EXPECT_EQ(typeInto(rules, row.box, row.keys), row.trace);
    }
}

// The widget tests see the selection; this sees that a new counter becomes 1 first.
TEST(EntryRules, ARejectedKeySelectsOneCharacterBeforeTheCount)
{
    EntryRules rules;
    EXPECT_EQ(rules.lineKey('-').selectAt, 0);
    rules.areaKey('3');
    rules.areaKey('1');
    EXPECT_EQ(rules.areaKey('x').selectAt, 2);
    EXPECT_FALSE(rules.exchangeKey('.', "").selectAt) << "the exchange box leaves its selection alone";
}

// The candidate is the box's whole text with the key: a pasted 55 and one digit count,
// and only exactly 555 is refused, not a text that begins or ends with it.
TEST(EntryRules, TheThirdCountedDigitOf555IsRefusedWholeTextCompared)
{
    const struct {
        const char* before;
        char key;
        bool refused;
    } rows[] = {
        {"55", '5', true},
        {"1255", '5', false},
        {"555", '1', false},
        {"5", '5', false},
        {"56", '5', false},
    };
    for (const auto& [before, key, refused] : rows) {
        SCOPED_TRACE(before);
        EntryRules rules;
        rules.exchangeKey('1', "");
        rules.exchangeKey('2', "1");
        const KeyReaction reaction = rules.exchangeKey(key, before);
        EXPECT_EQ(reaction.discard, refused);
        EXPECT_EQ(reaction.emptyBox, refused);
        EXPECT_EQ(reaction.focus, refused ? PhonePart::Exchange : PhonePart::Line);
        EXPECT_EQ(rules.exchcount(), 1);
    }
}

TEST(EntryRules, FormatsTakeTheTextsAsTheyStand)
{
    const struct {
        const char *area, *exchange, *line, *standard, *trendy;
    } rows[] = {
        {"312", "447", "1234", "(312) 447-1234", "312.447.1234"},
        {"", "", "", "() -", ".."},
        {" 31", "4a", "", "( 31) 4a-", " 31.4a."},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(EntryRules::stdformat(row.area, row.exchange, row.line), row.standard);
        EXPECT_EQ(EntryRules::trendformat(row.area, row.exchange, row.line), row.trendy);
    }
}
