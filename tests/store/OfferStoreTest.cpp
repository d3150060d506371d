#include "OfferStore.h"

#include "EstimateFields.h"
#include "LoanTerms.h"
#include "OfferCalculator.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <thread>
#include <unistd.h>

namespace plumcrest::store {
namespace {

// An offer kept from the calculator, every fee different and non-zero, so a swapped or dropped
// column shows.
KeptOffer SampleOffer(const QString& name, double shift = 0) {
    KeptOffer offer;
    offer.name = name;
    LoanInputs inputs;
    double value = 101.25 + shift;
    for (const auto& field : kLoanInputFields)
        inputs.*field.member = (value += 17.5);
    inputs.PurchasePrice = 250000 + shift;
    inputs.Term = 30;
    LoanResults results;
    results.Loan = 200000.25 + shift;
    offer.estimate = EstimateFromCalculator(inputs, results);
    return offer;
}

void ExpectSameFigures(const KeptOffer& a, const KeptOffer& b) {
    for (const EstimateField& field : kEstimateFields)
        EXPECT_EQ(FigureValue(field, a.estimate), FigureValue(field, b.estimate)) << field.key;
    EXPECT_EQ(a.estimate.costs, b.estimate.costs);
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
    second.estimate.disclosedApr = 7.125;
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
    offer.estimate.disclosedApr = 6.9;
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

// The offers kept before are shown for reading, the notice says why nothing can change, and a
// change fails saying the file cannot be written.
void ExpectShownForReading(const QString& folder) {
    OfferStore store(folder);
    ASSERT_TRUE(store.Open()) << store.Error().toStdString();
    EXPECT_TRUE(store.ReadOnly());
    const std::vector<KeptOffer> shown = store.All();
    ASSERT_EQ(shown.size(), 1u) << store.Error().toStdString();
    EXPECT_EQ(shown[0].name, QStringLiteral("Before"));
    EXPECT_EQ(store.Notice(),
              QStringLiteral("The kept offers in %1/offers.sqlite cannot be written to: they are "
                             "shown for reading only, and no offer can be kept, changed or deleted "
                             "until the file and its folder can be written again.")
                  .arg(folder));
    KeptOffer offer = SampleOffer(QStringLiteral("After"));
    EXPECT_FALSE(store.Add(offer));
    EXPECT_EQ(store.Error(), QStringLiteral("The offer could not be kept: the file of kept offers "
                                            "or its folder cannot be written to."));
    EXPECT_FALSE(store.Rename(shown[0].id, QStringLiteral("Renamed")));
    EXPECT_EQ(store.All().size(), 1u);
    EXPECT_TRUE(QDir(folder).entryList({QStringLiteral("offers-damaged-*")}).isEmpty());
}

TEST_F(OfferStoreTest, a_read_only_folder_shows_its_offers_for_reading_and_says_so) {
    const QString given = qEnvironmentVariable(kReadOnlyFolderVariable);
    if (!given.isEmpty()) {
        ExpectShownForReading(given);
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
        ExpectShownForReading(Folder());
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
    // The calculator's record becomes the estimate, which gives the calculator's figures back.
    const LoanInputs inputs = CalculatorInputsOf(offers[0].estimate);
    EXPECT_EQ(inputs.Interest, 5.5);
    EXPECT_EQ(inputs.Other1, 35);
    EXPECT_EQ(inputs.Other2, 55);
    const auto results = CalculatorResultsOf(offers[0].estimate);
    ASSERT_TRUE(results);
    EXPECT_EQ(results->Payment, 1634.1669092422787);
    // The row's fees come to 2,650.00; its APR column said what the calculator would for 2,645.00.
    // What is shown is worked from the fees themselves.
    EXPECT_EQ(results->FixedFees, 2650);
    LoanResults again;
    RecalculateLoan(inputs, again, U'.');
    EXPECT_EQ(results->APR, again.APR);
    EXPECT_FALSE(offers[0].estimate.disclosedApr);
    KeptOffer added = SampleOffer(QStringLiteral("New Lender"));
    added.estimate.disclosedApr = 7.2;
    ASSERT_TRUE(store.Add(added));
    EXPECT_EQ(store.All().front().estimate.disclosedApr, std::optional<double>(7.2));
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
    EXPECT_EQ(byName(plain.name).estimate, plain.estimate);

    // A change reaches every column and replaces the items, not adds to them.
    offer.estimate.costs.erase(offer.estimate.costs.begin());
    offer.estimate.costs.push_back({CostSection::E, "Recording Fees", 131, false});
    offer.estimate.insuranceEnd = InsuranceEnd::Conventional;
    offer.estimate.disclosedTip.reset();
    offer.name = QStringLiteral("Juniper");
    offer.estimate.disclosedApr = 6.875;
    ASSERT_TRUE(again.Update(offer)) << again.Error().toStdString();
    read = store.All();
    EXPECT_EQ(byName(QStringLiteral("Juniper")).estimate, offer.estimate);

    // Deleting takes the items with it; Undo brings them back.
    ASSERT_TRUE(store.Remove(offer.id));
    KeptOffer stranger = SampleOffer(QStringLiteral("Stranger"), 3);
    ASSERT_TRUE(store.Add(stranger));
    EXPECT_EQ(store.All().front().estimate, stranger.estimate);
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
        // Their Loan Estimate is the calculator's: the nine fees as items, which give the
        // calculator's figures back to the last digit.
        const LoanInputs inputs = CalculatorInputsOf(cedar.estimate);
        EXPECT_EQ(inputs.PurchasePrice, 300000);
        EXPECT_EQ(inputs.Points, 2700);
        EXPECT_EQ(inputs.Other2, 900);
        const auto results = CalculatorResultsOf(cedar.estimate);
        ASSERT_TRUE(results);
        EXPECT_EQ(results->Payment, 1706.5836634310022);
        EXPECT_EQ(results->APR, 6.747731666149144);
        EXPECT_EQ(cedar.estimate.disclosedApr, std::optional<double>(6.875));
        EXPECT_FALSE(birch.estimate.disclosedApr);
        EXPECT_EQ(CalculatorResultsOf(aspen.estimate).value_or(LoanResults{}).FixedFees, 3575);
        const LoanEstimate& estimate = cedar.estimate;
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
    // The Compare window reading it is told why, not that another program holds the file (which
    // it would wait for and try again, for ever).
    EXPECT_TRUE(store.All().empty());
    EXPECT_TRUE(store.ReadFailed());
    EXPECT_FALSE(store.Busy());
    EXPECT_TRUE(store.Error().contains(QStringLiteral("newer Plumcrest")));
}

// Set by the test for the copies of itself it starts at once on a damaged file.
constexpr const char* kCopyFolderVariable = "PLUMCREST_TEST_COPY_FOLDER";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(OfferStoreTest, copies_starting_at_once_set_a_damaged_file_aside_once_and_whole) {
    const QString given = qEnvironmentVariable(kCopyFolderVariable);
    if (!given.isEmpty()) {
        // A copy: start when the others are running too, then keep an offer.
        for (int i = 0; i < 5000 && !QFile::exists(given + QStringLiteral("/go")); ++i)
            QThread::msleep(1);
        OfferStore store(given);
        ASSERT_TRUE(store.Open()) << store.Error().toStdString();
        KeptOffer offer = SampleOffer(QStringLiteral("Copy"));
        EXPECT_TRUE(store.Add(offer)) << store.Error().toStdString();
        return;
    }
    constexpr int kRounds = 6;
    constexpr int kCopies = 4;
    for (int round = 0; round < kRounds; ++round) {
        const QString folder = dir.path() + QStringLiteral("/round%1").arg(round);
        ASSERT_TRUE(QDir().mkpath(folder));
        const QByteArray garbage = QByteArray("Not a database, but someone's file of round ") +
                                   QByteArray::number(round) + QByteArray(64 * 1024, 'x');
        {
            QFile file(folder + QStringLiteral("/offers.sqlite"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(garbage);
        }
        std::vector<std::unique_ptr<QProcess>> copies;
        for (int i = 0; i < kCopies; ++i) {
            auto copy = std::make_unique<QProcess>();
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QString::fromLatin1(kCopyFolderVariable), folder);
            copy->setProcessEnvironment(environment);
            copy->setProcessChannelMode(QProcess::MergedChannels);
            copy->start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--gtest_filter=OfferStoreTest.copies_starting_at_once*")});
            ASSERT_TRUE(copy->waitForStarted());
            copies.push_back(std::move(copy));
        }
        QFile go(folder + QStringLiteral("/go"));
        ASSERT_TRUE(go.open(QIODevice::WriteOnly));
        go.close();
        for (auto& copy : copies) {
            ASSERT_TRUE(copy->waitForFinished(60000));
            EXPECT_EQ(copy->exitCode(), 0) << copy->readAll().toStdString();
        }
        const QStringList aside =
            QDir(folder).entryList({QStringLiteral("offers-damaged-*")}, QDir::Files);
        ASSERT_EQ(aside.size(), 1) << aside.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(ReadAll(folder + QLatin1Char('/') + aside.first()), garbage);
        OfferStore store(folder);
        ASSERT_TRUE(store.Open()) << store.Error().toStdString();
        EXPECT_TRUE(store.Notice().isEmpty());
        EXPECT_EQ(store.All().size(), std::size_t{kCopies});
    }
}

// Set by the test for the copy of itself it runs as an unprivileged user.
constexpr const char* kLockedFileVariable = "PLUMCREST_TEST_LOCKED_FILE_FOLDER";

void ExpectLockedFileLeftAlone(const QString& folder, const QByteArray& bytes) {
    OfferStore store(folder);
    EXPECT_FALSE(store.Open());
    EXPECT_TRUE(store.Error().contains(folder + QStringLiteral("/offers.sqlite")))
        << store.Error().toStdString();
    EXPECT_TRUE(store.Error().contains(QStringLiteral("Permission denied")))
        << store.Error().toStdString();
    EXPECT_TRUE(store.Notice().isEmpty());
    EXPECT_TRUE(QDir(folder).entryList({QStringLiteral("offers-damaged-*")}).isEmpty());
    QFile::setPermissions(folder + QStringLiteral("/offers.sqlite"),
                          QFile::ReadOwner | QFile::WriteOwner);
    if (geteuid() == QFileInfo(folder + QStringLiteral("/offers.sqlite")).ownerId()) {
        EXPECT_EQ(ReadAll(folder + QStringLiteral("/offers.sqlite")), bytes);
    }
}

TEST_F(OfferStoreTest, a_file_this_user_may_not_open_is_reported_and_left_where_it_is) {
    const QString given = qEnvironmentVariable(kLockedFileVariable);
    if (!given.isEmpty()) {
        ExpectLockedFileLeftAlone(given, {});
        return;
    }
    {
        OfferStore store(Folder());
        ASSERT_TRUE(store.Open());
        KeptOffer offer = SampleOffer(QStringLiteral("Kept"));
        ASSERT_TRUE(store.Add(offer));
    }
    const QByteArray bytes = ReadAll(FilePath());
    ASSERT_TRUE(QFile::setPermissions(FilePath(), QFile::Permissions()));
    if (geteuid() != 0) {
        ExpectLockedFileLeftAlone(Folder(), bytes);
        return;
    }
    // Permissions do not bind root: run this test again as nobody, with the folder open to it
    // and the file root's, mode 000.
    for (const QString& path : {dir.path(), Folder()})
        ASSERT_TRUE(QFile::setPermissions(path, QFile::Permissions(0x7777)));
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kLockedFileVariable), Folder());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                 QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                 QStringLiteral("--gtest_filter=OfferStoreTest.a_file_this_user_may_not*")});
    if (!child.waitForStarted())
        GTEST_SKIP() << "running as root without setpriv to drop to another user";
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
    ASSERT_TRUE(QFile::setPermissions(FilePath(), QFile::ReadOwner | QFile::WriteOwner));
    EXPECT_EQ(ReadAll(FilePath()), bytes);
    EXPECT_TRUE(QDir(Folder()).entryList({QStringLiteral("offers-damaged-*")}).isEmpty());
}

// Runs `sql` on the store's file through a connection of its own.
void Change(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("change"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        for (const QString& statement : statements) {
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(statement)) << statement.toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("change"));
}

TEST_F(OfferStoreTest, offers_with_figures_typing_could_not_give_are_not_shown_nor_trusted) {
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open());
    std::vector<KeptOffer> offers;
    for (int i = 0; i < 6; ++i) {
        KeptOffer offer = SampleOffer(QStringLiteral("Lender %1").arg(i), i);
        offer.estimate = SampleEstimate();
        ASSERT_TRUE(store.Add(offer));
        offers.push_back(offer);
    }
    const auto id = [&](int i) { return QString::number(offers[static_cast<std::size_t>(i)].id); };
    Change(
        FilePath(),
        {QStringLiteral("UPDATE offers SET name = printf('%.*c', 200000, 'n') WHERE id = ") + id(1),
         QStringLiteral("UPDATE offers SET note_rate = 1e300 WHERE id = ") + id(2),
         QStringLiteral("UPDATE offer_costs SET amount = 9e999 WHERE offer_id = ") + id(3),
         QStringLiteral("UPDATE offer_costs SET label = printf('%.*c', 201, 'l') WHERE "
                        "position = 1 AND offer_id = ") +
             id(4),
         QStringLiteral("UPDATE offers SET term_months = 11989 WHERE id = ") + id(5)});
    OfferStore again(Folder());
    ASSERT_TRUE(again.Open()) << again.Error().toStdString();
    const auto read = again.All();
    EXPECT_FALSE(again.ReadFailed());
    // A name or a label longer than the limits is no figure typing could not give: those offers
    // are shown cut to the limits, and said so.
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].id, offers[4].id);
    EXPECT_EQ(read[1].id, offers[1].id);
    EXPECT_EQ(read[1].name, QString(60, QLatin1Char('n')));
    EXPECT_EQ(read[2].id, offers[0].id);
    EXPECT_EQ(read[2].estimate, offers[0].estimate);
    EXPECT_TRUE(again.Notice().startsWith(
        QStringLiteral("3 of the kept offers could not be read and are not shown (number %1, %2, "
                       "%3); the file is left as it is. ")
            .arg(id(2), id(3), id(5))))
        << again.Notice().toStdString();
    EXPECT_TRUE(QDir(Folder()).entryList({QStringLiteral("offers-damaged-*")}).isEmpty());
}

