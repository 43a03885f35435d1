#!/usr/bin/python3
"""Mirvel against its peers (gnome-taquin, sgt-fifteen) and a minimal Qt 6 window, under one Xvfb
display without a window manager: launch, memory, idle wake-ups and input latency, and Mirvel's
tune CPU and click delay on a private sound server. Started by bench/peers.sh; prints a table,
never fails on a time, and exits 1 only when a figure could not be measured at all, saying why.

The watcher is an X client of its own: it sees windows mapped through MapNotify events, sees the
screen change by reading pixels back (GetImage) in a loop, and presses through XTEST, the way
xdotool does, but without starting a process for each press."""

import glob
import math
import os
import select
import shutil
import signal
import statistics
import struct
import subprocess
import sys
import tempfile
import threading
import time
import zlib
from collections import Counter

from Xlib import X, display
from Xlib.ext import xtest

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BIN = os.path.join(REPO, "build", "bin")
SHOTS = os.path.join(REPO, "build", "peers")
RUNS = int(os.environ.get("PEERS_RUNS", 15))  # launches per program (and one warm-up)
PRESSES = int(os.environ.get("PEERS_PRESSES", 40))  # tile presses per program
STARTS = int(os.environ.get("PEERS_STARTS", 10))  # Mirvel launches whose first Start is timed
IDLE = float(os.environ.get("PEERS_IDLE", 10))  # seconds per idle window
ONLY = [k for k in os.environ.get("PEERS_ONLY", "").split(",") if k]  # peers (taquin, fifteen) for a quick look
QUIET = 1.0  # a picture unchanged this long is the final one
SCREEN = (1280, 1024)
MENU_BAR = 19
now = time.monotonic


class Unmeasurable(Exception):
    pass


class Screen:
    """The watcher's connection to the display."""

    def __init__(self, name):
        self.d = display.Display(name)
        self.root = self.d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.d.sync()
        self.periods = {"paint": [], "input": []}  # seconds between two read-backs: the resolution

    def drain(self):
        self.d.sync()
        while self.d.pending_events():
            self.d.next_event()

    def wait_map(self, deadline, pid=None):
        """The first ordinary top-level window mapped before the deadline, and when."""
        while now() < deadline:
            if pid and pid.poll() is not None:
                raise Unmeasurable(f"{pid.args[0]} ended with {pid.returncode} before it showed a window")
            if not self.d.pending_events():
                select.select([self.d], [], [], 0.05)
                continue
            e = self.d.next_event()
            if e.type == X.MapNotify and not e.override:
                return e.window, now()
        raise Unmeasurable("no window was mapped within 30 s")

    def rect(self, win):
        g = win.get_geometry()
        return g.x, g.y, g.width, g.height

    def grab(self, rect):
        x, y, w, h = rect
        return self.root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data

    def settle(self, rect, limit=15.0, quiet=QUIET):
        """When the area first showed the picture that then stayed unchanged for `quiet` s."""
        seen, prev, end, last = [], None, now() + limit, now()
        while now() < end:
            img = self.grab(rect)
            t = now()
            self.periods["paint"].append(t - last)
            last = t
            if img != prev:
                seen.append((t, zlib.crc32(img)))
                prev = img
            elif t - seen[-1][0] >= quiet:
                break
            time.sleep(0.002)  # the program being watched needs the X server and a core too
        final = seen[-1][1]
        return next(t for t, c in seen if c == final), prev

    def move(self, x, y):
        xtest.fake_input(self.d, X.MotionNotify, x=x, y=y)
        self.d.sync()

    def click(self):
        """Presses and releases button 1; returns when the press left for the server."""
        xtest.fake_input(self.d, X.ButtonPress, 1)
        xtest.fake_input(self.d, X.ButtonRelease, 1)
        t = now()
        self.d.flush()
        return t

    def first_change(self, rect, base, t0, limit=1.0):
        """Seconds from t0 until the area differs from base (None if it does not within limit)."""
        last = now()
        while now() - t0 < limit:
            img = self.grab(rect)
            t = now()
            self.periods["input"].append(t - last)
            last = t
            if img != base:
                return t - t0
            time.sleep(0.0002)
        return None


