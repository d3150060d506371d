#include "OfferStore.h"

#include "EstimateFields.h"
#include "OfferCalculator.h"
#include "Schema.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <map>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace plumcrest::store {
namespace {

// How long reading the offers waits: the window reads, and must not freeze behind another program.
constexpr int kReadBusyTimeoutMs = 250;

// An exclusive lock on a file beside the offers, held while a damaged one is looked at again and
// moved aside, so that of several copies starting at once exactly one moves it.
class AsideLock {
public:
    explicit AsideLock(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
        if (fd_ < 0) {
            error_ = errno;
            return;
        }
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                error_ = errno;
                ::close(fd_);
                fd_ = -1;
                return;
            }
        }
    }
    ~AsideLock() {
        if (fd_ >= 0)
            ::close(fd_); // releases the lock
    }
    AsideLock(const AsideLock&) = delete;
    AsideLock& operator=(const AsideLock&) = delete;
    bool Held() const { return fd_ >= 0; }
    QString Why() const { return QString::fromLocal8Bit(std::strerror(error_)); }

private:
    int fd_ = -1;
    int error_ = 0;
};

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

// Why a statement failed, in the user's words where SQLite's code says it plainly; else SQLite's
// own text, without the driver's ("Unable to fetch row"), which says nothing to a user.
QString Reason(const QSqlError& error) {
    switch (error.nativeErrorCode().toInt() & 0xff) { // the primary code of an extended one
    case 5:                                           // SQLITE_BUSY
    case 6:                                           // SQLITE_LOCKED
        return QStringLiteral("another program is using the file of kept offers; try again "
                              "when it has finished");
    case 13: // SQLITE_FULL
        return QStringLiteral("the disk is full; make room on it and try again");
    case 8: // SQLITE_READONLY
        return QStringLiteral("the file of kept offers or its folder cannot be written to");
    case 10: // SQLITE_IOERR
        return QStringLiteral("the disk could not be written to (%1)").arg(error.databaseText());
    default:
        return error.databaseText().isEmpty() ? error.text() : error.databaseText();
    }
}

// Runs a prepared statement; its error, if any, goes to `detail`.
bool Run(QSqlQuery& query, QString* detail) {
    if (query.exec())
        return true;
    *detail = Reason(query.lastError());
    return false;
}

// Whether the statement just run changed one offer: another copy may have deleted it meanwhile.
bool ChangedOneOffer(const QSqlQuery& query, QString* detail) {
    if (query.numRowsAffected() == 1)
        return true;
    *detail = QStringLiteral("it is no longer kept");
    return false;
}

