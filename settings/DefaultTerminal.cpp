#include "settings/DefaultTerminal.h"

#include "core/Geometry.h"

Terminal DefaultTerminal(const Settings& settings) {
    Terminal t;
    t.Prefix = kDefaultPrefix;
    t.LatitudeText = CutText(settings.DefaultLatitudeText, kLatitudeTextCapacity);
    t.LongitudeText = CutText(settings.DefaultLongitudeText, kLongitudeTextCapacity);
    t.Name = CutText(settings.DefaultName, kNameCapacity);
    DeriveTerminalCoordinates(t);
    return t;
}

std::optional<Terminal> DefinedDefaultTerminal(const Settings& settings) {
    if (!settings.DefaultDefined)
        return std::nullopt;
    return DefaultTerminal(settings);
}

void ApplyDefaultTerminal(const Settings& settings, Terminal& a, Terminal& b) {
    if (settings.DefaultDefined) {
        if (a.Prefix == kDefaultPrefix || a.Prefix.empty())
            a = DefaultTerminal(settings);
        if (b.Prefix == kDefaultPrefix) {
            const Terminal d = DefaultTerminal(settings);
            b.LatitudeText = d.LatitudeText;
            b.LongitudeText = d.LongitudeText;
            b.Name = d.Name;
        }
        return;
    }
    if (a.Prefix == kDefaultPrefix)
        a = Terminal{};
    if (b.Prefix == kDefaultPrefix)
        b = Terminal{};
}

void ApplyStartupDefaultTerminal(const Settings& settings, Terminal& a) {
    if (settings.DefaultDefined)
        a = DefaultTerminal(settings);
}
