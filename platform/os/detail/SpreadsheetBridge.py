# The bridge between the platform's spreadsheet automation and LibreOffice
# Calc: a small program of ours that connects to a headless office through
# UNO and answers one JSON request per line on stdin with one JSON answer
# per line on stdout. The platform starts it as
#
#   python3 -c <this script> <UNO connection> <seconds to wait for the office>
#
# and keeps the office's workbooks on the office's side: our own process
# never reads a workbook file.
#
# Requests ("op") and their answers (each also {"ok": true}, or
# {"ok": false, "error": text} on failure):
#   open {path}                        {book, sheets: [names], active: index from 0}
#   usedRange {book, sheet}            {top, left, bottom, right} from 0
#   values {book, sheet, top, left, bottom, right}
#                                      {cells: [[row, column, text]], errors: [[row, column]]},
#                                      places from 0 within the range, only cells that show a text
#   close {book}                       {}
#   quit                               {} and the office and the bridge end
# When the office itself went away the answer also says {"lost": true} and
# the bridge ends.
import csv
import io
import json
import os
import shutil
import sys
import tempfile
import time

# Answers are UTF-8 whatever the locale; a lone surrogate of a damaged text
# becomes "?" rather than breaking the line.
sys.stdin = io.TextIOWrapper(sys.stdin.buffer, encoding="utf-8", errors="replace")
sys.stdout = io.TextIOWrapper(sys.stdout.buffer, encoding="utf-8", errors="replace", newline="\n")

# The limits of one values request: the cells exported (a sheet is exported
# from A1 to the end of its used area) and the size of their text.
MAX_EXPORT_CELLS = 1 << 24
MAX_EXPORT_BYTES = 128 << 20

# Filters of the workbook formats; a file the office can only read as text
# (random bytes, a damaged workbook, a CSV file) is no workbook.
WORKBOOK_FILTERS = ("MS Excel", "Calc MS Excel", "Calc Office Open XML", "calc8", "StarOffice XML (Calc)",
                    "calc_StarOffice_XML_Calc", "OpenDocument Spreadsheet")


def answer(fields):
    sys.stdout.write(json.dumps(dict(fields, ok=True), ensure_ascii=False) + "\n")
    sys.stdout.flush()


def fail(text, lost=False):
    fields = {"ok": False, "error": text}
    if lost:
        fields["lost"] = True
    sys.stdout.write(json.dumps(fields, ensure_ascii=False) + "\n")
    sys.stdout.flush()


class Refused(Exception):
    pass


try:
    import uno
    from com.sun.star.beans import PropertyValue
    from com.sun.star.connection import NoConnectException
except ImportError:
    fail("the UNO bridge for Python is not installed (Debian package python3-uno)")
    sys.exit(1)


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


def connect(connection, seconds):
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    deadline = time.monotonic() + seconds
    while True:
        try:
            return resolver.resolve("uno:" + connection + ";urp;StarOffice.ComponentContext")
        except NoConnectException:
            if time.monotonic() > deadline:
                raise Refused("the spreadsheet application did not start within %d seconds" % seconds)
            time.sleep(0.05)


