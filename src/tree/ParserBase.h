#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "model/Value.h"
#include "model/FileName.h"
#include "tree/Location.h"
#include "tree/NameRecord.h"
#include "tree/NodePool.h"
#include "tree/NodeSet.h"

namespace php {

class FlowState;
class SymbolTable;
class Type;
class Klasa;
class UtilFunkcija;
class ParserBase;


// Base of every syntax-tree node: location, file, parent, flow state, static
// type, the three name sets of the variable analysis, and the two passes.
class ParserBase {
public:
    Location location;
    FileName fileName;
    ParserBase* parent = nullptr;
    FlowState* flow = nullptr;
    Type* staticType = nullptr;
    NameSet* definitions = nullptr;
    NameSet* usedNames = nullptr;
    NameSet* pendingUses = nullptr;
    NodeSet* predecessors = nullptr;
    NodeSet* exits = nullptr;
    uint8_t lookupGuard = 0;
    // The scope that variable reads at this node live in, remembered by the
    // variable analysis during check (null until asked).
    SymbolTable* readScope = nullptr;

    ParserBase(int32_t firstLine, int32_t firstColumn, int32_t lastLine, int32_t lastColumn);
    ParserBase();
    explicit ParserBase(const ParserBase* other);
    explicit ParserBase(const Location& loc);
    ParserBase(const ParserBase&) = delete;
    static void* operator new(std::size_t size) { return allocateNode(size); }
    static void operator delete(void* p, std::size_t size) noexcept { releaseNode(p, size); }
    ParserBase& operator=(const ParserBase&) = delete;

    // Virtual interface, in slot order.
    virtual ~ParserBase();
    virtual void link() = 0;
    virtual void check() = 0;
    virtual Value evaluate() = 0;
    virtual ParserBase* unwrap();
    virtual Value staticValue();
    virtual FlowState* flowState();
    virtual void computeFlowIfAnalysing();
    virtual int kind() const;
    virtual void computeFlow() = 0;
    virtual void collectChildren(std::vector<ParserBase*>& out) = 0;
    virtual bool isTerminator();
    virtual bool isBranching();
    virtual bool isCallLike();
    virtual bool alwaysLeaves();
    virtual void addPredecessor(ParserBase* node);
    virtual void addPredecessors(const NodeSet* nodes);
    virtual NodeSet* exitNodes();
    virtual void addExitNode(ParserBase* node);
    virtual void addExitNodes(const NodeSet* nodes);
    virtual SymbolTable* enclosingScope();
    virtual Klasa* declaredClass();

    // Tree navigation.
    SymbolTable* rootScope();
    ParserBase* enclosingTypeDeclaration();
    UtilFunkcija* enclosingFunctionBody();

    // Name-flow bookkeeping.
    NameRecord* lookupDefinition(const NameRecord& record);
    void resolveUses(ParserBase* child);
    void absorbChild(ParserBase* child, bool defs, bool used, bool pending);
    void absorbDeclaration(ParserBase* child, bool defs, bool used, bool pending);
    void propagateChild(ParserBase* child, bool defs, bool used, bool pending);
    void absorbDefinitionsOnly(ParserBase* child, bool defs, bool used);
    void addDefinition(const NameRecord& record);
    void addPendingUse(const NameRecord& record);
    void setPendingType(Type* type);
    void setPendingIndexDepth(int32_t depth);
    void collectDefinitions(NameSet& out);
    bool anyInSubtree(bool (*predicate)(ParserBase*, void*), void* argument);

    // Set primitives; an absent (null) set reads as empty.
    static void uniteInto(NameSet*& mine, const NameSet* other);
    static void intersectInto(NameSet*& mine, const NameSet* other);
    void unionDefinitions(const NameSet* s) { uniteInto(definitions, s); }
    void intersectDefinitions(const NameSet* s) { intersectInto(definitions, s); }
    void unionUsedNames(const NameSet* s) { uniteInto(usedNames, s); }
    void intersectUsedNames(const NameSet* s) { intersectInto(usedNames, s); }
    void unionPendingUses(const NameSet* s) { uniteInto(pendingUses, s); }
    void intersectPendingUses(const NameSet* s) { intersectInto(pendingUses, s); }

    // Flow helpers.
    void seedFlow();
    void adoptFlow(ParserBase* child);
    void combineFlow(ParserBase* first, ParserBase* second);
    void sequenceFlow(const std::vector<ParserBase*>& items);

protected:
    // The adoption steps of the first pass for one child (null: nothing).
    void linkChild(ParserBase* child);
    // Second pass for one child: check it, then absorb its names.
    void checkAndAbsorb(ParserBase* child);
    // The common patterns over collectChildren order.
    void linkChildren();
    void checkChildren();
    // Adopts a constructor argument through its unwrap (null stays null).
    static ParserBase* adopt(ParserBase* node) { return node ? node->unwrap() : nullptr; }
    // Drops null entries of a list node's vector.
    static void removeNulls(std::vector<ParserBase*>& items);

    // Lists the grammar builds by extending a list with one more item take
    // over the previous node's items and delete it, so a list of n items costs
    // O(n) and never nests. False when `previous` is not such a list.
    template <class List>
    static bool takeOverItems(List& self, ParserBase* previous) {
        auto* same = dynamic_cast<List*>(previous);
        if (!same) return false;
        self.items = std::move(same->items);
        same->items.clear();
        self.location = same->location;
        delete same;
        return true;
    }
    // The common patterns of list nodes over their items vector.
    void linkItems(std::vector<ParserBase*>& items);
    void checkItems(const std::vector<ParserBase*>& items);
    static void collectItems(const std::vector<ParserBase*>& items, std::vector<ParserBase*>& out);
    static void deleteItems(std::vector<ParserBase*>& items);
};

}  // namespace php
