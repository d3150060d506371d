#include "CheckJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace plumcrest::closing {

namespace {

QJsonValue Money(Cents cents) {
    return Dollars(cents);
}
QJsonValue Value(const std::optional<double>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}
QJsonValue Value(const std::optional<bool>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}
QJsonValue Value(const std::optional<int>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}
QJsonValue Value(const std::optional<Day>& day) {
    return day ? QJsonValue(QString::fromStdString(IsoText(*day))) : QJsonValue(QJsonValue::Null);
}
QJsonValue Place(const std::optional<LinePlace>& place) {
    if (!place)
        return QJsonValue(QJsonValue::Null);
    return QJsonObject{{QStringLiteral("section"), QString::fromStdString(place->section)},
                       {QStringLiteral("index"), place->index}};
}

std::optional<LinePlace> PlaceOf(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const QString section = object.value(QStringLiteral("section")).toString();
    const QJsonValue index = object.value(QStringLiteral("index"));
    if (section.size() != 1 || !QStringLiteral("ABCDEFGHJ").contains(section) || !index.isDouble())
        return std::nullopt;
    const double at = index.toDouble();
    if (at < 0 || at > 100000 || at != static_cast<int>(at))
        return std::nullopt;
    return LinePlace{section.toStdString(), static_cast<int>(at)};
}

} // namespace

QByteArray ChoicesToJson(const CheckChoices& choices) {
    QJsonArray pairings;
    for (const CheckChoices::Pairing& pairing : choices.pairings)
        pairings.append(QJsonObject{{QStringLiteral("closing"), Place(pairing.closing)},
                                    {QStringLiteral("estimate"), Place(pairing.estimate)}});
    QJsonArray categories;
    for (const CheckChoices::Category& category : choices.categories)
        categories.append(QJsonObject{
            {QStringLiteral("closing"), Place(category.closing)},
            {QStringLiteral("category"), QLatin1String(ToleranceKey(category.category))}});
    QJsonObject object{{QStringLiteral("pairings"), pairings},
                       {QStringLiteral("categories"), categories},
                       {QStringLiteral("received"), Value(choices.received)},
                       {QStringLiteral("mailed"), choices.mailed}};
    if (choices.estimatePrepaymentPenalty)
        object.insert(QStringLiteral("estimatePrepaymentPenalty"),
                      *choices.estimatePrepaymentPenalty);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<CheckChoices> ChoicesFromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    CheckChoices choices;
    for (const QJsonValue& value : object.value(QStringLiteral("pairings")).toArray()) {
        const QJsonObject pairing = value.toObject();
        const auto closing = PlaceOf(pairing.value(QStringLiteral("closing")));
        if (!closing)
            return std::nullopt;
        const QJsonValue estimate = pairing.value(QStringLiteral("estimate"));
        const auto place = PlaceOf(estimate);
        if (!estimate.isNull() && !place)
            return std::nullopt;
        choices.pairings.push_back({*closing, place});
    }
    for (const QJsonValue& value : object.value(QStringLiteral("categories")).toArray()) {
        const QJsonObject category = value.toObject();
        const auto closing = PlaceOf(category.value(QStringLiteral("closing")));
        const auto tolerance =
            ToleranceFromKey(category.value(QStringLiteral("category")).toString().toStdString());
        if (!closing || !tolerance)
            return std::nullopt;
        choices.categories.push_back({*closing, *tolerance});
    }
    const QJsonValue received = object.value(QStringLiteral("received"));
    if (received.isString()) {
        choices.received = ParseIsoDay(received.toString().toStdString());
        if (!choices.received)
            return std::nullopt;
    } else if (!received.isNull() && !received.isUndefined()) {
        return std::nullopt;
    }
    choices.mailed = object.value(QStringLiteral("mailed")).toBool();
    const QJsonValue penalty = object.value(QStringLiteral("estimatePrepaymentPenalty"));
    if (penalty.isBool())
        choices.estimatePrepaymentPenalty = penalty.toBool();
    return choices;
}

