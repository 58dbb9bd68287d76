#include "kelvor/recording_display.h"

namespace kelvor {

void RecordingDisplay::ClearDocument() {
    requests_.push_back("ClearDocument");
}

void RecordingDisplay::load(const std::string& verb, const std::string& path) {
    if (path.empty()) {
        return;
    }
    if (!files_.exists(path)) {
        throw MissingFileError(path);
    }
    currentFile_ = path;
    requests_.push_back(verb + " " + path);
}

void RecordingDisplay::LoadHtmlFile(const std::string& path) {
    load("LoadHtmlFile", path);
}

void RecordingDisplay::LoadPlainTextFile(const std::string& path) {
    load("LoadPlainTextFile", path);
}

void RecordingDisplay::ReloadDocument() {
    requests_.push_back("ReloadDocument");
}

void RecordingDisplay::SetDefFontSize(int points) {
    fontSize_ = points;
    requests_.push_back("DefFontSize " + std::to_string(points));
}

void RecordingDisplay::SetDefFontName(const std::string& name) {
    fontName_ = name;
    requests_.push_back("DefFontName " + name);
}

void RecordingDisplay::SetDefBackground(unsigned colour) {
    background_ = colour;
    requests_.push_back("DefBackground " + std::to_string(colour));
}

}  // namespace kelvor
