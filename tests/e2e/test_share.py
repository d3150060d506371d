"""End-to-end scenarios of importing and sharing offers, driven by the keyboard as a user would:
a Loan Estimate whose reading stalls, cancelled while the windows go on; a Loan Estimate
imported and the comparison saved as PDF without the mouse; a file of offers saved in one home
and opened in another, and a damaged one refused.

    test_share.py <scenario> <path to plumcrest> <artifacts folder>
"""

import json
import os
import shutil
import sys
import time
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import HarnessError, Skip, run_scenarios, wait_until  # noqa: E402
from test_offers import COMPARE_TITLE, keep_offer  # noqa: E402
from test_output import pdf_pages  # noqa: E402
from test_plumcrest import (DEFAULT_TYPED, MAIN_TITLE, Calculator, saved_path,  # noqa: E402
                            session, write_saved)

PROGRESS_TITLE = "Import Loan Estimate"
REVIEW_TITLE = "Review Loan Estimate"
# The regulator's sample forms, beside the source tree (or beside the folder of worktrees).
_SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
FORMS = next((os.path.normpath(os.path.join(_SOURCE, up, "shared", "forms"))
              for up in ("..", os.path.join("..", ".."))
              if os.path.isdir(os.path.join(_SOURCE, up, "shared", "forms"))),
             os.path.normpath(os.path.join(_SOURCE, "..", "shared", "forms")))
JUNIPER = ["300000", "10", "30", "6.5", "2700", "0", "1621", "0", "0", "0", "0", "550", "0"]


def slow_pdf(path, strokes):
    """A one-page PDF whose page draws `strokes` lines: a few hundred kilobytes that keep a PDF
    reader busy for many seconds."""
    ops = (b"BT /F1 9 Tf 1 0 0 1 20 700 Tm (Loan Estimate) Tj ET\n"
           + b"0.1 w 10 10 m 600 780 l 20 30 l 590 10 l S\n" * strokes)
    stream = zlib.compress(ops, 9)
    objects = [
        b"<< /Type /Catalog /Pages 2 0 R >>",
        b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] "
        b"/Resources << /Font << /F1 5 0 R >> >> /Contents 4 0 R >>",
        b"<< /Length %d /Filter /FlateDecode >>\nstream\n" % len(stream) + stream
        + b"\nendstream",
        b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
    ]
    out = bytearray(b"%PDF-1.4\n")
    offsets = []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n" % number + body + b"\nendobj\n"
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    for offset in offsets:
        out += b"%010d 00000 n \n" % offset
    out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (
        len(objects) + 1, xref)
    with open(path, "wb") as f:
        f.write(out)


def readers_of(pid):
    """The reader processes the program `pid` runs now."""
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                parent = int(f.read().rsplit(")", 1)[1].split()[1])
            with open(f"/proc/{entry}/cmdline", "rb") as f:
                args = f.read().split(b"\0")
        except (OSError, IndexError, ValueError):
            continue
        if parent == pid and b"--read-loan-estimate" in args:
            found.append(int(entry))
    return found


def window_named(s, app, title):
    return any(s.name_of(w) == title for w in s.windows(app))


def open_through_dialog(s, app, caption, path):
    """Waits for the file dialog, types the path and accepts it."""
    dialog = s.wait_window(app, name=caption)
    s.focus(s.window_id(title=caption))
    field = s.wait_widget(dialog, role="text",
                          predicate=lambda n: s.has_state(n, "editable")
                          and s.has_state(n, "showing"))
    s.wait_focused(field)
    s.key("ctrl+a")
    s.type(path)
    s.key("Return")
    wait_until(lambda: not window_named(s, app, caption), s.timeout,
               f"the {caption!r} dialog to close")


