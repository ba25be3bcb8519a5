"""Prints the companion's Word reports through LibreOffice and checks the pages.

For each sample: the report's structure read back with python-docx (a picture at least twice
the chart's on-screen width, the grid as a NumRows x 11 table, the log after it); then the PDF
that LibreOffice makes of it: A4 pages, every grid row on one line of `pdftotext -layout` with
each non-empty cell one unbroken token, and the shipped sample's report on one page.

Usage: report_print_test.py TARNEK_CLI DATA_DIR SAMPLE...
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

import docx
from docx.oxml.ns import qn

# The chart's width in the window, in pixels at 1:1; the report's picture has twice as many.
CHART_WIDTH = 785
A4_POINTS = (595.3, 841.9)

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message, file=sys.stderr)


def run(arguments, **options):
    return subprocess.run(arguments, check=True, capture_output=True, text=True, timeout=240,
                          **options)


def analysis(cli, table, sample):
    return json.loads(run([cli, "--json", "--table", table, sample]).stdout.splitlines()[0])


def check_structure(name, path, result):
    document = docx.Document(path)
    body = list(document.element.body.iterchildren())
    tables = [child for child in body if child.tag == qn("w:tbl")]
    check(len(tables) == 1, f"{name}: one table")
    check(len(document.inline_shapes) == 1, f"{name}: one picture")
    if len(document.inline_shapes) == 1:
        blip = document.inline_shapes[0]._inline.graphic.graphicData.pic.blipFill.blip
        image = document.part.related_parts[blip.embed].image
        check(image.px_width >= 2 * CHART_WIDTH,
              f"{name}: picture {image.px_width} px wide, want at least {2 * CHART_WIDTH}")
    grid = result["grid"]
    table = document.tables[0]
    cells = [[cell.text for cell in row.cells] for row in table.rows]
    check(len(cells) == len(grid) and all(len(row) == 11 for row in cells),
          f"{name}: table of {len(grid)} x 11")
    check(cells == grid, f"{name}: table texts are the grid's")
    after = [child for child in body[body.index(tables[0]) + 1:] if child.tag == qn("w:p")]
    texts = ["".join(t.text or "" for t in p.iter(qn("w:t"))) for p in after]
    check(texts[:1 + len(result["log"])] == [""] + result["log"], f"{name}: log lines after the table")


def check_print(name, pdf, result, one_page):
    info = run(["pdfinfo", pdf]).stdout
    pages = int(next(line.split()[-1] for line in info.splitlines() if line.startswith("Pages:")))
    size = next(line for line in info.splitlines() if line.startswith("Page size:")).split()
    width, height = float(size[2]), float(size[4])
    check(abs(width - A4_POINTS[0]) < 1 and abs(height - A4_POINTS[1]) < 1,
          f"{name}: page {width} x {height} pt, want A4 portrait")
    if one_page:
        check(pages == 1, f"{name}: {pages} pages, want 1")
    lines = [line.split() for line in run(["pdftotext", "-layout", pdf, "-"]).stdout.splitlines()]
    for number, row in enumerate(result["grid"]):
        cells = [cell for cell in row if cell]
        # An unbroken row is a line of its own whose tokens are exactly its non-empty cells.
        check(not cells or cells in lines,
              f"{name}: grid row {number} {cells} is not one line of whole tokens")


def main():
    cli, data = sys.argv[1], sys.argv[2]
    samples = sys.argv[3:]
    table = os.path.join(data, "exttable.txt")
    shipped = os.path.join(data, "Input.txt")
    with tempfile.TemporaryDirectory() as folder:
        results = {}
        for sample in [shipped] + samples:
            name = os.path.splitext(os.path.basename(sample))[0]
            path = os.path.join(folder, name + ".docx")
            run([cli, "--table", table, "--docx", path, sample])
            results[name] = (sample, analysis(cli, table, sample))
            check_structure(name, path, results[name][1])
        profile = "file://" + os.path.join(folder, "profile")
        documents = [os.path.join(folder, name + ".docx") for name in results]
        run(["soffice", "-env:UserInstallation=" + profile, "--headless", "--convert-to", "pdf",
             "--outdir", folder] + documents)
        for name, (sample, result) in results.items():
            pdf = os.path.join(folder, name + ".pdf")
            check(os.path.exists(pdf), f"{name}: LibreOffice made no PDF")
            if os.path.exists(pdf):
                check_print(name, pdf, result, one_page=sample == shipped)
        if os.environ.get("TARNEK_KEEP_PDF"):
            keep = os.environ["TARNEK_KEEP_PDF"]
            os.makedirs(keep, exist_ok=True)
            for name in results:
                for extension in (".pdf", ".docx"):
                    source = os.path.join(folder, name + extension)
                    if os.path.exists(source):
                        shutil.copy(source, keep)
    print(f"{len(results)} reports checked, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
