#include "LoanEstimatePdf.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

namespace plumcrest::testing {

using reader::EstimateReading;
using reader::Figure;
using reader::ProjectedColumn;
using reader::SectionLine;

namespace {

// Dollars as the form prints them: "$1,802", "$761.78", "–$750" (an en dash).
QString Money(double value, bool cents = false) {
    const bool negative = value < 0;
    const double magnitude = std::fabs(value);
    const qint64 whole = static_cast<qint64>(cents ? std::floor(magnitude) : std::round(magnitude));
    QString digits = QString::number(whole);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    if (cents)
        digits += QStringLiteral(".%1").arg(
            static_cast<int>(std::round((magnitude - std::floor(magnitude)) * 100)), 2, 10,
            QLatin1Char('0'));
    return (negative ? QStringLiteral("\u2013$") : QStringLiteral("$")) + digits;
}

QString Percent(double value) {
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith(QLatin1Char('0')) && !text.endsWith(QStringLiteral(".0")))
        text.chop(1);
    return text + QLatin1Char('%');
}

// The regulator's Spanish for the form's headings and labels.
const std::pair<const char*, const char*> kSpanish[] = {
    {"Loan Estimate", "Estimación de Préstamo"},
    {"DATE ISSUED", "FECHA DE EMISIÓN"},
    {"APPLICANTS", "SOLICITANTES"},
    {"PROPERTY", "INMUEBLE"},
    {"SALE PRICE", "PRECIO DE VENTA"},
    {"EST. PROP. VALUE", "VALOR ESTIMADO DE LA PROPIEDAD"},
    {"LOAN TERM", "PLAZO DEL PRÉSTAMO"},
    {"PURPOSE", "FINALIDAD"},
    {"PRODUCT", "PRODUCTO"},
    {"LOAN TYPE", "TIPO DE PRÉSTAMO"},
    {"LOAN ID #", "N. º DEL PRÉSTAMO"},
    {"RATE LOCK", "BLOQUEO DE TASA"},
    {"Purchase", "Adquisición por compra"},
    {"Refinance", "Refinanciamiento"},
    {"Conventional", "Convencional"},
    {"YES, until 4/16/2024 at 5:00 p.m. EDT", "SÍ, hasta el 4/16/2024 a las 5:00 p. m. EDT"},
    {"Loan Terms", "Términos del préstamo"},
    {"Loan Amount", "Monto del préstamo"},
    {"Interest Rate", "Tasa de interés"},
    {"Prepayment Penalty", "Multa por pago anticipado"},
    {"Balloon Payment", "Cuota extraordinaria"},
    {"Projected Payments", "Pagos proyectados"},
    {"Payment Calculation", "Cálculo de los pagos"},
    {"Principal & Interest", "Capital e intereses"},
    {"Mortgage Insurance", "Seguro hipotecario"},
    {"Estimated Escrow", "Depósito estimado para impuestos y seguros de la vivienda"},
    {"Estimated Total Monthly Payment", "Pago total mensual estimado"},
    {"Costs at Closing", "Costos al momento del cierre"},
    {"Estimated Closing Costs", "Costos de cierre estimados"},
    {"Estimated Cash to Close", "Dinero en efectivo estimado para el cierre"},
    {"Closing Cost Details", "Detalles de los costos del cierre"},
    {"Closing Cost Details (continued)", "Detalles de los costos del cierre (continuación)"},
    {"Loan Costs", "Costos del préstamo"},
    {"Other Costs", "Otros costos"},
    {"A. Origination Charges", "A. Gastos por tramitación"},
    {"B. Services You Cannot Shop For", "B. Servicios que usted no puede contratar"},
    {"C. Services You Can Shop For", "C. Servicios que usted puede contratar"},
    {"D. TOTAL LOAN COSTS (A + B + C)", "D. COSTOS TOTALES DEL PRÉSTAMO (A + B + C)"},
    {"E. Taxes and Other Government Fees", "E. Impuestos y otros cargos gubernamentales"},
    {"F. Prepaids", "F. Pagos anticipados"},
    {"G. Initial Escrow Payment at Closing", "G. Pago inicial de la cuenta en depósito al cierre"},
    {"H. Other", "H. Otros"},
    {"I. TOTAL OTHER COSTS (E + F + G + H)", "I. TOTAL DE OTROS COSTOS (E + F + G + H)"},
    {"J. TOTAL CLOSING COSTS", "J. TOTAL DE COSTOS DE CIERRE"},
    {"Lender Credits", "Créditos del prestamista"},
    {"Calculating Cash to Close", "Cálculo del dinero en efectivo para el cierre"},
    {"Total Closing Costs (J)", "Total de costos de cierre (J)"},
    {"Closing Costs Financed (Paid from your Loan Amount)",
     "Costos de cierre financiados (pagados del monto del préstamo)"},
    {"Down Payment/Funds from Borrower", "Pago inicial/Fondos del deudor"},
    {"Deposit", "Depósito"},
    {"Funds for Borrower", "Fondos para el deudor"},
    {"Seller Credits", "Créditos del vendedor"},
    {"Adjustments and Other Credits", "Ajustes y otros créditos"},
    {"Estimated Total Payoffs and Payments", "Liquidaciones y pagos totales estimados"},
    {"Estimated Closing Costs Financed", "Costos de cierre financiados estimados"},
    {"(Paid from your Loan Amount)", "(pagados del monto del préstamo)"},
    {"Adjustable Payment (AP) Table", "Tabla de pagos ajustables (PA)"},
    {"Interest Only Payments?", "¿Pago de interés solamente?"},
    {"Optional Payments?", "¿Pagos opcionales?"},
    {"Step Payments?", "¿Pagos escalonados?"},
    {"Seasonal Payments?", "¿Pagos estacionales?"},
    {"Monthly Principal and Interest Payments", "Pagos mensuales de capital e intereses"},
    {"First Change/Amount", "Primer cambio/Monto"},
    {"Subsequent Changes", "Cambios subsiguientes"},
    {"Maximum Payment", "Pago máximo"},
    {"YES", "SÍ"},
    {"Additional Information About This Loan", "Información adicional sobre este préstamo"},
    {"LENDER", "PRESTAMISTA"},
    {"Comparisons", "Comparaciones"},
    {"In 5 Years", "En 5 años"},
    {"Annual Percentage Rate (APR)", "Tasa porcentual anual (APR)"},
    {"Total Interest Percentage (TIP)",
     "Total de intereses pagados a lo largo del plazo del préstamo (TIP)"},
    {"Other Considerations", "Otras consideraciones"},
    {"Confirm Receipt", "Confirmación de recepción"},
};

QString DateText(const std::string& iso) {
    // "2024-03-14" as "3/14/2024".
    const QString date = QString::fromStdString(iso);
    return QStringLiteral("%1/%2/%3")
        .arg(date.mid(5, 2).toInt())
        .arg(date.mid(8, 2).toInt())
        .arg(date.left(4));
}

struct Text {
    QPointF at; // baseline start, or baseline end when aligned right
    QString text;
    double size = 9;
    bool bold = false;
    bool right = false;
    bool white = false; // in the text layer, not seen on the page
};

struct Box {
    QRectF rect;
    bool marked = false;
};

struct Sheet {
    std::vector<Text> texts;
    std::vector<Box> boxes;
};

class Form {
public:
    Form(const EstimateReading& figures, const FormStyle& style)
        : f_(figures), style_(style), first_(style.realTraits ? 1 : 0),
          sheets_((style.carriedOver > 0 ? 4 : 3) + (style.realTraits ? 1 : 0)) {}

