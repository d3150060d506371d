// The Compare window's chart tab, schedules, comparison CSV and PDF, and its menu bar.

#include "CompareModel.h"
#include "CompareWindow.h"
#include "ComparisonExport.h"
#include "CostChart.h"
#include "FakePlatform.h"
#include "LocaleSettings.h"
#include "OfferCalculator.h"
#include "OfferStore.h"
#include "ScheduleModel.h"
#include "ScheduleWindow.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QtTest>

using namespace plumcrest;
using namespace plumcrest::store;
using namespace plumcrest::compare;
using namespace plumcrest::schedule;
using namespace plumcrest::output;

namespace {

// The calculator's default example and its second example: 108,000.00 at 6.75 % for 30 years
// with 3,500.00 of fees (payment 700.49, APR 7.0746), and 200,000.00 at 5.5 % for 15 years with
// 2,500.00 (payment 1,634.17, APR 5.6942).
KeptOffer Offer(const QString& name, LoanInputs inputs, std::optional<double> disclosed) {
    KeptOffer offer;
    offer.name = name;
    LoanResults results;
    RecalculateLoan(inputs, results, '.');
    offer.estimate = EstimateFromCalculator(inputs, results);
    offer.estimate.disclosedApr = disclosed;
    return offer;
}

KeptOffer ThirtyYear(const QString& name) {
    return Offer(name, {120000, 10, 30, 6.75, 1200, 1200, 500, 500, 0, 50, 50, 0, 0}, 7.0);
}

KeptOffer FifteenYear(const QString& name) {
    return Offer(name, {250000, 20, 15, 5.5, 2000, 0, 300, 0, 0, 25, 75, 100, 0}, std::nullopt);
}

// What a user sees of a text Qt shows as a tooltip or label: rendered when Qt takes it for
// markup, else as written.
QString SeenAs(const QString& text) {
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

} // namespace

class CompareOutputTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>(); // every test starts with no offers kept
        QVERIFY(dir_->isValid());
        store_ = std::make_unique<OfferStore>(dir_->path() + QStringLiteral("/Plumcrest"));
        QVERIFY(store_->Open());
    }
    void cleanup() {
        store_.reset();
        dir_.reset();
    }

    void comparison_csv_is_byte_exact_under_a_comma_locale();
    void comparison_csv_writes_a_formula_name_as_text();
    void chart_tab_follows_the_offers_and_the_horizon();
    void a_name_that_looks_like_markup_shows_as_written();
    void schedule_opens_for_the_selected_offer();
    void comparison_pdf_holds_the_table_and_the_break_even();
    void every_command_has_a_menu_entry_and_a_shortcut();
    void comparison_pdf_keeps_every_word_of_a_long_name();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<OfferStore> store_;
};

