// The precompiled definitions: written from the files, the image reloads to
// the very state it was written from, wherever it is installed; images of
// other files or damaged images are refused and leave the scope empty.
// Each load runs in a child process, since the built-in scope is global.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "driver/files.h"
#include "driver/DefinitionImage.h"
#include "driver/Driver.h"
#include "driver/Funkcije.h"
#include "model/SymbolTable.h"

using namespace php;

namespace {

std::string buildDirectory() {
    const std::string exe = TARNWICK_BINARY;
    return exe.substr(0, exe.rfind('/'));
}

// A fresh directory holding copies of the built definition files.
std::string copyOfDefinitions() {
    char pattern[] = "/tmp/tw-image-XXXXXX";
    const char* dir = mkdtemp(pattern);
    if (!dir) return std::string();
    for (const char* name : {"/class.php", "/function.php", "/constant.php"})
        writeAll(dir + std::string(name), readAll(buildDirectory() + name));
    return dir;
}

void removeDirectory(const std::string& dir) {
    for (const char* name : {"/class.php", "/function.php", "/constant.php", "/definitions.bin"})
        std::remove((dir + name).c_str());
    rmdir(dir.c_str());
}

struct ChildResult {
    bool exitedNormally = false;
    std::string output;
};

// Runs `work` in a child and returns what it wrote.
ChildResult inChild(const std::function<std::string()>& work) {
    int fds[2];
    ChildResult result;
    if (pipe(fds) != 0) return result;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const std::string out = work();
        size_t done = 0;
        while (done < out.size()) {
            const ssize_t n = write(fds[1], out.data() + done, out.size() - done);
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        _exit(0);
    }
    close(fds[1]);
    char buffer[65536];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0) result.output.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitedNormally = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

bool scopeEmpty() {
    SymbolTable* g = globalBuiltinScope();
    return g->variables.empty() && g->functions.empty() && g->constants.empty() && g->classes.empty();
}

// The image of the current built-in scope, for the files in `dir`.
std::string imageOfScope(const std::string& dir) {
    std::string image, why;
    return imageOfBuiltinScope(dir, image, why) ? image : "cannot write: " + why;
}

// Reads the files as PHP, saves the image beside them, returns its bytes.
std::string imageFromFiles(const std::string& dir) {
    return inChild([&] {
               if (!loadDefinitions(dir + "/tarnwick", false)) return std::string("files not read");
               std::string why;
               if (!saveDefinitionImage(dir, why)) return "not saved: " + why;
               return imageOfScope(dir);
           })
        .output;
}

// "loaded" and the image written again, or "refused" (with the scope checked
// to be empty), from the image in `dir`.
ChildResult loadInChild(const std::string& dir) {
    return inChild([&] {
        if (!loadDefinitionImage(dir)) return std::string(scopeEmpty() ? "refused" : "refused, scope not empty");
        attachBuiltinHandlers();
        return "loaded" + imageOfScope(dir);
    });
}

class DefinitionImage : public ::testing::Test {
protected:
    void SetUp() override {
        written = copyOfDefinitions();
        moved = copyOfDefinitions();
        ASSERT_FALSE(written.empty());
        ASSERT_FALSE(moved.empty());
        image = imageFromFiles(written);
        ASSERT_GT(image.size(), 100000u) << image.substr(0, 200);
    }
    void TearDown() override {
        removeDirectory(written);
        removeDirectory(moved);
    }
    std::string written, moved, image;
};

TEST_F(DefinitionImage, ReloadsToTheStateItWasWrittenFromInAnotherDirectory) {
    EXPECT_EQ(readAll(written + "/definitions.bin"), image);
    writeAll(moved + "/definitions.bin", image);
    const ChildResult r = loadInChild(moved);
    ASSERT_TRUE(r.exitedNormally);
    ASSERT_EQ(r.output.substr(0, 6), "loaded") << r.output.substr(0, 200);
    // Paths of the definition files are stored as indexes: the image written
    // again in the new directory is the same bytes.
    EXPECT_TRUE(r.output.substr(6) == image);
    EXPECT_EQ(image.find(written), std::string::npos);
}

TEST_F(DefinitionImage, AnImageOfOtherFilesIsRefused) {
    writeAll(moved + "/definitions.bin", image);
    std::ofstream(moved + "/function.php", std::ios::app) << "function added_later() {}\n";
    EXPECT_EQ(loadInChild(moved).output, "refused");
    std::remove((moved + "/function.php").c_str());
    EXPECT_EQ(loadInChild(moved).output, "refused");
}

TEST_F(DefinitionImage, DamagedImagesAreRefusedOrLoadWithoutHarm) {
    std::vector<std::string> mustRefuse = {std::string(), image.substr(0, 7), image + "x",
                                           std::string(image.size(), '\0')};
    for (size_t cut = 8; cut < image.size(); cut += image.size() / 37) mustRefuse.push_back(image.substr(0, cut));
    for (const std::string& damaged : mustRefuse) {
        writeAll(moved + "/definitions.bin", damaged);
        const ChildResult r = loadInChild(moved);
        EXPECT_TRUE(r.exitedNormally);
        EXPECT_EQ(r.output, "refused") << "image of " << damaged.size() << " bytes";
    }
    // A changed byte may still leave a readable image (a letter of a name);
    // it must never crash, and a refusal must leave nothing behind.
    for (size_t at = 21; at < image.size(); at += image.size() / 97) {
        std::string damaged = image;
        damaged[at] = static_cast<char>(damaged[at] ^ 0xa5);
        writeAll(moved + "/definitions.bin", damaged);
        const ChildResult r = loadInChild(moved);
        EXPECT_TRUE(r.exitedNormally) << "byte " << at;
        EXPECT_TRUE(r.output == "refused" || r.output.substr(0, 6) == "loaded") << "byte " << at << ": "
                                                                              << r.output.substr(0, 40);
    }
}

}  // namespace
