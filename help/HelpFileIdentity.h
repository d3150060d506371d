#pragma once
// The help files this build compiled, each as its size and SHA-256 digest. chmlib trusts every byte
// it reads, so no other file reaches it: a damaged help file could take the whole program down.

#include <array>
#include <cstdint>

namespace plumcrest::help {

struct HelpFileIdentity {
    std::uint64_t size = 0;
    std::array<std::uint8_t, 32> sha256{};
};

// Recorded from the built plumcrestcalc.chm when the program is built.
const HelpFileIdentity& BuiltHelpFileIdentity();
// Recorded from the built plumcrestcalc_es.chm, the same help in Spanish.
const HelpFileIdentity& BuiltSpanishHelpFileIdentity();

} // namespace plumcrest::help
