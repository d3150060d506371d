#include "EstimateReading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace plumcrest::reader {

namespace {

// A word of a page with the line it sits on.
struct Placed {
    const Word* word = nullptr;
    std::string key; // lower case, punctuation around it removed: what labels match against
};

struct Line {
    int number = 0; // from 1, down the page
    double top = 0;
    double bottom = 0;
    std::vector<Placed> words; // left to right
};

struct Sheet {
    int number = 0; // from 1
    const Page* page = nullptr;
    std::vector<Line> lines;
};

bool IsPunctuation(char c) {
    return c == ':' || c == ',' || c == '.' || c == ';' || c == '(' || c == ')' || c == '[' ||
           c == ']' || c == '"' || c == '\'';
}

std::string KeyOf(const std::string& text) {
    std::string key;
    for (char c : text)
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    std::size_t first = 0;
    std::size_t last = key.size();
    while (first < last && IsPunctuation(key[first]))
        ++first;
    while (last > first && IsPunctuation(key[last - 1]))
        --last;
    return key.substr(first, last - first);
}

std::vector<std::string> Keys(std::string_view phrase) {
    std::vector<std::string> keys;
    std::size_t at = 0;
    while (at < phrase.size()) {
        const std::size_t end = std::min(phrase.find(' ', at), phrase.size());
        if (end > at)
            keys.push_back(KeyOf(std::string(phrase.substr(at, end - at))));
        at = end + 1;
    }
    return keys;
}

// Words whose middles lie within half a word's height of each other share a line; the form's
// figures sit on their label's line even when set in another font or shifted a little.
Sheet LinesOf(const Page& page, int number) {
    Sheet sheet;
    sheet.number = number;
    sheet.page = &page;
    std::vector<const Word*> words;
    for (const Word& word : page.words)
        if (!word.text.empty() && word.bottom > word.top)
            words.push_back(&word);
    std::sort(words.begin(), words.end(),
              [](const Word* a, const Word* b) { return a->top + a->bottom < b->top + b->bottom; });
    for (const Word* word : words) {
        const double middle = (word->top + word->bottom) / 2;
        const double height = word->bottom - word->top;
        if (sheet.lines.empty() ||
            middle - (sheet.lines.back().top + sheet.lines.back().bottom) / 2 >
                std::min(height, sheet.lines.back().bottom - sheet.lines.back().top) / 2) {
            sheet.lines.push_back(
                {static_cast<int>(sheet.lines.size()) + 1, word->top, word->bottom, {}});
        }
        Line& line = sheet.lines.back();
        line.top = std::min(line.top, word->top);
        line.bottom = std::max(line.bottom, word->bottom);
        line.words.push_back({word, KeyOf(word->text)});
    }
    for (Line& line : sheet.lines)
        std::sort(line.words.begin(), line.words.end(),
                  [](const Placed& a, const Placed& b) { return a.word->left < b.word->left; });
    return sheet;
}

// The words of a line between two x positions (by their left edges).
std::vector<Placed> Within(const Line& line, double from, double to) {
    std::vector<Placed> part;
    for (const Placed& placed : line.words)
        if (placed.word->left >= from && placed.word->left < to)
            part.push_back(placed);
    return part;
}

std::string Join(const std::vector<Placed>& words, std::size_t first, std::size_t last) {
    std::string text;
    for (std::size_t i = first; i < last && i < words.size(); ++i) {
        if (!text.empty())
            text += ' ';
        text += words[i].word->text;
    }
    return text;
}

// Where the words of `label` follow one another in `words` from `from` on: the index after the
// label's last word.
std::optional<std::size_t> MatchAt(const std::vector<Placed>& words, std::size_t from,
                                   const std::vector<std::string>& label) {
    if (from + label.size() > words.size())
        return std::nullopt;
    for (std::size_t k = 0; k < label.size(); ++k)
        if (words[from + k].key != label[k])
            return std::nullopt;
    return from + label.size();
}

struct Found {
    const Line* line = nullptr;
    std::vector<Placed> words; // the part of the line searched
    std::size_t after = 0;     // index after the label
    std::size_t start = 0;     // index of the label's first word
};

// The first line (from `fromLine` on) holding the label between the two x positions; with
// `atStart`, only where the label begins that part of the line.
std::optional<Found> FindLabel(const Sheet& sheet, std::string_view phrase, bool atStart = false,
                               double from = -1e9, double to = 1e9, std::size_t fromLine = 0) {
    const std::vector<std::string> label = Keys(phrase);
    for (std::size_t l = fromLine; l < sheet.lines.size(); ++l) {
        std::vector<Placed> words = Within(sheet.lines[l], from, to);
        const std::size_t tries = atStart ? std::min<std::size_t>(1, words.size()) : words.size();
        for (std::size_t i = 0; i < tries; ++i)
            if (const auto after = MatchAt(words, i, label))
                return Found{&sheet.lines[l], std::move(words), *after, i};
    }
    return std::nullopt;
}

bool HasPhrase(const Sheet& sheet, std::string_view phrase) {
    return FindLabel(sheet, phrase).has_value();
}

// The words right after a label: the first one wherever it stands, then those that follow it
// closely (a word space, not the gap to the next column of the form).
std::string ValueAfter(const Found& found) {
    const auto& words = found.words;
    if (found.after >= words.size())
        return {};
    std::size_t last = found.after + 1;
    while (last < words.size()) {
        const Word& before = *words[last - 1].word;
        const double gap = words[last].word->left - before.right;
        if (gap > 1.5 * (before.bottom - before.top))
            break;
        ++last;
    }
    return Join(words, found.after, last);
}

Where At(const Sheet& sheet, const Line& line) {
    return {sheet.number, line.number};
}

bool IsDash(std::string_view text) {
    return text == "-" || text == "\u2013" || text == "\u2014" || text == "\u2212";
}

// Leading minus signs as the form may print them.
std::string_view WithoutMinus(std::string_view text, bool& negative) {
    for (std::string_view minus : {"-", "\u2013", "\u2014", "\u2212"}) {
        if (text.substr(0, minus.size()) == minus) {
            negative = true;
            return text.substr(minus.size());
        }
    }
    return text;
}

std::optional<double> FirstAmount(const std::vector<Placed>& words, std::size_t from,
                                  bool needDollar) {
    for (std::size_t i = from; i < words.size(); ++i)
        if (const auto amount = ParseAmount(words[i].word->text, needDollar))
            return amount;
    return std::nullopt;
}

std::optional<double> FirstPercent(const std::vector<Placed>& words, std::size_t from) {
    for (std::size_t i = from; i < words.size(); ++i) {
        std::string text = words[i].word->text;
        // "6.512 %" set as two words.
        if (i + 1 < words.size() && words[i + 1].word->text == "%")
            text += "%";
        if (const auto percent = ParsePercent(text))
            return percent;
    }
    return std::nullopt;
}

std::optional<int> LeadingWhole(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end == text.data())
        return std::nullopt;
    return value;
}

