#include "TNumericField.h"

#include "Guarded.h"
#include "LocaleSettings.h"
#include "NumericFieldAccessible.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>
#include <cmath>

namespace plumcrest {

namespace {

constexpr int kMaxMaskLength = 255;

bool IsModifierKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}

bool IsExtendCommand(EditCommand command) {
    switch (command) {
    case EditCommand::ccExtendLeft:
    case EditCommand::ccExtendRight:
    case EditCommand::ccExtendHome:
    case EditCommand::ccExtendEnd:
    case EditCommand::ccExtWordLeft:
    case EditCommand::ccExtWordRight:
        return true;
    default:
        return false;
    }
}

bool ClipboardHasText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr && !clipboard->text().isEmpty();
}

} // namespace

TNumericField::TNumericField(QWidget* parent) : QWidget(parent) {
    InstallNumericFieldAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setCursor(Qt::IBeamCursor);
    const QPalette& pal = palette();
    color_ = pal.color(QPalette::Base);
    efColors_ = {{pal.color(QPalette::Base), pal.color(QPalette::Disabled, QPalette::Text)},
                 {QColor(Qt::red), QColor(Qt::black)},
                 {pal.color(QPalette::Highlight), pal.color(QPalette::HighlightedText)}};
    resize(130, 25);
    setPictureMask(QStringLiteral("iiiiiiiiiii"));
}

TNumericField::~TNumericField() = default;

// ---- Properties ----

QString TNumericField::PictureMask() const {
    return QString::fromStdU32String(mask_);
}

void TNumericField::setPictureMask(const QString& mask) {
    const auto previous = display_.empty()
                              ? std::optional<long double>(0.0L)
                              : ParseMaskedText(display_, layout_, TheLocaleSeparators());
    mask_ = mask.left(kMaxMaskLength).toStdU32String();
    layout_ = AnalyseMask(mask_);
    entry_ = {};
    SetDisplay(TextFor(previous ? static_cast<double>(*previous) : 0.0));
}

void TNumericField::setColor(const QColor& color) {
    color_ = color;
    update();
}

void TNumericField::setTextColor(const QColor& color) {
    textColor_ = color;
    update();
}

void TNumericField::setEFColors(const TEFColors& colors) {
    efColors_ = colors;
    update();
}

void TNumericField::setTextMargin(int margin) {
    if (margin >= 2) {
        textMargin_ = margin;
        update();
    }
}

bool TNumericField::TabStop() const {
    return (focusPolicy() & Qt::TabFocus) != 0;
}

