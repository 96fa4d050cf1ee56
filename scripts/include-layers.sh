#!/bin/bash
# Lists the quoted includes between the project's folders as "from -> to
# (count)" lines and fails (exit 1, naming each offender on standard error)
# when a folder includes from one that is not below it in the layer order:
#   common < cfg/record < cfg/panel < cfg/pages < cfg/export < cfg/ui, cli
#   common < hal < sim;  hal < bmp;  sim, bmp < preview < cfg/ui, cli
# (cfg/ui and cli are siblings), or when files include each other in a circle
# (a header and its own source file count as one). Includes may be written
# from the root ("cfg/record/record.h") or relative to the including file.
# Only the FOLDERs given are checked (default: all); missing ones are skipped;
# tests/ and bench/ never are.
# Usage: scripts/include-layers.sh ROOT [FOLDER...]
set -euo pipefail
if [ $# -lt 1 ] || [ ! -d "$1" ]; then
  echo "usage: $0 ROOT [FOLDER...]" >&2
  exit 2
fi
exec python3 - "$@" <<'EOF'
import os, re, sys
from collections import Counter

root, wanted = os.path.realpath(sys.argv[1]), sys.argv[2:]
below = {"common": [], "cfg/record": ["common"], "cfg/panel": ["cfg/record"],
         "cfg/pages": ["cfg/panel"], "cfg/export": ["cfg/pages"], "cfg/ui": ["cfg/export", "preview"],
         "cli": ["cfg/export", "preview"], "hal": ["common"], "sim": ["hal"], "bmp": ["hal"],
         "preview": ["sim", "bmp"]}
unknown = [f for f in wanted if f not in below]
if unknown:
    sys.exit("include-layers: unknown folder %s" % ", ".join(unknown))

def all_below(folder):
    found = set(below[folder])
    for lower in below[folder]:
        found |= all_below(lower)
    return found

checked = [f for f in (wanted or below) if os.path.isdir(os.path.join(root, f))]
include = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)

def folder_of(path):
    owners = [f for f in below if path.startswith(f + "/")]
    return max(owners, key=len) if owners else None

def resolve(source, name):
    for base in (os.path.dirname(source), ""):
        path = os.path.normpath(os.path.join(base, name))
        if os.path.isfile(os.path.join(root, path)):
            return path
    return None

counts, offences, modules = Counter(), [], {}
for folder in checked:
    for directory, _, names in os.walk(os.path.join(root, folder)):
        for name in sorted(names):
            if not name.endswith((".h", ".hpp", ".c", ".cpp", ".rc")):
                continue
            source = os.path.relpath(os.path.join(directory, name), root)
            if folder_of(source) != folder:
                continue
            with open(os.path.join(root, source), errors="replace") as text:
                targets = [resolve(source, n) for n in include.findall(text.read())]
            for target in filter(None, targets):
                to = folder_of(target)
                if to is None:
                    continue
                if to != folder:
                    counts[folder, to] += 1
                    if to not in all_below(folder):
                        offences.append("%s includes %s: %s is not below %s"
                                        % (source, target, to, folder))
                module, other = os.path.splitext(source)[0], os.path.splitext(target)[0]
                if to in checked and other != module:
                    modules.setdefault(module, set()).add(other)

def circle_through(start):
    # Shortest way from start back to itself, or None.
    paths, seen = [[start]], {start}
    while paths:
        path = paths.pop(0)
        for nxt in sorted(modules.get(path[-1], ())):
            if nxt == start:
                return path + [start]
            if nxt not in seen:
                seen.add(nxt)
                paths.append(path + [nxt])
    return None

reported = set()
for module in sorted(modules):
    circle = None if module in reported else circle_through(module)
    if circle:
        reported.update(circle)
        offences.append("circle: " + " -> ".join(circle))

for (source, target), count in sorted(counts.items()):
    print("%s -> %s (%d)" % (source, target, count))
for offence in offences:
    print("include-layers: " + offence, file=sys.stderr)
sys.exit(1 if offences else 0)
EOF
