#!/usr/bin/env python3
"""Checks that a run account only gained fields.

Usage: scripts/account_gains.py OLD.json NEW.json
       scripts/account_gains.py --pairs LIST

With --pairs, LIST holds one pair per line: a name, the old and the new
account, separated by tabs; every pair is checked in this one process, and
each differing pair is printed as "DIFFERS: name: the difference".

Every value of the old account must stand unchanged in the new one: an
object of the new account may hold keys the old one lacks, but no key may be
missing and no value may differ (numbers are compared as written, so 1 and
1.0 differ).  Arrays must have the same length and agree entry by entry.  A
missing account on both sides agrees; on one side only it differs.  Prints
the first difference and exits with 1; exits with 0 when the new account
only gained fields.
"""

import json
import os
import sys


def load(path):
    if not os.path.exists(path):
        return None
    with open(path, "rb") as fh:
        return json.loads(fh.read(), parse_float=str, parse_int=str)


def first_difference(old, new, where="$"):
    if isinstance(old, dict):
        if not isinstance(new, dict):
            return "%s: an object became %s" % (where, type(new).__name__)
        for key, value in old.items():
            if key not in new:
                return "%s.%s: removed" % (where, key)
            found = first_difference(value, new[key], "%s.%s" % (where, key))
            if found:
                return found
        return None
    if isinstance(old, list):
        if not isinstance(new, list) or len(new) != len(old):
            return "%s: the array changed its length" % where
        for i, (a, b) in enumerate(zip(old, new)):
            found = first_difference(a, b, "%s[%d]" % (where, i))
            if found:
                return found
        return None
    if type(old) is not type(new) or old != new:
        return "%s: %r became %r" % (where, old, new)
    return None


def difference(old_path, new_path):
    """The first difference of two account files, or None."""
    try:
        old, new = load(old_path), load(new_path)
    except ValueError as e:  # not JSON, or cut short
        return "unreadable (%s)" % e
    if old is None and new is None:
        return None
    if old is None or new is None:
        return "present in only one run"
    return first_difference(old, new)


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--pairs":
        failed = 0
        with open(sys.argv[2], encoding="utf-8") as fh:
            for line in fh:
                name, old, new = line.rstrip("\n").split("\t")
                found = difference(old, new)
                if found:
                    print("DIFFERS: %s: account: %s" % (name, found))
                    failed += 1
        return 1 if failed else 0
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    found = difference(sys.argv[1], sys.argv[2])
    if found:
        print("account: " + found)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
