"""Boots the hall PC that scripts/hall-vm made and plays the hall's scenarios
on it, each asserted:

  boot 1 (the game server's share down):
    the console comes up on its own, without a restart, and stays up; it plays
    as soon as samba starts; two ranges typed on the numeric keypad (NumLock as
    the firmware left it) and one on the main row reach the bought list; a
    crash (SIGSEGV) puts it back on screen; an upgrade to a newer build while
    it runs leaves one X server and one console and keeps a changed INI file;
    the server's Off2 ends it for good; Off3 reboots the PC;
  boot 2 (after Off3, the share up):
    the console comes up on its own, without a restart, and plays; a purge
    leaves what the README says; installed again, Off1 powers the PC off.

Keys go in through QEMU's keyboard (QMP send-key), the screen comes out as
QMP screendumps; the console's screen dump (JSON) and the few facts the test
reads inside the VM come out over a virtio port (hall-agent).
"""

import argparse
import base64
import json
import os
import socket
import subprocess
import sys
import time

SHARE = "/srv/hall/unc/bingoserver/net"
DUMP = "/var/lib/clientbingo/screen.json"
WINDOW_GREY = (240, 240, 240)  # the console's form; a text console has none of it
CONSOLE_BOUND_S = {"tcg": 180, "kvm": 60}  # boot to console, measured (README)


class Failure(Exception):
    pass


MISSED = []  # time bounds missed; the other scenarios still run


def within(what, took, limit):
    if took > limit:
        MISSED.append(f"{what} took {took:.1f} s (at most {limit})")


class Qmp:
    def __init__(self, path):
        self.sock = socket.socket(socket.AF_UNIX)
        self.sock.connect(path)
        self.file = self.sock.makefile("rwb")
        self.events = []
        self.file.readline()  # greeting
        self.call("qmp_capabilities")

    def call(self, command, **arguments):
        self.file.write(json.dumps({"execute": command, "arguments": arguments}).encode() + b"\n")
        self.file.flush()
        while True:
            line = self.file.readline()
            if not line:
                raise Failure("QEMU closed its monitor")
            message = json.loads(line)
            if "event" in message:
                self.events.append((time.monotonic(), message["event"]))
            elif "error" in message:
                raise Failure(f"QMP {command}: {message['error']}")
            else:
                return message.get("return")

    def key(self, qcode):
        self.call("send-key", keys=[{"type": "qcode", "data": qcode}])
        time.sleep(0.15)