QByteArray CheckToJson(const ClosingCheck& check) {
    QJsonObject object;
    QJsonArray lines;
    for (const LinePair& pair : check.lines) {
        const std::string section = pair.closing ? pair.closing->section : pair.estimate->section;
        lines.append(QJsonObject{
            {QStringLiteral("label"), QString::fromStdString(pair.label)},
            {QStringLiteral("estimateLabel"), QString::fromStdString(pair.estimateLabel)},
            {QStringLiteral("section"), QString::fromStdString(section)},
            {QStringLiteral("estimateSection"),
             pair.estimate ? QJsonValue(QString::fromStdString(pair.estimate->section))
                           : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("category"), QLatin1String(ToleranceKey(pair.category))},
            {QStringLiteral("paragraph"), QLatin1String(pair.paragraph)},
            {QStringLiteral("loanEstimate"),
             pair.estimate ? Money(pair.loanEstimate) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("closingDisclosure"),
             pair.closing ? Money(pair.closingDisclosure) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("change"), Money(pair.Change())},
            {QStringLiteral("moved"), pair.moved},
            {QStringLiteral("renamed"), pair.renamed},
            {QStringLiteral("buyerMayChange"), pair.buyerMayChange},
            {QStringLiteral("estimatePlace"), Place(pair.estimate)},
            {QStringLiteral("closingPlace"), Place(pair.closing)},
        });
    }
    object.insert(QStringLiteral("linesRead"), check.linesRead);
    object.insert(QStringLiteral("lines"), lines);
    object.insert(
        QStringLiteral("tenPercentGroup"),
        QJsonObject{
            {QStringLiteral("loanEstimate"), Money(check.tenPercentGroup.loanEstimate)},
            {QStringLiteral("closingDisclosure"), Money(check.tenPercentGroup.closingDisclosure)},
            {QStringLiteral("limit"), Money(check.tenPercentGroup.limit)},
            {QStringLiteral("excess"), Money(check.tenPercentGroup.excess)}});
    object.insert(QStringLiteral("zeroToleranceExcess"), Money(check.zeroToleranceExcess));
    // Without the cost lines nothing can be said of what is owed.
    object.insert(QStringLiteral("cureOwed"),
                  check.linesRead ? Money(check.cureOwed) : QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("cureGiven"),
                  check.cureGiven ? Money(*check.cureGiven) : QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("cureStillOwed"),
                  check.linesRead ? Money(check.cureStillOwed) : QJsonValue(QJsonValue::Null));
    QJsonArray calculations;
    for (const CalculationCheck& calculation : check.loanCalculations)
        calculations.append(
            QJsonObject{{QStringLiteral("name"), QString::fromStdString(calculation.name)},
                        {QStringLiteral("printed"), Value(calculation.printed)},
                        {QStringLiteral("computed"), Value(calculation.computed)},
                        {QStringLiteral("ok"), Value(calculation.ok)},
                        {QStringLiteral("paragraph"), QLatin1String(calculation.paragraph)}});
    object.insert(QStringLiteral("loanCalculations"), calculations);
    QJsonArray reasons;
    for (WaitReason reason : check.waitReasons)
        reasons.append(QLatin1String(WaitReasonKey(reason)));
    object.insert(QStringLiteral("aprChange"), Value(check.aprChange));
    object.insert(QStringLiteral("aprTolerance"), check.aprTolerance);
    object.insert(QStringLiteral("newWaitingPeriod"),
                  QJsonObject{{QStringLiteral("required"), check.newWaitingPeriod},
                              {QStringLiteral("reasons"), reasons}});
    const Timing& timing = check.timing;
    object.insert(QStringLiteral("dateIssued"), Value(timing.issued));
    object.insert(QStringLiteral("closingDate"), Value(timing.closing));
    object.insert(QStringLiteral("received"), Value(timing.received));
    object.insert(QStringLiteral("receivedAssumed"), timing.receivedAssumed);
    object.insert(QStringLiteral("earliestClosing"), Value(timing.earliestClosing));
    object.insert(QStringLiteral("businessDaysBeforeClosing"),
                  Value(timing.businessDaysBeforeClosing));
    object.insert(QStringLiteral("receivedInTime"), Value(timing.receivedInTime));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace plumcrest::closing
