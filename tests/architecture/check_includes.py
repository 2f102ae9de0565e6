#!/usr/bin/env python3
"""Fails when a source file includes a header of a folder that its own folder
may not use, by the table in cmake/layers.txt. Usage: check_includes.py ROOT"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([a-z/]+)/', re.MULTILINE)


def read_layers(root):
    layers = {}
    for line in (root / 'cmake' / 'layers.txt').read_text().splitlines():
        if re.match(r'^[a-z/]+:', line):
            folder, _, uses = line.partition(':')
            layers[folder] = set(uses.split())
    return layers


def folder_of(path, layers):
    """The folder of the table an include path leads into, the deepest first."""
    parts = path.split('/')
    for length in range(len(parts), 0, -1):
        candidate = '/'.join(parts[:length])
        if candidate in layers:
            return candidate
    return None


def wrong_includes(root, layers):
    for folder, allowed in layers.items():
        for source in sorted((root / folder).rglob('*')):
            if source.suffix not in ('.h', '.cpp'):
                continue
            for path in INCLUDE.findall(source.read_text(errors='replace')):
                included = folder_of(path, layers)
                if included and included != folder and included not in allowed:
                    yield f'{source.relative_to(root)} includes {included}/, which {folder}/ may not use'


def main():
    root = pathlib.Path(sys.argv[1])
    layers = read_layers(root)
    problems = list(wrong_includes(root, layers))
    for problem in problems:
        print(problem)
    print(f'{len(layers)} folders checked, {len(problems)} wrong includes')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
