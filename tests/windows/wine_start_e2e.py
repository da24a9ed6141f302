"""tessaly.exe starts under Wine while the print system is silent: nothing of printing is
loaded before the person prints, so a print server that takes the connection and never
answers cannot hold up the first window.

    wine_start_e2e.py TESSALY_EXE   (DISPLAY, WINEPREFIX and WINEDEBUG set by scripts/test-windows)
"""

import os
import socket
import sys
import threading

import scaffold
from wine_e2e import Program, the_splash_appears


def a_print_server_that_never_answers():
    """Wine's spooler reaches the print system through libcups, which follows CUPS_SERVER."""
    server = socket.create_server(("127.0.0.1", 0))
    held = []
    threading.Thread(target=lambda: [held.append(server.accept()) for _ in iter(int, 1)], daemon=True).start()
    return {"CUPS_SERVER": f"127.0.0.1:{server.getsockname()[1]}"}


class Started(Program):
    def __init__(self, exe, environment):
        scaffold.Program.__init__(self, ["wine", exe], environment)


def the_splash_appears_while_the_print_server_is_silent(program):
    the_splash_appears(program)


if __name__ == "__main__":
    exe = os.path.realpath(sys.argv[1])
    scaffold.run([the_splash_appears_while_the_print_server_is_silent],
                 lambda step: Started(exe, a_print_server_that_never_answers()))
