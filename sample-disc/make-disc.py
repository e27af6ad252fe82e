#!/usr/bin/env python3
"""Writes the sample disc of the Quillore CD-ROM Browser.

The disc is the one a magazine editor would put together on Windows: every
text file (the four list files, the button files, the pages, the documents) is
Shift-JIS (code page 932) with CR LF line ends, and the paths inside the list
and button files use backslashes relative to _html.  This script holds the
source of all of it in UTF-8 and writes the bytes.  The committed files under
menu/ and _html/ are exactly what it writes.

    python3 make-disc.py             write the text files (pictures are left alone)
    python3 make-disc.py --pictures  also redraw the pictures with ImageMagick
    python3 make-disc.py --check     write nothing; compare the committed files with
                                     what would be written and check the disc with
                                     quilcd-check (--checker PATH, else the build's)

The pictures are drawn by ImageMagick `convert` (IPA P Gothic for the letters)
and committed as they come out; only --pictures touches them.
"""

import argparse
import json
import os
import posixpath
import shutil
import stat
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"

ISSUE = "1999 Vol.5 No.12 ISSN.00"
MAGAZINE = "月刊クイロア"
ISSUE_JA = "1999年12月号"

# ---------------------------------------------------------------------------
# The contents tree.
#
# One row per tree.txt line: (level, node text, page on disk, button file).
# The page is written in html.txt with backslashes; LIST_NAME overrides the
# name written in html.txt where the editor typed it in another case than the
# file has on the disc.  The button file is the button.txt entry (backslashes,
# relative to _html), or None for an empty button.txt line.
# ---------------------------------------------------------------------------

TREE = [
    (0, "特集", None, None),
    (1, "巻頭特集 インターネット最前線", "tokushu/cover.htm", r"tokushu\cover.txt"),
    (1, "開発者インタビュー", "tokushu/talk.htm", None),
    (1, "特集連動ソフト", None, None),
    (2, "ホームページ作成", None, None),
    (3, "HTMLエディタ ハイパー筆箱", "tokushu/soft/editor.htm", r"tokushu\soft\editor.txt"),
    (3, "画像加工 ピクセル工房", "tokushu/soft/gazou.htm", r"tokushu\soft\gazou.txt"),
    (2, "通信・メール", None, None),
    (3, "メールチェッカー ポストマン", "tokushu/soft/mail.htm", r"tokushu\soft\mail.txt"),
    (3, "ダイヤルアップ設定ガイド", "tokushu/soft/dialup.htm", r"tokushu\soft\dialup.txt"),
    (0, "ソフトウェア", None, None),
    (1, "今月のおすすめ", "soft/Util.htm", r"soft\util.txt"),
    (1, "オンラインウェア", None, None),
    (2, "ユーティリティ", None, None),
    (3, "ファイル管理 Qファイラ", "soft/filer.htm", r"soft\filer.txt"),
    (3, "デスクトップ時計 こよみ", "soft/desktop.htm", r"soft\desktop.txt"),
    (2, "ゲーム", None, None),
    (3, "落ち物パズル ころころ", "soft/puzzle.htm", r"soft\puzzle.txt"),
    (3, "3Dデモ スターフィールド", "soft/demo/demo.htm", r"soft\demo\demo.txt"),
    (1, "体験版コーナー", "soft/taiken.htm", r"soft\taiken.txt"),
    (0, "連載", None, None),
    (1, "プログラミング入門 第12回", "rensai/program.htm", r"rensai\program.txt"),
    (1, "CG講座 光と影", "rensai/CGkouza.htm", r"rensai\cgkouza.txt"),
    (1, "読者投稿コーナー", "rensai/toukou.htm", r"rensai\toukou.txt"),
    (0, "インフォメーション", None, None),
    (1, "CD-ROMの使い方", "info/howto.htm", r"info\howto.txt"),
    (1, "読者アンケート", "info/enquete.htm", r"info\enquete.txt"),
    (1, "プレゼント", "info/present.htm", None),
    (1, "バックナンバー", "info/backno.htm", r"info\backno.txt"),
    (0, "ご注意とお問い合わせ", "info/support.htm", None),
]

# Entries whose html.txt name differs in case from the file on the disc: the
# program finds them because it matches names on the disc ignoring case.
LIST_NAME = {
    "soft/Util.htm": r"soft\util.htm",
    "rensai/CGkouza.htm": r"rensai\cgkouza.htm",
}

# button.txt entries that deliberately name no file on the disc.
MISSING_BUTTON_FILES = {r"rensai\toukou.txt"}

# ---------------------------------------------------------------------------
# Button files: twelve slots, None for a vacant slot (two empty lines).
# Trailing vacant slots are not written.  Captions use & for the access key.
# Rows are counted from 1: buttons 0-2 are row 1, buttons 9-11 row 4.
# ---------------------------------------------------------------------------

B = None  # a vacant slot

