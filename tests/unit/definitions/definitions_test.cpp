// Checks the generated built-in definitions (definitions/*.php) against the
// rules the checker's grammar and signature building impose on them. The files
// hold one declaration per line (class members one per line inside the class),
// so plain line-oriented reading is enough.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string readFile(const std::string& name) {
    std::ifstream in(std::string(TARNWICK_SOURCE_DIR) + "/definitions/" + name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct Param {
    std::string hint;
    bool byRef = false;
    std::string name;
    bool hasDefault = false;
};

struct Signature {
    std::string name;
    int line = 0;
    bool unchecked = false;  // empty parentheses: calls are not checked
    std::vector<Param> params;
};

struct ClassDecl {
    std::string name;
    int line = 0;
    bool isInterface = false;
    bool isFinal = false;
    std::string parent;
    std::vector<std::string> interfaces;
    std::vector<Signature> methods;
    std::vector<std::string> constants;
    std::vector<std::string> properties;
};

struct Definitions {
    std::vector<ClassDecl> classes;
    std::vector<Signature> functions;
    std::vector<std::pair<std::string, std::string>> constants;  // name, rest of the call
    std::vector<std::string> globals;
    std::vector<std::string> problems;  // lines that fit no known shape
};

// Splits on commas outside quotes and parentheses.
std::vector<std::string> splitTop(const std::string& s) {
    std::vector<std::string> out;
    std::string cur;
    int depth = 0;
    char quote = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (quote) {
            cur += c;
            if (c == '\\' && i + 1 < s.size()) cur += s[++i];
            else if (c == quote) quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') quote = c;
        else if (c == '(') ++depth;
        else if (c == ')') --depth;
        else if (c == ',' && depth == 0) {
            out.push_back(cur);
            cur.clear();
            continue;
        }
        cur += c;
    }
    if (!cur.empty()) out.push_back(cur);
    for (auto& p : out) {
        p.erase(0, p.find_first_not_of(' '));
        p.erase(p.find_last_not_of(' ') + 1);
    }
    return out;
}

bool parseParams(const std::string& list, Signature& sig) {
    static const std::regex param(R"(^(?:([A-Za-z_]\w*) )?(&)?\$([A-Za-z_]\w*)( = .+)?$)");
    sig.unchecked = list.empty();
    for (const auto& item : splitTop(list)) {
        std::smatch m;
        if (!std::regex_match(item, m, param)) return false;
        Param p;
        p.hint = m[1];
        p.byRef = m[2].matched;
        p.name = m[3];
        p.hasDefault = m[4].matched;
        sig.params.push_back(p);
    }
    return true;
}

Signature makeSignature(const std::string& name, int line) {
    Signature sig;
    sig.name = name;
    sig.line = line;
    return sig;
}

ClassDecl makeClass(const std::string& name, int line, bool isInterface, const std::string& parent,
                    std::vector<std::string> interfaces) {
    ClassDecl c;
    c.name = name;
    c.line = line;
    c.isInterface = isInterface;
    c.parent = parent;
    c.interfaces = std::move(interfaces);
    return c;
}

std::vector<std::string> nameList(const std::string& s) {
    std::vector<std::string> out;
    for (auto& n : splitTop(s)) out.push_back(n);
    return out;
}

Definitions readDefinitions(const std::string& classText, const std::string& functionText,
                            const std::string& constantText) {
    Definitions d;
    static const std::regex classHead(
        R"(^(abstract |final )?class (\w+)(?: extends (\w+))?(?: implements ([\w, ]+))? \{$)");
    static const std::regex interfaceHead(R"(^interface (\w+)(?: extends ([\w, ]+))? \{$)");
    static const std::regex method(
        R"(^    (?:(?:public|protected|private)(?: static)?(?: abstract| final)? |static )?function &?(\w+)\((.*)\)(?:;| \{\})$)");
    static const std::regex constant(R"(^    const (\w+) = .+;$)");
    static const std::regex property(R"(^    (?:public|protected|private)(?: static)? \$(\w+);$)");
    static const std::regex function(R"(^function &?(\w+)\((.*)\) \{\}$)");
    static const std::regex define(R"(^define\('([^']+)', (.+)\);$)");
    static const std::regex global(R"(^\$(\w+) = .+;$)");

    auto skippable = [](const std::string& line) {
        return line.empty() || line == "<?php" || line.rfind("//", 0) == 0;
    };

    std::istringstream cs(classText);
    std::string line;
    int n = 0;
    ClassDecl* open = nullptr;
    while (std::getline(cs, line)) {
        ++n;
        std::smatch m;
        if (open) {
            if (line == "}") {
                open = nullptr;
            } else if (std::regex_match(line, m, method)) {
                Signature sig = makeSignature(m[1], n);
                bool interfaceStyle = line.rfind("    function", 0) == 0 || line.rfind("    static function", 0) == 0;
                bool bodiless = line.back() == ';';
                bool isAbstract = line.find(" abstract function ") != std::string::npos;
                if (!parseParams(m[2], sig) || interfaceStyle != open->isInterface ||
                    bodiless != (open->isInterface || isAbstract))
                    d.problems.push_back("class.php:" + std::to_string(n) + ": " + line);
                open->methods.push_back(sig);
            } else if (!open->isInterface && std::regex_match(line, m, constant)) {
                open->constants.push_back(m[1]);
            } else if (!open->isInterface && std::regex_match(line, m, property)) {
                open->properties.push_back(m[1]);
            } else {
                d.problems.push_back("class.php:" + std::to_string(n) + ": " + line);
            }
        } else if (std::regex_match(line, m, classHead)) {
            d.classes.push_back(makeClass(m[2], n, false, m[3], m[4].matched ? nameList(m[4]) : std::vector<std::string>{}));
            d.classes.back().isFinal = m[1] == "final ";
            open = &d.classes.back();
        } else if (std::regex_match(line, m, interfaceHead)) {
            d.classes.push_back(makeClass(m[1], n, true, "", m[2].matched ? nameList(m[2]) : std::vector<std::string>{}));
            open = &d.classes.back();
        } else if (!skippable(line)) {
            d.problems.push_back("class.php:" + std::to_string(n) + ": " + line);
        }
    }
    if (open) d.problems.push_back("class.php: class " + open->name + " is not closed");

    std::istringstream fs(functionText);
    n = 0;
    while (std::getline(fs, line)) {
        ++n;
        std::smatch m;
        if (std::regex_match(line, m, function)) {
            Signature sig = makeSignature(m[1], n);
            if (!parseParams(m[2], sig)) d.problems.push_back("function.php:" + std::to_string(n) + ": " + line);
            d.functions.push_back(sig);
        } else if (!skippable(line)) {
            d.problems.push_back("function.php:" + std::to_string(n) + ": " + line);
        }
    }

    std::istringstream ks(constantText);
    n = 0;
    while (std::getline(ks, line)) {
        ++n;
        std::smatch m;
        if (std::regex_match(line, m, define)) d.constants.emplace_back(m[1], m[2]);
        else if (std::regex_match(line, m, global)) d.globals.push_back(m[1]);
        else if (!skippable(line)) d.problems.push_back("constant.php:" + std::to_string(n) + ": " + line);
    }
    return d;
}

const std::set<std::string> kScalarHints = {
    "int", "integer", "float", "double", "real", "string", "binary", "bool", "boolean", "mixed",
    "callable", "iterable", "object", "resource", "void", "null", "false", "true", "self", "static",
};

// Rule violations, one text per finding.
std::vector<std::string> violations(const Definitions& d) {
    std::vector<std::string> out;
    std::set<std::string> declared;  // lower-case class and interface names declared so far
    std::map<std::string, const ClassDecl*> byName;

    auto checkSignature = [&](const Signature& sig, const std::string& where, const std::string& self) {
        bool optional = false;
        std::set<std::string> names;
        for (const auto& p : sig.params) {
            if (!names.insert(p.name).second) out.push_back(where + ": parameter $" + p.name + " twice");
            if (!p.hint.empty()) {
                std::string h = lower(p.hint);
                if (kScalarHints.count(h)) out.push_back(where + ": scalar hint " + p.hint);
                else if (h != "array" && !declared.count(h) && h != lower(self))
                    out.push_back(where + ": hint " + p.hint + " names no class declared before");
            }
            if (p.hasDefault) optional = true;
            else if (optional) out.push_back(where + ": $" + p.name + " follows an optional parameter without a default");
        }
    };

    for (const auto& c : d.classes) {
        std::string key = lower(c.name);
        if (byName.count(key)) out.push_back("class " + c.name + " declared twice");
        if (!c.parent.empty()) {
            auto it = byName.find(lower(c.parent));
            if (it == byName.end()) out.push_back(c.name + " extends " + c.parent + " before its declaration");
            else if (it->second->isInterface) out.push_back(c.name + " extends the interface " + c.parent);
            else if (it->second->isFinal) out.push_back(c.name + " extends the final class " + c.parent);
        }
        for (const auto& i : c.interfaces) {
            auto it = byName.find(lower(i));
            if (it == byName.end()) out.push_back(c.name + " names " + i + " before its declaration");
            else if (!it->second->isInterface) out.push_back(c.name + " implements the class " + i);
        }
        byName[key] = &c;
        declared.insert(key);
        std::set<std::string> methods, constants, properties;
        for (const auto& m : c.methods) {
            if (!methods.insert(lower(m.name)).second) out.push_back(c.name + "::" + m.name + " declared twice");
            checkSignature(m, c.name + "::" + m.name, c.name);
        }
        for (const auto& k : c.constants)
            if (!constants.insert(k).second) out.push_back(c.name + "::" + k + " declared twice");
        for (const auto& p : c.properties)
            if (!properties.insert(p).second) out.push_back(c.name + "::$" + p + " declared twice");
    }

    std::set<std::string> functions;
    for (const auto& f : d.functions) {
        if (!functions.insert(lower(f.name)).second) out.push_back("function " + f.name + " declared twice");
        checkSignature(f, "function " + f.name, "");
    }
    std::set<std::string> constants;
    for (const auto& k : d.constants)
        if (!constants.insert(k.first).second) out.push_back("constant " + k.first + " defined twice");
    return out;
}

const Signature* findFunction(const Definitions& d, const std::string& name) {
    for (const auto& f : d.functions)
        if (lower(f.name) == name) return &f;
    return nullptr;
}

class GeneratedDefinitions : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        defs = new Definitions(readDefinitions(readFile("class.php"), readFile("function.php"), readFile("constant.php")));
    }
    static void TearDownTestSuite() { delete defs; }
    static Definitions* defs;
};
Definitions* GeneratedDefinitions::defs = nullptr;

