#include "Ink.h"

#include <array>
#include <cmath>

namespace plumcrest::reader {

namespace {

// The grey (0 black, 255 white) below which a pixel is ink.
constexpr double kInkLevel = 225;

// A colour channel of sRGB in linear light.
double Linear(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// A pixel's luminance (sRGB's primaries, adapted to D50 as ICC profiles are) against the
// luminance of the ink level's grey, rounded as an 8-bit grey would be. A table a channel: a
// page's check looks at tens of thousands of pixels.
class Darkness {
public:
    Darkness() {
        for (int level = 0; level < 256; ++level) {
            const double linear = Linear(level / 255.0);
            red_[level] = 0.2225045 * linear;
            green_[level] = 0.7168786 * linear;
            blue_[level] = 0.0606169 * linear;
        }
    }
    bool Dark(unsigned char red, unsigned char green, unsigned char blue) const {
        return red_[red] + green_[green] + blue_[blue] < threshold_;
    }

private:
    std::array<double, 256> red_{};
    std::array<double, 256> green_{};
    std::array<double, 256> blue_{};
    double threshold_ = Linear((kInkLevel - 0.5) / 255);
};

} // namespace

bool IsInk(unsigned char red, unsigned char green, unsigned char blue) {
    static const Darkness darkness;
    return darkness.Dark(red, green, blue);
}

} // namespace plumcrest::reader
