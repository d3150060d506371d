#include "ClosingDisclosurePdf.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <map>

namespace plumcrest::testing {

using reader::CashToCloseRow;
using reader::ClosingLine;
using reader::ClosingReading;

namespace {

// Dollars as the form prints them, with cents: "$1,802.00", "– $500.00".
QString Money(double value) {
    const bool negative = value < 0;
    const qint64 cents = static_cast<qint64>(std::llround(std::fabs(value) * 100));
    QString digits = QString::number(cents / 100);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    digits += QStringLiteral(".%1").arg(cents % 100, 2, 10, QLatin1Char('0'));
    return (negative ? QStringLiteral("\u2013 $") : QStringLiteral("$")) + digits;
}

QString Percent(double value, int decimals) {
    return QString::number(value, 'f', decimals) + QLatin1Char('%');
}

QString DateText(const std::optional<std::string>& iso) {
    if (!iso)
        return {};
    const QString date = QString::fromStdString(*iso);
    return QStringLiteral("%1/%2/%3")
        .arg(date.mid(5, 2).toInt())
        .arg(date.mid(8, 2).toInt())
        .arg(date.left(4));
}

// The regulator's Spanish for the form's headings and labels.
const std::map<QString, QString>& Spanish() {
    static const std::map<QString, QString> words{
        {QStringLiteral("Closing Disclosure"), QStringLiteral("Declaración de Cierre")},
        {QStringLiteral("Closing Information"), QStringLiteral("Información sobre el cierre")},
        {QStringLiteral("Transaction Information"),
         QStringLiteral("Información sobre la transacción")},
        {QStringLiteral("Loan Information"), QStringLiteral("Información sobre el préstamo")},
        {QStringLiteral("Date Issued"), QStringLiteral("Fecha de emisión")},
        {QStringLiteral("Closing Date"), QStringLiteral("Fecha de cierre")},
        {QStringLiteral("Disbursement Date"), QStringLiteral("Fecha de desembolso")},
        {QStringLiteral("Sale Price"), QStringLiteral("Precio de venta")},
        {QStringLiteral("Appraised Prop. Value"), QStringLiteral("Valoración de la vivienda")},
        {QStringLiteral("Borrower"), QStringLiteral("Deudor")},
        {QStringLiteral("Lender"), QStringLiteral("Prestamista")},
        {QStringLiteral("Loan Term"), QStringLiteral("Plazo del préstamo")},
        {QStringLiteral("Purpose"), QStringLiteral("Finalidad")},
        {QStringLiteral("Product"), QStringLiteral("Producto")},
        {QStringLiteral("Loan Type"), QStringLiteral("Tipo de préstamo")},
        {QStringLiteral("Purchase"), QStringLiteral("Adquisición por compra")},
        {QStringLiteral("Refinance"), QStringLiteral("Refinanciamiento")},
        {QStringLiteral("Fixed Rate"), QStringLiteral("Tasa fija")},
        {QStringLiteral("Conventional"), QStringLiteral("Convencional")},
        {QStringLiteral("years"), QStringLiteral("años")},
        {QStringLiteral("Loan Terms"), QStringLiteral("Términos del préstamo")},
        {QStringLiteral("Loan Amount"), QStringLiteral("Monto del préstamo")},
        {QStringLiteral("Interest Rate"), QStringLiteral("Tasa de interés")},
        {QStringLiteral("Monthly Principal & Interest"),
         QStringLiteral("Pago mensual de intereses y capital")},
        {QStringLiteral("Prepayment Penalty"), QStringLiteral("Multa por pago anticipado")},
        {QStringLiteral("Balloon Payment"), QStringLiteral("Cuota extraordinaria")},
        {QStringLiteral("YES"), QStringLiteral("SÍ")},
        {QStringLiteral("Projected Payments"), QStringLiteral("Pagos proyectados")},
        {QStringLiteral("Payment Calculation"), QStringLiteral("Cálculo de los pagos")},
        {QStringLiteral("Years"), QStringLiteral("Años")},
        {QStringLiteral("Principal & Interest"), QStringLiteral("Capital e intereses")},
        {QStringLiteral("Mortgage Insurance"), QStringLiteral("Seguro hipotecario")},
        {QStringLiteral("Estimated Escrow"), QStringLiteral("Depósito estimado")},
        {QStringLiteral("Estimated Total Monthly Payment"),
         QStringLiteral("Pago total mensual estimado")},
        {QStringLiteral("Costs at Closing"), QStringLiteral("Costos al momento del cierre")},
        {QStringLiteral("Closing Costs"), QStringLiteral("Costos de cierre")},
        {QStringLiteral("Cash to Close"), QStringLiteral("Dinero en efectivo para el cierre")},
        {QStringLiteral("From"), QStringLiteral("Del")},
        {QStringLiteral("To"), QStringLiteral("Para")},
        {QStringLiteral("Closing Cost Details"),
         QStringLiteral("Detalles de los costos de cierre")},
        {QStringLiteral("Borrower-Paid"), QStringLiteral("Pagados por el deudor")},
        {QStringLiteral("Seller-Paid"), QStringLiteral("Pagados por el vendedor")},
        {QStringLiteral("Paid by"), QStringLiteral("Pagados por")},
        {QStringLiteral("Others"), QStringLiteral("otros")},
        {QStringLiteral("At Closing"), QStringLiteral("Al cierre")},
        {QStringLiteral("Before Closing"), QStringLiteral("Antes del cierre")},
        {QStringLiteral("A. Origination Charges"), QStringLiteral("A. Gastos por tramitación")},
        {QStringLiteral("B. Services Borrower Did Not Shop For"),
         QStringLiteral("B. Servicios que el deudor no contrató")},
        {QStringLiteral("C. Services Borrower Did Shop For"),
         QStringLiteral("C. Servicios que el deudor contrató")},
        {QStringLiteral("D. TOTAL LOAN COSTS (Borrower-Paid)"),
         QStringLiteral("D. COSTOS TOTALES DEL PRÉSTAMO (pagados por el deudor)")},
        {QStringLiteral("E. Taxes and Other Government Fees"),
         QStringLiteral("E. Impuestos y otros cargos gubernamentales")},
        {QStringLiteral("F. Prepaids"), QStringLiteral("F. Pagos anticipados")},
        {QStringLiteral("G. Initial Escrow Payment at Closing"),
         QStringLiteral("G. Pago inicial de la cuenta en depósito para impuestos y seguros")},
        {QStringLiteral("H. Other"), QStringLiteral("H. Otros")},
        {QStringLiteral("I. TOTAL OTHER COSTS (Borrower-Paid)"),
         QStringLiteral("I. TOTAL DE OTROS COSTOS (pagados por el deudor)")},
        {QStringLiteral("J. TOTAL CLOSING COSTS (Borrower-Paid)"),
         QStringLiteral("J. TOTAL DE COSTOS DE CIERRE (pagados por el deudor)")},
        {QStringLiteral("Lender Credits"), QStringLiteral("Créditos del prestamista")},
        {QStringLiteral("to"), QStringLiteral("para")},
        {QStringLiteral("Calculating Cash to Close"),
         QStringLiteral("Cálculo del dinero en efectivo para el cierre")},
        {QStringLiteral("Loan Estimate"), QStringLiteral("Estimación")},
        {QStringLiteral("Final"), QStringLiteral("Final")},
        {QStringLiteral("Did this change?"), QStringLiteral("¿Esto cambió?")},
        {QStringLiteral("NO"), QStringLiteral("NO")},
        {QStringLiteral("Summaries of Transactions"), QStringLiteral("Resúmenes de transacciones")},
        {QStringLiteral("K. Due from Borrower at Closing"),
         QStringLiteral("K. Pagaderos por el deudor al cierre")},
        {QStringLiteral("L. Paid Already by or on Behalf of Borrower at Closing"),
         QStringLiteral("L. Pagado por el deudor, o en su nombre, al cierre")},
        {QStringLiteral("Additional Information About This Loan"),
         QStringLiteral("Información adicional sobre este préstamo")},
        {QStringLiteral("Loan Calculations"), QStringLiteral("Cálculos del préstamo")},
        {QStringLiteral("Other Disclosures"), QStringLiteral("Otras divulgaciones")},
        {QStringLiteral("Contact Information"), QStringLiteral("Información de contacto")},
        {QStringLiteral("CLOSING DISCLOSURE"), QStringLiteral("DECLARACIÓN DE CIERRE")},
    };
    return words;
}

struct Text {
    QPointF at; // baseline start, or baseline end when aligned right
    QString text;
    double size = 7.5;
    bool bold = false;
    bool right = false;
};

// The right edges of the five columns of who pays, and of the cash table's two.
constexpr double kColumns[] = {356, 410, 464, 518, 572};
constexpr double kEstimateColumn = 236;
constexpr double kFinalColumn = 296;

class Form {
public:
    Form(const ClosingReading& f, const ClosingStyle& style)
        : f_(f), style_(style), first_(style.coverPage ? 1 : 0), pages_(5 + first_) {}

