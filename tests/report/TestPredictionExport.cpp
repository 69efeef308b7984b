#include "report/PredictionExport.h"

#include "core/HopMode.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

PredictionResult SmallResult() {
    PredictionResult r;
    r.Ssn = 100.0f;
    r.Flux = 150.5f;
    r.FrequencyCount = 2;
    r.FrequencyMHz = {7.1f, 14.1f};
    PathResult& p = r.Paths[0];
    p.Geometry.BearingAtA = -std::numbers::pi / 2; // stored below zero: shows as 270
    p.Geometry.BearingAtB = 0.25;
    p.Geometry.Length = 1.0;
    p.Geometry.IsPolar = true;
    p.HeaderLines = {"line \"one\"",
                     "Z\xFC"
                     "rich",
                     "three"};
    for (auto& row : p.Signal)
        row.fill(kNoModeSignal);
    p.Muf.fill(12.3f);
    p.Signal[3][1] = 17.25f;
    p.Reliability[3][1] = 0.875f;
    p.Hops[3][1] = 3;
    p.Mode[3][1] = LettersToMode("EFF");
    p.Elevation[3][1] = 12;
    return r;
}

} // namespace

TEST(PredictionJson, ShapeAndUnroundedValues) {
    const std::string json = PredictionJson(SmallResult(), {PathKind::Short});
    EXPECT_EQ(json.rfind("{\"ssn\": 100, \"flux\": 150.5, \"frequencies\": [7.1, 14.1],", 0), 0u)
        << json.substr(0, 80);
    EXPECT_NE(
        json.find("{\"kind\": \"short\", \"bearingAtA\": 270, \"bearingAtB\": 14.32394487827058"),
        std::string::npos);
    EXPECT_NE(json.find("\"length\": 1, \"isPolar\": true"), std::string::npos);
    EXPECT_NE(json.find("\"headerLines\": [\"line \\\"one\\\"\", \"Z\xC3\xBCrich\", \"three\"]"),
              std::string::npos);
    EXPECT_NE(
        json.find("{\"utc\": \"0130\", \"cells\": [{\"signal\": null, \"reliability\": 0, "
                  "\"mode\": \"\", "
                  "\"hops\": 0, \"elevation\": 0}, {\"signal\": 17.25, \"reliability\": 0.875, "
                  "\"mode\": \"EFF\", \"hops\": 3, \"elevation\": 12}]}"),
        std::string::npos);
    EXPECT_EQ(json.find("\"long\""), std::string::npos);
    // 48 MUFs and 48 slots of two cells.
    std::size_t slots = 0;
    for (std::size_t at = json.find("\"utc\""); at != std::string::npos;
         at = json.find("\"utc\"", at + 1))
        ++slots;
    EXPECT_EQ(slots, 48u);
    EXPECT_NE(json.find("\"2330\""), std::string::npos);
    EXPECT_EQ(json.back(), '\n');
}

TEST(PredictionJson, BothPathsInTheOrderAsked) {
    const std::string json = PredictionJson(SmallResult(), {PathKind::Short, PathKind::Long});
    const std::size_t shortAt = json.find("\"kind\": \"short\"");
    const std::size_t longAt = json.find("\"kind\": \"long\"");
    ASSERT_NE(longAt, std::string::npos);
    EXPECT_LT(shortAt, longAt);
}

TEST(PredictionCsv, OneRowPerPathHalfHourAndFrequency) {
    const std::string csv = PredictionCsv(SmallResult(), {PathKind::Short, PathKind::Long});
    std::size_t rows = 0;
    for (std::size_t at = csv.find("\r\n"); at != std::string::npos; at = csv.find("\r\n", at + 2))
        ++rows;
    EXPECT_EQ(rows, 1u + 2 * 48 * 2);
    EXPECT_EQ(
        csv.rfind(
            "path,utc,muf_mhz,frequency_mhz,signal_db,reliability,mode,hops,elevation_deg\r\n", 0),
        0u);
    EXPECT_NE(csv.find("\r\nshort,0130,12.3,14.1,17.25,0.875,EFF,3,12\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\nshort,0130,12.3,7.1,,0,,0,0\r\n"), std::string::npos);

    PredictionResult none = SmallResult();
    none.FrequencyCount = 0;
    const std::string bare = PredictionCsv(none, {PathKind::Long});
    EXPECT_NE(bare.find("\r\nlong,2330,0,,,,,,\r\n"), std::string::npos);
}

TEST(BearingDegrees, ReducedIntoACircle) {
    EXPECT_DOUBLE_EQ(BearingDegrees(-std::numbers::pi / 2), 270.0);
    EXPECT_DOUBLE_EQ(BearingDegrees(0.0), 0.0);
    EXPECT_NEAR(BearingDegrees(2 * std::numbers::pi + 0.1), 0.1 * 180 / std::numbers::pi, 1e-9);
}
