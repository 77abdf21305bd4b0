#include "diagnostics/Greska.h"

namespace php {

std::string locationText(const std::string& file, int32_t line) {
    return file + "(" + std::to_string(line) + ")";
}

std::string Greska::prefix() const { return locationText(file, line) + ": "; }

std::vector<Greska*>& syntaxList() {
    static std::vector<Greska*>* list = new std::vector<Greska*>();
    return *list;
}

std::vector<Greska*>& semanticList() {
    static std::vector<Greska*>* list = new std::vector<Greska*>();
    return *list;
}

}  // namespace php
