#pragma once
// Reading a Loan Estimate or a Closing Disclosure while the windows go on: the reader process runs,
// the windows repaint and answer, a small window with a Cancel button appears once the reading
// takes more than a moment, and until the reading ends no key or click reaches any other window, so
// nothing typed meanwhile lands in a field by surprise.

#include "EstimateImport.h"

#include <QDialog>

class QLabel;

namespace plumcrest::offers {

// Shown after this long: a file read at once shows nothing.
inline constexpr int kReadingProgressDelayMs = 400;

class ReadingProgress : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(ReadingProgress)

public:
    ReadingProgress(const QString& fileName, QWidget* parent,
                    ReaderForm form = ReaderForm::LoanEstimate);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Reads `file` in a reader process (`program`), showing the progress window over `parent` after
// a moment. The outcome is Cancelled when the buyer cancelled: the reader has then been stopped.
ImportReading ReadWithProgress(const QString& program, const QString& file, QWidget* parent,
                               ReaderForm form = ReaderForm::LoanEstimate);

} // namespace plumcrest::offers
