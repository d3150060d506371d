"""End-to-end scenario of the schedule and the comparison leaving the program: keep two offers,
open the Compare window and its chart, open an offer's schedule and read it over the
accessibility bus, then save the schedule as CSV and PDF and the comparison as CSV, each through
the file dialog as a user would, and check the files.

    test_output.py <scenario> <path to plumcrest> <artifacts folder>
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import HarnessError, run_scenarios, wait_until  # noqa: E402
from test_offers import COMPARE_TITLE, NAME_ROW, CompareWindow, keep_offer  # noqa: E402
from test_plumcrest import DEFAULT_TYPED, Calculator, session, write_saved  # noqa: E402

# The default example (108,000.00 at 6.75 % for 30 years, payment 700.49) and a 15-year loan.
SHORT = ["250000", "20", "15", "5.5", "2000", "0", "300", "0", "0", "25", "75", "100", "0"]
LAKESIDE = "Lakeside, Savings"  # the comma must come out quoted in the CSV
SCHEDULE_TITLE = "Schedule: " + LAKESIDE


def save_through_dialog(s, app, shortcut, caption, path):
    """Presses the shortcut, waits for the file dialog, types the path and accepts it."""
    s.key(shortcut)
    dialog = s.wait_window(app, name=caption)
    s.focus(s.window_id(title=caption))
    field = s.wait_widget(dialog, role="text",
                          predicate=lambda n: s.has_state(n, "editable")
                          and s.has_state(n, "showing"))
    s.wait_focused(field)
    s.key("ctrl+a")
    s.type(path)
    s.key("Return")
    wait_until(lambda: all(s.name_of(w) != caption for w in s.windows(app)), s.timeout,
               f"the {caption!r} dialog to close")
    wait_until(lambda: os.path.exists(path) and os.path.getsize(path) > 0, s.timeout,
               f"{path} to be written")
    with open(path, "rb") as f:
        return f.read()


def pdf_pages(path):
    text = subprocess.run(["pdftotext", "-layout", path, "-"], check=True,
                          capture_output=True).stdout.decode()
    pages = text.split("\f")[:-1]
    return [[" ".join(line.split()) for line in page.splitlines()] for page in pages]


def save_schedule_and_comparison(program, artifacts):
    with session("e2e_save_schedule_and_comparison", artifacts) as s:
        write_saved(s, DEFAULT_TYPED)
        calc = Calculator(s, program)
        keep_offer(s, calc, DEFAULT_TYPED, LAKESIDE)
        keep_offer(s, calc, SHORT, "Harbor Bank")

        s.focus(calc.wid)
        s.key("ctrl+shift+o")
        cmp = CompareWindow(s, calc)
        s.focus(s.window_id(title=COMPARE_TITLE))
        cmp.expect_row(NAME_ROW, ["Harbor Bank", LAKESIDE], "the offers, newest first")
        s.key("ctrl+2")
        s.wait_widget(cmp.window, name="Cost of each offer over time",
                      predicate=lambda n: s.has_state(n, "showing"))
        s.screenshot("compare-chart")
        s.key("ctrl+1")

        # The older offer's schedule, read as a screen reader reads it.
        s.click_widget(cmp.table.queryTable().getAccessibleAt(NAME_ROW, 1))
        s.key("ctrl+h")
        window = s.wait_window(calc.app, name=SCHEDULE_TITLE)
        tree = s.wait_widget(window, name="Amortization schedule of " + LAKESIDE)
        table = tree.queryTable()

        def row(r):
            return [s.name_of(table.getAccessibleAt(r, c)) for c in range(table.nColumns)]
        wait_until(lambda: row(1) == ["1", "1", "700.49", "607.50", "92.99", "107,907.01",
                                   "0.00", "700.49"],
                   s.timeout, f"month 1 over the accessibility bus (reads {row(1)!r})")
        if row(0)[:3] != ["Year 1", "", "8,405.88"]:
            raise HarnessError(f"the first year's row reads {row(0)!r}")
        s.focus(s.window_id(title=SCHEDULE_TITLE))
        s.screenshot("schedule")

        csv_path = os.path.join(s.home, "lakeside schedule.csv")
        data = save_through_dialog(s, calc.app, "ctrl+e", "Export as CSV", csv_path)
        lines = data.split(b"\r\n")
        if lines[0] != (b"Month,Year,Payment,Interest,Principal,Balance,"
                        b"Mortgage insurance,Total payment"):
            raise HarnessError(f"the CSV header is {lines[0]!r}")
        if lines[1] != b"1,1,700.49,607.50,92.99,107907.01,0.00,700.49":
            raise HarnessError(f"the CSV's first month is {lines[1]!r}")
        if len(lines) != 362 or lines[-1] != b"" or not lines[360].startswith(b"360,30,"):
            raise HarnessError(f"the CSV has {len(lines)} pieces, ending {lines[-3:]!r}")
        if (lines[360].split(b",")[5:7] != [b"0.00", b"0.00"]
                or b"\n" in data.replace(b"\r\n", b"")):
            raise HarnessError(f"the last month is {lines[360]!r}, or a line ends without CR")

        s.focus(s.window_id(title=SCHEDULE_TITLE))
        pdf_path = os.path.join(s.home, "lakeside schedule.pdf")
        save_through_dialog(s, calc.app, "ctrl+shift+s", "Save as PDF", pdf_path)
        pages = pdf_pages(pdf_path)
        first = pages[0]
        for needle in ["Plumcrest 4.0", "Amortization schedule: " + LAKESIDE,
                       "Month Year Payment Interest Principal Balance Mortgage insurance Total payment",
                       "1 1 700.49 607.50 92.99 107,907.01", f"Page 1 of {len(pages)}"]:
            if not any(needle in line for line in first):
                raise HarnessError(f"{needle!r} is not on the PDF's first page: {first!r}")
        if len(pages) < 2 or not any("Month Year Payment" in line for line in pages[1]):
            raise HarnessError(f"the PDF has {len(pages)} pages, the header not repeated")
        if not any(line.startswith("Total 252,171.74 144,171.74 108,000.00")
                   for line in pages[-1]):
            raise HarnessError(f"the PDF's last page lacks the totals: {pages[-1]!r}")
        subprocess.run(["pdftoppm", "-r", "60", "-f", "1", "-l", "1", "-png", pdf_path,
                        os.path.join(artifacts, "e2e_save_schedule_and_comparison-pdf")],
                       check=True)

        # The comparison itself, from the Compare window.
        s.focus(s.window_id(title=COMPARE_TITLE))
        compare_path = os.path.join(s.home, "offers.csv")
        data = save_through_dialog(s, calc.app, "ctrl+e", "Export as CSV", compare_path)
        records = data.split(b"\r\n")
        if not records[0].startswith(b"Name,Loan type,Price,Down payment,Loan,Term (years)"):
            raise HarnessError(f"the comparison's header is {records[0]!r}")
        if not records[1].startswith(b"Harbor Bank,Conventional,250000.00,50000.00,200000.00,15,5.5000,"):
            raise HarnessError(f"the first offer's record is {records[1]!r}")
        if not records[2].startswith(b'"Lakeside, Savings",Conventional,120000.00,12000.00,108000.00,30,'):
            raise HarnessError(f"the second offer's record is {records[2]!r}")
        # The two records, a blank line, then the verdict's sentences.
        if len(records) < 5 or records[3] != b"" or not any(
                b"Over 7 years" in record for record in records[4:]):
            raise HarnessError(f"the comparison CSV has {len(records)} pieces: {records[3:]!r}")


if __name__ == "__main__":
    sys.exit(run_scenarios({"save_schedule_and_comparison": save_schedule_and_comparison}))
