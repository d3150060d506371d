#pragma once
// What the main window calls for its offer commands: keeping the current offer, opening the
// Compare window and importing a lender's Loan Estimate (a PDF dropped on either window too), and
// the Compare window's editing of a kept offer. Owns the store and the window; every problem gets
// a clear message and the calculator goes on.

#include "KeepOfferDialog.h"
#include "KeptOffer.h"
#include "ReadingJson.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace plumcrest::compare {
class CompareWindow;
} // namespace plumcrest::compare

namespace plumcrest::store {
class OfferStore;
} // namespace plumcrest::store

namespace plumcrest::closing {
struct CheckChoices;
} // namespace plumcrest::closing

namespace plumcrest::offers {

class OfferEditor;

// How long a save from a window waits for another program that holds the file of kept offers.
inline constexpr int kWindowWriteWaitMs = 250;

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

    // Stands in for the modal run of the Edit Offer and Review dialogs the desk makes (which save
    // from their OK): tests drive the dialog as the user would and leave it accepted or not.
    std::function<void(OfferEditor& editor)> DriveEditor;

    // Edits the kept offer of this id and writes it back; false when nothing was written.
    bool EditOffer(qint64 id);

    // Reads a Loan Estimate (asking for the file when none is given) in a reader process, lets
    // the buyer review it and keeps it as a new offer; false when nothing was kept.
    bool ImportEstimate(const QString& file = QString());
    // The program run as the reader process: this program itself unless tests say otherwise.
    QString readerProgram;
    // Asks for the PDF to import; tests answer it without a dialog.
    std::function<QString(QWidget* parent)> AskForEstimateFile;
    // The review of an imported offer: the offer as the buyer left it, or nothing when cancelled.
    // Tests answer it without a modal dialog.
    std::function<std::optional<store::KeptOffer>(const store::KeptOffer& offer,
                                                  const reader::ReadBack& read, QWidget* parent)>
        AskToReview;

    // Reads a Closing Disclosure (asking for the file when none is given) in a reader process,
    // lets the buyer pick the kept offer whose Loan Estimate it answers (the likeliest first) and
    // opens the Closing Disclosure check; false when nothing was opened.
    bool CheckClosingDisclosure(const QString& file = QString());
    // Opens again the Closing Disclosure check kept with this offer, as the buyer left it; false
    // (with a message) when none can be opened.
    bool ReopenClosingCheck(qint64 offerId);
    // Asks for the Closing Disclosure's PDF; tests answer it without a dialog.
    std::function<QString(QWidget* parent)> AskForClosingFile;
    // Asks which of the offers (listed likeliest first) the Closing Disclosure answers: its
    // index, or nothing when cancelled. Tests answer it without a dialog.
    std::function<std::optional<int>(const QStringList& offers, QWidget* parent)> AskForOffer;
    // A Loan Estimate to review, or a file of offers to open, named on the command line or by
    // the file manager.
    bool OpenFile(const QString& file);

    // Writes the offers the buyer chooses (those compared ticked at first), with the years and
    // savings rate of the comparison, to a file another copy opens; false when nothing was saved.
    bool SaveOffers();
    // Reads a file of offers (asking for it when none is given) and keeps those not kept here
    // already, adopting its years and savings rate. A damaged or foreign file is refused with
    // its reason and changes nothing. False when nothing was opened.
    bool OpenOffers(const QString& file = QString());
    // Tests answer these without dialogs: the offers to save (ids) from those kept and those
    // ticked at first; the file to save to (`save`) or open; the words said once opened.
    std::function<std::optional<std::vector<qint64>>(const std::vector<store::KeptOffer>& kept,
                                                     const std::vector<qint64>& ticked,
                                                     QWidget* parent)>
        AskOffersToSave;
    std::function<QString(QWidget* parent, bool save)> AskForOffersFile;
    std::function<void(const QString& text)> AnnounceOpened;

signals:
    void UseInCalculator(const plumcrest::LoanInputs& inputs);

protected:
    // A PDF dragged onto the calculator or the Compare window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OpenStore();
    // OpenStore without a message box for the failure: the dialog saving shows it.
    bool StoreReady();
    int RunEditor(OfferEditor& editor);
    void AcceptDrops(QWidget* window);
    void Report(const QString& text, QWidget* parent = nullptr);
    void GiveFocusBack(const QPointer<QWidget>& focus);
    // Writes a check's choices with it in the store, each time they change.
    std::function<void(const closing::CheckChoices&)> KeepChoices(store::KeptCheck check);

    QWidget* mainWindow_;
    std::function<QString()> folder_;
    std::unique_ptr<store::OfferStore> store_;
    QPointer<compare::CompareWindow> compare_;
};

} // namespace plumcrest::offers
