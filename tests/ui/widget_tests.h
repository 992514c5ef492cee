#pragma once
// Every widget test class registers itself here, so that one program holds
// them all (linked once, its Qt headers parsed once): `test_widgets CLASS
// [Qt Test options]` runs one class, in a process of its own as before.
#include <QObject>

#include <functional>
#include <memory>

namespace wk::test {

using WidgetTestMaker = std::function<std::unique_ptr<QObject>()>;
bool RegisterWidgetTest(const char* className, WidgetTestMaker make);

}  // namespace wk::test

#define WK_WIDGET_TEST(Class) \
    static const bool kRegistered##Class = wk::test::RegisterWidgetTest(#Class, [] { return std::make_unique<Class>(); });
