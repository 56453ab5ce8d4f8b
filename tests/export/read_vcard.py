#!/usr/bin/python3
"""Reads one vCard file with python3-vobject and prints its fields as JSON, for pim_tools_test."""

import json
import sys

import vobject


def one(card, name):
    items = card.contents.get(name.lower(), [])
    return items[0] if items else None


def main(path):
    with open(path, encoding="utf-8", newline="") as f:
        card = vobject.readOne(f.read())
    n, org, tel, url, adr, email = (one(card, p) for p in ("N", "ORG", "TEL", "URL", "ADR", "EMAIL"))
    fields = {
        "version": card.version.value,
        "uid": card.uid.value,
        "family": n.value.family if n else None,
        "given": n.value.given if n else None,
        "fn": card.fn.value,
        "org": org.value[0] if org else None,
        "tel": tel.value if tel else None,
        "tel_type": tel.params.get("TYPE") if tel else None,
        "title": card.title.value,
        "url": url.value if url else None,
        "office": adr.value.extended if adr else None,
        "adr_type": adr.params.get("TYPE") if adr else None,
        "email": email.value if email else None,
    }
    json.dump(fields, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1])
