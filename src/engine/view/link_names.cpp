#include "engine/view/link_names.h"

#include <vector>

#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

// Removes the first "file:" form of a name that holds a "/". Windows names keep their drive
// after the prefix; here the path's root is the slash that follows it, so "file:///p" and
// "file:/p" both give "/p". "file://host/p" loses the prefix whole, as it always did. Returns
// whether a prefix was removed.
bool RemoveFilePrefix(std::string& name) {
    if (name.find('/') == std::string::npos) {
        return false;
    }
    const std::string lower = ascii::LowerCased(name);
    if (std::size_t at = lower.find("file:///"); at != std::string::npos) {
        name.replace(at, 8, "/");
        return true;
    }
    if (std::size_t at = lower.find("file://"); at != std::string::npos) {
        name.erase(at, 7);
        return true;
    }
    if (std::size_t at = lower.find("file:/"); at != std::string::npos) {
        name.replace(at, 6, "/");
        return true;
    }
    return false;
}

}  // namespace

std::string NormalizedPath(std::string_view path) {
    const bool absolute = !path.empty() && path.front() == '/';
    std::vector<std::string_view> steps;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        const std::string_view step = path.substr(start, end - start);
        if (step == "..") {
            if (!steps.empty() && steps.back() != "..") {
                steps.pop_back();
            } else if (!absolute) {
                steps.push_back(step);
            }
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        start = end + 1;
    }
    std::string result = absolute ? "/" : "";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (i > 0) {
            result += '/';
        }
        result += steps[i];
    }
    // A name that ended in a folder keeps saying so.
    if (!steps.empty() && path.size() > 1 && path.back() == '/') {
        result += '/';
    }
    return result;
}

std::string FolderOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string UpperExtension(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return {};
    }
    return ascii::UpperCased(path.substr(dot, 5));
}

std::string ExpandLinkNameOnPosix(std::string_view name, const LinkNameContext& context) {
    const std::size_t scheme = name.find("://");
    if (scheme != std::string_view::npos && scheme >= 1 &&
        !ascii::ContainsIgnoringCase(name, "file://")) {
        return std::string(name);
    }
    std::string result(ascii::TrimSpacesAndControls(name));
    const bool fromFileUrl = RemoveFilePrefix(result);
    for (char& c : result) {
        if (c == '\\') {
            c = '/';
        }
    }
    const bool rooted = !result.empty() && result.front() == '/';
    if (rooted && !fromFileUrl && !context.serverRoot.empty()) {
        result = context.serverRoot + result;
    }
    if (!result.empty() && result.front() == '/') {
        return NormalizedPath(result);
    }
    std::string folder;
    if (!context.base.empty() && !ascii::EqualsIgnoringCase(context.base, "DosPath")) {
        std::string base = context.base;
        for (char& c : base) {
            if (c == '\\') {
                c = '/';
            }
        }
        folder = FolderOf(base);
    } else {
        folder = FolderOf(context.currentFile);
    }
    return NormalizedPath(folder + result);
}

}  // namespace kelvor::engine
