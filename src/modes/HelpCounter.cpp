#include "modes/HelpCounter.h"

#include <cctype>
#include <climits>
#include <cstdint>

#include "platform/FileIo.h"
#include "platform/HostPath.h"

int HelpCounter::Parse(const std::string& text) {
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    if (at >= text.size() || !std::isdigit(static_cast<unsigned char>(text[at])))
        return 1;
    int64_t value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        value = value * 10 + (text[at] - '0');
        // A number too big for the counter is not a count this game wrote.
        if (value > INT_MAX)
            return 1;
    }
    // The game writes 2 and up; zero or less is not a count it wrote either.
    if (negative || value < 1)
        return 1;
    return static_cast<int>(value);
}

int HelpCounter::ReadAndRaise(const std::string& gamePath) {
    std::string path = HostPath(gamePath);
    std::optional<std::string> text = ReadWholeFile(path, 64);
    int count = text ? Parse(*text) : 1;
    // Saturate rather than overflow: past two billion games the help is long gone.
    int next = count == INT_MAX ? count : count + 1;
    WriteFileAtomically(path, std::to_string(next));
    return count;
}
