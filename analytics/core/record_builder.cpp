#include "analytics/core/record_builder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "analytics/core/property_checks.h"

namespace usage_analytics {

namespace {

bool IsTrackType(const std::string& type) { return type.find(kTrack) != std::string::npos; }

// The record's "time": a "$time" property wins over the clock.
std::int64_t TakeTime(PropertiesNode& properties, std::int64_t nowMilliseconds) {
    const ValueNode* time = properties.Find("$time");
    // Super properties skip the property check, so the type is checked again.
    if (!time || time->GetType() != ValueNode::Type::DateTime) return nowMilliseconds;
    const DateTime& at = time->GetDateTime();
    const std::int64_t milliseconds = at.seconds * 1000 + at.milliseconds;
    properties.Remove("$time");
    return milliseconds;
}

std::string TakeProject(PropertiesNode& properties) {
    const ValueNode* project = properties.Find("$project");
    if (!project || project->GetType() != ValueNode::Type::Text) return {};
    std::string text = project->Text();
    properties.Remove("$project");
    return text;
}

ValueNode Text(const std::string& text) { return ValueNode(text); }

ObjectNode LibObject() {
    ObjectNode lib;
    lib.Set("$lib", Text(kLibName));
    lib.Set("$lib_method", Text("code"));
    lib.Set("$lib_version", Text(kLibVersion));
    return lib;
}

}  // namespace

BuiltRecord BuildRecord(const RecordRequest& request, const RecordIdentity& identity,
                        const RecordStamp& stamp) {
    std::string refusal = CheckProperties(request.properties);
    if (refusal.empty() && request.type == kTrack) refusal = CheckKey("Event Name", request.event);
    if (refusal.empty() && request.type == kTrackSignup) {
        refusal = CheckId("Original ID", request.originalId);
    }
    if (!refusal.empty()) return {{}, refusal};

    PropertiesNode properties;
    if (IsTrackType(request.type)) properties.Merge(identity.superProperties);
    properties.Merge(request.properties);
    const std::int64_t time = TakeTime(properties, stamp.nowMilliseconds);
    const std::string project = TakeProject(properties);
    if (identity.isLoginId) properties.SetBool("$is_login_id", true);

    ObjectNode record;
    record.Set("type", Text(request.type));
    record.SetInteger("time", time);
    record.Set("distinct_id", Text(request.distinctId));
    record.SetObject("properties", properties);
    record.SetObject("lib", LibObject());
    record.SetInteger("_track_id", stamp.trackId);
    if (!project.empty()) record.Set("project", Text(project));
    if (IsTrackType(request.type)) record.Set("event", Text(request.event));
    if (request.type == kTrackSignup) record.Set("original_id", Text(request.originalId));
    return {record.ToJson(), {}};
}

std::int64_t MakeTrackId(int first, int second, std::int64_t nowMilliseconds) {
    char digits[16];
    std::snprintf(digits, sizeof(digits), "%02d%03d%04d", first % 100, second % 1000,
                  static_cast<int>(nowMilliseconds % 10000));
    return std::strtoll(digits, nullptr, 10);
}

std::int64_t NowMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

RecordStamp MakeStamp() {
    const int first = std::rand() % 99 + 100;
    const int second = std::rand() % 999 + 1000;
    const std::int64_t now = NowMilliseconds();
    return {now, MakeTrackId(first, second, now)};
}

}  // namespace usage_analytics
