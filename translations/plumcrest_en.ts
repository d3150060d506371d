<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>No mortgage insurance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage insurance %1 a month, paid with every payment (1 to %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage insurance %1 a month, paid with payments 1 to %2; the balance reaches 80 % of the home&apos;s value after payment %3, when you may ask to cancel it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage insurance %1 a month, paid with payments 1 to %2, then it ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
        <source>Mortgage insurance ends</source>
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
        <source>Lender credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 5 years: principal paid off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APR the lender disclosed (%)</source>
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
    <message>
        <source>Principal and interest a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage insurance a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escrow a month (tax, insurance)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total a month, first years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total a month by years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOA dues a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other costs (I = E to H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash to close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 5 years: total paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 5 years: lender&apos;s figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIP (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIP the lender disclosed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator&apos;s APR, all fees (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lender&apos;s APR (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disclosed APR check</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Total paid in %n years</source>
        <translation>
            <numerusform>Total paid in %n year</numerusform>
            <numerusform>Total paid in %n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cost over %n years, savings at %1 %</source>
        <translation>
            <numerusform>Cost over %n year, savings at %1 %</numerusform>
            <numerusform>Cost over %n years, savings at %1 %</numerusform>
        </translation>
    </message>
    <message>
        <source>Property tax and homeowner&apos;s insurance, a twelfth of a year&apos;s each</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal and interest, mortgage insurance and escrow, as the Loan Estimate&apos;s Projected Payments show them; HOA dues come on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All closing costs: loan costs (A to C) and other costs (E to H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down payment plus all closing costs, less lender credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal, interest and mortgage insurance paid in the first 60 payments, plus the loan costs (A to C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Loan Estimate&apos;s own In 5 Years figures, in whole dollars, against these</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest Percentage: all the interest over the term plus prepaid interest, as a percentage of the loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculator&apos;s own APR: every fee typed counts as a finance charge, no monthly insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The APR as a lender must figure it: only finance charges, with monthly mortgage insurance until it ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A disclosed APR is accurate within 1/8 of a point, within 1/4 when the payment changes over the term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal, interest and mortgage insurance paid in the years you keep the loan, plus the loan costs (A to C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan costs (A to C) and prepaid interest, less lender credits, plus the interest and mortgage insurance paid in the years you keep the loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same cost with what your money would earn counted: each payment and the balance left are discounted at your savings rate. This marks the cheapest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With extra payments: paid off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With extra payments: interest saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worst case: highest payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worst case: cost over the whole term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>payment %1 (year %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from month %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the extra payments set in What If &gt; Extra Payments for All Offers, against the offer&apos;s own schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The highest principal and interest a month and the month it first applies; an adjustable rate as the index stands today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An adjustable rate with each change as high as its caps allow; a fixed rate as it is</source>
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
    <message>
        <source>Break-even: from which month the lower rate has cost less (loan costs plus interest and mortgage insurance paid so far)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import &amp;Loan Estimate...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even against</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;gainst:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offers to compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the offers to set side by side; the newest six at first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com&amp;pare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cheapest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Extra Payments for All Offers...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No Extra Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;What If</source>
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
        <source>Cost over Ti&amp;me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost so far: loan costs plus interest and mortgage insurance paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First 5 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First 10 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ran&amp;ge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with extra payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even of %1 at month %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 owed after %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with extra payments: %2 after %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cross at month %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at month %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even: %1</source>
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
    <name>plumcrest::offers::OfferDesk</name>
    <message>
        <source>This offer cannot be edited: it is no longer kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Loan Estimate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Estimates (*.pdf);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Loan Estimate %1 cannot be imported. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review Loan Estimate</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Reading it took longer than %n seconds and was stopped. The file may be damaged.</source>
        <translation>
            <numerusform>Reading it took longer than %n second and was stopped. The file may be damaged.</numerusform>
            <numerusform>Reading it took longer than %n seconds and was stopped. The file may be damaged.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>plumcrest::offers::OfferEditor</name>
    <message>
        <source>Edit Offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a name, such as the lender&apos;s.</source>
        <translation type="unfinished"></translation>
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
        <source>Loan type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan &amp;type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Price:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan a&amp;mount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term (&amp;years):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note &amp;rate (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly costs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conventional: at 78 % of the value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FHA: after 11 years, or the whole term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends when the balance reaches 78 % of the value, at the latest mid-term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11 years when the loan is 90 % of the value or less, else the whole term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage insurance ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage insurance &amp;ends:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage insurance a year, % of the &amp;loan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage insurance rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property ta&amp;x a year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property tax a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home&amp;owner&apos;s insurance a year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homeowner&apos;s insurance a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOA &amp;dues a month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOA dues a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the lender disclosed (empty: not given)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;APR (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APR the lender disclosed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;IP (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest Percentage disclosed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In &amp;5 Years, total paid:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 5 Years, total paid, disclosed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 5 Years, principal paid o&amp;ff:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In 5 Years, principal paid off, disclosed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a line to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lender &amp;credits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lender credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D. Total Loan Costs (A + B + C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I. Total Other Costs (E + F + G + H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>J. Total Closing Costs (D + I - lender credits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Closing costs&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be more than the price.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what the charge is for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finance charge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: finance charge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say what this charge is for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: type a name, such as the lender&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Entries to correct: %n. %1</source>
        <translation>
            <numerusform>Entries to correct: %n. %1</numerusform>
            <numerusform>Entries to correct: %n. %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Ad&amp;justable rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the Loan Estimate&apos;s Adjustable Interest Rate (AIR) table gives it; the note rate above is the initial rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial rate lasts (months):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months of the initial rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index today (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes every (months):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months between changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First change at most (points):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First change cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each later change at most (points):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later change cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over the life of the loan at most (points):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lifetime cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum rate (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum rate</source>
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
    <message>
        <source>en_US</source>
        <comment>the locale whose long date format the printed pages use: this translation&apos;s own</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plumcrest::schedule::ExtraPlanDialog</name>
    <message>
        <source>Extra Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every extra payment goes to principal. The regular payment stays the same; the loan ends sooner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra every month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtra every month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-off extra payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra every year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In month of each year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month %1 of each year of the loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra every &amp;year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;In:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay &amp;biweekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half the monthly payment every two weeks makes 26 halves, that is 13 payments, a year. Servicers apply the one payment more to principal once a year; the schedule counts it in month 12 of each year of the loan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-off line %1: the month must be from 1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-off line %1: the amount must be from 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 a month from month %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in month %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in month %2 of each year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>biweekly (one payment more a year, in month 12)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no extra payments</source>
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
    <message>
        <source>Mortgage insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal and interest plus mortgage insurance. Property tax and homeowner&apos;s insurance (escrow) are not part of the schedule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mortgage insurance paid with the payment; 0.00 once it has ended or when the loan has none.</source>
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
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;The Amortization Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;What If</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Extra Payments...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate as the &amp;Index Stands Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Worst Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra payments: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjustable: %1 % for %2 months, then the index %3 % plus the margin %4 %, changing every %5 months by at most %6 points the first time and %7 after, never more than %8 points above the initial rate nor below %9 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown: the worst case, each change as high as the caps allow. Highest payment %1, from month %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown: the index as it stands today. Highest payment %1, from month %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plumcrest::compare::Verdict</name>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n year</numerusform>
            <numerusform>%n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n months</source>
        <translation>
            <numerusform>%n month</numerusform>
            <numerusform>%n months</numerusform>
        </translation>
    </message>
</context>
</TS>