// A box with its mark: "☒", "■", "☑", "✔", "✓", or an "X" set in a drawn box.
bool IsMark(std::string_view text) {
    for (std::string_view mark :
         {"\u2612", "\u25A0", "\u2611", "\u2714", "\u2713", "x", "X", "\u25A3", "\u2718", "\u2717"})
        if (text == mark)
            return true;
    return false;
}

bool IsEmptyBox(std::string_view text) {
    return text == "\u2610" || text == "\u25A1" || text == "\u25FB";
}

// The loan type whose box is marked, among the words after the LOAN TYPE label.
std::optional<std::string> MarkedType(const Found& found) {
    const auto& words = found.words;
    for (std::size_t i = found.after; i < words.size(); ++i) {
        std::string text = words[i].word->text;
        std::string option;
        if (IsMark(text) && i + 1 < words.size()) {
            option = words[i + 1].word->text;
            // "Other" types are written on a line after the box.
            for (std::size_t k = i + 2; k < words.size() && !IsEmptyBox(words[k].word->text) &&
                                        !IsMark(words[k].word->text);
                 ++k) {
                const std::string key = words[k].key;
                if (key == "loan" || key == "conventional" || key == "fha" || key == "va")
                    break;
                option += ' ' + words[k].word->text;
            }
        } else {
            // A mark and its word set as one: "☒Conventional".
            for (std::string_view mark : {"\u2612", "\u25A0", "\u2611", "\u2714", "\u2713"})
                if (text.size() > mark.size() && text.substr(0, mark.size()) == mark)
                    option = text.substr(mark.size());
        }
        if (option.empty())
            continue;
        const std::string key = KeyOf(option);
        if (key == "conventional")
            return std::string("Conventional");
        if (key == "fha")
            return std::string("FHA");
        if (key == "va")
            return std::string("VA");
        std::string other = option;
        while (!other.empty() && (other.front() == '_' || other.front() == ' '))
            other.erase(other.begin());
        if (!other.empty())
            return other;
    }
    return std::nullopt;
}

