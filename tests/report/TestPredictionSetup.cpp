#include "report/PredictionSetup.h"

#include <gtest/gtest.h>

namespace {

Terminal Place(const char* lat, const char* lon) {
    Terminal t;
    t.Prefix = "<Ins>";
    t.LatitudeText = lat;
    t.LongitudeText = lon;
    return t;
}

PredictionInputs Inputs(const char* latB, const char* lonB) {
    PredictionInputs in;
    in.terminalA = Place("51.5", "0.1");
    in.terminalB = Place(latB, lonB);
    in.date = DateFromCalendar(2026, 12, 8);
    in.solarIndexText = "S100.0";
    return in;
}

} // namespace

TEST(PredictionSetup, SettingsShareOfTheRequest) {
    Settings s = FactorySettings();
    s.FrequencyCount = 2;
    s.Frequencies[1] = {"14.1", "6.0"};
    DeriveSettings(s);
    PredictionRequest r;
    r.Frequencies[4] = {1.0f, 1.0f, 1.0f};
    ApplySettingsToRequest(s, r);
    EXPECT_EQ(r.FrequencyCount, 2);
    EXPECT_EQ(r.Frequencies[1].FrequencyMHz, 14.1f);
    EXPECT_EQ(r.Frequencies[1].FrequencyTermDb, s.FrequencyTermDb[1]);
    EXPECT_EQ(r.Frequencies[1].AbsorptionFactor, s.AbsorptionFactor[1]);
    EXPECT_EQ(r.Frequencies[4].FrequencyMHz, 0.0f);
    EXPECT_EQ(r.MinElevationRad, s.MinRadiationAngleRad);
    EXPECT_EQ(FrequencyTexts(s), (std::vector<std::string>{"3.6", "14.1"}));
}

TEST(PredictionSetup, PreparesBothPathsAndTheSun) {
    const PreparedPrediction p = PreparePrediction(Inputs("40.7", "74.0"), FactorySettings());
    ASSERT_TRUE(p.ok) << p.message.text;
    EXPECT_GT(p.request.ShortPath.Length, 0.5);
    EXPECT_NEAR(p.request.LongPath.Length, 2 * 3.141592653589793 - p.request.ShortPath.Length,
                1e-12);
    EXPECT_EQ(p.request.Ssn, 100.0f);
    EXPECT_GT(p.request.Flux, 60.0f);
    EXPECT_GT(p.request.Sun.Distance, 0.9);
    EXPECT_EQ(p.request.FrequencyCount, 5);
}

TEST(PredictionSetup, RefusesIndeterminatePathsAndBadIndices) {
    PreparedPrediction p = PreparePrediction(Inputs("51.5", "0.1"), FactorySettings());
    EXPECT_FALSE(p.ok);
    EXPECT_NE(p.message.text.find("indeterminate"), std::string::npos);
    PredictionInputs in = Inputs("40", "74");
    in.solarIndexText = "X12";
    p = PreparePrediction(in, FactorySettings());
    EXPECT_FALSE(p.ok);
    EXPECT_FALSE(p.message.IsEmpty());
}
