#pragma once
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <new>

#include "tree/NodePool.h"

namespace php {

class ParserBase;

// A set of nodes in insertion order, so that nothing that walks it depends on
// where the nodes were allocated. Predecessor and exit sets hold one node
// almost always, so that one lives inside the set itself (16 bytes, from the
// node pool: there is one per node); more go to a pooled array and a
// membership test is a short scan.
class NodeSet {
public:
    NodeSet() = default;
    NodeSet(std::initializer_list<ParserBase*> nodes) {
        for (ParserBase* n : nodes) insert(n);
    }
    NodeSet(const NodeSet& other) { *this = other; }
    NodeSet& operator=(const NodeSet& other) {
        if (this == &other) return *this;
        clear();
        for (ParserBase* n : other) insert(n);
        return *this;
    }
    ~NodeSet() { clear(); }
    static void* operator new(std::size_t size) { return allocateNode(size); }
    static void operator delete(void* p, std::size_t size) noexcept { releaseNode(p, size); }

    // False when the node was already present.
    bool insert(ParserBase* node) {
        if (count(node)) return false;
        if (size_ == capacity_) grow();
        data()[size_++] = node;
        return true;
    }
    size_t count(ParserBase* node) const {
        ParserBase* const* d = data();
        for (uint32_t i = 0; i < size_; ++i)
            if (d[i] == node) return 1;
        return 0;
    }
    bool empty() const { return size_ == 0; }
    bool operator==(const NodeSet& other) const {
        if (size_ != other.size_) return false;
        for (uint32_t i = 0; i < size_; ++i)
            if (data()[i] != other.data()[i]) return false;
        return true;
    }
    size_t size() const { return size_; }
    ParserBase* const* begin() const { return data(); }
    ParserBase* const* end() const { return data() + size_; }
    void clear() {
        if (capacity_ > 1) releaseNode(many_, sizeof(ParserBase*) * capacity_);
        one_ = nullptr;
        size_ = 0;
        capacity_ = 1;
    }

private:
    ParserBase* const* data() const { return capacity_ == 1 ? &one_ : many_; }
    ParserBase** data() { return capacity_ == 1 ? &one_ : many_; }
    void grow() {
        uint32_t cap = capacity_ * 2;
        auto** fresh = static_cast<ParserBase**>(allocateNode(sizeof(ParserBase*) * cap));
        ParserBase** old = data();
        for (uint32_t i = 0; i < size_; ++i) fresh[i] = old[i];
        if (capacity_ > 1) releaseNode(many_, sizeof(ParserBase*) * capacity_);
        many_ = fresh;
        capacity_ = cap;
    }

    union {
        ParserBase* one_ = nullptr;
        ParserBase** many_;
    };
    uint32_t size_ = 0;
    uint32_t capacity_ = 1;
};

}  // namespace php
