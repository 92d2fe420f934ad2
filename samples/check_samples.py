#!/usr/bin/env python3
"""Check the sample lists (and generated lists) for the ZELT Viewer project.

Usage: check_samples.py [--quiet] [EXTRA_LIST ...]

Without arguments every samples/*.LST file and the section files are
checked.  Extra files (such as the output of zelt-genlist) are checked as
interrupt-style lists.  The exit code is 1 if a hard rule is broken.
"""

import collections
import glob
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# Deliberate oddities; everything else is an error.
DUPLICATES_ALLOWED = {
    "INTERRUP.LST": {"08", "0D", "0E", "2F1600"},
    "OPCODES.LST": {"O0F05"},
}
ADJACENT_DIVIDERS_ALLOWED = {"INTERRUP.LST": 1}
LAST_LINE_DIVIDER = {"SMM.LST"}

REG_ORDER = ["AX", "AH", "AL", "BX", "BH", "BL", "CX", "CH", "CL", "DX", "DH", "DL",
             "SI", "DI", "BP", "SF"]


def is_divider(line):
    return (36 <= len(line) <= 74 and line[:8] == "--------" and line[9:10] == "-")


class Topic:
    def __init__(self, line_no, category, ident, title):
        self.line_no = line_no
        self.category = category
        self.ident = ident
        self.title = title


def split_topics(lines):
    topics = []
    for i, line in enumerate(lines):
        if not is_divider(line):
            continue
        category = line[8]
        ident = line[10:].rstrip("-")
        title = None
        if category != "!" and i + 1 < len(lines) and not is_divider(lines[i + 1]):
            title = lines[i + 1].replace("\t", " ")
        topics.append(Topic(i + 1, category, ident, title))
    return topics


# --- reference notations -------------------------------------------------

INT_REF = re.compile(r'^INT ([0-9A-F]{2})((?:/[A-Z]{2}=[0-9A-F]+h)*)(?:"([^"]*)")?$')
SHORT_REF = re.compile(r'^([A-Z]{2}=[0-9A-F]+h(?:/[A-Z]{2}=[0-9A-F]+h)*)(?:"([^"]*)")?$')


def register_ident(regs):
    """'AX=4B00h/BX=0021h' style parts -> identifier suffix, or None."""
    parts = {}
    for part in regs:
        name, value = part.split("=")
        parts[name] = value[:-1]
    out = ""
    if "AX" in parts:
        out += parts.pop("AX").zfill(4)
    elif "AH" in parts:
        out += parts.pop("AH").zfill(2)
        if "AL" in parts:
            out += parts.pop("AL").zfill(2)
    elif "AL" in parts:
        out += "--" + parts.pop("AL").zfill(2)
    for name in REG_ORDER:
        if name in parts:
            width = 2 if name[1] in "HL" else 4
            out += name + parts.pop(name).zfill(width)
    return None if parts else out


def interrupt_ref(ref, topic):
    """Returns (kind, ident, word); kind is 'int', 'table', 'other' or 'bad'."""
    if re.match(r"^#\d{5}$", ref):
        return "table", ref[1:], None
    if re.match(r"^(MEM|PORT|CMOS|MSR|I2C) ", ref) or ref.startswith("@"):
        return "other", ref, None
    m = INT_REF.match(ref)
    if m:
        regs = [r for r in m.group(2).split("/") if r]
        suffix = register_ident(regs)
        return ("int", m.group(1) + suffix, m.group(3)) if suffix is not None else ("bad", ref, None)
    m = SHORT_REF.match(ref)
    if m and topic.ident[:2] and re.match(r"^[0-9A-F]{2}", topic.ident):
        suffix = register_ident(m.group(1).split("/"))
        return ("int", topic.ident[:2] + suffix, m.group(2)) if suffix is not None else ("bad", ref, None)
    return "bad", ref, None


def simple_ref(pattern, build):
    rx = re.compile(pattern)

    def resolve(ref, topic):
        word = None
        quoted = re.match(r'^(.*)"([^"]*)"$', ref)
        if quoted:
            ref, word = quoted.groups()
        m = rx.match(ref)
        if m:
            return "int", build(m), word
        if re.match(r"^#", ref):
            return "table", ref[1:], None
        return "other", ref, None

    return resolve


