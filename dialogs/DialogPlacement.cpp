#include "DialogPlacement.h"

#include "uFrmAbout.h"
#include "uFrmDisclaim.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace plumcrest::dialogs {
namespace {

QPointer<QWidget>& MainFormReference() {
    static QPointer<QWidget> form;
    return form;
}

// Hands the dialog to deleteLater when the show operation leaves, however it leaves; the dialog
// is then destroyed once the event being handled has been processed.
class ReleaseLater {
public:
    explicit ReleaseLater(QObject* object) : object_(object) {}
    ~ReleaseLater() {
        if (object_)
            object_->deleteLater();
    }
    ReleaseLater(const ReleaseLater&) = delete;
    ReleaseLater& operator=(const ReleaseLater&) = delete;

private:
    QPointer<QObject> object_;
};

// The dialog keeps no Qt parent (no owner: the show operation alone decides its lifetime), but
// the window system learns that it belongs to the main window. A transient window gets no
// taskbar entry of its own and stays above its main window, so the main window's button remains
// the only one.
void MakeTransientFor(QWidget& dialog, QWidget* main) {
    if (!main)
        return;
    dialog.winId();
    main->winId();
    if (QWindow* window = dialog.windowHandle())
        window->setTransientParent(main->windowHandle());
}

template <class Dialog, class... Args>
void ShowModally(QPointer<Dialog>& reference, const Args&... args) {
    QWidget* main = MainForm();
    const QRect over = main ? main->frameGeometry() : QRect();
    if (main)
        main->repaint();                // nothing half-drawn stays behind the dialog
    auto* dialog = new Dialog(args...); // released by `release` below
    ReleaseLater release(dialog);
    reference = dialog;
    MakeTransientFor(*dialog, main);
    // Re-centred over the rectangle read first, without clamping: a main window partly off the
    // left or top edge of the screen gives negative coordinates, and they are kept.
    if (main)
        dialog->move(CenteredOver(over, dialog->frameGeometry().size()));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->exec();
}

} // namespace

void SetMainForm(QWidget* form) {
    MainFormReference() = form;
}

QWidget* MainForm() {
    return MainFormReference().data();
}

QPoint CenteredOver(const QRect& over, const QSize& size) {
    // C++ integer division truncates toward zero, as the halving requires.
    return {over.left() + (over.width() - size.width()) / 2,
            over.top() + (over.height() - size.height()) / 2};
}

QPoint CenteredOverClamped(const QRect& over, const QSize& size) {
    const QPoint at = CenteredOver(over, size);
    return {std::max(at.x(), 0), std::max(at.y(), 0)};
}

void CenterForm(QWidget& form) {
    if (QWidget* main = MainForm())
        form.move(CenteredOverClamped(main->frameGeometry(), form.frameGeometry().size()));
}

QPointer<TfrmAbout>& AboutBox() {
    static QPointer<TfrmAbout> box;
    return box;
}

QPointer<TfrmDisclaim>& DisclaimerBox() {
    static QPointer<TfrmDisclaim> box;
    return box;
}

void ShowAbout(const AboutContext& context) {
    ShowModally(AboutBox(), context);
}

void ShowDisclaimer() {
    ShowModally(DisclaimerBox());
}

} // namespace plumcrest::dialogs
