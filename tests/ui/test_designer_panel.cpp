// The style designer panel: the samples, the element, font, size and style
// controls, the Menu Spine's switched-off groups, and the colour palette.
// What each command does to the style is the core's to prove.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include "widget_tests.h"
#include "app/commands_style.h"
#include "style/palette.h"
#include "support/scratch_workspace.h"
#include "ui/designer_panel.h"
#include "ui/style_samples.h"

using wk::Element;
using wk::ui::DesignerPanel;

class DesignerPanelTest : public QObject {
    Q_OBJECT

    struct Fixture : wk::test::ScratchWorkspace {
        DesignerPanel panel{ws};

        Fixture() {
            wk::SelectElement(ws);
            panel.refresh();
            panel.resize(720, 700);  // room below the colour boxes for the palette
            panel.show();
            panel.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&panel));
        }
        template <typename T = QWidget>
        T* get(const char* name) {
            T* widget = panel.findChild<T*>(name);
            if (!widget) widget = panel.window()->findChild<T*>(name);
            return widget;
        }
        void click(const char* name) { QTest::mouseClick(get(name), Qt::LeftButton); }
        // Types text over the whole of a combo box's edit field, as a user replacing it would.
        QLineEdit* retype(const char* combo, const QString& text) {
            QLineEdit* edit = get<QComboBox>(combo)->lineEdit();
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text);
            return edit;
        }
        QColor sampleColorAt(const char* sample) { return get(sample)->grab().toImage().pixelColor(1, 1); }
        QColor boxColor(const char* box) { return get(box)->palette().color(QPalette::Window); }
        QString shown(const char* combo) { return get<QComboBox>(combo)->currentText(); }
        const wk::ElementStyle& style(Element e) const { return ws.style[e]; }
    };