def import_stalled_and_cancel(program, artifacts):
    """`plumcrest stalled.pdf`: the calculator answers while the reader works, a progress window
    with Cancel appears after a moment, keys typed meanwhile reach no field, and Escape stops
    the reader at once with no message; the calculator then calculates as before."""
    with session("e2e_import_stalled_and_cancel", artifacts) as s:
        write_saved(s, DEFAULT_TYPED)
        pdf = os.path.join(s.tmp, "stalled.pdf")
        slow_pdf(pdf, 8_000_000)
        started = time.monotonic()
        proc = s.start_program([program, pdf])
        app = s.application(proc)
        # The reading starts as the window opens: its progress comes before anything else is
        # looked at, so the reader's own time limit cannot run out first.
        progress = s.wait_window(app, name=PROGRESS_TITLE)
        s.log(f"progress shown {time.monotonic() - started:.1f} s after the start")
        readers = readers_of(proc.pid)
        if not readers:
            raise HarnessError("no reader process runs while the progress is shown")
        # Keys typed at the calculator while it reads are held back.
        wid = s.window_id(title=MAIN_TITLE, pid=proc.pid)
        s.focus(wid)
        s.type("999")
        s.key("Tab")
        # The program answers the accessibility bus meanwhile: its windows are not frozen.
        s.wait_widget(progress, role="push button", name="Cancel")
        s.screenshot("reading")
        if not readers_of(proc.pid):
            raise HarnessError("the reader ended on its own; the file did not keep it busy")
        s.focus(s.window_id(title=PROGRESS_TITLE))
        cancelled = time.monotonic()
        s.key("Escape")
        wait_until(lambda: not window_named(s, app, PROGRESS_TITLE), s.timeout,
                   "the progress window to close")
        wait_until(lambda: not readers_of(proc.pid), 2.0, "the reader to be stopped")
        s.log(f"reader {readers} stopped {time.monotonic() - cancelled:.2f} s after Escape")
        calc = Calculator.__new__(Calculator)
        calc.s, calc.proc, calc.app, calc.wid = s, proc, app, wid
        calc.main = s.wait_window(app, name=MAIN_TITLE)
        calc.fields = wait_until(calc._find_fields, s.timeout, "all eighteen fields")
        price = calc.fields["Home Purchase Price"]
        if any(s.name_of(w) == "Information" for w in s.windows(calc.app)):
            raise HarnessError("a message was shown after Cancel")
        if s.text_of(price) != "120,000.00":
            raise HarnessError(f"keys typed while reading reached the price: {s.text_of(price)!r}")
        # The calculator goes on: a new rate calculates.
        calc.focus_first_input()
        calc.type_inputs(["120000", "10", "30", "5"])
        calc.expect(["Monthly Payment (P&I)"], ["579.77"], "the payment at 5 %")
        s.screenshot("after-cancel")


def keyboard_import_to_pdf(program, artifacts):
    """From the calculator to a PDF of the comparison without the mouse: Alt+F, L imports the
    regulator's sample Loan Estimate, Return keeps it from the review, Ctrl+Shift+O opens
    Compare and Ctrl+Shift+S saves it as PDF."""
    form = os.path.join(FORMS, "cfpb-h24b-fixed.pdf")
    if not os.path.exists(form):
        raise Skip(f"the regulator's sample forms are not in {os.path.normpath(FORMS)}")
    with session("e2e_keyboard_import_to_pdf", artifacts) as s:
        write_saved(s, DEFAULT_TYPED)
        calc = Calculator(s, program)
        s.focus(calc.wid)
        s.wait_focused(calc.fields["Home Purchase Price"])
        s.key("alt+f")
        s.key("l")
        open_through_dialog(s, calc.app, "Import Loan Estimate", form)
        review = s.wait_window(calc.app, name=REVIEW_TITLE, timeout=30)
        s.focus(s.window_id(title=REVIEW_TITLE))
        s.screenshot("review")
        s.key("Return")
        wait_until(lambda: not window_named(s, calc.app, REVIEW_TITLE), s.timeout,
                   "the review to close on Return")
        del review
        s.focus(calc.wid)
        s.key("ctrl+shift+o")
        s.wait_window(calc.app, name=COMPARE_TITLE)
        s.focus(s.window_id(title=COMPARE_TITLE))
        pdf_path = os.path.join(s.home, "offers.pdf")
        s.key("ctrl+shift+s")
        open_through_dialog(s, calc.app, "Save as PDF", pdf_path)
        wait_until(lambda: os.path.exists(pdf_path) and os.path.getsize(pdf_path) > 0,
                   s.timeout, "the PDF to be written")
        text = "\n".join(line for page in pdf_pages(pdf_path) for line in page)
        if "Ficus Bank" not in text:
            raise HarnessError(f"the imported lender is not in the PDF:\n{text}")


