#pragma once
// The check of a Closing Disclosure in plain words, for the buyer: first what needs action (each
// with its dollar amount, the rule and what to ask the lender), then what changed within the
// rules, then what did not change; and the one-page "Questions for your lender". Texts through
// the translator, context "plumcrest::closing::CheckReport"; no widgets.

#include "ClosingCheck.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

class QPagedPaintDevice;

namespace plumcrest::closing {

struct ReportItem {
    QString what;     // one sentence: what happened, with the amounts
    QString rule;     // "12 CFR 1026.19(e)(3)(i)", empty when none
    QString question; // what to ask the lender; empty for what needs no action
};

struct CheckReport {
    QString title; // "Ficus Bank, Closing Disclosure issued 4/15/2013"
    std::vector<ReportItem> action;
    std::vector<ReportItem> changed;
    std::vector<ReportItem> unchanged;
};

// Money as the report shows it: "$1,234.56", in the C locale's digits (the forms' own).
QString MoneyText(Cents cents);

CheckReport ReportOf(const ClosingCheck& check, const reader::ClosingReading& closing);

// The report as rich text for the window.
QString ReportHtml(const CheckReport& report);

// "Questions for your lender" on one page, dated `today`: the questions of what needs action, or
// a line saying there is none. False when the device could not be painted on.
bool PrintQuestions(const CheckReport& report, const QDate& today, QPagedPaintDevice& device);

} // namespace plumcrest::closing
