#include "runner/Finding.h"

#include <sys/stat.h>

#include <cstring>

namespace runner {

std::string Finding::rendered() const {
    return file + "(" + std::to_string(line) + "): " + message;
}

bool Finding::operator<(const Finding& o) const {
    if (file != o.file) return file < o.file;
    if (line != o.line) return line < o.line;
    return message < o.message;  // the rendered texts differ only here
}

bool parseFindingLine(const std::string& text, Finding& out) {
    // A "(digits): " ends the file name. A name may hold such a sequence
    // itself, and so may a message (a quoted constant name): the split that
    // leaves an existing file before it is the right one; failing that, the
    // first, since messages holding one are the rarer case.
    bool found = false;
    for (size_t open = text.find('('); open != std::string::npos; open = text.find('(', open + 1)) {
        size_t i = open + 1;
        if (i < text.size() && text[i] == '-') ++i;
        size_t digits = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        if (i == digits || i - digits > 10) continue;
        if (text.compare(i, 3, "): ") != 0) continue;
        Finding candidate;
        candidate.file = text.substr(0, open);
        candidate.line = std::stol(text.substr(open + 1, i - open - 1));
        candidate.message = text.substr(i + 3);
        struct stat st;
        const bool exists = ::stat(candidate.file.c_str(), &st) == 0 && S_ISREG(st.st_mode);
        if (!found || exists) out = std::move(candidate);
        found = true;
        if (exists) break;
    }
    return found;
}

ParsedOutput parseCheckerOutput(const std::string& text) {
    ParsedOutput result;
    bool lastWasFinding = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line[0] == '\t' && lastWasFinding) {
            result.findings.back().message += "\n" + line;
            continue;
        }
        Finding f;
        if (parseFindingLine(line, f)) {
            result.findings.push_back(std::move(f));
            lastWasFinding = true;
        } else {
            result.otherLines.push_back(line);
            lastWasFinding = false;
        }
    }
    // The checker prints two sorted runs, syntax findings first: the first
    // step back in order starts the second. (With no step back, the whole
    // output is one order and the sections cannot be told apart, nor need be.)
    for (size_t i = 1; i < result.findings.size(); ++i)
        if (result.findings[i] < result.findings[i - 1]) {
            for (size_t j = i; j < result.findings.size(); ++j) result.findings[j].section = 1;
            break;
        }
    return result;
}

