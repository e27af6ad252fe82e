// A disc page written for the browser of 1999 in the real view: each behaviour its scripts use
// turns its own cell green (era-disc/_html/era.htm), the alpha it asks for is drawn, and what
// needs the reader's click happens on the reader's click only.

#include "disc_page_view_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

const std::string kEraDisc = QUILCD_ERA_DISC_DIR;

QUrl EraPage(const char* file) {
    return QUrl::fromLocalFile(QString::fromStdString(kEraDisc + "/_html/" + file));
}

QList<QWidget*> PageWindows() {
    QList<QWidget*> open;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("PageWindow") && window->isVisible())
            open << window;
    return open;
}

class EraPageTest : public DiscPageViewTest {
protected:
    void SetUp() override { ShowDisc(kEraDisc + "/_html/"); }

    // Each cell's outcome so far: true, or the reason it failed; a cell not decided is absent.
    QJsonObject Results() {
        return QJsonDocument::fromJson(
                   Evaluate(QStringLiteral("JSON.stringify(results)")).toString().toUtf8())
            .object();
    }
    int Cells() {
        return Evaluate(QStringLiteral("document.querySelectorAll('#cells td').length")).toInt();
    }
    QPoint MiddleOf(const char* id) {
        const QVariantList middle =
            Evaluate(QStringLiteral("(function () { var r = document.getElementById('%1')"
                                    ".getBoundingClientRect(); return [r.left + r.width / 2, "
                                    "r.top + r.height / 2]; })()")
                         .arg(QString::fromLatin1(id)))
                .toList();
        return middle.size() == 2 ? QPoint(middle[0].toInt(), middle[1].toInt()) : QPoint();
    }
};

TEST_F(EraPageTest, EveryBehaviourTurnsItsCellGreenAndTheAlphaIsDrawn) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    ASSERT_TRUE(Load(EraPage("era.htm")));
    const int cells = Cells();
    ASSERT_GT(cells, 20);
    // Everything but the three cells that wait for the reader decides by itself.
    const QStringList reader = {QStringLiteral("mouseFields"), QStringLiteral("clipboard"),
                                QStringLiteral("dialog")};
    ASSERT_TRUE(WaitFor([&] { return Results().size() == cells - reader.size(); }))
        << QJsonDocument(Results()).toJson().toStdString();
    for (const QString& name : reader)
        EXPECT_FALSE(Results().contains(name)) << name.toStdString();
    // The dialog the page asked for on load, and its copy, went nowhere.
    EXPECT_TRUE(PageWindows().isEmpty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

    // The reader's click on the button. A busy engine may drop a click that comes while it
    // still lays the page out; one that was dropped is made again.
    const QPoint button = MiddleOf("reader");
    ASSERT_TRUE(WaitFor([&] {
        QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, button);
        return WaitFor([&] { return Results().contains(QStringLiteral("mouseFields")); }, 3000);
    }));
    ASSERT_TRUE(WaitFor([&] { return Results().size() == cells; }));
    const QJsonObject results = Results();
    for (auto cell = results.begin(); cell != results.end(); ++cell)
        EXPECT_TRUE(cell.value().isBool() && cell.value().toBool())
            << cell.key().toStdString() << ": " << cell.value().toString().toStdString();
    // The page's copy reaches the clipboard apart from the page's answers to the test.
    EXPECT_TRUE(WaitFor([] {
        return QGuiApplication::clipboard()->text() == QStringLiteral("QUILLORE 1999");
    })) << QGuiApplication::clipboard()->text().toStdString();
    // The dialog, in a window of its own at the size its features asked for.
    const QList<QWidget*> dialogs = PageWindows();
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0]->size(), QSize(300, 200));
    EXPECT_TRUE(WaitFor([&] { return dialogs[0]->windowTitle() == QStringLiteral("dialog"); }));

    // The four boxes are black on white at 50, 30, 75 and 25 % opacity.
    const std::pair<const char*, double> boxes[] = {
        {"alphaSheet", 0.5}, {"alphaInline", 0.3}, {"alphaLinked", 0.75}, {"alphaScript", 0.25}};
    const auto drawn = [&](QString* told) {
        const QImage shot = Grab();
        bool all = true;
        for (const auto& [id, opacity] : boxes) {
            const int grey = qGray(shot.pixel(MiddleOf(id)));
            const int wanted = qRound(255 * (1 - opacity));
            all = all && std::abs(grey - wanted) <= 3;
            *told +=
                QStringLiteral("%1: %2 (wanted %3) ").arg(QLatin1String(id)).arg(grey).arg(wanted);
        }
        return all;
    };
    QString told;
    EXPECT_TRUE(WaitFor([&] { return told.clear(), drawn(&told); })) << told.toStdString();
}

} // namespace
