#pragma once
// The page writes of a pass, made durable together. Each page goes to a
// temporary file beside it; once enough wait, one flush puts them all on the
// disk, and only then is each renamed into place and followed by what must
// come after it (its old file's removal, the menu link that follows it). A
// crash leaves every page as it was or complete, as a flush for each page
// would, at one flush for many.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace wk {

class StagedWrites {
public:
    // What follows a page's rename: why it failed, or nothing.
    using Then = std::function<std::string()>;

    StagedWrites() = default;
    ~StagedWrites();  // removes what was staged and never renamed
    StagedWrites(const StagedWrites&) = delete;
    StagedWrites& operator=(const StagedWrites&) = delete;

    // Stages bytes for path, with likeFile's permissions; commits when enough
    // wait. Why it failed (naming the file), or nothing.
    std::string write(const std::string& path, const std::string& bytes, const std::string& likeFile, Then then);
    // Stages a copy of the file from (of size bytes, with its permissions)
    // for path, as write does; the copy is never held in memory.
    std::string copy(const std::string& from, std::uint64_t size, const std::string& path, Then then);
    // Flushes what is staged, renames each page into place in order and runs
    // what follows it; stops at the first failure, leaving the pages after it
    // as they were. Call it at the end of a pass, and after a failure, so
    // the pages already worked out are kept.
    std::string commit();

private:
    struct Staged {
        std::string temporary;
        std::string path;
        Then then;
    };
    std::vector<Staged> staged_;
    std::uint64_t stagedBytes_ = 0;
    // Queues a temporary file filled for path; commits when enough wait.
    std::string stage(std::string temporary, const std::string& path, std::uint64_t size, Then then);
    void discard();
};

}  // namespace wk
