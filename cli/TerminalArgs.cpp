#include "cli/TerminalArgs.h"

#include "core/Utf8Text.h"
#include "settings/DefaultTerminal.h"

TerminalOptions TakeTerminalOptions(ArgList& args, std::string_view letter) {
    TerminalOptions result;
    const std::string name(letter);
    const std::string upper = name == "a" ? "A" : "B";
    result.letter = name;
    const std::optional<std::string> prefix = args.Value(name);
    const std::optional<std::string> lat = args.Value(name + "-lat");
    const std::optional<std::string> lon = args.Value(name + "-lon");
    result.name = args.Value(name + "-name");

    if (prefix && (lat || lon))
        result.usageProblem = "give terminal " + upper + " either as --" + name +
                              " PREFIX or as --" + name + "-lat and --" + name + "-lon";
    else if (!prefix && !lat && !lon)
        result.usageProblem = "terminal " + upper + " is missing: give --" + name +
                              " PREFIX|LOCATOR|DEFAULT or --" + name + "-lat LAT --" + name +
                              "-lon LON";
    else if (!prefix && (!lat || !lon))
        result.usageProblem =
            "terminal " + upper + " needs both --" + name + "-lat and --" + name + "-lon";
    else if (prefix)
        result.typed.prefix = result.given = *prefix;
    else
        result.typed = {kManualPrefix, *lat, *lon, result.name.value_or("")};
    return result;
}

TerminalArgs ResolveTerminalOptions(const TerminalOptions& options, const Atlas* atlas,
                                    const Settings& settings, const CountryFile* countries) {
    TerminalArgs result;
    const char letter = options.letter == "a" ? 'A' : 'B';
    const ResolvedTerminal resolved = ResolveTerminal(
        options.typed, letter, {atlas, DefinedDefaultTerminal(settings), countries});
    if (!resolved) {
        result.problemKind = resolved.problem;
        std::string head = "--" + options.letter + " '" + options.given + "': ";
        if (resolved.problem == TerminalProblem::Latitude)
            head = "--" + options.letter + "-lat '" + options.typed.latitude + "': ";
        else if (resolved.problem == TerminalProblem::Longitude)
            head = "--" + options.letter + "-lon '" + options.typed.longitude + "': ";
        // A syntax error keeps the window's lines below its first one.
        result.problem = head + (resolved.message.kind == MessageKind::SyntaxError
                                     ? DisplayText(resolved.message)
                                     : OneLineText(resolved.message));
        return result;
    }
    result.ok = true;
    result.terminal = resolved.terminal;
    result.matchText = resolved.matchText;
    if (options.name)
        result.terminal.Name = CutText(*options.name, kNameCapacity);
    // A locator without a name goes by its locator, as in the windows and a batch run.
    NameLocatorTerminal(result.terminal);
    // The name is printed in every output: a control character from --a-name or from a
    // damaged settings file is shown as "?", never acted on by a terminal.
    result.terminal.Name = WithoutControlCharacters(result.terminal.Name);
    return result;
}
