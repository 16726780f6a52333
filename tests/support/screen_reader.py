#!/usr/bin/python3
"""Reads a program through AT-SPI as a screen reader does: on the session's
accessibility bus, from the registry's desktop down.

  screen_reader.py dump APP          prints APP's tree, one object a line:
                                     depth, role, name, description, and a
                                     text box's text or a value's figures
  screen_reader.py press APP ROLE NAME
                                     does the first action of the first
                                     object of that role and name
  screen_reader.py listen SECONDS EVENT...
                                     prints each event of the kinds given
                                     (e.g. object:property-change:accessible-description)
                                     as "type|source role|source name|detail"
                                     until SECONDS have passed

Exits 1 when APP or the object is not found.
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def application(name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == name:
            return app
    return None


def walk(node, depth=0):
    yield depth, node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child, depth + 1)


def line(depth, node):
    fields = [str(depth), node.get_role_name(), node.get_name() or "", node.get_description() or ""]
    interfaces = node.get_interfaces()
    if "Text" in interfaces:
        fields.append("text=" + Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node)))
    if "Value" in interfaces:
        fields.append("value=%g min=%g max=%g" % (Atspi.Value.get_current_value(node),
                                                   Atspi.Value.get_minimum_value(node),
                                                   Atspi.Value.get_maximum_value(node)))
    return "|".join(fields)


def dump(app_name):
    app = application(app_name)
    if app is None:
        return 1
    for depth, node in walk(app):
        print(line(depth, node))
    return 0


def press(app_name, role, name):
    app = application(app_name)
    if app is None:
        return 1
    for _, node in walk(app):
        if node.get_role_name() == role and node.get_name() == name:
            if "Action" in node.get_interfaces() and Atspi.Action.get_n_actions(node) > 0:
                Atspi.Action.do_action(node, 0)
                return 0
    return 1


def listen(seconds, kinds):
    def heard(event):
        source = event.source
        print("%s|%s|%s|%s" % (event.type, source.get_role_name() if source else "",
                               source.get_name() if source else "", event.any_data), flush=True)

    listener = Atspi.EventListener.new(heard)
    for kind in kinds:
        listener.register(kind)
    print("listening", flush=True)
    GLib.timeout_add(int(seconds * 1000), Atspi.event_quit)
    Atspi.event_main()
    return 0


def main(argv):
    if len(argv) >= 3 and argv[1] == "dump":
        return dump(argv[2])
    if len(argv) == 5 and argv[1] == "press":
        return press(argv[2], argv[3], argv[4])
    if len(argv) >= 4 and argv[1] == "listen":
        return listen(float(argv[2]), argv[3:])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
