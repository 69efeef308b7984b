#include "atlas/AtlasEdit.h"

#include "atlas/AtlasFile.h"
#include "atlas/PrefixCheck.h"
#include "core/FieldChecks.h"
#include "core/Syntax.h"
#include "core/Terminal.h"

#include <filesystem>
#include <fstream>

namespace {

std::string Prefix6(std::string_view text) {
    return CutText(TrimBlanks(text), kAtlasPrefixField.Capacity);
}

UserMessage Information(std::string text) {
    return UserMessage{MessageKind::Information, false, std::move(text), {}};
}

// The message of a failed change: the program's text, then the file and the reason.
std::string WriteFailureText(const std::string& text, const Atlas& atlas,
                             const FileWriteResult& written) {
    return text + "\r" + atlas.FilePath.string() + ": " + written.error;
}

AtlasEditResult Refused(UserMessage message) {
    return AtlasEditResult{false, std::move(message)};
}

CheckResult Passed() {
    return CheckResult{true, {}};
}

CheckResult Failed(UserMessage message) {
    return CheckResult{false, std::move(message)};
}

// The name field's check: a name is required.
CheckResult CheckEntryName(std::string_view name) {
    return CheckNameField(TrimBlanks(name), false);
}

} // namespace

CheckResult CheckNewPrefix(const Atlas& atlas, std::string_view prefix) {
    const std::string text = Prefix6(prefix);
    if (text.empty())
        return Failed(ErrorMessage("You must provide a prefix for this atlas entry"));
    if (CheckResult valid = IsValidPrefix(text, true); !valid)
        return valid;
    if (PrefixUse use = PrefixInUse(atlas, text))
        return Failed(std::move(use.message));
    return Passed();
}

ExistingEntry CheckExistingPrefix(const Atlas& atlas, std::string_view prefix, AtlasEdit edit) {
    ExistingEntry result;
    const std::string text = Prefix6(prefix);
    if (text.empty()) {
        result.message = ErrorMessage(std::string("You must provide the prefix of the atlas entry "
                                                  "you want to ") +
                                      (edit == AtlasEdit::Delete ? "delete" : "modify"));
        return result;
    }
    // The stored prefix as it stands first, so that an odd imported one is found too.
    std::optional<AtlasEntry> entry = FindAtlasEntry(atlas, text);
    if (!entry)
        entry = FindAtlasEntry(atlas, AtlasUpperCase(text));
    if (entry) {
        result.ok = true;
        result.entry = *entry;
        return result;
    }
    if (CheckResult valid = IsValidPrefix(AtlasUpperCase(text), true); !valid) {
        result.message = std::move(valid.message);
        return result;
    }
    result.message = ErrorMessage("Prefix " + text + " not found in atlas");
    return result;
}

CheckResult CheckModifiedPrefix(const Atlas& atlas, std::string_view newPrefix,
                                std::string_view currentPrefix) {
    const std::string text = Prefix6(newPrefix);
    if (text.empty())
        return Failed(ErrorMessage("You must provide a prefix for the modified atlas entry"));
    // Keeping the prefix as stored needs no check: an imported entry may hold one that
    // would not pass today and must still be editable.
    if (text == Prefix6(currentPrefix))
        return Passed();
    if (CheckResult valid = IsValidPrefix(text, true); !valid)
        return valid;
    if (PrefixUse use = PrefixInUse(atlas, text))
        return Failed(std::move(use.message));
    return Passed();
}

UserMessage LocatorPrefixWarning(std::string_view prefix) {
    const std::string text = Prefix6(prefix);
    if (!GridLocatorToCoordinates(text, false))
        return {};
    return UserMessage{
        MessageKind::Warning, true, "Prefix " + text + " is also a valid grid locator.\rOK?", {}};
}

AtlasEntry AtlasEntryFromTexts(std::string_view prefix, std::string_view latitude,
                               std::string_view longitude, std::string_view name) {
    return MakeAtlasEntry(Prefix6(prefix),
                          CutText(TrimBlanks(latitude), kAtlasLatitudeField.Capacity),
                          CutText(TrimBlanks(longitude), kAtlasLongitudeField.Capacity),
                          CutText(TrimBlanks(name), kAtlasNameField.Capacity));
}

UserMessage AtlasAddBlocker(const Atlas& atlas) {
    Atlas unavailable; // its Count (-1) gives the "not found or corrupt" text
    unavailable.FilePath = atlas.FilePath;
    if (atlas.Count < 0)
        return AtlasStatus(unavailable, -1).message;
    if (atlas.Count > 0)
        return {};
    std::error_code ec;
    if (!std::filesystem::exists(atlas.FilePath, ec))
        return {};
    const std::uintmax_t size = std::filesystem::file_size(atlas.FilePath, ec);
    const bool unreadable = ec || size >= AtlasEntry::kSize ||
                            !std::ifstream(atlas.FilePath, std::ios::binary).is_open();
    return unreadable ? AtlasStatus(unavailable, -1).message : UserMessage{};
}

