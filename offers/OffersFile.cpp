#include "OffersFile.h"

#include "EstimateFields.h"
#include "OfferLimits.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>

namespace plumcrest::offers {

namespace {

const QString kFormat = QStringLiteral("Plumcrest offers");

QString Key(const char* column) {
    return QString::fromLatin1(column);
}

QString TimeText(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QJsonObject EstimateObject(const LoanEstimate& estimate) {
    QJsonObject object;
    for (const EstimateField& field : kEstimateFields) {
        const std::optional<double> value = FigureValue(field, estimate);
        if (!value)
            continue;
        if (field.kind == FigureKind::Choice)
            object.insert(Key(field.column),
                          QString::fromLatin1(ChoiceStored(field, static_cast<int>(*value))));
        else
            object.insert(Key(field.column), *value);
    }
    QJsonArray costs;
    for (const CostItem& item : estimate.costs) {
        const std::string_view letter = SectionLetter(item.section);
        costs.append(QJsonObject{
            {QStringLiteral("section"),
             QString::fromLatin1(letter.data(), static_cast<qsizetype>(letter.size()))},
            {QStringLiteral("label"), QString::fromStdString(item.label)},
            {QStringLiteral("amount"), item.amount},
            {QStringLiteral("financeCharge"), item.financeCharge},
        });
    }
    object.insert(QStringLiteral("costs"), costs);
    return object;
}

// Why the file is refused, or empty; `offer` gets the estimate when it is one the editor could
// have given.
QString ReadEstimate(const QJsonObject& object, LoanEstimate& estimate) {
    int adjustableGiven = 0;
    int adjustableFields = 0;
    for (const EstimateField& field : kEstimateFields) {
        const QJsonValue value = object.value(Key(field.column));
        if (field.IsAdjustable())
            ++adjustableFields;
        if (value.isUndefined() || value.isNull()) {
            if (!field.optional && !field.IsAdjustable())
                return OffersFileText::tr("its figure \"%1\" is missing")
                    .arg(QCoreApplication::translate("EstimateFields", field.name));
            continue;
        }
        std::optional<double> figure;
        if (field.kind == FigureKind::Choice) {
            if (value.isString())
                if (const auto choice =
                        ChoiceOfStored(field, value.toString().left(64).toStdString()))
                    figure = *choice;
        } else if (value.isDouble() && std::isfinite(value.toDouble()) &&
                   FigureAllows(field, value.toDouble())) {
            figure = value.toDouble();
        }
        if (!figure)
            return OffersFileText::tr("its figure \"%1\" is not one the offer editor takes")
                .arg(QCoreApplication::translate("EstimateFields", field.name));
        if (field.IsAdjustable())
            ++adjustableGiven;
        SetFigureValue(field, estimate, figure);
    }
    // An adjustable rate is given whole or not at all.
    if (adjustableGiven != 0 && adjustableGiven != adjustableFields)
        return OffersFileText::tr("its adjustable rate is given only in part");

    const QJsonValue costs = object.value(QStringLiteral("costs"));
    if (!costs.isUndefined() && !costs.isArray())
        return OffersFileText::tr("its closing costs are not a list");
    const QJsonArray lines = costs.toArray();
    if (lines.size() > kMaxCostItems)
        return OffersFileText::tr("it has %1 closing cost lines; at most %2 can be kept")
            .arg(lines.size())
            .arg(kMaxCostItems);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QJsonObject line = lines.at(i).toObject();
        const QString letter = line.value(QStringLiteral("section")).toString();
        const auto section =
            letter.size() == 1 ? SectionFromLetter(letter.toStdString()) : std::nullopt;
        const QJsonValue label = line.value(QStringLiteral("label"));
        const QJsonValue amount = line.value(QStringLiteral("amount"));
        const QJsonValue finance = line.value(QStringLiteral("financeCharge"));
        if (!section || !label.isString() || !amount.isDouble() || !finance.isBool() ||
            !std::isfinite(amount.toDouble()) || amount.toDouble() < 0 ||
            amount.toDouble() > kMaxMoney)
            return OffersFileText::tr("its closing cost line %1 cannot be read").arg(i + 1);
        if (label.toString().size() > kMaxCostLabel)
            return OffersFileText::tr("the label of its closing cost line %1 is longer than %2 "
                                      "characters")
                .arg(i + 1)
                .arg(kMaxCostLabel);
        estimate.costs.push_back(
            {*section, label.toString().toStdString(), amount.toDouble(), finance.toBool()});
    }
    return {};
}

OffersFileReading Refused(const QString& why) {
    return {std::nullopt, why};
}

} // namespace

QByteArray OffersFileText::Write(const OffersFile& file) {
    QJsonObject comparison;
    if (file.yearsToKeep)
        comparison.insert(QStringLiteral("yearsToKeep"), *file.yearsToKeep);
    if (file.savingsPercent)
        comparison.insert(QStringLiteral("savingsPercent"), *file.savingsPercent);
    QJsonArray offers;
    for (const store::KeptOffer& offer : file.offers)
        offers.append(QJsonObject{
            {QStringLiteral("name"), offer.name},
            {QStringLiteral("keptAt"), TimeText(offer.keptAt)},
            {QStringLiteral("estimate"), EstimateObject(offer.estimate)},
        });
    const QJsonObject root{
        {QStringLiteral("format"), kFormat},
        {QStringLiteral("version"), kOffersFileVersion},
        {QStringLiteral("comparison"), comparison},
        {QStringLiteral("offers"), offers},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

OffersFileReading OffersFileText::Parse(const QByteArray& bytes) {
    if (bytes.size() > kMaxOffersFileBytes)
        return Refused(tr("It is larger than a file of offers can be (%1 MB).")
                           .arg(kMaxOffersFileBytes / (1024 * 1024)));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        root.value(QStringLiteral("format")).toString() != kFormat)
        return Refused(tr("It is not a file of offers saved by Plumcrest, or it is damaged."));
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) ||
        version.toDouble() < 1)
        return Refused(tr("It does not say which version of the file it is; it may be damaged."));
    if (version.toDouble() > kOffersFileVersion)
        return Refused(tr("It was saved by a newer version of Plumcrest (file version %1); this "
                          "version reads version %2. Open it with the newer version.")
                           .arg(version.toInt())
                           .arg(kOffersFileVersion));