bool IsFooter(const Line& line) {
    // "LOAN ESTIMATE  PAGE 2 OF 3 • LOAN ID # ..."
    for (std::size_t i = 0; i + 3 < line.words.size(); ++i)
        if (line.words[i].key == "page" && LeadingWhole(line.words[i + 1].key) &&
            line.words[i + 2].key == "of" && LeadingWhole(line.words[i + 3].key))
            return true;
    return false;
}

// The form's letters of the closing-cost details, with the first word of each heading.
struct Heading {
    char letter;
    std::string_view firstWord;
};
constexpr std::array<Heading, 10> kHeadings{{{'A', "origination"},
                                             {'B', "services"},
                                             {'C', "services"},
                                             {'D', "total"},
                                             {'E', "taxes"},
                                             {'F', "prepaids"},
                                             {'G', "initial"},
                                             {'H', "other"},
                                             {'I', "total"},
                                             {'J', "total"}}};

struct HeadingAt {
    char letter = 0;
    const Line* line = nullptr;
    std::size_t index = 0; // of the line in its sheet
    double left = 0;
};

std::vector<HeadingAt> HeadingsOf(const Sheet& sheet) {
    std::vector<HeadingAt> found;
    for (std::size_t l = 0; l < sheet.lines.size(); ++l) {
        const auto& words = sheet.lines[l].words;
        for (std::size_t i = 0; i + 1 < words.size(); ++i) {
            const std::string& text = words[i].word->text;
            if (text.size() != 2 || text[1] != '.')
                continue;
            for (const Heading& heading : kHeadings)
                if (text[0] == heading.letter && words[i + 1].key == heading.firstWord)
                    found.push_back({heading.letter, &sheet.lines[l], l, words[i].word->left});
        }
    }
    return found;
}

std::optional<CostSection> SectionOfLetter(char letter) {
    return SectionFromLetter(std::string_view(&letter, 1));
}

// The amount at the end of a part of a line, and the words before it as its label.
SectionLine ItemOf(const std::vector<Placed>& words, Where where) {
    SectionLine item;
    item.where = where;
    std::size_t end = words.size();
    if (!words.empty()) {
        if (const auto amount = ParseAmount(words.back().word->text, true)) {
            item.amount = amount;
            --end;
        }
    }
    item.label = Join(words, 0, end);
    return item;
}

double RightColumnOf(const std::vector<HeadingAt>& headings) {
    double split = 1e9;
    for (const HeadingAt& heading : headings)
        if (heading.letter >= 'E')
            split = std::min(split, heading.left - 2);
    return split;
}

