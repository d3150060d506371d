#pragma once
// The Alt-key repaint fix for Vista-style themes. Once a keyboard-cue change (WM_UPDATEUISTATE,
// reported here as a KeyboardCueEvent) has passed through a form, the form's controls are
// repainted at the next idle moment, once per burst of such changes. Active only on Windows 6 or
// later with visual styles in effect; otherwise the fix is inert and nothing of it runs.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

namespace plumcrest::platform {

class IdleEvents;

// Watches one form. Its event filter stands in for the wrapped window procedure: it sees every
// event of the form and alters or swallows none.
class TFormObj final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(TFormObj)

public:
    TFormObj(QWidget* form, bool repaintAll);
    // Takes the filter off a form that still exists, so it never reaches a released wrapper.
    ~TFormObj() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void CheckRepaint();

    QPointer<QWidget> Form; // null once the form is destroyed
    bool InUse = true;      // found in the application's forms at the latest idle pass
    bool RepaintPending = false;
    bool RepaintAll = true; // mode copied from TAltKeyFix when the wrapper was made
};

using FormObjectList = std::vector<std::unique_ptr<TFormObj>>;

class TAltKeyFix final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(TAltKeyFix)
    Q_PROPERTY(bool RepaintAll READ RepaintAll WRITE SetRepaintAll)

public:
    // Owned by `owner` (the form that creates it) and destroyed with it. Active or inert is
    // decided here, once.
    explicit TAltKeyFix(QWidget* owner);
    // Frees the idle hookup first, then every wrapper.
    ~TAltKeyFix() override;

    bool RepaintAll() const { return repaintAll_; }
    // Applies to wrappers made afterwards; existing wrappers keep their mode.
    void SetRepaintAll(bool repaintAll) { repaintAll_ = repaintAll; }

    bool IsActive() const { return idleEvents_ != nullptr; }
    const FormObjectList& FormObjects() const { return formObjects_; }
    bool IsWrapped(const QWidget* form) const;

public slots:
    // The idle pass: wraps new forms, drops wrappers of destroyed ones, repaints where a
    // keyboard-cue change passed.
    void ApplicationIdle();

private:
    void MarkFormsInUse();
    void ReleaseUnusedAndRepaint();

    bool repaintAll_ = true;
    bool inIdlePass_ = false;
    std::unique_ptr<IdleEvents> idleEvents_;
    FormObjectList formObjects_;
};

// The application's forms in their list order: top-level windows other than popups and tool tips.
std::vector<QWidget*> ApplicationForms();

} // namespace plumcrest::platform
