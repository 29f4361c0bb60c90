#pragma once
// The values a Mission derives from its records, kept up to date after every edit.

#include "model/change_set.h"

namespace model {

// Brings the derived values up to date after an edit: headings and last route points of the
// flight groups whose points changed or that were inserted, the map box, the sent-to-any-team
// flags of changed messages, the header counts. Whole-mission changes refresh everything.
void refreshDerived(Mission& m, const ChangeSet& c);

}  // namespace model
