"""What every page of the sample disc shares: its frame, its style and the small
builders of links and pictures the pages are written with."""

import posixpath

from disc_contents import ISSUE_JA, MAGAZINE, TREE


# ---------------------------------------------------------------------------
# Pages.
# ---------------------------------------------------------------------------

SECTION_OF = {"tokushu": "特集", "soft": "ソフトウェア", "rensai": "連載",
              "info": "インフォメーション"}


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def href(src_page, target):
    """Relative address from one page on the disc to another file on it."""
    return posixpath.relpath(target, posixpath.dirname(src_page) or ".")


def pages_in_order():
    return [(i, text, page) for i, (_, text, page, _) in enumerate(TREE) if page]


PAGE_TITLE = {page: text for _, text, page, _ in TREE if page}

STYLE = """\
body { margin: 0; background: #ffffff; color: #222222; font-size: 12px; line-height: 1.6;
       font-family: "ＭＳ Ｐゴシック", "IPAPGothic", sans-serif; }
a { color: #1c5c75; }
a:visited { color: #557468; }
#head { background: #0a2633; padding: 0 0 0 8px; }
#crumb { background: #557468; color: #ffffff; font-size: 11px; padding: 1px 12px; }
#crumb a { color: #ffffff; }
#main { padding: 4px 14px 8px 14px; }
h1 { font-size: 17px; color: #1c5c75; border-left: 8px solid #1c5c75;
     border-bottom: 1px solid #1c5c75; padding: 0 0 0 8px; margin: 8px 0 6px 0; }
h2 { font-size: 13px; color: #ffffff; background: #1c5c75; padding: 1px 6px; margin: 12px 0 4px 0;
     overflow: hidden; }
p { margin: 4px 0; }
.lead { font-weight: bold; color: #444444; }
.pic { float: right; margin: 2px 0 6px 10px; text-align: center; font-size: 10px; color: #666666; }
.box { border: 1px solid #9bb8c4; background: #eef5f8; padding: 4px 8px; margin: 8px 0; clear: both; }
table.spec { border-collapse: collapse; margin: 6px 0; }
table.spec th { background: #dde9ee; font-weight: normal; text-align: left; padding: 1px 6px;
                border: 1px solid #9bb8c4; white-space: nowrap; }
table.spec td { padding: 1px 6px; border: 1px solid #9bb8c4; }
pre { background: #f4f4f4; border: 1px solid #cccccc; padding: 4px 6px; font-size: 11px;
      line-height: 1.3; margin: 6px 0; }
.note { font-size: 11px; color: #666666; }
#foot { clear: both; border-top: 1px solid #1c5c75; margin: 12px 14px 0 14px; padding: 4px 0 10px 0;
        font-size: 11px; color: #666666; }
#foot .nav { float: right; }
"""


def join_lines(html):
    """Joins the source lines of running Japanese text: a browser shows a line
    end between two Japanese characters as a space.  <pre> blocks stay."""
    out = []
    for i, part in enumerate(html.split("<pre>")):
        pre, _, rest = part.rpartition("</pre>") if i else ("", "", part)
        lines = rest.split("\n")
        joined = lines[0]
        for line in lines[1:]:
            if joined and line and (not joined[-1].isascii() or not line[0].isascii()):
                joined += line
            else:
                joined += "\n" + line
        out.append((pre + "</pre>" if i else "") + joined)
    return "<pre>".join(out)


def page_html(page, body):
    order = pages_in_order()
    pos = [p for _, _, p in order].index(page)
    title = PAGE_TITLE[page]
    top = page.split("/")[0]
    section = SECTION_OF.get(top, "")
    if page == "info/support.htm":
        section = ""
    first = next(p for _, _, p in order if p.startswith(top + "/"))
    crumb = f'<a href="{href(page, first)}">{esc(section)}</a> &gt; ' if section else ""
    nav = []
    if pos > 0:
        prev = order[pos - 1][2]
        nav.append(f'<a href="{href(page, prev)}">&lt;&lt; {esc(PAGE_TITLE[prev])}</a>')
    if pos + 1 < len(order):
        nxt = order[pos + 1][2]
        nav.append(f'<a href="{href(page, nxt)}">{esc(PAGE_TITLE[nxt])} &gt;&gt;</a>')
    banner = href(page, "img/banner.png")
    return f"""\
<!DOCTYPE html>
<html lang="ja">
<head>
<meta charset="Shift_JIS">
<title>{esc(title)} - {MAGAZINE} CD-ROM {ISSUE_JA}</title>
<style>
{STYLE}</style>
</head>
<body>
<div id="head"><img src="{banner}" width="520" height="56" alt="{MAGAZINE} CD-ROM {ISSUE_JA}"></div>
<div id="crumb">{crumb}{esc(title)}</div>
<div id="main">
{join_lines(body.strip())}
</div>
<div id="foot"><span class="nav">{" | ".join(nav)}</span>
(C) 1999 クイロア出版 {MAGAZINE}編集部</div>
</body>
</html>
"""


def pic(page, src, w, h, alt, caption=None):
    cap = f"<br>{esc(caption)}" if caption else ""
    return (f'<div class="pic"><img src="{href(page, src)}" width="{w}" height="{h}" '
            f'alt="{esc(alt)}">{cap}</div>')


def a(page, target, text):
    return f'<a href="{href(page, target)}">{esc(text)}</a>'


def new(page):
    return f'<img src="{href(page, "img/new.gif")}" width="30" height="13" alt="NEW">'


def spec_table(rows):
    cells = "\n".join(f"<tr><th>{esc(k)}</th><td>{esc(v)}</td></tr>" for k, v in rows)
    return f'<table class="spec">\n{cells}\n</table>'