RESOLVERS = {
    "PORTS.LST": simple_ref(r"^PORT ([0-9A-F]{4})h(?:-([0-9A-F]{4})h)?$",
                            lambda m: "P" + m.group(1) + (m.group(2) or "")),
    "MEMORY.LST": simple_ref(r"^MEM (?:([0-9A-F]{4})h:([0-9A-F]{4})h|([0-9A-F]{8})h)$",
                             lambda m: "M" + (m.group(3) or m.group(1) + m.group(2))),
    "CMOS.LST": simple_ref(r"^CMOS ([0-9A-F]{2})h$", lambda m: "R" + m.group(1)),
    "FARCALL.LST": simple_ref(r"^@([0-9A-F]{4})h:([0-9A-F]{4})h$",
                              lambda m: "@" + m.group(1) + m.group(2)),
    "MSR.LST": simple_ref(r"^MSR ([0-9A-F]{8})h?$", lambda m: "S" + m.group(1)),
    "I2C.LST": simple_ref(r"^I2C ([0-9A-F]{2})h/([0-9A-F]{2})h(?:/([0-9A-F]{2})h)?$",
                          lambda m: "I" + m.group(1) + m.group(2)
                          + ("--SF" + m.group(3) if m.group(3) else "")),
    "OPCODES.LST": simple_ref(r"^OPCODE ([0-9A-F]+)h$", lambda m: "O" + m.group(1)),
    "SMM.LST": simple_ref(r"^SMM ([0-9A-F]+)h$", lambda m: "SMM" + m.group(1)),
    "TABLES.LST": simple_ref(r"^#(\d{5})$", lambda m: "T" + m.group(1)),
    "BIBLIO.LST": simple_ref(r"^\[(B\d{4})\]$", lambda m: m.group(1)),
    "86BUGS.LST": simple_ref(r"^BUG (\d{3})$", lambda m: "BUG" + m.group(1)),
    "GLOSSARY.LST": simple_ref(r"^GLOSSARY (\w+)$", lambda m: "G" + m.group(1).upper()),
}


def resolve(kind_ident_word, topics_by_prefix):
    kind, ident, word = kind_ident_word
    if kind != "int":
        return kind
    exact = [t for t in topics_by_prefix if t.ident == ident]
    cands = exact or [t for t in topics_by_prefix if t.ident.startswith(ident)]
    if word is not None:
        cands = [t for t in cands if t.title and word.lower() in t.title.lower()]
    if not cands:
        return "unresolved"
    return "exact" if exact else "prefix"


# --- one file ---------------------------------------------------------------

