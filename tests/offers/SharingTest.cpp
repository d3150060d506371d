// Sharing offers and importing without freezing, as the buyer meets them: a file of offers saved
// in one home and opened in another, both ways, and damaged or foreign files refused; a Loan
// Estimate whose reader stalls, while the windows go on and Cancel stops it.

#include "CompareWindow.h"
#include "EstimateFields.h"
#include "FakePlatform.h"
#include "LocaleSettings.h"
#include "OfferDesk.h"
#include "OfferStore.h"
#include "OffersFile.h"
#include "ReadingProgress.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <csignal>

using namespace plumcrest;
using namespace plumcrest::offers;
using namespace plumcrest::store;

namespace {

const LocaleSeparators kUs{U'.', U','};

// An adjustable USDA offer in which every figure of the Loan Estimate is given, non-zero and
// unlike every other, with lines in five sections, marks both ways and a label beyond ASCII.
KeptOffer EveryFigure(const QString& name) {
    KeptOffer offer;
    offer.name = name;
    LoanEstimate& e = offer.estimate;
    int i = 0;
    for (const EstimateField& field : kEstimateFields) {
        ++i;
        switch (field.kind) {
        case FigureKind::Money:
            SetFigureValue(field, e, 1000.25 + 111.5 * i);
            break;
        case FigureKind::SignedMoney:
            SetFigureValue(field, e, -250.5 - i);
            break;
        case FigureKind::Rate:
            SetFigureValue(field, e, 0.25 + 0.375 * i);
            break;
        case FigureKind::Months:
            SetFigureValue(field, e, 12.0 * i);
            break;
        case FigureKind::Choice:
            SetFigureValue(field, e, static_cast<double>(field.choices.size() - 1));
            break;
        case FigureKind::Date:
        case FigureKind::Text:
            break;
        }
    }
    e.price = 412345.67;
    e.loanAmount = 330000.5;
    e.months = 300;
    e.noteRate = 6.375;
    e.costs = {{CostSection::A, "Origination fee", 1150.75, true},
               {CostSection::B, "Appraisal Fee", 615, false},
               {CostSection::B, "Título — cargo de revisión", 95.5, true},
               {CostSection::F, "Prepaid Interest", 522.4, true},
               {CostSection::H, "Home Warranty", 425, false}};
    return offer;
}

KeptOffer FixedRate(const QString& name, double rate) {
    KeptOffer offer;
    offer.name = name;
    offer.estimate.price = 280000;
    offer.estimate.loanAmount = 252000;
    offer.estimate.months = 360;
    offer.estimate.noteRate = rate;
    offer.estimate.costs = {{CostSection::A, "Underwriting Fee", 980, true}};
    offer.estimate.disclosedApr = rate + 0.187;
    return offer;
}

// One home: its folder of settings and offers, and the program's offer commands there.
struct Home {
    QTemporaryDir dir;
    QWidget window;
    OfferDesk desk{&window, [this] { return dir.path(); }};
    QStringList said;

    Home() {
        desk.AnnounceOpened = [this](const QString& text) { said << text; };
    }
    std::vector<KeptOffer> Offers() {
        OfferStore store(dir.path());
        return store.Open() ? store.All() : std::vector<KeptOffer>{};
    }
    bool Keep(KeptOffer& offer) {
        OfferStore store(dir.path());
        return store.Open() && store.Add(offer);
    }
    std::optional<QString> Setting(const QString& key) {
        OfferStore store(dir.path());
        return store.Open() ? store.Setting(key) : std::nullopt;
    }
    // Saves the offers named (all when none are) to `path`.
    bool SaveTo(const QString& path, const QStringList& names = {}) {
        desk.AskOffersToSave = [names](const std::vector<KeptOffer>& kept,
                                       const std::vector<qint64>&, QWidget*) {
            std::vector<qint64> ids;
            for (const KeptOffer& offer : kept)
                if (names.isEmpty() || names.contains(offer.name))
                    ids.push_back(offer.id);
            return std::optional<std::vector<qint64>>(ids);
        };
        desk.AskForOffersFile = [path](QWidget*, bool) { return path; };
        return desk.SaveOffers();
    }
};

const KeptOffer* Named(const std::vector<KeptOffer>& offers, const QString& name) {
    for (const KeptOffer& offer : offers)
        if (offer.name == name)
            return &offer;
    return nullptr;
}

QStringList Names(const std::vector<KeptOffer>& offers) {
    QStringList names;
    for (const KeptOffer& offer : offers)
        names << offer.name;
    names.sort();
    return names;
}

QJsonObject JsonOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// A reader that stands for one stalled on its file: it says who it is, then waits.
QString StalledReader(const QTemporaryDir& dir) {
    const QString script = dir.filePath(QStringLiteral("stalled-reader.sh"));
    const QByteArray text = "#!/bin/sh\necho $$ > '" +
                            QFile::encodeName(dir.filePath(QStringLiteral("reader.pid"))) +
                            "'\nexec sleep 30\n";
    if (!WriteFile(script, text) ||
        !QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return {};
    return script;
}

qint64 ReaderPid(const QTemporaryDir& dir) {
    QFile file(dir.filePath(QStringLiteral("reader.pid")));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
}

bool Running(qint64 pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH);
}

} // namespace

