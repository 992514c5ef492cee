#include <gtest/gtest.h>

#include "app/link_entry.h"

namespace wk {
namespace {

TEST(LinkEntry, EditsKeepOnePrefixAndEveryTypedCharacter) {
    struct Case {
        const char* what;
        const char* before;
        std::size_t editFrom;
        LinkBoxText after;   // as the box made it
        const char* kept;    // nullptr: the edit stands
        std::size_t caret;
    };
    const Case cases[] = {
        {"select all, type", "www.abc", 0, {"w", 1}, "www.w", 5},
        {"backspace after the prefix", "www.abc", 4, {"wwwabc", 3}, "www.abc", 4},
        {"delete at 0", "www.abc", 0, {"ww.abc", 0}, "www.abc", 4},
        {"paste a full address over all", "www.abc", 0, {"https://www.example.org/x", 25}, "www.example.org/x", 17},
        {"paste an address in capitals", "www.", 4, {"www.HTTP://WWW.example.org", 26}, "www.example.org", 15},
        {"paste www. after the prefix", "www.", 4, {"www.www.x", 9}, "www.x", 5},
        {"paste www. before a w", "www.w.x", 4, {"www.www.w.x", 8}, "www.w.x", 4},
        {"type with the caret inside the prefix", "www.abc", 2, {"wwxw.abc", 3}, "www.xabc", 5},
        {"type over a partial prefix selection", "www.abc", 2, {"wwzc", 3}, "www.zc", 5},
        {"type w over a selection inside the prefix", "www.abc", 1, {"ww.abc", 2}, "www.wabc", 5},
        {"retype the prefix by keys", "www.www", 7, {"www.www.", 8}, "www.", 4},
        {"a letter replaced, the caret left before it", "www.\xC3\xA9", 0, {"\xC4\xA9", 0}, "www.\xC4\xA9", 6},
        {"letters after the prefix", "www.\xC3\xA9", 6, {"www.\xC3\xA9\xC3\xA8", 8}, nullptr, 0},
        {"a second www. further on", "www.a", 5, {"www.awww.", 9}, nullptr, 0},
        {"a link typed into past its repeat", "www.www.f", 8, {"www.www.xf", 9}, nullptr, 0},
        {"no prefix to keep", "abc", 0, {"x", 1}, nullptr, 0},
    };
    for (const Case& c : cases) {
        const std::optional<LinkBoxText> kept = KeepLinkPrefix(c.before, c.editFrom, c.after);
        if (!c.kept) {
            EXPECT_FALSE(kept) << c.what;
            continue;
        }
        ASSERT_TRUE(kept) << c.what;
        EXPECT_EQ(kept->text, c.kept) << c.what;
        EXPECT_EQ(kept->caret, c.caret) << c.what;
    }
}

}  // namespace
}  // namespace wk
