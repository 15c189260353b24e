#include "analytics/core/sdk.h"

#include <cstdlib>
#include <ctime>

#include "analytics/core/collector_sender.h"
#include "analytics/core/diagnostics.h"
#include "analytics/core/property_checks.h"

namespace usage_analytics {

namespace {

// The process-wide instance. Operations take a reference under this lock
// and work on it without the lock, so an operation never meets a destroyed
// instance.
std::mutex& InstanceLock() {
    static std::mutex lock;
    return lock;
}

std::shared_ptr<Sdk>& InstanceSlot() {
    static std::shared_ptr<Sdk> instance;
    return instance;
}

// The property set of a profile operation given one key and value.
PropertiesNode SingleProperty(const std::string& key, const std::string& value) {
    PropertiesNode properties;
    properties.SetText(key, value);
    return properties;
}

PropertiesNode SingleProperty(const std::string& key, std::int64_t value) {
    PropertiesNode properties;
    properties.SetInteger(key, value);
    return properties;
}

PropertiesNode SingleProperty(const std::string& key, double value) {
    PropertiesNode properties;
    properties.SetNumber(key, value);
    return properties;
}

}  // namespace

Sdk::Sdk(const std::string& stagingPath, const std::string& serverUrl, std::string distinctId,
         bool isLoginId)
    : distinctId_(std::move(distinctId)),
      isLoginId_(isLoginId),
      queue_(stagingPath, [sender = CollectorSender(serverUrl)](const std::string& batch) {
          return sender.Post(batch);
      }) {
    superProperties_.Set("$lib", ValueNode(std::string(kLibName)));
    superProperties_.Set("$lib_version", ValueNode(std::string(kLibVersion)));
}

bool Sdk::Init(const std::string& stagingPath, const std::string& serverUrl,
               const std::string& distinctId, bool isLoginId) {
    const std::string refusal = CheckId("Distinct ID", distinctId);
    if (!refusal.empty()) {
        ReportError(refusal);
        return false;
    }
    std::lock_guard<std::mutex> guard(InstanceLock());
    std::shared_ptr<Sdk>& instance = InstanceSlot();
    if (!instance) {
        instance.reset(new Sdk(stagingPath, serverUrl, distinctId, isLoginId));
        std::srand(static_cast<unsigned>(std::time(nullptr)));
    }
    return true;
}

std::shared_ptr<Sdk> Sdk::Instance() {
    std::lock_guard<std::mutex> guard(InstanceLock());
    return InstanceSlot();
}

bool Sdk::IsInitialized() { return Instance() != nullptr; }

void Sdk::RegisterSuperProperties(const PropertiesNode& properties) {
    if (const auto sdk = Instance()) {
        std::lock_guard<std::mutex> guard(sdk->identityLock_);
        sdk->superProperties_.Merge(properties);
    }
}

void Sdk::Track(const std::string& event, const PropertiesNode& properties) {
    if (const auto sdk = Instance()) sdk->AddRecord(kTrack, event, properties);
}

void Sdk::TrackInstallation(const std::string& event, const PropertiesNode& properties) {
    if (const auto sdk = Instance()) {
        PropertiesNode installation = SingleProperty("$ios_install_source", "");
        installation.Merge(properties);
        sdk->AddRecord(kTrack, event, installation);
    }
}

void Sdk::Login(const std::string& loginId) {
    const auto sdk = Instance();
    if (!sdk) return;
    const std::string refusal = CheckId("Distinct ID", loginId);
    if (!refusal.empty()) {
        ReportError(refusal);
        return;
    }
    sdk->SignUp(loginId);
}

void Sdk::SetDistinctId(const std::string& distinctId, bool isLoginId) {
    if (const auto sdk = Instance()) {
        std::lock_guard<std::mutex> guard(sdk->identityLock_);
        sdk->distinctId_ = distinctId;
        sdk->isLoginId_ = isLoginId;
    }
}

void Sdk::AddProfileRecord(const char* type, const PropertiesNode& properties) {
    if (const auto sdk = Instance()) sdk->AddRecord(type, {}, properties);
}

void Sdk::ProfileSet(const PropertiesNode& properties) {
    AddProfileRecord(kProfileSet, properties);
}

void Sdk::ProfileSet(const std::string& key, const std::string& value) {
    AddProfileRecord(kProfileSet, SingleProperty(key, value));
}

void Sdk::ProfileSet(const std::string& key, std::int64_t value) {
    AddProfileRecord(kProfileSet, SingleProperty(key, value));
}

void Sdk::ProfileSet(const std::string& key, double value) {
    AddProfileRecord(kProfileSet, SingleProperty(key, value));
}

void Sdk::ProfileSetOnce(const PropertiesNode& properties) {
    AddProfileRecord(kProfileSetOnce, properties);
}

void Sdk::ProfileSetOnce(const std::string& key, const std::string& value) {
    AddProfileRecord(kProfileSetOnce, SingleProperty(key, value));
}

void Sdk::ProfileSetOnce(const std::string& key, std::int64_t value) {
    AddProfileRecord(kProfileSetOnce, SingleProperty(key, value));
}

void Sdk::ProfileSetOnce(const std::string& key, double value) {
    AddProfileRecord(kProfileSetOnce, SingleProperty(key, value));
}

void Sdk::ProfileIncrement(const PropertiesNode& properties) {
    AddProfileRecord(kProfileIncrement, properties);
}

void Sdk::ProfileIncrement(const std::string& key, std::int64_t value) {
    AddProfileRecord(kProfileIncrement, SingleProperty(key, value));
}

void Sdk::ProfileAppend(const std::string& key, const std::string& value) {
    PropertiesNode properties;
    properties.SetList(key, {value});
    AddProfileRecord(kProfileAppend, properties);
}

bool Sdk::Flush() {
    const auto sdk = Instance();
    return sdk && sdk->queue_.SendAll();
}

void Sdk::Shutdown() {
    std::shared_ptr<Sdk> sdk;
    {
        std::lock_guard<std::mutex> guard(InstanceLock());
        sdk.swap(InstanceSlot());
    }
    if (sdk) sdk->queue_.Persist();
}

void Sdk::AddRecord(const char* type, const std::string& event, const PropertiesNode& properties) {
    BuiltRecord record;
    {
        std::lock_guard<std::mutex> guard(identityLock_);
        record = BuildRecord({type, event, properties, distinctId_, {}},
                             {superProperties_, isLoginId_}, MakeStamp());
    }
    Enqueue(record);
}

void Sdk::SignUp(const std::string& loginId) {
    BuiltRecord record;
    {
        std::lock_guard<std::mutex> guard(identityLock_);
        record = BuildRecord({kTrackSignup, "$SignUp", {}, loginId, distinctId_},
                             {superProperties_, isLoginId_}, MakeStamp());
        distinctId_ = loginId;
        isLoginId_ = true;
    }
    Enqueue(record);
}

void Sdk::Enqueue(const BuiltRecord& record) {
    if (record.refusal.empty()) {
        queue_.Push(record.json);
    } else {
        ReportError(record.refusal);
    }
}

}  // namespace usage_analytics
