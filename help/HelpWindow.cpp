#include "HelpWindow.h"

#include "Contrast.h"
#include "Guarded.h"
#include "HelpChmFile.h"
#include "ScreenFit.h"
#include "Services.h"
#include "Translations.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeySequence>
#include <QScrollBar>
#include <QSplitter>
#include <QStringDecoder>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <vector>

namespace plumcrest::help {
namespace {

const QString kTopicScheme = QStringLiteral("chm");
const QString kViewerScheme = QStringLiteral("help-viewer");
QString Untitled() {
    return QCoreApplication::translate("HelpWindow", "Help");
}
constexpr int kTopicRole = Qt::UserRole;

QUrl ViewerUrl(const QString& page, const QString& key, const QString& value) {
    QUrl url;
    url.setScheme(kViewerScheme);
    url.setPath(page);
    QUrlQuery query;
    query.addQueryItem(key, value);
    url.setQuery(query);
    return url;
}

QString OwnPage(const QString& heading, const QString& text) {
    return QStringLiteral("<html><head><title>%1</title></head><body><h1>%1</h1><p>%2</p>"
                          "</body></html>")
        .arg(heading.toHtmlEscaped(), text);
}

QString Quoted(const QString& text) {
    return QStringLiteral("\"%1\"").arg(text.toHtmlEscaped());
}

QString ViewerPage(const QUrl& url) {
    const QUrlQuery query(url);
    const auto value = [&query](const char* key) {
        return query.queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
    };
    if (url.path() == QLatin1String("/error"))
        return OwnPage(QCoreApplication::translate("HelpWindow", "Help file not available"),
                       QCoreApplication::translate(
                           "HelpWindow", "The help file %1 could not be opened. It is missing, "
                                         "cannot be read, or is damaged or not the help file "
                                         "that came with this program.")
                           .arg(Quoted(value("file"))));
    if (url.path() == QLatin1String("/damaged"))
        return OwnPage(QCoreApplication::translate("HelpWindow", "Help file not available"),
                       QCoreApplication::translate(
                           "HelpWindow", "The help file %1 is damaged: the page could not be read "
                                         "from it.")
                           .arg(Quoted(value("file"))));
    if (query.hasQueryItem(QStringLiteral("context")))
        return OwnPage(QCoreApplication::translate("HelpWindow", "Topic not found"),
                       QCoreApplication::translate(
                           "HelpWindow", "This help file has no topic for help context %1.")
                           .arg(value("context").toHtmlEscaped()));
    if (value("topic").isEmpty())
        return OwnPage(QCoreApplication::translate("HelpWindow", "Topic not found"),
                       QCoreApplication::translate("HelpWindow",
                                                   "This help file names no topic to start with."));
    return OwnPage(
        QCoreApplication::translate("HelpWindow", "Topic not found"),
        QCoreApplication::translate("HelpWindow", "The topic %1 is not in this help file.")
            .arg(Quoted(value("topic"))));
}

bool IsExternal(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto") || scheme == QLatin1String("ftp");
}

QUrl WithoutFragment(const QUrl& url) {
    return url.adjusted(QUrl::RemoveFragment);
}

// The help reads as a window to a screen reader, with its title as its name.
QAccessibleInterface* HelpWindowFactory(const QString&, QObject* object) {
    if (auto* window = qobject_cast<HelpWindow*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

// Narrower than this, the topic is shown without the contents beside it.
constexpr int kContentsFit = 560;
constexpr int kNarrowest = 300;
constexpr int kGap = 8;

} // namespace

QUrl FileDamagedUrl(const QString& filePath) {
    return ViewerUrl(QStringLiteral("/damaged"), QStringLiteral("file"), filePath);
}

QUrl TopicUrl(const QString& objectPath) {
    QUrl url;
    url.setScheme(kTopicScheme);
    url.setPath(ChmObjectPath(objectPath));
    return url;
}

QUrl ContextNotFoundUrl(int context) {
    return ViewerUrl(QStringLiteral("/not-found"), QStringLiteral("context"),
                     QString::number(context));
}

QUrl TopicNotFoundUrl(const QString& objectPath) {
    return ViewerUrl(QStringLiteral("/not-found"), QStringLiteral("topic"), objectPath);
}

QUrl FileErrorUrl(const QString& filePath) {
    return ViewerUrl(QStringLiteral("/error"), QStringLiteral("file"), filePath);
}

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    // Links are followed here: topics inside the file, web and mail addresses through the shell.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
}

QString HelpBrowser::Topic() const {
    return page_ == HelpPage::Topic ? source().path() : QString();
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType) {
    base_ = WithoutFragment(name);
    // Topic names rarely say what they hold; everything the viewer shows is HTML.
    QTextBrowser::doSetSource(name, QTextDocument::HtmlResource);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? base_.resolved(name) : name;
    if (type == QTextDocument::HtmlResource)
        return LoadPage(url);
    if (url.scheme() != kTopicScheme || !file_)
        return {};
    const auto data = file_->Read(url.path());
    if (!data)
        return {};
    if (type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(*data);
    return *data;
}

QString HelpBrowser::LoadPage(const QUrl& url) {
    if (url.scheme() == kViewerScheme) {
        const bool fileFault =
            url.path() == QLatin1String("/error") || url.path() == QLatin1String("/damaged");
        page_ = fileFault ? HelpPage::FileError : HelpPage::NotFound;
        return ViewerPage(url);
    }
    if (url.scheme() == kTopicScheme && file_) {
        if (const auto data = file_->Read(url.path())) {
            page_ = HelpPage::Topic;
            QStringDecoder decoder = QStringDecoder::decoderForHtml(*data);
            return decoder.isValid() ? QString(decoder(*data)) : QString::fromUtf8(*data);
        }
        if (file_->Contains(url.path())) { // listed, yet unreadable: say so, not "not found"
            page_ = HelpPage::FileError;
            return ViewerPage(FileDamagedUrl(file_->Path()));
        }
    }
    page_ = HelpPage::NotFound;
    return ViewerPage(TopicNotFoundUrl(url.path()));
}

void HelpBrowser::FollowLink(const QUrl& link) {
    const QUrl target = base_.resolved(link);
    if (target.scheme() == kTopicScheme || target.scheme() == kViewerScheme) {
        setSource(target);
        return;
    }
    // The viewer opens nothing outside the file itself; addresses go to the desktop.
    if (!IsExternal(target) || !platform::TheShell().Open(target.toString()))
        platform::TheSound().Beep();
}

HelpWindow::HelpWindow() : contents_(new QTreeWidget(this)), browser_(new HelpBrowser(this)) {
    static const bool accessible = [] {
        QAccessible::installFactory(&HelpWindowFactory);
        return true;
    }();
    (void)accessible;
    setObjectName(QStringLiteral("plumcrestHelpWindow"));
    setWindowTitle(Untitled());
    // The help never keeps the program running, nor ends it.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(FittedSize(nullptr, QSize(780, 540)));

    auto* toolBar = new QToolBar(this);
    QAction* back = toolBar->addAction(QString(), browser_, &QTextBrowser::backward);
    QAction* forward = toolBar->addAction(QString(), browser_, &QTextBrowser::forward);
    QAction* home = toolBar->addAction(QString(), this, [this] {
        if (home_.isValid())
            Show(home_);
    });
    back->setObjectName(QStringLiteral("back"));
    forward->setObjectName(QStringLiteral("forward"));
    // The usual browser keys, wherever the focus is in the window.
    back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    forward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    back->setEnabled(false);
    forward->setEnabled(false);
    auto* closeWindow = new QAction(this);
    closeWindow->setObjectName(QStringLiteral("close"));
    closeWindow->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(closeWindow, &QAction::triggered, this, &QWidget::close);
    addAction(closeWindow);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    contents_->setHeaderHidden(true);
    contents_->setObjectName(QStringLiteral("contents"));

    // The topic shown reads on its highlight in every palette.
    contents_->setPalette(contrast::ReadableHighlight(contents_->palette()));
    browser_->setObjectName(QStringLiteral("topic"));
    translations::Live(this, [this, back, forward, home, closeWindow] {
        back->setText(QCoreApplication::translate("HelpWindow", "Back"));
        forward->setText(QCoreApplication::translate("HelpWindow", "Forward"));
        home->setText(QCoreApplication::translate("HelpWindow", "Home"));
        closeWindow->setText(QCoreApplication::translate("HelpWindow", "Close"));
        contents_->setAccessibleName(QCoreApplication::translate("HelpWindow", "Contents"));
        browser_->setAccessibleName(QCoreApplication::translate("HelpWindow", "Topic"));
    });
    connect(contents_, &QTreeWidget::itemActivated, this, &HelpWindow::OpenContentsItem);
    connect(contents_, &QTreeWidget::itemClicked, this, &HelpWindow::OpenContentsItem);
    // The contents follow the topic shown, however it was reached (a link, F1, Back).
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        platform::RunGuarded([this, &url] { SelectContentsItem(url); });
    });

