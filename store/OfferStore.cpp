#include "OfferStore.h"

#include "Schema.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <map>
#include <utility>

namespace plumcrest::store {
namespace {

// How long a change waits for another running copy that is writing, in milliseconds.
constexpr int kBusyTimeoutMs = 10000;

QString NewConnectionName() {
    static QAtomicInteger<int> counter;
    return QStringLiteral("plumcrest-offers-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString TimeText(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODateWithMs);
}

// SQLite's "busy" and "locked": another copy is writing, nothing is wrong with the file.
bool IsBusy(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    return code == QStringLiteral("5") || code == QStringLiteral("6");
}

bool Exec(QSqlDatabase& db, const QString& sql, QString* error) {
    for (const QString& statement : sql.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (statement.trimmed().isEmpty())
            continue;
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

} // namespace

OfferStore::OfferStore(QString folder, std::vector<QString> steps)
    : folder_(std::move(folder)), steps_(std::move(steps)), connection_(NewConnectionName()) {}

OfferStore::~OfferStore() {
    Close();
}

QString OfferStore::Path() const {
    return folder_ + QLatin1Char('/') + QLatin1String(kFileName);
}

void OfferStore::Close() {
    if (QSqlDatabase::contains(connection_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(connection_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(connection_);
    }
    open_ = false;
}

bool OfferStore::Fail(const QString& what, const QString& detail) {
    error_ = detail.isEmpty() ? what : what + QStringLiteral(" (") + detail + QStringLiteral(")");
    return false;
}

bool OfferStore::Open() {
    error_.clear();
    notice_.clear();
    Close();
    if (folder_.isEmpty())
        return Fail(QStringLiteral("Offers cannot be kept: there is no folder for them."), {});
    const QFileInfo folder(folder_);
    if (!QDir().mkpath(folder_) || !QFileInfo(folder_).isWritable())
        return Fail(QStringLiteral("Offers cannot be kept: the folder %1 cannot be written to.")
                        .arg(QDir::toNativeSeparators(folder.absoluteFilePath())),
                    {});
    damaged_ = false;
    if (OpenFile() && Migrate())
        return open_ = true;
    Close();
    // Only a file that is not a database this program can read is set aside: a busy or newer
    // one is left as it is.
    if (!damaged_ || !QFileInfo::exists(Path()) || !MoveAside(error_))
        return false;
    if (OpenFile() && Migrate())
        return open_ = true;
    Close();
    return false;
}

bool OfferStore::OpenFile() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    if (!db.isValid())
        return Fail(QStringLiteral("Offers cannot be kept: the SQLite driver for Qt is missing."),
                    {});
    db.setDatabaseName(Path());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open()) {
        damaged_ = !IsBusy(db.lastError());
        return Fail(QStringLiteral("The kept offers could not be opened."), db.lastError().text());
    }
    // A file that is not a database, or a damaged one, shows here rather than at the first keep.
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next()) {
        damaged_ = !IsBusy(check.lastError());
        return Fail(QStringLiteral("The kept offers could not be read."), check.lastError().text());
    }
    if (check.value(0).toString() != QStringLiteral("ok")) {
        damaged_ = true;
        return Fail(QStringLiteral("The kept offers could not be read."),
                    check.value(0).toString());
    }
    return true;
}

bool OfferStore::Migrate() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString detail;
    // One writer brings the schema up to date; another copy waits and then finds it done.
    if (!Exec(db, QStringLiteral("BEGIN IMMEDIATE"), &detail))
        return Fail(QStringLiteral("The kept offers could not be opened."), detail);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        Exec(db, QStringLiteral("ROLLBACK"), &detail);
        return Fail(QStringLiteral("The kept offers could not be read."), query.lastError().text());
    }
    const int version = query.value(0).toInt();
    query.finish();
    const int latest = SchemaVersion();
    if (version > latest) {
        Exec(db, QStringLiteral("ROLLBACK"), &detail);
        error_ = QStringLiteral("The kept offers in %1 were written by a newer Plumcrest; they are "
                                "left as they are.")
                     .arg(QDir::toNativeSeparators(Path()));
        return false;
    }
    for (int next = version + 1; next <= latest; ++next) {
        if (!Exec(db, steps_[static_cast<std::size_t>(next - 1)], &detail) ||
            !Exec(db, QStringLiteral("PRAGMA user_version = %1").arg(next), &detail)) {
            Exec(db, QStringLiteral("ROLLBACK"), &detail);
            return Fail(QStringLiteral("The kept offers could not be brought up to date."), detail);
        }
    }
    if (!Exec(db, QStringLiteral("COMMIT"), &detail))
        return Fail(QStringLiteral("The kept offers could not be brought up to date."), detail);
    return true;
}

bool OfferStore::MoveAside(const QString& why) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside =
        folder_ + QStringLiteral("/offers-damaged-") + stamp + QStringLiteral(".sqlite");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = folder_ + QStringLiteral("/offers-damaged-%1-%2.sqlite").arg(stamp).arg(n);
    if (!QFile::rename(Path(), aside))
        return Fail(QStringLiteral("The kept offers in %1 could not be read, and the file could "
                                   "not be moved aside.")
                        .arg(QDir::toNativeSeparators(Path())),
                    why);
    // Its journal belongs to it.
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        if (QFileInfo::exists(Path() + QLatin1String(suffix)))
            QFile::rename(Path() + QLatin1String(suffix), aside + QLatin1String(suffix));
    notice_ = QStringLiteral("The kept offers could not be read (%1). The file was moved to %2 and "
                             "a new, empty one was started.")
                  .arg(why, QDir::toNativeSeparators(aside));
    error_.clear();
    return true;
}

