#!/usr/bin/env python3
"""Battle map generator for Sorvane.

Writes assets/maps/free.txt (free-battle maps 0..99) and assets/maps/story.txt
(story maps 100..114 and 150..169) in the readable map format that the asset
build packs into map1.dat. The generator is seeded, so running it again gives
the same files; the build never runs it, it only reads the committed text.

    python3 tools/mapgen/mapgen.py [ASSETS_DIR]

Every map is drawn from a terrain theme (fire, ice, wood, earth, thunder,
water, or a mix) by laying patches, ridges, rivers and rocks over a base
ground, and is kept only when it is a fair battlefield:
  - every starting cell of its stages is passable,
  - all passable cells form one region (so every master can reach every other,
    and the rightmost column is reachable where a stage is won there),
  - every master has at least six free cells within summoning distance 2,
  - at most a sixth of the map is impassable.
Free maps are mostly point-symmetric around the centre, which swaps the two
masters' usual cells (2, 2) and (15, 11), so neither side is favoured.
"""
import os
import random
import sys

W, H = 18, 14
CHARS = '0123456789abcd'

# Element themes: (light ground, heavy ground) codes; climate = weather code.
FIRE, ICE, WOOD, EARTH, THUNDER, WATER, MIXED, PLAIN = range(1, 9)
THEME_NAMES = {FIRE: 'fire', ICE: 'ice', WOOD: 'wood', EARTH: 'earth', THUNDER: 'thunder',
               WATER: 'water', MIXED: 'mixed', PLAIN: 'open plain'}
PAIR = {FIRE: (2, 3), ICE: (4, 5), WOOD: (6, 7), EARTH: (8, 9), THUNDER: (10, 11), WATER: (12, 13)}

FREE_MASTERS = [(2, 2), (15, 11)]
MIN_ROOM = 6
MAX_BLOCKED = W * H // 6

# Story maps: map number -> (theme, climate, masters' cells, other starting cells, note).
# The cells are those the stage sets up (all variants together).
STORY = {
    100: (MIXED, 7, [(3, 3), (14, 10)], [], 'stage 0: the first battle, a gentle meadow'),
    101: (WOOD, 3, FREE_MASTERS, [], 'stage 1: チコリ among the groves'),
    102: (WATER, 6, FREE_MASTERS, [], 'stage 2: リリィ by the lake'),
    103: (WOOD, 3, FREE_MASTERS, [], 'stage 3: カエデ\'s forest'),
    104: (MIXED, 0, FREE_MASTERS, [], 'stage 4: アヤメ\'s circle of many elements'),
    105: (PLAIN, 7, FREE_MASTERS, [], 'stage 5: an open arena for the chain of creatures'),
    106: (ICE, 2, FREE_MASTERS, [], 'stage 6: アルカネット on the snowfield'),
    107: (EARTH, 4, [(2, 7), (15, 5), (15, 10)], [], 'stage 7: a canyon, two ゼロット from the east'),
    108: (THUNDER, 5, FREE_MASTERS, [], 'stage 8: ｱﾘｽ_ｴﾈﾙｹﾞｲｱ in the crystal caves'),
    109: (MIXED, 0, [(1, 6), (16, 5), (1, 7), (16, 8)], [], 'stage 9: a wide field for four masters'),
    110: (EARTH, 7, [(0, 6), (16, 5), (0, 7), (16, 8)],
          [(11, 5), (11, 8), (13, 4), (13, 9), (14, 6), (14, 7)], 'stage 10: the way east to the rightmost column'),
    111: (WOOD, 0, FREE_MASTERS, [], 'stage 11: シレネ in the dark wood'),
    112: (FIRE, 1, [(8, 12), (5, 1), (11, 1)], [], 'stage 12: カシア and ミレット hold the north'),
    113: (EARTH, 4, [(1, 6), (16, 6)], [], 'stage 13: エンジュ across the mountain valley'),
    114: (MIXED, 7, FREE_MASTERS, [], 'stage 14: the last battle of the story'),
    150: (THUNDER, 5, FREE_MASTERS, [], 'extra 1: ルエリア'),
    151: (WOOD, 3, FREE_MASTERS, [], 'extra 2: リリィ'),
    152: (WOOD, 3, FREE_MASTERS, [], 'extra 3: カエデ'),
    153: (MIXED, 0, FREE_MASTERS, [], 'extra 4: アヤメ'),
    154: (FIRE, 1, FREE_MASTERS, [], 'extra 5: エンジュ'),
    155: (WATER, 6, FREE_MASTERS, [], 'extra 6: アリス'),
    156: (ICE, 2, FREE_MASTERS, [], 'extra 7: シレネ'),
    157: (WATER, 6, FREE_MASTERS, [], 'extra 8: ミレット'),
    158: (FIRE, 1, FREE_MASTERS, [], 'extra 9: カシア'),
    159: (EARTH, 4, FREE_MASTERS, [], 'extra 10: チーゼル'),
    160: (MIXED, 7, [(9, 12), (9, 1), (7, 11), (11, 11)], [], 'extra 11: three allies against ｱﾘｽ_ｴﾈﾙｹﾞｲｱ'),
    161: (MIXED, 0, FREE_MASTERS, [], 'extra 12: the dragons'),
    162: (THUNDER, 5, [(0, 6), (16, 5), (0, 7), (16, 8)],
          [(11, 5), (11, 8), (13, 4), (13, 9), (14, 6), (14, 7), (15, 3), (15, 10)], 'extra 13: the way east again'),
    163: (EARTH, 4, FREE_MASTERS, [], 'extra 14: エンジュ alone'),
    164: (MIXED, 7, [(8, 12), (15, 11), (1, 1)],
          [(12, 1), (15, 1), (8, 1), (15, 12), (15, 6), (1, 12), (4, 1), (1, 6)], 'extra 15: all the masters'),
    165: (PLAIN, 3, FREE_MASTERS, [], 'extra 16: チコリ, two turns to win: open ground'),
    166: (EARTH, 4, [(8, 12), (7, 0), (10, 0)],
          [(7, 4), (10, 4), (3, 3), (14, 3), (1, 1), (16, 1), (5, 2), (12, 2)], 'extra 17: hold out nine turns'),
    167: (ICE, 2, FREE_MASTERS, [], 'extra 18: ロキ and the legends'),
    168: (THUNDER, 5, [(8, 12), (15, 12), (1, 12), (8, 1)], [], 'extra 19: three against one'),
    169: (MIXED, 7, FREE_MASTERS, [], 'extra 20: ｱﾘｽ_ｴﾝﾃﾚｹｲｱ'),
}


