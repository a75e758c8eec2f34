"""A private X server with a session bus and the accessibility bus, for a
round of the game, and the waits those rounds share."""

import os
import signal
import subprocess
import sys
import time


def wait_for(what, check, seconds=20.0):
    """Returns check() once it is true; fails with what, or what(), after seconds."""
    deadline = time.monotonic() + seconds
    while not (result := check()):
        if time.monotonic() > deadline:
            sys.exit(f"FAIL: {what() if callable(what) else what}")
        time.sleep(0.05)
    return result


def start(started, command, **kwargs):
    started.append(subprocess.Popen(command, start_new_session=True, **kwargs))
    return started[-1]


def stop(started):
    """Ends what start started, each with all it started in turn."""
    for process in reversed(started):
        try:
            os.killpg(process.pid, signal.SIGTERM)
            process.wait(timeout=5)
        except ProcessLookupError:
            pass
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def open_desktop(started):
    # Xvfb writes its display number to the pipe once it takes clients. It
    # must not reset when a client leaves, as the accessibility bus launcher
    # does, or a game connecting meanwhile is refused.
    read_end, write_end = os.pipe()
    start(started, ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                    "-nolisten", "tcp", "-noreset"],
          pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        os.environ["DISPLAY"] = ":" + numbers.readline().strip()
    bus = start(started, ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                stdout=subprocess.PIPE, text=True)
    os.environ.update({
        "DBUS_SESSION_BUS_ADDRESS": bus.stdout.readline().strip(),
        "QT_QPA_PLATFORM": "xcb",
        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
    })
    start(started, ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