    bool Write(const QString& path) {
        if (style_.realTraits)
            CoverPage();
        FirstPage();
        CostsPage();
        ComparisonsPage();
        const int pages = static_cast<int>(sheets_.size()) - first_;
        for (int p = 0; p < pages; ++p)
            Put(p, 36, 770,
                style_.spanish ? QStringLiteral("ESTIMACIÓN DE PRÉSTAMO")
                               : QStringLiteral("LOAN ESTIMATE"),
                7, true);
        for (int p = 0; p < pages; ++p)
            Put(p, 400, 770,
                (style_.spanish
                     ? QStringLiteral("PÁGINA %1 DE %2 \u2022 N. º DEL PRÉSTAMO 4417-2093")
                     : QStringLiteral("PAGE %1 OF %2 \u2022 LOAN ID # 4417-2093"))
                    .arg(p + 1)
                    .arg(pages),
                7);
        return Draw(path);
    }

private:
    // Prose about the form, as the regulator's samples open: its words are the form's words.
    void CoverPage() {
        sheets_[0].texts.push_back({QPointF(72, 90), QStringLiteral("Loan Estimate \u2013 Sample"),
                                    16, true, false, false});
        const QStringList prose{
            QStringLiteral("This is a sample of a completed Loan Estimate. The Loan Amount is"),
            QStringLiteral("$999,999 and the Interest Rate is 9.999%, with Projected Payments"),
            QStringLiteral("and Loan Terms as the form states them. Closing Cost Details follow."),
        };
        double y = 130;
        for (const QString& line : prose) {
            sheets_[0].texts.push_back({QPointF(72, y), line, 10, false, false, false});
            y += 14;
        }
    }

    // As the regulator's forms set it: the aside in smaller type but its closing mark in the
    // label's, so the mark touches the aside's last word yet is a word of its own to Poppler.
    void CostsFinancedAsPrinted(double& y, double size, const Figure<double>& figure) {
        const QString label =
            Label(QStringLiteral("Closing Costs Financed (Paid from your Loan Amount)"));
        const qsizetype open = label.indexOf(QLatin1Char('('));
        const QString head = label.left(open);
        const QString aside = label.mid(open, label.size() - open - 1);
        const double small = size * 0.85;
        double x = 320;
        Put(1, x, y, head, size);
        x += Advance(head, size);
        Put(1, x, y, aside, small);
        x += Advance(aside, small);
        // A hair apart, as a lender's system may set it: still touching, not a word space.
        Put(1, x + 0.3, y, QStringLiteral(")"), size);
        Amount(1, 576, y, figure.value);
        y += 12;
    }

    void Put(int page, double x, double y, const QString& text, double size = 9, bool bold = false,
             bool right = false, bool white = false) {
        QString shown = text;
        if (style_.spanish) {
            for (const auto& [english, spanish] : kSpanish)
                if (text == QLatin1String(english))
                    shown = QString::fromUtf8(spanish);
            if (shown.startsWith(QStringLiteral("Years ")))
                shown.replace(0, 5, QStringLiteral("Años"));
            if (shown.endsWith(QStringLiteral(" years")))
                shown.replace(shown.size() - 5, 5, QStringLiteral("años"));
        }
        sheets_[static_cast<std::size_t>(page + first_)].texts.push_back(
            {QPointF(x, y), shown, size, bold, right, white});
    }
    // A label over two lines where the form is narrow: the words before `split` above.
    void PutTwoLines(int page, double x, double y, const QString& label, int split,
                     double size = 9) {
        const QString text = Label(label);
        const QStringList words = text.split(QLatin1Char(' '));
        Put(page, x, y, words.mid(0, split).join(QLatin1Char(' ')), size, true);
        Put(page, x, y + size * 1.25, words.mid(split).join(QLatin1Char(' ')), size, true);
    }
    QString Label(const QString& english) const {
        if (style_.spanish)
            for (const auto& [en, es] : kSpanish)
                if (english == QLatin1String(en))
                    return QString::fromUtf8(es);
        return english;
    }
    void Amount(int page, double right, double y, const std::optional<double>& value,
                bool cents = false) {
        if (value)
            Put(page, right, y, Money(*value, cents), 9, false, true);
    }

    void Mark(int page, double x, double y, const QString& option, bool marked) {
        if (style_.glyphMarks) {
            Put(page, x, y, marked ? QStringLiteral("\u2612") : QStringLiteral("\u2610"));
        } else {
            sheets_[static_cast<std::size_t>(page + first_)].boxes.push_back(
                {QRectF(x, y - 7, 7, 7), marked});
            if (marked)
                Put(page, x + 1, y - 0.5, QStringLiteral("X"), 7);
        }
        Put(page, x + 11, y, option);
    }

