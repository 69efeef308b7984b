#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "core/DataDirectory.h"
#include "maps/BaseMapFile.h"
#include "maps/BaseMaps.h"

namespace {

Settings London() {
    Settings s;
    s.DefaultLatitudeText = "51 30 N";
    s.DefaultLongitudeText = "0 7 W";
    s.DefaultName = "London";
    s.DefaultDefined = true;
    return s;
}

class BaseMapFileTest : public testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("hopscope-maps-" + std::to_string(::getpid()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

} // namespace

TEST(Bmp16, WritesAStandardFourBitFileAndReadsItBack) {
    PixelBuffer map(355, 359);
    DrawRectangularBaseMap(map, 0.0);
    map.SetPixel(3, 4, 0x808000); // olive: a night colour
    const std::string bytes = EncodeBmp16(map);
    const std::size_t rowBytes = 180; // 355 pixels at 4 bits, padded to 4 bytes
    ASSERT_EQ(bytes.size(), 118 + rowBytes * 359);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 4);   // bits per pixel
    EXPECT_EQ(static_cast<unsigned char>(bytes[10]), 118); // pixel data offset
    std::optional<PixelBuffer> back = DecodeBmp(bytes + std::string(42, 'x'));
    ASSERT_TRUE(back);
    ASSERT_EQ(back->Width(), 355);
    ASSERT_EQ(back->Height(), 359);
    for (int y = 0; y < 359; ++y)
        for (int x = 0; x < 355; ++x)
            ASSERT_EQ(back->PixelAt(x, y), map.PixelAt(x, y)) << x << "," << y;
    EXPECT_FALSE(DecodeBmp(bytes.substr(0, 2000)));
    EXPECT_FALSE(DecodeBmp("BM"));
}

TEST_F(BaseMapFileTest, StaleByTrailerNotByName) {
    const Settings london = London();
    EXPECT_TRUE(BaseMapIsStale(dir, false, london)); // missing
    PixelBuffer map(kRectangularBaseWidth, kRectangularBaseHeight);
    ASSERT_TRUE(SaveBaseMap(map, false, london, dir));
    EXPECT_FALSE(BaseMapIsStale(dir, false, london));
    EXPECT_TRUE(BaseMapIsStale(dir, true, london)); // the other file is still missing

    Settings renamed = london;
    renamed.DefaultName = "Greenwich";
    EXPECT_FALSE(BaseMapIsStale(dir, false, renamed));
    Settings moved = london;
    moved.DefaultLongitudeText = "0 7.0 W"; // the same place, written differently
    EXPECT_TRUE(BaseMapIsStale(dir, false, moved));
    moved = london;
    moved.DefaultLatitudeText = "51 31 N";
    EXPECT_TRUE(BaseMapIsStale(dir, false, moved));
}

TEST_F(BaseMapFileTest, ShortOrDamagedTrailersAreStale) {
    const Settings london = London();
    const auto trailer = BaseMapTrailer(london);
    std::string good(trailer.begin(), trailer.end());
    EXPECT_FALSE(BaseMapBytesAreStale(good, london));
    EXPECT_TRUE(BaseMapBytesAreStale(good.substr(1), london)); // 41 bytes
    std::string damaged = good;
    damaged[0] = static_cast<char>(200); // longer than the field can hold
    EXPECT_TRUE(BaseMapBytesAreStale(damaged, london));
    std::ofstream(dir / kGreatCircleMapFileName, std::ios::binary) << good.substr(0, 41);
    EXPECT_TRUE(BaseMapIsStale(dir, true, london));
}

TEST_F(BaseMapFileTest, PlanDrawsOnlyStaleMapsAndNothingWithoutADefaultTerminal) {
    Settings london = London();
    ASSERT_TRUE(SaveBaseMap(PixelBuffer(kRectangularBaseWidth, kRectangularBaseHeight), false,
                            london, dir));
    const BaseMapPlan plan = PlanBaseMaps(london, dir);
    EXPECT_FALSE(plan.rectangular);
    EXPECT_TRUE(plan.greatCircle);
    Settings none;
    EXPECT_FALSE(PlanBaseMaps(none, dir).Any());
    EXPECT_FALSE(DrawBaseMapFor(none, true));
    EXPECT_TRUE(std::filesystem::exists(dir / kRectangularMapFileName));
    EXPECT_FALSE(std::filesystem::exists(dir / kGreatCircleMapFileName));
}

TEST_F(BaseMapFileTest, OnlyTheBitmapThisProgramWritesIsReadAnythingElseIsRedrawn) {
    const Settings london = London();
    const std::filesystem::path file = dir / kRectangularMapFileName;
    // A folder standing in for the file: stale, nothing read, nothing thrown.
    std::filesystem::create_directory(file);
    EXPECT_TRUE(BaseMapIsStale(dir, false, london));
    EXPECT_FALSE(LoadBaseMap(dir, false));
    std::filesystem::remove(file);

    ASSERT_TRUE(SaveBaseMap(PixelBuffer(kRectangularBaseWidth, kRectangularBaseHeight), false,
                            london, dir));
    EXPECT_FALSE(BaseMapIsStale(dir, false, london));
    ASSERT_TRUE(LoadBaseMap(dir, false));
    std::ifstream in(file, std::ios::binary);
    const std::string good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    const std::string trailer = good.substr(good.size() - kBaseMapTrailerSize);
    const auto writeAs = [&](const std::string& bytes) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    };
    // Cut short, with the right trailer put back at its end.
    writeAs(good.substr(0, good.size() / 2) + trailer);
    EXPECT_TRUE(BaseMapIsStale(dir, false, london));
    EXPECT_FALSE(LoadBaseMap(dir, false));
    // Another bit depth with the same size and trailer.
    std::string deeper = good;
    deeper[28] = 8;
    writeAs(deeper);
    EXPECT_TRUE(BaseMapIsStale(dir, false, london));
    EXPECT_FALSE(LoadBaseMap(dir, false));
    // A far larger bitmap the decoder would take: refused by its size alone.
    const std::string large = EncodeBmp16(PixelBuffer(2000, 1000)) + trailer;
    writeAs(large);
    EXPECT_TRUE(BaseMapIsStale(dir, false, london));
    EXPECT_FALSE(LoadBaseMap(dir, false));
    // The great circle map has its own size: the rectangular file is no great circle map.
    writeAs(good);
    std::filesystem::copy_file(file, dir / kGreatCircleMapFileName);
    EXPECT_TRUE(BaseMapIsStale(dir, true, london));
}

