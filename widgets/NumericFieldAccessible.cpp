#include "NumericFieldAccessible.h"

#include "TNumericField.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace plumcrest {

namespace {

// Dynamic properties joining a caption label and its field.
constexpr const char* kLabelProperty = "plumcrestAccessibleLabel";
constexpr const char* kLabelForProperty = "plumcrestAccessibleLabelFor";

QWidget* LinkedWidget(const QObject* object, const char* property) {
    return qobject_cast<QWidget*>(object->property(property).value<QObject*>());
}

// One relation to the interface of `widget`, when there is one and `match` asks for `relation`.
QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
RelationTo(QWidget* widget, QAccessible::Relation relation, QAccessible::Relation match) {
    if (!widget || !(match & relation))
        return {};
    if (QAccessibleInterface* other = QAccessible::queryAccessibleInterface(widget))
        return {{other, relation}};
    return {};
}

// A caption label: static text named by its caption, the label for one field.
class CaptionAccessible final : public QAccessibleWidget {
public:
    explicit CaptionAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? static_cast<QLabel*>(widget())->text() : name;
        }
        return QAccessibleWidget::text(kind);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        return RelationTo(LinkedWidget(widget(), kLabelForProperty), QAccessible::Labelled, match);
    }
};

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

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto relations = QAccessibleWidget::relations(match);
        relations += RelationTo(LinkedWidget(widget(), kLabelProperty), QAccessible::Label, match);
        return relations;
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

void SetAccessibleLabel(QWidget* field, QLabel* label) {
    field->setProperty(kLabelProperty, QVariant::fromValue<QObject*>(label));
    label->setProperty(kLabelForProperty, QVariant::fromValue<QObject*>(field));
    // Qt's own factory answers for every QLabel before ours is asked, so the caption's interface
    // goes into the cache directly; the cache releases it with the label.
    QAccessible::registerAccessibleInterface(new CaptionAccessible(label));
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
