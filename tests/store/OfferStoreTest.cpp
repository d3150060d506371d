#include "OfferStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>
#include <thread>
#include <unistd.h>

namespace plumcrest::store {
namespace {

// Every figure different and non-zero, so a swapped or dropped column shows.
KeptOffer SampleOffer(const QString& name, double shift = 0) {
    KeptOffer offer;
    offer.name = name;
    double value = 101.25 + shift;
    for (const auto& field : kLoanInputFields)
        offer.inputs.*field.member = (value += 17.5);
    offer.results.DownPayment = 12000.5 + shift;
    offer.results.Loan = 108000.25 + shift;
    offer.results.Payment = 700.4859442936724 + shift;
    offer.results.FixedFees = 3500.75 + shift;
    offer.results.APR = 7.0746200766648 + shift;
    return offer;
}

void ExpectSameFigures(const KeptOffer& a, const KeptOffer& b) {
    for (const auto& field : kLoanInputFields)
        EXPECT_EQ(a.inputs.*field.member, b.inputs.*field.member) << field.key;
    EXPECT_EQ(a.results.DownPayment, b.results.DownPayment);
    EXPECT_EQ(a.results.Loan, b.results.Loan);
    EXPECT_EQ(a.results.Payment, b.results.Payment);
    EXPECT_EQ(a.results.FixedFees, b.results.FixedFees);
    EXPECT_EQ(a.results.APR, b.results.APR);
    EXPECT_EQ(a.disclosedApr, b.disclosedApr);
}

class OfferStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Folder() const { return dir.path() + QStringLiteral("/Plumcrest"); }
    QString FilePath() const { return Folder() + QStringLiteral("/offers.sqlite"); }
};

TEST_F(OfferStoreTest, keeps_every_figure_and_lists_newest_first) {
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open()) << store.Error().toStdString();
    KeptOffer first = SampleOffer(QStringLiteral("First Lender"));
    first.keptAt = QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC);
    KeptOffer second = SampleOffer(QStringLiteral("Second Lender"), 1);
    second.disclosedApr = 7.125;
    second.keptAt = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
    ASSERT_TRUE(store.Add(first));
    ASSERT_TRUE(store.Add(second));
    EXPECT_NE(first.id, second.id);

    // Read back through a second store, as the next run of the program would.
    OfferStore again(Folder());
    ASSERT_TRUE(again.Open());
    const auto offers = again.All();
    ASSERT_EQ(offers.size(), 2u);
    EXPECT_EQ(offers[0].name, QStringLiteral("Second Lender"));
    EXPECT_EQ(offers[1].name, QStringLiteral("First Lender"));
    EXPECT_EQ(offers[0].keptAt, second.keptAt);
    ExpectSameFigures(offers[0], second);
    ExpectSameFigures(offers[1], first);
}

TEST_F(OfferStoreTest, rename_remove_and_restore_keep_the_offer_whole) {
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open());
    KeptOffer offer = SampleOffer(QStringLiteral("Lender"));
    offer.disclosedApr = 6.9;
    ASSERT_TRUE(store.Add(offer));
    KeptOffer other = SampleOffer(QStringLiteral("Other"), 2);
    ASSERT_TRUE(store.Add(other));
    ASSERT_TRUE(store.Rename(offer.id, QStringLiteral("Renamed Lender")));
    ASSERT_TRUE(store.Remove(offer.id));
    ASSERT_EQ(store.All().size(), 1u);
    offer.name = QStringLiteral("Renamed Lender");
    ASSERT_TRUE(store.Restore(offer));
    const auto offers = store.All();
    ASSERT_EQ(offers.size(), 2u);
    EXPECT_EQ(offers[0].id, other.id); // newer, still first: the restored one keeps its time
    EXPECT_EQ(offers[1].id, offer.id);
    EXPECT_EQ(offers[1].name, QStringLiteral("Renamed Lender"));
    ExpectSameFigures(offers[1], offer);
}

