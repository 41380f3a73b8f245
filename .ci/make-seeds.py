"""Writes each distinct corpus value as a UTF-16LE file: seeds for the fuzz targets."""
import hashlib
import pathlib
import sys

corpus, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
values = set()
for tsv in corpus.glob("*.tsv"):
    for line in tsv.read_text(encoding="utf-8").splitlines()[1:]:
        columns = line.split("\t")
        if len(columns) > 1 and len(columns[1]) <= 200:
            values.add(columns[1])
for value in values:
    data = value.encode("utf-16-le")
    (out / hashlib.sha1(data).hexdigest()).write_bytes(data)
print(f"{len(values)} seeds")
