# SPDX-License-Identifier: MIT
"""The accessibility tree as the AT-SPI tests walk it."""
import pyatspi


def descendants(node):
    """Every node below `node`, depth first; dead children are left out."""
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def application(pid):
    """The application of process `pid` on the accessibility bus, or None."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None
