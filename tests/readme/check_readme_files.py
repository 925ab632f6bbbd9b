"""Every file the README names under examples/ or share/ is in the repository
(what examples/out/ holds is made by scripts/demo and the examples), and
every --drawing an example opens is either shipped or made before it.

usage: check_readme_files.py SOURCE_DIR
"""
import os
import re
import sys


def main():
    root = sys.argv[1]
    with open(os.path.join(root, "README.md"), encoding="utf-8") as f:
        text = f.read()
    missing = []
    for name in sorted(set(re.findall(r"(?:examples|share/zarvo)/[A-Za-z0-9_.-]+(?:/[A-Za-z0-9_.-]+)*", text))):
        if name.startswith("examples/out"):
            continue
        if not os.path.exists(os.path.join(root, name)):
            missing.append(name)
    made = set()
    for block in re.findall(r"```[a-z]*\n(.*?)```", text, re.S):
        for line in block.splitlines():
            opened = re.search(r"--drawing (\S+)", line)
            if opened:
                drawing = opened.group(1)
                if re.fullmatch(r"[A-Z]+\.dxf\]?", drawing):
                    continue  # the usage line's placeholder
                if drawing.endswith(".dwg"):
                    continue  # a user's own DWG: the project cannot make one to ship
                shipped = os.path.exists(os.path.join(root, drawing))
                if not (shipped or drawing in made or drawing.startswith("examples/out/") or "{}" in drawing
                        or drawing.startswith('"$')):
                    missing.append("--drawing " + drawing)
            made.update(re.findall(r"--save (\S+)", line))
    if missing:
        print("named in README.md but not shipped:\n  " + "\n  ".join(missing))
        return 1
    print("every file the README names is shipped")
    return 0


if __name__ == "__main__":
    sys.exit(main())
