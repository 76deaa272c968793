"""Writes the workbook the spreadsheet tests read: make_workbook.py OUT.xls

Sheet "Figures": texts, whole and fractional numbers, an empty cell, a date
and a non-ASCII text, used from A1 to E4. Sheet "Notes": two cells away
from the corner (B2 and C3). Sheet "One": the single cell C5.
"""
import datetime
import sys

import xlwt

book = xlwt.Workbook(encoding="utf-8")
figures = book.add_sheet("Figures")
for column, caption in enumerate(["Name", "Count", "Price", "Since"]):
    figures.write(0, column, caption)
figures.write(1, 0, "Alpha")
figures.write(1, 1, 3)
figures.write(1, 2, 2.5)
figures.write(1, 3, datetime.date(2024, 3, 1), xlwt.easyxf(num_format_str="YYYY-MM-DD"))
figures.write(2, 0, "Beta")
figures.write(2, 2, -1.25)
figures.write(3, 1, 70000)
figures.write(3, 4, "Grüße €")
notes = book.add_sheet("Notes")
notes.write(1, 1, "only")
notes.write(2, 2, 42)
book.add_sheet("One").write(4, 2, "x")
book.save(sys.argv[1])
