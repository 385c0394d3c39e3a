#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The shipped sample library must load completely: at least 3 categories and 30 pictures, one
# category large enough to page, and nothing skipped.
set -euo pipefail
dist=$1
json=$("$dist/tessiva-pack" list --json "$dist")
python3 - "$json" <<'PY'
import json, sys
library = json.loads(sys.argv[1])
sizes = [len(c["puzzles"]) for c in library["categories"]]
problems = []
if library["skipped"]:
    problems.append(f"skipped: {library['skipped']}")
if len(sizes) < 3:
    problems.append(f"only {len(sizes)} categories")
if len(library["puzzles"]) < 30:
    problems.append(f"only {len(library['puzzles'])} puzzles")
if max(sizes, default=0) <= 20:
    problems.append("no category holds more than 20 puzzles")
if problems:
    sys.exit("; ".join(problems))
print(f"{len(sizes)} categories, {len(library['puzzles'])} puzzles, nothing skipped")
PY
