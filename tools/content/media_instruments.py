"""Instrument pictures of the supplied questions, drawn as SVG.

Every function returns a complete SVG document of 320 x 220 units on white.
The drawings are simple on purpose: a child should know the instrument from
its outline, its colour and the parts that make it typical.
"""

W, H = 320, 220
WOOD = "#b5651d"
WOOD_DARK = "#6b3a10"
BRASS = "#e0a526"
BRASS_DARK = "#8a6212"
INK = "#222222"


def _svg(body):
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}">'
        f'<rect width="{W}" height="{H}" fill="white"/>{body}</svg>'
    )


def geige():
    # Violin standing upright, bow lying beside it.
    body = f"""
<path d="M130 88 C100 84 92 110 104 128 C112 140 112 146 104 156 C88 176 96 212 140 212
 C184 212 192 176 176 156 C168 146 168 140 176 128 C188 110 180 84 150 88 Z"
 fill="{WOOD}" stroke="{WOOD_DARK}" stroke-width="3"/>
<path d="M122 140 q-6 14 2 26 M158 140 q6 14 -2 26" stroke="{INK}" stroke-width="3" fill="none"/>
<rect x="136" y="22" width="8" height="120" fill="{INK}"/>
<circle cx="140" cy="18" r="9" fill="{WOOD}" stroke="{WOOD_DARK}" stroke-width="3"/>
<rect x="131" y="150" width="18" height="4" fill="{WOOD_DARK}"/>
<path d="M132 172 L148 172 L144 204 L136 204 Z" fill="{INK}"/>
<g stroke="#dddddd" stroke-width="1"><line x1="137" y1="28" x2="138" y2="200"/><line x1="139" y1="28" x2="139.5" y2="200"/>
<line x1="141" y1="28" x2="140.5" y2="200"/><line x1="143" y1="28" x2="142" y2="200"/></g>
<line x1="210" y1="20" x2="290" y2="205" stroke="{WOOD_DARK}" stroke-width="4"/>
<line x1="216" y1="24" x2="293" y2="200" stroke="#eeeecc" stroke-width="2"/>
<rect x="282" y="188" width="14" height="16" fill="{INK}" transform="rotate(-23 289 196)"/>"""
    return _svg(body)


def gitarre():
    # Classical guitar lying on its side, neck to the right.
    body = f"""
<circle cx="70" cy="115" r="58" fill="{WOOD}" stroke="{WOOD_DARK}" stroke-width="3"/>
<circle cx="140" cy="115" r="46" fill="{WOOD}" stroke="{WOOD_DARK}" stroke-width="3"/>
<rect x="70" y="72" width="70" height="86" fill="{WOOD}"/>
<circle cx="128" cy="115" r="18" fill="{INK}"/>
<rect x="52" y="104" width="10" height="22" fill="{WOOD_DARK}"/>
<rect x="150" y="106" width="130" height="18" fill="{WOOD_DARK}"/>
<g stroke="#cccccc" stroke-width="2">
<line x1="170" y1="106" x2="170" y2="124"/><line x1="190" y1="106" x2="190" y2="124"/>
<line x1="208" y1="106" x2="208" y2="124"/><line x1="225" y1="106" x2="225" y2="124"/>
<line x1="240" y1="106" x2="240" y2="124"/><line x1="254" y1="106" x2="254" y2="124"/></g>
<path d="M280 102 L312 98 L312 132 L280 128 Z" fill="{WOOD}" stroke="{WOOD_DARK}" stroke-width="2"/>
<g fill="#cccccc"><circle cx="290" cy="96" r="4"/><circle cx="302" cy="95" r="4"/>
<circle cx="290" cy="134" r="4"/><circle cx="302" cy="135" r="4"/></g>
<g stroke="#f5f5f5" stroke-width="1">
<line x1="57" y1="107" x2="282" y2="107"/><line x1="57" y1="110" x2="282" y2="110"/>
<line x1="57" y1="113" x2="282" y2="113"/><line x1="57" y1="117" x2="282" y2="117"/>
<line x1="57" y1="120" x2="282" y2="120"/><line x1="57" y1="123" x2="282" y2="123"/></g>"""
    return _svg(body)


