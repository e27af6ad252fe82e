"""The sample disc's pictures, as ImageMagick commands (drawn only with --pictures)."""

from disc_contents import ISSUE_JA, MAGAZINE

FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"


# ---------------------------------------------------------------------------
# Pictures, drawn with ImageMagick (only with --pictures).
# ---------------------------------------------------------------------------


def _stars():
    # A small fixed starfield: a linear congruential sequence, so the picture
    # is the same on every run.
    seed = 12345
    points = []
    for _ in range(70):
        seed = (seed * 1103515245 + 12345) % 2**31
        x = seed % 200
        seed = (seed * 1103515245 + 12345) % 2**31
        y = seed % 120
        points.append(f"point {x},{y}")
    return " ".join(points)


def _pixel_cat():
    rows = [
        "..X......X..",
        ".XoX....XoX.",
        ".XooXXXXooX.",
        ".XooooooooX.",
        "XooooooooooX",
        "XooKooooKooX",
        "XooKooooKooX",
        "XooooPPooooX",
        "XooooKKooooX",
        ".XooooooooX.",
        "..XXXXXXXX..",
        "............",
    ]
    colours = {"X": "#5a3a1a", "o": "#f0a040", "K": "#000000", "P": "#ff7090"}
    draws = []
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch in colours:
                draws += ["-fill", colours[ch], "-draw",
                          f"rectangle {x*8},{y*8} {x*8+7},{y*8+7}"]
    return draws


def _text(size, colour, x, y, text):
    return ["-font", FONT, "-pointsize", str(size), "-fill", colour,
            "-stroke", "none", "-annotate", f"+{x}+{y}", text]


def _window(w, h, title):
    """A mock window of the Windows 98 kind."""
    return [
        "-size", f"{w}x{h}", "xc:#c0c0c0",
        "-fill", "#000080", "-draw", f"rectangle 2,2 {w-3},17",
        *_text(11, "white", 6, 14, title),
        "-fill", "#c0c0c0", "-stroke", "#808080",
        "-draw", f"rectangle {w-16},4 {w-5},15", "-stroke", "none",
        *_text(11, "black", 6, 31, "ファイル(F)  編集(E)  表示(V)  ヘルプ(H)"),
    ]


