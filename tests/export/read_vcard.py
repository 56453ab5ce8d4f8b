#!/usr/bin/python3
"""Prints the fields of one vCard file, as python3-vobject reads them, as JSON."""
import json
import sys

import vobject

with open(sys.argv[1], encoding="utf-8", newline="") as f:
    card = vobject.readOne(f.read())
first = {name: card.contents[name][0] for name in card.contents}
value = lambda name, get=lambda p: p.value: get(first[name]) if name in first else None
json.dump({
    "version": value("version"), "uid": value("uid"), "fn": value("fn"), "title": value("title"),
    "family": value("n", lambda p: p.value.family), "given": value("n", lambda p: p.value.given),
    "org": value("org", lambda p: p.value[0]), "tel": value("tel"), "url": value("url"),
    "tel_type": value("tel", lambda p: p.params.get("TYPE")), "email": value("email"),
    "office": value("adr", lambda p: p.value.extended),
    "adr_type": value("adr", lambda p: p.params.get("TYPE")),
}, sys.stdout, ensure_ascii=False)
