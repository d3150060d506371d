#pragma once
// What every numeric field shares: the entry controller (entry options, insert mode, the one
// pending error report), the "Default" key table, and the calculator-style entry rules as free
// functions of the entry, the mask layout and the separators.

#include "PictureMask.h"

#include <QFlags>
#include <QString>
#include <Qt>
#include <array>
#include <functional>
#include <optional>
#include <string_view>

class QWidget;

namespace plumcrest {

// ---- Calculator-style entry (the rules a typed character goes through) ----

enum class TypeResult {
    Refused,   // the character is not taken; the caller beeps (or stays silent when pasting)
    Unchanged, // taken but not stored: a leading "0"
    Changed,   // the entry changed; the display must be laid out again
};

// A character typed with no selection (emptying the entry for a selection is the caller's part,
// since it owns the selection). The locale decimal separator is typed as ".".
TypeResult TypeIntoEntry(Entry& entry, char32_t character, const MaskLayout& layout,
                         const LocaleSeparators& separators);

// Backspace without a selection: the last character goes ("0" left alone becomes empty), or a
// pending minus on an empty buffer. False when there was nothing to remove.
bool BackspaceEntry(Entry& entry);

// Whether the entry fills the mask (what auto-advance waits for).
bool EntryIsFull(const Entry& entry, const MaskLayout& layout);

// The entry editing starts from. A display that holds no number (the overflow hashes) starts an
// empty entry instead of carrying its characters into the buffer.
Entry EntryFromDisplay(std::u32string_view display, const MaskLayout& layout,
                       const LocaleSeparators& separators);

// ---- Validation codes ----

inline constexpr int kErrorRange = 256;
inline constexpr int kErrorInvalid = 257;
inline constexpr int kErrorRequired = 258;

// The text reported for a validation code (empty for 0 or an unknown code).
QString ErrorText(int code);

// ---- The key table ----

enum class EditCommand {
    ccLeft,
    ccRight,
    ccWordLeft,
    ccWordRight,
    ccHome,
    ccEnd,
    ccDel,
    ccBack,
    ccTopOfPage,
    ccBotOfPage,
    ccIns,
    ccUndo,
    ccRestore,
    ccUp,
    ccDown,
    ccNewLine,
    ccExtendLeft,
    ccExtendRight,
    ccExtendHome,
    ccExtendEnd,
    ccExtWordLeft,
    ccExtWordRight,
    ccExtendPgUp,
    ccExtendPgDn,
    ccExtendUp,
    ccExtendDown,
    ccExtFirstPage,
    ccExtLastPage,
    ccExtTopOfPage,
    ccExtBotOfPage,
    ccCut,
    ccCopy,
    ccPaste,
    ccPrevPage,
    ccNextPage,
    ccFirstPage,
    ccLastPage,
    ccTab,
    ccRedo,
    ccGotoMarker0,
    ccGotoMarker1,
    ccGotoMarker2,
    ccGotoMarker3,
    ccGotoMarker4,
    ccGotoMarker5,
    ccGotoMarker6,
    ccGotoMarker7,
    ccGotoMarker8,
    ccGotoMarker9,
    ccSetMarker0,
    ccSetMarker1,
    ccSetMarker2,
    ccSetMarker3,
    ccSetMarker4,
    ccSetMarker5,
    ccSetMarker6,
    ccSetMarker7,
    ccSetMarker8,
    ccSetMarker9,
};

struct KeyBinding {
    int key;                         // Qt::Key
    Qt::KeyboardModifiers modifiers; // only Shift, Control and Alt count
    EditCommand command;
};

inline constexpr std::size_t kDefaultBindingCount = 64;

class TEntryCommandTable {
public:
    TEntryCommandTable(std::string_view name, const KeyBinding* bindings, std::size_t count)
        : name_(name), bindings_(bindings), count_(count) {}

    std::string_view Name() const { return name_; }
    std::size_t Count() const { return count_; }
    const KeyBinding& Binding(std::size_t index) const { return bindings_[index]; }

    // The command bound to a key with its shift state; keypad and meta state do not count and
    // the keypad Enter is the Enter key.
    std::optional<EditCommand> Translate(int key, Qt::KeyboardModifiers modifiers) const;

private:
    std::string_view name_;
    const KeyBinding* bindings_;
    std::size_t count_;
};

// The active table, "Default", in its table order.
const TEntryCommandTable& DefaultEntryCommands();

// ---- The controller ----

class TEntryController {
public:
    // Scoped, so they cannot be mixed up with a field's TNumericField::TEntryFieldOption.
    enum class EntryOption : unsigned {
        efoAutoAdvanceChar = 1u << 0,
        efoAutoAdvanceLeftRight = 1u << 1,
        efoAutoAdvanceUpDown = 1u << 2,
        efoAutoSelect = 1u << 3,
        efoBeepOnError = 1u << 4,
        efoInsertPushes = 1u << 5,
    };
    using EntryOptionSet = QFlags<EntryOption>;

    // A report hook: the field, the code and its text.
    using ErrorHandler = std::function<void(QWidget* field, int code, const QString& text)>;

    TEntryController();
    TEntryController(const TEntryController&) = delete;
    TEntryController& operator=(const TEntryController&) = delete;

    // The one controller of the program, made on first use, living until exit.
    static TEntryController& Shared();

    bool Has(EntryOption option) const { return EntryOptions.testFlag(option); }

    // A refused keystroke: the default beep when efoBeepOnError is set.
    void Refuse() const;

    // Posts the report of a code for a field unless one is already pending. The field's own
    // handler wins over the controller's; with neither, an error box titled "Error" shows.
    void PostError(QWidget* field, int code, ErrorHandler fieldHandler);

    EntryOptionSet EntryOptions = EntryOptionSet(EntryOption::efoAutoSelect) |
                                  EntryOption::efoBeepOnError | EntryOption::efoInsertPushes;
    bool InsertMode = true;
    bool ErrorPending = false;
    const TEntryCommandTable& EntryCommands;
    ErrorHandler OnError;
    std::function<bool(QWidget*)> OnIsSpecialControl;

private:
    void Report(QWidget* field, int code, const ErrorHandler& fieldHandler);
};

} // namespace plumcrest
