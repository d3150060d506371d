#pragma once
// Importing a lender's Loan Estimate: the file is read by the program itself started as a reader
// process (`--read-loan-estimate`), with a time and a memory limit, so a damaged or hostile PDF
// can at most end that process; then the reading becomes a kept offer for the buyer to review in
// the Edit Offer dialog, each figure showing where it was read and what the checks found.

#include "ClosingReading.h"
#include "KeptOffer.h"
#include "PictureMask.h"
#include "ReadingJson.h"

#include <QObject>
#include <QString>
#include <optional>

class QProcess;
class QTimer;

namespace plumcrest::offers {

class OfferEditor;

inline constexpr int kReaderTimeLimitMs = 5000;
inline constexpr qint64 kReaderMemoryLimit = qint64{512} * 1024 * 1024; // bytes of address space

// What the reader process is asked to read: a Loan Estimate (`--read-loan-estimate`) or a
// Closing Disclosure (`--read-closing-disclosure`).
enum class ReaderForm { LoanEstimate, ClosingDisclosure };

struct ImportReading {
    enum class Outcome {
        Read,
        Refused,   // the reader said why (not a PDF, damaged, a scan, not the form)
        Stopped,   // the reader crashed or ran out of memory
        TimedOut,  // and was stopped
        NoReader,  // the program could not be started
        Cancelled, // by the buyer, and the reader stopped
    };
    Outcome outcome = Outcome::NoReader;
    std::optional<reader::ReadBack> read;          // a Loan Estimate's
    std::optional<reader::ClosingReading> closing; // a Closing Disclosure's
    QByteArray closingJson;                        // the reader's answer for it, as written
    QString problem;                               // for the user, when nothing was read
};

// Runs `program --read-loan-estimate file` and waits for it, at most `timeLimitMs`.
ImportReading ReadInReaderProcess(const QString& program, const QString& file,
                                  int timeLimitMs = kReaderTimeLimitMs,
                                  qint64 memoryLimit = kReaderMemoryLimit);

// The same, without waiting: the reader runs while the windows go on, and Finished() comes once,
// when it has ended, was stopped at its time limit or cancelled. A run still going when the
// object is destroyed stops its reader.
class ReaderRun : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(ReaderRun)

public:
    ReaderRun(QString program, QString file, int timeLimitMs = kReaderTimeLimitMs,
              qint64 memoryLimit = kReaderMemoryLimit, QObject* parent = nullptr);
    ~ReaderRun() override;

    // The form to read; a Loan Estimate unless set before Start().
    void SetForm(ReaderForm form) { form_ = form; }
    void Start();
    // Stops the reader at once; Finished() follows with the outcome Cancelled.
    void Cancel();
    bool Done() const { return done_; }
    const ImportReading& Result() const { return result_; }
    // The reader's process id while it runs (0 before it starts).
    qint64 ProcessId() const;

signals:
    void Finished();

private:
    void Stop();
    void Finish(ImportReading result);

    QString program_;
    QString file_;
    int timeLimitMs_;
    qint64 memoryLimit_;
    ReaderForm form_ = ReaderForm::LoanEstimate;
    QProcess* process_ = nullptr;
    QTimer* limit_ = nullptr;
    bool done_ = false;
    ImportReading result_;
};

// The offer of a reading: named after the lender, with its Loan Estimate from the reading.
store::KeptOffer OfferOfReading(const reader::EstimateReading& reading);

// Shows, in the editor, where each figure was read (a tooltip on its field) and a panel with the
// figures the editor does not hold (date issued, purpose, product, projected payments, the totals
// and cash to close as printed) and each check beside the figure it checks.
void ShowReadingIn(OfferEditor& editor, const reader::ReadBack& read,
                   const LocaleSeparators& separators);

} // namespace plumcrest::offers