namespace {

bool startsWith(const std::string& s, const char* p) { return s.compare(0, std::strlen(p), p) == 0; }
bool endsWith(const std::string& s, const char* p) {
    size_t n = std::strlen(p);
    return s.size() >= n && s.compare(s.size() - n, n, p) == 0;
}
bool contains(const std::string& s, const char* p) { return s.find(p) != std::string::npos; }

const Kind kDuplicateDefault{"duplicate-default", "Default label already defined", "error"};
const Kind kBuiltinRedefinition{"builtin-redefinition", "Redefinition of system symbol'…'", "error"};
const Kind kInheritedProperty{"redefined-inherited-property", "Redefinition of property '…' inherited from '…'", "error"};
const Kind kRedefinition{"redefinition", "Redefinition of '…'", "error"};
const Kind kInternal{"internal-error", "Internal error: '…'", "error"};
const Kind kInterfaceAccess{"interface-method-access", "[PARSER] Interface methods can't have access specification", "error"};
const Kind kUndeclaredProperty{"undeclared-property", "Undeclared property '…'", "error"};
const Kind kUndeclaredVariable{"undeclared-variable", "Undeclared variable", "error"};
const Kind kArrayElement{"nonexistent-array-element", "Non-existent member of array", "error"};
const Kind kNotObject{"not-object", "'…' is not object", "error"};
const Kind kLoopCall{"call-in-loop-condition", "Performance - function called in condition part of loop", "warning"};
const Kind kSuspiciousLoop{"suspicious-loop", "Suspicious loop (maybe infinite?)", "warning"};
const Kind kUndefinedClass{"undefined-class", "Undefined class '…'", "error"};
const Kind kUnimplementedFunction{"unimplemented-function", "Unimplemented function '…'", "error"};
const Kind kArgumentType{"wrong-argument-type", "Argument … for '…' - expected '…'", "error"};
const Kind kArgumentCount{"wrong-argument-count", "Wrong number of parameters for '…'", "error"};
const Kind kParameterType{"disallowed-parameter-type", "'…' is not allowed as parameter type", "error"};
const Kind kRepeatedInclude{"repeated-include", "File '…' is already included", "error"};
const Kind kIncludePath{"unresolved-include-path", "Couldn't handle include path", "warning"};
const Kind kMissingFile{"missing-include", "Could not open '…'", "error"};
const Kind kNotInIncludePath{"not-in-include-path", "Can't find '…' in include path", "error"};
const Kind kMissingGlobal{"missing-global", "Uninitialized variable '…', or missing 'global'", "error"};
const Kind kNotInterface{"not-interface", "'…' is not interface", "error"};
const Kind kFinalBase{"final-base-class", "Base class '…' is defined as FINAL", "error"};
const Kind kUndefinedBase{"undefined-base-class", "Undefined base class '…'", "error"};
const Kind kUndefinedInterface{"undefined-interface", "Undefined interface '…'", "error"};
const Kind kInterfaceMethodMissing{"unimplemented-interface-method", "Method '…' declared in interface '…' is not implemented", "error"};
const Kind kInterfaceMethodPublic{"interface-method-not-public", "Method '…' declared in '…' is not public", "error"};
const Kind kAccessChange{"access-change", "Access change for method '…' inherited from '…'", "error"};
const Kind kUndefinedConstant{"undefined-constant", "Undefined constant '…' (reported only once)", "error"};
const Kind kUndefinedClassConstant{"undefined-class-constant", "Undefined constant '…'", "error"};
const Kind kUnreachable{"unreachable-code", "Unreachable code", "warning"};
const Kind kNotArray{"not-array", "'…' is not array nor implements ArrayAccess", "error"};
const Kind kUndeclaredFunction{"undeclared-function", "Undeclared function '…'", "error"};
const Kind kInaccessibleMethod{"inaccessible-method", "Method '…' of '…' is not accessible", "error"};
const Kind kUndeclaredMethod{"undeclared-method", "Undeclared method '…'", "error"};
const Kind kNonStaticMethod{"non-static-method", "Method '…' of class '…' is not declared STATIC", "error"};
const Kind kInaccessibleProperty{"inaccessible-property", "Property '…' of '…' is not accessible", "error"};
const Kind kArrayConstant{"array-class-constant", "Array as class constant is not allowed", "error"};
const Kind kNonStaticProperty{"non-static-property", "Property '…' of class '…' is not declared STATIC", "error"};
const Kind kDollars{"static-member-dollars", "Error in number of $s", "error"};
const Kind kMixedReturns{"inconsistent-return", "Some code paths in '…' return value, some don't", "warning"};
const Kind kStrayBracket{"stray-bracket", "[PARSER] One '…' too much", "error"};
const Kind kMissingBracket{"missing-bracket", "[PARSER] Missing '…'", "error"};
const Kind kStringProperty{"string-property-syntax", "[PARSER] Syntax error for property inside string", "error"};
const Kind kStringIndex{"string-index-syntax", "[PARSER] Syntax error for index within string", "error"};
const Kind kSyntax{"syntax-error", "[PARSER] syntax and parser errors", "error"};
const Kind kOther{"other", "other messages", "error"};

}  // namespace

