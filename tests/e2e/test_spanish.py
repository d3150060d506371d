"""End-to-end scenario in Spanish: under es_US.UTF-8 the program starts in Spanish; keep two
offers, compare them over the accessibility bus, save the comparison as PDF and read it back;
then View > Language > English turns every window English at once, keeping what is typed.

    test_spanish.py <scenario> <path to plumcrest> <artifacts folder>
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import HarnessError, run_scenarios, wait_for_value, wait_until  # noqa: E402
from test_plumcrest import DEFAULT_TYPED, Calculator, session, write_saved  # noqa: E402
from test_output import pdf_pages, save_through_dialog  # noqa: E402

SPANISH = {"LANG": "es_US.UTF-8", "LC_ALL": "es_US.UTF-8", "LANGUAGE": "es_US:es"}

# The fields as a screen reader names them, in page order: the thirteen inputs, then the five
# results.
INPUTS = ["Precio de compra", "Porcentaje de pago inicial", "Plazo en años", "Tasa de interés",
          "Cargos de originación", "Puntos de descuento", "Pago anticipado de intereses",
          "Primas del seguro de hipoteca", "Reducción de tasa", "Zona de inundación",
          "Servicio de impuestos", "Valoración", "Otros cargos préstamo & cierre"]
RESULTS = ["Pago inicial", "Monto del préstamo", "Pago mensual (C&I)", "TOTAL de cargos fijos",
           "Tasa porcentual anual"]
# Loans 200,000.00 and 180,000.00; fees 6,000.00 and 2,500.00.
ALAMO = ["250000", "20", "30", "6.5", "1000", "4500", "300", "0", "0", "50", "50", "100", "0"]
ROBLE = ["225000", "20", "15", "6.875", "1500", "500", "300", "0", "0", "50", "50", "100", "0"]
KEEP_TITLE = "Conservar esta oferta"
COMPARE_TITLE = "Comparar ofertas"
NAME_ROW, HORIZON_COST_ROW = 0, 36


def keep(s, calc, typed, name):
    calc.focus_first_input()
    calc.type_inputs(typed)
    s.key("ctrl+k")
    dialog = s.wait_window(calc.app, name=KEEP_TITLE)
    s.focus(s.window_id(title=KEEP_TITLE))
    field = s.wait_widget(dialog, name="Nombre")
    s.wait_focused(field)
    s.type(name)
    s.wait_text(field, name, what="the name as typed")
    s.press(s.wait_widget(dialog, name="Conservar", role="push button"))
    wait_until(lambda: all(s.name_of(w) != KEEP_TITLE for w in s.windows(calc.app)),
               s.timeout, "the keep dialog to close")


def keep_and_compare_es(program, artifacts):
    with session("e2e_keep_and_compare_es", artifacts) as s:
        write_saved(s, DEFAULT_TYPED)
        calc = Calculator(s, program, inputs=INPUTS, results=RESULTS, extra_env=SPANISH)
        keep(s, calc, ALAMO, "Banco Peñón")
        keep(s, calc, ROBLE, "Crédito Roble")
        # Numbers keep the es_US form: "," groups, "." is the decimal point.
        wait_until(lambda: calc.shown(RESULTS) == ["45,000.00", "180,000.00", "1,605.34",
                                                   "2,500.00", "7.0998"],
                   s.timeout, f"the last offer's results (shows {calc.shown(RESULTS)!r})")
        s.screenshot("calculator-es")

        s.focus(calc.wid)
        s.key("ctrl+shift+o")
        window = s.wait_window(calc.app, name=COMPARE_TITLE)
        table = s.wait_widget(window, name="Ofertas conservadas", role="table")
        s.wait_widget(window, name="Años que espera conservar este préstamo")

        def cell(row, column):
            return s.name_of(table.queryTable().getAccessibleAt(row, column))
        wait_for_value(lambda: [cell(NAME_ROW, 0), cell(NAME_ROW, 1)],
                       ["Crédito Roble", "Banco Peñón"], s.timeout, "the two offers, newest first")
        label = table.queryTable().getRowDescription(HORIZON_COST_ROW)
        if label != "Costo en 7 años":
            raise HarnessError(f"row {HORIZON_COST_ROW} is {label!r}")
        # Fees plus seven years of interest, worked month by month in cents.
        costs = [cell(HORIZON_COST_ROW, 0), cell(HORIZON_COST_ROW, 1)]
        if costs != ["75,634.94", "93,019.78"]:
            raise HarnessError(f"the costs over 7 years read {costs!r}")
        s.wait_widget(window, name="Qué oferta le conviene más")
        s.screenshot("compare-es")

        s.focus(s.window_id(title=COMPARE_TITLE))
        pdf_path = os.path.join(s.home, "comparacion.pdf")
        save_through_dialog(s, calc.app, "ctrl+shift+s", "Guardar como PDF", pdf_path)
        text = " ".join(" ".join(page) for page in pdf_pages(pdf_path))
        for needle in ("Banco Peñón", "Crédito Roble", "Costo en 7 años", "75,634.94",
                       "Qué oferta le conviene más"):
            if needle not in text:
                raise HarnessError(f"{needle!r} is not in the PDF: {text[:400]!r}")
        subprocess.run(["pdftoppm", "-r", "60", "-f", "1", "-l", "1", "-png", pdf_path,
                        os.path.join(artifacts, "e2e_keep_and_compare_es-pdf")], check=True)

        # English from the calculator's View menu: both windows change, the typed values stay.
        s.focus(calc.wid)
        typed = calc.shown(INPUTS)
        # Alt+V opens Ver, I its Idioma, E picks English.
        s.key("alt+v")
        s.key("i")
        s.key("e")
        wait_until(lambda: bool(s.find_all(calc.main, name="Home Purchase Price")), s.timeout,
                   "the calculator in English")
        wait_until(lambda: any(s.name_of(w) == "Compare Offers" for w in s.windows(calc.app)),
                   s.timeout, "the Compare window in English")
        fields = {s.name_of(n): n for n in s.walk(calc.main) if s.role_of(n) != "label"}
        shown = [s.text_of(fields[n]) for n in ["Home Purchase Price", "Term in Years"]]
        if shown != [typed[0], typed[2]]:
            raise HarnessError(f"the typed values became {shown!r}, were {typed!r}")
        s.screenshot("after-english")


if __name__ == "__main__":
    sys.exit(run_scenarios({"keep_and_compare_es": keep_and_compare_es}))
