#!/usr/bin/python3
"""A StatusNotifierItem tray for the session bus, as desktops without an XEmbed tray have: it is
the watcher (org.kde.StatusNotifierWatcher) and a host at once. Every item that registers is read
from outside, its bus name, object path, status, title and tooltip on a line of standard output,
so that a test can wait for it and then ask the item for its menu or activate it as a tray would.

  sni_host.py SECONDS      serves until SECONDS have passed (or it is ended)
"""

import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

WATCHER = """<node><interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
  <signal name="StatusNotifierHostRegistered"/>
</interface></node>"""

bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
items = []


def say(line):
    print(line, flush=True)


def get(service, path, interface, name):
    reply = bus.call_sync(service, path, "org.freedesktop.DBus.Properties", "Get",
                          GLib.Variant("(ss)", (interface, name)), GLib.VariantType("(v)"),
                          Gio.DBusCallFlags.NONE, 5000, None)
    return reply.unpack()[0]


def read_item(service, path):
    try:
        status = get(service, path, "org.kde.StatusNotifierItem", "Status")
        title = get(service, path, "org.kde.StatusNotifierItem", "Title")
        tooltip = get(service, path, "org.kde.StatusNotifierItem", "ToolTip")
        say("item %s %s status=%s title=%s tooltip=%s" % (service, path, status, title, tooltip[2]))
    except GLib.Error as e:
        say("item %s%s unreadable: %s" % (service, path, e.message))
    return False


def on_call(connection, sender, path, interface, method, params, invocation):
    if method == "RegisterStatusNotifierItem":
        arg = params.unpack()[0]
        # Either an object path on the caller's connection or a bus name with the usual path.
        service, item_path = (sender, arg) if arg.startswith("/") else (arg, "/StatusNotifierItem")
        items.append(service + item_path)
        connection.emit_signal(None, "/StatusNotifierWatcher", "org.kde.StatusNotifierWatcher",
                               "StatusNotifierItemRegistered", GLib.Variant("(s)", (service + item_path,)))
        GLib.timeout_add(500, read_item, service, item_path)
    invocation.return_value(None)


def on_get(connection, sender, path, interface, name):
    if name == "RegisteredStatusNotifierItems":
        return GLib.Variant("as", items)
    if name == "IsStatusNotifierHostRegistered":
        return GLib.Variant("b", True)
    return GLib.Variant("i", 0)


node = Gio.DBusNodeInfo.new_for_xml(WATCHER)
bus.register_object("/StatusNotifierWatcher", node.interfaces[0], on_call, on_get, None)
loop = GLib.MainLoop()
Gio.bus_own_name_on_connection(bus, "org.kde.StatusNotifierWatcher", Gio.BusNameOwnerFlags.NONE,
                               lambda *a: say("watcher ready"), lambda *a: (say("watcher name taken"), loop.quit()))
GLib.timeout_add(int(float(sys.argv[1] if len(sys.argv) > 1 else 60) * 1000), loop.quit)
loop.run()
