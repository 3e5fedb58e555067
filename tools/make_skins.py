#!/usr/bin/env python3
"""Writes the six skins of the program as Qt style sheets into assets/Skin/.

Every skin fills the same template, so a preview drawn with one skin while
another is on the application shows only its own colours. Skins set no fonts:
the desktop note keeps the face its user chose. Safe to rerun.
"""
import os
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "assets", "Skin")

TEMPLATE = """/* {title}: {about}
   Written by tools/make_skins.py; edit the tool, not this file. */
/* link-color: {link} */

TMainForm, QDialog, QMessageBox {{
    background: {window};
    color: {text};
}}
QLabel, QCheckBox, QRadioButton {{
    color: {text};
    background: transparent;
}}
QCheckBox, QRadioButton {{ spacing: 5px; }}
QCheckBox::indicator, QRadioButton::indicator {{
    width: 11px;
    height: 11px;
    background: {edit};
    border: 1px solid {eborder};
}}
QCheckBox::indicator {{ border-radius: 2px; }}
QRadioButton::indicator {{ border-radius: 6px; }}
QCheckBox::indicator:hover, QRadioButton::indicator:hover {{ border-color: {accent}; }}
QCheckBox::indicator:checked {{
    background: qradialgradient(cx:0.5, cy:0.5, radius:0.6, fx:0.5, fy:0.5,
        stop:0 {accent}, stop:0.55 {accent}, stop:0.7 {edit}, stop:1 {edit});
    border-color: {accent};
}}
QRadioButton::indicator:checked {{
    background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
        stop:0 {accent}, stop:0.5 {accent}, stop:0.62 {edit}, stop:1 {edit});
    border-color: {accent};
}}

QPushButton {{
    color: {btext};
    background: {button};
    border: 1px solid {bborder};
    border-radius: {radius}px;
    padding: 2px 4px;
    min-height: 15px;
}}
QPushButton:hover {{
    color: {hbtext};
    background: {bhover};
    border-color: {hborder};
}}
QPushButton:pressed {{
    color: {hbtext};
    background: {bpressed};
    border-color: {hborder};
}}
QPushButton:default {{ border-color: {accent}; }}
QPushButton:disabled {{
    color: {dtext};
    background: {bdisabled};
    border-color: {dborder};
}}

QTabWidget::pane {{
    background: {pane};
    border: 1px solid {frame};
    border-radius: {pradius}px;
    top: -1px;
}}
QTabBar::tab {{
    color: {ttext};
    background: {tab};
    border: 1px solid {frame};
    border-bottom: none;
    border-top-left-radius: {tradius}px;
    border-top-right-radius: {tradius}px;
    padding: 3px 9px;
    margin-right: 1px;
    margin-top: 2px;
}}
QTabBar::tab:hover:!selected {{
    color: {ttext};
    background: {tabhover};
}}
QTabBar::tab:selected {{
    color: {tstext};
    background: {tabsel};
    border-color: {tabselborder};
    margin-top: 0px;
}}

QTableView, QTreeView, QListView {{
    color: {gtext};
    background: {grid};
    alternate-background-color: {gridalt};
    gridline-color: {gridline};
    border: 1px solid {frame};
    selection-color: {seltext};
    selection-background-color: {sel};
}}
QHeaderView {{ background: transparent; }}
QHeaderView::section {{
    color: {htext};
    background: {header};
    border: none;
    border-right: 1px solid {headerline};
    border-bottom: 1px solid {headerline};
    padding: 1px 4px;
}}
QTableCornerButton::section {{
    background: {header};
    border: none;
    border-right: 1px solid {headerline};
    border-bottom: 1px solid {headerline};
}}

QLineEdit, QComboBox, QSpinBox, QDateEdit, QTimeEdit, QDateTimeEdit, QPlainTextEdit, QTextEdit {{
    color: {etext};
    background: {edit};
    border: 1px solid {eborder};
    border-radius: {eradius}px;
    padding: 1px 3px;
    selection-color: {seltext};
    selection-background-color: {sel};
}}
QLineEdit:focus, QComboBox:focus, QSpinBox:focus, QDateEdit:focus, QTimeEdit:focus,
QDateTimeEdit:focus, QPlainTextEdit:focus, QTextEdit:focus {{
    border-color: {accent};
}}
QLineEdit:disabled, QComboBox:disabled, QDateEdit:disabled, QTimeEdit:disabled {{
    color: {dtext};
    background: {bdisabled};
}}
/* Spin buttons of the time and date fields: drawn here, arrows from the program's own resources. */
QAbstractSpinBox::up-button, QAbstractSpinBox::down-button {{
    subcontrol-origin: border;
    width: 16px;
    background: {header};
    border-left: 1px solid {eborder};
}}
QAbstractSpinBox::up-button {{ subcontrol-position: top right; border-top-right-radius: {eradius}px; }}
QAbstractSpinBox::down-button {{ subcontrol-position: bottom right; border-bottom-right-radius: {eradius}px; }}
QAbstractSpinBox::up-arrow {{ image: url(:/skins/arrows/up-{name}.png); width: 9px; height: 5px; }}
QAbstractSpinBox::down-arrow {{ image: url(:/skins/arrows/down-{name}.png); width: 9px; height: 5px; }}
QAbstractSpinBox::up-arrow:disabled, QAbstractSpinBox::down-arrow:disabled {{ image: none; }}
QComboBox QAbstractItemView {{
    color: {etext};
    background: {edit};
    border: 1px solid {eborder};
    selection-color: {seltext};
    selection-background-color: {sel};
}}

QGroupBox {{
    color: {text};
    background: {group};
    border: 1px solid {frame};
    border-radius: {pradius}px;
    margin-top: 9px;
    padding-top: 4px;
}}
QGroupBox::title {{
    subcontrol-origin: margin;
    left: 9px;
    padding: 0px 4px;
    color: {gtitle};
}}

QStatusBar {{
    color: {stext};
    background: {status};
    border-top: 1px solid {frame};
}}
QStatusBar QLabel {{ color: {stext}; }}
QStatusBar::item {{ border: none; }}

QMenu {{
    color: {mtext};
    background: {menu};
    border: 1px solid {mborder};
    padding: 2px;
}}
QMenu::item {{
    padding: 4px 22px 4px 22px;
    border: 1px solid transparent;
}}
QMenu::item:selected {{
    color: {seltext};
    background: {msel};
    border-color: {mselborder};
    border-radius: {eradius}px;
}}
QMenu::item:disabled {{ color: {dtext}; }}
QMenu::separator {{
    height: 1px;
    background: {mborder};
    margin: 3px 6px;
}}

QToolTip {{
    color: {tiptext};
    background: {tip};
    border: 1px solid {tipborder};
    padding: 2px;
}}

QScrollBar:vertical {{
    background: {track};
    width: 12px;
    margin: 0px;
}}
QScrollBar:horizontal {{
    background: {track};
    height: 12px;
    margin: 0px;
}}
QScrollBar::handle:vertical, QScrollBar::handle:horizontal {{
    background: {handle};
    border: 1px solid {bborder};
    border-radius: 5px;
    min-height: 20px;
    min-width: 20px;
}}
QScrollBar::handle:hover {{ background: {bhover}; }}
QScrollBar::add-line, QScrollBar::sub-line {{ width: 0px; height: 0px; }}
QScrollBar::add-page, QScrollBar::sub-page {{ background: none; }}

QProgressBar {{
    color: {text};
    background: {edit};
    border: 1px solid {eborder};
    border-radius: {eradius}px;
    text-align: center;
}}
QProgressBar::chunk {{
    background: {chunk};
    border-radius: {eradius}px;
}}
"""