def save_png(path, rect, data):
    """The area as a PNG (the pixels are BGRX), to check the geometry by eye."""
    w, h = rect[2], rect[3]
    rgb = bytearray(w * h * 3)
    rgb[0::3], rgb[1::3], rgb[2::3] = data[2::4], data[1::4], data[0::4]
    raw = b"".join(b"\0" + bytes(rgb[y * w * 3 : (y + 1) * w * 3]) for y in range(h))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 1)) + chunk(b"IEND", b""))


def counters(pid):
    """CPU nanoseconds and per-thread (name, voluntary, involuntary context switches) of a process."""
    cpu, threads = 0, {}
    for task in glob.glob(f"/proc/{pid}/task/*"):
        try:
            cpu += int(open(f"{task}/schedstat").read().split()[0])
            status = dict(line.split(":", 1) for line in open(f"{task}/status"))
            threads[os.path.basename(task)] = (open(f"{task}/comm").read().strip(),
                                               int(status["voluntary_ctxt_switches"]),
                                               int(status["nonvoluntary_ctxt_switches"]))
        except (OSError, KeyError):
            pass  # a thread that ended meanwhile
    return cpu, threads


def rss_mib(pid):
    for line in open(f"/proc/{pid}/status"):
        if line.startswith("VmRSS:"):
            return int(line.split()[1]) / 1024
    raise Unmeasurable("no VmRSS")


def idle(pid, seconds=IDLE):
    """CPU ms per second and wake-ups per second, with the threads that woke: name -> (voluntary,
    involuntary) context switches."""
    cpu0, t0 = counters(pid)
    time.sleep(seconds)
    cpu1, t1 = counters(pid)
    woke = {}
    for tid, (name, v, n) in t1.items():
        _, v0, n0 = t0.get(tid, (name, 0, 0))
        a, b = woke.get(name, (0, 0))
        woke[name] = (a + v - v0, b + n - n0)
    woke = {k: v for k, v in woke.items() if sum(v)}
    return (cpu1 - cpu0) / 1e6 / seconds, sum(map(sum, woke.values())) / seconds, woke


class Program:
    """One program measured: how to start it and where its board is (window coordinates)."""

    def __init__(self, key, title, cmd, board=None, cells=None):
        self.key, self.title, self.cmd = key, title, cmd
        self.board = board  # (x, y, cell, n) relative to the main window, None: no board
        self.cells = cells  # the two cells pressed in turn (r, c), None: the gap's neighbour and the gap

    def start(self, base_env, music=False, pulse=None):
        tmp = tempfile.mkdtemp(prefix=f"peers-{self.key}-")
        home = os.path.join(tmp, "home")
        os.makedirs(os.path.join(home, ".config"))
        os.makedirs(os.path.join(tmp, "run"), mode=0o700)
        env = dict(base_env, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_RUNTIME_DIR=os.path.join(tmp, "run"))
        env["PULSE_SERVER"] = pulse or "unix:" + os.path.join(tmp, "no-sound-server")
        cmd = list(self.cmd)
        if self.key == "mirvel":  # a writable folder of its own, so that Mirvel.ini sits beside it
            prog = os.path.join(tmp, "prog")
            os.mkdir(prog)
            for f in ("mirvel", "mirvel-audio.so", "mirvel-fluid.so", "Mirvel.chm"):
                shutil.copy2(os.path.join(BIN, f), prog)
            with open(os.path.join(prog, "Mirvel.ini"), "w") as f:
                f.write(f"[Optionen]\nPlayMusic= {1 if music else 0}\n")
            # The window at its design size, as every figure here was measured: a client of
            # 684 x 470 below a menu bar of MENU_BAR pixels (what Qt gives the DejaVu font here).
            os.makedirs(os.path.join(home, ".config", "Mirvel"))
            with open(os.path.join(home, ".config", "Mirvel", "Mirvel.conf"), "w") as f:
                f.write(f"[Window]\nPlacement=0 0 684 {470 + MENU_BAR} normal\n")
            cmd = [os.path.join(prog, "mirvel")]
        log = open(os.path.join(tmp, "log"), "w")
        return tmp, cmd, env, log


