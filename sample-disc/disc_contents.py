"""The sample issue: its name, its contents tree and each page's launch buttons."""


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
