#pragma once
// The disclaimer's words, once: the Disclaimer dialog shows them as one paragraph with the middle
// run bold, and every printed page carries them as plain text, so the two never disagree. No Qt.

#include <string>
#include <string_view>

namespace plumcrest::dialogs {

inline constexpr std::string_view kDisclaimerLead =
    "Though effort was made to ensure the accuracy of these calculations, ";
// Shown bold.
inline constexpr std::string_view kDisclaimerWarranty =
    "there is NO WARRANTY,  expressed or implied, for the accuracy or applicability of this "
    "information to your particular financial question.";
inline constexpr std::string_view kDisclaimerAdvice =
    "  Consult your financial advisor before making any financial decision.";

// The three runs as one sentence with single blanks: the dialog's double blanks, kept there by
// its layout, would read as gaps on paper.
inline std::string DisclaimerSentence() {
    std::string sentence;
    for (const std::string_view run : {kDisclaimerLead, kDisclaimerWarranty, kDisclaimerAdvice}) {
        for (const char c : run) {
            if (c != ' ' || (!sentence.empty() && sentence.back() != ' ')) {
                sentence += c;
            }
        }
    }
    while (!sentence.empty() && sentence.back() == ' ') {
        sentence.pop_back();
    }
    return sentence;
}

} // namespace plumcrest::dialogs
