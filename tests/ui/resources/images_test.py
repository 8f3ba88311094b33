#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The committed images are the ones tools/draw_images.py draws: drawn afresh into a
temporary folder, each must equal its committed file byte for byte, and every PNG
committed under ui/resources/images/ must be one of them.

Usage: images_test.py PATH-TO-THE-SOURCE-TREE
"""

import os
import subprocess
import sys
import tempfile


def files_below(top):
    return {os.path.relpath(os.path.join(folder, name), top)
            for folder, _, names in os.walk(top) for name in names}


def main():
    source = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as drawn:
        subprocess.run([sys.executable, os.path.join(source, 'tools', 'draw_images.py'),
                        '--into', drawn], check=True, stdout=subprocess.DEVNULL)
        made = files_below(drawn)
        for path in sorted(made):
            committed = os.path.join(source, path)
            if not os.path.exists(committed):
                failures.append('%s: drawn but not committed' % path)
                continue
            with open(os.path.join(drawn, path), 'rb') as a, open(committed, 'rb') as b:
                if a.read() != b.read():
                    failures.append('%s: not what the script draws' % path)
    images = os.path.join('ui', 'resources', 'images')
    for path in sorted(files_below(os.path.join(source, images))):
        if path.endswith('.png') and os.path.join(images, path) not in made:
            failures.append('%s: committed but drawn by nothing' % os.path.join(images, path))
    for failure in failures:
        print(failure)
    print('%d images drawn, %d failures%s' % (len(made), len(failures),
          '; run python3 tools/draw_images.py and commit what it draws' if failures else ''))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