void ReadSections(const Sheet& sheet, EstimateReading& reading, bool continuation) {
    const std::vector<HeadingAt> headings = HeadingsOf(sheet);
    if (headings.empty())
        return;
    const double split = RightColumnOf(headings);
    const auto columnOf = [split](const HeadingAt& heading) {
        return heading.left >= split ? 1 : 0;
    };
    for (const HeadingAt& heading : headings) {
        const int column = columnOf(heading);
        const double from = column == 1 ? split : -1e9;
        const double to = column == 1 ? 1e9 : split;
        const std::vector<Placed> own = Within(*heading.line, from, to);
        const Where where = At(sheet, *heading.line);
        const auto total = own.empty() ? std::nullopt : ParseAmount(own.back().word->text, true);
        switch (heading.letter) {
        case 'D':
            if (total)
                reading.totalLoanCosts = {total, where};
            continue;
        case 'I':
            if (total)
                reading.totalOtherCosts = {total, where};
            continue;
        case 'J': {
            if (total)
                reading.totalClosingCosts = {total, where};
            // Lender credits come in the lines under J.
            if (const auto credits =
                    FindLabel(sheet, "Lender Credits", true, from, to, heading.index + 1)) {
                if (const auto amount = FirstAmount(credits->words, credits->after, true))
                    reading.lenderCredits = {std::fabs(*amount), At(sheet, *credits->line)};
                else
                    reading.lenderCredits = {0.0, At(sheet, *credits->line)};
            }
            continue;
        }
        default:
            break;
        }
        const auto section = SectionOfLetter(heading.letter);
        if (!section)
            continue;
        SectionReading& part = reading.Section(*section);
        if (!continuation && total)
            part.total = {total, where};
        // The lines under the heading, down to the next heading of its column.
        for (std::size_t l = heading.index + 1; l < sheet.lines.size(); ++l) {
            const Line& line = sheet.lines[l];
            if (IsFooter(line))
                break;
            const bool next = std::any_of(headings.begin(), headings.end(), [&](const auto& h) {
                return h.line == &line && columnOf(h) == column;
            });
            if (next)
                break;
            const std::vector<Placed> words = Within(line, from, to);
            if (words.empty())
                continue;
            if (MatchAt(words, 0, Keys("Calculating Cash to Close")) ||
                MatchAt(words, 0, Keys("Other Costs")) || MatchAt(words, 0, Keys("Loan Costs")))
                break;
            part.lines.push_back(ItemOf(words, At(sheet, line)));
        }
    }
}

void ReadFirstPage(const Sheet& sheet, EstimateReading& reading) {
    const auto text = [&](std::string_view label, Figure<std::string>& figure) {
        if (const auto found = FindLabel(sheet, label)) {
            const std::string value = ValueAfter(*found);
            if (!value.empty())
                figure = {value, At(sheet, *found->line)};
        }
    };
    const auto amount = [&](std::string_view label, Figure<double>& figure) {
        if (const auto found = FindLabel(sheet, label))
            if (const auto value = FirstAmount(found->words, found->after, true))
                figure = {value, At(sheet, *found->line)};
    };
    const auto percent = [&](std::string_view label, Figure<double>& figure) {
        if (const auto found = FindLabel(sheet, label))
            if (const auto value = FirstPercent(found->words, found->after))
                figure = {value, At(sheet, *found->line)};
    };

    if (const auto found = FindLabel(sheet, "Date Issued"))
        if (const auto date = ParseDate(ValueAfter(*found)))
            reading.dateIssued = {*date, At(sheet, *found->line)};
    amount("Sale Price", reading.salePrice);
    amount("Est. Prop. Value", reading.propertyValue);
    if (const auto found = FindLabel(sheet, "Loan Term"))
        if (found->after < found->words.size())
            if (const auto years = LeadingWhole(found->words[found->after].key))
                reading.loanTermYears = {*years, At(sheet, *found->line)};
    text("Purpose", reading.purpose);
    text("Product", reading.product);
    if (const auto found = FindLabel(sheet, "Loan Type"))
        if (const auto type = MarkedType(*found))
            reading.loanType = {*type, At(sheet, *found->line)};
    amount("Loan Amount", reading.loanAmount);
    percent("Interest Rate", reading.interestRate);
    amount("Monthly Principal & Interest", reading.monthlyPrincipalInterest);
    amount("Estimated Cash to Close", reading.cashToClose);

    // Projected Payments: the columns are headed on the Payment Calculation line; each row's
    // figures stand under their column's heading.
    const auto header = FindLabel(sheet, "Payment Calculation");
    if (!header)
        return;
    struct Column {
        double left = 0;
        double right = 0;
    };
    std::vector<Column> columns;
    std::vector<std::string> titles;
    for (std::size_t i = header->after; i < header->words.size(); ++i) {
        const Word& word = *header->words[i].word;
        if (header->words[i].key == "year" || header->words[i].key == "years") {
            columns.push_back({word.left, word.right});
            titles.emplace_back();
        } else if (!columns.empty()) {
            columns.back().right = word.right;
            titles.back() += (titles.back().empty() ? "" : " ") + word.text;
        }
    }
    if (columns.empty())
        return;
    reading.projectedPayments.resize(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c)
        reading.projectedPayments[c].years = titles[c];
    // A figure belongs to the column whose middle is nearest.
    const auto columnOf = [&](const Word& word) {
        const double middle = (word.left + word.right) / 2;
        std::size_t best = 0;
        for (std::size_t c = 1; c < columns.size(); ++c)
            if (std::fabs(middle - (columns[c].left + columns[c].right) / 2) <
                std::fabs(middle - (columns[best].left + columns[best].right) / 2))
                best = c;
        return best;
    };
    const std::size_t below = static_cast<std::size_t>(header->line->number);
    const auto row = [&](std::string_view label, Figure<double> ProjectedColumn::*member) {
        const auto found = FindLabel(sheet, label, true, -1e9, 1e9, below);
        if (!found)
            return;
        std::vector<std::string> cells(columns.size());
        for (std::size_t i = found->after; i < found->words.size(); ++i) {
            // Only figures count: "+" signs and the words of a label's second half do not.
            const std::string& word = found->words[i].word->text;
            std::string& cell = cells[columnOf(*found->words[i].word)];
            if (cell.empty() && ParseAmount(word, false))
                cell = word;
        }
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (const auto value = ParseAmount(cells[c], false))
                reading.projectedPayments[c].*member = {value, At(sheet, *found->line)};
    };
    row("Principal & Interest", &ProjectedColumn::principalInterest);
    row("Mortgage Insurance", &ProjectedColumn::mortgageInsurance);
    row("Estimated Escrow", &ProjectedColumn::escrow);
    row("Estimated Total", &ProjectedColumn::total);
}

