#include <gtest/gtest.h>

#include "analytics/core/record_builder.h"

namespace {

using namespace usage_analytics;

constexpr RecordStamp kStamp{1700000000123, 123456789};
constexpr char kLib[] = R"("lib":{"$lib":"cpp","$lib_method":"code","$lib_version":"0.9"})";

PropertiesNode SuperProperties() {
    PropertiesNode super;
    super.SetText("$lib", "cpp");
    super.SetText("$lib_version", "0.9");
    super.SetText("zr_app_id", "Quillora");
    super.SetText("zr_name", "from super");
    return super;
}

PropertiesNode Properties(const std::string& key, const std::string& text) {
    PropertiesNode properties;
    properties.SetText(key, text);
    return properties;
}

BuiltRecord Build(RecordRequest request, bool isLoginId = false) {
    const PropertiesNode super = SuperProperties();
    return BuildRecord(request, {super, isLoginId}, kStamp);
}

TEST(RecordBuilderTest, TrackRecordHasEveryKeyInByteOrder) {
    const BuiltRecord record =
        Build({kTrack, "ZrEventClick", Properties("zr_name", "立即安装"), "device-1", {}});
    EXPECT_EQ(record.refusal, "");
    EXPECT_EQ(record.json,
              std::string(R"({"_track_id":123456789,"distinct_id":"device-1",)") +
                  R"("event":"ZrEventClick",)" + kLib +
                  R"(,"properties":{"$lib":"cpp","$lib_version":"0.9","zr_app_id":"Quillora",)"
                  R"("zr_name":"立即安装"},"time":1700000000123,"type":"track"})");
}

TEST(RecordBuilderTest, ProfileRecordCarriesOnlyItsOwnProperties) {
    const BuiltRecord record =
        Build({kProfileSet, "ignored", Properties("zr_os", "Windows"), "device-1", {}});
    EXPECT_EQ(record.json, std::string(R"({"_track_id":123456789,"distinct_id":"device-1",)") +
                               kLib +
                               R"(,"properties":{"zr_os":"Windows"},"time":1700000000123,)"
                               R"("type":"profile_set"})");
}

TEST(RecordBuilderTest, SignupRecordLinksTheOriginalId) {
    const BuiltRecord record = Build({kTrackSignup, "$SignUp", {}, "user-42", "device-1"});
    EXPECT_NE(record.json.find(R"("distinct_id":"user-42","event":"$SignUp",)"), std::string::npos);
    EXPECT_NE(record.json.find(R"("original_id":"device-1","properties":{"$lib":"cpp")"),
              std::string::npos);
}

TEST(RecordBuilderTest, TimeAndProjectPropertiesBecomeRecordFields) {
    PropertiesNode properties;
    properties.SetDateTime("$time", 1600000000, 42);
    properties.SetText("$project", "pc_test");
    properties.SetInteger("n", 1);
    const BuiltRecord record = Build({kTrack, "E", properties, "device-1", {}}, true);
    EXPECT_NE(record.json.find(R"("project":"pc_test")"), std::string::npos);
    EXPECT_NE(record.json.find(R"("time":1600000000042,)"), std::string::npos);
    EXPECT_EQ(record.json.find("$time"), std::string::npos);
    EXPECT_EQ(record.json.find("$project"), std::string::npos);
    EXPECT_NE(record.json.find(R"("properties":{"$is_login_id":true,"$lib")"), std::string::npos);
}

TEST(RecordBuilderTest, FirstKeyIsTrackIdAndLastIsType) {
    for (const char* type :
         {kTrack, kTrackSignup, kProfileSet, kProfileSetOnce, kProfileIncrement, kProfileAppend}) {
        PropertiesNode properties;
        properties.SetText("$project", "p");
        const std::string json = Build({type, "E", properties, "d", "o"}, true).json;
        EXPECT_EQ(json.rfind(R"({"_track_id":)", 0), 0u) << json;
        const std::string last = std::string(R"(,"type":")") + type + "\"}";
        EXPECT_EQ(json.substr(json.size() - last.size()), last) << json;
    }
}

TEST(RecordBuilderTest, ChecksRefuseTheRecord) {
    struct Case {
        RecordRequest request;
        std::string refusal;
    };
    PropertiesNode longKey;
    longKey.SetInteger(std::string(101, 'k'), 1);
    PropertiesNode textTime;
    textTime.SetText("$time", "2024-01-01");
    const Case cases[] = {
        {{kTrack, "9lives", {}, "d", {}}, "The Event Name need to be a valid variable name."},
        {{kTrack, "", {}, "d", {}}, "The Event Name is empty or too long, max length is 100"},
        {{kTrack, "E", longKey, "d", {}},
         "The Property Key is empty or too long, max length is 100"},
        {{kProfileSet, "", textTime, "d", {}}, "The property '$time' should be DateTime type."},
        {{kTrackSignup, "$SignUp", {}, "d", ""}, "The Original ID is empty.\n"},
        {{kTrackSignup, "$SignUp", {}, "d", std::string(256, 'o')},
         "The Original ID is too long, max length is 255.\n"},
    };
    for (const Case& c : cases) {
        const BuiltRecord record = Build(c.request);
        EXPECT_EQ(record.refusal, c.refusal);
        EXPECT_EQ(record.json, "");
    }
}

TEST(RecordBuilderTest, MistypedReservedSuperPropertiesStayOrdinaryProperties) {
    // Super properties skip the property check.
    PropertiesNode super;
    super.SetText("$time", "yesterday");
    super.SetInteger("$project", 7);
    const BuiltRecord record = BuildRecord({kTrack, "E", {}, "d", {}}, {super, false}, kStamp);
    EXPECT_NE(record.json.find(R"("properties":{"$project":7,"$time":"yesterday"})"),
              std::string::npos);
    EXPECT_NE(record.json.find(R"("time":1700000000123,)"), std::string::npos);
    EXPECT_EQ(record.json.find(R"("project")"), std::string::npos);
}

TEST(RecordBuilderTest, EventNamesMayStartWithDollarOrUnderscore) {
    for (const char* event : {"$AppStart", "_hidden", "ZrEventView"}) {
        EXPECT_EQ(Build({kTrack, event, {}, "d", {}}).refusal, "") << event;
    }
}

TEST(TrackIdTest, ConcatenatesTheLastDigits) {
    struct Case {
        int first, second;
        std::int64_t now;
        std::int64_t id;
    };
    const Case cases[] = {
        {100, 1000, 0, 0},
        {198, 1998, 1700000009999, 989989999},
        {105, 1042, 1234567890123, 50420123},
        {150, 1500, 7, 505000007},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MakeTrackId(c.first, c.second, c.now), c.id) << c.first << " " << c.second;
    }
}

TEST(TrackIdTest, StampIdHasAtMostNineDigits) {
    for (int i = 0; i < 50; ++i) {
        const RecordStamp stamp = MakeStamp();
        EXPECT_GE(stamp.trackId, 0);
        EXPECT_LT(stamp.trackId, 1000000000);
        EXPECT_EQ(stamp.trackId % 10000, stamp.nowMilliseconds % 10000);
    }
}

}  // namespace
