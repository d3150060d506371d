#include "ChmHelpViewer.h"

#include "ChmHelpViewerImpl.h"
#include "HelpChmFile.h"

#include <QCoreApplication>
#include <QWindow>

namespace plumcrest::help {

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
        file_ = ChmFile::Open(path_);
        window_->SetFile(file_.get());
    }
    return *window_;
}

void ChmHelpViewer::Present() {
    if (owner_) {
        // Transient for its owner, as an owned window: no taskbar entry of its own.
        owner_->winId();
        window_->winId();
        window_->windowHandle()->setTransientParent(owner_->windowHandle());
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
