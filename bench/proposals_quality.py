#!/usr/bin/env python3
"""Measures the classic and the improved keyword and description proposals on
real documentation sites from Debian packages, made by different generators.

For every page that has a title it asks the built webkestrane for both
proposals (the `proposals` command, many pages a run) and reports per site:

- content descriptions: the share of pages whose description is not empty,
  has at least four words, holds no program code and is not navigation;
- title recall: the share of the title's words (less the site's name and stop
  words) among the first ten keywords, averaged over the pages;
- the time per page of each method, and improved / classic.

Usage: bench/proposals_quality.py [--webkestrane build/webkestrane] [--show N]
The sites' packages are installed with apt-get when missing (as root, or
through sudo).
"""
import argparse
import html
import html.parser
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

SITES = [
    # name, generator, Debian package, folder
    ("python3.11-doc", "Sphinx", "python3.11-doc", "/usr/share/doc/python3.11/html"),
    ("git-doc", "AsciiDoc", "git-doc", "/usr/share/doc/git-doc"),
    ("postgresql-doc-15", "DocBook XSL", "postgresql-doc-15", "/usr/share/doc/postgresql-doc-15/html"),
    ("gettext-doc", "texi2html, man2html, javadoc", "gettext-doc", "/usr/share/doc/gettext"),
    ("libsdl2-doc", "Doxygen", "libsdl2-doc", "/usr/share/doc/libsdl2-doc/html"),
]

HERE = os.path.dirname(os.path.abspath(__file__))
STOP_WORDS_SOURCE = os.path.join(HERE, "..", "src", "core", "meta", "stop_words.cpp")

WORD = re.compile(r"[^\W\d_]+")
# Program text: braces, operators, comment marks, preprocessor lines, statement
# ends; and command synopses: options beside bracketed parts.
CODE = re.compile(r"[{}]|==|!=|=>|->|::|&&|\|\||/\*|\*/|#[a-z]+\b|\(\);|;\S|;$|\[.* -[A-Za-z]| -[A-Za-z].*\[")
# The furniture of documentation sites, in any generator's words. Footers
# worded otherwise are caught as text that many pages of the site repeat.
FURNITURE = re.compile(r"table of contents|^(previous|next) (topic|page|chapter|section)\b|found a bug|"
                       r"all rights reserved|skip to (the )?(main )?content|quick search|^copyright\b|\u00a9", re.I)
SKIPPED = {"nav", "header", "footer", "aside"}
VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "param", "source", "track", "wbr"}


def stop_words():
    with open(STOP_WORDS_SOURCE, encoding="utf-8") as source:
        text = source.read()
    table = text[text.index("kEnglish[]"):]
    return set(re.findall(r'"([a-z]+)"', table[:table.index("};")]))


class PageReader(html.parser.HTMLParser):
    """The title, and which words the page shows only as link or furniture text."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.title, self.in_title = "", False
        self.stack = []  # open elements: (name, is_furniture)
        self.link = 0
        self.raw = 0
        self.prose_words, self.nav_words = set(), set()

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "title":
            self.in_title = True
        if tag in ("script", "style"):
            self.raw += 1
        if tag == "a" and "href" in attrs:
            self.link += 1
        if tag not in VOID:
            furniture = tag in SKIPPED or (attrs.get("role") or "") == "navigation"
            self.stack.append((tag, furniture))

    def handle_endtag(self, tag):
        if tag == "title":
            self.in_title = False
        if tag in ("script", "style") and self.raw:
            self.raw -= 1
        if tag == "a" and self.link:
            self.link -= 1
        for i in range(len(self.stack) - 1, -1, -1):
            if self.stack[i][0] == tag:
                del self.stack[i:]
                break

    def handle_data(self, data):
        if self.in_title:
            self.title += data
        if self.raw:
            return
        words = {w.lower() for w in WORD.findall(data)}
        if self.link or any(f for _, f in self.stack):
            self.nav_words |= words
        else:
            self.prose_words |= words


def read_page(path):
    with open(path, "rb") as f:
        data = f.read()
    reader = PageReader()
    try:
        reader.feed(data.decode("utf-8"))
    except UnicodeDecodeError:
        reader.feed(data.decode("latin-1"))
    return reader


def install(package):
    found = subprocess.run(["dpkg-query", "-W", "-f=${Status}", package], capture_output=True, text=True)
    if "install ok installed" in found.stdout:
        return
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    subprocess.run(sudo + ["apt-get", "install", "-y", "--no-install-recommends", package], check=True, env=env,
                   stdout=subprocess.DEVNULL)


def site_pages(folder):
    pages = []
    for root, _, files in os.walk(folder):
        for name in sorted(files):
            if name.endswith((".html", ".htm")):
                path = os.path.join(root, name)
                reader = read_page(path)
                title = " ".join(html.unescape(reader.title).split())
                if title:
                    pages.append((path, title, reader))
    return sorted(pages)


def run_proposals(webkestrane, method, paths, app_folder):
    """Every page's (keywords, description), and the seconds the runs took."""
    results, seconds = {}, 0.0
    for start in range(0, len(paths), 200):
        chunk = paths[start:start + 200]
        began = time.perf_counter()
        run = subprocess.run([webkestrane, "--app-folder", app_folder, "proposals", "--" + method, "--"] + chunk,
                             capture_output=True)
        seconds += time.perf_counter() - began
        for line in run.stdout.split(b"\n"):
            if line:
                path, keywords, description = line.split(b"\t", 2)
                results[path.decode()] = (keywords.decode("utf-8", "replace"),
                                          description.decode("utf-8", "replace"))
    return results, seconds


