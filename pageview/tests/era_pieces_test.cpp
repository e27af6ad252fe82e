// The pieces of the layer that make disc pages see the browser of 1999, each asked as a page's
// script asks it: the filters as style sheets and scripts wrote them, the units of the numeric
// sides, the controls a page may make. A page from the web sees today's engine.

#include "disc_page_view_fixture.h"

namespace {

const std::string kEraDisc = QUILCD_ERA_DISC_DIR;

class EraPiecesTest : public DiscPageViewTest {
protected:
    void SetUp() override { ShowDisc(kEraDisc + "/_html/"); }
};

struct Piece {
    const char* script; // its value is read as text
    const char* expected;
};

// The opacity a box is drawn with.
#define OPACITY(id) "getComputedStyle(document.getElementById('" id "')).opacity"
// Sets the box's style from script, then reads what is drawn and what the page reads back.
#define SCRIPTED(set)                                                                              \
    "(function (box) { " set "; return getComputedStyle(box).opacity + ' ' + box.style.filter; })" \
    "(document.getElementById('scripted'))"
// Makes the control, or tells what failed.
#define CONTROL(progId)                                                                            \
    "(function () { try { return new ActiveXObject('" progId "') instanceof XMLHttpRequest; }"     \
    " catch (e) { return e.message + ' ' + e.number; } })()"

TEST_F(EraPiecesTest, EachPieceAnswersAsThatBrowserDidInDiscPagesOnly) {
    ASSERT_TRUE(Load(QUrl::fromLocalFile(QString::fromStdString(kEraDisc + "/_html/pieces.htm"))));
    const Piece disc[] = {
        // Filters in a style sheet: names and keys in any case, the long name, out of range,
        // no alpha, a later rule, media, selector lists, beside another filter, in a comment.
        {OPACITY("plain"), "0.4"},
        {OPACITY("long"), "0.2"},
        {OPACITY("over"), "1"},
        {OPACITY("other"), "1"},
        {OPACITY("later"), "1"},
        {OPACITY("screen"), "0.6"},
        {OPACITY("print"), "1"},
        {OPACITY("listed") " + " OPACITY("listed2"), "0.30.3"},
        {OPACITY("paired"), "0.5"},
        {OPACITY("commented"), "1"},
        // Filters from script: style.filter and cssText, cleared, and the filters collection.
        {SCRIPTED("box.style.filter = 'alpha(opacity=50) blur(strength=2)'"),
         "0.5 alpha(opacity=50) blur(strength=2)"},
        {SCRIPTED("box.style.cssText = 'position: absolute; filter: alpha(opacity=70)'"),
         "0.7 alpha(opacity=70)"},
        {SCRIPTED("box.style.filter = ''"), "1 "},
        {SCRIPTED("box.filters.alpha.opacity = 140"), "1 "},
        {SCRIPTED("box.filters.alpha.opacity = 35; box.filters.alpha.enabled = false"), "1 "},
        {"document.getElementById('paired').filters.length + ' ' + "
         "document.getElementById('paired').filters[1].strength",
         "2 2"},
        {"document.getElementById('plain').filters.item('Alpha').opacity", "40"},
        {"document.getElementById('plain').filters.revealTrans.status", "0"},
        // The numeric sides in the unit they are written in.
        {"(function (s) { s.left = '12pt'; s.top = '2.5em'; s.width = ''; return [s.pixelLeft, "
         "s.posLeft, s.posTop, s.pixelWidth]; })(document.getElementById('scripted').style)",
         "16,12,2.5,0"},
        {"(function (s) { s.top = '2.5em'; s.posTop += 1; s.pixelLeft = 7.9; return s.top + ' ' + "
         "s.left; })(document.getElementById('scripted').style)",
         "3.5em 7px"},
        // The mouse buttons as that browser numbered them, by the kind of event.
        {"['mousedown', 'mouseup', 'click'].map(function (type) { return [0, 1, 2].map("
         "function (button) { return new MouseEvent(type, {button: button}).button; }); })",
         "1,4,2,1,4,2,0,0,0"},
        {"new MouseEvent('mousemove', {buttons: 3}).button", "3"},
        // The collection and the controls.
        {"typeof document.all + ' ' + (document.all(0) === document.documentElement)",
         "function true"},
        {"document.all.item('plain').id + ' ' + ('plain' in document.all) + ' ' + "
         "('nothing' in document.all)",
         "plain true false"},
        {CONTROL("MSXML2.XMLHTTP"), "true"},
        {CONTROL("Microsoft.XMLHTTP.1.0"), "true"},
        {"new ActiveXObject('ShockwaveFlash.ShockwaveFlash.7').GetVariable('$version')",
         "WIN 9,0,0,0"},
        {CONTROL("WScript.Shell"), "Automation server can't create object -2146827859"},
        {"[navigator.product, navigator.vendor, typeof document.layers]", ",,undefined"},
    };
    for (const Piece& piece : disc)
        EXPECT_EQ(Evaluate(QStringLiteral("String(%1)").arg(QString::fromUtf8(piece.script)))
                      .toString()
                      .toStdString(),
                  piece.expected)
            << piece.script;

    // A page from the web gets nothing of it.
    const int before = loads;
    view->setHtml(QStringLiteral("<html><body>web</body></html>"),
                  QUrl(QStringLiteral("http://www.quillore.example/")));
    ASSERT_TRUE(WaitFor([&] { return loads > before; }));
    const Piece web[] = {
        {"navigator.appName", "Netscape"},
        {"!!document.all", "false"},
        {"[typeof document.attachEvent, typeof window.showModalDialog, typeof "
         "document.body.filters, typeof ActiveXObject]",
         "undefined,undefined,undefined,undefined"},
    };
    for (const Piece& piece : web)
        EXPECT_EQ(Evaluate(QStringLiteral("String(%1)").arg(QString::fromUtf8(piece.script)))
                      .toString()
                      .toStdString(),
                  piece.expected)
            << piece.script;
}

} // namespace
