#include "analytics/tracker/zr_context_properties.h"

#include "analytics/tracker/zr_exception.h"

namespace vorta::analytics {

namespace {

constexpr char kSource[] = "ZrContextProperties";
constexpr char kValueType[] = "string";

bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsUpperLetterOrDigit(char c) { return IsUpperLetter(c) || (c >= '0' && c <= '9'); }

[[noreturn]] void RaiseOverflow(const char* function, int line, unsigned kind) {
    throw ZrException(kSource, function, line, "ZrEvent[" + std::to_string(kind) + "] overflow!");
}

}  // namespace

const std::string& AbPropertyName() {
    static const std::string name = "zrc_ab";
    return name;
}

void ZrContextProperties::setProperty(const std::string& name, const std::string& value,
                                      const std::vector<int>& kinds) {
    if (properties_.count(name)) {
        throw ZrException(kSource, "setProperty", __LINE__,
                          "Property[" + name + "] already exist!");
    }
    const auto shared = std::make_shared<const std::string>(value);
    properties_.emplace(name, shared);
    for (const int kind : kinds) {
        const auto index = static_cast<unsigned>(kind);
        if (index >= kEventKindCount) RaiseOverflow("setProperty", __LINE__, index);
        kinds_[index].push_back(Entry{shared, kValueType, name});
    }
}

const std::vector<ZrContextProperties::Entry>& ZrContextProperties::getEventProperties(
    int kind) const {
    const auto index = static_cast<unsigned>(kind);
    if (index >= kEventKindCount) RaiseOverflow("getEventProperties", __LINE__, index);
    return kinds_[index];
}

bool ZrContextProperties::isValidABValue(const std::string& value) {
    if (value.empty()) return false;
    const auto raise = [](int line, const char* message) {
        throw ZrException(kSource, "isValidABValue", line, message);
    };
    if (value.size() > 3) raise(__LINE__, "value's length is great than 3.");
    if (!IsUpperLetter(value[0])) raise(__LINE__, "First char is not in A to Z");
    if (value.size() > 1 && !IsUpperLetterOrDigit(value[1])) {
        raise(__LINE__, "second char is not in A to Z and 0 to 9");
    }
    if (value.size() > 2 && !IsUpperLetterOrDigit(value[2])) {
        raise(__LINE__, "third char is not in A to Z and 0 to 9");
    }
    return true;
}

}  // namespace vorta::analytics
