#include "analytics/core/value_node.h"

#include "analytics/core/diagnostics.h"
#include "analytics/core/json_text.h"
#include "analytics/core/property_checks.h"

namespace usage_analytics {

namespace {

// Writes the alternatives of ValueNode's content.
struct JsonAppender {
    std::string& out;

    void operator()(double number) const { AppendNumber(out, number); }
    void operator()(std::int64_t integer) const { out += std::to_string(integer); }
    void operator()(const std::string& text) const { AppendQuoted(out, text); }
    void operator()(const std::vector<std::string>& list) const {
        out += '[';
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (i > 0) out += ',';
            AppendQuoted(out, list[i]);
        }
        out += ']';
    }
    void operator()(const DateTime& time) const {
        AppendDateTime(out, time.seconds, time.milliseconds);
    }
    void operator()(bool flag) const { out += flag ? "true" : "false"; }
    void operator()(const std::shared_ptr<const ObjectNode>& object) const {
        object->AppendJson(out);
    }
};

}  // namespace

ValueNode::ValueNode(const ObjectNode& object)
    : value_(std::make_shared<const ObjectNode>(object)) {}

void ValueNode::AppendJson(std::string& out) const { std::visit(JsonAppender{out}, value_); }

void ObjectNode::Set(const std::string& key, ValueNode value) {
    entries_.insert_or_assign(key, std::move(value));
}

void ObjectNode::SetNumber(const std::string& key, double value) { Set(key, ValueNode(value)); }

void ObjectNode::SetInteger(const std::string& key, std::int64_t value) {
    Set(key, ValueNode(value));
}

bool ObjectNode::SetText(const std::string& key, const std::string& value) {
    const std::string refusal = CheckText(key, value);
    if (!refusal.empty()) {
        ReportError(refusal);
        return false;
    }
    Set(key, ValueNode(value));
    return true;
}

void ObjectNode::SetBool(const std::string& key, bool value) { Set(key, ValueNode(value)); }

void ObjectNode::SetList(const std::string& key, std::vector<std::string> values) {
    Set(key, ValueNode(std::move(values)));
}

void ObjectNode::SetDateTime(const std::string& key, std::int64_t seconds, int milliseconds) {
    Set(key, ValueNode(DateTime{seconds, milliseconds}));
}

void ObjectNode::SetObject(const std::string& key, const ObjectNode& value) {
    Set(key, ValueNode(value));
}

void ObjectNode::Merge(const ObjectNode& other) {
    for (const auto& [key, value] : other.entries_) Set(key, value);
}

const ValueNode* ObjectNode::Find(const std::string& key) const {
    const auto found = entries_.find(key);
    return found == entries_.end() ? nullptr : &found->second;
}

void ObjectNode::Remove(const std::string& key) { entries_.erase(key); }

std::string ObjectNode::ToJson() const {
    std::string out;
    AppendJson(out);
    return out;
}

void ObjectNode::AppendJson(std::string& out) const {
    out += '{';
    bool first = true;
    for (const auto& [key, value] : entries_) {
        if (!first) out += ',';
        first = false;
        AppendQuoted(out, key);
        out += ':';
        value.AppendJson(out);
    }
    out += '}';
}

}  // namespace usage_analytics
