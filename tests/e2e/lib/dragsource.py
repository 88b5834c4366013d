# A file manager's drag, for the end-to-end tests: a small GTK window at (600, 500) whose label
# can be dragged, offering the URIs given on the command line as a file manager does, as a URI
# list and as plain text. It prints "ready" once mapped and quits once the drag has ended, or
# after a minute.
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, GLib, Gtk  # noqa: E402

uris = sys.argv[1:]
window = Gtk.Window(title="drag source")
window.set_default_size(120, 80)
window.move(600, 500)
source = Gtk.EventBox()
source.add(Gtk.Label(label="files"))
window.add(source)
URI_LIST, TEXT = 0, 1
source.drag_source_set(
    Gdk.ModifierType.BUTTON1_MASK,
    [Gtk.TargetEntry.new("text/uri-list", 0, URI_LIST), Gtk.TargetEntry.new("text/plain", 0, TEXT)],
    Gdk.DragAction.COPY,
)


def hand_over(widget, context, selection, info, time):
    if info == URI_LIST:
        selection.set_uris(uris)
    else:
        selection.set_text("\n".join(uris), -1)


source.connect("drag-data-get", hand_over)
source.connect("drag-end", lambda *args: GLib.timeout_add(300, Gtk.main_quit))
window.connect("destroy", Gtk.main_quit)
GLib.timeout_add_seconds(60, Gtk.main_quit)
# Ready once the server has mapped the window: a press before that would land on nothing.
window.connect("map-event", lambda *args: print("ready", flush=True) and False)
window.show_all()
Gtk.main()
