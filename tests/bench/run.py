#!/usr/bin/env python3
"""Runs the benchmarks side by side and prints one table of medians.

    run.py ROOT HOST_BUILD WIN_BUILD [--win32-build DIR] [--reps N] [--only host|wine]

WIN_BUILD is the 64-bit Windows build; with --win32-build the click is
timed on the 32-bit build too, in the same repetitions.

Every repetition runs each peer once, in turn, so that the noise of a
shared machine falls on all of them alike.
"""
import argparse
import datetime
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
GREP = "LC_ALL=C grep -o 'href=\"[^\"]*' {src} | LC_ALL=C grep -F // | wc -l"


def make_page(folder, mode, amount, name):
    out = subprocess.run([sys.executable, os.path.join(HERE, "make_pages.py"), folder, mode, str(amount), name],
                         check=True, capture_output=True, text=True).stdout
    return os.path.join(folder, name), int(out)


STALLS = []  # the Wine runs that hung or failed and were run again


def run_wine(command, env, timeout=180):
    """Runs a benchmark program under Wine; a run that hangs or fails is
    noted and run once more (a start-up under Wine now and then stalls)."""
    for attempt in (1, 2):
        try:
            done = subprocess.run(command, capture_output=True, env=env, timeout=timeout)
            if done.returncode == 0:
                return done.stdout.decode("ascii", "replace")
            problem = "exit %d: %s" % (done.returncode, done.stderr.decode("gbk", "replace").strip()[-300:])
        except subprocess.TimeoutExpired:
            problem = "no end within %d s" % timeout
        STALLS.append("%s: %s" % (" ".join(os.path.basename(c) for c in command[1:]), problem))
        if attempt == 2:
            raise RuntimeError(STALLS[-1])


def timed_shell(command, timeout=300):
    start = time.perf_counter()
    out = subprocess.run(["bash", "-c", command], check=True, capture_output=True, text=True, timeout=timeout).stdout
    return time.perf_counter() - start, out


def python_re(path):
    with open(path, "rb") as f:
        data = f.read()
    start = time.perf_counter()
    links = [m for m in re.findall(rb'href="([^"]*)', data) if b"//" in m]
    return time.perf_counter() - start, len(links)


def cpu_name():
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                return line.split(":", 1)[1].strip()
    return "unknown"


def host_rows(args, pages):
    bench = os.path.join(args.host_build, "tests/bench/core_bench")
    rows = []
    for label, size in (("1 MB", 1_000_000), ("100 MB", 100_000_000)):
        path, listed = make_page(pages, "size", size, "size%d.html" % size)
        size = os.path.getsize(path)
        times = {k: [] for k in ("walk", "memchr", "grep", "re")}
        for _ in range(args.reps):
            for mode in ("walk", "memchr"):
                seconds = float(subprocess.run([bench, mode, path], check=True, capture_output=True,
                                               text=True).stdout.split()[0])
                times[mode].append(seconds)
            seconds, out = timed_shell(GREP.format(src=path))
            assert int(out) == listed, (out, listed)
            times["grep"].append(seconds)
            seconds, found = python_re(path)
            assert found == listed, (found, listed)
            times["re"].append(seconds)
        med = {k: statistics.median(v) for k, v in times.items()}
        names = {"walk": "link walk (ForEachLink + entry copy)", "memchr": "memchr pass (ceiling)",
                 "grep": "grep -o \\| grep -F // (process, file in cache)", "re": "Python re.findall + // filter"}
        for k in ("walk", "memchr", "grep", "re"):
            rows.append(("host %s, %d links" % (label, listed), names[k], med[k], "%.0f MB/s" % (size / 1e6 / med[k]),
                         "%.2f×" % (med[k] / med["walk"]), times[k]))
    return rows


