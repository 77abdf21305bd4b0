#pragma once
#include <string>
#include <vector>

#include "tree/ParserBase.h"

namespace php::testing {

// A leaf node for the expression tests: it reports its destruction, logs
// when it is linked or evaluated, and answers with a preset type and value.
class Probe : public ParserBase {
public:
    std::string tag;
    std::vector<std::string>* log = nullptr;
    bool* destroyed = nullptr;
    int unwrapCalls = 0;
    Value result;
    Type* presetType = nullptr;

    explicit Probe(std::string t = "probe", std::vector<std::string>* l = nullptr)
        : tag(std::move(t)), log(l) {}
    ~Probe() override {
        if (destroyed) *destroyed = true;
    }

    void link() override {
        staticType = presetType;
        record("link");
    }
    void check() override {}
    Value evaluate() override {
        record("evaluate");
        return result;
    }
    Value staticValue() override {
        record("static");
        return result;
    }
    ParserBase* unwrap() override {
        ++unwrapCalls;
        return this;
    }
    void computeFlow() override { seedFlow(); }
    void collectChildren(std::vector<ParserBase*>&) override {}

private:
    void record(const char* what) {
        if (log) log->push_back(tag + ":" + what);
    }
};

inline Location at(int32_t line) { return Location(line, 0, line, 0); }

}  // namespace php::testing
