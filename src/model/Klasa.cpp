#include "model/Klasa.h"

#include <set>
#include <utility>

#include "diagnostics/greske.h"
#include "model/Funkcija.h"
#include "model/SymbolTable.h"

namespace php {

Klasa::Klasa(const std::string& file, int32_t ln, const std::string& name)
    : Type(name), members(new SymbolTable()), fileName(file), line(ln) {}

Klasa::~Klasa() { delete members; }

// Parent chains are walked with a visited set throughout: two declarations
// that extend each other (class A extends B, class B extends A) form a cycle.

void* Klasa::newData() {
    std::vector<Klasa*> chain;
    std::set<const Klasa*> seen;
    for (Klasa* k = this; k && seen.insert(k).second; k = k->parent) chain.push_back(k);
    ObjectData* part = nullptr;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        auto* object = new ObjectData();
        object->klasa = *it;
        object->parentPart = part;
        part = object;
        for (const auto& entry : (*it)->members->variables) object->properties.emplace(entry.first, Value::blank());
    }
    return part;
}

void Klasa::freeData(void* data) {
    auto* part = static_cast<ObjectData*>(data);
    while (part) {
        ObjectData* next = part->parentPart;
        delete part;
        part = next;
    }
}

void* Klasa::cloneData(const void* data) {
    ObjectData* head = nullptr;
    ObjectData** tail = &head;
    for (auto* part = static_cast<const ObjectData*>(data); part; part = part->parentPart) {
        auto* copy = new ObjectData();
        copy->klasa = part->klasa;
        copy->properties = part->properties;
        *tail = copy;
        tail = &copy->parentPart;
    }
    return head;
}

// The source is copied before the target is touched: it may be a part of it.
void Klasa::assignData(void* target, const void* source) {
    if (target == source || !target) return;
    auto* copy = static_cast<ObjectData*>(cloneData(source));
    auto* object = static_cast<ObjectData*>(target);
    if (!copy) {
        freeData(object->parentPart);
        object->parentPart = nullptr;
        object->properties.clear();
        return;
    }
    std::swap(*object, *copy);
    freeData(copy);
}

void* Klasa::convertFrom(Type*, const void*) { return nullptr; }

bool Klasa::conformsTo(const Type* other) const {
    std::set<const Klasa*> seen;
    for (const Klasa* k = this; k && seen.insert(k).second; k = k->parent) {
        if (k == other) return true;
        for (const Klasa* i : k->interfaces)
            if (i == other) return true;
    }
    return false;
}

void (*Klasa::autoloadHook)(const std::string& className) = nullptr;

bool Klasa::isBuiltin() const { return globalBuiltinScope()->findClass(typeName) == this; }

bool Klasa::membersKnown() const {
    std::set<const Klasa*> seen;
    for (const Klasa* k = this; k && seen.insert(k).second; k = k->parent)
        if (!k->defined) return false;
    return true;
}

// The built-in definitions declare no properties (the runtime's objects
// have them: DOMNode::$nodeValue, XMLReader::$value), so a class with a
// built-in ancestor has properties the checker does not know.
bool Klasa::admitsUndeclaredProperty() const {
    if (hasPropertyHandlers || !membersKnown()) return true;
    std::set<const Klasa*> seen;
    for (const Klasa* k = this; k && seen.insert(k).second; k = k->parent)
        if (k->isBuiltin()) return true;
    return false;
}

bool Klasa::admitsUndeclaredMethod() const { return hasCallHandler || !membersKnown(); }

bool Klasa::derivesFrom(const Klasa* ancestor) const {
    std::set<const Klasa*> seen;
    for (const Klasa* k = parent; k && seen.insert(k).second; k = k->parent)
        if (k == ancestor) return true;
    return false;
}

bool Klasa::listsInterfaceNamed(const std::string& interfaceName) const {
    const std::string wanted = toLower(interfaceName);
    std::set<const Klasa*> classes, seen;
    std::vector<const Klasa*> pending;
    for (const Klasa* k = this; k && classes.insert(k).second; k = k->parent)
        pending.insert(pending.end(), k->interfaces.begin(), k->interfaces.end());
    // An interface that extends the wanted one counts: its implementors are
    // instances of the wanted interface too.
    while (!pending.empty()) {
        const Klasa* i = pending.back();
        pending.pop_back();
        if (!i || !seen.insert(i).second) continue;
        if (toLower(i->typeName) == wanted) return true;
        pending.insert(pending.end(), i->interfaces.begin(), i->interfaces.end());
    }
    return false;
}

