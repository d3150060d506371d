#include "ChmHelpViewer.h"

#include "ChmHelpViewerImpl.h"
#include "HelpChmFile.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

namespace plumcrest::help {
namespace {

// Runs once when the watched window is first shown: the help that opened before the calculator
// (the first run's welcome) is placed beside it as soon as its place is known.
class OnFirstShow final : public QObject {
public:
    OnFirstShow(QWidget* watched, std::function<void()> then)
        : QObject(watched), then_(std::move(then)) {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent()) {
            // Posted: the window manager has placed the window and its frame by then.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (then_)
                        then_();
                    deleteLater();
                },
                Qt::QueuedConnection);
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

ChmHelpViewer::ChmHelpViewer() = default;

ChmHelpViewer::~ChmHelpViewer() {
    // A window left open at static destruction outlives the application object; deleting it
    // then would touch a dead window system, so it is abandoned instead.
    if (!QCoreApplication::instance())
        static_cast<void>(window_.release());
}

void ChmHelpViewer::SetHelpFile(const QString& path) {
    path_ = path;
}

void ChmHelpViewer::ShowContents() {
    HelpWindow& window = Prepare();
    if (!file_)
        window.Show(FileErrorUrl(path_));
    else if (const auto topic = file_->DefaultTopic())
        window.Show(TopicUrl(*topic));
    else
        window.Show(TopicNotFoundUrl(QString()));
    Present();
}

void ChmHelpViewer::ShowContext(int context) {
    HelpWindow& window = Prepare();
    if (!file_)
        window.Show(FileErrorUrl(path_));
    else if (const auto topic = file_->TopicForContext(context))
        window.Show(TopicUrl(*topic));
    else if (!file_->ContextMapReadable())
        window.Show(FileDamagedUrl(path_));
    else
        window.Show(ContextNotFoundUrl(context));
    Present();
}

void ChmHelpViewer::Quit() {
    window_.reset();
    file_.reset();
}

HelpWindow& ChmHelpViewer::Prepare() {
    if (!window_)
        window_ = std::make_unique<HelpWindow>();
    // Opened again after a failure too: the file may have been put in place since.
    if (!file_ || file_->Path() != path_) {
        window_->SetFile(nullptr);
        file_ = ChmFile::OpenBuilt(path_);
        window_->SetFile(file_.get());
    }
    return *window_;
}

void ChmHelpViewer::Present() {
    // Asked from a modal dialog, the help belongs to that dialog: the dialog blocks every other
    // window, so a help window that were not its own could not be scrolled or clicked.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* anchor = modal ? modal : owner_.data();
    if (anchor) {
        // Transient for its owner, as an owned window: no taskbar entry of its own.
        anchor->winId();
        window_->winId();
        window_->windowHandle()->setTransientParent(anchor->windowHandle());
    }
    if (!window_->isVisible() && anchor) {
        // Beside the window it helps with, not over it.
        if (anchor->isVisible()) {
            window_->PlaceBeside(*anchor);
        } else {
            QPointer<HelpWindow> help = window_.get();
            QPointer<QWidget> beside = anchor;
            new OnFirstShow(anchor, [help, beside] {
                if (help && beside)
                    help->PlaceBeside(*beside);
            });
        }
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

QWidget* ChmHelpViewer::Window() const {
    return window_.get();
}

HelpPage ChmHelpViewer::Page() const {
    return window_ ? window_->Browser().Page() : HelpPage::None;
}

QString ChmHelpViewer::Topic() const {
    return window_ ? window_->Browser().Topic() : QString();
}

QString ChmHelpViewer::DocumentTitle() const {
    return window_ ? window_->Browser().documentTitle() : QString();
}

QString ChmHelpViewer::Text() const {
    return window_ ? window_->Browser().toPlainText() : QString();
}

HelpBrowser* ChmHelpViewer::Browser() const {
    return window_ ? &window_->Browser() : nullptr;
}

platform::HelpSystem& TheChmHelpViewer() {
    static ChmHelpViewer viewer;
    return viewer;
}

} // namespace plumcrest::help