namespace {

// The calculator's record, column by column as the first schema step named them.
struct FigureColumn {
    const char* name;
    double LoanInputs::*input;
    double LoanResults::*result;
};
constexpr FigureColumn kFigureColumns[] = {
    {"PurchasePrice", &LoanInputs::PurchasePrice, nullptr},
    {"DownPaymentPercent", &LoanInputs::DownPaymentPercent, nullptr},
    {"Term", &LoanInputs::Term, nullptr},
    {"Interest", &LoanInputs::Interest, nullptr},
    {"OriginationFees", &LoanInputs::OriginationFees, nullptr},
    {"Points", &LoanInputs::Points, nullptr},
    {"PrepaidInterest", &LoanInputs::PrepaidInterest, nullptr},
    {"MIP", &LoanInputs::MIP, nullptr},
    {"Buydown", &LoanInputs::Buydown, nullptr},
    {"FloodCheck", &LoanInputs::FloodCheck, nullptr},
    {"TaxService", &LoanInputs::TaxService, nullptr},
    {"Other1", &LoanInputs::Other1, nullptr},
    {"Other2", &LoanInputs::Other2, nullptr},
    {"DownPayment", nullptr, &LoanResults::DownPayment},
    {"Loan", nullptr, &LoanResults::Loan},
    {"Payment", nullptr, &LoanResults::Payment},
    {"FixedFees", nullptr, &LoanResults::FixedFees},
    {"APR", nullptr, &LoanResults::APR},
};

// The offer's Loan Estimate, column by column as the third step named them.
enum class Kind { Real, Integer, Text };
struct EstimateColumn {
    const char* name;
    double LoanEstimate::*figure;
    std::optional<double> LoanEstimate::*optional;
};
constexpr EstimateColumn kEstimateColumns[] = {
    {"price", &LoanEstimate::price, nullptr},
    {"loan_amount", &LoanEstimate::loanAmount, nullptr},
    {"note_rate", &LoanEstimate::noteRate, nullptr},
    {"lender_credits", &LoanEstimate::lenderCredits, nullptr},
    {"insurance_rate", &LoanEstimate::insurancePercent, nullptr},
    {"property_tax_yearly", &LoanEstimate::propertyTaxYearly, nullptr},
    {"home_insurance_yearly", &LoanEstimate::homeInsuranceYearly, nullptr},
    {"hoa_monthly", &LoanEstimate::hoaMonthly, nullptr},
    {"disclosed_tip", nullptr, &LoanEstimate::disclosedTip},
    {"disclosed_in5_total", nullptr, &LoanEstimate::disclosedInFiveTotal},
    {"disclosed_in5_principal", nullptr, &LoanEstimate::disclosedInFivePrincipal},
};

constexpr std::pair<LoanType, const char*> kLoanTypes[] = {{LoanType::Conventional, "conventional"},
                                                           {LoanType::Fha, "fha"},
                                                           {LoanType::Va, "va"},
                                                           {LoanType::Other, "other"}};
constexpr std::pair<InsuranceEnd, const char*> kInsuranceEnds[] = {
    {InsuranceEnd::None, "none"},
    {InsuranceEnd::Conventional, "conventional"},
    {InsuranceEnd::Fha, "fha"}};

template <class Enum, std::size_t N>
QString NameOf(const std::pair<Enum, const char*> (&names)[N], Enum value) {
    for (const auto& [each, name] : names)
        if (each == value)
            return QString::fromLatin1(name);
    return QString::fromLatin1(names[0].second);
}

template <class Enum, std::size_t N>
std::optional<Enum> ValueOf(const std::pair<Enum, const char*> (&names)[N], const QString& text) {
    for (const auto& [each, name] : names)
        if (text == QLatin1String(name))
            return each;
    return std::nullopt;
}

QString Quoted(const char* column) {
    return QLatin1Char('"') + QLatin1String(column) + QLatin1Char('"');
}

QStringList OfferColumns() {
    QStringList columns{QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("kept_at"),
                        QStringLiteral("disclosed_apr")};
    for (const auto& column : kFigureColumns)
        columns << Quoted(column.name);
    columns << QStringLiteral("loan_type") << QStringLiteral("term_months")
            << QStringLiteral("insurance_end");
    for (const auto& column : kEstimateColumns)
        columns << Quoted(column.name);
    return columns;
}

QVariant Optional(const std::optional<double>& value) {
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<double>());
}

