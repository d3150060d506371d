#pragma once
// Comma-separated text that spreadsheets read the same everywhere: RFC 4180 (CRLF after every
// record, a field quoted when it holds a comma, a quote, CR or LF, quotes inside doubled), money
// with "." as the decimal point and no group separators whatever the user's locale. Plain C++.

#include "Amortization.h"
#include "LoanEstimateMath.h"

#include <string>
#include <string_view>
#include <vector>

namespace plumcrest::output {

using CsvRecord = std::vector<std::string>;

// One field as it goes into a record (UTF-8 in, UTF-8 out). A text beginning with "=", "+",
// "-", "@", a tab or a carriage return is written quoted after an apostrophe, so a spreadsheet
// shows it as text rather than running it as a formula; a plain number ("-700.49") stays one.
std::string CsvField(std::string_view text);

// The records, each ended by CRLF.
std::string CsvText(const std::vector<CsvRecord>& records);

// Whole cents as "-1234.05": a "." and two decimals, no grouping.
std::string CsvMoney(Cents cents);

// A figure rounded half up to `decimals` places as the calculator's masks round it, with "."
// and no grouping: 6.75 with 4 decimals is "6.7500".
std::string CsvNumber(double value, int decimals);

// The schedule, one record per month under the header
// "Month,Year,Payment,Interest,Principal,Balance,Mortgage insurance,Total payment", the total
// being principal and interest plus insurance; no subtotal rows, so a spreadsheet can sum the
// columns itself. A loan without insurance keeps both columns, so the layout never changes.
std::string ScheduleCsv(const AmortizationSchedule& schedule, const InsurancePlan& insurance);

} // namespace plumcrest::output
