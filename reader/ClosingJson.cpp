#include "ClosingJson.h"

#include "JsonValues.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace plumcrest::reader {

namespace {

using json::Number;
using json::Source;
using json::SourceOf;
using json::Value;

template <typename T> void ReadValue(std::optional<T>& out, const QJsonValue& value) {
    if constexpr (std::is_same_v<T, std::string>)
        out = value.isString() ? std::optional<std::string>(value.toString().toStdString())
                               : std::nullopt;
    else if constexpr (std::is_same_v<T, int>)
        out = value.isDouble() ? std::optional<int>(value.toInt()) : std::nullopt;
    else if constexpr (std::is_same_v<T, bool>)
        out = value.isBool() ? std::optional<bool>(value.toBool()) : std::nullopt;
    else
        out = Number(value);
}

// The scalar figures by their keys, read and written through the same list.
template <typename Visit> void EachFigure(ClosingReading& r, Visit&& visit) {
    visit("lender", r.lender);
    visit("dateIssued", r.dateIssued);
    visit("closingDate", r.closingDate);
    visit("disbursementDate", r.disbursementDate);
    visit("salePrice", r.salePrice);
    visit("appraisedPropertyValue", r.appraisedPropertyValue);
    visit("loanTermYears", r.loanTermYears);
    visit("purpose", r.purpose);
    visit("product", r.product);
    visit("loanType", r.loanType);
    visit("loanAmount", r.loanAmount);
    visit("interestRate", r.interestRate);
    visit("monthlyPrincipalInterest", r.monthlyPrincipalInterest);
    visit("prepaymentPenalty", r.prepaymentPenalty);
    visit("balloonPayment", r.balloonPayment);
    visit("lenderCredits", r.lenderCredits);
    visit("cureGiven", r.cureGiven);
    visit("closingCosts", r.closingCosts);
    visit("cashToClose", r.cashToClose);
    visit("cashToCloseFromBorrower", r.cashToCloseFromBorrower);
    visit("closingCostsFinanced", r.closingCostsFinanced);
    visit("dueFromBorrower", r.dueFromBorrower);
    visit("paidAlreadyByBorrower", r.paidAlreadyByBorrower);
    visit("dueToSeller", r.dueToSeller);
    visit("dueFromSeller", r.dueFromSeller);
    visit("totalPayoffsAndPayments", r.totalPayoffsAndPayments);
}

template <typename Visit> void EachCalculation(LoanCalculations& c, Visit&& visit) {
    visit("totalOfPayments", c.totalOfPayments);
    visit("financeCharge", c.financeCharge);
    visit("amountFinanced", c.amountFinanced);
    visit("apr", c.apr);
    visit("tip", c.tip);
}

struct ProjectedKey {
    const char* key;
    Figure<double> ProjectedColumn::*figure;
};
constexpr ProjectedKey kProjected[] = {
    {"principalInterest", &ProjectedColumn::principalInterest},
    {"mortgageInsurance", &ProjectedColumn::mortgageInsurance},
    {"escrow", &ProjectedColumn::escrow},
    {"total", &ProjectedColumn::total},
};

struct ColumnKey {
    const char* key;
    std::optional<double> ClosingLine::*amount;
};
constexpr ColumnKey kColumns[] = {
    {"borrowerAtClosing", &ClosingLine::borrowerAtClosing},
    {"borrowerBeforeClosing", &ClosingLine::borrowerBeforeClosing},
    {"sellerAtClosing", &ClosingLine::sellerAtClosing},
    {"sellerBeforeClosing", &ClosingLine::sellerBeforeClosing},
    {"paidByOthers", &ClosingLine::paidByOthers},
};

QString Letter(char letter) {
    return QString(QLatin1Char(letter));
}

QString LetterOf(CostSection section) {
    return QString::fromLatin1(SectionLetter(section).data(),
                               static_cast<qsizetype>(SectionLetter(section).size()));
}

} // namespace

