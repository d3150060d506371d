// The desk's Closing Disclosure check: the form read in a reader process, matched to the kept
// offer whose Loan Estimate it answers, and shown in its window.

#include "CheckCommand.h"
#include "ClosingJson.h"
#include "ClosingWindow.h"
#include "CompareWindow.h"
#include "Guarded.h"
#include "OfferDesk.h"
#include "OfferStore.h"
#include "Services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <algorithm>
#include <cmath>

namespace plumcrest::offers {

bool OfferDesk::CheckClosingDisclosure(const QString& given) {
    QWidget* parent =
        compare_ && compare_->isActiveWindow() ? static_cast<QWidget*>(compare_) : mainWindow_;
    QString file = given;
    if (file.isEmpty()) {
        file = AskForClosingFile
                   ? AskForClosingFile(parent)
                   : QFileDialog::getOpenFileName(parent, tr("Check Closing Disclosure"), QString(),
                                                  tr("Closing Disclosures (*.pdf);;All files (*)"));
        if (file.isEmpty())
            return false;
    }
    const QString program = !readerProgram.isEmpty() ? readerProgram : closing::ReaderProgram();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const closing::ReaderRun run =
        closing::RunReader(program, QStringLiteral("--read-closing-disclosure"), file);
    QApplication::restoreOverrideCursor();
    const std::optional<reader::ClosingReading> reading =
        run.json ? reader::ClosingFromJson(*run.json) : std::nullopt;
    if (!reading) {
        Report(tr("The Closing Disclosure %1 cannot be checked. %2")
                   .arg(QFileInfo(file).fileName(),
                        run.problem.isEmpty() ? tr("The reader's answer could not be understood.")
                                              : run.problem));
        return false;
    }
    if (!StoreReady()) {
        Report(store_->Error());
        return false;
    }
    std::vector<store::KeptOffer> kept = store_->All();
    if (kept.empty()) {
        Report(tr("Keep the offer's Loan Estimate first (File > Import Loan Estimate...): the "
                  "Closing Disclosure is checked against it."));
        return false;
    }
    // The likeliest first: the same lender and loan amount, then the same loan amount.
    const QString lender = QString::fromStdString(reading->lender.value.value_or("")).trimmed();
    const auto likeness = [&](const store::KeptOffer& offer) {
        int score = 0;
        if (!lender.isEmpty() && offer.name.contains(lender, Qt::CaseInsensitive))
            score += 2;
        if (reading->loanAmount.value &&
            std::fabs(offer.estimate.loanAmount - *reading->loanAmount.value) < 0.5)
            score += 1;
        return score;
    };
    std::stable_sort(kept.begin(), kept.end(),
                     [&](const store::KeptOffer& a, const store::KeptOffer& b) {
                         return likeness(a) > likeness(b);
                     });
    QStringList names;
    for (const store::KeptOffer& offer : kept)
        names << offer.name;
    std::optional<int> chosen;
    if (AskForOffer) {
        chosen = AskForOffer(names, parent);
    } else {
        bool ok = false;
        const QString name = QInputDialog::getItem(
            parent, tr("Closing Disclosure check"),
            tr("Which offer's Loan Estimate does this Closing Disclosure answer?"), names, 0, false,
            &ok);
        if (ok)
            chosen = static_cast<int>(names.indexOf(name));
    }
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(kept.size()))
        return false;
    const store::KeptOffer& offer = kept[static_cast<std::size_t>(*chosen)];
    auto* window = new closing::ClosingWindow(closing::EstimateReadingOfOffer(offer.estimate),
                                              *reading, offer.name, {}, mainWindow_);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

} // namespace plumcrest::offers
