#pragma once
// What the main window calls for its two offer commands: keeping the current offer and opening
// the Compare window, and the Compare window's editing of a kept offer. Owns the store and the
// window; every problem gets a clear message and the calculator goes on.

#include "KeepOfferDialog.h"
#include "KeptOffer.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace plumcrest::compare {
class CompareWindow;
} // namespace plumcrest::compare

namespace plumcrest::store {
class OfferStore;
} // namespace plumcrest::store

namespace plumcrest::offers {

class OfferDesk : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(OfferDesk)

public:
    // `folder` gives the folder of the saved-values file when asked (it is known only once the
    // main window has been created).
    OfferDesk(QWidget* mainWindow, std::function<QString()> folder);
    ~OfferDesk() override;

    // Asks for a name and keeps the offer of these inputs, whose calculation has just completed.
    // False when nothing was kept (cancelled, or the store failed and said so).
    bool KeepOffer(const LoanInputs& inputs, char32_t decimalSeparator);
    // Opens the Compare window, or brings it to the front.
    compare::CompareWindow* ShowCompare();
    compare::CompareWindow* Compare() const;

    // Asks for the name and disclosed APR; tests answer it without a dialog.
    std::function<std::optional<KeepAnswer>(QWidget* parent)> AskToKeep;
    // Lets the user edit a kept offer's name and Loan Estimate: the offer as edited, or nothing
    // when cancelled. Tests answer it without a modal dialog.
    std::function<std::optional<store::KeptOffer>(const store::KeptOffer& offer, QWidget* parent)>
        AskToEdit;

    // Edits the kept offer of this id and writes it back; false when nothing was written.
    bool EditOffer(qint64 id);

signals:
    void UseInCalculator(const plumcrest::LoanInputs& inputs);

private:
    bool OpenStore();
    void Report(const QString& text);

    QWidget* mainWindow_;
    std::function<QString()> folder_;
    std::unique_ptr<store::OfferStore> store_;
    QPointer<compare::CompareWindow> compare_;
};

} // namespace plumcrest::offers
