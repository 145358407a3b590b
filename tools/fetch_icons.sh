#!/usr/bin/env bash
# Re-fetches the vendored silhouettes under assets/icons/ from the game-icons set
# (CC BY 3.0) as published on npm, so the vendoring can be reproduced and new
# icons added. The build never runs this: it reads only the committed SVGs.
#
#   tools/fetch_icons.sh            fetch every icon named in assets/art/*.txt
#
# The icon names are the "icon" column of assets/art/units.txt, jobs.txt and
# markers.txt. Each icon is written as a plain, self-contained SVG (one black
# path on a 512 × 512 view box). The package is unpacked into a temporary
# folder that is removed afterwards; nothing from npm stays in the tree.
# After adding an icon, name its author in assets/icons/AUTHORS.txt and
# assets/CREDITS.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGE="@iconify-json/game-icons@1.2.4"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && npm pack --silent "$PACKAGE" >/dev/null && tar xzf ./*.tgz)

# The icon column: the word after the frame in units.txt, the second word elsewhere.
{
  awk '!/^#/ && NF >= 4 { print $4 }' assets/art/units.txt
  awk '!/^#/ && NF >= 2 { print $2 }' assets/art/jobs.txt assets/art/markers.txt
} | sort -u >"$work/wanted.txt"

mkdir -p assets/icons
node - "$work/package/icons.json" "$work/wanted.txt" assets/icons <<'JS'
const fs = require('fs');
const [iconsPath, wantedPath, outDir] = process.argv.slice(2);
const set = JSON.parse(fs.readFileSync(iconsPath, 'utf8'));
const wanted = fs.readFileSync(wantedPath, 'utf8').split('\n').filter(Boolean);
let missing = 0;
for (const name of wanted) {
  const target = set.aliases && set.aliases[name] ? set.aliases[name].parent : name;
  const icon = set.icons[target];
  if (!icon) { console.error(`no icon named ${name}`); missing++; continue; }
  const w = icon.width || set.width || 512, h = icon.height || set.height || 512;
  const body = icon.body.replace(/currentColor/g, '#000');
  fs.writeFileSync(`${outDir}/${name}.svg`,
    `<svg xmlns="http://www.w3.org/2000/svg" width="${w}" height="${h}" viewBox="0 0 ${w} ${h}">${body}</svg>\n`);
}
console.log(`${wanted.length - missing} icons written to ${outDir}`);
process.exit(missing ? 1 : 0);
JS
