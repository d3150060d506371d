#pragma once

// Whether a pixel of a rendered page counts as ink: darker than a light grey (225 of 255), as a
// grey image of the page would show it. Glyphs a page does not show (white, or drawn in no
// colour at all) leave no such pixel; the form's smallest grey type still does.

namespace plumcrest::reader {

// The pixel's colour in sRGB, a byte a channel.
bool IsInk(unsigned char red, unsigned char green, unsigned char blue);

} // namespace plumcrest::reader
