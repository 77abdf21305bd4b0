#pragma once
#include <string>
#include <vector>

#include "tree/ParserBase.h"

namespace php {

class Klasa;

// A class declaration: "[abstract|final] class Name [extends P] [implements I, J] { ... }".
class DeklaracijaKlase : public ParserBase {
public:
    ParserBase* modifier = nullptr;    // OpcDirektivaZaNasledjivanje
    std::string name;                  // as written
    ParserBase* extends = nullptr;     // Nasledjivanje
    ParserBase* implements = nullptr;  // ListaImplementacija
    ParserBase* body = nullptr;        // DefinicijeUKlasi; null for an empty body
    Klasa* klasa = nullptr;            // not owned; set when the class is registered

    DeklaracijaKlase(ParserBase* opcDirektivaZaNasledjivanje, const char* text, const Location& loc,
                     ParserBase* identifikator, ParserBase* nasledjivanje, ParserBase* listaImplementacija,
                     const char* lbraceText, const Location& lbraceLoc, ParserBase* definicijeUKlasi,
                     const char* rbraceText, const Location& rbraceLoc);
    ~DeklaracijaKlase() override;

    void link() override;
    void check() override;
    Value evaluate() override;
    static constexpr int Kind = 41;
    int kind() const override { return Kind; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;
    // A class body sees no definitions of the code around it.
    void addPredecessor(ParserBase* node) override;
    void addPredecessors(const NodeSet* nodes) override;
    SymbolTable* enclosingScope() override;
    Klasa* declaredClass() override;

    // Shared with interface declarations.

    // The redefinition rules and the registration of a declared name: a
    // built-in or an earlier defined class of that name is reported and the
    // declaration gets an unregistered class; a placeholder is taken over;
    // otherwise a new class is entered.
    static Klasa* declare(ParserBase* declaration, const std::string& name);
    // Appends the classes named by an implements or interface-extends list
    // to `klasa->interfaces`; `list` is the clause node (its place is the
    // list's place), `names` its ListaKlasa.
    static void attachInterfaces(Klasa* klasa, ParserBase* list, ParserBase* names);
    // Declares the class constants among the body items into the class.
    static void declareConstants(Klasa* klasa, const std::vector<ParserBase*>& items);
    // Sets the handler flags from the class's own methods.
    static void noteHandlers(Klasa* klasa);
};

}  // namespace php