std::optional<double> OptionalOf(const QVariant& value) {
    return value.isNull() ? std::nullopt : std::optional<double>(value.toDouble());
}

// One row of the offers table, in OfferColumns() order. False when the row's Loan Estimate is
// not one this program wrote.
bool ReadOffer(const QSqlQuery& query, KeptOffer& offer) {
    int column = 0;
    offer.id = query.value(column++).toLongLong();
    offer.name = query.value(column++).toString();
    offer.keptAt = QDateTime::fromString(query.value(column++).toString(), Qt::ISODateWithMs);
    offer.disclosedApr = OptionalOf(query.value(column++));
    for (const auto& figure : kFigureColumns) {
        const double value = query.value(column++).toDouble();
        if (figure.input)
            offer.inputs.*figure.input = value;
        else
            offer.results.*figure.result = value;
    }
    const QVariant loanType = query.value(column++);
    const QVariant months = query.value(column++);
    const QVariant insuranceEnd = query.value(column++);
    // Offers kept before they had a Loan Estimate of their own leave it empty: the calculator's
    // figures say it.
    if (loanType.isNull())
        return true;
    LoanEstimate estimate;
    const auto type = ValueOf(kLoanTypes, loanType.toString());
    const auto end = ValueOf(kInsuranceEnds, insuranceEnd.toString());
    if (!type || !end)
        return false;
    estimate.loanType = *type;
    estimate.insuranceEnd = *end;
    estimate.months = months.toInt();
    for (const auto& figure : kEstimateColumns) {
        const QVariant value = query.value(column++);
        if (figure.figure)
            estimate.*figure.figure = value.toDouble();
        else
            estimate.*figure.optional = OptionalOf(value);
    }
    offer.estimate = std::move(estimate);
    return true;
}

bool ReadCosts(QSqlDatabase& db, std::vector<KeptOffer>& offers, QString* error) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT offer_id, section, label, amount, finance_charge FROM "
                                   "offer_costs ORDER BY offer_id, position"))) {
        *error = query.lastError().text();
        return false;
    }
    std::map<qint64, KeptOffer*> byId;
    for (KeptOffer& offer : offers)
        if (offer.estimate)
            byId[offer.id] = &offer;
    while (query.next()) {
        const auto found = byId.find(query.value(0).toLongLong());
        if (found == byId.end())
            continue;
        const auto section = SectionFromLetter(query.value(1).toString().toStdString());
        if (!section) {
            *error = QStringLiteral("a closing cost of an unknown section");
            return false;
        }
        found->second->estimate->costs.push_back({*section, query.value(2).toString().toStdString(),
                                                  query.value(3).toDouble(),
                                                  query.value(4).toInt() != 0});
    }
    return true;
}

