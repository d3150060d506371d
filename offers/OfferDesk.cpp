#include "OfferDesk.h"

#include "CompareWindow.h"
#include "Guarded.h"
#include "LocaleSettings.h"
#include "OfferEditor.h"
#include "OfferStore.h"
#include "Services.h"

#include <QPoint>
#include <QWidget>
#include <algorithm>

namespace plumcrest::offers {

OfferDesk::OfferDesk(QWidget* mainWindow, std::function<QString()> folder)
    : QObject(mainWindow), mainWindow_(mainWindow), folder_(std::move(folder)) {}

OfferDesk::~OfferDesk() {
    // The window reads the store: it goes first.
    delete compare_.data();
}

void OfferDesk::Report(const QString& text) {
    platform::TheMessages().Show(mainWindow_, platform::MessageIcon::Information,
                                 QStringLiteral("Information"), text);
}

bool OfferDesk::OpenStore() {
    // One store for the desk's life: the Compare window holds on to it.
    if (!store_)
        store_ = std::make_unique<store::OfferStore>(folder_ ? folder_() : QString());
    if (store_->IsOpen())
        return true;
    const bool open = store_->Open();
    if (!store_->Notice().isEmpty())
        Report(store_->Notice());
    if (!open)
        Report(store_->Error());
    return open;
}

bool OfferDesk::KeepOffer(const LoanInputs& inputs, char32_t decimalSeparator) {
    store::KeptOffer offer;
    offer.inputs = inputs;
    // The calculation of these inputs has just completed; it gives the same results again.
    RecalculateLoan(inputs, offer.results, decimalSeparator);
    offer.estimate = EstimateFromCalculator(inputs, offer.results);

    std::optional<KeepAnswer> answer;
    if (AskToKeep) {
        answer = AskToKeep(mainWindow_);
    } else {
        KeepOfferDialog dialog(TheLocaleSeparators(), mainWindow_);
        if (dialog.exec() == QDialog::Accepted)
            answer = dialog.Answer();
    }
    if (!answer)
        return false;
    offer.name = answer->name.left(store::kMaxOfferName);
    offer.disclosedApr = answer->disclosedApr;

    if (!OpenStore())
        return false;
    if (!store_->Add(offer)) {
        Report(store_->Error());
        return false;
    }
    if (compare_) {
        compare_->Reload();
        compare_->SelectOffer(offer.id);
    }
    return true;
}

bool OfferDesk::EditOffer(qint64 id) {
    if (!OpenStore())
        return false;
    const std::vector<store::KeptOffer> kept = store_->All();
    const auto found = std::find_if(kept.begin(), kept.end(),
                                    [id](const store::KeptOffer& offer) { return offer.id == id; });
    if (found == kept.end()) {
        Report(store_->Error().isEmpty() ? tr("This offer cannot be edited: it is no longer kept.")
                                         : store_->Error());
        if (compare_)
            compare_->Reload();
        return false;
    }
    QWidget* parent = compare_ ? static_cast<QWidget*>(compare_) : mainWindow_;
    std::optional<store::KeptOffer> edited;
    if (AskToEdit) {
        edited = AskToEdit(*found, parent);
    } else {
        OfferEditor editor(*found, TheLocaleSeparators(), parent);
        if (editor.exec() == QDialog::Accepted)
            edited = editor.EditedOffer();
    }
    if (!edited)
        return false;
    store::KeptOffer offer = *edited;
    offer.id = id;
    offer.name = offer.name.left(store::kMaxOfferName);
    MatchCalculatorRecord(offer, TheLocaleSeparators().decimal);
    const bool written = store_->Update(offer);
    if (!written)
        Report(store_->Error());
    if (compare_) {
        compare_->Reload();
        if (written)
            compare_->SelectOffer(id);
    }
    return written;
}

compare::CompareWindow* OfferDesk::Compare() const {
    return compare_;
}

compare::CompareWindow* OfferDesk::ShowCompare() {
    if (!compare_) {
        if (!OpenStore())
            return nullptr;
        compare_ = new compare::CompareWindow(*store_, mainWindow_);
        connect(compare_, &compare::CompareWindow::UseInCalculator, this,
                &OfferDesk::UseInCalculator);
        connect(compare_, &compare::CompareWindow::EditOfferRequested, this,
                [this](qint64 id) { platform::RunGuarded([this, id] { EditOffer(id); }); });
        // Opens just below and right of the calculator's corner, so both stay in reach, within
        // the screen.
        compare_->PlaceWithin(*mainWindow_);
    }
    compare_->show();
    compare_->raise();
    compare_->activateWindow();
    return compare_;
}

} // namespace plumcrest::offers
