#pragma once
// What drawing a PDF file's pages would cost, worked out from the file's own objects before
// Poppler is given the file: the pieces of text each page shows, the drawing operators it runs
// (a drawing drawn inside another counted each time it is drawn) and how deep its drawings and
// saved states nest. A file of a few kilobytes can ask for a million one-letter words or for a
// chain of drawings each drawing the next twice; such a file is refused here instead of being
// drawn. Plain C++ over zlib: what cannot be read here (an encrypted or unusual file) is left to
// Poppler and the page's time budget.

#include <cstddef>
#include <string_view>

namespace plumcrest::reader {

// A page of the form shows a few thousand pieces of text (a word may be drawn in pieces).
inline constexpr std::size_t kMaxTextPiecesPerPage = 80000;
// A page of the form runs some tens of thousands of operators.
inline constexpr std::size_t kMaxOperatorsPerPage = 2000000;
// Saved graphics states and drawings inside drawings, nested: a form nests a few levels.
inline constexpr int kMaxDrawingDepth = 256;
// All the file's streams decompressed: a form's are well under a megabyte.
inline constexpr std::size_t kMaxDecodedBytes = std::size_t{64} << 20;

struct DrawingCost {
    // On the costliest page of those read.
    std::size_t textPieces = 0;
    std::size_t operators = 0;
    int depth = 0;
    // A limit above was passed (counting stopped there), or the file's streams decompress to
    // more than kMaxDecodedBytes.
    bool beyondLimits = false;
};

// The cost of the file's first `pages` pages (in the page tree's order).
DrawingCost CostOfDrawing(std::string_view file, int pages);

} // namespace plumcrest::reader