    void FirstPage() {
        // Spanish labels are longer: their values stand further right.
        const double leftValue = style_.spanish ? 140 : 110;
        const double rightValue = style_.spanish ? 370 : 320;
        if (f_.lender.value)
            Put(0, 36, 40, QString::fromStdString(*f_.lender.value), 12, true);
        Put(0, 36, 72, QStringLiteral("Loan Estimate"), 20, true);
        Put(0, 36, 100, QStringLiteral("DATE ISSUED"), 7.5, true);
        if (f_.dateIssued.value)
            Put(0, leftValue, 100, DateText(*f_.dateIssued.value));
        Put(0, 36, 114, QStringLiteral("APPLICANTS"), 7.5, true);
        Put(0, leftValue, 114, QStringLiteral("Jordan Sample"));
        Put(0, leftValue, 126, QStringLiteral("Springfield, IL 62704"));
        Put(0, 36, 142, QStringLiteral("PROPERTY"), 7.5, true);
        Put(0, leftValue, 142, QStringLiteral("845 Harbor Lane"));
        if (f_.salePrice.value) {
            Put(0, 36, 170, QStringLiteral("SALE PRICE"), 7.5, true);
            Amount(0,
                   leftValue + QFontMetricsF(Font(9)).horizontalAdvance(Money(*f_.salePrice.value)),
                   170, f_.salePrice.value);
        } else if (f_.propertyValue.value) {
            if (style_.spanish)
                PutTwoLines(0, 36, 170, QStringLiteral("EST. PROP. VALUE"), 2, 7.5);
            else
                Put(0, 36, 170, QStringLiteral("EST. PROP. VALUE"), 7.5, true);
            Put(0, leftValue, 170, Money(*f_.propertyValue.value));
        }
        Put(0, 250, 100, QStringLiteral("LOAN TERM"), 7.5, true);
        if (f_.loanTermYears.value)
            Put(0, rightValue, 100, QStringLiteral("%1 years").arg(*f_.loanTermYears.value));
        Put(0, 250, 114, QStringLiteral("PURPOSE"), 7.5, true);
        if (f_.purpose.value) {
            const QString purpose = Label(QString::fromStdString(*f_.purpose.value));
            Put(0, rightValue, 114, purpose);
            if (style_.realTraits)
                Put(0, rightValue + 2 + QFontMetricsF(Font(9)).horizontalAdvance(purpose), 114,
                    QStringLiteral("ce"), 9, false, false, true);
        }
        Put(0, 250, 128, QStringLiteral("PRODUCT"), 7.5, true);
        if (f_.product.value)
            Put(0, rightValue, 128, QString::fromStdString(*f_.product.value));
        Put(0, 250, 142, QStringLiteral("LOAN TYPE"), 7.5, true);
        const std::string type = f_.loanType.value.value_or("");
        Mark(0, rightValue + 0, 142, QStringLiteral("Conventional"), type == "Conventional");
        Mark(0, rightValue + 80, 142, QStringLiteral("FHA"), type == "FHA");
        Mark(0, rightValue + 120, 142, QStringLiteral("VA"), type == "VA");
        const bool other = !type.empty() && type != "Conventional" && type != "FHA" && type != "VA";
        Mark(0, rightValue + 155, 142,
             other ? QString::fromStdString(type) : QStringLiteral("_____"), other);
        Put(0, 250, 156, QStringLiteral("LOAN ID #"), 7.5, true);
        Put(0, rightValue, 156, QStringLiteral("4417-2093"));
        Put(0, 250, 170, QStringLiteral("RATE LOCK"), 7.5, true);
        Mark(0, rightValue + 0, 170, QStringLiteral("NO"), false);
        Mark(0, rightValue + 40, 170, QStringLiteral("YES, until 4/16/2024 at 5:00 p.m. EDT"),
             true);
        if (style_.realTraits) {
            const QStringList sentence =
                style_.spanish
                    ? QStringList{QStringLiteral(
                                      "Antes del cierre, la tasa de interés, los puntos y "
                                      "los créditos del prestamista podrían"),
                                  QStringLiteral("cambiar, a menos que usted bloquee la tasa de "
                                                 "interés. Todos los demás costos de cierre"),
                                  QStringLiteral("estimados estarán vigentes hasta el 3/28/2024 a "
                                                 "las 5:00 p. m. EDT")}
                    : QStringList{QStringLiteral("Before closing, your interest rate, points, and "
                                                 "lender credits can change unless"),
                                  QStringLiteral("you lock the interest rate. All other estimated "
                                                 "closing costs expire on"),
                                  QStringLiteral("3/28/2024 at 5:00 p.m. EDT")};
            for (qsizetype i = 0; i < sentence.size(); ++i)
                Put(0, 262, 180 + 7.5 * static_cast<double>(i), sentence[i], 6.5);
        }

        Put(0, 36, 205, QStringLiteral("Loan Terms"), 12, true);
        Put(0, 330, 205, QStringLiteral("Can this amount increase after closing?"), 8, true);
        Put(0, 36, 225, QStringLiteral("Loan Amount"), 9, true);
        Amount(0, 280, 225, f_.loanAmount.value);
        if (style_.realTraits)
            Put(0, 280.3, 225, QStringLiteral("7"), 9, false, false, true);
        Put(0, 330, 225, QStringLiteral("NO"), 9, true);
        Put(0, 36, 243, QStringLiteral("Interest Rate"), 9, true);
        if (f_.interestRate.value)
            Put(0, 280, 243, Percent(*f_.interestRate.value), 9, false, true);
        Put(0, 330, 243, QStringLiteral("NO"), 9, true);
        if (style_.spanish)
            PutTwoLines(0, 36, 261, QStringLiteral("Pago mensual de intereses y capital"), 2);
        else
            Put(0, 36, 261, QStringLiteral("Monthly Principal & Interest"), 9, true);
        Amount(0, 280, 261, f_.monthlyPrincipalInterest.value, true);
        Put(0, 330, 261, QStringLiteral("NO"), 9, true);
        Put(0, 36, style_.spanish ? 284 : 272,
            QStringLiteral("See Projected Payments below for your Estimated Total Monthly Payment"),
            6.5);
        Put(0, 36, 292, QStringLiteral("Prepayment Penalty"), 9, true);
        Put(0, 330, 292, QStringLiteral("NO"), 9, true);
        Put(0, 36, 308, QStringLiteral("Balloon Payment"), 9, true);
        Put(0, 330, 308, QStringLiteral("NO"), 9, true);

        Put(0, 36, 340, QStringLiteral("Projected Payments"), 12, true);
        Put(0, 36, 360, QStringLiteral("Payment Calculation"), 9, true);
        const auto& columns = f_.projectedPayments;
        const auto columnRight = [&](std::size_t c) { return 260 + 100 * static_cast<double>(c); };
        for (std::size_t c = 0; c < columns.size(); ++c)
            Put(0, columnRight(c), 360,
                QStringLiteral("Years %1").arg(QString::fromStdString(columns[c].years)), 9, true,
                true);
        // A label over two lines stands with its figures between them (split: the words above).
        const auto row =
            [&](double y, const QString& label, Figure<double> ProjectedColumn::*member,
                std::optional<double> ProjectedColumn::*maximum, bool plus, bool cents, int split) {
                if (split > 0)
                    PutTwoLines(0, 36, y - 6, label, split);
                else
                    Put(0, 36, y, label, 9, true);
                for (std::size_t c = 0; c < columns.size(); ++c) {
                    const auto& value = (columns[c].*member).value;
                    if (!value)
                        continue;
                    const std::optional<double> most = maximum ? columns[c].*maximum : std::nullopt;
                    QString text = plus ? (*value == 0 ? QStringLiteral("\u2014")
                                                       : QString::number(*value, 'f', 0))
                                        : Money(*value, cents);
                    if (most && member == &ProjectedColumn::principalInterest) {
                        // "$1,028 min" over "$1,359 max".
                        Put(0, columnRight(c), y, text + QStringLiteral(" min"), 9, false, true);
                        Put(0, columnRight(c), y + 9, Money(*most) + QStringLiteral(" max"), 9,
                            false, true);
                        continue;
                    }
                    if (most)
                        text += QStringLiteral("\u2013") + Money(*most);
                    if (plus)
                        Put(0, columnRight(c) - 45, y, QStringLiteral("+"));
                    Put(0, columnRight(c), y, text, 9, false, true);
                }
            };
        row(380, QStringLiteral("Principal & Interest"), &ProjectedColumn::principalInterest,
            &ProjectedColumn::principalInterestMaximum, false, true, 0);
        row(397, QStringLiteral("Mortgage Insurance"), &ProjectedColumn::mortgageInsurance, nullptr,
            true, false, 0);
        row(414, QStringLiteral("Estimated Escrow"), &ProjectedColumn::escrow, nullptr, true, false,
            style_.spanish ? 4 : 0);
        Put(0, 36, 431, QStringLiteral("Amount can increase over time"), 6.5);
        row(448, QStringLiteral("Estimated Total Monthly Payment"), &ProjectedColumn::total,
            &ProjectedColumn::totalMaximum, false, false,
            style_.realTraits && !style_.spanish ? 2 : 0);
        Put(0, 36, 470, QStringLiteral("Estimated Taxes, Insurance & Assessments"), 9, true);
        Put(0, 36, 480, QStringLiteral("Amount can increase over time"), 6.5);
        Put(0, 250, 470, QStringLiteral("This estimate includes"), 8);
        Mark(0, 360, 470, QStringLiteral("Property Taxes"), true);
        Mark(0, 360, 482, QStringLiteral("Homeowner's Insurance"), true);

        Put(0, 36, 520, QStringLiteral("Costs at Closing"), 12, true);
        Put(0, 36, 540, QStringLiteral("Estimated Closing Costs"), 9, true);
        Amount(0, 230, 540, f_.totalClosingCosts.value);
        Put(0, 250, 540,
            QStringLiteral(
                "Includes %1 in Loan Costs + %2 in Other Costs \u2013 %3 in Lender Credits.")
                .arg(Money(f_.totalLoanCosts.value.value_or(0)),
                     Money(f_.totalOtherCosts.value.value_or(0)),
                     Money(std::fabs(f_.lenderCredits.value.value_or(0)))),
            7.5);
        if (style_.spanish)
            PutTwoLines(0, 36, 560, QStringLiteral("Estimated Cash to Close"), 4);
        else
            Put(0, 36, 560, QStringLiteral("Estimated Cash to Close"), 9, true);
        Amount(0, 230, 560, f_.cashToClose.value);
        Put(0, 250, 560,
            QStringLiteral(
                "Includes Closing Costs. See Calculating Cash to Close on page 2 for details."),
            7.5);
    }

