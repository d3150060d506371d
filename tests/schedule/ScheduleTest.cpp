// The schedule window and its model, its CSV and PDF, and the comparison chart's series.

#include "Amortization.h"
#include "CompareModel.h"
#include "CompareWindow.h"
#include "CostChart.h"
#include "FakePlatform.h"
#include "LoanPipeline.h"
#include "LocaleSettings.h"
#include "MoneyText.h"
#include "OfferCost.h"
#include "OfferStore.h"
#include "OutputCommands.h"
#include "ScheduleModel.h"
#include "ScheduleWindow.h"
#include "Translations.h"

#include <QAction>
#include <QApplication>
#include <QCategoryAxis>
#include <QChartView>
#include <QDate>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QMenuBar>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <csignal>
#include <sys/resource.h>

using namespace plumcrest;
using namespace plumcrest::schedule;
using namespace plumcrest::compare;
using namespace plumcrest::output;

namespace {

const LocaleSeparators kUs{U'.', U','};
const LocaleSeparators kGerman{U',', U'.'};

QStringList RowText(const ScheduleModel& model, int row, const QModelIndex& parent = {}) {
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c) {
        cells.append(model.index(row, c, parent).data().toString());
    }
    return cells;
}

QStringList Texts(std::initializer_list<const char*> cells) {
    QStringList list;
    for (const char* cell : cells) {
        list.append(QString::fromUtf8(cell));
    }
    return list;
}

