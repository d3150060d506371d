#include "EstimateImport.h"

#include "ClosingJson.h"
#include "Contrast.h"
#include "EstimateFields.h"
#include "FigureText.h"
#include "OfferEditor.h"
#include "OfferEntry.h"
#include "ReadingChecks.h"
#include "SourceFile.h"
#include "Translations.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <charconv>
#include <cmath>
#include <memory>
#include <sys/resource.h>

namespace plumcrest::offers {

namespace {

// The review's texts, filed for translators under this name (lupdate reads ReviewText::tr calls).
struct ReviewText {
    Q_DECLARE_TR_FUNCTIONS(plumcrest::offers::EstimateImport)
};

QString WhereText(const reader::Where& where) {
    return where.page == 0 ? ReviewText::tr("not on the form as read")
                           : ReviewText::tr("p. %1, line %2").arg(where.page).arg(where.line);
}

QString ReadOn(const reader::Where& where) {
    return where.page == 0 ? ReviewText::tr("Not found on the Loan Estimate")
                           : ReviewText::tr("Read on the Loan Estimate, page %1, line %2")
                                 .arg(where.page)
                                 .arg(where.line);
}

} // namespace

namespace {

// A pipe, a device, a folder or a file this user may not read is refused at once: the reader
// would only block on it or fail for a reason it could not tell.
std::optional<ImportReading> RefusedUnread(const QString& file) {
    const reader::SourceProblem problem = reader::CheckSourceFile(QFile::encodeName(file));
    if (problem == reader::SourceProblem::None)
        return std::nullopt;
    ImportReading result;
    result.outcome = ImportReading::Outcome::Refused;
    result.problem = reader::SourceProblemText(problem);
    return result;
}

void PrepareReader(QProcess& process, const QString& program, const QString& file,
                   qint64 memoryLimit, ReaderForm form = ReaderForm::LoanEstimate) {
    process.setProgram(program);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The reader's refusals read in the language the windows show.
    if (translations::ShowingSpanish())
        environment.insert(QStringLiteral("PLUMCREST_LANGUAGE"), QStringLiteral("es"));
    else
        environment.remove(QStringLiteral("PLUMCREST_LANGUAGE"));
#if defined(__SANITIZE_ADDRESS__)
    // The address-space limit cannot hold a sanitized reader; its allocator keeps the bound.
    const QString options = environment.value(QStringLiteral("ASAN_OPTIONS"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       options + (options.isEmpty() ? QString() : QStringLiteral(":")) +
                           QStringLiteral("malloc_limit_mb=%1").arg(memoryLimit / (1024 * 1024)));
#endif
    process.setProcessEnvironment(environment);
    process.setArguments({form == ReaderForm::ClosingDisclosure
                              ? QStringLiteral("--read-closing-disclosure")
                              : QStringLiteral("--read-loan-estimate"),
                          file});
    process.setChildProcessModifier([memoryLimit] {
    // In the child, before the program starts: nothing here may allocate.
#if !defined(__SANITIZE_ADDRESS__)
        // AddressSanitizer reserves terabytes of address space for itself: a sanitized build's
        // reader would not start under the limit, so it runs without one.
        const rlimit memory{static_cast<rlim_t>(memoryLimit), static_cast<rlim_t>(memoryLimit)};
        ::setrlimit(RLIMIT_AS, &memory);
#else
        static_cast<void>(memoryLimit);
#endif
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
    });
}

ImportReading NotStarted(const QProcess& process) {
    ImportReading result;
    result.problem = ReviewText::tr("The Loan Estimate reader could not be started (%1).")
                         .arg(process.errorString());
    return result;
}

ImportReading TimedOut(int timeLimitMs) {
    ImportReading result;
    result.outcome = ImportReading::Outcome::TimedOut;
    result.problem = ReviewText::tr("Reading this file took longer than %n seconds and was "
                                    "stopped. The file may be damaged.",
                                    nullptr, timeLimitMs / 1000);
    return result;
}

// What the reader's end says: the reading, or why there is none.
ImportReading ReadingOfFinished(QProcess& process, ReaderForm form = ReaderForm::LoanEstimate) {
    ImportReading result;
    if (process.exitStatus() == QProcess::CrashExit) {
        result.outcome = ImportReading::Outcome::Stopped;
        result.problem =
            ReviewText::tr("This file could not be read: the reader stopped on it. The file may "
                           "be damaged.");
        return result;
    }
    const QByteArray output = process.readAllStandardOutput();
    if (process.exitCode() == 0) {
        if (form == ReaderForm::ClosingDisclosure) {
            result.closing = reader::ClosingFromJson(output);
            if (result.closing)
                result.closingJson = output;
        } else {
            result.read = reader::FromJson(output);
        }
        if (result.read || result.closing) {
            result.outcome = ImportReading::Outcome::Read;
            return result;
        }
    }
    // A refusal's one line says why; anything else the reader ended with counts as stopped.
    QString why = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    why = why.section(QLatin1Char('\n'), 0, 0);
    if (why.startsWith(QStringLiteral("plumcrest: ")))
        why = why.mid(11);
    if (process.exitCode() == 2 && !why.isEmpty()) {
        result.outcome = ImportReading::Outcome::Refused;
        result.problem = why;
    } else {
        result.outcome = ImportReading::Outcome::Stopped;
        result.problem =
            ReviewText::tr("This file could not be read: the reader stopped on it. The file may "
                           "be damaged.");
    }
    return result;
}

} // namespace

ImportReading ReadInReaderProcess(const QString& program, const QString& file, int timeLimitMs,
                                  qint64 memoryLimit) {
    if (auto refused = RefusedUnread(file))
        return *refused;
    QProcess process;
    PrepareReader(process, program, file, memoryLimit);
    process.start();
    if (!process.waitForStarted(timeLimitMs))
        return NotStarted(process);
    if (!process.waitForFinished(timeLimitMs)) {
        process.kill();
        process.waitForFinished(1000);
        return TimedOut(timeLimitMs);
    }
    return ReadingOfFinished(process);
}

ReaderRun::ReaderRun(QString program, QString file, int timeLimitMs, qint64 memoryLimit,
                     QObject* parent)
    : QObject(parent), program_(std::move(program)), file_(std::move(file)),
      timeLimitMs_(timeLimitMs), memoryLimit_(memoryLimit) {}

ReaderRun::~ReaderRun() {
    // A reader still running when its window goes is not left behind.
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->disconnect(this);
        process_->kill();
        process_->waitForFinished(1000);
    }
}

void ReaderRun::Start() {
    if (auto refused = RefusedUnread(file_)) {
        Finish(std::move(*refused));
        return;
    }
    process_ = new QProcess(this);
    PrepareReader(*process_, program_, file_, memoryLimit_, form_);
    limit_ = new QTimer(this);
    limit_->setSingleShot(true);
    connect(limit_, &QTimer::timeout, this, [this] {
        Stop();
        Finish(TimedOut(timeLimitMs_));
    });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Finish(NotStarted(*process_));
    });
    connect(process_, &QProcess::finished, this, [this] {
        if (!done_)
            Finish(ReadingOfFinished(*process_, form_));
    });
    // The limit counts from the start, as the reader's own time does.
    limit_->start(timeLimitMs_);
    process_->start();
}

