#pragma once

#include <string>

#include "platform/text_file_reader.h"

namespace kelvor {

struct KelvorState;
struct Settings;

// The values every run starts from: date format "en", no zone name, the default labels. The font
// size and name are left alone; they keep what an earlier run read.
void ResetSettingDefaults(Settings& settings);

// Takes one line of kelvor.ini: when it starts with a key, stores that key's value (and logs the
// traced line of the four font, zone and date keys).
void ApplySettingsLine(KelvorState& state, const std::string& line);

// Reads kelvor.ini from its first line up to the first empty line or the end of the file.
void ReadSettingsLines(KelvorState& state, platform::TextFileReader& settingsFile);

}  // namespace kelvor