// Two running copies keep offers at the same moment: each through its own connection, each
// change one transaction; every offer of both ends up in the file.
TEST_F(OfferStoreTest, two_connections_adding_at_once_lose_nothing) {
    {
        OfferStore create(Folder());
        ASSERT_TRUE(create.Open());
    }
    constexpr int kEach = 40;
    std::atomic<int> failures{0};
    auto keep = [&](const QString& prefix) {
        OfferStore store(Folder());
        if (!store.Open()) {
            ++failures;
            return;
        }
        for (int i = 0; i < kEach; ++i) {
            KeptOffer offer = SampleOffer(prefix + QString::number(i), i);
            if (!store.Add(offer))
                ++failures;
        }
    };
    std::thread a(keep, QStringLiteral("A"));
    std::thread b(keep, QStringLiteral("B"));
    a.join();
    b.join();
    EXPECT_EQ(failures.load(), 0);
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open());
    std::set<QString> names;
    for (const KeptOffer& offer : store.All())
        names.insert(offer.name);
    EXPECT_EQ(names.size(), 2u * kEach);
    EXPECT_TRUE(names.count(QStringLiteral("A39")) && names.count(QStringLiteral("B0")));
}

TEST_F(OfferStoreTest, a_damaged_file_is_moved_aside_and_a_fresh_one_started) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    const QByteArray garbage("This is not a database, but it is someone's file.\n");
    {
        QFile file(FilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open()) << store.Error().toStdString();
    EXPECT_TRUE(store.Notice().contains(QStringLiteral("moved to")))
        << store.Notice().toStdString();
    const QStringList aside =
        QDir(Folder()).entryList({QStringLiteral("offers-damaged-*.sqlite")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(store.Notice().contains(aside.first()));
    QFile kept(Folder() + QLatin1Char('/') + aside.first());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), garbage);
    EXPECT_TRUE(store.All().empty());
    KeptOffer offer = SampleOffer(QStringLiteral("After"));
    EXPECT_TRUE(store.Add(offer));
}

TEST_F(OfferStoreTest, a_folder_that_cannot_be_written_gives_a_clear_message) {
    // A file where the folder belongs stops it being made, for every user including root.
    {
        QFile blocker(Folder());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder\n");
    }
    OfferStore store(Folder());
    EXPECT_FALSE(store.Open());
    EXPECT_EQ(store.Error(), QStringLiteral("Offers cannot be kept: the folder %1 cannot be "
                                            "written to.")
                                 .arg(Folder()));
    KeptOffer offer = SampleOffer(QStringLiteral("Lender"));
    EXPECT_FALSE(store.Add(offer));
    EXPECT_TRUE(store.All().empty());
}

// Set by the test for the copy of itself it runs with the folder mounted read-only.
constexpr const char* kReadOnlyFolderVariable = "PLUMCREST_TEST_READ_ONLY_FOLDER";

void ExpectReadOnlyRefused(const QString& folder) {
    OfferStore store(folder);
    EXPECT_FALSE(store.Open());
    EXPECT_EQ(store.Error(), QStringLiteral("Offers cannot be kept: the folder %1 cannot be "
                                            "written to.")
                                 .arg(folder));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/offers.sqlite")));
}

TEST_F(OfferStoreTest, a_read_only_folder_gives_a_clear_message_and_keeps_its_file) {
    const QString given = qEnvironmentVariable(kReadOnlyFolderVariable);
    if (!given.isEmpty()) {
        ExpectReadOnlyRefused(given);
        return;
    }
    {
        OfferStore store(Folder());
        ASSERT_TRUE(store.Open());
        KeptOffer offer = SampleOffer(QStringLiteral("Before"));
        ASSERT_TRUE(store.Add(offer));
    }
    if (geteuid() != 0) {
        QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::ExeOwner);
        ExpectReadOnlyRefused(Folder());
        QFile::setPermissions(Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return;
    }
    // Permissions do not bind root: run this test again in a mount namespace of its own where
    // the folder is mounted read-only.
    const QString bind = QStringLiteral("mount --bind -o ro \"$1\" \"$1\"");
    if (QProcess::execute(QStringLiteral("unshare"),
                          {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"), bind,
                           QStringLiteral("sh"), Folder()}) != 0)
        GTEST_SKIP() << "running as root without mount namespaces";
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kReadOnlyFolderVariable), Folder());
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral("unshare"),
                {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
                 bind + QStringLiteral(" && shift && exec \"$@\""), QStringLiteral("sh"), Folder(),
                 QCoreApplication::applicationFilePath(),
                 QStringLiteral("--gtest_filter=OfferStoreTest.a_read_only_folder*")});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
    EXPECT_TRUE(QFile::exists(FilePath()));
}