def check_file(path, quiet, style=None):
    name = os.path.basename(path)
    style = style or name
    problems = []
    data = open(path, "rb").read()
    if not data.endswith(b"\r\n"):
        problems.append("last line does not end in CR LF")
    if data.replace(b"\r\n", b"").count(b"\n") or data.replace(b"\r\n", b"").count(b"\r"):
        problems.append("bare CR or LF found")
    for bad, what in ((b"\x00", "NUL"), (b"\x1a", "Ctrl-Z")):
        if bad in data:
            problems.append(what + " byte found")
    high = sum(1 for b in data if b > 127)
    text = data.decode("cp437")
    lines = text.split("\r\n")[:-1]
    topics = split_topics(lines)
    if not topics:
        problems.append("no divider lines")
        return problems
    if topics[0].line_no < 3:
        problems.append("list information too short")

    # dividers
    adjacent = [t for t in topics if t.line_no < len(lines) and is_divider(lines[t.line_no])]
    allowed_adj = ADJACENT_DIVIDERS_ALLOWED.get(style, 0)
    if len(adjacent) != allowed_adj:
        problems.append("adjacent dividers at lines %s (expected %d)"
                        % ([t.line_no for t in adjacent], allowed_adj))
    for t in topics:
        line = lines[t.line_no - 1]
        if len(line) != 60:
            problems.append("divider at line %d is %d chars" % (t.line_no, len(line)))
        if " " in line or "\t" in line:
            problems.append("blank in divider at line %d" % t.line_no)
    last_is_div = is_divider(lines[-1])
    if last_is_div != (style in LAST_LINE_DIVIDER):
        problems.append("last line divider: %s" % last_is_div)

    dropped = {t.line_no for t in adjacent}
    live = [t for t in topics if t.line_no not in dropped]
    counts = collections.Counter(t.ident for t in live)
    dups = {i for i, n in counts.items() if n > 1}
    unexpected = dups - DUPLICATES_ALLOWED.get(style, set())
    if unexpected:
        problems.append("duplicate identifiers: %s" % sorted(unexpected))
    if "!" in {t.category for t in live} and style not in ("INTERRUP.LST",):
        problems.append("'!' category outside INTERRUP.LST")

    tab_titles = [t.line_no + 1 for t in live if t.title is not None
                  and "\t" in lines[t.line_no]]
    empty_titles = [t.line_no for t in live if t.title == ""]
    long_lines = [i + 1 for i, l in enumerate(lines) if len(l) >= 200]
    tab_dividers = 0

    # SeeAlso lines
    resolver = RESOLVERS.get(style, interrupt_ref)
    results = collections.Counter()
    unresolved = []
    odd_seealso = []
    owner = None
    topic_iter = iter(live)
    next_topic = next(topic_iter, None)
    for i, line in enumerate(lines):
        while next_topic is not None and next_topic.line_no == i + 1:
            owner = next_topic
            next_topic = next(topic_iter, None)
        if not line.startswith("SeeAlso:") or owner is None:
            continue
        rest = line[len("SeeAlso:"):]
        if not rest.startswith(" ") or rest.startswith("  "):
            odd_seealso.append((i + 1, "blanks after colon"))
        refs = rest.strip().split(",")
        if any(r != r.strip() for r in refs):
            odd_seealso.append((i + 1, "blank after comma"))
        for ref in refs:
            ref = ref.strip()
            outcome = resolve(resolver(ref, owner), live)
            results[outcome] += 1
            if outcome in ("unresolved", "bad"):
                unresolved.append((i + 1, ref, outcome))
    tables = set(re.findall(r"\(Table (\w?\d{4,5})\)", text))
    table_refs = set(re.findall(r"#(\w?\d{4,5})", text))
    if len(re.findall(r"\(Table (\w?\d{4,5})\)", text)) != len(tables):
        problems.append("a table number is defined twice")

    if not quiet:
        cats = collections.Counter(t.category for t in live)
        print("== %s: %d bytes, %d lines, %d topics (+ list information)"
              % (name, len(data), len(lines), len(live)))
        print("   categories (%d): %s" % (len(cats), "".join(sorted(cats))))
        if dups:
            print("   deliberate duplicate identifiers: %s" % sorted(dups))
        if adjacent:
            print("   dropped divider (two in a row) at lines %s" % [t.line_no for t in adjacent])
        if empty_titles:
            print("   topics with empty title line at lines %s" % empty_titles)
        if tab_titles:
            print("   titles with TAB at lines %s" % tab_titles)
        if long_lines:
            print("   lines of 200+ chars at %s" % long_lines)
        if high:
            print("   bytes above 127: %d" % high)
        print("   last line is a divider: %s" % last_is_div)
        print("   SeeAlso refs: %s" % dict(sorted(results.items())))
        for line_no, what in odd_seealso:
            print("   odd SeeAlso at line %d: %s" % (line_no, what))
        missing_tables = sorted(table_refs - tables)
        if missing_tables and style != "TABLES.LST":
            print("   table refs without table: %s" % missing_tables)
        shown = unresolved if style in RESOLVERS or style == "INTERRUP.LST" else unresolved[:5]
        for line_no, ref, outcome in shown:
            print("   %s ref at line %d: %s" % (outcome, line_no, ref))
        if len(shown) < len(unresolved):
            print("   ... %d more unresolved refs" % (len(unresolved) - len(shown)))
    if style == "INTERRUP.LST":
        need = {"exact", "prefix", "unresolved", "table", "other"}
        if not need <= set(results):
            problems.append("missing kinds of SeeAlso reference: %s" % (need - set(results)))
        if len(odd_seealso) != 2:
            problems.append("expected exactly two odd SeeAlso lines, got %d" % len(odd_seealso))
    if results.get("bad"):
        problems.append("%d references in an unknown notation" % results["bad"])
    return problems


def check_sections():
    problems = []
    sec = os.path.join(HERE, "sections")
    joined = b"".join(open(os.path.join(sec, "INTERRUP." + s), "rb").read() for s in "ABC")
    if joined != open(os.path.join(HERE, "INTERRUP.LST"), "rb").read():
        problems.append("INTERRUP.A+B+C differs from INTERRUP.LST")
    for s in "BC":
        head = open(os.path.join(sec, "INTERRUP." + s), "rb").read().split(b"\r\n", 1)[0]
        if not is_divider(head.decode("cp437")):
            problems.append("INTERRUP.%s does not start with a divider" % s)
    if open(os.path.join(sec, "PORTS.A"), "rb").read() != open(
            os.path.join(HERE, "PORTS.LST"), "rb").read():
        problems.append("PORTS.A differs from PORTS.LST")
    return problems


def main(argv):
    quiet = "--quiet" in argv
    extra = [a for a in argv if a != "--quiet"]
    failures = 0
    paths = extra or sorted(glob.glob(os.path.join(HERE, "*.LST")))
    for path in paths:
        known = os.path.basename(path) in DUPLICATES_ALLOWED or os.path.basename(path) in RESOLVERS
        problems = check_file(path, quiet, None if known or not extra else "generated")
        for p in problems:
            print("ERROR %s: %s" % (os.path.basename(path), p))
        failures += len(problems)
    if not extra:
        for p in check_sections():
            print("ERROR sections: %s" % p)
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
