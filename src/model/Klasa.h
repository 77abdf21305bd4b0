#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/Type.h"
#include "model/Value.h"

namespace php {

class SymbolTable;
class Klasa;

// Storage of an object: its class, the part built for the parent class, and
// one Value per property entered in the class's table.
struct ObjectData {
    Klasa* klasa = nullptr;
    ObjectData* parentPart = nullptr;  // owned
    std::map<std::string, Value> properties;
};

// A class or interface. Its type name is the class name.
class Klasa : public Type {
public:
    Klasa* parent = nullptr;
    SymbolTable* members;  // owned
    std::vector<Klasa*> interfaces;
    bool isInterface = false;
    std::string fileName;
    int32_t line = -1;
    bool isAbstract = false;
    bool isFinal = false;
    bool defined = true;
    bool hasPropertyHandlers = false;
    bool hasCallHandler = false;
    bool resolved = false;
    bool heritageChecked = false;
    // Set while `resolve` runs on this class, so that a class met again
    // through a cycle of parents or interfaces gives nothing more.
    bool resolving = false;

    // Loads a class through the user's "__autoload", called with the class
    // name when a parent is not defined. Installed by the node layer, which
    // knows the analysed files; null leaves undefined parents undefined.
    static void (*autoloadHook)(const std::string& className);

    Klasa(const std::string& file, int32_t line, const std::string& name);
    ~Klasa() override;

    const std::string& name() const { return typeName; }

    void* newData() override;
    void freeData(void* data) override;
    void* cloneData(const void* data) override;
    void assignData(void* target, const void* source) override;
    void* convertFrom(Type* sourceType, const void* sourceData) override;
    bool isObject() const override { return true; }
    bool conformsTo(const Type* other) const override;

    // Heritage check, inherited members and interface obligations; runs
    // once per defined class, does nothing on placeholders.
    void resolve();
    // Parent and interfaces defined, parent not final; runs once.
    void checkHeritage();

    // The walks below mark what they have visited, so cycles in the class
    // graph (class A extends A, interfaces extending each other) end.

    // True when `ancestor` is a proper ancestor through the parent chain.
    bool derivesFrom(const Klasa* ancestor) const;
    // True when this class or a class up its parent chain lists an
    // interface of that name, or one extending it (compared ignoring case).
    bool listsInterfaceNamed(const std::string& interfaceName) const;
    // A class constant of this class, else of its parent chain, else of the
    // interfaces those list and the interfaces these extend; null if none.
    Value* findClassConstant(const std::string& constantName) const;
    // Declared by the built-in definitions: the global built-in scope holds
    // this very class under its name.
    bool isBuiltin() const;
    // False when a class up the parent chain is a placeholder that no
    // declaration took over: members may come from code the checker does not
    // see, so a member that is not found is not reported.
    bool membersKnown() const;
    // Whether a property or method that is not declared may still exist:
    // members not known, "__get"/"__set" or "__call", or a built-in class up
    // the chain, whose properties the definitions do not declare.
    bool admitsUndeclaredProperty() const;
    bool admitsUndeclaredMethod() const;

private:
    void inheritFrom(Klasa* base);
    void checkObligations();
};

}  // namespace php