void TNumericField::setTabStop(bool stop) {
    setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

QSize TNumericField::sizeHint() const {
    return {130, 25};
}

// ---- Value ----

std::u32string TNumericField::TextFor(double value) const {
    const LocaleSeparators& separators = TheLocaleSeparators();
    // No digits can stand for an infinity or a NaN: show the overflow text, not garbage.
    if (!std::isfinite(value) || (showOverflowAsHashes_ && !FitsMask(value, layout_)))
        return OverflowText(layout_, separators);
    return FormatIntoMask(value, layout_, separators);
}

bool TNumericField::ShowsOverflow() const {
    return display_ == OverflowText(layout_, TheLocaleSeparators());
}

int TNumericField::Validate() const {
    if ((options_ & TEntryFieldOption::efoInputRequired) && TrimBlanks(display_).empty())
        return kErrorRequired;
    const auto value = ParseMaskedText(display_, layout_, TheLocaleSeparators());
    if (!value)
        return kErrorInvalid;
    if (*value < rangeLow_ || *value > rangeHigh_)
        return kErrorRange;
    return 0;
}

double TNumericField::FloatValue() const {
    lastError_ = Validate();
    if (lastError_ != 0)
        return 0.0;
    return static_cast<double>(*ParseMaskedText(display_, layout_, TheLocaleSeparators()));
}

void TNumericField::setFloatValue(double value) {
    SetDisplay(TextFor(value));
    modified_ = false;
    markedInvalid_ = markedInvalid_ && Validate() != 0;
    if (hasFocus()) {
        // The next typed digit starts a new entry.
        entry_ = EntryFromDisplay(display_, layout_, TheLocaleSeparators());
        selected_ = true;
    } else {
        entry_ = {};
    }
    update();
}

QString TNumericField::DisplayText() const {
    return QString::fromStdU32String(TrimBlanks(display_));
}

void TNumericField::SetDisplay(std::u32string display) {
    if (display == display_)
        return;
    const QString before = DisplayText();
    display_ = std::move(display);
    update();
    AnnounceDisplayChange(this, before, DisplayText());
    emit DisplayChanged(this);
}

// ---- Entry ----

void TNumericField::EntryChanged() {
    modified_ = true;
    SetDisplay(LayoutEntry(entry_.buffer, entry_.pendingMinus, layout_, TheLocaleSeparators()));
    update();
    emit OnChange(this);
}

void TNumericField::EmptyEntry() {
    entry_ = {};
    selected_ = false;
}

void TNumericField::ClearSelection() {
    if (selected_) {
        selected_ = false;
        update();
    }
}

void TNumericField::TypeCharacter(char32_t character, bool fromPaste) {
    if (options_ & TEntryFieldOption::efoReadOnly) {
        if (!fromPaste)
            Controller().Refuse();
        return;
    }
    // A printable character replaces a selected value, even when it is then refused.
    const bool emptied = selected_ && character > 31;
    if (emptied)
        EmptyEntry();
    const TypeResult result = TypeIntoEntry(entry_, character, layout_, TheLocaleSeparators());
    if (result == TypeResult::Refused && !fromPaste)
        Controller().Refuse();
    if (result == TypeResult::Changed || emptied)
        EntryChanged();
    if (result == TypeResult::Changed && character != U'-' && EntryIsFull(entry_, layout_) &&
        Controller().Has(TEntryController::EntryOption::efoAutoAdvanceChar))
        focusNextChild();
}

void TNumericField::TypeKeyText(QKeyEvent& event) {
    const std::u32string text = event.text().toStdU32String();
    const bool control = (event.modifiers() & Qt::ControlModifier) != 0;
    const bool alt = (event.modifiers() & Qt::AltModifier) != 0;
    if (text.empty() || (alt && !control)) {
        event.ignore(); // no character, or an Alt mnemonic for the window
        return;
    }
    for (const char32_t character : text) {
        // With Ctrl held only control codes arrive as characters (and are refused).
        if (!control || character < 32)
            TypeCharacter(character, false);
    }
}

// ---- Commands ----

void TNumericField::SelectAll() {
    selected_ = true;
    update();
}

void TNumericField::Restore() {
    if (savedDisplay_.empty())
        return; // never focused: nothing saved to go back to
    SetDisplay(savedDisplay_);
    selected_ = true;
    modified_ = false;
    entry_ = EntryFromDisplay(display_, layout_, TheLocaleSeparators());
    update();
    emit OnChange(this);
}

void TNumericField::CopyToClipboard() const {
    if (selected_ && QGuiApplication::clipboard() != nullptr)
        QGuiApplication::clipboard()->setText(DisplayText());
}

void TNumericField::CutToClipboard() {
    CopyToClipboard();
    if (selected_ && !(options_ & TEntryFieldOption::efoReadOnly)) {
        EmptyEntry();
        EntryChanged();
    }
}

void TNumericField::PasteFromClipboard() {
    if ((options_ & TEntryFieldOption::efoReadOnly) || !ClipboardHasText())
        return;
    const std::u32string text = QGuiApplication::clipboard()->text().toStdU32String();
    if (selected_) {
        EmptyEntry();
        EntryChanged();
    }
    for (const char32_t character : text)
        TypeCharacter(character, true);
}

void TNumericField::DeleteSelectionOrBack() {
    if (options_ & TEntryFieldOption::efoReadOnly) {
        Controller().Refuse();
        return;
    }
    if (selected_) {
        EmptyEntry();
        EntryChanged();
    } else if (BackspaceEntry(entry_)) {
        EntryChanged();
    }
}

void TNumericField::ToggleInsertMode() {
    if (options_ & (TEntryFieldOption::efoForceInsert | TEntryFieldOption::efoForceOvertype))
        return;
    insertMode_ = !insertMode_;
    update();
}

void TNumericField::RunCommand(EditCommand command) {
    using enum EditCommand;
    if (IsExtendCommand(command)) {
        SelectAll();
        return;
    }
    switch (command) {
    case ccBack:
    case ccDel:
        DeleteSelectionOrBack();
        break;
    case ccUndo:
    case ccRestore:
        Restore();
        break;
    case ccCopy:
        CopyToClipboard();
        break;
    case ccCut:
        CutToClipboard();
        break;
    case ccPaste:
        PasteFromClipboard();
        break;
    case ccIns:
        ToggleInsertMode();
        break;
    default:
        break; // the caret stays at the right end and the focus stays here
    }
}

// ---- Keys ----

void TNumericField::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const auto modifiers = event->modifiers();
    const bool plainTab = (key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
                          !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
    if (IsModifierKey(key) || plainTab) {
        event->ignore(); // Tab belongs to the window's focus navigation
        return;
    }
    // The entry rules and their error handler run guarded: nothing thrown reaches Qt.
    if (const auto command = Controller().EntryCommands.Translate(key, modifiers)) {
        platform::RunGuarded([&] { RunCommand(*command); });
        return;
    }
    platform::RunGuarded([&] { TypeKeyText(*event); });
}

// ---- Focus ----

void TNumericField::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (!focusLostOutside_) {
        savedDisplay_ = display_;
        modified_ = false;
        insertMode_ = Controller().InsertMode;
        selected_ = reason != Qt::MouseFocusReason && !Controller().ErrorPending &&
                    Controller().Has(TEntryController::EntryOption::efoAutoSelect);
    }
    // Back from another window or a menu: the entry goes on where it stopped.
    focusLostOutside_ = false;
    entry_ = EntryFromDisplay(display_, layout_, TheLocaleSeparators());
    StartCaret();
}

