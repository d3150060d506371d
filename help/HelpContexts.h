#pragma once
// The help context numbers the program asks for, from the one list the help file is compiled
// with.

#include "context.h"

namespace plumcrest::help {

inline constexpr int kWelcomeContext = IDH_WELCOME;
inline constexpr int kKeepOffersContext = IDH_KEEP_OFFERS;
inline constexpr int kCompareOffersContext = IDH_COMPARE_OFFERS;
inline constexpr int kEditOfferContext = IDH_EDIT_OFFER;
inline constexpr int kScheduleContext = IDH_SCHEDULE;
inline constexpr int kChartContext = IDH_CHART;
inline constexpr int kOutputContext = IDH_OUTPUT;
inline constexpr int kWhatIfContext = IDH_WHAT_IF;
inline constexpr int kImportContext = IDH_IMPORT;
inline constexpr int kVerdictContext = IDH_VERDICT;
inline constexpr int kPointsCreditsContext = IDH_POINTS_CREDITS;
inline constexpr int kRefinanceContext = IDH_REFINANCE;
inline constexpr int kClosingCheckContext = IDH_CLOSING_CHECK;

} // namespace plumcrest::help
