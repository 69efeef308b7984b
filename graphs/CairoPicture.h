#pragma once

#include "graphs/Drawing.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Pictures of drawings without a window system: PNG, SVG and PDF through cairo.

enum class PictureFormat { Png, Svg, Pdf };

/// The format named by the file's extension (.png, .svg, .pdf in any case), if any.
std::optional<PictureFormat> PictureFormatOf(const std::filesystem::path& path);

/// The font family a picture's text is drawn in, named rather than left to the
/// machine's choice for "monospace" or "sans-serif", so that a picture comes out the
/// same wherever it is drawn: DejaVu Sans Mono for the fixed-pitch header lines and
/// DejaVu Sans for the rest (Debian's fonts-dejavu-core, regular and bold).
const char* PictureFontFamily(FontFace face);

/// Text metrics of the pictures' fonts.
TextMeasure CairoTextMeasure();

/// The drawing as the bytes of a picture file: PNG at one pixel per unit, SVG and PDF
/// at one point per unit. Empty when cairo failed.
std::string RenderCairoPicture(const Drawing& drawing, PictureFormat format);

/// The outcome of writing a picture: ok, or why not.
struct PictureResult {
    bool ok = false;
    std::string message;
};

/// Renders the drawing and writes it to `path` through WriteOutputFile: a file through a
/// temporary file and a rename, so a failure leaves an existing file as it was; "-",
/// /dev/stdout, a pipe or a device written into as it is.
PictureResult WriteCairoPicture(const std::filesystem::path& path, const Drawing& drawing,
                                PictureFormat format);
