#pragma once

#include "content/cp932.h"
#include "tests/support/temp_folder.h"

#include <string>

namespace search_tool {

// A disc with words planted in every form a page can hold them, each word on its own page:
//   split.htm     電<b>脳</b>倶楽部: split by a tag          (listed, entry 1)
//   entity.htm    &#x30BD;&#12501;&#x30C8;: numeric entities (listed, entry 2)
//   half.htm      ｿﾌﾄｳｪｱ in half-width kana, Shift-JIS      (listed, entry 3)
//   full.htm      ＷＩＮＤＯＷＳ９８ in full-width letters    (listed, entry 4)
//   euc.htm       EUC-JP, as its meta element declares: 雑誌付録 (listed, entry 5)
//   hidden.htm    スクリプト語 in a script, コメント語 in a comment, 属性語 in an attribute,
//                 スタイル語 in a style                        (listed, entry 6)
//   linked.htm    リンク先語, reached only by a link from split.htm
//   deeper/frame.htm  枠内語, reached only as a frame of linked.htm
//   orphan.htm    孤立語, which nothing reaches
//   binary.htm    NUL bytes, linked from full.htm: skipped and counted
// Every page also holds 共通語, and the start page open.htm holds 開始語.
inline void PlantWords(const testkit::TempDisc& disc) {
    const auto sjis = [](const std::string& utf8) {
        return *content::Utf8ToCp932(utf8);
    };
    disc.write("menu/tree.txt", sjis("目次\r\n\t分割\r\n\t実体参照\r\n\t半角\r\n\t全角\r\n"
                                     "\tEUC\r\n\t隠れた語\r\n"));
    disc.write("menu/html.txt",
               "\r\nsplit.htm\r\nENTITY.HTM\r\nhalf.htm\r\nfull.htm\r\neuc.htm\r\nhidden.htm\r\n");
    disc.write("menu/button.txt", "\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    disc.write("menu/init.txt", "1999 Vol.5\r\n");
    disc.write("_html/open.htm", sjis("<p>開始語 共通語</p>"));
    disc.write("_html/split.htm",
               sjis("<title>分割</title><p>電<b>脳</b>倶楽部 共通語 <a href=linked.htm>次</a>"));
    disc.write("_html/entity.htm",
               sjis("<title>実体</title><p>&#x30BD;&#12501;&#x30C8; 共通語</p>"));
    disc.write("_html/half.htm", sjis("<title>半角</title><p>ｿﾌﾄｳｪｱ 共通語</p>"));
    disc.write("_html/full.htm",
               sjis("<title>全角</title><p>ＷＩＮＤＯＷＳ９８ 共通語 <a href=binary.htm>x</a>"));
    disc.write("_html/euc.htm",
               "<meta http-equiv=Content-Type content=\"text/html; charset=EUC-JP\">"
               "<title>\xC6\xFC\xCB\xDC</title><p>\xBB\xA8\xBB\xEF\xC9\xD5\xCF\xBF "
               "\xB6\xA6\xC4\xCC\xB8\xEC</p>"); // 日本, 雑誌付録 共通語
    disc.write("_html/hidden.htm",
               sjis("<title>隠れ</title><script>var a = 'スクリプト語';</script>"
                    "<style>/* スタイル語 */</style><!-- コメント語 -->"
                    "<p><img alt=\"属性語\" src=x.gif>共通語</p>"));
    disc.write("_html/linked.htm", sjis("<title>リンク</title><p>リンク先語 共通語</p>"
                                        "<iframe src=\"deeper/frame.htm\"></iframe>"));
    disc.write("_html/deeper/frame.htm", sjis("<p>枠内語 共通語</p>"));
    disc.write("_html/orphan.htm", sjis("<p>孤立語 共通語</p>"));
    disc.write("_html/binary.htm", std::string("\x00\x01\x02 共通語", 12));
}

} // namespace search_tool