def inside(x, y):
    return 0 <= x < W and 0 <= y < H


def neighbours(x, y):
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        if inside(x + dx, y + dy):
            yield x + dx, y + dy


def blob(rng, g, code, size, start=None, avoid=()):
    x, y = start or (rng.randrange(W), rng.randrange(H))
    cells = {(x, y)}
    frontier = [(x, y)]
    while len(cells) < size and frontier:
        cx, cy = rng.choice(frontier)
        options = [c for c in neighbours(cx, cy) if c not in cells]
        if not options:
            frontier.remove((cx, cy))
            continue
        c = rng.choice(options)
        cells.add(c)
        frontier.append(c)
    for (cx, cy) in cells:
        if (cx, cy) not in avoid:
            g[cx][cy] = code
    return cells


def rim(g, cells, code, keep=()):
    for (x, y) in cells:
        for (nx, ny) in neighbours(x, y):
            if (nx, ny) not in cells and g[nx][ny] not in keep:
                g[nx][ny] = code


def river(rng, g, code, vertical=None):
    vertical = rng.random() < 0.5 if vertical is None else vertical
    if vertical:
        x = rng.randrange(4, W - 4)
        for y in range(H):
            g[x][y] = code
            if rng.random() < 0.35:
                x = max(1, min(W - 2, x + rng.choice((-1, 1))))
                g[x][y] = code
    else:
        y = rng.randrange(3, H - 3)
        for x in range(W):
            g[x][y] = code
            if rng.random() < 0.35:
                y = max(1, min(H - 2, y + rng.choice((-1, 1))))
                g[x][y] = code


def rocks(rng, g, count, length=(1, 3)):
    for _ in range(count):
        x, y = rng.randrange(W), rng.randrange(H)
        dx, dy = rng.choice(((1, 0), (0, 1), (1, 1), (1, -1)))
        for _ in range(rng.randint(*length)):
            if inside(x, y):
                g[x][y] = 0
            x, y = x + dx, y + dy


def ridge(rng, g, code, peak_chance):
    x, y = rng.randrange(W), rng.randrange(H)
    dx, dy = rng.choice(((1, 0), (0, 1), (1, 1), (1, -1)))
    for _ in range(rng.randint(4, 8)):
        if inside(x, y):
            g[x][y] = 0 if rng.random() < peak_chance else code
        if rng.random() < 0.3:
            x += rng.choice((-1, 0, 1))
        x, y = x + dx, y + dy


