"""A small mutation tester for this project: see scripts/mutation.sh for its use.

Plants one textual fault at a time in a source file, rebuilds the test programs that cover the
file's folder, runs them and restores the file. A mutant is killed when a test program fails (or
runs out of time), survives when all pass, and is left out when it does not compile.
"""

import os
import random
import re
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Which test programs see a folder's faults. Each is built by the target of the same name and
# run from the build's bin/ folder; "ctest:NAME" runs ctest's test NAME on the built program.
TESTS_FOR = {
    "finance/": ["test_finance_loanmath", "test_loan_pipeline"],
    "figures/Amortization": ["test_figures_amortization", "test_figures_whatif", "test_schedule",
                             "test_output_text"],
    "figures/OfferCost": ["test_figures_amortization", "test_compare", "test_output_text"],
    "figures/OfferComparison": ["test_compare", "test_compare_output"],
    "figures/CostSeries": ["test_output_text", "test_compare_output"],
    "figures/LoanEstimateMath": ["test_figures_loanestimate", "test_compare"],
    "figures/StreamApr": ["test_figures_streamapr", "test_compare"],
    "figures/": ["test_figures_amortization", "test_figures_loanestimate", "test_figures_streamapr",
                 "test_figures_whatif", "test_compare"],
    "store/": ["test_store"],
    "output/Csv": ["test_output_text", "test_schedule", "test_compare_output"],
    "output/": ["test_schedule", "test_compare_output"],
    "schedule/": ["test_schedule"],
    # Every program of the folder's tests: the points, verdict, what-if and keyboard ones see
    # faults of the window and the model the first two miss.
    "compare/": ["test_compare", "test_compare_output", "test_compare_choices",
                 "test_compare_verdict", "test_compare_whatif", "test_compare_keyboard"],
    # The reader's engine on word lists, and the built program on synthetic forms (set
    # PLUMCREST_READER_FUZZ_COPIES low: the damaged copies are not there to kill mutants).
    "reader/": ["test_reader_words", "test_reader_pdf"],
    # What counts as ink, against Qt's grey for every colour.
    "reader/Ink": ["test_reader_ink", "test_reader_pdf"],
    # The review: what is read, shown missing, checked again and translated.
    "offers/EstimateImport": ["test_estimate_review", "test_offers"],
    "offers/OfferEntry": ["test_estimate_review", "test_offers"],
    "offers/OfferEditor": ["test_estimate_review", "test_offers", "test_compare"],
    "offers/": ["test_offers", "test_compare"],
    # The check on hand-worked readings, and its command and JSON with a reader standing in.
    "closing/ClosingWindow": ["test_closing_window"],
    "closing/": ["test_closing_check", "test_closing_command"],
    "dialogs/": ["dialogs_test", "test_app_behaviourstest"],
    "loan/OfferCalculator": ["test_loan_offercalculator", "test_store", "test_compare"],
    "loan/EstimateFields": ["test_store", "test_offers"],
    "loan/FigureEntry": ["test_offers", "test_loan_whatif"],
    "loan/": ["test_loan_pipeline", "test_loan_saved", "test_loan_numbertext"],
    "platform/Profile": ["test_platform_profile", "test_loan_saved"],
    "widgets/PictureMask": ["plumcrest_masks_tests", "NumericFieldEntryTest", "NumericFieldFocusTest",
                            "NumericFieldRobustnessTest"],
    "widgets/DecimalDigits": ["plumcrest_masks_tests", "NumericFieldEntryTest"],
    "widgets/WheelGuard": ["wheelguard_test"],
    "widgets/": ["NumericFieldEntryTest", "NumericFieldFocusTest", "NumericFieldRobustnessTest"],
    # The command line is checked by scripts ctest runs against the built program.
    "app/CommandLine": ["test_app_desktoptest", "ctest:app_command_line",
                        "ctest:app_schedule_command"],
    "app/ScheduleCommand": ["ctest:app_schedule_command"],
    "app/": ["test_app_mainwindowtest", "test_app_chrometest", "test_app_behaviourstest",
             "test_app_desktoptest", "test_app_languagetest"],
    # The language shown: the calculator switching live.
    "translations/": ["test_app_languagetest"],
}

SWAPS = [
    (" < ", " <= "), (" <= ", " < "), (" > ", " >= "), (" >= ", " > "),
    (" == ", " != "), (" != ", " == "), (" && ", " || "), (" || ", " && "),
    (" + ", " - "), (" - ", " + "), (" * ", " / "), (" / ", " * "),
    (" += ", " -= "), (" -= ", " += "), ("true", "false"), ("false", "true"),
    # The extended-precision helpers of finance/Fpu.h stand for the operators.
    ("Add(", "Sub("), ("Sub(", "Add("), ("Mul(", "Div("), ("Div(", "Mul("),
]
WORDS = {"true", "false", "Add(", "Sub(", "Mul(", "Div("}

