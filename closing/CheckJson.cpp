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

} // namespace

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
