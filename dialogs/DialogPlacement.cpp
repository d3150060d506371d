#include "DialogPlacement.h"

#include "uFrmAbout.h"
#include "uFrmDisclaim.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace plumcrest::dialogs {
namespace {

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
void ShowModally(QPointer<Dialog>& reference, QWidget* main, const Args&... args) {
    const QRect over = main ? main->frameGeometry() : QRect();
    if (main)
        main->repaint();                      // nothing half-drawn stays behind the dialog
    auto* dialog = new Dialog(args..., main); // released by `release` below
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

QPoint CenteredOver(const QRect& over, const QSize& size) {
    // C++ integer division truncates toward zero, as the halving requires.
    return {over.left() + (over.width() - size.width()) / 2,
            over.top() + (over.height() - size.height()) / 2};
}

QPoint CenteredOverClamped(const QRect& over, const QSize& size) {
    const QPoint at = CenteredOver(over, size);
    return {std::max(at.x(), 0), std::max(at.y(), 0)};
}

void CenterForm(QWidget& form, const QWidget* over) {
    if (over)
        form.move(CenteredOverClamped(over->frameGeometry(), form.frameGeometry().size()));
}

QPointer<TfrmAbout>& AboutBox() {
    static QPointer<TfrmAbout> box;
    return box;
}

QPointer<TfrmDisclaim>& DisclaimerBox() {
    static QPointer<TfrmDisclaim> box;
    return box;
}

void ShowAbout(QWidget* main, const AboutContext& context) {
    ShowModally(AboutBox(), main, context);
}

void ShowDisclaimer(QWidget* main) {
    ShowModally(DisclaimerBox(), main);
}

} // namespace plumcrest::dialogs
