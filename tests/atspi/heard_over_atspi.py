#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
"""A blind user's first computation, heard as a screen reader hears it.

Starts its own X server (Xvfb), session bus and, through it, the
accessibility bus and registry; runs the program there; opens the gold
window and computes the zakat on 100 grams with the keyboard alone; passes
when the accessibility bus carries the sentence a screen reader speaks, the
field left and come back to reads whole, run by run as Orca rebuilds it, and
Tab reaches the result, named with its caption and unit.
Everything it starts is ended before it returns, and it gives up after a
bounded time.

Usage: heard_over_atspi.py PROGRAM
"""

import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

EXPECTED = "مقدار الزكاة الواجبة 2.5 جرام من الذهب"
RESULT_NAME = "مقدار الزكاة الواجبة بالجرام: 2.5 جرام من الذهب"
GOLD_QUANTITY_NAME = "كمية الذهب بالجرام"
GOLD_PRICE_NAME = "ثمن الجرام بالعملة"
GOLD_MENU_BUTTON = "زكاة الذهب"
GOLD_WINDOW_NAME = "زكاة الذهب"
SECONDS_ALLOWED = 60  # the whole run, start-up and clean-up included
STEP_SECONDS = 20     # for any one thing awaited

started = []  # every process started here, ended in reverse order
made = []     # folders made here, removed at the end


def fail(message):
    print("FAIL: " + message, flush=True)
    raise SystemExit(1)


def end_with_us():
    # Whatever ends this run, even a kill that leaves no time to clean up,
    # ends what it started too.
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None).prctl(PR_SET_PDEATHSIG, signal.SIGTERM, 0, 0, 0)


def start(command, **options):
    process = subprocess.Popen(command, preexec_fn=end_with_us, **options)
    started.append(process)
    return process


def end_all():
    # What the buses started for us (the accessibility bus and its registry)
    # stays in our process group; it goes with the group, and comes back to
    # us to be reaped.
    for process in reversed(started):
        if process.poll() is None:
            process.terminate()
    deadline = time.monotonic() + 5
    for process in reversed(started):
        try:
            process.wait(max(0.1, deadline - time.monotonic()))
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    try:
        signal.signal(signal.SIGTERM, signal.SIG_IGN)
        os.killpg(os.getpgrp(), signal.SIGTERM)
    except OSError:
        pass
    deadline = time.monotonic() + 5
    while time.monotonic() < deadline:
        try:
            if os.waitpid(-1, os.WNOHANG) == (0, 0):
                time.sleep(0.05)
        except ChildProcessError:
            break  # none left
    for folder in made:
        shutil.rmtree(folder, ignore_errors=True)


def start_x_server():
    read_end, write_end = os.pipe()
    start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
           "-nolisten", "tcp", "-noreset"],
          pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    if not number:
        fail("Xvfb did not start")
    return ":" + number


def start_session_bus():
    bus = start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                stdout=subprocess.PIPE, text=True)
    address = bus.stdout.readline().strip()
    if not address:
        fail("the session bus did not start")
    return address