BUTTONS = {
    # row 1: all three
    r"tokushu\cover.txt": [
        ("特集記事を読む(&R)", r"tokushu\kiji.txt"),
        ("収録ソフトのフォルダ(&F)", r"tokushu\soft"),
        ("用語集(&G)", r"docs\manual.html"),
    ],
    # row 1: first and third, gap in the middle
    r"tokushu\soft\editor.txt": [
        ("フォルダを開く(&O)", r"tokushu\soft\fude"),
        B,
        ("説明書を読む(&R)", r"tokushu\soft\fude\readme.txt"),
    ],
    # row 1: first and second
    r"tokushu\soft\gazou.txt": [
        ("説明書を読む(&R)", r"tokushu\soft\pixel\readme.txt"),
        ("作例の画像(&S)", r"tokushu\cover.png"),
    ],
    # row 1: second and third
    r"tokushu\soft\mail.txt": [
        B,
        ("説明書を読む(&R)", r"tokushu\soft\postman\readme.txt"),
        ("フォルダを開く(&O)", r"tokushu\soft\postman"),
    ],
    # row 1: second only
    r"tokushu\soft\dialup.txt": [
        B,
        ("設定の手引き(&S)", r"docs\manual.html"),
    ],
    # all twelve
    r"soft\util.txt": [
        ("Qファイラ(&F)", r"soft\tools"),
        ("Qファイラ説明書", r"soft\tools\readme.txt"),
        ("使用許諾", r"soft\tools\license.txt"),
        ("3Dデモを実行(&D)", r"soft\demo\run-demo.sh"),
        ("デモの説明", r"soft\demo\readme.txt"),
        ("ハイパー筆箱", r"tokushu\soft\fude"),
        ("ピクセル工房", r"tokushu\soft\pixel\readme.txt"),
        ("ポストマン", r"tokushu\soft\postman\readme.txt"),
        ("CG作品を見る(&C)", r"rensai\cg-sample.png"),
        ("使い方ガイド(&H)", r"docs\manual.html"),
        ("はじめに読んでね", r"docs\読んでね 1.txt"),
        ("ソフト一覧(&L)", r"docs\ソフト一覧.txt"),
    ],
    # row 1: third only
    r"soft\filer.txt": [
        B,
        B,
        ("フォルダを開く(&O)", r"soft\tools"),
    ],
    # one button: row 1, first only
    r"soft\desktop.txt": [
        ("説明書を読む(&R)", r"soft\koyomi\readme.txt"),
    ],
    # three rows: first only, second only, third only
    r"soft\puzzle.txt": [
        ("遊び方(&H)", r"soft\koro\readme.txt"), B, B,
        B, ("ハイスコア表", r"soft\koro\score.txt"), B,
        B, B, ("フォルダを開く(&O)", r"soft\koro"),
    ],
    # one button: the demo script
    r"soft\demo\demo.txt": [
        ("デモを実行(&D)", r"soft\demo\run-demo.sh"),
    ],
    # only button 9 (row 4): three empty rows above it
    r"soft\taiken.txt": [
        B, B, B,
        B, B, B,
        B, B, B,
        ("体験版の注意(&N)", r"soft\taiken\chuui.txt"),
    ],
    # two rows: all three, then first and third
    r"rensai\program.txt": [
        ("サンプルフォルダ(&S)", r"rensai\sample"),
        ("ソースを読む(&C)", r"rensai\sample\readline.c"),
        ("解説テキスト(&T)", r"rensai\sample\kaisetsu.txt"),
        ("使い方ガイド", r"docs\manual.html"),
        B,
        ("質問・感想(&Q)", r"info\enquete.txt"),
    ],
    # row 1: first and second
    r"rensai\cgkouza.txt": [
        ("作品を表示(&V)", r"rensai\cg-sample.png"),
        ("講座テキスト(&T)", r"rensai\hikari.txt"),
    ],
    # row 1: first and second; the second caption draws one ampersand
    r"info\howto.txt": [
        ("使い方ガイド(&G)", r"docs\manual.html"),
        ("Q&&Aを読む", r"docs\読んでね 1.txt"),
    ],
    # row 1: first and third
    r"info\enquete.txt": [
        ("アンケート用紙(&E)", r"info\kaitou.txt"),
        B,
        ("記入例", r"info\kinyurei.txt"),
    ],
    # one button: row 1, second only
    r"info\backno.txt": [
        B,
        ("在庫一覧(&L)", r"info\zaiko.txt"),
    ],
}

# ---------------------------------------------------------------------------
# Documents and other launch targets (paths on the disc, relative to _html).
# ---------------------------------------------------------------------------

