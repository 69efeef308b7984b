// Pictures of drawings through cairo: the three formats, what a PNG shows, and a
// failed write that leaves the old file alone.

#include "graphs/CairoPicture.h"
#include "graphs/GraphAxes.h"
#include "tests/core/TempDir.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

Drawing RedLineOnWhite() {
    Drawing drawing;
    drawing.width = 40;
    drawing.height = 30;
    drawing.Line(0, 10, 40, 10, kRed, 3);
    drawing.Text(20, 20, "µV", {FontFace::Sans, true, 8}, kBlack, HAlign::Centre, VAlign::Middle);
    return drawing;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(CairoPicture, FormatsByExtension) {
    EXPECT_EQ(PictureFormatOf("a/b.PNG"), PictureFormat::Png);
    EXPECT_EQ(PictureFormatOf("b.svg"), PictureFormat::Svg);
    EXPECT_EQ(PictureFormatOf("b.pdf"), PictureFormat::Pdf);
    EXPECT_EQ(PictureFormatOf("b.jpg"), std::nullopt);
    EXPECT_EQ(PictureFormatOf("png"), std::nullopt);

    const Drawing drawing = RedLineOnWhite();
    EXPECT_EQ(RenderCairoPicture(drawing, PictureFormat::Png).substr(1, 3), "PNG");
    EXPECT_NE(RenderCairoPicture(drawing, PictureFormat::Svg).find("<svg"), std::string::npos);
    EXPECT_EQ(RenderCairoPicture(drawing, PictureFormat::Pdf).substr(0, 5), "%PDF-");
}

TEST(CairoPicture, PngShowsTheDrawing) {
    const TempDir dir;
    const fs::path file = dir / "line.png";
    ASSERT_TRUE(WriteCairoPicture(file, RedLineOnWhite(), PictureFormat::Png).ok);
    cairo_surface_t* image = cairo_image_surface_create_from_png(file.c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(image), 40);
    const unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    auto pixel = [&](int x, int y) {
        const auto* p = reinterpret_cast<const std::uint32_t*>(data + y * stride) + x;
        return *p & 0xFFFFFFu;
    };
    EXPECT_EQ(pixel(5, 10), 0xFF0000u); // on the line
    EXPECT_EQ(pixel(5, 2), 0xFFFFFFu);  // the background
    cairo_surface_destroy(image);
}

TEST(CairoPicture, AFailedWriteKeepsTheOldFile) {
    const TempDir dir;
    const fs::path file = dir / "keep.svg";
    std::ofstream(file) << "old";
    // A folder where the file should be: the rename fails and nothing is lost.
    const fs::path blocked = dir / "sub.png";
    fs::create_directories(blocked);
    EXPECT_FALSE(WriteCairoPicture(blocked, RedLineOnWhite(), PictureFormat::Png).ok);
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_FALSE(
        WriteCairoPicture(dir / "missing" / "x.png", RedLineOnWhite(), PictureFormat::Png).ok);
    EXPECT_EQ(ReadAll(file), "old");
    ASSERT_TRUE(WriteCairoPicture(file, RedLineOnWhite(), PictureFormat::Svg).ok);
    EXPECT_NE(ReadAll(file).find("<svg"), std::string::npos);
}

TEST(CairoPicture, TheNamedFontsAreInstalled) {
    // fontconfig gives cairo the nearest font it has for a family it lacks: the pictures
    // would then differ from machine to machine without a word.
    for (const FontFace face : {FontFace::Sans, FontFace::Mono}) {
        for (const bool bold : {false, true}) {
            const std::string name =
                std::string(PictureFontFamily(face)) + (bold ? ":bold" : ":medium");
            FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(name.c_str()));
            ASSERT_NE(pattern, nullptr);
            FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
            FcDefaultSubstitute(pattern);
            FcResult result = FcResultNoMatch;
            FcPattern* match = FcFontMatch(nullptr, pattern, &result);
            ASSERT_NE(match, nullptr) << name;
            FcChar8* family = nullptr;
            int weight = 0;
            ASSERT_EQ(FcPatternGetString(match, FC_FAMILY, 0, &family), FcResultMatch);
            ASSERT_EQ(FcPatternGetInteger(match, FC_WEIGHT, 0, &weight), FcResultMatch);
            EXPECT_STREQ(reinterpret_cast<const char*>(family), PictureFontFamily(face))
                << name << ": install Debian's fonts-dejavu-core";
            EXPECT_EQ(weight >= FC_WEIGHT_BOLD, bold) << name;
            FcPatternDestroy(match);
            FcPatternDestroy(pattern);
        }
    }
}

TEST(CairoPicture, HeaderLinesFitThePicture) {
    // At 600 and 1200 pixels the header lines ran past the right edge.
    const TextMeasure measure = CairoTextMeasure();
    const std::string line(102, 'X');
    for (const double width : {300.0, 400.0, 600.0, 1200.0, 1600.0, 10000.0}) {
        const FontStyle font = HeaderFontFor(width, measure);
        EXPECT_LE(measure.width(line, font), width) << width;
        EXPECT_GT(measure.width(line, font), 0.99 * width) << width;
    }
}