    // One section: its heading with its total, then its lines; returns the next line's y.
    double Section(int page, double left, double right, double y, CostSection section,
                   bool continued, std::size_t from, std::size_t to) {
        const auto& part = f_.Section(section);
        const QString heading = QStringLiteral("%1. %2%3")
                                    .arg(QString::fromUtf8(SectionLetter(section).data()),
                                         QString::fromUtf8(SectionTitle(section).data()),
                                         continued ? QStringLiteral(" (continued)") : QString());
        Put(page, left, y, heading, 9, true);
        if (!continued)
            Amount(page, right, y, part.total.value);
        y += 13;
        for (std::size_t i = from; i < to && i < part.lines.size(); ++i) {
            const SectionLine& line = part.lines[i];
            Put(page, left + 4, y, QString::fromStdString(line.label), 8.5);
            Amount(page, right, y, line.amount);
            y += 12;
        }
        return y + 6;
    }

    std::size_t Kept(CostSection section) const {
        const std::size_t count = f_.Section(section).lines.size();
        const bool carries = section == CostSection::C || section == CostSection::H;
        const std::size_t carried = carries ? static_cast<std::size_t>(style_.carriedOver) : 0;
        return count > carried ? count - carried : 0;
    }

    void CostsPage() {
        Put(1, 36, 40, QStringLiteral("Closing Cost Details"), 16, true);
        Put(1, 36, 66, QStringLiteral("Loan Costs"), 11, true);
        Put(1, 316, 66, QStringLiteral("Other Costs"), 11, true);
        double y = 86;
        for (CostSection section : {CostSection::A, CostSection::B, CostSection::C})
            y = Section(1, 36, 290, y, section, false, 0, Kept(section));
        Put(1, 36, y, QStringLiteral("D. TOTAL LOAN COSTS (A + B + C)"), 9, true);
        Amount(1, 290, y, f_.totalLoanCosts.value);
        y = 86;
        for (CostSection section : {CostSection::E, CostSection::F, CostSection::G, CostSection::H})
            y = Section(1, 316, 576, y, section, false, 0, Kept(section));
        Put(1, 316, y, QStringLiteral("I. TOTAL OTHER COSTS (E + F + G + H)"), 9, true);
        Amount(1, 576, y, f_.totalOtherCosts.value);
        y += 20;
        Put(1, 316, y, QStringLiteral("J. TOTAL CLOSING COSTS"), 9, true);
        Amount(1, 576, y, f_.totalClosingCosts.value);
        y += 13;
        Put(1, 320, y, QStringLiteral("D + I"), 8.5);
        if (f_.totalLoanCosts.value && f_.totalOtherCosts.value)
            Amount(1, 576, y, *f_.totalLoanCosts.value + *f_.totalOtherCosts.value);
        y += 12;
        Put(1, 320, y, QStringLiteral("Lender Credits"), 8.5);
        if (f_.lenderCredits.value)
            Amount(1, 576, y, *f_.lenderCredits.value);
        y += 26;
        Put(1, 316, y, QStringLiteral("Calculating Cash to Close"), 9, true);
        y += 13;
        const reader::CashToCloseTable& table = f_.cashTable;
        // Spanish labels run longer: set smaller, as the regulator's H-28 does.
        const double size = style_.spanish ? 7 : 8.5;
        const auto line = [&](const char* label, const Figure<double>& figure, bool bold = false) {
            Put(1, 320, y, QString::fromUtf8(label), size, bold);
            Amount(1, 576, y, figure.value);
            y += 12;
        };
        if (table.Refinance()) {
            // A refinance's table: the loan, less the closing costs and the payoffs.
            line("Loan Amount", table.loanAmount);
            line("Total Closing Costs (J)", table.totalClosingCosts);
            line("Estimated Total Payoffs and Payments", table.payoffs);
            Put(1, 320, y, QStringLiteral("Estimated Cash to Close"), 8.5, true);
            Mark(1, 440, y, QStringLiteral("From"), !table.toBorrower.value.value_or(false));
            Mark(1, 475, y, QStringLiteral("To Borrower"), table.toBorrower.value.value_or(false));
            Amount(1, 576, y, table.cashToClose.value);
            y += 24;
            Put(1, 320, y, QStringLiteral("Estimated Closing Costs Financed"), 8.5);
            Put(1, 320, y + 10.5, QStringLiteral("(Paid from your Loan Amount)"), 8.5);
            Amount(1, 576, y + 10.5, table.closingCostsFinanced.value);
        } else {
            line("Total Closing Costs (J)", table.totalClosingCosts);
            if (style_.realTraits)
                CostsFinancedAsPrinted(y, size, table.closingCostsFinanced);
            else
                line("Closing Costs Financed (Paid from your Loan Amount)",
                     table.closingCostsFinanced);
            line("Down Payment/Funds from Borrower", table.downPaymentFunds);
            line("Deposit", table.deposit);
            line("Funds for Borrower", table.fundsForBorrower);
            line("Seller Credits", table.sellerCredits);
            line("Adjustments and Other Credits", table.adjustmentsCredits);
            line("Estimated Cash to Close", table.cashToClose, true);
        }
        PaymentTablePart();

        if (style_.carriedOver > 0) {
            Put(3, 36, 40, QStringLiteral("Closing Cost Details (continued)"), 14, true);
            double left = 70;
            left = Section(3, 36, 290, left, CostSection::C, true, Kept(CostSection::C),
                           f_.Section(CostSection::C).lines.size());
            double right = 70;
            Section(3, 316, 576, right, CostSection::H, true, Kept(CostSection::H),
                    f_.Section(CostSection::H).lines.size());
        }
    }