// Adds `count` cost lines, as an earlier version could have kept them, to the offer `id`: line
// n has the label "Line n" and the amount n + 0.25, in section B.
QStringList CostLinesStatements(qint64 id, int count, int from = 0) {
    return {QStringLiteral("WITH RECURSIVE n(i) AS (SELECT %2 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < %3) INSERT INTO offer_costs (offer_id, position, section, "
                           "label, amount, finance_charge) SELECT %1, i + 100, 'B', 'Line ' || i, "
                           "i + 0.25, i % 2 FROM n")
                .arg(id)
                .arg(from + 1)
                .arg(from + count)};
}

TEST_F(OfferStoreTest, an_offer_kept_beyond_the_limits_opens_cut_to_them_with_the_excess_named) {
    // State: an earlier version kept one offer with 250 closing cost lines, one with a label of
    // 300 characters and one with a name of 75, which this version would not keep.
    std::vector<KeptOffer> offers;
    {
        OfferStore store(Folder());
        ASSERT_TRUE(store.Open());
        for (int i = 0; i < 3; ++i) {
            KeptOffer offer = SampleOffer(QStringLiteral("Lender %1").arg(i), i);
            offer.keptAt = QDateTime(QDate(2026, 1, 10 + i), QTime(8, 0), Qt::UTC);
            offer.estimate = SampleEstimate();
            ASSERT_TRUE(store.Add(offer)) << store.Error().toStdString();
            offers.push_back(offer);
        }
    }
    const QString label300 = QStringLiteral("Survey ") + QString(293, QLatin1Char('s'));
    // A character beyond the 16-bit range straddles the 60th place: it goes whole or not at all.
    const QString name75 = QStringLiteral("A lender ") + QString(50, QLatin1Char('x')) +
                           QString::fromUcs4(U"\U0001F3E0") + QString(14, QLatin1Char('y'));
    const QString name59 = name75.left(59);
    QStringList statements = CostLinesStatements(offers[0].id, 245);
    statements << QStringLiteral("UPDATE offer_costs SET label = '%1' WHERE position = 2 AND "
                                 "offer_id = %2")
                      .arg(label300)
                      .arg(offers[1].id)
               << QStringLiteral("UPDATE offers SET name = '%1' WHERE id = %2")
                      .arg(name75)
                      .arg(offers[2].id);
    Change(FilePath(), statements);

    // Action: the offers are read.
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open());
    const auto read = store.All();

    // Expected: all three are shown, cut to the limits, and the notice says what was left out.
    EXPECT_FALSE(store.ReadFailed());
    ASSERT_EQ(read.size(), 3u);
    const KeptOffer& many = read[2];
    ASSERT_EQ(many.id, offers[0].id);
    ASSERT_EQ(many.estimate.costs.size(), 200u);
    EXPECT_EQ(many.estimate.costs[4], SampleEstimate().costs[4]);
    EXPECT_EQ(many.estimate.costs[5], (CostItem{CostSection::B, "Line 1", 1.25, true}));
    EXPECT_EQ(many.estimate.costs[199], (CostItem{CostSection::B, "Line 195", 195.25, true}));
    const KeptOffer& longLabel = read[1];
    ASSERT_EQ(longLabel.id, offers[1].id);
    ASSERT_EQ(longLabel.estimate.costs.size(), 5u);
    EXPECT_EQ(QString::fromStdString(longLabel.estimate.costs[2].label), label300.left(200));
    EXPECT_EQ(longLabel.estimate.costs[3], SampleEstimate().costs[3]);
    const KeptOffer& longName = read[0];
    ASSERT_EQ(longName.id, offers[2].id);
    EXPECT_EQ(longName.name, name59);
    EXPECT_EQ(longName.estimate, SampleEstimate());
    const QString notice = store.Notice();
    EXPECT_TRUE(notice.contains(QStringLiteral("Offer number %1 (\"Lender 0\") holds more than "
                                               "can be shown: only the first 200 of its 250 "
                                               "closing cost lines are shown.")
                                    .arg(offers[0].id)))
        << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("Offer number %1 (\"Lender 1\") holds more than "
                                               "can be shown: cost labels cut to 200 characters: "
                                               "1.")
                                    .arg(offers[1].id)))
        << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("Offer number %1 (\"%2\") holds more than can be "
                                               "shown: its name is cut to 60 characters.")
                                    .arg(offers[2].id)
                                    .arg(name59)))
        << notice.toStdString();
    EXPECT_FALSE(notice.contains(QStringLiteral("could not be read"))) << notice.toStdString();

    // Once the offer is changed it is kept as shown, and the notice no longer names it.
    ASSERT_TRUE(store.Update(many)) << store.Error().toStdString();
    const auto again = store.All();
    ASSERT_EQ(again.size(), 3u);
    EXPECT_EQ(again[2].estimate.costs, many.estimate.costs);
    EXPECT_FALSE(store.Notice().contains(QStringLiteral("Lender 0")))
        << store.Notice().toStdString();
    EXPECT_TRUE(store.Notice().contains(QStringLiteral("Lender 1")))
        << store.Notice().toStdString();
}