    bool Write(const QString& path) {
        if (style_.coverPage) {
            Raw(-1, 36, 60, QStringLiteral("TILA RESPA Integrated Disclosure"), 14, true);
            Raw(-1, 36, 90,
                QStringLiteral("This is a sample of a completed Closing Disclosure for the loan "
                               "of the Loan Estimate."),
                9, false);
        }
        FirstPage();
        CostsPage();
        CashPage();
        Raw(3, 36, 40, L("Additional Information About This Loan"), 11, true);
        Raw(3, 36, 60, QStringLiteral("Loan Disclosures"), 9, true);
        CalculationsPage();
        for (int p = 0; p < 5; ++p) {
            Raw(p, 36, 770, L("CLOSING DISCLOSURE"), 7, true);
            Raw(p, 400, 770,
                (style_.spanish ? QStringLiteral("PÁGINA %1 DE 5 \u2022 N.º DEL PRÉSTAMO 88123")
                                : QStringLiteral("PAGE %1 OF 5 \u2022 LOAN ID # 88123"))
                    .arg(p + 1),
                7, false);
        }
        return Draw(path);
    }

private:
    QString L(const char* english) const {
        const QString text = QString::fromUtf8(english);
        if (!style_.spanish)
            return text;
        const auto it = Spanish().find(text);
        return it == Spanish().end() ? text : it->second;
    }
    QString L(const std::string& english) const { return L(english.c_str()); }

