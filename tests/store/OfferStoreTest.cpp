#include "OfferStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
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

// An offer with a Loan Estimate in which every figure differs from every other.
LoanEstimate SampleEstimate() {
    LoanEstimate estimate;
    estimate.loanType = LoanType::Fha;
    estimate.price = 318000.5;
    estimate.loanAmount = 306870.25;
    estimate.months = 348;
    estimate.noteRate = 6.125;
    estimate.costs = {
        {CostSection::A, "0.25 % of Loan Amount (Points)", 767.18, true},
        {CostSection::B, "Appraisal Fee", 505, false},
        {CostSection::C, "Title - Lender's Title Policy \"Plus\", Inc.", 1260.4, false},
        {CostSection::F, "Prepaid Interest ($51.22 per day for 9 days)", 460.98, true},
        {CostSection::H, "Home Inspection Fee", 395, true}};
    estimate.lenderCredits = 333.33;
    estimate.insuranceEnd = InsuranceEnd::Fha;
    estimate.insurancePercent = 0.55;
    estimate.propertyTaxYearly = 4104.12;
    estimate.homeInsuranceYearly = 1386.6;
    estimate.hoaMonthly = 47.5;
    estimate.disclosedTip = 117.204;
    estimate.disclosedInFiveTotal = 126011;
    estimate.disclosedInFivePrincipal = 20502;
    return estimate;
}

TEST_F(OfferStoreTest, an_offers_loan_estimate_is_kept_changed_and_put_back_whole) {
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open()) << store.Error().toStdString();
    KeptOffer offer = SampleOffer(QStringLiteral("Juniper Home Loans"));
    offer.estimate = SampleEstimate();
    KeptOffer plain = SampleOffer(QStringLiteral("Plain"), 2);
    ASSERT_TRUE(store.Add(offer));
    ASSERT_TRUE(store.Add(plain));

    OfferStore again(Folder());
    ASSERT_TRUE(again.Open());
    auto read = again.All();
    ASSERT_EQ(read.size(), 2u);
    const auto byName = [&](const QString& name) {
        return *std::find_if(read.begin(), read.end(),
                             [&](const KeptOffer& o) { return o.name == name; });
    };
    EXPECT_EQ(byName(offer.name).estimate, offer.estimate);
    EXPECT_FALSE(byName(plain.name).estimate);

    // A change reaches every column and replaces the items, not adds to them.
    offer.estimate->costs.erase(offer.estimate->costs.begin());
    offer.estimate->costs.push_back({CostSection::E, "Recording Fees", 131, false});
    offer.estimate->insuranceEnd = InsuranceEnd::Conventional;
    offer.estimate->disclosedTip.reset();
    offer.name = QStringLiteral("Juniper");
    offer.disclosedApr = 6.875;
    ASSERT_TRUE(again.Update(offer)) << again.Error().toStdString();
    read = store.All();
    EXPECT_EQ(byName(QStringLiteral("Juniper")).estimate, offer.estimate);
    EXPECT_EQ(byName(QStringLiteral("Juniper")).disclosedApr, offer.disclosedApr);

    // Deleting takes the items with it; Undo brings them back.
    ASSERT_TRUE(store.Remove(offer.id));
    KeptOffer stranger = SampleOffer(QStringLiteral("Stranger"), 3);
    ASSERT_TRUE(store.Add(stranger));
    EXPECT_FALSE(store.All().front().estimate);
    ASSERT_TRUE(store.Restore(offer));
    read = store.All();
    EXPECT_EQ(byName(QStringLiteral("Juniper")).estimate, offer.estimate);

    // Changing an offer another copy has deleted says so.
    ASSERT_TRUE(again.Remove(offer.id));
    EXPECT_FALSE(store.Update(offer));
}