TEST_F(OfferStoreTest, an_offer_with_a_million_cost_lines_reads_only_those_shown) {
    // State: another program wrote a million cost lines into one offer, the last one not a
    //   line this program could have written; a second offer is kept as usual.
    std::vector<KeptOffer> offers;
    {
        OfferStore store(Folder());
        ASSERT_TRUE(store.Open());
        for (int i = 0; i < 2; ++i) {
            KeptOffer offer = SampleOffer(QStringLiteral("Lender %1").arg(i), i);
            offer.keptAt = QDateTime(QDate(2026, 2, 10 + i), QTime(8, 0), Qt::UTC);
            ASSERT_TRUE(store.Add(offer)) << store.Error().toStdString();
            offers.push_back(offer);
        }
    }
    QStringList statements = CostLinesStatements(offers[0].id, 1000000);
    statements << QStringLiteral("UPDATE offer_costs SET section = 'Z' WHERE offer_id = %1 AND "
                                 "position = 1000100")
                      .arg(offers[0].id);
    Change(FilePath(), statements);

    // Action: the offers are read, all of them and the one alone.
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open());
    const auto read = store.All();

    // Expected: both shown; the first with its own lines and then the first lines added, up to
    // the limit; the lines beyond it are counted, not read, so the damaged last line hides
    // nothing.
    ASSERT_EQ(read.size(), 2u) << store.Notice().toStdString();
    const KeptOffer& many = read[1];
    ASSERT_EQ(many.id, offers[0].id);
    const std::size_t own = offers[0].estimate.costs.size();
    ASSERT_EQ(many.estimate.costs.size(), 200u);
    EXPECT_EQ(many.estimate.costs[own - 1], offers[0].estimate.costs[own - 1]);
    EXPECT_EQ(many.estimate.costs[own], (CostItem{CostSection::B, "Line 1", 1.25, true}));
    EXPECT_EQ(many.estimate.costs[199],
              (CostItem{CostSection::B, "Line " + std::to_string(200 - own),
                        static_cast<double>(200 - own) + 0.25, (200 - own) % 2 == 1}));
    EXPECT_EQ(read[0].estimate, offers[1].estimate);
    EXPECT_TRUE(store.Notice().contains(
        QStringLiteral("Offer number %1 (\"Lender 0\") holds more than can be shown: only the "
                       "first 200 of its %2 closing cost lines are shown.")
            .arg(offers[0].id)
            .arg(1000000 + own)))
        << store.Notice().toStdString();
}

// An offer whose name, cost lines or labels come to the limits exactly.
KeptOffer OfferAtTheLimits() {
    KeptOffer offer = SampleOffer(QString(60, QLatin1Char('L')));
    offer.estimate = SampleEstimate();
    offer.estimate.costs.clear();
    for (int i = 0; i < 200; ++i)
        offer.estimate.costs.push_back({kCostSections[static_cast<std::size_t>(i) % 8],
                                        "Charge " + std::to_string(i), 10.5 + i, i % 3 == 0});
    offer.estimate.costs[7].label = std::string(200, 'c');
    return offer;
}

TEST_F(OfferStoreTest, an_offer_at_the_limits_is_kept_and_reads_back_whole) {
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open());
    KeptOffer offer = OfferAtTheLimits();
    ASSERT_TRUE(store.Add(offer)) << store.Error().toStdString();
    KeptOffer changed = offer;
    changed.estimate.costs[3].amount = 999.75;
    ASSERT_TRUE(store.Update(changed)) << store.Error().toStdString();
    const auto read = store.All();
    EXPECT_TRUE(store.Notice().isEmpty()) << store.Notice().toStdString();
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].name, changed.name);
    EXPECT_EQ(read[0].estimate, changed.estimate);
    ASSERT_TRUE(store.Remove(offer.id));
    ASSERT_TRUE(store.Restore(changed)) << store.Error().toStdString();
    EXPECT_EQ(store.All().at(0).estimate, changed.estimate);
}

