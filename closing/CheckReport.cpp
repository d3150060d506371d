#include "CheckReport.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <cmath>

namespace plumcrest::closing {

namespace {

QString Rule(const char* paragraph) {
    return QCoreApplication::translate("plumcrest::closing::CheckReport", "12 CFR %1")
        .arg(QString::fromLatin1(paragraph));
}

QString Label(const LinePair& pair) {
    return QString::fromStdString(pair.label);
}

QString CalculationName(const std::string& name) {
    if (name == "totalOfPayments")
        return QCoreApplication::translate("plumcrest::closing::CheckReport", "Total of Payments");
    if (name == "financeCharge")
        return QCoreApplication::translate("plumcrest::closing::CheckReport", "Finance Charge");
    if (name == "amountFinanced")
        return QCoreApplication::translate("plumcrest::closing::CheckReport", "Amount Financed");
    if (name == "apr")
        return QCoreApplication::translate("plumcrest::closing::CheckReport",
                                           "Annual Percentage Rate (APR)");
    return QCoreApplication::translate("plumcrest::closing::CheckReport",
                                       "Total Interest Percentage (TIP)");
}

QString DayText(const std::optional<Day>& day) {
    if (!day)
        return QCoreApplication::translate("plumcrest::closing::CheckReport", "an unknown day");
    int year = 0;
    unsigned month = 0;
    unsigned date = 0;
    CivilOf(*day, year, month, date);
    return QStringLiteral("%1/%2/%3").arg(month).arg(date).arg(year);
}

} // namespace

QString MoneyText(Cents cents) {
    const bool negative = cents < 0;
    const Cents magnitude = negative ? -cents : cents;
    QString digits = QString::number(magnitude / 100);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return (negative ? QStringLiteral("-$") : QStringLiteral("$")) + digits +
           QStringLiteral(".%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

CheckReport ReportOf(const ClosingCheck& check, const reader::ClosingReading& closing) {
    CheckReport report;
    report.title = QCoreApplication::translate("plumcrest::closing::CheckReport",
                                               "%1, Closing Disclosure issued %2")
                       .arg(QString::fromStdString(closing.lender.value.value_or("")),
                            DayText(check.timing.issued));

    // What needs action: the refund still owed, line by line.
    for (const LinePair& pair : check.lines) {
        if (pair.category != Tolerance::Zero || pair.Change() <= 0)
            continue;
        const bool credits = pair.closing && pair.closing->section == "J";
        ReportItem item;
        item.rule = Rule(pair.paragraph);
        if (credits) {
            item.what = QCoreApplication::translate(
                            "plumcrest::closing::CheckReport",
                            "Lender credits fell from %1 to %2: %3 less than the Loan Estimate "
                            "promised, and they may not fall.")
                            .arg(MoneyText(-pair.loanEstimate), MoneyText(-pair.closingDisclosure),
                                 MoneyText(pair.Change()));
        } else if (!pair.estimate) {
            item.what = QCoreApplication::translate(
                            "plumcrest::closing::CheckReport",
                            "%1 (%2) is new: it was not on the Loan Estimate, and a charge of its "
                            "kind may not rise at all.")
                            .arg(Label(pair), MoneyText(pair.closingDisclosure));
        } else {
            item.what =
                QCoreApplication::translate("plumcrest::closing::CheckReport",
                                            "%1 rose from %2 to %3, by %4; it may not rise at all.")
                    .arg(Label(pair), MoneyText(pair.loanEstimate),
                         MoneyText(pair.closingDisclosure), MoneyText(pair.Change()));
        }
        item.question = QCoreApplication::translate(
                            "plumcrest::closing::CheckReport",
                            "Please refund the %1 by which \"%2\" exceeds the Loan Estimate, as "
                            "12 CFR 1026.19(f)(2)(v) requires within 60 days of closing.")
                            .arg(MoneyText(pair.Change()), Label(pair));
        report.action.push_back(item);
    }
    const TenPercentGroup& group = check.tenPercentGroup;
    if (group.excess > 0)
        report.action.push_back(
            {QCoreApplication::translate(
                 "plumcrest::closing::CheckReport",
                 "Recording fees and the services you took from the lender's list came to %1, "
                 "above the limit of %2 (110 % of the Loan Estimate's %3) by %4.")
                 .arg(MoneyText(group.closingDisclosure), MoneyText(group.limit),
                      MoneyText(group.loanEstimate), MoneyText(group.excess)),
             Rule("1026.19(e)(3)(ii)"),
             QCoreApplication::translate(
                 "plumcrest::closing::CheckReport",
                 "Please refund the %1 by which the charges limited to a 10 % increase exceed "
                 "that limit.")
                 .arg(MoneyText(group.excess))});
    if (check.linesRead && check.cureOwed > 0) {
        ReportItem item{QCoreApplication::translate(
                            "plumcrest::closing::CheckReport",
                            "In all the lender owes you %1 back; the Closing Disclosure gives %2 "
                            "as a credit for costs above the legal limit, leaving %3.")
                            .arg(MoneyText(check.cureOwed), MoneyText(check.cureGiven.value_or(0)),
                                 MoneyText(check.cureStillOwed)),
                        Rule("1026.19(f)(2)(v)"), QString()};
        if (check.cureStillOwed > 0)
            item.question = QCoreApplication::translate(
                                "plumcrest::closing::CheckReport",
                                "Please confirm in writing how and when the %1 still owed will "
                                "be refunded.")
                                .arg(MoneyText(check.cureStillOwed));
        (check.cureStillOwed > 0 ? report.action : report.changed).push_back(item);
    } else if (!check.linesRead && check.cureGiven && *check.cureGiven > 0) {
        report.changed.push_back(
            {QCoreApplication::translate(
                 "plumcrest::closing::CheckReport",
                 "The Closing Disclosure gives %1 as a credit for costs above the legal limit; "
                 "its cost lines are not in this file, so what is owed could not be worked out.")
                 .arg(MoneyText(*check.cureGiven)),
             Rule("1026.19(f)(2)(v)"), QString()});
    }
    for (const CalculationCheck& calculation : check.loanCalculations) {
        if (!calculation.ok || *calculation.ok)
            continue;
        const bool rate = calculation.name == "apr" || calculation.name == "tip";
        const QString printed = rate ? QStringLiteral("%1 %").arg(*calculation.printed, 0, 'f', 3)
                                     : MoneyText(ToCents(*calculation.printed));
        const QString computed = rate ? QStringLiteral("%1 %").arg(*calculation.computed, 0, 'f', 3)
                                      : MoneyText(ToCents(*calculation.computed));
        report.action.push_back(
            {QCoreApplication::translate(
                 "plumcrest::closing::CheckReport",
                 "%1: the form prints %2; worked out from its own lines and payments it is %3.")
                 .arg(CalculationName(calculation.name), printed, computed),
             Rule(calculation.paragraph),
             QCoreApplication::translate("plumcrest::closing::CheckReport",
                                         "Please explain how the %1 of %2 was figured.")
                 .arg(CalculationName(calculation.name), printed)});
    }
    for (WaitReason reason : check.waitReasons) {
        ReportItem item;
        item.rule = Rule("1026.19(f)(2)(ii)");
        if (reason == WaitReason::AprRose)
            item.what = QCoreApplication::translate(
                            "plumcrest::closing::CheckReport",
                            "The APR rose by %1 points, beyond the tolerance of %2: a corrected "
                            "Closing Disclosure is due, and closing must wait three business days "
                            "after you receive it.")
                            .arg(*check.aprChange, 0, 'f', 3)
                            .arg(check.aprTolerance, 0, 'f', 3);
        else if (reason == WaitReason::ProductChanged)
            item.what = QCoreApplication::translate(
                "plumcrest::closing::CheckReport",
                "The loan product changed from the Loan Estimate's: a corrected Closing "
                "Disclosure is due, and closing must wait three business days after "
                "you receive it.");
        else
            item.what = QCoreApplication::translate(
                "plumcrest::closing::CheckReport",
                "A prepayment penalty was added: a corrected Closing Disclosure is "
                "due, and closing must wait three business days after you receive "
                "it.");
        item.question = QCoreApplication::translate(
            "plumcrest::closing::CheckReport",
            "Please send the corrected Closing Disclosure and set the closing no "
            "earlier than three business days after I receive it.");
        report.action.push_back(item);
    }
    const Timing& timing = check.timing;
    // Named apart: lupdate stops parsing at a call's parentheses inside the count argument.
    const int daysBefore = timing.businessDaysBeforeClosing.value_or(0);
    if (timing.receivedInTime && !*timing.receivedInTime)
        report.action.push_back(
            {QCoreApplication::translate(
                 "plumcrest::closing::CheckReport",
                 "You received the Closing Disclosure on %1, %n business day(s) before closing on "
                 "%2; it must come at least three business days before. The earliest day to close "
                 "is %3.",
                 nullptr, daysBefore)
                 .arg(DayText(timing.received), DayText(timing.closing),
                      DayText(timing.earliestClosing)),
             Rule("1026.19(f)(1)(ii)"),
             QCoreApplication::translate("plumcrest::closing::CheckReport",
                                         "Please move the closing to %1 or later.")
                 .arg(DayText(timing.earliestClosing))});
    else if (timing.receivedInTime)
        report.unchanged.push_back(
            {QCoreApplication::translate(
                 "plumcrest::closing::CheckReport",
                 "You received the Closing Disclosure on %1, %n business day(s) before closing on "
                 "%2: in time.",
                 nullptr, daysBefore)
                 .arg(DayText(timing.received), DayText(timing.closing)),
             Rule("1026.19(f)(1)(ii)"), QString()});

    // What changed within the rules.
    for (const LinePair& pair : check.lines) {
        if (pair.Change() == 0 || (pair.category == Tolerance::Zero && pair.Change() > 0))
            continue;
        QString what;
        if (!pair.closing)
            what = QCoreApplication::translate("plumcrest::closing::CheckReport",
                                               "%1 (%2 on the Loan Estimate) is no longer charged.")
                       .arg(Label(pair), MoneyText(pair.loanEstimate));
        else if (!pair.estimate)
            what = QCoreApplication::translate("plumcrest::closing::CheckReport", "%1 (%2) is new.")
                       .arg(Label(pair), MoneyText(pair.closingDisclosure));
        else
            what = QCoreApplication::translate("plumcrest::closing::CheckReport",
                                               "%1 went from %2 to %3.")
                       .arg(Label(pair), MoneyText(pair.loanEstimate),
                            MoneyText(pair.closingDisclosure));
        const QString limit =
            pair.category == Tolerance::TenPercent
                ? QCoreApplication::translate("plumcrest::closing::CheckReport",
                                              "Within the 10 % group's limit.")
            : pair.category == Tolerance::Zero
                ? QCoreApplication::translate("plumcrest::closing::CheckReport", "A decrease.")
                : QCoreApplication::translate("plumcrest::closing::CheckReport",
                                              "No limit applies.");
        report.changed.push_back(
            {what + QLatin1Char(' ') + limit + QLatin1Char(' ') +
                 QCoreApplication::translate("plumcrest::closing::ClosingCheck", pair.reason) +
                 QLatin1Char('.'),
             Rule(pair.paragraph), QString()});
    }
    if (check.aprChange && std::find(check.waitReasons.begin(), check.waitReasons.end(),
                                     WaitReason::AprRose) == check.waitReasons.end())
        (std::fabs(*check.aprChange) < 0.0005 ? report.unchanged : report.changed)
            .push_back(
                {QCoreApplication::translate(
                     "plumcrest::closing::CheckReport",
                     "The APR changed by %1 points, within its tolerance of %2 (a fall never "
                     "needs a new wait).")
                     .arg(*check.aprChange, 0, 'f', 3)
                     .arg(check.aprTolerance, 0, 'f', 3),
                 Rule("1026.19(f)(2)(ii)"), QString()});

    // What did not change.
    QStringList same;
    for (const LinePair& pair : check.lines)
        if (pair.Change() == 0 && pair.estimate && pair.closing && !(pair.closing->section == "J"))
            same << Label(pair);
    if (!same.isEmpty())
        report.unchanged.push_back(
            {QCoreApplication::translate("plumcrest::closing::CheckReport",
                                         "%n cost(s) did not change: %1.", nullptr,
                                         static_cast<int>(same.size()))
                 .arg(same.join(QStringLiteral(", "))),
             QString(), QString()});
    for (const CalculationCheck& calculation : check.loanCalculations)
        if (calculation.ok && *calculation.ok)
            report.unchanged.push_back(
                {QCoreApplication::translate("plumcrest::closing::CheckReport",
                                             "%1 agrees with the one worked out from the form.")
                     .arg(CalculationName(calculation.name)),
                 Rule(calculation.paragraph), QString()});
    return report;
}

QString ReportHtml(const CheckReport& report) {
    const auto list = [](const QString& heading, const std::vector<ReportItem>& items,
                         const QString& none) {
        QString html = QStringLiteral("<h3>%1</h3>").arg(heading.toHtmlEscaped());
        if (items.empty())
            return html + QStringLiteral("<p>%1</p>").arg(none.toHtmlEscaped());
        html += QStringLiteral("<ul>");
        for (const ReportItem& item : items) {
            html += QStringLiteral("<li>") + item.what.toHtmlEscaped();
            if (!item.rule.isEmpty())
                html += QStringLiteral(" <i>(%1)</i>").arg(item.rule.toHtmlEscaped());
            if (!item.question.isEmpty())
                html +=
                    QStringLiteral("<br><b>%1</b> %2")
                        .arg(QCoreApplication::translate("plumcrest::closing::CheckReport", "Ask:")
                                 .toHtmlEscaped(),
                             item.question.toHtmlEscaped());
            html += QStringLiteral("</li>");
        }
        return html + QStringLiteral("</ul>");
    };
    return QStringLiteral("<h2>%1</h2>").arg(report.title.toHtmlEscaped()) +
           list(QCoreApplication::translate("plumcrest::closing::CheckReport", "Needs action"),
                report.action,
                QCoreApplication::translate("plumcrest::closing::CheckReport",
                                            "Nothing needs action.")) +
           list(QCoreApplication::translate("plumcrest::closing::CheckReport",
                                            "Changed within the rules"),
                report.changed,
                QCoreApplication::translate("plumcrest::closing::CheckReport",
                                            "Nothing else changed.")) +
           list(QCoreApplication::translate("plumcrest::closing::CheckReport", "Did not change"),
                report.unchanged,
                QCoreApplication::translate("plumcrest::closing::CheckReport",
                                            "Everything changed."));
}

bool PrintQuestions(const CheckReport& report, const QDate& today, QPagedPaintDevice& device) {
    QString html =
        QStringLiteral("<h1>%1</h1><p>%2<br>%3</p>")
            .arg(QCoreApplication::translate("plumcrest::closing::CheckReport",
                                             "Questions for your lender")
                     .toHtmlEscaped(),
                 report.title.toHtmlEscaped(),
                 QCoreApplication::translate("plumcrest::closing::CheckReport", "Prepared on %1")
                     .arg(today.toString(Qt::ISODate))
                     .toHtmlEscaped());
    QStringList questions;
    for (const ReportItem& item : report.action)
        if (!item.question.isEmpty())
            questions << QStringLiteral("<li><p>%1 <i>(%2)</i><br><b>%3</b></p></li>")
                             .arg(item.what.toHtmlEscaped(), item.rule.toHtmlEscaped(),
                                  item.question.toHtmlEscaped());
    if (questions.isEmpty())
        html += QStringLiteral("<p>%1</p>")
                    .arg(QCoreApplication::translate(
                             "plumcrest::closing::CheckReport",
                             "The check found nothing to ask: every cost is within its limit, the "
                             "loan calculations agree and the form came in time.")
                             .toHtmlEscaped());
    else
        html += QStringLiteral("<ol>") + questions.join(QString()) + QStringLiteral("</ol>");
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    document.setHtml(html);
    const QRectF page(0, 0, device.width(), device.height());
    document.setTextWidth(page.width());
    // One page: a long list is set smaller until it fits.
    for (int size = 10; size > 5 && document.size().height() > page.height(); --size) {
        document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), size));
        document.setHtml(html);
        document.setTextWidth(page.width());
    }
    const double scale = std::min(1.0, page.height() / std::max(1.0, document.size().height()));
    painter.scale(scale, scale);
    document.drawContents(&painter, QRectF(0, 0, page.width() / scale, page.height() / scale));
    return painter.end();
}

} // namespace plumcrest::closing
