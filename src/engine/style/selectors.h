#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvor::engine {

// One compound selector (p.a.b:hover#x) in parts.
struct SimpleSelector {
    std::string tag;
    std::vector<std::string> classes;  // sorted
    std::string pseudo;
    std::string id;
};

// An ancestor part of a descendant or child selector.
struct AncestorPart {
    SimpleSelector selector;
    bool child = false;  // must be the direct parent of the element matched before it
};

// A selector as stored in the style list: the key of its last compound selector and its
// ancestor parts, nearest first.
struct ParsedSelector {
    std::string key;
    std::vector<AncestorPart> ancestors;
};

// The key of a compound selector: tag, classes each after ".", pseudo-class after ":", ID after
// "#", with the classes sorted ("p.b.a" -> "p.a.b").
std::string SimpleSelectorKey(const SimpleSelector& selector);
SimpleSelector ParseSimpleSelector(std::string_view text);

// Reads one selector of a rule: lower-cased, trimmed, "*" read as a blank, ">" as the child
// combinator. Returns nothing for an empty selector.
std::optional<ParsedSelector> ParseSelector(std::string_view text);

// The style-list key of a selector with ancestors: its own key, a blank, the number of ancestor
// parts, a blank, the sequence number and the ancestor parts nearest first (child parts with a
// leading ">"). A selector without ancestors keeps its own key.
std::string StyleListKey(const ParsedSelector& selector, int sequence);

// The element as the matching of ancestor parts sees it.
struct ElementIdentity {
    std::string_view tag;
    std::string_view classKey;  // sorted classes joined by "."
    std::string_view id;
    std::string_view pseudo;
};
bool Matches(const SimpleSelector& selector, const ElementIdentity& element);

// A quick sieve before the full match of ancestor parts: every tag, class and ID sets one of 64
// bits. Ancestor parts whose bits are not all among the bits of the element's ancestors cannot
// match; parts whose bits are may still fail the full match.
std::uint64_t IdentityBits(const ElementIdentity& element);
std::uint64_t RequiredBits(const std::vector<AncestorPart>& parts);

// The keys under which style rules for an element are stored, in cascade order (see
// TProperties::combine). `isAnchor` adds the built-in link-state key first.
std::vector<std::string> CascadeKeys(std::string_view tag, std::string_view classKey,
                                     std::string_view id, std::string_view pseudo, bool isAnchor);

}  // namespace kelvor::engine
