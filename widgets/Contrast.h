#pragma once
// Contrast between colours as WCAG 2 measures it, and the program's own marks (problems, checks
// that agree, focus) in colours that stay readable on whatever palette the desktop gives.

#include <QColor>
#include <QPalette>
#include <QString>
#include <initializer_list>

namespace plumcrest::contrast {

// Text must stand out from its background by this much, a focus indicator by kFocus.
constexpr double kText = 4.5;
constexpr double kFocus = 3.0;

double Luminance(const QColor& colour);
double Ratio(const QColor& a, const QColor& b);

// `wanted` when it reaches `minimum` against every background, else the nearest lighter or
// darker shade of it (away from the backgrounds) that does.
QColor ReadableOn(const QColor& wanted, std::initializer_list<QColor> backgrounds,
                  double minimum = kText);

// Shades of red and green for problems and agreeing checks, readable on the palette's window
// and base colours.
QColor ProblemColour(const QPalette& palette);
QColor AgreeColour(const QPalette& palette);
// A focus ring's colour: the palette's highlight where it stands out from the window, else a
// shade of it that does.
QColor FocusColour(const QPalette& palette);
// "color: #rrggbb;" for a widget's style sheet.
QString TextStyle(const QColor& colour);

// The palette with its highlight shaded until the highlighted text reads on it.
QPalette ReadableHighlight(QPalette palette);

} // namespace plumcrest::contrast