TEST_F(OfferStoreTest, what_a_later_reading_would_hide_is_not_kept) {
    struct Case {
        const char* name;
        std::function<void(KeptOffer&)> change;
        const char* why;
    };
    const Case cases[] = {
        {"a 201st cost line",
         [](KeptOffer& o) {
             o.estimate.costs.push_back({CostSection::H, "One more", 5, false});
         },
         "it has 201 closing cost lines; at most 200 can be kept"},
        {"a label of 201 characters",
         [](KeptOffer& o) { o.estimate.costs[150].label = std::string(201, 'x'); },
         "the label of its closing cost line 151 is longer than 200 characters"},
        {"a name of 61 characters", [](KeptOffer& o) { o.name = QString(61, QLatin1Char('N')); },
         "its name is longer than 60 characters"},
        {"a blank name", [](KeptOffer& o) { o.name = QStringLiteral("  "); }, "it has no name"},
        {"a price no field takes", [](KeptOffer& o) { o.estimate.price = 1e12; },
         "one of its figures is beyond what the fields take"},
        {"monthly dues no field takes", [](KeptOffer& o) { o.estimate.hoaMonthly = -3; },
         "one of its figures is beyond what the fields take"},
        {"a cost amount no field takes", [](KeptOffer& o) { o.estimate.costs[199].amount = -4; },
         "one of its figures is beyond what the fields take"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        OfferStore store(folder.path());
        ASSERT_TRUE(store.Open());
        KeptOffer kept = OfferAtTheLimits();
        kept.keptAt = QDateTime(QDate(2026, 2, 3), QTime(4, 5), Qt::UTC);
        ASSERT_TRUE(store.Add(kept));
        KeptOffer wrong = kept;
        c.change(wrong);
        const auto refused = [&](bool done, const char* what) {
            EXPECT_FALSE(done);
            EXPECT_TRUE(store.Error().startsWith(QLatin1String(what)))
                << store.Error().toStdString();
            EXPECT_TRUE(store.Error().contains(QLatin1String(c.why)))
                << store.Error().toStdString();
        };
        KeptOffer added = wrong;
        refused(store.Add(added), "The offer could not be kept: ");
        refused(store.Update(wrong), "The offer could not be changed: ");
        KeptOffer removed = kept;
        removed.id = kept.id + 1;
        wrong.id = removed.id;
        refused(store.Restore(wrong), "The offer could not be put back: ");
        // Nothing of the refused writes is kept: the offer reads back as it was, and alone.
        const auto read = store.All();
        EXPECT_TRUE(store.Notice().isEmpty()) << store.Notice().toStdString();
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].id, kept.id);
        EXPECT_EQ(read[0].name, kept.name);
        EXPECT_EQ(read[0].estimate, kept.estimate);
        ExpectSameFigures(read[0], kept);
    }
}

TEST_F(OfferStoreTest, a_name_or_setting_beyond_the_limits_is_refused_and_one_within_kept) {
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open());
    KeptOffer offer = SampleOffer(QStringLiteral("Lender"));
    ASSERT_TRUE(store.Add(offer));
    EXPECT_FALSE(store.Rename(offer.id, QString(61, QLatin1Char('r'))));
    EXPECT_EQ(store.Error(), QStringLiteral("The offer could not be renamed: its name is longer "
                                            "than 60 characters."));
    EXPECT_FALSE(store.Rename(offer.id, QStringLiteral(" ")));
    EXPECT_TRUE(store.Rename(offer.id, QString(60, QLatin1Char('r'))));
    EXPECT_EQ(store.All().at(0).name, QString(60, QLatin1Char('r')));

    const QString longest(100000, QLatin1Char('7'));
    EXPECT_FALSE(store.SetSetting(QStringLiteral("compared_offers"), longest + QLatin1Char('7')));
    EXPECT_TRUE(store.Error().contains(QStringLiteral("it is longer than 100000 characters")))
        << store.Error().toStdString();
    EXPECT_FALSE(store.SetSetting(QString(65, QLatin1Char('k')), QStringLiteral("1")));
    EXPECT_FALSE(store.SetSetting(QString(), QStringLiteral("1")));
    EXPECT_FALSE(store.Setting(QStringLiteral("compared_offers")));
    ASSERT_TRUE(store.SetSetting(QString(64, QLatin1Char('k')), longest));
    EXPECT_EQ(store.Setting(QString(64, QLatin1Char('k'))), longest);
    // A value longer than any version keeps is not used.
    Change(FilePath(), {QStringLiteral("UPDATE settings SET value = value || '7'")});
    EXPECT_FALSE(store.Setting(QString(64, QLatin1Char('k'))));
}

// Renames as the file system does, except the move numbered `failing` (from 1), which fails.
OfferStore::RenameFile FailingMove(int failing, int& moves) {
    return [failing, &moves](const QString& from, const QString& to) {
        return ++moves != failing && QFile::rename(from, to);
    };
}

TEST_F(OfferStoreTest, a_damaged_file_and_its_journal_move_aside_together_or_not_at_all) {
    // A journal beginning with a zero byte is not one SQLite plays back or deletes. (A stray
    // write-ahead log SQLite checkpoints and deletes itself on closing, before any move.)
    const QByteArray file("Not a database, but someone's file.\n");
    const std::vector<std::pair<QString, QByteArray>> files = {
        {QString(), file},
        {QStringLiteral("-journal"), QByteArray(1, '\0') + QByteArray("its journal")}};
    // The journal moves first, the file last: each move in turn fails.
    for (int failing : {0, 1, 2}) {
        SCOPED_TRACE(failing);
        QTemporaryDir folder;
        const QString path = folder.path() + QStringLiteral("/offers.sqlite");
        for (const auto& [suffix, bytes] : files) {
            QFile out(path + suffix);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        }
        int moves = 0;
        OfferStore store(folder.path());
        store.SetRenameFile(FailingMove(failing, moves));
        const bool opened = store.Open();
        const QStringList aside =
            QDir(folder.path()).entryList({QStringLiteral("offers-damaged-*")}, QDir::Files);
        if (failing == 0) {
            // All moved, side by side, under a name with the time.
            ASSERT_TRUE(opened) << store.Error().toStdString();
            EXPECT_TRUE(store.Error().isEmpty()) << store.Error().toStdString();
            ASSERT_EQ(aside.size(), 2) << aside.join(QLatin1Char(' ')).toStdString();
            EXPECT_TRUE(
                QRegularExpression(QStringLiteral("^offers-damaged-\\d{8}-\\d{6}\\.sqlite$"))
                    .match(aside.first())
                    .hasMatch())
                << aside.first().toStdString();
            const QString moved = folder.path() + QLatin1Char('/') + aside.first();
            for (const auto& [suffix, bytes] : files)
                EXPECT_EQ(ReadAll(moved + suffix), bytes) << suffix.toStdString();
            continue;
        }
        // None moved: the file and its journals are where and as they were.
        EXPECT_FALSE(opened);
        EXPECT_TRUE(store.Error().contains(QStringLiteral("could not be moved aside")))
            << store.Error().toStdString();
        EXPECT_TRUE(aside.isEmpty()) << aside.join(QLatin1Char(' ')).toStdString();
        for (const auto& [suffix, bytes] : files)
            EXPECT_EQ(ReadAll(path + suffix), bytes) << suffix.toStdString();
    }
}