class Run:
    """A started program, its windows and times (seconds from exec)."""

    def __init__(self, prog, scr, base_env, music=False, pulse=None):
        self.prog, self.scr = prog, scr
        self.tmp, cmd, env, self.log = prog.start(base_env, music, pulse)
        scr.drain()
        t0 = now()
        try:
            self.p = subprocess.Popen(cmd, env=env, cwd=self.tmp, stdout=self.log, stderr=subprocess.STDOUT,
                                      start_new_session=True)
        except OSError:
            self.log.close()
            shutil.rmtree(self.tmp, ignore_errors=True)
            raise
        try:
            self.watch(t0)
        except BaseException:
            self.stop()
            raise

    def watch(self, t0):
        scr = self.scr
        win, t = scr.wait_map(t0 + 30, self.p)
        self.map = t - t0
        self.cpu = counters(self.p.pid)[0] / 1e9  # what it had used by then, whatever the load
        self.rect = scr.rect(win)
        t, self.picture = scr.settle(self.rect)
        self.paint = t - t0
        if self.prog.key == "mirvel":  # the about box first; its OK button shows the main window
            if self.rect[2:] != (356, 329):
                raise Unmeasurable(f"Mirvel's first window is {self.rect[2]} x {self.rect[3]}, not the about box")
            scr.move(self.rect[0] + 228, self.rect[1] + 280)
            t1 = scr.click()
            win, t = scr.wait_map(t1 + 30, self.p)
            self.ok_map = t - t1
            self.rect = scr.rect(win)
            t, self.picture = scr.settle(self.rect)
            self.ok_paint = t - t1
        scr.move(*SCREEN)  # out of every window, so that nothing hovers

    def to_screen(self, x, y):
        return self.rect[0] + x, self.rect[1] + y

    def client_top(self):
        """Mirvel's client area (684 x 470) starts below its menu bar."""
        if self.prog.key != "mirvel":
            return 0
        if self.rect[2:] != (684, 470 + MENU_BAR):
            raise Unmeasurable(f"Mirvel's window is {self.rect[2]} x {self.rect[3]}, not 684 x {470 + MENU_BAR}")
        return MENU_BAR

    def stop(self):
        for sig in (signal.SIGTERM, signal.SIGKILL):
            try:
                os.killpg(self.p.pid, sig)
                self.p.wait(5)
                break
            except ProcessLookupError:
                break
            except subprocess.TimeoutExpired:
                pass
        self.log.close()
        self.scr.drain()
        time.sleep(0.2)
        shutil.rmtree(self.tmp, ignore_errors=True)