class Office:
    def __init__(self, context):
        self.context = context
        self.manager = context.ServiceManager
        self.desktop = self.manager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
        self.books = {}
        self.next_book = 1
        # Calc itself must be there, not only the office's core.
        try:
            probe = self.desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (prop("Hidden", True),))
        except uno.getClass("com.sun.star.uno.Exception"):
            probe = None
        if probe is None:
            raise Refused("the spreadsheet application is not installed (Debian package libreoffice-calc-nogui)")
        probe.close(True)

    def alive(self):
        try:
            self.desktop.getFrames().getCount()
            return True
        except Exception:  # any failure of the simplest call: the office is gone
            return False

    def book(self, request):
        book = self.books.get(request.get("book"))
        if book is None:
            raise Refused("the workbook is not open")
        return book

    def sheet(self, request):
        sheets = self.book(request).Sheets
        index = request.get("sheet")
        if not isinstance(index, int) or not 0 <= index < sheets.Count:
            raise Refused("there is no such sheet")
        return sheets.getByIndex(index)

    def open(self, request):
        path = request["path"]
        if not os.path.isfile(path):
            raise Refused("it is not a file")
        if os.path.getsize(path) == 0:
            raise Refused("the file is empty")
        # Read only (no lock file beside it), hidden, no macros, no links
        # followed, no dialogs.
        arguments = (prop("Hidden", True), prop("ReadOnly", True), prop("MacroExecutionMode", 0),
                     prop("UpdateDocMode", 0), prop("Silent", True))
        try:
            book = self.desktop.loadComponentFromURL(uno.systemPathToFileUrl(path), "_blank", 0, arguments)
        except uno.getClass("com.sun.star.uno.Exception"):
            book = None
        if book is None:
            raise Refused("the spreadsheet application cannot read it")
        used_filter = {a.Name: a.Value for a in book.getArgs()}.get("FilterName", "")
        if not book.supportsService("com.sun.star.sheet.SpreadsheetDocument") or not used_filter.startswith(
                WORKBOOK_FILTERS):
            book.close(True)
            raise Refused("it is not a workbook")
        number = self.next_book
        self.next_book += 1
        self.books[number] = book
        sheets = book.Sheets
        active = book.CurrentController.ActiveSheet.Name
        names = list(sheets.ElementNames)
        return {"book": number, "sheets": names, "active": names.index(active) if active in names else 0}

    def used_range(self, request):
        cursor = self.sheet(request).createCursor()
        cursor.gotoStartOfUsedArea(False)
        cursor.gotoEndOfUsedArea(True)
        area = cursor.RangeAddress
        return {"top": area.StartRow, "left": area.StartColumn, "bottom": area.EndRow, "right": area.EndColumn}

    def values(self, request):
        book = self.book(request)
        sheet = self.sheet(request)
        top, left, bottom, right = (request[k] for k in ("top", "left", "bottom", "right"))
        if not all(isinstance(v, int) for v in (top, left, bottom, right)) or not (
                0 <= top <= bottom and 0 <= left <= right):
            raise Refused("the range is not a range of the sheet")
        # The export runs from A1 to the end of the sheet's used area, whatever
        # the range asks for.
        used = self.used_range(request)
        if (used["bottom"] + 1) * (used["right"] + 1) > MAX_EXPORT_CELLS:
            raise Refused("the sheet's used area reaches beyond %d cells" % MAX_EXPORT_CELLS)
        rows = self.shown_texts(book, request["sheet"])
        shown = {}
        for row in range(top, min(bottom + 1, len(rows))):
            line = rows[row]
            for column in range(left, min(right + 1, len(line))):
                if line[column] != "":
                    shown[(row, column)] = line[column]
        shown.update(self.corrections(book, sheet, shown, top, left, bottom, right))
        errors = list(self.error_cells(sheet, top, left, bottom, right))
        for place in errors:
            shown.pop(place, None)
        return {"cells": [[r - top, c - left, text] for (r, c), text in sorted(shown.items())],
                "errors": [[r - top, c - left] for r, c in errors]}

    def shown_texts(self, book, index):
        """Every cell's text as the sheet shows it, rows of columns from A1:
        the sheet exported "as shown" into a fresh folder of our temporary
        folder, read and removed at once."""
        folder = tempfile.mkdtemp(prefix="sheet-")
        try:
            # Tab-separated, quoted text, UTF-8, contents as shown, no
            # formulas, the sheet by its number from 1.
            options = "9,34,76,1,,0,true,false,true,false,false,%d" % (index + 1)
            book.storeToURL(uno.systemPathToFileUrl(os.path.join(folder, "sheet.csv")),
                            (prop("FilterName", "Text - txt - csv (StarCalc)"), prop("FilterOptions", options)))
            written = os.listdir(folder)
            if len(written) != 1:
                raise Refused("the sheet cannot be read")
            path = os.path.join(folder, written[0])
            if os.path.getsize(path) > MAX_EXPORT_BYTES:
                raise Refused("the sheet's text exceeds %d bytes" % MAX_EXPORT_BYTES)
            csv.field_size_limit(MAX_EXPORT_BYTES)
            with open(path, encoding="utf-8", errors="replace", newline="") as text:
                return list(csv.reader(text, delimiter="\t", quotechar='"'))
        finally:
            shutil.rmtree(folder, ignore_errors=True)

    def error_cells(self, sheet, top, left, bottom, right):
        ERROR = 4  # com.sun.star.sheet.FormulaResult.ERROR
        for area in sheet.queryFormulaCells(ERROR).RangeAddresses:
            for row in range(max(area.StartRow, top), min(area.EndRow, bottom) + 1):
                for column in range(max(area.StartColumn, left), min(area.EndColumn, right) + 1):
                    yield row, column

    def corrections(self, book, sheet, shown, top, left, bottom, right):
        """Texts the export shows differently from the sheet's user: Calc
        keeps a boolean of an .xls workbook as the formula TRUE() or FALSE()
        and shows it in the General format as 1 or 0, where the workbook's
        user sees TRUE or FALSE; and a date-time whose format shows only the
        time would lose its day, so it comes as Calc's input line shows it
        (date and time, or the hours of a duration)."""
        fixed = {}
        formats = book.NumberFormats
        locale = book.CharLocale
        boolean_key = formats.getStandardFormat(1024, locale)  # NumberFormat.BOOLEAN
        formatter = self.manager.createInstanceWithContext("com.sun.star.util.NumberFormatter", self.context)
        formatter.attachNumberFormatsSupplier(book)
        area = sheet.getCellRangeByPosition(left, top, right, bottom)
        VALUE = 1  # com.sun.star.sheet.FormulaResult.VALUE
        for part in area.queryFormulaCells(VALUE):
            start = part.RangeAddress
            formulas = part.FormulaArray
            values = part.DataArray
            for r, row in enumerate(formulas):
                for c, formula in enumerate(row):
                    place = (start.StartRow + r, start.StartColumn + c)
                    if formula in ("=TRUE()", "=FALSE()") and shown.get(place) in ("0", "1"):
                        fixed[place] = formatter.convertNumberToString(boolean_key, values[r][c])
        TIME = 4  # NumberFormat.TIME
        time_only = {}
        for part in area.CellFormatRanges:
            key = part.NumberFormat
            if key not in time_only:
                shape = formats.getByKey(key)
                time_only[key] = shape.Type == TIME and "[" not in shape.FormatString
            if not time_only[key]:
                continue
            start = part.RangeAddress
            for r, row in enumerate(part.DataArray):
                for c, value in enumerate(row):
                    if isinstance(value, float) and abs(value) >= 1:
                        fixed[(start.StartRow + r, start.StartColumn + c)] = formatter.getInputString(key, value)
        return fixed

    def close(self, request):
        book = self.book(request)
        del self.books[request["book"]]
        book.close(True)
        return {}


def serve(office):
    operations = {"open": office.open, "usedRange": office.used_range, "values": office.values, "close": office.close}
    for line in sys.stdin:
        try:
            request = json.loads(line)
            op = request.get("op")
            if op == "quit":
                answer({})
                return
            if op not in operations:
                raise Refused("unknown request")
            answer(operations[op](request))
        except Refused as e:
            fail(str(e))
        except Exception as e:  # what the office raised: its message is the reason
            reason = getattr(e, "Message", "") or "%s: %s" % (type(e).__name__, e)
            if not office.alive():
                fail("the connection to the spreadsheet application is gone (%s)" % reason, lost=True)
                return
            fail(reason)


def main():
    connection, seconds = sys.argv[1], int(sys.argv[2])
    try:
        office = Office(connect(connection, seconds))
    except Refused as e:
        fail(str(e))
        return
    answer({})
    try:
        serve(office)
    finally:
        try:
            for book in list(office.books.values()):
                book.close(True)
            office.desktop.terminate()
        except Exception:  # the office is gone, or ends while it answers
            pass


main()
sys.stdout.flush()
# The interpreter's own shutdown may crash in the UNO bridge's threads once
# the office is gone; there is nothing left to tidy.
os._exit(0)
