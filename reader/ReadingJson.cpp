#include "ReadingJson.h"

#include "EstimateFields.h"
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

std::optional<std::string> Text(const QJsonValue& value) {
    return value.isString() ? std::optional<std::string>(value.toString().toStdString())
                            : std::nullopt;
}

// The scalar figures by their keys, read and written through the same list.
// The JSON key of a figure the one description of a Loan Estimate names; a key it lacks stops
// the build.
constexpr const char* Json(std::string_view key) {
    for (const EstimateField& field : kEstimateFields)
        if (field.key == key && *field.json != '\0')
            return field.json;
    for (const FormOnlyLabel& label : kFormOnlyLabels)
        if (label.key == key)
            return label.json;
    throw "no such figure";
}

// The scalar figures by their keys, read and written through the same list.
template <typename Visit> void EachFigure(EstimateReading& r, Visit&& visit) {
    static constexpr const char* kLender = Json("lender");
    static constexpr const char* kDateIssued = Json("dateIssued");
    static constexpr const char* kSalePrice = Json("price");
    static constexpr const char* kPropertyValue = Json("propertyValue");
    static constexpr const char* kTerm = Json("months");
    static constexpr const char* kPurpose = Json("purpose");
    static constexpr const char* kProduct = Json("product");
    static constexpr const char* kLoanType = Json("loanType");
    static constexpr const char* kLoanAmount = Json("loanAmount");
    static constexpr const char* kRate = Json("noteRate");
    static constexpr const char* kPayment = Json("monthlyPrincipalInterest");
    static constexpr const char* kCredits = Json("lenderCredits");
    static constexpr const char* kCashToClose = Json("cashToClose");
    static constexpr const char* kInFiveTotal = Json("disclosedInFiveTotal");
    static constexpr const char* kInFivePrincipal = Json("disclosedInFivePrincipal");
    static constexpr const char* kApr = Json("disclosedApr");
    static constexpr const char* kTip = Json("disclosedTip");
    static constexpr const char* kBalloon = Json("balloonPayment");
    static constexpr const char* kPrepaymentPenalty = Json("prepaymentPenalty");
    static constexpr const char* kRateLocked = Json("rateLock");
    static constexpr const char* kRateLockUntil = Json("rateLockUntil");
    static constexpr const char* kCostsExpire = Json("closingCostsExpire");
    visit(kLender, r.lender);
    visit(kDateIssued, r.dateIssued);
    visit(kSalePrice, r.salePrice);
    visit(kPropertyValue, r.propertyValue);
    visit(kTerm, r.loanTermYears);
    visit(kPurpose, r.purpose);
    visit(kProduct, r.product);
    visit(kLoanType, r.loanType);
    visit(kLoanAmount, r.loanAmount);
    visit(kRate, r.interestRate);
    visit(kPayment, r.monthlyPrincipalInterest);
    visit(kCredits, r.lenderCredits);
    visit("totalLoanCosts", r.totalLoanCosts);
    visit("totalOtherCosts", r.totalOtherCosts);
    visit("totalClosingCosts", r.totalClosingCosts);
    visit(kCashToClose, r.cashToClose);
    visit(kInFiveTotal, r.in5YearsTotalPaid);
    visit(kInFivePrincipal, r.in5YearsPrincipal);
    visit(kApr, r.apr);
    visit(kTip, r.tip);
    visit(kBalloon, r.balloonPayment);
    visit(kPrepaymentPenalty, r.prepaymentPenalty);
    visit(kRateLocked, r.rateLocked);
    visit("cashToCloseToBorrower", r.cashToCloseToBorrower);
    visit(kRateLockUntil, r.rateLockUntil);
    visit(kCostsExpire, r.closingCostsExpire);
}

// The Adjustable Interest Rate table's figures, under "rateTable".
template <typename Visit> void EachRateFigure(RateTable& t, Visit&& visit) {
    visit("index", t.index);
    visit("margin", t.margin);
    visit("initialRate", t.initialRate);
    visit("minimumRate", t.minimumRate);
    visit("maximumRate", t.maximumRate);
    visit("firstChangeMonth", t.firstChangeMonth);
    visit("laterChangeMonths", t.laterChangeMonths);
    visit("firstChangeCap", t.firstChangeCap);
    visit("laterChangeCap", t.laterChangeCap);
}

