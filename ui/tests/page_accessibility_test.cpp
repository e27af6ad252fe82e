// A screen reader reaches the page the view shows: from the window through the view to the
// page's document and its text, as AT-SPI walks Qt's accessibility interface.

#include "shared_state_scope.h"
#include "tests/support/disc_lists.h"
#include "tests/support/qt_wait.h"
#include "tests/support/temp_folder.h"
#include "ui/tform1.h"

#include <QAccessible>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace {

// The page's part of the tree is made of the engine's own objects, which are built without C++
// type information: the sanitizer's check of an object's dynamic type cannot see them, and
// calling their interface is sound all the same.
#define ENGINE_OBJECTS __attribute__((no_sanitize("vptr")))

enum class Wanted { Document, PageText };

ENGINE_OBJECTS bool Matches(QAccessibleInterface* face, Wanted wanted) {
    if (wanted == Wanted::Document)
        return face->role() == QAccessible::WebDocument || face->role() == QAccessible::Document;
    return face->text(QAccessible::Name).contains(QStringLiteral("Welcome, reader"));
}

// The first interface under `face` (itself included) that is what is wanted, searched depth
// first; the page's tree is small, the depth bound only guards against a cycle.
ENGINE_OBJECTS QAccessibleInterface* Find(QAccessibleInterface* face, Wanted wanted,
                                          int depth = 0) {
    if (face == nullptr || depth > 40)
        return nullptr;
    if (Matches(face, wanted))
        return face;
    for (int i = 0; i < face->childCount(); ++i)
        if (QAccessibleInterface* found = Find(face->child(i), wanted, depth + 1))
            return found;
    return nullptr;
}

TEST(PageAccessibility, TheWindowLeadsToThePagesDocumentAndItsText) {
    testkit::TempDisc disc;
    testkit::WriteLists(disc.root(), {{"Pages"}, {"\tFirst", "first.htm"}});
    disc.write("_html/first.htm", "<html><head><title>Cover</title></head>"
                                  "<body><p>Welcome, reader of the cover disc</p></body></html>");
    QStringList reports;
    const SharedStateScope state(disc.programDir(), disc.htmlDir(), &reports);
    {
        TForm1 form;
        // A screen reader comes in: the engine, running by now, is told and builds the tree of
        // each page for it.
        QAccessible::setActive(true);
        form.show();
        auto* view = qobject_cast<QWebEngineView*>(form.WebBrowser);
        ASSERT_NE(view, nullptr);
        bool loaded = false;
        QObject::connect(view, &QWebEngineView::loadFinished, [&](bool ok) { loaded = ok; });
        ASSERT_TRUE(WaitFor([&] { return loaded; }));

        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
        ASSERT_NE(window, nullptr);
        QAccessibleInterface* document = nullptr;
        QAccessibleInterface* text = nullptr;
        const bool found = WaitFor([&] {
            document = Find(window, Wanted::Document);
            text = Find(document, Wanted::PageText);
            return text != nullptr;
        });
        EXPECT_TRUE(found) << (document == nullptr ? "no document under the window"
                                                   : "the document holds no page text");
    }
    QAccessible::setActive(false);
    EXPECT_TRUE(reports.isEmpty()) << reports.join(QLatin1Char('\n')).toStdString();
}

} // namespace
