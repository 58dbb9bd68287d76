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
    // One document put on screen by a load or a reload, with the default font it was shown in.
    struct Shown {
        std::string file;
        bool plainText = false;
        int fontSize = 0;
        std::string fontName;
    };

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
    void CopySelection() override;
    void PrintRange(int firstPage, int lastPage) override;
    void SetSize(int width, int height) override;

    unsigned background() const { return background_; }
    // The file on screen; empty after ClearDocument until the next load.
    const std::string& currentFile() const { return currentFile_; }
    // One line per request, for example "LoadHtmlFile /tmp/kelvor.htm".
    const std::vector<std::string>& requests() const { return requests_; }
    const std::vector<Shown>& shown() const { return shown_; }

  private:
    void load(const std::string& verb, const std::string& path, bool plainText);
    void show();

    const platform::FileSystem& files_;
    int fontSize_ = 12;
    std::string fontName_ = "Times New Roman";
    unsigned background_ = 0x8000000F;  // the system's button face until set
    std::string currentFile_;
    bool plainText_ = false;
    std::vector<std::string> requests_;
    std::vector<Shown> shown_;
};

}  // namespace kelvor