    void Raw(int page, double x, double y, const QString& text, double size, bool bold,
             bool right = false) {
        pages_[static_cast<std::size_t>(page + first_)].push_back(
            {QPointF(x, y), text, size, bold, right});
    }
    void Put(int page, double x, double y, const QString& text, double size = 7.5,
             bool bold = false) {
        Raw(page, x, y, text, size, bold, false);
    }
    void Right(int page, double x, double y, const QString& text, double size = 7.5) {
        Raw(page, x, y, text, size, false, true);
    }

    void FirstPage() {
        Put(0, 36, 60, L("Closing Disclosure"), 16, true);
        Put(0, 36, 90, L("Closing Information"), 9, true);
        Put(0, 230, 90, L("Transaction Information"), 9, true);
        Put(0, 420, 90, L("Loan Information"), 9, true);
        const auto row = [&](double x, double valueX, int n, const char* label,
                             const QString& value) {
            Put(0, x, 104 + 11.0 * n, L(label));
            Put(0, valueX, 104 + 11.0 * n, value);
        };
        row(36, 120, 0, "Date Issued", DateText(f_.dateIssued.value));
        row(36, 120, 1, "Closing Date", DateText(f_.closingDate.value));
        row(36, 120, 2, "Disbursement Date", DateText(f_.disbursementDate.value));
        if (f_.salePrice.value)
            row(36, 120, 4, "Sale Price", Money(*f_.salePrice.value).chopped(3));
        else if (f_.appraisedPropertyValue.value)
            row(36, 120, 4, "Appraised Prop. Value",
                Money(*f_.appraisedPropertyValue.value).chopped(3));
        // Spanish labels are longer: their figures stand further right.
        const double infoX = style_.spanish ? 500 : 480;
        row(230, 290, 0, "Borrower", QStringLiteral("Dana Whitfield"));
        row(230, 290, 3, "Lender", QString::fromStdString(f_.lender.value.value_or("")));
        row(420, infoX, 0, "Loan Term",
            QStringLiteral("%1 %2").arg(f_.loanTermYears.value.value_or(0)).arg(L("years")));
        row(420, infoX, 1, "Purpose", L(f_.purpose.value.value_or("")));
        row(420, infoX, 2, "Product", L(f_.product.value.value_or("")));
        row(420, infoX, 3, "Loan Type", QStringLiteral("\u2612 %1").arg(L("Conventional")));
        Put(0, infoX + 60, 104 + 33, QStringLiteral("\u2610 FHA"));

        Put(0, 36, 200, L("Loan Terms"), 12, true);
        const auto term = [&](double y, const char* label, const QString& value,
                              const QString& answer) {
            Put(0, 36, y, L(label), 9, true);
            Put(0, 200, y, value, 9);
            Put(0, 330, y, L(answer.toUtf8().constData()), 9, true);
        };
        term(218, "Loan Amount", Money(f_.loanAmount.value.value_or(0)).chopped(3),
             QStringLiteral("NO"));
        term(234, "Interest Rate", Percent(f_.interestRate.value.value_or(0), 3),
             QStringLiteral("NO"));
        term(250, "Monthly Principal & Interest",
             Money(f_.monthlyPrincipalInterest.value.value_or(0)), QStringLiteral("NO"));
        term(276, "Prepayment Penalty", QString(),
             f_.prepaymentPenalty.value.value_or(false) ? QStringLiteral("YES")
                                                        : QStringLiteral("NO"));
        term(292, "Balloon Payment", QString(), QStringLiteral("NO"));

        Put(0, 36, 320, L("Projected Payments"), 12, true);
        Put(0, 36, 336, L("Payment Calculation"), 8, true);
        for (std::size_t c = 0; c < f_.projectedPayments.size(); ++c) {
            const auto& column = f_.projectedPayments[c];
            const double x = 260 + 160.0 * static_cast<double>(c);
            QString years = QString::fromStdString(column.years);
            if (style_.spanish)
                years.replace(QLatin1Char('-'), QStringLiteral(" a "));
            Put(0, x - 30, 336, QStringLiteral("%1 %2").arg(L("Years"), years), 8, true);
            Right(0, x + 30, 352, Money(column.principalInterest.value.value_or(0)));
            const double insurance = column.mortgageInsurance.value.value_or(0);
            Put(0, x - 40, 366, QStringLiteral("+"));
            Right(0, x + 30, 366,
                  insurance == 0 ? QStringLiteral("\u2014") : Money(insurance).mid(1));
            Put(0, x - 40, 380, QStringLiteral("+"));
            Right(0, x + 30, 380, Money(column.escrow.value.value_or(0)).mid(1));
            Right(0, x + 30, 400, Money(column.total.value.value_or(0)), 9);
        }
        Put(0, 44, 352, L("Principal & Interest"));
        Put(0, 44, 366, L("Mortgage Insurance"));
        Put(0, 44, 380, L("Estimated Escrow"));
        Put(0, 44, 400, L("Estimated Total Monthly Payment"), 8, true);

        Put(0, 36, 440, L("Costs at Closing"), 12, true);
        Put(0, 36, 458, L("Closing Costs"), 9, true);
        Put(0, 200, 458, Money(f_.closingCosts.value.value_or(0)), 9);
        Put(0, 36, 476, L("Cash to Close"), 9, true);
        Put(0, 200, 476, Money(f_.cashToClose.value.value_or(0)), 9);
        const bool from = f_.cashToCloseFromBorrower.value.value_or(true);
        Put(0, 300, 476, from ? QStringLiteral("\u2612") : QStringLiteral("\u2610"));
        Put(0, 310, 476, L("From"));
        Put(0, 332, 476, from ? QStringLiteral("\u2610") : QStringLiteral("\u2612"));
        Put(0, 342, 476, QStringLiteral("%1 %2").arg(L("To"), L("Borrower")));
    }

