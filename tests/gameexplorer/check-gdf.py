#!/usr/bin/env python3
"""The game program carries its definition file in the ELF section "__GDF_XML": read back
with objcopy, it is the source document byte for byte, well-formed, and has every element and
attribute an installer's game registry reads."""
import datetime
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

GAME_NS = "urn:schemas-microsoft-com:GameDescription.v1"
BASE_NS = "urn:schemas-microsoft-com:GamesExplorerBaseTypes.v1"
GUID = re.compile(r"^\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\}$")

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def section(program):
    with tempfile.NamedTemporaryFile() as out:
        subprocess.run(["objcopy", "--dump-section", "__GDF_XML=" + out.name, program,
                        "/dev/null"], check=True)
        return open(out.name, "rb").read()


def namespaces(data):
    found = {}
    with tempfile.NamedTemporaryFile() as f:
        f.write(data)
        f.flush()
        for _, (prefix, uri) in ET.iterparse(f.name, events=["start-ns"]):
            found[prefix] = uri
    return found


def element(parent, path):
    found = parent.find("/".join("g:" + p for p in path.split("/")), {"g": GAME_NS})
    check(found is not None, "element " + path)
    return found if found is not None else ET.Element("missing")


def main(program, source):
    data = section(program)
    check(data == open(source, "rb").read(), "the section holds the source document unchanged")
    check(data.startswith(b'<?xml version="1.0" encoding="utf-8"?>'), "XML declaration")
    root = ET.fromstring(data)  # raises, and so fails, on a document that is not well-formed
    check(root.tag == "{%s}GameDefinitionFile" % GAME_NS, "root element " + root.tag)
    check(namespaces(data) == {"baseTypes": BASE_NS, "": GAME_NS}, "namespaces")

    game = element(root, "GameDefinition")
    check(GUID.match(game.get("gameID", "")) is not None, "gameID " + str(game.get("gameID")))
    check(element(game, "Name").text == "QueltaBrovel", "Name")
    description = element(game, "Description").text or ""
    check(description.strip() != "" and "\n" not in description, "one-line Description")
    released = element(game, "ReleaseDate").text or ""
    check(re.match(r"^\d{4}-\d{2}-\d{2}$", released) is not None, "ReleaseDate form")
    datetime.date.fromisoformat(released)
    check(element(game, "Genres/Genre").text == "Card Games", "Genre")
    check(element(game, "Version/VersionFile").get("path") == "QueltaBrovel.exe", "VersionFile")
    saved = element(game, "SavedGames")
    check(saved.get("baseKnownFolderID") == "{F1B32785-6FBA-4FCF-9D55-7B8E7F157091}",
          "SavedGames folder")
    check(saved.get("path") == "QueltaBrovel", "SavedGames path")
    rating = element(game, "WindowsSystemPerformanceRating")
    check(rating.get("minimum") == "1" and rating.get("recommended") == "1", "rating")
    for maker in ("Developers/Developer", "Publishers/Publisher"):
        entry = element(game, maker)
        check((entry.text or "").strip() != "", maker + " name")
        check(re.match(r"^https?://", entry.get("URI", "")) is not None, maker + " URI")
    programs = [e.get("path") for e in game.findall("g:GameExecutables/g:GameExecutable",
                                                    {"g": GAME_NS})]
    check(programs == ["QueltaBrovel.exe", "QueltaBrovelUtility.exe"], "GameExecutables")

    for failure in failures:
        print("missing or wrong:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