Value* Klasa::findClassConstant(const std::string& constantName) const {
    std::set<const Klasa*> seen;
    std::vector<const Klasa*> chain;
    for (const Klasa* k = this; k && seen.insert(k).second; k = k->parent) {
        if (Value* v = k->members->findConstant(constantName)) return v;
        chain.push_back(k);
    }
    // The interfaces, nearest class first, each depth first in list order.
    std::vector<const Klasa*> pending;
    for (const Klasa* k : chain) {
        for (auto i = k->interfaces.rbegin(); i != k->interfaces.rend(); ++i) pending.push_back(*i);
        while (!pending.empty()) {
            const Klasa* i = pending.back();
            pending.pop_back();
            if (!i || !seen.insert(i).second) continue;
            if (Value* v = i->members->findConstant(constantName)) return v;
            for (auto e = i->interfaces.rbegin(); e != i->interfaces.rend(); ++e) pending.push_back(*e);
        }
    }
    return nullptr;
}

void Klasa::checkHeritage() {
    if (!defined || heritageChecked) return;
    // Set first: loading a parent through "__autoload" may come back here.
    heritageChecked = true;
    if (parent && !parent->defined) {
        if (autoloadHook) autoloadHook(parent->typeName);
        if (!parent->defined)
            semanticList().push_back(new greske::NedefinisanaBaznaKlasa(parent->typeName, fileName, line));
    }
    if (parent && parent->defined && parent->isFinal)
        semanticList().push_back(new greske::NasledjivanjeIzFinalKlase(parent->typeName, fileName, line));
    for (Klasa* i : interfaces) {
        if (!i->defined)
            semanticList().push_back(new greske::NedefinisanInterfejs(i->typeName, fileName, line));
        else if (!i->isInterface)
            semanticList().push_back(new greske::ImplementacijaNeinterfejsa(i->typeName, fileName, line));
    }
}

void Klasa::resolve() {
    if (!defined || resolved || resolving) return;
    resolving = true;
    checkHeritage();
    // A parent that is being resolved further up is this class itself
    // through a cycle: nothing is copied from it.
    if (parent && !parent->resolving) {
        parent->resolve();
        inheritFrom(parent);
    }
    for (Klasa* i : interfaces) i->resolve();
    if (!isInterface) checkObligations();
    resolving = false;
    resolved = true;
}

void Klasa::inheritFrom(Klasa* base) {
    const bool builtin = base->isBuiltin();
    const int32_t baseLine = builtin ? -1 : base->line;
    const std::string baseFile = builtin ? std::string() : base->fileName;
    for (const auto& entry : base->members->variables) {
        const AccessInfo<Value>& inherited = entry.second;
        if (inherited.accessFlags & AccessInfo<Value>::Private) continue;
        if (members->variables.count(entry.first)) {
            semanticList().push_back(new greske::RedefinicijaNasledjenogAtributa(baseLine, baseFile, entry.first,
                                                                                base->typeName, fileName, line));
            continue;
        }
        // Entered as it is: the Value stays bound to the table that declared it.
        AccessInfo<Value> copy(inherited.item);
        copy.accessFlags = inherited.accessFlags & (AccessInfo<Value>::Protected | AccessInfo<Value>::Static);
        members->variables.emplace(entry.first, copy);
    }
    for (const auto& entry : base->members->functions) {
        const AccessInfo<Funkcija>& inherited = entry.second;
        if (inherited.accessFlags & AccessInfo<Funkcija>::Private) continue;
        if (AccessInfo<Funkcija>* own = members->functionEntry(entry.first)) {
            if (own->isPublic() != inherited.isPublic()) {
                const std::string name = inherited.item ? inherited.item->name : entry.first;
                semanticList().push_back(new greske::PromenaPristupaNasledjenomMetodu(baseLine, baseFile, name,
                                                                                     base->typeName, fileName, line));
            }
            continue;
        }
        AccessInfo<Funkcija> copy(inherited.item);
        copy.accessFlags = inherited.accessFlags & AccessInfo<Funkcija>::Protected;
        members->functions.emplace(entry.first, copy);
        if (entry.first == "__get" || entry.first == "__set") hasPropertyHandlers = true;
        if (entry.first == "__call") hasCallHandler = true;
    }
}

void Klasa::checkObligations() {
    for (Klasa* i : interfaces) {
        // The class itself, met again through "implements": nothing to check.
        if (i->resolving) continue;
        const bool builtin = i->isBuiltin();
        const int32_t iLine = builtin ? -1 : i->line;
        const std::string iFile = builtin ? std::string() : i->fileName;
        for (const auto& entry : i->members->functions) {
            const std::string name = entry.second.item ? entry.second.item->name : entry.first;
            AccessInfo<Funkcija>* own = members->functionEntry(entry.first);
            if (!own)
                semanticList().push_back(
                    new greske::NeimplementiranMetodIzInterfejsa(iLine, iFile, name, i->typeName, fileName, line));
            else if (!own->isPublic())
                semanticList().push_back(
                    new greske::PogresanPristupMetoduIzInterfejsa(iLine, iFile, name, i->typeName, fileName, line));
        }
    }
}

}  // namespace php
