#pragma once
#include <string>
#include <vector>

namespace php {

// Process-wide settings of one run.
struct RunState {
    bool definitionsMode = true;
    std::vector<std::string> includeDirectories;
    std::string userFileDirectory;
    std::string installationDirectory;

    void setInstallationDirectory(std::string dir) { installationDirectory = std::move(dir); }
    void setUserFileDirectory(std::string dir) { userFileDirectory = std::move(dir); }
    void appendIncludeDirectory(std::string dir) { includeDirectories.push_back(std::move(dir)); }
};

RunState* runState();

}  // namespace php
