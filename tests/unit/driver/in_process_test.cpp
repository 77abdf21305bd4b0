#include <gtest/gtest.h>

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver/files.h"
#include "driver/InProcess.h"

using namespace php;

namespace {

bool exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

// End-to-end cases that run "tarnwick case.php" with nothing around it.
std::vector<std::string> plainCases() {
    const std::string root = TARNWICK_SOURCE_DIR "/tests/e2e/cases";
    std::vector<std::string> out;
    DIR* d = opendir(root.c_str());
    if (!d) return out;
    while (dirent* e = readdir(d)) {
        const std::string dir = root + "/" + e->d_name;
        if (e->d_name[0] == '.' || !exists(dir + "/case.php")) continue;
        bool plain = true;
        for (const char* extra : {"/args", "/env", "/wrapper", "/setup.sh"}) plain = plain && !exists(dir + extra);
        if (plain && readAll(dir + "/expected.stderr").find("@INSTALL@") == std::string::npos) out.push_back(dir);
    }
    closedir(d);
    std::sort(out.begin(), out.end());
    return out;
}

std::string expectedOf(const std::string& dir) {
    std::string text = readAll(dir + "/expected.stderr");
    for (size_t at; (at = text.find("@DIR@")) != std::string::npos;) text.replace(at, 5, dir);
    return text;
}

// Analyses the case in its directory as the end-to-end runner does.
std::string analyse(const std::string& dir, int& status) {
    char previous[4096];
    if (!getcwd(previous, sizeof previous) || chdir(dir.c_str()) != 0) return "cannot enter " + dir;
    FILE* out = std::tmpfile();
    status = analyseInProcess("case.php", out);
    std::rewind(out);
    std::string text;
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, out)) > 0;) text.append(buf, n);
    std::fclose(out);
    if (chdir(previous) != 0) ADD_FAILURE() << "cannot return to " << previous;
    return text;
}

// Every plain case, twice over in one process: each run prints exactly what
// the executable prints for it, whatever ran before.
TEST(InProcess, RunsInOneProcessPrintWhatTheExecutablePrints) {
    ASSERT_TRUE(startInProcessRuns(TARNWICK_SOURCE_DIR "/definitions/tarnwick"));
    const std::vector<std::string> cases = plainCases();
    ASSERT_GT(cases.size(), 30u);
    for (int round = 0; round < 2; ++round) {
        for (const std::string& dir : cases) {
            int status = -1;
            const std::string printed = analyse(dir, status);
            EXPECT_EQ(printed, expectedOf(dir)) << dir << " (round " << round << ")";
            EXPECT_EQ(std::to_string(status) + "\n", readAll(dir + "/expected.status")) << dir;
        }
    }
}

}  // namespace
