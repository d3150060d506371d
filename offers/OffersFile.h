#pragma once
// A file of offers a buyer hands to a partner or an adviser, or takes to another computer, and
// another copy of the program opens and merges into its own kept offers.
//
// The file is UTF-8 JSON:
//
//   {"format": "Plumcrest offers", "version": 1,
//    "comparison": {"yearsToKeep": 7, "savingsPercent": 4.0},
//    "offers": [{"name": "...", "keptAt": "2026-12-09T07:43:49.123Z",
//                "estimate": {"loan_type": "fha", "price": 310000, ..., "costs": [
//                    {"section": "A", "label": "...", "amount": 425, "financeCharge": true}]}}]}
//
// The estimate's figures are named as the columns of the offers file (EstimateFields.h), which
// never change once shipped; choices by their stored word; an optional figure not given is left
// out. A reader of version 1 ignores keys it does not know, so a later version may add figures
// without raising the version; the version goes up only when a version-1 reader would read the
// file wrong, and such a file is refused, never half read.
//
// An offer's identity is the moment it was first kept together with its Loan Estimate: a file
// opened twice, or opened back where it was written, adds nothing, and a renamed copy is the same
// offer. An offer whose figures were changed since is another offer and is added beside the first.
//
// Reading is bounded: the file's size, the number of offers and, for each, what OfferLimits.h
// allows are checked before anything is kept, and every figure must be one the offer editor
// could have given. A file that fails any check is refused whole, with the reason.

#include "KeptOffer.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

namespace plumcrest::offers {

inline constexpr int kOffersFileVersion = 1;
// The name's ending, without the dot, and the name of the kind for file dialogs.
inline constexpr const char* kOffersFileSuffix = "plumcrest-offers";

struct OffersFile {
    std::vector<store::KeptOffer> offers; // ids are 0: they are the store's own
    std::optional<int> yearsToKeep;
    std::optional<double> savingsPercent;
};

struct OffersFileReading {
    std::optional<OffersFile> file;
    QString problem; // for the user, when the file was refused
};

class OffersFileText {
    Q_DECLARE_TR_FUNCTIONS(plumcrest::offers::OffersFile)

public:
    static QByteArray Write(const OffersFile& file);
    static OffersFileReading Parse(const QByteArray& bytes);
    // Reads at most the largest file allowed; a folder, a pipe or a device is refused unread.
    static OffersFileReading Read(const QString& path);
    // Written whole or not at all (the old file, if any, stays as it was). Empty on success,
    // else why not.
    static QString Save(const QString& path, const OffersFile& file);
};

// Whether two offers are the same one (see above): kept at the same moment, the same estimate.
bool SameOffer(const store::KeptOffer& a, const store::KeptOffer& b);
// The offers of `incoming` that `kept` does not hold, each once, in the file's order.
std::vector<store::KeptOffer> OffersToAdd(const std::vector<store::KeptOffer>& kept,
                                          const std::vector<store::KeptOffer>& incoming);

} // namespace plumcrest::offers
