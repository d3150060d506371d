#include "AltKeyFixUnit.h"

#include "CompositionFuncs.h"
#include "IdleEvents.h"
#include "KeyboardCues.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace plumcrest::platform {
namespace {

bool IsForm(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop;
}

// The button-control family: push buttons, check boxes and radio buttons. A push button that
// carries an icon plays the bitmap button, which the family leaves out.
bool IsButtonControl(const QWidget* widget) {
    if (const auto* push = qobject_cast<const QPushButton*>(widget))
        return push->icon().isNull();
    return qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget);
}

bool IsBitmapButton(const QWidget* widget) {
    const auto* push = qobject_cast<const QPushButton*>(widget);
    return push && !push->icon().isNull();
}

// Qt paints a widget's visible descendants together with it, parent first, in one repaint();
// so a repainted widget's subtree is not visited again, which keeps every control to one paint.
void RepaintControls(QWidget* widget, bool repaintAll) {
    if (!widget->isVisible())
        return;
    if (repaintAll || IsButtonControl(widget)) {
        widget->repaint();
        return;
    }
    if (IsBitmapButton(widget))
        return;
    for (QObject* child : widget->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control && !control->isWindow()) // child windows are forms of their own
            RepaintControls(control, repaintAll);
    }
}

} // namespace

std::vector<QWidget*> ApplicationForms() {
    std::vector<QWidget*> forms;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (IsForm(widget))
            forms.push_back(widget);
    return forms;
}

TFormObj::TFormObj(QWidget* form, bool repaintAll) : Form(form), RepaintAll(repaintAll) {
    form->installEventFilter(this);
}

TFormObj::~TFormObj() {
    if (Form)
        Form->removeEventFilter(this);
}

bool TFormObj::eventFilter(QObject* watched, QEvent* event) {
    // The flag is only read at the next idle pass, so noting it before the form's own handling
    // is the same as after it.
    if (watched == Form && event->type() == KeyboardCueEvent::EventType())
        RepaintPending = true;
    return false;
}

void TFormObj::CheckRepaint() {
    if (!RepaintPending || !Form)
        return;
    RepaintPending = false;
    RepaintControls(Form, RepaintAll);
}

TAltKeyFix::TAltKeyFix(QWidget* owner) : QObject(owner) {
    if (!IsVistaWithThemes())
        return;
    idleEvents_ = std::make_unique<IdleEvents>();
    connect(idleEvents_.get(), &IdleEvents::Idle, this, &TAltKeyFix::ApplicationIdle);
    KeyboardCues::Install();
}

TAltKeyFix::~TAltKeyFix() {
    idleEvents_.reset();
    formObjects_.clear();
}

bool TAltKeyFix::IsWrapped(const QWidget* form) const {
    return form && std::any_of(formObjects_.begin(), formObjects_.end(),
                               [form](const auto& wrapper) { return wrapper->Form == form; });
}

void TAltKeyFix::ApplicationIdle() {
    // A repaint that ran a nested event loop would come back here mid-sweep.
    if (!IsActive() || inIdlePass_)
        return;
    inIdlePass_ = true;
    MarkFormsInUse();
    ReleaseUnusedAndRepaint();
    inIdlePass_ = false;
}

void TAltKeyFix::MarkFormsInUse() {
    for (auto& wrapper : formObjects_)
        wrapper->InUse = false;
    for (QWidget* form : ApplicationForms()) {
        auto found = std::find_if(formObjects_.begin(), formObjects_.end(),
                                  [form](const auto& wrapper) { return wrapper->Form == form; });
        if (found != formObjects_.end())
            (*found)->InUse = true;
        else
            formObjects_.push_back(std::make_unique<TFormObj>(form, repaintAll_));
    }
}

void TAltKeyFix::ReleaseUnusedAndRepaint() {
    // Back to front, so deleting an entry leaves the ones still to visit in place.
    for (auto index = formObjects_.size(); index-- > 0;) {
        if (!formObjects_[index]->InUse)
            formObjects_.erase(formObjects_.begin() + static_cast<std::ptrdiff_t>(index));
        else
            formObjects_[index]->CheckRepaint();
    }
}

} // namespace plumcrest::platform
