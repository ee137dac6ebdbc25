#include "entryrules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Feeds keys to one box's rule as a user types them ('<' is backspace) and describes
// what happened: the counter after each key, and "->x" where the focus moved on.
std::string typeInto(EntryRules& rules, PhonePart box, const std::string& keys, std::string exchangeText = {})
{
    std::string trace;
    for (const char key : keys) {
        const std::int16_t code = key == '<' ? EntryRules::backspace : key;
        KeyReaction reaction;
        std::int16_t counter = 0;
        switch (box) {
        case PhonePart::Area: reaction = rules.areaKey(code); counter = rules.areacount(); break;
        case PhonePart::Exchange:
            reaction = rules.exchangeKey(code, QString::fromStdString(exchangeText));
            counter = rules.exchcount();
            if (!reaction.discard) {
                if (key == '<') {
                    if (!exchangeText.empty())
                        exchangeText.pop_back();
                } else {
                    exchangeText += key;
                }
            }
            if (reaction.emptyBox)
                exchangeText.clear();
            break;
        case PhonePart::Line: reaction = rules.lineKey(code); counter = rules.linecount(); break;
        case PhonePart::Done: break;
        }
        trace += std::to_string(counter);
        if (reaction.focus && *reaction.focus != box)
            trace += "->" + std::string(*reaction.focus == PhonePart::Exchange ? "exch"
                                        : *reaction.focus == PhonePart::Line   ? "line"
                                                                               : "done");
        if (reaction.discard)
            trace += "x";
        trace += ' ';
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
        {PhonePart::Area, "<", "0 "},
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

TEST(EntryRules, ARejectedKeySelectsOneCharacterBeforeTheCount)
{
    EntryRules rules;
    rules.areaKey('3');
    rules.areaKey('1');
    const KeyReaction area = rules.areaKey('x');
    EXPECT_EQ(area.message, "only numbers are allowed");
    EXPECT_EQ(area.selectAt, 2);
    EXPECT_EQ(area.focus, PhonePart::Area);
    EXPECT_TRUE(area.discard);

    const KeyReaction line = rules.lineKey('-');
    EXPECT_EQ(line.selectAt, 0) << "a new counter becomes 1 first";
    EXPECT_EQ(line.focus, PhonePart::Line);

    const KeyReaction exchange = rules.exchangeKey('.', "");
    EXPECT_EQ(exchange.message, "only numbers are allowed");
    EXPECT_FALSE(exchange.selectAt) << "the exchange box leaves its selection alone";
    EXPECT_EQ(exchange.focus, PhonePart::Exchange);
    EXPECT_TRUE(exchange.discard);
}

TEST(EntryRules, TheThirdCountedDigitOf555IsRefusedWholeTextCompared)
{
    EntryRules rules;
    rules.exchangeKey('5', "");
    rules.exchangeKey('5', "5");
    const KeyReaction refused = rules.exchangeKey('5', "55");
    EXPECT_EQ(refused.candidate, "555");
    EXPECT_EQ(refused.message, "Exchange can not be 555");
    EXPECT_TRUE(refused.emptyBox);
    EXPECT_EQ(refused.focus, PhonePart::Exchange);
    EXPECT_TRUE(refused.discard);
    EXPECT_EQ(rules.exchcount(), 1);

    // The candidate is the box's whole text with the key: a pasted 55 and one digit count.
    EntryRules pasted;
    pasted.exchangeKey('1', "");
    pasted.exchangeKey('2', "1");
    EXPECT_EQ(pasted.exchangeKey('5', "55").message, "Exchange can not be 555");
    EntryRules longer;
    longer.exchangeKey('1', "");
    longer.exchangeKey('2', "1");
    EXPECT_EQ(longer.exchangeKey('5', "1255").focus, PhonePart::Line) << "12555 is no 555";
}

TEST(EntryRules, DoneReportsTheFirstEmptyBoxInOrder)
{
    const struct {
        const char* area;
        const char* exchange;
        const char* line;
        const char* message;  // nullptr: complete
        PhonePart focus;
    } rows[] = {
        {"", "447", "1234", "area code is required", PhonePart::Area},
        {"", "", "", "area code is required", PhonePart::Area},
        {"312", "", "1234", "exchange is required", PhonePart::Exchange},
        {"312", "", "", "exchange is required", PhonePart::Exchange},
        {"312", "447", "", "line number is required", PhonePart::Line},
        {" ", " ", " ", nullptr, PhonePart::Done},
        {"1", "2", "3", nullptr, PhonePart::Done},
    };
    for (const auto& row : rows) {
        const auto missing = EntryRules::firstMissing(row.area, row.exchange, row.line);
        if (!row.message) {
            EXPECT_FALSE(missing);
            continue;
        }
        ASSERT_TRUE(missing);
        EXPECT_EQ(missing->message, row.message);
        EXPECT_EQ(missing->focus, row.focus);
    }
}

TEST(EntryRules, FormatsTakeTheTextsAsTheyStand)
{
    const struct {
        const char* area;
        const char* exchange;
        const char* line;
        const char* standard;
        const char* trendy;
    } rows[] = {
        {"312", "447", "1234", "(312) 447-1234", "312.447.1234"},
        {"1", "2", "3", "(1) 2-3", "1.2.3"},
        {"", "", "", "() -", ".."},
        {" 31", "4a", "", "( 31) 4a-", " 31.4a."},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(EntryRules::stdformat(row.area, row.exchange, row.line), row.standard);
        EXPECT_EQ(EntryRules::trendformat(row.area, row.exchange, row.line), row.trendy);
    }
}
