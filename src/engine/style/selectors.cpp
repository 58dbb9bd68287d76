#include "engine/style/selectors.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

#include "engine/text/text_utils.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

std::vector<std::string> SplitClasses(std::string_view classKey) {
    std::vector<std::string> classes;
    if (classKey.empty())
        return classes;
    for (std::string_view part : Split(classKey, '.')) {
        if (!part.empty())
            classes.emplace_back(part);
    }
    std::sort(classes.begin(), classes.end());
    return classes;
}

std::string JoinClasses(const std::vector<std::string>& classes) {
    std::string key;
    for (const std::string& name : classes)
        key += "." + name;
    return key;
}

// FNV-1a over a kind mark and the name, folded to one of 64 bits.
std::uint64_t Bit(char kind, std::string_view name) {
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&](char c) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    };
    mix(kind);
    for (char c : name)
        mix(c);
    return std::uint64_t{1} << (hash % 64);
}

// Keys in order of first addition. An element has a handful of keys, found by a glance along
// the list; one with hundreds of classes has thousands, and a set keeps that linear.
struct KeyList {
    static constexpr std::size_t kGlance = 16;
    std::vector<std::string> keys;
    std::unordered_set<std::string> seen;  // every key, once there are more than kGlance
};

void AddUnique(KeyList& list, std::string key) {
    if (list.keys.size() < KeyList::kGlance) {
        if (std::find(list.keys.begin(), list.keys.end(), key) == list.keys.end())
            list.keys.push_back(std::move(key));
        return;
    }
    if (list.seen.empty())
        list.seen.insert(list.keys.begin(), list.keys.end());
    if (list.seen.insert(key).second)
        list.keys.push_back(std::move(key));
}

}  // namespace

SimpleSelector ParseSimpleSelector(std::string_view text) {
    SimpleSelector selector;
    char kind = 't';
    std::string current;
    const auto flush = [&] {
        switch (kind) {
            case 't':
                selector.tag = current;
                break;
            case '.':
                if (!current.empty())
                    selector.classes.push_back(current);
                break;
            case ':':
                // "::link" style keys keep their own form; a second ":" joins the name.
                selector.pseudo = current;
                break;
            case '#':
                selector.id = current;
                break;
            default:
                break;
        }
        current.clear();
    };
    for (char c : text) {
        if (c == '.' || c == ':' || c == '#') {
            if (c == ':' && kind == ':' && current.empty()) {
                continue;
            }
            flush();
            kind = c;
        } else {
            current += c;
        }
    }
    flush();
    std::sort(selector.classes.begin(), selector.classes.end());
    return selector;
}

std::string SimpleSelectorKey(const SimpleSelector& selector) {
    std::string key = selector.tag + JoinClasses(selector.classes);
    if (!selector.pseudo.empty())
        key += ":" + selector.pseudo;
    if (!selector.id.empty())
        key += "#" + selector.id;
    return key;
}

std::optional<ParsedSelector> ParseSelector(std::string_view raw) {
    std::string text = ascii::LowerCased(raw);
    std::replace(text.begin(), text.end(), '*', ' ');
    // Tokens: compound selectors and ">" combinators.
    std::vector<std::string> tokens;
    std::string current;
    const auto flush = [&] {
        if (!current.empty())
            tokens.push_back(current);
        current.clear();
    };
    for (char c : text) {
        if (c == '>') {
            flush();
            tokens.emplace_back(">");
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            flush();
        } else {
            current += c;
        }
    }
    flush();
    // Walk from the last compound backwards; a ">" marks the part before it as the parent.
    std::vector<std::pair<std::string, bool>> parts;  // compound, child-of-next
    bool pendingChild = false;
    for (auto it = tokens.rbegin(); it != tokens.rend(); ++it) {
        if (*it == ">") {
            pendingChild = true;
            continue;
        }
        parts.emplace_back(*it, pendingChild);
        pendingChild = false;
    }
    if (parts.empty())
        return std::nullopt;
    ParsedSelector selector;
    selector.key = SimpleSelectorKey(ParseSimpleSelector(parts.front().first));
    if (selector.key.empty())
        return std::nullopt;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        AncestorPart part;
        part.selector = ParseSimpleSelector(parts[i].first);
        part.child = parts[i].second;
        selector.ancestors.push_back(std::move(part));
    }
    return selector;
}

