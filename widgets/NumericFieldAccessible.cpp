#include "NumericFieldAccessible.h"

#include "TNumericField.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace plumcrest {

namespace {

// The field's text is read-only to assistive technology: typing goes through the keys.
class NumericFieldAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit NumericFieldAccessible(TNumericField* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    QString text(QAccessible::Text kind) const override {
        switch (kind) {
        case QAccessible::Value:
            return Shown();
        case QAccessible::Name: {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? Shown() : name;
        }
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int index, int* start, int* end) const override {
        const bool whole = index == 0 && Field()->HasSelection();
        *start = 0;
        *end = whole ? characterCount() : 0;
    }
    int selectionCount() const override { return Field()->HasSelection() ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return characterCount(); } // always the right end
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString shown = Shown();
        if (end < 0 || end > shown.size())
            end = static_cast<int>(shown.size());
        if (start < 0 || start >= end)
            return {};
        return shown.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset;
        return {};
    }

private:
    TNumericField* Field() const { return static_cast<TNumericField*>(widget()); }
    QString Shown() const { return Field()->DisplayText(); }
};

QAccessibleInterface* NumericFieldFactory(const QString&, QObject* object) {
    if (auto* field = qobject_cast<TNumericField*>(object))
        return new NumericFieldAccessible(field); // owned by Qt's accessibility cache
    return nullptr;
}

} // namespace

void InstallNumericFieldAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&NumericFieldFactory);
        return true;
    }();
    (void)installed;
}

void AnnounceDisplayChange(QWidget* field, const QString& before, const QString& after) {
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent value(field, after);
    QAccessible::updateAccessibility(&value);
    QAccessibleTextUpdateEvent text(field, 0, before, after);
    QAccessible::updateAccessibility(&text);
    if (field->accessibleName().isEmpty()) {
        QAccessibleEvent name(field, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
    }
}

} // namespace plumcrest
