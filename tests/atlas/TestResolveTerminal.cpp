#include "atlas/ResolveTerminal.h"

#include "atlas/BuiltInAtlas.h"
#include "core/Syntax.h"

#include <gtest/gtest.h>

namespace {

Atlas BuiltIn() {
    return AtlasOf(BuiltInAtlasEntries());
}

TerminalTexts Typed(std::string prefix, std::string latitude = "", std::string longitude = "",
                    std::string name = "") {
    return {std::move(prefix), std::move(latitude), std::move(longitude), std::move(name)};
}

ResolvedTerminal Resolve(const TerminalTexts& typed,
                         std::optional<Terminal> defaultTerminal = std::nullopt) {
    static const Atlas atlas = BuiltIn();
    return ResolveTerminal(typed, 'B', {&atlas, std::move(defaultTerminal)});
}

} // namespace

TEST(ResolveTerminal, PrefixesLocatorsAndTheDefaultTerminal) {
    // A prefix in lower case finds the atlas entry; whatever was in the other fields
    // gives way to the entry's texts.
    const ResolvedTerminal g = Resolve(Typed("g", "1", "2", "typed name"));
    ASSERT_TRUE(g);
    EXPECT_EQ(g.terminal.Prefix, "G");
    EXPECT_EQ(g.terminal.LatitudeText, "51 30");
    EXPECT_EQ(g.terminal.LongitudeText, "0 08");
    EXPECT_EQ(g.terminal.Name, "England");

    const ResolvedTerminal square = Resolve(Typed("jn58td", "", "", "old name"));
    ASSERT_TRUE(square);
    EXPECT_EQ(square.terminal.Prefix, "JN58TD");
    EXPECT_EQ(square.terminal.LongitudeText, "-11.63");
    EXPECT_EQ(square.terminal.Name, "");

    const ResolvedTerminal undefined = Resolve(Typed("Default"));
    EXPECT_EQ(undefined.problem, TerminalProblem::DefaultUndefined);
    EXPECT_EQ(undefined.message.kind, MessageKind::Information);
    EXPECT_TRUE(undefined.message.alert);
    const ResolvedTerminal home =
        Resolve(Typed("DEFAULT"), Terminal{kDefaultPrefix, "40 54 S", "74", "Home"});
    ASSERT_TRUE(home);
    EXPECT_EQ(home.terminal.Prefix, "DEFAULT");
    EXPECT_EQ(home.terminal.LatitudeText, "40 54 S");
    EXPECT_EQ(home.terminal.Name, "Home");
}

TEST(ResolveTerminal, RefusalsNameTheFieldAndTheTerminal) {
    const ResolvedTerminal empty = Resolve(Typed(""));
    EXPECT_EQ(empty.problem, TerminalProblem::PrefixMissing);
    EXPECT_EQ(empty.message.text.rfind("Terminal B is missing", 0), 0u);

    const ResolvedTerminal unknown = Resolve(Typed("zz9"));
    EXPECT_EQ(unknown.problem, TerminalProblem::PrefixUnknown);
    EXPECT_EQ(unknown.message.text, "zz9 not found in atlas\rand not a valid grid locator");
    // Without an atlas a prefix is found nowhere.
    EXPECT_EQ(ResolveTerminal(Typed("G"), 'A', {}).problem, TerminalProblem::PrefixUnknown);

    EXPECT_EQ(Resolve(Typed("<Ins>", "91", "0")).problem, TerminalProblem::Latitude);
    EXPECT_EQ(Resolve(Typed("<Ins>", "40", "0 61")).problem, TerminalProblem::Longitude);
    EXPECT_FALSE(Resolve(Typed("<Ins>", "91", "0")).message.IsEmpty());
}

TEST(ResolveTerminal, CoordinatesByHandKeepTheirHemisphere) {
    // Normalizing adds a blank before the letter: 11 characters for a 10-character
    // field. Cutting would drop the "S" and move the place to the north.
    const ResolvedTerminal south = Resolve(Typed("<Ins>", "40 54 3.2s", "10 e", "Somewhere"));
    ASSERT_TRUE(south);
    EXPECT_EQ(south.terminal.Prefix, "<Ins>");
    EXPECT_LE(south.terminal.LatitudeText.size(), kLatitudeTextCapacity);
    EXPECT_LT(ParseCoordinate(south.terminal.LatitudeText, CoordinateKind::Latitude).valueDeg,
              -40.9);
    EXPECT_EQ(south.terminal.LongitudeText, "10 E");
    EXPECT_EQ(south.terminal.Name, "Somewhere");
    // A latitude within 0.005 degrees of a pole is stored as the pole.
    EXPECT_EQ(Resolve(Typed("<Ins>", "89.999", "0")).terminal.LatitudeText, "90");
    // A name longer than the record holds is cut.
    EXPECT_EQ(Resolve(Typed("<Ins>", "1", "1", "A very long place name")).terminal.Name.size(),
              kNameCapacity);
}

// The look-ups go in order: "DEFAULT" is the default terminal even where the atlas has
// an entry of that name, and an atlas prefix that reads as a grid locator is the
// atlas's place, not the square's centre.
TEST(ResolveTerminal, LookUpsGoDefaultAtlasLocatorInOrder) {
    const Atlas atlas = AtlasOf({MakeAtlasEntry("DEFAULT", "10", "20", "Entry"),
                                 MakeAtlasEntry("JN58", "1", "2", "Club station")});
    Terminal home;
    home.Prefix = kDefaultPrefix;
    home.LatitudeText = "48 12";
    home.Name = "Home";
    const struct {
        const char* typed;
        std::optional<Terminal> defaultTerminal;
        const char* latitude;
        const char* name;
    } rows[] = {
        {"default", home, "48 12", "Home"},
        {"jn58", home, "1", "Club station"},
        {"JN59", home, "49.50", ""},
    };
    for (const auto& row : rows) {
        const ResolvedTerminal found =
            ResolveTerminal(Typed(row.typed), 'A', {&atlas, row.defaultTerminal});
        ASSERT_TRUE(found) << row.typed;
        EXPECT_EQ(found.terminal.LatitudeText, row.latitude) << row.typed;
        EXPECT_EQ(found.terminal.Name, row.name) << row.typed;
    }
    // Without a default terminal "DEFAULT" is refused, never taken from the atlas.
    EXPECT_EQ(ResolveTerminal(Typed("DEFAULT"), 'A', {&atlas, std::nullopt}).problem,
              TerminalProblem::DefaultUndefined);
}
