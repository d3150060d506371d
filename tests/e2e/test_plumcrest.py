"""End-to-end scenarios of the calculator: the built program under its own X server and
buses, read through AT-SPI and typed into with xdotool. Each scenario is one ctest test:

    test_plumcrest.py <scenario> <path to plumcrest> <artifacts folder>
"""

import configparser
import os
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import subprocess  # noqa: E402

from harness import HarnessError, Session, Skip, run_scenarios, wait_until  # noqa: E402

# The thirteen inputs in tab order, with what a user types and what the field then shows.
INPUTS = [
    "Home Purchase Price", "Down Payment Percent", "Term in Years", "Interest Rate",
    "Origination Fees", "Discount Points", "Prepaid Mortgage Interest",
    "Mortgage Insurance Premiums", "Buydown funds", "Flood check fee", "Tax Servicing Fee",
    "Appraisal", "Other Loan & Closing Fees",
]
INI_KEYS = ["PurchasePrice", "DownPaymentPercent", "Term", "Interest", "OriginationFees", "Points",
            "PrepaidInterest", "MIP", "Buydown", "FloodCheck", "TaxService", "Other1", "Other2"]
RESULTS = ["Down Payment", "Loan Amount", "Monthly Payment (P&I)", "TOTAL of Fixed Fees",
           "Annual Percentage Rate"]

DEFAULT_TYPED = ["120000", "10", "30", "6.75", "1200", "1200", "500", "500", "0", "50", "50", "0", "0"]
DEFAULT_SHOWN = ["120,000.00", "10.0000", "30", "6.7500", "1,200.00", "1,200.00", "500.00",
                 "500.00", "0.00", "50.00", "50.00", "0.00", "0.00"]
DEFAULT_RESULTS = ["12,000.00", "108,000.00", "700.49", "3,500.00", "7.0746"]
UNCALCULATED_RESULTS = ["0.00", "0.00", "0.00", "0.00", "0.0000"]

SECOND_TYPED = ["250000", "20", "15", "5.5", "2000", "0", "300", "0", "0", "25", "75", "100", "0"]
SECOND_SHOWN = ["250,000.00", "20.0000", "15", "5.5000", "2,000.00", "0.00", "300.00", "0.00",
                "0.00", "25.00", "75.00", "100.00", "0.00"]
SECOND_RESULTS = ["50,000.00", "200,000.00", "1,634.17", "2,500.00", "5.6942"]

SAVED_FOLDER = os.path.join("Quillmore Financial Software", "Plumcrest")
MAIN_TITLE = "Plumcrest, 4.0"
MATH_ERROR_START = "Results of this calculation cannot be determined"
# A failed save reaches the application's failure handler, which reports it with the general
# failure message.
GENERAL_ERROR_START = "An problem has occurred."
# After a refused close, a further close that cannot save asks this.
CLOSE_QUESTION = "Confirm"


# ----- helpers ---------------------------------------------------------------------------

def saved_path(s):
    return os.path.join(s.config_home, SAVED_FOLDER, "Plumcrest.ini")


def write_saved(s, typed_values, run="1"):
    os.makedirs(os.path.dirname(saved_path(s)), exist_ok=True)
    lines = ["[LastValues]"] + [f"{k}={v}" for k, v in zip(INI_KEYS, typed_values)]
    lines += ["[GeneralValues]", f"Run={run}", ""]
    with open(saved_path(s), "w") as f:
        f.write("\n".join(lines))


def read_saved(s):
    parser = configparser.ConfigParser(strict=False, interpolation=None)
    parser.optionxform = str
    with open(saved_path(s)) as f:
        parser.read_file(f)
    return parser


def check_saved(s, typed_values):
    ini = read_saved(s)
    if ini.get("GeneralValues", "Run", fallback=None) != "1":
        raise HarnessError(f"Run is {ini.get('GeneralValues', 'Run', fallback=None)!r}, not '1'")
    for key, expected in zip(INI_KEYS, typed_values):
        got = ini.get("LastValues", key, fallback=None)
        if got != expected:
            raise HarnessError(f"saved {key} is {got!r}, expected {expected!r}")


