#pragma once
// Synthetic Loan Estimates for the reader's tests: the form's three pages (US Letter) with its
// headings, section letters, labels and figures where the form puts them, written with
// QPdfWriter from the figures of an EstimateReading. The style varies what a lender's software
// varies: the font, small shifts of the whole page, the order the lines are drawn in, how a
// box is marked, and closing-cost lines carried over to a fourth page.

#include "EstimateReading.h"

#include <QByteArray>
#include <QString>

namespace plumcrest::testing {

struct FormStyle {
    QString family = QStringLiteral("Liberation Sans");
    double dx = 0; // points, the whole page shifted
    double dy = 0;
    unsigned drawOrderSeed = 0; // 0: top to bottom; else lines drawn in a shuffled order
    bool glyphMarks = true;     // "☒ Conventional" rather than an X set in a drawn box
    int carriedOver = 0;        // the last lines of C and of H carried over to a fourth page
    // What real forms do: a cover page of prose first; the rate-lock sentence (with "interest
    // rate" in it) above the Loan Terms; labels over two lines with their figures between or
    // beside the first; glyphs drawn in white after figures and labels; ranges printed
    // "$1,028 min" over "$1,359 max" and "$1,137–$1,468"; a label's aside in smaller type with
    // its closing mark in the label's.
    bool realTraits = false;
    bool spanish = false;           // the form's headings and labels in the regulator's Spanish
    bool firstPageSideways = false; // the form's page 1 printed a quarter turn round
};

// Writes the form; false when the file cannot be written.
bool WriteLoanEstimate(const QString& path, const reader::EstimateReading& figures,
                       const FormStyle& style);

// A PDF whose one page is a picture of text, as a scanner makes it.
bool WriteScannedPage(const QString& path);
// A PDF with words, but a letter, not the form.
bool WriteLetter(const QString& path);
// The first page of a Closing Disclosure: the Loan Terms and Projected Payments as a Loan
// Estimate has them, under the Closing Information.
bool WriteClosingDisclosure(const QString& path);

// Hostile files of a few kilobytes, written object by object with their page compressed: one
// page of `words` one-letter words; a chain of `levels` drawings each drawing the next twice
// (2^levels words drawn); one page of `depth` graphics states saved one inside the other.
// `oneHexString`: the words in one hex string, spaces between; `closing`: each state saved
// twice and restored once, so the nesting still grows by one.
QByteArray ManyWordsPdf(int words, bool oneHexString = false);
QByteArray NestedDrawingsPdf(int levels);
QByteArray NestedStatesPdf(int depth, bool closing = false);

// The fixtures: figures as a lender would print them. Section totals, D, I, J and cash to close
// are the sums of the lines, as the form has them.
reader::EstimateReading FixedRatePurchase();
reader::EstimateReading FhaPurchase();
reader::EstimateReading FifteenYearLoan();
reader::EstimateReading LoanWithLenderCredits();
reader::EstimateReading RefinanceWithoutPrice();
// A 5-year interest-only 5/3 adjustable rate: Projected Payments with ranges.
reader::EstimateReading AdjustableInterestOnly();

} // namespace plumcrest::testing
