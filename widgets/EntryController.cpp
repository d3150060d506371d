#include "EntryController.h"

#include "Services.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace plumcrest {

namespace {

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

bool HasPoint(const Entry& entry) {
    return entry.buffer.find('.') != std::string::npos;
}

// Digits typed before the "." (all of them while none is typed).
int IntegerDigits(const Entry& entry) {
    const auto point = entry.buffer.find('.');
    return static_cast<int>(point == std::string::npos ? entry.buffer.size() : point);
}

int Used(const Entry& entry) {
    return (entry.pendingMinus ? 1 : 0) + static_cast<int>(entry.buffer.size());
}

TypeResult TypeMinus(Entry& entry, const MaskLayout& layout) {
    if (entry.pendingMinus) {
        entry.pendingMinus = false;
        return TypeResult::Changed;
    }
    // The sign takes an integer position: a negative value has room for one digit fewer.
    if (IntegerDigits(entry) < layout.integerPositions &&
        static_cast<int>(entry.buffer.size()) < layout.entryWidth) {
        entry.pendingMinus = true;
        return TypeResult::Changed;
    }
    return TypeResult::Refused;
}

TypeResult TypeDigitOrPoint(Entry& entry, char c, const MaskLayout& layout) {
    const int m = entry.pendingMinus ? 1 : 0;
    if (Used(entry) >= layout.entryWidth) {
        if (layout.entryWidth == 1 && c != '.') {
            entry.buffer = c == '0' ? std::string() : std::string(1, c);
            return TypeResult::Changed;
        }
        return TypeResult::Refused;
    }
    if (c == '0' && entry.buffer.empty())
        return TypeResult::Unchanged; // no leading zeros
    if (c != '.' && layout.pointPosition && !HasPoint(entry) &&
        m + IntegerDigits(entry) >= layout.integerPositions)
        return TypeResult::Refused;
    entry.buffer.push_back(c);
    return TypeResult::Changed;
}

} // namespace

TypeResult TypeIntoEntry(Entry& entry, char32_t character, const MaskLayout& layout,
                         const LocaleSeparators& separators) {
    if (Used(entry) > layout.entryWidth)
        return TypeResult::Refused;
    if (character == separators.decimal)
        character = U'.';
    else if (character == U'.')
        return TypeResult::Refused; // the locale's separator is another character
    if (!IsDigit(character) && character != U'-' && character != U'.')
        return TypeResult::Refused; // blanks, letters, control characters
    if (character == U'.' && (!layout.pointPosition || HasPoint(entry)))
        return TypeResult::Refused;
    if (character == U'-')
        return TypeMinus(entry, layout);
    return TypeDigitOrPoint(entry, static_cast<char>(character), layout);
}

bool BackspaceEntry(Entry& entry) {
    if (entry.buffer.empty()) {
        const bool had = entry.pendingMinus;
        entry.pendingMinus = false;
        return had;
    }
    entry.buffer.pop_back();
    if (entry.buffer == "0")
        entry.buffer.clear();
    return true;
}

bool EntryIsFull(const Entry& entry, const MaskLayout& layout) {
    return Used(entry) >= layout.entryWidth;
}

