#!/usr/bin/env python3
r"""Puts the installer's components for the program's files into the installer's source: one
Component per file, kept like the rest of a per-user install by a registry value of the user's,
with a Directory for each folder. The template's "<!-- @FILES@ -->" (inside INSTALLDIR) becomes
the components and directories, and "<!-- @FILE_REFS@ -->" the references to them.

usage: file-components.py [--pack] TEMPLATE STAGE ITEM... > plv.wxs
       (each ITEM a file or a folder of STAGE, a folder with everything in it)

Each component's GUID is derived from its file's path, so that it stays the same from one
release to the next: Windows Installer matches components by GUID across an upgrade, keeps those
both versions have, and removes those only the older one has. A file a later version no longer
brings therefore goes when the older version is removed, and its folder with it when nothing
else is left there.

Packages before this one had a component per folder. Each folder's old GUID stays, as a
component that holds no file: when a newer package removes such an older one, the folder's old
component is still used and keeps its files, which the newer package installed too.

--pack writes a language pack's components instead, which go into the same folders as the
program's: their GUIDs and registry values (under Software\Parlevo\Packs) are the packs' own, so
that no pack shares a component with the program. Each folder gets a component that removes it,
when empty, as it goes; its GUID is derived from the folder's path alone, so every pack that has
files in engine\modes brings the same component, and Windows Installer keeps it (and the folder)
until the last of them is removed. The same holds for a file two packs would both bring: one
component, removed with the last pack that has it."""
import os
import re
import sys
import uuid
from xml.sax.saxutils import quoteattr

NAMESPACE = uuid.UUID("6F1B7C2E-5A43-4C1D-9E0A-2D7B3C4E5F61")  # the product's upgrade code
KEY = "Software\\Parlevo\\Installer"
PACK_KEY = "Software\\Parlevo\\Packs"
pack = False


def ident(prefix, path):
    # Identifiers allow letters, digits, underscores and dots, and at most 72 characters.
    text = re.sub(r"[^A-Za-z0-9_.]", "_", path)
    tag = uuid.uuid5(NAMESPACE, path).hex[:8]
    return f"{prefix}_{text[:50]}_{tag}"


def guid(name):
    return str(uuid.uuid5(NAMESPACE, name)).upper()


def component(out, refs, indent, cid, cguid, body):
    out.append(f'{indent}<Component Id="{cid}" Guid="{cguid}">')
    out.extend(f"{indent}  {line}" for line in body)
    # Every component of a folder removes it when it goes, if nothing is left in it.
    out.append(f'{indent}  <RemoveFolder Id="{ident("R", cid)}" On="uninstall"/>')
    out.append(f"{indent}</Component>")
    refs.append(cid)


def file_component(out, refs, indent, rel):
    source = "$(var.Files)/" + rel
    key, kind = (PACK_KEY, "pack-file:") if pack else (KEY, "file:")
    component(out, refs, indent, ident("C", rel), guid(kind + rel), [
        f'<File Id="{ident("F", rel)}" Name={quoteattr(os.path.basename(rel))} Source={quoteattr(source)}/>',
        f'<RegistryValue Root="HKCU" Key="{key}\\Files" Name={quoteattr(rel)} Type="integer" Value="1" '
        'KeyPath="yes"/>',
    ])


def folder(stage, rel, refs, out, indent):
    here = os.path.join(stage, rel)
    out.append(f'{indent}<Directory Id="{ident("D", rel)}" Name={quoteattr(os.path.basename(rel))}>')
    if pack:
        component(out, refs, indent + "  ", ident("C", rel), guid("pack-folder:" + rel), [
            f'<RegistryValue Root="HKCU" Key="{PACK_KEY}\\Folders" Name={quoteattr(rel)} Type="integer" Value="1" '
            'KeyPath="yes"/>',
        ])
    else:
        # The folder's component of the older packages, by its GUID and key path of then.
        component(out, refs, indent + "  ", ident("C", rel), guid("folder:" + rel), [
            f'<RegistryValue Root="HKCU" Key="{KEY}" Name={quoteattr(rel)} Type="integer" Value="1" KeyPath="yes"/>',
        ])
    for name in sorted(os.listdir(here)):
        if os.path.isdir(os.path.join(here, name)):
            folder(stage, rel + "/" + name, refs, out, indent + "  ")
        else:
            file_component(out, refs, indent + "  ", rel + "/" + name)
    out.append(f"{indent}</Directory>")


def main():
    global pack
    args = sys.argv[1:]
    if args[:1] == ["--pack"]:
        pack = True
        args = args[1:]
    if len(args) < 3:
        sys.exit(__doc__)
    template, stage = args[0], args[1]
    out, refs = [], []
    for rel in args[2:]:
        path = os.path.join(stage, rel)
        if os.path.isdir(path):
            folder(stage, rel, refs, out, "            ")
        elif os.path.isfile(path):
            file_component(out, refs, "            ", rel)
        else:
            sys.exit(f"file-components.py: {path} is missing")
    with open(template, encoding="utf-8") as f:
        text = f.read()
    for marker in ("<!-- @FILES@ -->", "<!-- @FILE_REFS@ -->"):
        if marker not in text:
            sys.exit(f"file-components.py: {template} has no {marker}")
    text = text.replace("<!-- @FILES@ -->", "\n".join(out).strip())
    text = text.replace("<!-- @FILE_REFS@ -->", "\n      ".join(f'<ComponentRef Id="{r}"/>' for r in refs))
    sys.stdout.write(text)


main()