void ReadCostsPage(const Sheet& sheet, EstimateReading& reading) {
    ReadSections(sheet, reading, false);
    if (!reading.cashToClose.value)
        if (const auto found = FindLabel(sheet, "Estimated Cash to Close"))
            if (const auto value = FirstAmount(found->words, found->after, true))
                reading.cashToClose = {value, At(sheet, *found->line)};
}

void ReadComparisons(const Sheet& sheet, EstimateReading& reading) {
    if (const auto found = FindLabel(sheet, "In 5 Years"))
        if (const auto value = FirstAmount(found->words, found->after, true))
            reading.in5YearsTotalPaid = {value, At(sheet, *found->line)};
    if (const auto found = FindLabel(sheet, "Principal you will have paid off"))
        if (const auto value = FirstAmount(found->words, 0, true))
            reading.in5YearsPrincipal = {value, At(sheet, *found->line)};
    if (const auto found = FindLabel(sheet, "Annual Percentage Rate (APR)"))
        if (const auto value = FirstPercent(found->words, found->after))
            reading.apr = {value, At(sheet, *found->line)};
    if (const auto found = FindLabel(sheet, "Total Interest Percentage (TIP)"))
        if (const auto value = FirstPercent(found->words, found->after))
            reading.tip = {value, At(sheet, *found->line)};
    if (const auto found = FindLabel(sheet, "Lender", true)) {
        const std::string name = ValueAfter(*found);
        if (!name.empty())
            reading.lender = {name, At(sheet, *found->line)};
    }
}

} // namespace