private slots:
    // A narrow panel shrinks the picture, which keeps its shape; a large font
    // draws the whole layout smaller. Either way the samples stand at their
    // places in the layout, scaled, inside the picture, and a click still
    // lands on the sample drawn.
    void theSamplesKeepTheirLayoutAtEveryScale() {
        for (float size : {9.75f, wk::kLargestSize}) {
            Fixture f;
            for (Element e : wk::kAllElements) f.ws.style[e].FontSize = size;
            f.panel.refresh();
            f.panel.resize(480, 700);
            auto* picture = f.get<wk::ui::PreviewPicture>("Picture1");
            QVERIFY(picture->width() < 480);
            QCOMPARE(picture->height(), qRound(220 * picture->width() / 701.0));
            const QTransform scaled = QTransform::fromScale(picture->scale(), picture->scale());
            for (const wk::PlacedSample& sample : picture->layout().samples) {
                const char* name = sample.name.data();  // names end the string they stand in
                const QRect shown = f.get(name)->geometry();
                const QRect placed = scaled.mapRect(QRectF(sample.box.left, sample.box.top, sample.box.width,
                                                           sample.box.height)).toRect();
                QVERIFY2(picture->rect().contains(shown), name);
                QVERIFY2((shown.topLeft() - placed.topLeft()).manhattanLength() <= 2 &&
                             (shown.bottomRight() - placed.bottomRight()).manhattanLength() <= 2, name);
            }
            QCOMPARE(f.sampleColorAt("lblMenuBar"), QColor(0, 0, 128));  // drawn in the bar's colour
            f.click("lblMenuHighlight");
            QCOMPARE(f.ws.designer.elementText, std::string("Menu Highlight"));
            QCOMPARE(f.sampleColorAt("lblMenuHighlight"), QColor(0, 255, 255));
        }
    }

    // Typed keys never change the font; a font outside the list still shows.
    void theFontChangesOnlyByAChoiceFromItsList() {
        Fixture f;
        auto* font = f.get<QComboBox>("cmbFont");
        QTest::keyClick(font, Qt::Key_Down);  // from "Verdana" to the heading "[SERIF]:"
        QCOMPARE(font->currentText(), QString("Georgia"));
        QCOMPARE(f.style(Element::MenuBar).FontName, std::string("Georgia"));
        QTest::keyClicks(font, "Tim");
        QCOMPARE(font->currentText(), QString("Georgia"));

        f.ws.style[Element::Menu].FontName = "Tahoma";
        f.click("lblMenu");
        QCOMPARE(font->currentIndex(), -1);
        QCOMPARE(font->placeholderText(), QString("Tahoma"));
    }

    void typingTheElementSelectsItWhenComplete() {
        Fixture f;
        QLineEdit* element = f.retype("cmbElement", "Menu");
        QCOMPARE(f.shown("cmbFont"), QString("Arial"));
        QTest::keyClicks(element, " H");
        QCOMPARE(f.ws.designer.elementText, std::string("Menu H"));
        QCOMPARE(element->text(), QString("Menu H"));
        QTest::keyClicks(element, "ighlight");
        QCOMPARE(f.boxColor("txtColor1"), QColor(0, 255, 255));
    }

    // A choice from a list counts even when it repeats the text the box holds.
    void choosingTheCurrentEntryAgainReshowsAndSaves() {
        Fixture f;
        const auto choose = [](QComboBox* box, const QString& entry) {
            box->showPopup();
            box->view()->setCurrentIndex(box->model()->index(box->findText(entry), 0));
            QTest::keyClick(box->view(), Qt::Key_Return);
        };
        QLineEdit* size = f.retype("cmbSize", "14.0");
        QCOMPARE(f.style(Element::MenuBar).FontSize, 14.0f);
        choose(f.get<QComboBox>("cmbElement"), "Menu Bar");
        QCOMPARE(size->text(), QString("14"));  // the stored size, shown afresh

        const QString ufm = QString::fromStdString(f.folder.path()) + "menu.ufm";
        QFile::remove(ufm);
        choose(f.get<QComboBox>("cmbSize"), "14");
        QVERIFY(QFile::exists(ufm));

        // Typing a listed size and leaving the box is no choice: nothing runs again.
        f.retype("cmbSize", "12");
        QFile::remove(ufm);
        f.get<QComboBox>("cmbElement")->lineEdit()->setFocus();
        QVERIFY(!QFile::exists(ufm));
    }

    void enterOnAnUnknownElementSaysSoAndAddsNothing() {
        Fixture f;
        f.retype("cmbElement", "menu bar");
        QTest::keyClick(f.get("cmbElement"), Qt::Key_Return);  // the box has the focus, not its line edit
        QCOMPARE(f.prompt.count("message"), std::size_t{1});
        QCOMPARE(f.get<QComboBox>("cmbElement")->count(), 5);
    }

    // The captions go with their controls; a switched-off box still shows its colour.
    void theSpineSwitchesOffWholeGroups() {
        Fixture f;
        f.click("lblMenuSpine");
        for (const char* off : {"cmbFont", "cmbSize", "chkBold", "chkItalic", "txtColor0", "cmdColor0"})
            QVERIFY2(!f.get(off)->isEnabled(), off);
        for (const char* on : {"txtColor1", "cmdColor1", "cmbElement"}) QVERIFY2(f.get(on)->isEnabled(), on);
        for (QLabel* label : f.panel.findChildren<QLabel*>())
            if (QStringList({"Font:", "Size:", "Style:", "Text color:"}).contains(label->text()))
                QVERIFY2(!label->isEnabled(), qPrintable(label->text()));
        QCOMPARE(f.boxColor("txtColor0"), QColor(0xC0, 0xC0, 0x00));
        f.click("lblMenuBar");
        for (const char* on : {"cmbFont", "cmbSize", "chkBold", "txtColor0"}) QVERIFY2(f.get(on)->isEnabled(), on);
    }

    // Every typed text counts as it stands: nothing completes "1" to a listed size.
    void sizeAndStyleApplyAtOnce() {
        Fixture f;
        QLineEdit* size = f.retype("cmbSize", "1");
        QCOMPARE(size->text(), QString("1"));
        QTest::keyClicks(size, "4");
        QCOMPARE(f.style(Element::MenuBar).FontSize, 14.0f);
        f.click("chkItalic");
        QVERIFY(f.style(Element::MenuBar).FontItalic);
        f.click("chkBold");
        QVERIFY(!f.style(Element::MenuBar).FontBold);
    }

    // Enter, or the focus leaving the box, ends the typing: what a menu cannot use is refused.
    void aSizeAMenuCannotUseIsRefusedWhenTypingEnds() {
        // Too large, ended by Enter; no number, ended by Tab.
        for (const auto& [typed, enter] : {std::pair("60", true), {"abc", false}}) {
            Fixture f;
            QLineEdit* size = f.retype("cmbSize", typed);
            QCOMPARE(f.prompt.count("message"), std::size_t{0});
            QTest::keyClick(f.get("cmbSize"), enter ? Qt::Key_Return : Qt::Key_Tab);
            QTRY_COMPARE(f.prompt.count("message"), std::size_t{1});
            QCOMPARE(size->text(), QString("9.75"));
            QCOMPARE(f.style(Element::MenuBar).FontSize, 9.75f);
        }
    }

    // The arrow buttons and the colour boxes themselves open and close it.
    void thePaletteDropsDownUnderItsBox() {
        Fixture f;
        QWidget* palette = f.get("pbxColor");
        auto under = [&](const char* box) { return f.get(box)->mapTo(palette->parentWidget(), QPoint(0, 22)); };
        f.click("cmdColor1");
        QVERIFY(palette->isVisible());
        QCOMPARE(palette->pos(), under("txtColor1"));
        f.click("txtColor0");  // moves under the text colour box
        QVERIFY(palette->isVisible());
        QCOMPARE(palette->pos(), under("txtColor0"));
        QVERIFY(f.ws.designer.colorTarget == wk::ColorBox::Text);
        f.click("cmdColor0");
        QVERIFY(!palette->isVisible());
    }

    void thePaletteRisesWhereTheWindowEndsBelowItsBox() {
        wk::test::ScratchWorkspace s;
        QWidget window;
        auto* panel = new DesignerPanel(s.ws, &window);
        panel->setGeometry(0, 400, 720, 400);
        window.show();
        auto* box = panel->findChild<QWidget*>("txtColor1");
        window.resize(720, box->mapTo(&window, QPoint(0, box->height())).y() + 100);
        QTest::mouseClick(panel->findChild<QWidget*>("cmdColor1"), Qt::LeftButton);
        auto* palette = window.findChild<QWidget*>("pbxColor");
        QVERIFY(palette && palette->isVisible());
        QCOMPARE(palette->geometry().bottomLeft() + QPoint(0, 1), box->mapTo(&window, QPoint(0, 0)));
    }

    void thePaletteAnswersTheKeyboard() {
        Fixture f;
        auto* button = f.get<QToolButton>("cmdColor1");
        QWidget* palette = nullptr;
        auto open = [&] {
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
            palette = f.get("pbxColor");
            QVERIFY(palette->isVisible());
            QCOMPARE(QApplication::focusWidget(), palette);
        };
        open();
        for (int i = 0; i < 3; ++i) QTest::keyClick(palette, Qt::Key_Down);
        QTest::keyClick(palette, Qt::Key_Return);
        QVERIFY(!palette->isVisible());
        QCOMPARE(f.style(Element::MenuBar).BackColor, wk::SwatchColor(3));
        QCOMPARE(QApplication::focusWidget(), button);  // back where it started

        // The marked swatch stays in view: the palette scrolls with it.
        open();
        QTest::keyClick(palette, Qt::Key_End);
        QCOMPARE(f.ws.designer.scroll, wk::kPaletteScrollMax);
        QCOMPARE(f.get<QScrollBar>("VScroll1")->value(), wk::kPaletteScrollMax);
        QTest::keyClick(palette, Qt::Key_Up);
        QTest::keyClick(palette, Qt::Key_Space);
        QCOMPARE(f.style(Element::MenuBar).BackColor, wk::SwatchColor(221));

        // Escape closes the palette and changes nothing.
        open();
        QTest::keyClick(palette, Qt::Key_Home);
        QCOMPARE(f.ws.designer.scroll, 0);
        QTest::keyClick(palette, Qt::Key_Escape);
        QVERIFY(!palette->isVisible());
        QVERIFY(!f.ws.designer.paletteUnder);
        QCOMPARE(f.style(Element::MenuBar).BackColor, wk::SwatchColor(221));
        QCOMPARE(QApplication::focusWidget(), button);
    }

    void pickingAScrolledSwatchColoursTheSampleAndSaves() {
        Fixture f;
        QSignalSpy changed(&f.panel, &DesignerPanel::styleChanged);
        f.click("cmdColor1");
        f.get<QScrollBar>("VScroll1")->setValue(7);
        QCOMPARE(f.ws.designer.scroll, 7);
        QCOMPARE(f.get("Lb7")->y(), 0);
        QCOMPARE(f.get("Lb18")->y(), 11 * wk::kSwatchHeight);
        f.click("Lb12");  // #0000FF
        QVERIFY(!f.get("pbxColor")->isVisible());
        QCOMPARE(f.style(Element::MenuBar).BackColor, 0xFF0000);
        QCOMPARE(f.boxColor("txtColor1"), QColor(0, 0, 255));
        QCOMPARE(f.sampleColorAt("lblMenuBar"), QColor(0, 0, 255));

        f.click("cmdColor0");
        f.get<QScrollBar>("VScroll1")->setValue(0);
        f.click("Lb0");  // #FFFFFF as the text colour
        QCOMPARE(f.style(Element::MenuBar).ForeColor, 0xFFFFFF);
        QCOMPARE(changed.count(), 6);  // two openings, two scrolls, two picks
    }

    void aHardToReadPairIsNotedUnderTheColourBoxesWithKeyboardMenus() {
        Fixture f;
        auto* note = f.get<QLabel>("lblContrast");
        QVERIFY(!note->isVisible());
        f.ws.options.keyboardMenus = true;
        f.click("cmdColor1");
        f.get<QScrollBar>("VScroll1")->setValue(0);
        f.click("Lb0");  // white behind the bar's cyan text
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QString::fromStdString(f.ws.designer.contrastNote));  // its wording is the core's
        f.click("cmdColor1");
        f.click("Lb6");  // #333333
        QVERIFY(!note->isVisible());
    }
};

WK_WIDGET_TEST(DesignerPanelTest)
#include "test_designer_panel.moc"
