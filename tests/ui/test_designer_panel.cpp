// The style designer panel: samples, element, font, size and style controls,
// the Menu Spine's switched-off groups, and the colour palette.
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

#include "app/commands_style.h"
#include "ground/prompt.h"
#include "app/workspace.h"
#include "style/palette.h"
#include "support/temp_folder.h"
#include "ui/designer_panel.h"

using wk::Element;
using wk::ui::DesignerPanel;

namespace {

// The samples' places in the full-size picture.
const std::pair<const char*, QRect> kSamples[] = {
    {"lblMenuBar", {4, 116, 693, 25}},   {"lblMenuBarHighlight", {404, 116, 57, 25}},
    {"lblMenu", {404, 140, 121, 77}},    {"lblMenuHighlight", {404, 164, 121, 24}},
    {"lblMenuSpine", {404, 140, 13, 77}}};

}  // namespace

class DesignerPanelTest : public QObject {
    Q_OBJECT

    struct Fixture {
        wk::test::TempFolder folder;
        wk::ScriptedPrompt prompt;
        wk::Workspace ws{folder.path(), prompt};
        DesignerPanel panel{ws};

        Fixture() {
            wk::SelectElement(ws);
            panel.refresh();
            panel.resize(720, 700);  // room below the colour boxes for the palette
            panel.show();
            panel.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&panel));
        }
        template <typename T>
        T* get(const char* name) {
            T* widget = panel.findChild<T*>(name);
            if (!widget) widget = panel.window()->findChild<T*>(name);
            return widget;
        }
        void click(const char* name) { QTest::mouseClick(get<QWidget>(name), Qt::LeftButton); }
        // Types text over the whole of a combo box's edit field, as a user replacing it would.
        QLineEdit* retype(const char* combo, const QString& text) {
            QLineEdit* edit = get<QComboBox>(combo)->lineEdit();
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text);
            return edit;
        }
        void typeElement(const QString& text) { retype("cmbElement", text); }
        QColor sampleColorAt(const char* sample, QPoint at) {
            return get<QWidget>(sample)->grab().toImage().pixelColor(at);
        }
        const wk::ElementStyle& style(Element e) const { return ws.style[e]; }
    };

    static QColor BoxColor(QLabel* box) { return box->palette().color(QPalette::Window); }