// A file from the first version (no disclosed APR) is brought up to date and keeps its offers.
TEST_F(OfferStoreTest, a_first_version_file_is_migrated_with_its_offers) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("version-one"));
        db.setDatabaseName(FilePath());
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(
            "CREATE TABLE offers (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL, "
            "kept_at TEXT NOT NULL, PurchasePrice REAL NOT NULL, DownPaymentPercent REAL NOT NULL, "
            "Term REAL NOT NULL, Interest REAL NOT NULL, OriginationFees REAL NOT NULL, "
            "Points REAL NOT NULL, PrepaidInterest REAL NOT NULL, MIP REAL NOT NULL, "
            "Buydown REAL NOT NULL, FloodCheck REAL NOT NULL, TaxService REAL NOT NULL, "
            "Other1 REAL NOT NULL, Other2 REAL NOT NULL, DownPayment REAL NOT NULL, "
            "Loan REAL NOT NULL, Payment REAL NOT NULL, FixedFees REAL NOT NULL, "
            "APR REAL NOT NULL)"));
        ASSERT_TRUE(q.exec("INSERT INTO offers VALUES (7, 'Old Lender', "
                           "'2025-11-02T10:00:00.000Z', 250000, 20, 15, 5.5, 2000, 25, 300, 75, "
                           "100, 15, 45, 35, 55, 50000, 200000, 1634.1669092422787, 2645, "
                           "5.69422135051105)"));
        ASSERT_TRUE(q.exec("PRAGMA user_version = 1"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("version-one"));

    OfferStore store(Folder());
    ASSERT_TRUE(store.Open()) << store.Error().toStdString();
    EXPECT_TRUE(store.Notice().isEmpty());
    auto offers = store.All();
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].id, 7);
    EXPECT_EQ(offers[0].name, QStringLiteral("Old Lender"));
    EXPECT_EQ(offers[0].inputs.Interest, 5.5);
    EXPECT_EQ(offers[0].inputs.Other1, 35);
    EXPECT_EQ(offers[0].inputs.Other2, 55);
    EXPECT_EQ(offers[0].results.Payment, 1634.1669092422787);
    EXPECT_EQ(offers[0].results.APR, 5.69422135051105);
    EXPECT_FALSE(offers[0].disclosedApr);
    KeptOffer added = SampleOffer(QStringLiteral("New Lender"));
    added.disclosedApr = 7.2;
    ASSERT_TRUE(store.Add(added));
    EXPECT_EQ(store.All().front().disclosedApr, std::optional<double>(7.2));
}

TEST_F(OfferStoreTest, a_file_from_a_newer_program_is_left_alone) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        db.setDatabaseName(FilePath());
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE future (x)"));
        ASSERT_TRUE(q.exec("PRAGMA user_version = 99"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    OfferStore store(Folder());
    EXPECT_FALSE(store.Open());
    EXPECT_TRUE(store.Error().contains(QStringLiteral("newer Plumcrest")));
    EXPECT_TRUE(QFile::exists(FilePath()));
    EXPECT_TRUE(QDir(Folder()).entryList({QStringLiteral("offers-damaged-*")}).isEmpty());
}

} // namespace
} // namespace plumcrest::store

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
