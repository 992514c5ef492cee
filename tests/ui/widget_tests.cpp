// The program of the widget tests: runs the test class its first argument names
// as QTEST_MAIN would run it alone.
#include "widget_tests.h"

#include <QApplication>
#include <QTest>

#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace wk::test {

static std::map<std::string, WidgetTestMaker>& Registry() {
    static std::map<std::string, WidgetTestMaker> classes;
    return classes;
}

bool RegisterWidgetTest(const char* className, WidgetTestMaker make) {
    return Registry().emplace(className, std::move(make)).second;
}

}  // namespace wk::test

int main(int argc, char** argv) {
    const auto& classes = wk::test::Registry();
    const auto found = argc > 1 ? classes.find(argv[1]) : classes.end();
    if (found == classes.end()) {
        std::cerr << "usage: " << argv[0] << " CLASS [Qt Test options]; the classes:";
        for (const auto& entry : classes) std::cerr << ' ' << entry.first;
        std::cerr << '\n';
        return 2;
    }
    // Qt Test reads its options after the program's name, as if it ran alone.
    std::vector<char*> args{argv[0]};
    args.insert(args.end(), argv + 2, argv + argc);
    int count = static_cast<int>(args.size());
    QApplication app(count, args.data());
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const std::unique_ptr<QObject> test = found->second();
    return QTest::qExec(test.get(), count, args.data());
}
