#include "model/Funkcija.h"

#include "model/SymbolTable.h"

namespace php {

Funkcija::Funkcija(const std::string& name, const std::string& file, int32_t line)
    : scope(new SymbolTable()), fileName(file), line(line), name(name) {}

Funkcija::~Funkcija() {
    delete signature;
    delete scope;
}

}  // namespace php
