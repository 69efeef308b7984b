#pragma once

#include "atlas/AtlasEntry.h"

#include <QString>

class QGridLayout;
class QWidget;
class LatitudeEdit;
class LongitudeEdit;
class NameEdit;
class PrefixEdit;

/// The four fields of one atlas entry in an atlas window, laid out in a grid of
/// labels and fields.
struct AtlasEntryFields {
    PrefixEdit* prefix = nullptr;
    LatitudeEdit* latitude = nullptr;
    LongitudeEdit* longitude = nullptr;
    NameEdit* name = nullptr;
};

/// Builds the four fields in `parent` and rows 0..3 of `grid`. Their objectNames are
/// `namePrefix` + "PfxEdit", "LatEdit", "LonEdit", "NameEdit"; `prefixCaption` labels
/// the prefix. Editable fields get the hints of the add and modify windows (the
/// prefix's hint is the window's); read-only ones take no focus.
AtlasEntryFields MakeAtlasEntryFields(QWidget* parent, QGridLayout* grid, const QString& namePrefix,
                                      const QString& prefixCaption, bool readOnly);

/// Checks the latitude, longitude and name fields in this order; the first that fails
/// shows its message and takes the focus back. True when all pass.
bool CheckAtlasEntryFields(const AtlasEntryFields& fields);

/// Shows `entry`'s texts in the fields (the prefix too when `withPrefix`).
void ShowAtlasEntry(const AtlasEntryFields& fields, const AtlasEntry& entry, bool withPrefix);

/// Empties the fields (the prefix too when `withPrefix`).
void ClearAtlasEntry(const AtlasEntryFields& fields, bool withPrefix);

/// The entry the fields hold: texts trimmed and cut to the record's capacities.
AtlasEntry AtlasEntryOf(const AtlasEntryFields& fields);