// Something other than a regular file in a base map's place (a FIFO, a folder, a copy of
// the null device, all made here): stale, never opened for writing (a FIFO would wait
// for a reader for ever), refused with the reason, left as it was, and the map drawn in
// memory for the windows instead.
TEST_F(BaseMapFileTest, AnythingButARegularFileIsStaleNeverWrittenAndDrawnInMemory) {
    const Settings london = London();
    const PixelBuffer blank(kRectangularBaseWidth, kRectangularBaseHeight);
    const std::filesystem::path rect = dir / kRectangularMapFileName;
    const std::filesystem::path gc = dir / kGreatCircleMapFileName;
    ASSERT_EQ(::mkfifo(rect.c_str(), 0600), 0);
    std::filesystem::create_directory(gc);
    EXPECT_TRUE(PlanBaseMaps(london, dir).rectangular);
    EXPECT_TRUE(PlanBaseMaps(london, dir).greatCircle);

    auto saving =
        std::async(std::launch::async, [&] { return SaveBaseMap(blank, false, london, dir); });
    if (saving.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        // Opened for writing: let it go by reading the FIFO, and fail.
        std::ifstream(rect, std::ios::binary).get();
        FAIL() << "SaveBaseMap opened the FIFO for writing";
    }
    EXPECT_EQ(saving.get().error, "Not a regular file");
    EXPECT_TRUE(std::filesystem::is_fifo(rect));
    EXPECT_EQ(SaveBaseMap(blank, true, london, dir).error, "Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(gc));

    const std::filesystem::path device = dir / "null";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        std::filesystem::remove(gc);
        std::filesystem::rename(device, gc);
        EXPECT_EQ(SaveBaseMap(blank, true, london, dir).error, "Not a regular file");
        EXPECT_TRUE(std::filesystem::is_character_file(gc));
    }

    for (const bool greatCircle : {false, true}) {
        const std::optional<PixelBuffer> drawn = CurrentBaseMap(london, dir, greatCircle);
        ASSERT_TRUE(drawn);
        EXPECT_EQ(drawn->Width(), greatCircle ? kGreatCircleBaseSize : kRectangularBaseWidth);
        EXPECT_EQ(
            drawn->PixelAt(drawn->Width() / 2, drawn->Height() / 2),
            DrawBaseMapFor(london, greatCircle)->PixelAt(drawn->Width() / 2, drawn->Height() / 2));
    }
    EXPECT_FALSE(CurrentBaseMap(Settings{}, dir, false)); // no default terminal

    EXPECT_EQ(UnableToSaveText(false, rect, "Not a regular file"),
              "Unable to save Rectangular Map to disk\r" + rect.string() +
                  ": Not a regular file\rThe map is drawn in memory each time it is opened until "
                  "it can be saved.");
    EXPECT_EQ(UnableToSaveText(true, {}, {}), "Unable to save Great Circle Map to disk");
}

TEST_F(BaseMapFileTest, ACurrentFileIsLoadedAStaleOneIsDrawnAfresh) {
    const Settings london = London();
    PixelBuffer marked(kRectangularBaseWidth, kRectangularBaseHeight);
    DrawRectangularBaseMap(marked, 0.1);
    marked.SetPixel(0, 0, 0xFF00FF); // magenta: no base map has it
    ASSERT_TRUE(SaveBaseMap(marked, false, london, dir));
    EXPECT_EQ(CurrentBaseMap(london, dir, false)->PixelAt(0, 0) & 0xFFFFFF, 0xFF00FFu);
    Settings moved = london;
    moved.DefaultLongitudeText = "10 E";
    EXPECT_NE(CurrentBaseMap(moved, dir, false)->PixelAt(0, 0) & 0xFFFFFF, 0xFF00FFu);
}
