#include "model/Klasa.h"

#include <set>
#include <utility>

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

}  // namespace php