// The file kept in tests/store/fixtures was written by version 2 of the store, as it shipped:
// three offers kept from the calculator (one name with quotes and a comma), two with a disclosed
// APR.
class ShippedFileTest : public OfferStoreTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(Folder()));
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(PLUMCREST_STORE_FIXTURES "/offers-v2.sqlite"), FilePath()));
        ASSERT_TRUE(QFile::setPermissions(FilePath(), QFile::ReadOwner | QFile::WriteOwner));
    }

    static void ExpectShippedOffers(const std::vector<KeptOffer>& offers, std::size_t extra) {
        ASSERT_EQ(offers.size(), 3 + extra);
        const KeptOffer& aspen = offers[extra];
        const KeptOffer& birch = offers[extra + 1];
        const KeptOffer& cedar = offers[extra + 2];
        EXPECT_EQ(aspen.name, QStringLiteral("Aspen \"Mortgage\", Inc."));
        EXPECT_EQ(birch.name, QStringLiteral("Birch Lending"));
        EXPECT_EQ(cedar.id, 1);
        EXPECT_EQ(cedar.keptAt, QDateTime(QDate(2026, 3, 2), QTime(15, 4, 5, 123), Qt::UTC));
        EXPECT_EQ(cedar.inputs.PurchasePrice, 300000);
        EXPECT_EQ(cedar.inputs.Points, 2700);
        EXPECT_EQ(cedar.inputs.Other2, 900);
        EXPECT_EQ(cedar.results.Payment, 1706.5836634310022);
        EXPECT_EQ(cedar.results.APR, 6.747731666149144);
        EXPECT_EQ(cedar.disclosedApr, std::optional<double>(6.875));
        EXPECT_FALSE(birch.disclosedApr);
        EXPECT_EQ(aspen.results.FixedFees, 3575);
        // Their Loan Estimate is the calculator's: the nine fees as items.
        EXPECT_FALSE(cedar.estimate);
        const LoanEstimate estimate = EstimateOf(cedar);
        EXPECT_EQ(estimate.loanAmount, 270000);
        EXPECT_EQ(estimate.months, 360);
        EXPECT_EQ(estimate.costs.size(), 9u);
        EXPECT_EQ(estimate.disclosedApr, std::optional<double>(6.875));
    }

    int UserVersion() {
        int version = -1;
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
            db.setDatabaseName(FilePath());
            if (db.open()) {
                QSqlQuery q(db);
                if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
                    version = q.value(0).toInt();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("peek"));
        return version;
    }
};

TEST_F(ShippedFileTest, opens_upgrades_keeps_its_offers_whole_and_takes_new_ones) {
    {
        OfferStore store(Folder());
        ASSERT_TRUE(store.Open()) << store.Error().toStdString();
        EXPECT_TRUE(store.Notice().isEmpty());
        ExpectShippedOffers(store.All(), 0);
        KeptOffer added = SampleOffer(QStringLiteral("Dogwood"));
        added.estimate = SampleEstimate();
        added.keptAt = QDateTime(QDate(2026, 12, 1), QTime(8, 0), Qt::UTC);
        ASSERT_TRUE(store.Add(added)) << store.Error().toStdString();
        const auto offers = store.All();
        ExpectShippedOffers(offers, 1);
        EXPECT_EQ(offers.front().estimate, added.estimate);
    }
    EXPECT_EQ(UserVersion(), static_cast<int>(ShippedSchemaSteps().size()));

    // A later version adds a column in a step of its own: the file upgrades again and goes on.
    std::vector<QString> steps = ShippedSchemaSteps();
    steps.push_back(QStringLiteral("ALTER TABLE offers ADD COLUMN later_note TEXT"));
    OfferStore later(Folder(), steps);
    ASSERT_TRUE(later.Open()) << later.Error().toStdString();
    ExpectShippedOffers(later.All(), 1);
    KeptOffer another = SampleOffer(QStringLiteral("Elm"), 4);
    another.keptAt = QDateTime(QDate(2026, 12, 2), QTime(8, 0), Qt::UTC);
    ASSERT_TRUE(later.Add(another)) << later.Error().toStdString();
    ExpectShippedOffers(later.All(), 2);
    EXPECT_EQ(UserVersion(), static_cast<int>(steps.size()));

    // This version then leaves the newer file alone.
    OfferStore older(Folder());
    EXPECT_FALSE(older.Open());
    EXPECT_TRUE(older.Error().contains(QStringLiteral("newer Plumcrest")));
}

TEST_F(ShippedFileTest, the_settings_of_the_comparison_are_kept) {
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open());
    EXPECT_FALSE(store.Setting(QStringLiteral("horizon_years")));
    ASSERT_TRUE(store.SetSetting(QStringLiteral("horizon_years"), QStringLiteral("12")));
    ASSERT_TRUE(store.SetSetting(QStringLiteral("horizon_years"), QStringLiteral("9")));
    OfferStore again(Folder());
    ASSERT_TRUE(again.Open());
    EXPECT_EQ(again.Setting(QStringLiteral("horizon_years")), std::optional<QString>("9"));
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