class Calculator:
    """The running program: its application, main window and fields."""

    inputs, results = INPUTS, RESULTS

    def __init__(self, s, program, argv=None, inputs=INPUTS, results=RESULTS, extra_env=None):
        """inputs and results: the fields' names as a screen reader hears them, in page order
        (another language's, with its environment in extra_env)."""
        self.s = s
        self.inputs, self.results = inputs, results
        self.proc = s.start_program(argv or [program], extra_env=extra_env)
        self.app = s.application(self.proc)
        self.main = s.wait_window(
            self.app, name_contains="Plumcrest",
            predicate=lambda w: "Help" not in s.name_of(w)
            and bool(s.find_all(w, name=inputs[0])))
        self.fields = wait_until(self._find_fields, s.timeout, "all eighteen fields")
        self.wid = s.window_id(title=s.name_of(self.main), pid=self.proc.pid)

    def _find_fields(self):
        # One walk for all fields: every AT-SPI read is a D-Bus round trip.
        # A field carries its caption without the colon; its label keeps the colon.
        wanted = set(self.inputs + self.results)
        found = {}
        for node in self.s.walk(self.main):
            name = self.s.name_of(node)
            if name in wanted and name not in found and self.s.role_of(node) != "label":
                found[name] = node
        return found if len(found) == len(wanted) else None

    def shown(self, names):
        return [self.s.text_of(self.fields[n]) for n in names]

    def expect(self, names, expected, what):
        last = []

        def check():
            last[:] = self.shown(names)
            return last == list(expected)
        try:
            wait_until(check, self.s.timeout, what)
        except HarnessError:
            diff = [f"{n}: shows {g!r}, expected {e!r}"
                    for n, g, e in zip(names, last, expected) if g != e]
            raise HarnessError(f"{what}: " + "; ".join(diff))

    def focus_first_input(self):
        """Keyboard focus on the purchase price with its text selected, as Tab leaves it."""
        s = self.s
        s.focus(self.wid)
        first = self.fields[self.inputs[0]]
        if not s.has_state(first, "focused"):
            s.click_widget(first)
        s.wait_focused(first)
        # Leaving and re-entering by keyboard selects the whole text, so typing replaces it.
        s.key("shift+Tab")
        s.wait_focused(self.fields[self.inputs[-1]])
        s.key("Tab")
        s.wait_focused(first)

    def type_inputs(self, typed, start=0):
        s = self.s
        for offset, value in enumerate(typed):
            field = self.fields[self.inputs[start + offset]]
            s.wait_focused(field)
            s.type(value)
            s.key("Tab")

    def tab_to(self, index):
        for _ in range(index):
            self.s.key("Tab")
        self.s.wait_focused(self.fields[self.inputs[index]])

    def request_close(self):
        """File > Exit, by keyboard: without a window manager there is no title bar to use."""
        s = self.s
        s.focus(self.wid)
        s.key("alt+f")
        s.wait_widget(self.app, name="Exit", role="menu item",
                      predicate=lambda n: s.has_state(n, "showing"))
        s.key("x")

    def message_box(self, text_start):
        s = self.s
        box = s.wait_window(self.app, name="Information")
        wait_until(lambda: any(s.name_of(n).startswith(text_start)
                               or (s._text_interface_content(n) or "").startswith(text_start)
                               for n in s.walk(box)),
                   s.timeout, f"a message beginning {text_start!r}")
        return box

    def message_box_text(self, box):
        s = self.s
        return [s.name_of(n) for n in s.walk(box) if s.role_of(n) == "label"]

    def dismiss(self, box):
        s = self.s
        s.press(s.wait_widget(box, name="OK", role="push button"))
        wait_until(lambda: all(s.name_of(w) != "Information" for w in s.windows(self.app)),
                   s.timeout, "the message box to close")

    def help_windows(self):
        s = self.s
        return [w for w in s.windows(self.app) if "Help" in s.name_of(w)]


def session(name, artifacts):
    return Session(name, artifacts, timeout=15.0)


# ----- scenarios -------------------------------------------------------------------------

def first_run(program, artifacts):
    """A fresh home, no saved file: defaults shown, nothing calculated yet, the welcome help
    opens; the close creates the saved-values folder and writes the defaults and Run=1."""
    with session("e2e_first_run", artifacts) as s:
        calc = Calculator(s, program)
        help_window = s.wait_window(calc.app, name_contains="Help",
                                    predicate=lambda w: s.contains_text(w, "Welcome to Plumcrest"))
        calc.expect(INPUTS, DEFAULT_SHOWN, "the default inputs")
        calc.expect(RESULTS, UNCALCULATED_RESULTS, "results before any calculation")
        s.screenshot("started")
        if not s.has_state(help_window, "showing"):
            raise HarnessError("the help window vanished")
        calc.request_close()
        if s.wait_exit(calc.proc) != 0:
            raise HarnessError(f"plumcrest exited with {calc.proc.returncode}")
        check_saved(s, DEFAULT_TYPED)


def default_example(program, artifacts):
    """Typing the default inputs over other saved values gives the default results."""
    with session("e2e_default_example", artifacts) as s:
        write_saved(s, SECOND_TYPED)
        calc = Calculator(s, program)
        calc.expect(INPUTS, SECOND_SHOWN, "the saved inputs")
        calc.focus_first_input()
        calc.type_inputs(DEFAULT_TYPED)
        calc.expect(INPUTS, DEFAULT_SHOWN, "the typed inputs")
        calc.expect(RESULTS, DEFAULT_RESULTS, "the default results")
        s.screenshot("results")