def trompete():
    # Trumpet: mouthpiece left, three valves, bell opening to the right.
    body = f"""
<path d="M30 96 L200 96 L300 56 L300 150 L200 110 L30 110 Z" fill="{BRASS}" stroke="{BRASS_DARK}" stroke-width="3"/>
<ellipse cx="300" cy="103" rx="10" ry="47" fill="#f3cf6e" stroke="{BRASS_DARK}" stroke-width="3"/>
<path d="M70 110 L70 150 Q70 160 80 160 L190 160 Q200 160 200 150 L200 110"
 fill="none" stroke="{BRASS}" stroke-width="12"/>
<path d="M70 110 L70 150 Q70 160 80 160 L190 160 Q200 160 200 150 L200 110"
 fill="none" stroke="{BRASS_DARK}" stroke-width="2"/>
<g fill="{BRASS}" stroke="{BRASS_DARK}" stroke-width="3">
<rect x="100" y="70" width="16" height="80"/><rect x="124" y="70" width="16" height="80"/>
<rect x="148" y="70" width="16" height="80"/></g>
<g fill="#f3cf6e" stroke="{BRASS_DARK}" stroke-width="2">
<rect x="97" y="56" width="22" height="10" rx="4"/><rect x="121" y="56" width="22" height="10" rx="4"/>
<rect x="145" y="56" width="22" height="10" rx="4"/></g>
<g stroke="{BRASS_DARK}" stroke-width="3"><line x1="108" y1="66" x2="108" y2="70"/>
<line x1="132" y1="66" x2="132" y2="70"/><line x1="156" y1="66" x2="156" y2="70"/></g>
<path d="M12 94 L30 100 L30 106 L12 112 Z" fill="#c0c0c0" stroke="{INK}" stroke-width="2"/>"""
    return _svg(body)


def tasten(mark=None):
    # Two octaves of a keyboard from C to H; `mark` names a white key to mark.
    whites = ["C", "D", "E", "F", "G", "A", "H"] * 2
    kw, top, kh = 20, 40, 150
    x0 = (W - kw * len(whites)) // 2
    parts = []
    for i, name in enumerate(whites):
        parts.append(
            f'<rect x="{x0 + i * kw}" y="{top}" width="{kw}" height="{kh}" '
            f'fill="white" stroke="{INK}" stroke-width="2"/>'
        )
    for i, name in enumerate(whites):
        if name in ("C", "D", "F", "G", "A"):
            parts.append(f'<rect x="{x0 + i * kw + 13}" y="{top}" width="14" height="92" fill="{INK}"/>')
    if mark:
        i = whites.index(mark) + 7  # second octave, away from the edge
        parts.append(f'<circle cx="{x0 + i * kw + kw / 2}" cy="{top + kh - 22}" r="7" fill="#d62020"/>')
    return _svg("".join(parts))


def trommel():
    # Snare drum with two sticks.
    body = f"""
<rect x="80" y="90" width="160" height="80" fill="#c62828" stroke="{INK}" stroke-width="3"/>
<ellipse cx="160" cy="170" rx="80" ry="18" fill="#c62828" stroke="{INK}" stroke-width="3"/>
<rect x="82" y="90" width="156" height="78" fill="#c62828"/>
<path d="M80 100 L100 160 L120 100 L140 160 L160 100 L180 160 L200 100 L220 160 L240 100"
 fill="none" stroke="#dddddd" stroke-width="3"/>
<ellipse cx="160" cy="90" rx="80" ry="18" fill="#f7f3e8" stroke="{INK}" stroke-width="3"/>
<line x1="70" y1="20" x2="150" y2="80" stroke="{WOOD}" stroke-width="7" stroke-linecap="round"/>
<line x1="250" y1="20" x2="170" y2="80" stroke="{WOOD}" stroke-width="7" stroke-linecap="round"/>"""
    return _svg(body)


