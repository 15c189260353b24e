#!/usr/bin/env python3
"""Draws every image of the installer skin.

    generate_images.py OUTPUT_DIR   writes the PNGs under OUTPUT_DIR/res/...
    generate_images.py --list       prints their archive paths, one a line

The look: a calm white window with a light blue wash, the brand blue of the
window icon (a white "Q" with a pen-stroke tail on a blue rounded square) for
the mark, and the buttons' blue for everything the user can press. Shapes are
drawn at four times the size and reduced with a box filter, which gives
smooth edges. The output depends only on this file, resources/make_icon.py
and the Debian fonts named below, so every build packs the same bytes.
"""
import functools
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources"))
import make_icon  # noqa: E402  (the window icon's drawing, shared with the logo)

SCALE = 4
CJK_FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
WORDMARK_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

INK = (0x28, 0x2A, 0x43)
MUTED = (0x60, 0x61, 0x78)
SOFT_GREY = (0x89, 0x91, 0xAF)
BLUE = (0x16, 0x75, 0xFE)
BLUE_TOP = (0x3A, 0x8C, 0xFF)
BLUE_HOT_TOP, BLUE_HOT = (0x5C, 0x9F, 0xFF), (0x33, 0x86, 0xFF)
BLUE_PUSHED_TOP, BLUE_PUSHED = (0x14, 0x68, 0xE6), (0x12, 0x5A, 0xCC)
CLOSE_RED, CLOSE_RED_PUSHED = (0xF0, 0x56, 0x4A), (0xD6, 0x45, 0x3B)
AMBER_TOP, AMBER = (0xFF, 0xB5, 0x4C), (0xFA, 0x8C, 0x16)

# Button states: (top colour, bottom colour) of the vertical gradient.
BUTTON_STATES = (
    (BLUE_TOP, BLUE),
    (BLUE_HOT_TOP, BLUE_HOT),
    (BLUE_PUSHED_TOP, BLUE_PUSHED),
)


def rgba(colour, alpha=255):
    return tuple(colour[:3]) + (alpha,)


def canvas(width, height):
    return Image.new("RGBA", (width * SCALE, height * SCALE), (0, 0, 0, 0))


def reduce(image):
    return image.resize((image.width // SCALE, image.height // SCALE), Image.BOX)


def scaled(values):
    return [v * SCALE for v in values]


def font(path, size):
    return ImageFont.truetype(path, size * SCALE)


def vertical_gradient(size, top, bottom):
    """An opaque image fading from `top` to `bottom` colour."""
    strip = Image.new("RGBA", (1, 256))
    for y in range(256):
        t = y / 255
        strip.putpixel((0, y), tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,))
    return strip.resize(size, Image.BILINEAR)


def paint(target, mask, fill):
    """Composes `fill` (a colour or an image of the target's size) through an L mask."""
    layer = fill if isinstance(fill, Image.Image) else Image.new("RGBA", target.size, fill)
    layer = layer.copy()
    alpha = Image.new("L", target.size, 0)
    alpha.paste(layer.getchannel("A"), mask=mask)
    layer.putalpha(alpha)
    target.alpha_composite(layer)


def rounded_mask(size, box, radius):
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).rounded_rectangle(scaled(box), radius * SCALE, fill=255)
    return mask


def ellipse_mask(size, centre, radius):
    mask = Image.new("L", size, 0)
    cx, cy = centre
    ImageDraw.Draw(mask).ellipse(scaled((cx - radius, cy - radius, cx + radius, cy + radius)), fill=255)
    return mask


def polyline(draw, points, colour, width):
    """A stroke with round caps and joints."""
    pts = [tuple(scaled(p)) for p in points]
    w = width * SCALE
    draw.line(pts, fill=colour, width=round(w), joint="curve")
    for x, y in (pts[0], pts[-1]):
        draw.ellipse((x - w / 2, y - w / 2, x + w / 2, y + w / 2), fill=colour)


def centred_text(draw, centre, text, font_path, size, colour):
    draw.text(tuple(scaled(centre)), text, font=font(font_path, size), fill=colour, anchor="mm")


@functools.lru_cache(maxsize=None)
def brand_mark(size):
    """The window icon's artwork at `size` pixels, straight (not premultiplied) RGBA."""
    mark = Image.new("RGBA", (size, size))
    for py in range(size):
        for px in range(size):
            b, g, r, a = make_icon.pixel(size, px, py)
            mark.putpixel((px, py), (r, g, b, a))
    return mark


# --- main window ---------------------------------------------------------