void TNumericField::focusOutEvent(QFocusEvent* event) {
    switch (event->reason()) {
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        focusLostOutside_ = true; // opening a menu is not leaving the field
        update();
        return;
    case Qt::ActiveWindowFocusReason:
        focusLostOutside_ = true;
        StopCaret();
        return;
    default:
        break;
    }
    StopCaret();
    Controller().InsertMode = insertMode_;
    // A result showing the overflow text holds nothing typed: leaving it must not report.
    if (!ShowsOverflow())
        platform::RunGuarded([this] { ValidateOnExit(); });
    entry_ = {};
    selected_ = false;
    update();
    emit OnExit(this); // after the re-format, so a handler reads the rounded value
}

void TNumericField::ValidateOnExit() {
    const int code = Validate();
    lastError_ = code;
    if (code == 0) {
        markedInvalid_ = false;
        const auto value = ParseMaskedText(display_, layout_, TheLocaleSeparators());
        SetDisplay(TextFor(static_cast<double>(*value)));
        return;
    }
    if (options_ & TEntryFieldOption::efoSoftValidation) {
        markedInvalid_ = true;
        return;
    }
    QPointer<TNumericField> self(this);
    QMetaObject::invokeMethod(
        this,
        [self] {
            if (self)
                self->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
    Controller().PostError(this, code, onError_);
}

// ---- Mouse ----

void TNumericField::mousePressEvent(QMouseEvent* event) {
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    else if (event->button() == Qt::LeftButton)
        ClearSelection(); // the caret never moves from the right end
    event->accept();
}

void TNumericField::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        SelectAll();
    event->accept();
}

void TNumericField::mouseMoveEvent(QMouseEvent* event) {
    event->accept(); // dragging does not select
}

void TNumericField::setWindowContextMenu(QMenu* menu) {
    windowMenu_ = menu;
}

QAction* TNumericField::RunMenu(QMenu& menu, const QPoint& globalPos) {
    return menuRunner_ ? menuRunner_(menu, globalPos) : menu.exec(globalPos);
}

void TNumericField::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    const QPoint position = event->globalPos();
    QPointer<TNumericField> self(this);
    if (QPointer<QMenu> windowMenu = windowMenu_) {
        // The window's menu comes first; a chosen item simply runs.
        QAction* chosen = RunMenu(*windowMenu, position);
        if (!self || chosen != nullptr)
            return;
    }
    const std::unique_ptr<QMenu> menu = CreateEditMenu();
    RunMenu(*menu, position);
}