bool Exec(QSqlDatabase& db, const QString& sql, QString* error) {
    for (const QString& statement : sql.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (statement.trimmed().isEmpty())
            continue;
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            *error = Reason(query.lastError());
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
    // "The offer could not be kept." and "the disk is full" make one sentence.
    if (detail.isEmpty())
        error_ = what;
    else if (what.endsWith(QLatin1Char('.')))
        error_ = what.chopped(1) + QStringLiteral(": ") + detail + QLatin1Char('.');
    else
        error_ = what + QStringLiteral(" (") + detail + QStringLiteral(")");
    return false;
}

void OfferStore::SetWriteWait(int milliseconds) {
    writeWaitMs_ = milliseconds;
    if (open_) {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        QString ignored;
        Exec(db, QStringLiteral("PRAGMA busy_timeout = %1").arg(writeWaitMs_), &ignored);
    }
}

bool OfferStore::Open() {
    error_.clear();
    notice_.clear();
    Close();
    if (folder_.isEmpty())
        return Fail(QStringLiteral("Offers cannot be kept: there is no folder for them."), {});
    const QFileInfo folder(folder_);
    readOnly_ = false;
    const bool made = QDir().mkpath(folder_);
    // Offers kept before can still be read where nothing can be written any more.
    if (made && !QFileInfo(folder_).isWritable() && QFileInfo(Path()).isReadable())
        readOnly_ = true;
    else if (!made || !QFileInfo(folder_).isWritable())
        return Fail(QStringLiteral("Offers cannot be kept: the folder %1 cannot be written to.")
                        .arg(QDir::toNativeSeparators(folder.absoluteFilePath())),
                    {});
    damaged_ = false;
    if (!readOnly_ && !MayOpen())
        return false;
    if (readOnly_) {
        // Nothing may be moved aside or brought up to date here: the file is read as it is.
        if (OpenFile() && Migrate())
            return open_ = true;
        Close();
        return false;
    }
    if (OpenFile() && Migrate())
        return open_ = true;
    Close();
    // Only a file that is not a database this program can read is set aside: a busy or newer
    // one is left as it is. A damaged file that is gone already is being set aside by another
    // copy: under the lock it has made the fresh one.
    if (!damaged_)
        return false;
    // Another copy may be setting it aside right now: one at a time, and under the lock look
    // again, since the copy before may already have replaced it with a fresh one.
    const AsideLock lock(Path() + QStringLiteral(".lock"));
    if (!lock.Held())
        return Fail(QStringLiteral("The kept offers in %1 could not be read, and the file could "
                                   "not be moved aside.")
                        .arg(QDir::toNativeSeparators(Path())),
                    lock.Why());
    damaged_ = false;
    if (OpenFile() && Migrate())
        return open_ = true;
    Close();
    if (!damaged_ || !QFileInfo::exists(Path()) || !MoveAside(error_))
        return false;
    if (OpenFile() && Migrate())
        return open_ = true;
    Close();
    return false;
}

bool OfferStore::MayOpen() {
    // SQLite reports a file it may not open much as a damaged one; asked first, a permission
    // problem is told as such and the file is never moved aside for it.
    const QByteArray path = QFile::encodeName(Path());
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    const int error = errno;
    if (error != EACCES && error != EPERM && error != EROFS)
        return true; // missing (made anew) or something SQLite reports itself
    // A file that may be read but not written is shown for reading.
    const int readable = ::open(path.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (readable >= 0) {
        ::close(readable);
        readOnly_ = true;
        return true;
    }
    QString why = QString::fromLocal8Bit(std::strerror(error));
    struct stat status {};
    if (::stat(path.constData(), &status) == 0 && status.st_uid != ::geteuid())
        why += QStringLiteral("; it belongs to another user");
    return Fail(QStringLiteral("The kept offers in %1 cannot be opened; the file is left as it is.")
                    .arg(QDir::toNativeSeparators(Path())),
                why);
}

bool OfferStore::OpenFile() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    if (!db.isValid())
        return Fail(QStringLiteral("Offers cannot be kept: the SQLite driver for Qt is missing."),
                    {});
    db.setDatabaseName(Path());
    db.setConnectOptions(
        QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1%2")
            .arg(writeWaitMs_)
            .arg(readOnly_ ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
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
    // One writer brings the schema up to date; another copy waits and then finds it done. A file
    // that cannot be written is only read.
    if (!Exec(db, readOnly_ ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"), &detail))
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
    if (!MatchesSteps(version, &detail)) {
        QString ignored;
        Exec(db, QStringLiteral("ROLLBACK"), &ignored);
        damaged_ = true;
        return Fail(QStringLiteral("The kept offers could not be read."), detail);
    }
    if (readOnly_ && version < latest) {
        Exec(db, QStringLiteral("ROLLBACK"), &detail);
        error_ = QStringLiteral("The kept offers in %1 were written by an earlier Plumcrest and "
                                "cannot be brought up to date, since they cannot be written to; "
                                "they are left as they are.")
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

bool OfferStore::MatchesSteps(int version, QString* detail) {
    // The tables and columns the steps up to `version` make, as an empty database shows them.
    std::map<QString, QStringList> expected;
    const QString name = connection_ + QStringLiteral("-steps");
    {
        QSqlDatabase steps = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        steps.setDatabaseName(QStringLiteral(":memory:"));
        QString ignored;
        bool made = steps.open();
        for (int i = 0; made && i < version; ++i)
            made = Exec(steps, steps_[static_cast<std::size_t>(i)], &ignored);
        for (const QString& table : made ? steps.tables() : QStringList()) {
            const QSqlRecord columns = steps.record(table);
            for (int c = 0; c < columns.count(); ++c)
                expected[table] << columns.fieldName(c);
        }
        steps.close();
    }
    QSqlDatabase::removeDatabase(name);
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    const QStringList tables = db.tables();
    for (const auto& [table, columns] : expected) {
        const QSqlRecord found = tables.contains(table) ? db.record(table) : QSqlRecord();
        for (const QString& column : columns) {
            if (!found.contains(column)) {
                *detail = QStringLiteral("the file says it is version %1, but its table %2 has no "
                                         "column %3")
                              .arg(version)
                              .arg(table, column);
                return false;
            }
        }
    }
    return true;
}

bool OfferStore::MoveAside(const QString& why) {
    // Called under the lock Open() takes, so no other copy moves these files meanwhile.
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside =
        folder_ + QStringLiteral("/offers-damaged-") + stamp + QStringLiteral(".sqlite");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = folder_ + QStringLiteral("/offers-damaged-%1-%2.sqlite").arg(stamp).arg(n);
    const auto rename = [this](const QString& from, const QString& to) {
        return renameFile_ ? renameFile_(from, to) : QFile::rename(from, to);
    };
    // Its journal belongs to it, and goes first: once the file is gone another copy may start a
    // fresh one with a journal of its own. All move, or none: a file without its journal, or a
    // journal beside a fresh file, would be read wrong.
    std::vector<std::pair<QString, QString>> moves;
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        if (QFileInfo::exists(Path() + QLatin1String(suffix)))
            moves.emplace_back(Path() + QLatin1String(suffix), aside + QLatin1String(suffix));
    moves.emplace_back(Path(), aside);
    for (std::size_t done = 0; done < moves.size(); ++done) {
        if (rename(moves[done].first, moves[done].second))
            continue;
        QString detail = why;
        while (done-- > 0)
            if (!rename(moves[done].second, moves[done].first))
                detail += QStringLiteral("; %1 stays at %2")
                              .arg(QDir::toNativeSeparators(moves[done].first),
                                   QDir::toNativeSeparators(moves[done].second));
        return Fail(QStringLiteral("The kept offers in %1 could not be read, and the file could "
                                   "not be moved aside.")
                        .arg(QDir::toNativeSeparators(Path())),
                    detail);
    }
    notice_ = QStringLiteral("The kept offers could not be read (%1). The file was moved to %2 and "
                             "a new, empty one was started.")
                  .arg(why, QDir::toNativeSeparators(aside));
    error_.clear();
    return true;
}

namespace {

constexpr int kLongestStoredWord = 20; // a choice's stored word
constexpr int kEstimateStep = 3;       // the step that brought the offers' Loan Estimates

// The calculator's record, column by column as the first schema step named them: its page's
// eighteen fields by their keys. Only offers kept before there were estimates are read from it;
// it is written for every offer as the calculator would show it.
struct Range {
    double low;
    double high;
};
Range RangeOf(const LoanField& field) {
    if (field.mask == MaskKind::Years)
        return {1, 999};
    const double high = field.mask == MaskKind::Money ? kMaxMoney : kMaxRate;
    // Results may fall below zero.
    return {field.IsInput() ? 0 : -high, high};
}

QString Quoted(std::string_view column) {
    return QLatin1Char('"') + QLatin1String(column.data(), static_cast<qsizetype>(column.size())) +
           QLatin1Char('"');
}

// A day (from 1970-01-01) as "YYYY-MM-DD" and back; only that exact form is read.
QString DayText(double days) {
    const QDate epoch(1970, 1, 1);
    return epoch.addDays(static_cast<qint64>(days)).toString(Qt::ISODate);
}

std::optional<double> DayOfText(const QVariant& value) {
    if (value.metaType().id() != QMetaType::QString)
        return std::nullopt;
    const QString text = value.toString();
    const QDate day = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (text.size() != 10 || !day.isValid())
        return std::nullopt;
    return static_cast<double>(QDate(1970, 1, 1).daysTo(day));
}

// One column of a row and the value written to it.
using ColumnValue = std::pair<QString, QVariant>;

// Every column of an offer's row but the id, named, with what is written there.
std::vector<ColumnValue> RowOf(const KeptOffer& offer) {
    std::vector<ColumnValue> row{{QStringLiteral("name"), offer.name},
                                 {QStringLiteral("kept_at"), TimeText(offer.keptAt)}};
    const LoanEstimate& estimate = offer.estimate;
    const LoanInputs inputs = CalculatorInputsOf(estimate);
    LoanResults results = CalculatorResultsOf(estimate).value_or(LoanResults{});
    results.Loan = estimate.loanAmount;
    results.DownPayment = estimate.price - estimate.loanAmount;
    for (const LoanField& field : kLoanPageFields) {
        const Range range = RangeOf(field);
        const double value = field.IsInput() ? inputs.*field.member : results.*field.result;
        row.emplace_back(Quoted(field.key),
                         std::isfinite(value) ? std::clamp(value, range.low, range.high) : 0.0);
    }
    for (const EstimateField& field : kEstimateFields) {
        const std::optional<double> value = FigureValue(field, estimate);
        QVariant stored;
        if (field.kind == FigureKind::Choice)
            stored = QString::fromLatin1(ChoiceStored(field, static_cast<int>(value.value_or(0))));
        else if (field.kind == FigureKind::Date)
            stored = value ? QVariant(DayText(*value)) : QVariant(QMetaType::fromType<QString>());
        else if (field.kind == FigureKind::Months)
            stored =
                value ? QVariant(static_cast<int>(*value)) : QVariant(QMetaType::fromType<int>());
        else
            stored = value ? QVariant(*value) : QVariant(QMetaType::fromType<double>());
        row.emplace_back(Quoted(field.column), stored);
    }
    // The Loan Terms a Closing Disclosure is checked against.
    row.emplace_back(QStringLiteral("loan_product"),
                     estimate.product.empty() ? QVariant(QMetaType::fromType<QString>())
                                              : QVariant(QString::fromStdString(estimate.product)));
    row.emplace_back(QStringLiteral("prepayment_penalty"),
                     estimate.prepaymentPenalty ? QVariant(*estimate.prepaymentPenalty ? 1 : 0)
                                                : QVariant(QMetaType::fromType<int>()));
    return row;
}

QStringList ColumnsOf(const std::vector<ColumnValue>& row) {
    QStringList columns;
    for (const auto& [column, value] : row)
        columns << column;
    return columns;
}

// What is read of an offer's row: its id, name and time, texts length-limited in SQL so a huge one
// never reaches memory whole (one character beyond the longest allowed shows it is too long), and
// every figure's column under its own name.
QString SelectColumns() {
    QStringList columns{QStringLiteral("id"),
                        QStringLiteral("substr(name, 1, %1) AS name").arg(kMaxOfferName + 1),
                        QStringLiteral("substr(kept_at, 1, 41) AS kept_at")};
    for (const LoanField& field : kLoanPageFields)
        columns << Quoted(field.key);
    for (const EstimateField& field : kEstimateFields)
        columns << (field.kind == FigureKind::Choice ? QStringLiteral("substr(%1, 1, %2) AS %1")
                                                           .arg(Quoted(field.column))
                                                           .arg(kLongestStoredWord + 1)
                    : field.kind == FigureKind::Date
                        ? QStringLiteral("substr(%1, 1, 11) AS %1").arg(Quoted(field.column))
                        : Quoted(field.column));
    columns
        << QStringLiteral("substr(loan_product, 1, %1) AS loan_product").arg(kMaxProductName + 1)
        << QStringLiteral("prepayment_penalty")
        << QStringLiteral("EXISTS (SELECT 1 FROM closing_checks WHERE offer_id = offers.id) "
                          "AS closing_checked");
    return columns.join(QStringLiteral(", "));
}

// A figure as typed input could have given it: a number, finite, within its range.
std::optional<double> FigureOf(const QVariant& value, Range range) {
    const int type = value.metaType().id();
    if (value.isNull() ||
        (type != QMetaType::Double && type != QMetaType::LongLong && type != QMetaType::Int))
        return std::nullopt;
    const double figure = value.toDouble();
    if (!std::isfinite(figure) || figure < range.low || figure > range.high)
        return std::nullopt;
    return figure;
}

// One figure of the estimate from its column. False when it is not one this program could have
// written.
bool ReadFigure(const EstimateField& field, const QVariant& value, LoanEstimate& estimate) {
    // Offers kept before a figure's column came have none there: the record's default stands.
    if (value.isNull())
        return field.optional || field.IsAdjustable() || field.schemaStep > kEstimateStep;
    std::optional<double> figure;
    if (field.kind == FigureKind::Choice) {
        const auto choice = ChoiceOfStored(field, value.toString().toStdString());
        if (!choice)
            return false;
        figure = *choice;
    } else if (field.kind == FigureKind::Date) {
        figure = DayOfText(value);
        if (!figure || !FigureAllows(field, *figure))
            return false;
    } else {
        figure = FigureOf(value, {field.Limits().low, field.Limits().high});
        if (!figure || !FigureAllows(field, *figure))
            return false;
    }
    SetFigureValue(field, estimate, figure);
    return true;
}

// One row of the offers table, read by column name. False when a text or figure is not one this
// program could have written; the id is read first, to name the row.
bool ReadOffer(const QSqlQuery& query, KeptOffer& offer) {
    offer.id = query.value(QStringLiteral("id")).toLongLong();
    offer.name = query.value(QStringLiteral("name")).toString();
    if (offer.name.trimmed().isEmpty())
        return false;
    offer.keptAt =
        QDateTime::fromString(query.value(QStringLiteral("kept_at")).toString(), Qt::ISODateWithMs);
    if (!offer.keptAt.isValid())
        return false;
    const auto value = [&](std::string_view column) {
        return query.value(QLatin1String(column.data(), static_cast<qsizetype>(column.size())));
    };
    // Offers kept before they had a Loan Estimate of their own have only the calculator's record
    // (and what came with it before the estimate: the disclosed APR).
    const bool fromCalculator = value(EstimateFieldOf("loanType").column).isNull();
    LoanEstimate estimate;
    if (fromCalculator) {
        LoanInputs inputs;
        LoanResults results;
        for (const LoanField& field : kLoanPageFields) {
            const auto figure = FigureOf(value(field.key), RangeOf(field));
            if (!figure)
                return false;
            if (field.IsInput())
                inputs.*field.member = *figure;
            else
                results.*field.result = *figure;
        }
        estimate = EstimateFromCalculator(inputs, results);
    }
    int adjustableGiven = 0;
    int adjustableFields = 0;
    for (const EstimateField& field : kEstimateFields) {
        if (fromCalculator && field.schemaStep > 2)
            continue;
        const QVariant stored = value(field.column);
        if (!ReadFigure(field, stored, estimate))
            return false;
        if (field.IsAdjustable()) {
            ++adjustableFields;
            adjustableGiven += stored.isNull() ? 0 : 1;
        }
    }
    // The adjustable rate's figures are all given or all empty (a fixed rate).
    if (adjustableGiven != 0 && adjustableGiven != adjustableFields)
        return false;
    // Kept before there were Loan Terms to keep: not known.
    const QVariant product = value("loan_product");
    if (!product.isNull()) {
        const QString text = product.toString();
        if (text.size() > kMaxProductName || text.trimmed().isEmpty())
            return false;
        estimate.product = text.toStdString();
    }
    const QVariant penalty = value("prepayment_penalty");
    if (!penalty.isNull()) {
        if (penalty.metaType().id() != QMetaType::LongLong &&
            penalty.metaType().id() != QMetaType::Int)
            return false;
        if (penalty.toLongLong() != 0 && penalty.toLongLong() != 1)
            return false;
        estimate.prepaymentPenalty = penalty.toLongLong() == 1;
    }
    offer.closingChecked = value("closing_checked").toInt() == 1;
    offer.estimate = std::move(estimate);
    return true;
}

// What an offer kept beyond the limits (by an earlier version) holds that is not shown.
struct CutShort {
    int lines = 0;        // its closing cost lines, all of them
    int linesLeftOut = 0; // of those, beyond the most shown
    int labelsCut = 0;
    bool nameCut = false;
    bool Any() const { return linesLeftOut > 0 || labelsCut > 0 || nameCut; }
};

// `text` cut to `limit` code units, never between the two halves of a surrogate pair.
QString CutTo(const QString& text, int limit) {
    qsizetype size = std::min<qsizetype>(text.size(), limit);
    if (size > 0 && size < text.size() && text.at(size - 1).isHighSurrogate())
        --size;
    return text.left(size);
}

// The cost items of the offers that have a Loan Estimate (of the offer `only`, when given). An
// offer with an item that is not one this program could have written gets its id in
// `unreadable`; one kept with more lines or longer labels than the limits allow is read cut to
// them, and what was cut is counted in `cut`. Only the lines shown are read: the others are
// counted through the table's index, so a file holding a million lines opens as fast as one
// holding the lines shown.
bool ReadCosts(QSqlDatabase& db, std::vector<KeptOffer>& offers, std::set<qint64>& unreadable,
               std::map<qint64, CutShort>& cut, QSqlError* error,
               std::optional<qint64> only = std::nullopt) {
    QSqlQuery counts(db);
    counts.setForwardOnly(true);
    counts.prepare(QStringLiteral("SELECT offer_id, count(*) FROM offer_costs%1 GROUP BY offer_id")
                       .arg(only ? QStringLiteral(" WHERE offer_id = ?") : QString()));
    if (only)
        counts.addBindValue(*only);
    if (!counts.exec()) {
        *error = counts.lastError();
        return false;
    }
    std::map<qint64, KeptOffer*> byId;
    for (KeptOffer& offer : offers)
        byId[offer.id] = &offer;
    std::vector<std::pair<KeptOffer*, qint64>> withLines;
    while (counts.next()) {
        const auto found = byId.find(counts.value(0).toLongLong());
        if (found != byId.end())
            withLines.emplace_back(found->second, counts.value(1).toLongLong());
    }
    if (counts.lastError().isValid()) {
        *error = counts.lastError();
        return false;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT substr(section, 1, 2), substr(label, 1, %1), amount, "
                                 "finance_charge FROM offer_costs WHERE offer_id = ? ORDER BY "
                                 "position LIMIT %2")
                      .arg(kMaxCostLabel + 1)
                      .arg(kMaxCostItems));
    for (const auto& [offer, lines] : withLines) {
        query.addBindValue(offer->id);
        if (!query.exec()) {
            *error = query.lastError();
            return false;
        }
        std::vector<CostItem>& costs = offer->estimate.costs;
        CutShort& lost = cut[offer->id];
        lost.lines = static_cast<int>(std::min<qint64>(lines, std::numeric_limits<int>::max()));
        lost.linesLeftOut = std::max(0, lost.lines - kMaxCostItems);
        while (query.next()) {
            const auto section = SectionFromLetter(query.value(0).toString().toStdString());
            const QString label = query.value(1).toString();
            const auto amount = FigureOf(query.value(2), {0, kMaxMoney});
            if (!section || !amount) {
                unreadable.insert(offer->id);
                costs.clear();
                break;
            }
            if (label.size() > kMaxCostLabel)
                ++lost.labelsCut;
            costs.push_back({*section, CutTo(label, kMaxCostLabel).toStdString(), *amount,
                             query.value(3).toInt() != 0});
        }
        if (query.lastError().isValid()) {
            *error = query.lastError();
            return false;
        }
        query.finish();
    }
    return true;
}

bool WriteCosts(QSqlDatabase& db, const KeptOffer& offer, QString* error) {
    QSqlQuery erase(db);
    erase.prepare(QStringLiteral("DELETE FROM offer_costs WHERE offer_id = ?"));
    erase.addBindValue(offer.id);
    if (!Run(erase, error))
        return false;
    int position = 0;
    for (const CostItem& item : offer.estimate.costs) {
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
        if (!Run(insert, error))
            return false;
    }
    return true;
}

} // namespace

QString OfferStore::ReadOnlyNotice() const {
    return QStringLiteral("The kept offers in %1 cannot be written to: they are shown for reading "
                          "only, and no offer can be kept, changed or deleted until the file and "
                          "its folder can be written again.")
        .arg(QDir::toNativeSeparators(Path()));
}

int OfferStore::SchemaVersion() const {
    return static_cast<int>(steps_.size());
}

std::vector<KeptOffer> OfferStore::All() {
    readFailed_ = true;
    busy_ = false;
    if (!open_)
        return {};
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString ignored;
    // The window reads: a file another program holds is told at once, not after the long wait a
    // change makes.
    Exec(db, QStringLiteral("PRAGMA busy_timeout = %1").arg(kReadBusyTimeoutMs), &ignored);
    std::vector<KeptOffer> offers;
    std::set<qint64> unreadable;
    std::map<qint64, CutShort> cut;
    QSqlError error;
    bool read = false;
    {
        // One read transaction, so the offers and their items are of the same moment.
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (query.exec(QStringLiteral("BEGIN")) &&
            query.exec(QStringLiteral("SELECT %1 FROM offers ORDER BY kept_at DESC, id DESC")
                           .arg(SelectColumns()))) {
            while (query.next()) {
                KeptOffer offer;
                if (!ReadOffer(query, offer)) {
                    unreadable.insert(offer.id);
                    continue;
                }
                if (offer.name.size() > kMaxOfferName) {
                    offer.name = CutTo(offer.name, kMaxOfferName);
                    cut[offer.id].nameCut = true;
                }
                offers.push_back(std::move(offer));
            }
            read = !query.lastError().isValid() && ReadCosts(db, offers, unreadable, cut, &error);
        }
        if (query.lastError().isValid())
            error = query.lastError();
    }
    Exec(db, QStringLiteral("ROLLBACK"), &ignored);
    Exec(db, QStringLiteral("PRAGMA busy_timeout = %1").arg(writeWaitMs_), &ignored);
    if (!read) {
        busy_ = IsBusy(error);
        Fail(busy_ ? QStringLiteral("The kept offers could not be read: another program is using "
                                    "the file.")
                   : QStringLiteral("The kept offers could not be read."),
             busy_ ? QString() : Reason(error));
        return {};
    }
    readFailed_ = false;
    notice_ = readOnly_ ? ReadOnlyNotice() : QString();
    if (!unreadable.empty()) {
        if (!notice_.isEmpty())
            notice_ += QLatin1Char(' ');
        std::erase_if(offers, [&](const KeptOffer& offer) { return unreadable.count(offer.id); });
        QStringList ids;
        for (const qint64 id : unreadable)
            ids << QString::number(id);
        notice_ +=
            QStringLiteral("%1 of the kept offers could not be read and are not shown (number "
                           "%2); the file is left as it is.")
                .arg(unreadable.size())
                .arg(ids.join(QStringLiteral(", ")));
    }
    for (const KeptOffer& offer : offers) {
        const auto found = cut.find(offer.id);
        if (found == cut.end() || !found->second.Any())
            continue;
        const CutShort& lost = found->second;
        QStringList what;
        if (lost.linesLeftOut > 0)
            what << QStringLiteral("only the first %1 of its %2 closing cost lines are shown")
                        .arg(kMaxCostItems)
                        .arg(lost.lines);
        if (lost.labelsCut > 0)
            what << QStringLiteral("cost labels cut to %1 characters: %2")
                        .arg(kMaxCostLabel)
                        .arg(lost.labelsCut);
        if (lost.nameCut)
            what << QStringLiteral("its name is cut to %1 characters").arg(kMaxOfferName);
        if (!notice_.isEmpty())
            notice_ += QLatin1Char(' ');
        notice_ += QStringLiteral("Offer number %1 (\"%2\") holds more than can be shown: %3. The "
                                  "file keeps the rest until the offer is changed.")
                       .arg(offer.id)
                       .arg(offer.name, what.join(QStringLiteral("; ")));
    }
    return offers;
}

namespace {

// Why the offer cannot be kept as it is, in words for the user: what reading it back would cut
// short. Empty when it can be kept.
QString NameBeyondLimits(const QString& name) {
    if (name.trimmed().isEmpty())
        return QStringLiteral("it has no name");
    if (name.size() > kMaxOfferName)
        return QStringLiteral("its name is longer than %1 characters").arg(kMaxOfferName);
    return {};
}

QString BeyondLimits(const KeptOffer& offer) {
    if (QString why = NameBeyondLimits(offer.name); !why.isEmpty())
        return why;
    const std::vector<CostItem>& costs = offer.estimate.costs;
    if (costs.size() > static_cast<std::size_t>(kMaxCostItems))
        return QStringLiteral("it has %1 closing cost lines; at most %2 can be kept")
            .arg(costs.size())
            .arg(kMaxCostItems);
    if (QString::fromStdString(offer.estimate.product).size() > kMaxProductName)
        return QStringLiteral("its product is named in more than %1 characters")
            .arg(kMaxProductName);
    for (std::size_t i = 0; i < costs.size(); ++i)
        if (QString::fromStdString(costs[i].label).size() > kMaxCostLabel)
            return QStringLiteral("the label of its closing cost line %1 is longer than %2 "
                                  "characters")
                .arg(i + 1)
                .arg(kMaxCostLabel);
    return {};
}

// Whether the offer of `id`, as just written, reads back whole: a figure no field could give,
// or anything else a later reading would hide, is not kept.
bool ReadsBack(QSqlDatabase& db, qint64 id, QString* detail) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM offers WHERE id = ?").arg(SelectColumns()));
    query.addBindValue(id);
    if (!Run(query, detail))
        return false;
    std::vector<KeptOffer> offers(1);
    std::set<qint64> unreadable;
    std::map<qint64, CutShort> cut;
    QSqlError error;
    const bool row = query.next() && ReadOffer(query, offers[0]);
    query.finish();
    if (row && !ReadCosts(db, offers, unreadable, cut, &error, id)) {
        *detail = error.text();
        return false;
    }
    if (!row || !unreadable.empty() || offers[0].name.size() > kMaxOfferName || cut[id].Any()) {
        *detail = QStringLiteral("one of its figures is beyond what the fields take, so it could "
                                 "not be read back");
        return false;
    }
    return true;
}

bool Insert(QSqlDatabase& db, KeptOffer& offer, bool withId, QString* error) {
    std::vector<ColumnValue> row = RowOf(offer);
    if (withId)
        row.emplace_back(QStringLiteral("id"), offer.id);
    QStringList marks;
    for (std::size_t i = 0; i < row.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("INSERT INTO offers (%1) VALUES (%2)")
            .arg(ColumnsOf(row).join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    // Each value beside its own column.
    for (const auto& [column, value] : row)
        query.addBindValue(value);
    if (!Run(query, error))
        return false;
    if (!withId) {
        QSqlQuery last(db);
        if (!last.exec(QStringLiteral("SELECT last_insert_rowid()")) || !last.next()) {
            *error = last.lastError().text();
            return false;
        }
        offer.id = last.value(0).toLongLong();
    }
    return WriteCosts(db, offer, error) && ReadsBack(db, offer.id, error);
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
    if (const QString why = BeyondLimits(offer); !why.isEmpty())
        return Fail(QStringLiteral("The offer could not be kept."), why);
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
    if (const QString why = BeyondLimits(offer); !why.isEmpty())
        return Fail(QStringLiteral("The offer could not be changed."), why);
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString detail;
    const bool done = open_ && InTransaction(db, &detail, [&] {
                          const std::vector<ColumnValue> row = RowOf(offer);
                          QStringList sets;
                          for (const auto& [column, value] : row)
                              sets << column + QStringLiteral(" = ?");
                          QSqlQuery query(db);
                          query.prepare(QStringLiteral("UPDATE offers SET %1 WHERE id = ?")
                                            .arg(sets.join(QStringLiteral(", "))));
                          for (const auto& [column, value] : row)
                              query.addBindValue(value);
                          query.addBindValue(offer.id);
                          if (!Run(query, &detail))
                              return false;
                          if (!ChangedOneOffer(query, &detail))
                              return false;
                          return WriteCosts(db, offer, &detail) && ReadsBack(db, offer.id, &detail);
                      });
    return done || Fail(QStringLiteral("The offer could not be changed."), detail);
}

bool OfferStore::Rename(qint64 id, const QString& name) {
    if (const QString why = NameBeyondLimits(name); !why.isEmpty())
        return Fail(QStringLiteral("The offer could not be renamed."), why);
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString detail;
    const bool done = open_ && InTransaction(db, &detail, [&] {
                          QSqlQuery query(db);
                          query.prepare(QStringLiteral("UPDATE offers SET name = ? WHERE id = ?"));
                          query.addBindValue(name);
                          query.addBindValue(id);
                          if (!Run(query, &detail))
                              return false;
                          if (!ChangedOneOffer(query, &detail))
                              return false;
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
            if (!Run(query, &detail))
                return false;
            // SQLite counts the changes of the connection's last statement: asked before the next.
            if (!ChangedOneOffer(query, &detail))
                return false;
            if (!Run(costs, &detail))
                return false;
            return true;
        });
    return done || Fail(QStringLiteral("The offer could not be deleted."), detail);
}

bool OfferStore::Restore(const KeptOffer& offer) {
    if (const QString why = BeyondLimits(offer); !why.isEmpty())
        return Fail(QStringLiteral("The offer could not be put back."), why);
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString detail;
    const bool done = open_ && InTransaction(db, &detail, [&] {
                          KeptOffer restored = offer;
                          return Insert(db, restored, true, &detail);
                      });
    return done || Fail(QStringLiteral("The offer could not be put back."), detail);
}

std::optional<KeptCheck> OfferStore::Check(qint64 offerId) {
    if (!open_)
        return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Lengths first, so a check grown beyond what is kept never reaches memory whole.
    query.prepare(QStringLiteral("SELECT checked_at, substr(file_name, 1, %1), length(reading), "
                                 "length(choices) FROM closing_checks WHERE offer_id = ?")
                      .arg(kMaxCheckFileName + 1));
    query.addBindValue(offerId);
    if (!query.exec()) {
        Fail(QStringLiteral("The kept Closing Disclosure check could not be read."),
             Reason(query.lastError()));
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    KeptCheck check;
    check.offerId = offerId;
    check.checkedAt = QDateTime::fromString(query.value(0).toString(), Qt::ISODateWithMs);
    check.fileName = query.value(1).toString();
    const qint64 readingSize = query.value(2).toLongLong();
    const qint64 choicesSize = query.value(3).toLongLong();
    query.finish();
    if (!check.checkedAt.isValid() || check.fileName.size() > kMaxCheckFileName ||
        readingSize > kMaxCheckReading || choicesSize > kMaxCheckChoices) {
        Fail(QStringLiteral("The kept Closing Disclosure check could not be read."),
             QStringLiteral("it is not one this program wrote; the file is left as it is"));
        return std::nullopt;
    }
    QSqlQuery texts(db);
    texts.setForwardOnly(true);
    texts.prepare(QStringLiteral("SELECT reading, choices FROM closing_checks WHERE offer_id = ?"));
    texts.addBindValue(offerId);
    if (!texts.exec() || !texts.next()) {
        Fail(QStringLiteral("The kept Closing Disclosure check could not be read."),
             Reason(texts.lastError()));
        return std::nullopt;
    }
    check.reading = texts.value(0).toString().toUtf8();
    check.choices = texts.value(1).toString().toUtf8();
    return check;
}

bool OfferStore::KeepCheck(const KeptCheck& check) {
    const auto refuse = [this](const QString& why) {
        return Fail(QStringLiteral("The Closing Disclosure check could not be kept."), why);
    };
    if (check.fileName.size() > kMaxCheckFileName)
        return refuse(
            QStringLiteral("its file name is longer than %1 characters").arg(kMaxCheckFileName));
    if (check.reading.isEmpty() || check.reading.size() > kMaxCheckReading ||
        check.choices.size() > kMaxCheckChoices)
        return refuse(QStringLiteral("its reading is empty or larger than can be kept"));
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString detail;
    const QDateTime at =
        check.checkedAt.isValid() ? check.checkedAt : QDateTime::currentDateTimeUtc();
    const bool done =
        open_ && InTransaction(db, &detail, [&] {
            // Only for an offer still kept: another copy may have deleted it meanwhile.
            QSqlQuery query(db);
            query.prepare(QStringLiteral(
                "INSERT OR REPLACE INTO closing_checks (offer_id, checked_at, file_name, reading, "
                "choices) SELECT id, ?, ?, ?, ? FROM offers WHERE id = ?"));
            query.addBindValue(TimeText(at));
            query.addBindValue(check.fileName);
            query.addBindValue(QString::fromUtf8(check.reading));
            query.addBindValue(QString::fromUtf8(check.choices));
            query.addBindValue(check.offerId);
            return Run(query, &detail) && ChangedOneOffer(query, &detail);
        });
    return done || refuse(detail);
}

std::optional<QString> OfferStore::Setting(const QString& key) {
    if (!open_)
        return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    // One character beyond the longest allowed shows a value no version keeps: it is not used.
    query.prepare(QStringLiteral("SELECT substr(value, 1, %1) FROM settings WHERE key = ?")
                      .arg(kMaxSettingValue + 1));
    query.addBindValue(key);
    if (!query.exec() || !query.next())
        return std::nullopt;
    QString value = query.value(0).toString();
    if (value.size() > kMaxSettingValue)
        return std::nullopt;
    return value;
}

bool OfferStore::SetSetting(const QString& key, const QString& value) {
    if (key.isEmpty() || key.size() > kMaxSettingKey)
        return Fail(QStringLiteral("The setting could not be kept."),
                    QStringLiteral("its name must have 1 to %1 characters").arg(kMaxSettingKey));
    if (value.size() > kMaxSettingValue)
        return Fail(QStringLiteral("The setting could not be kept."),
                    QStringLiteral("it is longer than %1 characters").arg(kMaxSettingValue));
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QString detail;
    const bool done = open_ && InTransaction(db, &detail, [&] {
                          QSqlQuery query(db);
                          query.prepare(QStringLiteral(
                              "INSERT OR REPLACE INTO settings (key, value) VALUES (?, ?)"));
                          query.addBindValue(key);
                          query.addBindValue(value);
                          if (!Run(query, &detail))
                              return false;
                          return true;
                      });
    return done || Fail(QStringLiteral("The setting could not be kept."), detail);
}

} // namespace plumcrest::store