def background():
    width, height = 600, 400
    image = vertical_gradient((width * SCALE, height * SCALE), (0xEC, 0xF4, 0xFF), (0xFF, 0xFF, 0xFF))
    white = Image.new("RGBA", image.size, (255, 255, 255, 255))
    lower = Image.new("L", image.size, 0)
    ImageDraw.Draw(lower).rectangle(scaled((0, 230, width, height)), fill=255)
    image.paste(white, mask=lower.filter(ImageFilter.GaussianBlur(60 * SCALE)))

    # Soft discs of the brand blue in the upper right and lower left corner.
    glow = Image.new("RGBA", image.size, (0, 0, 0, 0))
    for centre, radius, alpha in (((560, -30), 200, 26), ((650, 90), 130, 20), ((-70, 440), 170, 16)):
        paint(glow, ellipse_mask(image.size, centre, radius), rgba(BLUE, alpha))
    image.alpha_composite(glow.filter(ImageFilter.GaussianBlur(18 * SCALE)))

    # A long, light pen stroke across the lower third, the quill's trace.
    ribbon = Image.new("RGBA", image.size, (0, 0, 0, 0))
    draw = ImageDraw.Draw(ribbon)
    for band, (offset, alpha, thickness) in enumerate(((0, 22, 2.0), (14, 14, 1.2))):
        points = [(x, 318 + offset + 26 * math.sin((x + 80 * band) / 95) - 0.05 * x) for x in range(-10, 611, 3)]
        draw.line([tuple(scaled(p)) for p in points], fill=rgba(BLUE, alpha), width=round(thickness * SCALE),
                  joint="curve")
    image.alpha_composite(ribbon)

    ImageDraw.Draw(image).rectangle((0, 0, width * SCALE - 1, height * SCALE - 1), outline=(0xD9, 0xE1, 0xEC, 255),
                                    width=SCALE)
    return reduce(image)