class Agent:
    """The virtio port's command line: one command, one answer."""

    def __init__(self, path):
        self.sock = socket.socket(socket.AF_UNIX)
        self.sock.connect(path)
        self.buffer = b""
        self.serial = 0

    def _send(self, command):
        self.serial += 1
        ident = f"c{self.serial}"
        self.sock.sendall(f"{ident} {base64.b64encode(command.encode()).decode()}\n".encode())
        return ident

    def _answer(self, ident, timeout):
        deadline = time.monotonic() + timeout
        while True:
            while b"\n" in self.buffer:
                line, self.buffer = self.buffer.split(b"\n", 1)
                parts = line.decode().split(" ")
                if len(parts) == 3 and parts[0] == ident:
                    return int(parts[1]), base64.b64decode(parts[2]).decode(errors="replace")
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            self.sock.settimeout(left)
            try:
                chunk = self.sock.recv(65536)
            except socket.timeout:
                return None
            if not chunk:
                raise Failure("the agent's port closed")
            self.buffer += chunk

    def wait_ready(self, timeout):
        """A command sent while the guest's agent is down waits in the port:
        only harmless echoes are sent until one answers."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self._answer(self._send("echo ready"), 5) is not None:
                return
        raise Failure(f"the VM's agent did not answer within {timeout} s")

    def run(self, command, timeout=120, check=True):
        answer = self._answer(self._send(command), timeout)
        if answer is None:
            raise Failure(f"no answer within {timeout} s to: {command}")
        status, output = answer
        if check and status != 0:
            raise Failure(f"'{command}' failed ({status}): {output}")
        return output.strip()


class HallPc:
    def __init__(self, work, accel):
        self.work = work
        self.accel = accel
        self.serial_log = os.path.join(work, "serial.log")
        qmp_path, agent_path = os.path.join(work, "qmp.sock"), os.path.join(work, "agent.sock")
        command = [
            "qemu-system-x86_64", "-machine", "pc", "-accel", accel,
            "-m", "2048", "-smp", "2" if accel == "kvm" else "1",
            "-kernel", os.path.join(work, "vmlinuz"), "-initrd", os.path.join(work, "initrd.img"),
            # edd=off: nested KVM hangs at "Probing EDD" otherwise.
            "-append", "root=LABEL=hall rw console=ttyS0 edd=off quiet loglevel=3",
            "-drive", f"file={os.path.join(work, 'disk.img')},format=raw,if=virtio,cache=unsafe",
            "-vga", "std", "-device", "qemu-xhci", "-device", "usb-kbd", "-nic", "none",
            "-display", "none", "-serial", f"file:{self.serial_log}",
            "-qmp", f"unix:{qmp_path},server=on,wait=off",
            "-device", "virtio-serial",
            "-chardev", f"socket,id=agent,path={agent_path},server=on,wait=off",
            "-device", "virtserialport,chardev=agent,name=hall.agent",
        ]
        self.started = time.monotonic()
        self.process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=open(os.path.join(work, "qemu.err"), "wb"))
        deadline = time.monotonic() + 30
        while not (os.path.exists(qmp_path) and os.path.exists(agent_path)):
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise Failure("QEMU did not start: " + open(os.path.join(work, "qemu.err")).read())
            time.sleep(0.1)
        self.qmp = Qmp(qmp_path)
        self.agent = Agent(agent_path)
        self.shots = 0

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    # --- the screen -----------------------------------------------------------------
    def screen(self, keep_as=None):
        path = keep_as or os.path.join(self.work, "screen.ppm")
        self.qmp.call("screendump", filename=path)
        with open(path, "rb") as f:
            data = f.read()
        fields = data.split(maxsplit=4)  # P6 width height maxval pixels
        width, height = int(fields[1]), int(fields[2])
        pixels = data[len(data) - width * height * 3:]
        return width, height, pixels

    def console_on_screen(self):
        width, height, pixels = self.screen()
        grey = bytes(WINDOW_GREY)
        count = sum(1 for i in range(0, len(pixels), 3 * 7) if pixels[i:i + 3] == grey)
        return count * 7 > 0.2 * width * height

    def wait_for_console(self, timeout, since):
        deadline = since + timeout
        while time.monotonic() < deadline:
            if self.console_on_screen():
                return time.monotonic() - since
            time.sleep(2)
        raise Failure(f"no console on screen within {timeout} s")

    # --- inside the VM ----------------------------------------------------------------
    def sh(self, command, **kw):
        return self.agent.run(command, **kw)

    def dump(self):
        text = self.sh(f"cat {DUMP} 2>/dev/null || echo '{{}}'")
        try:
            return json.loads(text)
        except ValueError:
            return {}

    def control(self, name, dump=None):
        return ((dump or self.dump()).get("controls", {}).get(name, {}).get("text") or "").strip()

    def unit(self, prop):
        return self.sh(f"systemctl show -p {prop} --value clientbingo.service")

    def console_pid(self):
        return self.sh("pgrep -u bingo -x clientbingo || true")

    def wait(self, what, predicate, timeout, step=1.0):
        deadline = time.monotonic() + timeout
        while True:
            value = predicate()
            if value:
                return value
            if time.monotonic() > deadline:
                raise Failure(f"{what}: not within {timeout} s")
            time.sleep(step)

    def wait_for_event(self, name, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for at, event in self.qmp.events:
                if event == name:
                    self.qmp.events.clear()
                    return at
            try:
                self.qmp.call("query-status")
            except (Failure, OSError):
                pass
            time.sleep(1)
        raise Failure(f"no {name} within {timeout} s")


def step(text, since):
    print(f"hall_vm: {text} ({time.monotonic() - since:.0f} s)", flush=True)


def type_keys(pc, keys, field, expected):
    for key in keys:
        pc.qmp.key(key)
    pc.wait(f"{field} shows {expected}", lambda: pc.control(field) == expected, 20)


def buy(pc, digits, enter, first, last):
    """A cashier's range: first ticket, Enter, last ticket, Enter."""
    type_keys(pc, [digits + c for c in str(first)], "EditKupPoc", str(first))
    pc.qmp.key(enter)
    type_keys(pc, [digits + c for c in str(last)], "EditKupEnd", str(last))
    pc.qmp.key(enter)


def bought_ranges(dump):
    ranges = []
    for slot in range(1, 11):
        first = (dump.get("controls", {}).get("LabelTkKUpPoc3" if slot == 3 else f"LabelTkKupPoc{slot}", {}).get("text") or "").strip()
        if first:
            ranges.append((int(first), int(dump["controls"][f"LabelTkKupEnd{slot}"]["text"].strip())))
    return ranges


