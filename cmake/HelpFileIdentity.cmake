# Writes the C++ definition of BuiltHelpFileIdentity() from the compiled help file.
#   cmake -DHELP_FILE=<plumcrestcalc.chm> -DOUTPUT=<file.cpp> -P HelpFileIdentity.cmake
file(SIZE "${HELP_FILE}" help_size)
file(SHA256 "${HELP_FILE}" help_digest)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " help_bytes "${help_digest}")
string(REGEX REPLACE ", $" "" help_bytes "${help_bytes}")
set(content "// Generated from ${HELP_FILE}; do not edit.
#include \"HelpFileIdentity.h\"

namespace plumcrest::help {

const HelpFileIdentity& BuiltHelpFileIdentity() {
    static const HelpFileIdentity identity{${help_size}u, {{${help_bytes}}}};
    return identity;
}

} // namespace plumcrest::help
")
file(WRITE "${OUTPUT}" "${content}")