void ReaderRun::Cancel() {
    if (done_)
        return;
    Stop();
    ImportReading cancelled;
    cancelled.outcome = ImportReading::Outcome::Cancelled;
    Finish(std::move(cancelled));
}

qint64 ReaderRun::ProcessId() const {
    return process_ ? process_->processId() : 0;
}

void ReaderRun::Stop() {
    if (limit_)
        limit_->stop();
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->disconnect(this);
        process_->kill();
        // SIGKILL ends it at once; waiting reaps it, so no process is left behind.
        process_->waitForFinished(1000);
    }
}

void ReaderRun::Finish(ImportReading result) {
    if (done_)
        return;
    done_ = true;
    if (limit_)
        limit_->stop();
    result_ = std::move(result);
    emit Finished();
}

store::KeptOffer OfferOfReading(const reader::EstimateReading& reading) {
    store::KeptOffer offer;
    offer.name = QString::fromStdString(reading.lender.value.value_or(std::string()))
                     .simplified()
                     .left(kMaxOfferName);
    offer.estimate = reader::EstimateOfReading(reading);
    return offer;
}

namespace {

// A figure typed in the review, with the user's separators: "162,000.00", "3.875".
std::optional<double> Typed(const QString& text, const LocaleSeparators& separators) {
    QString plain = text.trimmed();
    plain.remove(QChar(separators.thousands == U' ' ? U'\u00A0' : separators.thousands));
    plain.remove(QLatin1Char(' '));
    plain.remove(QLatin1Char('$'));
    plain.remove(QLatin1Char('%'));
    plain.replace(QChar(static_cast<char16_t>(separators.decimal)), QLatin1Char('.'));
    if (plain.isEmpty())
        return std::nullopt;
    const std::string digits = plain.toStdString();
    double value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The review's colours for what is wrong or missing, as the editor's problems are, and for a
// check that agrees: shades that read on the palette the label is shown in.
QString ProblemStyle(const QWidget* widget) {
    return contrast::TextStyle(contrast::ProblemColour(widget->palette()));
}

QString AgreeStyle(const QWidget* widget) {
    return contrast::TextStyle(contrast::AgreeColour(widget->palette()));
}

struct Review {
    reader::ReadBack read;
    LocaleSeparators separators;
    OfferEditor* editor = nullptr;
    QLineEdit* payment = nullptr; // the monthly principal and interest, when it was not read
    std::vector<std::pair<std::string, QLabel*>> verdicts;
    std::vector<std::pair<std::string, bool>> percentChecks;
};

QString MissingText() {
    return ReviewText::tr("missing: type it from the form");
}

// The reading as corrected in the editor, its checks run again, and OK offered only when the
// loan's four figures are there.
void Refresh(Review& review) {
    using Field = OfferEditor::Field;
    OfferEditor& editor = *review.editor;
    reader::EstimateReading r = review.read.reading;
    const auto typed = [&](Field field) {
        return Typed(editor.NumberField(field)->text(), review.separators);
    };
    r.loanAmount.value = typed("loanAmount");
    r.interestRate.value = typed("noteRate");
    const auto years = typed("months");
    r.loanTermYears.value = years && *years >= 1 && *years <= 1000 && std::floor(*years) == *years
                                ? std::optional<int>(static_cast<int>(*years))
                                : std::nullopt;
    if (review.payment)
        r.monthlyPrincipalInterest.value = Typed(review.payment->text(), review.separators);
    // The lines as they stand in the editor, so a corrected amount is checked too.
    for (CostSection section : kCostSections) {
        auto& lines = r.Section(section).lines;
        lines.clear();
        for (int i = 0; i < editor.LineCount(section); ++i) {
            const OfferEditor::CostLine& line = editor.Line(section, i);
            lines.push_back({line.label->text().trimmed().toStdString(),
                             Typed(line.amount->text(), review.separators),
                             {}});
        }
    }
    const std::vector<reader::Check> checks = reader::CheckReading(r);
    for (const auto& [name, label] : review.verdicts) {
        const auto found = std::find_if(checks.begin(), checks.end(),
                                        [&](const reader::Check& c) { return c.name == name; });
        if (found == checks.end() || !found->expected) {
            label->clear();
            continue;
        }
        const bool percent = std::any_of(review.percentChecks.begin(), review.percentChecks.end(),
                                         [&](const auto& p) { return p.first == name; });
        const QString expected =
            percent ? compare::FigureText(*found->expected, MaskKind::Rate, review.separators) +
                          QStringLiteral(" %")
                    : compare::FigureText(*found->expected, MaskKind::Money, review.separators);
        // In words, so the verdict reads aloud as it reads on screen; the mark only repeats it.
        QString verdict;
        if (found->ok) {
            verdict = ReviewText::tr("\u2713 agrees with %1 worked out").arg(expected);
        } else if (found->found) {
            const double by = std::abs(*found->found - *found->expected);
            verdict =
                percent
                    ? ReviewText::tr("\u2717 differs by %1 points from %2 worked out. Ask the "
                                     "lender why.")
                          .arg(compare::FigureText(by, MaskKind::Rate, review.separators), expected)
                    : ReviewText::tr("\u2717 differs by %1 from %2 worked out. Ask the lender "
                                     "why.")
                          .arg(compare::FigureText(by, MaskKind::Money, review.separators),
                               expected);
        } else {
            verdict = ReviewText::tr("\u2717 differs from %1 worked out. Ask the lender why.")
                          .arg(expected);
        }
        label->setText(verdict);
        label->setStyleSheet(found->ok ? AgreeStyle(label) : ProblemStyle(label));
    }
    const bool complete = r.loanAmount.value && *r.loanAmount.value > 0 && r.interestRate.value &&
                          r.loanTermYears.value && r.monthlyPrincipalInterest.value;
    if (QPushButton* ok = editor.Buttons()->button(QDialogButtonBox::Ok)) {
        ok->setEnabled(complete);
        ok->setToolTip(complete
                           ? QString()
                           : ReviewText::tr("Type the loan amount, interest rate, term and monthly "
                                            "principal and interest the form gives, or cancel."));
    }
}

} // namespace

void ShowReadingIn(OfferEditor& editor, const reader::ReadBack& read,
                   const LocaleSeparators& separators) {
    const reader::EstimateReading& r = read.reading;
    using Field = OfferEditor::Field;
    // Where each figure in the editor's fields was read, listed in the review as well: a hint
    // alone would show it to the pointer only.
    std::vector<std::pair<QString, reader::Where>> places;
    const auto placed = [&](QWidget* field, const QString& caption, const reader::Where& where) {
        field->setToolTip(ReadOn(where));
        field->setAccessibleDescription(ReadOn(where));
        if (where.page != 0)
            places.emplace_back(caption, where);
    };
    const auto captionOf = [](Field field) {
        for (const EstimateField& figure : kEstimateFields)
            if (figure.key == field)
                return QCoreApplication::translate("EstimateFields", figure.name);
        return QString();
    };
    const auto tip = [&](Field field, const reader::Where& where) {
        placed(editor.NumberField(field), captionOf(field), where);
    };
    placed(editor.NameField(), ReviewText::tr("Lender"), r.lender.where);
    placed(editor.LoanTypeField(), ReviewText::tr("Loan type"), r.loanType.where);
    // Each figure the form prints, by its key in the reading.
    for (const EstimateField& figure : kEstimateFields)
        if (*figure.json != '\0' && figure.kind != FigureKind::Choice)
            tip(figure.key, reader::WhereRead(r, figure.json));
    if (!r.projectedPayments.empty()) {
        tip("insurancePercent", r.projectedPayments.front().mortgageInsurance.where);
        tip("propertyTaxYearly", r.projectedPayments.front().escrow.where);
    }
    if (r.paymentTable.interestOnlyPayments.value.value_or(0) > 0)
        tip("interestOnlyMonths", r.paymentTable.interestOnlyPayments.where);
    // A figure not read is shown empty and named missing, never as 0.
    const auto missing = [&](Field field, bool found) {
        if (found)
            return;
        editor.NumberField(field)->clear();
        editor.NumberField(field)->setPlaceholderText(ReviewText::tr("missing"));
        QLabel* problem = editor.ProblemBeside(field);
        problem->setText(MissingText());
        problem->setStyleSheet(ProblemStyle(problem));
        problem->setVisible(true);
    };
    missing("price", r.salePrice.value || r.propertyValue.value);
    missing("loanAmount", r.loanAmount.value.has_value());
    missing("months", r.loanTermYears.value.has_value());
    missing("noteRate", r.interestRate.value.has_value());
    // The editor holds the lines with an amount, in the order read.
    for (CostSection section : kCostSections) {
        int index = 0;
        for (const reader::SectionLine& line : r.Section(section).lines) {
            if (!line.amount || line.label.empty() || index >= editor.LineCount(section))
                continue;
            const OfferEditor::CostLine& shown = editor.Line(section, index++);
            shown.label->setToolTip(ReadOn(line.where));
            placed(shown.amount,
                   ReviewText::tr("%1. %2").arg(QString::fromUtf8(SectionLetter(section).data(), 1),
                                                QString::fromStdString(line.label)),
                   line.where);
        }
    }

    auto review = std::make_shared<Review>();
    review->read = read;
    review->separators = separators;
    review->editor = &editor;

    const auto money = [&](const std::optional<double>& value) {
        return value ? compare::FigureText(*value, MaskKind::Money, separators)
                     : ReviewText::tr("missing");
    };
    const auto percent = [&](const std::optional<double>& value) {
        return value
                   ? compare::FigureText(*value, MaskKind::Rate, separators) + QStringLiteral(" %")
                   : ReviewText::tr("missing");
    };
    const auto text = [&](const std::optional<std::string>& value) {
        return value ? QString::fromStdString(*value) : ReviewText::tr("missing");
    };
    // The purpose as the reader names it ("Purchase"), in the words of the offer's own field.
    const auto choice = [&](const std::optional<std::string>& value) {
        return value ? QCoreApplication::translate("EstimateFields", value->c_str())
                     : ReviewText::tr("missing");
    };

    auto* box = new QGroupBox(
        ReviewText::tr("Read from the Loan Estimate: check each figure against the form"));
    box->setObjectName(QStringLiteral("grpReading"));
    auto* grid = new QGridLayout(box);
    int row = 0;
    if (!r.missingPages.empty()) {
        QStringList pages;
        for (int page : r.missingPages)
            pages << QString::number(page);
        auto* note = new QLabel(
            (pages.size() == 1
                 ? ReviewText::tr(
                       "This file lacks page %1 of the form: the figures there are missing.")
                 : ReviewText::tr(
                       "This file lacks pages %1 of the form: the figures there are missing."))
                .arg(pages.join(ReviewText::tr(" and "))),
            box);
        note->setObjectName(QStringLiteral("lblMissingPages"));
        note->setTextFormat(Qt::PlainText);
        note->setWordWrap(true);
        note->setStyleSheet(ProblemStyle(note));
        grid->addWidget(note, row++, 0, 1, 4);
    }
    const auto add = [&](const QString& caption, const QString& value, bool found,
                         const reader::Where& where, const char* check, bool percentCheck) {
        // As written: a caption that labels its figure would read "&" as a shortcut mark.
        auto* name =
            new QLabel(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")), box);
        // What the file says is shown as written: a form's text must never pass for markup
        // (headings, colours, a verdict of the program's own).
        auto* shown = new QLabel(value, box);
        shown->setTextFormat(Qt::PlainText);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Long figures (the AIR table, ranges) wrap rather than widen the review past the screen.
        shown->setWordWrap(true);
        // Named by its figure and labelled by its caption, so a screen reader says both; where
        // it was read comes with it.
        name->setBuddy(shown);
        shown->setAccessibleDescription(ReadOn(where));
        if (!found)
            shown->setStyleSheet(ProblemStyle(shown));
        auto* source = new QLabel(WhereText(where), box);
        source->setTextFormat(Qt::PlainText);
        grid->addWidget(name, row, 0);
        grid->addWidget(shown, row, 1);
        grid->addWidget(source, row, 2);
        if (check) {
            auto* verdict = new QLabel(box);
            verdict->setTextFormat(Qt::PlainText);
            verdict->setWordWrap(true);
            verdict->setObjectName(QStringLiteral("lblCheck_%1").arg(QLatin1String(check)));
            verdict->setAccessibleDescription(ReviewText::tr("Check of %1").arg(caption));
            grid->addWidget(verdict, row, 3);
            review->verdicts.emplace_back(check, verdict);
            if (percentCheck)
                review->percentChecks.emplace_back(check, true);
        }
        ++row;
        return shown;
    };
    add(ReviewText::tr("Date issued"), text(r.dateIssued.value), r.dateIssued.value.has_value(),
        r.dateIssued.where, nullptr, false);
    add(ReviewText::tr("Purpose"), choice(r.purpose.value), r.purpose.value.has_value(),
        r.purpose.where, nullptr, false);
    add(ReviewText::tr("Product"), text(r.product.value), r.product.value.has_value(),
        r.product.where, nullptr, false);
    if (r.monthlyPrincipalInterest.value) {
        add(ReviewText::tr("Monthly principal & interest"), money(r.monthlyPrincipalInterest.value),
            true, r.monthlyPrincipalInterest.where, "monthlyPrincipalInterest", false);
    } else {
        QLabel* shown = add(ReviewText::tr("Monthly principal & interest"), QString(), false,
                            r.monthlyPrincipalInterest.where, "monthlyPrincipalInterest", false);
        review->payment = new QLineEdit(box);
        review->payment->setObjectName(QStringLiteral("edtReviewPayment"));
        review->payment->setAccessibleName(ReviewText::tr("Monthly principal & interest"));
        review->payment->setPlaceholderText(MissingText());
        review->payment->setAlignment(Qt::AlignRight);
        // The layout hands back the item that held the label; it is ours to delete.
        delete grid->replaceWidget(shown, review->payment);
        if (QLayoutItem* caption = grid->itemAtPosition(row - 1, 0))
            if (auto* label = qobject_cast<QLabel*>(caption->widget()))
                label->setBuddy(review->payment);
        shown->deleteLater();
    }
    const auto range = [&](const std::optional<double>& low, const std::optional<double>& high) {
        return high ? ReviewText::tr("%1 to %2").arg(money(low), money(high)) : money(low);
    };
    for (const reader::ProjectedColumn& column : r.projectedPayments)
        add(ReviewText::tr("Projected payment, years %1").arg(QString::fromStdString(column.years)),
            ReviewText::tr("%1 + insurance %2 + escrow %3 = %4")
                .arg(range(column.principalInterest.value, column.principalInterestMaximum),
                     money(column.mortgageInsurance.value), money(column.escrow.value),
                     range(column.total.value, column.totalMaximum)),
            column.principalInterest.value && column.total.value, column.total.where, nullptr,
            false);
    if (r.balloonPayment.value)
        add(ReviewText::tr("Balloon payment"), money(r.balloonPayment.value), true,
            r.balloonPayment.where, nullptr, false);
    if (r.rateLocked.value)
        add(ReviewText::tr("Rate lock"),
            *r.rateLocked.value
                ? ReviewText::tr("locked until %1")
                      .arg(QString::fromStdString(r.rateLockUntil.value.value_or(
                          ReviewText::tr("a date the form does not give").toStdString())))
                : ReviewText::tr("not locked"),
            true, r.rateLocked.where, nullptr, false);
    if (r.closingCostsExpire.value)
        add(ReviewText::tr("Estimated closing costs expire"), text(r.closingCostsExpire.value),
            true, r.closingCostsExpire.where, nullptr, false);
    const reader::RateTable& table = r.rateTable;
    if (table.initialRate.value)
        add(ReviewText::tr("Adjustable rate (AIR table)"),
            ReviewText::tr(
                "%1 + %2; first change at month %3 (at most %4), then every %5 months (at most "
                "%6); between %7 and %8")
                .arg(text(table.index.value), percent(table.margin.value),
                     table.firstChangeMonth.value ? QString::number(*table.firstChangeMonth.value)
                                                  : ReviewText::tr("missing"),
                     percent(table.firstChangeCap.value),
                     table.laterChangeMonths.value ? QString::number(*table.laterChangeMonths.value)
                                                   : ReviewText::tr("missing"),
                     percent(table.laterChangeCap.value), percent(table.minimumRate.value),
                     percent(table.maximumRate.value)),
            true, table.initialRate.where, nullptr, false);
    const reader::PaymentTable& payments = r.paymentTable;
    if (payments.interestOnlyPayments.value) {
        QString value = *payments.interestOnlyPayments.value > 0
                            ? ReviewText::tr("interest only for the first %1 payments")
                                  .arg(*payments.interestOnlyPayments.value)
                            : ReviewText::tr("no interest-only payments");
        if (payments.firstChangeMinimum.value && payments.firstChangeMaximum.value)
            value += ReviewText::tr("; from payment %1, %2 to %3")
                         .arg(payments.firstChangePayment.value
                                  ? QString::number(*payments.firstChangePayment.value)
                                  : ReviewText::tr("missing"),
                              money(payments.firstChangeMinimum.value),
                              money(payments.firstChangeMaximum.value));
        if (payments.maximumPayment.value)
            value += ReviewText::tr("; at most %1").arg(money(payments.maximumPayment.value));
        add(ReviewText::tr("Adjustable payments (AP table)"), value, true,
            payments.interestOnlyPayments.where, nullptr, false);
    }
    for (CostSection section : kCostSections) {
        const reader::SectionReading& part = r.Section(section);
        if (!part.total.value)
            continue;
        const std::string check = "section" + std::string(SectionLetter(section));
        add(ReviewText::tr("%1. section total")
                .arg(QString::fromUtf8(SectionLetter(section).data(), 1)),
            money(part.total.value), true, part.total.where, nullptr, false);
        // The verdict is kept for the lines as they stand.
        auto* verdict = new QLabel(box);
        verdict->setTextFormat(Qt::PlainText);
        verdict->setWordWrap(true);
        verdict->setObjectName(QStringLiteral("lblCheck_%1").arg(QString::fromStdString(check)));
        verdict->setAccessibleDescription(
            ReviewText::tr("Check of %1").arg(QString::fromUtf8(SectionLetter(section).data(), 1)));
        grid->addWidget(verdict, row - 1, 3);
        review->verdicts.emplace_back(check, verdict);
    }
    add(ReviewText::tr("D. Total loan costs"), money(r.totalLoanCosts.value),
        r.totalLoanCosts.value.has_value(), r.totalLoanCosts.where, "totalLoanCosts", false);
    add(ReviewText::tr("I. Total other costs"), money(r.totalOtherCosts.value),
        r.totalOtherCosts.value.has_value(), r.totalOtherCosts.where, "totalOtherCosts", false);
    add(ReviewText::tr("J. Total closing costs"), money(r.totalClosingCosts.value),
        r.totalClosingCosts.value.has_value(), r.totalClosingCosts.where, "totalClosingCosts",
        false);
    add(ReviewText::tr("Cash to close"),
        r.cashToCloseToBorrower.value.value_or(false)
            ? ReviewText::tr("%1 to you").arg(money(r.cashToClose.value))
            : money(r.cashToClose.value),
        r.cashToClose.value.has_value(), r.cashToClose.where, "cashToClose", false);
    add(ReviewText::tr("In 5 Years, total paid"), money(r.in5YearsTotalPaid.value),
        r.in5YearsTotalPaid.value.has_value(), r.in5YearsTotalPaid.where, "in5YearsTotalPaid",
        false);
    add(ReviewText::tr("In 5 Years, principal paid off"), money(r.in5YearsPrincipal.value),
        r.in5YearsPrincipal.value.has_value(), r.in5YearsPrincipal.where, "in5YearsPrincipal",
        false);
    add(ReviewText::tr("APR"), percent(r.apr.value), r.apr.value.has_value(), r.apr.where, "apr",
        true);
    add(ReviewText::tr("TIP"), percent(r.tip.value), r.tip.value.has_value(), r.tip.where, "tip",
        true);
    if (!places.empty()) {
        auto* heading =
            new QLabel(ReviewText::tr("Where the figures in the fields below were read"), box);
        heading->setObjectName(QStringLiteral("lblPlacesHeading"));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, row++, 0, 1, 4);
        for (const auto& [caption, where] : places) {
            auto* name =
                new QLabel(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")), box);
            name->setTextFormat(Qt::PlainText);
            name->setWordWrap(true);
            auto* source = new QLabel(WhereText(where), box);
            source->setTextFormat(Qt::PlainText);
            name->setBuddy(source);
            grid->addWidget(name, row, 0, 1, 2);
            grid->addWidget(source, row++, 2);
        }
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    editor.AddNotes(box);
    editor.SetHelpContext(help::kImportContext);

    // Every correction runs the checks again.
    const auto refresh = [review] { Refresh(*review); };
    std::vector<QLineEdit*> inputs = {editor.NumberField("loanAmount"),
                                      editor.NumberField("noteRate"), editor.NumberField("months")};
    if (review->payment)
        inputs.push_back(review->payment);
    for (CostSection section : kCostSections)
        for (int i = 0; i < editor.LineCount(section); ++i)
            inputs.push_back(editor.Line(section, i).amount);
    for (QLineEdit* input : inputs)
        QObject::connect(input, &QLineEdit::textChanged, box, refresh);
    Refresh(*review);
    // What was read is where the review starts: only what the buyer types afterwards asks
    // before it is thrown away.
    editor.MarkUnchanged();
}

} // namespace plumcrest::offers
