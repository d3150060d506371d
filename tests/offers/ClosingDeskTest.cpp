// The Closing Disclosure check as the buyer meets it from the desk: the form read in the
// background with the import's progress window and Cancel, and the check kept with its offer and
// opened again from Compare as the buyer left it.
#include "ClosingJson.h"
#include "ClosingWindow.h"
#include "CompareWindow.h"
#include "FakePlatform.h"
#include "JuniperClosing.h"
#include "OfferDesk.h"
#include "OfferStore.h"
#include "ReadingProgress.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <csignal>

using namespace plumcrest;
using namespace plumcrest::offers;
using namespace plumcrest::store;

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// A reader that stands for one: it writes its process id, then runs `body`.
QString Reader(const QTemporaryDir& dir, const QByteArray& body) {
    const QString script = dir.filePath(QStringLiteral("reader.sh"));
    const QByteArray text = "#!/bin/sh\necho $$ > '" +
                            QFile::encodeName(dir.filePath(QStringLiteral("reader.pid"))) + "'\n" +
                            body + "\n";
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

KeptOffer JuniperOffer() {
    KeptOffer offer;
    offer.name = QStringLiteral("Juniper Savings");
    offer.estimate = testing::JuniperEstimate();
    offer.estimate.price = 312500;
    return offer;
}

reader::ClosingReading JuniperClosing() {
    return testing::JuniperClosing();
}

struct Home {
    QTemporaryDir dir;
    QWidget window;
    OfferDesk desk{&window, [this] { return dir.path(); }};
    bool Keep(KeptOffer& offer) {
        OfferStore store(dir.path());
        return store.Open() && store.Add(offer);
    }
    QList<closing::ClosingWindow*> Checks() const {
        return window.findChildren<closing::ClosingWindow*>();
    }
};

} // namespace

class ClosingDeskTest : public QObject {
    Q_OBJECT

private slots:
    // State: a kept offer; a Closing Disclosure whose reader stalls on it.
    // Action: check it; Cancel once the progress shows.
    // Expected: nothing shown for the first moment, then the progress window of the Closing
    //   Disclosure; Cancel ends it within a second and stops the reader; no message, no check.
    void a_stalled_reading_shows_progress_and_cancels() {
        testing::FakePlatform platform;
        Home home;
        KeptOffer offer = JuniperOffer();
        QVERIFY(home.Keep(offer));
        QTemporaryDir dir;
        home.desk.readerProgram = Reader(dir, "exec sleep 30");
        const QString file = dir.filePath(QStringLiteral("closing.pdf"));
        QVERIFY(WriteFile(file, "%PDF-1.4\n"));
        home.desk.AskForOffer = [](const QStringList&, QWidget*) { return std::optional<int>(0); };
        home.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home.window));

        bool shownBeforeDelay = true;
        QTimer::singleShot(kReadingProgressDelayMs / 2, [&] {
            const auto* progress =
                home.window.findChild<QDialog*>(QStringLiteral("dlgReadingClosing"));
            shownBeforeDelay = progress && progress->isVisible();
        });
        bool shown = false;
        qint64 pid = 0;
        QElapsedTimer clock;
        QTimer::singleShot(kReadingProgressDelayMs + 500, [&] {
            auto* progress = home.window.findChild<QDialog*>(QStringLiteral("dlgReadingClosing"));
            shown = progress && progress->isVisible();
            pid = ReaderPid(dir);
            if (auto* cancel =
                    progress ? progress->findChild<QPushButton*>(QStringLiteral("btnCancelReading"))
                             : nullptr) {
                clock.start();
                QTest::mouseClick(cancel, Qt::LeftButton);
            }
        });
        QVERIFY(!home.desk.CheckClosingDisclosure(file));
        QVERIFY(!shownBeforeDelay);
        QVERIFY(shown);
        QVERIFY2(clock.isValid() && clock.elapsed() < 1000,
                 qPrintable(QString::number(clock.elapsed())));
        QVERIFY(pid > 0);
        QVERIFY2(!Running(pid), qPrintable(QString::number(pid)));
        QVERIFY(platform.messages.shown.empty());
        QVERIFY(home.Checks().isEmpty());
    }

    // State: a kept offer; a Closing Disclosure that answers it.
    // Action: check it; say the title company came from the lender's list; close the window;
    //   in Compare, open the offer's kept check.
    // Expected: Compare lists the offer as checked and its command is enabled; the check opens
    //   again with the buyer's category and the cure it gives (60.00, not 100.00).
    void a_check_is_kept_with_its_offer_and_opened_again_from_compare() {
        testing::FakePlatform platform;
        Home home;
        KeptOffer plain = JuniperOffer();
        plain.name = QStringLiteral("Cedar Credit Union");
        QVERIFY(home.Keep(plain));
        KeptOffer offer = JuniperOffer();
        QVERIFY(home.Keep(offer));
        QTemporaryDir dir;
        const QString json = dir.filePath(QStringLiteral("closing.json"));
        QVERIFY(WriteFile(json, reader::ClosingToJson(JuniperClosing())));
        home.desk.readerProgram = Reader(dir, "cat '" + QFile::encodeName(json) + "'");
        const QString file = dir.filePath(QStringLiteral("Juniper closing.pdf"));
        QVERIFY(WriteFile(file, "%PDF-1.4\n"));
        QStringList listed;
        home.desk.AskForOffer = [&](const QStringList& offers, QWidget*) {
            listed = offers;
            return std::optional<int>(0);
        };
        QVERIFY(home.desk.CheckClosingDisclosure(file));
        // The likeliest first: the same lender and loan amount.
        QCOMPARE(listed.value(0), QStringLiteral("Juniper Savings"));
        QTRY_COMPARE(home.Checks().size(), 1);
        closing::ClosingWindow* first = home.Checks().front();
        QCOMPARE(first->check().cureOwed, 100);
        QComboBox* category = nullptr;
        for (int row = 0; row < first->table()->rowCount(); ++row)
            if (first->table()->item(row, 1)->text().startsWith(QStringLiteral("Title")))
                category = qobject_cast<QComboBox*>(first->table()->cellWidget(row, 5));
        QVERIFY(category);
        category->setCurrentIndex(1); // 10 % together
        QTRY_COMPARE(first->check().cureOwed, 6000);
        first->close();
        QTRY_COMPARE(home.Checks().size(), 0);
        QVERIFY(platform.messages.shown.empty());

        compare::CompareWindow* compare = home.desk.ShowCompare();
        QVERIFY(compare);
        QStringList choices;
        for (int i = 0; i < compare->ChoiceList()->count(); ++i)
            choices << compare->ChoiceList()->item(i)->text();
        QVERIFY2(choices.filter(QStringLiteral("Closing Disclosure checked")).size() == 1,
                 qPrintable(choices.join(QLatin1Char('|'))));
        compare->SelectOffer(plain.id);
        QVERIFY(!compare->Commands().reopenClosing->isEnabled());
        compare->SelectOffer(offer.id);
        QVERIFY(compare->Commands().reopenClosing->isEnabled());
        compare->Commands().reopenClosing->trigger();
        QTRY_COMPARE(home.Checks().size(), 1);
        closing::ClosingWindow* again = home.Checks().front();
        QCOMPARE(again->choices().categories.size(), 1u);
        QCOMPARE(again->check().cureOwed, 6000);
        QVERIFY(platform.messages.shown.empty());
        again->close();
    }
};

QTEST_MAIN(ClosingDeskTest)
#include "ClosingDeskTest.moc"