Entry EntryFromDisplay(std::u32string_view display, const MaskLayout& layout,
                       const LocaleSeparators& separators) {
    Entry entry = LoadEntry(display, layout, separators);
    const bool numeric = std::all_of(entry.buffer.begin(), entry.buffer.end(),
                                     [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
    const bool fits = static_cast<int>(entry.buffer.size()) <= layout.entryWidth;
    if (!numeric || !fits || std::count(entry.buffer.begin(), entry.buffer.end(), '.') > 1)
        return {};
    return entry;
}

QString ErrorText(int code) {
    switch (code) {
    case kErrorRange:
        return QCoreApplication::translate("TNumericField", "Value is not within required range");
    case kErrorInvalid:
        return QCoreApplication::translate("TNumericField",
                                           "Value is not valid for this field type");
    case kErrorRequired:
        return QCoreApplication::translate("TNumericField", "A value is required in this field");
    default:
        return {};
    }
}

namespace {

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

using enum EditCommand;

// The "Default" table in its own order; a second key of a two-key sequence is never used.
constexpr std::array<KeyBinding, kDefaultBindingCount> kDefaultBindings{{
    {Qt::Key_Left, kNone, ccLeft},
    {Qt::Key_Right, kNone, ccRight},
    {Qt::Key_Left, kCtrl, ccWordLeft},
    {Qt::Key_Right, kCtrl, ccWordRight},
    {Qt::Key_Home, kNone, ccHome},
    {Qt::Key_End, kNone, ccEnd},
    {Qt::Key_Delete, kNone, ccDel},
    {Qt::Key_Backspace, kNone, ccBack},
    {Qt::Key_Backspace, kShift, ccBack},
    {Qt::Key_PageUp, kCtrl, ccTopOfPage},
    {Qt::Key_PageDown, kCtrl, ccBotOfPage},
    {Qt::Key_Insert, kNone, ccIns},
    {Qt::Key_Z, kCtrl, ccUndo},
    {Qt::Key_Backspace, kAlt, ccRestore},
    {Qt::Key_Up, kNone, ccUp},
    {Qt::Key_Down, kNone, ccDown},
    {Qt::Key_Return, kCtrl, ccNewLine},
    {Qt::Key_Left, kShift, ccExtendLeft},
    {Qt::Key_Right, kShift, ccExtendRight},
    {Qt::Key_Home, kShift, ccExtendHome},
    {Qt::Key_End, kShift, ccExtendEnd},
    {Qt::Key_Left, kCtrlShift, ccExtWordLeft},
    {Qt::Key_Right, kCtrlShift, ccExtWordRight},
    {Qt::Key_PageUp, kShift, ccExtendPgUp},
    {Qt::Key_PageDown, kShift, ccExtendPgDn},
    {Qt::Key_Up, kShift, ccExtendUp},
    {Qt::Key_Down, kShift, ccExtendDown},
    {Qt::Key_Home, kCtrlShift, ccExtFirstPage},
    {Qt::Key_End, kCtrlShift, ccExtLastPage},
    {Qt::Key_PageUp, kCtrlShift, ccExtTopOfPage},
    {Qt::Key_PageDown, kCtrlShift, ccExtBotOfPage},
    {Qt::Key_Delete, kShift, ccCut},
    {Qt::Key_X, kCtrl, ccCut},
    {Qt::Key_Insert, kCtrl, ccCopy},
    {Qt::Key_C, kCtrl, ccCopy},
    {Qt::Key_Insert, kShift, ccPaste},
    {Qt::Key_V, kCtrl, ccPaste},
    {Qt::Key_PageUp, kNone, ccPrevPage},
    {Qt::Key_PageDown, kNone, ccNextPage},
    {Qt::Key_Home, kCtrl, ccFirstPage},
    {Qt::Key_End, kCtrl, ccLastPage},
    {Qt::Key_Tab, kNone, ccTab},
    {Qt::Key_Tab, kCtrl, ccTab},
    {Qt::Key_Z, kCtrlShift, ccRedo},
    {Qt::Key_0, kCtrl, ccGotoMarker0},
    {Qt::Key_1, kCtrl, ccGotoMarker1},
    {Qt::Key_2, kCtrl, ccGotoMarker2},
    {Qt::Key_3, kCtrl, ccGotoMarker3},
    {Qt::Key_4, kCtrl, ccGotoMarker4},
    {Qt::Key_5, kCtrl, ccGotoMarker5},
    {Qt::Key_6, kCtrl, ccGotoMarker6},
    {Qt::Key_7, kCtrl, ccGotoMarker7},
    {Qt::Key_8, kCtrl, ccGotoMarker8},
    {Qt::Key_9, kCtrl, ccGotoMarker9},
    {Qt::Key_0, kCtrlShift, ccSetMarker0},
    {Qt::Key_1, kCtrlShift, ccSetMarker1},
    {Qt::Key_2, kCtrlShift, ccSetMarker2},
    {Qt::Key_3, kCtrlShift, ccSetMarker3},
    {Qt::Key_4, kCtrlShift, ccSetMarker4},
    {Qt::Key_5, kCtrlShift, ccSetMarker5},
    {Qt::Key_6, kCtrlShift, ccSetMarker6},
    {Qt::Key_7, kCtrlShift, ccSetMarker7},
    {Qt::Key_8, kCtrlShift, ccSetMarker8},
    {Qt::Key_9, kCtrlShift, ccSetMarker9},
}};

} // namespace

std::optional<EditCommand> TEntryCommandTable::Translate(int key,
                                                         Qt::KeyboardModifiers modifiers) const {
    const auto shiftState = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key == Qt::Key_Enter)
        key = Qt::Key_Return;
    for (std::size_t i = 0; i < count_; ++i) {
        if (bindings_[i].key == key && bindings_[i].modifiers == shiftState)
            return bindings_[i].command;
    }
    return std::nullopt;
}

const TEntryCommandTable& DefaultEntryCommands() {
    static const TEntryCommandTable table("Default", kDefaultBindings.data(),
                                          kDefaultBindings.size());
    return table;
}

TEntryController::TEntryController() : EntryCommands(DefaultEntryCommands()) {}

TEntryController& TEntryController::Shared() {
    static TEntryController controller;
    return controller;
}

void TEntryController::Refuse() const {
    if (Has(EntryOption::efoBeepOnError))
        platform::TheSound().Beep();
}

void TEntryController::PostError(QWidget* field, int code, ErrorHandler fieldHandler) {
    if (ErrorPending || field == nullptr)
        return;
    ErrorPending = true;
    // Posted, so the focus change that found the error finishes before any box opens.
    QPointer<QWidget> guard(field);
    // Queued on the application, not the field, so a field that goes away still clears the flag.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this, guard, code, handler = std::move(fieldHandler)] {
            if (guard)
                Report(guard, code, handler);
            ErrorPending = false;
        },
        Qt::QueuedConnection);
}

void TEntryController::Report(QWidget* field, int code, const ErrorHandler& fieldHandler) {
    const QString text = ErrorText(code);
    if (fieldHandler)
        fieldHandler(field, code, text);
    else if (OnError)
        OnError(field, code, text);
    else
        platform::TheMessages().Show(field->window(), platform::MessageIcon::Error,
                                     QCoreApplication::translate("TNumericField", "Error"), text);
}

} // namespace plumcrest
