// Writes a generated prose page of the given size in MB to standard output:
// the pages bench/run hands to `webkestrane keywords` and `description`.
#include <charconv>
#include <cstring>
#include <iostream>

#include "core/markup/page_samples.h"

int main(int argc, char** argv) {
    std::size_t megabytes = 0;
    if (argc != 2 || std::from_chars(argv[1], argv[1] + std::strlen(argv[1]), megabytes).ec != std::errc()) {
        std::cerr << "usage: wk_prose_page MEGABYTES\n";
        return 2;
    }
    std::cout << wk::test::ProsePage(megabytes << 20);
    return std::cout ? 0 : 1;
}
