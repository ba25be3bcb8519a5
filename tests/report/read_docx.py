"""Prints a .docx body as JSON, read with python-docx: paragraphs (text, inline pictures) and tables."""
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
            body.append({"kind": "paragraph", "text": paragraph.text,
                         "pictures": len(pictures)})
        elif child.tag == qn("w:tbl"):
            table = Table(child, document)
            body.append({"kind": "table", "columns": len(table.columns),
                         "cells": [[cell.text for cell in row.cells] for row in table.rows]})
    shapes = [{"width": int(shape.width), "height": int(shape.height)}
              for shape in document.inline_shapes]
    json.dump({"body": body, "inlineShapes": shapes}, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1])