// Sets the C and Qt locales to German for the test's lifetime, as a German desktop would.
class GermanLocale {
public:
    GermanLocale() : separators_(kGerman) {
        previousC_ = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // may be missing; Qt's default is enough
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanLocale() {
        std::setlocale(LC_ALL, previousC_.c_str());
        QLocale::setDefault(QLocale::c());
    }
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;

private:
    ScopedLocaleSeparators separators_;
    std::string previousC_;
};

QString PdfText(const QString& path, QStringList extra = {}) {
    QProcess process;
    process.start(QStringLiteral(PLUMCREST_PDFTOTEXT),
                  extra << QStringLiteral("-layout") << path << QStringLiteral("-"));
    if (!process.waitForFinished(20000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Collapses runs of blanks so a row reads "1 1 700.49 ..." whatever the column widths.
QString Simplified(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        lines.append(line.simplified());
    }
    return lines.join(QLatin1Char('\n'));
}

// While alive, this process may not grow any file past `bytes`: writes stop partway, as they do
// on a full disk, and fail with an error rather than a signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

// A conventional loan of 270,000.00 on a 300,000.00 home at 6.5 % for 30 years with insurance of
// 0.5 % a year (112.50 a month); loan costs 1,350.00 (A), 575.00 (B) and 890.00 (C), a recording
// fee of 210.00 (E, not a loan cost), prepaid interest 443.84, lender credits 600.00, and escrow
// of 425.00 a month, which the schedule leaves out.
struct InsuredOfferStore {
    InsuredOfferStore() : store(dir.path()) {
        QVERIFY(store.Open());
        store::KeptOffer offer;
        offer.name = QStringLiteral("Harbor Trust");
        offer.keptAt = QDateTime(QDate(2026, 3, 4), QTime(9, 30), Qt::UTC);
        LoanEstimate estimate;
        estimate.loanType = LoanType::Conventional;
        estimate.price = 300000;
        estimate.loanAmount = 270000;
        estimate.months = 360;
        estimate.noteRate = 6.5;
        estimate.costs = {{CostSection::A, "Origination fee", 1350.0, true},
                          {CostSection::B, "Appraisal fee", 575.0, false},
                          {CostSection::C, "Survey fee", 890.0, true},
                          {CostSection::E, "Recording fees", 210.0, false},
                          {CostSection::F, "Prepaid interest", 443.84, true}};
        estimate.lenderCredits = 600;
        estimate.insuranceEnd = InsuranceEnd::Conventional;
        estimate.insurancePercent = 0.5;
        estimate.propertyTaxYearly = 3600;
        estimate.homeInsuranceYearly = 1500;
        estimate.hoaMonthly = 45;
        offer.estimate = estimate;
        QVERIFY(store.Add(offer));
    }
    QTemporaryDir dir;
    store::OfferStore store;
};

} // namespace

class ScheduleTest : public QObject {
    Q_OBJECT

private slots:
    // As the program starts on a desktop whose language has no translation of its own.
    void initTestCase() { translations::InstallTranslators(*qApp, QLocale(QLocale::German)); }
    void model_shows_hand_worked_months_and_year_subtotals();
    void subtitle_counts_one_month_in_the_singular();
    void model_uses_the_locale_separators();
    void csv_of_a_small_loan_is_byte_exact_under_a_comma_locale();
    void pdf_of_a_30_year_schedule_repeats_the_header_on_each_page();
    void pdf_to_an_unwritable_path_reports_and_writes_nothing();
    void a_save_cut_short_reports_and_keeps_the_older_file();
    void chart_series_hold_the_models_numbers();
    void every_command_has_a_menu_entry_and_a_shortcut();
    void escape_closes_the_schedule_as_it_closes_compare();
    void f1_shows_each_windows_own_topic();
    void long_term_opens_with_years_folded();
    void print_preview_shows_the_pages_of_the_pdf();
    void pointing_at_a_line_names_the_offer_and_its_figure();
    void every_line_stands_out_from_the_background_and_the_marks();
    void dollar_axis_groups_thousands_with_the_programs_separator();
    void schedule_shows_insurance_until_it_ends_and_the_whole_payment();
    void chart_cost_counts_loan_costs_interest_and_insurance();
};

// State: 5,000.00 at 9 % over 14 months (0.75 % a month), worked by hand:
//   payment 377.56; month 1 interest 37.50, principal 340.06, balance 4,659.94;
//   month 2 interest 34.95 (4,659.94 x 0.0075 = 34.949...), and so on; month 14 pays the
//   remaining 374.72 plus 2.81 of interest, 377.53.
// Expected: year 1 holds months 1-12, year 2 months 13-14, each with its sums, then the totals.
void ScheduleTest::model_shows_hand_worked_months_and_year_subtotals() {
    ScheduleModel model(BuildSchedule(5000.0, 9.0, 14), {}, kUs);
    QCOMPARE(model.rowCount(), 3);
    const QModelIndex year1 = model.index(0, 0);
    const QModelIndex year2 = model.index(1, 0);
    QCOMPARE(model.rowCount(year1), 12);
    QCOMPARE(model.rowCount(year2), 2);
    QCOMPARE(model.rowCount(model.index(2, 0)), 0);

    QCOMPARE(RowText(model, 0),
             Texts({"Year 1", "", "4,530.72", "277.40", "4,253.32", "746.68", "0.00", "4,530.72"}));
    QCOMPARE(RowText(model, 0, year1),
             Texts({"1", "1", "377.56", "37.50", "340.06", "4,659.94", "0.00", "377.56"}));
    QCOMPARE(RowText(model, 1, year1),
             Texts({"2", "1", "377.56", "34.95", "342.61", "4,317.33", "0.00", "377.56"}));
    QCOMPARE(RowText(model, 11, year1),
             Texts({"12", "1", "377.56", "8.37", "369.19", "746.68", "0.00", "377.56"}));
    QCOMPARE(RowText(model, 1),
             Texts({"Year 2", "", "755.09", "8.41", "746.68", "0.00", "0.00", "755.09"}));
    QCOMPARE(RowText(model, 0, year2),
             Texts({"13", "2", "377.56", "5.60", "371.96", "374.72", "0.00", "377.56"}));
    QCOMPARE(RowText(model, 1, year2),
             Texts({"14", "2", "377.53", "2.81", "374.72", "0.00", "0.00", "377.53"}));
    QCOMPARE(RowText(model, 2),
             Texts({"Total", "", "5,285.81", "285.81", "5,000.00", "", "0.00", "5,285.81"}));

    const QModelIndex month13 = model.index(0, ScheduleModel::InterestColumn, year2);
    QCOMPARE(model.parent(month13), year2);
    QCOMPARE(model.data(month13, ScheduleModel::CentsRole).toLongLong(), 560);
    QCOMPARE(model.data(month13, ScheduleModel::KindRole).toInt(),
             static_cast<int>(ScheduleModel::RowKind::Month));
    QVERIFY(model.data(model.index(0, 0), Qt::FontRole).value<QFont>().bold());
}

// State: translators installed for German, for which the program carries no translation.
// Expected: the English texts, the count of months in the singular for one: 1,000.00 at 6 %
//   over one month pays 1,005.00.
void ScheduleTest::subtitle_counts_one_month_in_the_singular() {
    QCOMPARE(ScheduleSubtitle(BuildSchedule(1000.0, 6.0, 1), 6.0, kUs),
             QStringLiteral("Loan 1,000.00 at 6.0000 % over 1 month; payment 1,005.00"));
}

// State: the same loan with "," as decimal and "." as group separator.
// Expected: the figures read as the calculator's fields would show them.
void ScheduleTest::model_uses_the_locale_separators() {
    ScheduleModel model(BuildSchedule(5000.0, 9.0, 14), {}, kGerman);
    QCOMPARE(RowText(model, 0),
             Texts({"Year 1", "", "4.530,72", "277,40", "4.253,32", "746,68", "0,00", "4.530,72"}));
}

// State: German C and Qt locales; 3,600.00 at 7.5 % over 3 months, worked by hand (0.625 % a
//   month): interest 22.50, 15.05 (2,407.47 x 0.00625), 7.55; the last payment 1,215.04.
// Action: the window's CSV, as "Export as CSV..." writes it.
// Expected: "." decimals, no grouping, CRLF line ends, a header row.
void ScheduleTest::csv_of_a_small_loan_is_byte_exact_under_a_comma_locale() {
    GermanLocale german;
    ScheduleWindow window(QStringLiteral("Bank, Süd"), 7.5, BuildSchedule(3600.0, 7.5, 3), {},
                          TheLocaleSeparators());
    QCOMPARE(window.Model()->index(0, ScheduleModel::PaymentColumn).data().toString(),
             QStringLiteral("3.645,10"));
    // No insurance: its column stays, at 0.00, so the layout never changes.
    const std::string expected =
        "Month,Year,Payment,Interest,Principal,Balance,Mortgage insurance,Total payment\r\n"
        "1,1,1215.03,22.50,1192.53,2407.47,0.00,1215.03\r\n"
        "2,1,1215.03,15.05,1199.98,1207.49,0.00,1215.03\r\n"
        "3,1,1215.04,7.55,1207.49,0.00,0.00,1215.04\r\n";
    QCOMPARE(QByteArray::fromStdString(window.Csv()), QByteArray::fromStdString(expected));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("schedule.csv"));
    QString error;
    QVERIFY(WriteCsvFile(path, window.Csv(), &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray::fromStdString(expected));
}

// State: 108,000.00 at 6.75 % for 30 years on Letter paper with half-inch margins: 720 points
//   of height give 48 rows under the heading and the column header, and the 391 rows
//   (360 months, 30 year rows, the totals) fill 8 pages and 7 rows of a ninth.
// Expected: 9 pages, titled after the offer; page 1 names the program, version, date, offer and
//   disclaimer and starts with month 1; page 2 repeats the column header and goes on with month 46.
void ScheduleTest::pdf_of_a_30_year_schedule_repeats_the_header_on_each_page() {
    ScheduleWindow window(QStringLiteral("Lakeside Savings"), 6.75,
                          BuildSchedule(108000.0, 6.75, 360), {}, kUs);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("schedule.pdf"));
    QString error;
    int pages = 0;
    QVERIFY2(WritePdfFile(path, window.Document(), QPageSize(QPageSize::Letter), &error, &pages),
             qPrintable(error));
    QCOMPARE(pages, 9);

    const QString all = PdfText(path);
    QCOMPARE(all.count(QLatin1Char('\f')), 9);
    const QString first = Simplified(PdfText(path, {"-f", "1", "-l", "1"}));
    const QString second = Simplified(PdfText(path, {"-f", "2", "-l", "2"}));
    const QString header = QStringLiteral(
        "Month Year Payment Interest Principal Balance Mortgage insurance Total payment");
    for (const QString& text :
         {QStringLiteral("Plumcrest 4.0"),
          // English pages carry an English date, whatever the system's locale.
          QLocale(QLocale::English, QLocale::UnitedStates)
              .toString(QDate::currentDate(), QLocale::LongFormat),
          QStringLiteral("Amortization schedule: Lakeside Savings"),
          QStringLiteral("Loan 108,000.00 at 6.7500 % over 360 months; payment 700.49"),
          QStringLiteral("Page 1 of 9"), header,
          QStringLiteral("\n1 1 700.49 607.50 92.99 107,907.01 0.00 700.49\n"),
          QStringLiteral("\nYear 1 8,405.88 7,254.83 1,151.05 106,848.95 0.00 8,405.88\n"),
          QStringLiteral("\n45 4 700.49")}) {
        QVERIFY2(first.contains(text), qPrintable(text + QStringLiteral(" not in:\n") + first));
    }
    // The disclaimer may wrap; read as one run of words it is the dialog's sentence.
    QVERIFY2(first.simplified().contains(DisclaimerLine()), qPrintable(first.right(400)));
    QVERIFY2(!first.contains(QStringLiteral("\n46 4 700.49")), qPrintable(first));
    for (const QString& text :
         {header, QStringLiteral("\n46 4 700.49"), QStringLiteral("Page 2 of 9")}) {
        QVERIFY2(second.contains(text), qPrintable(text + QStringLiteral(" not in:\n") + second));
    }
    const QString last = Simplified(PdfText(path, {"-f", "9", "-l", "9"}));
    QVERIFY2(
        last.contains(QStringLiteral("Total 252,171.74 144,171.74 108,000.00 0.00 252,171.74")),
        qPrintable(last));
    QVERIFY2(last.contains(QStringLiteral("\nNo mortgage insurance.\n")), qPrintable(last));
    // The document's own title, which a viewer shows in its window and properties.
    const QString meta = PdfText(path, {"-htmlmeta", "-l", "1"});
    QVERIFY2(
        meta.contains(QStringLiteral("<title>Amortization schedule: Lakeside Savings</title>")),
        qPrintable(meta.left(400)));
}

// State: a PDF path in a folder that does not exist.
// Expected: a clear message naming the file; no file appears.
void ScheduleTest::pdf_to_an_unwritable_path_reports_and_writes_nothing() {
    ScheduleWindow window(QStringLiteral("Lakeside Savings"), 6.75,
                          BuildSchedule(108000.0, 6.75, 12), {}, kUs);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/schedule.pdf"));
    QString error;
    QVERIFY(!WritePdfFile(path, window.Document(), QPageSize(QPageSize::Letter), &error));
    QVERIFY2(error.contains(path), qPrintable(error));
    QVERIFY(!QFile::exists(path));
    QVERIFY(!WriteCsvFile(dir.filePath(QStringLiteral("missing/schedule.csv")), "x", &error));
    QVERIFY(error.contains(QStringLiteral("schedule.csv")));
}

// State: an older PDF and CSV under the names being saved; no file may grow past 4 KiB, so
//   the 30-year schedule (far larger as PDF and as CSV) stops partway, as on a full disk.
// Expected: each save reports failure naming its file; the older files keep their bytes and no
//   cut-off or temporary file is left in the folder.
void ScheduleTest::a_save_cut_short_reports_and_keeps_the_older_file() {
    ScheduleWindow window(QStringLiteral("Lakeside Savings"), 6.75,
                          BuildSchedule(108000.0, 6.75, 360), {}, kUs);
    const OutputDocument document = window.Document();
    const std::string csv = window.Csv();
    QTemporaryDir dir;
    const QString pdfPath = dir.filePath(QStringLiteral("schedule.pdf"));
    const QString csvPath = dir.filePath(QStringLiteral("schedule.csv"));
    const QByteArray olderPdf("%PDF-1.4 an older schedule");
    const QByteArray olderCsv("Month,Year\r\n1,1\r\n");
    for (const auto& [path, bytes] : {std::pair{pdfPath, olderPdf}, std::pair{csvPath, olderCsv}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QString pdfError;
    QString csvError;
    bool pdfSaved = true;
    bool csvSaved = true;
    {
        FileSizeLimit limit(4096);
        pdfSaved = WritePdfFile(pdfPath, document, QPageSize(QPageSize::Letter), &pdfError);
        csvSaved = WriteCsvFile(csvPath, csv, &csvError);
    }
    QVERIFY(!pdfSaved);
    QVERIFY2(pdfError.contains(pdfPath), qPrintable(pdfError));
    QVERIFY(!csvSaved);
    QVERIFY2(csvError.contains(csvPath), qPrintable(csvError));
    for (const auto& [path, bytes] : {std::pair{pdfPath, olderPdf}, std::pair{csvPath, olderCsv}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             QStringList({QStringLiteral("schedule.csv"), QStringLiteral("schedule.pdf")}));
}

// State: two offers of 108,000.00 for 30 years: 6.75 % with 3,500.00 fees, 6.25 % with
//   5,660.00; a 15-year offer of 90,000.00 at 5.5 % with 1,234.00; horizon 7 years.
// Expected: each cost line at month m is the fees plus the interest of months 1..m as the
//   offer's schedule model shows them; each balance line is the model's balance; the
//   break-even mark sits at the comparison's break-even month; the horizon line at 7 years.
void ScheduleTest::chart_series_hold_the_models_numbers() {
    struct Offer {
        const char* name;
        double loan;
        double rate;
        int months;
        Cents fees;
    };
    const Offer offers[] = {{"High Rate", 108000.0, 6.75, 360, 350000},
                            {"Low Rate", 108000.0, 6.25, 360, 566000},
                            {"Short Term", 90000.0, 5.5, 180, 123400}};
    std::vector<ChartOffer> chartOffers;
    for (const Offer& o : offers) {
        chartOffers.push_back(
            {QString::fromUtf8(o.name), o.fees, BuildSchedule(o.loan, o.rate, o.months), {}});
    }
    CostChart chart;
    chart.SetOffers(chartOffers, 7, kUs);
    QCOMPARE(chart.Months(), 360);

    for (int i = 0; i < 3; ++i) {
        ScheduleModel model(chartOffers[static_cast<std::size_t>(i)].schedule, {}, kUs);
        QLineSeries* cost = chart.CostLine(i);
        QLineSeries* balance = chart.BalanceLine(i);
        QVERIFY(cost && balance);
        QCOMPARE(cost->name(), QString::fromUtf8(offers[i].name));
        QCOMPARE(cost->count(), 361);
        QCOMPARE(balance->count(), 361);
        QCOMPARE(qRound64(cost->at(0).y() * 100), offers[i].fees);
        QCOMPARE(qRound64(balance->at(0).y() * 100), qRound64(offers[i].loan * 100));
        Cents sum = offers[i].fees;
        Cents lastBalance = 0;
        for (int y = 0; y < model.TotalsRow(); ++y) {
            const QModelIndex year = model.index(y, 0);
            for (int r = 0; r < model.rowCount(year); ++r) {
                const int month = model.index(r, 0, year).data().toInt();
                sum += model.index(r, ScheduleModel::InterestColumn, year)
                           .data(ScheduleModel::CentsRole)
                           .toLongLong();
                lastBalance = model.index(r, ScheduleModel::BalanceColumn, year)
                                  .data(ScheduleModel::CentsRole)
                                  .toLongLong();
                QCOMPARE(cost->at(month).x(), month / 12.0);
                QCOMPARE(qRound64(cost->at(month).y() * 100), sum);
                QCOMPARE(qRound64(balance->at(month).y() * 100), lastBalance);
            }
        }
        QCOMPARE(qRound64(cost->at(360).y() * 100), sum); // flat after a shorter term
        QCOMPARE(lastBalance, 0);
    }

    const auto breakEven =
        BreakEvenMonth(chartOffers[1].schedule, 566000, chartOffers[0].schedule, 350000);
    QVERIFY(breakEven.has_value());
    bool marked = false;
    for (const QPointF& p : chart.BreakEvenPoints()->points()) {
        marked = marked || qFuzzyCompare(p.x(), *breakEven / 12.0);
    }
    QVERIFY(marked);
    QCOMPARE(chart.HorizonLine()->at(0).x(), 7.0);
    chart.SetHorizon(10);
    QCOMPARE(chart.HorizonLine()->at(1).x(), 10.0);

    const Cents costAt84 = HorizonCost(chartOffers[1].schedule, 566000, 7);
    QCOMPARE(chart.HoverText(chart.CostLine(1), 84.2 / 12.0),
             QStringLiteral("Low Rate\nMonth 84 (year 7), cost so far: %1")
                 .arg(MoneyText(costAt84, kUs)));
    QCOMPARE(chart.HoverText(chart.BalanceLine(2), 15.0),
             QStringLiteral("Short Term\nMonth 180 (year 15), balance: 0.00"));

    // The key names the break-even marks only while there are some.
    const auto keyShown = [&chart] {
        QScatterSeries* points = chart.BreakEvenPoints();
        const QList<QLegendMarker*> markers = points->chart()->legend()->markers(points);
        return !markers.isEmpty() && markers.constFirst()->isVisible();
    };
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QVERIFY(keyShown());
    chart.SetOffers({chartOffers[0]}, 7, kUs);
    QCOMPARE(chart.BreakEvenPoints()->count(), 0);
    QCoreApplication::processEvents(); // the legend lays out its new key
    QVERIFY(!keyShown());
}

// Expected: each of the window's menu items has a shortcut, and no two share one.
void ScheduleTest::every_command_has_a_menu_entry_and_a_shortcut() {
    ScheduleWindow window(QStringLiteral("Lakeside Savings"), 6.75,
                          BuildSchedule(108000.0, 6.75, 24), {}, kUs);
    QSet<QString> seen;
    int commands = 0;
    for (QAction* menu : window.menuBar()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) {
                continue;
            }
            ++commands;
            QVERIFY2(!item->shortcut().isEmpty(), qPrintable(item->text()));
            QVERIFY2(!seen.contains(item->shortcut().toString()), qPrintable(item->text()));
            seen.insert(item->shortcut().toString());
        }
    }
    QCOMPARE(commands, 8);
    window.YearsOnlyAction()->trigger();
    QVERIFY(!window.View()->isExpanded(window.Model()->index(0, 0)));
    window.ShowMonthsAction()->trigger();
    QVERIFY(window.View()->isExpanded(window.Model()->index(1, 0)));
}

// State: a schedule window shown, the focus in its table of years.
// Action: Escape.
// Expected: the window closes, as the Compare window does on Escape.
void ScheduleTest::escape_closes_the_schedule_as_it_closes_compare() {
    QPointer<ScheduleWindow> window = new ScheduleWindow(
        QStringLiteral("Lakeside Savings"), 6.75, BuildSchedule(108000.0, 6.75, 24), {}, kUs);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    window->View()->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(window->isActiveWindow());
    QTest::keyClick(window->View(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
}

// Action: F1 in a schedule window, then in the Compare window.
// Expected: each asks the help for its own topic: the schedule's (10103), the comparison's
//   (10101).
void ScheduleTest::f1_shows_each_windows_own_topic() {
    plumcrest::testing::FakePlatform platform;
    ScheduleWindow schedule(QStringLiteral("Lakeside Savings"), 6.75,
                            BuildSchedule(108000.0, 6.75, 24), {}, kUs);
    schedule.show();
    QVERIFY(QTest::qWaitForWindowActive(&schedule));
    QTest::keyClick(&schedule, Qt::Key_F1);
    QCOMPARE(platform.help.calls, QStringList{QStringLiteral("context 10103")});

    QTemporaryDir dir;
    store::OfferStore store(dir.path());
    QVERIFY(store.Open());
    compare::CompareWindow window(store, nullptr);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    QCOMPARE(platform.help.calls,
             (QStringList{QStringLiteral("context 10103"), QStringLiteral("context 10101")}));
}

// State: a 999-year term, 11,988 months (at 0.8 % no rounded-up payment ends it early).
// Expected: the window opens with every row the same height, the years folded except the
//   first, and the last year and the totals reachable.
void ScheduleTest::long_term_opens_with_years_folded() {
    ScheduleWindow window(QStringLiteral("Forever Bank"), 6.75, BuildSchedule(108000.0, 0.8, 11988),
                          {}, kUs);
    QCOMPARE(window.Model()->Schedule().months.size(), 11988u); // 0.8 %: the payment rounds down
    QVERIFY(window.View()->uniformRowHeights());
    QCOMPARE(window.Model()->rowCount(), 1000);
    QVERIFY(window.View()->isExpanded(window.Model()->index(0, 0)));
    QVERIFY(!window.View()->isExpanded(window.Model()->index(1, 0)));
    QCOMPARE(window.Model()->index(998, 0).data().toString(), QStringLiteral("Year 999"));
    QCOMPARE(window.Model()->index(11, 1, window.Model()->index(998, 0)).data().toString(),
             QStringLiteral("999"));
    QCOMPARE(window.Model()->index(999, ScheduleModel::PrincipalColumn).data().toString(),
             QStringLiteral("108,000.00"));
}

// State: a 30-year schedule.
// Action: File > Print Preview...
// Expected: the preview shows as many pages as the PDF on the same paper has.
void ScheduleTest::print_preview_shows_the_pages_of_the_pdf() {
    ScheduleWindow window(QStringLiteral("Lakeside Savings"), 6.75,
                          BuildSchedule(108000.0, 6.75, 360), {}, kUs);
    QTemporaryDir dir;
    int pdfPages = 0;
    QString error;
    QVERIFY(WritePdfFile(dir.filePath(QStringLiteral("s.pdf")), window.Document(),
                         DefaultPaperForLocale(), &error, &pdfPages));
    int previewPages = -1;
    QTimer::singleShot(0, [&previewPages] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            return;
        }
        if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) {
            previewPages = preview->pageCount();
        }
        dialog->close();
    });
    window.Output().printPreview->trigger();
    QCOMPARE(previewPages, pdfPages);
}

// State: the chart of two offers on screen.
// Action: the pointer moves onto the second offer's cost line at 10 years.
// Expected: the hover text names that offer and its cost at month 120.
void ScheduleTest::pointing_at_a_line_names_the_offer_and_its_figure() {
    std::vector<ChartOffer> offers{
        {QStringLiteral("High Rate"), 350000, BuildSchedule(108000.0, 6.75, 360), {}},
        {QStringLiteral("Low Rate"), 566000, BuildSchedule(108000.0, 6.25, 360), {}}};
    CostChart chart;
    chart.resize(800, 520);
    chart.SetOffers(offers, 7, kUs);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QChart* costChart = chart.Chart(CostChart::View::Cost);
    const QPointF point = chart.CostLine(1)->at(120);
    const QPointF scenePos =
        costChart->mapToScene(costChart->mapToPosition(point, chart.CostLine(1)));
    auto* view = chart.findChild<QChartView*>();
    QVERIFY(view);
    const QPoint pos = view->mapFromScene(scenePos);
    QTest::mouseMove(view->viewport(), pos - QPoint(20, 0));
    QTest::mouseMove(view->viewport(), pos);
    QTRY_VERIFY(chart.LastHoverText().startsWith(QStringLiteral("Low Rate\n")));
    QVERIFY2(chart.LastHoverText().contains(QStringLiteral("cost so far: ")),
             qPrintable(chart.LastHoverText()));
}

// Relative luminance and contrast ratio as used for readable colours on screen.
static double Luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

static double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// State: eight offers, so every colour of the set is on screen, under a light and a dark window.
// Expected: each cost line differs from every other line and from the break-even marks, and has
//   at least 3:1 contrast against every colour of the chart's background.
void ScheduleTest::every_line_stands_out_from_the_background_and_the_marks() {
    std::vector<ChartOffer> offers;
    for (int i = 0; i < 8; ++i) {
        offers.push_back({QStringLiteral("Offer %1").arg(i + 1),
                          100000 + 12345 * i,
                          BuildSchedule(90000.0 + 1000.0 * i, 5.5 + 0.25 * i, 120 + 12 * i),
                          {}});
    }
    for (const QColor window : {QColor(0xF0F0F0), QColor(0x202020)}) {
        CostChart chart;
        QPalette palette = chart.palette();
        palette.setColor(QPalette::Window, window);
        chart.setPalette(palette);
        chart.SetOffers(offers, 7, kUs);
        const QBrush brush = chart.Chart(CostChart::View::Cost)->backgroundBrush();
        QList<QColor> background{brush.color()};
        if (brush.gradient()) {
            background.clear();
            for (const QGradientStop& stop : brush.gradient()->stops()) {
                background.append(stop.second);
            }
        }
        const QColor mark = chart.BreakEvenPoints()->color();
        QList<QColor> seen;
        for (int i = 0; i < 8; ++i) {
            const QColor line = chart.CostLine(i)->pen().color();
            const QString what = QStringLiteral("line %1 (%2) on window %3")
                                     .arg(i + 1)
                                     .arg(line.name(), window.name());
            QVERIFY2(line != mark, qPrintable(what));
            QVERIFY2(!seen.contains(line), qPrintable(what));
            seen.append(line);
            for (const QColor& back : background) {
                QVERIFY2(Contrast(line, back) >= 3.0,
                         qPrintable(what + QStringLiteral(" against ") + back.name()));
            }
        }
    }
}

// State: one offer of 108,000.00 at 6.75 % for 30 years with 3,500.00 fees (cost and balance
//   reach six figures), once with "," grouping and once with ".".
// Expected: every label of both views' dollar axes is grouped in threes by that separator, the
//   axis starts at "0", and some label reaches six figures.
void ScheduleTest::dollar_axis_groups_thousands_with_the_programs_separator() {
    const std::vector<ChartOffer> offers{
        {QStringLiteral("Lakeside"), 350000, BuildSchedule(108000.0, 6.75, 360), {}}};
    for (const LocaleSeparators& separators : {kUs, LocaleSeparators{U',', U'.'}}) {
        const QString group = QString::fromUcs4(&separators.thousands, 1);
        const QRegularExpression grouped(
            QStringLiteral("^\\d{1,3}(%1\\d{3})*$").arg(QRegularExpression::escape(group)));
        CostChart chart;
        chart.SetOffers(offers, 7, separators);
        for (const CostChart::View view : {CostChart::View::Cost, CostChart::View::Balance}) {
            const QList<QAbstractAxis*> axes = chart.Chart(view)->axes(Qt::Vertical);
            QCOMPARE(axes.size(), 1);
            auto* axis = qobject_cast<QCategoryAxis*>(axes.constFirst());
            QVERIFY(axis);
            const QStringList labels = axis->categoriesLabels();
            QVERIFY2(labels.size() >= 3, qPrintable(labels.join(QLatin1Char('|'))));
            QCOMPARE(labels.constFirst(), QStringLiteral("0"));
            QVERIFY2(labels.constLast().size() == 7, qPrintable(labels.join(QLatin1Char('|'))));
            for (const QString& label : labels) {
                QVERIFY2(
                    grouped.match(label).hasMatch(),
                    qPrintable(label + QStringLiteral(" in ") + labels.join(QLatin1Char('|'))));
            }
        }
    }
}

// State: the insured offer kept; Compare open with it selected.
// Action: Schedule.
// Expected: the schedule of the Loan Estimate's loan (6.5 %, not the calculator's 7.125 %);
//   insurance 112.50 with payments 1 to 109 and 0.00 from 110, the total payment P&I plus
//   insurance and never escrow; year rows and totals sum the insurance; the summary and the
//   paper's note say when it ends; the CSV's rows say the same.
void ScheduleTest::schedule_shows_insurance_until_it_ends_and_the_whole_payment() {
    plumcrest::testing::FakePlatform platform;
    InsuredOfferStore fx;
    QWidget owner;
    CompareWindow compare(fx.store, &owner);
    compare.SelectOffer(compare.Model()->Offer(0).id);
    QPointer<ScheduleWindow> window = compare.OpenSchedule();
    QVERIFY(window);
    const ScheduleModel& model = *window->Model();
    const QModelIndex year1 = model.index(0, 0);
    const QModelIndex year10 = model.index(9, 0);
    QCOMPARE(RowText(model, 0, year1), Texts({"1", "1", "1,706.58", "1,462.50", "244.08",
                                              "269,755.92", "112.50", "1,819.08"}));
    QCOMPARE(RowText(model, 0, year10).mid(0, 3), Texts({"109", "10", "1,706.58"}));
    QCOMPARE(RowText(model, 0, year10).mid(6), Texts({"112.50", "1,819.08"}));
    QCOMPARE(RowText(model, 1, year10).mid(6), Texts({"0.00", "1,706.58"}));
    QCOMPARE(RowText(model, 0).mid(6), Texts({"1,350.00", "21,828.96"}));
    QCOMPARE(RowText(model, 9).mid(6), Texts({"112.50", "20,591.46"}));
    QCOMPARE(RowText(model, 10).mid(6), Texts({"0.00", "20,478.96"}));
    QCOMPARE(model.index(model.TotalsRow(), ScheduleModel::InsuranceColumn).data().toString(),
             QStringLiteral("12,262.50"));

    const QString insurance = QStringLiteral(
        "Mortgage insurance 112.50 a month, paid with payments 1 to 109; the balance reaches "
        "80 % of the home's value after payment 95, when you may ask to cancel it.");
    QCOMPARE(window->SummaryText(),
             QStringLiteral("Loan 270,000.00 at 6.5000 % over 360 months; payment 1,706.58\n") +
                 insurance);
    const OutputDocument document = window->Document();
    QVERIFY(document.table.rows.back().span);
    QCOMPARE(document.table.rows.back().cells, QStringList{insurance});

    const QStringList lines = QString::fromStdString(window->Csv()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 362);
    QCOMPARE(lines[0], QStringLiteral("Month,Year,Payment,Interest,Principal,Balance,"
                                      "Mortgage insurance,Total payment"));
    QCOMPARE(lines[1], QStringLiteral("1,1,1706.58,1462.50,244.08,269755.92,112.50,1819.08"));
    QVERIFY2(lines[109].startsWith(QStringLiteral("109,10,1706.58,")) &&
                 lines[109].endsWith(QStringLiteral(",112.50,1819.08")),
             qPrintable(lines[109]));
    QVERIFY2(lines[110].startsWith(QStringLiteral("110,10,1706.58,")) &&
                 lines[110].endsWith(QStringLiteral(",0.00,1706.58")),
             qPrintable(lines[110]));
    window->close();
}

// State: the insured offer kept; Compare open.
// Expected: the cost line starts at the loan costs as the comparison counts them (A to C plus
//   prepaid interest less lender credits: 2,658.84; the recording fee is not one) and adds each
//   month's interest and, through payment 109 only, 112.50 of insurance.
void ScheduleTest::chart_cost_counts_loan_costs_interest_and_insurance() {
    plumcrest::testing::FakePlatform platform;
    InsuredOfferStore fx;
    QWidget owner;
    CompareWindow compare(fx.store, &owner);
    QLineSeries* cost = compare.Chart()->CostLine(0);
    QVERIFY(cost);
    const AmortizationSchedule schedule = BuildSchedule(270000.0, 6.5, 360);
    const auto interestThrough = [&schedule](int months) {
        Cents sum = 0;
        for (int m = 0; m < months; ++m) {
            sum += schedule.months[static_cast<std::size_t>(m)].interest;
        }
        return sum;
    };
    const Cents closing = 265884;
    const auto costAt = [cost](int month) { return qRound64(cost->at(month).y() * 100); };
    QCOMPARE(costAt(0), closing);
    QCOMPARE(costAt(12), closing + interestThrough(12) + 12 * 11250);
    QCOMPARE(costAt(120), closing + interestThrough(120) + 109 * 11250);
}

QTEST_MAIN(ScheduleTest)
#include "ScheduleTest.moc"
