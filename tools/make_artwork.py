#!/usr/bin/python3
"""Draws the toolbox's artwork into assets/.

The images are committed; run this again after changing the look:

    tools/make_artwork.py            # writes into assets/ beside this folder
    tools/make_artwork.py OUT_DIR

Needs Debian's python3-pil and fonts-wqy-microhei. Shapes are drawn at four
times their size and scaled down, which gives smooth edges; the output is
deterministic, so re-running it changes no file unless this script changed.

The colours here are the ones the program's window designs use as well
(app/main_window_design.cpp): keep them in step.
"""

import os
import struct
import sys
from io import BytesIO

from PIL import Image, ImageDraw, ImageFont

SIDEBAR = (30, 37, 50)           # the dark sidebar, 140 pixels wide
SIDEBAR_LINE = (42, 51, 67)      # separators on the sidebar
NAV_BAR = (37, 45, 60)           # a navigation button's bar
WORK = (243, 245, 248)           # the light work area right of the sidebar
ACCENT = (232, 71, 59)           # the red of the search frame and button
ACCENT_DARK = (204, 52, 43)
GLYPH = (128, 137, 153)          # minimise and close glyphs at rest
GLYPH_HOT = (64, 72, 88)
WHITE = (255, 255, 255)
MUTED = (132, 144, 163)          # small print on the sidebar

FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
SCALE = 4


def font(size):
    return ImageFont.truetype(FONT, size * SCALE)


def canvas(width, height, colour=(0, 0, 0, 0)):
    image = Image.new("RGBA", (width * SCALE, height * SCALE), colour)
    return image, ImageDraw.Draw(image)


