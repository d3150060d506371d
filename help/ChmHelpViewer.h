#pragma once
// The help viewer over a compiled HTML help file: reads it with chmlib, maps context numbers to
// topics through the file's own map, shows topics in Qt windows.

#include "Services.h"

namespace plumcrest::help {

// The program-wide viewer behind the real HelpSystem service.
platform::HelpSystem& TheChmHelpViewer();

} // namespace plumcrest::help