def blockfloete():
    # Recorder lying across the picture, mouthpiece left.
    holes = "".join(f'<circle cx="{x}" cy="110" r="5" fill="{INK}"/>' for x in (120, 145, 170, 205, 230, 255, 280))
    body = f"""
<path d="M20 100 L70 98 L290 102 L305 92 L305 128 L290 118 L70 122 L20 120 Q10 110 20 100 Z"
 fill="#e8c48a" stroke="{WOOD_DARK}" stroke-width="3"/>
<rect x="78" y="103" width="14" height="7" fill="{INK}"/>
<line x1="70" y1="98" x2="70" y2="122" stroke="{WOOD_DARK}" stroke-width="2"/>
<line x1="190" y1="100" x2="190" y2="120" stroke="{WOOD_DARK}" stroke-width="2"/>
{holes}"""
    return _svg(body)


def harfe():
    # Concert harp: column, curved neck, sound box, strings.
    strings = "".join(
        f'<line x1="{x}" y1="{60 - (x - 80) * 0.1}" x2="{x}" y2="{200 - (x - 80) * 0.95}" '
        f'stroke="{"#d62020" if i % 7 == 0 else "#777777"}" stroke-width="1.5"/>'
        for i, x in enumerate(range(90, 220, 9))
    )
    body = f"""
{strings}
<rect x="70" y="30" width="14" height="180" fill="{BRASS}" stroke="{BRASS_DARK}" stroke-width="2"/>
<path d="M78 40 C120 10 160 60 230 40 L236 56 C170 80 120 34 84 60 Z" fill="{WOOD}" stroke="{WOOD_DARK}" stroke-width="2"/>
<path d="M80 200 L232 50 L244 58 L96 210 Z" fill="{WOOD}" stroke="{WOOD_DARK}" stroke-width="3"/>
<rect x="60" y="204" width="50" height="10" fill="{WOOD_DARK}"/>"""
    return _svg(body)


def triangel():
    body = f"""
<line x1="160" y1="10" x2="160" y2="40" stroke="{INK}" stroke-width="2"/>
<path d="M150 52 L90 180 L230 180 L168 48" fill="none" stroke="#9aa3ad" stroke-width="9"
 stroke-linejoin="round" stroke-linecap="round"/>
<path d="M150 52 L90 180 L230 180 L168 48" fill="none" stroke="#d7dde3" stroke-width="3"
 stroke-linejoin="round" stroke-linecap="round"/>
<line x1="200" y1="110" x2="300" y2="60" stroke="#9aa3ad" stroke-width="5" stroke-linecap="round"/>"""
    return _svg(body)


def xylophon():
    colours = ["#e53935", "#fb8c00", "#fdd835", "#43a047", "#1e88e5", "#3949ab", "#8e24aa", "#d81b60"]
    bars = "".join(
        f'<rect x="{40 + i * 30}" y="{60 + i * 6}" width="24" height="{130 - i * 12}" rx="3" '
        f'fill="{c}" stroke="{INK}" stroke-width="1.5"/>'
        for i, c in enumerate(colours)
    )
    body = f"""
<line x1="30" y1="80" x2="290" y2="110" stroke="{WOOD_DARK}" stroke-width="8"/>
<line x1="30" y1="170" x2="290" y2="150" stroke="{WOOD_DARK}" stroke-width="8"/>
{bars}
<line x1="80" y1="210" x2="130" y2="150" stroke="{WOOD}" stroke-width="4"/><circle cx="130" cy="148" r="8" fill="#e53935"/>
<line x1="250" y1="210" x2="200" y2="150" stroke="{WOOD}" stroke-width="4"/><circle cx="200" cy="148" r="8" fill="#e53935"/>"""
    return _svg(body)


