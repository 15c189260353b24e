#pragma once

// Extra properties a caller attaches to particular kinds of events for one
// tracker call, such as the A/B-test group "zrc_ab" of the installer's
// funnel events.

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vorta::analytics {

// The event kinds, as indexes into the per-kind lists.
enum class ZrEventKind {
    Activity = 0,
    Launch = 1,
    Login = 2,
    Click = 3,
    View = 4,
    Cashier = 5,
    Share = 6,
    Task = 7,
    File = 8,
    Order = 9,
    Payment = 10,
    Uninstall = 11,
    Update = 12,
    Crashed = 13,
    AppOpenNotification = 14,
};
inline constexpr unsigned kEventKindCount = 15;

// The property name of the A/B-test group.
const std::string& AbPropertyName();

class ZrContextProperties {
public:
    struct Entry {
        std::shared_ptr<const std::string> value;
        std::string type;  // always "string"
        std::string name;
    };

    ZrContextProperties() = default;

    // Adds the property to each listed kind, in order. Raises ZrException
    // when `name` is already set on this object, and for a kind of 15 or
    // more (kinds listed before it keep the property).
    void setProperty(const std::string& name, const std::string& value,
                     const std::vector<int>& kinds);

    // The properties of `kind`, in the order they were set; raises
    // ZrException for a kind of 15 or more.
    const std::vector<Entry>& getEventProperties(int kind) const;
    const std::vector<Entry>& getEventProperties(ZrEventKind kind) const {
        return getEventProperties(static_cast<int>(kind));
    }

    // Checks an A/B group: false for an empty text, true for one to three
    // bytes of an upper-case letter followed by upper-case letters or
    // digits; raises ZrException naming the first fault otherwise.
    static bool isValidABValue(const std::string& value);

private:
    std::unordered_map<std::string, std::shared_ptr<const std::string>> properties_;
    std::array<std::vector<Entry>, kEventKindCount> kinds_;
};

}  // namespace vorta::analytics
