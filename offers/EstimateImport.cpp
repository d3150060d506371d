#include "EstimateImport.h"

#include "EstimateFields.h"
#include "FigureText.h"
#include "OfferEditor.h"
#include "OfferEntry.h"
#include "ReadingChecks.h"
#include "SourceFile.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <sys/resource.h>

namespace plumcrest::offers {

namespace {

QString Tr(const char* text, const char* comment = nullptr, int n = -1) {
    return QCoreApplication::translate("plumcrest::offers::EstimateImport", text, comment, n);
}

QString WhereText(const reader::Where& where) {
    return where.page == 0 ? Tr("not found on the form")
                           : Tr("p. %1, line %2").arg(where.page).arg(where.line);
}

QString ReadOn(const reader::Where& where) {
    return where.page == 0
               ? Tr("Not found on the Loan Estimate")
               : Tr("Read on the Loan Estimate, page %1, line %2").arg(where.page).arg(where.line);
}

} // namespace

ImportReading ReadInReaderProcess(const QString& program, const QString& file, int timeLimitMs,
                                  qint64 memoryLimit) {
    ImportReading result;
    // A pipe, a device, a folder or a file this user may not read is refused here, at once: the
    // reader would only block on it or fail for a reason it could not tell.
    if (const reader::SourceProblem problem = reader::CheckSourceFile(QFile::encodeName(file));
        problem != reader::SourceProblem::None) {
        result.outcome = ImportReading::Outcome::Refused;
        result.problem = reader::SourceProblemText(problem);
        return result;
    }
    QProcess process;
    process.setProgram(program);
#if defined(__SANITIZE_ADDRESS__)
    // The address-space limit cannot hold a sanitized reader; its allocator keeps the bound.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString options = environment.value(QStringLiteral("ASAN_OPTIONS"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       options + (options.isEmpty() ? QString() : QStringLiteral(":")) +
                           QStringLiteral("malloc_limit_mb=%1").arg(memoryLimit / (1024 * 1024)));
    process.setProcessEnvironment(environment);
#endif
    process.setArguments({QStringLiteral("--read-loan-estimate"), file});
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
    process.start();
    if (!process.waitForStarted(timeLimitMs)) {
        result.problem =
            Tr("The Loan Estimate reader could not be started (%1).").arg(process.errorString());
        return result;
    }
    if (!process.waitForFinished(timeLimitMs)) {
        process.kill();
        process.waitForFinished(1000);
        result.outcome = ImportReading::Outcome::TimedOut;
        result.problem = QCoreApplication::translate(
            "plumcrest::offers::EstimateImport",
            "Reading this file took longer than %n seconds and was stopped. The file may be "
            "damaged.",
            nullptr, timeLimitMs / 1000);
        return result;
    }
    if (process.exitStatus() == QProcess::CrashExit) {
        result.outcome = ImportReading::Outcome::Stopped;
        result.problem = Tr("This file could not be read: the reader stopped on it. The file may "
                            "be damaged.");
        return result;
    }
    const QByteArray output = process.readAllStandardOutput();
    if (process.exitCode() == 0) {
        result.read = reader::FromJson(output);
        if (result.read) {
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
        result.problem = Tr("This file could not be read: the reader stopped on it. The file may "
                            "be damaged.");
    }
    return result;
}

store::KeptOffer OfferOfReading(const reader::EstimateReading& reading) {
    store::KeptOffer offer;
    offer.name = QString::fromStdString(reading.lender.value.value_or(std::string()))
                     .simplified()
                     .left(kMaxOfferName);
    offer.estimate = reader::EstimateOfReading(reading);
    return offer;
}

void ShowReadingIn(OfferEditor& editor, const reader::ReadBack& read,
                   const LocaleSeparators& separators) {
    const reader::EstimateReading& r = read.reading;
    using Field = OfferEditor::Field;
    const auto tip = [&](Field field, const reader::Where& where) {
        editor.NumberField(field)->setToolTip(ReadOn(where));
    };
    // Each figure the form prints, by its key in the reading.
    for (const EstimateField& figure : kEstimateFields)
        if (*figure.json != '\0' && figure.kind != FigureKind::Choice)
            tip(figure.key, reader::WhereRead(r, figure.json));
    if (!r.projectedPayments.empty()) {
        tip("insurancePercent", r.projectedPayments.front().mortgageInsurance.where);
        tip("propertyTaxYearly", r.projectedPayments.front().escrow.where);
    }
    editor.NameField()->setToolTip(ReadOn(r.lender.where));
    editor.LoanTypeField()->setToolTip(ReadOn(r.loanType.where));
    // The editor holds the lines with an amount, in the order read.
    for (CostSection section : kCostSections) {
        int index = 0;
        for (const reader::SectionLine& line : r.Section(section).lines) {
            if (!line.amount || line.label.empty() || index >= editor.LineCount(section))
                continue;
            const OfferEditor::CostLine& shown = editor.Line(section, index++);
            shown.label->setToolTip(ReadOn(line.where));
            shown.amount->setToolTip(ReadOn(line.where));
        }
    }

    const auto money = [&](const std::optional<double>& value) {
        return value ? compare::FigureText(*value, MaskKind::Money, separators) : Tr("not found");
    };
    const auto percent = [&](const std::optional<double>& value) {
        return value
                   ? compare::FigureText(*value, MaskKind::Rate, separators) + QStringLiteral(" %")
                   : Tr("not found");
    };
    const auto text = [&](const std::optional<std::string>& value) {
        return value ? QString::fromStdString(*value) : Tr("not found");
    };
    const auto checkOf = [&](const char* name) -> const reader::Check* {
        for (const reader::Check& check : read.checks)
            if (check.name == name)
                return &check;
        return nullptr;
    };

    auto* box =
        new QGroupBox(Tr("Read from the Loan Estimate: check each figure against the form"));
    box->setObjectName(QStringLiteral("grpReading"));
    auto* grid = new QGridLayout(box);
    int row = 0;
    const auto add = [&](const QString& caption, const QString& value, const reader::Where& where,
                         const char* check, bool percentCheck) {
        auto* name = new QLabel(caption, box);
        // What the file says is shown as written: a form's text must never pass for markup
        // (headings, colours, a verdict of the program's own).
        auto* shown = new QLabel(value, box);
        shown->setTextFormat(Qt::PlainText);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        shown->setAccessibleName(caption);
        auto* source = new QLabel(WhereText(where), box);
        source->setTextFormat(Qt::PlainText);
        source->setStyleSheet(QStringLiteral("color: palette(mid);"));
        grid->addWidget(name, row, 0);
        grid->addWidget(shown, row, 1, Qt::AlignRight);
        grid->addWidget(source, row, 2);
        if (const reader::Check* found = check ? checkOf(check) : nullptr) {
            const QString expected =
                percentCheck ? percent(found->expected) : money(found->expected);
            auto* verdict = new QLabel(
                found->ok ? Tr("\u2713 agrees with %1 worked out").arg(expected)
                          : Tr("\u2717 worked out: %1. Ask the lender why.").arg(expected),
                box);
            verdict->setTextFormat(Qt::PlainText);
            verdict->setObjectName(QStringLiteral("lblCheck_%1").arg(QLatin1String(check)));
            verdict->setAccessibleName(Tr("Check of %1").arg(caption));
            // Dark red, as the editor's problems are; green-grey when it agrees.
            verdict->setStyleSheet(found->ok ? QStringLiteral("color: #1b6e3a;")
                                             : QStringLiteral("color: #b3261e;"));
            grid->addWidget(verdict, row, 3);
        }
        ++row;
    };
    add(Tr("Date issued"), text(r.dateIssued.value), r.dateIssued.where, nullptr, false);
    add(Tr("Purpose"), text(r.purpose.value), r.purpose.where, nullptr, false);
    add(Tr("Product"), text(r.product.value), r.product.where, nullptr, false);
    add(Tr("Monthly principal & interest"), money(r.monthlyPrincipalInterest.value),
        r.monthlyPrincipalInterest.where, "monthlyPrincipalInterest", false);
    for (const reader::ProjectedColumn& column : r.projectedPayments)
        add(Tr("Projected payment, years %1").arg(QString::fromStdString(column.years)),
            Tr("%1 + insurance %2 + escrow %3 = %4")
                .arg(money(column.principalInterest.value), money(column.mortgageInsurance.value),
                     money(column.escrow.value), money(column.total.value)),
            column.total.where, nullptr, false);
    add(Tr("D. Total loan costs"), money(r.totalLoanCosts.value), r.totalLoanCosts.where,
        "totalLoanCosts", false);
    add(Tr("I. Total other costs"), money(r.totalOtherCosts.value), r.totalOtherCosts.where,
        "totalOtherCosts", false);
    add(Tr("J. Total closing costs"), money(r.totalClosingCosts.value), r.totalClosingCosts.where,
        "totalClosingCosts", false);
    add(Tr("Cash to close"), money(r.cashToClose.value), r.cashToClose.where, nullptr, false);
    add(Tr("In 5 Years, total paid"), money(r.in5YearsTotalPaid.value), r.in5YearsTotalPaid.where,
        "in5YearsTotalPaid", false);
    add(Tr("In 5 Years, principal paid off"), money(r.in5YearsPrincipal.value),
        r.in5YearsPrincipal.where, "in5YearsPrincipal", false);
    add(Tr("APR"), percent(r.apr.value), r.apr.where, "apr", true);
    add(Tr("TIP"), percent(r.tip.value), r.tip.where, "tip", true);
    grid->setColumnStretch(3, 1);
    editor.AddNotes(box);
    editor.SetHelpContext(help::kImportContext);
}

} // namespace plumcrest::offers