class SharingTest : public QObject {
    Q_OBJECT

private slots:
    // State: home A keeps an offer with every figure given and a fixed-rate one, and compares
    //   them over 11 years with savings at 3.25 %; home B keeps an offer of its own.
    // Action: A saves both; B opens the file twice; B renames one of A's offers and saves all
    //   three; A opens that file.
    // Expected: B holds its own and A's two with every figure and line as A kept them, and
    //   compares over A's years and savings rate; the second opening adds nothing. A then holds
    //   its two, under its own names, and B's one: nothing lost, nothing twice.
    void offers_travel_between_two_homes_without_loss_or_double() {
        testing::FakePlatform platform;
        ScopedLocaleSeparators separators(kUs);
        QTemporaryDir shared;
        Home a;
        Home b;
        KeptOffer full = EveryFigure(QStringLiteral("Alder Bank"));
        KeptOffer fixed = FixedRate(QStringLiteral("Birch Lending"), 6.25);
        KeptOffer own = FixedRate(QStringLiteral("Cedar Credit Union"), 5.875);
        QVERIFY(a.Keep(full));
        QVERIFY(a.Keep(fixed));
        QVERIFY(b.Keep(own));
        {
            OfferStore store(a.dir.path());
            QVERIFY(store.Open());
            QVERIFY(store.SetSetting(QStringLiteral("horizon_years"), QStringLiteral("11")));
            QVERIFY(store.SetSetting(QStringLiteral("savings_percent"), QStringLiteral("3.25")));
        }
        const QString fromA = shared.filePath(QStringLiteral("from-a.plumcrest-offers"));
        QVERIFY(a.SaveTo(fromA));

        QVERIFY(b.desk.OpenOffers(fromA));
        std::vector<KeptOffer> inB = b.Offers();
        QCOMPARE(Names(inB), (QStringList{"Alder Bank", "Birch Lending", "Cedar Credit Union"}));
        const KeptOffer* fullInB = Named(inB, QStringLiteral("Alder Bank"));
        QVERIFY(fullInB->estimate == full.estimate);
        QVERIFY(fullInB->estimate.adjustable.has_value());
        QCOMPARE(fullInB->estimate.costs.size(), std::size_t{5});
        QCOMPARE(fullInB->keptAt, full.keptAt);
        QVERIFY(Named(inB, QStringLiteral("Birch Lending"))->estimate == fixed.estimate);
        QCOMPARE(b.Setting(QStringLiteral("horizon_years")), std::optional<QString>("11"));
        QCOMPARE(b.Setting(QStringLiteral("savings_percent")), std::optional<QString>("3.25"));
        // The Compare window shows what was opened, over the file's years.
        QVERIFY(b.desk.Compare());
        QCOMPARE(b.desk.Compare()->HorizonField()->value(), 11);
        QVERIFY2(b.said.value(0).contains(QStringLiteral(": 2.")), qPrintable(b.said.value(0)));

        QVERIFY(b.desk.OpenOffers(fromA));
        QCOMPARE(b.Offers().size(), std::size_t{3});
        QVERIFY2(b.said.value(1).contains(QStringLiteral(": 0.")), qPrintable(b.said.value(1)));

        {
            OfferStore store(b.dir.path());
            QVERIFY(store.Open());
            QVERIFY(store.Rename(fullInB->id, QStringLiteral("Alder Bank (as B calls it)")));
        }
        const QString fromB = shared.filePath(QStringLiteral("from-b.plumcrest-offers"));
        QVERIFY(b.SaveTo(fromB));
        QVERIFY(a.desk.OpenOffers(fromB));
        const std::vector<KeptOffer> inA = a.Offers();
        QCOMPARE(Names(inA), (QStringList{"Alder Bank", "Birch Lending", "Cedar Credit Union"}));
        QVERIFY(Named(inA, QStringLiteral("Cedar Credit Union"))->estimate == own.estimate);
        QVERIFY(platform.messages.shown.empty());
    }