// State: German separators; the two examples, one named with a comma, one with quotes.
// Hand-worked: total interest 144,171.74 and 94,149.77; interest of the first 84 months
//   48,891.24 and 63,956.26, so over 7 years 52,391.24 and 66,456.26 with the fees.
// Expected: one record per offer, figures with "." and no grouping, in the texts too (a payment
//   by years, the APR check, the savings rate in its header), names quoted, CRLF.
void CompareOutputTest::comparison_csv_is_byte_exact_under_a_comma_locale() {
    const ScopedLocaleSeparators german({U',', U'.'});
    CompareModel model(TheLocaleSeparators());
    model.SetOffers({ThirtyYear(QStringLiteral("Smith, Jones & Co")),
                     FifteenYear(QStringLiteral("The \"Best\" Bank"))});
    model.SetHorizonYears(7);
    QCOMPARE(model.index(CompareModel::LoanRow, 0).data().toString(), QStringLiteral("108.000,00"));
    // New figures, by hand: cash to close 12,000.00 + 3,500.00 and 50,000.00 + 2,500.00; in 5
    // years 60 payments plus loan costs and prepaid interest (3,000.00 + 500.00; 2,200.00 +
    // 300.00); the total of payments the whole term's plus the same; TIP
    // (144,171.74 + 500.00) / 108,000.00 and (94,149.77 + 300.00) / 200,000.00; the appraisal
    // (not a finance charge) lowers the lender's APR of the second; paid in 7 years 84 payments
    // plus loan costs, principal that less the interest, the balance the rest; the cost with
    // savings at 4 % worked apart in decimal arithmetic from the cent schedules.
    const std::string expected =
        "Name,Loan type,Price,Down payment,Loan,Term (years),Note rate (%),Rate locked until,"
        "Estimated closing costs expire,Principal and "
        "interest a month,Mortgage insurance a month,Mortgage insurance ends,\"Escrow a month "
        "(tax, insurance)\",\"Total a month, first years\",Total a month by years,HOA dues a "
        "month,Closing costs (D + I),Loan costs (D = A + B + C),Other costs (I = E to H),Lender "
        "credits,Cash to close,In 5 years: total paid,In 5 years: principal paid off,In 5 years: "
        "lender's figures,TIP (%),TIP the lender disclosed,\"Calculator's APR, all fees (%)\","
        "Lender's APR (%),APR the lender disclosed (%),Disclosed APR check,Total of payments,"
        "Total interest,Cost over the whole term,Total paid in 7 years,Principal paid off in 7 "
        "years,Balance owed after 7 years,Cost over 7 years,\"Cost over 7 years, savings at "
        "4.00 %\",Cheapest over 7 years\r\n"
        "\"Smith, Jones & Co\",Conventional,120000.00,12000.00,108000.00,30,6.7500,not locked,"
        "not given,700.49,0.00,"
        "no monthly insurance,0.00,700.49,years 1-30: 700.49,0.00,3500.00,3000.00,500.00,"
        "0.00,15500.00,45529.40,6614.47,not given,133.955,not given,7.0746,7.0746,7.0000,"
        "within 0.125 points,255671.74,144171.74,147671.74,61841.16,9949.92,98050.08,"
        "52391.24,20886.51,\r\n"
        "\"The \"\"Best\"\" Bank\",Conventional,250000.00,50000.00,200000.00,15,5.5000,not "
        "locked,not given,1634.17,"
        "0.00,no monthly insurance,0.00,1634.17,years 1-15: 1634.17,0.00,2500.00,2200.00,"
        "300.00,0.00,52500.00,100550.20,49422.21,not given,47.225,not given,5.6942,5.6864,,"
        "not given,296649.77,94149.77,96649.77,139470.28,73314.02,126685.98,66456.26,17846.49,"
        "cheapest\r\n";
    const std::string csv = ComparisonCsv(model);
    QCOMPARE(QByteArray::fromStdString(csv.substr(0, expected.size())),
             QByteArray::fromStdString(expected));
    // The verdict follows after an empty record, one sentence a record, quoted for its commas.
    QVERIFY2(csv.substr(expected.size())
                     .rfind("\r\nWhich offer is best for you\r\n\"Over 7 years, "
                            "with savings earning 4,00 %, ",
                            0) == 0,
             csv.substr(expected.size()).c_str());
}

// State: two offers named as a spreadsheet formula would be, as an imported lender's name can be.
// Action: the comparison is written as CSV.
// Expected: each name arrives as text after an apostrophe; the figures beside stay numbers.
void CompareOutputTest::comparison_csv_writes_a_formula_name_as_text() {
    CompareModel model(TheLocaleSeparators());
    model.SetOffers({ThirtyYear(QStringLiteral("=HYPERLINK(\"http://x.test\",\"Bank\")")),
                     FifteenYear(QStringLiteral("-2+3+cmd|' /C calc'!A0"))});
    model.SetHorizonYears(7);
    const QStringList records =
        QString::fromStdString(ComparisonCsv(model)).split(QStringLiteral("\r\n"));
    QVERIFY2(records.value(1).startsWith(
                 QStringLiteral("\"'=HYPERLINK(\"\"http://x.test\"\",\"\"Bank\"\")\",Conventional,"
                                "120000.00,12000.00,108000.00,30,6.7500,not locked,not given,"
                                "700.49,")),
             qPrintable(records.value(1)));
    QVERIFY2(records.value(2).startsWith(QStringLiteral(
                 "\"'-2+3+cmd|' /C calc'!A0\",Conventional,250000.00,50000.00,200000.00,15,")),
             qPrintable(records.value(2)));
}

// State: an offer named as markup that would fake a verdict, as an imported lender's name can be.
// Action: the Compare window shows it.
// Expected: the list's tooltip, the column's tooltip and the chart's key show the name as written.
void CompareOutputTest::a_name_that_looks_like_markup_shows_as_written() {
    const QString name = QStringLiteral("<h1 style='color:green'>Imported OK</h1>");
    KeptOffer a = ThirtyYear(name);
    QVERIFY(store_->Add(a));
    CompareWindow window(*store_, nullptr);
    QCOMPARE(SeenAs(window.ChoiceList()->item(0)->toolTip()), name);
    QCOMPARE(SeenAs(window.Model()->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString()),
             name);
    window.Tabs()->setCurrentWidget(window.Chart());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    QStringList key;
    for (const QGraphicsItem* item : window.Chart()->CostLine(0)->chart()->scene()->items())
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
            key << text->toPlainText();
    QVERIFY2(key.contains(name), qPrintable(key.join(QStringLiteral(" | "))));
}

