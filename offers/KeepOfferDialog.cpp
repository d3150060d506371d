#include "KeepOfferDialog.h"

#include "KeptOffer.h"
#include "Services.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <charconv>
#include <cmath>
#include <string>

namespace plumcrest::offers {

std::optional<double> ParsePercent(const QString& text, const LocaleSeparators& separators) {
    const QString trimmed = text.trimmed();
    std::string plain;
    int points = 0;
    for (const char32_t c : trimmed.toStdU32String()) {
        if (c >= U'0' && c <= U'9') {
            plain += static_cast<char>(c);
        } else if (c == separators.decimal && points++ == 0) {
            plain += '.';
        } else {
            return std::nullopt;
        }
    }
    if (plain.empty() || plain == ".")
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size() || !(value <= 999.9999))
        return std::nullopt;
    return value;
}

KeepOfferDialog::KeepOfferDialog(const LocaleSeparators& separators, QWidget* parent)
    : QDialog(parent), separators_(separators) {
    setObjectName(QStringLiteral("dlgKeepOffer"));
    setWindowTitle(QStringLiteral("Keep This Offer"));
    setModal(true);

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("edtOfferName"));
    name_->setMaxLength(store::kMaxOfferName);
    name_->setAccessibleName(QStringLiteral("Name"));
    name_->setPlaceholderText(QStringLiteral("the lender"));
    apr_ = new QLineEdit(this);
    apr_->setObjectName(QStringLiteral("edtDisclosedApr"));
    apr_->setAccessibleName(QStringLiteral("APR the lender disclosed"));
    apr_->setPlaceholderText(QStringLiteral("optional"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Name (the lender):"), name_);
    form->addRow(QStringLiteral("&APR the lender disclosed (%):"), apr_);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("lblKeepProblem"));
    problem_->setWordWrap(true);

    buttons_ = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Keep"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons_, &QDialogButtonBox::helpRequested, this,
            [] { platform::TheHelp().ShowContext(kHelpContext); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("The inputs and results now in the calculator are kept under this name."),
        this));
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons_);

    connect(name_, &QLineEdit::textChanged, this, &KeepOfferDialog::Check);
    connect(apr_, &QLineEdit::textChanged, this, &KeepOfferDialog::Check);
    Check();
}

std::optional<KeepAnswer> KeepOfferDialog::Answer() const {
    KeepAnswer answer;
    answer.name = name_->text().trimmed();
    if (answer.name.isEmpty() || answer.name.size() > store::kMaxOfferName)
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
        problem = QStringLiteral("Type a name, such as the lender's.");
    else if (!apr_->text().trimmed().isEmpty() && !ParsePercent(apr_->text(), separators_))
        problem = QStringLiteral("The APR must be a percentage such as 7%1125, or left empty.")
                      .arg(QString::fromStdU32String(std::u32string(1, separators_.decimal)));
    problem_->setText(problem);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

} // namespace plumcrest::offers