const Kind& kindOf(const std::string& message) {
    const std::string m = message.substr(0, message.find('\n'));
    if (startsWith(m, "[PARSER] ")) {
        if (m == "[PARSER] Interface methods can't have access specification") return kInterfaceAccess;
        if (startsWith(m, "[PARSER] One '")) return kStrayBracket;
        if (startsWith(m, "[PARSER] Missing '")) return kMissingBracket;
        if (startsWith(m, "[PARSER] Syntax error for property inside string")) return kStringProperty;
        if (startsWith(m, "[PARSER] Syntax error for index within string")) return kStringIndex;
        return kSyntax;
    }
    if (m == "Default label already defined") return kDuplicateDefault;
    if (startsWith(m, "Redefinition of system symbol'")) return kBuiltinRedefinition;
    if (startsWith(m, "Redefinition of property '")) return kInheritedProperty;
    if (startsWith(m, "Redefinition of '")) return kRedefinition;
    if (startsWith(m, "Internal error: '")) return kInternal;
    if (startsWith(m, "Undeclared property '")) return kUndeclaredProperty;
    if (m == "Undeclared variable") return kUndeclaredVariable;
    if (m == "Non-existent member of array") return kArrayElement;
    if (m == "Performance - function called in condition part of loop") return kLoopCall;
    if (m == "Suspicious loop (maybe infinite?)") return kSuspiciousLoop;
    if (startsWith(m, "Undefined class '")) return kUndefinedClass;
    if (startsWith(m, "Unimplemented function '")) return kUnimplementedFunction;
    if (m == "Wrong type of argument" || (startsWith(m, "Argument ") && contains(m, "' - expected '")))
        return kArgumentType;
    if (startsWith(m, "Wrong number of parameters for '")) return kArgumentCount;
    if (startsWith(m, "File '") && endsWith(m, "' is already included")) return kRepeatedInclude;
    if (m == "Couldn't handle include path") return kIncludePath;
    if (startsWith(m, "Could not open '")) return kMissingFile;
    if (startsWith(m, "Can't find '") && endsWith(m, "' in include path")) return kNotInIncludePath;
    if (startsWith(m, "Uninitialized variable '")) return kMissingGlobal;
    if (startsWith(m, "Base class '") && endsWith(m, "' is defined as FINAL")) return kFinalBase;
    if (startsWith(m, "Undefined base class '")) return kUndefinedBase;
    if (startsWith(m, "Undefined interface '")) return kUndefinedInterface;
    if (startsWith(m, "Method '")) {
        if (endsWith(m, "' is not implemented")) return kInterfaceMethodMissing;
        if (endsWith(m, "' is not public")) return kInterfaceMethodPublic;
        if (endsWith(m, "' is not accessible")) return kInaccessibleMethod;
        if (endsWith(m, "' is not declared STATIC")) return kNonStaticMethod;
    }
    if (startsWith(m, "Property '")) {
        if (endsWith(m, "' is not accessible")) return kInaccessibleProperty;
        if (endsWith(m, "' is not declared STATIC")) return kNonStaticProperty;
    }
    if (startsWith(m, "Access change for method '")) return kAccessChange;
    if (startsWith(m, "Undefined constant '"))
        return endsWith(m, "' (reported only once)") ? kUndefinedConstant : kUndefinedClassConstant;
    if (m == "Unreachable code") return kUnreachable;
    if (startsWith(m, "Undeclared function '")) return kUndeclaredFunction;
    if (startsWith(m, "Undeclared method '")) return kUndeclaredMethod;
    if (m == "Array as class constant is not allowed") return kArrayConstant;
    if (m == "Error in number of $s") return kDollars;
    if (startsWith(m, "Some code paths in '")) return kMixedReturns;
    if (startsWith(m, "'")) {
        if (endsWith(m, "' is not object")) return kNotObject;
        if (contains(m, "' is not allowed as parameter type")) return kParameterType;
        if (endsWith(m, "' is not interface")) return kNotInterface;
        if (endsWith(m, "' is not array nor implements ArrayAccess")) return kNotArray;
    }
    return kOther;
}

}  // namespace runner
