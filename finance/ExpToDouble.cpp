#include "ExpToDouble.h"

namespace plumcrest::exp_detail {
namespace {

std::array<long double, 256> MakePowersOfTwo() {
    std::array<long double, 256> table{};
    for (std::size_t j = 0; j < table.size(); ++j)
        table[j] = exp2l(static_cast<long double>(j) / 256.0L);
    return table;
}

} // namespace

// Filled before main; nothing calls ExpToDouble during static initialisation.
const std::array<long double, 256> kPowersOfTwo = MakePowersOfTwo();

} // namespace plumcrest::exp_detail
