#pragma once

#include "conversion/field_groups.h"
#include "logfiles/result.h"

#include <optional>

// The groups of fields the user chose to add to every record, kept between runs in the user's
// settings: ~/.config/logvane/logvane.conf ($XDG_CONFIG_HOME/logvane/ where that is set), group
// "fields", keys "contest" and "station", each "true" or "false". Upload services compare a
// record's station call and locator with the user's certificate, so nothing is ever chosen
// unless the user chose it.

namespace logvane {

// The stored choice: a group is chosen only where its key holds "true"; a file that is missing,
// unreadable or malformed chooses nothing.
FieldGroups storedFieldGroups();

// Stores the choice, or gives the failure for a settings file that cannot be written.
std::optional<Failure> storeFieldGroups(FieldGroups groups);

} // namespace logvane
