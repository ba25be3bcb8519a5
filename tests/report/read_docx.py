"""Prints a .docx body as JSON, read with python-docx: paragraphs (text, runs, inline pictures)
and tables."""
import json
import sys

import docx
from docx.table import Table
from docx.text.paragraph import Paragraph
from docx.oxml.ns import qn


def main(path):
    document = docx.Document(path)
    body = []
    for child in document.element.body.iterchildren():
        if child.tag == qn("w:p"):
            paragraph = Paragraph(child, document)
            pictures = child.findall(".//" + qn("wp:inline"))
            runs = [{"text": run.text, "bold": bool(run.bold), "italic": bool(run.italic),
                     "subscript": bool(run.font.subscript),
                     "superscript": bool(run.font.superscript)} for run in paragraph.runs]
            body.append({"kind": "paragraph", "text": paragraph.text,
                         "pictures": len(pictures), "runs": runs})
        elif child.tag == qn("w:tbl"):
            table = Table(child, document)
            body.append({"kind": "table", "columns": len(table.columns),
                         "cells": [[cell.text for cell in row.cells] for row in table.rows],
                         "scripts": sum(1 for run in table._element.iter(qn("w:vertAlign")))})
    shapes = [{"width": int(shape.width), "height": int(shape.height)}
              for shape in document.inline_shapes]
    json.dump({"body": body, "inlineShapes": shapes}, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1])