def offers_between_two_homes(program, artifacts):
    """Home A keeps an offer and saves it with Ctrl+S; home B, another HOME and configuration
    folder, opens the file with Ctrl+O and compares it, opens it again without doubling it, and
    a damaged copy is refused with a message and changes nothing."""
    with session("e2e_offers_between_two_homes", artifacts) as s:
        shared = os.path.join(s.tmp, "shared")
        os.makedirs(shared)
        path = os.path.join(shared, "juniper.plumcrest-offers")
        write_saved(s, DEFAULT_TYPED)
        calc = Calculator(s, program)
        keep_offer(s, calc, JUNIPER, "Juniper")
        s.focus(calc.wid)
        s.key("ctrl+s")
        choice = s.wait_window(calc.app, name="Save Offers")
        s.focus(s.window_id(title="Save Offers"))
        s.wait_widget(choice, name="Offers to save")
        s.key("Return")
        open_through_dialog(s, calc.app, "Save Offers As", path)
        wait_until(lambda: os.path.exists(path), s.timeout, "the file of offers")
        with open(path) as f:
            saved = json.load(f)
        names = [offer["name"] for offer in saved["offers"]]
        if names != ["Juniper"]:
            raise HarnessError(f"the file holds {names}")
        s.focus(calc.wid)
        s.key("alt+f")
        s.key("x")
        s.wait_exit(calc.proc)

        home_b = os.path.join(s.tmp, "home-b")
        config_b = os.path.join(home_b, ".config")
        folder_b = os.path.join(config_b, "Quillmore Financial Software", "Plumcrest")
        os.makedirs(folder_b)
        # Not a first run there either: the same last values, no welcome page.
        shutil.copy(saved_path(s), folder_b)
        env_b = {"HOME": home_b, "XDG_CONFIG_HOME": config_b}
        proc = s.start_program([program], extra_env=env_b, log_name="program-b.log")
        app = s.application(proc)
        main = s.wait_window(app, name_contains="Plumcrest",
                             predicate=lambda w: bool(s.find_all(w, name="Home Purchase Price")))
        wid = s.window_id(title=s.name_of(main), pid=proc.pid)
        for attempt in range(2):
            s.focus(wid)
            s.key("ctrl+o")
            open_through_dialog(s, app, "Open Offers", path)
            message = s.wait_window(app, name="Information")
            said = " ".join(s.text_of(n) or s.name_of(n) for n in s.walk(message))
            expected = "Offers added from juniper.plumcrest-offers: 1." if attempt == 0 else \
                "kept here already, left as they are: 1."
            if expected not in said:
                raise HarnessError(f"the message says {said!r}")
            s.focus(s.window_id(title="Information"))
            s.key("Return")
            wait_until(lambda: not window_named(s, app, "Information"), s.timeout,
                       "the message to close")
        compare = s.wait_window(app, name=COMPARE_TITLE)
        wait_until(lambda: s.find_all(compare, name="Juniper"), s.timeout,
                   "Juniper in home B's Compare window")
        s.screenshot("home-b-compare")

        damaged = os.path.join(shared, "damaged.plumcrest-offers")
        with open(path, "rb") as f:
            data = f.read()
        with open(damaged, "wb") as f:
            f.write(data[: len(data) // 2])
        s.focus(s.window_id(title=COMPARE_TITLE))
        s.key("ctrl+o")
        open_through_dialog(s, app, "Open Offers", damaged)
        message = s.wait_window(app, name="Information")
        said = " ".join(s.text_of(n) or s.name_of(n) for n in s.walk(message))
        if "nothing was changed" not in said:
            raise HarnessError(f"the damaged file's message says {said!r}")
        s.screenshot("damaged-refused")
        s.focus(s.window_id(title="Information"))
        s.key("Return")
        offers_b = os.path.join(config_b, "Quillmore Financial Software", "Plumcrest",
                                "offers.sqlite")
        if not os.path.exists(offers_b):
            raise HarnessError("home B keeps no offers file")


if __name__ == "__main__":
    sys.exit(run_scenarios({
        "import_stalled_and_cancel": import_stalled_and_cancel,
        "keyboard_import_to_pdf": keyboard_import_to_pdf,
        "offers_between_two_homes": offers_between_two_homes,
    }))