TEST_F(OfferStoreTest, a_file_moved_aside_never_overwrites_one_moved_aside_before) {
    // State: files moved aside earlier under the names this second and the next two would give.
    ASSERT_TRUE(QDir().mkpath(Folder()));
    const QDateTime now = QDateTime::currentDateTime();
    QStringList earlier;
    for (int second = 0; second < 3; ++second) {
        earlier << QStringLiteral("offers-damaged-%1.sqlite")
                       .arg(now.addSecs(second).toString(QStringLiteral("yyyyMMdd-HHmmss")));
        QFile out(Folder() + QLatin1Char('/') + earlier.back());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray("earlier ") + QByteArray::number(second));
    }
    {
        QFile out(FilePath());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("damaged now");
    }
    // Action: the store opens.
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open()) << store.Error().toStdString();
    // Expected: the damaged file went under a name of its own, numbered, and the earlier ones
    // are as they were.
    const QStringList aside =
        QDir(Folder()).entryList({QStringLiteral("offers-damaged-*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 4) << aside.join(QLatin1Char(' ')).toStdString();
    QStringList added = aside;
    for (const QString& name : earlier)
        added.removeAll(name);
    ASSERT_EQ(added.size(), 1) << aside.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(added.first().endsWith(QStringLiteral("-2.sqlite"))) << added.first().toStdString();
    EXPECT_EQ(ReadAll(Folder() + QLatin1Char('/') + added.first()), QByteArray("damaged now"));
    for (int second = 0; second < 3; ++second)
        EXPECT_EQ(ReadAll(Folder() + QLatin1Char('/') + earlier[second]),
                  QByteArray("earlier ") + QByteArray::number(second));
}

TEST_F(OfferStoreTest, a_file_whose_tables_do_not_match_its_version_is_moved_aside) {
    // Version 2 without the figures, and version 3 without the cost items.
    const std::vector<std::pair<int, QString>> files = {
        {2, QStringLiteral("CREATE TABLE offers (id INTEGER PRIMARY KEY, name TEXT, kept_at TEXT, "
                           "disclosed_apr REAL)")},
        {3, ShippedSchemaSteps()[0] + QStringLiteral("; ") + ShippedSchemaSteps()[1] +
                QStringLiteral("; CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT)")}};
    for (const auto& [version, schema] : files) {
        const QString folder = dir.path() + QStringLiteral("/v%1").arg(version);
        ASSERT_TRUE(QDir().mkpath(folder));
        QStringList statements = schema.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        statements << QStringLiteral("PRAGMA user_version = %1").arg(version);
        Change(folder + QStringLiteral("/offers.sqlite"), statements);
        const QByteArray bytes = ReadAll(folder + QStringLiteral("/offers.sqlite"));
        OfferStore store(folder);
        ASSERT_TRUE(store.Open()) << store.Error().toStdString();
        EXPECT_TRUE(store.Notice().contains(QStringLiteral("moved to")))
            << store.Notice().toStdString();
        const QStringList aside =
            QDir(folder).entryList({QStringLiteral("offers-damaged-*")}, QDir::Files);
        ASSERT_EQ(aside.size(), 1);
        EXPECT_EQ(ReadAll(folder + QLatin1Char('/') + aside.first()), bytes);
        KeptOffer offer = SampleOffer(QStringLiteral("After"));
        offer.estimate = SampleEstimate();
        ASSERT_TRUE(store.Add(offer)) << store.Error().toStdString();
        EXPECT_EQ(store.All().front().estimate, offer.estimate);
    }
}

TEST_F(OfferStoreTest, reading_a_file_another_program_holds_says_busy_at_once) {
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open());
    KeptOffer offer = SampleOffer(QStringLiteral("Kept"));
    ASSERT_TRUE(store.Add(offer));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        db.setDatabaseName(FilePath());
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        EXPECT_TRUE(store.All().empty());
        EXPECT_TRUE(store.ReadFailed());
        EXPECT_TRUE(store.Busy());
        EXPECT_TRUE(store.Error().contains(QStringLiteral("another program")))
            << store.Error().toStdString();
        ASSERT_TRUE(q.exec(QStringLiteral("ROLLBACK")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    EXPECT_EQ(store.All().size(), 1u);
    EXPECT_FALSE(store.ReadFailed());
    EXPECT_FALSE(store.Busy());
}

TEST_F(OfferStoreTest, renaming_or_deleting_an_offer_another_copy_deleted_fails) {
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open());
    KeptOffer offer = SampleOffer(QStringLiteral("Lender"));
    ASSERT_TRUE(store.Add(offer));
    OfferStore other(Folder());
    ASSERT_TRUE(other.Open());
    ASSERT_TRUE(other.Remove(offer.id));
    EXPECT_FALSE(store.Rename(offer.id, QStringLiteral("New name")));
    EXPECT_TRUE(store.Error().startsWith(QStringLiteral("The offer could not be renamed")));
    EXPECT_TRUE(store.Error().contains(QStringLiteral("it is no longer kept")));
    EXPECT_FALSE(store.Remove(offer.id));
    EXPECT_TRUE(store.Error().startsWith(QStringLiteral("The offer could not be deleted")));
    EXPECT_TRUE(store.Error().contains(QStringLiteral("it is no longer kept")));
}

// The file kept in tests/store/fixtures/offers-v3.sqlite was written by version 3 of the schema,
// before offers could have an adjustable rate: one offer from the calculator, one with its Loan
// Estimate and five cost items, and the comparison's years.
TEST_F(OfferStoreTest, a_third_version_file_upgrades_whole_and_keeps_adjustable_rates) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(PLUMCREST_STORE_FIXTURES "/offers-v3.sqlite"), FilePath()));
    ASSERT_TRUE(QFile::setPermissions(FilePath(), QFile::ReadOwner | QFile::WriteOwner));
    OfferStore store(Folder());
    ASSERT_TRUE(store.Open()) << store.Error().toStdString();
    EXPECT_TRUE(store.Notice().isEmpty());
    auto offers = store.All();
    ASSERT_EQ(offers.size(), 2u);
    const KeptOffer hemlock = offers[0];
    const KeptOffer fir = offers[1];
    EXPECT_EQ(fir.name, QStringLiteral("Fir Mortgage"));
    EXPECT_EQ(fir.estimate.price, 375000);
    EXPECT_EQ(fir.estimate.disclosedApr, std::optional<double>(6.25));
    EXPECT_EQ(hemlock.estimate.loanAmount, 369000);
    EXPECT_EQ(hemlock.estimate.insurancePercent, 0.55);
    EXPECT_EQ(hemlock.estimate.disclosedInFivePrincipal, std::optional<double>(22650));
    ASSERT_EQ(hemlock.estimate.costs.size(), 5u);
    EXPECT_EQ(hemlock.estimate.costs[3].amount, 410.4);
    EXPECT_FALSE(hemlock.estimate.adjustable); // a fixed rate, as it was kept
    EXPECT_EQ(store.Setting(QStringLiteral("horizon_years")), std::optional<QString>("9"));

    // The upgraded file takes an adjustable rate and gives it back whole.
    KeptOffer arm = hemlock;
    arm.name = QStringLiteral("Larch 5/1");
    arm.keptAt = QDateTime(QDate(2026, 6, 1), QTime(9, 0), Qt::UTC);
    arm.estimate.adjustable = AdjustableRate{60, 4.125, 2.75, 2, 1.5, 5, 2.875, 12};
    ASSERT_TRUE(store.Add(arm)) << store.Error().toStdString();
    OfferStore again(Folder());
    ASSERT_TRUE(again.Open());
    offers = again.All();
    ASSERT_EQ(offers.size(), 3u);
    EXPECT_EQ(offers[0].estimate, arm.estimate);
    EXPECT_EQ(offers[1].estimate, hemlock.estimate);

    // Half a table, or a rate no field takes, is not trusted.
    Change(FilePath(),
           {QStringLiteral("UPDATE offers SET arm_floor = NULL WHERE id = %1").arg(offers[0].id)});
    EXPECT_EQ(again.All().size(), 2u);
    Change(FilePath(), {QStringLiteral("UPDATE offers SET arm_floor = 2, arm_months_between = 0 "
                                       "WHERE id = %1")
                            .arg(offers[0].id)});
    EXPECT_EQ(again.All().size(), 2u);
}

