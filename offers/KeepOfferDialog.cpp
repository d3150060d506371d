#include "KeepOfferDialog.h"

#include "EstimateFields.h"
#include "FigureEntry.h"
#include "Guarded.h"
#include "KeptOffer.h"
#include "NumberText.h"
#include "Services.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <string>

namespace plumcrest::offers {

std::optional<double> ParsePercent(const QString& text, const LocaleSeparators& separators) {
    // Any percentage the calculator's rate field shows, as every rate entry reads it.
    const ParsedEntry parsed = ParseEntry(text.toStdU32String(), {EntryKind::Percent, 0, kMaxRate},
                                          separators.decimal, separators.thousands);
    return parsed.value;
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
    problem_->setTextFormat(Qt::PlainText);
    problem_->setWordWrap(true);

    buttons_ = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("&Keep"));
    using platform::Guarded;
    connect(buttons_, &QDialogButtonBox::accepted, this, Guarded([this] { accept(); }));
    connect(buttons_, &QDialogButtonBox::rejected, this, Guarded([this] { reject(); }));
    connect(buttons_, &QDialogButtonBox::helpRequested, this,
            Guarded([] { platform::TheHelp().ShowContext(kHelpContext); }));
    // F1 as everywhere else: the calculator's own key does not reach a dialog.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this,
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