    // The Adjustable Payment table, at the foot of page 2's left column.
    void PaymentTablePart() {
        const reader::PaymentTable& t = f_.paymentTable;
        if (!t.interestOnlyPayments.value)
            return;
        const bool es = style_.spanish;
        const auto answer = [&](const Figure<bool>& figure) {
            return figure.value.value_or(false) ? Label(QStringLiteral("YES"))
                                                : QStringLiteral("NO");
        };
        double y = 630;
        Put(1, 36, y, QStringLiteral("Adjustable Payment (AP) Table"), 10, true);
        y += 14;
        Put(1, 36, y, QStringLiteral("Interest Only Payments?"), 8.5, true);
        const int count = *t.interestOnlyPayments.value;
        Put(1, 175, y,
            count == 0 ? QStringLiteral("NO")
            : es       ? QStringLiteral("SÍ para los primeros %1 pagos").arg(count)
                       : QStringLiteral("YES for your first %1 payments").arg(count),
            8.5);
        const std::pair<const char*, const Figure<bool>*> choices[] = {
            {"Optional Payments?", &t.optionalPayments},
            {"Step Payments?", &t.stepPayments},
            {"Seasonal Payments?", &t.seasonalPayments}};
        for (const auto& [label, figure] : choices) {
            y += 12;
            Put(1, 36, y, QString::fromUtf8(label), 8.5, true);
            Put(1, 175, y, answer(*figure), 8.5);
        }
        y += 14;
        Put(1, 36, y, QStringLiteral("Monthly Principal and Interest Payments"), 8.5, true);
        y += 12;
        Put(1, 40, y, QStringLiteral("First Change/Amount"), 8.5);
        if (t.firstChangeMinimum.value && t.firstChangeMaximum.value)
            Put(1, 290, y,
                QStringLiteral("%1 \u2013 %2 %3")
                    .arg(Money(*t.firstChangeMinimum.value), Money(*t.firstChangeMaximum.value),
                         es ? QStringLiteral("en el pago %1")
                                  .arg(t.firstChangePayment.value.value_or(0))
                            : QStringLiteral("at %1st payment")
                                  .arg(t.firstChangePayment.value.value_or(0))),
                8.5, false, true);
        y += 12;
        Put(1, 40, y, QStringLiteral("Subsequent Changes"), 8.5);
        if (t.laterChanges.value)
            Put(1, 290, y, QString::fromStdString(*t.laterChanges.value), 8.5, false, true);
        y += 12;
        Put(1, 40, y, QStringLiteral("Maximum Payment"), 8.5);
        if (t.maximumPayment.value)
            Put(1, 290, y,
                QStringLiteral("%1 %2").arg(Money(*t.maximumPayment.value),
                                            es ? QStringLiteral("a partir del pago %1")
                                                     .arg(t.maximumPaymentFrom.value.value_or(0))
                                               : QStringLiteral("starting at %1th payment")
                                                     .arg(t.maximumPaymentFrom.value.value_or(0))),
                8.5, false, true);
    }

    void ComparisonsPage() {
        Put(2, 36, 40, QStringLiteral("Additional Information About This Loan"), 14, true);
        Put(2, 36, 66, QStringLiteral("LENDER"), 7.5, true);
        if (f_.lender.value)
            Put(2, 110, 66, QString::fromStdString(*f_.lender.value));
        Put(2, 320, 66, QStringLiteral("MORTGAGE BROKER"), 7.5, true);
        Put(2, 36, 80, QStringLiteral("NMLS/__ LICENSE ID"), 7.5, true);
        Put(2, 110, 80, QStringLiteral("771204"));
        Put(2, 36, 94, QStringLiteral("LOAN OFFICER"), 7.5, true);
        Put(2, 110, 94, QStringLiteral("Casey Example"));
        Put(2, 36, 130, QStringLiteral("Comparisons"), 12, true);
        Put(2, 200, 130,
            QStringLiteral("Use these measures to compare this loan with other loans."), 8);
        Put(2, 36, 152, QStringLiteral("In 5 Years"), 9, true);
        Amount(2, 230, 152, f_.in5YearsTotalPaid.value);
        Put(2, 250, 152,
            QStringLiteral("Total you will have paid in principal, interest, mortgage insurance, "
                           "and loan costs."),
            7.5);
        Amount(2, 230, 166, f_.in5YearsPrincipal.value);
        Put(2, 250, 166, QStringLiteral("Principal you will have paid off."), 7.5);
        Put(2, 36, 188, QStringLiteral("Annual Percentage Rate (APR)"), 9, true);
        if (f_.apr.value)
            Put(2, 230, 188, Percent(*f_.apr.value), 9, false, true);
        Put(2, 250, 188,
            QStringLiteral("Your costs over the loan term expressed as a rate. This is not your "
                           "interest rate."),
            7.5);
        if (style_.spanish)
            PutTwoLines(2, 36, 210, QStringLiteral("Total Interest Percentage (TIP)"), 4);
        else
            Put(2, 36, 210, QStringLiteral("Total Interest Percentage (TIP)"), 9, true);
        if (f_.tip.value)
            Put(2, 230, 210, Percent(*f_.tip.value), 9, false, true);
        Put(2, 250, 210,
            QStringLiteral(
                "The total amount of interest that you will pay over the loan term as a"),
            7.5);
        Put(2, 250, 220, QStringLiteral("percentage of your loan amount."), 7.5);
        Put(2, 36, 250, QStringLiteral("Other Considerations"), 12, true);
        Put(2, 36, 270, QStringLiteral("Appraisal"), 9, true);
        Put(2, 120, 270,
            QStringLiteral("We may order an appraisal to determine the property's value and charge "
                           "you for it."),
            7.5);
        Put(2, 36, 286, QStringLiteral("Servicing"), 9, true);
        Put(2, 120, 286,
            QStringLiteral(
                "We intend to service your loan. If so, you will make your payments to us."),
            7.5);
        Put(2, 36, 330, QStringLiteral("Confirm Receipt"), 12, true);
        Put(2, 36, 348,
            QStringLiteral("By signing, you are only confirming that you have received this form."),
            7.5);
    }

    // How far `text` runs on the page, in points: measured at the writer's 72 dots an inch.
    double Advance(const QString& text, double size) const {
        QImage page(1, 1, QImage::Format_RGB32);
        page.setDotsPerMeterX(2835);
        page.setDotsPerMeterY(2835);
        return QFontMetricsF(Font(size), &page).horizontalAdvance(text);
    }

