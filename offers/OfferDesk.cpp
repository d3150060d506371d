#include "OfferDesk.h"

#include "CheckCommand.h"
#include "CompareWindow.h"
#include "EstimateImport.h"
#include "FigureText.h"
#include "Guarded.h"
#include "LocaleSettings.h"
#include "OfferEditor.h"
#include "OfferStore.h"
#include "OffersFile.h"
#include "PdfWords.h"
#include "ReadingProgress.h"
#include "Services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPoint>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
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

void OfferDesk::Report(const QString& text, QWidget* parent) {
    platform::TheMessages().Show(parent ? parent : mainWindow_, platform::MessageIcon::Information,
                                 QStringLiteral("Information"), text);
}

void OfferDesk::GiveFocusBack(const QPointer<QWidget>& focus) {
    if (!focus)
        return;
    QWidget* window = focus->window();
    window->raise();
    window->activateWindow();
    if (window->focusWidget() != focus)
        focus->setFocus(Qt::OtherFocusReason);
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
    std::optional<store::KeptOffer> after;
    const OfferEditor::Save save = [this, id, &after](const store::KeptOffer& edited) {
        store::KeptOffer offer = edited;
        offer.id = id;
        offer.name = offer.name.left(kMaxOfferName);
        if (!store_->Update(offer))
            return store_->Error();
        after = offer;
        return QString();
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
        // Undo puts back the offer as it was kept before this edit.
        if (written && after)
            compare_->RecordEdit(*found, *after);
        compare_->Reload();
        if (written)
            compare_->SelectOffer(id);
    }
    return written;
}

bool OfferDesk::ImportEstimate(const QString& given) {
    QWidget* parent =
        compare_ && compare_->isActiveWindow() ? static_cast<QWidget*>(compare_) : mainWindow_;
    // Where the buyer was: the focus goes back there after a refusal or a cancel, never to a
    // field of another window that the next keys would change.
    const QPointer<QWidget> focus = QApplication::focusWidget();
    QString file = given;
    if (file.isEmpty()) {
        file = AskForEstimateFile
                   ? AskForEstimateFile(parent)
                   : QFileDialog::getOpenFileName(parent, tr("Import Loan Estimate"), QString(),
                                                  tr("Loan Estimates (*.pdf);;All files (*)"));
        if (file.isEmpty())
            return false;
    }
    const QString program = !readerProgram.isEmpty() ? readerProgram : closing::ReaderProgram();
    const ImportReading reading = ReadWithProgress(program, file, parent);
    if (reading.outcome == ImportReading::Outcome::Cancelled) {
        GiveFocusBack(focus);
        return false;
    }
    // A Closing Disclosure dropped or picked here is checked against its offer instead.
    if (!reading.read && reading.problem == reader::RefusalText(reader::Refusal::ClosingDisclosure))
        return CheckClosingDisclosure(file);
    if (!reading.read) {
        const QString why =
            reading.outcome == ImportReading::Outcome::TimedOut
                ? tr("Reading it took longer than %n seconds and was stopped. The file may be "
                     "damaged.",
                     nullptr, kReaderTimeLimitMs / 1000)
                : reading.problem;
        Report(
            tr("The Loan Estimate %1 cannot be imported. %2").arg(QFileInfo(file).fileName(), why),
            parent);
        GiveFocusBack(focus);
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
        if (RunEditor(editor) != QDialog::Accepted) {
            GiveFocusBack(focus);
            return false;
        }
    }
    if (compare_) {
        compare_->Reload();
        compare_->SelectOffer(keptId);
    }
    return true;
}

bool OfferDesk::OpenFile(const QString& file) {
    if (file.endsWith(QLatin1Char('.') + QLatin1String(kOffersFileSuffix), Qt::CaseInsensitive))
        return OpenOffers(file);
    return ImportEstimate(file);
}

namespace {

QString OffersFileFilter() {
    return OfferDesk::tr("Plumcrest offers (*.%1);;All files (*)")
        .arg(QLatin1String(kOffersFileSuffix));
}

// The kept offers with a tick each, those compared ticked at first; the ids ticked, or nothing
// when cancelled.
std::optional<std::vector<qint64>> ChooseOffers(const std::vector<store::KeptOffer>& offers,
                                                const std::vector<qint64>& ticked,
                                                QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgSaveOffers"));
    dialog.setWindowTitle(OfferDesk::tr("Save Offers"));
    auto* label = new QLabel(OfferDesk::tr("&Offers to save:"), &dialog);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("lstOffersToSave"));
    list->setAccessibleName(OfferDesk::tr("Offers to save"));
    label->setBuddy(list);
    for (const store::KeptOffer& offer : offers) {
        auto* item = new QListWidgetItem(offer.name, list);
        item->setData(Qt::UserRole, offer.id);
        item->setToolTip(compare::PlainToolTip(offer.name));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(std::find(ticked.begin(), ticked.end(), offer.id) != ticked.end()
                                ? Qt::Checked
                                : Qt::Unchecked);
    }
    list->setCurrentRow(0);
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    const auto anyTicked = [list] {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->checkState() == Qt::Checked)
                return true;
        return false;
    };
    buttons->button(QDialogButtonBox::Save)->setEnabled(anyTicked());
    QObject::connect(list, &QListWidget::itemChanged, buttons, [buttons, anyTicked] {
        buttons->button(QDialogButtonBox::Save)->setEnabled(anyTicked());
    });
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::vector<qint64> ids;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            ids.push_back(list->item(i)->data(Qt::UserRole).toLongLong());
    return ids;
}

} // namespace

