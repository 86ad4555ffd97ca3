#pragma once

#include <string>

#include "Settings.h"

namespace orgola {

// The settings file's name in the base directory.
inline constexpr const char* kSettingsFileName = "orgola_s.ini";

// Applies the settings file's 13 lines to settings, in order: width, height, left, top; then
// for RB2313, RB45, RBtomori, RBhidaspx, RBakarui, RBkurai, RBsinai the exact text "TRUE"
// checks that option (and so clears the others of its group), any other text changes nothing;
// then the repeat count and delay texts, taken as they are. Missing lines read as empty text,
// lines after the 13th are ignored.
// Throws Error::file when the file cannot be read, and Error::notInteger at the first of lines
// 1 to 4 that is no integer; the lines before the failure stay applied, the rest are not.
void loadSettings(const std::string& path, Settings& settings);

// Writes the 13 lines of the settings file ("TRUE"/"FALSE" for the options, the texts
// unchanged). Throws Error::file; a failed save leaves the previous file as it was.
void saveSettings(const std::string& path, const Settings& settings);

}  // namespace orgola
