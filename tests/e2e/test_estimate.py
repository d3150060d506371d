"""End-to-end scenario of an offer's Loan Estimate: keep an offer from the calculator, edit its
sections and monthly costs in the offer editor, read the new figures in Compare over the
accessibility bus and find them in the comparison's PDF.

    test_estimate.py <scenario> <path to plumcrest> <artifacts folder>
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import HarnessError, run_scenarios, wait_until  # noqa: E402
from test_offers import COMPARE_TITLE, CompareWindow, keep_offer  # noqa: E402
from test_output import pdf_pages, save_through_dialog  # noqa: E402
from test_plumcrest import DEFAULT_TYPED, Calculator, session, write_saved  # noqa: E402

# 270,000.00 on a 300,000.00 home at 6.5 % for 30 years: origination 2,700.00 and prepaid
# interest 1,621.00 (finance charges), an appraisal of 550.00 (not one).
JUNIPER = ["300000", "10", "30", "6.5", "2700", "0", "1621", "0", "0", "0", "0", "550", "0"]

# Rows of the comparison table, as the window's model orders them.
INSURANCE_ROW, INSURANCE_ENDS_ROW, TOTAL_MONTHLY_ROW = 10, 11, 13
CLOSING_COSTS_ROW, CASH_TO_CLOSE_ROW, LENDER_APR_ROW, APR_CHECK_ROW = 16, 20, 27, 29
SECTION_C = "C. Services You Can Shop For"
EDITOR_TITLE = "Edit Offer"


def set_field(s, window, name, text):
    field = s.wait_widget(window, name=name)
    s.click_widget(field)
    s.wait_focused(field, what=f"the focus in {name!r}")
    s.key("ctrl+a")
    s.type(text)


def edit_estimate_and_compare(program, artifacts):
    with session("e2e_edit_estimate_and_compare", artifacts) as s:
        write_saved(s, DEFAULT_TYPED)
        calc = Calculator(s, program)
        keep_offer(s, calc, JUNIPER, "Juniper")

        s.focus(calc.wid)
        s.key("ctrl+shift+o")
        cmp = CompareWindow(s, calc)
        s.focus(s.window_id(title=COMPARE_TITLE))
        cmp.expect_row(INSURANCE_ROW, ["0.00"], "no insurance before the edit")
        s.press(s.wait_widget(cmp.window, name="Edit...", role="push button"))

        editor = s.wait_window(calc.app, name=EDITOR_TITLE)
        s.focus(s.window_id(title=EDITOR_TITLE))
        # Conventional mortgage insurance of 0.5 % a year, escrow of 3,600.00 + 1,200.00 a year.
        # A combo box is named by its current item: the loan type reads "Conventional", the
        # insurance "None".
        ends = s.wait_widget(editor, name="None", role="combo box")
        s.click_widget(ends)
        s.key("Down")
        s.key("Return")
        wait_until(lambda: s.name_of(ends).startswith("Conventional"), s.timeout,
                   f"conventional insurance chosen (reads {s.name_of(ends)!r})")
        set_field(s, editor, "Mortgage insurance rate", "0.5")
        set_field(s, editor, "Property tax a year", "3600")
        set_field(s, editor, "Homeowner's insurance a year", "1200")
        set_field(s, editor, "APR the lender disclosed", "7.1")
        # A title fee in section C: not a finance charge by its label.
        s.press(s.wait_widget(editor, name=f"Add a line to {SECTION_C}"))
        set_field(s, editor, f"{SECTION_C}, line 1: label", "Title - Settlement Agent Fee")
        set_field(s, editor, f'{SECTION_C}, line "Title - Settlement Agent Fee": amount', "1200")
        mark = s.wait_widget(editor,
                             name=f'{SECTION_C}, line "Title - Settlement Agent Fee": finance charge')
        if s.has_state(mark, "checked"):
            raise HarnessError("a title fee is marked as a finance charge")
        s.screenshot("editor")
        s.press(s.wait_widget(editor, name="OK", role="push button"))
        wait_until(lambda: all(s.name_of(w) != EDITOR_TITLE for w in s.windows(calc.app)),
                   s.timeout, "the editor to close")

        # Worked by hand: insurance 270,000.00 x 0.5 % / 12 = 112.50, paid with payments 1 to 109
        # (the balance first at or below 78 % of 300,000.00), 80 % after payment 95; a month
        # 1,706.58 + 112.50 + 400.00; closing costs 2,700.00 + 550.00 + 1,621.00 + 1,200.00;
        # cash to close 30,000.00 more. The lender's APR counts 4,321.00 of finance charges and
        # the insurance: 6.9958 %, so 7.1 is within the quarter point a changing payment allows.
        cmp.expect_row(INSURANCE_ROW, ["112.50"], "the monthly insurance")
        cmp.expect_row(INSURANCE_ENDS_ROW,
                       ["with payment 109 (year 10); you may ask to cancel it after payment 95, "
                        "which saves 1,575.00"],  # 14 payments of 112.50
                       "when the insurance ends")
        cmp.expect_row(TOTAL_MONTHLY_ROW, ["2,219.08"], "the whole monthly payment")
        cmp.expect_row(CLOSING_COSTS_ROW, ["6,071.00"], "the closing costs")
        cmp.expect_row(CASH_TO_CLOSE_ROW, ["36,071.00"], "the cash to close")
        cmp.expect_row(LENDER_APR_ROW, ["6.9958"], "the lender's APR")
        cmp.expect_row(APR_CHECK_ROW, ["within 0.250 points"], "the disclosed APR's check")
        s.screenshot("compare-after-edit")

        s.focus(s.window_id(title=COMPARE_TITLE))
        pdf_path = os.path.join(s.home, "juniper.pdf")
        save_through_dialog(s, calc.app, "ctrl+shift+s", "Save as PDF", pdf_path)
        text = "\n".join(line for page in pdf_pages(pdf_path) for line in page)
        for expected in ["Mortgage insurance a month 112.50", "Total a month, first years 2,219.08",
                         "Cash to close 36,071.00", "within 0.250 points", "payment 109"]:
            if expected not in text:
                raise HarnessError(f"{expected!r} is not in the PDF:\n{text}")


if __name__ == "__main__":
    sys.exit(run_scenarios({"edit_estimate_and_compare": edit_estimate_and_compare}))
