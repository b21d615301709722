"""Starting and stopping Wine processes so that none outlives the tests."""

import ctypes
import os
import signal
import subprocess
import tempfile
from pathlib import Path

from waiting import DriverError


def run_quietly(args, timeout_s):
    subprocess.run(args, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=timeout_s, check=False)


def _die_with_parent():
    """Runs in the child before exec: the kernel kills it when the test process dies."""
    pr_set_pdeathsig = 1
    ctypes.CDLL(None, use_errno=True).prctl(pr_set_pdeathsig, signal.SIGKILL)


def spawn(args, stdout, stderr, cwd=None):
    """Starts a Wine process in its own process group (stopped as a whole by kill_group)
    that does not outlive this one."""
    return subprocess.Popen(args, cwd=cwd, stdin=subprocess.DEVNULL, stdout=stdout,
                            stderr=stderr, start_new_session=True, preexec_fn=_die_with_parent)


def kill_group(process):
    """Kills the process and all it started (its process group), and reaps it."""
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()


class Program:
    """A Windows program running under Wine. Its stdout and stderr go to a temporary file, not
    a pipe (Wine processes it starts could hold a pipe open), and not into its folder."""

    def __init__(self, program, cwd, args=()):
        self._log = tempfile.TemporaryFile()
        self.process = spawn(["wine", str(program), *map(str, args)], self._log,
                              subprocess.STDOUT, cwd)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()

    def wait_exit(self, timeout_s=10):
        """The exit code; DriverError when the program is still running after `timeout_s`."""
        try:
            return self.process.wait(timeout=timeout_s)
        except subprocess.TimeoutExpired:
            raise DriverError(f"{self.process.args[1]} still runs after {timeout_s} s") from None

    def stop(self):
        """Kills the program and every process it started; output() still works after."""
        kill_group(self.process)
        if not self._log.closed:
            self._stopped_output = self.output()
            self._log.close()

    def output(self):
        """What the program (and Wine) wrote to stdout and stderr, as bytes."""
        if self._log.closed:
            return self._stopped_output
        self._log.seek(0)
        return self._log.read()


def start(program, cwd=None, args=()):
    """Starts a Windows program, in its own folder unless `cwd` says otherwise."""
    return Program(program, cwd or Path(program).parent, args)
