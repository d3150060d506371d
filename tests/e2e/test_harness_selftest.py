"""Proves the harness against the stand-in window: every piece the calculator tests rely on
(finding windows and widgets, typing, Tab, reading text, an information box, the File menu,
a second "Help" window, the file written on close) is exercised here once."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import HarnessError, Session, run_scenarios, wait_until  # noqa: E402


def selftest(program, artifacts):
    with Session("harness_selftest", artifacts) as s:
        proc = s.start_program([program], extra_env={"STANDIN_SHOW_HELP": "1"})
        app = s.application(proc)

        help_window = s.wait_window(app, name_contains="Help")
        wait_until(lambda: s.contains_text(help_window, "Welcome"), s.timeout,
                   "the help window to show its welcome text")

        main = s.wait_window(app, name="Harness Stand-in")
        first = s.wait_widget(main, name="First Field")
        second = s.wait_widget(main, name="Second Field")
        echo = s.wait_widget(main, name="Echo: ", role="label")

        s.focus(s.window_id(title="Harness Stand-in"))
        s.click_widget(first)
        s.wait_focused(first)
        s.type("1234.5")
        s.key("Tab")
        s.wait_focused(second)
        s.wait_text(first, "1234.5", what="first field")
        s.wait_widget(main, name="Echo: 1234.5", role="label")
        if s.text_of(echo) != "Echo: 1234.5":
            raise HarnessError(f"label reads {s.text_of(echo)!r} through its old reference")
        s.type("second value")
        s.wait_text(second, "second value", what="second field")

        # An information box raised from a focus change, answered through AT-SPI and by keyboard.
        s.key("shift+Tab")
        s.wait_focused(first)
        s.key("ctrl+a")
        s.type("fail")
        s.key("Tab")
        box = s.wait_window(app, name="Information")
        if not s.contains_text(box, "Stand-in failure"):
            raise HarnessError("the information box does not show its message")
        s.screenshot("message-box")
        s.press(s.wait_widget(box, name="OK", role="push button"), "Press")
        wait_until(lambda: all(s.name_of(w) != "Information" for w in s.windows(app)),
                   s.timeout, "the information box to close")
        s.wait_text(first, "", what="first field after the failure")

        s.focus(s.window_id(title="Harness Stand-in"))
        s.click_widget(first)
        s.wait_focused(first)
        s.type("42")
        s.key("Tab")
        s.wait_widget(main, name="Echo: 42", role="label")
        s.screenshot("before-close")

        # Closing through the File menu while the folder is missing: refused with a message.
        saved_dir = os.path.join(s.config_home, "plumcrest-standin")
        s.key("alt+f")
        s.wait_widget(app, name="Exit", role="menu item",
                      predicate=lambda n: s.has_state(n, "showing"))
        s.key("x")
        box = s.wait_window(app, name="Information")
        if not s.contains_text(box, "Unable to write to " + saved_dir):
            raise HarnessError("the refused close shows no write error")
        s.screenshot("refused-close")
        s.press(s.wait_widget(box, name="OK", role="push button"), "Press")
        wait_until(lambda: all(s.name_of(w) != "Information" for w in s.windows(app)),
                   s.timeout, "the information box to close")
        if proc.poll() is not None:
            raise HarnessError("the stand-in ended although its close was refused")

        # With the folder in place the same menu closes the window and writes the file.
        os.makedirs(saved_dir)
        s.focus(s.window_id(title="Harness Stand-in"))
        s.key("alt+f")
        s.wait_widget(app, name="Exit", role="menu item",
                      predicate=lambda n: s.has_state(n, "showing"))
        s.key("x")
        code = s.wait_exit(proc)
        if code != 0:
            raise HarnessError(f"stand-in exited with {code}")
        with open(os.path.join(saved_dir, "closed.txt")) as f:
            content = f.read()
        if content != "first=42\nsecond=second value\n":
            raise HarnessError(f"saved file holds {content!r}")


def selftest_saved(program, artifacts):
    """The same program once its folder exists: the close writes the file and ends it."""
    with Session("harness_selftest_saved", artifacts) as s:
        os.makedirs(os.path.join(s.config_home, "plumcrest-standin"))
        proc = s.start_program([program])
        app = s.application(proc)
        main = s.wait_window(app, name="Harness Stand-in")
        first = s.wait_widget(main, name="First Field")
        s.focus(s.window_id(title="Harness Stand-in"))
        s.click_widget(first)
        s.wait_focused(first)
        s.type("250000")
        s.key("Tab")
        s.type("20")
        s.screenshot("typed")
        s.press(s.wait_widget(main, name="Exit", role="push button"), "Press")
        if s.wait_exit(proc) != 0:
            raise HarnessError("stand-in failed")
        with open(os.path.join(s.config_home, "plumcrest-standin", "closed.txt")) as f:
            content = f.read()
        if content != "first=250000\nsecond=20\n":
            raise HarnessError(f"saved file holds {content!r}")


if __name__ == "__main__":
    sys.exit(run_scenarios({"selftest": selftest, "selftest_saved": selftest_saved}))
