#pragma once

#include "atlas/Atlas.h"
#include "atlas/CountryFile.h"
#include "core/UserMessage.h"

#include <string_view>

/// The prefix field's check; the text is compared in upper case.
/// Without `mustFindInAtlas`: IsValidPrefix with its message.
/// With it: "DEFAULT", "<Ins>" (as typed), a prefix FindAtlasEntry finds, or, with
/// `canBeLocator`, a valid grid locator; otherwise the text as typed followed by
/// " not found in atlas\r" "and not a valid grid locator" (with `canBeLocator`) or by
/// " not found in atlas". A null atlas finds nothing. With a country file (and
/// `canBeLocator`) a callsign or prefix MatchCallsign finds passes too, and the message
/// ends "and not a valid grid locator or callsign".
CheckResult CheckPrefixField(std::string_view text, const Atlas* atlas, bool canBeLocator,
                             bool mustFindInAtlas, const CountryFile* countries = nullptr);
