"""Drives a built Qt program from outside, as a user and a screen reader would.

Each Session owns a private X server (Xvfb), a private D-Bus session bus with its
accessibility bus, and a fresh HOME / XDG_CONFIG_HOME / XDG_RUNTIME_DIR, so tests run in
parallel without seeing each other. Widgets are read through AT-SPI (pyatspi, which must
come from Debian's /usr/bin/python3) and driven with xdotool; a screenshot of the root
window is kept for every run. Every wait polls with a deadline; nothing sleeps blindly.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

DEFAULT_TIMEOUT = 10.0
POLL_INTERVAL = 0.05


class HarnessError(AssertionError):
    pass


def wait_until(predicate, timeout=DEFAULT_TIMEOUT, what="condition"):
    """Polls predicate until it returns something truthy; returns that value."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = predicate()
            if value:
                return value
        except Exception as error:  # the tree changes under us while the program works
            last_error = error
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            raise HarnessError(f"timed out after {timeout:.1f} s waiting for {what}{detail}")
        time.sleep(POLL_INTERVAL)


def wait_for_value(read, expected, timeout, what):
    """Polls read() until it gives expected; the error says what it gave last."""
    last = []

    def check():
        last[:] = [read()]
        return last[0] == expected
    try:
        wait_until(check, timeout, what)
    except HarnessError:
        raise HarnessError(f"{what}: shows {last[0] if last else None!r}, expected {expected!r}")


def _read_line_from_fd(fd, timeout, what):
    deadline = time.monotonic() + timeout
    data = b""
    import select
    while b"\n" not in data:
        remaining = deadline - time.monotonic()
        if remaining <= 0:
            raise HarnessError(f"timed out waiting for {what}")
        ready, _, _ = select.select([fd], [], [], remaining)
        if not ready:
            continue
        chunk = os.read(fd, 4096)
        if not chunk:
            raise HarnessError(f"{what}: the process closed its output without answering")
        data += chunk
    return data.split(b"\n", 1)[0].decode().strip()