// A file as the fourth version of the schema keeps it, made with the steps as they shipped: an
// FHA offer with its Loan Estimate, one cost item and an adjustable rate, kept before there was a
// financed upfront premium or a Calculating Cash to Close table.
TEST_F(OfferStoreTest, a_fourth_version_file_upgrades_whole_and_takes_the_new_figures) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("version-four"));
        db.setDatabaseName(FilePath());
        ASSERT_TRUE(db.open());
        const std::vector<QString> steps = ShippedSchemaSteps();
        QStringList statements;
        for (int i = 0; i < 4; ++i)
            statements << steps[static_cast<std::size_t>(i)].split(QLatin1Char(';'));
        statements
            << QStringLiteral("PRAGMA user_version = 4")
            << QStringLiteral(
                   "INSERT INTO offers (id, name, kept_at, PurchasePrice, DownPaymentPercent, "
                   "Term, Interest, OriginationFees, Points, PrepaidInterest, MIP, Buydown, "
                   "FloodCheck, TaxService, Other1, Other2, DownPayment, Loan, Payment, "
                   "FixedFees, APR, disclosed_apr, loan_type, price, loan_amount, term_months, "
                   "note_rate, lender_credits, insurance_end, insurance_rate, "
                   "property_tax_yearly, home_insurance_yearly, hoa_monthly, disclosed_tip, "
                   "disclosed_in5_total, disclosed_in5_principal, arm_initial_months, "
                   "arm_index, arm_margin, arm_first_cap, arm_later_cap, arm_life_cap, "
                   "arm_floor, arm_months_between) VALUES (3, 'Spruce FHA', "
                   "'2026-10-04T09:30:00.000Z', 300000, 8.425, 30, 6.25, 0, 0, 0, 4725, 0, 0, 0, "
                   "0, 0, 25275, 274725, 1691.53, 4725, 6.4, 6.512, 'fha', 300000, 274725, 360, "
                   "6.25, 250.5, 'fha', 0.55, 3600.75, 1320.25, 15, 121.5, 101234, 19876, 60, "
                   "4.125, 2.75, 2, 1, 5, 2.75, 12)")
            << QStringLiteral("INSERT INTO offer_costs VALUES (3, 0, 'B', "
                              "'Mortgage Insurance Premium', 4725, 1)");
        for (const QString& statement : statements) {
            if (statement.trimmed().isEmpty())
                continue;
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(statement)) << statement.toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("version-four"));

    OfferStore store(Folder());
    ASSERT_TRUE(store.Open()) << store.Error().toStdString();
    EXPECT_TRUE(store.Notice().isEmpty());
    auto offers = store.All();
    ASSERT_EQ(offers.size(), 1u);
    const LoanEstimate& kept = offers[0].estimate;
    EXPECT_EQ(kept.loanType, LoanType::Fha);
    EXPECT_EQ(kept.loanAmount, 274725);
    EXPECT_EQ(kept.lenderCredits, 250.5);
    EXPECT_EQ(kept.disclosedApr, std::optional<double>(6.512));
    EXPECT_EQ(kept.disclosedInFivePrincipal, std::optional<double>(19876));
    ASSERT_TRUE(kept.adjustable);
    EXPECT_EQ(kept.adjustable->marginPercent, 2.75);
    ASSERT_EQ(kept.costs.size(), 1u);
    EXPECT_EQ(kept.costs[0].amount, 4725);
    // Kept before they existed: no premium financed, the table's lines and the new disclosed
    // figures not given.
    EXPECT_EQ(kept.upfrontPremiumFinanced, 0);
    EXPECT_FALSE(kept.deposit);
    EXPECT_FALSE(kept.disclosedFinanceCharge);
    EXPECT_FALSE(kept.disclosedCashToClose);

    // The upgraded file keeps them.
    KeptOffer changed = offers[0];
    changed.estimate.upfrontPremiumFinanced = 4725;
    changed.estimate.disclosedFinanceCharge = 212345.67;
    changed.estimate.disclosedInsuranceMonthly = 125;
    changed.estimate.disclosedCashToClose = 24633.67;
    changed.estimate.closingCostsFinanced = 4725;
    changed.estimate.downPaymentFunds = 30000;
    changed.estimate.deposit = 5000;
    changed.estimate.fundsForBorrower = 12.5;
    changed.estimate.sellerCredits = 2000;
    changed.estimate.adjustmentsCredits = -350.25;
    ASSERT_TRUE(store.Update(changed)) << store.Error().toStdString();
    OfferStore again(Folder());
    ASSERT_TRUE(again.Open());
    offers = again.All();
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].estimate, changed.estimate);
}

// A file as the fifth version of the schema keeps it, made with the steps as they shipped: a
// purchase with its cash-to-close lines, kept before there were rate-lock and expiry days, a
// purpose or another rate of the lender.
TEST_F(OfferStoreTest, a_fifth_version_file_upgrades_whole_and_takes_the_dates_and_choices) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("version-five"));
        db.setDatabaseName(FilePath());
        ASSERT_TRUE(db.open());
        const std::vector<QString> steps = ShippedSchemaSteps();
        QStringList statements;
        for (int i = 0; i < 5; ++i)
            statements << steps[static_cast<std::size_t>(i)].split(QLatin1Char(';'));
        statements
            << QStringLiteral("PRAGMA user_version = 5")
            << QStringLiteral(
                   "INSERT INTO offers (id, name, kept_at, PurchasePrice, DownPaymentPercent, "
                   "Term, Interest, OriginationFees, Points, PrepaidInterest, MIP, Buydown, "
                   "FloodCheck, TaxService, Other1, Other2, DownPayment, Loan, Payment, "
                   "FixedFees, APR, loan_type, price, loan_amount, term_months, note_rate, "
                   "lender_credits, insurance_end, insurance_rate, property_tax_yearly, "
                   "home_insurance_yearly, hoa_monthly, upfront_premium_financed, "
                   "disclosed_cash_to_close, down_payment_funds, deposit) VALUES (7, "
                   "'Willow Bank', '2026-11-20T14:05:00.000Z', 400000, 20, 30, 6.75, 900, 0, 0, "
                   "0, 0, 0, 0, 650, 0, 80000, 320000, 2075.51, 1550, 6.83, 'conventional', "
                   "400000, 320000, 360, 6.75, 125.5, 'none', 0, 4800.25, 1500.75, 35, 0, "
                   "84321, 80000, 10000)")
            << QStringLiteral("INSERT INTO offer_costs VALUES (7, 0, 'A', "
                              "'Origination charges', 900, 1)");
        for (const QString& statement : statements) {
            if (statement.trimmed().isEmpty())
                continue;
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(statement)) << statement.toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("version-five"));

    OfferStore store(Folder());
    ASSERT_TRUE(store.Open()) << store.Error().toStdString();
    EXPECT_TRUE(store.Notice().isEmpty());
    {
        // The file itself now says it is at the last step.
        QSqlDatabase peek =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek-five"));
        peek.setDatabaseName(FilePath());
        ASSERT_TRUE(peek.open());
        QSqlQuery q(peek);
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
        EXPECT_EQ(q.value(0).toInt(), static_cast<int>(ShippedSchemaSteps().size()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek-five"));
    auto offers = store.All();
    ASSERT_EQ(offers.size(), 1u);
    const LoanEstimate& kept = offers[0].estimate;
    EXPECT_EQ(kept.loanAmount, 320000);
    EXPECT_EQ(kept.lenderCredits, 125.5);
    EXPECT_EQ(kept.propertyTaxYearly, 4800.25);
    EXPECT_EQ(kept.disclosedCashToClose, std::optional<double>(84321));
    EXPECT_EQ(kept.deposit, std::optional<double>(10000));
    ASSERT_EQ(kept.costs.size(), 1u);
    // Kept before they existed: a purchase, no dates, no other rates.
    EXPECT_EQ(kept.purpose, LoanPurpose::Purchase);
    EXPECT_FALSE(kept.rateLockUntil);
    EXPECT_FALSE(kept.closingCostsExpire);
    EXPECT_FALSE(kept.pointsOptionPoints);
    EXPECT_FALSE(kept.creditOptionRate);

    // The upgraded file keeps them.
    KeptOffer changed = offers[0];
    changed.estimate.purpose = LoanPurpose::Refinance;
    changed.estimate.rateLockUntil = std::chrono::sys_days(std::chrono::year(2026) / 12 / 18);
    changed.estimate.closingCostsExpire = std::chrono::sys_days(std::chrono::year(2026) / 12 / 4);
    changed.estimate.pointsOptionPoints = 1.25;
    changed.estimate.pointsOptionRate = 6.5;
    changed.estimate.creditOptionAmount = 2150.5;
    changed.estimate.creditOptionRate = 7.125;
    ASSERT_TRUE(store.Update(changed)) << store.Error().toStdString();
    OfferStore again(Folder());
    ASSERT_TRUE(again.Open());
    offers = again.All();
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].estimate, changed.estimate);
}

