#include "ComparisonExport.h"

#include "CompareModel.h"
#include "CostChart.h"
#include "Csv.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

namespace plumcrest::compare {

using output::CsvNumber;
using output::CsvRecord;
using output::CsvText;

namespace {

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// Points or credits and keep or refinance, each under its heading, when there is anything to say.
std::vector<std::pair<QString, QStringList>> ChoiceSections(const CompareModel& model) {
    std::vector<std::pair<QString, QStringList>> sections;
    const QStringList points = model.PointsTexts();
    if (!points.isEmpty())
        sections.emplace_back(QCoreApplication::translate("plumcrest::compare::ComparisonExport",
                                                          "Points or credits"),
                              points);
    const QStringList refinance = model.RefinanceTexts();
    if (!refinance.isEmpty())
        sections.emplace_back(QCoreApplication::translate("plumcrest::compare::ComparisonExport",
                                                          "Keep or refinance"),
                              refinance);
    return sections;
}

} // namespace

std::string ComparisonCsv(const CompareModel& model) {
    std::vector<CsvRecord> records;
    CsvRecord header;
    for (int row = 0; row < model.rowCount(); ++row) {
        header.push_back(
            Utf8(model.headerData(row, Qt::Vertical, CompareModel::PlainTextRole).toString()));
    }
    records.push_back(std::move(header));
    for (int column = 0; column < model.columnCount(); ++column) {
        CsvRecord record;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QModelIndex cell = model.index(row, column);
            const QVariant figure = cell.data(CompareModel::FigureRole);
            switch (CompareModel::KindOf(row)) {
            case CompareModel::RowKind::Text:
                record.push_back(Utf8(cell.data(CompareModel::PlainTextRole).toString()));
                break;
            case CompareModel::RowKind::Years:
                record.push_back(CsvNumber(figure.toDouble(), 0));
                break;
            case CompareModel::RowKind::Rate:
                record.push_back(figure.isValid() ? CsvNumber(figure.toDouble(), 4) : "");
                break;
            case CompareModel::RowKind::Percent3:
                record.push_back(figure.isValid() ? CsvNumber(figure.toDouble(), 3) : "");
                break;
            case CompareModel::RowKind::Money:
                record.push_back(figure.isValid() ? CsvNumber(figure.toDouble(), 2) : "");
                break;
            }
        }
        records.push_back(std::move(record));
    }
    // The verdict below the figures, one sentence a line, after an empty line.
    const QStringList verdict = model.VerdictTexts();
    if (!verdict.isEmpty()) {
        records.push_back({});
        records.push_back({Utf8(QCoreApplication::translate("plumcrest::compare::ComparisonExport",
                                                            "Which offer is best for you"))});
        for (const QString& line : verdict)
            records.push_back({Utf8(line)});
    }
    for (const auto& [heading, lines] : ChoiceSections(model)) {
        records.push_back({});
        records.push_back({Utf8(heading)});
        for (const QString& line : lines)
            records.push_back({Utf8(line)});
    }
    return CsvText(records);
}

output::PrintTable ComparisonPrintTable(const CompareModel& model) {
    output::PrintTable table;
    table.headers.append(QString());
    table.widths.append(2.6);
    table.alignRight.append(false);
    for (int column = 0; column < model.columnCount(); ++column) {
        table.headers.append(model.headerData(column, Qt::Horizontal).toString());
        table.widths.append(1.6);
        table.alignRight.append(true);
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells{model.headerData(row, Qt::Vertical).toString()};
        for (int column = 0; column < model.columnCount(); ++column) {
            cells.append(model.index(row, column).data().toString());
        }
        table.rows.push_back({cells, row == CompareModel::DiscountedCostRow, false});
    }
    const QStringList verdict = model.VerdictTexts();
    if (!verdict.isEmpty()) {
        table.rows.push_back({{QCoreApplication::translate("plumcrest::compare::ComparisonExport",
                                                           "Which offer is best for you")},
                              true,
                              true});
        for (const QString& line : verdict)
            table.rows.push_back({{line}, false, true});
    }
    for (const auto& [heading, lines] : ChoiceSections(model)) {
        table.rows.push_back({{heading}, true, true});
        for (const QString& line : lines)
            table.rows.push_back({{line}, false, true});
    }
    const QStringList breakEven = model.BreakEvenTexts();
    if (!breakEven.isEmpty()) {
        table.rows.push_back(
            {{QCoreApplication::translate("plumcrest::compare::ComparisonExport", "Break-even")},
             true,
             true});
        for (const QString& line : breakEven) {
            table.rows.push_back({{line}, false, true});
        }
    }
    return table;
}

output::OutputDocument ComparisonDocument(const CompareModel& model, const CostChart& chart) {
    output::OutputDocument document;
    document.heading.title =
        QCoreApplication::translate("plumcrest::compare::ComparisonExport", "Offers compared");
    document.heading.subtitle =
        QCoreApplication::translate("plumcrest::compare::ComparisonExport",
                                    "Years you expect to keep this loan: %1")
            .arg(model.HorizonYears());
    document.heading.date = output::PageDate(QDate::currentDate());
    document.table = ComparisonPrintTable(model);
    if (model.columnCount() > 0) {
        const CostChart* drawn = &chart;
        document.chart = [drawn](QPainter& painter, const QRectF& target) {
            drawn->RenderCostChart(painter, target);
        };
    }
    return document;
}

} // namespace plumcrest::compare