bool WriteCosts(QSqlDatabase& db, const KeptOffer& offer, QString* error) {
    QSqlQuery erase(db);
    erase.prepare(QStringLiteral("DELETE FROM offer_costs WHERE offer_id = ?"));
    erase.addBindValue(offer.id);
    if (!erase.exec()) {
        *error = erase.lastError().text();
        return false;
    }
    if (!offer.estimate)
        return true;
    int position = 0;
    for (const CostItem& item : offer.estimate->costs) {
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO offer_costs (offer_id, position, section, "
                                      "label, amount, finance_charge) VALUES (?, ?, ?, ?, ?, ?)"));
        insert.addBindValue(offer.id);
        insert.addBindValue(position++);
        insert.addBindValue(
            QString::fromLatin1(SectionLetter(item.section).data(),
                                static_cast<qsizetype>(SectionLetter(item.section).size())));
        insert.addBindValue(QString::fromStdString(item.label));
        insert.addBindValue(item.amount);
        insert.addBindValue(item.financeCharge ? 1 : 0);
        if (!insert.exec()) {
            *error = insert.lastError().text();
            return false;
        }
    }
    return true;
}

// Binds every column but the id, in OfferColumns() order.
void BindOffer(QSqlQuery& query, const KeptOffer& offer) {
    query.addBindValue(offer.name);
    query.addBindValue(TimeText(offer.keptAt));
    query.addBindValue(Optional(offer.disclosedApr));
    for (const auto& figure : kFigureColumns)
        query.addBindValue(figure.input ? offer.inputs.*figure.input
                                        : offer.results.*figure.result);
    if (!offer.estimate) {
        for (int i = 0; i < 3 + static_cast<int>(std::size(kEstimateColumns)); ++i)
            query.addBindValue(QVariant());
        return;
    }
    const LoanEstimate& estimate = *offer.estimate;
    query.addBindValue(NameOf(kLoanTypes, estimate.loanType));
    query.addBindValue(estimate.months);
    query.addBindValue(NameOf(kInsuranceEnds, estimate.insuranceEnd));
    for (const auto& figure : kEstimateColumns)
        query.addBindValue(figure.figure ? QVariant(estimate.*figure.figure)
                                         : Optional(estimate.*figure.optional));
}

} // namespace

int OfferStore::SchemaVersion() const {
    return static_cast<int>(steps_.size());
}

std::vector<KeptOffer> OfferStore::All() {
    std::vector<KeptOffer> offers;
    if (!open_)
        return offers;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM offers ORDER BY kept_at DESC, id DESC")
                        .arg(OfferColumns().join(QStringLiteral(", "))))) {
        Fail(QStringLiteral("The kept offers could not be read."), query.lastError().text());
        return offers;
    }
    while (query.next()) {
        KeptOffer offer;
        if (!ReadOffer(query, offer)) {
            Fail(QStringLiteral("The kept offers could not be read."),
                 QStringLiteral("offer %1 is not one this program wrote").arg(offer.id));
            return {};
        }
        offers.push_back(std::move(offer));
    }
    QString detail;
    if (!ReadCosts(db, offers, &detail)) {
        Fail(QStringLiteral("The kept offers could not be read."), detail);
        return {};
    }
    return offers;
}

