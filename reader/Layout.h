#pragma once
// The layout of a printed form's page, apart from what any one form says: words (each with
// whether the page draws it) → lines → regions, each under its heading and across the column it
// spans → cells, where a label may run over several lines and several figures may stand beside
// one label. A form is read by naming its headings and labels; this engine says where they stand
// and which words belong to them. Plain C++.
//
// Coordinates are points from the page's top left corner, y growing down.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plumcrest::reader {

// One word of a page and its box. A word the text layer holds but the page does not draw (white
// on white, clipped, hidden) has `drawn` false: it is not on the form and is never read.
struct Word {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    std::string text; // UTF-8
    bool drawn = true;
};

struct Page {
    double width = 612; // US Letter
    double height = 792;
    std::vector<Word> words;
};

struct Box {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    bool HoldsMiddleOf(const Word& word) const;
};

// Drawn words whose middles lie within half a word's height of each other, left to right.
struct Line {
    int number = 0; // from 1, down the page
    Box box;
    std::vector<const Word*> words;
};

// Text as labels compare: case folded, curly apostrophes as straight ones, every dash as "-",
// and the punctuation that ends a label (":" and a closing ".") dropped.
std::string Folded(std::string_view text);

// A label as found: its words, in reading order, and the box around them all.
struct Label {
    Box box;
    int firstLine = 0; // numbers of the lines it runs over
    int lastLine = 0;
    std::vector<const Word*> words;
};

class Layout {
public:
    explicit Layout(const Page& page);

    const Page& page() const { return *page_; }
    const std::vector<Line>& lines() const { return lines_; }
    Box Whole() const;

    // Each place inside `area` where the phrase's words stand in order, beginning a run of words
    // (the first word of the line there, or one after a gap wider than a word space), and
    // running on to up to two more lines that begin at the label's left edge.
    std::vector<Label> Find(std::string_view phrase, const Box& area) const;
    std::optional<Label> First(std::string_view phrase, const Box& area) const;

    // The words beside each of `rows` (labels of one region, top to bottom): right of the row's
    // label and inside `area`, on the lines nearer to that label than to any other line that
    // begins at a label's left edge. Nearer above than below at the same distance, as a figure
    // set between two lines of its label or just above it belongs to it.
    std::vector<std::vector<const Word*>> Cells(const std::vector<Label>& rows,
                                                const Box& area) const;

    // The drawn words inside `area`, line by line, each line left to right.
    std::vector<std::vector<const Word*>> LinesIn(const Box& area) const;

private:
    const Page* page_;
    std::vector<Line> lines_;
};

// A label in each language the forms are printed in ("en", "es"); where a form prints it more
// than one way, the ways are parted by "|", the longest first.
struct Wording {
    std::string_view en;
    std::string_view es;
    std::string_view In(const std::string& language) const { return language == "es" ? es : en; }
};

// The first of the wording's ways in `language` that stands inside `area`.
std::optional<Label> FindLabel(const Layout& layout, const Wording& wording,
                               const std::string& language, const Box& area);

// The runs of a line: words parted by gaps wider than a word space (the form's columns).
std::vector<std::vector<const Word*>> Runs(const std::vector<const Word*>& words);

std::string Joined(const std::vector<const Word*>& words);

} // namespace plumcrest::reader