    // State: home A keeps two offers; the Compare window is open with only one ticked.
    // Action: Save Offers As..., keeping the choice the window offers.
    // Expected: the choice starts with the compared offer alone, and the file holds it alone.
    void save_offers_starts_from_those_compared() {
        testing::FakePlatform platform;
        ScopedLocaleSeparators separators(kUs);
        Home a;
        KeptOffer first = FixedRate(QStringLiteral("Alder Bank"), 6.25);
        KeptOffer second = FixedRate(QStringLiteral("Birch Lending"), 6.5);
        QVERIFY(a.Keep(first));
        QVERIFY(a.Keep(second));
        compare::CompareWindow* window = a.desk.ShowCompare();
        QVERIFY(window);
        QListWidget* list = window->ChoiceList();
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->data(Qt::UserRole).toLongLong() == second.id)
                list->item(i)->setCheckState(Qt::Unchecked);
        std::vector<qint64> offered;
        a.desk.AskOffersToSave = [&](const std::vector<KeptOffer>&,
                                     const std::vector<qint64>& ticked, QWidget*) {
            offered = ticked;
            return std::optional<std::vector<qint64>>(ticked);
        };
        QTemporaryDir shared;
        const QString path = shared.filePath(QStringLiteral("chosen.plumcrest-offers"));
        a.desk.AskForOffersFile = [path](QWidget*, bool) { return path; };
        QVERIFY(a.desk.SaveOffers());
        QCOMPARE(offered, (std::vector<qint64>{first.id}));
        const QJsonArray offers = JsonOf(path).value(QStringLiteral("offers")).toArray();
        QCOMPARE(offers.size(), 1);
        QCOMPARE(offers.at(0).toObject().value(QStringLiteral("name")).toString(),
                 QStringLiteral("Alder Bank"));
    }

    void a_damaged_or_foreign_file_is_refused_and_changes_nothing_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("why");
        QTest::newRow("cut short") << "cut"
                                   << "damaged";
        QTest::newRow("not offers") << "foreign"
                                    << "not a file of offers";
        QTest::newRow("newer version") << "newer"
                                       << "newer version";
        QTest::newRow("price beyond the fields") << "price"
                                                 << "offer 2";
        QTest::newRow("label too long") << "label"
                                        << "longer than 200";
        QTest::newRow("too many lines") << "lines"
                                        << "at most 200";
        QTest::newRow("adjustable in part") << "arm"
                                            << "adjustable rate";
        QTest::newRow("no name") << "name"
                                 << "no name";
        QTest::newRow("too large") << "large"
                                   << "larger than";
        QTest::newRow("a folder") << "folder"
                                  << "folder";
    }
    // State: home B keeps one offer and its own years; a file from home A with two offers is
    //   damaged in one place (its second offer, where it is one offer's).
    // Action: B opens it.
    // Expected: refused with a message that names the file, says nothing changed and why; B
    //   keeps its one offer and its settings, the first, sound offer included.
    void a_damaged_or_foreign_file_is_refused_and_changes_nothing() {
        QFETCH(QString, damage);
        QFETCH(QString, why);
        testing::FakePlatform platform;
        ScopedLocaleSeparators separators(kUs);
        QTemporaryDir shared;
        Home a;
        Home b;
        KeptOffer fixed = FixedRate(QStringLiteral("Birch Lending"), 6.25);
        KeptOffer full = EveryFigure(QStringLiteral("Alder Bank"));
        QVERIFY(a.Keep(fixed));
        QVERIFY(a.Keep(full));
        KeptOffer own = FixedRate(QStringLiteral("Cedar Credit Union"), 5.875);
        QVERIFY(b.Keep(own));
        {
            OfferStore store(b.dir.path());
            QVERIFY(store.Open());
            QVERIFY(store.SetSetting(QStringLiteral("horizon_years"), QStringLiteral("9")));
        }
        QString path = shared.filePath(QStringLiteral("from-a.plumcrest-offers"));
        QVERIFY(a.SaveTo(path));
        QJsonObject root = JsonOf(path);
        QJsonArray offers = root.value(QStringLiteral("offers")).toArray();
        QCOMPARE(offers.size(), 2);
        // Newest first: the offer with every figure is the first, the fixed rate the second.
        QJsonObject second = offers.at(1).toObject();
        QJsonObject estimate = second.value(QStringLiteral("estimate")).toObject();
        QJsonObject firstEstimate =
            offers.at(0).toObject().value(QStringLiteral("estimate")).toObject();
        QByteArray bytes;
        if (damage == QLatin1String("price")) {
            estimate.insert(QStringLiteral("price"), 1e12);
        } else if (damage == QLatin1String("label")) {
            QJsonArray costs = estimate.value(QStringLiteral("costs")).toArray();
            QJsonObject line = costs.at(0).toObject();
            line.insert(QStringLiteral("label"), QString(201, QLatin1Char('x')));
            costs.replace(0, line);
            estimate.insert(QStringLiteral("costs"), costs);
        } else if (damage == QLatin1String("lines")) {
            QJsonArray costs;
            for (int i = 0; i < 201; ++i)
                costs.append(estimate.value(QStringLiteral("costs")).toArray().at(0));
            estimate.insert(QStringLiteral("costs"), costs);
        } else if (damage == QLatin1String("arm")) {
            QVERIFY(firstEstimate.contains(QStringLiteral("arm_margin")));
            firstEstimate.remove(QStringLiteral("arm_margin"));
            QJsonObject first = offers.at(0).toObject();
            first.insert(QStringLiteral("estimate"), firstEstimate);
            offers.replace(0, first);
        } else if (damage == QLatin1String("name")) {
            second.insert(QStringLiteral("name"), QStringLiteral("   "));
        } else if (damage == QLatin1String("newer")) {
            root.insert(QStringLiteral("version"), kOffersFileVersion + 1);
        } else if (damage == QLatin1String("foreign")) {
            root.insert(QStringLiteral("format"), QStringLiteral("Some other program"));
        }
        second.insert(QStringLiteral("estimate"), estimate);
        offers.replace(1, second);
        root.insert(QStringLiteral("offers"), offers);
        bytes = QJsonDocument(root).toJson();
        if (damage == QLatin1String("cut"))
            bytes.truncate(bytes.size() / 2);
        QVERIFY(WriteFile(path, bytes));
        if (damage == QLatin1String("large")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(kMaxOffersFileBytes + 1)); // sparse: no disk is used
        } else if (damage == QLatin1String("folder")) {
            path = shared.filePath(QStringLiteral("folder.plumcrest-offers"));
            QVERIFY(QDir().mkpath(path));
        }

        QVERIFY(!b.desk.OpenOffers(path));
        QCOMPARE(platform.messages.shown.size(), std::size_t{1});
        const QString said = platform.messages.shown.front().text;
        QVERIFY2(said.contains(QFileInfo(path).fileName()), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("nothing was changed")), qPrintable(said));
        QVERIFY2(said.contains(why, Qt::CaseInsensitive), qPrintable(said));
        QCOMPARE(Names(b.Offers()), QStringList{QStringLiteral("Cedar Credit Union")});
        QCOMPARE(b.Setting(QStringLiteral("horizon_years")), std::optional<QString>("9"));
        QCOMPARE(b.Setting(QStringLiteral("savings_percent")), std::nullopt);
    }

    // State: the calculator's window with the focus in a field; a Loan Estimate whose reader
    //   stalls on it.
    // Action: import it; type into the field while it reads; Cancel once the progress shows.
    // Expected: the window's timers keep running throughout, the progress window appears after a
    //   moment, Cancel ends the import within a second and stops the reader process; nothing
    //   typed meanwhile reached the field, no message is shown and the focus is back in it.
    void import_of_a_stalled_file_stays_responsive_and_cancels() {
        testing::FakePlatform platform;
        ScopedLocaleSeparators separators(kUs);
        Home home;
        QTemporaryDir dir;
        home.desk.readerProgram = StalledReader(dir);
        QVERIFY(!home.desk.readerProgram.isEmpty());
        const QString file = dir.filePath(QStringLiteral("stalled.pdf"));
        QVERIFY(WriteFile(file, "%PDF-1.4\n"));
        auto* field = new QLineEdit(QStringLiteral("120,000.00"), &home.window);
        home.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home.window));
        home.window.activateWindow();
        field->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), field);
        bool reviewed = false;
        home.desk.AskToReview = [&](const KeptOffer&, const reader::ReadBack&, QWidget*) {
            reviewed = true;
            return std::optional<KeptOffer>();
        };

        int ticks = 0;
        QTimer beat;
        QObject::connect(&beat, &QTimer::timeout, [&] { ++ticks; });
        beat.start(20);
        QTimer::singleShot(100, field, [field] { QTest::keyClicks(field, QStringLiteral("99")); });
        bool shownBeforeDelay = false;
        QTimer::singleShot(kReadingProgressDelayMs / 2, [&] {
            const auto* progress =
                home.window.findChild<QDialog*>(QStringLiteral("dlgReadingEstimate"));
            shownBeforeDelay = progress && progress->isVisible();
        });
        bool shown = false;
        qint64 pid = 0;
        QElapsedTimer clock;
        QTimer::singleShot(kReadingProgressDelayMs + 500, [&] {
            auto* progress = home.window.findChild<QDialog*>(QStringLiteral("dlgReadingEstimate"));
            shown = progress && progress->isVisible();
            pid = ReaderPid(dir);
            if (auto* cancel =
                    progress ? progress->findChild<QPushButton*>(QStringLiteral("btnCancelReading"))
                             : nullptr) {
                clock.start();
                QTest::mouseClick(cancel, Qt::LeftButton);
            }
        });
        const int ticksBefore = ticks;
        QVERIFY(!home.desk.ImportEstimate(file));
        const qint64 cancelTook = clock.isValid() ? clock.elapsed() : -1;
        QVERIFY(!shownBeforeDelay);
        QVERIFY(shown);
        QVERIFY(ticks - ticksBefore >= 20);
        QVERIFY2(cancelTook >= 0 && cancelTook < 1000, qPrintable(QString::number(cancelTook)));
        QVERIFY(pid > 0);
        QVERIFY2(!Running(pid), qPrintable(QString::number(pid)));
        QCOMPARE(field->text(), QStringLiteral("120,000.00"));
        QVERIFY(!reviewed);
        QVERIFY(platform.messages.shown.empty());
        QTRY_COMPARE(QApplication::focusWidget(), field);
    }

    // State: the Compare window with the focus in its years field, a reader that refuses the
    //   file.
    // Action: Import Loan Estimate from the Compare window.
    // Expected: one message with the reader's reason, and the focus back in the years field,
    //   not in the calculator.
    void after_a_refusal_the_focus_returns_where_it_was() {
        testing::FakePlatform platform;
        ScopedLocaleSeparators separators(kUs);
        Home home;
        KeptOffer offer = FixedRate(QStringLiteral("Alder Bank"), 6.25);
        QVERIFY(home.Keep(offer));
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("refusing-reader.sh"));
        QVERIFY(WriteFile(script, "#!/bin/sh\necho 'plumcrest: no text; probably a scan' >&2\n"
                                  "exit 2\n"));
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
        home.desk.readerProgram = script;
        const QString file = dir.filePath(QStringLiteral("scan.pdf"));
        QVERIFY(WriteFile(file, "%PDF-1.4\n"));
        auto* calculatorField = new QLineEdit(&home.window);
        home.window.show();
        calculatorField->setFocus();
        compare::CompareWindow* window = home.desk.ShowCompare();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());
        window->HorizonField()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), window->HorizonField());
        home.desk.AskForEstimateFile = [file](QWidget*) { return file; };
        // A message box over the calculator leaves it active, with the focus in its field.
        platform.messages.onShow = [&](const testing::RecordedMessage&) {
            home.window.activateWindow();
            calculatorField->setFocus();
        };
        window->Commands().importEstimate->trigger();
        QCOMPARE(platform.messages.shown.size(), std::size_t{1});
        QVERIFY2(platform.messages.shown.front().text.contains(QStringLiteral("probably a scan")),
                 qPrintable(platform.messages.shown.front().text));
        QTRY_COMPARE(QApplication::focusWidget(), window->HorizonField());
    }

    // State: a reader that never answers, run with a limit of 300 ms.
    // Expected: it ends as timed out within a second, its process stopped.
    void a_reader_past_its_limit_is_stopped() {
        QTemporaryDir dir;
        const QString program = StalledReader(dir);
        const QString file = dir.filePath(QStringLiteral("slow.pdf"));
        QVERIFY(WriteFile(file, "%PDF-1.4\n"));
        ReaderRun run(program, file, 300);
        QElapsedTimer clock;
        clock.start();
        run.Start();
        QTRY_VERIFY_WITH_TIMEOUT(run.Done(), 2000);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(run.Result().outcome, ImportReading::Outcome::TimedOut);
        QTRY_VERIFY(ReaderPid(dir) > 0);
        QVERIFY(!Running(ReaderPid(dir)));
    }
};

QTEST_MAIN(SharingTest)
#include "SharingTest.moc"
