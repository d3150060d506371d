#include "OfferDesk.h"

#include "CompareWindow.h"
#include "LocaleSettings.h"
#include "OfferStore.h"
#include "Services.h"

#include <QPoint>
#include <QWidget>

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
        // Opens just below and right of the calculator's corner, so both stay in reach.
        compare_->move(mainWindow_->frameGeometry().topLeft() + QPoint(32, 32));
    }
    compare_->show();
    compare_->raise();
    compare_->activateWindow();
    return compare_;
}

} // namespace plumcrest::offers
