"""Seeds for the fuzz targets: the checked-in texts of fuzz/seeds and the corpus values.

    make-seeds.py CORPUS_DIR SEEDS_DIR ATTRIBUTE_TYPES_HEADER OUT_DIR

Writes OUT_DIR/<Target>/ for every fuzz/seeds/<Target>.txt. Each checked-in text is written
in UTF-8 and in UTF-16LE; each distinct corpus value in UTF-16LE. AttributeFuzzer's inputs
begin with the byte that chooses the attribute, the value type's position in the header's
list: its checked-in lines name the value type as the header writes it, and corpus values get
the type of their attribute where the table below knows it.
"""
import fnmatch
import hashlib
import pathlib
import re
import sys

# Corpus attribute (a pattern) to the attribute value type, as AttributeFuzzer's table names it.
ATTRIBUTE_TYPES = {
    "fo": [
        ("margin*", "Margin"), ("font-size", "FontSize"), ("line-height", "LengthOrPercent"),
        ("*color", "SmartPtr<Drawing::Color>"), ("border*-width*", "BorderWidth"), ("column-width", "ColumnWidth"),
        ("provisional-*", "LengthOrPercent"), ("padding*", "LengthOrPercent"),
        ("space-*", "LengthOrPercent"), ("leader-length", "LengthOrPercent"),
        ("start-indent", "Indent"), ("end-indent", "Indent"), ("last-line-end-indent", "Indent"),
        ("page-height", "PageDimension"), ("page-width", "PageDimension"),
        ("width", "LengthOrPercentAuto"), ("height", "LengthOrPercentAuto"),
        ("top", "LengthOrPercentAuto"), ("left", "LengthOrPercentAuto"),
        ("right", "LengthOrPercentAuto"), ("bottom", "LengthOrPercentAuto"),
        ("content-height", "ContentLength"), ("content-width", "ContentLength"),
        ("extent", "Length"), ("rule-thickness", "Length"), ("text-decoration", "STextDecoration"),
        ("text-align*", "TextAlign"), ("language", "Language"), ("src", "Url"),
        ("external-destination", "Url"), ("background-image", "Url"),
        ("font-family", "Core::String"), ("hyphenation-character", "Core::String"),
        ("number-*-spanned", "int"), ("column-count", "int"), ("column-number", "int"),
        ("retrieve-position", "RetrievePosition"), ("retrieve-boundary", "RetrieveBoundary"),
        ("reference-orientation", "ReferenceOrientation"),
        ("initial-page-number", "InitialPageNumber"), ("display-align", "DisplayAlign"),
        ("break-*", "Break"), ("border*-style", "BorderStyle"), ("span", "Span"),
        ("page-position", "PagePosition"), ("overflow", "Overflow"), ("odd-or-even", "Parity"),
        ("leader-pattern", "LeaderPattern"), ("leader-pattern-width", "LeaderPatternWidth"),
        ("leader-alignment", "LeaderAlignment"), ("keep-*", "Keep"),
        ("force-page-count", "ForcePageCount"), ("border-collapse", "BorderCollapse"),
        ("wrap-option", "WrapOption"), ("white-space-treatment", "WhiteSpaceTreatment"),
        ("linefeed-treatment", "LinefeedTreatment"), ("table-layout", "TableLayout"),
        ("scaling", "Scaling"), ("maximum-repeats", "MaxRepeats"),
        ("line-height-shift-adjustment", "LineHeightShiftAdjustment"),
        ("font-weight", "FontWeight"), ("font-style", "FontStyle"),
        ("blank-or-not-blank", "BlankOrNotBlank"), ("background-repeat", "BackgroundRepeat"),
        ("background-position-*", "BackgroundPosition"), ("absolute-position", "AbsolutePosition"),
        ("vertical-align", "BaselineShift"),
    ],
    "svg": [
        ("d", "Core::Vector<PathDataCommand>"), ("*ransform", "Core::Vector<Transform>"),
        ("viewBox", "ViewBox"), ("preserveAspectRatio", "SPreserveAspectRatio"),
        ("points", "Core::Vector<Point>"), ("fill", "SNullableColor"), ("stroke", "SColor"),
        ("*color", "SmartPtr<Drawing::Color>"), ("stroke-dasharray", "Core::Vector<SLength>"),
        ("stroke-width", "SLength"), ("stroke-miterlimit", "SLength"),
        ("stroke-dashoffset", "SLength"), ("r", "SLength"), ("x", "SLengthOrPercent"),
        ("y", "SLengthOrPercent"), ("width", "SLengthOrPercent"), ("height", "SLengthOrPercent"),
        ("rx", "SLengthOrPercent"), ("ry", "SLengthOrPercent"), ("cx", "SLengthOrPercent"),
        ("cy", "SLengthOrPercent"), ("offset", "SLengthOrPercent"),
        ("font-size", "SLengthOrPercent"), ("*opacity", "float"),
        ("font-family", "Core::String"), ("stroke-linecap", "SLineCap"),
        ("stroke-linejoin", "SLineJoin"), ("font-weight", "FontWeight"),
        ("font-style", "FontStyle"), ("font-variant", "FontVariant"),
        ("word-spacing", "SSpacing"), ("letter-spacing", "SSpacing"), ("display", "SDisplay"),
        ("visibility", "SVisibility"), ("text-decoration", "STextDecoration"),
        ("text-anchor", "STextAnchor"), ("baseline-shift", "SBaselineShift"),
        ("*Units", "Drawing::GradientUnits"),
    ],
}
ESCAPES = {"t": "\t", "n": "\n", "r": "\r", "\\": "\\", "0": "\0"}