def share(g, codes):
    return sum(1 for x in range(W) for y in range(H) if g[x][y] in codes) / (W * H)


def cover(rng, g, code, target, size, counted=None):
    """Lays patches of `code` until they cover `target` of the map."""
    counted = counted or (code,)
    for _ in range(60):
        if share(g, counted) >= target:
            return
        blob(rng, g, code, rng.randint(*size))


def themed(rng, theme):
    """Lays one map of a theme; returns the grid [x][y]."""
    if theme == PLAIN:
        g = [[1] * H for _ in range(W)]
        cover(rng, g, 6, rng.uniform(0.25, 0.4), (5, 12))
        for _ in range(rng.randint(1, 3)):
            blob(rng, g, rng.choice((8, 2, 4, 10)), rng.randint(4, 8))
        return g
    if theme == MIXED:
        g = [[1] * H for _ in range(W)]
        elems = rng.sample([FIRE, ICE, WOOD, EARTH, THUNDER, WATER], rng.randint(2, 3))
        for e in elems:
            light, heavy = PAIR[e]
            cover(rng, g, light, share(g, (light,)) + rng.uniform(0.1, 0.18), (5, 12))
            for _ in range(rng.randint(1, 2)):
                cells = blob(rng, g, heavy, rng.randint(3, 7))
                rim(g, cells, light, keep=(0, heavy))
        if rng.random() < 0.4:
            river(rng, g, 12)
        rocks(rng, g, rng.randint(2, 5))
        return g
    base = {FIRE: 1, ICE: 4, WOOD: 6, EARTH: 8, THUNDER: 1, WATER: 1}[theme]
    g = [[base] * H for _ in range(W)]
    if theme == FIRE:
        cover(rng, g, 2, rng.uniform(0.35, 0.55), (6, 16))
        for _ in range(rng.randint(2, 4)):
            cells = blob(rng, g, 3, rng.randint(3, 8))
            rim(g, cells, 2, keep=(3, 0))
        rocks(rng, g, rng.randint(2, 5))
    elif theme == ICE:
        cover(rng, g, 5, rng.uniform(0.25, 0.4), (5, 12))
        if rng.random() < 0.5:
            cells = blob(rng, g, 13, rng.randint(4, 8))
            rim(g, cells, 12, keep=(13, 0))
        for _ in range(rng.randint(1, 3)):
            ridge(rng, g, 9, 0.3)
        rocks(rng, g, rng.randint(1, 3))
    elif theme == WOOD:
        cover(rng, g, 7, rng.uniform(0.25, 0.4), (4, 10))
        for _ in range(rng.randint(1, 3)):
            blob(rng, g, 1, rng.randint(3, 6))
        if rng.random() < 0.7:
            river(rng, g, 12)
        rocks(rng, g, rng.randint(1, 3), (1, 2))
    elif theme == EARTH:
        for _ in range(rng.randint(2, 4)):
            ridge(rng, g, 9, 0.35)
        cover(rng, g, 9, rng.uniform(0.25, 0.35), (3, 8), counted=(9, 0))
        for _ in range(rng.randint(1, 3)):
            blob(rng, g, 1, rng.randint(3, 6))
    elif theme == THUNDER:
        cover(rng, g, 10, rng.uniform(0.35, 0.5), (5, 12))
        for _ in range(rng.randint(3, 6)):
            cells = blob(rng, g, 11, rng.randint(2, 5))
            rim(g, cells, 10, keep=(11, 0))
        rocks(rng, g, rng.randint(3, 6), (1, 4))
    elif theme == WATER:
        for _ in range(rng.randint(1, 2)):
            edge = rng.choice([(0, rng.randrange(H)), (W - 1, rng.randrange(H)),
                               (rng.randrange(W), 0), (rng.randrange(W), H - 1)])
            cells = blob(rng, g, 13, rng.randint(12, 26), start=edge)
            rim(g, cells, 12, keep=(13, 0))
        for _ in range(rng.randint(1, 2)):
            river(rng, g, 12)
        cover(rng, g, 6, 0.15, (3, 8))
        rocks(rng, g, rng.randint(0, 2))
    return g


def mirror(g):
    for x in range(W):
        for y in range(H):
            if x * H + y < (W - 1 - x) * H + (H - 1 - y):
                g[W - 1 - x][H - 1 - y] = g[x][y]


def light_of(theme):
    return PAIR[theme][0] if theme in PAIR and theme != WATER else 1


