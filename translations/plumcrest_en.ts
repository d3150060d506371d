<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>plumcrest::compare::CompareModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term (years)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note rate (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly principal and interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly mortgage insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage insurance ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly escrow (property tax, homeowner&apos;s insurance)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated total monthly payment, first years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated total monthly payment by years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly HOA dues (not in escrow)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing costs (D + I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan costs (D = A + B + C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other costs (I = E + F + G + H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lender credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash to close (down payment, closing costs, less credits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 5 years: paid in principal, interest, insurance and loan costs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 5 years: principal paid off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 5 years: as the lender disclosed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest Percentage (TIP, %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIP as the lender disclosed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator&apos;s APR: every fee counted (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lender&apos;s APR: finance charges and insurance (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APR the lender disclosed (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check of the disclosed APR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total of payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost over the whole term</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Paid in %n years (principal, interest, insurance, loan costs)</source>
        <translation>
            <numerusform>Paid in %n year (principal, interest, insurance, loan costs)</numerusform>
            <numerusform>Paid in %n years (principal, interest, insurance, loan costs)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Principal paid off in %n years</source>
        <translation>
            <numerusform>Principal paid off in %n year</numerusform>
            <numerusform>Principal paid off in %n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Balance owed after %n years</source>
        <translation>
            <numerusform>Balance owed after %n year</numerusform>
            <numerusform>Balance owed after %n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cost over %n years</source>
        <translation>
            <numerusform>Cost over %n year</numerusform>
            <numerusform>Cost over %n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cost over %n years, your savings earning %1 %</source>
        <translation>
            <numerusform>Cost over %n year, your savings earning %1 %</numerusform>
            <numerusform>Cost over %n years, your savings earning %1 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cheapest over %n years</source>
        <translation>
            <numerusform>Cheapest over %n year</numerusform>
            <numerusform>Cheapest over %n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Worst case: cost over %n years</source>
        <translation>
            <numerusform>Worst case: cost over %n year</numerusform>
            <numerusform>Worst case: cost over %n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n months sooner</source>
        <translation>
            <numerusform>%1, %n month sooner</numerusform>
            <numerusform>%1, %n months sooner</numerusform>
        </translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FHA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no monthly insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with payment %1 (year %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; you may ask to cancel it after payment %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>years %1-%2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differs by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>principal paid off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>agrees to the dollar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: ask the lender why</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: agrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: differs by %2 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cheapest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 %) against %3 (%4 %): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cheaper from month %1 (year %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never within the term</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plumcrest::compare::CompareWindow</name>
    <message>
        <source>Compare Offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Years you expect to keep this loan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years you expect to keep this loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even: from which month the lower rate has cost less (fees plus interest paid so far)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No offers are kept yet. In the calculator, choose File &gt; Keep This Offer... for each offer you want to compare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Char&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use in Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;ndo Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schedule...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comparing Offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cost Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Balance Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offers compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name (the lender):</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>A name must have 1 to %n characters; the offer keeps its name.</source>
        <translation>
            <numerusform>A name must have 1 to %n character; the offer keeps its name.</numerusform>
            <numerusform>A name must have 1 to %n characters; the offer keeps its name.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your savings e&amp;arn:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your savings earn, percent a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What your money would earn a year if it were not paid to the lender: the fair cost counts it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> % a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept offers are in use by another program; the list is read again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plumcrest::compare::ComparisonExport</name>
    <message>
        <source>Break-even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offers compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years you expect to keep this loan: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plumcrest::compare::CostChart</name>
    <message numerus="yes">
        <source>%n year(s)</source>
        <translation>
            <numerusform>%n year</numerusform>
            <numerusform>%n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Horizon: %n year(s)</source>
        <translation>
            <numerusform>Horizon: %n year</numerusform>
            <numerusform>Horizon: %n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Drawn: the first %1 of the %n offers compared, as many as their colours tell apart: %2</source>
        <translation>
            <numerusform>Drawn: the first %1 of the %n offer compared, as many as their colours tell apart: %2</numerusform>
            <numerusform>Drawn: the first %1 of the %n offers compared, as many as their colours tell apart: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Cost of each offer over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance of each offer over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost so far: fees plus interest paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance owed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even of %1 and %2 at month %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cost so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Month %2 (year %3), %4: %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 after %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 cross at month %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost over Ti&amp;me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plumcrest::compare::FigureText</name>
    <message>
        <source>not given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>differs by %1 points: ask the lender why</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be checked: no rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>within %1 points</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plumcrest::offers::KeepOfferDialog</name>
    <message>
        <source>Keep This Offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APR the lender disclosed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name (the lender):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;APR the lender disclosed (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The inputs and results now in the calculator are kept under this name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a name, such as the lender&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The APR must be a percentage such as %1, or left empty.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plumcrest::output::OutputCommands</name>
    <message>
        <source>Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plumcrest::output::PrintDocument</name>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plumcrest::schedule::ScheduleModel</name>
    <message>
        <source>Year %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plumcrest::schedule::ScheduleWindow</name>
    <message numerus="yes">
        <source>Paid off with payment %1 (year %2): %n months sooner, %3 less interest.</source>
        <translation>
            <numerusform>Paid off with payment %1 (year %2): %n month sooner, %3 less interest.</numerusform>
            <numerusform>Paid off with payment %1 (year %2): %n months sooner, %3 less interest.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Loan %1 at %2 % over %n month(s); payment %3</source>
        <translation>
            <numerusform>Loan %1 at %2 % over %n month; payment %3</numerusform>
            <numerusform>Loan %1 at %2 % over %n months; payment %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Schedule %1 %2% %n year(s)</source>
        <translation>
            <numerusform>Schedule %1 %2% %n year</numerusform>
            <numerusform>Schedule %1 %2% %n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Schedule %1 %2% %n month(s)</source>
        <translation>
            <numerusform>Schedule %1 %2% %n month</numerusform>
            <numerusform>Schedule %1 %2% %n months</numerusform>
        </translation>
    </message>
    <message>
        <source>Schedule: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortization schedule of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All &amp;Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Years Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortization schedule: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
