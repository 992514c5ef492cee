#pragma once
// A page's readable content for the improved proposals: its title, its
// language, and the text of its main content as blocks (paragraphs, list
// items, cells, headings), with the page's furniture left out. Script,
// style and comments never count; navigation, header, footer and aside
// regions are skipped; when the page marks its main content (main, article,
// role="main") only that is read, else the whole body. Entities are decoded
// into the page's own encoding; runs of spaces become one space.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "meta/page_letters.h"

namespace wk {

enum class BlockKind { Prose, Heading, Code };

struct ContentBlock {
    std::size_t start = 0;  // the block's text in ContentText::text
    std::size_t length = 0;
    BlockKind kind = BlockKind::Prose;
    int level = 0;                // 1 to 6 for a heading
    std::size_t letters = 0;      // letter characters in the block
    std::size_t linkLetters = 0;  // of those, inside links

    // Mostly link texts: a menu, a table of contents, a "next page" line.
    bool linkRun() const { return 2 * linkLetters > letters; }
};

struct ContentText {
    PageEncoding encoding = PageEncoding::Utf8;
    std::string lang;   // the html or body element's lang attribute
    std::string title;  // the title element's text
    std::string text;   // every block's text, one after another
    std::vector<ContentBlock> blocks;

    std::string_view blockText(const ContentBlock& block) const {
        return std::string_view(text).substr(block.start, block.length);
    }
};

ContentText ExtractContentText(std::string_view page);

}  // namespace wk
