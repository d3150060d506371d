#pragma once
// The comparison as it leaves the program: CSV, and a printable document (the table, the
// break-even lines and the cost chart). The window calls these; they read only the model and
// the chart they are given.

#include "OutputCommands.h"

#include <string>

namespace plumcrest::compare {

class CompareModel;
class CostChart;

// One record per offer under a header of the comparison's row labels; figures with "." and no
// grouping, money to the cent and rates to four places, as the window rounds them.
std::string ComparisonCsv(const CompareModel& model);

// The comparison as on screen: a column of labels, one column per offer, then the break-even
// lines.
output::PrintTable ComparisonPrintTable(const CompareModel& model);

// The heading, the table and the cost chart, ready to print or save as PDF.
output::OutputDocument ComparisonDocument(const CompareModel& model, const CostChart& chart);

} // namespace plumcrest::compare
