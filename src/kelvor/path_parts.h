#pragma once

#include <string>

namespace kelvor {

// The folder part of a path, without its trailing separator (the root folder stays the
// separator itself); empty when the path names no folder.
std::string FolderOf(const std::string& path, char separator);
// The name part of a path: everything after the last separator.
std::string NameOf(const std::string& path, char separator);

}  // namespace kelvor
