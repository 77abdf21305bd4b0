#include "driver/Funkcije.h"

#include <map>

#include "diagnostics/DvostrukaDefinicija.h"
#include "diagnostics/Greska.h"
#include "diagnostics/InternaGreska.h"
#include "driver/RunState.h"
#include "model/Funkcija.h"
#include "model/SymbolTable.h"
#include "tree/Start.h"

namespace php {

namespace {

// The call node that defined each constant, so evaluating that call again
// (check, then a parent's static value) is no redefinition.
std::map<const Value*, const void*>& definingCalls() {
    static std::map<const Value*, const void*> calls;
    return calls;
}

struct Handler {
    const char* name;
    std::vector<std::pair<const char*, bool>> parameters;  // name, default false
    CallEvaluator evaluator;
};

}  // namespace

Value dirnameHandler(const std::string&, const std::string&, int32_t, std::vector<Value>& arguments, void*) {
    if (arguments.empty() || !arguments[0].isComputable()) return Value();
    Value path = arguments[0];
    path.convertTo(stringType());
    const std::string text = path.asString();
    const size_t slash = text.rfind('/');
    const size_t backslash = text.rfind('\\');
    size_t separator = slash;
    if (separator == std::string::npos || (backslash != std::string::npos && backslash > separator))
        separator = backslash;
    Value result;
    result.setString(separator == std::string::npos ? std::string(".") : text.substr(0, separator));
    return result;
}

Value defineHandler(const std::string&, const std::string& file, int32_t line, std::vector<Value>& arguments,
                    void*) {
    Value result(file, line);
    result.setBoolean(false);
    if (arguments.size() < 2 || !arguments[0].isComputable()) return result;
    bool caseInsensitive = false;
    if (arguments.size() > 2 && arguments[2].isComputable()) {
        Value flag = arguments[2];
        flag.convertTo(booleanType());
        caseInsensitive = flag.asBoolean();
    }
    SymbolTable* target = nullptr;
    if (runState()->definitionsMode) {
        target = globalBuiltinScope();
    } else {
        if (roots().empty()) return result;
        target = static_cast<Start*>(rootAt(0))->scope;
    }
    Value nameValue = arguments[0];
    nameValue.convertTo(stringType());
    std::string name = nameValue.asString();
    if (caseInsensitive) name = toLower(name);
    Value* existing = target->findConstant(name);
    const void* site = Funkcija::currentCallSite;
    if (!existing) {
        auto* constant = new Value(arguments[1]);
        constant->fileName = file;
        constant->line = line;
        target->addConstant(ConstantKey(name, !caseInsensitive), constant);
        definingCalls()[constant] = site;
    } else if (existing->line < 1) {
        // A placeholder an earlier use left: the definition takes it over.
        existing->assignContent(arguments[1]);
        existing->fileName = file;
        existing->line = line;
        definingCalls()[existing] = site;
    } else {
        auto it = definingCalls().find(existing);
        const bool sameCall = site && it != definingCalls().end() && it->second == site;
        if (!sameCall)
            semanticList().push_back(new greske::DvostrukaDefinicija(existing->line, existing->fileName, name, file,
                                                                     line));
    }
    result.setBoolean(true);
    return result;
}

void forgetDefiningCalls() { definingCalls().clear(); }

void attachBuiltinHandlers() {
    static const Handler handlers[] = {
        {"define", {{"name", false}, {"value", false}, {"case", true}}, &defineHandler},
        {"dirname", {{"dummy", false}}, &dirnameHandler},
    };
    for (const Handler& h : handlers) {
        Funkcija* f = globalBuiltinScope()->findFunction(h.name);
        if (!f) {
            semanticList().push_back(new greske::InternaGreska("funkcije", 108, std::string(), -1));
            continue;
        }
        auto* record = new FunctionSignature();
        record->checkArguments = true;
        for (const auto& p : h.parameters) {
            ParameterInfo info;
            info.name = p.first;
            if (p.second) info.defaultValue.setBoolean(false);
            record->parameters.push_back(std::move(info));
        }
        record->evaluator = h.evaluator;
        delete f->signature;
        f->signature = record;
    }
}

}  // namespace php
