#pragma once
// TNumericField: a single-line control that shows a floating value through a picture mask and
// takes digits calculator-style (they pile up from the right; the caret stays at the right end).
// The value lives only as display text: reading FloatValue parses what is shown, writing formats
// into the mask. The widget handles events and paints; the text rules are free functions
// (PictureMask.h, EntryController.h).

#include "EntryController.h"
#include "PictureMask.h"

#include <QBasicTimer>
#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QMenu;
class QAction;

namespace plumcrest {

class TNumericField : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString PictureMask READ PictureMask WRITE setPictureMask)
    Q_PROPERTY(double FloatValue READ FloatValue WRITE setFloatValue)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool ShowOverflowAsHashes READ ShowOverflowAsHashes WRITE setShowOverflowAsHashes)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)

public:
    enum TNumericDataType {
        nftLongInt,
        nftWord,
        nftInteger,
        nftByte,
        nftShortInt,
        nftReal,
        nftExtended,
        nftDouble,
        nftSingle,
        nftComp,
    };
    Q_ENUM(TNumericDataType)

    // The field's own options; scoped so they cannot be mixed up with the controller's
    // TEntryController::EntryOption, which share the "efo" prefix.
    enum class TEntryFieldOption : unsigned {
        efoArrowIncDec = 1u << 0,
        efoCaretToEnd = 1u << 1,
        efoForceInsert = 1u << 2,
        efoForceOvertype = 1u << 3,
        efoInputRequired = 1u << 4,
        efoPasswordMode = 1u << 5,
        efoReadOnly = 1u << 6,
        efoRightAlign = 1u << 7,
        efoRightJustify = 1u << 8,
        efoSoftValidation = 1u << 9,
        efoStripLiterals = 1u << 10,
        efoTrimBlanks = 1u << 11,
    };
    Q_DECLARE_FLAGS(TEntryFieldOptions, TEntryFieldOption)

    enum TCaretShape { csBlock, csHalfBlock, csVertLine, csHorzLine, csCustom, csBitmap };
    Q_ENUM(TCaretShape)

    enum TZeroDisplay { zdShow, zdHide, zdHideUntilModified };
    Q_ENUM(TZeroDisplay)

    struct TColorPair {
        QColor BackColor;
        QColor TextColor;
    };
    struct TEFColors {
        TColorPair Disabled;
        TColorPair Error;
        TColorPair Highlight;
    };

    // Runs a menu at a global position and returns the chosen action (nullptr: closed without
    // a choice). The default is QMenu::exec; tests replace it.
    using MenuRunner = std::function<QAction*(QMenu& menu, const QPoint& globalPos)>;

    explicit TNumericField(QWidget* parent = nullptr);
    ~TNumericField() override;
    Q_DISABLE_COPY(TNumericField)

    // ---- Properties ----
    TNumericDataType DataType() const { return dataType_; }
    void setDataType(TNumericDataType type) { dataType_ = type; }
    QString PictureMask() const;
    void setPictureMask(const QString& mask); // up to 255 characters; re-shows the value
    const MaskLayout& Layout() const { return layout_; }
    long double RangeLow() const { return rangeLow_; }
    long double RangeHigh() const { return rangeHigh_; }
    void setRangeLow(long double low) { rangeLow_ = low; }
    void setRangeHigh(long double high) { rangeHigh_ = high; }
    TEntryFieldOptions Options() const { return options_; }
    void setOptions(TEntryFieldOptions options) { options_ = options; }
    QColor Color() const { return color_; }
    void setColor(const QColor& color);
    // The controller whose options, insert mode and reports the field follows; by default the
    // program's shared one. The controller must outlive the field.
    void setController(TEntryController* controller) { controller_ = controller; }
    // The text's colour on Color; invalid (the default) takes the palette's text colour. A field
    // whose Color is fixed fixes this too, so the pair stays readable under any palette.
    QColor TextColor() const { return textColor_; }
    void setTextColor(const QColor& color);
    const TEFColors& EFColors() const { return efColors_; }
    void setEFColors(const TEFColors& colors);
    TCaretShape CaretIns() const { return caretIns_; }
    TCaretShape CaretOvr() const { return caretOvr_; }
    void setCaretIns(TCaretShape shape) { caretIns_ = shape; }
    void setCaretOvr(TCaretShape shape) { caretOvr_ = shape; }
    int TextMargin() const { return textMargin_; }
    void setTextMargin(int margin); // below 2 is ignored
    QChar PadChar() const { return padChar_; }
    void setPadChar(QChar pad) { padChar_ = pad; }
    TZeroDisplay ZeroDisplay() const { return zeroDisplay_; }
    void setZeroDisplay(TZeroDisplay zero) { zeroDisplay_ = zero; }
    double ZeroDisplayValue() const { return zeroDisplayValue_; }
    void setZeroDisplayValue(double value) { zeroDisplayValue_ = value; }
    bool Uninitialized() const { return uninitialized_; }
    void setUninitialized(bool blank) { uninitialized_ = blank; }
    bool TabStop() const;
    void setTabStop(bool stop); // without it only a click focuses the field
    // Results that do not fit the mask show "###.####" instead of their lowest digits.
    bool ShowOverflowAsHashes() const { return showOverflowAsHashes_; }
    void setShowOverflowAsHashes(bool show) { showOverflowAsHashes_ = show; }

    // Validates like leaving does; the shown value, or 0.0 with the code kept in LastError.
    double FloatValue() const;
    // Shows the value through the mask (no range check); selects all while focused.
    void setFloatValue(double value);
    int LastError() const { return lastError_; }

    // ---- State (for the window, accessibility and tests) ----
    QString DisplayText() const; // what is drawn: the display without its outer blanks
    bool Modified() const { return modified_; }
    bool HasSelection() const { return selected_; }
    bool InsertMode() const { return insertMode_; }
    bool MarkedInvalid() const { return markedInvalid_; }
    bool CaretShown() const;
    QRect CaretRect() const;

    // Reports go here instead of the controller when set.
    void setOnError(TEntryController::ErrorHandler handler) { onError_ = std::move(handler); }

    // ---- Commands (what the keys and the edit menu do) ----
    void SelectAll();
    void Restore();
    void CopyToClipboard() const;
    void CutToClipboard();
    void PasteFromClipboard();
    void DeleteSelectionOrBack();
    void ToggleInsertMode();

    // The window's context menu, opened first on a right click.
    void setWindowContextMenu(QMenu* menu);
    void setMenuRunner(MenuRunner runner) { menuRunner_ = std::move(runner); }
    // The edit menu with its items enabled for the current state; its actions run the commands.
    std::unique_ptr<QMenu> CreateEditMenu();

    QSize sizeHint() const override;