private slots:
    void samplesSitAtTheirPlaces() {
        Fixture f;
        f.panel.resize(760, 700);  // room for the whole picture
        QWidget* picture = f.get<QWidget>("Picture1");
        QVERIFY(picture);
        QCOMPARE(picture->size(), QSize(701, 220));
        for (const auto& [name, geometry] : kSamples) {
            QWidget* sample = f.get<QWidget>(name);
            QVERIFY2(sample && sample->parentWidget() == picture, name);
            QCOMPARE(sample->geometry(), geometry);
        }
        // The bar sample is drawn in the bar's background colour (default #000080).
        QCOMPARE(f.sampleColorAt("lblMenuBar", {1, 1}), QColor(0, 0, 128));
    }

    void aNarrowPanelShrinksThePictureWithItsSamples() {
        Fixture f;
        f.panel.resize(480, 700);
        QWidget* picture = f.get<QWidget>("Picture1");
        QVERIFY(picture->width() < 480);
        const qreal scale = picture->width() / 701.0;
        QCOMPARE(picture->height(), qRound(220 * scale));  // the picture keeps its shape
        for (const auto& [name, full] : kSamples) {
            const QRect shown = f.get<QWidget>(name)->geometry();
            const QRectF scaled(full.x() * scale, full.y() * scale, full.width() * scale, full.height() * scale);
            QVERIFY2(qAbs(shown.x() - scaled.x()) <= 1 && qAbs(shown.y() - scaled.y()) <= 1, name);
            QVERIFY2(qAbs(shown.width() - scaled.width()) <= 1 && qAbs(shown.height() - scaled.height()) <= 1, name);
        }
        // Edges shared at full size stay shared: the drop-down hangs straight under its highlight.
        QCOMPARE(f.get<QWidget>("lblMenu")->x(), f.get<QWidget>("lblMenuBarHighlight")->x());
        QCOMPARE(f.get<QWidget>("lblMenuSpine")->geometry().left(), f.get<QWidget>("lblMenu")->geometry().left());
        QCOMPARE(f.get<QWidget>("lblMenu")->y(), f.get<QWidget>("lblMenuBarHighlight")->geometry().bottom());
        // A click still lands on the sample drawn under it.
        f.click("lblMenuHighlight");
        QCOMPARE(f.ws.designer.elementText, std::string("Menu Highlight"));
        QCOMPARE(f.sampleColorAt("lblMenuHighlight", {1, 1}), QColor(0, 255, 255));
    }

    void clickingASampleSelectsItsElement() {
        Fixture f;
        f.click("lblMenu");
        QCOMPARE(f.ws.designer.elementText, std::string("Menu"));
        QCOMPARE(f.get<QComboBox>("cmbElement")->currentText(), QString("Menu"));
        QCOMPARE(f.get<QComboBox>("cmbFont")->currentText(), QString("Arial"));
        QVERIFY(!f.get<QCheckBox>("chkBold")->isChecked());
        QCOMPARE(BoxColor(f.get<QLabel>("txtColor1")), QColor(255, 255, 255));
        f.click("lblMenuBarHighlight");
        QCOMPARE(f.get<QComboBox>("cmbElement")->currentText(), QString("Menu Bar Highlight"));
        QVERIFY(f.get<QCheckBox>("chkBold")->isChecked());
    }

    void choosingAHeadingChoosesItsFirstFont() {
        Fixture f;
        auto* font = f.get<QComboBox>("cmbFont");
        QCOMPARE(font->count(), 16);
        QCOMPARE(font->currentText(), QString("Verdana"));
        QTest::keyClick(font, Qt::Key_Down);  // the next entry: "[SERIF]:"
        QCOMPARE(font->currentText(), QString("Georgia"));
        QCOMPARE(f.style(Element::MenuBar).FontName, std::string("Georgia"));
        // Typed keys never change the font.
        QTest::keyClicks(font, "Tim");
        QCOMPARE(font->currentText(), QString("Georgia"));
    }

    void aFontOutsideTheListStillShows() {
        Fixture f;
        f.ws.style[Element::Menu].FontName = "Tahoma";
        f.click("lblMenu");
        auto* font = f.get<QComboBox>("cmbFont");
        QCOMPARE(font->currentIndex(), -1);
        QCOMPARE(font->placeholderText(), QString("Tahoma"));
        f.click("lblMenuBar");
        QCOMPARE(font->currentText(), QString("Verdana"));
    }

    void typingTheElementSelectsItWhenComplete() {
        Fixture f;
        f.typeElement("Menu");
        QCOMPARE(f.get<QComboBox>("cmbFont")->currentText(), QString("Arial"));
        QTest::keyClicks(f.get<QComboBox>("cmbElement")->lineEdit(), " H");
        QCOMPARE(f.ws.designer.elementText, std::string("Menu H"));
        QCOMPARE(f.get<QComboBox>("cmbElement")->currentText(), QString("Menu H"));
        QCOMPARE(f.get<QComboBox>("cmbFont")->currentText(), QString("Arial"));  // still showing "Menu"
        QTest::keyClicks(f.get<QComboBox>("cmbElement")->lineEdit(), "ighlight");
        QCOMPARE(BoxColor(f.get<QLabel>("txtColor1")), QColor(0, 255, 255));  // #00FFFF
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

    void enterOnAnUnknownElementSaysSo() {
        Fixture f;
        f.typeElement("menu bar");
        QTest::keyClick(f.get<QComboBox>("cmbElement")->lineEdit(), Qt::Key_Return);
        QCOMPARE(f.prompt.count("message"), std::size_t{1});
        QCOMPARE(f.get<QComboBox>("cmbElement")->count(), 5);  // not added to the list
        f.typeElement("Menu");
        QTest::keyClick(f.get<QComboBox>("cmbElement")->lineEdit(), Qt::Key_Return);
        QCOMPARE(f.prompt.count("message"), std::size_t{1});
    }

    void theSpineSwitchesOffWholeGroups() {
        Fixture f;
        f.click("lblMenuSpine");
        QCOMPARE(f.ws.designer.elementText, std::string("Menu Spine"));
        for (const char* off : {"cmbFont", "cmbSize", "chkBold", "chkItalic", "txtColor0", "cmdColor0"})
            QVERIFY2(!f.get<QWidget>(off)->isEnabled(), off);
        for (const char* on : {"txtColor1", "cmdColor1", "cmbElement"})
            QVERIFY2(f.get<QWidget>(on)->isEnabled(), on);
        QVERIFY(!f.get<QCheckBox>("chkBold")->isChecked());
        QCOMPARE(BoxColor(f.get<QLabel>("txtColor0")), QColor(0xC0, 0xC0, 0x00));
        // The captions go with their controls.
        for (QLabel* label : f.panel.findChildren<QLabel*>()) {
            if (label->text() == "Font:" || label->text() == "Size:" || label->text() == "Style:")
                QVERIFY(!label->isEnabled());
            if (label->text() == "Display Element:") QVERIFY(label->isEnabled());
        }
        f.click("lblMenuBar");
        for (const char* on : {"cmbFont", "cmbSize", "chkBold", "txtColor0", "cmdColor0"})
            QVERIFY2(f.get<QWidget>(on)->isEnabled(), on);
    }

    void sizeAndStyleApplyAtOnce() {
        Fixture f;
        QLineEdit* size = f.retype("cmbSize", "1");  // no completion to a listed size
        QCOMPARE(size->text(), QString("1"));
        QCOMPARE(f.style(Element::MenuBar).FontSize, 1.0f);
        QTest::keyClicks(size, "4");
        QCOMPARE(f.style(Element::MenuBar).FontSize, 14.0f);
        QTest::keyClick(size, Qt::Key_Backspace);
        QTest::keyClick(size, Qt::Key_Backspace);
        QTest::keyClicks(size, "abc");
        QCOMPARE(f.style(Element::MenuBar).FontSize, 1.0f);  // "1" was a size on the way
        QCOMPARE(size->text(), QString("abc"));
        f.click("chkItalic");
        QVERIFY(f.style(Element::MenuBar).FontItalic);
        f.click("chkBold");
        QVERIFY(!f.style(Element::MenuBar).FontBold);
    }

    void thePaletteDropsDownUnderItsBox() {
        Fixture f;
        auto* palette = f.get<QWidget>("pbxColor");
        QVERIFY(palette && !palette->isVisible());
        auto under = [&](const char* box) {
            QWidget* colorBox = f.get<QWidget>(box);
            return colorBox->mapTo(palette->parentWidget(), QPoint(0, colorBox->height()));
        };
        f.click("cmdColor1");
        QVERIFY(palette->isVisible());
        QCOMPARE(palette->pos(), under("txtColor1"));
        QVERIFY(f.ws.designer.colorTarget == wk::ColorBox::Background);
        f.click("cmdColor1");
        QVERIFY(!palette->isVisible());
        f.click("cmdColor1");
        f.click("cmdColor0");  // moves under the text colour box
        QVERIFY(palette->isVisible());
        QCOMPARE(palette->pos(), under("txtColor0"));
        QVERIFY(f.ws.designer.colorTarget == wk::ColorBox::Text);
        f.click("txtColor0");  // the box itself toggles too
        QVERIFY(!palette->isVisible());
    }

    void thePaletteRisesWhereTheWindowEndsBelowItsBox() {
        wk::test::TempFolder folder;
        wk::ScriptedPrompt prompt;
        wk::Workspace ws{folder.path(), prompt};
        QWidget window;
        auto* panel = new DesignerPanel(ws, &window);
        panel->setGeometry(0, 400, 720, 400);
        window.show();
        auto* box = panel->findChild<QWidget*>("txtColor1");
        window.resize(720, box->mapTo(&window, QPoint(0, box->height())).y() + 100);
        QTest::mouseClick(panel->findChild<QWidget*>("cmdColor1"), Qt::LeftButton);
        auto* palette = window.findChild<QWidget*>("pbxColor");
        QVERIFY(palette && palette->isVisible());
        QCOMPARE(palette->geometry().bottomLeft() + QPoint(0, 1), box->mapTo(&window, QPoint(0, 0)));
    }

    void scrollingShowsTheLastTwelveSwatches() {
        Fixture f;
        f.click("cmdColor1");
        f.get<QScrollBar>("VScroll1")->setValue(211);
        QCOMPARE(f.ws.designer.scroll, 211);
        QCOMPARE(f.get<QWidget>("Lb211")->y(), 0);
        QCOMPARE(f.get<QWidget>("Lb222")->y(), 11 * wk::kSwatchHeight);
        QCOMPARE(f.get<QScrollBar>("VScroll1")->maximum(), 211);
    }

    void thePaletteAnswersTheKeyboard() {
        Fixture f;
        auto* button = f.get<QToolButton>("cmdColor1");
        auto open = [&] {
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
            QWidget* palette = f.get<QWidget>("pbxColor");
            QVERIFY(palette->isVisible());
            QCOMPARE(QApplication::focusWidget(), palette);
        };
        auto palette = [&] { return f.get<QWidget>("pbxColor"); };

        open();
        for (int i = 0; i < 3; ++i) QTest::keyClick(palette(), Qt::Key_Down);
        QTest::keyClick(palette(), Qt::Key_Return);
        QVERIFY(!palette()->isVisible());
        QCOMPARE(f.style(Element::MenuBar).BackColor, wk::SwatchColor(3));  // #999999
        QCOMPARE(QApplication::focusWidget(), button);  // back where it started

        // The marked swatch stays in view: the palette scrolls with it.
        open();
        QTest::keyClick(palette(), Qt::Key_End);
        QCOMPARE(f.ws.designer.scroll, wk::kPaletteScrollMax);
        QCOMPARE(f.get<QScrollBar>("VScroll1")->value(), wk::kPaletteScrollMax);
        QTest::keyClick(palette(), Qt::Key_Up);
        QTest::keyClick(palette(), Qt::Key_Space);
        QCOMPARE(f.style(Element::MenuBar).BackColor, wk::SwatchColor(221));

        // Escape closes the palette and changes nothing.
        open();
        QCOMPARE(f.ws.designer.scroll, wk::kPaletteScrollMax);
        QTest::keyClick(palette(), Qt::Key_Home);
        QCOMPARE(f.ws.designer.scroll, 0);
        QTest::keyClick(palette(), Qt::Key_Escape);
        QVERIFY(!palette()->isVisible());
        QVERIFY(!f.ws.designer.paletteUnder);
        QCOMPARE(f.style(Element::MenuBar).BackColor, wk::SwatchColor(221));
        QCOMPARE(QApplication::focusWidget(), button);
    }

    void pickingASwatchColoursTheSampleAndSaves() {
        Fixture f;
        QSignalSpy changed(&f.panel, &DesignerPanel::styleChanged);
        f.click("cmdColor1");
        f.get<QScrollBar>("VScroll1")->setValue(7);
        f.click("Lb12");  // #0000FF
        QVERIFY(!f.get<QWidget>("pbxColor")->isVisible());
        QCOMPARE(f.style(Element::MenuBar).BackColor, 0xFF0000);
        QCOMPARE(BoxColor(f.get<QLabel>("txtColor1")), QColor(0, 0, 255));
        QCOMPARE(f.sampleColorAt("lblMenuBar", {1, 1}), QColor(0, 0, 255));

        f.click("cmdColor0");
        f.get<QScrollBar>("VScroll1")->setValue(0);
        f.click("Lb0");  // #FFFFFF as the text colour
        QCOMPARE(f.style(Element::MenuBar).ForeColor, 0xFFFFFF);
        QCOMPARE(f.style(Element::MenuBar).BackColor, 0xFF0000);
        QCOMPARE(changed.count(), 6);  // two openings, two scrolls, two picks
    }
};

QTEST_MAIN(DesignerPanelTest)
#include "test_designer_panel.moc"
