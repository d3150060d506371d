#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace plumcrest::contrast {

double Luminance(const QColor& colour) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

double Ratio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& wanted, std::initializer_list<QColor> backgrounds, double minimum) {
    const auto worst = [&](const QColor& colour) {
        double least = 21;
        for (const QColor& back : backgrounds)
            least = std::min(least, Ratio(colour, back));
        return least;
    };
    if (backgrounds.size() == 0 || worst(wanted) >= minimum)
        return wanted;
    double darkest = 1;
    for (const QColor& back : backgrounds)
        darkest = std::min(darkest, Luminance(back));
    // Dark backgrounds take a lighter shade, light ones a darker.
    const bool lighten = darkest < 0.18;
    float h = 0, s = 0, l = 0, a = 0;
    wanted.toHsl().getHslF(&h, &s, &l, &a);
    QColor best = wanted;
    for (int step = 1; step <= 100; ++step) {
        const float shade = std::clamp(l + (lighten ? 0.01F : -0.01F) * float(step), 0.0F, 1.0F);
        QColor tried = QColor::fromHslF(h, s, shade, a).toRgb();
        if (worst(tried) >= minimum)
            return tried;
        best = tried;
    }
    // Hue and saturation cannot reach it: plain black or white does.
    const QColor plain = lighten ? QColor(Qt::white) : QColor(Qt::black);
    return worst(plain) > worst(best) ? plain : best;
}

namespace {

QColor OnPalette(const QColor& wanted, const QPalette& palette, double minimum) {
    return ReadableOn(wanted,
                      {palette.color(QPalette::Active, QPalette::Window),
                       palette.color(QPalette::Active, QPalette::Base)},
                      minimum);
}

} // namespace

// Drawn text loses a little to smoothing at its edges: the marks aim above the bare minimum.
constexpr double kMarkText = kText + 0.5;

QColor ProblemColour(const QPalette& palette) {
    return OnPalette(QColor(0xb3, 0x26, 0x1e), palette, kMarkText);
}

QColor AgreeColour(const QPalette& palette) {
    return OnPalette(QColor(0x1b, 0x6e, 0x3a), palette, kMarkText);
}

QColor FocusColour(const QPalette& palette) {
    // Styles shade the window a little under frames and group boxes: the ring stands out from
    // those shades as well.
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    return ReadableOn(palette.color(QPalette::Active, QPalette::Highlight),
                      {window, window.lighter(125), window.darker(125),
                       palette.color(QPalette::Active, QPalette::Base),
                       palette.color(QPalette::Active, QPalette::Button),
                       palette.color(QPalette::Active, QPalette::Midlight)},
                      kFocus + 0.3);
}

QString TextStyle(const QColor& colour) {
    return QStringLiteral("color: %1;").arg(colour.name());
}

QPalette ReadableHighlight(QPalette palette) {
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        const QColor text = palette.color(group, QPalette::HighlightedText);
        const QColor back = palette.color(group, QPalette::Highlight);
        if (Ratio(text, back) >= kText)
            continue;
        // The highlight moves away from its text: darker under light text, lighter under dark.
        palette.setColor(group, QPalette::Highlight, ReadableOn(back, {text}, kText));
    }
    return palette;
}

} // namespace plumcrest::contrast