// State: the two examples kept; the Compare window open at 7 years.
// Action: the horizon goes to 12 years; a third offer is kept and the window reloads.
// Expected: a chart tab with one cost line per offer, named as the offer, over the longest term;
//   its horizon mark moves with the field; the new offer gets its line.
void CompareOutputTest::chart_tab_follows_the_offers_and_the_horizon() {
    KeptOffer a = ThirtyYear(QStringLiteral("Lakeside"));
    KeptOffer b = FifteenYear(QStringLiteral("Harbor"));
    QVERIFY(store_->Add(a));
    QVERIFY(store_->Add(b));
    CompareWindow window(*store_, nullptr);
    window.HorizonField()->setValue(7);
    CostChart* chart = window.Chart();
    QCOMPARE(window.Tabs()->indexOf(chart), 1);
    QCOMPARE(chart->Months(), 360);
    QVERIFY(chart->CostLine(0) && chart->CostLine(1) && !chart->CostLine(2));
    QCOMPARE(chart->CostLine(0)->name(), window.Model()->Offer(0).name);
    QCOMPARE(chart->CostLine(1)->name(), window.Model()->Offer(1).name);
    QCOMPARE(chart->HorizonLine()->at(0).x(), 7.0);

    window.HorizonField()->setValue(12);
    QCOMPARE(chart->HorizonLine()->at(0).x(), 12.0);

    KeptOffer c = ThirtyYear(QStringLiteral("Summit"));
    c.estimate.noteRate = 6.25;
    QVERIFY(store_->Add(c));
    window.Reload();
    QVERIFY(chart->CostLine(2));
    QCOMPARE(chart->HorizonLine()->at(0).x(), 12.0);
}

// State: two offers kept; the older (30-year) one selected.
// Action: File > Schedule... (and the Schedule button for the other).
// Expected: a window of the Compare window's with that offer's schedule: 360 months, first
//   payment 700.49; the other opens with 180 months.
void CompareOutputTest::schedule_opens_for_the_selected_offer() {
    KeptOffer a = ThirtyYear(QStringLiteral("Lakeside"));
    KeptOffer b = FifteenYear(QStringLiteral("Harbor"));
    QVERIFY(store_->Add(a));
    QVERIFY(store_->Add(b));
    CompareWindow window(*store_, nullptr);
    window.SelectOffer(a.id);
    QVERIFY(window.Commands().schedule->isEnabled());
    window.Commands().schedule->trigger();
    auto schedules = window.findChildren<ScheduleWindow*>();
    QCOMPARE(schedules.size(), 1);
    ScheduleWindow* first = schedules.first();
    QVERIFY(first->isWindow());
    QCOMPARE(first->windowTitle(), QStringLiteral("Schedule: Lakeside"));
    QCOMPARE(first->Model()->Schedule().months.size(), 360u);
    QCOMPARE(first->Model()
                 ->index(0, ScheduleModel::PaymentColumn, first->Model()->index(0, 0))
                 .data()
                 .toString(),
             QStringLiteral("700.49"));

    window.SelectOffer(b.id);
    auto* button = window.findChild<QPushButton*>(QStringLiteral("btnSchedule"));
    QVERIFY(button && button->isEnabled());
    button->click();
    schedules = window.findChildren<ScheduleWindow*>();
    QCOMPARE(schedules.size(), 2);
    const ScheduleWindow* second =
        schedules.first() == first ? schedules.last() : schedules.first();
    QCOMPARE(second->Model()->Schedule().months.size(), 180u);
    QCOMPARE(second->Model()->Schedule().payment, Cents{163417});
}

// State: the two examples; horizon 7 years.
// Expected: one page with the program line, the title, the offers' names and horizon costs,
//   the break-even line and the disclaimer.
void CompareOutputTest::comparison_pdf_holds_the_table_and_the_break_even() {
    KeptOffer a = ThirtyYear(QStringLiteral("Lakeside"));
    KeptOffer b = FifteenYear(QStringLiteral("Harbor"));
    QVERIFY(store_->Add(a));
    QVERIFY(store_->Add(b));
    CompareWindow window(*store_, nullptr);
    window.HorizonField()->setValue(7);
    const QString path = dir_->filePath(QStringLiteral("compare.pdf"));
    QString error;
    int pages = 0;
    QVERIFY2(WritePdfFile(path, window.Document(), QPageSize(QPageSize::Letter), &error, &pages),
             qPrintable(error));
    QCOMPARE(pages, 2);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(PLUMCREST_PDFTOTEXT),
                    {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(20000));
    QStringList lines;
    for (const QString& line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\n')) {
        lines.append(line.simplified());
    }
    const QString text = lines.join('\n');
    for (const QString& expected :
         {ProgramLine(), QStringLiteral("Offers compared"), QStringLiteral("Harbor Lakeside"),
          QStringLiteral("Cost over 7 years 66,456.26 52,391.24"),
          window.Model()->BreakEvenTexts().value(0), QStringLiteral("Page 1 of 2")}) {
        QVERIFY2(!expected.isEmpty() && text.contains(expected),
                 qPrintable(expected + QStringLiteral(" not in: ") + text));
    }
    // The disclaimer may wrap; read as one run of words it is the dialog's sentence.
    QVERIFY2(text.simplified().contains(DisclaimerLine()), qPrintable(text.right(400)));
}

