#pragma once
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <new>

#include "tree/NodePool.h"

namespace php {

class ParserBase;

// The pooled storage of NodeSet and NodeVector: a size, a capacity and the
// node pointers after them.
struct NodeBlock {
    uint32_t size;
    uint32_t capacity;

    static NodeBlock* make(uint32_t capacity) {
        auto* b = static_cast<NodeBlock*>(allocateNode(bytes(capacity)));
        b->size = 0;
        b->capacity = capacity;
        return b;
    }
    // A block of twice the capacity holding the same nodes; `old` is released.
    static NodeBlock* grown(NodeBlock* old) {
        NodeBlock* fresh = make(old->capacity * 2);
        for (uint32_t i = 0; i < old->size; ++i) fresh->items()[i] = old->items()[i];
        fresh->size = old->size;
        release(old);
        return fresh;
    }
    static void release(NodeBlock* b) { releaseNode(b, bytes(b->capacity)); }
    ParserBase** items() { return reinterpret_cast<ParserBase**>(this + 1); }
    ParserBase* const* items() const { return reinterpret_cast<ParserBase* const*>(this + 1); }

private:
    static std::size_t bytes(uint32_t capacity) { return sizeof(NodeBlock) + sizeof(ParserBase*) * capacity; }
};

// A set of nodes in insertion order, so that nothing that walks it depends on
// where the nodes were allocated. Predecessor sets hold one node almost
// always and there is one inside every node, so the set is one word: the node
// itself, or (with the low bit set, nodes being aligned) a pooled block of
// more; a membership test is a short scan.
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
        if (!one_) {
            one_ = node;
            return true;
        }
        NodeBlock* b = block();
        if (!b) {
            b = NodeBlock::make(2);
            b->items()[0] = one_;
            b->size = 1;
            setBlock(b);
        } else if (b->size == b->capacity) {
            b = NodeBlock::grown(b);
            setBlock(b);
        }
        b->items()[b->size++] = node;
        return true;
    }
    size_t count(ParserBase* node) const {
        for (ParserBase* n : *this)
            if (n == node) return 1;
        return 0;
    }
    bool empty() const { return one_ == nullptr; }
    bool operator==(const NodeSet& other) const {
        if (size() != other.size()) return false;
        for (size_t i = 0; i < size(); ++i)
            if (begin()[i] != other.begin()[i]) return false;
        return true;
    }
    size_t size() const {
        if (const NodeBlock* b = block()) return b->size;
        return one_ ? 1 : 0;
    }
    ParserBase* const* begin() const {
        if (const NodeBlock* b = block()) return b->items();
        return &one_;
    }
    ParserBase* const* end() const { return begin() + size(); }
    void clear() {
        if (NodeBlock* b = block()) NodeBlock::release(b);
        one_ = nullptr;
    }

private:
    NodeBlock* block() const {
        const auto bits = reinterpret_cast<std::uintptr_t>(one_);
        return (bits & 1) != 0 ? reinterpret_cast<NodeBlock*>(bits & ~std::uintptr_t(1)) : nullptr;
    }
    void setBlock(NodeBlock* b) { one_ = reinterpret_cast<ParserBase*>(reinterpret_cast<std::uintptr_t>(b) | 1); }

    ParserBase* one_ = nullptr;  // the single node, or the tagged block
};

// A vector of nodes (null entries allowed) in one word: null while empty,
// else a pooled block. For node fields that are almost always empty, where a
// std::vector would cost three words in every node.
class NodeVector {
public:
    NodeVector() = default;
    NodeVector(const NodeVector&) = delete;
    NodeVector& operator=(const NodeVector&) = delete;
    NodeVector(NodeVector&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
    NodeVector& operator=(NodeVector&& other) noexcept {
        if (this != &other) {
            clear();
            block_ = other.block_;
            other.block_ = nullptr;
        }
        return *this;
    }
    ~NodeVector() { clear(); }

    void push_back(ParserBase* node) {
        if (!block_)
            block_ = NodeBlock::make(1);
        else if (block_->size == block_->capacity)
            block_ = NodeBlock::grown(block_);
        block_->items()[block_->size++] = node;
    }
    size_t size() const { return block_ ? block_->size : 0; }
    bool empty() const { return size() == 0; }
    ParserBase* operator[](size_t i) const { return begin()[i]; }
    ParserBase* const* begin() const { return block_ ? block_->items() : nullptr; }
    ParserBase* const* end() const { return begin() + size(); }
    void clear() {
        if (block_) NodeBlock::release(block_);
        block_ = nullptr;
    }

private:
    NodeBlock* block_ = nullptr;
};

}  // namespace php
