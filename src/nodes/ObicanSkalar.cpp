#include "nodes/ObicanSkalar.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "nodes/DefinicijaMetoda.h"
#include "nodes/DeklaracijaFunkcije.h"
#include "nodes/DeklaracijaInterfejsa.h"
#include "nodes/DeklaracijaKlase.h"
#include "nodes/GlavaFunkcije.h"
#include "tree/NodeCast.h"

namespace php {

// Integer literals read as a 32-bit long does, saturating at its limits.
static int64_t readInteger(const char* digits, int base) {
    long long v = std::strtoll(digits, nullptr, base);
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return v;
}

// Read in place from the token: string literals run to kilobytes in some
// files, and copying each a few times cost more than the rest of the node.
ObicanSkalar::ObicanSkalar(const char* token, const Location& loc) : ParserBase(loc) {
    const std::string_view text = token ? token : "";
    if (!text.empty() && (text[0] == '"' || text[0] == '\'')) {
        // Escape sequences are not interpreted.
        setString(text.size() >= 2 ? std::string(text.substr(1, text.size() - 2)) : std::string());
    } else if (!text.empty() && text[0] == '_') {
        // Magic names are told apart by their third letter, and __FUNCTION__
        // from __FILE__ by the fourth.
        char third = text.size() > 2 ? std::toupper(static_cast<unsigned char>(text[2])) : 0;
        char fourth = text.size() > 3 ? std::toupper(static_cast<unsigned char>(text[3])) : 0;
        if (third == 'L') {
            integer_ = loc.firstLine;
        } else {
            magic = third == 'F' && fourth == 'U' ? 'U' : third;
            setString(std::string());
        }
    } else if (text.find('.') != std::string_view::npos) {
        setFloat(std::strtod(token, nullptr));
    } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        integer_ = readInteger(token + 2, 16);
    } else if (!text.empty() && text[0] == '0') {
        integer_ = readInteger(token, 8);
    } else {
        integer_ = readInteger(text.empty() ? "" : token, 10);
    }
}

static_assert(sizeof(void*) != 8 || sizeof(ObicanSkalar) <= 88, "a literal grew");

ObicanSkalar::~ObicanSkalar() {
    if (form_ == Form::String) delete string_;
}

void ObicanSkalar::setFloat(double d) {
    if (form_ == Form::String) delete string_;
    form_ = Form::Float;
    float_ = d;
}

void ObicanSkalar::setString(std::string s) {
    if (form_ == Form::String) {
        *string_ = std::move(s);
        return;
    }
    string_ = new std::string(std::move(s));
    form_ = Form::String;
}

// The same Value the literal always stood for: placed at its line, in its
// file once linked, holding the literal.
Value ObicanSkalar::build() const {
    Value v(std::string(), location.firstLine);
    if (linked_) v.fileName = fileName;
    switch (form_) {
        case Form::Integer:
            v.setInteger(integer_);
            break;
        case Form::Float:
            v.setFloat(float_);
            break;
        case Form::String:
            v.setString(*string_);
            break;
    }
    return v;
}

static std::string enclosingTypeName(ParserBase* n) {
    for (; n; n = n->parent) {
        if (auto* k = nodeAs<DeklaracijaKlase>(n)) return k->name;
        if (auto* i = nodeAs<DeklaracijaInterfejsa>(n)) return i->name;
    }
    return std::string();
}

template <class Declaration>
static std::string enclosingHeaderName(ParserBase* n) {
    for (; n; n = n->parent) {
        if (auto* d = dynamic_cast<Declaration*>(n)) {
            auto* header = nodeAs<GlavaFunkcije>(d->header);
            return header ? header->name : std::string();
        }
    }
    return std::string();
}

void ObicanSkalar::link() {
    linked_ = true;
    switch (magic) {
        case 'F':
            setString(fileName);
            break;
        case 'C':
            setString(enclosingTypeName(parent));
            break;
        case 'U':
            setString(enclosingHeaderName<DeklaracijaFunkcije>(parent));
            break;
        case 'M':
            setString(enclosingHeaderName<DefinicijaMetoda>(parent));
            break;
        default:
            break;
    }
    staticType = form_ == Form::Integer ? integerType() : form_ == Form::Float ? floatType() : stringType();
}

void ObicanSkalar::check() {}

Value ObicanSkalar::evaluate() { return build(); }

Value ObicanSkalar::staticValue() { return build(); }

void ObicanSkalar::computeFlow() { seedFlow(); }

void ObicanSkalar::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