    auto* splitter = new QSplitter(this);
    splitter_ = splitter;
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 560});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter, 1);
}

void HelpWindow::PlaceBeside(const QWidget& other) {
    const QRect area = WindowRoom(&other);
    const QRect taken = other.frameGeometry();
    // The frame this window will have, as the other window's shows it.
    const QSize frame = other.frameGeometry().size() - other.geometry().size();
    const int right = area.right() - taken.right() - kGap;
    const int left = taken.left() - area.left() - kGap;
    const int room = std::max(right, left) - frame.width();
    const int height = std::min(std::max(taken.height(), 540), area.height()) - frame.height();
    QPoint at;
    if (room >= kNarrowest) {
        resize(std::min(780, room), height);
        at.setX(right >= left ? taken.right() + 1 + kGap
                              : taken.left() - kGap - width() - frame.width());
    } else {
        // No room beside it (a laptop at twice the scale): over the half of the screen on the
        // side with more room, so the other window's other half, and what it holds there,
        // stays in view; the topic scrolls within.
        const int half = std::max(area.width() / 2, std::min(kNarrowest, area.width()));
        resize(std::min(780, half - frame.width()), height);
        at.setX(right >= left ? area.right() + 1 - width() - frame.width() : area.left());
    }
    at.setY(std::clamp(taken.top(), area.top(),
                       std::max(area.top(), area.bottom() + 1 - height - frame.height())));
    move(at);
    FitContents();
}