def wine_rows(args, root, pages):
    bench = os.path.join(args.win_build, "tests/bench/click_bench.exe")
    bench32 = args.win32_build and os.path.join(args.win32_build, "tests/bench/click_bench.exe")
    wine_run = os.path.join(root, "tools/wine-run")
    sizes = []
    for count in (1000, 10000, 100000):
        path, listed = make_page(pages, "links", count, "links%d.html" % count)
        sizes.append((count, os.path.basename(path), os.path.getsize(path)))
    port_file = tempfile.mktemp()
    server = subprocess.Popen([sys.executable, os.path.join(root, "tools/demo/serve.py"), pages, port_file, "7200"])
    rows = []
    try:
        for _ in range(100):
            if os.path.exists(port_file) and open(port_file).read():
                break
            time.sleep(0.05)
        base = "http://127.0.0.1:%s/" % open(port_file).read()
        env = dict(os.environ)
        # The first run of each build makes its Wine prefix; it is not measured.
        for program in filter(None, (bench, bench32)):
            run_wine([wine_run, program, base + sizes[0][1], str(sizes[0][0])], env)
        kinds = ("click", "nostyle", "click32", "nostyle32", "curl", "lynx")
        times = {(c, k): [] for c, _, _ in sizes for k in kinds}
        steps = {c: [] for c, _, _ in sizes}
        alone = {c: [] for c, _, _ in sizes}
        gave_up = {}  # the limit lynx ran past, by page: it is not run again there

        def click_bench(url, count, *mode, program=bench):
            out = run_wine([wine_run, program, url, str(count), *mode], env)
            return {k: float(v) for k, v in (kv.split("=") for kv in out.split())}

        for _ in range(args.reps):
            for count, name, _ in sizes:
                url = base + name
                values = click_bench(url, count)
                times[(count, "click")].append(values["click"])
                steps[count].append(values)
                times[(count, "nostyle")].append(click_bench(url, count, "style-off")["click"])
                alone[count].append(click_bench(url, count, "no-list")["steps_peak_growth_mb"])
                if bench32:
                    times[(count, "click32")].append(click_bench(url, count, program=bench32)["click"])
                    times[(count, "nostyle32")].append(
                        click_bench(url, count, "style-off", program=bench32)["click"])
                seconds, out = timed_shell("curl -s '%s' | " % url + GREP.format(src=""))
                assert int(out) == count, (out, count)
                times[(count, "curl")].append(seconds)
                if count in gave_up:
                    continue
                try:
                    seconds, _ = timed_shell("lynx -dump -listonly '%s' | wc -l" % url)
                    times[(count, "lynx")].append(seconds)
                except subprocess.TimeoutExpired as late:
                    gave_up[count] = late.timeout
                    STALLS.append("lynx on %s: no end within %d s, not run again there" % (name, late.timeout))
        for count, name, size in sizes:
            med = {k: statistics.median(times[(count, k)]) for k in kinds if times[(count, k)]}
            s = steps[count]
            m = lambda key: statistics.median(v[key] for v in s)
            inserts = m("click") - m("download") - m("totext") - m("walk")
            page_mb = size / 1048576.0
            label = "Wine %d links, %.1f MB" % (count, size / 1e6)
            ratio = lambda k: "%.2f×" % (med[k] / med["click"])
            rows.append((label, "click → title (real MainWindow, visible, style on)", med["click"], "",
                         "1.00×", times[(count, "click")]))
            rows.append((label, "  until the list has painted too", m("painted"), "", "", []))
            rows.append((label, "  of which download / text / walk / list", None,
                         "%.3f / %.3f / %.3f / %.3f s" % (m("download"), m("totext"), m("walk"), inserts), "", []))
            rows.append((label, "  same click, style switched off (no thread hook)", med["nostyle"], "",
                         ratio("nostyle"), times[(count, "nostyle")]))
            rows.append((label, "  peak memory of the search without the list (working set)", None,
                         "%.1f MB = %.1f × page" % (statistics.median(alone[count]),
                                                    statistics.median(alone[count]) / page_mb), "", []))
            rows.append((label, "  with the list: peak working-set growth / the list keeps", None,
                         "%.1f MB / %.1f MB (entry text %.1f MB)" %
                         (m("peak_ws_mb") - m("ws_before_mb"), m("private_after_mb") - m("private_before_mb"),
                          m("link_mb")), "", []))
            if bench32:
                rows.append((label, "  the same click on the 32-bit build (style on)", med["click32"], "",
                             ratio("click32"), times[(count, "click32")]))
                rows.append((label, "  the same click on the 32-bit build, style off", med["nostyle32"], "",
                             ratio("nostyle32"), times[(count, "nostyle32")]))
            rows.append((label, "curl -s \\| grep -o \\| grep -F //", med["curl"], "", ratio("curl"),
                         times[(count, "curl")]))
            if count in gave_up:
                rows.append((label, "lynx -dump -listonly", None, "> %d s (ran past its limit)" % gave_up[count],
                             "> %.2f×" % (gave_up[count] / med["click"]), times[(count, "lynx")]))
            else:
                rows.append((label, "lynx -dump -listonly", med["lynx"], "", ratio("lynx"), times[(count, "lynx")]))
    finally:
        server.terminate()
        server.wait(timeout=10)
        if os.path.exists(port_file):
            os.remove(port_file)
    return rows


