#pragma once

#include "atlas/Atlas.h"
#include "core/Terminal.h"
#include "core/UserMessage.h"

#include <optional>
#include <string>
#include <string_view>

// The checks and messages of adding, modifying and deleting atlas entries, shared by
// the atlas windows and the command line. Texts are trimmed of surrounding blanks
// and cut to the record's capacities on whole UTF-8 characters.

/// Which change a message is about.
enum class AtlasEdit { Add, Modify, Delete };

/// The prefix of a new entry: not empty ("You must provide a prefix for this atlas
/// entry"), IsValidPrefix, and not in use (PrefixInUse's message).
CheckResult CheckNewPrefix(const Atlas& atlas, std::string_view prefix);

/// The prefix of the entry to modify or delete: not empty ("You must provide the
/// prefix of the atlas entry you want to modify" / "... to delete"); found as stored,
/// even when it would not pass IsValidPrefix (an imported atlas may hold such
/// entries); otherwise IsValidPrefix, then "Prefix <prefix> not found in atlas".
struct ExistingEntry {
    bool ok = false;
    AtlasEntry entry; ///< the entry found
    UserMessage message;
    explicit operator bool() const { return ok; }
};
ExistingEntry CheckExistingPrefix(const Atlas& atlas, std::string_view prefix, AtlasEdit edit);

/// The new prefix of a modified entry: not empty ("You must provide a prefix for the
/// modified atlas entry"); the prefix as stored (`currentPrefix`) passes as it is;
/// any other must pass IsValidPrefix and not be in use by another entry.
CheckResult CheckModifiedPrefix(const Atlas& atlas, std::string_view newPrefix,
                                std::string_view currentPrefix);

/// The OK/Cancel warning (alert) "Prefix <prefix> is also a valid grid locator." +
/// "\r" + "OK?" when the prefix reads as a grid locator; empty otherwise.
UserMessage LocatorPrefixWarning(std::string_view prefix);

/// A new entry from the four texts: blanks around each removed, each cut to its
/// capacity (6, 10, 11, 17 bytes) without splitting a UTF-8 character.
AtlasEntry AtlasEntryFromTexts(std::string_view prefix, std::string_view latitude,
                               std::string_view longitude, std::string_view name);

/// Before anything is added: the "not found or corrupt" message of AtlasStatus when
/// the atlas is unavailable, or when its file holds records that could not be read
/// (so that adding would rewrite it with the new entry alone); empty otherwise. An
/// atlas whose file has gone is fine: adding creates it.
UserMessage AtlasAddBlocker(const Atlas& atlas);

/// The outcome of a change: the message to show (information on success, error
/// otherwise) and whether the atlas changed.
struct AtlasEditResult {
    bool ok = false;
    UserMessage message;
    explicit operator bool() const { return ok; }
};

/// InsertAtlasEntry: "<prefix> entry added to atlas", or "Error writing atlas file"
/// followed on a new line by the file and the reason (so are the other two failures).
AtlasEditResult AddEntry(Atlas& atlas, const AtlasEntry& entry);
/// DeleteAtlasEntry: "<prefix> entry deleted from atlas", or "Error re-writing atlas file".
AtlasEditResult DeleteEntry(Atlas& atlas, std::string_view prefix);
/// ModifyAtlasEntry in one rewrite (a failure keeps the old entry): "Atlas modified",
/// or "Error modifying atlas file".
AtlasEditResult ModifyEntry(Atlas& atlas, std::string_view currentPrefix, const AtlasEntry& entry);

/// The typed texts of an entry; unset fields are kept from the current entry when
/// modifying.
struct AtlasEntryTexts {
    std::optional<std::string> prefix, latitude, longitude, name;
};

/// The coordinate texts as an entry field takes them (blanks removed, letters raised,
/// ParseCoordinate's normalized text made to fit 10 or 11 characters), or its message.
TextCheck CheckEntryCoordinate(std::string_view text, CoordinateKind kind);

/// Every check of the add window at once, then AddEntry. A prefix that is also a grid
/// locator is refused with the warning's text unless `locatorConfirmed`.
AtlasEditResult AddEntryFromTexts(Atlas& atlas, const AtlasEntryTexts& texts,
                                  bool locatorConfirmed);
/// Every check of the modify window at once, then ModifyEntry.
AtlasEditResult ModifyEntryFromTexts(Atlas& atlas, std::string_view currentPrefix,
                                     const AtlasEntryTexts& changes, bool locatorConfirmed);
/// The delete window's check, then DeleteEntry.
AtlasEditResult DeleteEntryByPrefix(Atlas& atlas, std::string_view prefix);
