#!/usr/bin/env python3
"""Prints the one table of tools/bench from the benchmark and start-up results.

    table.py CORE.json STARTUP.json
"""
import json
import sys

ROWS = [
    ("BM_LoadSettings", "LoadSettings, settings file of 1 MB"),
    ("BM_TextPage/1/0", "text page (30 lines), file of 1 MB"),
    ("BM_TextPage/100/0", "text page (30 lines), file of 100 MB"),
    ("BM_TextPage/2000/0", "text page (30 lines), file of 2 GB"),
    ("BM_TextPage/1/1", "text page (30 lines), UTF-8 file of 1 MB"),
    ("BM_TextPage/2000/1", "text page (30 lines), UTF-8 file of 2 GB"),
    ("BM_SubmenuOfLongLines", "file submenu (20 lines), lines of 10 kB"),
    ("BM_PageOf999Items", "text page of 999 items"),
    ("BM_FilteredCopy/0", "whole-file filtered copy, 100 MB, 2 MB copied"),
    ("BM_FilteredCopy/2", "the same, UTF-8 file"),
    ("BM_FilteredCopy/1", "whole-file copy of every line, 100 MB"),
    ("BM_FilteredCopy/4", "the same, UTF-8 file"),
    ("BM_FilteredCopy/3", "whole-file filtered copy, 2 GB, few lines"),
    ("BM_GrepSameFile/1", "grep -F -i, same word and file, into a file"),
    ("BM_GrepSameFile/0", "grep -F -i ... > /dev/null (stops at 1st match)"),
    ("BM_FolderListing", "folder listing to 200 files, tree of 10,000"),
    ("BM_SortFileList/0", "sort of the 200 files, by name"),
    ("BM_SortFileList/1", "sort of the 200 files, by folder and name"),
    ("BM_MarkedLinesCommand", "marked-lines command, 999 lines of 1 kB"),
    ("BM_MarkedLinesToClipboard", "marked lines to the clipboard, 999 of 1 kB"),
]
SCALE = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def milliseconds(run):
    return run["real_time"] * SCALE[run["time_unit"]]


def size(bytes_):
    if bytes_ is None:
        return ""
    for unit, factor in (("MB", 1e6), ("kB", 1e3)):
        if bytes_ >= factor:
            return "%.1f %s" % (bytes_ / factor, unit)
    return "%d B" % bytes_


def duration(ms):
    return "%.3f ms" % ms if ms < 10 else "%.1f ms" % ms


def main():
    core = json.load(open(sys.argv[1]))
    startup = json.load(open(sys.argv[2]))
    runs = {}
    for run in core["benchmarks"]:
        name = run["name"].split("/min_time")[0].split("/iterations")[0].replace("/real_time", "")
        runs[name] = run
    line = "+" + "-" * 52 + "+" + "-" * 13 + "+" + "-" * 11 + "+"
    print(line)
    print("| %-50s | %11s | %9s |" % ("measurement", "time", "peak heap"))
    print(line)
    for key, label in ROWS:
        run = runs.get(key)
        if not run:
            print("| %-50s | %11s | %9s |" % (label, "missing", ""))
            continue
        print("| %-50s | %11s | %9s |" % (label, duration(milliseconds(run)), size(run.get("peak_heap"))))
    print(line)
    medians = startup["median_ms"]
    bare = medians["bare_menu"]
    for name, value in medians.items():
        print("| %-50s | %11s | %9s |" % ("start-up under Wine: " + name, duration(value), ""))
    print(line)
    pages = [milliseconds(runs[k]) for k in ("BM_TextPage/1/0", "BM_TextPage/100/0", "BM_TextPage/2000/0")]
    heaps = {runs[k].get("peak_heap") for k in ("BM_TextPage/1/0", "BM_TextPage/100/0", "BM_TextPage/2000/0")}
    utf8 = [milliseconds(runs[k]) for k in ("BM_TextPage/1/1", "BM_TextPage/2000/1")]
    copy, utf8_copy = runs["BM_FilteredCopy/0"], runs["BM_FilteredCopy/2"]
    every, utf8_every = runs["BM_FilteredCopy/1"], runs["BM_FilteredCopy/4"]
    big = runs["BM_FilteredCopy/3"]
    grep = milliseconds(runs["BM_GrepSameFile/1"])
    checks = [
        ("text page 2 GB / 1 MB: time", pages[-1] / pages[0], None),
        ("text page 2 GB / 1 MB: peak heap", "same" if len(heaps) == 1 else "differs", None),
        ("UTF-8 text page 2 GB / 1 MB: time", utf8[-1] / utf8[0], None),
        ("whole-file copy / grep -F -i", milliseconds(copy) / grep, 0.8),
        ("the same, UTF-8 file / grep -F -i", milliseconds(utf8_copy) / grep, 0.8),
        ("copy, UTF-8 / code page 932", milliseconds(utf8_copy) / milliseconds(copy), 1.3),
        ("copy of every line, UTF-8 / code page 932", milliseconds(utf8_every) / milliseconds(every), 1.5),
        ("copy, 100 MB: peak heap - copied text, MB", (copy["peak_heap"] - copy["copied"]) / 1e6, 2.0),
        ("the same, UTF-8 file", (utf8_copy["peak_heap"] - utf8_copy["copied"]) / 1e6, 2.0),
        ("copy, 2 GB: peak heap - copied text, MB", (big["peak_heap"] - big["copied"]) / 1e6, 2.0),
    ]
    for name, value in medians.items():
        if name != "bare_menu":
            short = name.replace("Qivora, ", "").replace(" files", "")
            checks.append(("start-up, %s / bare: ratio of medians" % short, value / bare, None))
            checks.append(("start-up, %s / bare: median of rounds" % short, startup["paired_ratio"][name], 1.1))
    for label, value, target in checks:
        shown = value if isinstance(value, str) else "%.2f" % value
        print("| %-50s | %11s | %9s |" % (label, shown, "<= %.1f" % target if target else ""))
    print(line)
    print("start-up: %d rounds, each one run of every program in turn; a round's ratio" % startup["runs"])
    print("compares runs that met the same load of the machine")


if __name__ == "__main__":
    main()