TEST_F(GeneratedDefinitions, EveryLineHasAKnownShape) {
    EXPECT_TRUE(defs->problems.empty()) << defs->problems.size() << " lines, first: " << defs->problems.front();
    // Sanity: a truncated or empty file would pass the rules trivially.
    EXPECT_GT(defs->functions.size(), 1500u);
    EXPECT_GT(defs->classes.size(), 100u);
    EXPECT_GT(defs->constants.size(), 1500u);
}

TEST_F(GeneratedDefinitions, KeepTheRulesOfTheGrammarAndSignatures) {
    auto found = violations(*defs);
    std::string all;
    for (size_t i = 0; i < found.size() && i < 20; ++i) all += found[i] + "\n";
    EXPECT_TRUE(found.empty()) << found.size() << " violations:\n" << all;
}

TEST_F(GeneratedDefinitions, DeclareWhatTheHandlersAndTheAnalysisNeed) {
    const Signature* dirname = findFunction(*defs, "dirname");
    ASSERT_NE(dirname, nullptr);
    EXPECT_EQ(dirname->params.size(), 1u);
    EXPECT_FALSE(dirname->params[0].hasDefault);

    const Signature* define = findFunction(*defs, "define");
    ASSERT_NE(define, nullptr);
    ASSERT_EQ(define->params.size(), 3u);
    EXPECT_FALSE(define->params[1].hasDefault);
    EXPECT_TRUE(define->params[2].hasDefault);

    // true, false and null: defined first, case-insensitively, without naming themselves.
    ASSERT_GE(defs->constants.size(), 3u);
    EXPECT_EQ(defs->constants[0], std::make_pair(std::string("TRUE"), std::string("1 == 1, 1 == 1")));
    EXPECT_EQ(defs->constants[1], std::make_pair(std::string("FALSE"), std::string("1 == 0, 1 == 1")));
    EXPECT_EQ(defs->constants[2], std::make_pair(std::string("NULL"), std::string("(unset)0, 1 == 1")));

    std::set<std::string> globals(defs->globals.begin(), defs->globals.end());
    for (const char* g : {"GLOBALS", "_GET", "_POST", "_COOKIE", "_FILES", "_SERVER", "_ENV", "_REQUEST",
                          "_SESSION", "argv", "argc"})
        EXPECT_TRUE(globals.count(g)) << "$" << g;

    // A few names every PHP 5 program meets.
    for (const char* f : {"strlen", "mysql_query", "preg_match", "json_encode", "ereg", "session_register",
                          "oci_connect", "ibase_query", "sybase_connect"})
        EXPECT_NE(findFunction(*defs, f), nullptr) << f;
}