// The Adjustable Payment table's figures, under "paymentTable".
template <typename Visit> void EachPaymentFigure(PaymentTable& t, Visit&& visit) {
    visit("interestOnlyPayments", t.interestOnlyPayments);
    visit("optionalPayments", t.optionalPayments);
    visit("stepPayments", t.stepPayments);
    visit("seasonalPayments", t.seasonalPayments);
    visit("firstChangeMinimum", t.firstChangeMinimum);
    visit("firstChangeMaximum", t.firstChangeMaximum);
    visit("firstChangePayment", t.firstChangePayment);
    visit("laterChanges", t.laterChanges);
    visit("maximumPayment", t.maximumPayment);
    visit("maximumPaymentFrom", t.maximumPaymentFrom);
}

// The Calculating Cash to Close table's lines as printed, under "cashToCloseTable".
template <typename Visit> void EachCashFigure(CashToCloseTable& t, Visit&& visit) {
    visit("totalClosingCosts", t.totalClosingCosts);
    visit("closingCostsFinanced", t.closingCostsFinanced);
    visit("downPaymentFunds", t.downPaymentFunds);
    visit("deposit", t.deposit);
    visit("fundsForBorrower", t.fundsForBorrower);
    visit("sellerCredits", t.sellerCredits);
    visit("adjustmentsCredits", t.adjustmentsCredits);
    visit("loanAmount", t.loanAmount);
    visit("payoffs", t.payoffs);
    visit("cashToClose", t.cashToClose);
    visit("toBorrower", t.toBorrower);
}

// A figure of the Projected Payments: a number, or {min, max} for a range.
QJsonValue RangeValue(const std::optional<double>& value, const std::optional<double>& maximum) {
    if (value && maximum)
        return QJsonObject{{QStringLiteral("min"), *value}, {QStringLiteral("max"), *maximum}};
    return Value(value);
}

template <typename T> void ReadFigure(Figure<T>& figure, const QJsonValue& value) {
    if constexpr (std::is_same_v<T, std::string>)
        figure.value = Text(value);
    else if constexpr (std::is_same_v<T, int>)
        figure.value = value.isDouble() ? std::optional<int>(value.toInt()) : std::nullopt;
    else if constexpr (std::is_same_v<T, bool>)
        figure.value = value.isBool() ? std::optional<bool>(value.toBool()) : std::nullopt;
    else
        figure.value = Number(value);
}

struct ProjectedKey {
    const char* key;
    Figure<double> ProjectedColumn::*figure;
    std::optional<double> ProjectedColumn::*maximum;
};
constexpr std::array<ProjectedKey, 4> kProjected{{
    {"principalInterest", &ProjectedColumn::principalInterest,
     &ProjectedColumn::principalInterestMaximum},
    {"mortgageInsurance", &ProjectedColumn::mortgageInsurance, nullptr},
    {"escrow", &ProjectedColumn::escrow, nullptr},
    {"total", &ProjectedColumn::total, &ProjectedColumn::totalMaximum},
}};

QString LetterOf(CostSection section) {
    return QString::fromUtf8(SectionLetter(section).data(),
                             static_cast<qsizetype>(SectionLetter(section).size()));
}

} // namespace

Where WhereRead(const EstimateReading& reading, std::string_view key) {
    EstimateReading copy = reading;
    Where where;
    EachFigure(copy, [&](const char* each, const auto& figure) {
        if (key == each)
            where = figure.where;
    });
    if (key == "salePrice" && where.page == 0)
        where = reading.propertyValue.where;
    return where;
}

