#include "analytics/tracker/usage_tracker_impl.h"

#include "analytics/core/record_builder.h"
#include "analytics/core/sdk.h"
#include "analytics/tracker/default_server_url.h"
#include "analytics/tracker/distinct_id.h"
#include "analytics/tracker/event_properties.h"
#include "analytics/tracker/event_property_setters.h"
#include "analytics/tracker/native_user_tracker.h"
#include "analytics/tracker/super_properties.h"
#include "analytics/tracker/system_info.h"
#include "analytics/tracker/tracker_paths.h"
#include "utils/text_encoding.h"

namespace vorta::analytics {

namespace {

using usage_analytics::Sdk;
using Profile = NativeUserTracker;

// Records still queued at shutdown wait here for the next run.
constexpr char kStagingSuffix[] = "_ZRSStaging.txt";

}  // namespace

UsageTrackerImpl::UsageTrackerImpl(UsageTrackerConfig config)
    : config_(std::move(config)),
      fileStem_(Utils::ToAnsi(Utils::FromUtf8(config_.appName))),
      state_(std::make_unique<UsageTrackerState>()) {}

UsageTrackerImpl::~UsageTrackerImpl() {
    storeIdentity();
    state_->flush.flushAtShutdown();
    Sdk::Shutdown();
    if (logger_) logger_->close();
}

void UsageTrackerImpl::init() {
    if (config_.appName.empty()) Raise("init", __LINE__, "appName is empty");
    if (config_.appVersion.empty()) Raise("init", __LINE__, "appVersion is empty");
    if (config_.appStore.empty()) Raise("init", __LINE__, "appStore is empty");
    state_->flush.resetPending();

    const TrackerPaths paths = LocateTrackerFiles(RunningExecutablePath(), fileStem_);
    state_->stagingDir = paths.stagingDir;
    state_->configPath = paths.configPath;
    const std::string serverUrl =
        config_.serverUrl.empty() ? DefaultServerUrl() : config_.serverUrl;
    loadIdentity(serverUrl);

    state_->logFilePath =
        config_.logFilePath.empty() ? DefaultLogFilePath(paths, fileStem_) : config_.logFilePath;
    logger_ = std::make_unique<NativeTrackLogger>();
    logger_->open(state_->logFilePath);

    const TrackerIdentity& identity = state_->identity;
    const std::string& recordId = identity.isLogined ? identity.userId : identity.distinctId;
    if (!Sdk::Init(paths.stagingDir + fileStem_ + kStagingSuffix, serverUrl, recordId,
                   identity.isLogined)) {
        Raise("init", __LINE__, "usage_analytics::Sdk::Init is failed");
    }
    registerSuperProperties();
    StoreUninstallInfo(state_->configPath, config_.appStore, config_.appName, config_.appVersion);
}

void UsageTrackerImpl::loadIdentity(const std::string& serverUrl) {
    TrackerIdentity& identity = state_->identity;
    identity = LoadIdentity(state_->configPath);
    if (identity.url != serverUrl) {
        identity.userId.clear();
        identity.isLogined = false;
        if (identity.primaryDistinctId.empty()) {
            identity.distinctId = NewDistinctId();
            identity.primaryDistinctId = identity.distinctId;
        } else {
            identity.distinctId = identity.primaryDistinctId;
        }
        identity.url = serverUrl;
        storeIdentity();
    }
    if (identity.userId.empty()) identity.isLogined = false;
}

void UsageTrackerImpl::registerSuperProperties() {
    const std::string osName = OsName();
    const std::string osVersion = OsVersion();
    Sdk::RegisterSuperProperties(
        SuperProperties({config_, osName, osVersion, LocaleFor(state_->locale, SystemLocale()),
                         PrimaryScreenSize(), state_->identity.userId}));
}

void UsageTrackerImpl::storeIdentity() const {
    // Before init has found the config file there is nothing to write to.
    if (!state_->configPath.empty()) StoreIdentity(state_->configPath, state_->identity);
}

void UsageTrackerImpl::profileVisit(std::int64_t nowMilliseconds) {
    Profile::ProfileUserPropertyDateTime("$first_visit_time", nowMilliseconds);
    Profile::ProfileUserPropertyDateTime("zr_first_visit_date", nowMilliseconds);
    Profile::ProfileUserPropertyDateTime("zr_last_visit_date", nowMilliseconds);
}

void UsageTrackerImpl::trackActivity(const ZrContextProperties& context) {
    const std::string osVersion = OsVersion();
    Sdk::TrackInstallation("ZrEventActivity",
                           ActivityProperties({config_.appName, config_.appVersion,
                                               config_.appStore, UserAgent(), OsName(), osVersion},
                                              context));
    profileVisit(usage_analytics::NowMilliseconds());
    Profile::ProfileUserPropertyString("zr_os", "Windows");
    Profile::ProfileUserPropertyString("zr_os_version", osVersion);
    Profile::ProfileUserPropertyString("zr_app_store", config_.appStore);
    Profile::ProfileUserPropertyString("zr_app_platform", "Windows");
    Profile::ProfileUserPropertyString("zr_last_app_id", config_.appName);
    Profile::ProfileUserPropertyString("zr_last_app_version", config_.appVersion);
    Profile::ProfileUserPropertyString("$ios_install_source", kInstallSource);
    state_->flush.addPending(9);
    state_->flush.requestNow();
}

void UsageTrackerImpl::trackLaunch(const ZrContextProperties& context) {
    PropertiesNode properties;
    MergeContext(properties, context, ZrEventKind::Launch);
    Sdk::Track("ZrEventLaunch", properties);
    if (!state_->identity.userId.empty()) {
        profileVisit(usage_analytics::NowMilliseconds());
        state_->flush.addPending(4);
    }
    state_->flush.requestNow();
}

void UsageTrackerImpl::trackLogin(const ZrUserInfo& user, bool success, const std::string& reason,
                                  const ZrContextProperties& context) {
    Sdk::Track("ZrEventLogin", LoginProperties(user, success, reason, context));
    if (!user.userId.empty()) {
        TrackerIdentity& identity = state_->identity;
        identity.userVipLevel = user.vipLevel;
        if (!identity.isLogined || identity.userId.empty()) {
            Sdk::Login(user.userId);
            identity.isLogined = true;
            identity.userId = user.userId;
            identity.distinctId = user.userId;
            Sdk::SetDistinctId(identity.distinctId, true);
            PropertiesNode userProperty;
            userProperty.SetText("zr_user_id", identity.userId);
            Sdk::RegisterSuperProperties(userProperty);
        }
        storeIdentity();
    }
    state_->flush.requestNow();
}

void UsageTrackerImpl::trackClick(const ZrEventClick& event, const ZrContextProperties& context) {
    trackDeferred("ZrEventClick", ClickProperties(event, context), true);
}

void UsageTrackerImpl::trackView(const ZrEventView& event, const ZrContextProperties& context) {
    trackDeferred("ZrEventView", ViewProperties(event, context), true);
}

void UsageTrackerImpl::trackCashier(const ZrEventCashier& event,
                                    const ZrContextProperties& context) {
    trackDeferred("ZrEventCashier", CashierProperties(event, context), true);
}

void UsageTrackerImpl::trackShare(const ZrEventShare& event, const ZrContextProperties& context) {
    trackDeferred("ZrEventShare", ShareProperties(event, context), true);
}

void UsageTrackerImpl::trackTask(const ZrEventTask& event, const ZrContextProperties& context) {
    trackDeferred("ZrEventTask", TaskProperties(event, context), false);
}

void UsageTrackerImpl::trackFile(const ZrEventFile& event, const ZrContextProperties& context) {
    trackDeferred("ZrEventFile", FileProperties(event, context), true);
}

void UsageTrackerImpl::trackOrder(const ZrEventOrder& event, const ZrContextProperties& context) {
    trackDeferred("ZrEventOrder", OrderProperties(event, context), true);
}

void UsageTrackerImpl::trackPayment(const ZrEventPayment& event,
                                    const ZrContextProperties& context) {
    Sdk::Track("ZrEventPayment", PaymentProperties(event, context));
    const std::int64_t now = usage_analytics::NowMilliseconds();
    Profile::ProfileUserPropertyNumber("zr_paid_count", 1);
    Profile::ProfileUserPropertyNumber("zr_consumption", event.paidAmount);
    Profile::ProfileUserPropertyDateTime("zr_first_paid_date", now);
    Profile::ProfileUserPropertyDateTime("zr_last_paid_date", now);
    state_->flush.addPending(4);
    if (*event.result == ZrResult::Success) {
        state_->identity.userVipLevel = 1;
        storeIdentity();
    }
    state_->flush.requestNow();
}

void UsageTrackerImpl::trackUninstall(const std::string& reason,
                                      const ZrContextProperties& context) {
    Sdk::Track("ZrEventUninstall", UninstallProperties(reason, context));
    state_->flush.requestNow();
}

void UsageTrackerImpl::trackCrash(const std::string& reason) {
    Sdk::Track("AppCrashed", CrashProperties(reason));
    // Counted, so that it goes out even when nothing else is pending: the
    // process is about to end and would otherwise take it along.
    state_->flush.addPending(1);
    state_->flush.flushBeforeExit();
}

void UsageTrackerImpl::trackUpdate(const ZrEventUpdate& event, const ZrContextProperties& context) {
    Sdk::Track("ZrEventUpdate", UpdateProperties(event, context));
    state_->flush.requestNow();
}

void UsageTrackerImpl::trackAppOpenNotification(const ZrEventAppOpenNotification* event,
                                                const ZrContextProperties& context) {
    trackDeferred("AppOpenNotification", AppOpenNotificationProperties(event, context), false);
}

void UsageTrackerImpl::setL10nLocale(const std::string& locale) {
    state_->locale = locale;
    Sdk::RegisterSuperProperties(LocaleProperties(LocaleFor(locale, SystemLocale())));
}

std::string UsageTrackerImpl::getPrimaryDistinctId() { return state_->identity.primaryDistinctId; }

TrackLogger* UsageTrackerImpl::getTrackLogger() { return logger_.get(); }

void UsageTrackerImpl::trackDeferred(const char* event, const PropertiesNode& properties,
                                     bool counted) {
    Sdk::Track(event, properties);
    if (counted) state_->flush.addPending(1);
    state_->flush.requestDeferred();
}

}  // namespace vorta::analytics
