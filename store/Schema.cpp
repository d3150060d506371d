#include "Schema.h"

namespace plumcrest::store {

std::vector<QString> ShippedSchemaSteps() {
    return {
        // 1: the offers with the calculator's thirteen inputs, its five results and the time.
        QStringLiteral(
            "CREATE TABLE offers (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL, "
            "kept_at TEXT NOT NULL, \"PurchasePrice\" REAL NOT NULL, "
            "\"DownPaymentPercent\" REAL NOT NULL, \"Term\" REAL NOT NULL, "
            "\"Interest\" REAL NOT NULL, \"OriginationFees\" REAL NOT NULL, "
            "\"Points\" REAL NOT NULL, \"PrepaidInterest\" REAL NOT NULL, \"MIP\" REAL NOT NULL, "
            "\"Buydown\" REAL NOT NULL, \"FloodCheck\" REAL NOT NULL, "
            "\"TaxService\" REAL NOT NULL, \"Other1\" REAL NOT NULL, \"Other2\" REAL NOT NULL, "
            "\"DownPayment\" REAL NOT NULL, \"Loan\" REAL NOT NULL, \"Payment\" REAL NOT NULL, "
            "\"FixedFees\" REAL NOT NULL, \"APR\" REAL NOT NULL)"),
        // 2: the APR the lender disclosed, when the user gave it; newest-first listing.
        QStringLiteral("ALTER TABLE offers ADD COLUMN disclosed_apr REAL; "
                       "CREATE INDEX offers_by_time ON offers (kept_at)"),
        // 3: the offer as the Loan Estimate lays it out (left empty for offers kept before, which
        // are read from the calculator's figures), its closing costs as line items, and the
        // comparison's own settings.
        QStringLiteral(
            "ALTER TABLE offers ADD COLUMN loan_type TEXT; "
            "ALTER TABLE offers ADD COLUMN price REAL; "
            "ALTER TABLE offers ADD COLUMN loan_amount REAL; "
            "ALTER TABLE offers ADD COLUMN term_months INTEGER; "
            "ALTER TABLE offers ADD COLUMN note_rate REAL; "
            "ALTER TABLE offers ADD COLUMN lender_credits REAL; "
            "ALTER TABLE offers ADD COLUMN insurance_end TEXT; "
            "ALTER TABLE offers ADD COLUMN insurance_rate REAL; "
            "ALTER TABLE offers ADD COLUMN property_tax_yearly REAL; "
            "ALTER TABLE offers ADD COLUMN home_insurance_yearly REAL; "
            "ALTER TABLE offers ADD COLUMN hoa_monthly REAL; "
            "ALTER TABLE offers ADD COLUMN disclosed_tip REAL; "
            "ALTER TABLE offers ADD COLUMN disclosed_in5_total REAL; "
            "ALTER TABLE offers ADD COLUMN disclosed_in5_principal REAL; "
            "CREATE TABLE offer_costs (offer_id INTEGER NOT NULL, position INTEGER NOT NULL, "
            "section TEXT NOT NULL, label TEXT NOT NULL, amount REAL NOT NULL, "
            "finance_charge INTEGER NOT NULL, PRIMARY KEY (offer_id, position)); "
            "CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT NOT NULL)"),
        // 4: the Loan Estimate's Adjustable Interest Rate table, all empty for a fixed rate.
        QStringLiteral("ALTER TABLE offers ADD COLUMN arm_initial_months INTEGER; "
                       "ALTER TABLE offers ADD COLUMN arm_index REAL; "
                       "ALTER TABLE offers ADD COLUMN arm_margin REAL; "
                       "ALTER TABLE offers ADD COLUMN arm_first_cap REAL; "
                       "ALTER TABLE offers ADD COLUMN arm_later_cap REAL; "
                       "ALTER TABLE offers ADD COLUMN arm_life_cap REAL; "
                       "ALTER TABLE offers ADD COLUMN arm_floor REAL; "
                       "ALTER TABLE offers ADD COLUMN arm_months_between INTEGER"),
        // 5: the financed upfront premium, the first year's insurance, finance charge and cash to
        // close the lender disclosed, and the lines of the Calculating Cash to Close table; all
        // empty in offers kept before (no premium financed, the lines worked out).
        QStringLiteral("ALTER TABLE offers ADD COLUMN upfront_premium_financed REAL; "
                       "ALTER TABLE offers ADD COLUMN disclosed_insurance_monthly REAL; "
                       "ALTER TABLE offers ADD COLUMN disclosed_finance_charge REAL; "
                       "ALTER TABLE offers ADD COLUMN disclosed_cash_to_close REAL; "
                       "ALTER TABLE offers ADD COLUMN closing_costs_financed REAL; "
                       "ALTER TABLE offers ADD COLUMN down_payment_funds REAL; "
                       "ALTER TABLE offers ADD COLUMN deposit REAL; "
                       "ALTER TABLE offers ADD COLUMN funds_for_borrower REAL; "
                       "ALTER TABLE offers ADD COLUMN seller_credits REAL; "
                       "ALTER TABLE offers ADD COLUMN adjustments_credits REAL"),
        // 6: the day the rate is locked until and the day the estimated closing costs expire,
        // as "YYYY-MM-DD"; empty when not given.
        QStringLiteral("ALTER TABLE offers ADD COLUMN rate_lock_until TEXT; "
                       "ALTER TABLE offers ADD COLUMN closing_costs_expire TEXT"),
        // 7: the loan's purpose (empty in offers kept before: a purchase), and the same
        // lender's points for a lower rate and credit for a higher one, empty when not given.
        QStringLiteral("ALTER TABLE offers ADD COLUMN loan_purpose TEXT; "
                       "ALTER TABLE offers ADD COLUMN points_option_points REAL; "
                       "ALTER TABLE offers ADD COLUMN points_option_rate REAL; "
                       "ALTER TABLE offers ADD COLUMN credit_option_amount REAL; "
                       "ALTER TABLE offers ADD COLUMN credit_option_rate REAL"),
        // 8: the first payments that pay interest only, as a count of months; empty in offers
        // kept before and for a loan without them.
        QStringLiteral("ALTER TABLE offers ADD COLUMN interest_only_months INTEGER"),
        // 9: the Loan Terms' product and prepayment penalty (0 or 1), empty when not known; and the
        // Closing Disclosure check kept with its offer, one for each: the form's file name, its
        // reading and the buyer's choices as JSON.
        QStringLiteral("ALTER TABLE offers ADD COLUMN loan_product TEXT; "
                       "ALTER TABLE offers ADD COLUMN prepayment_penalty INTEGER; "
                       "CREATE TABLE closing_checks (offer_id INTEGER PRIMARY KEY, "
                       "checked_at TEXT NOT NULL, file_name TEXT NOT NULL, reading TEXT NOT NULL, "
                       "choices TEXT NOT NULL)"),
    };
}

} // namespace plumcrest::store
