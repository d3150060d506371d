// The desk's Closing Disclosure check: the form read in a reader process, matched to the kept
// offer whose Loan Estimate it answers, and shown in its window.

#include "CheckCommand.h"
#include "CheckJson.h"
#include "ClosingJson.h"
#include "ClosingWindow.h"
#include "CompareWindow.h"
#include "Guarded.h"
#include "OfferDesk.h"
#include "OfferStore.h"
#include "ReadingProgress.h"
#include "Services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <algorithm>
#include <cmath>
#include <memory>

namespace plumcrest::offers {

namespace {

// The check's window over the offer's Loan Estimate, its choices written with the check each
// time the buyer changes one (`keep` says why not, or nothing).
closing::ClosingWindow* ShowCheck(const store::KeptOffer& offer,
                                  const reader::ClosingReading& reading,
                                  const closing::CheckChoices& choices, QWidget* parent,
                                  std::function<void(const closing::CheckChoices&)> keep) {
    auto* window = new closing::ClosingWindow(closing::EstimateReadingOfOffer(offer.estimate),
                                              reading, offer.name, choices, parent);
    QObject::connect(window, &closing::ClosingWindow::ChoicesChanged, window,
                     [keep = std::move(keep)](const closing::CheckChoices& changed) {
                         platform::RunGuarded([&] { keep(changed); });
                     });
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace

bool OfferDesk::CheckClosingDisclosure(const QString& given) {
    QWidget* parent =
        compare_ && compare_->isActiveWindow() ? static_cast<QWidget*>(compare_) : mainWindow_;
    const QPointer<QWidget> focus = QApplication::focusWidget();
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
    // In the background, as a Loan Estimate is read: the windows go on, and a reading that
    // takes more than a moment shows its progress and may be cancelled.
    const ImportReading run =
        ReadWithProgress(program, file, parent, ReaderForm::ClosingDisclosure);
    if (run.outcome == ImportReading::Outcome::Cancelled) {
        GiveFocusBack(focus);
        return false;
    }
    const std::optional<reader::ClosingReading>& reading = run.closing;
    if (!reading) {
        Report(tr("The Closing Disclosure %1 cannot be checked. %2")
                   .arg(QFileInfo(file).fileName(),
                        run.problem.isEmpty() ? tr("The reader's answer could not be understood.")
                                              : run.problem),
               parent);
        GiveFocusBack(focus);
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
    // Kept with the offer at once, and again as the buyer changes a choice, so it can be opened
    // again from Compare.
    store::KeptCheck check;
    check.offerId = offer.id;
    check.fileName = QFileInfo(file).fileName().left(kMaxCheckFileName);
    check.reading = run.closingJson;
    check.choices = closing::ChoicesToJson({});
    if (!store_->KeepCheck(check))
        Report(
            tr("The check is shown but could not be kept with the offer. %1").arg(store_->Error()),
            parent);
    ShowCheck(offer, *reading, {}, mainWindow_, KeepChoices(check));
    if (compare_)
        compare_->Reload();
    return true;
}

std::function<void(const closing::CheckChoices&)> OfferDesk::KeepChoices(store::KeptCheck check) {
    // Said once: a store that cannot be written says so on the first change, not on each.
    auto told = std::make_shared<bool>(false);
    return [this, check, told](const closing::CheckChoices& choices) mutable {
        check.choices = closing::ChoicesToJson(choices);
        check.checkedAt = QDateTime::currentDateTimeUtc();
        if (store_ && store_->KeepCheck(check)) {
            *told = false;
            return;
        }
        if (!*told && store_)
            Report(tr("Your change to the check could not be kept with the offer. %1")
                       .arg(store_->Error()));
        *told = true;
    };
}

bool OfferDesk::ReopenClosingCheck(qint64 offerId) {
    if (!StoreReady()) {
        Report(store_->Error());
        return false;
    }
    std::optional<store::KeptOffer> offer;
    for (store::KeptOffer& kept : store_->All())
        if (kept.id == offerId)
            offer = std::move(kept);
    const std::optional<store::KeptCheck> check = offer ? store_->Check(offerId) : std::nullopt;
    const std::optional<reader::ClosingReading> reading =
        check ? reader::ClosingFromJson(check->reading) : std::nullopt;
    const std::optional<closing::CheckChoices> choices =
        check ? closing::ChoicesFromJson(check->choices) : std::nullopt;
    if (!reading || !choices) {
        Report(check || !offer || store_->Error().isEmpty()
                   ? tr("No Closing Disclosure check can be opened for this offer: none is "
                        "kept, or the kept one cannot be read. Check the Closing Disclosure "
                        "again (File > Check Closing Disclosure...).")
                   : store_->Error());
        return false;
    }
    ShowCheck(*offer, *reading, *choices, mainWindow_, KeepChoices(*check));
    return true;
}

} // namespace plumcrest::offers
