#pragma once
// Asks for the name under which to keep the current offer and, optionally, the APR the lender
// disclosed.

#include "HelpContexts.h"
#include "PictureMask.h"

#include <QDialog>
#include <QString>
#include <optional>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace plumcrest::offers {

struct KeepAnswer {
    QString name;
    std::optional<double> disclosedApr;
};

// A percentage typed with the locale's decimal separator, read as every rate entry is (at most
// four decimals, a trailing "%" allowed): nothing when the text is not such a number from 0 to
// the largest rate the calculator shows.
std::optional<double> ParsePercent(const QString& text, const LocaleSeparators& separators);

class KeepOfferDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(KeepOfferDialog)

public:
    static constexpr int kHelpContext = help::kKeepOffersContext;

    KeepOfferDialog(const LocaleSeparators& separators, QWidget* parent);

    QLineEdit* NameField() const { return name_; }
    QLineEdit* AprField() const { return apr_; }
    QDialogButtonBox* Buttons() const { return buttons_; }
    // What the fields hold, when they are acceptable.
    std::optional<KeepAnswer> Answer() const;

private:
    void Check();

    LocaleSeparators separators_;
    QLineEdit* name_ = nullptr;
    QLineEdit* apr_ = nullptr;
    QLabel* problem_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

} // namespace plumcrest::offers