std::string StyleListKey(const ParsedSelector& selector, int sequence) {
    if (selector.ancestors.empty())
        return selector.key;
    char number[32];
    std::snprintf(number, sizeof(number), " %zu %06d", selector.ancestors.size(), sequence);
    std::string key = selector.key + number;
    for (const AncestorPart& part : selector.ancestors) {
        key += part.child ? " >" : " ";
        key += SimpleSelectorKey(part.selector);
    }
    return key;
}

bool Matches(const SimpleSelector& selector, const ElementIdentity& element) {
    if (!selector.tag.empty() && selector.tag != element.tag)
        return false;
    if (!selector.pseudo.empty() && selector.pseudo != element.pseudo)
        return false;
    if (!selector.id.empty() && selector.id != element.id)
        return false;
    const std::vector<std::string> classes = SplitClasses(element.classKey);
    return std::all_of(selector.classes.begin(), selector.classes.end(), [&](const auto& name) {
        return std::binary_search(classes.begin(), classes.end(), name);
    });
}

std::uint64_t IdentityBits(const ElementIdentity& element) {
    std::uint64_t bits = 0;
    if (!element.tag.empty())
        bits |= Bit('t', element.tag);
    if (!element.id.empty())
        bits |= Bit('#', element.id);
    for (std::string_view name : Split(element.classKey, '.')) {
        if (!name.empty())
            bits |= Bit('.', name);
    }
    return bits;
}

std::uint64_t RequiredBits(const std::vector<AncestorPart>& parts) {
    std::uint64_t bits = 0;
    for (const AncestorPart& part : parts) {
        if (!part.selector.tag.empty())
            bits |= Bit('t', part.selector.tag);
        if (!part.selector.id.empty())
            bits |= Bit('#', part.selector.id);
        for (const std::string& name : part.selector.classes)
            bits |= Bit('.', name);
    }
    return bits;
}

std::vector<std::string> CascadeKeys(std::string_view tagView, std::string_view classKey,
                                     std::string_view idView, std::string_view pseudoView,
                                     bool isAnchor) {
    const std::string tag(tagView);
    const std::string pseudo = pseudoView.empty() ? "" : ":" + std::string(pseudoView);
    const std::string id = idView.empty() ? "" : "#" + std::string(idView);
    const std::vector<std::string> classes = SplitClasses(classKey);
    const std::string allClasses = JoinClasses(classes);

    KeyList keys;
    // Every form that carries the classes: each single class first, then all of them.
    const auto withClasses = [&](const std::string& before, const std::string& after) {
        if (classes.size() > 1) {
            for (const std::string& name : classes)
                AddUnique(keys, before + "." + name + after);
        }
        AddUnique(keys, before + allClasses + after);
    };

    if (isAnchor && !pseudo.empty())
        AddUnique(keys, ":" + pseudo);
    if (!tag.empty())
        AddUnique(keys, tag);
    if (!pseudo.empty())
        AddUnique(keys, pseudo);
    if (!classes.empty()) {
        withClasses("", "");
        if (!tag.empty())
            withClasses(tag, "");
    }
    if (!pseudo.empty()) {
        if (!tag.empty())
            AddUnique(keys, tag + pseudo);
        if (!classes.empty()) {
            withClasses("", pseudo);
            if (!tag.empty())
                withClasses(tag, pseudo);
        }
    }
    if (!id.empty()) {
        AddUnique(keys, id);
        if (!tag.empty())
            AddUnique(keys, tag + id);
        if (!classes.empty()) {
            withClasses("", id);
            if (!tag.empty())
                withClasses(tag, id);
        }
        if (!pseudo.empty()) {
            AddUnique(keys, pseudo + id);
            if (!tag.empty())
                AddUnique(keys, tag + pseudo + id);
            if (!classes.empty()) {
                withClasses("", pseudo + id);
                if (!tag.empty())
                    withClasses(tag, pseudo + id);
            }
        }
    }
    return std::move(keys.keys);
}

}  // namespace kelvor::engine