def main():
    if len(sys.argv) != 2:
        fail("usage: heard_over_atspi.py PROGRAM")
    program = os.path.abspath(sys.argv[1])
    for tool in ("Xvfb", "dbus-daemon"):
        if not shutil.which(tool):
            fail(tool + " is missing: sh scripts/setup.sh installs it")
    # Orphans of the buses come to us rather than to whatever reaps them on
    # this machine, so that none outlives the run.
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    # A group of our own, so that nothing started here outlives the run.
    if os.getpid() != os.getpgrp():
        os.setpgid(0, 0)
    signal.signal(signal.SIGALRM, lambda *_: fail("gave up after %d seconds" % SECONDS_ALLOWED))
    signal.signal(signal.SIGTERM, lambda *_: fail("stopped"))
    signal.alarm(SECONDS_ALLOWED)

    home = tempfile.mkdtemp(prefix="zakat-atspi-")
    runtime = os.path.join(home, "runtime")
    os.mkdir(runtime, 0o700)
    os.environ.update({
        "HOME": home,
        "XDG_RUNTIME_DIR": runtime,
        "XDG_CONFIG_HOME": os.path.join(home, "config"),
    })
    made.append(home)
    os.environ["DISPLAY"] = start_x_server()
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus()

    # Only now: pyatspi connects to the accessibility bus when imported.
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import GLib
        import pyatspi
    except ImportError as error:
        fail("%s: sh scripts/setup.sh installs python3-pyatspi" % error)

    heard = []
    role_words = []
    focused = []
    focused_objects = []

    def on_showing(event):
        if not event.detail1:
            return
        try:
            if event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                heard.append(event.source.name)
                role_words.append(event.source.getLocalizedRoleName())
        except Exception:  # gone already
            pass

    def on_focus(event):
        if event.detail1:
            try:
                focused.append(event.source.name)
                focused_objects.append(event.source)
            except Exception:
                pass

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")

    # On X, where Qt's bridge to the accessibility bus lives; always on, as
    # when a screen reader runs.
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    start([program], env=environment)

    context = GLib.MainContext.default()

    def tree():
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            shown = []
            for application in desktop:
                shown.append("%s: %s" % (application.name, [
                    (window.getRoleName(), window.name,
                     [pyatspi.stateToString(state) for state in window.getState().getStates()])
                    for window in application]))
            return "; ".join(shown)
        except Exception as error:
            return repr(error)

    def wait_until(condition, what):
        deadline = time.monotonic() + STEP_SECONDS
        while not condition():
            if time.monotonic() > deadline:
                fail("waited in vain for " + what + "; focus went to " + repr(focused[-5:])
                     + ", heard " + repr(heard) + "; on the bus: " + tree())
            context.iteration(False)
            time.sleep(0.02)

    def press(keysym):
        pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
        settle = time.monotonic() + 0.15
        while time.monotonic() < settle:
            context.iteration(False)
            time.sleep(0.01)

    tab, space, enter = 0xff09, 0x20, 0xff0d
    shift_keycode = 50  # Shift_L in the X server's own keymap


    wait_until(lambda: focused, "the menu to take the keyboard")
    for _ in range(12):  # Tab through the menu to the gold button
        if focused[-1] == GOLD_MENU_BUTTON:
            break
        press(tab)
    wait_until(lambda: focused[-1] == GOLD_MENU_BUTTON, "the gold button")
    press(space)
    wait_until(lambda: focused[-1] == GOLD_PRICE_NAME, "the gold window's price field")
    press(tab)
    wait_until(lambda: focused[-1] == GOLD_QUANTITY_NAME, "the quantity field")
    for digit in "100":
        press(ord(digit))
    del heard[:]
    press(enter)
    wait_until(lambda: heard, "an announcement")
    # Anything more said at once would be heard too.
    press(0)
    if heard != [EXPECTED]:
        fail("heard %r, not %r" % (heard, [EXPECTED]))
    # The window is a frame with its own name, whose title a reader can read.
    frames = [(window.getRole(), window.name)
              for application in pyatspi.Registry.getDesktop(0) for window in application]
    if (pyatspi.ROLE_FRAME, GOLD_WINDOW_NAME) not in frames:
        fail("no frame named %s among %r; on the bus: %s" % (GOLD_WINDOW_NAME, frames, tree()))
    if any(word.isascii() and word for word in role_words):
        fail("the announcement's role is named %r, not in Arabic" % role_words)

    # Left for the compute button and come back to: the field reads whole,
    # and every character lies in the attribute run reported at its offset.
    press(tab)
    wait_until(lambda: focused[-1] != GOLD_QUANTITY_NAME, "the field to be left")
    pyatspi.Registry.generateKeyboardEvent(shift_keycode, None, pyatspi.KEY_PRESS)
    press(tab)
    pyatspi.Registry.generateKeyboardEvent(shift_keycode, None, pyatspi.KEY_RELEASE)
    wait_until(lambda: focused[-1] == GOLD_QUANTITY_NAME, "the quantity field again")
    text = focused_objects[-1].queryText()
    if text.getText(0, -1) != "100":
        fail("the field reads %r, not '100'" % text.getText(0, -1))
    for offset in range(text.characterCount):
        runs = [text.getAttributeRun(offset, True)[1:], text.getAttributes(offset)[1:]]
        if any(not first <= offset < last for first, last in runs):
            fail("the attribute runs at %d are %r" % (offset, runs))

    # After the window's own controls, Tab reaches the result.
    for _ in range(8):
        if focused[-1] == RESULT_NAME:
            break
        moves = len(focused)
        press(tab)
        wait_until(lambda: len(focused) > moves, "the focus to move on")
    wait_until(lambda: focused[-1] == RESULT_NAME, "the result, named with its caption")
    print("PASS: heard " + heard[0] + "; the field read whole; the result reached", flush=True)


if __name__ == "__main__":
    try:
        main()
    finally:
        signal.alarm(0)
        end_all()
