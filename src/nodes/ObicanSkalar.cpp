#include "nodes/ObicanSkalar.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "nodes/DefinicijaMetoda.h"
#include "nodes/DeklaracijaFunkcije.h"
#include "nodes/DeklaracijaInterfejsa.h"
#include "nodes/DeklaracijaKlase.h"
#include "nodes/GlavaFunkcije.h"

namespace php {

// Integer literals read as a 32-bit long does, saturating at its limits.
static int64_t readInteger(const char* digits, int base) {
    long long v = std::strtoll(digits, nullptr, base);
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return v;
}

ObicanSkalar::ObicanSkalar(const char* token, const Location& loc)
    : ParserBase(loc), value(std::string(), loc.firstLine) {
    const std::string text = token ? token : "";
    if (!text.empty() && (text[0] == '"' || text[0] == '\'')) {
        // Escape sequences are not interpreted.
        value.setString(text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string());
    } else if (!text.empty() && text[0] == '_') {
        // Magic names are told apart by their third letter, and __FUNCTION__
        // from __FILE__ by the fourth.
        char third = text.size() > 2 ? std::toupper(static_cast<unsigned char>(text[2])) : 0;
        char fourth = text.size() > 3 ? std::toupper(static_cast<unsigned char>(text[3])) : 0;
        if (third == 'L') {
            value.setInteger(loc.firstLine);
        } else {
            magic = third == 'F' && fourth == 'U' ? 'U' : third;
            value.setString(std::string());
        }
    } else if (text.find('.') != std::string::npos) {
        value.setFloat(std::strtod(text.c_str(), nullptr));
    } else if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        value.setInteger(readInteger(text.c_str() + 2, 16));
    } else if (!text.empty() && text[0] == '0') {
        value.setInteger(readInteger(text.c_str(), 8));
    } else {
        value.setInteger(readInteger(text.c_str(), 10));
    }
}

static std::string enclosingTypeName(ParserBase* n) {
    for (; n; n = n->parent) {
        if (auto* k = dynamic_cast<DeklaracijaKlase*>(n)) return k->name;
        if (auto* i = dynamic_cast<DeklaracijaInterfejsa*>(n)) return i->name;
    }
    return std::string();
}

template <class Declaration>
static std::string enclosingHeaderName(ParserBase* n) {
    for (; n; n = n->parent) {
        if (auto* d = dynamic_cast<Declaration*>(n)) {
            auto* header = dynamic_cast<GlavaFunkcije*>(d->header);
            return header ? header->name : std::string();
        }
    }
    return std::string();
}

void ObicanSkalar::link() {
    value.fileName = fileName;
    switch (magic) {
        case 'F':
            value.setString(fileName);
            break;
        case 'C':
            value.setString(enclosingTypeName(parent));
            break;
        case 'U':
            value.setString(enclosingHeaderName<DeklaracijaFunkcije>(parent));
            break;
        case 'M':
            value.setString(enclosingHeaderName<DefinicijaMetoda>(parent));
            break;
        default:
            break;
    }
    staticType = value.type;
}

void ObicanSkalar::check() {}

Value ObicanSkalar::evaluate() { return value; }

Value ObicanSkalar::staticValue() { return value; }

void ObicanSkalar::computeFlow() { seedFlow(); }

void ObicanSkalar::collectChildren(std::vector<ParserBase*>&) {}

}  // namespace php
