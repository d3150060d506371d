#include "TUrlLabel.h"

#include "Guarded.h"
#include "Services.h"

#include <QCursor>
#include <QMouseEvent>

namespace plumcrest {

namespace {

bool CursorInside(const TUrlLabel& label) {
    return label.rect().contains(label.mapFromGlobal(QCursor::pos()));
}

} // namespace

TUrlLabel::TUrlLabel(QWidget* parent) : QLabel(parent), cursorInside_(CursorInside) {
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
    SetUnderlineURL(true);
    hoverTimer_.setInterval(kHoverTickMs);
    connect(&hoverTimer_, &QTimer::timeout, this, &TUrlLabel::HoverTick);
}

void TUrlLabel::SetCaption(const QString& caption) {
    caption_ = caption;
    ShowText();
}

void TUrlLabel::SetURL(const QString& url) {
    url_ = url;
    ShowText();
}

void TUrlLabel::ShowText() {
    setText(caption_.isEmpty() ? url_ : caption_);
}

void TUrlLabel::SetHighlightColor(const QColor& color) {
    highlightColor_ = color.isValid() ? color : TextColor();
    remembered_.reset();
}

void TUrlLabel::SetVisitedColor(const QColor& color) {
    visitedColor_ = color.isValid() ? color : TextColor();
    remembered_.reset();
}

void TUrlLabel::SetUnderlineURL(bool underline) {
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

QColor TUrlLabel::TextColor() const {
    return palette().color(foregroundRole());
}

void TUrlLabel::SetTextColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(foregroundRole(), color);
    setPalette(p);
}

void TUrlLabel::SetCursorInsideCheck(InsideCheck check) {
    cursorInside_ = check ? std::move(check) : InsideCheck(CursorInside);
}

void TUrlLabel::mouseMoveEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()) && !IsHighlighting())
        StartHighlight();
    QLabel::mouseMoveEvent(event);
}

void TUrlLabel::StartHighlight() {
    if (!remembered_)
        remembered_ = TextColor();
    SetTextColor(highlightColor_);
    hoverTimer_.start();
}

void TUrlLabel::HoverTick() {
    if (!cursorInside_(*this))
        EndHighlight();
}

void TUrlLabel::EndHighlight() {
    if (!IsHighlighting())
        return;
    hoverTimer_.stop();
    if (remembered_)
        SetTextColor(*remembered_);
    update();
}

void TUrlLabel::leaveEvent(QEvent* event) {
    EndHighlight();
    QLabel::leaveEvent(event);
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        platform::RunGuarded([this] { Click(); });
}

void TUrlLabel::Click() {
    if (!url_.isEmpty() && !platform::TheShell().Open(url_.left(kMaxUrlLength)))
        platform::TheSound().Beep();
    if (useVisitedColor_ && visitedColor_.isValid())
        remembered_ = visitedColor_;
    emit clicked();
}

} // namespace plumcrest
