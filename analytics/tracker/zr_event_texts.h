#pragma once

// The wire texts of the event enumerations. A value outside an
// enumeration raises ZrException ("Unknown currency [12]!" and the like).

#include <string>

#include "analytics/tracker/zr_events.h"

namespace vorta::analytics {

std::string toString(ZrResult value);
std::string toString(ClickType value);
std::string toString(ZrCurrency value);
std::string toString(ZrPaidPlatform value);
std::string toString(ZrIapType value);
std::string toString(ZrUpdateOp value);
std::string toString(ZrUpdateResult value);
std::string toString(ZrIoType value);
std::string toString(ZrEdition value);
std::string userType(ZrUserType value);

}  // namespace vorta::analytics