AtlasEditResult AddEntry(Atlas& atlas, const AtlasEntry& entry) {
    if (const FileWriteResult written = InsertAtlasEntry(atlas, entry); !written)
        return Refused(ErrorMessage(WriteFailureText("Error writing atlas file", atlas, written)));
    return {true, Information(entry.Prefix() + " entry added to atlas")};
}

AtlasEditResult DeleteEntry(Atlas& atlas, std::string_view prefix) {
    if (const FileWriteResult written = DeleteAtlasEntry(atlas, prefix); !written)
        return Refused(
            ErrorMessage(WriteFailureText("Error re-writing atlas file", atlas, written)));
    return {true, Information(std::string(prefix) + " entry deleted from atlas")};
}

AtlasEditResult ModifyEntry(Atlas& atlas, std::string_view currentPrefix, const AtlasEntry& entry) {
    if (const FileWriteResult written = ModifyAtlasEntry(atlas, currentPrefix, entry); !written)
        return Refused(
            ErrorMessage(WriteFailureText("Error modifying atlas file", atlas, written)));
    return {true, Information("Atlas modified")};
}

TextCheck CheckEntryCoordinate(std::string_view text, CoordinateKind kind) {
    const std::string typed = AtlasUpperCase(TrimBlanks(text));
    const bool latitude = kind == CoordinateKind::Latitude;
    TextCheck check = latitude ? CheckLatitudeField(typed) : CheckLongitudeField(typed);
    if (!check)
        return check;
    const std::size_t capacity =
        latitude ? kAtlasLatitudeField.Capacity : kAtlasLongitudeField.Capacity;
    check.text =
        FitCoordinateText(check.text, ParseCoordinate(check.text, kind).valueDeg, capacity);
    return check;
}

AtlasEditResult AddEntryFromTexts(Atlas& atlas, const AtlasEntryTexts& texts,
                                  bool locatorConfirmed) {
    if (UserMessage blocker = AtlasAddBlocker(atlas); !blocker.IsEmpty())
        return Refused(std::move(blocker));
    const std::string prefix = AtlasUpperCase(Prefix6(texts.prefix.value_or("")));
    if (CheckResult check = CheckNewPrefix(atlas, prefix); !check)
        return Refused(std::move(check.message));
    const TextCheck lat =
        CheckEntryCoordinate(texts.latitude.value_or(""), CoordinateKind::Latitude);
    if (!lat)
        return Refused(lat.message);
    const TextCheck lon =
        CheckEntryCoordinate(texts.longitude.value_or(""), CoordinateKind::Longitude);
    if (!lon)
        return Refused(lon.message);
    if (CheckResult name = CheckEntryName(texts.name.value_or("")); !name)
        return Refused(std::move(name.message));
    if (UserMessage warning = LocatorPrefixWarning(prefix); !warning.IsEmpty() && !locatorConfirmed)
        return Refused(std::move(warning));
    return AddEntry(atlas, AtlasEntryFromTexts(prefix, lat.text, lon.text, *texts.name));
}

AtlasEditResult ModifyEntryFromTexts(Atlas& atlas, std::string_view currentPrefix,
                                     const AtlasEntryTexts& changes, bool locatorConfirmed) {
    ExistingEntry current = CheckExistingPrefix(atlas, currentPrefix, AtlasEdit::Modify);
    if (!current)
        return Refused(std::move(current.message));
    const std::string oldPrefix = current.entry.Prefix();
    const std::string prefix =
        changes.prefix ? AtlasUpperCase(Prefix6(*changes.prefix)) : oldPrefix;
    if (changes.prefix)
        if (CheckResult check = CheckModifiedPrefix(atlas, prefix, oldPrefix); !check)
            return Refused(std::move(check.message));
    std::string latitude = current.entry.Latitude();
    std::string longitude = current.entry.Longitude();
    std::string name = current.entry.Name();
    if (changes.latitude) {
        const TextCheck lat = CheckEntryCoordinate(*changes.latitude, CoordinateKind::Latitude);
        if (!lat)
            return Refused(lat.message);
        latitude = lat.text;
    }
    if (changes.longitude) {
        const TextCheck lon = CheckEntryCoordinate(*changes.longitude, CoordinateKind::Longitude);
        if (!lon)
            return Refused(lon.message);
        longitude = lon.text;
    }
    if (changes.name) {
        if (CheckResult check = CheckEntryName(*changes.name); !check)
            return Refused(std::move(check.message));
        name = *changes.name;
    }
    if (prefix != oldPrefix && !locatorConfirmed)
        if (UserMessage warning = LocatorPrefixWarning(prefix); !warning.IsEmpty())
            return Refused(std::move(warning));
    return ModifyEntry(atlas, oldPrefix, AtlasEntryFromTexts(prefix, latitude, longitude, name));
}

AtlasEditResult DeleteEntryByPrefix(Atlas& atlas, std::string_view prefix) {
    ExistingEntry existing = CheckExistingPrefix(atlas, prefix, AtlasEdit::Delete);
    if (!existing)
        return Refused(std::move(existing.message));
    return DeleteEntry(atlas, existing.entry.Prefix());
}
