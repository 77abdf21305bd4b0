#include "nodes/IncludeNode.h"

#include <algorithm>

#include "diagnostics/DvostrukiInclude.h"
#include "diagnostics/FensiPutanjaZaInclude.h"
#include "diagnostics/Greska.h"
#include "diagnostics/NepostojeciFajl.h"
#include "diagnostics/NepostojeciFajlKrozIncludePath.h"
#include "driver/RunState.h"
#include "model/Funkcija.h"
#include "model/SymbolTable.h"
#include "model/UtilFunkcija.h"
#include "nodes/ListaNaredbi.h"
#include "tree/FileIncludedException.h"
#include "tree/FileNotFoundException.h"
#include "tree/Start.h"

namespace php {

IncludeNode::IncludeNode(const Location& keywordLocation, ParserBase* p, bool once)
    : ParserBase(keywordLocation), once(once) {
    path = adopt(p);
}

IncludeNode::~IncludeNode() {
    delete path;
    delete included;
}

// An autoload body is analysed only when a class is looked for, with the
// class name bound: including it while linking would read a file for a name
// that is not known yet, and enter it as read by this node.
void IncludeNode::link() {
    linkChild(path);
    staticType = integerType();
    autoloadBody = findAutoloadBody();
    if (!autoloadBody) graft(findAndRead(true));
}

void IncludeNode::check() {
    checkAndAbsorb(path);
    // Asked again: the function's name may have been settled after its body
    // was linked.
    if (!autoloadBody) autoloadBody = findAutoloadBody();
    if (autoloadBody) {
        // Whatever the first pass grafted is dropped, not analysed; it stays
        // allocated, as the map of read files may point into it.
        included = nullptr;
        // Each simulated call may name another file; what it reads becomes
        // code of the user's file, so its classes and functions are global.
        appendToUserFile(findAndRead(false));
        return;
    }
    // A file read in the first pass is never read again (it would meet its
    // own entry and be reported as included twice).
    if (!included && !fileRead) graft(findAndRead(false));
    checkAndAbsorb(included);
}

Value IncludeNode::evaluate() { return Value(); }

Value IncludeNode::staticValue() { return Value(); }

void IncludeNode::computeFlow() { combineFlow(path, included); }

void IncludeNode::collectChildren(std::vector<ParserBase*>& out) {
    if (path) out.push_back(path);
    if (included) out.push_back(included);
}

static bool isIncludeNode(const ParserBase* n) {
    const int k = n->kind();
    return k == 76 || k == 77 || k == 163 || k == 164;
}

// The walk stops at the nearest enclosing include node, which has the same
// enclosing function and knows the answer: included files nest as deep as
// the includes do, and each walk stays within its own file.
bool IncludeNode::findAutoloadBody() const {
    for (const ParserBase* n = parent; n; n = n->parent) {
        if (isIncludeNode(n)) return static_cast<const IncludeNode*>(n)->autoloadBody;
        if (auto* body = dynamic_cast<const UtilFunkcija*>(n))
            return body->function && toLower(body->function->name) == "__autoload";
    }
    return false;
}

// Works the path out and looks for the file: paths beginning with "." from
// the user file's directory; others as given, then in each include directory.
Start* IncludeNode::findAndRead(bool inLink) {
    if (!path) return nullptr;
    Value value = path->staticValue();
    if (!value.type) {
        report(new greske::FensiPutanjaZaInclude(fileName, location.firstLine), inLink);
        return nullptr;
    }
    value.convertTo(stringType());
    const std::string text = value.asString();
    if (text.empty()) return nullptr;
    if (!inLink) withdrawLinkReports();

    RunState* state = runState();
    if (text[0] == '.') {
        const std::string candidate = state->userFileDirectory + "/" + text;
        try {
            return read(candidate);
        } catch (const FileNotFoundException&) {
            report(new greske::NepostojeciFajl(candidate, fileName, location.firstLine), inLink);
        } catch (const FileIncludedException& e) {
            reportRepeat(candidate, e.node, inLink);
        }
        return nullptr;
    }
    try {
        return read(text);
    } catch (const FileIncludedException& e) {
        reportRepeat(text, e.node, inLink);
        return nullptr;
    } catch (const FileNotFoundException&) {
    }
    std::vector<std::string> directories = state->includeDirectories;
    // PHP 5 also looks in the directory of the file that includes, last: a
    // library file including its neighbour by a bare name is found.
    const std::string& own = fileName.str();
    const size_t slash = own.rfind('/');
    if (text[0] != '/' && slash != std::string::npos && slash > 0) {
        const std::string ownDirectory = own.substr(0, slash);
        if (std::find(directories.begin(), directories.end(), ownDirectory) == directories.end())
            directories.push_back(ownDirectory);
    }
    for (const std::string& directory : directories) {
        const std::string candidate = text[0] == '/' ? directory + text : directory + "/" + text;
        try {
            return read(candidate);
        } catch (const FileNotFoundException&) {
        } catch (const FileIncludedException& e) {
            reportRepeat(candidate, e.node, inLink);
            return nullptr;
        }
    }
    report(new greske::NepostojeciFajlKrozIncludePath(text, fileName, location.firstLine), inLink);
    return nullptr;
}

Start* IncludeNode::read(const std::string& candidate) {
    Start* root = parseIncludedFile(candidate);
    fileRead = true;
    return root;
}

// The included statements keep their own file name (the root passed it on).
void IncludeNode::graft(Start* root) {
    if (root) included = root->unwrap();
    if (!included) return;
    included->parent = this;
    included->addPredecessor(this);
    included->link();
    included->computeFlowIfAnalysing();
}

void IncludeNode::appendToUserFile(Start* root) {
    ParserBase* statements = root ? root->unwrap() : nullptr;
    if (!statements) return;
    auto* user = roots().empty() ? nullptr : dynamic_cast<Start*>(roots().front());
    auto* list = user ? dynamic_cast<ListaNaredbi*>(user->statements) : nullptr;
    if (list) {
        list->appendAtFileLevel(statements);
        return;
    }
    // Only without a user file list (outside a run): analyse them here. A
    // second such list stays allocated; the map of read files may point into it.
    if (included) return;
    included = statements;
    graft(nullptr);
    checkAndAbsorb(included);
}

void IncludeNode::report(Greska* finding, bool inLink) {
    auto& list = semanticList();
    if (inLink) linkReports.push_back({finding, list.size()});
    list.push_back(finding);
}

void IncludeNode::reportRepeat(const std::string& candidate, const ParserBase* first, bool inLink) {
    if (once) return;
    report(new greske::DvostrukiInclude(first->location.firstLine, first->fileName, candidate, fileName,
                                        location.firstLine),
           inLink);
}

void IncludeNode::withdrawLinkReports() {
    auto& list = semanticList();
    for (const LinkReport& r : linkReports) {
        for (size_t i = std::min(r.index + 1, list.size()); i-- > 0;) {
            if (list[i] != r.report) continue;
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
            delete r.report;
            break;
        }
    }
    linkReports.clear();
}

}  // namespace php
