#include "LoanPipeline.h"

#include "Fpu.h"
#include "LoanMath.h"
#include "NumberText.h"
#include "ReferenceLoanMath.h"

#include <optional>

namespace plumcrest {

using fpu::Add;
using fpu::Div;
using fpu::Mul;
using fpu::Sub;
using fpu::ToDouble;

namespace {

using AprSolver = double (*)(std::int32_t, double, double);

// A count from a floating value only through its text: a fraction stops the calculation.
std::int32_t WholeCount(long double value, char32_t decimalSeparator) {
    return StrToInt(FormatGeneral15(value, decimalSeparator));
}

double SumOfFees(const LoanInputs& in) {
    long double total = in.OriginationFees;
    for (double fee : {in.Points, in.PrepaidInterest, in.MIP, in.Buydown, in.FloodCheck,
                       in.TaxService, in.Other1, in.Other2})
        total = Add(total, fee);
    return ToDouble(total);
}

// `loan`, when given, stands for the down payment percent's loan: an offer's own amount.
void Recalculate(const LoanInputs& in, LoanResults& out, char32_t decimalSeparator,
                 AprSolver solveApr, std::optional<double> loan = std::nullopt) {
    out.Months = WholeCount(Mul(in.Term, 12.0L), decimalSeparator);
    out.FixedFees = SumOfFees(in);
    if (loan) {
        out.DownPayment = ToDouble(Sub(in.PurchasePrice, *loan));
        out.Loan = *loan;
    } else {
        out.DownPayment = ToDouble(Mul(Div(in.DownPaymentPercent, 100.0L), in.PurchasePrice));
        out.Loan = ToDouble(Sub(in.PurchasePrice, out.DownPayment));
    }
    out.Payment = out.Loan > 0
                      ? MonthlyPayment(out.Months, out.Loan, ToDouble(Div(in.Interest, 1200.0L)))
                      : 0.0;
    out.AmountFinanced = ToDouble(Sub(out.Loan, out.FixedFees));
    out.WholeYears = WholeCount(Div(out.Months, 12.0L), decimalSeparator);
    out.APR = solveApr(out.WholeYears, out.AmountFinanced, out.Payment);
}

} // namespace

LoanInputs DefaultLoanInputs() {
    LoanInputs inputs;
    for (const auto& field : kLoanInputFields)
        inputs.*field.member = field.defaultValue;
    return inputs;
}

void RecalculateLoan(const LoanInputs& inputs, LoanResults& results, char32_t decimalSeparator) {
    Recalculate(inputs, results, decimalSeparator, SolveApr);
}

void RecalculateLoanOfAmount(const LoanInputs& inputs, double loan, LoanResults& results,
                             char32_t decimalSeparator) {
    Recalculate(inputs, results, decimalSeparator, SolveApr, loan);
}

void ReferenceRecalculateLoan(const LoanInputs& inputs, LoanResults& results,
                              char32_t decimalSeparator) {
    Recalculate(inputs, results, decimalSeparator, ReferenceSolveApr);
}

} // namespace plumcrest