    QFont Font(double size, bool bold = false) const {
        QFont font(style_.family);
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
        std::mt19937 random(style_.drawOrderSeed);
        for (std::size_t p = 0; p < sheets_.size(); ++p) {
            if (p > 0)
                writer.newPage();
            std::vector<Text> texts = sheets_[p].texts;
            if (style_.drawOrderSeed != 0)
                std::shuffle(texts.begin(), texts.end(), random);
            painter.save();
            if (style_.firstPageSideways && static_cast<int>(p) == first_) {
                // A quarter turn, scaled to fit the page: (x, y) lands at (612 - s·y, s·x).
                const double scale = 612.0 / 792.0;
                painter.translate(612, 0);
                painter.rotate(90);
                painter.scale(scale, scale);
            }
            painter.setPen(Qt::black);
            for (const Box& box : sheets_[p].boxes)
                painter.drawRect(box.rect.translated(style_.dx, style_.dy));
            for (const Text& text : texts) {
                const QFont font = Font(text.size, text.bold);
                painter.setFont(font);
                painter.setPen(text.white ? Qt::white : Qt::black);
                QPointF at = text.at + QPointF(style_.dx, style_.dy);
                if (text.right)
                    at.rx() -= QFontMetricsF(font, &writer).horizontalAdvance(text.text);
                painter.drawText(at, text.text);
            }
            painter.restore();
        }
        return painter.end();
    }

    const EstimateReading& f_;
    FormStyle style_;
    int first_ = 0; // the sheet of the form's page 1: a cover page comes first
    std::vector<Sheet> sheets_;
};

std::optional<double> Sum(const std::vector<SectionLine>& lines) {
    double sum = 0;
    for (const SectionLine& line : lines)
        sum += line.amount.value_or(0);
    return sum;
}

using Lines = std::vector<std::pair<const char*, std::optional<double>>>;

// Fills in the sums the form prints: section totals, D, I, J and cash to close.
void Sections(EstimateReading& f, const std::vector<std::pair<CostSection, Lines>>& sections,
              double lenderCredits) {
    for (const auto& [section, lines] : sections) {
        for (const auto& [label, amount] : lines)
            f.Section(section).lines.push_back({label, amount, {}});
        f.Section(section).total.value = Sum(f.Section(section).lines);
    }
    const auto total = [&](std::initializer_list<CostSection> which) {
        double sum = 0;
        for (CostSection s : which)
            sum += f.Section(s).total.value.value_or(0);
        return sum;
    };
    f.totalLoanCosts.value = total({CostSection::A, CostSection::B, CostSection::C});
    f.totalOtherCosts.value =
        total({CostSection::E, CostSection::F, CostSection::G, CostSection::H});
    f.lenderCredits.value = -lenderCredits; // as the form prints it
    f.totalClosingCosts.value = *f.totalLoanCosts.value + *f.totalOtherCosts.value - lenderCredits;
    const double down = f.salePrice.value ? *f.salePrice.value - *f.loanAmount.value : 0;
    f.cashToClose.value = *f.totalClosingCosts.value + down;
    auto& table = f.cashTable;
    table.totalClosingCosts.value = f.totalClosingCosts.value;
    table.closingCostsFinanced.value = 0;
    table.downPaymentFunds.value = down;
    table.deposit.value = 0;
    table.fundsForBorrower.value = 0;
    table.sellerCredits.value = 0;
    table.adjustmentsCredits.value = 0;
    table.cashToClose.value = f.cashToClose.value;
}

// A purchase's deposit, seller credits and adjustments, as the form prints them (the first two
// below zero), and the cash to close they leave.
void CashLines(EstimateReading& f, double deposit, double sellerCredits, double adjustments) {
    auto& table = f.cashTable;
    table.deposit.value = -deposit;
    table.sellerCredits.value = -sellerCredits;
    table.adjustmentsCredits.value = adjustments;
    f.cashToClose.value = *f.cashToClose.value - deposit - sellerCredits + adjustments;
    table.cashToClose.value = f.cashToClose.value;
}

ProjectedColumn Column(const char* years, double pi, double insurance, double escrow) {
    ProjectedColumn column;
    column.years = years;
    column.principalInterest.value = pi;
    column.mortgageInsurance.value = insurance;
    column.escrow.value = escrow;
    column.total.value = std::round(pi + insurance + escrow);
    return column;
}

EstimateReading Basics(const char* lender, const char* date, std::optional<double> price, int years,
                       const char* purpose, const char* product, const char* type, double loan,
                       double rate, double payment) {
    EstimateReading f;
    f.lender.value = lender;
    f.dateIssued.value = date;
    f.salePrice.value = price;
    f.loanTermYears.value = years;
    f.purpose.value = purpose;
    f.product.value = product;
    f.loanType.value = type;
    f.loanAmount.value = loan;
    f.interestRate.value = rate;
    f.monthlyPrincipalInterest.value = payment;
    return f;
}

} // namespace

bool WriteLoanEstimate(const QString& path, const EstimateReading& figures,
                       const FormStyle& style) {
    Form form(figures, style);
    return form.Write(path);
}

bool WriteScannedPage(const QString& path) {
    QImage picture(612, 792, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setFont(QFont(QStringLiteral("Liberation Sans"), 20));
        painter.drawText(QPointF(36, 72), QStringLiteral("Loan Estimate"));
        painter.drawText(QPointF(36, 200), QStringLiteral("Loan Terms   Projected Payments"));
    }
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.drawImage(QRectF(0, 0, 612, 792), picture);
    return painter.end();
}

bool WriteClosingDisclosure(const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(72);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const auto put = [&](double x, double y, const QString& text, double size, bool bold) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(size);
        font.setBold(bold);
        painter.setFont(font);
        painter.drawText(QPointF(x, y), text);
    };
    put(36, 60, QStringLiteral("Closing Disclosure"), 20, true);
    put(300, 56, QStringLiteral("This form is a statement of final loan terms and closing costs."),
        7, false);
    put(36, 90, QStringLiteral("Closing Information"), 9, true);
    put(230, 90, QStringLiteral("Transaction Information"), 9, true);
    put(420, 90, QStringLiteral("Loan Information"), 9, true);
    put(36, 104, QStringLiteral("Date Issued"), 7.5, false);
    put(110, 104, QStringLiteral("4/15/2024"), 7.5, false);
    put(420, 104, QStringLiteral("Loan Term"), 7.5, false);
    put(480, 104, QStringLiteral("30 years"), 7.5, false);
    put(36, 160, QStringLiteral("Loan Terms"), 12, true);
    put(36, 180, QStringLiteral("Loan Amount"), 9, true);
    put(230, 180, QStringLiteral("$254,400"), 9, false);
    put(36, 198, QStringLiteral("Interest Rate"), 9, true);
    put(230, 198, QStringLiteral("6.625%"), 9, false);
    put(36, 240, QStringLiteral("Projected Payments"), 12, true);
    put(36, 300, QStringLiteral("J. TOTAL CLOSING COSTS (Borrower-Paid)"), 9, true);
    put(300, 300, QStringLiteral("$9,875.00"), 9, false);
    return painter.end();
}

