"""Reads velmor-cli's exports back with real parsers and prints what they
hold as plain lines for the cli tests to compare. A fault in the file's
form is printed as a line starting with ERROR.

    eksport_sprawdz.py ics FILE...   events of each calendar
    eksport_sprawdz.py ics-ids FILE... each event's UID, SEQUENCE, STATUS and last date
    eksport_sprawdz.py csv FILE      the rows, cells separated by tabs
    eksport_sprawdz.py excel FILE    the same of a CSV for Polish Excel
    eksport_sprawdz.py json FILE     the duty and loads views rebuilt from it
    eksport_sprawdz.py check PLAN CHECK  the check's findings joined to the plan's JSON
    eksport_sprawdz.py html FILE     the plan table and the teacher blocks
    eksport_sprawdz.py pdf FILE TABLE  the pages against the table (pdf_sprawdz.py)

Line breaks inside a value are printed as the sign U+23CE.
"""
import csv
import datetime
import json
import re
import sys
import xml.etree.ElementTree as ET
import zoneinfo

import icalendar
from dateutil.rrule import rrulestr

NL = "\u23ce"
# A TEXT value of RFC 5545: no bare ; , \ or control character.
TEXT = re.compile(r"(?:[^\\;,\x00-\x08\x0a-\x1f\x7f]|\\[\\;,nN])*")


def t(value):
    return str(value).replace("\r\n", NL).replace("\n", NL)


def row(cells):
    print("\t".join(t(c) for c in cells))


def time_of(prop):
    if prop is None:
        return "-"
    dt = prop.dt
    if isinstance(dt, datetime.datetime):
        zone = getattr(dt.tzinfo, "zone", None) or "floating"
        return f"{dt.isoformat()} {zone}"
    return dt.isoformat()


def last_date(e):
    """The date of the event's last occurrence, its RRULE expanded."""
    start = e["DTSTART"].dt
    zone = getattr(getattr(start, "tzinfo", None), "zone", None)
    if zone:  # a pytz zone keeps DTSTART's offset through the year: expand in zoneinfo's
        start = start.replace(tzinfo=zoneinfo.ZoneInfo(zone))
    rule = rrulestr(e["RRULE"].to_ical().decode(), dtstart=start)
    last = list(rule)[-1]
    return last.date().isoformat() if isinstance(last, datetime.datetime) else last.isoformat()


def ics(paths, ids=False):
    for path in paths:
        raw = open(path, "rb").read()
        print("FILE", path.rsplit("/", 1)[-1])
        if not raw.endswith(b"\r\n"):
            print("ERROR the last line does not end with CR LF")
        for i, line in enumerate(raw.split(b"\r\n")[:-1]):
            if b"\n" in line or b"\r" in line:
                print(f"ERROR line {i}: a bare line break")
            if len(line) > 75:
                print(f"ERROR line {i}: {len(line)} octets")
            try:
                line.decode("utf-8")
            except UnicodeDecodeError:
                print(f"ERROR line {i}: not UTF-8 on its own (a character split by folding)")
        # The parser is lenient about escapes: the text values are checked here.
        for line in raw.decode("utf-8").replace("\r\n ", "").split("\r\n"):
            name, _, value = line.partition(":")
            if name in ("SUMMARY", "LOCATION", "DESCRIPTION", "X-WR-CALNAME") and \
                    not TEXT.fullmatch(value):
                print("ERROR not a TEXT value:", line)
        cal = icalendar.Calendar.from_ical(raw)
        if str(cal.get("VERSION")) != "2.0" or not cal.get("PRODID"):
            print("ERROR no VERSION:2.0 or PRODID")
        for component in cal.walk():
            for error in component.errors:
                print("ERROR", component.name, error)
        print("CAL", t(cal.get("X-WR-CALNAME")))
        uids = set()
        for e in cal.walk("VEVENT"):
            if cal.get("METHOD") and e.get("ORGANIZER") is None:
                print("ERROR METHOD without ORGANIZER (RFC 5546)")
            if e.get("DTSTAMP") is None or not str(e.get("DTSTAMP").to_ical()).endswith("Z'"):
                print("ERROR DTSTAMP missing or not UTC")
            if e["UID"] in uids:
                print("ERROR UID twice:", e["UID"])
            uids.add(e["UID"])
            if ids:
                row(["ID", e["UID"], e.get("SEQUENCE", "-"), e.get("STATUS", "-"), last_date(e)])
                continue
            row(["EVENT", time_of(e.get("DTSTART")), time_of(e.get("DTEND")),
                 e["RRULE"].to_ical().decode(), e["SUMMARY"], e["LOCATION"], e["DESCRIPTION"]])


def csv_file(path, excel=False):
    data = open(path, "rb").read()
    if data.startswith(b"\xef\xbb\xbf") != excel:
        print("ERROR a byte-order mark" if not excel else "ERROR no byte-order mark")
    if data and not data.endswith(b"\r\n"):
        print("ERROR the last row does not end with CR LF")
    with open(path, newline="", encoding="utf-8-sig") as f:
        for cells in csv.reader(f, delimiter=";" if excel else ",", strict=True):
            row(cells)


def indexed(plan):
    """Every list's index fields against the positions; an ERROR for each that differs."""
    if plan.get("version") != 2:
        print("ERROR version", plan.get("version"))
    for key in ("moments", "regions", "teachers"):
        for i, x in enumerate(plan[key]):
            if x["index"] != i:
                print("ERROR", key, i, "has index", x["index"])
    for line in plan["table"]:
        for r, cell in enumerate(line["cells"]):
            if cell["regionIndex"] != r:
                print("ERROR cell", r, "of region", cell["regionIndex"])
            i = cell["teacherIndex"]
            if (cell["teacher"] is None) != (i is None) or \
                    (i is not None and plan["teachers"][i]["name"] != cell["teacher"]):
                print("ERROR teacher", i, "named", cell["teacher"])