namespace {

bool Insert(QSqlDatabase& db, KeptOffer& offer, bool withId, QString* error) {
    QStringList columns = OfferColumns();
    columns.removeFirst(); // the id goes last, when it is given
    if (withId)
        columns << QStringLiteral("id");
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO offers (%1) VALUES (%2)")
                      .arg(columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    BindOffer(query, offer);
    if (withId)
        query.addBindValue(offer.id);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    if (!withId) {
        QSqlQuery last(db);
        if (!last.exec(QStringLiteral("SELECT last_insert_rowid()")) || !last.next()) {
            *error = last.lastError().text();
            return false;
        }
        offer.id = last.value(0).toLongLong();
    }
    return WriteCosts(db, offer, error);
}

// Runs `change` inside one transaction that waits for other writers; rolled back on failure.
template <typename Change> bool InTransaction(QSqlDatabase& db, QString* error, Change change) {
    if (!Exec(db, QStringLiteral("BEGIN IMMEDIATE"), error))
        return false;
    if (!change() || !Exec(db, QStringLiteral("COMMIT"), error)) {
        QString ignored;
        Exec(db, QStringLiteral("ROLLBACK"), &ignored);
        return false;
    }
    return true;
}

} // namespace

bool OfferStore::Add(KeptOffer& offer) {
    if (!open_ && !Open())
        return false;
    if (!offer.keptAt.isValid())
        offer.keptAt = QDateTime::currentDateTimeUtc();
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString detail;
    KeptOffer kept = offer;
    if (!InTransaction(db, &detail, [&] { return Insert(db, kept, false, &detail); }))
        return Fail(QStringLiteral("The offer could not be kept."), detail);
    offer.id = kept.id;
    return true;
}

bool OfferStore::Update(const KeptOffer& offer) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString detail;
    const bool done = open_ && InTransaction(db, &detail, [&] {
                          QStringList columns = OfferColumns();
                          columns.removeFirst();
                          for (QString& column : columns)
                              column += QStringLiteral(" = ?");
                          QSqlQuery query(db);
                          query.prepare(QStringLiteral("UPDATE offers SET %1 WHERE id = ?")
                                            .arg(columns.join(QStringLiteral(", "))));
                          BindOffer(query, offer);
                          query.addBindValue(offer.id);
                          if (!query.exec()) {
                              detail = query.lastError().text();
                              return false;
                          }
                          if (query.numRowsAffected() != 1) {
                              detail = QStringLiteral("it is no longer kept");
                              return false;
                          }
                          return WriteCosts(db, offer, &detail);
                      });
    return done || Fail(QStringLiteral("The offer could not be changed."), detail);
}

bool OfferStore::Rename(qint64 id, const QString& name) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString detail;
    const bool done = open_ && InTransaction(db, &detail, [&] {
                          QSqlQuery query(db);
                          query.prepare(QStringLiteral("UPDATE offers SET name = ? WHERE id = ?"));
                          query.addBindValue(name);
                          query.addBindValue(id);
                          if (!query.exec()) {
                              detail = query.lastError().text();
                              return false;
                          }
                          return true;
                      });
    return done || Fail(QStringLiteral("The offer could not be renamed."), detail);
}

bool OfferStore::Remove(qint64 id) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString detail;
    const bool done =
        open_ && InTransaction(db, &detail, [&] {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("DELETE FROM offers WHERE id = ?"));
            query.addBindValue(id);
            QSqlQuery costs(db);
            costs.prepare(QStringLiteral("DELETE FROM offer_costs WHERE offer_id = ?"));
            costs.addBindValue(id);
            if (!query.exec() || !costs.exec()) {
                detail = query.lastError().isValid() ? query.lastError().text()
                                                     : costs.lastError().text();
                return false;
            }
            return true;
        });
    return done || Fail(QStringLiteral("The offer could not be deleted."), detail);
}

bool OfferStore::Restore(const KeptOffer& offer) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString detail;
    const bool done = open_ && InTransaction(db, &detail, [&] {
                          KeptOffer restored = offer;
                          return Insert(db, restored, true, &detail);
                      });
    return done || Fail(QStringLiteral("The offer could not be put back."), detail);
}

std::optional<QString> OfferStore::Setting(const QString& key) {
    if (!open_)
        return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT value FROM settings WHERE key = ?"));
    query.addBindValue(key);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return query.value(0).toString();
}

bool OfferStore::SetSetting(const QString& key, const QString& value) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString detail;
    const bool done = open_ && InTransaction(db, &detail, [&] {
                          QSqlQuery query(db);
                          query.prepare(QStringLiteral(
                              "INSERT OR REPLACE INTO settings (key, value) VALUES (?, ?)"));
                          query.addBindValue(key);
                          query.addBindValue(value);
                          if (!query.exec()) {
                              detail = query.lastError().text();
                              return false;
                          }
                          return true;
                      });
    return done || Fail(QStringLiteral("The setting could not be kept."), detail);
}

} // namespace plumcrest::store
