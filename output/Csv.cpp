#include "Csv.h"

#include "PictureMask.h"

namespace plumcrest::output {

namespace {

// "-1234.05", "0", "12.5": a figure as this program writes one.
bool IsPlainNumber(std::string_view text) {
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return !whole.empty() && digits(whole) && digits(fraction) &&
           (point == std::string_view::npos || !fraction.empty());
}

// A spreadsheet takes a cell beginning with one of these as a formula: a lender's name such as
// "=HYPERLINK(...)" must arrive as the text it is.
bool ReadAsFormula(std::string_view text) {
    return !text.empty() &&
           std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos &&
           !IsPlainNumber(text);
}

} // namespace

std::string CsvField(std::string_view text) {
    const bool formula = ReadAsFormula(text);
    if (!formula && text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted;
    quoted.reserve(text.size() + 3);
    quoted += '"';
    // The leading apostrophe makes it text, as a spreadsheet's own typing rule has it.
    if (formula) {
        quoted += '\'';
    }
    for (char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string CsvText(const std::vector<CsvRecord>& records) {
    std::string text;
    for (const CsvRecord& record : records) {
        for (std::size_t i = 0; i < record.size(); ++i) {
            if (i > 0) {
                text += ',';
            }
            text += CsvField(record[i]);
        }
        text += "\r\n";
    }
    return text;
}

std::string CsvMoney(Cents cents) {
    // Cents are whole numbers: integer arithmetic, so no locale or rounding can reach the text.
    const bool negative = cents < 0;
    const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(cents)
                                                  : static_cast<unsigned long long>(cents);
    std::string text = std::to_string(magnitude / 100);
    const unsigned long long fraction = magnitude % 100;
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    text += static_cast<char>('0' + fraction % 10);
    return negative ? "-" + text : text;
}

std::string CsvNumber(double value, int decimals) {
    // A mask with no group positions and room for any figure a loan can have.
    std::u32string mask(20, U'#');
    if (decimals > 0) {
        mask += U'.';
        mask.append(static_cast<std::size_t>(decimals), U'#');
    }
    const std::u32string text =
        TrimBlanks(FormatIntoMask(value, AnalyseMask(mask), LocaleSeparators{U'.', U','}));
    return std::string(text.begin(), text.end()); // digits, "-" and "." only
}

std::string ScheduleCsv(const AmortizationSchedule& schedule, const InsurancePlan& insurance) {
    std::string text =
        "Month,Year,Payment,Interest,Principal,Balance,Mortgage insurance,Total payment\r\n";
    text.reserve(text.size() + schedule.months.size() * 64);
    for (const ScheduleMonth& m : schedule.months) {
        text += std::to_string(m.month);
        text += ',';
        text += std::to_string((m.month - 1) / 12 + 1);
        const Cents paidInsurance = InsuranceInMonth(insurance, m.month);
        for (Cents value : {m.payment, m.interest, m.principal, m.balance, paidInsurance,
                            m.payment + paidInsurance}) {
            text += ',';
            text += CsvMoney(value);
        }
        text += "\r\n";
    }
    return text;
}

} // namespace plumcrest::output