bool OfferDesk::SaveOffers() {
    QWidget* parent =
        compare_ && compare_->isActiveWindow() ? static_cast<QWidget*>(compare_) : mainWindow_;
    if (!OpenStore())
        return false;
    const std::vector<store::KeptOffer> kept = store_->All();
    if (store_->ReadFailed()) {
        Report(store_->Error(), parent);
        return false;
    }
    if (kept.empty()) {
        Report(tr("No offers are kept yet, so there are none to save."), parent);
        return false;
    }
    // Those compared are ticked at first; without the Compare window, every one.
    std::vector<qint64> ticked;
    if (compare_) {
        const QListWidget* list = compare_->ChoiceList();
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->checkState() == Qt::Checked)
                ticked.push_back(list->item(i)->data(Qt::UserRole).toLongLong());
    } else {
        for (const store::KeptOffer& offer : kept)
            ticked.push_back(offer.id);
    }
    const std::optional<std::vector<qint64>> chosen = AskOffersToSave
                                                          ? AskOffersToSave(kept, ticked, parent)
                                                          : ChooseOffers(kept, ticked, parent);
    if (!chosen || chosen->empty())
        return false;
    QString path =
        AskForOffersFile
            ? AskForOffersFile(parent, true)
            : QFileDialog::getSaveFileName(parent, tr("Save Offers As"),
                                           tr("Offers.%1").arg(QLatin1String(kOffersFileSuffix)),
                                           OffersFileFilter());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(kOffersFileSuffix);

    OffersFile file;
    for (const store::KeptOffer& offer : kept)
        if (std::find(chosen->begin(), chosen->end(), offer.id) != chosen->end())
            file.offers.push_back(offer);
    // The comparison as it stands, from its window when open (a change may still be on its way
    // to the file), else as kept.
    if (compare_) {
        file.yearsToKeep = compare_->HorizonField()->value();
        file.savingsPercent = compare_->SavingsField()->value();
    } else {
        bool ok = false;
        if (const auto years = store_->Setting(QStringLiteral("horizon_years")))
            if (const int value = years->toInt(&ok); ok && value >= 1 && value <= 1000)
                file.yearsToKeep = value;
        if (const auto savings = store_->Setting(QStringLiteral("savings_percent")))
            if (const double value = savings->toDouble(&ok); ok && value >= 0 && value <= 20)
                file.savingsPercent = value;
    }
    if (const QString why = OffersFileText::Save(path, file); !why.isEmpty()) {
        Report(tr("The offers could not be saved to %1: %2").arg(QFileInfo(path).fileName(), why),
               parent);
        return false;
    }
    return true;
}

bool OfferDesk::OpenOffers(const QString& given) {
    QWidget* parent =
        compare_ && compare_->isActiveWindow() ? static_cast<QWidget*>(compare_) : mainWindow_;
    const QPointer<QWidget> focus = QApplication::focusWidget();
    QString path = given;
    if (path.isEmpty()) {
        path = AskForOffersFile ? AskForOffersFile(parent, false)
                                : QFileDialog::getOpenFileName(parent, tr("Open Offers"), QString(),
                                                               OffersFileFilter());
        if (path.isEmpty())
            return false;
    }
    const QString name = QFileInfo(path).fileName();
    const OffersFileReading reading = OffersFileText::Read(path);
    if (!reading.file) {
        Report(tr("The offers in %1 cannot be opened, and nothing was changed. %2")
                   .arg(name, reading.problem),
               parent);
        GiveFocusBack(focus);
        return false;
    }
    if (!OpenStore())
        return false;
    const std::vector<store::KeptOffer> kept = store_->All();
    if (store_->ReadFailed()) {
        Report(store_->Error(), parent);
        return false;
    }
    std::vector<store::KeptOffer> added = OffersToAdd(kept, reading.file->offers);
    // All or none: an offer the store refuses takes back those added before it.
    for (std::size_t i = 0; i < added.size(); ++i) {
        added[i].id = 0;
        if (!store_->Add(added[i])) {
            const QString why = store_->Error();
            for (std::size_t j = 0; j < i; ++j)
                store_->Remove(added[j].id);
            Report(tr("The offers in %1 could not be kept, and nothing was changed. %2")
                       .arg(name, why),
                   parent);
            if (compare_)
                compare_->Reload();
            return false;
        }
    }
    // The comparison as the file sets it, so both see the same costs.
    if (reading.file->yearsToKeep)
        store_->SetSetting(QStringLiteral("horizon_years"),
                           QString::number(*reading.file->yearsToKeep));
    if (reading.file->savingsPercent)
        store_->SetSetting(QStringLiteral("savings_percent"),
                           QString::number(*reading.file->savingsPercent, 'f', 2));
    const std::size_t already = reading.file->offers.size() - added.size();
    if (compare::CompareWindow* window = compare_ ? compare_.data() : ShowCompare()) {
        window->AdoptSettings();
        if (!added.empty())
            window->SelectOffer(added.front().id);
        window->show();
        window->raise();
        window->activateWindow();
    }
    QString text = tr("Offers added from %1: %2.").arg(name).arg(added.size());
    if (already > 0)
        text += QLatin1Char(' ') + tr("Offers it holds that were kept here already, left as they "
                                      "are: %1.")
                                       .arg(already);
    if (AnnounceOpened)
        AnnounceOpened(text);
    else
        Report(text, compare_ ? static_cast<QWidget*>(compare_) : parent);
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
        connect(compare_, &compare::CompareWindow::ReopenClosingRequested, this, [this](qint64 id) {
            platform::RunGuarded([this, id] { ReopenClosingCheck(id); });
        });
        connect(compare_, &compare::CompareWindow::SaveOffersRequested, this,
                [this] { platform::RunGuarded([this] { SaveOffers(); }); });
        connect(compare_, &compare::CompareWindow::OpenOffersRequested, this,
                [this] { platform::RunGuarded([this] { OpenOffers(); }); });
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
