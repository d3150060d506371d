#include "SavedValues.h"

#include "NumberText.h"
#include "PictureMask.h"
#include "Profile.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace plumcrest {
namespace {

std::optional<double> ReadFloat(const profile::ProfileFile& file, const LoanInputField& field,
                                char32_t decimalSeparator) {
    const std::string text = file.Read(kLastValuesSection, field.key, "");
    if (text.empty())
        return std::nullopt;
    // The file may have been written under another locale; it never holds a group separator,
    // so "." and "," can only be the decimal separator. A text with both stays malformed.
    auto value = ParseFloat(text, decimalSeparator);
    for (const char32_t other : {U'.', U','})
        if (!value && other != decimalSeparator)
            value = ParseFloat(text, other);
    // A value its field cannot show whole would load as a different number: treat it as
    // malformed.
    if (!value || !FitsMask(*value, AnalyseMask(MaskText(field.mask))))
        return std::nullopt;
    return value;
}

std::optional<std::uint32_t> ParseHex(std::string_view digits) {
    std::uint32_t value = 0;
    const auto end = digits.data() + digits.size();
    const auto result = std::from_chars(digits.data(), end, value, 16);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

bool ParseProfileBool(std::string_view text, bool defaultValue) {
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const auto value = ParseHex(text.substr(2));
        return value ? *value != 0 : defaultValue;
    }
    const auto value = ParseInt32(text);
    return value ? *value != 0 : defaultValue;
}

} // namespace

ProfileWriteError::ProfileWriteError(const std::string& path)
    : std::runtime_error("Unable to write to " + path) {}

std::string SavedValuesPath(const std::string& appDataFolder) {
    if (appDataFolder.empty())
        return {};
    return appDataFolder + kSavedValuesSubfolder + kSavedValuesFileName;
}

SavedValues LoadSavedValues(const std::string& path, char32_t decimalSeparator) {
    const profile::ProfileFile file(path);
    SavedValues saved;
    for (const auto& field : kLoanInputFields)
        saved.inputs.*field.member =
            ReadFloat(file, field, decimalSeparator).value_or(field.defaultValue);
    saved.run = ParseProfileBool(file.Read(kGeneralValuesSection, kRunKey, ""), false);
    return saved;
}

void SaveValuesAtExit(const std::string& path, const LoanInputs& inputs, bool run,
                      char32_t decimalSeparator) {
    if (path.empty())
        throw ProfileWriteError(path);
    // No installer makes the folder; a failure here shows up as the write error below.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);

    profile::ProfileFile file(path);
    bool ok = true;
    for (const auto& field : kLoanInputFields)
        ok = ok && file.Set(kLastValuesSection, field.key,
                            FormatGeneral15(inputs.*field.member, decimalSeparator));
    ok = ok && file.Set(kGeneralValuesSection, kRunKey, run ? "1" : "0");
    if (!ok || !file.Commit())
        throw ProfileWriteError(path);
}

std::string LoadDisplayLanguage(const std::string& path) {
    if (path.empty())
        return {};
    return profile::ProfileFile(path).Read(kDisplaySection, kLanguageKey, "");
}

void SaveDisplayLanguage(const std::string& path, const std::string& language) {
    if (path.empty())
        throw ProfileWriteError(path);
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    profile::ProfileFile file(path);
    if (!file.Set(kDisplaySection, kLanguageKey, language) || !file.Commit())
        throw ProfileWriteError(path);
}

} // namespace plumcrest