DOCS = {
    "tokushu/kiji.txt": """\
━━━━━━━━━━━━━━━━━━━━━━━━━━━━━━
  月刊クイロア 1999年12月号  巻頭特集
  インターネット最前線 ― 常時接続がやってくる
━━━━━━━━━━━━━━━━━━━━━━━━━━━━━━

　ダイヤルアップで「つなぐ」時代が終わろうとしています。
ケーブルテレビ網やＩＳＤＮの定額サービスが各地で始まり、
パソコンがいつでもネットにつながっている生活が、すぐそこ
まで来ました。

　本特集では、常時接続時代のホームページ作り、メールの
使いこなし、そして気になるセキュリティの基本を解説します。

■ 第1章　常時接続ってなに？
■ 第2章　ホームページを作ろう
■ 第3章　メールを使いこなす
■ 第4章　セキュリティの基本

※ 本記事の全文は誌面 P.24～P.51 に掲載しています。
""",
    "tokushu/soft/fude/readme.txt": """\
ハイパー筆箱 Ver.2.1 (フリーソフト)
====================================

タグの入力を手助けする、軽快なHTMLエディタです。

■ 動作環境
  Windows 95/98/NT4.0、メモリ16MB以上

■ インストール
  このフォルダの中身をハードディスクの好きな場所に
  コピーしてください。レジストリは使いません。

■ 作者
  ふでばこ工房 (fudebako@example.jp)
""",
    "tokushu/soft/fude/fude.ini": """\
[Editor]
Font=ＭＳ ゴシック
FontSize=10
TagColor=0000FF
[Preview]
Browser=default
""",
    "tokushu/soft/pixel/readme.txt": """\
ピクセル工房 Ver.1.05 (シェアウェア 1,500円)
==========================================

写真の明るさ・色合いの補正、切り抜き、縮小ができる
画像加工ツールです。BMP、GIF、JPEG、PNGに対応。

試用期間は30日間です。気に入ったら送金をお願いします。
""",
    "tokushu/soft/postman/readme.txt": """\
メールチェッカー ポストマン Ver.3.0
===================================

タスクトレイに常駐して、新着メールを知らせます。
複数のPOP3サーバを一定間隔で巡回できます。

■ 使い方
  1. postman.exe を起動します。
  2. 設定画面でサーバ名・ユーザ名・パスワードを入力します。
  3. 新着メールがあると、トレイのポストが赤くなります。
""",
    "tokushu/soft/postman/postman.ini": """\
[Server1]
Host=pop.example.jp
Interval=10
""",
    "soft/tools/readme.txt": """\
Qファイラ Ver.4.2
=================

２画面式のファイル管理ソフトです。キーボードだけで
コピー・移動・削除・圧縮ファイルの展開ができます。

■ おもなキー操作
  Tab   左右の画面を切り替え
  C     コピー
  M     移動
  D     削除
  Enter フォルダを開く／ファイルを実行
""",
    "soft/tools/license.txt": """\
使用許諾

本ソフトウェアはフリーソフトウェアです。個人・法人を問わず
無償でお使いいただけます。転載・再配布は作者の許可を得て
ください。本ソフトウェアの使用によって生じたいかなる損害に
ついても、作者は責任を負いません。

                                    (C) 1999 Qソフト
""",
    "soft/koyomi/readme.txt": """\
デスクトップ時計 こよみ Ver.1.3
===============================

デスクトップに小さなアナログ時計とカレンダーを表示します。
六曜や二十四節気も表示できます。

右クリックのメニューから、文字盤のデザインを選べます。
""",
    "soft/koro/readme.txt": """\
落ち物パズル ころころ
=====================

■ 遊び方
  上から落ちてくるブロックを左右に動かし、同じ色を
  ３つ以上そろえると消えます。連鎖させると高得点！

■ 操作
  ← →   移動
  ↑      回転
  ↓      落下
  Esc    ポーズ
""",
    "soft/koro/score.txt": """\
ころころ ハイスコア (編集部調べ)

  1位  128,400点  編集部 Ｔ
  2位   97,250点  編集部 Ｍ
  3位   65,100点  編集長
""",
    "soft/demo/readme.txt": """\
3Dデモ スターフィールド
=======================

星空の中を進んでいく3Dデモです。CD-ROMから直接実行でき、
インストールは要りません。

実行すると、実行した場所に demo-ran.txt を書き出して、
デモが動いたことを記録します。
""",
    "soft/taiken/chuui.txt": """\
体験版についてのご注意

・体験版は製品版の一部の機能だけをお試しいただけるものです。
・体験版についてのお問い合わせは、各メーカーにお願いします。
・編集部では体験版のサポートはいたしかねます。
""",
    "rensai/sample/readline.c": """\
/* プログラミング入門 第12回 サンプル: ファイルを１行ずつ読む */
#include <stdio.h>

int main(int argc, char *argv[])
{
    char line[256];
    FILE *fp;
    int n = 0;

    if (argc < 2) {
        printf("使い方: readline ファイル名\\n");
        return 1;
    }
    fp = fopen(argv[1], "r");
    if (fp == NULL) {
        printf("ファイル %s は開けません\\n", argv[1]);
        return 1;
    }
    while (fgets(line, sizeof line, fp) != NULL) {
        n++;
        printf("%4d: %s", n, line);
    }
    fclose(fp);
    return 0;
}
""",
    "rensai/sample/kaisetsu.txt": """\
プログラミング入門 第12回 「ファイルを読む」 解説

　fopen でファイルを開き、fgets で１行ずつ読み込んで、
行番号を付けて表示します。fgets は改行文字まで読み込むので、
printf の書式には \\n を付けていません。

　読み終わったら fclose で必ずファイルを閉じましょう。

【練習問題】
　空行を数えて、最後に表示するように改造してみましょう。
""",
    "rensai/hikari.txt": """\
CG講座 第8回 「光と影」 テキスト

　CGの立体感は、光の当たり方で決まります。

１．拡散反射: 面の向きと光の向きで明るさが変わります。
２．鏡面反射: ツヤのある物体にはハイライトが出ます。
３．影: 床に落ちる影があると、物体が「置かれて」見えます。

　サンプル作品の球は、この３つだけで描いています。
""",
    "info/kaitou.txt": """\
読者アンケート 回答用紙 (月刊クイロア 1999年12月号)

Q1. 今月号で面白かった記事を３つ選んでください。
    (                                              )
Q2. CD-ROMで役に立ったソフトは？
    (                                              )
Q3. 取り上げてほしいテーマをお書きください。
    (                                              )

ご住所・お名前・年齢・ご職業をお書きのうえ、編集部まで
お送りください。締切は1999年12月28日(消印有効)です。
""",
    "info/kinyurei.txt": """\
アンケート 記入例

Q1. 巻頭特集、CG講座、読者投稿コーナー
Q2. Qファイラ
Q3. デジタルカメラの活用法
""",
    "info/zaiko.txt": """\
バックナンバー在庫一覧 (1999年11月現在)

  1999年 7月号  在庫あり
  1999年 8月号  在庫あり
  1999年 9月号  品切れ
  1999年10月号  在庫あり
  1999年11月号  在庫あり

定価 980円(税込)。送料は１冊 310円です。
""",
    "docs/読んでね 1.txt": """\
はじめに読んでね
================

このCD-ROMをお使いになる前に、必ずお読みください。

Q&A
---
Q. メニューが起動しません。
A. CD-ROMの menu フォルダにある QuilCDBrowser を実行してください。

Q. ボタンを押しても何も起こりません。
A. そのファイルを開くソフトがパソコンに入っていない可能性があります。

Q. 収録ソフトの使い方がわかりません。
A. 各ソフトの作者へお問い合わせください。編集部ではお答えできません。
""",
    "docs/ソフト一覧.txt": """\
月刊クイロア 1999年12月号 CD-ROM 収録ソフト一覧

[特集連動]
  ハイパー筆箱 Ver.2.1          tokushu\\soft\\fude
  ピクセル工房 Ver.1.05         tokushu\\soft\\pixel
  ポストマン Ver.3.0            tokushu\\soft\\postman
[オンラインウェア]
  Qファイラ Ver.4.2             soft\\tools
  こよみ Ver.1.3                soft\\koyomi
  ころころ                      soft\\koro
  スターフィールド              soft\\demo
[連載]
  readline.c                    rensai\\sample
""",
}

