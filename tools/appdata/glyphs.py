"""Music signs from LilyPond's Emmentaler font as SVG path data, for the
pictures and the symbol font. Needs python3-fontforge and lilypond-fonts."""
import glob

import fontforge

STAFF_SPACE = 250  # font units between two staff lines (the em is one staff height)


def emmentaler_path():
    found = sorted(glob.glob("/usr/share/lilypond/*/fonts/otf/emmentaler-20.otf"))
    if not found:
        raise SystemExit("emmentaler-20.otf not found: apt-get install lilypond-fonts")
    return found[-1]


_font = None


def font():
    global _font
    if _font is None:
        _font = fontforge.open(emmentaler_path())
    return _font


def _fmt(x):
    return ("%.1f" % x).rstrip("0").rstrip(".")


def path_d(name, scale=1.0, dx=0.0, dy=0.0):
    """SVG path of a glyph: font units times scale, y turned downwards, moved by dx, dy."""
    g = font()[name]
    out = []

    def pt(p):
        return _fmt(dx + p.x * scale) + " " + _fmt(dy - p.y * scale)

    for contour in g.foreground:
        pts = list(contour)
        if not pts:
            continue
        start = next((i for i, p in enumerate(pts) if p.on_curve), 0)
        pts = pts[start:] + pts[:start]
        out.append("M" + pt(pts[0]))
        pending = []
        for p in pts[1:] + [pts[0]]:
            if not p.on_curve:
                pending.append(p)
                continue
            if not pending:
                out.append("L" + pt(p))
            elif len(pending) == 1:
                out.append("Q" + pt(pending[0]) + " " + pt(p))
            else:
                out.append("C" + pt(pending[0]) + " " + pt(pending[1]) + " " + pt(p))
            pending = []
        out.append("Z")
    return "".join(out)


def note_svg(kind, x, y, size, fill, up=True):
    """A whole note sign at (x, y) = centre of the note head, size = staff space in pixels.
    kind: 'quarter', 'half', 'eighth', 'sixteenth', 'whole'."""
    s = size / STAFF_SPACE
    head = {"whole": "noteheads.s0", "half": "noteheads.s1"}.get(kind, "noteheads.s2")
    hb = font()[head].boundingBox()
    parts = ['<path fill="%s" d="%s"/>' % (fill, path_d(head, s, x, y))]
    if kind == "whole":
        return "".join(parts)
    stem_w = 0.12 * size
    stem_h = 3.5 * size
    if up:
        sx = x + hb[2] * s - stem_w
        parts.append('<rect fill="%s" x="%s" y="%s" width="%s" height="%s"/>' %
                     (fill, _fmt(sx), _fmt(y - stem_h), _fmt(stem_w), _fmt(stem_h - 0.1 * size)))
        flag = {"eighth": "flags.u3", "sixteenth": "flags.u4"}.get(kind)
        if flag:
            parts.append('<path fill="%s" d="%s"/>' % (fill, path_d(flag, s, sx, y - stem_h + 0.02 * size)))
    else:
        sx = x
        parts.append('<rect fill="%s" x="%s" y="%s" width="%s" height="%s"/>' %
                     (fill, _fmt(sx), _fmt(y + 0.1 * size), _fmt(stem_w), _fmt(stem_h - 0.1 * size)))
        flag = {"eighth": "flags.d3", "sixteenth": "flags.d4"}.get(kind)
        if flag:
            parts.append('<path fill="%s" d="%s"/>' % (fill, path_d(flag, s, sx, y + stem_h)))
    return "".join(parts)


def sign_svg(name, x, y, size, fill):
    """Any glyph with its origin at (x, y), size = staff space in pixels."""
    return '<path fill="%s" d="%s"/>' % (fill, path_d(name, size / STAFF_SPACE, x, y))
