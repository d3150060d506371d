#include "KeepOfferDialog.h"

#include "Guarded.h"
#include "KeptOffer.h"
#include "NumberText.h"
#include "Services.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

namespace plumcrest::offers {

namespace {

// The largest percentage the calculator's rate field shows.
constexpr double kLargestPercent = 999.9999;

} // namespace

std::optional<double> ParsePercent(const QString& text, const LocaleSeparators& separators) {
    // Only digits and the decimal separator: no sign, exponent or group separator, which the
    // calculator's parser below would otherwise take; a trailing "%" as the lender writes it.
    QString trimmed = text.trimmed();
    if (trimmed.endsWith(QLatin1Char('%')))
        trimmed = trimmed.chopped(1).trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    for (const char32_t c : trimmed.toStdU32String()) {
        if ((c < U'0' || c > U'9') && c != separators.decimal)
            return std::nullopt;
    }
    const std::string utf8 = trimmed.toStdString();
    const std::optional<double> value = ParseFloat(utf8, separators.decimal);
    if (!value || !(*value <= kLargestPercent))
        return std::nullopt;
    return value;
}

KeepOfferDialog::KeepOfferDialog(const LocaleSeparators& separators, QWidget* parent)
    : QDialog(parent), separators_(separators) {
    setObjectName(QStringLiteral("dlgKeepOffer"));
    setWindowTitle(tr("Keep This Offer"));
    setModal(true);

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("edtOfferName"));
    name_->setMaxLength(kMaxOfferName);
    name_->setAccessibleName(tr("Name"));
    name_->setPlaceholderText(tr("the lender"));
    apr_ = new QLineEdit(this);
    apr_->setObjectName(QStringLiteral("edtDisclosedApr"));
    apr_->setAccessibleName(tr("APR the lender disclosed"));
    apr_->setPlaceholderText(tr("optional"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Name (the lender):"), name_);
    form->addRow(tr("&APR the lender disclosed (%):"), apr_);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("lblKeepProblem"));
    problem_->setWordWrap(true);

    buttons_ = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("&Keep"));
    using platform::Guarded;
    connect(buttons_, &QDialogButtonBox::accepted, this, Guarded([this] { accept(); }));
    connect(buttons_, &QDialogButtonBox::rejected, this, Guarded([this] { reject(); }));
    connect(buttons_, &QDialogButtonBox::helpRequested, this,
            Guarded([] { platform::TheHelp().ShowContext(kHelpContext); }));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        tr("The inputs and results now in the calculator are kept under this name."), this));
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons_);

    connect(name_, &QLineEdit::textChanged, this, Guarded([this] { Check(); }));
    connect(apr_, &QLineEdit::textChanged, this, Guarded([this] { Check(); }));
    Check();
}

std::optional<KeepAnswer> KeepOfferDialog::Answer() const {
    KeepAnswer answer;
    answer.name = name_->text().trimmed();
    if (answer.name.isEmpty() || answer.name.size() > kMaxOfferName)
        return std::nullopt;
    if (!apr_->text().trimmed().isEmpty()) {
        answer.disclosedApr = ParsePercent(apr_->text(), separators_);
        if (!answer.disclosedApr)
            return std::nullopt;
    }
    return answer;
}

void KeepOfferDialog::Check() {
    QString problem;
    if (name_->text().trimmed().isEmpty())
        problem = tr("Type a name, such as the lender's.");
    else if (!apr_->text().trimmed().isEmpty() && !ParsePercent(apr_->text(), separators_))
        // The example is one argument: "%1125" would read as placeholder 11.
        problem = tr("The APR must be a percentage such as %1, or left empty.")
                      .arg(QStringLiteral("7") +
                           QString::fromStdU32String(std::u32string(1, separators_.decimal)) +
                           QStringLiteral("1125"));
    problem_->setText(problem);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

} // namespace plumcrest::offers