bool WriteLetter(const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(72);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 11));
    painter.drawText(QPointF(36, 60), QStringLiteral("Dear applicant,"));
    painter.drawText(QPointF(36, 80),
                     QStringLiteral("Thank you for your loan application. Your Loan Estimate "
                                    "follows under separate cover."));
    painter.drawText(QPointF(36, 100), QStringLiteral("Loan Amount $250,000"));
    return painter.end();
}

namespace {

// A PDF written object by object (objects 1 to n, 1 the catalogue), with its cross-reference
// table; a stream's content is compressed as writers do.
QByteArray RawPdf(const std::vector<QByteArray>& objects) {
    QByteArray file("%PDF-1.4\n");
    std::vector<qsizetype> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(file.size());
        file += QByteArray::number(static_cast<qulonglong>(i + 1)) + " 0 obj\n" + objects[i] +
                "\nendobj\n";
    }
    const qsizetype xref = file.size();
    file += "xref\n0 " + QByteArray::number(static_cast<qulonglong>(objects.size() + 1)) +
            "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        file += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    file += "trailer\n<< /Size " + QByteArray::number(static_cast<qulonglong>(objects.size() + 1)) +
            " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return file;
}

QByteArray Stream(const QByteArray& dictionary, const QByteArray& content) {
    // qCompress puts the length before zlib's own stream; the file holds zlib's alone.
    const QByteArray packed = qCompress(content, 9).mid(4);
    return "<< " + dictionary + " /Filter /FlateDecode /Length " +
           QByteArray::number(packed.size()) + " >>\nstream\n" + packed + "\nendstream";
}

// The catalogue, the page tree, one US Letter page drawing `content`, a font, and `more`
// objects from number 6 on.
QByteArray OnePage(const QByteArray& content, const QByteArray& resources,
                   const std::vector<QByteArray>& more = {}) {
    std::vector<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources " + resources +
            " /Contents 5 0 R >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        Stream({}, content)};
    objects.insert(objects.end(), more.begin(), more.end());
    return RawPdf(objects);
}

} // namespace

QByteArray ManyWordsPdf(int words, bool oneHexString) {
    QByteArray content("BT /F1 2 Tf 10 780 Td\n");
    if (oneHexString) {
        // "a a a ...": the letter 61, the space 20.
        content += '<';
        for (int i = 0; i < words; ++i)
            content += i > 0 ? "2061" : "61";
        content += "> Tj\nET\n";
        return OnePage(content, "<< /Font << /F1 4 0 R >> >>");
    }
    const QByteArray word("(a) Tj 2 0 Td\n");
    content.reserve(content.size() + word.size() * words + 8);
    for (int i = 0; i < words; ++i)
        content += word;
    content += "ET\n";
    return OnePage(content, "<< /Font << /F1 4 0 R >> >>");
}

QByteArray NestedDrawingsPdf(int levels) {
    // Drawing 6 draws 7 twice, 7 draws 8 twice, ...; the last shows one word.
    std::vector<QByteArray> forms;
    for (int level = 0; level < levels; ++level) {
        const int next = 6 + level + 1;
        const bool last = level + 1 == levels;
        const QByteArray resources =
            last ? QByteArray("<< /Font << /F1 4 0 R >> >>")
                 : "<< /XObject << /D " + QByteArray::number(next) + " 0 R >> >>";
        forms.push_back(
            Stream("/Type /XObject /Subtype /Form /BBox [0 0 612 792] /Resources " + resources,
                   last ? "BT /F1 9 Tf 20 700 Td (a) Tj ET" : "q /D Do Q q /D Do Q"));
    }
    return OnePage("/D Do", "<< /XObject << /D 6 0 R >> >>", forms);
}

QByteArray NestedStatesPdf(int depth, bool closing) {
    QByteArray content;
    content.reserve(depth * 6 + 64);
    for (int i = 0; i < depth; ++i)
        content += closing ? "q q Q\n" : "q\n";
    content += "BT /F1 9 Tf 20 700 Td (a) Tj ET\n";
    return OnePage(content, "<< /Font << /F1 4 0 R >> >>");
}

EstimateReading FixedRatePurchase() {
    EstimateReading f = Basics("Aspen Home Lending", "2024-03-14", 318000, 30, "Purchase",
                               "Fixed Rate", "Conventional", 254400, 6.625, 1628.95);
    f.projectedPayments = {Column("1-30", 1628.95, 0, 440)};
    Sections(f,
             {{CostSection::A,
               {{".5 % of Loan Amount (Points)", 1272},
                {"Application Fee", 350},
                {"Underwriting Fee", 1095}}},
              {CostSection::B,
               {{"Appraisal Fee", 525},
                {"Credit Report Fee", 38},
                {"Flood Determination Fee", 19},
                {"Tax Monitoring Fee", 72}}},
              {CostSection::C,
               {{"Pest Inspection Fee", 135},
                {"Survey Fee", 410},
                {"Title \u2013 Lender's Title Policy", 1180},
                {"Title \u2013 Settlement Agent Fee", 565}}},
              {CostSection::E, {{"Recording Fees and Other Taxes", 142}, {"Transfer Taxes", {}}}},
              {CostSection::F,
               {{"Homeowner's Insurance Premium ( 12 months)", 1464},
                {"Mortgage Insurance Premium ( months)", {}},
                {"Prepaid Interest ( $46.82 per day for 9 days @ 6.625%)", 421},
                {"Property Taxes ( months)", {}}}},
              {CostSection::G,
               {{"Homeowner's Insurance $122.00 per month for 2 mo.", 244},
                {"Mortgage Insurance per month for mo.", {}},
                {"Property Taxes $318.00 per month for 3 mo.", 954}}},
              {CostSection::H,
               {{"Title \u2013 Owner's Title Policy (optional)", 1013}, {"Home Warranty", 495}}}},
             0);
    // Worked out apart from the program: 60 payments of 1,628.95 and the loan costs; the
    // principal after 60 months of interest rounded to the cent; interest over the term with the
    // prepaid interest, as a share of the loan; the APR of the amount financed (the loan less the
    // finance charges: A, flood, tax monitoring, survey, prepaid interest, home warranty).
    f.in5YearsTotalPaid.value = 103819; // the 421 of prepaid interest counted
    f.in5YearsPrincipal.value = 15914;
    f.tip.value = 130.678;
    f.apr.value = 6.784;
    CashLines(f, 6000, 1250, 385);
    return f;
}

