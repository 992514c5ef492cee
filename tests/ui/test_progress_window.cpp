// The progress window over a scratch site: it measures first, Abort changes
// nothing, Commit runs the operation while the window yields, and Close
// comes only at the end; the bars paint their share; the main window asks
// before a removal.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "widget_tests.h"
#include "app/startup.h"
#include "app/site_operation.h"
#include "support/scratch_workspace.h"
#include "ui/main_window.h"
#include "ui/progress_bar_widget.h"
#include "ui/progress_window.h"
#include "ui/start_window.h"

using wk::ui::ProgressWindow;

namespace {

const char* const kPage = "<html><head><title>Page</title></head><body><p>The text of a page.</p></body></html>";

// Three pages under the stored boilerplate, in expert mode, committed with
// the BoilerPlate, Menu, Keywords and Description options.
struct Site : wk::test::ScratchWorkspace {
    Site() {
        for (const char* name : {"a.htm", "b.htm", "c.htm"}) site.write(name, kPage);
        folder.write("boilerplate.sgt", "www.acme.com\r\nAcme Ltd\r\nWeb Team\r\nAcme 2005\r\n" + site.path() + "\r\n");
        folder.write("Options.abn", "11110\r\n");
        folder.write("expert.sgt", "1\r\n");
        wk::LoadSettings(ws);
    }
    ~Site() {
        for (const auto& backup : wk::test::BackupsBeside(site)) std::filesystem::remove_all(backup);
    }
    wk::test::TempFolder site;
};

template <typename T = QPushButton>
T* Find(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(name);
    if (!found) qWarning("missing control %s", name);
    return found;
}

}  // namespace

class ProgressWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowOpensMeasuredAndAbortChangesNothing() {
        Site s;
        ProgressWindow window(s.ws, wk::kUpgradeSite);
        window.show();
        QTRY_VERIFY(Find(window, "cmdGo")->isEnabled());
        QCOMPARE(Find<QLabel>(window, "lblCount")->text(), QString("3"));
        QCOMPARE(Find<QLabel>(window, "lblSize")->text(), QString::number(3 * std::strlen(kPage)));
        QTest::mouseClick(Find(window, "cmdAbort"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(s.site.read("a.htm"), std::string(kPage));
        QVERIFY(wk::test::BackupsBeside(s.site).empty());
    }

    void commitUpgradesWhileTheWindowYieldsAndCloseComesLast() {
        Site s;
        ProgressWindow window(s.ws, wk::kUpgradeSite);
        window.show();
        QPushButton* go = Find(window, "cmdGo");
        QPushButton* close = Find(window, "cmdOK");
        QTRY_VERIFY(go->isEnabled());
        QVERIFY(!close->isVisible());
        const int compact = window.height();
        // Seen from the event loop while the operation runs.
        bool yielded = false, buttonsEnabled = true, closeShown = true, stillOpen = false;
        QTimer::singleShot(0, &window, [&] {
            yielded = true;
            buttonsEnabled = go->isEnabled() || Find(window, "cmdAbort")->isEnabled();
            closeShown = close->isVisible();
            window.close();  // the close box
            stillOpen = window.isVisible();
        });
        go->click();
        QVERIFY(yielded);
        QVERIFY(!buttonsEnabled);
        QVERIFY(!closeShown);
        QVERIFY(stillOpen);
        for (const std::string name : {"a", "b", "c"}) {
            QVERIFY(s.site.exists(name + ".shtml"));
            QVERIFY(!s.site.exists(name + ".htm"));
        }
        const auto backups = wk::test::BackupsBeside(s.site);
        QCOMPARE(backups.size(), std::size_t{1});
        QVERIFY(std::filesystem::exists(backups[0] / "a.htm"));
        QVERIFY(close->isVisible());
        QVERIFY(window.height() > compact);
        QVERIFY(!go->isEnabled());
        QTest::mouseClick(close, Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void aSiteThatCannotBeMeasuredLeavesOnlyClose() {
        Site s;
        s.ws.status.siteRoot.clear();
        ProgressWindow window(s.ws, wk::kRemoveAllMenus);
        window.show();
        QTRY_VERIFY(Find(window, "cmdOK")->isVisible());
        QVERIFY(Find<QLabel>(window, "lblError")->isVisible());
        QVERIFY(!Find(window, "cmdGo")->isEnabled());
    }

    // Half done, nothing done, and more than the reference (filled to the end).
    void aBarFillsItsShareAndItsTextTurnsWhiteInside() {
        for (const auto& [fraction, filled] : {std::pair(0.5, 0.5), {0.0, 0.0}, {1.5, 1.0}}) {
            const QColor green(0, 133, 0), white(Qt::white);
            wk::ui::ProgressBarWidget bar;
            bar.resize(400, 30);
            bar.showBar({1, fraction, std::string(24, 'M'), {0, 133, 0}, wk::kWhite});
            const QImage image = bar.grab().toImage();
            const QRect inner = bar.contentsRect();
            const int edge = inner.left() + static_cast<int>(inner.width() * filled);
            // The row above the text: the bar colour up to the edge, then the background.
            for (int x : {inner.left() + 2, edge - 2, edge + 2, inner.right() - 2})
                if (inner.contains(x, inner.top()))
                    QCOMPARE(image.pixelColor(x, inner.top() + 1), x < edge ? green : white);
            // Along the text's middle: white strokes inside the filled part, bar-coloured ones beyond it.
            bool whiteInside = false, colouredOutside = false;
            for (int x = inner.left(); x <= inner.right(); ++x) {
                const QColor pixel = image.pixelColor(x, inner.center().y());
                if (x < edge - 1) whiteInside = whiteInside || pixel == white;
                if (x > edge) colouredOutside = colouredOutside || pixel == green;
            }
            QCOMPARE(whiteInside, filled > 0);
            QCOMPARE(colouredOutside, filled < 1);
        }
    }

    void theRemovalAsksFirstAndNoOpensNothing() {
        Site s;
        auto main = wk::ui::StartMainWindow(s.ws);
        main->show();
        int opened = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* window = qobject_cast<ProgressWindow*>(QApplication::activeModalWidget());
            if (!window || !Find(*window, "cmdAbort")->isEnabled()) return;
            ++opened;
            Find(*window, "cmdAbort")->click();
        });
        poll.start(10);
        s.prompt.yesNoAnswers = {false, true};
        for (int asked : {1, 2}) {
            Find(*main, "cmdRemove")->click();
            QCOMPARE(s.prompt.count("yesno"), std::size_t(asked));
            QCOMPARE(opened, asked - 1);
        }
        QVERIFY(wk::test::BackupsBeside(s.site).empty());
    }
};

WK_WIDGET_TEST(ProgressWindowTest)
#include "test_progress_window.moc"