RUN_DEMO = """\
#!/bin/sh
# Quillore sample disc: the 3D demo "Starfield".
# The launch button starts this script in its own folder; it leaves a mark
# there so that one can see it ran.
printf 'ran\\n' > demo-ran.txt
"""

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


def build_pages():
    P = {}

    p = "tokushu/cover.htm"
    P[p] = f"""
<h1>巻頭特集 インターネット最前線</h1>
{pic(p, "tokushu/cover.png", 180, 120, "地球とネットワーク", "常時接続の時代へ")}
<p class="lead">ダイヤルアップで「つなぐ」時代が終わろうとしています。定額の常時接続サービスが
各地で始まり、パソコンがいつでもネットにつながっている生活が、すぐそこまで来ました。</p>
<p>本特集では、常時接続時代のホームページ作り、メールの使いこなし、そしてセキュリティの
基本を４つの章で解説します。CD-ROMには特集で紹介したソフトを収録しました。</p>
<h2>第1章 常時接続ってなに？</h2>
<p>電話代を気にせずネットにつなぎっぱなしにできるのが常時接続です。設定のポイントは
{a(p, "tokushu/soft/dialup.htm", "ダイヤルアップ設定ガイド")}でも紹介しています。</p>
<h2>第2章 ホームページを作ろう</h2>
<p>タグ入力を助けてくれる{a(p, "tokushu/soft/editor.htm", "HTMLエディタ「ハイパー筆箱」")}と、
写真を軽くする{a(p, "tokushu/soft/gazou.htm", "画像加工ツール「ピクセル工房」")}で、
今日からあなたもホームページの作者です。</p>
<h2>第3章 メールを使いこなす</h2>
<p>新着メールを知らせてくれる{a(p, "tokushu/soft/mail.htm", "メールチェッカー「ポストマン」")}を
使えば、メールソフトを開きっぱなしにする必要はありません。</p>
<h2>第4章 セキュリティの基本</h2>
<p>つなぎっぱなしには危険もあります。パスワードの管理と、見知らぬ添付ファイルを開かない
ことが第一歩です。フリーソフト作者の{a(p, "tokushu/talk.htm", "インタビュー")}もあわせてどうぞ。</p>
<div class="box">下のボタンから、特集記事のテキスト版と収録ソフトのフォルダを開けます。</div>
"""

    p = "tokushu/talk.htm"
    P[p] = f"""
<h1>開発者インタビュー「フリーソフトは手紙です」</h1>
{pic(p, "tokushu/talk.png", 96, 120, "作者の写真", "Qソフト 代表")}
<p class="lead">今月のおすすめソフト「Qファイラ」の作者に、ソフト作りへの思いを聞きました。</p>
<p><b>―― Qファイラを作ったきっかけは？</b></p>
<p>会社でファイルの整理ばかりしていて、マウスを持つ手が疲れたんです。キーボードだけで
全部できるものが欲しくて、週末に作り始めました。</p>
<p><b>―― 反響はいかがですか。</b></p>
<p>毎日のようにメールをいただきます。「この機能がほしい」という声が一番うれしいですね。
フリーソフトは、使ってくれる人への手紙のようなものだと思っています。</p>
<p><b>―― 読者にひとこと。</b></p>
<p>作るのは難しくありません。{a(p, "rensai/program.htm", "プログラミング入門")}から
始めてみてください。</p>
<p class="note">Qファイラの紹介は{a(p, "soft/filer.htm", "オンラインウェアのページ")}にあります。
{a(p, "tokushu/cover.htm", "特集のトップへ戻る")}</p>
"""

    p = "tokushu/soft/editor.htm"
    P[p] = f"""
<h1>HTMLエディタ「ハイパー筆箱」</h1>
{pic(p, "tokushu/soft/editor.png", 240, 150, "ハイパー筆箱の画面", "タグが色分けされて見やすい")}
<p class="lead">タグの入力をメニューから選ぶだけ。初めてのホームページ作りに最適な、
軽快なHTMLエディタです。</p>
<p>タグは色分けして表示され、書いたページはボタンひとつでブラウザで確認できます。
表やリンクの入力も、ダイアログに答えていくだけです。</p>
{spec_table([("バージョン", "2.1"), ("種別", "フリーソフト"),
             ("動作環境", "Windows 95/98/NT4.0"), ("作者", "ふでばこ工房")])}
<p class="note">写真の加工には{a(p, "tokushu/soft/gazou.htm", "ピクセル工房")}が便利です。
{a(p, "tokushu/cover.htm", "特集のトップへ")}</p>
"""

    p = "tokushu/soft/gazou.htm"
    P[p] = f"""
<h1>画像加工ツール「ピクセル工房」</h1>
<p class="lead">デジカメの写真をホームページに載せる前に、明るさを整えて、小さくして、
ファイルを軽くしましょう。</p>
<p>明るさ・色合いの補正、切り抜き、縮小、減色がひとつの画面でできます。BMP、GIF、JPEG、
PNGに対応し、まとめて変換する「一括処理」も備えています。</p>
{spec_table([("バージョン", "1.05"), ("種別", "シェアウェア 1,500円 (30日間試用可)"),
             ("動作環境", "Windows 95/98/NT4.0、フルカラー推奨")])}
<div class="box">作例の画像は、下の「作例の画像」ボタンで開けます。</div>
<p class="note">{a(p, "tokushu/soft/editor.htm", "ハイパー筆箱")}と組み合わせてどうぞ。</p>
"""

    p = "tokushu/soft/mail.htm"
    P[p] = f"""
<h1>メールチェッカー「ポストマン」</h1>
<p class="lead">タスクトレイの小さなポストが、新着メールを知らせてくれます。</p>
<p>複数のPOP3サーバを一定の間隔で巡回し、新しいメールが届くとポストが赤くなり、
音でも知らせます。件名と差出人だけを先に確認できるので、大きな添付ファイルが
届いても慌てずにすみます。</p>
{spec_table([("バージョン", "3.0"), ("種別", "フリーソフト"),
             ("動作環境", "Windows 95/98/NT4.0")])}
<p class="note">接続の設定は{a(p, "tokushu/soft/dialup.htm", "ダイヤルアップ設定ガイド")}を
ご覧ください。</p>
"""

    p = "tokushu/soft/dialup.htm"
    P[p] = f"""
<h1>ダイヤルアップ設定ガイド</h1>
<p class="lead">プロバイダに電話でつなぐ設定を、５つの手順で確認しましょう。</p>
<h2>手順</h2>
<p>１．「マイ コンピュータ」から「ダイヤルアップ ネットワーク」を開きます。<br>
２．「新しい接続」を作り、プロバイダのアクセスポイントの電話番号を入力します。<br>
３．ユーザー名とパスワードを入力します。<br>
４．DNSサーバのアドレスを、プロバイダの資料どおりに設定します。<br>
５．「接続」を押して、つながれば完了です。</p>
<div class="box">詳しい手引きは、下のボタンで開く使い方ガイドにあります。</div>
<p class="note">{a(p, "tokushu/cover.htm", "特集のトップへ")}</p>
"""

    p = "soft/Util.htm"
    P[p] = f"""
<h1>今月のおすすめ {new(p)}</h1>
<p class="lead">編集部が選んだ今月の収録ソフトを、下の12個のボタンからまとめて開けます。</p>
<h2>ファイル管理</h2>
<p>{a(p, "soft/filer.htm", "Qファイラ")}：キーボードだけで快適に操作できる２画面ファイラ。
インタビューは{a(p, "tokushu/talk.htm", "特集")}で。</p>
<h2>デモ</h2>
<p>{a(p, "soft/demo/demo.htm", "3Dデモ「スターフィールド」")}：CD-ROMから直接実行できます。</p>
<h2>特集連動</h2>
<p>{a(p, "tokushu/soft/editor.htm", "ハイパー筆箱")}、
{a(p, "tokushu/soft/gazou.htm", "ピクセル工房")}、
{a(p, "tokushu/soft/mail.htm", "ポストマン")}。</p>
<h2>連載</h2>
<p>{a(p, "rensai/CGkouza.htm", "CG講座")}のサンプル作品も見られます。</p>
"""

    p = "soft/filer.htm"
    P[p] = f"""
<h1>ファイル管理「Qファイラ」</h1>
{pic(p, "soft/filer.gif", 240, 150, "Qファイラの画面", "左右２画面でコピーも楽々")}
<p class="lead">マウスに手を伸ばさずに、ファイルのコピー・移動・削除ができる
２画面式のファイラです。</p>
<p>Tabキーで左右の画面を切り替え、C でコピー、M で移動。圧縮ファイルの中も
フォルダのように開けます。</p>
{spec_table([("バージョン", "4.2"), ("種別", "フリーソフト"), ("作者", "Qソフト")])}
<p class="note">作者のインタビューは{a(p, "tokushu/talk.htm", "特集のページ")}に。
ほかの収録ソフトは{a(p, "soft/Util.htm", "今月のおすすめ")}から。</p>
"""

    p = "soft/desktop.htm"
    P[p] = f"""
<h1>デスクトップ時計「こよみ」</h1>
{pic(p, "soft/koyomi.gif", 80, 80, "こよみの時計")}
<p class="lead">デスクトップに、小さなアナログ時計とカレンダーを置きましょう。</p>
<p>六曜や二十四節気も表示できる、和風の時計です。右クリックのメニューから文字盤の
デザインを選べます。常駐してもメモリはほとんど使いません。</p>
{spec_table([("バージョン", "1.3"), ("種別", "フリーソフト")])}
<p class="note">{a(p, "soft/filer.htm", "Qファイラ")}もあわせてどうぞ。</p>
"""

    p = "soft/puzzle.htm"
    P[p] = f"""
<h1>落ち物パズル「ころころ」</h1>
{pic(p, "soft/puzzle.gif", 96, 144, "ころころの画面")}
<p class="lead">同じ色のブロックを３つそろえて消す、シンプルな落ち物パズル。
連鎖が決まると気持ちいい！</p>
<p>←→で移動、↑で回転、↓で落下。レベルが上がるとブロックの落ちる速さが
どんどん上がります。編集部のハイスコアに挑戦してください。</p>
{spec_table([("種別", "フリーソフト"), ("動作環境", "Windows 95/98、DirectX 5以上")])}
<p class="note">ボタンは「遊び方」「ハイスコア表」「フォルダを開く」の３つです。</p>
"""

    p = "soft/demo/demo.htm"
    P[p] = f"""
<h1>3Dデモ「スターフィールド」</h1>
{pic(p, "soft/demo/demo.png", 200, 120, "スターフィールドの画面")}
<p class="lead">星空の中を進んでいく、懐かしの3Dデモです。インストール不要で、
CD-ROMから直接実行できます。</p>
<p>下の「デモを実行」ボタンを押すと始まります。デモは、実行した場所に
demo-ran.txt というファイルを書いて、動いたことを記録します。</p>
<p class="note">{a(p, "soft/Util.htm", "今月のおすすめ")}にもどる</p>
"""

    p = "soft/taiken.htm"
    P[p] = f"""
<h1>体験版コーナー</h1>
<p class="lead">話題の市販ソフトを、購入前に試してみましょう。</p>
<h2>今月の体験版</h2>
<p>今月号は体験版の収録はお休みです。来月号では年末年始に遊べるゲームの
体験版をたっぷり収録する予定です。お楽しみに！</p>
<div class="box">体験版をお使いになる前に、下のボタンから注意事項をお読みください。</div>
<p class="note">収録ソフトは{a(p, "soft/Util.htm", "今月のおすすめ")}にもあります。</p>
"""

    p = "rensai/program.htm"
    P[p] = f"""
<h1>プログラミング入門 第12回「ファイルを読む」</h1>
<p class="lead">今回は、テキストファイルを１行ずつ読んで、行番号を付けて表示する
プログラムを作ります。</p>
<pre>fp = fopen(argv[1], "r");
while (fgets(line, sizeof line, fp) != NULL) {{
    n++;
    printf("%4d: %s", n, line);
}}
fclose(fp);</pre>
<p>fgets は改行文字まで読み込むので、printf の書式には改行を付けていません。
読み終わったら fclose で必ずファイルを閉じましょう。</p>
<div class="box">サンプルのソースと解説は下のボタンから。感想・質問は
{a(p, "info/enquete.htm", "読者アンケート")}でお寄せください。</div>
"""

    p = "rensai/CGkouza.htm"
    P[p] = f"""
<h1>CG講座 第8回「光と影」</h1>
{pic(p, "rensai/cg-sample.png", 200, 150, "サンプル作品", "拡散反射・ハイライト・影")}
<p class="lead">CGの立体感は、光の当たり方で決まります。今回は光と影の基本です。</p>
<h2>拡散反射</h2>
<p>面が光のほうを向いているほど明るく、そっぽを向くほど暗くなります。</p>
<h2>鏡面反射</h2>
<p>ツヤのある物体には、光源が映り込んだハイライトが出ます。</p>
<h2>影</h2>
<p>床に落ちる影があると、物体が「置かれて」見えます。</p>
<p class="note">読者の作品は{a(p, "rensai/toukou.htm", "読者投稿コーナー")}で紹介しています。</p>
"""

    p = "rensai/toukou.htm"
    P[p] = f"""
<h1>読者投稿コーナー</h1>
{pic(p, "rensai/toukou.gif", 96, 96, "投稿作品", "「うちのミケ」")}
<p class="lead">今月も力作が届きました！</p>
<p><b>「うちのミケ」</b>　ペンネーム：ドット職人さん（東京都・14歳）<br>
12×12ドットで描いた、飼い猫のミケちゃん。ピンクの鼻がチャームポイント。</p>
<p><b>編集部より</b><br>
小さな画面にぎゅっと詰まった愛情が伝わってきます。次回作も待っています！</p>
<div class="box">作品は随時募集中。詳しくは{a(p, "info/howto.htm", "CD-ROMの使い方")}と
{a(p, "info/enquete.htm", "読者アンケート")}のページをご覧ください。
{a(p, "rensai/CGkouza.htm", "CG講座")}もお見逃しなく。</div>
"""

    p = "info/howto.htm"
    P[p] = f"""
<h1>CD-ROMの使い方</h1>
<p class="lead">右の目次から項目を選ぶと、その記事のページが表示されます。</p>
<h2>画面の見かた</h2>
<p>ページの下に並ぶボタンを押すと、収録ソフトのフォルダや説明書が開きます。
ページの中のリンクをたどると、右の目次も一緒に動きます。</p>
<h2>困ったときは</h2>
<p>よくある質問は「Q&amp;Aを読む」ボタンで開く「読んでね」にまとめました。
ブラウザで読める{a(p, "docs/manual.html", "使い方ガイド")}もあります。</p>
<p class="note">{a(p, "info/support.htm", "ご注意とお問い合わせ")}も必ずお読みください。</p>
"""

    p = "info/enquete.htm"
    P[p] = f"""
<h1>読者アンケート</h1>
<p class="lead">今月号のご感想をお聞かせください。抽選で豪華プレゼントが当たります！</p>
<p>下の「アンケート用紙」ボタンで回答用紙を開き、印刷してご記入のうえ、
編集部までお送りください。記入例も用意しました。</p>
{spec_table([("締切", "1999年12月28日 (消印有効)"),
             ("あて先", "〒100-0000 東京都千代田区 クイロア出版 月刊クイロア編集部")])}
<p class="note">プレゼントの内容は{a(p, "info/present.htm", "プレゼントのページ")}で。</p>
"""

    p = "info/present.htm"
    P[p] = f"""
<h1>プレゼント</h1>
{pic(p, "info/present.gif", 120, 90, "プレゼント")}
<p class="lead">アンケートにお答えいただいた方の中から、抽選でプレゼント！</p>
<p>Ａ賞　17インチ ディスプレイ ………… 1名様<br>
Ｂ賞　ＰＨＳ データ通信カード ……… 3名様<br>
Ｃ賞　月刊クイロア 特製マウスパッド … 20名様</p>
<p>応募は{a(p, "info/enquete.htm", "読者アンケート")}から。当選者の発表は発送をもって
代えさせていただきます。</p>
"""

    p = "info/backno.htm"
    P[p] = f"""
<h1>バックナンバー</h1>
<p class="lead">お近くの書店で見つからないときは、編集部から直接お届けします。</p>
<h2>最近の特集</h2>
<p>11月号　いまさら聞けないWindows 98<br>
10月号　デジカメ写真を楽しむ<br>
 9月号　パソコン自作入門<br>
 8月号　夏休みゲーム大全</p>
<div class="box">在庫状況は下の「在庫一覧」ボタンでご確認ください。</div>
"""

    p = "info/support.htm"
    P[p] = f"""
<h1>ご注意とお問い合わせ</h1>
<h2>ご注意</h2>
<p>このCD-ROMに収録したソフトウェアの使用によって生じたいかなる損害についても、
クイロア出版および各ソフトの作者は責任を負いません。ご自身の責任でお使いください。</p>
<p>収録ソフトの著作権は、各ソフトの作者に帰属します。</p>
<h2>お問い合わせ</h2>
<p>CD-ROMの不良（読めない、割れている）については、編集部までご連絡ください。
収録ソフトの使い方については、各ソフトの作者へお問い合わせください。</p>
{spec_table([("電話", "03-0000-0000 (平日 10時～17時)"),
             ("ホームページ", "http://www.quillore.example/")])}
<p class="note">{a(p, "info/howto.htm", "CD-ROMの使い方")}へもどる</p>
"""
    return P


