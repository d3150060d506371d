#pragma once
// The words of a PDF file and their boxes, page by page, through Poppler; or why the file cannot
// give them. Runs in the reader process only: a damaged or hostile file can at most end that.
// Each character is kept only where the page, rendered, shows ink in its box: text the page
// holds but does not draw (white, clipped or covered) is not on the form.

#include "EstimateReading.h"

#include <QString>
#include <vector>

namespace plumcrest::reader {

enum class Refusal {
    None,
    NotPdf,     // does not begin as a PDF file
    Damaged,    // begins as one but cannot be opened or read
    Locked,     // needs a password
    NoText,     // pages without words: a scan, most likely
    NotTheForm, // words, but not those of the standard Loan Estimate
    ClosingDisclosure,
    BlankForm,           // the form with no figures filled in
    SeveralForms,        // more than one Loan Estimate in one file, or the same one twice
    TooComplex,          // a page with far more words, or far more drawing, than any form has
    FirstPageUnreadable, // the form's later pages, but no page 1 that can be read
};

// The refusal that names what a file's pages are when they are not one Loan Estimate.
Refusal RefusalOf(FormKind kind);

struct PdfWords {
    std::vector<Page> pages;
    Refusal refusal = Refusal::None;
};

// Pages beyond this many are not read: the form has three, a long one four or five.
inline constexpr int kMaxPages = 8;
// A page of the form has about a thousand words; one with many more is not the form.
inline constexpr std::size_t kMaxWordsPerPage = 20000;
// How long Poppler may take over the words of one page, in milliseconds: a page of the form takes
// a few; a page of deeply nested drawings or of a million words is stopped here, not left to the
// reader process's limits.
inline constexpr int kPageTimeBudgetMs = 1500;

// The words of a PDF file already read whole (ReadSourceFile).
PdfWords ReadPdfWords(const QByteArray& contents);

// The one line that says why a file was refused, for the user.
QString RefusalText(Refusal refusal);

} // namespace plumcrest::reader
