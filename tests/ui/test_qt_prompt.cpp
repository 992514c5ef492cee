// The file-open filter handed to Qt's file dialog.
#include <QtTest>

#include "ui/boilerplate_dialog.h"
#include "ui/qt_prompt.h"

class QtPromptTest : public QObject {
    Q_OBJECT

private slots:
    void aFilterPairBecomesQtsForm() {
        QCOMPARE(wk::ui::QtFileFilter("Web Pages (*.htm, *.php)|*.htm;*.php"),
                 QString("Web Pages (*.htm, *.php) (*.htm *.php)"));
    }

    void severalPairsAreJoined() {
        QCOMPARE(wk::ui::QtFileFilter("Pages|*.htm|All files|*.*"), QString("Pages (*.htm);;All files (*.*)"));
    }

    void theHomePageFilterNamesEveryIndexAndDefaultPage() {
        const QString filter = wk::ui::QtFileFilter(wk::ui::HomePageFilter());
        const QString patterns = filter.mid(filter.lastIndexOf('(') + 1).chopped(1);
        const QStringList names = patterns.split(' ');
        QCOMPARE(names.size(), 32);
        QCOMPARE(names.first(), QString("index.htm"));
        QCOMPARE(names.at(16), QString("default.htm"));
        QCOMPARE(names.last(), QString("default.sxml"));
    }
};

QTEST_MAIN(QtPromptTest)
#include "test_qt_prompt.moc"