def posaune():
    # Trombone with its long slide.
    body = f"""
<path d="M20 90 L250 90" stroke="{BRASS}" stroke-width="8"/>
<path d="M20 130 L250 130" stroke="{BRASS}" stroke-width="8"/>
<path d="M20 90 Q4 110 20 130" fill="none" stroke="{BRASS}" stroke-width="8"/>
<rect x="150" y="84" width="12" height="52" fill="{BRASS_DARK}"/>
<path d="M250 90 Q280 90 280 60 L280 40" fill="none" stroke="{BRASS}" stroke-width="8"/>
<path d="M200 130 L200 60 L150 40 L150 10 L250 10 L250 40 L210 60 L210 130" fill="none" stroke="none"/>
<path d="M120 60 L240 60 L300 24 L300 104 L240 68 L120 68 Z" fill="{BRASS}" stroke="{BRASS_DARK}" stroke-width="2"/>
<ellipse cx="300" cy="64" rx="8" ry="40" fill="#f3cf6e" stroke="{BRASS_DARK}" stroke-width="2"/>
<path d="M250 130 Q270 130 270 110 L270 90" fill="none" stroke="{BRASS}" stroke-width="8"/>
<path d="M120 64 L100 64 L100 90" fill="none" stroke="{BRASS}" stroke-width="8"/>
<path d="M96 160 L110 150 L110 160 Z" fill="#c0c0c0"/>
<path d="M110 130 L110 155" stroke="{BRASS}" stroke-width="6"/>"""
    return _svg(body)


def saxophon():
    keys = "".join(f'<circle cx="{x}" cy="{y}" r="6" fill="#f3cf6e" stroke="{BRASS_DARK}" stroke-width="2"/>'
                   for x, y in ((142, 70), (146, 92), (150, 114), (154, 136), (158, 158)))
    body = f"""
<path d="M100 20 L120 28 L134 50" fill="none" stroke="{BRASS}" stroke-width="9" stroke-linecap="round"/>
<path d="M90 16 L104 22" stroke="{INK}" stroke-width="7" stroke-linecap="round"/>
<path d="M128 44 L150 44 L168 176 Q172 206 200 206 Q226 206 230 178 L236 110 L270 100 L262 180
 Q254 222 200 222 Q152 222 146 180 Z" fill="{BRASS}" stroke="{BRASS_DARK}" stroke-width="3"/>
<ellipse cx="253" cy="105" rx="18" ry="7" fill="{BRASS_DARK}" transform="rotate(-15 253 105)"/>
{keys}"""
    return _svg(body)


def pauke():
    body = f"""
<path d="M70 90 Q70 200 160 200 Q250 200 250 90 Z" fill="#c77d2a" stroke="{INK}" stroke-width="3"/>
<ellipse cx="160" cy="90" rx="90" ry="20" fill="#f7f3e8" stroke="{INK}" stroke-width="3"/>
<g stroke="{INK}" stroke-width="4"><line x1="100" y1="180" x2="86" y2="215"/><line x1="220" y1="180" x2="234" y2="215"/>
<line x1="160" y1="200" x2="160" y2="216"/></g>
<line x1="40" y1="30" x2="110" y2="72" stroke="{WOOD}" stroke-width="5"/><circle cx="112" cy="74" r="10" fill="#eeeeee" stroke="{INK}"/>
<line x1="280" y1="30" x2="210" y2="72" stroke="{WOOD}" stroke-width="5"/><circle cx="208" cy="74" r="10" fill="#eeeeee" stroke="{INK}"/>"""
    return _svg(body)


def akkordeon():
    folds = "".join(
        f'<path d="M{x} 40 L{x + 8} 60 L{x} 80 L{x + 8} 100 L{x} 120 L{x + 8} 140 L{x} 160 L{x + 8} 180" '
        f'fill="none" stroke="{INK}" stroke-width="2"/>'
        for x in range(110, 210, 16)
    )
    keys = "".join(f'<rect x="34" y="{40 + i * 14}" width="56" height="14" fill="white" stroke="{INK}"/>' for i in range(10))
    blacks = "".join(f'<rect x="34" y="{48 + i * 14}" width="34" height="8" fill="{INK}"/>' for i in (0, 1, 3, 4, 5, 7, 8))
    buttons = "".join(f'<circle cx="{x}" cy="{y}" r="5" fill="#dddddd" stroke="{INK}"/>'
                      for x in (240, 256, 272) for y in range(56, 180, 16))
    body = f"""
<rect x="30" y="30" width="80" height="160" fill="#c62828" stroke="{INK}" stroke-width="3"/>
{keys}{blacks}
<rect x="105" y="36" width="115" height="148" fill="#303030"/>
{folds}
<rect x="220" y="30" width="70" height="160" fill="#c62828" stroke="{INK}" stroke-width="3"/>
{buttons}"""
    return _svg(body)


