#include "Layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace plumcrest::reader {

namespace {

double Height(const Word& word) {
    return word.bottom - word.top;
}

double Middle(const Word& word) {
    return (word.top + word.bottom) / 2;
}

// The UTF-8 sequences folded to one ASCII character.
struct Fold {
    std::string_view from;
    char to;
};
constexpr Fold kFolds[] = {
    {"\u2019", '\''}, {"\u2018", '\''}, {"\u2013", '-'}, {"\u2014", '-'},
    {"\u2212", '-'},  {"\u2010", '-'},  {"\u2011", '-'}, {"\u00A0", ' '},
};
// Folded() passes ASCII bytes straight through: no fold may begin with one.
static_assert(std::all_of(std::begin(kFolds), std::end(kFolds), [](const Fold& fold) {
    return static_cast<unsigned char>(fold.from.front()) >= 0x80;
}));

std::vector<std::string> Tokens(std::string_view phrase) {
    std::vector<std::string> tokens;
    std::string current;
    for (char c : phrase) {
        if (c == ' ') {
            if (!current.empty())
                tokens.push_back(Folded(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        tokens.push_back(Folded(current));
    tokens.erase(std::remove(tokens.begin(), tokens.end(), std::string()), tokens.end());
    return tokens;
}

// How many of `tokens` from `next` the run's words match from its start; the match must take
// each word whole.
std::size_t Matched(const std::vector<const Word*>& run, const std::vector<std::string>& tokens,
                    std::size_t next) {
    std::size_t k = 0;
    while (k < run.size() && next + k < tokens.size() && Folded(run[k]->text) == tokens[next + k])
        ++k;
    return k;
}

Box BoxOf(const std::vector<const Word*>& words) {
    Box box{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
            std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
    for (const Word* word : words) {
        box.left = std::min(box.left, word->left);
        box.top = std::min(box.top, word->top);
        box.right = std::max(box.right, word->right);
        box.bottom = std::max(box.bottom, word->bottom);
    }
    return box;
}

// Where a label ends beside a word: on the word's own line, its last word there; between or
// beside lines without its words, the whole label's right edge.
double RightOfLabel(const Label& label, const Word& word) {
    double right = std::numeric_limits<double>::lowest();
    for (const Word* part : label.words)
        if (Middle(*part) >= word.top && Middle(*part) <= word.bottom)
            right = std::max(right, part->right);
    return right == std::numeric_limits<double>::lowest() ? label.box.right : right;
}

} // namespace

bool Box::HoldsMiddleOf(const Word& word) const {
    const double x = (word.left + word.right) / 2;
    const double y = Middle(word);
    return x >= left && x < right && y >= top && y < bottom;
}

std::string Folded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        // Every fold begins beyond ASCII: an ASCII byte only has its case folded. Labels are
        // looked for thousands of times a page, so this is the common path.
        const unsigned char first = static_cast<unsigned char>(text[i]);
        if (first < 0x80) {
            out += static_cast<char>(first >= 'A' && first <= 'Z' ? first - 'A' + 'a' : first);
            ++i;
            continue;
        }
        bool folded = false;
        for (const Fold& fold : kFolds) {
            if (text.substr(i, fold.from.size()) == fold.from) {
                out += fold.to;
                i += fold.from.size();
                folded = true;
                break;
            }
        }
        if (folded)
            continue;
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
            ++i;
        } else if (c == 0xC3 && i + 1 < text.size()) {
            // Latin-1's capitals (À to Þ but ×) fold to their small letters.
            unsigned char next = static_cast<unsigned char>(text[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                next = static_cast<unsigned char>(next + 0x20);
            out += static_cast<char>(c);
            out += static_cast<char>(next);
            i += 2;
        } else {
            out += static_cast<char>(c);
            ++i;
        }
    }
    while (!out.empty() && (out.back() == ':' || out.back() == '.' || out.back() == ','))
        out.pop_back();
    return out;
}

std::vector<std::vector<const Word*>> Runs(const std::vector<const Word*>& words) {
    std::vector<std::vector<const Word*>> runs;
    for (const Word* word : words) {
        if (!runs.empty()) {
            const Word* before = runs.back().back();
            const double gap = word->left - before->right;
            if (gap <= std::min(Height(*before), Height(*word))) {
                runs.back().push_back(word);
                continue;
            }
        }
        runs.push_back({word});
    }
    return runs;
}

std::string Joined(const std::vector<const Word*>& words) {
    std::string text;
    for (const Word* word : words) {
        if (!text.empty())
            text += ' ';
        text += word->text;
    }
    return text;
}

Layout::Layout(const Page& page) : page_(&page) {
    std::vector<const Word*> words;
    for (const Word& word : page.words)
        if (word.drawn && !word.text.empty() && word.bottom > word.top)
            words.push_back(&word);
    std::sort(words.begin(), words.end(),
              [](const Word* a, const Word* b) { return Middle(*a) < Middle(*b); });
    for (const Word* word : words) {
        if (!lines_.empty()) {
            Line& line = lines_.back();
            const double lineMiddle = (line.box.top + line.box.bottom) / 2;
            if (Middle(*word) - lineMiddle <=
                std::min(Height(*word), line.box.bottom - line.box.top) / 2) {
                line.box.top = std::min(line.box.top, word->top);
                line.box.bottom = std::max(line.box.bottom, word->bottom);
                line.box.left = std::min(line.box.left, word->left);
                line.box.right = std::max(line.box.right, word->right);
                line.words.push_back(word);
                continue;
            }
        }
        lines_.push_back({static_cast<int>(lines_.size()) + 1,
                          {word->left, word->top, word->right, word->bottom},
                          {word}});
    }
    for (Line& line : lines_)
        std::sort(line.words.begin(), line.words.end(),
                  [](const Word* a, const Word* b) { return a->left < b->left; });
}

Box Layout::Whole() const {
    return {-1e9, -1e9, 1e9, 1e9};
}

std::vector<std::vector<const Word*>> Layout::LinesIn(const Box& area) const {
    std::vector<std::vector<const Word*>> result;
    for (const Line& line : lines_) {
        if (line.box.bottom < area.top || line.box.top > area.bottom)
            continue;
        std::vector<const Word*> inside;
        for (const Word* word : line.words)
            if (area.HoldsMiddleOf(*word))
                inside.push_back(word);
        if (!inside.empty())
            result.push_back(std::move(inside));
    }
    return result;
}

std::vector<Label> Layout::Find(std::string_view phrase, const Box& area) const {
    const std::vector<std::string> tokens = Tokens(phrase);
    std::vector<Label> found;
    if (tokens.empty())
        return found;
    for (std::size_t l = 0; l < lines_.size(); ++l) {
        const Line& line = lines_[l];
        if (line.box.bottom < area.top || line.box.top > area.bottom)
            continue;
        std::vector<const Word*> inside;
        for (const Word* word : line.words)
            if (area.HoldsMiddleOf(*word))
                inside.push_back(word);
        for (const auto& run : Runs(inside)) {
            std::size_t matched = Matched(run, tokens, 0);
            if (matched == 0)
                continue;
            Label label;
            label.firstLine = label.lastLine = line.number;
            label.words.assign(run.begin(), run.begin() + static_cast<std::ptrdiff_t>(matched));
            // A label too long for its place runs on below, from the same left edge; its first
            // line must end where the label's words do.
            const double left = run.front()->left;
            const double height = Height(*run.front());
            double bottom = line.box.bottom;
            // The next lines may also begin under the label's second word (a hanging indent
            // after a section's letter).
            const double hanging = run.size() > 1 ? run[1]->left : left;
            bool wholeLine = matched == run.size();
            for (std::size_t next = l + 1, more = 0;
                 matched < tokens.size() && wholeLine && next < lines_.size() && more < 2; ++next) {
                const Line& below = lines_[next];
                if (below.box.top - bottom > 1.2 * height)
                    break;
                const Word* start = nullptr;
                std::vector<const Word*> rest;
                for (const Word* word : below.words) {
                    if (!area.HoldsMiddleOf(*word))
                        continue;
                    if (!start &&
                        (std::fabs(word->left - left) < 3 || std::fabs(word->left - hanging) < 3))
                        start = word;
                    if (start)
                        rest.push_back(word);
                }
                if (!start)
                    continue;
                const auto runsBelow = Runs(rest);
                const std::size_t more_matched = Matched(runsBelow.front(), tokens, matched);
                if (more_matched == 0)
                    break;
                label.words.insert(label.words.end(), runsBelow.front().begin(),
                                   runsBelow.front().begin() +
                                       static_cast<std::ptrdiff_t>(more_matched));
                matched += more_matched;
                label.lastLine = below.number;
                bottom = below.box.bottom;
                ++more;
                wholeLine = more_matched == runsBelow.front().size();
            }
            if (matched < tokens.size())
                continue;
            label.box = BoxOf(label.words);
            found.push_back(std::move(label));
        }
    }
    return found;
}

std::optional<Label> Layout::First(std::string_view phrase, const Box& area) const {
    auto found = Find(phrase, area);
    if (found.empty())
        return std::nullopt;
    return found.front();
}

std::vector<std::vector<const Word*>> Layout::Cells(const std::vector<Label>& rows,
                                                    const Box& area) const {
    // What a figure may belong to: the rows, and every other line of the area that begins at a
    // row's left edge (a label the caller does not read, a note under a label).
    struct Anchor {
        Box box;
        int row; // -1: not one of the rows
    };
    std::vector<Anchor> anchors;
    for (std::size_t r = 0; r < rows.size(); ++r)
        anchors.push_back({rows[r].box, static_cast<int>(r)});
    const auto inRow = [&](int number) {
        return std::any_of(rows.begin(), rows.end(), [&](const Label& row) {
            return number >= row.firstLine && number <= row.lastLine;
        });
    };
    for (const Line& line : lines_) {
        if (inRow(line.number) || line.box.bottom < area.top || line.box.top > area.bottom)
            continue;
        std::vector<const Word*> inside;
        for (const Word* word : line.words)
            if (area.HoldsMiddleOf(*word))
                inside.push_back(word);
        for (const auto& run : Runs(inside)) {
            const bool atLabelEdge = std::any_of(rows.begin(), rows.end(), [&](const Label& row) {
                return std::fabs(run.front()->left - row.box.left) < 2.5;
            });
            if (atLabelEdge)
                anchors.push_back({BoxOf(run), -1});
        }
    }
    std::vector<std::vector<const Word*>> cells(rows.size());
    const auto isLabelWord = [&](const Word* word) {
        for (const Label& row : rows)
            if (std::find(row.words.begin(), row.words.end(), word) != row.words.end())
                return true;
        return false;
    };
    for (const Line& line : lines_) {
        for (const Word* word : line.words) {
            if (!area.HoldsMiddleOf(*word) || isLabelWord(word))
                continue;
            double best = std::numeric_limits<double>::max();
            int owner = -1;
            for (const Anchor& anchor : anchors) {
                if (anchor.box.left > word->left + 0.5)
                    continue;
                const double middle = Middle(*word);
                double distance = 0;
                if (middle < anchor.box.top)
                    distance = (anchor.box.top - middle) * 1.05;
                else if (middle > anchor.box.bottom)
                    distance = middle - anchor.box.bottom;
                if (distance < best) {
                    best = distance;
                    owner = anchor.row;
                    if (owner >= 0 &&
                        word->left < RightOfLabel(rows[static_cast<std::size_t>(owner)], *word) - 3)
                        owner = -1;
                }
            }
            if (owner >= 0)
                cells[static_cast<std::size_t>(owner)].push_back(word);
        }
    }
    return cells;
}

std::optional<Label> FindLabel(const Layout& layout, const Wording& wording,
                               const std::string& language, const Box& area) {
    std::string_view ways = wording.In(language);
    while (!ways.empty()) {
        const std::size_t bar = std::min(ways.find('|'), ways.size());
        if (auto label = layout.First(ways.substr(0, bar), area))
            return label;
        ways.remove_prefix(std::min(bar + 1, ways.size()));
    }
    return std::nullopt;
}

} // namespace plumcrest::reader