def insert_rows(args, root):
    """The list view alone: where an insertion's time goes."""
    bench = os.path.join(args.win_build, "tests/bench/insert_bench.exe")
    wine_run = os.path.join(root, "tools/wine-run")
    env = dict(os.environ)
    cases = [("bare", 100000, "bare list view, each entry at the top"),
             ("bare-append", 100000, "bare list view, each entry at the end"),
             ("bare", 10000, "bare list view"),
             ("bare-hook", 10000, "bare list view, thread WH_CALLWNDPROC hook installed"),
             ("main", 10000, "main window's list (ListInsertItem, style on)"),
             ("main-nostyle", 10000, "main window's list, style off")]
    times = {i: [] for i in range(len(cases))}
    for _ in range(args.reps):
        for i, (mode, n, _) in enumerate(cases):
            out = run_wine([wine_run, bench, mode, str(n)], env)
            times[i].append(float(dict(kv.split("=") for kv in out.split())["seconds"]))
    rows = []
    for i, (mode, n, name) in enumerate(cases):
        med = statistics.median(times[i])
        rows.append(("Wine, %d entries inserted" % n, name, med, "%.4f ms/entry" % (med * 1000 / n), "", times[i]))
    return rows


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root")
    parser.add_argument("host_build")
    parser.add_argument("win_build")
    parser.add_argument("--win32-build")
    parser.add_argument("--reps", type=int, default=5)
    parser.add_argument("--only", choices=("host", "wine"))
    args = parser.parse_args()
    args.reps = max(args.reps, 5)
    pages = os.path.join(args.root, "build/bench-pages")
    rows = []
    if args.only != "wine":
        rows += host_rows(args, pages)
    if args.only != "host":
        rows += wine_rows(args, args.root, pages)
        rows += insert_rows(args, args.root)
    print("Run %s on %s, %d cores, median of %d runs (shared machine: expect noise)\n" %
          (datetime.datetime.now().strftime("%Y-%m-%d %H:%M"), cpu_name(), os.cpu_count(), args.reps))
    print("| page | benchmark | median | rate / detail | ratio to ours | all runs (s) |")
    print("|---|---|---|---|---|---|")
    for page, name, median, rate, ratio, runs in rows:
        med = "" if median is None else ("%.4f s" % median)
        print("| %s | %s | %s | %s | %s | %s |" % (page, name, med, rate, ratio, " ".join("%.4f" % t for t in runs)))
    if STALLS:
        print("\nRun again after a stall or failure: " + "; ".join(STALLS))


if __name__ == "__main__":
    main()
