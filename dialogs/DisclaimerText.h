#pragma once
// The disclaimer's words, once: the Disclaimer dialog shows them as one paragraph with the middle
// run bold, and every printed page carries them as plain text, so the two never disagree. No Qt:
// each run is marked for translation and translated where it is shown, in the context
// "Disclaimer".

#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace plumcrest::dialogs {

inline constexpr std::string_view kDisclaimerLead = QT_TRANSLATE_NOOP(
    "Disclaimer", "Though effort was made to ensure the accuracy of these calculations, ");
// Shown bold.
inline constexpr std::string_view kDisclaimerWarranty = QT_TRANSLATE_NOOP(
    "Disclaimer",
    "there is NO WARRANTY,  expressed or implied, for the accuracy or applicability of this "
    "information to your particular financial question.");
inline constexpr std::string_view kDisclaimerAdvice = QT_TRANSLATE_NOOP(
    "Disclaimer", "  Consult your financial advisor before making any financial decision.");

// The three runs as one sentence with single blanks: the dialog's double blanks, kept there by
// its layout, would read as gaps on paper.
inline std::string DisclaimerSentence(std::string_view lead = kDisclaimerLead,
                                      std::string_view warranty = kDisclaimerWarranty,
                                      std::string_view advice = kDisclaimerAdvice) {
    std::string sentence;
    for (const std::string_view run : {lead, warranty, advice}) {
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