MANUAL = """\
<!DOCTYPE html>
<html lang="ja">
<head>
<meta charset="Shift_JIS">
<title>使い方ガイド - 月刊クイロア CD-ROM</title>
</head>
<body style="font-size: 13px; line-height: 1.6; margin: 16px; color: #222222;
 font-family: 'ＭＳ Ｐゴシック', 'IPAPGothic', sans-serif;">
<h1 style="font-size: 18px; color: #1c5c75;">月刊クイロア CD-ROM 使い方ガイド</h1>
<h2 style="font-size: 14px;">起動のしかた</h2>
<p>CD-ROMの menu フォルダにある QuilCDBrowser を実行します。</p>
<h2 style="font-size: 14px;">画面の見かた</h2>
<p>右の目次で項目を選ぶと、左にページが表示されます。ページの下のボタンで、
収録ソフトのフォルダや説明書を開けます。</p>
<h2 style="font-size: 14px;">用語集</h2>
<dl>
<dt>常時接続</dt><dd>電話代を気にせず、いつもインターネットにつながっている状態。</dd>
<dt>POP3</dt><dd>メールサーバから自分のパソコンへメールを受け取るためのしくみ。</dd>
<dt>HTML</dt><dd>ホームページを書くための言葉。タグで文書の構造を表します。</dd>
<dt>DNS</dt><dd>www.example.jp のような名前を、コンピュータの番号に変換するしくみ。</dd>
</dl>
<p style="font-size: 11px; color: #666666;">(C) 1999 クイロア出版 月刊クイロア編集部</p>
</body>
</html>
"""

