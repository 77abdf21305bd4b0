#include "driver/InProcess.h"

#include "diagnostics/Greska.h"
#include "driver/Driver.h"
#include "driver/Funkcije.h"
#include "driver/RunState.h"
#include "model/Funkcija.h"
#include "tree/Start.h"

namespace php {

namespace {

// Diagnostics the definitions gave; a run keeps them, as the executable does.
size_t syntaxBaseline = 0;
size_t semanticBaseline = 0;
bool started = false;

void truncate(std::vector<Greska*>& list, size_t keep) {
    for (size_t i = keep; i < list.size(); ++i) delete list[i];
    if (list.size() > keep) list.resize(keep);
}

void forgetRun() {
    truncate(syntaxList(), syntaxBaseline);
    truncate(semanticList(), semanticBaseline);
    while (!roots().empty()) releaseCurrentRoot();
    RunState* state = runState();
    state->includeDirectories.clear();
    state->userFileDirectory.clear();
    forgetDefiningCalls();
    Funkcija::currentCallSite = nullptr;
}

}  // namespace

bool startInProcessRuns(const std::string& executable) {
    if (started) return true;
    if (!loadDefinitions(executable)) return false;
    syntaxBaseline = syntaxList().size();
    semanticBaseline = semanticList().size();
    started = true;
    return true;
}

int analyseInProcess(const std::string& path, std::FILE* out) {
    int status = 3;
    if (prepareUserFile(path)) status = analyseAndReport(path, out);
    forgetRun();
    return status;
}

}  // namespace php