QByteArray ToJson(const EstimateReading& reading, const std::vector<Check>& checks) {
    EstimateReading copy = reading;
    QJsonObject object;
    QJsonObject sources;
    object.insert(QStringLiteral("language"), QString::fromStdString(reading.language));
    object.insert(QStringLiteral("partial"), !reading.missingPages.empty());
    QJsonArray missing;
    for (int page : reading.missingPages)
        missing.append(page);
    object.insert(QStringLiteral("missingPages"), missing);
    object.insert(QStringLiteral("interestOnly"), reading.interestOnly);
    object.insert(QStringLiteral("negativeAmortization"), reading.negativeAmortization);
    EachFigure(copy, [&](const char* key, const auto& figure) {
        object.insert(QLatin1String(key), Value(figure.value));
        sources.insert(QLatin1String(key), Source(figure.where));
    });
    QJsonObject rateTable;
    QJsonObject rateSources;
    EachRateFigure(copy.rateTable, [&](const char* key, const auto& figure) {
        rateTable.insert(QLatin1String(key), Value(figure.value));
        rateSources.insert(QLatin1String(key), Source(figure.where));
    });
    object.insert(QStringLiteral("rateTable"), rateTable);
    sources.insert(QStringLiteral("rateTable"), rateSources);
    const auto table = [&](const QString& name, auto& figures, auto&& each) {
        QJsonObject values;
        QJsonObject places;
        each(figures, [&](const char* key, const auto& figure) {
            values.insert(QLatin1String(key), Value(figure.value));
            places.insert(QLatin1String(key), Source(figure.where));
        });
        object.insert(name, values);
        sources.insert(name, places);
    };
    table(QStringLiteral("paymentTable"), copy.paymentTable,
          [](auto& t, auto&& visit) { EachPaymentFigure(t, visit); });
    table(QStringLiteral("cashToCloseTable"), copy.cashTable,
          [](auto& t, auto&& visit) { EachCashFigure(t, visit); });
    QJsonArray projected;
    QJsonArray projectedSources;
    for (const ProjectedColumn& column : reading.projectedPayments) {
        QJsonObject entry{{QStringLiteral("years"), QString::fromStdString(column.years)}};
        QJsonObject entrySources;
        for (const ProjectedKey& key : kProjected) {
            entry.insert(QLatin1String(key.key),
                         RangeValue((column.*key.figure).value,
                                    key.maximum ? column.*key.maximum : std::nullopt));
            entrySources.insert(QLatin1String(key.key), Source((column.*key.figure).where));
        }
        projected.append(entry);
        projectedSources.append(entrySources);
    }
    object.insert(QStringLiteral("projectedPayments"), projected);
    sources.insert(QStringLiteral("projectedPayments"), projectedSources);
    QJsonObject sections;
    QJsonObject sectionSources;
    QJsonObject sectionTotals;
    for (CostSection section : kCostSections) {
        QJsonArray lines;
        QJsonArray lineSources;
        for (const SectionLine& line : reading.Section(section).lines) {
            lines.append(QJsonObject{{QStringLiteral("label"), QString::fromStdString(line.label)},
                                     {QStringLiteral("amount"), Value(line.amount)}});
            lineSources.append(Source(line.where));
        }
        sections.insert(LetterOf(section), lines);
        sectionSources.insert(LetterOf(section), lineSources);
        sectionTotals.insert(LetterOf(section), Value(reading.Section(section).total.value));
        sources.insert(QStringLiteral("sectionTotal") + LetterOf(section),
                       Source(reading.Section(section).total.where));
    }
    object.insert(QStringLiteral("sections"), sections);
    object.insert(QStringLiteral("sectionTotals"), sectionTotals);
    sources.insert(QStringLiteral("sections"), sectionSources);
    QJsonArray checkList;
    for (const Check& check : checks)
        checkList.append(QJsonObject{{QStringLiteral("name"), QString::fromStdString(check.name)},
                                     {QStringLiteral("ok"), check.ok},
                                     {QStringLiteral("expected"), Value(check.expected)},
                                     {QStringLiteral("found"), Value(check.found)}});
    object.insert(QStringLiteral("checks"), checkList);
    object.insert(QStringLiteral("sources"), sources);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<ReadBack> FromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const QJsonObject sources = object.value(QStringLiteral("sources")).toObject();
    ReadBack back;
    EstimateReading& reading = back.reading;
    reading.language =
        object.value(QStringLiteral("language")).toString(QStringLiteral("en")).toStdString();
    reading.interestOnly = object.value(QStringLiteral("interestOnly")).toBool();
    reading.negativeAmortization = object.value(QStringLiteral("negativeAmortization")).toBool();
    for (const QJsonValue& page : object.value(QStringLiteral("missingPages")).toArray())
        reading.missingPages.push_back(page.toInt());
    EachFigure(reading, [&](const char* key, auto& figure) {
        ReadFigure(figure, object.value(QLatin1String(key)));
        figure.where = SourceOf(sources.value(QLatin1String(key)));
    });
    const QJsonObject rateTable = object.value(QStringLiteral("rateTable")).toObject();
    const QJsonObject rateSources = sources.value(QStringLiteral("rateTable")).toObject();
    EachRateFigure(reading.rateTable, [&](const char* key, auto& figure) {
        ReadFigure(figure, rateTable.value(QLatin1String(key)));
        figure.where = SourceOf(rateSources.value(QLatin1String(key)));
    });
    const auto table = [&](const QString& name, auto& figures, auto&& each) {
        const QJsonObject values = object.value(name).toObject();
        const QJsonObject places = sources.value(name).toObject();
        each(figures, [&](const char* key, auto& figure) {
            ReadFigure(figure, values.value(QLatin1String(key)));
            figure.where = SourceOf(places.value(QLatin1String(key)));
        });
    };
    table(QStringLiteral("paymentTable"), reading.paymentTable,
          [](auto& t, auto&& visit) { EachPaymentFigure(t, visit); });
    table(QStringLiteral("cashToCloseTable"), reading.cashTable,
          [](auto& t, auto&& visit) { EachCashFigure(t, visit); });
    const QJsonArray projected = object.value(QStringLiteral("projectedPayments")).toArray();
    const QJsonArray projectedSources =
        sources.value(QStringLiteral("projectedPayments")).toArray();
    for (qsizetype i = 0; i < projected.size(); ++i) {
        const QJsonObject entry = projected.at(i).toObject();
        const QJsonObject entrySources = projectedSources.at(i).toObject();
        ProjectedColumn column;
        column.years = entry.value(QStringLiteral("years")).toString().toStdString();
        for (const ProjectedKey& key : kProjected) {
            const QJsonValue value = entry.value(QLatin1String(key.key));
            const Where where = SourceOf(entrySources.value(QLatin1String(key.key)));
            if (value.isObject() && key.maximum) {
                column.*key.figure = {Number(value.toObject().value(QStringLiteral("min"))), where};
                column.*key.maximum = Number(value.toObject().value(QStringLiteral("max")));
            } else {
                column.*key.figure = {Number(value), where};
            }
        }
        reading.projectedPayments.push_back(column);
    }
    const QJsonObject sections = object.value(QStringLiteral("sections")).toObject();
    const QJsonObject sectionSources = sources.value(QStringLiteral("sections")).toObject();
    const QJsonObject sectionTotals = object.value(QStringLiteral("sectionTotals")).toObject();
    for (CostSection section : kCostSections) {
        SectionReading& part = reading.Section(section);
        part.total = {Number(sectionTotals.value(LetterOf(section))),
                      SourceOf(sources.value(QStringLiteral("sectionTotal") + LetterOf(section)))};
        const QJsonArray lines = sections.value(LetterOf(section)).toArray();
        const QJsonArray lineSources = sectionSources.value(LetterOf(section)).toArray();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QJsonObject line = lines.at(i).toObject();
            part.lines.push_back({line.value(QStringLiteral("label")).toString().toStdString(),
                                  Number(line.value(QStringLiteral("amount"))),
                                  SourceOf(lineSources.at(i))});
        }
    }
    for (const QJsonValue& value : object.value(QStringLiteral("checks")).toArray()) {
        const QJsonObject check = value.toObject();
        back.checks.push_back({check.value(QStringLiteral("name")).toString().toStdString(),
                               check.value(QStringLiteral("ok")).toBool(),
                               Number(check.value(QStringLiteral("expected"))),
                               Number(check.value(QStringLiteral("found")))});
    }
    return back;
}

} // namespace plumcrest::reader
