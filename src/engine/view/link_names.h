#pragma once

#include <string>
#include <string_view>

namespace kelvor::engine {

// What a link target is read against.
struct LinkNameContext {
    std::string currentFile;  // the file shown
    std::string base;         // the page's BASE HREF, or empty
    std::string serverRoot;   // folder put in front of names that start at the root
};

// Turns a link target into a full file path on this system. A URL of another scheme comes back
// unchanged; "file:" forms lose their prefix and keep their root; backslashes count as "/"; a
// name starting with "/" is absolute (below `serverRoot` when set); any other name lies in the
// folder of the base (unless the base is empty or "DosPath") or else of the current file.
std::string ExpandLinkNameOnPosix(std::string_view name, const LinkNameContext& context);

// "." and ".." steps resolved, repeated "/" joined; ".." never climbs above the root.
std::string NormalizedPath(std::string_view path);

// The folder part of a path, with its final "/" (empty when there is none).
std::string FolderOf(std::string_view path);

// The extension of the file named by a path, from its last ".", upper-cased and cut to five
// characters (".HTML"); empty when the name has none.
std::string UpperExtension(std::string_view path);

}  // namespace kelvor::engine
