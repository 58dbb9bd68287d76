#include "kelvor/recording_display.h"

namespace kelvor {

void RecordingDisplay::ClearDocument() {
    currentFile_.clear();
    requests_.push_back("ClearDocument");
}

void RecordingDisplay::show() {
    shown_.push_back(Shown{currentFile_, plainText_, fontSize_, fontName_});
}

void RecordingDisplay::load(const std::string& verb, const std::string& path, bool plainText) {
    if (path.empty()) {
        return;
    }
    if (!files_.exists(path)) {
        throw MissingFileError(path);
    }
    currentFile_ = path;
    plainText_ = plainText;
    requests_.push_back(verb + " " + path);
    show();
}

void RecordingDisplay::LoadHtmlFile(const std::string& path) {
    load("LoadHtmlFile", path, false);
}

void RecordingDisplay::LoadPlainTextFile(const std::string& path) {
    load("LoadPlainTextFile", path, true);
}

void RecordingDisplay::ReloadDocument() {
    requests_.push_back("ReloadDocument");
    if (currentFile_.empty()) {
        return;
    }
    if (!files_.exists(currentFile_)) {
        throw MissingFileError(currentFile_);
    }
    show();
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

void RecordingDisplay::CopySelection() {
    requests_.push_back("CopySelection");
}

void RecordingDisplay::PrintRange(int firstPage, int lastPage) {
    requests_.push_back("PrintRange " + std::to_string(firstPage) + " " + std::to_string(lastPage));
}

void RecordingDisplay::SetSize(int width, int height) {
    requests_.push_back("Size " + std::to_string(width) + " " + std::to_string(height));
}

}  // namespace kelvor
