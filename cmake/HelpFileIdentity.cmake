# Writes the C++ definition of BuiltHelpFileIdentity() (or of the function FUNCTION names) from
# the compiled help file.
#   cmake -DHELP_FILE=<plumcrestcalc.chm> -DOUTPUT=<file.cpp> [-DFUNCTION=<name>] -P HelpFileIdentity.cmake
if(NOT FUNCTION)
  set(FUNCTION BuiltHelpFileIdentity)
endif()
file(SIZE "${HELP_FILE}" help_size)
file(SHA256 "${HELP_FILE}" help_digest)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " help_bytes "${help_digest}")
string(REGEX REPLACE ", $" "" help_bytes "${help_bytes}")
set(content "// Generated from ${HELP_FILE}; do not edit.
#include \"HelpFileIdentity.h\"

namespace plumcrest::help {

const HelpFileIdentity& ${FUNCTION}() {
    static const HelpFileIdentity identity{${help_size}u, {{${help_bytes}}}};
    return identity;
}

} // namespace plumcrest::help
")
file(WRITE "${OUTPUT}" "${content}")
