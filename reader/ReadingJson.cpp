#include "ReadingJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace plumcrest::reader {

namespace {

QJsonValue Value(const std::optional<double>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}
QJsonValue Value(const std::optional<int>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}
QJsonValue Value(const std::optional<std::string>& value) {
    return value ? QJsonValue(QString::fromStdString(*value)) : QJsonValue(QJsonValue::Null);
}

QJsonValue Source(const Where& where) {
    if (where.page == 0)
        return QJsonValue(QJsonValue::Null);
    return QJsonObject{{QStringLiteral("page"), where.page}, {QStringLiteral("line"), where.line}};
}

Where SourceOf(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    return {object.value(QStringLiteral("page")).toInt(),
            object.value(QStringLiteral("line")).toInt()};
}

std::optional<double> Number(const QJsonValue& value) {
    return value.isDouble() ? std::optional<double>(value.toDouble()) : std::nullopt;
}

std::optional<std::string> Text(const QJsonValue& value) {
    return value.isString() ? std::optional<std::string>(value.toString().toStdString())
                            : std::nullopt;
}

// The scalar figures by their keys, read and written through the same list.
template <typename Visit> void EachFigure(EstimateReading& r, Visit&& visit) {
    visit("lender", r.lender);
    visit("dateIssued", r.dateIssued);
    visit("salePrice", r.salePrice);
    visit("estimatedPropertyValue", r.propertyValue);
    visit("loanTermYears", r.loanTermYears);
    visit("purpose", r.purpose);
    visit("product", r.product);
    visit("loanType", r.loanType);
    visit("loanAmount", r.loanAmount);
    visit("interestRate", r.interestRate);
    visit("monthlyPrincipalInterest", r.monthlyPrincipalInterest);
    visit("lenderCredits", r.lenderCredits);
    visit("totalLoanCosts", r.totalLoanCosts);
    visit("totalOtherCosts", r.totalOtherCosts);
    visit("totalClosingCosts", r.totalClosingCosts);
    visit("cashToClose", r.cashToClose);
    visit("in5YearsTotalPaid", r.in5YearsTotalPaid);
    visit("in5YearsPrincipal", r.in5YearsPrincipal);
    visit("apr", r.apr);
    visit("tip", r.tip);
}

constexpr std::array<std::pair<const char*, Figure<double> ProjectedColumn::*>, 4> kProjected{{
    {"principalInterest", &ProjectedColumn::principalInterest},
    {"mortgageInsurance", &ProjectedColumn::mortgageInsurance},
    {"escrow", &ProjectedColumn::escrow},
    {"total", &ProjectedColumn::total},
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
    EachFigure(copy, [&](const char* key, const auto& figure) {
        object.insert(QLatin1String(key), Value(figure.value));
        sources.insert(QLatin1String(key), Source(figure.where));
    });
    QJsonArray projected;
    QJsonArray projectedSources;
    for (const ProjectedColumn& column : reading.projectedPayments) {
        QJsonObject entry{{QStringLiteral("years"), QString::fromStdString(column.years)}};
        QJsonObject entrySources;
        for (const auto& [key, member] : kProjected) {
            entry.insert(QLatin1String(key), Value((column.*member).value));
            entrySources.insert(QLatin1String(key), Source((column.*member).where));
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
    EachFigure(reading, [&](const char* key, auto& figure) {
        const QJsonValue value = object.value(QLatin1String(key));
        using T = typename std::decay_t<decltype(figure.value)>::value_type;
        if constexpr (std::is_same_v<T, std::string>)
            figure.value = Text(value);
        else if constexpr (std::is_same_v<T, int>)
            figure.value = value.isDouble() ? std::optional<int>(value.toInt()) : std::nullopt;
        else
            figure.value = Number(value);
        figure.where = SourceOf(sources.value(QLatin1String(key)));
    });
    const QJsonArray projected = object.value(QStringLiteral("projectedPayments")).toArray();
    const QJsonArray projectedSources =
        sources.value(QStringLiteral("projectedPayments")).toArray();
    for (qsizetype i = 0; i < projected.size(); ++i) {
        const QJsonObject entry = projected.at(i).toObject();
        const QJsonObject entrySources = projectedSources.at(i).toObject();
        ProjectedColumn column;
        column.years = entry.value(QStringLiteral("years")).toString().toStdString();
        for (const auto& [key, member] : kProjected)
            column.*member = {Number(entry.value(QLatin1String(key))),
                              SourceOf(entrySources.value(QLatin1String(key)))};
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