def press_targets(run):
    """Two screen points pressed in turn and the area that shows the move."""
    prog, scr = run.prog, run.scr
    if prog.board is None:  # the floor: its menu title opens and closes its menu
        return [run.to_screen(20, 10)] * 2, (run.rect[0], run.rect[1], 160, 60)
    bx, by, size, n = prog.board
    by += run.client_top()
    cells = prog.cells
    if cells is None:  # a scrambled board: the gap is the cell of one colour
        board = (run.rect[0] + bx, run.rect[1] + by, size * n, size * n)
        px = memoryview(scr.grab(board)).cast("I")

        def evenness(r, c):
            m = size // 6
            values = [px[(r * size + y) * size * n + c * size + x] & 0xFFFFFF
                      for y in range(m, size - m) for x in range(m, size - m)]
            return Counter(values).most_common(1)[0][1] / len(values)

        score, gap = max((evenness(r, c), (r, c)) for r in range(n) for c in range(n))
        if score < 0.97:
            raise Unmeasurable(f"{prog.title}: no empty cell found on the board (best {score:.2f})")
        r, c = gap
        cells = [(r, c - 1 if c else c + 1), gap]
    points = [run.to_screen(bx + c * size + size // 2, by + r * size + size // 2) for r, c in cells]
    (r0, c0), (r1, c1) = cells
    area = (run.rect[0] + bx + min(c0, c1) * size, run.rect[1] + by + min(r0, r1) * size,
            (abs(c0 - c1) + 1) * size, (abs(r0 - r1) + 1) * size)
    return points, area


def input_latency(run):
    """Milliseconds from each press to the first change of the area, and presses missed."""
    scr = run.scr
    points, area = press_targets(run)
    lat, missed = [], 0
    for i in range(PRESSES):
        scr.move(*points[i % 2])
        scr.settle(area, limit=2, quiet=0.25)  # a hover effect is not the move
        base = scr.grab(area)
        t0 = scr.click()
        dt = scr.first_change(area, base, t0)
        if dt is None:
            missed += 1
        else:
            lat.append(dt * 1000)
        scr.settle(area, limit=3, quiet=0.25)  # an animated move ends before the next press
    scr.move(*SCREEN)
    if not lat:
        raise Unmeasurable(f"{run.prog.title}: no press changed the screen")
    return lat, missed


def start_game(run):
    """Mirvel: the traffic light starts a game; its clock then ticks."""
    scr = run.scr
    top = run.client_top()
    clock = (run.rect[0] + 566, run.rect[1] + top + 181, 64, 34)
    scr.move(*run.to_screen(598, top + 85))
    scr.click()
    time.sleep(0.5)
    scr.move(*SCREEN)
    before = scr.grab(clock)
    if scr.first_change(clock, before, now(), limit=3) is None:
        raise Unmeasurable("Mirvel: the traffic light started no clock")


def first_start(run):
    """Milliseconds from pressing Mirvel's traffic light, the first Start of the launch, to the first
    change of the board (it is shuffled in the handler, before anything is painted)."""
    scr = run.scr
    top = run.client_top()
    bx, by, size, n = run.prog.board
    board = (run.rect[0] + bx, run.rect[1] + by + top, size * n, size * n)
    scr.move(*run.to_screen(598, top + 85))
    scr.settle(board, limit=2, quiet=0.25)
    base = scr.grab(board)
    dt = scr.first_change(board, base, scr.click())
    scr.move(*SCREEN)
    if dt is None:
        raise Unmeasurable("Mirvel: its first Start changed nothing on the board within 1 s")
    return dt * 1000


def start_xvfb():
    r, w = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "%dx%dx24" % SCREEN, "-br",
                             "-nolisten", "tcp", "-noreset"], pass_fds=(w,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(w)
    number = os.fdopen(r).readline().strip()
    if not number:
        raise SystemExit("peers: Xvfb did not start")
    return xvfb, ":" + number


def start_bus(tmp):
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           env=dict(os.environ, HOME=tmp, XDG_RUNTIME_DIR=tmp), stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, text=True)
    return bus, bus.stdout.readline().strip()


def start_pulse(tmp):
    """A private sound server with a null sink, as tests/sound/heard.sh starts one."""
    socket = os.path.join(tmp, "native")
    pulse = subprocess.Popen(["pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no",
                              "--load=module-null-sink sink_name=nul",
                              f"--load=module-native-protocol-unix auth-anonymous=1 socket={socket}"],
                             env=dict(os.environ, HOME=tmp, XDG_RUNTIME_DIR=tmp),
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        if os.path.exists(socket):
            return pulse, "unix:" + socket
        time.sleep(0.05)
    pulse.kill()
    return None, None


def click_delays(run, server, presses=10):
    """Milliseconds from each press next to the gap to the first loud 10 ms of its click, heard on
    the private server's monitor (8 kHz, 16 bit), and the presses not heard."""
    rec = subprocess.Popen(["parecord", "--server", server, "--device=nul.monitor", "--raw", "--format=s16le",
                            "--channels=1", "--rate=8000", "--latency-msec=10"], stdout=subprocess.PIPE)
    samples, first = bytearray(), []

    def read():
        while block := rec.stdout.read1(4096):
            if not first:  # the clock's time of the first sample
                first.append(now() - len(block) / 2 / 8000)
            samples.extend(block)
    reader = threading.Thread(target=read, daemon=True)
    reader.start()
    time.sleep(2.5)  # a fresh recording delivers its first blocks late
    points, _ = press_targets(run)
    pressed = []
    for i in range(presses):
        run.scr.move(*points[i % 2])
        pressed.append(run.scr.click())
        time.sleep(0.4)
    rec.terminate()
    reader.join(2)
    if not first:
        raise Unmeasurable("Mirvel: nothing was recorded from the sound server")
    level = memoryview(bytes(samples)).cast("h")
    delays = []
    for t in pressed:
        for ms in range(-200, 300, 10):
            at = int((t + ms / 1000 - first[0]) * 8000)
            window = level[max(at, 0):max(at + 80, 0)]
            if window and math.sqrt(sum(v * v for v in window) / 80) / 32768 > 0.01:
                delays.append(ms)  # before 0: the recording's clock is off
                break
    return delays, presses - len(delays)


def med(xs):
    return statistics.median(xs) if xs else None


def main():
    os.makedirs(SHOTS, exist_ok=True)
    work = tempfile.mkdtemp(prefix="peers-")
    xvfb, name = start_xvfb()
    bus, address = start_bus(work)
    base_env = {k: os.environ[k] for k in ("PATH", "TERM") if k in os.environ}
    base_env.update(DISPLAY=name, DBUS_SESSION_BUS_ADDRESS=address, LANG="en_US.UTF-8",
                    QT_QPA_PLATFORM="xcb", GDK_BACKEND="x11")
    progs = [Program("mirvel", "Mirvel", ["mirvel"], board=(182, 38, 66, 5), cells=[(4, 3), (4, 4)]),
             Program("floor", "Qt floor", [os.path.join(BIN, "qt_floor")]),
             Program("taquin", "gnome-taquin", ["/usr/games/gnome-taquin"], board=(93, 96, 91, 4)),
             Program("fifteen", "sgt-fifteen", ["/usr/games/sgt-fifteen"], board=(24, 49, 48, 4))]
    progs = [p for p in progs if not ONLY or p.key in ONLY or p.key in ("mirvel", "floor")]
    fig = {p.key: {} for p in progs}  # measure -> value
    notes, faults = [], []
    load0 = open("/proc/loadavg").read().split()[:3]
    res = {}

    def attempt(what, key, fn):
        try:
            return fn()
        except Exception as e:  # noqa: BLE001 - any failure is reported as unmeasurable
            faults.append(f"{what}, {key}: {e}")
            return None

    try:
        scr = Screen(name)
        # Launches, interleaved so that a change of the machine's load spreads over every program.
        samples = {p.key: {} for p in progs}
        for i in range(RUNS + 1):
            for p in progs:
                def once():
                    run = Run(p, scr, base_env)
                    try:
                        rss = rss_mib(run.p.pid)
                        if i == 0:  # the warm-up run only fills caches and starts the bus's services
                            save_png(os.path.join(SHOTS, p.key + ".png"), run.rect, run.picture)
                            return
                        s = samples[p.key]
                        for k, v in (("map", run.map), ("cpu", run.cpu), ("paint", run.paint), ("rss", rss),
                                     ("ok_map", getattr(run, "ok_map", None)),
                                     ("ok_paint", getattr(run, "ok_paint", None))):
                            if v is not None:
                                s.setdefault(k, []).append(v)
                    finally:
                        run.stop()
                attempt("launch", p.title, once)
        for p in progs:
            for k, v in samples[p.key].items():
                fig[p.key][k] = med(v) * (1000 if k != "rss" else 1)

        # Mirvel with music: a private sound server, the tune playing for a few seconds.
        pulse, server = start_pulse(work)
        if not pulse:
            faults.append("memory with music, Mirvel: pulseaudio did not start")
        else:
            rss, tune_cpu, played = [], [], 0
            for i in range(max(3, RUNS // 2)):
                def music():
                    run = Run(progs[0], scr, base_env, music=True, pulse=server)
                    try:
                        time.sleep(3)
                        rss.append(rss_mib(run.p.pid))
                        cpu0 = counters(run.p.pid)[0]
                        time.sleep(5)
                        tune_cpu.append((counters(run.p.pid)[0] - cpu0) / 1e9 / 5 * 100)
                        out = subprocess.run(["pactl", "--server", server, "list", "short", "sink-inputs"],
                                             capture_output=True, text=True).stdout
                        return bool(out.strip())
                    finally:
                        run.stop()
                played += bool(attempt("memory with music", "Mirvel", music))

            def clicks():
                run = Run(progs[0], scr, base_env, pulse=server)
                try:
                    delays, missed = click_delays(run, server)
                    if delays:
                        fig["mirvel"]["click"] = med(delays)
                    notes.append(f"clicks: {len(delays)} of {len(delays) + missed} presses heard (10 ms steps)")
                finally:
                    run.stop()
            attempt("press to click", "Mirvel", clicks)

            # The first Start of each launch plays the first sound, the start chime, here heard.
            starts = []
            for i in range(STARTS):
                def start():
                    run = Run(progs[0], scr, base_env, pulse=server)
                    try:
                        starts.append(first_start(run))
                    finally:
                        run.stop()
                attempt("first Start", "Mirvel", start)
            if starts:
                fig["mirvel"].update(start=med(starts), start_max=max(starts))
            pulse.terminate()
            pulse.wait()
            if tune_cpu:
                fig["mirvel"]["tune_cpu"] = med(tune_cpu)
            if rss:
                fig["mirvel"]["rss_music"] = med(rss)
                notes.append(f"music on: the tune was playing (a sink input on the private server) in "
                             f"{played} of {len(rss)} runs")

        # Idle, input and idle in a game: one session per program.
        def quiet(p, run, state, key):
            cpu, wake, woke = idle(run.p.pid)
            fig[p.key].update({key + "_cpu": cpu, key + "_wake": wake})
            if woke:
                notes.append(f"{p.title}, {state}: threads that woke in {IDLE:.0f} s (voluntary + involuntary): "
                             + ", ".join(f"{n} {a} + {b}" for n, (a, b) in woke.items()))

        for p in progs:
            def session():
                run = Run(p, scr, base_env)
                try:
                    time.sleep(1)
                    quiet(p, run, "idle", "idle")
                    lat, missed = attempt("input", p.title, lambda: input_latency(run)) or ([], 0)
                    if lat:
                        fig[p.key].update(input=med(lat), input_max=max(lat))
                        notes.append(f"{p.title}, input: the slowest was press {lat.index(max(lat)) + 1}"
                                     + (f"; {missed} of {PRESSES} changed nothing within 1 s" if missed else ""))
                    if p.key == "floor":
                        return
                    if p.key == "mirvel":
                        start_game(run)
                    time.sleep(1)
                    quiet(p, run, "in a game", "game")
                finally:
                    run.stop()
            attempt("idle and input", p.title, session)
        res = {k: med(v) * 1000 for k, v in scr.periods.items() if v}
    finally:
        for proc in (bus, xvfb):
            proc.terminate()
            proc.wait()
        shutil.rmtree(work, ignore_errors=True)

    load1 = open("/proc/loadavg").read().split()[:3]
    report(progs, fig, notes, faults, res, load0, load1)
    return 1 if faults else 0


def report(progs, fig, notes, faults, res, load0, load1):
    rows = [  # key, label, unit, decimals, target for Mirvel (text, test on (mirvel, floor, peers))
        ("map", "launch: exec → first window mapped", "ms", 0,
         ("≤ 1.5 × floor, ahead of both peers", lambda m, f, ps: m <= 1.5 * f and all(m < x for x in ps))),
        ("cpu", "launch: CPU used by then (any load)", "ms", 0, None),
        ("paint", "launch: exec → first window painted", "ms", 0, None),
        ("ok_map", "OK pressed → main window mapped", "ms", 0, None),
        ("ok_paint", "OK pressed → main window painted", "ms", 0, None),
        ("rss", "memory: VmRSS, main window shown, music off", "MiB", 1,
         ("< 50 MiB", lambda m, f, ps: m < 50)),
        ("rss_music", "memory: VmRSS, music on (3 s into the tune)", "MiB", 1, None),
        ("tune_cpu", "CPU while a tune plays (3 to 8 s in)", "% of a core", 1, ("< 5 %", lambda m, f, ps: m < 5)),
        ("click", "press → its click heard, median", "ms", 0, ("< 50 ms", lambda m, f, ps: m < 50)),
        ("idle_cpu", "idle, no game: CPU", "ms/s", 2, None),
        ("idle_wake", "idle, no game: wake-ups", "/s", 1, ("0 /s", lambda m, f, ps: m == 0)),
        ("game_cpu", "idle in a game: CPU", "ms/s", 2, None),
        ("game_wake", "idle in a game: wake-ups", "/s", 1, ("1 /s", lambda m, f, ps: m <= 1.05)),
        ("input", "input: press → screen changed, median", "ms", 2, ("< 5 ms", lambda m, f, ps: m < 5)),
        ("input_max", "input: press → screen changed, slowest", "ms", 2, ("< 5 ms", lambda m, f, ps: m < 5)),
        ("start", "first Start of a launch → board changed, median ²", "ms", 2, None),
        ("start_max", "first Start of a launch → board changed, slowest ²", "ms", 2,
         ("< 5 ms", lambda m, f, ps: m < 5)),
    ]
    keys = [p.key for p in progs]
    head = ["measure", "unit"] + [p.title for p in progs] + ["Mirvel target", "met"]
    table = []
    for key, label, unit, dec, target in rows:
        vals = [fig[k].get(key) for k in keys]
        if all(v is None for v in vals):
            continue
        floor = fig["floor"].get(key)
        cells = []
        for k, v in zip(keys, vals):
            if v is None:
                cells.append("—")
            elif floor and key not in ("idle_wake", "game_wake") and k != "floor":
                cells.append(f"{v:.{dec}f} ({v / floor:.2f}×)")
            else:
                cells.append(f"{v:.{dec}f}")
        met = ""
        if target and vals[0] is not None:
            peers = [fig[k][key] for k in ("taquin", "fifteen") if key in fig.get(k, {})]
            met = "yes" if target[1](vals[0], floor or 0, peers) else "**no**"
        table.append([label, unit] + cells + [target[0] if target else "", met])
    print("| " + " | ".join(head) + " |")
    print("|" + "---|" * len(head))
    for row in table:
        print("| " + " | ".join(row) + " |")
    print()
    print(f"Medians of {RUNS} launches per program (after one warm-up launch each; music on: "
          f"{max(3, RUNS // 2)} launches), {PRESSES} presses, idle over one {IDLE:.0f} s window each; "
          f"² {STARTS} launches with the private sound server, the traffic light pressed once the main "
          f"window is painted; "
          f"(×) is the ratio to the Qt floor. Peers in a game: after the presses (neither has a clock). "
          f"Floor input: its menu title pressed. Screen read-back period (resolution): "
          f"{res.get('paint', 0):.2f} ms for a whole window, {res.get('input', 0):.2f} ms for the cells "
          f"pressed; map events are seen as they arrive. Load average before and after: "
          f"{' '.join(load0)} / {' '.join(load1)}. Screenshots: build/peers/*.png.")
    for n in notes:
        print("- " + n)
    for f in dict.fromkeys(faults):  # once, though every launch said it
        print("NOT MEASURED: " + f)


if __name__ == "__main__":
    sys.exit(main())
