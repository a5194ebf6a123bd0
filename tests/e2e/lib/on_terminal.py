"""Runs a program on a terminal of its own and plays a script of steps against it.

  on_terminal.py [--ignore-hup] [--stdout FILE] -- PROGRAM ARGS... ; STEP...

Steps, in order: wait:TEXT (until the output shows TEXT after what the last wait found),
type:TEXT (keys, a CR for each "|"), step:FILE:TEXT (replaces FILE's content), sleep:SECONDS,
hangup (closes the terminal). Then it waits for the program and prints its exit code. Standard
error goes to the file "err"; what the terminal showed to "terminal". With --stdout the output
goes to FILE instead, and waits look there."""
import os
import pty
import signal
import sys
import time

args = sys.argv[1:]
ignore_hup = "--ignore-hup" in args
stdout_file = args[args.index("--stdout") + 1] if "--stdout" in args else None
command = args[args.index("--") + 1:args.index(";")]
steps = args[args.index(";") + 1:]

pid, terminal = pty.fork()
if pid == 0:
    if ignore_hup:
        signal.signal(signal.SIGHUP, signal.SIG_IGN)
    if stdout_file:
        os.dup2(os.open(stdout_file, os.O_WRONLY | os.O_CREAT | os.O_TRUNC), 1)
    os.dup2(os.open("err", os.O_WRONLY | os.O_CREAT | os.O_TRUNC), 2)
    os.execv(command[0], command)

shown = b""
found = 0
open_terminal = True


def take_output():
    global shown
    if stdout_file:
        time.sleep(0.01)
        if os.path.exists(stdout_file):
            shown = open(stdout_file, "rb").read()
        return
    try:
        shown += os.read(terminal, 4096)
    except OSError:  # the program has ended and the terminal with it
        time.sleep(0.01)


for step in steps:
    kind, _, what = step.partition(":")
    if kind == "wait":
        deadline = time.time() + 120
        while shown.find(what.encode(), found) < 0:
            if time.time() > deadline:
                sys.exit("the program never showed " + what)
            take_output()
        found = shown.find(what.encode(), found) + len(what)
    elif kind == "type":
        os.write(terminal, what.replace("|", "\r").encode())
    elif kind == "step":
        path, _, text = what.partition(":")
        with open(path + ".new", "w") as f:
            f.write(text + "\n")
        os.rename(path + ".new", path)
    elif kind == "sleep":
        time.sleep(float(what))
    elif kind == "hangup":
        os.close(terminal)
        open_terminal = False

while open_terminal:  # keep reading, so the program never waits on a full terminal
    try:
        data = os.read(terminal, 4096)
    except OSError:
        break
    if not data:
        break
    shown += data
status = os.waitpid(pid, 0)[1]
open("terminal", "wb").write(shown)
print(os.waitstatus_to_exitcode(status))
