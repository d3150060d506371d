#include "OfferDesk.h"

#include "CompareWindow.h"
#include "EstimateImport.h"
#include "Guarded.h"
#include "LocaleSettings.h"
#include "OfferEditor.h"
#include "OfferStore.h"
#include "PdfWords.h"
#include "Services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace plumcrest::offers {

namespace {

// The one local PDF file of a drag, if that is what it carries.
QString DroppedPdf(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() ||
        !url.toLocalFile().endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return {};
    return url.toLocalFile();
}

} // namespace

OfferDesk::OfferDesk(QWidget* mainWindow, std::function<QString()> folder)
    : QObject(mainWindow), mainWindow_(mainWindow), folder_(std::move(folder)) {
    AcceptDrops(mainWindow_);
}

void OfferDesk::AcceptDrops(QWidget* window) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool OfferDesk::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!DroppedPdf(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString file = DroppedPdf(drop->mimeData());
        if (!file.isEmpty()) {
            drop->acceptProposedAction();
            // Not inside the drop: the review is modal and the dragging application waits.
            QTimer::singleShot(0, this, [this, file] {
                platform::RunGuarded([this, file] { ImportEstimate(file); });
            });
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

OfferDesk::~OfferDesk() {
    // The window reads the store: it goes first.
    delete compare_.data();
}

void OfferDesk::Report(const QString& text) {
    platform::TheMessages().Show(mainWindow_, platform::MessageIcon::Information,
                                 QStringLiteral("Information"), text);
}

bool OfferDesk::OpenStore() {
    if (StoreReady())
        return true;
    Report(store_->Error());
    return false;
}

bool OfferDesk::KeepOffer(const LoanInputs& inputs, char32_t decimalSeparator) {
    store::KeptOffer offer;
    // The calculation of these inputs has just completed; it gives the same results again.
    LoanResults results;
    RecalculateLoan(inputs, results, decimalSeparator);
    offer.estimate = EstimateFromCalculator(inputs, results);

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
    offer.name = answer->name.left(kMaxOfferName);
    offer.estimate.disclosedApr = answer->disclosedApr;

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
    // Written from inside the editor's OK, so a failed write leaves the editor open with
    // everything typed.
    const OfferEditor::Save save = [this, id](const store::KeptOffer& edited) {
        store::KeptOffer offer = edited;
        offer.id = id;
        offer.name = offer.name.left(kMaxOfferName);
        return store_->Update(offer) ? QString() : store_->Error();
    };
    bool written = false;
    if (AskToEdit) {
        if (const std::optional<store::KeptOffer> edited = AskToEdit(*found, parent)) {
            const QString why = save(*edited);
            written = why.isEmpty();
            if (!written)
                Report(why);
        }
    } else {
        OfferEditor editor(*found, TheLocaleSeparators(), parent);
        editor.SetSave(save);
        written = RunEditor(editor) == QDialog::Accepted;
    }
    if (compare_) {
        compare_->Reload();
        if (written)
            compare_->SelectOffer(id);
    }
    return written;
}

bool OfferDesk::ImportEstimate(const QString& given) {
    QWidget* parent =
        compare_ && compare_->isActiveWindow() ? static_cast<QWidget*>(compare_) : mainWindow_;
    QString file = given;
    if (file.isEmpty()) {
        file = AskForEstimateFile
                   ? AskForEstimateFile(parent)
                   : QFileDialog::getOpenFileName(parent, tr("Import Loan Estimate"), QString(),
                                                  tr("Loan Estimates (*.pdf);;All files (*)"));
        if (file.isEmpty())
            return false;
    }
    const QString program =
        readerProgram.isEmpty() ? QCoreApplication::applicationFilePath() : readerProgram;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ImportReading reading = ReadInReaderProcess(program, file);
    QApplication::restoreOverrideCursor();
    // A Closing Disclosure dropped or picked here is checked against its offer instead.
    if (!reading.read &&
        reading.problem == reader::RefusalText(reader::Refusal::ClosingDisclosure))
        return CheckClosingDisclosure(file);
    if (!reading.read) {
        const QString why =
            reading.outcome == ImportReading::Outcome::TimedOut
                ? tr("Reading it took longer than %n seconds and was stopped. The file may be "
                     "damaged.",
                     nullptr, kReaderTimeLimitMs / 1000)
                : reading.problem;
        Report(
            tr("The Loan Estimate %1 cannot be imported. %2").arg(QFileInfo(file).fileName(), why));
        return false;
    }
    const store::KeptOffer offer = OfferOfReading(reading.read->reading);
    qint64 keptId = 0;
    // Kept from inside the review's OK, so a failed write leaves the review open as it was.
    const OfferEditor::Save save = [this, &keptId](const store::KeptOffer& reviewed) {
        store::KeptOffer kept = reviewed;
        kept.id = 0;
        kept.name = kept.name.left(kMaxOfferName);
        if (!StoreReady())
            return store_->Error();
        if (!store_->Add(kept))
            return store_->Error();
        keptId = kept.id;
        return QString();
    };
    if (AskToReview) {
        const std::optional<store::KeptOffer> reviewed = AskToReview(offer, *reading.read, parent);
        if (!reviewed)
            return false;
        if (const QString why = save(*reviewed); !why.isEmpty()) {
            Report(why);
            return false;
        }
    } else {
        OfferEditor editor(offer, TheLocaleSeparators(), parent);
        editor.setWindowTitle(tr("Review Loan Estimate"));
        ShowReadingIn(editor, *reading.read, TheLocaleSeparators());
        editor.FitToScreen(QSize(editor.width(), 900));
        editor.SetSave(save);
        if (RunEditor(editor) != QDialog::Accepted)
            return false;
    }
    if (compare_) {
        compare_->Reload();
        compare_->SelectOffer(keptId);
    }
    return true;
}

bool OfferDesk::StoreReady() {
    // One store for the desk's life: the Compare window holds on to it.
    if (!store_) {
        store_ = std::make_unique<store::OfferStore>(folder_ ? folder_() : QString());
        // The windows wait for another program only briefly: a save that finds the file busy
        // says so and lets the buyer try again, rather than freezing the window meanwhile.
        store_->SetWriteWait(kWindowWriteWaitMs);
    }
    if (store_->IsOpen())
        return true;
    // Opening tells what it moved aside, or that the offers are for reading only; why it could
    // not open is the caller's to show.
    const bool open = store_->Open();
    if (!store_->Notice().isEmpty())
        Report(store_->Notice());
    return open;
}

int OfferDesk::RunEditor(OfferEditor& editor) {
    if (DriveEditor) {
        DriveEditor(editor);
        return editor.result();
    }
    return editor.exec();
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
        connect(compare_, &compare::CompareWindow::ImportRequested, this,
                [this] { platform::RunGuarded([this] { ImportEstimate(); }); });
        connect(compare_, &compare::CompareWindow::CheckClosingRequested, this,
                [this] { platform::RunGuarded([this] { CheckClosingDisclosure(); }); });
        AcceptDrops(compare_);
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