NUMBER = re.compile(r"(?<![\w.])(\d+)(\.\d*)?([eE][-+]?\d+)?([uUlLfF]*)(?![\w.])")
TERM = r"[\w:.]+(?:\([^()]*\))?"
PLUS_TERM = re.compile(r" \+ " + TERM)


def tests_for(path):
    rel = os.path.relpath(os.path.abspath(path), ROOT)
    for prefix in sorted(TESTS_FOR, key=len, reverse=True):
        if rel.startswith(prefix):
            return TESTS_FOR[prefix]
    sys.exit(f"mutation: no tests are mapped for {rel}")


def code_part(line):
    """The line with string and character literals and any comment blanked out."""
    out = []
    quote = None
    i = 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            if c == quote:
                quote = None
                out.append(c)
            else:
                out.append(" ")
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out).ljust(len(line))[: len(line)]


def top_level_items(text, start):
    """Spans of the comma-separated items of the brace list opening at text[start]."""
    depth = 0
    items = []
    begin = start + 1
    for i in range(start, len(text)):
        c = text[i]
        if c in "({[":
            depth += 1
        elif c in ")}]":
            depth -= 1
            if depth == 0:
                items.append((begin, i))
                return items if len(items) > 1 else []
        elif c == "," and depth == 1:
            items.append((begin, i))
            begin = i + 1
    return []


def mutants_of_line(line, in_list=False):
    code = code_part(line)
    stripped = code.strip()
    if (not stripped or stripped.startswith("#") or "static_assert" in code
            or re.match(r"(using|namespace|template)\b", stripped)):
        return []
    found = []
    for old, new in SWAPS:
        for m in re.finditer(re.escape(old), code):
            if old in WORDS:
                s, e = m.start(), m.end()
                if (s > 0 and (code[s - 1].isalnum() or code[s - 1] in "_:")) or (
                        old[-1] != "(" and e < len(code) and (code[e].isalnum() or code[e] == "_")):
                    continue
            found.append((line[: m.start()] + new + line[m.end():],
                          f"'{old.strip()}' -> '{new.strip()}'"))
    for m in NUMBER.finditer(code):
        whole, frac, exp, suffix = m.group(1), m.group(2) or "", m.group(3) or "", m.group(4)
        if frac or exp:
            shifted = repr(float(whole + frac + exp) + 1.0)
        else:
            shifted = str(int(whole) + 1)
        found.append((line[: m.start()] + shifted + suffix + line[m.end():],
                      f"constant {m.group(0)} -> {shifted}{suffix}"))
    for m in PLUS_TERM.finditer(code):
        found.append((line[: m.start()] + line[m.end():], f"drop term '{m.group(0).strip()}'"))
    for m in re.finditer(r"\{", code):
        items = top_level_items(code, m.start())
        for k, (s, e) in enumerate(items):
            if k + 1 < len(items):
                cut = (s, items[k + 1][0])
            else:
                cut = (items[k - 1][1], e)
            text = line[s:e].strip()
            if text:
                found.append((line[: cut[0]] + line[cut[1]:], f"drop element '{text}'"))
    if in_list:
        # A line of a list that spans lines: drop one of its elements.
        for m in re.finditer(r"(?<=[{\s,])(" + TERM + r")(, ?|(?=\}))", code):
            found.append((line[: m.start()] + line[m.end():], f"drop element '{m.group(1)}'"))
    if (stripped.endswith(";") and not re.match(r"(return|break|continue|case|default)\b", stripped)
            and "{" not in stripped and "}" not in stripped):
        indent = line[: len(line) - len(line.lstrip())]
        found.append((indent + ";\n" if line.endswith("\n") else indent + ";",
                      "delete statement"))
    return found


def statement_starts(lines):
    """Which lines begin a statement (the previous code line ended one)."""
    starts = []
    prev_end = True
    for line in lines:
        code = code_part(line).rstrip()
        starts.append(prev_end)
        if code.strip():
            prev_end = code.endswith((";", "{", "}", ":")) or code.strip().startswith("#")
    return starts


