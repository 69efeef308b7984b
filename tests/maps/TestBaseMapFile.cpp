#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
    PixelBuffer map(5, 5);
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
    ASSERT_TRUE(SaveBaseMap(PixelBuffer(5, 5), false, london, dir));
    const BaseMapPlan plan = PlanBaseMaps(london, dir);
    EXPECT_FALSE(plan.rectangular);
    EXPECT_TRUE(plan.greatCircle);
    Settings none;
    EXPECT_FALSE(PlanBaseMaps(none, dir).Any());
    EXPECT_FALSE(DrawBaseMapFor(none, true));
    EXPECT_TRUE(std::filesystem::exists(dir / kRectangularMapFileName));
    EXPECT_FALSE(std::filesystem::exists(dir / kGreatCircleMapFileName));
}
