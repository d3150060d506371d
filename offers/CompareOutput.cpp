#include "CompareOutput.h"

#include "CompareModel.h"
#include "CompareWindow.h"
#include "CostChart.h"
#include "Csv.h"
#include "LocaleSettings.h"
#include "ScheduleWindow.h"
#include "Services.h"

#include <QAction>
#include <QDate>
#include <QEvent>
#include <QHBoxLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

namespace plumcrest::offers {

namespace {

// Keeps a menu item's enabled state the same as its button's.
class EnabledMirror : public QObject {
public:
    EnabledMirror(QPushButton* button, QAction* action) : QObject(button), action_(action) {
        button->installEventFilter(this);
        action->setEnabled(button->isEnabled());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) {
            action_->setEnabled(static_cast<QWidget*>(watched)->isEnabled());
        }
        return false;
    }

private:
    QAction* action_;
};

QAction* AddCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut) {
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    return action;
}

// The row of buttons holding `button` inside the window's layout.
QBoxLayout* ButtonRowOf(QWidget& window, QWidget* button) {
    for (QBoxLayout* row : window.findChildren<QBoxLayout*>()) {
        if (row->indexOf(button) >= 0) {
            return row;
        }
    }
    return nullptr;
}

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace

CompareOutput::CompareOutput(CompareWindow& window)
    : QObject(&window), window_(window), model_(*window.Model()) {
    chart_ = new CostChart(&window);
    chart_->setObjectName(QStringLiteral("chtCompare"));
    window.Tabs()->addTab(chart_, tr("Char&t"));

    menuBar_ = new QMenuBar(&window);
    window.layout()->setMenuBar(menuBar_);

    QMenu* file = menuBar_->addMenu(tr("&File"));
    schedule_ = AddCommand(file, tr("&Schedule..."), QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(schedule_, &QAction::triggered, this, [this] { OpenSchedule(); });
    file->addSeparator();
    output_ = AddOutputActions(
        *file, window, tr("Offers compared"), [this] { return Csv(); },
        [this] { return Document(); });
    file->addSeparator();
    QAction* close = AddCommand(file, tr("&Close"), QKeySequence::Close);
    connect(close, &QAction::triggered, &window, &QWidget::close);

    QMenu* offer = menuBar_->addMenu(tr("&Offer"));
    const struct {
        QPushButton* button;
        QKeySequence shortcut;
    } commands[] = {{window.UseButton(), QKeySequence(Qt::CTRL | Qt::Key_U)},
                    {window.RenameButton(), QKeySequence(Qt::Key_F2)},
                    {window.DeleteButton(), QKeySequence(QKeySequence::Delete)},
                    {window.UndoButton(), QKeySequence(QKeySequence::Undo)}};
    for (const auto& command : commands) {
        QAction* action = AddCommand(offer, command.button->text(), command.shortcut);
        connect(action, &QAction::triggered, command.button, &QPushButton::click);
        new EnabledMirror(command.button, action);
    }

    QMenu* view = menuBar_->addMenu(tr("&View"));
    QAction* offersTab = AddCommand(view, tr("&Offers"), QKeySequence(Qt::CTRL | Qt::Key_1));
    QAction* costTab = AddCommand(view, tr("&Cost Chart"), QKeySequence(Qt::CTRL | Qt::Key_2));
    QAction* balanceTab =
        AddCommand(view, tr("&Balance Chart"), QKeySequence(Qt::CTRL | Qt::Key_3));
    connect(offersTab, &QAction::triggered, this, [this] { window_.Tabs()->setCurrentIndex(0); });
    connect(costTab, &QAction::triggered, this, [this] {
        window_.Tabs()->setCurrentWidget(chart_);
        chart_->ShowView(CostChart::View::Cost);
    });
    connect(balanceTab, &QAction::triggered, this, [this] {
        window_.Tabs()->setCurrentWidget(chart_);
        chart_->ShowView(CostChart::View::Balance);
    });

    QMenu* help = menuBar_->addMenu(tr("&Help"));
    QAction* helpTopic = AddCommand(help, tr("&Comparing Offers"), QKeySequence::HelpContents);
    connect(helpTopic, &QAction::triggered, this,
            [] { platform::TheHelp().ShowContext(CompareWindow::kHelpContext); });

    // A button beside the others, and a double click on an offer, open its schedule too.
    auto* scheduleButton = new QPushButton(tr("&Schedule..."), &window);
    scheduleButton->setObjectName(QStringLiteral("btnSchedule"));
    if (QBoxLayout* row = ButtonRowOf(window, window.UndoButton())) {
        row->insertWidget(row->indexOf(window.UndoButton()) + 1, scheduleButton);
    }
    connect(scheduleButton, &QPushButton::clicked, schedule_, &QAction::trigger);
    new EnabledMirror(window.UseButton(), schedule_); // both need a selected offer
    connect(schedule_, &QAction::changed, scheduleButton,
            [this, scheduleButton] { scheduleButton->setEnabled(schedule_->isEnabled()); });
    scheduleButton->setEnabled(schedule_->isEnabled());
    connect(window.Table(), &QAbstractItemView::doubleClicked, this, [this] { OpenSchedule(); });

    connect(&model_, &QAbstractItemModel::modelReset, this, &CompareOutput::RefreshChart);
    connect(&model_, &QAbstractItemModel::dataChanged, this,
            [this] { chart_->SetHorizon(model_.HorizonYears()); });
    RefreshChart();
}

void CompareOutput::RefreshChart() {
    std::vector<ChartOffer> offers;
    for (int i = 0; i < model_.columnCount(); ++i) {
        const auto column = static_cast<std::size_t>(i);
        offers.push_back({model_.Offer(i).name, model_.Comparison().Fees(column),
                          model_.Comparison().Schedule(column)});
    }
    chart_->SetOffers(std::move(offers), model_.HorizonYears(), TheLocaleSeparators());
}

ScheduleWindow* CompareOutput::OpenSchedule() {
    const auto offer = window_.SelectedOffer();
    if (!offer) {
        return nullptr;
    }
    for (int i = 0; i < model_.columnCount(); ++i) {
        if (model_.Offer(i).id == offer->id) {
            auto* schedule =
                new ScheduleWindow(offer->name, offer->inputs.Interest,
                                   model_.Comparison().Schedule(static_cast<std::size_t>(i)),
                                   TheLocaleSeparators(), &window_);
            schedule->show();
            return schedule;
        }
    }
    return nullptr;
}

std::string CompareOutput::Csv() const {
    return ComparisonCsv(model_);
}

OutputDocument CompareOutput::Document() const {
    OutputDocument document;
    document.heading.title = tr("Offers compared");
    document.heading.subtitle =
        tr("Years you expect to keep this loan: %1").arg(model_.HorizonYears());
    document.heading.date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    document.table = ComparisonPrintTable(model_);
    if (model_.columnCount() > 0) {
        const CostChart* chart = chart_;
        document.chart = [chart](QPainter& painter, const QRectF& target) {
            chart->RenderCostChart(painter, target);
        };
    }
    return document;
}

std::string ComparisonCsv(const CompareModel& model) {
    std::vector<CsvRecord> records;
    CsvRecord header;
    for (int row = 0; row < CompareModel::RowCount; ++row) {
        header.push_back(Utf8(model.headerData(row, Qt::Vertical).toString()));
    }
    records.push_back(std::move(header));
    for (int column = 0; column < model.columnCount(); ++column) {
        CsvRecord record;
        for (int row = 0; row < CompareModel::RowCount; ++row) {
            const QModelIndex cell = model.index(row, column);
            const QVariant figure = cell.data(CompareModel::FigureRole);
            switch (row) {
            case CompareModel::NameRow:
            case CompareModel::AprCheckRow:
            case CompareModel::CheapestRow:
                record.push_back(Utf8(cell.data().toString()));
                break;
            case CompareModel::TermRow:
                record.push_back(CsvNumber(figure.toDouble(), 0));
                break;
            case CompareModel::NoteRateRow:
            case CompareModel::AprRow:
            case CompareModel::DisclosedAprRow:
                record.push_back(figure.isValid() ? CsvNumber(figure.toDouble(), 4) : "");
                break;
            default:
                record.push_back(CsvNumber(figure.toDouble(), 2));
                break;
            }
        }
        records.push_back(std::move(record));
    }
    return CsvText(records);
}

PrintTable ComparisonPrintTable(const CompareModel& model) {
    PrintTable table;
    table.headers.append(QString());
    table.widths.append(2.6);
    table.alignRight.append(false);
    for (int column = 0; column < model.columnCount(); ++column) {
        table.headers.append(model.headerData(column, Qt::Horizontal).toString());
        table.widths.append(1.6);
        table.alignRight.append(true);
    }
    for (int row = 0; row < CompareModel::RowCount; ++row) {
        QStringList cells{model.headerData(row, Qt::Vertical).toString()};
        for (int column = 0; column < model.columnCount(); ++column) {
            cells.append(model.index(row, column).data().toString());
        }
        table.rows.push_back({cells, row == CompareModel::HorizonCostRow, false});
    }
    const QStringList breakEven = model.BreakEvenTexts();
    if (!breakEven.isEmpty()) {
        table.rows.push_back({{QObject::tr("Break-even")}, true, true});
        for (const QString& line : breakEven) {
            table.rows.push_back({{line}, false, true});
        }
    }
    return table;
}

} // namespace plumcrest::offers
