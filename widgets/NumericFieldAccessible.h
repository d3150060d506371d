#pragma once
// Accessibility of the numeric fields: screen readers (and the end-to-end tests reading the window
// through AT-SPI) see each field as editable text whose value and text are the shown text.

#include <QString>

class QLabel;
class QWidget;

namespace plumcrest {

// Installs the interface factory; call it before any widget exists. Safe to call again.
void InstallNumericFieldAccessibility();

// Makes `label` the field's caption for assistive technology: the field is labelled by it and
// the label is the label for the field, with no access key and no buddy (which would add one).
// Call it before the two are first queried.
void SetAccessibleLabel(QWidget* field, QLabel* label);

// Tells assistive technology that a field's shown text changed.
void AnnounceDisplayChange(QWidget* field, const QString& before, const QString& after);

} // namespace plumcrest