# ---------------------------------------------------------------------------
# Assembling the files.
# ---------------------------------------------------------------------------


def sjis(text):
    """The bytes an editor on Windows would save: code page 932, CR LF."""
    assert "\r" not in text
    return text.replace("\n", "\r\n").encode("cp932")


def list_name(page):
    return LIST_NAME.get(page, page.replace("/", "\\"))


def button_file(slots):
    while slots and slots[-1] is None:
        slots = slots[:-1]
    lines = []
    for slot in slots:
        lines += ["", ""] if slot is None else [slot[0], slot[1]]
    return "".join(line + "\n" for line in lines)


def on_disc(path):
    """Where a backslashed path of a button file lives on the disc (lower case)."""
    return path.replace("\\", "/")


def text_files():
    """Every generated file: relative path (slashes) -> (bytes, executable)."""
    out = {}
    tree, html, button = [], [], []
    for level, text, page, btn in TREE:
        tree.append("\t" * level + text)
        html.append(list_name(page) if page else "")
        button.append(btn or "")
    out["menu/tree.txt"] = (sjis("".join(line + "\n" for line in tree)), False)
    out["menu/html.txt"] = (sjis("".join(line + "\n" for line in html)), False)
    out["menu/button.txt"] = (sjis("".join(line + "\n" for line in button)), False)
    out["menu/init.txt"] = (sjis(ISSUE + "\n"), False)

    for page, body in build_pages().items():
        out["_html/" + page] = (sjis(page_html(page, body)), False)
    out["_html/docs/manual.html"] = (sjis(join_lines(MANUAL)), False)
    for name, slots in BUTTONS.items():
        out["_html/" + on_disc(name)] = (sjis(button_file(slots)), False)
    for name, text in DOCS.items():
        out["_html/" + name] = (sjis(text), False)
    # A shell script keeps LF line ends: /bin/sh would take a CR for part of a word.
    out["_html/soft/demo/run-demo.sh"] = (RUN_DEMO.encode("ascii"), True)
    return out


