#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/ReplaceFile.h"
#include "maps/BaseMaps.h"
#include "maps/PixelBuffer.h"
#include "settings/Settings.h"

// The cached base map files "Hopscope.REC" and "Hopscope.GC": a 16-colour BMP followed
// by a 42-byte trailer, the default-terminal block of the settings record the map was
// drawn for.

/// The length of the trailer after the bitmap.
inline constexpr std::size_t kBaseMapTrailerSize = 42;

/// The 16 colours of the bitmaps (the classic 16-colour palette, index order).
extern const std::array<Rgb, 16> kBaseMapPalette;

/// The canvas as a standard Windows BMP file: BITMAPFILEHEADER, BITMAPINFOHEADER, a
/// 16-entry palette and 4-bit pixel rows, bottom row first, each padded to 4 bytes.
/// Each pixel takes the nearest palette colour (the base map colours are exact).
std::string EncodeBmp16(const MapCanvas& canvas);

/// Reads an uncompressed 4-bit or 8-bit palette BMP (bottom-up or top-down) into a
/// buffer; bytes after the pixel data are ignored. nullopt for anything else or a file
/// too short for its header's claims.
std::optional<PixelBuffer> DecodeBmp(std::string_view bytes);

/// The trailer for these settings: the first 42 bytes of the settings record.
std::array<std::uint8_t, kBaseMapTrailerSize> BaseMapTrailer(const Settings& settings);

/// True when a base map file's bytes do not belong to the settings' default terminal:
/// shorter than 42 bytes, or the trailer's latitude text (length byte and characters
/// at offset 0, capacity 10) or longitude text (offset 11, capacity 11) differs from
/// the settings' texts, or either length byte exceeds its capacity. The name and the
/// defined flag do not count.
bool BaseMapBytesAreStale(std::string_view fileBytes, const Settings& settings);

/// The file of one base map in the data directory.
std::filesystem::path BaseMapPath(const std::filesystem::path& dataDir, bool greatCircle);

/// BaseMapBytesAreStale on the file's trailer; a missing or unreadable file is stale,
/// and so is one that is not the 4-bit bitmap of the map's cached size this program
/// writes (another size or depth, cut short or grown). Reads only the headers and the
/// trailer.
bool BaseMapIsStale(const std::filesystem::path& dataDir, bool greatCircle,
                    const Settings& settings);

/// Writes the canvas as BMP plus trailer in one replacement of the file; the reason when
/// that fails (the old file is then kept). Only a regular file (or a link to one) is
/// replaced and only a missing one created: anything else in its place (a folder, a
/// FIFO, a device) is never opened for writing and is refused ("Is a directory", "Not
/// a regular file").
[[nodiscard]] FileWriteResult SaveBaseMap(const MapCanvas& canvas, bool greatCircle,
                                          const Settings& settings,
                                          const std::filesystem::path& dataDir);

/// Reads a base map file's bitmap; nullopt when it is missing, unreadable or not the
/// bitmap this program writes for the map (see BaseMapIsStale).
std::optional<PixelBuffer> LoadBaseMap(const std::filesystem::path& dataDir, bool greatCircle);

/// The base map the map windows draw on: the cached file when it is current
/// (BaseMapIsStale), otherwise drawn afresh in memory, as when the file could not be
/// saved (a folder or a FIFO in its place, a folder that cannot be written). nullopt only
/// without a usable default terminal.
std::optional<PixelBuffer> CurrentBaseMap(const Settings& settings,
                                          const std::filesystem::path& dataDir, bool greatCircle);

/// What EnsureBaseMaps has to do: nothing without a default terminal; otherwise
/// redraw each stale file.
struct BaseMapPlan {
    bool rectangular = false;
    bool greatCircle = false;
    bool Any() const { return rectangular || greatCircle; }
};
BaseMapPlan PlanBaseMaps(const Settings& settings, const std::filesystem::path& dataDir);

/// The name of a map in messages: "Great Circle Map" or "Rectangular Map".
std::string BaseMapName(bool greatCircle);

/// The drawing window's caption: "Creating New Great Circle Map" or
/// "Creating New Rectangular Map".
std::string BaseMapCaption(bool greatCircle);

/// The message when a base map cannot be saved: "Unable to save " + name + " to disk";
/// with a reason, then the file and the reason, and that the map windows draw the map in
/// memory until it can be saved.
std::string UnableToSaveText(bool greatCircle, const std::filesystem::path& file,
                             const std::string& reason);

/// Draws one base map for the settings' default terminal at its cached size; nullopt
/// without a usable default terminal.
std::optional<PixelBuffer> DrawBaseMapFor(const Settings& settings, bool greatCircle,
                                          const BaseMapProgress& progress = {});