def play_keypad(pc, t0):
    """Two ranges on the keypad and one on the main row, inside the server's
    first sold range, early in a round so that the round outlives the check."""
    for _ in range(3):
        dump = pc.wait("a round with sold tickets and at most 20 balls",
                       lambda: (lambda d: d if pc.control("LabelProPoc1", d) and int(pc.control("LabelLOP", d) or 0) <= 20 else None)(pc.dump()),
                       240, step=2)
        sold_first, sold_last = int(pc.control("LabelProPoc1", dump)), int(pc.control("LabelProEnd1", dump))
        if sold_last - sold_first < 40:
            time.sleep(20)
            continue
        wanted = [(sold_first + 1, sold_first + 5), (sold_first + 11, sold_first + 15)]
        round_before = dump.get("StatusBar", [""] * 13)[8]
        buy(pc, "kp_", "kp_enter", *wanted[0])
        buy(pc, "kp_", "kp_enter", *wanted[1])
        row = (sold_first + 21, sold_first + 23)
        buy(pc, "", "ret", *row)
        wanted.append(row)
        try:
            got = pc.wait("the bought list shows the three ranges",
                          lambda: (lambda r: r if sorted(r) == wanted else None)(bought_ranges(pc.dump())), 15)
            step(f"typed {wanted[:2]} on the keypad and {row} on the main row: bought {got}", t0)
            return
        except Failure:
            if pc.dump().get("StatusBar", [""] * 13)[8] != round_before:
                continue  # a new round cleared the list; again
            raise
    raise Failure("no round long enough for the keypad entry")


def plays(pc):
    return int(pc.control("LabelLOP") or 0) > 0 or bool(pc.control("LabelProPoc1"))


def boot_one(pc, t0):
    bound = CONSOLE_BOUND_S[pc.accel]
    took = pc.wait_for_console(bound, pc.started)
    step(f"boot 1 (share down): console on screen {took:.0f} s after power-on", t0)
    pc.agent.wait_ready(120)
    time.sleep(30)
    if pc.unit("NRestarts") != "0" or pc.unit("ActiveState") != "active":
        raise Failure("the console restarted while the share was down: " + pc.unit("NRestarts"))
    if not pc.console_on_screen():
        raise Failure("the console left the screen while the share was down")
    if plays(pc):
        raise Failure("the console plays with the share down?")
    step("30 s with the share down: no restart, still on screen", t0)

    t = time.monotonic()
    pc.sh("rm -f /etc/hall-server-down && systemctl start smbd")
    pc.wait("the console plays once samba runs", lambda: plays(pc), 120)
    if pc.unit("NRestarts") != "0":
        raise Failure("the unit restarted to reach the share")
    step(f"samba started: the console plays after {time.monotonic() - t:.0f} s, no restart", t0)

    play_keypad(pc, t0)

    old = pc.console_pid()
    t = time.monotonic()
    pc.sh(f"kill -SEGV {old}")
    pc.wait("the crashed console leaves the screen", lambda: not pc.console_on_screen(), 10, step=0.5)
    pc.wait("the console back after a crash",
            lambda: pc.console_pid() not in ("", old) and pc.console_on_screen(), 60, step=0.5)
    back = time.monotonic() - t
    step(f"crash (SIGSEGV): the console back on screen after {back:.1f} s", t0)
    within("the console's return after a crash", back, 10)

    # The installation is root's: bingo adds its files but cannot swap the tools root runs.
    if pc.sh("stat -c %U:%G:%a /opt/clientbingo") != "root:bingo:1775":
        raise Failure("/opt/clientbingo is " + pc.sh("stat -c %U:%G:%a /opt/clientbingo"))
    if pc.sh("runuser -u bingo -- mv /opt/clientbingo/bin /opt/clientbingo/mine >/dev/null 2>&1 && echo moved || true"):
        raise Failure("bingo moved /opt/clientbingo/bin away")
    # A technician's INI change and an administrator's edit of the ping permission outlive an upgrade.
    pc.sh("printf '[Screen]\\r\\nFit=1\\r\\n' | runuser -u bingo -- tee -a /opt/clientbingo/clientbingo.ini >/dev/null")
    pc.sh("echo '# the administrator was here' >>/etc/sysctl.d/50-clientbingo.conf")
    pc.sh("cd /root && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends ./upgrade.deb",
          timeout=300)
    time.sleep(15)
    xservers, consoles = pc.sh("pgrep -c -x Xorg || true"), pc.sh("pgrep -c -x clientbingo || true")
    if (xservers, consoles) != ("1", "1"):
        raise Failure(f"after the upgrade: {xservers} X servers, {consoles} consoles")
    pc.sh("grep -q '^Fit=1' /opt/clientbingo/clientbingo.ini")
    pc.sh("grep -q 'the administrator was here' /etc/sysctl.d/50-clientbingo.conf")
    pc.wait("the upgraded console on screen", pc.console_on_screen, 60)
    step("upgraded while running: one X server, one console, the INI kept: "
         + pc.sh("dpkg-query -W -f='${Version}' clientbingo"), t0)

    pc.sh(f"runuser -u hall -- touch {SHARE}/Off2.txt")
    pc.wait("the console closed by Off2", lambda: pc.unit("ActiveState") == "inactive", 60)
    restarts = pc.unit("NRestarts")
    time.sleep(15)
    if pc.unit("ActiveState") != "inactive" or pc.unit("NRestarts") != restarts:
        raise Failure("the console came back after Off2")
    pc.sh(f"rm -f {SHARE}/Off2.txt")
    step("Off2: the unit is inactive and stays so", t0)

    pc.sh("systemctl start clientbingo")
    pc.wait("the console started again", pc.console_on_screen, 120)
    pc.sh("systemctl stop hall-sim && systemd-run --unit=hall-off3 --uid=hall "
          "-E BINGO_ROOT=/srv/hall -E BINGO_UNC_ROOT=/srv/hall/unc "
          "/usr/local/bin/hall-sim --server bingoserver --ball-ms 1500 --off 3 --off-hold-s 25")
    reset = pc.wait_for_event("RESET", 120)
    step("Off3: the PC rebooted", t0)
    return reset


