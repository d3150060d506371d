#pragma once
// The saved-values file: the thirteen inputs of the last completed calculation and the run flag,
// in sections "LastValues" (keys, order and defaults from kLoanInputFields) and "GeneralValues"
// (key "Run"). Floating values are written in the general 15-digit format with the user's decimal
// separator; the separator is always an argument, nothing here reads a locale. No Qt.

#include "LoanPipeline.h"

#include <stdexcept>
#include <string>

namespace plumcrest {

// "Unable to write to %s", with the file's full path.
class ProfileWriteError : public std::runtime_error {
public:
    explicit ProfileWriteError(const std::string& path);
};

inline constexpr const char* kSavedValuesSubfolder = "/Quillmore Financial Software/Plumcrest/";
inline constexpr const char* kSavedValuesFileName = "Plumcrest.ini";
inline constexpr const char* kLastValuesSection = "LastValues";
inline constexpr const char* kGeneralValuesSection = "GeneralValues";
inline constexpr const char* kRunKey = "Run";
// The language the windows show: "System", "English" or "Spanish".
inline constexpr const char* kDisplaySection = "Display";
inline constexpr const char* kLanguageKey = "Language";

// The application-data folder (no trailing separator) followed by the subfolder and file name.
// An empty folder (the query failed) gives an empty path: nothing loads, every save fails.
std::string SavedValuesPath(const std::string& appDataFolder);

struct SavedValues {
    LoanInputs inputs;
    bool run = false;
};

// Never fails: a missing file, key or malformed value gives that key's default, and so does a
// value that its field's mask cannot show whole. A value is read with the given decimal
// separator, or with "." or "," (a file written under another locale).
SavedValues LoadSavedValues(const std::string& path, char32_t decimalSeparator);

// Creates the folder when missing and replaces the file in one step, keeping whatever else it
// holds. Throws ProfileWriteError when the file cannot be written; the old file then stays as it
// was.
void SaveValuesAtExit(const std::string& path, const LoanInputs& inputs, bool run,
                      char32_t decimalSeparator);

// The kept language choice; empty when none is kept.
std::string LoadDisplayLanguage(const std::string& path);

// Keeps the language choice, leaving the rest of the file as it is. Throws ProfileWriteError when
// the file cannot be written.
void SaveDisplayLanguage(const std::string& path, const std::string& language);

} // namespace plumcrest