std::unique_ptr<QMenu> TNumericField::CreateEditMenu() {
    auto menu = std::make_unique<QMenu>();
    const bool writable = !(options_ & TEntryFieldOption::efoReadOnly);
    auto add = [&](const QString& text, bool enabled, auto&& run) {
        QAction* action = menu->addAction(text);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, platform::Guarded(run));
    };
    add(QCoreApplication::translate("TNumericField", "&Restore"), modified_, [this] { Restore(); });
    menu->addSeparator();
    add(QCoreApplication::translate("TNumericField", "Cu&t"), selected_ && writable,
        [this] { CutToClipboard(); });
    add(QCoreApplication::translate("TNumericField", "&Copy"), selected_,
        [this] { CopyToClipboard(); });
    add(QCoreApplication::translate("TNumericField", "&Paste"), writable && ClipboardHasText(),
        [this] { PasteFromClipboard(); });
    add(QCoreApplication::translate("TNumericField", "&Delete"), selected_ && writable,
        [this] { DeleteSelectionOrBack(); });
    menu->addSeparator();
    add(QCoreApplication::translate("TNumericField", "Select &All"), !selected_,
        [this] { SelectAll(); });
    return menu;
}

// ---- Caret and painting ----

void TNumericField::StartCaret() {
    caretBlinkOn_ = true;
    const int flash = QApplication::cursorFlashTime();
    if (flash > 0)
        caretTimer_.start(flash / 2, this);
    update();
}

void TNumericField::StopCaret() {
    caretTimer_.stop();
    update();
}

void TNumericField::timerEvent(QTimerEvent* event) {
    if (event->timerId() != caretTimer_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    caretBlinkOn_ = !caretBlinkOn_;
    update(CaretRect().adjusted(-1, -1, 1, 1));
}

void TNumericField::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::EnabledChange) {
        caretBlinkOn_ = true;
        update();
    }
    QWidget::changeEvent(event);
}

bool TNumericField::CaretShown() const {
    return hasFocus() && isEnabled() && isActiveWindow() && caretBlinkOn_;
}

QRect TNumericField::ClientRect() const {
    return rect().adjusted(1, 1, -1, -1);
}

QRect TNumericField::TextRect() const {
    return ClientRect().adjusted(textMargin_, 0, -(textMargin_ + 1), 0);
}

QRect TNumericField::CaretRect() const {
    const QRect text = TextRect();
    const QFontMetrics metrics(font());
    const int height = std::min(metrics.height(), text.height());
    const int top = text.top() + (text.height() - height) / 2;
    const QString shown = DisplayText();
    const int last =
        shown.isEmpty() ? metrics.averageCharWidth() : metrics.horizontalAdvance(shown.back());
    switch (insertMode_ ? caretIns_ : caretOvr_) {
    case csBlock:
        return {text.right() + 1 - last, top, last, height};
    case csHalfBlock:
        return {text.right() + 1 - last, top + height / 2, last, height - height / 2};
    case csHorzLine:
        return {text.right() + 1 - last, top + height - 2, last, 2};
    default:
        return {text.right() + 1, top, 1, height};
    }
}

void TNumericField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A plain single border: the whole face in the border colour, the client drawn over it one
    // pixel in. A line drawn along the edge instead falls between device pixels at scale factors
    // such as 1.25 and 1.5 and is lost there; a filled band always keeps at least one.
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    PaintText(painter, ClientRect());
}

void TNumericField::PaintText(QPainter& painter, const QRect& client) {
    TColorPair colours{color_, textColor_.isValid() ? textColor_ : palette().color(QPalette::Text)};
    if (markedInvalid_)
        colours = efColors_.Error;
    else if (!isEnabled())
        colours = efColors_.Disabled;
    painter.fillRect(client, colours.BackColor);
    const QString shown = DisplayText();
    const QRect text = TextRect();
    // The selection is drawn only while focused; it always covers the whole text.
    if (selected_ && hasFocus() && !shown.isEmpty()) {
        const int width = painter.fontMetrics().horizontalAdvance(shown);
        const QRect box(text.right() + 1 - width, text.top(), width, text.height());
        painter.fillRect(box.intersected(client), efColors_.Highlight.BackColor);
        colours.TextColor = efColors_.Highlight.TextColor;
    }
    painter.setPen(colours.TextColor);
    painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, shown);
    PaintCaret(painter, text);
}

void TNumericField::PaintCaret(QPainter& painter, const QRect&) {
    if (!CaretShown())
        return;
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.fillRect(CaretRect(), Qt::white);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace plumcrest