def all_mutants(path, first, last):
    with open(path) as f:
        lines = f.readlines()
    starts = statement_starts(lines)
    result = []
    prev_code = ""
    for n, line in enumerate(lines, start=1):
        in_list = prev_code.endswith((",", "{")) and not starts[n - 1] or prev_code.endswith(
            "({")
        if code_part(line).strip():
            prev_code = code_part(line).rstrip()
        if n < first or n > last:
            continue
        for new_line, what in mutants_of_line(line, in_list):
            if what == "delete statement" and not starts[n - 1]:
                continue
            result.append((n, what, new_line))
    return lines, result


def targets_of(tests):
    """The build targets the tests need: a ctest test runs against the program itself."""
    names = [t for t in tests if not t.startswith("ctest:")]
    if len(names) < len(tests):
        names.append("plumcrest")
    return names


def test_command(build, test):
    if test.startswith("ctest:"):
        return ["ctest", "--test-dir", build, "-R", "^" + test[len("ctest:"):] + "$",
                "--no-tests=error"]
    return [os.path.join(build, "bin", test)]


def run(cmd, timeout, env=None):
    try:
        return subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout, env=env).returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def main():
    build = os.environ.get("MUTATION_BUILD_DIR", os.path.join(ROOT, "build"))
    timeout = float(os.environ.get("MUTATION_TIMEOUT", "120"))
    sample = int(os.environ.get("MUTATION_SAMPLE", "0"))
    seed = int(os.environ.get("MUTATION_SEED", "1"))
    only = set(filter(None, os.environ.get("MUTATION_IDS", "").split(",")))
    jobs = os.environ.get("MUTATION_JOBS", "2")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    totals = {"killed": 0, "survived": 0, "broken": 0}
    touched = []
    for arg in sys.argv[1:]:
        m = re.match(r"(.*?)(?::(\d+)-(\d+))?$", arg)
        path, first, last = m.group(1), int(m.group(2) or 1), int(m.group(3) or 10**9)
        rel = os.path.relpath(os.path.abspath(path), ROOT)
        tests = tests_for(path)
        touched += [t for t in targets_of(tests) if t not in touched]
        lines, mutants = all_mutants(path, first, last)
        ids = [f"{rel}:{n}:{i}" for i, (n, _, _) in enumerate(mutants)]
        chosen = list(range(len(mutants)))
        if only:
            chosen = [i for i in chosen if ids[i] in only]
        elif sample and sample < len(chosen):
            chosen = sorted(random.Random(f"{seed}:{rel}").sample(chosen, sample))
        # The unmutated file must build and pass, or every mutant would look killed.
        if run(["cmake", "--build", build, "-j", jobs, "--target", *targets_of(tests)], None) != 0:
            sys.exit(f"mutation: {rel}: the unmutated build fails")
        for t in tests:
            if run(test_command(build, t), timeout, env) != 0:
                sys.exit(f"mutation: {rel}: {t} fails before any mutation")
        counts = {"killed": 0, "survived": 0, "broken": 0}
        started = time.time()
        print(f"== {rel}: {len(chosen)} of {len(mutants)} mutants, tests {' '.join(tests)}",
              flush=True)
        original = "".join(lines)
        try:
            for i in chosen:
                n, what, new_line = mutants[i]
                with open(path, "w") as f:
                    f.write("".join(lines[: n - 1]) + new_line + "".join(lines[n:]))
                if run(["cmake", "--build", build, "-j", jobs, "--target", *targets_of(tests)],
                       None) != 0:
                    outcome = "broken"
                else:
                    outcome = "survived"
                    for t in tests:
                        rc = run(test_command(build, t), timeout, env)
                        if rc != 0:
                            outcome = "killed"
                            break
                counts[outcome] += 1
                if outcome == "survived":
                    print(f"SURVIVED {ids[i]}  {rel}:{n}: {what}\n    {lines[n - 1].strip()}",
                          flush=True)
        finally:
            with open(path, "w") as f:
                f.write(original)
        tested = counts["killed"] + counts["survived"]
        score = 100.0 * counts["killed"] / tested if tested else 0.0
        print(f"== {rel}: killed {counts['killed']}, survived {counts['survived']}, "
              f"not compiling {counts['broken']}; score {score:.0f}% "
              f"({time.time() - started:.0f} s)", flush=True)
        for k in totals:
            totals[k] += counts[k]
    # Leave what was rebuilt matching the restored sources (the machine may be shared: not all).
    run(["cmake", "--build", build, "-j", jobs, "--target", *touched], None)
    tested = totals["killed"] + totals["survived"]
    if tested:
        print(f"== all: killed {totals['killed']} of {tested} "
              f"({100.0 * totals['killed'] / tested:.0f}%), not compiling {totals['broken']}")


if __name__ == "__main__":
    main()