class Session:
    """One isolated desktop session. Use as a context manager; cleanup always runs."""

    def __init__(self, name, artifacts_dir, timeout=DEFAULT_TIMEOUT):
        self.name = name
        self.artifacts_dir = artifacts_dir
        self.timeout = timeout
        self.tmp = None
        self.env = None
        self.home = None
        self.config_home = None
        self._xvfb = None
        self._bus = None
        self._programs = []
        self._logs = []
        self._program_logs = []
        self.pyatspi = None

    # ----- setup and teardown -------------------------------------------------

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self._cleanup(failed=True)
            raise
        return self

    def __exit__(self, exc_type, exc, tb):
        failed = exc_type is not None
        if failed:
            self.log(f"FAILED: {exc_type.__name__}: {exc}")
            self.screenshot("failure")
            self.dump_tree("failure-tree.txt")
        self._cleanup(failed)
        if not failed:
            self._check_program_logs()
        return False

    # What a sanitized build of the program writes when it finds a fault.
    SANITIZER_MARKERS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:")

    def _check_program_logs(self):
        for path in self._program_logs:
            with open(path, errors="replace") as f:
                for line in f:
                    if any(marker in line for marker in self.SANITIZER_MARKERS):
                        raise HarnessError(f"{os.path.basename(path)}: {line.strip()}")

    # The letters the Spanish scenarios type. Xvfb's keymap lacks them, and xdotool then types
    # each by remapping a spare key for a moment, which the program can read too late.
    SPANISH_LETTERS = ["ntilde Ntilde", "aacute Aacute", "eacute Eacute", "iacute Iacute",
                       "oacute Oacute", "uacute Uacute", "udiaeresis Udiaeresis"]

    def _map_spanish_letters(self, env):
        """Gives each Spanish letter an empty key of its own, leaving others empty for xdotool."""
        if not shutil.which("xmodmap"):
            self.log("no xmodmap: the Spanish letters are typed by remapping, as xdotool does")
            return
        table = subprocess.run(["xmodmap", "-pke"], env=env, capture_output=True, text=True)
        empty = [line.split()[1] for line in table.stdout.splitlines()
                 if line.split()[2:] == ["="]]
        if len(empty) < len(self.SPANISH_LETTERS) + 4:
            self.log(f"only {len(empty)} empty keys: the Spanish letters are typed by remapping")
            return
        expressions = []
        for keycode, letters in zip(reversed(empty), self.SPANISH_LETTERS):
            expressions += ["-e", f"keycode {keycode} = {letters}"]
        subprocess.run(["xmodmap", *expressions], env=env, check=True)

    def log(self, message):
        print(f"[{self.name} {time.strftime('%H:%M:%S')}] {message}", flush=True)

    def _start(self):
        os.makedirs(self.artifacts_dir, exist_ok=True)
        for old in os.listdir(self.artifacts_dir):
            if old.startswith(self.name + "-"):
                path = os.path.join(self.artifacts_dir, old)
                shutil.rmtree(path) if os.path.isdir(path) else os.remove(path)
        _become_subreaper()
        self.tmp = tempfile.mkdtemp(prefix=f"e2e-{self.name}-")
        self.home = os.path.join(self.tmp, "home")
        self.config_home = os.path.join(self.home, ".config")
        runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(self.config_home)
        os.makedirs(runtime, mode=0o700)
        os.chmod(runtime, 0o700)

        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DBUS_", "AT_SPI", "XDG_", "QT_", "WAYLAND", "DISPLAY", "XAUTHORITY"))}
        env.update({
            "HOME": self.home,
            "XDG_CONFIG_HOME": self.config_home,
            "XDG_DATA_HOME": os.path.join(self.home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
            "XDG_RUNTIME_DIR": runtime,
            # A fixed locale gives "." as decimal and "," as thousands separator.
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
            "NO_AT_BRIDGE": "0",
        })

        read_fd, write_fd = os.pipe()
        self._xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdin=subprocess.DEVNULL,
            stdout=self._logfile("xvfb.log"), stderr=subprocess.STDOUT,
            start_new_session=True)
        os.close(write_fd)
        try:
            display = _read_line_from_fd(read_fd, self.timeout, "Xvfb to report its display")
        finally:
            os.close(read_fd)
        env["DISPLAY"] = f":{display}"
        self.log(f"Xvfb pid {self._xvfb.pid} on :{display}")
        self._map_spanish_letters(env)

        # A private session bus; its activated helpers (the accessibility bus launcher and
        # registry) inherit its process group, so the whole group goes at cleanup.
        read_fd, write_fd = os.pipe()
        self._bus = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile",
             f"--print-address={write_fd}"],
            pass_fds=(write_fd,), env=env, stdin=subprocess.DEVNULL,
            stdout=self._logfile("dbus.log"), stderr=subprocess.STDOUT,
            start_new_session=True)
        os.close(write_fd)
        try:
            address = _read_line_from_fd(read_fd, self.timeout, "dbus-daemon to print its address")
        finally:
            os.close(read_fd)
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.env = env
        self.log(f"session bus pid {self._bus.pid} at {address}")

        # Wake the accessibility bus before anyone asks for it.
        wait_until(lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
             "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
            env=env, capture_output=True, timeout=self.timeout).returncode == 0,
            self.timeout, "the accessibility bus")

        # pyatspi binds to the session bus named in this process's environment when imported.
        for key in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR", "HOME"):
            os.environ[key] = env[key]
        for key in list(os.environ):
            if key.startswith("AT_SPI"):
                del os.environ[key]
        import pyatspi  # noqa: E402  (must follow the environment above)
        self.pyatspi = pyatspi

    def _logfile(self, name):
        handle = open(os.path.join(self.artifacts_dir, f"{self.name}-{name}"), "w")
        self._logs.append(handle)
        return handle

    def _cleanup(self, failed):
        for proc in reversed(self._programs):
            self._stop(proc, "program")
        if self._bus is not None:
            self._stop(self._bus, "session bus", group=True)
        if self._xvfb is not None:
            self._stop(self._xvfb, "Xvfb", group=True)
        _reap_orphans()
        for handle in self._logs:
            handle.close()
        if self.tmp and os.path.isdir(self.tmp):
            if failed:
                kept = os.path.join(self.artifacts_dir, f"{self.name}-home")
                shutil.rmtree(kept, ignore_errors=True)
                shutil.copytree(self.home, kept, symlinks=True, ignore_dangling_symlinks=True)
            shutil.rmtree(self.tmp, ignore_errors=True)

    def _stop(self, proc, what, group=False):
        if proc.poll() is not None:
            return
        try:
            if group:
                os.killpg(proc.pid, signal.SIGTERM)
            else:
                proc.terminate()
            proc.wait(timeout=3)
        except (subprocess.TimeoutExpired, ProcessLookupError):
            try:
                if group:
                    os.killpg(proc.pid, signal.SIGKILL)
                else:
                    proc.kill()
                proc.wait(timeout=3)
            except (subprocess.TimeoutExpired, ProcessLookupError):
                self.log(f"could not stop {what} (pid {proc.pid})")

    # ----- the program under test ---------------------------------------------

    def start_program(self, argv, extra_env=None, log_name="program.log"):
        env = dict(self.env)
        env.update({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_QPA_PLATFORM": "xcb",
                    "QT_ACCESSIBILITY": "1"})
        if extra_env:
            env.update(extra_env)
        # The program runs in the temporary folder, so a relative path must be resolved first.
        if os.sep in argv[0]:
            argv = [os.path.abspath(argv[0]), *argv[1:]]
        log = self._logfile(log_name)
        self._program_logs.append(log.name)
        proc = subprocess.Popen(argv, env=env, cwd=self.tmp, stdin=subprocess.DEVNULL,
                                stdout=log, stderr=subprocess.STDOUT)
        self._programs.append(proc)
        self.log(f"started {argv[0]} as pid {proc.pid}")
        return proc

    def wait_exit(self, proc, timeout=None):
        try:
            return proc.wait(timeout=timeout or self.timeout)
        except subprocess.TimeoutExpired:
            raise HarnessError(f"pid {proc.pid} did not end within {timeout or self.timeout} s")

    # ----- AT-SPI -------------------------------------------------------------

    def application(self, proc, timeout=None):
        """The program's application object in the AT-SPI desktop, found by its process id."""
        def find():
            if proc.poll() is not None:
                raise HarnessError(f"program exited with code {proc.returncode} before it showed up")
            desktop = self.pyatspi.Registry.getDesktop(0)
            for index in range(desktop.childCount):
                app = desktop.getChildAtIndex(index)
                if app is not None and app.get_process_id() == proc.pid:
                    return app
            return None
        return wait_until(find, timeout or self.timeout, f"pid {proc.pid} on the accessibility bus")

    @staticmethod
    def _children(acc):
        try:
            count = acc.childCount
        except Exception:
            return []
        result = []
        for index in range(count):
            try:
                child = acc.getChildAtIndex(index)
            except Exception:
                child = None
            if child is not None:
                result.append(child)
        return result

    def walk(self, acc, max_depth=40):
        stack = [(acc, 0)]
        while stack:
            node, depth = stack.pop()
            yield node
            if depth < max_depth:
                stack.extend((child, depth + 1) for child in reversed(self._children(node)))

    @staticmethod
    def role_of(acc):
        try:
            return acc.getRoleName()
        except Exception:
            return ""

    @staticmethod
    def name_of(acc):
        try:
            return acc.name or ""
        except Exception:
            return ""

    def find_all(self, root, name=None, role=None, name_contains=None, predicate=None):
        found = []
        for node in self.walk(root):
            node_name = self.name_of(node)
            if name is not None and node_name != name:
                continue
            if name_contains is not None and name_contains not in node_name:
                continue
            if role is not None and self.role_of(node) != role:
                continue
            if predicate is not None and not predicate(node):
                continue
            found.append(node)
        return found

    def wait_widget(self, root, name=None, role=None, name_contains=None, predicate=None,
                    timeout=None):
        what = f"widget name={name!r} role={role!r} contains={name_contains!r}"

        def find():
            matches = self.find_all(root, name, role, name_contains, predicate)
            return matches[0] if matches else None
        return wait_until(find, timeout or self.timeout, what)

    def windows(self, app):
        """The top-level windows (frames, dialogs, alerts) the application shows now."""
        return [w for w in self._children(app) if self.has_state(w, "showing")]

    def wait_window(self, app, name=None, name_contains=None, predicate=None, timeout=None):
        def find():
            for window in self.windows(app):
                window_name = self.name_of(window)
                if name is not None and window_name != name:
                    continue
                if name_contains is not None and name_contains not in window_name:
                    continue
                if predicate is not None and not predicate(window):
                    continue
                return window
            return None
        return wait_until(find, timeout or self.timeout,
                          f"a window named {name or name_contains!r}")

    def has_state(self, acc, state_name):
        state = getattr(self.pyatspi, "STATE_" + state_name.upper())
        try:
            return acc.getState().contains(state)
        except Exception:
            return False

    def text_of(self, acc):
        """What the widget shows: its Text content, else its Value, else its name."""
        text = self._text_interface_content(acc)
        if text is not None:
            return text
        try:
            value = acc.queryValue()
            return str(value.currentValue)
        except Exception:
            pass
        return self.name_of(acc)

    def contains_text(self, root, needle):
        """Whether any widget below root shows needle in its name or text."""
        for node in self.walk(root):
            if needle in self.name_of(node):
                return True
            if needle in (self._text_interface_content(node) or ""):
                return True
        return False

    @staticmethod
    def _text_interface_content(acc):
        # Qt answers getText(0, -1) with an empty text; ask for the exact length instead.
        try:
            text = acc.queryText()
            return text.getText(0, text.characterCount)
        except Exception:
            return None

    def wait_text(self, acc, expected, timeout=None, what=None):
        wait_for_value(lambda: self.text_of(acc), expected, timeout or self.timeout,
                       what or self.name_of(acc))

    def press(self, acc, action_name=None):
        """Runs the widget's action ("Press", "Click", ...) through AT-SPI."""
        action = acc.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        for index, name in enumerate(names):
            if action_name is None or name.lower() == action_name.lower():
                action.doAction(index)
                return
        raise HarnessError(f"{self.name_of(acc)!r} offers no action {action_name!r}; it has {names}")

    def extents(self, acc):
        box = acc.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def dump_tree(self, file_name):
        """Writes every application's tree to the artifacts, for diagnosing a failure."""
        if self.pyatspi is None:
            return
        path = os.path.join(self.artifacts_dir, f"{self.name}-{file_name}")
        try:
            with open(path, "w") as out:
                desktop = self.pyatspi.Registry.getDesktop(0)
                for app in self._children(desktop):
                    self._dump(app, out, 0)
        except Exception as error:
            self.log(f"tree dump failed: {error!r}")

    def _dump(self, acc, out, depth):
        if depth > 40:
            return
        text = self._text_interface_content(acc)
        out.write(f"{'  ' * depth}[{self.role_of(acc)}] {self.name_of(acc)!r}"
                  + (f" text={text!r}" if text is not None else "") + "\n")
        for child in self._children(acc):
            self._dump(child, out, depth + 1)

    # ----- X input ------------------------------------------------------------

    def xdotool(self, *args, timeout=None):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True,
                                text=True, timeout=timeout or self.timeout)
        if result.returncode != 0 and args[0] != "search":
            raise HarnessError(f"xdotool {' '.join(map(str, args))} failed: {result.stderr.strip()}")
        return result.stdout

    def window_id(self, title=None, pid=None, timeout=None):
        """The X window id of a visible top-level window, by exact title and/or process id."""
        args = ["search", "--onlyvisible"]
        if pid is not None:
            args += ["--pid", pid]
        if title is not None:
            args += ["--name", "^" + _regex_escape(title) + "$"]
        elif pid is None:
            raise ValueError("window_id needs a title or a pid")
        else:
            args += ["--name", "."]
        ids = wait_until(lambda: self.xdotool(*args).split(), timeout or self.timeout,
                         f"an X window titled {title!r} pid {pid}")
        return ids[0]

    def focus(self, window_id):
        # No window manager runs here: set the X input focus directly.
        self.xdotool("windowfocus", "--sync", window_id)

    def type(self, text):
        self.xdotool("type", "--delay", "30", text)

    def key(self, *keys):
        self.xdotool("key", "--delay", "30", *keys)

    def click(self, x, y, button=1):
        # No --sync: it waits forever when the pointer already rests on the spot.
        self.xdotool("mousemove", x, y, "click", button)

    def click_widget(self, acc):
        x, y, width, height = self.extents(acc)
        self.click(x + width // 2, y + height // 2)

    def wait_focused(self, acc, timeout=None, what=None):
        wait_until(lambda: self.has_state(acc, "focused"), timeout or self.timeout,
                   what or f"{self.name_of(acc)!r} to have the keyboard focus")

    # ----- artifacts ----------------------------------------------------------

    def screenshot(self, label):
        if not self.env:
            return None
        path = os.path.join(self.artifacts_dir, f"{self.name}-{label}.png")
        try:
            subprocess.run(["import", "-window", "root", path], env=self.env,
                           capture_output=True, timeout=self.timeout, check=True)
            self.log(f"screenshot {path}")
            return path
        except Exception as error:
            self.log(f"screenshot failed: {error!r}")
            return None


def _become_subreaper():
    # The bus's activated helpers outlive their parent; adopting them lets us reap them
    # instead of leaving zombies under an init that may not reap.
    try:
        import ctypes
        libc = ctypes.CDLL(None, use_errno=True)
        libc.prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER
    except Exception:
        pass


def _reap_orphans():
    deadline = time.monotonic() + 3
    while time.monotonic() < deadline:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            time.sleep(POLL_INTERVAL)


def _regex_escape(text):
    return "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in text)


class Skip(Exception):
    """The scenario cannot run on this machine; ctest counts exit code 77 as skipped."""


SKIP_EXIT_CODE = 77


def run_scenarios(scenarios, argv=None):
    """Runs the scenario named on the command line; exits 0 on success, 1 on failure and
    77 when the machine cannot run it."""
    argv = argv if argv is not None else sys.argv[1:]
    if len(argv) < 1 or argv[0] not in scenarios:
        print(f"usage: {sys.argv[0]} <{'|'.join(scenarios)}> ...", file=sys.stderr)
        return 2
    started = time.monotonic()
    try:
        scenarios[argv[0]](*argv[1:])
    except Skip as why:
        print(f"{argv[0]}: skipped: {why}", flush=True)
        return SKIP_EXIT_CODE
    except Exception:
        traceback.print_exc()
        print(f"{argv[0]}: FAILED after {time.monotonic() - started:.1f} s", flush=True)
        return 1
    print(f"{argv[0]}: passed in {time.monotonic() - started:.1f} s", flush=True)
    return 0