def label(plan, i):
    moment = plan["moments"][i]
    return plan["days"][moment["day"]]["name"][:3] + " " + moment["name"]


def json_file(path):
    plan = json.load(open(path, encoding="utf-8"))
    indexed(plan)
    print("START", plan["start"])
    # The duty view of `velmor-cli show`, from the JSON alone.
    row(["Moment"] + [r["name"] for r in plan["regions"]])
    for line in plan["table"]:
        cells = []
        for cell, region in zip(line["cells"], plan["regions"]):
            if cell["region"] != region["name"]:
                print("ERROR cell of", cell["region"], "under", region["name"])
            if cell["closed"] and cell["teacher"] is not None:
                print("ERROR a closed cell names a teacher")
            cells.append(cell["teacher"] or ("[zakaz]" if cell["closed"] else "....."))
        row([label(plan, line["moment"])] + cells)
    # The loads view.
    row(["Nauczyciel", "Dyżury", "Minuty", "Limit dyżurów", "Limit minut"])
    for n in plan["teachers"]:
        row([n["name"], n["duties"], n["minutes"], n["dutyLimit"], n["minuteLimit"]])
    for n in plan["teachers"]:
        if n["bannedMoments"]:
            row(["BANS", n["surname"], n["firstName"]] + n["bannedMoments"])
    for r in plan["regions"]:
        row(["REGION", r["name"], r["colour"], ", ".join(r["rooms"])])
    for m in plan["moments"]:
        row(["MOMENT", m["name"], m["minutes"], m["long"]])
    row(["TIMES"] + [f"{m['start']}-{m['end']}" if m["start"] else "" for m in plan["moments"]])
    row(["OPTIONS", json.dumps(plan["options"], sort_keys=True)])


def check_file(plan_path, check_path):
    """The check's findings named through the plan's indices, as it names them;
    how many moments, regions and teachers were so joined."""
    plan = json.load(open(plan_path, encoding="utf-8"))
    joined = [0, 0, 0]
    for f in json.load(open(check_path, encoding="utf-8")):
        names = [(f["momentIndex"], f["moment"], lambda i: label(plan, i)),
                 (f["regionIndex"], f["region"], lambda i: plan["regions"][i]["name"]),
                 (f["teacherIndex"], f["teacher"], lambda i: plan["teachers"][i]["name"])]
        for k, (i, name, of) in enumerate(names):
            if (i is None) != (name is None) or (i is not None and of(i) != name):
                print("ERROR", i, "is not", name)
            joined[k] += i is not None
    row(["JOINED"] + joined)


def html_file(path):
    ns = {"h": "http://www.w3.org/1999/xhtml"}
    root = ET.parse(path).getroot()  # fails on a page that is not well-formed
    style = root.find("h:head/h:style", ns).text
    media = style[style.index("@media print"):]
    print("PRINT", "section { break-before: page;" in media)
    sections = root.findall("h:body/h:section", ns)
    print("SECTIONS", len(sections))
    plan = sections[0].find("h:table", ns)
    heads = plan.findall("h:thead/h:tr/h:th", ns)
    row(["Moment"] + ["".join(h.itertext()) for h in heads[2:]])
    row(["COLOURS"] + [h.get("style", "") for h in heads[2:]])
    shown = {"brak": ".....", "\u2014": "[zakaz]"}
    times = ["TIMES"]
    for body in plan.findall("h:tbody", ns):
        day = None
        for tr in body.findall("h:tr", ns):
            th = tr.find("h:th", ns)
            if th is not None:
                day = "".join(th.itertext())
            tds = tr.findall("h:td", ns)
            # The moment's name, and its clock times apart.
            times.append("".join("".join(s.itertext()) for s in tds[0].findall("h:span", ns)))
            cells = [(tds[0].text or "").rstrip()] + ["".join(td.itertext()) for td in tds[1:]]
            row([day[:3] + " " + cells[0]] + [shown.get(c, c) for c in cells[1:]])
    row(times)
    for s in sections[1:]:
        name = "".join(s.find("h:h2", ns).itertext())
        table = s.find("h:table", ns)
        if table is None:
            row(["BLOCK", name, "".join(s.find("h:p", ns).itertext())])
            continue
        duties = [["".join(td.itertext()) for td in tr.findall("h:td", ns)]
                  for tr in table.findall("h:tbody/h:tr", ns)]
        total = " ".join("".join(td.itertext()) for td in table.findall("h:tfoot/h:tr/h:td", ns))
        row(["BLOCK", name, len(duties), sum(int(d[3]) for d in duties), total])
    school, dates = (sections[0].find(f"h:p[@class='{c}']", ns) for c in ("szkola", "daty"))
    row(["HEAD"] + ["-" if p is None else "".join(p.itertext()) for p in (school, dates)])


if __name__ == "__main__":
    kind, files = sys.argv[1], sys.argv[2:]
    if kind in ("ics", "ics-ids"):
        ics(files, kind == "ics-ids")
    elif kind in ("csv", "excel"):
        csv_file(files[0], kind == "excel")
    elif kind == "json":
        json_file(files[0])
    elif kind == "check":
        check_file(files[0], files[1])
    elif kind == "html":
        html_file(files[0])
    elif kind == "pdf":
        import pdf_sprawdz
        pdf_sprawdz.check(files[0], files[1])
    else:
        sys.exit("unknown kind " + kind)
