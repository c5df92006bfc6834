#!/usr/bin/env python3
"""Puts the installer's components for folders of many files (the translation engine and the
licences) into the installer's source: one Directory with one Component per folder, every file
in it, kept like the rest of a per-user install by a registry value of the user's, and removed
with the program. The template's "<!-- @FOLDERS@ -->" becomes the directories and
"<!-- @FOLDER_REFS@ -->" the references to their components.

usage: folder-components.py TEMPLATE STAGE FOLDER... > plv.wxs

Each component's GUID is derived from the folder's path, so that it stays the same from one
release to the next (Windows Installer matches components by GUID across an upgrade)."""
import os
import re
import sys
import uuid
from xml.sax.saxutils import quoteattr

NAMESPACE = uuid.UUID("6F1B7C2E-5A43-4C1D-9E0A-2D7B3C4E5F61")  # the product's upgrade code


def ident(prefix, path):
    # Identifiers allow letters, digits, underscores and dots, and at most 72 characters.
    text = re.sub(r"[^A-Za-z0-9_.]", "_", path)
    tag = uuid.uuid5(NAMESPACE, path).hex[:8]
    return f"{prefix}_{text[:50]}_{tag}"


def folder(stage, rel, refs, out, indent):
    here = os.path.join(stage, rel)
    name = os.path.basename(rel)
    out.append(f'{indent}<Directory Id="{ident("D", rel)}" Name={quoteattr(name)}>')
    files = sorted(f for f in os.listdir(here) if os.path.isfile(os.path.join(here, f)))
    subs = sorted(f for f in os.listdir(here) if os.path.isdir(os.path.join(here, f)))
    component = ident("C", rel)
    guid = str(uuid.uuid5(NAMESPACE, "folder:" + rel)).upper()
    out.append(f'{indent}  <Component Id="{component}" Guid="{guid}">')
    for f in files:
        source = "$(var.Files)/" + rel + "/" + f
        out.append(f'{indent}    <File Id="{ident("F", rel + "/" + f)}" Name={quoteattr(f)} Source={quoteattr(source)}/>')
    out.append(f'{indent}    <RegistryValue Root="HKCU" Key="Software\\Parlevo\\Installer" Name={quoteattr(rel)} '
               f'Type="integer" Value="1" KeyPath="yes"/>')
    out.append(f'{indent}    <RemoveFolder Id="{ident("R", rel)}" On="uninstall"/>')
    out.append(f"{indent}  </Component>")
    refs.append(component)
    for s in subs:
        folder(stage, rel + "/" + s, refs, out, indent + "  ")
    out.append(f"{indent}</Directory>")


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    template, stage = sys.argv[1], sys.argv[2]
    dirs, refs = [], []
    for rel in sys.argv[3:]:
        if not os.path.isdir(os.path.join(stage, rel)):
            sys.exit(f"folder-components.py: {os.path.join(stage, rel)} is not a folder")
        folder(stage, rel, refs, dirs, "            ")
    with open(template, encoding="utf-8") as f:
        text = f.read()
    for marker in ("<!-- @FOLDERS@ -->", "<!-- @FOLDER_REFS@ -->"):
        if marker not in text:
            sys.exit(f"folder-components.py: {template} has no {marker}")
    text = text.replace("<!-- @FOLDERS@ -->", "\n".join(dirs).strip())
    text = text.replace("<!-- @FOLDER_REFS@ -->", "\n      ".join(f'<ComponentRef Id="{r}"/>' for r in refs))
    sys.stdout.write(text)


main()
