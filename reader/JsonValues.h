#pragma once
// The JSON forms of a reading's values, shared by the Loan Estimate's and the Closing
// Disclosure's readings so both write and read a missing value, a number and a place alike.

#include "EstimateReading.h"

#include <QJsonObject>
#include <QJsonValue>
#include <optional>
#include <string>

namespace plumcrest::reader::json {

inline QJsonValue Value(const std::optional<double>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}
inline QJsonValue Value(const std::optional<int>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}
inline QJsonValue Value(const std::optional<bool>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}
inline QJsonValue Value(const std::optional<std::string>& value) {
    return value ? QJsonValue(QString::fromStdString(*value)) : QJsonValue(QJsonValue::Null);
}

inline QJsonValue Source(const Where& where) {
    if (where.page == 0)
        return QJsonValue(QJsonValue::Null);
    return QJsonObject{{QStringLiteral("page"), where.page}, {QStringLiteral("line"), where.line}};
}

inline Where SourceOf(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    return {object.value(QStringLiteral("page")).toInt(),
            object.value(QStringLiteral("line")).toInt()};
}

inline std::optional<double> Number(const QJsonValue& value) {
    return value.isDouble() ? std::optional<double>(value.toDouble()) : std::nullopt;
}

} // namespace plumcrest::reader::json
