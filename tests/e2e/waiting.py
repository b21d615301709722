"""What the end-to-end tests wait for, and the failure when it does not come."""

import time


class DriverError(AssertionError):
    """A driver call or a wait failed; the message says what was asked and what was seen."""


def wait_until(condition, timeout_s=10, interval_s=0.05, what="the condition"):
    """Polls `condition` until it gives a true value and gives that value: for effects a
    program shows a little after the driver's post (a file written, a line logged)."""
    deadline = time.monotonic() + timeout_s
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise DriverError(f"{what} did not come within {timeout_s} s")
        time.sleep(interval_s)