def v(*stops):
    """A vertical gradient from (position, colour) pairs."""
    inner = ", ".join(f"stop:{p} {c}" for p, c in stops)
    return f"qlineargradient(x1:0, y1:0, x2:0, y2:1, {inner})"


SKINS = {
    "air": dict(
        title="天空", about="clear sky: pale blue air, white clouds, a bright blue accent",
        window=v((0, "#f4faff"), (1, "#cfe7fa")), text="#1f3b57",
        button=v((0, "#ffffff"), (1, "#d7ebfb")), btext="#1f3b57", bborder="#8fc0e8",
        bhover=v((0, "#ffffff"), (1, "#bfe0fb")), hbtext="#0b3a66", hborder="#3c9be4",
        bpressed=v((0, "#b6dcf8"), (1, "#e6f3fd")), bdisabled="#eef4f9", dtext="#9aaabb", dborder="#c9d8e5",
        accent="#2b8de0", radius=5, pradius=5, tradius=6, eradius=3,
        pane="#fbfdff", frame="#9cc7ea",
        tab=v((0, "#f3f9ff"), (1, "#d8ebfa")), ttext="#2f5577", tabhover=v((0, "#ffffff"), (1, "#e6f3fe")),
        tabsel="#fbfdff", tstext="#0b4f8f", tabselborder="#6fb1e6",
        grid="#ffffff", gridalt="#f1f8fe", gridline="#dcebf7", gtext="#1f3b57",
        sel="#a9d6f8", seltext="#0b2a47",
        header=v((0, "#ffffff"), (1, "#dcecf9")), htext="#285174", headerline="#b4d4ee",
        edit="#ffffff", etext="#1f3b57", eborder="#9cc7ea",
        group="rgba(255, 255, 255, 110)", gtitle="#1a6fb9",
        status=v((0, "#e3f1fc"), (1, "#c4e0f7")), stext="#244a6d",
        menu="#fbfdff", mtext="#1f3b57", mborder="#9cc7ea", msel=v((0, "#e4f3fe"), (1, "#bfe1fb")), mselborder="#7fbbe8",
        tip="#ffffff", tiptext="#1f3b57", tipborder="#7fbbe8",
        track="#e8f3fc", handle=v((0, "#ffffff"), (1, "#cbe4f8")), chunk=v((0, "#7cc3f5"), (1, "#2b8de0")),
    ),
    "beijing": dict(
        title="北京", about="palace red and gold on rice paper",
        window=v((0, "#fdf7ec"), (1, "#f3e3c8")), text="#4a1d12",
        button=v((0, "#d8423a"), (0.5, "#c02a22"), (1, "#9c1812")), btext="#fff4d6", bborder="#7d0f0a",
        bhover=v((0, "#e8564c"), (0.5, "#d23a30"), (1, "#ad2017")), hbtext="#ffe9a8", hborder="#d9a441",
        bpressed=v((0, "#8f150f"), (1, "#c02a22")), bdisabled="#e8d8c4", dtext="#a89580", dborder="#cdb697",
        accent="#d9a441", radius=3, pradius=3, tradius=3, eradius=2,
        pane="#fffaf1", frame="#c99a5b",
        tab=v((0, "#f6e7cf"), (1, "#e9cfa6")), ttext="#6e2a16", tabhover=v((0, "#fbeedb"), (1, "#f0dab8")),
        tabsel=v((0, "#c8322a"), (1, "#a51d15")), tstext="#ffe7a3", tabselborder="#8a130d",
        grid="#fffdf8", gridalt="#fbf1e1", gridline="#ecd9bb", gtext="#3f1a10",
        sel="#f2c46a", seltext="#3a0f06",
        header=v((0, "#b8261e"), (1, "#8e140e")), htext="#ffe3a0", headerline="#d9a441",
        edit="#fffdf8", etext="#3f1a10", eborder="#c99a5b",
        group="rgba(255, 250, 240, 150)", gtitle="#a51d15",
        status=v((0, "#a51d15"), (1, "#7d0f0a")), stext="#ffe3a0",
        menu="#fffaf1", mtext="#4a1d12", mborder="#c99a5b", msel=v((0, "#f8d98e"), (1, "#eebf5a")), mselborder="#b8862d",
        tip="#fff6dc", tiptext="#4a1d12", tipborder="#c02a22",
        track="#f3e3c8", handle=v((0, "#d8423a"), (1, "#9c1812")), chunk=v((0, "#f2c46a"), (1, "#c8902c")),
    ),
    "UnderWater": dict(
        title="海水", about="sea water: deep teal below, aqua light above, round bubbles",
        window=v((0, "#c9f1f3"), (0.55, "#7fd0dc"), (1, "#2c8ea8")), text="#053845",
        button=v((0, "#bff3fb"), (0.45, "#5fd1e6"), (0.46, "#2fb6d2"), (1, "#1a92b0")), btext="#ffffff", bborder="#0f7390",
        bhover=v((0, "#dcfbff"), (0.45, "#82e2f2"), (0.46, "#45c8e0"), (1, "#22a3c2")), hbtext="#ffffff", hborder="#075a73",
        bpressed=v((0, "#137d99"), (1, "#3fc2dc")), bdisabled="#b6dde3", dtext="#6d9aa3", dborder="#8fbec7",
        accent="#0a7f9a", radius=11, pradius=8, tradius=9, eradius=6,
        pane="rgba(240, 252, 253, 225)", frame="#3aa3bb",
        tab=v((0, "#a9e6ee"), (1, "#6ccbdb")), ttext="#07485a", tabhover=v((0, "#c9f3f7"), (1, "#8ed9e5")),
        tabsel=v((0, "#f4fdfe"), (1, "#dff6f9")), tstext="#045a70", tabselborder="#2a93ad",
        grid="#f4fdfe", gridalt="#e2f6f8", gridline="#bfe6ec", gtext="#06404f",
        sel="#48bfd6", seltext="#ffffff",
        header=v((0, "#3fb9d1"), (1, "#15849f")), htext="#ffffff", headerline="#0f6f88",
        edit="#f7feff", etext="#053845", eborder="#4aaec4",
        group="rgba(255, 255, 255, 90)", gtitle="#035c72",
        status=v((0, "#1a8eaa"), (1, "#0b5f78")), stext="#e8fcff",
        menu="#effbfc", mtext="#053845", mborder="#3aa3bb", msel=v((0, "#7fdcec"), (1, "#2fb6d2")), mselborder="#0f7390",
        tip="#e9fbfd", tiptext="#053845", tipborder="#1a92b0",
        track="#bfe8ee", handle=v((0, "#8fe0ee"), (1, "#2fb6d2")), chunk=v((0, "#8fe8f5"), (1, "#1a92b0")),
    ),
    "Vista": dict(
        title="Vista", about="glass: silver glossy buttons, a soft blue glow on hover",
        window=v((0, "#f7f9fc"), (1, "#dfe7f1")), text="#1e1e1e",
        button=v((0, "#f2f2f2"), (0.5, "#ebebeb"), (0.51, "#dddddd"), (1, "#cfcfcf")), btext="#1e1e1e", bborder="#707070",
        bhover=v((0, "#eaf6fd"), (0.5, "#d9f0fc"), (0.51, "#bee6fd"), (1, "#a7d9f5")), hbtext="#000000", hborder="#3c7fb1",
        bpressed=v((0, "#e5f4fc"), (0.5, "#c4e5f6"), (0.51, "#98d1ef"), (1, "#68b3db")), bdisabled="#f4f4f4", dtext="#a0a0a0", dborder="#adb2b5",
        accent="#3399ff", radius=3, pradius=3, tradius=3, eradius=2,
        pane="#fcfcfd", frame="#8e9fb3",
        tab=v((0, "#f2f2f2"), (0.5, "#ebebeb"), (0.51, "#dddddd"), (1, "#cfcfcf")), ttext="#1e1e1e",
        tabhover=v((0, "#eaf6fd"), (0.5, "#d9f0fc"), (0.51, "#bee6fd"), (1, "#a7d9f5")),
        tabsel="#fcfcfd", tstext="#000000", tabselborder="#8e9fb3",
        grid="#ffffff", gridalt="#f5f8fb", gridline="#e3e8ee", gtext="#1e1e1e",
        sel=v((0, "#dcebfc"), (1, "#c1dbfc")), seltext="#000000",
        header=v((0, "#ffffff"), (0.5, "#ffffff"), (0.51, "#f1f2f4"), (1, "#e6e9ed")), htext="#4d6185", headerline="#d5d5d5",
        edit="#ffffff", etext="#1e1e1e", eborder="#abadb3",
        group="transparent", gtitle="#1e3287",
        status=v((0, "#f1f5fb"), (1, "#d6dfea")), stext="#1e1e1e",
        menu="#f0f0f0", mtext="#1e1e1e", mborder="#979797", msel=v((0, "#f0f7fe"), (1, "#dbebfb")), mselborder="#a8d8fb",
        tip=v((0, "#ffffff"), (1, "#e4e5f0")), tiptext="#4c4c4c", tipborder="#767676",
        track="#eeeeee", handle=v((0, "#f2f2f2"), (0.5, "#ebebeb"), (0.51, "#dddddd"), (1, "#cfcfcf")),
        chunk=v((0, "#5ee85e"), (0.5, "#37cf37"), (0.51, "#06b025"), (1, "#2cd12c")),
    ),
    "WLM": dict(
        title="丝带", about="ribbon: lavender satin with a magenta ribbon running through it",
        window=v((0, "#fbf7fd"), (1, "#ebdff3")), text="#3b2447",
        button=v((0, "#ffffff"), (0.5, "#f6eefa"), (1, "#e6d4ef")), btext="#4b2a5c", bborder="#b893cc",
        bhover=v((0, "#fdf2fa"), (0.5, "#f7d7ec"), (1, "#eebddc")), hbtext="#7a1a5e", hborder="#c4459a",
        bpressed=v((0, "#e7a9d1"), (1, "#f7d7ec")), bdisabled="#f4eef7", dtext="#b3a4bb", dborder="#dccfe3",
        accent="#c4459a", radius=8, pradius=6, tradius=8, eradius=4,
        pane="#fefcff", frame="#cdb3da",
        tab=v((0, "#f8f2fb"), (1, "#e9dcf1")), ttext="#5a3a6b", tabhover=v((0, "#fdf5fb"), (1, "#f3dcea")),
        tabsel=v((0, "#d25aa9"), (0.5, "#b8418f"), (1, "#9c2f7a")), tstext="#ffffff", tabselborder="#8a2a6c",
        grid="#ffffff", gridalt="#f9f3fc", gridline="#eee3f3", gtext="#3b2447",
        sel=v((0, "#f3c6e3"), (1, "#e7a3cf")), seltext="#4a0d38",
        header=v((0, "#f5ecf9"), (1, "#e2d0ec")), htext="#6a3d80", headerline="#d3bde0",
        edit="#ffffff", etext="#3b2447", eborder="#c8afd6",
        group="rgba(255, 255, 255, 130)", gtitle="#a8327f",
        status=v((0, "#c4459a"), (0.5, "#a8327f"), (1, "#7e2a8f")), stext="#ffffff",
        menu="#fefcff", mtext="#3b2447", mborder="#cdb3da", msel=v((0, "#fbe3f1"), (1, "#f1c2e0")), mselborder="#d37bb6",
        tip="#fff6fb", tiptext="#3b2447", tipborder="#c4459a",
        track="#f1e8f6", handle=v((0, "#f4e8fa"), (1, "#d9c2e6")), chunk=v((0, "#e07cc0"), (1, "#9c2f7a")),
    ),
    "WMP11": dict(
        link="#8ec7ff",  # the links stay blue, light enough for black
        title="黑亮", about="glossy black: piano-black surfaces, chrome text, a blue glow",
        window=v((0, "#2e2e2e"), (0.08, "#1a1a1a"), (1, "#050505")), text="#e6e6e6",
        button=v((0, "#5c5c5c"), (0.5, "#2c2c2c"), (0.51, "#121212"), (1, "#262626")), btext="#f0f0f0", bborder="#000000",
        bhover=v((0, "#6a7f95"), (0.5, "#2f4660"), (0.51, "#13263b"), (1, "#1f4468")), hbtext="#ffffff", hborder="#4aa3ff",
        bpressed=v((0, "#0d1b2a"), (1, "#2b5d8f")), bdisabled="#222222", dtext="#6b6b6b", dborder="#333333",
        accent="#4aa3ff", radius=4, pradius=4, tradius=4, eradius=3,
        pane="#141414", frame="#3a3a3a",
        tab=v((0, "#4a4a4a"), (0.5, "#262626"), (0.51, "#141414"), (1, "#1e1e1e")), ttext="#bdbdbd",
        tabhover=v((0, "#566678"), (0.5, "#2a3a4c"), (0.51, "#142233"), (1, "#1d3552")),
        tabsel=v((0, "#3a3a3a"), (1, "#141414")), tstext="#ffffff", tabselborder="#5a5a5a",
        grid="#0e0e0e", gridalt="#171717", gridline="#262626", gtext="#e2e2e2",
        sel=v((0, "#3f86d1"), (1, "#1f5799")), seltext="#ffffff",
        header=v((0, "#4a4a4a"), (0.5, "#2a2a2a"), (0.51, "#161616"), (1, "#202020")), htext="#d8d8d8", headerline="#000000",
        edit="#101010", etext="#eeeeee", eborder="#444444",
        group="rgba(255, 255, 255, 12)", gtitle="#8ec7ff",
        status=v((0, "#3a3a3a"), (0.5, "#1c1c1c"), (0.51, "#080808"), (1, "#111111")), stext="#cfcfcf",
        menu="#1b1b1b", mtext="#e6e6e6", mborder="#3f3f3f", msel=v((0, "#3f86d1"), (1, "#1f5799")), mselborder="#4aa3ff",
        tip="#222222", tiptext="#eeeeee", tipborder="#4aa3ff",
        track="#111111", handle=v((0, "#5c5c5c"), (0.5, "#2c2c2c"), (0.51, "#121212"), (1, "#262626")),
        chunk=v((0, "#7fc2ff"), (0.5, "#3f86d1"), (0.51, "#1f5799"), (1, "#2f78c4")),
    ),
}


def write_arrow(path, colour, up):
    """A 9 x 5 triangle in the given #rrggbb colour, as an RGBA PNG (standard library only)."""
    w, h = 9, 5
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    raw = b""
    for y in range(h):
        row = h - 1 - y if up else y  # the widest row at the base
        left, right = row, w - 1 - row
        raw += b"\x00" + b"".join(
            bytes((r, g, b, 255 if left <= x <= right else 0)) for x in range(w))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main():
    os.makedirs(os.path.join(OUT, "arrows"), exist_ok=True)
    for name, values in SKINS.items():
        with open(os.path.join(OUT, name + ".qss"), "w", encoding="utf-8", newline="\n") as f:
            f.write(TEMPLATE.format(name=name, **{"link": "#0000ff", **values}))
        for up in (True, False):
            write_arrow(os.path.join(OUT, "arrows", ("up-" if up else "down-") + name + ".png"), values["htext"], up)


if __name__ == "__main__":
    main()
