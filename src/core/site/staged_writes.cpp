#include "site/staged_writes.h"

#include "ground/file_system.h"

namespace wk {
namespace {

// Few enough that a crash leaves little behind, many enough that the flush
// is rare: the pages of most sites go to the disk in one.
constexpr std::size_t kMostStagedFiles = 1024;
constexpr std::uint64_t kMostStagedBytes = 128u << 20;

}  // namespace

StagedWrites::~StagedWrites() { discard(); }

std::string StagedWrites::write(const std::string& path, const std::string& bytes, const std::string& likeFile,
                                Then then) {
    std::string temporary;
    std::string error;
    if (!ActiveFileSystem().writeTemporary(path, bytes, likeFile, temporary, error)) return error;
    return stage(std::move(temporary), path, bytes.size(), std::move(then));
}

std::string StagedWrites::copy(const std::string& from, std::uint64_t size, const std::string& path, Then then) {
    std::string temporary;
    std::string error;
    if (!ActiveFileSystem().copyToTemporary(from, path, temporary, error)) return error;
    return stage(std::move(temporary), path, size, std::move(then));
}

std::string StagedWrites::stage(std::string temporary, const std::string& path, std::uint64_t size, Then then) {
    staged_.push_back({std::move(temporary), path, std::move(then)});
    stagedBytes_ += size;
    if (staged_.size() < kMostStagedFiles && stagedBytes_ < kMostStagedBytes) return {};
    return commit();
}

std::string StagedWrites::commit() {
    FileSystem& fs = ActiveFileSystem();
    std::vector<std::string> temporaries;
    for (const Staged& page : staged_) temporaries.push_back(page.temporary);
    std::string error;
    if (!staged_.empty() && !fs.flush(temporaries, error)) {
        discard();
        return error;
    }
    std::size_t done = 0;
    while (done < staged_.size() && error.empty()) {
        Staged& page = staged_[done];
        if (!fs.rename(page.temporary, page.path, error)) break;
        ++done;
        error = page.then();
    }
    staged_.erase(staged_.begin(), staged_.begin() + static_cast<std::ptrdiff_t>(done));
    discard();
    return error;
}

void StagedWrites::discard() {
    for (const Staged& page : staged_) ActiveFileSystem().remove(page.temporary);
    staged_.clear();
    stagedBytes_ = 0;
}

}  // namespace wk
