#include "OfferStore.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <utility>

namespace plumcrest::store {
namespace {

// How long a change waits for another running copy that is writing, in milliseconds.
constexpr int kBusyTimeoutMs = 10000;

QStringList FigureColumns() {
    QStringList columns;
    for (const auto& field : kLoanInputFields)
        columns << QString::fromLatin1(field.key);
    for (const auto& result : kLoanResultFields)
        columns << QString::fromLatin1(result.key);
    return columns;
}

// Each step takes the schema from the version before it to its own number (index + 1).
QStringList MigrationSteps() {
    QStringList figures;
    for (const QString& column : FigureColumns())
        figures << QStringLiteral("\"%1\" REAL NOT NULL").arg(column);
    return {
        // 1: the offers with their inputs, results and time.
        QStringLiteral("CREATE TABLE offers (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "name TEXT NOT NULL, kept_at TEXT NOT NULL, %1)")
            .arg(figures.join(QStringLiteral(", "))),
        // 2: the APR the lender disclosed, when the user gave it; newest-first listing.
        QStringLiteral("ALTER TABLE offers ADD COLUMN disclosed_apr REAL; "
                       "CREATE INDEX offers_by_time ON offers (kept_at)"),
    };
}

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

OfferStore::OfferStore(QString folder)
    : folder_(std::move(folder)), connection_(NewConnectionName()) {}

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
    if (version > kSchemaVersion) {
        Exec(db, QStringLiteral("ROLLBACK"), &detail);
        error_ = QStringLiteral("The kept offers in %1 were written by a newer Plumcrest; they are "
                                "left as they are.")
                     .arg(QDir::toNativeSeparators(Path()));
        return false;
    }
    const QStringList steps = MigrationSteps();
    for (int next = version + 1; next <= kSchemaVersion; ++next) {
        if (!Exec(db, steps[next - 1], &detail) ||
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

std::vector<KeptOffer> OfferStore::All() {
    std::vector<KeptOffer> offers;
    if (!open_)
        return offers;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    const QStringList figures = FigureColumns();
    QStringList quoted;
    for (const QString& column : figures)
        quoted << QLatin1Char('"') + column + QLatin1Char('"');
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, name, kept_at, disclosed_apr, %1 FROM offers "
                                   "ORDER BY kept_at DESC, id DESC")
                        .arg(quoted.join(QStringLiteral(", "))))) {
        Fail(QStringLiteral("The kept offers could not be read."), query.lastError().text());
        return offers;
    }
    while (query.next()) {
        KeptOffer offer;
        offer.id = query.value(0).toLongLong();
        offer.name = query.value(1).toString();
        offer.keptAt = QDateTime::fromString(query.value(2).toString(), Qt::ISODateWithMs);
        if (!query.value(3).isNull())
            offer.disclosedApr = query.value(3).toDouble();
        int column = 4;
        for (const auto& field : kLoanInputFields)
            offer.inputs.*field.member = query.value(column++).toDouble();
        for (const auto& result : kLoanResultFields)
            offer.results.*result.result = query.value(column++).toDouble();
        offers.push_back(std::move(offer));
    }
    return offers;
}

namespace {

bool Insert(QSqlDatabase& db, const KeptOffer& offer, bool withId, QString* error) {
    const QStringList figures = FigureColumns();
    QStringList columns{QStringLiteral("name"), QStringLiteral("kept_at"),
                        QStringLiteral("disclosed_apr")};
    for (const QString& column : figures)
        columns << QLatin1Char('"') + column + QLatin1Char('"');
    if (withId)
        columns << QStringLiteral("id");
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO offers (%1) VALUES (%2)")
                      .arg(columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    query.addBindValue(offer.name);
    query.addBindValue(TimeText(offer.keptAt));
    query.addBindValue(offer.disclosedApr ? QVariant(*offer.disclosedApr)
                                          : QVariant(QMetaType::fromType<double>()));
    for (const auto& field : kLoanInputFields)
        query.addBindValue(offer.inputs.*field.member);
    for (const auto& result : kLoanResultFields)
        query.addBindValue(offer.results.*result.result);
    if (withId)
        query.addBindValue(offer.id);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    return true;
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
    qint64 id = 0;
    const bool done = InTransaction(db, &detail, [&] {
        if (!Insert(db, offer, false, &detail))
            return false;
        QSqlQuery last(db);
        if (!last.exec(QStringLiteral("SELECT last_insert_rowid()")) || !last.next())
            return false;
        id = last.value(0).toLongLong();
        return true;
    });
    if (!done)
        return Fail(QStringLiteral("The offer could not be kept."), detail);
    offer.id = id;
    return true;
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
    const bool done = open_ && InTransaction(db, &detail, [&] {
                          QSqlQuery query(db);
                          query.prepare(QStringLiteral("DELETE FROM offers WHERE id = ?"));
                          query.addBindValue(id);
                          if (!query.exec()) {
                              detail = query.lastError().text();
                              return false;
                          }
                          return true;
                      });
    return done || Fail(QStringLiteral("The offer could not be deleted."), detail);
}

bool OfferStore::Restore(const KeptOffer& offer) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString detail;
    const bool done =
        open_ && InTransaction(db, &detail, [&] { return Insert(db, offer, true, &detail); });
    return done || Fail(QStringLiteral("The offer could not be put back."), detail);
}

} // namespace plumcrest::store