QByteArray ClosingToJson(const ClosingReading& reading) {
    ClosingReading copy = reading;
    QJsonObject object;
    QJsonObject sources;
    object.insert(QStringLiteral("form"), QStringLiteral("closingDisclosure"));
    object.insert(QStringLiteral("language"), QString::fromStdString(reading.language));
    object.insert(QStringLiteral("partial"), !reading.missingPages.empty());
    QJsonArray missing;
    for (int page : reading.missingPages)
        missing.append(page);
    object.insert(QStringLiteral("missingPages"), missing);
    EachFigure(copy, [&](const char* key, const auto& figure) {
        object.insert(QLatin1String(key), Value(figure.value));
        sources.insert(QLatin1String(key), Source(figure.where));
    });
    QJsonArray projected;
    for (const ProjectedColumn& column : reading.projectedPayments) {
        QJsonObject entry{{QStringLiteral("years"), QString::fromStdString(column.years)}};
        for (const ProjectedKey& key : kProjected)
            entry.insert(QLatin1String(key.key), Value((column.*key.figure).value));
        projected.append(entry);
    }
    object.insert(QStringLiteral("projectedPayments"), projected);
    QJsonObject totals;
    QJsonObject totalSources;
    for (std::size_t t = 0; t < kClosingTotals.size(); ++t) {
        totals.insert(Letter(kClosingTotals[t]), Value(reading.borrowerPaidTotals[t].value));
        totalSources.insert(Letter(kClosingTotals[t]), Source(reading.borrowerPaidTotals[t].where));
    }
    object.insert(QStringLiteral("borrowerPaidTotals"), totals);
    sources.insert(QStringLiteral("borrowerPaidTotals"), totalSources);
    QJsonObject sections;
    QJsonObject sectionSources;
    for (CostSection section : kCostSections) {
        QJsonArray lines;
        QJsonArray lineSources;
        for (const ClosingLine& line : reading.Section(section)) {
            QJsonObject entry{{QStringLiteral("number"), QString::fromStdString(line.number)},
                              {QStringLiteral("label"), QString::fromStdString(line.label)},
                              {QStringLiteral("payee"), QString::fromStdString(line.payee)}};
            for (const ColumnKey& column : kColumns)
                entry.insert(QLatin1String(column.key), Value(line.*column.amount));
            lines.append(entry);
            lineSources.append(Source(line.where));
        }
        sections.insert(LetterOf(section), lines);
        sectionSources.insert(LetterOf(section), lineSources);
    }
    object.insert(QStringLiteral("sections"), sections);
    sources.insert(QStringLiteral("sections"), sectionSources);
    QJsonArray cash;
    QJsonArray cashSources;
    for (const CashToCloseRow& row : reading.calculatingCashToClose) {
        cash.append(QJsonObject{{QStringLiteral("key"), QString::fromStdString(row.key)},
                                {QStringLiteral("label"), QString::fromStdString(row.label)},
                                {QStringLiteral("loanEstimate"), Value(row.loanEstimate)},
                                {QStringLiteral("final"), Value(row.final)},
                                {QStringLiteral("changed"), Value(row.changed)}});
        cashSources.append(Source(row.where));
    }
    object.insert(QStringLiteral("calculatingCashToClose"), cash);
    sources.insert(QStringLiteral("calculatingCashToClose"), cashSources);
    QJsonObject calculations;
    QJsonObject calculationSources;
    EachCalculation(copy.loanCalculations, [&](const char* key, const auto& figure) {
        calculations.insert(QLatin1String(key), Value(figure.value));
        calculationSources.insert(QLatin1String(key), Source(figure.where));
    });
    object.insert(QStringLiteral("loanCalculations"), calculations);
    sources.insert(QStringLiteral("loanCalculations"), calculationSources);
    object.insert(QStringLiteral("sources"), sources);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<ClosingReading> ClosingFromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("form")).toString() != QStringLiteral("closingDisclosure"))
        return std::nullopt;
    const QJsonObject sources = object.value(QStringLiteral("sources")).toObject();
    ClosingReading reading;
    reading.language =
        object.value(QStringLiteral("language")).toString(QStringLiteral("en")).toStdString();
    for (const QJsonValue& page : object.value(QStringLiteral("missingPages")).toArray())
        reading.missingPages.push_back(page.toInt());
    EachFigure(reading, [&](const char* key, auto& figure) {
        ReadValue(figure.value, object.value(QLatin1String(key)));
        figure.where = SourceOf(sources.value(QLatin1String(key)));
    });
    for (const QJsonValue& value : object.value(QStringLiteral("projectedPayments")).toArray()) {
        const QJsonObject entry = value.toObject();
        ProjectedColumn column;
        column.years = entry.value(QStringLiteral("years")).toString().toStdString();
        for (const ProjectedKey& key : kProjected)
            (column.*key.figure).value = Number(entry.value(QLatin1String(key.key)));
        reading.projectedPayments.push_back(column);
    }
    const QJsonObject totals = object.value(QStringLiteral("borrowerPaidTotals")).toObject();
    const QJsonObject totalSources = sources.value(QStringLiteral("borrowerPaidTotals")).toObject();
    for (std::size_t t = 0; t < kClosingTotals.size(); ++t)
        reading.borrowerPaidTotals[t] = {Number(totals.value(Letter(kClosingTotals[t]))),
                                         SourceOf(totalSources.value(Letter(kClosingTotals[t])))};
    const QJsonObject sections = object.value(QStringLiteral("sections")).toObject();
    const QJsonObject sectionSources = sources.value(QStringLiteral("sections")).toObject();
    for (CostSection section : kCostSections) {
        const QJsonArray lines = sections.value(LetterOf(section)).toArray();
        const QJsonArray lineSources = sectionSources.value(LetterOf(section)).toArray();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QJsonObject entry = lines.at(i).toObject();
            ClosingLine line;
            line.number = entry.value(QStringLiteral("number")).toString().toStdString();
            line.label = entry.value(QStringLiteral("label")).toString().toStdString();
            line.payee = entry.value(QStringLiteral("payee")).toString().toStdString();
            for (const ColumnKey& column : kColumns)
                line.*column.amount = Number(entry.value(QLatin1String(column.key)));
            line.where = SourceOf(lineSources.at(i));
            reading.Section(section).push_back(std::move(line));
        }
    }
    const QJsonArray cash = object.value(QStringLiteral("calculatingCashToClose")).toArray();
    const QJsonArray cashSources =
        sources.value(QStringLiteral("calculatingCashToClose")).toArray();
    for (qsizetype i = 0; i < cash.size(); ++i) {
        const QJsonObject entry = cash.at(i).toObject();
        CashToCloseRow row;
        row.key = entry.value(QStringLiteral("key")).toString().toStdString();
        row.label = entry.value(QStringLiteral("label")).toString().toStdString();
        row.loanEstimate = Number(entry.value(QStringLiteral("loanEstimate")));
        row.final = Number(entry.value(QStringLiteral("final")));
        ReadValue(row.changed, entry.value(QStringLiteral("changed")));
        row.where = SourceOf(cashSources.at(i));
        reading.calculatingCashToClose.push_back(std::move(row));
    }
    const QJsonObject calculations = object.value(QStringLiteral("loanCalculations")).toObject();
    const QJsonObject calculationSources =
        sources.value(QStringLiteral("loanCalculations")).toObject();
    EachCalculation(reading.loanCalculations, [&](const char* key, auto& figure) {
        ReadValue(figure.value, calculations.value(QLatin1String(key)));
        figure.where = SourceOf(calculationSources.value(QLatin1String(key)));
    });
    return reading;
}

} // namespace plumcrest::reader