// What PHP 5 code calls must be declared with the arity PHP 5 accepted, or
// ordinary code is reported.
TEST_F(GeneratedDefinitions, AcceptWhatPhp5Accepted) {
    // Number of parameters without a default, and the total.
    auto arity = [&](const char* name, size_t required, size_t total) {
        const Signature* f = findFunction(*defs, name);
        ASSERT_NE(f, nullptr) << name;
        ASSERT_EQ(f->unchecked, total == 0) << name;  // "()" is never checked
        size_t withoutDefault = 0;
        for (const auto& p : f->params) withoutDefault += p.hasDefault ? 0 : 1;
        EXPECT_EQ(withoutDefault, required) << name;
        EXPECT_EQ(f->params.size(), total) << name;
    };
    arity("die", 0, 1);  // no keyword here: "or die(...)" is a call
    arity("rand", 0, 2);
    arity("mt_rand", 0, 2);
    arity("srand", 0, 2);
    arity("getrandmax", 0, 0);
    arity("lcg_value", 0, 0);
    arity("crypt", 1, 2);
    arity("assert", 1, 2);
    arity("fputcsv", 2, 5);
    arity("ini_get_all", 0, 2);
    arity("getenv", 0, 2);  // one renamed parameter, not two
    arity("mysqli_query", 2, 3);

    std::map<std::string, std::string> constants(defs->constants.begin(), defs->constants.end());
    ASSERT_TRUE(constants.count("die"));
    // A file's directory is no fixed text: the value must stay unknown.
    ASSERT_TRUE(constants.count("__DIR__"));
    EXPECT_EQ(constants["__DIR__"].find('\''), std::string::npos) << constants["__DIR__"];
}

