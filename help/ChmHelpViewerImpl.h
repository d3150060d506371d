#pragma once
// The help viewer behind TheChmHelpViewer(), as a class that tests can make and question.

#include "HelpWindow.h"
#include "Services.h"

#include <QPointer>
#include <memory>

namespace plumcrest::help {

class ChmFile;

// Opens the help file on the first request (and again after the file changed or failed to
// open), shows topics in one top-level window made on the first request and reused after, and
// reports an unreadable file or an unknown topic in that window, never to the caller.
class ChmHelpViewer final : public platform::HelpSystem {
public:
    ChmHelpViewer();
    ~ChmHelpViewer() override;
    ChmHelpViewer(const ChmHelpViewer&) = delete;
    ChmHelpViewer& operator=(const ChmHelpViewer&) = delete;

    void SetHelpFile(const QString& path) override;
    void SetOwner(QWidget* owner) override { owner_ = owner; }
    void ShowContents() override;
    void ShowContext(int context) override;
    void Quit() override;

    // The help window, or nothing before the first request and after Quit.
    QWidget* Window() const;
    HelpPage Page() const;
    // The object path of the topic shown ("/welcome.htm"); empty for the viewer's own pages.
    QString Topic() const;
    QString DocumentTitle() const;
    QString Text() const;
    HelpBrowser* Browser() const;

private:
    HelpWindow& Prepare();
    void Present();

    QString path_;
    std::unique_ptr<ChmFile> file_; // declared first: the window reads it until destroyed
    std::unique_ptr<HelpWindow> window_;
    QPointer<QWidget> owner_;
};

} // namespace plumcrest::help