    OffersFile file;
    const QJsonObject comparison = root.value(QStringLiteral("comparison")).toObject();
    const QJsonValue years = comparison.value(QStringLiteral("yearsToKeep"));
    if (!years.isUndefined()) {
        const double value = years.toDouble(-1);
        if (value != std::floor(value) || value < 1 || value > 1000)
            return Refused(tr("Its years to keep the loan are not a number of years from 1 to "
                              "1,000; it may be damaged."));
        file.yearsToKeep = static_cast<int>(value);
    }
    const QJsonValue savings = comparison.value(QStringLiteral("savingsPercent"));
    if (!savings.isUndefined()) {
        const double value = savings.toDouble(-1);
        if (!std::isfinite(value) || value < 0 || value > 20)
            return Refused(tr("Its savings rate is not a percentage from 0 to 20; it may be "
                              "damaged."));
        file.savingsPercent = value;
    }

    const QJsonValue list = root.value(QStringLiteral("offers"));
    if (!list.isArray())
        return Refused(tr("It holds no list of offers; it may be damaged."));
    const QJsonArray offers = list.toArray();
    if (offers.size() > kMaxOffersInFile)
        return Refused(tr("It holds %1 offers; a file of offers holds at most %2.")
                           .arg(offers.size())
                           .arg(kMaxOffersInFile));
    for (qsizetype i = 0; i < offers.size(); ++i) {
        const QJsonObject object = offers.at(i).toObject();
        store::KeptOffer offer;
        const auto refuse = [&](const QString& why) {
            return Refused(tr("Its offer %1 cannot be read: %2.").arg(i + 1).arg(why));
        };
        const QJsonValue name = object.value(QStringLiteral("name"));
        if (!name.isString() || name.toString().trimmed().isEmpty())
            return refuse(tr("it has no name"));
        if (name.toString().size() > kMaxOfferName)
            return refuse(tr("its name is longer than %1 characters").arg(kMaxOfferName));
        offer.name = name.toString();
        offer.keptAt = QDateTime::fromString(
            object.value(QStringLiteral("keptAt")).toString().left(40), Qt::ISODateWithMs);
        if (!offer.keptAt.isValid())
            return refuse(tr("it does not say when it was kept"));
        offer.keptAt = offer.keptAt.toUTC();
        const QJsonValue estimate = object.value(QStringLiteral("estimate"));
        if (!estimate.isObject())
            return refuse(tr("it has no Loan Estimate"));
        if (const QString why = ReadEstimate(estimate.toObject(), offer.estimate); !why.isEmpty())
            return refuse(why);
        file.offers.push_back(std::move(offer));
    }
    return {std::move(file), QString()};
}

OffersFileReading OffersFileText::Read(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return Refused(tr("There is no such file."));
    if (info.isDir())
        return Refused(tr("It is a folder, not a file."));
    if (!info.isFile())
        return Refused(tr("It is not a regular file."));
    if (info.size() > kMaxOffersFileBytes)
        return Refused(tr("It is larger than a file of offers can be (%1 MB).")
                           .arg(kMaxOffersFileBytes / (1024 * 1024)));
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return Refused(tr("It cannot be read: %1.").arg(in.errorString()));
    // One byte beyond the limit shows a file that grew meanwhile.
    return Parse(in.read(kMaxOffersFileBytes + 1));
}

QString OffersFileText::Save(const QString& path, const OffersFile& file) {
    if (file.offers.size() > static_cast<std::size_t>(kMaxOffersInFile))
        return tr("A file of offers holds at most %1 offers; choose fewer.").arg(kMaxOffersInFile);
    const QByteArray bytes = Write(file);
    if (bytes.size() > kMaxOffersFileBytes)
        return tr("These offers would make a file larger than %1 MB; choose fewer.")
            .arg(kMaxOffersFileBytes / (1024 * 1024));
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return out.errorString();
    return {};
}

bool SameOffer(const store::KeptOffer& a, const store::KeptOffer& b) {
    return TimeText(a.keptAt) == TimeText(b.keptAt) && a.estimate == b.estimate;
}

std::vector<store::KeptOffer> OffersToAdd(const std::vector<store::KeptOffer>& kept,
                                          const std::vector<store::KeptOffer>& incoming) {
    std::vector<store::KeptOffer> added;
    for (const store::KeptOffer& offer : incoming) {
        const auto same = [&](const store::KeptOffer& other) { return SameOffer(offer, other); };
        if (std::none_of(kept.begin(), kept.end(), same) &&
            std::none_of(added.begin(), added.end(), same))
            added.push_back(offer);
    }
    return added;
}

} // namespace plumcrest::offers
