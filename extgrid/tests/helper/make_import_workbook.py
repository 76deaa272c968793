"""Writes the workbook the grid's import tests read: make_import_workbook.py OUT.xls

Sheet "Wide" (the first): texts and numbers from A1 to AC3, past column Z.
Sheet "Notes": two cells away from the corner (B2 and C3). Sheet "One": the
single cell C5.
"""
import sys

import xlwt

book = xlwt.Workbook(encoding="utf-8")
wide = book.add_sheet("Wide")
wide.write(0, 0, "Name")
wide.write(0, 1, "Count")
wide.write(0, 28, "Far")
wide.write(1, 0, "Alpha")
wide.write(1, 1, 3)
wide.write(1, 2, 2.5)
wide.write(2, 0, "Beta")
wide.write(2, 28, "end")
notes = book.add_sheet("Notes")
notes.write(1, 1, "only")
notes.write(2, 2, 42)
book.add_sheet("One").write(4, 2, "x")
book.save(sys.argv[1])