def logo():
    width, height = 292, 62
    image = canvas(width, height)
    draw = ImageDraw.Draw(image)
    wordmark = font(WORDMARK_FONT, 34)
    text = "Quillora"
    text_width = draw.textlength(text, font=wordmark) / SCALE
    mark_size, gap = 52, 14
    left = (width - (mark_size + gap + text_width)) / 2
    draw.text((round((left + mark_size + gap) * SCALE), height // 2 * SCALE), text, font=wordmark,
              fill=rgba(INK), anchor="lm")
    image = reduce(image)
    image.alpha_composite(brand_mark(mark_size), (round(left), (height - mark_size) // 2))
    return image


def filled_button(width, height, radius, state):
    image = canvas(width, height)
    top, bottom = BUTTON_STATES[state]
    body = rounded_mask(image.size, (0, 0, width, height), radius)
    paint(image, body, vertical_gradient(image.size, top, bottom))
    if state != 2:
        # A faint light edge along the top, so the button reads as raised.
        shine = rounded_mask(image.size, (0, 0, width, height), radius)
        cut = rounded_mask(image.size, (0, 1, width, height + 1), radius)
        shine.paste(0, mask=cut)
        paint(image, shine, (255, 255, 255, 60))
    return reduce(image)


def tip_bubble():
    width, height = 120, 36
    image = canvas(width, height)
    colour = rgba(INK, 235)
    paint(image, rounded_mask(image.size, (0, 0, width, 28), 5), colour)
    ImageDraw.Draw(image).polygon(scaled((12, 27, 24, 27, 18, 35)), fill=colour)
    centred_text(ImageDraw.Draw(image), (width / 2, 14), "请先同意许可协议", CJK_FONT, 12, (255, 255, 255, 255))
    return reduce(image)


def check_box(checked):
    image = canvas(15, 14)
    draw = ImageDraw.Draw(image)
    box = scaled((0.5, 0.5, 13.5, 13.5))
    if checked:
        draw.rounded_rectangle(box, 3 * SCALE, fill=rgba(BLUE))
        polyline(draw, ((3.6, 7.2), (6.0, 9.6), (10.4, 4.6)), (255, 255, 255, 255), 1.6)
    else:
        draw.rounded_rectangle(box, 3 * SCALE, fill=(255, 255, 255, 255), outline=(0xB4, 0xBC, 0xCC, 255),
                               width=SCALE)
    return reduce(image)


def palette_arrow(colour):
    """A small right-pointing chevron as an 8-bit palette PNG: palette entry i
    is the colour at opacity i, so the edges keep their smoothing."""
    image = canvas(16, 16)
    polyline(ImageDraw.Draw(image), ((6.5, 4.5), (10, 8), (6.5, 11.5)), rgba(colour), 1.5)
    indexed = reduce(image).getchannel("A").convert("P")
    indexed.putpalette(list(colour[:3]) * 256)
    indexed.info["transparency"] = bytes(range(256))
    return indexed


def back_button(state):
    width, height = 64, 30
    image = canvas(width, height)
    draw = ImageDraw.Draw(image)
    colours = ((MUTED, None), (BLUE, (0xEA, 0xF2, 0xFE)), ((0x13, 0x65, 0xDB), (0xDC, 0xE8, 0xFB)))
    ink, fill = colours[state]
    if fill:
        draw.rounded_rectangle(scaled((0, 0, width, height)), 15 * SCALE, fill=rgba(fill))
    polyline(draw, ((16, 10), (11, 15), (16, 20)), rgba(ink), 1.8)
    draw.text(tuple(scaled((22, 15))), "返回", font=font(CJK_FONT, 14), fill=rgba(ink), anchor="lm")
    return reduce(image)


def folder_edit():
    width, height = 340, 36
    image = canvas(width, height)
    ImageDraw.Draw(image).rounded_rectangle(scaled((0.5, 0.5, width - 0.5, height - 0.5)), 4 * SCALE,
                                            fill=(255, 255, 255, 255), outline=(0xD3, 0xDA, 0xE6, 255), width=SCALE)
    return reduce(image)


def progress_bar(filled):
    """Track and fill of the progress bar. No pixel may be pure red: the
    layout names #FF0000 as the transparent colour of both images."""
    width, height = 520, 8
    image = canvas(width, height)
    if filled:
        fill = vertical_gradient((image.height, image.width), (0x5E, 0xB2, 0xFF), BLUE).transpose(Image.ROTATE_90)
    else:
        fill = (0xE4, 0xEA, 0xF3, 255)
    paint(image, rounded_mask(image.size, (0, 0, width, height), 4), fill)
    return reduce(image)


def arc_points(centre, radius, start, end, steps):
    cx, cy = centre
    return [(cx + radius * math.cos(math.radians(a)), cy + radius * math.sin(math.radians(a)))
            for a in (start + (end - start) * i / steps for i in range(steps + 1))]


ANIMATION_FRAMES = 25


def animation_frame(index):
    """Frame `index` of the progress animation: a blue comet circling the
    brand mark. The comet turns once over frames 0..24, so frame 24 shows
    the same picture as frame 0 and the loop runs on without a jump."""
    width, height = 156, 154
    centre = (width / 2, height / 2)
    phase = (index % (ANIMATION_FRAMES - 1)) / (ANIMATION_FRAMES - 1)
    image = canvas(width, height)
    paint(image, ellipse_mask(image.size, centre, 70), (0xF1, 0xF6, 0xFF, 255))
    pulse = 0.5 - 0.5 * math.cos(2 * math.pi * phase)
    paint(image, ellipse_mask(image.size, centre, 44 + 4 * pulse), rgba((0xD8, 0xE7, 0xFD), round(120 + 80 * pulse)))
    draw = ImageDraw.Draw(image)
    ring = 60
    draw.ellipse(scaled((centre[0] - ring, centre[1] - ring, centre[0] + ring, centre[1] + ring)),
                 outline=(0xDD, 0xE8, 0xF8, 255), width=5 * SCALE)
    head = -90 + 360 * phase
    tail_length, pieces = 130, 40
    for piece in range(pieces):
        t = (piece + 1) / pieces
        start = head - tail_length * (1 - (piece / pieces))
        end = head - tail_length * (1 - t)
        colour = tuple(round(a + (b - a) * t) for a, b in zip((0x9C, 0xC8, 0xFF), BLUE))
        polyline(draw, arc_points(centre, ring, start, end, 4), rgba(colour, round(255 * t ** 1.4)), 5)
    hx, hy = arc_points(centre, ring, head, head, 1)[0]
    draw.ellipse(scaled((hx - 4.5, hy - 4.5, hx + 4.5, hy + 4.5)), fill=rgba(BLUE))
    image = reduce(image)
    mark = brand_mark(64)
    image.alpha_composite(mark, (round(centre[0] - mark.width / 2), round(centre[1] - mark.height / 2)))
    return image


def badge(size, radius, top, bottom):
    """A round badge with a soft halo, the base of the finished mark and the
    dialog icons."""
    image = canvas(size, size)
    centre = (size / 2, size / 2)
    paint(image, ellipse_mask(image.size, centre, size / 2), rgba(bottom, 40))
    paint(image, ellipse_mask(image.size, centre, radius), vertical_gradient(image.size, top, bottom))
    return image


def finished_mark():
    image = badge(80, 34, BLUE_TOP, BLUE)
    polyline(ImageDraw.Draw(image), ((26, 41), (36, 51), (55, 31)), (255, 255, 255, 255), 6)
    return reduce(image)


def warning_icon():
    image = badge(40, 17, AMBER_TOP, AMBER)
    draw = ImageDraw.Draw(image)
    polyline(draw, ((20, 12), (20, 22)), (255, 255, 255, 255), 3.2)
    draw.ellipse(scaled((18.2, 25.4, 21.8, 29)), fill=(255, 255, 255, 255))
    return reduce(image)


def network_icon():
    image = badge(40, 17, BLUE_TOP, BLUE)
    draw = ImageDraw.Draw(image)
    white = (255, 255, 255, 255)
    for radius in (11, 7):
        polyline(draw, arc_points((20, 27), radius, 225, 315, 24), white, 2.4)
    draw.ellipse(scaled((18, 25, 22, 29)), fill=white)
    return reduce(image)


def question_icon():
    image = badge(40, 17, BLUE_TOP, BLUE)
    draw = ImageDraw.Draw(image)
    white = (255, 255, 255, 255)
    polyline(draw, arc_points((20, 16.5), 4.8, 180, 390, 24) + [(20, 21.5), (20, 23.5)], white, 3)
    draw.ellipse(scaled((18.3, 26.4, 21.7, 29.8)), fill=white)
    return reduce(image)


# --- title bar buttons ----------------------------------------------------

def title_button(glyph, state, closing, glyph_size):
    """Minimise or close, 24 x 24: a plain glyph, on hover and press a
    rounded tile (red for close, as users expect)."""
    image = canvas(24, 24)
    draw = ImageDraw.Draw(image)
    tiles = ((0xE6, 0xEC, 0xF5), (0xD7, 0xDF, 0xEB))
    if state:
        tile = (CLOSE_RED, CLOSE_RED_PUSHED)[state - 1] if closing else tiles[state - 1]
        draw.rounded_rectangle(scaled((0, 0, 24, 24)), 4 * SCALE, fill=rgba(tile))
    ink = (255, 255, 255) if (closing and state) else (SOFT_GREY if not state else INK)
    half = glyph_size / 2
    if glyph == "close":
        polyline(draw, ((12 - half, 12 - half), (12 + half, 12 + half)), rgba(ink), 1.5)
        polyline(draw, ((12 - half, 12 + half), (12 + half, 12 - half)), rgba(ink), 1.5)
    else:
        polyline(draw, ((12 - half, 12), (12 + half, 12)), rgba(ink), 1.5)
    return reduce(image)


def images():
    """Archive path -> function drawing the image."""
    table = {}
    for n in range(1, 5):
        table[f"res/mainWnd/bg{n}.png"] = background
    table["res/mainWnd/logo.png"] = logo
    for state in range(3):
        n = state + 1
        table[f"res/mainWnd/installBtn{n}.png"] = lambda s=state: filled_button(200, 46, 6, s)
        table[f"res/mainWnd/backBtn{n}.png"] = lambda s=state: back_button(s)
        table[f"res/mainWnd/chDirBtn{n}.png"] = lambda s=state: filled_button(80, 36, 4, s)
        table[f"res/common/minbtn{n}.png"] = lambda s=state: title_button("min", s, False, 10)
        table[f"res/common/closebtn{n}.png"] = lambda s=state: title_button("close", s, True, 9)
        table[f"res/common/closebtnM_{n}.png"] = lambda s=state: title_button("close", s, True, 8)
    table["res/mainWnd/tipLbl.png"] = tip_bubble
    table["res/mainWnd/Cb1.png"] = lambda: check_box(False)
    table["res/mainWnd/Cb2.png"] = lambda: check_box(True)
    table["res/mainWnd/customeBtn1.png"] = lambda: palette_arrow(MUTED)
    table["res/mainWnd/customeBtn2.png"] = lambda: palette_arrow(INK)
    table["res/mainWnd/installDirEdit.png"] = folder_edit
    table["res/mainWnd/installPrg1.png"] = lambda: progress_bar(False)
    table["res/mainWnd/installPrg2.png"] = lambda: progress_bar(True)
    for index in range(ANIMATION_FRAMES):
        table[f"res/mainWnd/installBtnAnimate/{index:03d}.png"] = lambda i=index: animation_frame(i)
    table["res/mainWnd/finished.png"] = finished_mark
    table["res/MessageBoxWnd/icoWarn.png"] = warning_icon
    table["res/MessageBoxWnd/icoNetwork.png"] = network_icon
    table["res/MessageBoxWnd/icoQuest.png"] = question_icon
    return table


def main(argv):
    if len(argv) != 2:
        sys.exit("usage: generate_images.py OUTPUT_DIR | --list")
    table = images()
    if argv[1] == "--list":
        print("\n".join(sorted(table)))
        return
    cache = {}
    for path, draw in sorted(table.items()):
        if draw not in cache:
            cache[draw] = draw()
        target = os.path.join(argv[1], *path.split("/"))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        cache[draw].save(target, "PNG", optimize=True)


if __name__ == "__main__":
    main(sys.argv)