PICTURES = {
    "img/banner.png": [
        "-size", "56x520", "gradient:#1c5c75-#0a2633", "-rotate", "-90",
        "-fill", "#ffd75e", "-draw", "rectangle 0,51 519,55",
        *_text(26, "white", 14, 38, MAGAZINE),
        *_text(13, "#ffd75e", 190, 36, "CD-ROM  " + ISSUE_JA),
        *_text(10, "#bcd8e2", 400, 20, "Quillore Monthly"),
        "-colors", "64",
    ],
    "img/new.gif": [
        "-size", "30x13", "xc:#d01818",
        *_text(10, "white", 3, 10, "NEW"),
        "-colors", "8",
    ],
    "tokushu/cover.png": [
        "-size", "180x120", "gradient:#bfe3ff-#ffffff",
        "-fill", "#2f7fd8", "-stroke", "#1b4f90", "-draw", "circle 90,60 90,14",
        "-fill", "#58b050", "-stroke", "none",
        "-draw", "ellipse 74,48 16,12 0,360", "-draw", "ellipse 104,76 14,10 0,360",
        "-fill", "none", "-stroke", "#ffffff",
        "-draw", "ellipse 90,60 20,46 0,360", "-draw", "ellipse 90,60 46,16 0,360",
        "-draw", "line 44,60 136,60", "-draw", "line 90,14 90,106",
        "-stroke", "#ffd75e", "-strokewidth", "2",
        "-draw", "line 136,30 170,12", "-draw", "line 136,90 170,108",
        "-draw", "line 44,30 10,12", "-draw", "line 44,90 10,108",
        "-colors", "64",
    ],
    "tokushu/talk.png": [
        "-size", "96x120", "xc:#e8e0d0",
        "-fill", "#6a6a6a", "-draw", "ellipse 48,130 42,48 0,360",
        "-fill", "#7a7a7a", "-draw", "circle 48,46 48,22",
        "-fill", "none", "-stroke", "#303030", "-strokewidth", "2",
        "-draw", "circle 39,46 39,40", "-draw", "circle 57,46 57,40", "-draw", "line 45,46 51,46",
        "-colors", "16",
    ],
    "tokushu/soft/editor.png": [
        *_window(240, 150, "ハイパー筆箱 - index.htm"),
        "-fill", "white", "-draw", "rectangle 4,36 235,145",
        "-fill", "#0000c0", "-draw", "rectangle 8,42 60,47",
        "-fill", "#0000c0", "-draw", "rectangle 16,52 70,57",
        "-fill", "#202020", "-draw", "rectangle 74,52 180,57",
        "-fill", "#c00000", "-draw", "rectangle 16,62 110,67",
        "-fill", "#202020", "-draw", "rectangle 24,72 200,77",
        "-fill", "#202020", "-draw", "rectangle 24,82 160,87",
        "-fill", "#0000c0", "-draw", "rectangle 16,92 90,97",
        "-fill", "#008000", "-draw", "rectangle 24,102 190,107",
        "-fill", "#0000c0", "-draw", "rectangle 8,112 64,117",
        "-colors", "32",
    ],
    "soft/filer.gif": [
        *_window(240, 150, "Qファイラ"),
        "-fill", "white", "-draw", "rectangle 4,36 117,145",
        "-fill", "white", "-draw", "rectangle 122,36 235,145",
        "-fill", "#000080", "-draw", "rectangle 6,50 115,58",
        *[a for i in range(8) for a in
          ("-fill", "#404040", "-draw", f"rectangle 10,{40+i*12} {60+(i*17)%50},{44+i*12}")],
        *[a for i in range(7) for a in
          ("-fill", "#404040", "-draw", f"rectangle 128,{40+i*12} {170+(i*23)%55},{44+i*12}")],
        "-colors", "16",
    ],
    "soft/koyomi.gif": [
        "-size", "80x80", "xc:#f4f0e6",
        "-fill", "white", "-stroke", "#1c5c75", "-strokewidth", "3",
        "-draw", "circle 40,40 40,6",
        "-stroke", "#303030", "-strokewidth", "3", "-draw", "line 40,40 40,18",
        "-strokewidth", "2", "-draw", "line 40,40 58,46",
        "-stroke", "#c02020", "-strokewidth", "1", "-draw", "line 40,40 24,56",
        "-colors", "16",
    ],
    "soft/puzzle.gif": [
        "-size", "96x144", "xc:#101028",
        *[a for (x, y, c) in [
            (0, 8, "#e04040"), (1, 8, "#e04040"), (2, 8, "#40a0e0"), (3, 8, "#e0c040"),
            (4, 8, "#40c060"), (5, 8, "#40c060"), (0, 7, "#40a0e0"), (1, 7, "#e0c040"),
            (2, 7, "#40a0e0"), (5, 7, "#e04040"), (0, 6, "#40c060"), (2, 6, "#40a0e0"),
            (3, 2, "#e0c040"), (3, 3, "#e04040")]
          for a in ("-fill", c, "-draw",
                    f"rectangle {x*16+1},{y*16+1} {x*16+14},{y*16+14}")],
        "-colors", "16",
    ],
    "soft/demo/demo.png": [
        "-size", "200x120", "xc:#000010",
        "-fill", "white", "-draw", _stars(),
        "-fill", "#8080ff", "-draw", "circle 100,60 100,57",
        *_text(12, "#ffd75e", 46, 112, "STARFIELD 3D"),
        "-colors", "16",
    ],
    "rensai/cg-sample.png": [
        "-size", "200x150", "gradient:#5a6b8c-#1b2233",
        "-fill", "#101018", "-draw", "ellipse 112,128 52,12 0,360",
        "(", "-size", "100x100", "radial-gradient:#ffd0d0-#901010",
        "(", "-size", "100x100", "xc:black", "-fill", "white",
        "-draw", "circle 50,50 50,1", ")",
        "-alpha", "off", "-compose", "CopyOpacity", "-composite", ")",
        "-geometry", "+50+14", "-compose", "Over", "-composite",
        "-fill", "#fff4f4", "-draw", "circle 82,44 82,38",
        "-colors", "96",
    ],
    "rensai/toukou.gif": [
        "-size", "96x96", "xc:#fff8e8", *_pixel_cat(), "-colors", "8",
    ],
    "info/present.gif": [
        "-size", "120x90", "xc:#fff0f4",
        "-fill", "#d03050", "-draw", "rectangle 30,34 90,84",
        "-fill", "#e04868", "-draw", "rectangle 26,24 94,36",
        "-fill", "#ffd75e", "-draw", "rectangle 55,24 65,84",
        "-fill", "#ffd75e", "-draw", "ellipse 50,18 10,7 0,360",
        "-draw", "ellipse 70,18 10,7 0,360",
        "-colors", "16",
    ],
}