def write_files(files, root):
    for rel, (data, executable) in sorted(files.items()):
        path = os.path.join(root, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        mode = 0o755 if executable else 0o644
        os.chmod(path, mode)


def draw_pictures(root):
    env = dict(os.environ, MAGICK_TIME="0")
    for rel, args in sorted(PICTURES.items()):
        path = os.path.join(root, "_html", rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        fmt = "PNG8:" if rel.endswith(".png") else ""
        cmd = ["convert", *args[:-2], "+dither", *args[-2:], "-strip", "-define", "png:exclude-chunks=date,time",
               fmt + path]
        subprocess.run(cmd, check=True, env=env)
        os.chmod(path, 0o644)


# ---------------------------------------------------------------------------
# Checks.  The disc's rules are the browser's, told by its own checker
# quilcd-check; here only what this disc is meant to be.
# ---------------------------------------------------------------------------


def default_checker():
    """The checker of the build beside this script (QUILCD_BUILD_DIR, as
    scripts/build names it), else one on the PATH."""
    build = os.environ.get("QUILCD_BUILD_DIR", os.path.join(HERE, os.pardir, "build"))
    built = os.path.join(build, "tools", "check", "quilcd-check")
    return built if os.access(built, os.X_OK) else shutil.which("quilcd-check")


def checker_report(checker, root):
    """quilcd-check --json on the disc: the report, or a problem."""
    try:
        run = subprocess.run([checker, "--json", os.path.join(root, "menu")],
                             capture_output=True, check=False)
    except OSError as e:
        return None, f"{checker}: {e.strerror}"
    if run.returncode not in (0, 1):
        return None, f"quilcd-check ended with status {run.returncode}: " + \
            run.stderr.decode(errors="replace").strip()
    return json.loads(run.stdout), None


def check(root, checker):
    problems = []
    html_root = os.path.join(root, "_html")

    report, failure = checker_report(checker, root)
    if failure:
        problems.append(failure)
    else:
        # The only findings are the button files this disc leaves out on purpose.
        reported_missing = set()
        for p in report["problems"]:
            name = None
            if p["code"] == "missing-button-file" and p["line"]:
                name = report["buttonList"][p["line"] - 1]
            if name in MISSING_BUTTON_FILES:
                reported_missing.add(name)
            else:
                where = ":".join(str(x) for x in (p["file"], p["line"], p["column"]) if x)
                problems.append(f"quilcd-check: {where}: {p['severity']}: {p['message']} "
                                f"[{p['code']}]")
        for name in sorted(MISSING_BUTTON_FILES - reported_missing):
            problems.append(f"button.txt: {name} should be missing")
        if "読者アンケート" not in [node["text"] for node in report["tree"]]:
            problems.append("tree.txt: no entry 読者アンケート")
        if "page" in report["start"]:
            problems.append("_html holds an open.htm")

    total = sum(os.path.getsize(os.path.join(d, n))
                for top in ("menu", "_html") for d, _, ns in os.walk(os.path.join(root, top))
                for n in ns)
    pictures = sum(os.path.getsize(os.path.join(html_root, rel)) for rel in PICTURES
                   if os.path.exists(os.path.join(html_root, rel)))
    if total > 500 * 1024:
        problems.append(f"the disc has {total} bytes (limit 500 KB)")
    if pictures > 300 * 1024:
        problems.append(f"the pictures have {pictures} bytes (limit 300 KB)")
    for rel in PICTURES:
        if not os.path.isfile(os.path.join(html_root, rel)):
            problems.append(f"picture _html/{rel} missing (run with --pictures)")

    script = os.path.join(html_root, "soft/demo/run-demo.sh")
    if not os.access(script, os.X_OK):
        problems.append("run-demo.sh is not executable")
    else:
        with tempfile.TemporaryDirectory() as tmp:
            subprocess.run([os.path.abspath(script)], cwd=tmp, check=True)
            mark = os.path.join(tmp, "demo-ran.txt")
            if not os.path.isfile(mark) or open(mark).read().strip() != "ran":
                problems.append("run-demo.sh did not write demo-ran.txt with 'ran'")
    return problems, total, pictures


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--pictures", action="store_true", help="also redraw the pictures")
    ap.add_argument("--check", action="store_true",
                    help="compare the committed disc with this script and check it with quilcd-check")
    ap.add_argument("--checker", metavar="PATH",
                    help="the quilcd-check to run (default: the one in ../build, else on the PATH)")
    args = ap.parse_args()
    files = text_files()

    if args.check:
        checker = args.checker or default_checker()
        if not checker:
            sys.exit("make-disc.py: quilcd-check not found: build it "
                     "(cmake --build build --target quilcd-check) or give --checker")
        problems = []
        for rel, (data, executable) in sorted(files.items()):
            path = os.path.join(HERE, rel)
            if not os.path.isfile(path):
                problems.append(f"{rel}: missing")
                continue
            if open(path, "rb").read() != data:
                problems.append(f"{rel}: differs from what make-disc.py writes")
            if bool(os.stat(path).st_mode & stat.S_IXUSR) != executable:
                problems.append(f"{rel}: executable bit wrong")
        known = set(files) | {"_html/" + rel for rel in PICTURES}
        for top in ("menu", "_html"):
            for dirpath, _, names in os.walk(os.path.join(HERE, top)):
                for name in names:
                    rel = os.path.relpath(os.path.join(dirpath, name), HERE)
                    if rel.replace(os.sep, "/") not in known:
                        problems.append(f"{rel}: not written by make-disc.py")
        more, total, pictures = check(HERE, checker)
        problems += more
        for p in problems:
            print("problem:", p)
        print(f"{len(files)} text files, {len(PICTURES)} pictures; "
              f"disc {total} bytes, pictures {pictures} bytes")
        return 1 if problems else 0

    write_files(files, HERE)
    if args.pictures:
        if shutil.which("convert") is None:
            sys.exit("make-disc.py: ImageMagick convert is needed for --pictures")
        draw_pictures(HERE)
    return 0


if __name__ == "__main__":
    sys.exit(main())
