#pragma once
// A label that stands for one address: it shows its caption (or the address), lights up while
// the pointer is over it and opens the address through the shell when clicked.

#include <QColor>
#include <QLabel>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

class QEvent;
class QMouseEvent;

namespace plumcrest {

class TUrlLabel : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY(TUrlLabel)

public:
    // Longer addresses are cut to this many characters before they are opened.
    static constexpr int kMaxUrlLength = 1023;
    static constexpr int kHoverTickMs = 100;

    explicit TUrlLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QString URL() const { return url_; }
    void SetURL(const QString& url);

    // An invalid QColor stands for the framework's default colour: the font's current colour.
    QColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(const QColor& color);
    QColor VisitedColor() const { return visitedColor_; }
    void SetVisitedColor(const QColor& color);
    bool UseVisitedColor() const { return useVisitedColor_; }
    void SetUseVisitedColor(bool use) { useVisitedColor_ = use; }
    bool UnderlineURL() const { return font().underline(); }
    void SetUnderlineURL(bool underline);

    // The colour the text is drawn in now.
    QColor TextColor() const;
    bool IsHighlighting() const { return hoverTimer_.isActive(); }

    // Decides whether the pointer is still inside the label; the default asks QCursor::pos().
    using InsideCheck = std::function<bool(const TUrlLabel&)>;
    void SetCursorInsideCheck(InsideCheck check);

    // Opens the address (empty: nothing), beeps if that fails, then emits clicked().
    void Click();

signals:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ShowText();
    void SetTextColor(const QColor& color);
    void StartHighlight();
    void EndHighlight();
    void HoverTick();

    QString caption_;
    QString url_;
    QColor highlightColor_{Qt::red};
    QColor visitedColor_{0x80, 0x00, 0x80}; // purple, the usual colour of a visited link
    bool useVisitedColor_ = false;
    // The colour a highlight's end restores; kept across hovers until a colour setter forgets it.
    std::optional<QColor> remembered_;
    QTimer hoverTimer_;
    InsideCheck cursorInside_;
};

} // namespace plumcrest
