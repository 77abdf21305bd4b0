#pragma once
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <new>

#include "tree/NodePool.h"

namespace php {

class ParserBase;

// A set of nodes in insertion order, so that nothing that walks it depends on
// where the nodes were allocated. Predecessor and exit sets hold one or two
// nodes almost always, so the first two live inside the set itself and a
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
        data_[size_++] = node;
        return true;
    }
    size_t count(ParserBase* node) const {
        for (uint32_t i = 0; i < size_; ++i)
            if (data_[i] == node) return 1;
        return 0;
    }
    bool empty() const { return size_ == 0; }
    bool operator==(const NodeSet& other) const {
        if (size_ != other.size_) return false;
        for (uint32_t i = 0; i < size_; ++i)
            if (data_[i] != other.data_[i]) return false;
        return true;
    }
    size_t size() const { return size_; }
    ParserBase* const* begin() const { return data_; }
    ParserBase* const* end() const { return data_ + size_; }
    void clear() {
        if (data_ != inline_) std::free(data_);
        data_ = inline_;
        size_ = 0;
        capacity_ = 2;
    }

private:
    void grow() {
        uint32_t cap = capacity_ * 2;
        auto** fresh = static_cast<ParserBase**>(std::malloc(sizeof(ParserBase*) * cap));
        if (!fresh) throw std::bad_alloc();
        for (uint32_t i = 0; i < size_; ++i) fresh[i] = data_[i];
        if (data_ != inline_) std::free(data_);
        data_ = fresh;
        capacity_ = cap;
    }

    ParserBase* inline_[2] = {nullptr, nullptr};
    ParserBase** data_ = inline_;
    uint32_t size_ = 0;
    uint32_t capacity_ = 2;
};

}  // namespace php
