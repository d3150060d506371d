#pragma once
// What one kept offer and one setting of the comparison may hold. The same limits are checked
// where an offer is typed (the offer editor), where it is kept (the store refuses more) and
// where it is read back, so that nothing the program keeps is ever hidden; an offer kept beyond
// them by an earlier version is shown cut to them, with what was left out named.
// Lengths are counted in UTF-16 code units, as a text field counts them.

namespace plumcrest {

// Longest name of a kept offer.
inline constexpr int kMaxOfferName = 60;
// Most closing cost lines one offer keeps, all sections together.
inline constexpr int kMaxCostItems = 200;
// Longest label of a closing cost line.
inline constexpr int kMaxCostLabel = 200;
// Longest product name a Loan Estimate's Loan Terms give ("5 Year Interest Only, 5/3
// Adjustable Rate").
inline constexpr int kMaxProductName = 200;
// A kept Closing Disclosure check: the file's name and the reading and choices it was made of.
inline constexpr int kMaxCheckFileName = 260;
inline constexpr int kMaxCheckReading = 4 * 1024 * 1024;
inline constexpr int kMaxCheckChoices = 256 * 1024;
// Longest key of a setting; a key is never empty.
inline constexpr int kMaxSettingKey = 64;
// Longest value of a setting: room for the ids of some thousands of compared offers.
inline constexpr int kMaxSettingValue = 100000;
// Most offers one file of shared offers holds, and the largest such file read or written: room
// for that many offers of some dozens of lines each.
inline constexpr int kMaxOffersInFile = 500;
inline constexpr long long kMaxOffersFileBytes = 32LL * 1024 * 1024;

} // namespace plumcrest
