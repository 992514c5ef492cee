#include <charconv>
#include <system_error>

#include "cli/cli.h"

namespace wk::cli {

std::string Arguments::get(const std::string& option, const std::string& fallback) const {
    auto found = options.find(option);
    return found == options.end() ? fallback : found->second;
}

Arguments ParseArguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
                         const std::set<std::string>& flags) {
    Arguments args;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--") {
            // The usual end of the options: a label or entry may begin with "--".
            args.positional.insert(args.positional.end(), words.begin() + static_cast<long>(i) + 1, words.end());
            break;
        }
        if (word.size() > 2 && word.rfind("--", 0) == 0) {
            std::string name = word;
            std::string value;
            bool inlineValue = false;
            if (auto eq = word.find('='); eq != std::string::npos) {
                name = word.substr(0, eq);
                value = word.substr(eq + 1);
                inlineValue = true;
            }
            if (valued.count(name)) {
                if (!inlineValue) {
                    if (i + 1 >= words.size()) throw UsageError(name + " needs a value");
                    value = words[++i];
                }
                args.options[name] = value;
            } else if (flags.count(name) && !inlineValue) {
                args.options[name] = "";
            } else {
                throw UsageError("unknown option: " + word);
            }
        } else {
            args.positional.push_back(word);
        }
    }
    return args;
}

void ExpectPositional(const Arguments& args, std::size_t min, std::size_t max, const std::string& usage) {
    if (args.positional.size() < min || args.positional.size() > max) throw UsageError("usage: webkestrane " + usage);
}

int PositiveNumber(const std::string& word, const std::string& what) {
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (word.empty() || error != std::errc() || stop != end || value < 1)
        throw UsageError(what + " must be a whole number from 1: " + word);
    return value;
}

bool OnOff(const std::string& word, const std::string& option) {
    if (word == "on") return true;
    if (word == "off") return false;
    throw UsageError(option + " takes on or off, not " + word);
}

void CommandTable::add(const std::string& words, const std::string& usage, const std::string& summary, Command run) {
    entries[words] = {usage, summary, std::move(run)};
}

}  // namespace wk::cli
