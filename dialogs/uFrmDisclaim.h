#pragma once
// The disclaimer: the results carry no warranty; consult a financial advisor.

#include "TFixedDialog.h"

class QCloseEvent;
class QLabel;
class QToolButton;

namespace plumcrest::dialogs {

// Closing the dialog destroys it (deleteLater), so it is only ever created on the heap.
class TfrmDisclaim : public TFixedDialog {
    Q_OBJECT
    Q_DISABLE_COPY(TfrmDisclaim)

public:
    static constexpr int kClientWidth = 338;
    static constexpr int kClientHeight = 146;

    // Created centred over `over` (the main window), which is not its owner.
    explicit TfrmDisclaim(const QWidget* over = nullptr, QWidget* parent = nullptr);
    ~TfrmDisclaim() override; // FormDestroy

    void btnCloseClick();

protected:
    void closeEvent(QCloseEvent* event) override; // FormClose

private:
    void FormCreate(const QWidget* over);

    QLabel* RichLabel1_ = nullptr;
    QToolButton* btnClose_ = nullptr;
};

} // namespace plumcrest::dialogs
