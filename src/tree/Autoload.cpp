// Loading classes through the user's "__autoload" function.
#include <set>
#include <string>
#include <vector>

#include "model/CheckedCall.h"
#include "model/Funkcija.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "tree/ParserBase.h"
#include "tree/Start.h"

namespace php {

namespace {

// Class names (lower-cased) whose "__autoload" call is running: an
// "__autoload" body that names an unknown class must not call itself again.
std::set<std::string>& namesLoading() {
    static std::set<std::string>* names = new std::set<std::string>();
    return *names;
}

// Calls `root`'s "__autoload" with the class name at the given place; false
// when there is none or it already runs for that name.
bool runAutoload(SymbolTable* root, const std::string& className, const std::string& file, int32_t line) {
    if (!root) return false;
    Funkcija* autoload = root->findFunction("__autoload");
    if (!autoload) return false;
    const std::string key = toLower(className);
    if (!namesLoading().insert(key).second) return false;
    Value argument(file, line);
    argument.setString(className);
    std::vector<Value> arguments{argument};
    checkedCall(autoload, arguments, file, line);
    namesLoading().erase(key);
    return true;
}

// An undefined parent class: the first analysed file's "__autoload", called
// at that file root's file and line.
void autoloadParent(const std::string& className) {
    if (roots().empty()) return;
    auto* root = dynamic_cast<Start*>(rootAt(0));
    if (!root) return;
    runAutoload(root->scope, className, root->fileName, root->location.firstLine);
}

const bool parentAutoloadInstalled = (Klasa::autoloadHook = &autoloadParent, true);

}  // namespace

Klasa* ParserBase::callAutoload(const std::string& className) {
    (void)parentAutoloadInstalled;
    SymbolTable* root = rootScope();
    if (!runAutoload(root, className, fileName, location.firstLine)) return nullptr;
    return root->findClass(className);
}

}  // namespace php