def boot_two(pc, t0, reset, shot):
    took = pc.wait_for_console(CONSOLE_BOUND_S[pc.accel], reset)
    step(f"boot 2 (share up): console on screen {took:.0f} s after the reboot", t0)
    if shot:
        pc.screen(keep_as=shot + ".ppm")
        subprocess.run(["convert", shot + ".ppm", shot], check=True)
        os.unlink(shot + ".ppm")
    pc.agent.wait_ready(120)
    pc.wait("the console plays", lambda: plays(pc), 120)
    if pc.unit("NRestarts") != "0":
        raise Failure("the console restarted during boot 2")
    if pc.sh(f"ls {SHARE}/Off3.txt 2>/dev/null || true"):
        raise Failure("Off3.txt is still there")
    step("boot 2: plays, no restart", t0)

    pc.sh("DEBIAN_FRONTEND=noninteractive apt-get purge -y -q clientbingo", timeout=300)
    left = pc.sh("ls -A /opt/clientbingo /etc/sysctl.d/50-clientbingo.conf 2>/dev/null || true")
    if left:
        raise Failure("the purge left: " + left)
    pc.sh("test -s /var/lib/clientbingo/c/Orma/Bingo/Arh/CfgW/A1944.3x5 && getent passwd bingo >/dev/null")
    if pc.sh("pgrep -x Xorg || pgrep -x clientbingo || true"):
        raise Failure("the purge left the console or its X server running")
    step("purge: program, INI, logs and sysctl file gone; the hall's data and the user bingo kept", t0)

    pc.sh("cd /root && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends ./upgrade.deb"
          " && systemctl start clientbingo", timeout=300)
    pc.wait("the console after installing again", pc.console_on_screen, 120)
    pc.sh("systemctl stop hall-sim && systemd-run --unit=hall-off1 --uid=hall "
          "-E BINGO_ROOT=/srv/hall -E BINGO_UNC_ROOT=/srv/hall/unc "
          "/usr/local/bin/hall-sim --server bingoserver --ball-ms 1500 --off 1 --off-hold-s 25")
    pc.wait("QEMU ends after Off1", lambda: pc.process.poll() is not None, 120)
    if "SHUTDOWN" not in [event for _, event in pc.qmp.events] and pc.process.returncode != 0:
        raise Failure("QEMU ended without a shutdown")
    step("Off1: the PC powered off", t0)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--work", required=True)
    parser.add_argument("--accel", choices=("kvm", "tcg"), required=True)
    parser.add_argument("--shot")
    options = parser.parse_args()
    t0 = time.monotonic()
    pc = HallPc(options.work, options.accel)
    try:
        reset = boot_one(pc, t0)
        boot_two(pc, t0, reset, options.shot)
    except Failure as failure:
        try:
            pc.screen(keep_as=os.path.join(options.work, "failure.ppm"))
            with open(os.path.join(options.work, "journal.txt"), "w") as f:
                f.write(pc.sh("journalctl -b --no-pager | tail -n 400", check=False, timeout=30))
        except (Failure, OSError):
            pass
        print(f"hall_vm: FAILED: {failure}", file=sys.stderr)
        print("hall_vm: the serial console's last lines:\n" + "".join(open(pc.serial_log, errors="replace").readlines()[-20:]),
              file=sys.stderr)
        return 1
    finally:
        pc.stop()
    if MISSED:
        print("hall_vm: FAILED: " + "; ".join(MISSED), file=sys.stderr)
        return 1
    step("all scenarios passed", t0)
    return 0


if __name__ == "__main__":
    sys.exit(main())
