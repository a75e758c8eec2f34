#!/usr/bin/python3
"""The manifest Windows reads from kringwoord.exe (type 24, id 1): long paths,
Windows 10 and 11, the invoker's rights, and no DPI awareness, which Qt sets.
Usage: manifest.py <kringwoord.exe>"""
import sys
import xml.etree.ElementTree as ElementTree

import pefile

pe = pefile.PE(sys.argv[1])
[data] = [language.data.struct for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries if kind.id == 24
          for name in kind.directory.entries if name.id == 1 for language in name.directory.entries]
manifest = ElementTree.fromstring(pe.get_data(data.OffsetToData, data.Size))
elements = {element.tag.rpartition("}")[2]: element for element in manifest.iter()}
assert elements["longPathAware"].text == "true"
assert elements["supportedOS"].get("Id") == "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
assert elements["requestedExecutionLevel"].get("level") == "asInvoker"
assert not {"dpiAware", "dpiAwareness"} & elements.keys()