// A file kept by the version before interest-only months were kept: every value of every step up
// to the seventh survives the upgrade, and the upgraded file then keeps an interest-only offer's
// months, which reach its schedule.
TEST_F(OfferStoreTest, a_seventh_version_file_upgrades_whole_and_keeps_interest_only_months) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("version-seven"));
        db.setDatabaseName(FilePath());
        ASSERT_TRUE(db.open());
        const std::vector<QString> steps = ShippedSchemaSteps();
        QStringList statements;
        for (int i = 0; i < 7; ++i)
            statements << steps[static_cast<std::size_t>(i)].split(QLatin1Char(';'));
        statements
            << QStringLiteral("PRAGMA user_version = 7")
            << QStringLiteral(
                   "INSERT INTO offers (id, name, kept_at, PurchasePrice, DownPaymentPercent, "
                   "Term, Interest, OriginationFees, Points, PrepaidInterest, MIP, Buydown, "
                   "FloodCheck, TaxService, Other1, Other2, DownPayment, Loan, Payment, "
                   "FixedFees, APR, disclosed_apr, loan_type, price, loan_amount, term_months, "
                   "note_rate, lender_credits, insurance_end, insurance_rate, "
                   "property_tax_yearly, home_insurance_yearly, hoa_monthly, disclosed_tip, "
                   "disclosed_in5_total, disclosed_in5_principal, arm_initial_months, arm_index, "
                   "arm_margin, arm_first_cap, arm_later_cap, arm_life_cap, arm_floor, "
                   "arm_months_between, upfront_premium_financed, disclosed_insurance_monthly, "
                   "disclosed_finance_charge, disclosed_cash_to_close, closing_costs_financed, "
                   "down_payment_funds, deposit, funds_for_borrower, seller_credits, "
                   "adjustments_credits, rate_lock_until, closing_costs_expire, loan_purpose, "
                   "points_option_points, points_option_rate, credit_option_amount, "
                   "credit_option_rate) VALUES (9, 'Juniper Trust', "
                   "'2026-12-01T10:15:00.000Z', 412000, 19.5, 30, 6.625, 910, 0, 0, 0, 0, 0, 0, "
                   "0, 0, 80499.5, 331500.5, 2122.61, 1500, 6.81, 6.913, 'fha', 412000, "
                   "331500.5, 360, 6.625, 240.25, 'fha', 0.55, 5100.4, 1320.6, 42, 128.44, "
                   "160000.1, 21000.2, 60, 4.25, 2.75, 2, 1, 5, 3.125, 12, 5700.3, 151.9, "
                   "412345.6, 18444.7, 3100.8, 80500.9, 10000.1, 250.3, 1500.4, -320.5, "
                   "'2026-12-18', '2026-12-04', 'refinance', 1.25, 6.25, 2150.5, 7.125)")
            << QStringLiteral("INSERT INTO offer_costs VALUES (9, 0, 'A', "
                              "'Origination charges', 910, 1)")
            << QStringLiteral("INSERT INTO offer_costs VALUES (9, 1, 'C', "
                              "'Title – Survey Fee', 150.5, 0)");
        for (const QString& statement : statements) {
            if (statement.trimmed().isEmpty())
                continue;
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(statement)) << statement.toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("version-seven"));

    LoanEstimate expected;
    expected.loanType = LoanType::Fha;
    expected.purpose = LoanPurpose::Refinance;
    expected.price = 412000;
    expected.loanAmount = 331500.5;
    expected.upfrontPremiumFinanced = 5700.3;
    expected.months = 360;
    expected.noteRate = 6.625;
    expected.costs = {{CostSection::A, "Origination charges", 910, true},
                      {CostSection::C, "Title – Survey Fee", 150.5, false}};
    expected.lenderCredits = 240.25;
    expected.insuranceEnd = InsuranceEnd::Fha;
    expected.insurancePercent = 0.55;
    expected.propertyTaxYearly = 5100.4;
    expected.homeInsuranceYearly = 1320.6;
    expected.hoaMonthly = 42;
    expected.disclosedApr = 6.913;
    expected.disclosedTip = 128.44;
    expected.disclosedInFiveTotal = 160000.1;
    expected.disclosedInFivePrincipal = 21000.2;
    expected.disclosedFinanceCharge = 412345.6;
    expected.disclosedInsuranceMonthly = 151.9;
    expected.closingCostsFinanced = 3100.8;
    expected.downPaymentFunds = 80500.9;
    expected.deposit = 10000.1;
    expected.fundsForBorrower = 250.3;
    expected.sellerCredits = 1500.4;
    expected.adjustmentsCredits = -320.5;
    expected.disclosedCashToClose = 18444.7;
    AdjustableRate& rate = expected.adjustable.emplace();
    rate.initialMonths = 60;
    rate.indexPercent = 4.25;
    rate.marginPercent = 2.75;
    rate.firstCap = 2;
    rate.laterCap = 1;
    rate.lifeCap = 5;
    rate.floor = 3.125;
    rate.monthsBetween = 12;
    expected.rateLockUntil = std::chrono::sys_days(std::chrono::year(2026) / 12 / 18);
    expected.closingCostsExpire = std::chrono::sys_days(std::chrono::year(2026) / 12 / 4);
    expected.pointsOptionPoints = 1.25;
    expected.pointsOptionRate = 6.25;
    expected.creditOptionAmount = 2150.5;
    expected.creditOptionRate = 7.125;

    OfferStore store(Folder());
    ASSERT_TRUE(store.Open()) << store.Error().toStdString();
    EXPECT_TRUE(store.Notice().isEmpty());
    auto offers = store.All();
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].name, QStringLiteral("Juniper Trust"));
    // Every value as the seventh version kept it; kept before the months were: none.
    EXPECT_EQ(offers[0].estimate, expected);
    EXPECT_EQ(offers[0].estimate.interestOnlyMonths, 0);

    // The upgraded file keeps an interest-only offer's months, and a new offer's, through the
    // next run of the program.
    KeptOffer changed = offers[0];
    changed.estimate.interestOnlyMonths = 84;
    ASSERT_TRUE(store.Update(changed)) << store.Error().toStdString();
    KeptOffer added = changed;
    added.name = QStringLiteral("Juniper Trust, ten years interest only");
    added.estimate.interestOnlyMonths = 120;
    ASSERT_TRUE(store.Add(added)) << store.Error().toStdString();
    OfferStore again(Folder());
    ASSERT_TRUE(again.Open());
    offers = again.All();
    ASSERT_EQ(offers.size(), 2u);
    const auto byName = [&](const QString& name) {
        return *std::find_if(offers.begin(), offers.end(),
                             [&](const KeptOffer& o) { return o.name == name; });
    };
    EXPECT_EQ(byName(changed.name).estimate, changed.estimate);
    EXPECT_EQ(byName(added.name).estimate, added.estimate);
    EXPECT_EQ(byName(added.name).estimate.interestOnlyMonths, 120);
    // The kept months are the schedule's: the payments of interest alone come first.
    EXPECT_EQ(ScheduleOf(TermsOfEstimate(byName(changed.name).estimate)).interestOnlyMonths, 84);

    // Interest-only months no longer given are kept as none.
    KeptOffer cleared = byName(added.name);
    cleared.estimate.interestOnlyMonths = 0;
    ASSERT_TRUE(again.Update(cleared)) << again.Error().toStdString();
    OfferStore third(Folder());
    ASSERT_TRUE(third.Open());
    offers = third.All();
    EXPECT_EQ(byName(added.name).estimate.interestOnlyMonths, 0);
}

