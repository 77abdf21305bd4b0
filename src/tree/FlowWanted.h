#pragma once

namespace php {

// Whether the flow graphs being linked will ever be read. Only the return
// verdict at the end of a function or method body's link reads a graph (the
// body's, which takes in what its statements include while it is linked, and
// is freed right after), so code outside every
// body builds none: on a file of top-level data, such as a table of nested
// array literals, that is a state and its edges saved for nearly every node.
// A body's link sets it for everything linked inside it (nested classes and
// included files too, whose graphs the body's may take in).
class FlowWanted {
public:
    explicit FlowWanted(bool wanted) : previous_(current_) { current_ = wanted; }
    ~FlowWanted() { current_ = previous_; }
    FlowWanted(const FlowWanted&) = delete;
    FlowWanted& operator=(const FlowWanted&) = delete;
    static bool current() { return current_; }

private:
    // Single-threaded, like the rest of the analysis.
    inline static bool current_ = false;
    bool previous_;
};

}  // namespace php
