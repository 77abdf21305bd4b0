#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "tree/ParserBase.h"

namespace php {

// A literal number or string, or one of the magic constants __LINE__,
// __FILE__, __CLASS__, __FUNCTION__ and __METHOD__. Its value is read from the
// token when the node is built; the magic names other than __LINE__ are filled
// in during link, once the file and the enclosing declarations are known.
//
// Literals are numerous, so the node keeps the literal in its plain form and
// builds the Value when asked, rather than embedding a whole Value.
class ObicanSkalar : public ParserBase {
public:
    char magic = 0;  // 'F' __FILE__, 'C' __CLASS__, 'U' __FUNCTION__, 'M' __METHOD__

    ObicanSkalar(const char* text, const Location& location);
    ~ObicanSkalar() override;
    ObicanSkalar(const ObicanSkalar&) = delete;
    ObicanSkalar& operator=(const ObicanSkalar&) = delete;

    // Makes the literal the float d (the grammar's T_DNUMBER).
    void setFloat(double d);

    void link() override;
    void check() override;
    Value evaluate() override;
    Value staticValue() override;
    int kind() const override { return 133; }
    void computeFlow() override;
    void collectChildren(std::vector<ParserBase*>& out) override;

private:
    enum class Form : char { Integer, Float, String };
    Form form_ = Form::Integer;
    // The file the value names: none until link, the node's file from then
    // on (nothing changes a node's file once it is linked).
    bool linked_ = false;
    // One word for the three forms: 88 bytes a literal, which a table of
    // numbers has by the hundred thousand.
    union {
        int64_t integer_ = 0;
        double float_;
        std::string* string_;  // owned; the String form
    };

    void setString(std::string s);
    Value build() const;
};

}  // namespace php