signals:
    void OnExit(TNumericField* field);
    void OnChange(TNumericField* field);
    void DisplayChanged(TNumericField* field);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    TEntryController& Controller() const {
        return controller_ ? *controller_ : TEntryController::Shared();
    }
    void SetDisplay(std::u32string display);
    std::u32string TextFor(double value) const;
    bool ShowsOverflow() const;
    int Validate() const;
    void ValidateOnExit();
    void TypeCharacter(char32_t character, bool fromPaste);
    void EntryChanged();
    void EmptyEntry();
    void ClearSelection();
    void RunCommand(EditCommand command);
    void TypeKeyText(QKeyEvent& event);
    void StartCaret();
    void StopCaret();
    void PaintText(QPainter& painter, const QRect& client);
    void PaintCaret(QPainter& painter, const QRect& textRect);
    QRect ClientRect() const;
    QRect TextRect() const;
    QAction* RunMenu(QMenu& menu, const QPoint& globalPos);

    TNumericDataType dataType_ = nftLongInt;
    std::u32string mask_;
    MaskLayout layout_;
    long double rangeLow_ = -1.7e308L;
    long double rangeHigh_ = 1.7e308L;
    TEntryController* controller_ = nullptr;
    TEntryFieldOptions options_ =
        TEntryFieldOptions(TEntryFieldOption::efoCaretToEnd) | TEntryFieldOption::efoTrimBlanks;
    QColor color_;
    QColor textColor_;
    TEFColors efColors_;
    TCaretShape caretIns_ = csVertLine;
    TCaretShape caretOvr_ = csBlock;
    int textMargin_ = 2;
    QChar padChar_ = QLatin1Char(' ');
    TZeroDisplay zeroDisplay_ = zdShow;
    double zeroDisplayValue_ = 0.0;
    bool uninitialized_ = false;
    bool showOverflowAsHashes_ = false;

    std::u32string display_;
    std::u32string savedDisplay_; // for Restore
    Entry entry_;
    bool selected_ = false;
    bool modified_ = false;
    bool insertMode_ = true;
    bool focusLostOutside_ = false;
    bool markedInvalid_ = false;
    mutable int lastError_ = 0;

    QBasicTimer caretTimer_;
    bool caretBlinkOn_ = true;

    TEntryController::ErrorHandler onError_;
    QPointer<QMenu> windowMenu_;
    MenuRunner menuRunner_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TNumericField::TEntryFieldOptions)

} // namespace plumcrest