def tamburin():
    jingles = []
    import math

    for k in range(8):
        a = k * math.pi / 4
        x, y = 160 + 86 * math.cos(a), 110 + 86 * math.sin(a)
        jingles.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="11" fill="#cfd8dc" stroke="{INK}" stroke-width="2"/>')
    body = f"""
<circle cx="160" cy="110" r="86" fill="#f7f3e8" stroke="{WOOD}" stroke-width="16"/>
{''.join(jingles)}"""
    return _svg(body)


def rasseln():
    body = f"""
<line x1="110" y1="110" x2="70" y2="205" stroke="{WOOD}" stroke-width="12" stroke-linecap="round"/>
<ellipse cx="125" cy="75" rx="45" ry="55" fill="#fdd835" stroke="{INK}" stroke-width="3"/>
<path d="M95 60 q30 -20 60 0" stroke="#e53935" stroke-width="6" fill="none"/>
<line x1="210" y1="110" x2="250" y2="205" stroke="{WOOD}" stroke-width="12" stroke-linecap="round"/>
<ellipse cx="195" cy="75" rx="45" ry="55" fill="#43a047" stroke="{INK}" stroke-width="3"/>
<path d="M165 60 q30 -20 60 0" stroke="#1e88e5" stroke-width="6" fill="none"/>"""
    return _svg(body)


# file name -> SVG. The extension says which format the picture is stored in.
def recorder_fingering(closed):
    """A recorder lying with its mouthpiece to the left; the seven front holes
    from the mouthpiece on, the thumb hole drawn apart below. Closed holes are
    black, open ones white."""
    holes = []
    for k in range(1, 8):
        x = 92 + k * 26 + (8 if k > 3 else 0)  # a gap between the left and the right hand
        fill = INK if k in closed else "white"
        holes.append(f'<circle cx="{x}" cy="92" r="8" fill="{fill}" stroke="{INK}" stroke-width="3"/>')
    thumb = INK if 0 in closed else "white"
    body = f"""
<path d="M16 80 L70 78 L70 106 L16 104 Q8 92 16 80 Z" fill="{WOOD}" stroke="{WOOD_DARK}" stroke-width="3"/>
<rect x="38" y="80" width="12" height="8" fill="{INK}"/>
<rect x="70" y="78" width="230" height="28" rx="6" fill="{WOOD}" stroke="{WOOD_DARK}" stroke-width="3"/>
<path d="M300 74 L314 70 L314 114 L300 110 Z" fill="{WOOD}" stroke="{WOOD_DARK}" stroke-width="3"/>
{"".join(holes)}
<circle cx="118" cy="160" r="9" fill="{thumb}" stroke="{INK}" stroke-width="3"/>
<text x="136" y="166" font-family="DejaVu Sans, sans-serif" font-size="18" fill="{INK}">Daumenloch hinten</text>
<text x="106" y="60" font-family="DejaVu Sans, sans-serif" font-size="16" fill="{INK}">linke Hand</text>
<text x="210" y="60" font-family="DejaVu Sans, sans-serif" font-size="16" fill="{INK}">rechte Hand</text>"""
    return _svg(body)


INSTRUMENTS = {
    "i_geige.jpg": geige,
    "i_gitarre.gif": gitarre,
    "i_trompete.gif": trompete,
    "i_tasten.gif": tasten,
    "i_taste_c.gif": lambda: tasten("C"),
    "i_taste_f.gif": lambda: tasten("F"),
    "i_taste_a.gif": lambda: tasten("A"),
    "i_trommel.gif": trommel,
    "i_blockfloete.gif": blockfloete,
    "i_harfe.bmp": harfe,
    "i_triangel.gif": triangel,
    "i_xylophon.jpg": xylophon,
    "i_posaune.gif": posaune,
    "i_saxophon.gif": saxophon,
    "i_pauke.gif": pauke,
    "i_akkordeon.jpg": akkordeon,
    "i_tamburin.gif": tamburin,
    "i_rasseln.gif": rasseln,
}