void HelpWindow::FitContents() {
    if (!splitter_ || !contents_->isVisibleTo(this))
        return;
    int contents = 0;
    if (width() >= kContentsFit) {
        // Each entry's text after its indent (the top level is indented too, for its branch
        // mark), with the item's margins, the frame and room for the scroll bar.
        const QFontMetrics metrics = contents_->fontMetrics();
        const int margin =
            2 *
            (contents_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, contents_) + 1);
        int widest = 0;
        for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
            int depth = 1;
            for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent())
                ++depth;
            widest = std::max(widest, depth * contents_->indentation() +
                                          metrics.horizontalAdvance((*it)->text(0)) + margin);
        }
        const int entries = widest + 2 * contents_->frameWidth() +
                            contents_->verticalScrollBar()->sizeHint().width();
        contents = std::min(std::max(220, entries), width() * 2 / 5);
    }
    splitter_->setSizes({contents, width() - contents});
}

void HelpWindow::SetFile(const ChmFile* file) {
    browser_->SetFile(file);
    browser_->clearHistory();
    const QString title = file ? file->System().title : QString();
    setWindowTitle(title.isEmpty() ? Untitled() : title);
    const auto home = file ? file->DefaultTopic() : std::nullopt;
    home_ = home ? TopicUrl(*home) : QUrl();
    FillContents(file);
}

void HelpWindow::Show(const QUrl& url) {
    // The same page again may come from another file, or be a failed one worth retrying.
    const bool samePage = WithoutFragment(browser_->source()) == WithoutFragment(url);
    browser_->setSource(url);
    if (samePage)
        browser_->reload();
}

void HelpWindow::FillContents(const ChmFile* file) {
    contents_->clear();
    if (!file) {
        contents_->hide();
        return;
    }
    std::vector<QTreeWidgetItem*> parents; // parents[d] holds the last item at depth d
    for (const ChmContentsEntry& entry : file->Contents()) {
        const auto depth = std::min<std::size_t>(std::size_t(entry.depth), parents.size());
        parents.resize(depth);
        auto* item =
            depth == 0 ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.back());
        item->setText(0, entry.name.isEmpty() ? entry.local : entry.name);
        // In a narrow window the pane cuts long names; the pointer reads them whole.
        item->setToolTip(0, item->text(0));
        if (!entry.local.isEmpty()) {
            QUrl url = TopicUrl(entry.local.section(QLatin1Char('#'), 0, 0));
            if (entry.local.contains(QLatin1Char('#')))
                url.setFragment(entry.local.section(QLatin1Char('#'), 1), QUrl::DecodedMode);
            item->setData(0, kTopicRole, url);
        }
        parents.push_back(item);
    }
    contents_->expandAll(); // a short list; every topic in sight
    contents_->setVisible(contents_->topLevelItemCount() > 0);
    FitContents();
}

void HelpWindow::SelectContentsItem(const QUrl& url) {
    const QUrl page = WithoutFragment(url);
    QTreeWidgetItem* best = nullptr;
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
        const QUrl itemUrl = (*it)->data(0, kTopicRole).toUrl();
        if (itemUrl == url) {
            best = *it;
            break;
        }
        if (!best && itemUrl.isValid() && WithoutFragment(itemUrl) == page)
            best = *it;
    }
    const QSignalBlocker block(contents_);
    if (best) {
        contents_->setCurrentItem(best);
        contents_->scrollToItem(best);
    } else {
        contents_->clearSelection();
    }
}

void HelpWindow::OpenContentsItem(QTreeWidgetItem* item) {
    const QUrl url = item ? item->data(0, kTopicRole).toUrl() : QUrl();
    if (url.isValid())
        Show(url);
}

} // namespace plumcrest::help