def second_example(program, artifacts):
    with session("e2e_second_example", artifacts) as s:
        write_saved(s, DEFAULT_TYPED)
        calc = Calculator(s, program)
        calc.focus_first_input()
        calc.type_inputs(SECOND_TYPED)
        calc.expect(INPUTS, SECOND_SHOWN, "the typed inputs")
        calc.expect(RESULTS, SECOND_RESULTS, "the second example's results")
        s.screenshot("results")


def math_error(program, artifacts):
    """Fees above the loan: the math-error report, then every input back at its default."""
    with session("e2e_math_error", artifacts) as s:
        write_saved(s, SECOND_TYPED)
        calc = Calculator(s, program)
        calc.expect(INPUTS, SECOND_SHOWN, "the saved inputs")
        calc.focus_first_input()
        calc.tab_to(INPUTS.index("Origination Fees"))
        s.type("99999999")
        s.key("Tab")
        box = calc.message_box(MATH_ERROR_START)
        s.screenshot("message")
        calc.dismiss(box)
        calc.expect(INPUTS, DEFAULT_SHOWN, "the inputs after the reset")
        calc.expect(RESULTS, DEFAULT_RESULTS, "the results after the reset")
        s.screenshot("reset")


def save_and_restart(program, artifacts):
    """The last calculated inputs survive a restart, and the second start opens no help."""
    with session("e2e_save_and_restart", artifacts) as s:
        os.makedirs(os.path.join(s.config_home, SAVED_FOLDER))
        calc = Calculator(s, program)
        s.wait_window(calc.app, name_contains="Help")
        calc.focus_first_input()
        calc.type_inputs(SECOND_TYPED)
        calc.expect(RESULTS, SECOND_RESULTS, "the second example's results")
        calc.request_close()
        if s.wait_exit(calc.proc) != 0:
            raise HarnessError(f"first run exited with {calc.proc.returncode}")
        check_saved(s, SECOND_TYPED)

        again = Calculator(s, program)
        again.expect(INPUTS, SECOND_SHOWN, "the inputs saved by the first run")
        again.expect(RESULTS, UNCALCULATED_RESULTS, "results before any calculation")
        s.screenshot("second-start")
        if again.help_windows():
            raise HarnessError("the second start opened the help")
        again.request_close()
        if s.wait_exit(again.proc) != 0:
            raise HarnessError(f"second run exited with {again.proc.returncode}")
        check_saved(s, SECOND_TYPED)


def answer_close_question(calc, answer):
    """The question a close meets after a refused save: it names the file; press `answer`."""
    s = calc.s
    box = s.wait_window(calc.app, name=CLOSE_QUESTION)
    path = saved_path(s)
    wait_until(lambda: any(path in (s.name_of(n) or "") for n in s.walk(box)),
               s.timeout, f"the question naming {path}")
    s.screenshot(f"question-{answer}")
    s.press(s.wait_widget(box, name=answer, role="push button"))
    wait_until(lambda: calc.proc.poll() is not None
               or all(s.name_of(w) != CLOSE_QUESTION for w in s.windows(calc.app)),
               s.timeout, "the question to close")


def refuse_closing_twice(calc, shown, disk_unchanged):
    """Two close attempts that fail to save: the first reports the failure, the second asks
    whether to close without saving and is answered No. The program stays with the inputs it
    showed, and what is on disk does not change."""
    s = calc.s
    for attempt in (1, 2):
        calc.request_close()
        if attempt == 1:
            box = s.wait_window(calc.app, name="Information")
            texts = calc.message_box_text(box)
            if not any(t.startswith(GENERAL_ERROR_START) for t in texts):
                raise HarnessError(f"close attempt {attempt} reports {texts!r}")
            s.screenshot(f"refused-{attempt}")
            calc.dismiss(box)
        else:
            answer_close_question(calc, "No")
        if calc.proc.poll() is not None:
            raise HarnessError(f"the program ended after close attempt {attempt}")
        calc.expect(INPUTS, shown, "the inputs after the refused close")
        disk_unchanged()