    void CostsPage() {
        Put(1, 36, 40, L("Closing Cost Details"), 11, true);
        Put(1, 330, 54, L("Borrower-Paid"), 7, true);
        Put(1, 440, 54, L("Seller-Paid"), 7, true);
        Right(1, kColumns[4], 54, L("Paid by"), 7);
        Right(1, kColumns[4], 62, L("Others"), 7);
        const char* heads[] = {"At Closing", "Before Closing", "At Closing", "Before Closing"};
        for (int c = 0; c < 4; ++c)
            Right(1, kColumns[c], 66, L(heads[c]), 7);
        double y = 80;
        const auto total = [&](char letter, const char* heading) {
            Put(1, 36, y, L(heading), 8, true);
            const double value = f_.Total(letter).value.value_or(0);
            if (value != 0 || letter == 'D' || letter == 'I' || letter == 'J')
                Right(1, 380, y, Money(value), 8);
            y += 11;
        };
        const auto lines = [&](CostSection section) {
            int number = 1;
            for (const ClosingLine& line : f_.Section(section)) {
                Put(1, 36, y, QStringLiteral("%1").arg(number++, 2, 10, QLatin1Char('0')));
                QString label = L(line.label);
                const QFont font = Font(7.5, false);
                const QFontMetricsF metrics(font);
                if (style_.wrapLongLabels && metrics.horizontalAdvance(label) > 150) {
                    const qsizetype split =
                        label.lastIndexOf(QLatin1Char(' '), label.size() / 2 + 8);
                    Put(1, 50, y, label.left(split));
                    label = label.mid(split + 1);
                    y += 10;
                }
                Put(1, 50, y, label);
                if (!line.payee.empty())
                    Put(1, std::max(165.0, 58 + metrics.horizontalAdvance(label)), y,
                        QStringLiteral("%1 %2").arg(L("to"), QString::fromStdString(line.payee)));
                const std::optional<double> amounts[] = {
                    line.borrowerAtClosing, line.borrowerBeforeClosing, line.sellerAtClosing,
                    line.sellerBeforeClosing, line.paidByOthers};
                for (int c = 0; c < 5; ++c)
                    if (amounts[c])
                        Right(1, kColumns[c], y, Money(*amounts[c]));
                y += 10;
            }
            Put(1, 36, y, QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')));
            y += 11;
        };
        total('A', "A. Origination Charges");
        lines(CostSection::A);
        total('B', "B. Services Borrower Did Not Shop For");
        lines(CostSection::B);
        total('C', "C. Services Borrower Did Shop For");
        lines(CostSection::C);
        total('D', "D. TOTAL LOAN COSTS (Borrower-Paid)");
        y += 6;
        total('E', "E. Taxes and Other Government Fees");
        lines(CostSection::E);
        total('F', "F. Prepaids");
        lines(CostSection::F);
        total('G', "G. Initial Escrow Payment at Closing");
        lines(CostSection::G);
        total('H', "H. Other");
        lines(CostSection::H);
        total('I', "I. TOTAL OTHER COSTS (Borrower-Paid)");
        y += 6;
        total('J', "J. TOTAL CLOSING COSTS (Borrower-Paid)");
        QString credits = L("Lender Credits");
        if (f_.cureGiven.value && *f_.cureGiven.value > 0)
            credits += style_.spanish
                           ? QStringLiteral(" (incluye un crédito de %1 por el aumento de los "
                                            "costos de cierre por encima del límite legal)")
                                 .arg(Money(*f_.cureGiven.value))
                           : QStringLiteral(" (Includes %1 credit for increase in Closing Costs "
                                            "above legal limit)")
                                 .arg(Money(*f_.cureGiven.value));
        // A long note runs on to a second line, as the Spanish form sets it.
        if (QFontMetricsF(Font(6.5, false)).horizontalAdvance(credits) > 300) {
            const qsizetype split = credits.lastIndexOf(QLatin1Char(' '), credits.size() / 2);
            Raw(1, 36, y, credits.left(split), 6.5, false);
            Raw(1, 36, y + 8, credits.mid(split + 1), 6.5, false);
        } else {
            Raw(1, 36, y, credits, 6.5, false);
        }
        if (f_.lenderCredits.value && *f_.lenderCredits.value != 0)
            Right(1, kColumns[0], y, Money(*f_.lenderCredits.value));
    }

    void CashPage() {
        Put(2, 36, 46, L("Calculating Cash to Close"), 10, true);
        Right(2, kEstimateColumn, 62, L("Loan Estimate"), 7);
        Right(2, kFinalColumn, 62, L("Final"), 7);
        Put(2, 306, 62, L("Did this change?"), 7);
        double y = 78;
        for (const CashToCloseRow& row : f_.calculatingCashToClose) {
            Put(2, 36, y, QString::fromStdString(row.label));
            if (row.loanEstimate)
                Right(2, kEstimateColumn, y, Money(*row.loanEstimate));
            if (row.final)
                Right(2, kFinalColumn, y, Money(*row.final));
            if (row.changed)
                Put(2, 306, y, L(*row.changed ? "YES" : "NO"), 7.5, true);
            y += 14;
        }
        Put(2, 36, 260, L("Summaries of Transactions"), 10, true);
        Put(2, 40, 280, L("K. Due from Borrower at Closing"), 7.5, true);
        if (f_.dueFromBorrower.value)
            Right(2, 291, 280, Money(*f_.dueFromBorrower.value));
        Put(2, 40, 300, L("L. Paid Already by or on Behalf of Borrower at Closing"), 7.5, true);
        if (f_.paidAlreadyByBorrower.value)
            Right(2, 300, 300, Money(*f_.paidAlreadyByBorrower.value));
    }

    void CalculationsPage() {
        Put(4, 36, 40, L("Loan Calculations"), 11, true);
        Put(4, 360, 40, L("Other Disclosures"), 11, true);
        struct Paragraph {
            const char* en;
            const char* es;
            QString value;
        };
        const auto& c = f_.loanCalculations;
        const Paragraph paragraphs[] = {
            {"Total of Payments. Total you will have paid after|you make all payments of "
             "principal, interest,|mortgage insurance, and loan costs, as scheduled.",
             "Pagos totales. Total que habrá pagado después de|haber hecho todos los pagos de "
             "capital, intereses,|seguro hipotecario y costos del préstamo.",
             Money(c.totalOfPayments.value.value_or(0))},
            {"Finance Charge. The dollar amount the loan will|cost you.",
             "Cargo financiero. El monto en dólares que le|costará el préstamo.",
             Money(c.financeCharge.value.value_or(0))},
            {"Amount Financed. The loan amount available after|paying your upfront finance "
             "charge.",
             "Monto financiado. El monto en dólares disponible|después de que pague el cargo "
             "financiero inicial.",
             Money(c.amountFinanced.value.value_or(0))},
            {"Annual Percentage Rate (APR). Your costs over|the loan term expressed as a rate. "
             "This is not your|interest rate.",
             "Tasa porcentual anual (APR). Sus costos durante|el plazo del préstamo, expresados "
             "como una tasa.|Esta no es su tasa de interés.",
             Percent(c.apr.value.value_or(0), 3)},
            {"Total Interest Percentage (TIP). The total amount|of interest that you will pay "
             "over the loan term as a|percentage of your loan amount.",
             "Total de intereses pagados (TIP). El monto total|de los intereses que pagará "
             "durante el plazo del|préstamo.",
             Percent(c.tip.value.value_or(0), 2)},
        };
        double y = 62;
        for (const Paragraph& paragraph : paragraphs) {
            const QStringList lines =
                QString::fromUtf8(style_.spanish ? paragraph.es : paragraph.en)
                    .split(QLatin1Char('|'));
            for (qsizetype l = 0; l < lines.size(); ++l) {
                Put(4, 36, y + 10.0 * static_cast<double>(l), lines[l]);
                if (l == lines.size() - 1)
                    Right(4, 340, y + 10.0 * static_cast<double>(l), paragraph.value, 8);
            }
            y += 10.0 * static_cast<double>(lines.size()) + 14;
        }
        Put(4, 360, 62, QStringLiteral("Appraisal"), 8, true);
        Put(4, 360, 74, QStringLiteral("If the property was appraised for your loan, your"));
        Put(4, 36, 400, L("Contact Information"), 10, true);
    }

    QFont Font(double size, bool bold) const {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(size);
        font.setBold(bold);
        return font;
    }

    bool Draw(const QString& path) {
        QPdfWriter writer(path);
        writer.setResolution(72); // one unit a point
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        writer.setCreator(QStringLiteral("Plumcrest tests"));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        for (std::size_t p = 0; p < pages_.size(); ++p) {
            if (p > 0)
                writer.newPage();
            painter.setPen(Qt::black);
            for (const Text& text : pages_[p]) {
                const QFont font = Font(text.size, text.bold);
                painter.setFont(font);
                QPointF at = text.at + QPointF(style_.dx, style_.dy);
                if (text.right)
                    at.rx() -= QFontMetricsF(font, &writer).horizontalAdvance(text.text);
                painter.drawText(at, text.text);
            }
        }
        return painter.end();
    }

    const ClosingReading& f_;
    ClosingStyle style_;
    int first_ = 0;
    std::vector<std::vector<Text>> pages_;
};

} // namespace

bool WriteClosingDisclosureForm(const QString& path, const ClosingReading& figures,
                                const ClosingStyle& style) {
    return Form(figures, style).Write(path);
}

void FillClosingTotals(ClosingReading& f) {
    std::map<char, double> totals;
    for (std::size_t s = 0; s < kCostSections.size(); ++s) {
        const char letter = SectionLetter(kCostSections[s]).front();
        double sum = 0;
        for (const ClosingLine& line : f.sections[s])
            sum += line.BorrowerPaid();
        totals[letter] = sum;
    }
    totals['D'] = totals['A'] + totals['B'] + totals['C'];
    totals['I'] = totals['E'] + totals['F'] + totals['G'] + totals['H'];
    totals['J'] = totals['D'] + totals['I'] + f.lenderCredits.value.value_or(0);
    for (std::size_t t = 0; t < reader::kClosingTotals.size(); ++t)
        f.borrowerPaidTotals[t].value = std::round(totals[reader::kClosingTotals[t]] * 100) / 100;
    f.closingCosts.value = f.Total('J').value;
    for (CashToCloseRow& row : f.calculatingCashToClose)
        if (row.key == "totalClosingCosts")
            row.final = f.closingCosts.value;
    double cash = 0;
    for (const CashToCloseRow& row : f.calculatingCashToClose)
        if (row.key != "cashToClose")
            cash += row.final.value_or(0);
    for (CashToCloseRow& row : f.calculatingCashToClose)
        if (row.key == "cashToClose")
            row.final = std::round(cash * 100) / 100;
    f.cashToClose.value = std::round(cash * 100) / 100;
}

ClosingReading ClosingOfEstimate(const reader::EstimateReading& e, const std::string& issued,
                                 const std::string& closing) {
    ClosingReading f;
    f.lender = e.lender;
    f.dateIssued.value = issued;
    f.closingDate.value = closing;
    f.disbursementDate.value = closing;
    f.salePrice = e.salePrice;
    f.appraisedPropertyValue = e.propertyValue;
    f.loanTermYears = e.loanTermYears;
    f.purpose = e.purpose;
    f.product = e.product;
    f.loanType = e.loanType;
    f.loanAmount = e.loanAmount;
    f.interestRate = e.interestRate;
    f.monthlyPrincipalInterest = e.monthlyPrincipalInterest;
    f.prepaymentPenalty.value = false;
    f.balloonPayment.value = false;
    f.projectedPayments = e.projectedPayments;
    for (std::size_t s = 0; s < kCostSections.size(); ++s)
        for (const reader::SectionLine& line : e.sections[s].lines) {
            if (!line.amount)
                continue;
            ClosingLine closingLine;
            closingLine.label = line.label;
            closingLine.borrowerAtClosing = line.amount;
            f.sections[s].push_back(closingLine);
        }
    f.lenderCredits.value = e.lenderCredits.value.value_or(0);
    f.cureGiven.value = 0;
    const double estimateCosts = e.totalClosingCosts.value.value_or(0);
    const double down =
        e.salePrice.value && e.loanAmount.value ? *e.salePrice.value - *e.loanAmount.value : 0;
    f.calculatingCashToClose = {
        {"totalClosingCosts", "Total Closing Costs (J)", estimateCosts, 0, true, {}},
        {"closingCostsPaidBeforeClosing", "Closing Costs Paid Before Closing", 0, 0, false, {}},
        {"downPayment", "Down Payment/Funds from Borrower", down, down, false, {}},
        {"cashToClose", "Cash to Close", estimateCosts + down, 0, std::nullopt, {}},
    };
    f.cashToCloseFromBorrower.value = true;
    FillClosingTotals(f);
    for (CashToCloseRow& row : f.calculatingCashToClose)
        if (row.key == "totalClosingCosts")
            row.changed = row.final != row.loanEstimate;
    return f;
}

} // namespace plumcrest::testing