def finish(image):
    width, height = image.size
    return image.resize((width // SCALE, height // SCALE), Image.LANCZOS)


def s(*values):
    """Design pixels to canvas pixels."""
    return [round(v * SCALE) for v in values]


def vertical_gradient(width, height, top, bottom):
    image = Image.new("RGBA", (width, height))
    draw = ImageDraw.Draw(image)
    for y in range(height):
        t = y / max(1, height - 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
        draw.line([(0, y), (width, y)], fill=colour + (255,))
    return image


def rounded_mask(width, height, radius):
    mask = Image.new("L", (width, height), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, width - 1, height - 1], radius, fill=255)
    return mask


def draw_bag(draw, cx, cy, size, colour, width):
    """A shopping bag: a trapezoid body and an arched handle."""
    half = size / 2
    body_top = cy - size * 0.12
    body = [(cx - half * 0.78, body_top), (cx + half * 0.78, body_top),
            (cx + half * 0.92, cy + half * 0.92), (cx - half * 0.92, cy + half * 0.92)]
    draw.polygon(body, fill=colour)
    handle = [cx - half * 0.42, cy - half * 0.86, cx + half * 0.42, body_top + half * 0.5]
    draw.arc(handle, 180, 360, fill=colour, width=round(width))


def draw_magnifier(draw, cx, cy, size, colour, width):
    radius = size * 0.32
    ox, oy = cx - size * 0.1, cy - size * 0.1
    draw.ellipse([ox - radius, oy - radius, ox + radius, oy + radius], outline=colour, width=round(width))
    start = (ox + radius * 0.72, oy + radius * 0.72)
    end = (cx + size * 0.42, cy + size * 0.42)
    draw.line([start, end], fill=colour, width=round(width * 1.15))
    r = width * 0.55
    draw.ellipse([end[0] - r, end[1] - r, end[0] + r, end[1] + r], fill=colour)


def logo_badge(size):
    """The rounded red badge with the bag, at `size` design pixels."""
    big = size * SCALE
    badge = vertical_gradient(big, big, (240, 96, 74), ACCENT_DARK)
    badge.putalpha(rounded_mask(big, big, round(big * 0.26)))
    draw = ImageDraw.Draw(badge)
    draw_bag(draw, big / 2, big / 2 + big * 0.04, big * 0.56, WHITE + (255,), big * 0.075)
    # a smile on the bag: the marketplace's friendly shopping mark
    arc = [big * 0.37, big * 0.5, big * 0.63, big * 0.7]
    draw.arc(arc, 20, 160, fill=ACCENT_DARK + (255,), width=max(1, round(big * 0.045)))
    return badge


def background():
    """850 x 489: the sidebar with the logo on the left, the work area right."""
    image, draw = canvas(850, 489, WORK + (255,))
    draw.rectangle(s(0, 0, 140, 489), fill=SIDEBAR + (255,))
    badge = logo_badge(44)
    image.alpha_composite(badge, tuple(s(48, 20)))
    title = font(17)
    text = "卖家工具箱"
    width = draw.textlength(text, font=title)
    draw.text(((140 * SCALE - width) / 2, 72 * SCALE), text, font=title, fill=WHITE + (255,),
              stroke_width=1, stroke_fill=WHITE + (255,))
    small = font(9)
    text = "S E L L E R   T O O L B O X"
    width = draw.textlength(text, font=small)
    draw.text(((140 * SCALE - width) / 2, 98 * SCALE), text, font=small, fill=MUTED + (255,))
    draw.line(s(20, 124, 120, 124), fill=SIDEBAR_LINE + (255,), width=SCALE)
    return finish(image)


def texture():
    """140 x 174: the sidebar's foot, a faint diagonal weave that fades in."""
    width, height = 140, 174
    image = Image.new("RGBA", (width, height), SIDEBAR + (255,))
    pattern = Image.new("RGBA", (width, height), (0, 0, 0, 0))
    draw = ImageDraw.Draw(pattern)
    for offset in range(-height, width + height, 8):
        draw.line([(offset, height), (offset + height, 0)], fill=(255, 255, 255, 10))
        draw.line([(offset, 0), (offset + height, height)], fill=(0, 0, 0, 18))
    fade = Image.linear_gradient("L").resize((width, height))
    pattern.putalpha(Image.composite(pattern.getchannel("A"), Image.new("L", (width, height), 0), fade))
    image.alpha_composite(pattern)
    return image


def navigation_bar():
    """140 x 40: a dark bar with a round icon at its left end; the caption is
    drawn by the program, starting after seven spaces (about 30 pixels)."""
    image, draw = canvas(140, 40, SIDEBAR + (255,))
    # The buttons are 136 wide: the bar ends inside that.
    draw.rounded_rectangle(s(2, 3, 133, 37), radius=6 * SCALE, fill=NAV_BAR + (255,))
    cx, cy, r = 15 * SCALE, 20 * SCALE, 7 * SCALE
    draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=ACCENT + (255,))
    chevron = [(cx - 1.6 * SCALE, cy - 3.4 * SCALE), (cx + 2.2 * SCALE, cy),
               (cx - 1.6 * SCALE, cy + 3.4 * SCALE)]
    draw.line(chevron, fill=WHITE + (255,), width=round(1.8 * SCALE), joint="curve")
    return finish(image)


def caption_glyph(kind, hot):
    """20 x 20 minimise or close glyph; the highlighted one sits on a tile."""
    image, draw = canvas(20, 20)
    if hot:
        tile = ACCENT if kind == "close" else (222, 226, 233)
        draw.rounded_rectangle(s(0, 0, 19.75, 19.75), radius=4 * SCALE, fill=tile + (255,))
    colour = (WHITE if kind == "close" else GLYPH_HOT) if hot else GLYPH
    if kind == "minimise":
        draw.rounded_rectangle(s(5, 9.25, 15, 10.75), radius=0.75 * SCALE, fill=colour + (255,))
    else:
        width = round(1.6 * SCALE)
        draw.line(s(5.5, 5.5, 14.5, 14.5), fill=colour + (255,), width=width)
        draw.line(s(14.5, 5.5, 5.5, 14.5), fill=colour + (255,), width=width)
    return finish(image)


def search_button(hot):
    """55 x 30: a white magnifier on red, rounded on the right; the search
    frame joins it on the left."""
    image, draw = canvas(55, 30)
    colour = ACCENT_DARK if hot else ACCENT
    draw.rounded_rectangle(s(-10, 0, 54.75, 29.75), radius=5 * SCALE, fill=colour + (255,))
    draw_magnifier(draw, 27.5 * SCALE, 15 * SCALE, 16 * SCALE, WHITE + (255,), 2 * SCALE)
    return finish(image)


def search_frame():
    """232 x 30: a red frame around the white search box, rounded on the
    left and open on the right, where the search button continues it."""
    image, draw = canvas(232, 30)
    draw.rounded_rectangle(s(0, 0, 250, 29.75), radius=5 * SCALE, fill=ACCENT + (255,))
    draw.rounded_rectangle(s(2, 2, 250, 27.75), radius=3.5 * SCALE, fill=WHITE + (255,))
    return finish(image)


def face_icon():
    """32 x 32 JPEG: a round avatar on the work area's colour."""
    image, draw = canvas(32, 32, WORK + (255,))
    draw.ellipse(s(0.5, 0.5, 31.5, 31.5), fill=(255, 233, 228, 255), outline=ACCENT + (255,),
                 width=round(1.4 * SCALE))
    figure = Image.new("RGBA", image.size, (0, 0, 0, 0))
    figure_draw = ImageDraw.Draw(figure)
    figure_draw.ellipse(s(11, 6.5, 21, 16.5), fill=ACCENT + (255,))
    figure_draw.ellipse(s(5.5, 18, 26.5, 38), fill=ACCENT + (255,))
    circle = Image.new("L", image.size, 0)
    ImageDraw.Draw(circle).ellipse(s(2, 2, 30, 30), fill=255)
    figure.putalpha(Image.composite(figure.getchannel("A"), Image.new("L", image.size, 0), circle))
    image.alpha_composite(figure)
    return finish(image).convert("RGB")


def application_icon(size):
    """The program's icon: the logo badge on a transparent ground."""
    badge = logo_badge(128).resize((size, size), Image.LANCZOS)
    if size <= 16:
        # At 16 pixels the lens cut blurs into the bag: draw it plainly.
        image, draw = canvas(16, 16)
        draw.rounded_rectangle(s(0, 0, 15.75, 15.75), radius=4 * SCALE, fill=ACCENT + (255,))
        draw_bag(draw, 8 * SCALE, 8.6 * SCALE, 9.6 * SCALE, WHITE + (255,), 1.5 * SCALE)
        return finish(image)
    return badge


def dib_entry(image, bits):
    """One icon image as a DIB: colour bits bottom-up, then the AND mask."""
    width, height = image.size
    rgba = image.convert("RGBA")
    alpha = rgba.getchannel("A")
    if bits == 32:
        palette = b""
        rows = []
        for y in reversed(range(height)):
            row = bytearray()
            for x in range(width):
                r, g, b, a = rgba.getpixel((x, y))
                row += bytes((b, g, r, a))
            rows.append(bytes(row))
        colour = b"".join(rows)
    else:
        colours = 1 << bits
        opaque = Image.new("RGB", image.size, (0, 0, 0))
        opaque.paste(rgba.convert("RGB"), mask=alpha.point(lambda a: 255 if a >= 128 else 0))
        indexed = opaque.quantize(colours, dither=Image.Dither.NONE)
        values = indexed.getpalette()[:colours * 3]
        values += [0] * (colours * 3 - len(values))
        palette = b"".join(bytes((values[i + 2], values[i + 1], values[i], 0))
                           for i in range(0, colours * 3, 3))
        stride = ((width * bits + 31) // 32) * 4
        rows = []
        for y in reversed(range(height)):
            row = bytearray(stride)
            for x in range(width):
                index = indexed.getpixel((x, y))
                if bits == 8:
                    row[x] = index
                else:
                    row[x // 2] |= index << (4 if x % 2 == 0 else 0)
            rows.append(bytes(row))
        colour = b"".join(rows)
    mask_stride = ((width + 31) // 32) * 4
    mask_rows = []
    for y in reversed(range(height)):
        row = bytearray(mask_stride)
        for x in range(width):
            if alpha.getpixel((x, y)) < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(row))
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0,
                         len(colour) + len(mask_rows) * mask_stride, 0, 0,
                         (1 << bits) if bits < 32 else 0, 0)
    return header + palette + colour + b"".join(mask_rows)


def write_icon(path):
    """Ten images: 16, 32, 48 and 128 pixels in 32-bit colour, and 16, 32
    and 48 pixels in 256 and in 16 colours for old displays."""
    entries = [(size, 32) for size in (16, 32, 48, 128)]
    entries += [(size, 8) for size in (16, 32, 48)]
    entries += [(size, 4) for size in (16, 32, 48)]
    images = {size: application_icon(size) for size in (16, 32, 48, 128)}
    blobs = [dib_entry(images[size], bits) for size, bits in entries]
    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for (size, bits), blob in zip(entries, blobs):
        colours = (1 << bits) if bits < 8 else 0
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colours % 256, 0, 1, bits,
                                 len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as out:
        out.write(directory + b"".join(blobs))


def save_png(image, path):
    # No timestamps or other chunks that would change from run to run.
    buffer = BytesIO()
    image.save(buffer, "PNG", optimize=True)
    with open(path, "wb") as out:
        out.write(buffer.getvalue())


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets")
    os.makedirs(out, exist_ok=True)
    save_png(background(), os.path.join(out, "background.png"))
    save_png(texture(), os.path.join(out, "sidebar_texture.png"))
    save_png(navigation_bar(), os.path.join(out, "navigation_bar.png"))
    for kind in ("minimise", "close"):
        save_png(caption_glyph(kind, False), os.path.join(out, f"{kind}.png"))
        save_png(caption_glyph(kind, True), os.path.join(out, f"{kind}_hot.png"))
    save_png(search_button(False), os.path.join(out, "search_button.png"))
    save_png(search_button(True), os.path.join(out, "search_button_hot.png"))
    save_png(search_frame(), os.path.join(out, "search_frame.png"))
    face_icon().save(os.path.join(out, "face.jpg"), "JPEG", quality=92)
    write_icon(os.path.join(out, "toolbox.ico"))


if __name__ == "__main__":
    main()