def room(g, cell, taken):
    x0, y0 = cell
    return sum(1 for x in range(W) for y in range(H)
               if 0 < abs(x - x0) + abs(y - y0) <= 2 and g[x][y] != 0 and (x, y) not in taken)


def one_region(g):
    open_cells = [(x, y) for x in range(W) for y in range(H) if g[x][y] != 0]
    if not open_cells:
        return False
    seen = {open_cells[0]}
    todo = [open_cells[0]]
    while todo:
        c = todo.pop()
        for n in neighbours(*c):
            if n not in seen and g[n[0]][n[1]] != 0:
                seen.add(n)
                todo.append(n)
    return len(seen) == len(open_cells)


def seal_pockets(g):
    """Small pockets cut off by rock become rock themselves."""
    open_cells = {(x, y) for x in range(W) for y in range(H) if g[x][y] != 0}
    regions = []
    while open_cells:
        start = open_cells.pop()
        region = {start}
        todo = [start]
        while todo:
            c = todo.pop()
            for n in neighbours(*c):
                if n in open_cells:
                    open_cells.remove(n)
                    region.add(n)
                    todo.append(n)
        regions.append(region)
    regions.sort(key=len, reverse=True)
    for region in regions[1:]:
        if len(region) <= 4:
            for (x, y) in region:
                g[x][y] = 0


def make_map(rng, theme, symmetric, masters, others):
    taken = set(masters) | set(others)
    for _ in range(500):
        g = themed(rng, theme)
        if symmetric:
            mirror(g)
        # Starting cells and the masters' own neighbourhoods are open ground.
        for (x, y) in taken:
            if g[x][y] == 0:
                g[x][y] = light_of(theme)
        for (mx, my) in masters:
            for (x, y) in neighbours(mx, my):
                if g[x][y] == 0:
                    g[x][y] = light_of(theme)
        if symmetric:
            mirror(g)
        seal_pockets(g)
        if any(g[x][y] == 0 for (x, y) in taken):
            continue
        if sum(row.count(0) for row in g) > MAX_BLOCKED or not one_region(g):
            continue
        if any(room(g, m, taken) < MIN_ROOM for m in masters):
            continue
        return g
    raise RuntimeError('no map fits the rules for theme %d' % theme)


def render(number, climate, g, note):
    lines = ['# ' + note, 'map %d climate %d' % (number, climate)]
    for y in range(H):
        lines.append(''.join(CHARS[g[x][y]] for x in range(W)))
    return '\n'.join(lines) + '\n'


LEGEND = '''# Each map is drawn as the player sees it: 14 rows of 18 terrain characters,
# row 0 at the top, column 0 at the left.
#   0 移動不能  1 平地  2 焼野原  3 マグマ  4 氷  5 雪原  6 草原
#   7 森  8 砂地  9 岩山  a 鉱床  b クリスタル  c 川  d 海
# The climate digit is the weather code that random weather changes lean towards.
# Written by tools/mapgen/mapgen.py (seeded); edit by hand or run it again.
'''


def free_maps():
    rng = random.Random(20240611)
    themes = [FIRE, ICE, WOOD, EARTH, THUNDER, WATER, MIXED] * 14 + [MIXED, PLAIN]
    rng.shuffle(themes)
    out = ['# Free-battle maps 0..99, drawn at random for every free battle. The two\n'
           '# masters start on (2, 2) and (15, 11).\n' + LEGEND]
    for n, theme in enumerate(themes):
        symmetric = rng.random() < 0.7
        climate = theme if theme in PAIR and rng.random() < 0.8 else rng.choice((0, 7))
        g = make_map(rng, theme, symmetric, FREE_MASTERS, [])
        note = '%s%s' % (THEME_NAMES[theme], ', point-symmetric' if symmetric else '')
        out.append(render(n, climate, g, note))
    return '\n'.join(out)


def story_maps():
    rng = random.Random(19990401)
    out = ['# Story maps: line 100 + s is the map of story stage s.\n' + LEGEND]
    for number in sorted(STORY):
        theme, climate, masters, others, note = STORY[number]
        g = make_map(rng, theme, False, masters, others)
        out.append(render(number, climate, g, note))
    return '\n'.join(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    assets = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'assets')
    with open(os.path.join(assets, 'maps', 'free.txt'), 'w', encoding='utf-8', newline='\n') as f:
        f.write(free_maps())
    with open(os.path.join(assets, 'maps', 'story.txt'), 'w', encoding='utf-8', newline='\n') as f:
        f.write(story_maps())


if __name__ == '__main__':
    main()
