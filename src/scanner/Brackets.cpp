#include "scanner/Brackets.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "diagnostics/Greska.h"
#include "diagnostics/ZagradaManjka.h"
#include "diagnostics/ZagradaViska.h"

namespace php {

namespace {

// Opening lines per bracket kind; they live for the whole run and are emptied
// at every end of input.
std::vector<int32_t> parens, squares, braces;

std::vector<int32_t>& stackFor(char bracket) {
    switch (bracket) {
        case '(':
        case ')':
            return parens;
        case '[':
        case ']':
            return squares;
        default:
            return braces;
    }
}

}  // namespace

void pushBracket(char bracket, int line) { stackFor(bracket).push_back(line); }

int popBracket(char closer, const std::string& fileName, int line) {
    std::vector<int32_t>& stack = stackFor(closer);
    if (stack.empty()) {
        syntaxList().push_back(new greske::ZagradaViska(closer, fileName, line));
        return 0;
    }
    int entry = stack.back();
    stack.pop_back();
    return entry;
}

void reportUnclosedBrackets(const std::string& fileName, int line) {
    static const char kinds[] = {'(', '[', '{'};
    for (char kind : kinds) {
        std::vector<int32_t>& stack = stackFor(kind);
        for (int32_t entry : stack)
            syntaxList().push_back(new greske::ZagradaManjka(kind, std::abs(entry), fileName, line));
        stack.clear();
    }
}

void clearBrackets() {
    parens.clear();
    squares.clear();
    braces.clear();
}

}  // namespace php
