#include "platform/ReportOnce.h"

#include <cstdio>
#include <filesystem>
#include <set>

#include "platform/HostPath.h"

void ReportOnce(const std::string& gamePath, const std::string& line) {
    static std::set<std::string> reported;
    std::error_code error;
    std::filesystem::path where = std::filesystem::absolute(HostPath(gamePath), error);
    if (!reported.insert(error ? gamePath : where.string()).second)
        return;
    std::fprintf(stderr, "%s\n", line.c_str());
}
