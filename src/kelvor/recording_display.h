#pragma once

#include <string>
#include <vector>

#include "kelvor/display_control.h"
#include "platform/file_system.h"

namespace kelvor {

// Stands in for the display control where no window exists (headless runs and tests): it keeps
// the settings it is given and records every request, and checks loads against the file system
// so a missing file fails as it would on screen.
class RecordingDisplay : public DisplayControl {
  public:
    explicit RecordingDisplay(const platform::FileSystem& files) : files_(files) {}

    void ClearDocument() override;
    void LoadHtmlFile(const std::string& path) override;
    void LoadPlainTextFile(const std::string& path) override;
    void ReloadDocument() override;
    int DefFontSize() const override { return fontSize_; }
    void SetDefFontSize(int points) override;
    std::string DefFontName() const override { return fontName_; }
    void SetDefFontName(const std::string& name) override;
    void SetDefBackground(unsigned colour) override;

    unsigned background() const { return background_; }
    const std::string& currentFile() const { return currentFile_; }
    // One line per request, for example "LoadHtmlFile /tmp/kelvor.htm".
    const std::vector<std::string>& requests() const { return requests_; }

  private:
    void load(const std::string& verb, const std::string& path);

    const platform::FileSystem& files_;
    int fontSize_ = 12;
    std::string fontName_ = "Times New Roman";
    unsigned background_ = 0x8000000F;  // the system's button face until set
    std::string currentFile_;
    std::vector<std::string> requests_;
};

}  // namespace kelvor
