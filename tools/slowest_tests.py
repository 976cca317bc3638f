#!/usr/bin/env python3
"""Prints the slowest test cases of a test run from the XML reports in the given folders,
so that creeping test times show early: GoogleTest's (GTEST_OUTPUT=xml:<folder>/) and
CTest's JUnit report (--output-junit), where each case is a test of its own.

Usage: slowest_tests.py [--count N] folder...

A folder that is missing and a report that is cut short (a program that crashed) are
passed over: the table shows what was measured.
"""
import argparse
import pathlib
import sys
import xml.etree.ElementTree as ElementTree


def cases(folder):
    """(seconds, suite.case) of every case that ran, from every report in folder."""
    for report in sorted(pathlib.Path(folder).glob("*.xml")):
        try:
            root = ElementTree.parse(report).getroot()
        except (ElementTree.ParseError, OSError):
            print(f"(unreadable report passed over: {report})", file=sys.stderr)
            continue
        for case in root.iter("testcase"):
            if case.get("status", "run") not in ("run", "fail") or case.get("result", "completed") != "completed":
                continue
            try:
                seconds = float(case.get("time", ""))
            except ValueError:
                continue
            name, suite = case.get("name", "?"), case.get("classname", "")
            # CTest names a case by its test's name, which holds the suite already.
            yield seconds, name if suite in ("", name) else f"{suite}.{name}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--count", type=int, default=5)
    parser.add_argument("folders", nargs="+")
    args = parser.parse_args()
    slowest = {}
    for folder in args.folders:
        for seconds, name in cases(folder):
            slowest[name] = max(seconds, slowest.get(name, 0.0))
    ranked = sorted(slowest.items(), key=lambda item: item[1], reverse=True)[: args.count]
    print(f"\nslowest test cases (of {len(slowest)})")
    if not ranked:
        print("  none measured")
    for name, seconds in ranked:
        print(f"  {name:<86} {seconds:7.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