// The checks above must be able to fail: each broken sample trips its rule.
TEST(DefinitionRules, ReportBrokenSamples) {
    struct Case {
        const char* what;
        const char* classes;
        const char* functions;
        const char* constants;
        const char* expected;
    };
    const Case cases[] = {
        {"scalar hint", "", "function f(string $s) {}\n", "", "function f: scalar hint string"},
        {"missing default", "", "function f($a = 1, $b) {}\n", "",
         "function f: $b follows an optional parameter without a default"},
        {"duplicate function", "", "function f() {}\nfunction F() {}\n", "", "function F declared twice"},
        {"duplicate constant", "", "", "define('A', 1);\ndefine('A', 2);\n", "constant A defined twice"},
        {"late parent", "class B extends A {\n}\nclass A {\n}\n", "", "", "B extends A before its declaration"},
        {"late interface", "class B implements I {\n}\ninterface I {\n}\n", "", "",
         "B names I before its declaration"},
        {"late hint", "", "function f(Foo $x) {}\n", "", "function f: hint Foo names no class declared before"},
        {"final parent", "final class A {\n}\nclass B extends A {\n}\n", "", "", "B extends the final class A"},
        {"duplicate class", "class A {\n}\ninterface a {\n}\n", "", "", "class a declared twice"},
        {"duplicate method", "class A {\n    public function m() {}\n    public function M() {}\n}\n", "", "",
         "A::M declared twice"},
    };
    for (const auto& c : cases) {
        auto found = violations(readDefinitions(c.classes, c.functions, c.constants));
        EXPECT_NE(std::find(found.begin(), found.end(), std::string(c.expected)), found.end()) << c.what;
    }
    // Shapes the grammar would refuse are not recognised at all.
    for (const char* bad : {"class A {\n    abstract public function m();\n}\n",
                            "interface I {\n    public function m();\n}\n",
                            "class A {\n    public function m(?Foo $x) {}\n}\n",
                            "class A {\n    public function m(...$x) {}\n}\n",
                            "class A {\n    public function m();\n}\n"}) {
        EXPECT_FALSE(readDefinitions(bad, "", "").problems.empty()) << bad;
    }
    EXPECT_TRUE(readDefinitions("", "function f() {}\n", "").problems.empty());
}

}  // namespace