def normalised(description):
    return " ".join(html.unescape(description).split())


def description_fault(description, reader, repeated):
    """Why the description is not taken from the content; None when it is."""
    text = normalised(description)
    words = [w.lower() for w in WORD.findall(text)]
    if not text:
        return "empty"
    if len(words) < 4:
        return "short"
    if CODE.search(text):
        return "code"
    only_nav = [w for w in words if w in reader.nav_words and w not in reader.prose_words]
    if FURNITURE.search(text) or 2 * len(only_nav) > len(words) or text in repeated:
        return "navigation"
    return None


def measure(site, webkestrane, app, stops, show, repeats):
    name, generator, package, folder = site
    install(package)
    pages = site_pages(folder)
    paths = [p for p, _, _ in pages]
    titles = [[w.lower() for w in WORD.findall(t)] for _, t, _ in pages]
    # The site's name: title words that half the pages or more carry.
    counts = {}
    for words in titles:
        for w in set(words):
            counts[w] = counts.get(w, 0) + 1
    site_name = {w for w, n in counts.items() if 2 * n >= len(pages)}
    row = {"site": name, "generator": generator, "pages": len(pages)}
    for method in ("classic", "improved"):
        times = []
        for _ in range(repeats):
            results, seconds = run_proposals(webkestrane, method, paths, app)
            times.append(seconds)
        # A description that more than 2 % of the pages (and at least three)
        # share is the site's boilerplate, not a page's content.
        seen = {}
        for _, description in results.values():
            seen[normalised(description)] = seen.get(normalised(description), 0) + 1
        repeated = {d for d, n in seen.items() if n >= max(3, 0.02 * len(pages))}
        faults, recalls, examples = {}, [], []
        for (path, title, reader), words in zip(pages, titles):
            keywords, description = results.get(path, ("", ""))
            fault = description_fault(description, reader, repeated)
            faults[fault] = faults.get(fault, 0) + 1
            if fault and len(examples) < show:
                examples.append(f"  {fault}: {os.path.relpath(path, folder)}: {description[:120]!r}")
            wanted = {w for w in words if len(w) > 1 and w not in stops and w not in site_name}
            if wanted:
                first_ten = set(keywords.split(",")[:10])
                recalls.append(len(wanted & first_ten) / len(wanted))
        row[method] = {
            "content": faults.get(None, 0) / len(pages),
            "faults": {k: v for k, v in faults.items() if k},
            "recall": statistics.mean(recalls) if recalls else 0.0,
            "ms": 1000 * statistics.median(times) / len(pages),
            "examples": examples,
        }
    return row


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--webkestrane", default=os.path.join(HERE, "..", "build", "webkestrane"))
    parser.add_argument("--show", type=int, default=0, help="list this many faulty descriptions a site and method")
    parser.add_argument("--repeats", type=int, default=3, help="runs a method and site; the median time counts")
    parser.add_argument("--site", action="append", help="measure only these sites (by name)")
    args = parser.parse_args()
    stops = stop_words()
    print("| site (generator) | pages | content descriptions, classic / improved | title recall, classic / improved "
          "| ms a page, classic / improved | improved / classic time |")
    print("|---|---|---|---|---|---|")
    failed = False
    for site in SITES:
        if args.site and site[0] not in args.site:
            continue
        with tempfile.TemporaryDirectory() as app:  # settings of its own: the stored method is not read
            row = measure(site, args.webkestrane, app, stops, args.show, args.repeats)
        c, i = row["classic"], row["improved"]
        ratio = i["ms"] / c["ms"]
        print(f"| {row['site']} ({row['generator']}) | {row['pages']} | {c['content']:.1%} / {i['content']:.1%} "
              f"| {c['recall']:.2f} / {i['recall']:.2f} | {c['ms']:.2f} / {i['ms']:.2f} | {ratio:.2f} |", flush=True)
        for method in ("classic", "improved"):
            faults = ", ".join(f"{k} {v}" for k, v in sorted(row[method]["faults"].items()))
            print(f"    {method} faults: {faults or 'none'}", file=sys.stderr)
            for line in row[method]["examples"]:
                print(line, file=sys.stderr)
        failed |= i["content"] < 0.9 or i["recall"] < 0.5 or ratio > 2
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
