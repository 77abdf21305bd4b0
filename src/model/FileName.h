#pragma once
#include <string>

namespace php {

// A file path shared by every node of a file: the text is interned once and
// copying is a pointer copy (each node carries its file's name).
class FileName {
public:
    FileName() : text_(&emptyText()) {}
    FileName(const std::string& s) : text_(intern(s)) {}  // NOLINT: implicit by design
    FileName(const char* s) : text_(intern(s)) {}        // NOLINT
    FileName& operator=(const std::string& s) {
        text_ = intern(s);
        return *this;
    }
    FileName& operator=(const char* s) {
        text_ = intern(s);
        return *this;
    }

    operator const std::string&() const { return *text_; }  // NOLINT
    const std::string& str() const { return *text_; }
    const char* c_str() const { return text_->c_str(); }
    bool empty() const { return text_->empty(); }
    size_t size() const { return text_->size(); }

    friend bool operator==(const FileName& a, const FileName& b) { return a.text_ == b.text_; }
    friend bool operator!=(const FileName& a, const FileName& b) { return a.text_ != b.text_; }
    friend bool operator==(const FileName& a, const std::string& b) { return *a.text_ == b; }
    friend bool operator!=(const FileName& a, const std::string& b) { return *a.text_ != b; }
    friend bool operator==(const FileName& a, const char* b) { return *a.text_ == b; }
    friend bool operator!=(const FileName& a, const char* b) { return *a.text_ != b; }
    friend std::string operator+(const FileName& a, const std::string& b) { return *a.text_ + b; }
    friend std::string operator+(const FileName& a, const char* b) { return *a.text_ + b; }

private:
    static const std::string& emptyText();
    static const std::string* intern(const std::string& s);
    const std::string* text_;
};

// The same interning for other text kept by the million, such as the names in
// the name records of the variable analysis.
using InternedText = FileName;

}  // namespace php
