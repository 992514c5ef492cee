// The push button whose caption wraps: its caption, its narrowest width, and
// the height a layout gives it in a narrow column.
#include <QVBoxLayout>
#include <QtTest>

#include "ui/wrapping_button.h"

using wk::ui::WrappingButton;

class WrappingButtonTest : public QObject {
    Q_OBJECT

    static constexpr const char* kLong = "Remove ALL Tollivance Menus From Entire Site";

private slots:
    void aLongCaptionWrapsOntoTwoLinesAtTheMost() {
        WrappingButton button(kLong);
        QCOMPARE(button.text(), QString(kLong));  // the caption itself is untouched
        const int oneLine = button.heightForWidth(button.sizeHint().width());
        const int least = button.minimumSizeHint().width();
        QVERIFY(least < button.sizeHint().width() * 2 / 3);
        const int lineSpacing = button.fontMetrics().lineSpacing();
        const int twoLines = button.heightForWidth(least);
        QVERIFY(twoLines > oneLine);
        QVERIFY(twoLines <= oneLine + lineSpacing + 1);
        QCOMPARE(button.minimumSizeHint().height(), twoLines);
        // Any narrower and a third line would be needed.
        QVERIFY(button.heightForWidth(least - 2) > twoLines);
    }

    void aSingleWordDoesNotWrap() {
        WrappingButton button("Commit");
        QCOMPARE(button.minimumSizeHint().width(), button.sizeHint().width());
    }

    void aNarrowColumnMakesTheButtonTaller() {
        QWidget column;
        auto* layout = new QVBoxLayout(&column);
        auto* button = new WrappingButton(kLong);
        layout->addWidget(button);
        layout->addStretch();
        column.resize(button->sizeHint().width() + 40, 200);
        column.show();
        const int wide = button->height();
        column.resize(button->minimumSizeHint().width() + 20, 200);
        QVERIFY(button->width() < button->sizeHint().width());
        QCOMPARE(button->height(), button->heightForWidth(button->width()));
        QVERIFY(button->height() > wide);
    }
};

QTEST_MAIN(WrappingButtonTest)
#include "test_wrapping_button.moc"
