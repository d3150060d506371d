#pragma once
// The maker's addresses. All live under reserved example domains, so nothing real is ever opened
// by mistake.

#include "Version.h"

#include <QCoreApplication>
#include <QString>
#include <array>

namespace plumcrest::sites {

inline const QString kWebSiteBase = QStringLiteral("https://www.quillmore.example");
// As shown to users; short enough for the status bar's 96-pixel link panel.
inline const QString kWebAddress = QStringLiteral("quillmore.example");
// The status bar's line when no hint is shown, in the language shown.
inline QString Tagline() {
    return QCoreApplication::translate(
        "plumcrest::TfrmMain", " www.quillmore.example - Calculators for careful home buyers");
}
inline const QString kSuggestionsMail = QStringLiteral("suggestions@quillmore.example");
inline const QString kSupportMail = QStringLiteral("support@quillmore.example");

inline const QString kReferralCode = QString::fromLatin1(version::kProductCode);
// The page that tells whether a newer version is out.
inline const QString kUpdatePage =
    kWebSiteBase + QStringLiteral("/updates/") + kReferralCode + QStringLiteral(".htm");

struct Site {
    const char* caption; // menu caption
    const char* address; // full address, the referral suffix appended when opened
};

// The maker's two further web sites.
inline constexpr std::array<Site, 2> kOtherSites{{
    {"&Calculator Corner ...", "https://calculators.quillmore.example/index.htm"},
    {"Home Buyer's &Notebook ...", "https://notebook.quillmore.example/index.htm"},
}};

// The maker's other products; the first one is retired and its menu item stays hidden.
inline constexpr std::array<Site, 6> kOtherProducts{{
    {"&Ledgerly ...", "https://www.quillmore.example/ledgerly.htm"},
    {"&Rentwise - Rent or Buy ...", "https://www.quillmore.example/rentwise.htm"},
    {"&Amortiza - Amortization Schedules ...", "https://www.quillmore.example/amortiza.htm"},
    {"Re&finery - Refinance Planner ...", "https://www.quillmore.example/refinery.htm"},
    {"&Budgetwell - Household Budget ...", "https://www.quillmore.example/budgetwell.htm"},
    {"&Savewise - Savings Goals ...", "https://www.quillmore.example/savewise.htm"},
}};

} // namespace plumcrest::sites