EstimateReading AdjustableInterestOnly() {
    EstimateReading f =
        Basics("Birch Mortgage", "2024-05-02", 265000, 30, "Purchase",
               "5 Year Interest Only, 5/3 Adjustable Rate", "Conventional", 212000, 5.25, 927.50);
    ProjectedColumn later = Column("6-8", 1171, 88, 310);
    later.principalInterestMaximum = 1548;
    later.totalMaximum = 1946;
    f.projectedPayments = {Column("1-5", 927.50, 88, 310), later};
    Sections(f,
             {{CostSection::A, {{"1 % of Loan Amount (Points)", 2120}, {"Processing Fee", 640}}},
              {CostSection::B, {{"Appraisal Fee", 560}, {"Credit Report Fee", 42}}},
              {CostSection::C, {{"Survey Fee", 375}}},
              {CostSection::E, {{"Recording Fees and Other Taxes", 166}}},
              {CostSection::F, {{"Prepaid Interest ( $30.49 per day for 12 days @ 5.25%)", 366}}},
              {CostSection::G, {{"Property Taxes $258.33 per month for 3 mo.", 775}}},
              {CostSection::H, {{"Title \u2013 Owner's Title Policy (optional)", 1211}}}},
             0);
    f.paymentTable.interestOnlyPayments.value = 60;
    f.paymentTable.optionalPayments.value = false;
    f.paymentTable.stepPayments.value = false;
    f.paymentTable.seasonalPayments.value = false;
    f.paymentTable.firstChangeMinimum.value = 1171;
    f.paymentTable.firstChangeMaximum.value = 1548;
    f.paymentTable.firstChangePayment.value = 61;
    f.paymentTable.laterChanges.value = "Every 36 months";
    f.paymentTable.maximumPayment.value = 2233;
    f.paymentTable.maximumPaymentFrom.value = 169;
    return f;
}

EstimateReading FhaPurchase() {
    EstimateReading f = Basics("Birchwood Mortgage", "2024-05-02", 289000, 30, "Purchase",
                               "Fixed Rate", "FHA", 283765, 6.25, 1747.19);
    f.projectedPayments = {Column("1-30", 1747.19, 130, 512)};
    Sections(f,
             {{CostSection::A, {{"Origination Fee", 1419}, {"Processing Fee", 595}}},
              {CostSection::B,
               {{"FHA Upfront Mortgage Insurance Premium", 4880},
                {"Appraisal Fee", 600},
                {"Credit Report Fee", 45}}},
              {CostSection::C, {{"Title \u2013 Settlement Agent Fee", 650}}},
              {CostSection::E, {{"Recording Fees and Other Taxes", 118}}},
              {CostSection::F,
               {{"Homeowner's Insurance Premium ( 12 months)", 1380},
                {"Prepaid Interest ( $49.27 per day for 12 days @ 6.25%)", 591}}},
              {CostSection::G,
               {{"Homeowner's Insurance $115.00 per month for 2 mo.", 230},
                {"Property Taxes $397.00 per month for 2 mo.", 794}}},
              {CostSection::H, {{"Title \u2013 Owner's Title Policy (optional)", 980}}}},
             0);
    f.in5YearsTotalPaid.value = 120935; // the 591 of prepaid interest counted
    f.in5YearsPrincipal.value = 18672;
    f.tip.value = 121.802;
    f.apr.value = 7.318;
    return f;
}

EstimateReading FifteenYearLoan() {
    EstimateReading f = Basics("Cedar Ridge Bank", "2024-01-09", 410000, 15, "Purchase",
                               "Fixed Rate", "Conventional", 328000, 5.875, 2745.75);
    f.projectedPayments = {Column("1-15", 2745.75, 0, 603)};
    Sections(f,
             {{CostSection::A, {{"Underwriting Fee", 1250}}},
              {CostSection::B, {{"Appraisal Fee", 575}, {"Flood Determination Fee", 16}}},
              {CostSection::C, {{"Title \u2013 Lender's Title Policy", 1402}}},
              {CostSection::E, {{"Recording Fees and Other Taxes", 210}, {"Transfer Taxes", 820}}},
              {CostSection::F, {{"Homeowner's Insurance Premium ( 12 months)", 1596}}},
              {CostSection::G, {{"Property Taxes $470.00 per month for 2 mo.", 940}}},
              {CostSection::H, {{"Home Inspection Fee", 450}}}},
             0);
    f.in5YearsTotalPaid.value = 167986;
    f.in5YearsPrincipal.value = 80377;
    f.tip.value = 50.682;
    f.apr.value = 5.963;
    return f;
}

EstimateReading LoanWithLenderCredits() {
    EstimateReading f = Basics("Dogwood Credit Union", "2024-06-21", 265000, 30, "Purchase",
                               "Fixed Rate", "Conventional", 251750, 7.125, 1696.09);
    f.projectedPayments = {Column("1-9", 1696.09, 97, 388), Column("10-30", 1696.09, 0, 388)};
    Sections(f,
             {{CostSection::A, {{"Application Fee", 425}, {"Underwriting Fee", 990}}},
              {CostSection::B, {{"Appraisal Fee", 540}, {"Credit Report Fee", 52}}},
              {CostSection::C,
               {{"Pest Inspection Fee", 110},
                {"Survey Fee", 385},
                {"Title \u2013 Insurance Binder", 175},
                {"Title \u2013 Lender's Title Policy", 890}}},
              {CostSection::E, {{"Recording Fees and Other Taxes", 96}}},
              {CostSection::F, {{"Homeowner's Insurance Premium ( 12 months)", 1176}}},
              {CostSection::G, {{"Property Taxes $290.00 per month for 3 mo.", 870}}},
              {CostSection::H,
               {{"Title \u2013 Owner's Title Policy (optional)", 760},
                {"Home Warranty", 520},
                {"HOA Transfer Fee", 250}}}},
             1500);
    f.in5YearsTotalPaid.value = 108645;
    f.in5YearsPrincipal.value = 14385;
    f.tip.value = 142.554;
    f.apr.value = 7.402;
    return f;
}

EstimateReading RefinanceWithoutPrice() {
    EstimateReading f = Basics("Elm Street Savings", "2024-09-30", std::nullopt, 20, "Refinance",
                               "Fixed Rate", "Conventional", 300000, 6.0, 2149.29);
    f.propertyValue.value = 450000;
    f.projectedPayments = {Column("1-20", 2149.29, 0, 655)};
    Sections(f,
             {{CostSection::A, {{"Origination Fee", 1500}}},
              {CostSection::B, {{"Appraisal Fee", 650}}},
              {CostSection::C, {{"Title \u2013 Lender's Title Policy", 1120}}},
              {CostSection::E, {{"Recording Fees and Other Taxes", 160}}},
              {CostSection::F, {{"Prepaid Interest ( $49.32 per day for 6 days @ 6%)", 296}}},
              {CostSection::G, {{"Property Taxes $505.00 per month for 2 mo.", 1010}}},
              {CostSection::H, {{"Courier Fee", 40}}}},
             0);
    f.in5YearsTotalPaid.value = 132228;
    f.in5YearsPrincipal.value = 44230;
    f.tip.value = 72.04;
    f.apr.value = 6.204;
    // The refinance's own table: the loan less the closing costs and the payoffs, to the borrower.
    auto& table = f.cashTable;
    table = {};
    table.loanAmount.value = 300000;
    table.totalClosingCosts.value = -*f.totalClosingCosts.value;
    table.payoffs.value = -281350;
    table.closingCostsFinanced.value = *f.totalClosingCosts.value;
    table.cashToClose.value = 300000 - *f.totalClosingCosts.value - 281350;
    table.toBorrower.value = true;
    f.cashToClose.value = table.cashToClose.value;
    f.cashToCloseToBorrower.value = true;
    return f;
}

} // namespace plumcrest::testing
