#pragma once
// Shared helpers of the picture-mask tests: the page's masks, the separator pairs they run under,
// and readable failure output for char32_t texts.

#include "PictureMask.h"

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

namespace plumcrest::test {

inline const std::u32string kMoneyMask = U"##,###,###.##";
inline const std::u32string kRateMask = U"###.####";
inline const std::u32string kYearsMask = U"###";

struct SeparatorCase {
    const char* name;
    LocaleSeparators separators;
};

// "." / "," as in English, "," / "." as in German, "," / narrow no-break space as in French.
inline std::vector<SeparatorCase> AllSeparators() {
    return {{"dot_comma", {U'.', U','}},
            {"comma_dot", {U',', U'.'}},
            {"comma_nnbsp", {U',', U'\u202F'}}};
}

// An ASCII text written with "." and "," as the separators of the given pair. The mapping swaps
// characters; it does not run any of the code under test.
inline std::u32string Localised(std::string_view ascii, const LocaleSeparators& separators) {
    std::u32string text;
    for (char c : ascii) {
        text.push_back(c == '.'   ? separators.decimal
                       : c == ',' ? separators.thousands
                                  : static_cast<char32_t>(static_cast<unsigned char>(c)));
    }
    return text;
}

// UTF-8 for failure messages.
inline std::string Show(std::u32string_view text) {
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            char hex[8] = {};
            const auto end =
                std::to_chars(hex, hex + sizeof hex, static_cast<unsigned long>(c), 16);
            out += "<U+" + std::string(hex, end.ptr) + ">";
        }
    }
    return out;
}

} // namespace plumcrest::test
