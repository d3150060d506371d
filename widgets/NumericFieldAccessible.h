#pragma once
// Accessibility of the numeric fields: screen readers (and the end-to-end tests reading the window
// through AT-SPI) see each field as editable text whose value and text are the shown text.

#include <QString>

class QWidget;

namespace plumcrest {

// Installs the interface factory; call it before any widget exists. Safe to call again.
void InstallNumericFieldAccessibility();

// Tells assistive technology that a field's shown text changed.
void AnnounceDisplayChange(QWidget* field, const QString& before, const QString& after);

} // namespace plumcrest
