#pragma once
// The common ground of the two secondary dialogs: a fixed-size dialog window with a title but no
// caption buttons (no close box, no system menu) and no default or cancel button, so its own
// button is the way out. Escape does nothing; Enter presses the push button that has the focus.

#include <QDialog>

class QKeyEvent;

namespace plumcrest::dialogs {

class TFixedDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(TFixedDialog)

public:
    TFixedDialog(QWidget* parent, int clientWidth, int clientHeight);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace plumcrest::dialogs