std::optional<double> ParseAmount(const std::string& text, bool needDollar) {
    if (IsDash(text))
        return needDollar ? std::nullopt : std::optional<double>(0.0);
    bool negative = false;
    std::string_view rest = WithoutMinus(text, negative);
    const bool dollar = !rest.empty() && rest.front() == '$';
    if (dollar)
        rest.remove_prefix(1);
    if (!negative) // "$-5"
        rest = WithoutMinus(rest, negative);
    if (needDollar && !dollar)
        return std::nullopt;
    std::string digits;
    bool point = false;
    for (char c : rest) {
        if (c >= '0' && c <= '9')
            digits += c;
        else if (c == ',' && !point && !digits.empty())
            continue;
        else if (c == '.' && !point) {
            point = true;
            digits += c;
        } else
            return std::nullopt;
    }
    if (digits.empty() || digits == ".")
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> ParsePercent(const std::string& text) {
    if (text.size() < 2 || text.back() != '%')
        return std::nullopt;
    std::string digits = text.substr(0, text.size() - 1);
    while (!digits.empty() && digits.back() == ' ')
        digits.pop_back();
    if (digits.empty() || digits.find_first_not_of("0123456789.") != std::string::npos)
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::optional<std::string> ParseDate(const std::string& text) {
    int month = 0;
    int day = 0;
    int year = 0;
    const std::vector<std::string> words = Keys(text);
    if (words.size() == 1) {
        const std::string& date = words.front();
        const std::size_t a = date.find('/');
        const std::size_t b = date.find('/', a == std::string::npos ? a : a + 1);
        if (a == std::string::npos || b == std::string::npos)
            return std::nullopt;
        const auto m = LeadingWhole(std::string_view(date).substr(0, a));
        const auto d = LeadingWhole(std::string_view(date).substr(a + 1, b - a - 1));
        const auto y = LeadingWhole(std::string_view(date).substr(b + 1));
        if (!m || !d || !y)
            return std::nullopt;
        month = *m;
        day = *d;
        year = *y < 100 ? 2000 + *y : *y;
    } else if (words.size() == 3) {
        static constexpr std::array<std::string_view, 12> kMonths{
            "january", "february", "march",     "april",   "may",      "june",
            "july",    "august",   "september", "october", "november", "december"};
        for (std::size_t m = 0; m < kMonths.size(); ++m)
            if (words[0] == kMonths[m] ||
                (words[0].size() >= 3 && kMonths[m].substr(0, 3) == words[0].substr(0, 3)))
                month = static_cast<int>(m) + 1;
        day = LeadingWhole(words[1]).value_or(0);
        year = LeadingWhole(words[2]).value_or(0);
    }
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1900 || year > 9999)
        return std::nullopt;
    char out[11];
    std::snprintf(out, sizeof out, "%04d-%02d-%02d", year, month, day);
    return std::string(out);
}

std::optional<EstimateReading> ReadEstimate(const std::vector<Page>& pages) {
    std::vector<Sheet> sheets;
    for (std::size_t p = 0; p < pages.size(); ++p)
        sheets.push_back(LinesOf(pages[p], static_cast<int>(p) + 1));
    const Sheet* first = nullptr;
    const Sheet* costs = nullptr;
    const Sheet* comparisons = nullptr;
    std::vector<const Sheet*> continuations;
    for (const Sheet& sheet : sheets) {
        if (!first && HasPhrase(sheet, "Loan Terms") && HasPhrase(sheet, "Projected Payments"))
            first = &sheet;
        else if (!costs && HasPhrase(sheet, "Closing Cost Details"))
            costs = &sheet;
        else if (!comparisons && HasPhrase(sheet, "Comparisons") &&
                 (HasPhrase(sheet, "In 5 Years") || HasPhrase(sheet, "Annual Percentage Rate")))
            comparisons = &sheet;
        else
            continuations.push_back(&sheet);
    }
    // Two of the form's three pages, one of them the first, say it is the form; a missing line
    // elsewhere only leaves its figure empty.
    const int known = (first ? 1 : 0) + (costs ? 1 : 0) + (comparisons ? 1 : 0);
    if (known < 2)
        return std::nullopt;
    EstimateReading reading;
    if (first)
        ReadFirstPage(*first, reading);
    if (costs)
        ReadCostsPage(*costs, reading);
    for (const Sheet* sheet : continuations)
        if (sheet->number > (costs ? costs->number : 1))
            ReadSections(*sheet, reading, true);
    if (comparisons)
        ReadComparisons(*comparisons, reading);
    // Without a LENDER line the name at the top of the first page stands for the lender.
    if (!reading.lender.value && first && !first->lines.empty()) {
        const Line& top = first->lines.front();
        const Found start{&top, top.words, 0, 0};
        if (!MatchAt(top.words, 0, Keys("Loan Estimate")))
            reading.lender = {ValueAfter(start), At(*first, top)};
    }
    return reading;
}

} // namespace plumcrest::reader