// State: a file at the step before the Loan Terms and kept checks came, one offer in it with a
//   cost line, a setting.
// Action: open it, keep a product, a penalty and a Closing Disclosure check with the offer, open
//   it again.
// Expected: every value of the old file kept; offers kept before know no product nor penalty and
//   have no check; what is kept afterwards reads back whole; a check for an offer gone is
//   refused, one deleted with its offer comes back with it.
TEST_F(OfferStoreTest, a_file_before_the_loan_terms_upgrades_whole_and_keeps_checks) {
    ASSERT_TRUE(QDir().mkpath(Folder()));
    const std::vector<QString> steps = ShippedSchemaSteps();
    const int previous = static_cast<int>(steps.size()) - 1;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("before-terms"));
        db.setDatabaseName(FilePath());
        ASSERT_TRUE(db.open());
        QStringList statements;
        for (int i = 0; i < previous; ++i)
            statements << steps[static_cast<std::size_t>(i)].split(QLatin1Char(';'));
        statements
            << QStringLiteral("PRAGMA user_version = %1").arg(previous)
            << QStringLiteral(
                   "INSERT INTO offers (id, name, kept_at, PurchasePrice, DownPaymentPercent, "
                   "Term, Interest, OriginationFees, Points, PrepaidInterest, MIP, Buydown, "
                   "FloodCheck, TaxService, Other1, Other2, DownPayment, Loan, Payment, "
                   "FixedFees, APR, loan_type, price, loan_amount, term_months, note_rate, "
                   "lender_credits, insurance_end, insurance_rate, property_tax_yearly, "
                   "home_insurance_yearly, hoa_monthly, upfront_premium_financed, deposit, "
                   "rate_lock_until, loan_purpose, points_option_points, points_option_rate) "
                   "VALUES (11, 'Aspen Mortgage', '2026-11-21T09:30:00.000Z', 380000, 15, 30, "
                   "6.625, 1200, 0, 0, 0, 0, 0, 0, 450, 0, 57000, 323000, 2068.24, 1650, 6.71, "
                   "'fha', 380000, 323000, 360, 6.625, 240.75, 'fha', 0.55, 5100.5, 1620.25, 42, "
                   "5586.25, 9500, '2026-12-19', 'refinance', 1.5, 6.25)")
            << QStringLiteral("INSERT INTO offer_costs VALUES (11, 0, 'B', 'Appraisal Fee', 615, "
                              "0)")
            << QStringLiteral("INSERT INTO settings VALUES ('horizon_years', '8')");
        for (const QString& statement : statements) {
            if (statement.trimmed().isEmpty())
                continue;
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(statement)) << statement.toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("before-terms"));

    OfferStore store(Folder());
    ASSERT_TRUE(store.Open()) << store.Error().toStdString();
    EXPECT_TRUE(store.Notice().isEmpty()) << store.Notice().toStdString();
    auto offers = store.All();
    ASSERT_EQ(offers.size(), 1u);
    const LoanEstimate& kept = offers[0].estimate;
    EXPECT_EQ(offers[0].name, QStringLiteral("Aspen Mortgage"));
    EXPECT_EQ(kept.loanType, LoanType::Fha);
    EXPECT_EQ(kept.loanAmount, 323000);
    EXPECT_EQ(kept.noteRate, 6.625);
    EXPECT_EQ(kept.lenderCredits, 240.75);
    EXPECT_EQ(kept.insurancePercent, 0.55);
    EXPECT_EQ(kept.propertyTaxYearly, 5100.5);
    EXPECT_EQ(kept.homeInsuranceYearly, 1620.25);
    EXPECT_EQ(kept.hoaMonthly, 42);
    EXPECT_EQ(kept.upfrontPremiumFinanced, 5586.25);
    EXPECT_EQ(kept.deposit, std::optional<double>(9500));
    EXPECT_EQ(kept.purpose, LoanPurpose::Refinance);
    EXPECT_TRUE(kept.rateLockUntil);
    EXPECT_EQ(kept.pointsOptionPoints, std::optional<double>(1.5));
    EXPECT_EQ(kept.pointsOptionRate, std::optional<double>(6.25));
    ASSERT_EQ(kept.costs.size(), 1u);
    EXPECT_EQ(kept.costs[0].label, "Appraisal Fee");
    EXPECT_EQ(kept.costs[0].amount, 615);
    EXPECT_EQ(store.Setting(QStringLiteral("horizon_years")), std::optional<QString>("8"));
    EXPECT_TRUE(kept.product.empty());
    EXPECT_FALSE(kept.prepaymentPenalty);
    EXPECT_FALSE(offers[0].closingChecked);
    EXPECT_FALSE(store.Check(11));

    KeptOffer changed = offers[0];
    changed.estimate.product = "5 Year Interest Only, 5/3 Adjustable Rate";
    changed.estimate.prepaymentPenalty = false;
    ASSERT_TRUE(store.Update(changed)) << store.Error().toStdString();
    KeptCheck check;
    check.offerId = 11;
    check.checkedAt = QDateTime(QDate(2026, 12, 1), QTime(15, 45, 30), QTimeZone::utc());
    check.fileName = QStringLiteral("Declaración de cierre.pdf");
    check.reading = R"({"lender":"Aspen Mortgage","loanAmount":323000})";
    check.choices = R"({"mailed":true,"pairings":[]})";
    ASSERT_TRUE(store.KeepCheck(check)) << store.Error().toStdString();
    KeptCheck orphan = check;
    orphan.offerId = 99;
    EXPECT_FALSE(store.KeepCheck(orphan));

    OfferStore again(Folder());
    ASSERT_TRUE(again.Open());
    offers = again.All();
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].estimate, changed.estimate);
    EXPECT_TRUE(offers[0].closingChecked);
    const auto read = again.Check(11);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->checkedAt, check.checkedAt);
    EXPECT_EQ(read->fileName, check.fileName);
    EXPECT_EQ(read->reading, check.reading);
    EXPECT_EQ(read->choices, check.choices);
    // A later check of the same offer takes the place of the first.
    check.choices = R"({"mailed":false})";
    ASSERT_TRUE(again.KeepCheck(check));
    EXPECT_EQ(again.Check(11)->choices, check.choices);
    // Deleted and put back (Undo), the offer has its check again.
    ASSERT_TRUE(again.Remove(11));
    ASSERT_TRUE(again.Restore(offers[0]));
    ASSERT_EQ(again.All().size(), 1u);
    EXPECT_TRUE(again.All()[0].closingChecked);
    EXPECT_EQ(again.Check(11)->choices, check.choices);
}

// Every figure of both tables names a column its own schema step brought, and every column a step
// brought for the offers is a figure of one of them: a figure cannot reach the store without a
// step, nor a step add a column nothing reads.
TEST(SchemaTables, every_figure_has_the_column_its_step_brought_and_no_column_is_left_over) {
    const std::vector<QString> steps = ShippedSchemaSteps();
    const auto brought = [&](int step, std::string_view column) {
        const QString text = steps.at(static_cast<std::size_t>(step - 1));
        const QString name =
            QString::fromLatin1(column.data(), static_cast<qsizetype>(column.size()));
        return text.contains(QStringLiteral("ADD COLUMN %1 ").arg(name)) ||
               text.contains(QStringLiteral("\"%1\" REAL").arg(name));
    };
    std::set<QString> named{QStringLiteral("id"), QStringLiteral("name"),
                            QStringLiteral("kept_at")};
    for (const LoanField& field : kLoanPageFields) {
        EXPECT_TRUE(brought(1, field.key)) << field.key;
        named.insert(QString::fromLatin1(field.key));
    }
    for (const EstimateField& field : kEstimateFields) {
        ASSERT_GE(field.schemaStep, 1);
        ASSERT_LE(field.schemaStep, static_cast<int>(steps.size()));
        EXPECT_TRUE(brought(field.schemaStep, field.column)) << field.key;
        EXPECT_TRUE(named.insert(QString::fromLatin1(field.column)).second) << field.column;
    }
    // The Loan Terms a Closing Disclosure is checked against are kept beside the figures, not
    // among them: no field of the editor shows them.
    named.insert(QStringLiteral("loan_product"));
    named.insert(QStringLiteral("prepayment_penalty"));
    const QRegularExpression added(QStringLiteral("ALTER TABLE offers ADD COLUMN (\\w+)"));
    for (const QString& step : steps)
        for (const auto& match : added.globalMatch(step))
            EXPECT_TRUE(named.count(match.captured(1))) << match.captured(1).toStdString();
}

} // namespace
} // namespace plumcrest::store

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
