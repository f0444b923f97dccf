"""A simulated hall on this host for the measuring scripts (soak,
many-consoles): a temporary root, the simulator writing the share of
"localhost", and consoles running offscreen, each in its own folder with its
own copy of the program, INI file and screen dump.

Every process started here is stopped here, by its own id.
"""

import json
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DRAWN_COLOURS = ("#b03030", "#e03030")  # a drawn ball, the last ball
TIMER = re.compile(rb'"TimerCount":(\d+)')
LOP = re.compile(rb'"LabelLOP":\{"text":" *(\d*)')
KUG = re.compile(rb'"LabelKUG":\{"text":" *(\d*)')
BACKGROUND = re.compile(rb'"bg":"(#[0-9a-f]{6})"')


def binary_folder(chosen):
    folder = os.path.abspath(chosen or os.environ.get("BINGO_BIN") or os.path.join(REPO, "build", "bin"))
    for tool in ("clientbingo", "bingo-server-sim"):
        if not os.access(os.path.join(folder, tool), os.X_OK):
            raise SystemExit(f"no {tool} in {folder}: build it or pass --bin")
    return folder


class Hall:
    def __init__(self, binaries, keep=False, prefix="bingo-hall-"):
        self.binaries = binaries
        self.keep = keep
        self.top = tempfile.mkdtemp(prefix=prefix)
        self.root = os.path.join(self.top, "root")
        self.run_folder = os.path.join(self.top, "run")
        self.xdg = os.path.join(self.top, "xdg")
        for folder in (self.root, self.run_folder, self.xdg):
            os.makedirs(folder)
        os.chmod(self.xdg, 0o700)
        with open(os.path.join(self.run_folder, "net.ini"), "wb") as f:
            f.write(b"localhost\r\n")
        self.frame_log = os.path.join(self.top, "frames.log")
        self.frame_file = os.path.join(self.root, "unc", "localhost", "net", "Frame.dat")
        self.simulator = None
        self.consoles = []

    def environment(self):
        env = dict(os.environ)
        env["BINGO_ROOT"] = self.root
        env.pop("BINGO_UNC_ROOT", None)
        env["QT_QPA_PLATFORM"] = "offscreen"
        env["XDG_RUNTIME_DIR"] = self.xdg
        if os.geteuid() == 0:
            env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"
        return env

    def start_simulator(self, arguments):
        out = open(os.path.join(self.top, "simulator.out"), "wb")
        self.simulator = subprocess.Popen(
            [os.path.join(self.binaries, "bingo-server-sim"), "--frame-log", self.frame_log] + arguments,
            cwd=self.top, env=self.environment(), stdout=out, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + 60
        while not os.path.exists(self.frame_file):
            if self.simulator.poll() is not None or time.monotonic() > deadline:
                raise SystemExit("the simulator wrote no frame; see " + out.name)
            time.sleep(0.05)

    def start_console(self, interval_ms, name="console", dump=True):
        folder = os.path.join(self.top, name)
        os.makedirs(folder)
        program = os.path.join(folder, "clientbingo")
        shutil.copy2(os.path.join(self.binaries, "clientbingo"), program)
        with open(program + ".ini", "wb") as f:
            f.write(b"[Timer]\r\nInterval=%d\r\n" % interval_ms)
        env = self.environment()
        dump = os.path.join(folder, "screen.json") if dump else None
        if dump:
            env["BINGO_SCREEN_DUMP"] = dump
        out = open(os.path.join(folder, "output.txt"), "wb")
        process = subprocess.Popen([program], cwd=self.run_folder, env=env, stdout=out, stderr=subprocess.STDOUT)
        console = Console(process, folder, dump)
        self.consoles.append(console)
        return console

    def stop(self):
        """Consoles first, so none of them sees the share vanish. Returns the consoles' exit codes."""
        codes = [stop_process(c.process) for c in self.consoles]
        if self.simulator:
            stop_process(self.simulator)
        if not self.keep:
            shutil.rmtree(self.top, ignore_errors=True)
        return codes


class Console:
    def __init__(self, process, folder, dump):
        self.process = process
        self.folder = folder
        self.dump = dump
        self._seen = None

    def _changed_dump(self):
        """(write time, bytes) of the dump when it changed since the last call."""
        try:
            with open(self.dump, "rb") as f:
                st = os.fstat(f.fileno())
                key = (st.st_ino, st.st_mtime_ns)
                if key == self._seen:
                    return None
                data = f.read()
        except FileNotFoundError:
            return None
        self._seen = key
        return st.st_mtime_ns / 1e9, data

    def read_dump(self):
        """The dump and the time it was written, when it changed since the last call."""
        changed = self._changed_dump()
        return changed and (changed[0], json.loads(changed[1]))

    def read_state(self):
        """(write time, TimerCount, LOP, KUG, drawn balls) of the dump when it changed, read
        without a full JSON parse, so that many consoles can be followed at once."""
        changed = self._changed_dump()
        if not changed:
            return None
        written, data = changed
        timer = int(TIMER.search(data).group(1))
        lop = int(LOP.search(data).group(1) or 0)
        kug = int(KUG.search(data).group(1) or 0)
        board = data[data.index(b'"CifarskaBtn":'):]
        colours = BACKGROUND.findall(board, 0, board.index(b"]"))
        drawn = tuple(ball for ball, bg in enumerate(colours, start=1) if bg.decode() in DRAWN_COLOURS)
        return written, timer, lop, kug, drawn

    def vm_rss_kb(self):
        with open(f"/proc/{self.process.pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
        return 0

    def cpu_seconds(self):
        with open(f"/proc/{self.process.pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        # utime and stime are fields 14 and 15 of the whole line.
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    def error_log_lines(self):
        try:
            with open(os.path.join(self.folder, "clientbingo.err"), "rb") as f:
                return f.read().count(b"\n")
        except FileNotFoundError:
            return 0


def stop_process(process, grace=10):
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    return process.returncode


def number(dump, control):
    text = dump["controls"][control]["text"].strip()
    return int(text) if text else 0


def drawn_cells(dump):
    return tuple(ball for ball, cell in enumerate(dump["CifarskaBtn"], start=1) if cell["bg"] in DRAWN_COLOURS)


class FrameLog:
    """The simulator's frame log: when each frame's write ended and what it showed."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.frames = []  # (time in s, kolo, lop, kug, drawn balls)

    def update(self):
        try:
            with open(self.path, "rb") as f:
                f.seek(self.offset)
                data = f.read()
        except FileNotFoundError:
            return
        end = data.rfind(b"\n") + 1
        self.offset += end
        for line in data[:end].decode().splitlines():
            t, kolo, lop, kug, drawn = line.split()
            balls = () if drawn == "-" else tuple(int(b) for b in drawn.split(","))
            self.frames.append((int(t) / 1e6, int(kolo), int(lop), int(kug), balls))
