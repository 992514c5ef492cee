// The preview, help and tips windows on their own: the preview's copies go
// when it closes, help opens at the topic asked for, and the tips window
// steps round and passes its box on.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "widget_tests.h"
#include "app/tips.h"
#include "assist/tips.h"
#include "support/scratch_workspace.h"
#include "ui/help_window.h"
#include "ui/preview_window.h"
#include "ui/tips_dialog.h"

class AssistanceWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { wk::ui::SetHelpFolder(WK_HELP_DIR); }

    void thePreviewsShownAreDeletedWhenTheWindowCloses() {
        wk::test::TempFolder one, two;
        one.write("Temporary.shtml", "<title>One</title><p>one</p>");
        two.write("Temporary.shtml", "<title>Two</title><p>two</p>");
        wk::ui::PreviewWindow window;
        window.showPreview(one.file("Temporary.shtml"), "One");
        window.showPreview(two.file("Temporary.shtml"), "Two");
        QCOMPARE(window.windowTitle(), QString("Two"));
        QVERIFY(one.exists("Temporary.shtml"));
        QVERIFY(window.close());
        QVERIFY(!one.exists("Temporary.shtml"));
        QVERIFY(!two.exists("Temporary.shtml"));
        // A preview still open when the program ends goes too.
        two.write("Temporary.shtml", "<p>again</p>");
        {
            wk::ui::PreviewWindow open;
            open.showPreview(two.file("Temporary.shtml"), "");
        }
        QVERIFY(!two.exists("Temporary.shtml"));
    }

    void helpOpensAtTheTopicsPageAndItsContentsEntry() {
        wk::ui::HelpWindow help;
        const std::pair<int, QString> topics[] = {{53, "preview.html"}, {0, "index.html"}, {999, "index.html"}};
        for (const auto& [topic, page] : topics) {
            help.openTopic(topic);
            QCOMPARE(help.currentPage(), page);
            QCOMPARE(help.findChild<QTreeWidget*>("lstTopics")->currentItem()->data(0, Qt::UserRole + 1), page);
        }
        // Choosing an entry opens its page.
        auto* contents = help.findChild<QTreeWidget*>("lstTopics");
        contents->setCurrentItem(contents->findItems("Serving your Site", Qt::MatchRecursive).first());
        QCOMPARE(help.currentPage(), QString("serving.html"));
    }

    void theTipsWindowStepsRoundAndPassesItsBoxOn() {
        wk::test::ScratchWorkspace s;
        wk::SetTipsShown(s.ws, true);
        wk::OpenTips(s.ws, 0);
        wk::ui::TipsDialog tips(s.ws);
        int changes = 0;
        connect(&tips, &wk::ui::TipsDialog::settingChanged, [&] { ++changes; });
        auto* title = tips.findChild<QLabel*>("lbl");
        QTest::mouseClick(tips.findChild<QPushButton*>("cmdPrevious"), Qt::LeftButton);
        QCOMPARE(title->text(), QString::fromUtf8(wk::kTips[wk::kLastTip].title.data()));
        QTest::mouseClick(tips.findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
        QCOMPARE(s.ws.tips.index, 0);
        auto* box = tips.findChild<QCheckBox*>("chk");
        QVERIFY(box->isChecked());
        box->click();
        QCOMPARE(s.folder.read("tip.sgt"), std::string("0\r\n"));
        QCOMPARE(changes, 1);
    }
};

WK_WIDGET_TEST(AssistanceWindowsTest)
#include "test_assistance_windows.moc"