def unescape(text):
    def replace(match):
        code = match.group(1)
        return chr(int(code[1:], 16)) if code[0] == "u" else ESCAPES[code]
    return re.sub(r"\\(u[0-9A-Fa-f]{4}|[tnr\\0])", replace, text)


def encodings(text):
    # UTF-16 keeps unpaired surrogates; UTF-8 cannot, and skips texts that hold them.
    yield text.encode("utf-16-le", "surrogatepass")
    try:
        yield text.encode("utf-8")
    except UnicodeEncodeError:
        pass


def write(folder, data):
    (folder / hashlib.sha1(data).hexdigest()).write_bytes(data)


def corpus_values(corpus):
    for tsv in sorted(corpus.glob("*.tsv")):
        kind = tsv.name.split("-")[0]
        for line in tsv.read_text(encoding="utf-8").splitlines()[1:]:
            columns = line.split("\t")
            if len(columns) > 1 and len(columns[1]) <= 200:
                yield kind, columns[0], columns[1]


def attribute_types(header):
    """The types of `using AttributeTypes = TypeList<...>;`, in order, as written there."""
    text = header.read_text(encoding="utf-8")
    text = re.sub(r"//[^\n]*", "", text)
    body = text[text.index("TypeList<", text.index("using AttributeTypes")) + len("TypeList<"):]
    types, depth, current = [], 0, ""
    for char in body:
        depth += {"<": 1, ">": -1}.get(char, 0)
        if depth < 0:
            break
        if char == "," and depth == 0:
            types.append(current)
            current = ""
        else:
            current += char
    types.append(current)
    return [re.sub(r"\s+", "", name) for name in types]


def main():
    corpus, seeds, source, out = map(pathlib.Path, sys.argv[1:5])
    index = {name: position for position, name in enumerate(attribute_types(source))}
    values = list(corpus_values(corpus))
    for listing in sorted(seeds.glob("*.txt")):
        target = out / listing.stem
        target.mkdir(parents=True, exist_ok=True)
        typed = listing.stem == "AttributeFuzzer"
        count = 0
        for line in listing.read_text(encoding="utf-8").splitlines():
            if line.startswith("//") or not line:
                continue
            prefix = b""
            if typed:
                name, line = line.split("\t", 1)
                prefix = bytes([index[name]])
            for data in encodings(unescape(line)):
                write(target, prefix + data)
                count += 1
        for kind, attribute, value in values:
            prefix = b""
            if typed:
                name = next((type_name for pattern, type_name in ATTRIBUTE_TYPES.get(kind, [])
                             if fnmatch.fnmatchcase(attribute, pattern)), None)
                if name is None:
                    continue
                prefix = bytes([index[name]])
            write(target, prefix + value.encode("utf-16-le"))
            count += 1
        print(f"{listing.stem}: {count} seeds")


main()
