#pragma once

#include <string>
#include <type_traits>
#include <vector>

namespace marovane {

// A text a player reads, as the plain layers hand it on: the English source with %1, %2, ...
// where values go, the context that groups it in the translation catalogues, and the values.
// The window shows it in the player's language; the command-line tool, files and network
// messages use the English form, so they read the same on every machine.
//
// Write texts with Tx("Context", "Source") and chain the values with Arg(): the catalogue tools
// find Tx calls whose two first arguments are string literals. A value may itself be a text,
// which is then translated as well (a team's name inside a victory message).
class Text {
public:
    Text() = default;

    const std::string& Context() const { return context_; }
    const std::string& Source() const { return source_; }
    const std::vector<Text>& Args() const { return args_; }
    // A value shown as it is: a number, a name, a file name.
    bool IsValue() const { return context_.empty(); }

    Text& Arg(const Text& value) &;
    Text& Arg(Text&& value) &;
    Text& Arg(const std::string& value) &;
    Text& Arg(const char* value) &;
    // (enable_if rather than a concept: Qt's moc reads this header and cannot parse <concepts>.)
    template <typename Number, std::enable_if_t<std::is_integral_v<Number>, int> = 0>
    Text& Arg(Number value) & {
        return Arg(std::to_string(value));
    }
    Text&& Arg(const Text& value) && { return std::move(Arg(value)); }
    Text&& Arg(Text&& value) && { return std::move(Arg(std::move(value))); }
    Text&& Arg(const std::string& value) && { return std::move(Arg(value)); }
    Text&& Arg(const char* value) && { return std::move(Arg(value)); }
    template <typename Number, std::enable_if_t<std::is_integral_v<Number>, int> = 0>
    Text&& Arg(Number value) && {
        return std::move(Arg(std::to_string(value)));
    }

    // The whole text in English, values put in.
    std::string English() const;

    bool operator==(const Text&) const = default;

private:
    friend Text Tx(const char* context, const char* source);
    friend Text Verbatim(std::string value);

    // Makes room for all the values the source has places for, when the first comes.
    void ReserveArgs();

    std::string context_;
    std::string source_;
    std::vector<Text> args_;
};

// A translatable text; see Text.
Text Tx(const char* context, const char* source);
// A text that is not translated: one from a file, a peer or the player.
Text Verbatim(std::string value);

// Puts values into a pattern's %1..%9 in one pass, so a value that itself holds "%1" stays as
// it is. A % not followed by a digit of a given value is kept.
std::string FillIn(const std::string& pattern, const std::vector<std::string>& values);

// Marks a source text for the catalogues where only the pointer is kept (a table of texts);
// Tx() with the same context and source then finds its translation.
#define MAROVANE_TEXT(context, source) source

} // namespace marovane
