#!/usr/bin/env python3
"""What scripts/package needs to know about the language packs beyond their files.

usage: packs.py title PAIR              the pack's languages in English: fr-es -> French-Spanish
       packs.py guid TEXT               a GUID derived from TEXT (the same one every build)
       packs.py list VERSION RECORDS    the list of the packs for the release, as text

RECORDS is a file with one line a pack, tab-separated: the pair (fr-es), the MSI's file name,
its size in bytes, the size of the files it installs in bytes, and its modes (fr-es es-fr),
space-separated."""
import sys
import uuid

NAMESPACE = uuid.UUID("6F1B7C2E-5A43-4C1D-9E0A-2D7B3C4E5F61")  # Parlevo's upgrade code

# Every code in the pairs' package names and modes: its English name, and the code the service
# and plv.ini use for it (the two-letter ISO 639-1 code where there is one).
LANGUAGES = {
    "afr": ("Afrikaans", "af"), "arg": ("Aragonese", "an"), "ast": ("Asturian", "ast"),
    "bel": ("Belarusian", "be"), "br": ("Breton", "br"), "bul": ("Bulgarian", "bg"),
    "ca": ("Catalan", "ca"), "cat": ("Catalan", "ca"), "dan": ("Danish", "da"),
    "en": ("English", "en"), "eng": ("English", "en"), "eo": ("Esperanto", "eo"),
    "es": ("Spanish", "es"), "eu": ("Basque", "eu"), "fr": ("French", "fr"),
    "fra": ("French", "fr"), "frp": ("Arpitan", "frp"), "gl": ("Galician", "gl"),
    "hbs": ("Serbo-Croatian", "sh"), "hin": ("Hindi", "hi"), "ind": ("Indonesian", "id"),
    "isl": ("Icelandic", "is"), "ita": ("Italian", "it"), "mkd": ("Macedonian", "mk"),
    "nld": ("Dutch", "nl"), "nno": ("Norwegian Nynorsk", "nn"), "nob": ("Norwegian Bokm\u00e5l", "nb"),
    "nor": ("Norwegian", "no"), "oc": ("Occitan", "oc"), "oci": ("Occitan", "oc"),
    "pol": ("Polish", "pl"), "por": ("Portuguese", "pt"), "pt": ("Portuguese", "pt"),
    "ro": ("Romanian", "ro"), "rus": ("Russian", "ru"), "slv": ("Slovenian", "sl"),
    "spa": ("Spanish", "es"), "srd": ("Sardinian", "sc"), "swe": ("Swedish", "sv"),
    "szl": ("Silesian", "szl"), "ukr": ("Ukrainian", "uk"), "urd": ("Urdu", "ur"),
    "zlm": ("Malay", "ms"),
}


def name(code):
    if code not in LANGUAGES:
        sys.exit(f"packs.py: no English name for the language code \"{code}\" (add it to LANGUAGES)")
    return LANGUAGES[code][0]


def title(pair):
    a, b = pair.split("-")
    return f"{name(a)}-{name(b)}"


def size(n):
    return f"{n / 1e6:.1f} MB"


def listing(version, records):
    packs = []
    with open(records, encoding="utf-8") as f:
        for line in f:
            pair, msi, msi_bytes, installed, modes = line.rstrip("\n").split("\t")
            packs.append((pair, msi, int(msi_bytes), int(installed), modes.split()))
    packs.sort(key=lambda p: (title(p[0]), p[0]))
    out = [
        f"Parlevo {version}: language packs",
        "",
        "Parlevo translates between English and Spanish offline as it comes. Each pack below adds",
        "one more Apertium language pair, offline too. Install Parlevo first, then the packs you",
        "want (a double click, or msiexec /i plv-pack-PAIR-VERSION.msi): a pack needs no",
        "administrator, installs into Parlevo's engine folder (%LOCALAPPDATA%\\Programs\\Parlevo\\engine",
        "unless Parlevo went elsewhere), serves the 64-bit and the 32-bit Parlevo alike, and works",
        "without a restart of Parlevo: choose its direction in the service page, or set",
        "language= in plv.ini (the codes are those in brackets). Each pack is listed in the",
        "system's installed programs as \"Parlevo language pack: ...\", where it is uninstalled.",
        "",
        f"{len(packs)} packs, {size(sum(p[2] for p in packs))} to download, "
        f"{size(sum(p[3] for p in packs))} installed in all.",
        "",
    ]
    for pair, msi, msi_bytes, installed, modes in packs:
        out.append(f"{title(pair)}: {msi}, {size(msi_bytes)} ({size(installed)} installed)")
        directions = []
        for mode in sorted(modes):
            a, b = mode.split("-")
            directions.append(f"{name(a)} to {name(b)} ({LANGUAGES[a][1]}-{LANGUAGES[b][1]})")
        out.append("    " + ", ".join(directions))
    return "\n".join(out) + "\n"


def main():
    args = sys.argv[1:]
    if len(args) == 2 and args[0] == "title":
        print(title(args[1]))
    elif len(args) == 2 and args[0] == "guid":
        print(str(uuid.uuid5(NAMESPACE, args[1])).upper())
    elif len(args) == 3 and args[0] == "list":
        sys.stdout.buffer.write(listing(args[1], args[2]).encode("utf-8"))
    else:
        sys.exit(__doc__)


main()