def unwritable_folder(program, artifacts):
    """A file where the saved-values folder belongs: closing is refused with a report, the
    window stays with its values, and nothing on disk changes."""
    with session("e2e_unwritable_folder", artifacts) as s:
        blocker = os.path.join(s.config_home, SAVED_FOLDER)
        os.makedirs(os.path.dirname(blocker))
        with open(blocker, "w") as f:
            f.write("not a folder\n")
        calc = Calculator(s, program)
        calc.focus_first_input()
        calc.type_inputs(SECOND_TYPED)
        calc.expect(RESULTS, SECOND_RESULTS, "the second example's results")

        def blocker_unchanged():
            with open(blocker) as f:
                if f.read() != "not a folder\n":
                    raise HarnessError("the blocking file was changed")
        refuse_closing_twice(calc, SECOND_SHOWN, blocker_unchanged)

        # Once the folder can be written, the same close saves what was calculated.
        os.remove(blocker)
        os.makedirs(blocker)
        calc.request_close()
        if s.wait_exit(calc.proc) != 0:
            raise HarnessError(f"plumcrest exited with {calc.proc.returncode}")
        check_saved(s, SECOND_TYPED)


def read_only_launch(folder, program):
    """How to start the program so that it finds `folder` read-only. Folder permissions bind
    every user but root; for root the folder is mounted read-only in a mount namespace of the
    program's own."""
    if os.geteuid() != 0:
        os.chmod(folder, 0o555)
        return [program]
    probe = subprocess.run(["unshare", "-m", "sh", "-c", f'mount --bind -o ro "{folder}" "{folder}"'],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if probe.returncode != 0:
        raise Skip("running as root without mount namespaces: no way to make a folder read-only")
    return ["unshare", "-m", "sh", "-c", 'mount --bind -o ro "$1" "$1" && shift && exec "$@"',
            "sh", folder, os.path.abspath(program)]


def read_only_folder(program, artifacts):
    """A read-only saved-values folder: closing is refused with the report every time, the
    window keeps what was typed, and the previous file stays as it was."""
    with session("e2e_read_only_folder", artifacts) as s:
        write_saved(s, SECOND_TYPED)
        with open(saved_path(s), "rb") as f:
            before = f.read()
        folder = os.path.dirname(saved_path(s))
        calc = Calculator(s, program, read_only_launch(folder, program))
        calc.expect(INPUTS, SECOND_SHOWN, "the saved inputs")
        calc.focus_first_input()
        calc.type_inputs(DEFAULT_TYPED)
        calc.expect(RESULTS, DEFAULT_RESULTS, "the default results")
        def file_unchanged():
            with open(saved_path(s), "rb") as f:
                if f.read() != before:
                    raise HarnessError("the saved file changed although its folder is read-only")
        refuse_closing_twice(calc, DEFAULT_SHOWN, file_unchanged)
        if sorted(os.listdir(folder)) != ["Plumcrest.ini"]:
            raise HarnessError(f"the folder holds {sorted(os.listdir(folder))!r}")
        # The way out: a third close, answered Yes, ends the program without saving.
        calc.request_close()
        answer_close_question(calc, "Yes")
        if s.wait_exit(calc.proc) != 0:
            raise HarnessError(f"plumcrest exited with {calc.proc.returncode}")
        file_unchanged()
        os.chmod(folder, 0o755)


def unusable_help_file(program, artifacts):
    """The program copied into a folder of its own, with a damaged help file and then a FIFO in
    place of plumcrestcalc.chm: each first start shows the window and the help viewer's own page,
    never crashes or freezes, and the calculator works."""
    with session("e2e_unusable_help_file", artifacts) as s:
        folder = os.path.join(s.tmp, "program")
        os.makedirs(folder)
        copy = os.path.join(folder, "plumcrest")
        shutil.copy2(program, copy)
        help_path = os.path.join(folder, "plumcrestcalc.chm")
        with open(os.path.join(os.path.dirname(os.path.abspath(program)), "plumcrestcalc.chm"),
                  "rb") as f:
            damaged = bytearray(f.read())
        damaged[len(damaged) // 2] ^= 0x01
        with open(help_path, "wb") as f:
            f.write(damaged)

        for kind in ("damaged", "fifo"):
            if kind == "fifo":
                os.remove(help_path)
                os.mkfifo(help_path)
                os.remove(saved_path(s))  # a first run again, which opens the help
            calc = Calculator(s, copy)
            s.wait_window(calc.app, name_contains="Help",
                          predicate=lambda w: s.contains_text(w, "Help file not available"))
            s.screenshot(f"help-{kind}")
            calc.focus_first_input()
            calc.type_inputs(SECOND_TYPED)
            calc.expect(RESULTS, SECOND_RESULTS, f"results beside the {kind} help file")
            calc.request_close()
            if s.wait_exit(calc.proc) != 0:
                raise HarnessError(f"plumcrest exited with {calc.proc.returncode}")
            check_saved(s, SECOND_TYPED)


if __name__ == "__main__":
    sys.exit(run_scenarios({
        "first_run": first_run,
        "default_example": default_example,
        "second_example": second_example,
        "math_error": math_error,
        "save_and_restart": save_and_restart,
        "unwritable_folder": unwritable_folder,
        "read_only_folder": read_only_folder,
        "unusable_help_file": unusable_help_file,
    }))
