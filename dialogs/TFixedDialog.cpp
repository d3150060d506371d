#include "TFixedDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace plumcrest::dialogs {

TFixedDialog::TFixedDialog(QWidget* parent, int clientWidth, int clientHeight)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setFixedSize(clientWidth, clientHeight);
    setSizeGripEnabled(false);
    // Drawn in the button-face colour, as a dialog of the original platform.
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    setPalette(p);
    setAutoFillBackground(true);
}

void TFixedDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept(); // no cancel button: Escape must not close the dialog
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
            button && isAncestorOf(button)) {
            button->click();
            event->accept();
            return;
        }
        event->accept(); // no default button to press either
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace plumcrest::dialogs
