#pragma once
// The help viewer's window: a contents tree beside a browser that reads topics, stylesheets and
// pictures straight out of the compiled help file.

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

namespace plumcrest::help {

class ChmFile;

// Topics are "chm:/path.htm"; the viewer's own pages (topic not found, file not readable) use
// the "help-viewer" scheme so that they travel through history like topics.
QUrl TopicUrl(const QString& objectPath);
QUrl ContextNotFoundUrl(int context);
QUrl TopicNotFoundUrl(const QString& objectPath);
QUrl FileErrorUrl(const QString& filePath);
QUrl FileDamagedUrl(const QString& filePath);

enum class HelpPage { None, Topic, NotFound, FileError };

class HelpBrowser final : public QTextBrowser {
    Q_OBJECT
    Q_DISABLE_COPY(HelpBrowser)

public:
    explicit HelpBrowser(QWidget* parent);

    // The file stays owned by the caller and must outlive its use here.
    void SetFile(const ChmFile* file) { file_ = file; }
    HelpPage Page() const { return page_; }
    // The object path of the shown topic; empty while one of the viewer's own pages shows.
    QString Topic() const;

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    void FollowLink(const QUrl& link);
    QString LoadPage(const QUrl& url);

    const ChmFile* file_ = nullptr;
    QUrl base_; // the page being loaded or shown; relative names resolve against it
    HelpPage page_ = HelpPage::None;
};

class HelpWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(HelpWindow)

public:
    HelpWindow();

    // Takes a newly opened file (or none): title, contents and history start afresh.
    void SetFile(const ChmFile* file);
    void Show(const QUrl& url);
    // Sized and moved to stand beside `other` within the screen: to its right, or its left where
    // that has more room; where neither has enough, over the half of the screen on the side with
    // more room, the other half of `other` left in view. A narrow window shows the topic alone,
    // its contents folded away.
    void PlaceBeside(const QWidget& other);
    HelpBrowser& Browser() { return *browser_; }
    const HelpBrowser& Browser() const { return *browser_; }

private:
    void FillContents(const ChmFile* file);
    // The contents as wide as their longest entry, within two fifths of the window, so that the
    // longer Spanish names are not cut short; none in a narrow window.
    void FitContents();
    void OpenContentsItem(QTreeWidgetItem* item);
    void SelectContentsItem(const QUrl& url);

    QTreeWidget* contents_;
    QSplitter* splitter_ = nullptr;
    HelpBrowser* browser_;
    QUrl home_;
};

} // namespace plumcrest::help