// State: three offers, one named with 56 characters, one whose disclosed APR is 0.216 points
//   off (so its check row carries a warning).
// Expected: every word of the window's row labels, cells, break-even lines and chart key is on
//   the PDF's pages: texts wrap, none is cut short with "...".
void CompareOutputTest::comparison_pdf_keeps_every_word_of_a_long_name() {
    const QString longName =
        QStringLiteral("Northfield Cooperative Savings & Mortgage Lending Group.");
    QCOMPARE(longName.size(), 56);
    KeptOffer a = ThirtyYear(longName);
    a.estimate.disclosedApr = CalculatorResultsOf(a.estimate).value_or(LoanResults{}).APR + 0.216;
    KeptOffer b = FifteenYear(QStringLiteral("Harbor"));
    KeptOffer c = ThirtyYear(QStringLiteral("Summit Federal"));
    c.estimate.noteRate = 6.25;
    for (KeptOffer* offer : {&a, &b, &c})
        QVERIFY(store_->Add(*offer));
    CompareWindow window(*store_, nullptr);
    window.HorizonField()->setValue(7);
    const QString path = dir_->filePath(QStringLiteral("long.pdf"));
    QString error;
    QVERIFY2(WritePdfFile(path, window.Document(), QPageSize(QPageSize::Letter), &error),
             qPrintable(error));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(PLUMCREST_PDFTOTEXT), {path, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(20000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY(!text.contains(QChar(0x2026)));
    QSet<QString> onPage;
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+"))))
        onPage.insert(word);

    const CompareModel& model = *window.Model();
    QStringList texts = model.BreakEvenTexts();
    QVERIFY(!texts.isEmpty());
    for (int row = 0; row < model.rowCount(); ++row) {
        texts << model.headerData(row, Qt::Vertical).toString();
        for (int column = 0; column < model.columnCount(); ++column)
            texts << model.index(row, column).data().toString();
    }
    const QString check = model.index(CompareModel::AprCheckRow, 2).data().toString();
    QVERIFY2(check.contains(QStringLiteral("0.216")), qPrintable(check));
    for (int i = 0; i < model.columnCount(); ++i)
        texts << model.Offer(i).name; // the chart's key
    QStringList missing;
    for (const QString& line : texts)
        for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (!onPage.contains(word))
                missing << word;
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
    // Wherever the long name starts (header, Name row, break-even lines, the chart's key), it
    // goes on to its end.
    const QString read = text.simplified();
    QVERIFY(read.count(longName) >= 3);
    QCOMPARE(read.count(QStringLiteral("Northfield Cooperative")), read.count(longName));
}

// Expected: every item of the Compare window's menus has a shortcut, none shared, and the
//   offer commands follow their buttons' enabled state.
void CompareOutputTest::every_command_has_a_menu_entry_and_a_shortcut() {
    KeptOffer a = ThirtyYear(QStringLiteral("Lakeside"));
    QVERIFY(store_->Add(a));
    CompareWindow window(*store_, nullptr);
    QSet<QString> seen;
    int commands = 0;
    for (QAction* menu : window.MenuBar()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) {
                continue;
            }
            ++commands;
            QVERIFY2(!item->shortcut().isEmpty(), qPrintable(item->text()));
            QVERIFY2(!seen.contains(item->shortcut().toString()), qPrintable(item->text()));
            seen.insert(item->shortcut().toString());
            if (item->text() == window.UndoButton()->text()) {
                QCOMPARE(item->isEnabled(), window.UndoButton()->isEnabled());
                window.DeleteSelected();
                QVERIFY(window.UndoButton()->isEnabled());
                QVERIFY(item->isEnabled());
            }
        }
    }
    // With What If (extra payments for all offers, and none), Import, the Closing Disclosure
    // check and its reopening from a kept offer, Redo, the offers file and the help on the
    // verdict, points or credits and keep or refinance.
    QCOMPARE(commands, 26);
}

QTEST_MAIN(CompareOutputTest)
#include "CompareOutputTest.moc"
