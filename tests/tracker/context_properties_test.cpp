// Per-kind context properties and the A/B group check.

#include <gtest/gtest.h>

#include "analytics/tracker/zr_context_properties.h"
#include "analytics/tracker/zr_exception.h"

namespace {

using vorta::analytics::ZrContextProperties;
using vorta::analytics::ZrEventKind;
using vorta::analytics::ZrException;

// The message of the ZrException `action` raises; empty when none.
template <typename Action>
std::string RaisedMessage(Action action) {
    try {
        action();
    } catch (const ZrException& error) {
        EXPECT_EQ(error.sourceFile(), "ZrContextProperties");
        EXPECT_EQ(error.code(), -1);
        return error.what();
    }
    return {};
}

TEST(AbValueTest, AcceptsOneToThreeUpperCaseLettersAndDigits) {
    for (const char* value : {"A", "AB", "A1", "ZZ9", "IN"}) {
        EXPECT_TRUE(ZrContextProperties::isValidABValue(value)) << value;
    }
    EXPECT_FALSE(ZrContextProperties::isValidABValue(""));
}

TEST(AbValueTest, NamesTheFirstFault) {
    struct Case {
        const char* value;
        const char* message;
    };
    const Case cases[] = {
        {"ABCD", "value's length is great than 3."},
        {"abcd", "value's length is great than 3."},
        {"abc", "First char is not in A to Z"},
        {"1A", "First char is not in A to Z"},
        {"Ab", "second char is not in A to Z and 0 to 9"},
        {"A-", "second char is not in A to Z and 0 to 9"},
        {"AB!", "third char is not in A to Z and 0 to 9"},
        {"\xE4\xB8\xAD", "First char is not in A to Z"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RaisedMessage([&] { ZrContextProperties::isValidABValue(c.value); }), c.message)
            << c.value;
    }
}

TEST(ContextPropertiesTest, PropertyBelongsToTheListedKindsOnly) {
    ZrContextProperties context;
    context.setProperty("zrc_ab", "B", {3, 7});
    context.setProperty("zrc_other", "x", {3});
    const auto& click = context.getEventProperties(ZrEventKind::Click);
    ASSERT_EQ(click.size(), 2u);
    EXPECT_EQ(click[0].name, "zrc_ab");
    EXPECT_EQ(*click[0].value, "B");
    EXPECT_EQ(click[1].name, "zrc_other");
    // One shared value for every kind that lists the property.
    EXPECT_EQ(click[0].value, context.getEventProperties(ZrEventKind::Task)[0].value);
    EXPECT_TRUE(context.getEventProperties(ZrEventKind::View).empty());
}

TEST(ContextPropertiesTest, RefusesDuplicatesAndUnknownKinds) {
    ZrContextProperties context;
    context.setProperty("zrc_ab", "IN", {7});
    EXPECT_EQ(RaisedMessage([&] { context.setProperty("zrc_ab", "B", {3}); }),
              "Property[zrc_ab] already exist!");

    EXPECT_EQ(RaisedMessage([&] {
                  context.setProperty("zrc_x", "1", {3, 15});
              }),
              "ZrEvent[15] overflow!");
    EXPECT_EQ(context.getEventProperties(3).size(), 1u);  // added before the bad kind

    EXPECT_EQ(RaisedMessage([&] { context.getEventProperties(15); }), "ZrEvent[15] overflow!");
    EXPECT_EQ(RaisedMessage([&] { context.getEventProperties(-1); }),
              "ZrEvent[4294967295] overflow!");
    EXPECT_TRUE(RaisedMessage([&] { context.getEventProperties(14); }).empty());
}

}  // namespace
