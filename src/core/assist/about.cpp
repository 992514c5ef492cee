#include "assist/about.h"

#include "ground/text.h"

namespace wk {
namespace {

std::string UpdateNumber(const VersionInfo& version) { return PadLeftZeros(std::to_string(version.minor), 2); }

}  // namespace

VersionInfo ProgramVersion() {
    return {WK_VERSION_MAJOR, WK_VERSION_MINOR, WK_PRODUCT_NAME, WK_COMPANY_NAME, WK_FILE_DESCRIPTION};
}

std::string MainWindowCaption(const VersionInfo& version) {
    return "Web Kestrane " + std::string(version.description) + " " + std::to_string(version.major) + "." +
           UpdateNumber(version);
}

std::string AboutText(const VersionInfo& version) {
    const std::string major = std::to_string(version.major);
    return "   Product:    " + std::string(version.product) + " " + major + "\n" +  //
           "   Version:    " + major + "\n" +                                        //
           "   Update:     " + UpdateNumber(version) + "\n" +                        //
           "   Developer:  " + std::string(version.company) + "\n" +                 //
           "   Edition:    " + std::string(version.description);
}

}  // namespace wk
